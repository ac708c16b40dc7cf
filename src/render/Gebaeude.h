#pragma once
// The world layer of what stands on the cells: buildings with their overlays
// (clan flag, state flag, missing-input and shut-down symbols, goods in stock, the
// production model, smoke and fire) and the ambient objects (plants, trees,
// stones, paths). Every model is a list of ML_Gebaeudelisten indexed by its map
// object type; the scene binds the building pack around this layer.

// The type whose model an object type shows now: for an animated ambient type the
// current step of SBU_Animation_Tabelle, for every other valid type the type
// itself; -1 for a type outside the templates.
int ML_Gezeigtes_Modell(int typ);
// A keyword type (SBU_ID_mark, SBU_ID_rauch, ...) when it names an ambient type; -1
// otherwise (an absent keyword is 0, which would be building 0).
int ML_Spezialtyp(int id);
// Calls the list of the model a type shows now; false when there is none.
bool ML_Modell_rufen(int typ);

void Draw_Gebaeude();
// The object of cell `zelle` at world position (px, py).
void Draw_Feldobjekt(int px, int py, int zelle);
void Draw_Objekt_Overlays(int zelle, int ambiente_start);
void Draw_Flaggen(int zelle);
void Draw_Mangelsymbol(int zelle);
void Draw_Stoppsymbol(int zelle);
void Draw_Warenanzeige(int zelle, int ambiente_start);
void Draw_Prozessanzeige(int zelle, int ambiente_start);
// The model `effekt` shows now at every marker point of building type `typ`.
void Draw_Markerpunkte(int typ, int effekt);

#pragma once
// Goal actions that change the map or a building's progress: gathering raw
// materials (orders 100..103), planting (140/141), clearing a cell (150..152),
// setting traps (600/601), hunting (650/651), working inside a production
// building (250/251) and levelling a construction site (500..502).

// Template number of the building whose work makes a sound now and then.
inline constexpr int ZAU_Klangwerkstatt_Typ = 14;
// Work steps in such buildings, counted over all of them, between two sounds.
inline constexpr int ZAU_Klang_Abstand = 26;
// The shared count of work steps towards the next sound.
extern int ZAU_Klangzaehler;

// The use code of the order's ware in the workplace at Personen.Auftragsziel2; -1 when the
// workplace does not list the ware (reported with the given text).
int ZAU_Benutzung(int person, const char* meldung);

void ZAU_Resource_abbau_Teil1(int person);
void ZAU_Resource_abbau_Teil2(int person);
void ZAU_Resource_abbau_Teil3(int person, int code, int ware);
// What the landscape gives up at the target cell, by the ware's use.
void ZAU_Resource_abbau_Ertrag(int person, int code, int ware);
// The field a planter reserved is still its own to sow: reserved or free land under nothing,
// under ground cover (a footpath, flowers) or under another ambient that blocks nothing (a
// bush, or rubble still in the rubble list, that the field was chosen with). Rubble a
// collector holds (taken from the list), a levelling mark or a block belong to somebody else.
bool ZAU_Pflanzfeld_frei(int feld);
void ZAU_Pflanze_Vorbereitung(int person);
void ZAU_Pflanze_anbauen(int person);
void ZAU_Arbeit_Teil2(int person, int code);
void ZAU_Auftrag_250(int person);
void ZAU_Auftrag_251(int person);
void ZAU_Wachstum_Auftrag(int person);
void ZAU_Jagen(int person);
void ZAU_Feld_planieren(int person);
void ZAU_Baustelle_pruefen(int person);

// The sound count back to 0 (new game, tests).
void ZAU_Zuruecksetzen();

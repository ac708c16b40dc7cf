#pragma once
// The first stage of the mouse dispatcher: the click areas of the shown script
// panel, and while the in-game bar is shown the object, planned site or
// information-stream message under the mouse and the placement click.

// Results of the pass.
extern bool MO_Objekt_gueltig;
extern int MO_Objekt_unter_Maus;     // object row, or for a planned site its building template
extern int MO_Objektart_unter_Maus;  // kind, below
extern bool MO_Info_unter_Maus;
extern int MO_Info_Event;
extern int MO_Info_Wert;
extern int MO_Info_Index;

// Kinds of the thing under the mouse.
inline constexpr int MO_Art_Gebaeude = 0;
inline constexpr int MO_Art_Planung = 1;
inline constexpr int MO_Art_Baustelle = 2;
inline constexpr int MO_Art_Wohnhaus = 3;
inline constexpr int MO_Art_Start = 4;
inline constexpr int MO_Art_Hafen = 5;
inline constexpr int MO_Art_Lager = 6;
inline constexpr int MO_Art_Abriss = 8;
inline constexpr int MO_Art_Ruine = 9;

// The stage: false only when no script panel is shown.
bool MO_Panel_Mouseover(bool click);
// Tests click area `area` of panel `panel`; on a hit sets its tooltip and on a click runs its action.
bool MO_Panelelement_pruefen(int panel, int area, bool click);
// Alignment offsets of a click area in client pixels.
int MO_Align_X(int panel, int area);
int MO_Align_Y(int panel, int area);
// Shows popup `popup` of the panels as the tooltip (-1: nothing).
void MO_Popup_setzen(int popup);
void MO_Objekt_Mouseover();
void MO_Infostream_Mouseover();
// Whether the world point (mx, my) lies on the placement marker of a preview cell listed at
// (x, y): the parallelogram the marker is drawn as, 20 pixels wide and 10 high, leaning right
// by one pixel per pixel upwards, so that neighbouring cells tile without gaps.
bool MO_im_Bauplatz(int x, int y, int mx, int my);
// The placement test of an area with action 666.
void MO_Bauplatz_waehlen(int panel, int area, bool click);
// The results of the pass back to nothing (tests, a new run).
void MO_Panelstufe_zuruecksetzen();

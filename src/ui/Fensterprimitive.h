#pragma once
// The small drawing routines of the in-game windows: a ready-made quad (a display
// list of the interface models, the interface atlas, the building, build-icon or
// goods-icon lists) placed at an overlay pixel position and a depth, an atlas
// image stretched over the window, and the shared decoration (window frame,
// window background, the six-step level bar).
//
// Depths are given in hundredths: Z 1000 is depth 10.0. Every routine leaves the
// model-view matrix as it found it; the caller binds the texture. A number outside
// its table is reported and draws nothing.

// Interface model Nr (0..314) at (X, Y), depth Z/100.
void IFU_Icon_zeichnen(int X, int Y, int Z, int Nr);
// Interface atlas image Nr.
void IFU_Icon_zeichnen_Set2(int X, int Y, int Z, int Nr);
// Building list Nr.
void IFU_Icon_zeichnen_Set3(int X, int Y, int Z, int Nr);
// Build-menu icon Nr.
void IFU_Icon_zeichnen_Set4(int X, int Y, int Z, int Nr);
// Goods or person icon Nr.
void IFU_Icon_zeichnen_Set5(int X, int Y, int Z, int Nr);
// Interface atlas image Nr stretched over the client area, its top-left corner at (X, Y).
void IFU_Interfaceelement_zeichnen(int X, int Y, int Z, int Nr);
// The marker of a bonus-list entry kind (0..4).
void IFU_Bonusliste_Icon(int X, int Y, int Z, int Art);
// Six steps at ((i + 1) * Abstand, 0), the first Stufe filled; false when Stufe is above 6.
bool IFU_Stufenleiste_zeichnen(int Stufe, int Abstand);
// The window frame and the window background around the centre (X, Y).
void IFU_Fensterrahmen_zeichnen(int X, int Y);
// The window frame widened to 2 x Halbbreite pixels (165 gives the frame above).
void IFU_Fensterrahmen_zeichnen(int X, int Y, int Halbbreite);
void IFU_Fensterhintergrund_zeichnen(int X, int Y);
// The images of the goods-slot clearing dialog, around the window centre.
void IFU_Icon_Leiste_zeichnen();
// One frame of a timed display has passed.
void IFU_Anzeigezaehler_runter();

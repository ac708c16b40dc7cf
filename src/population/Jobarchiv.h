#pragma once
// Spiral searches: the nearest cell of some kind around a cell, ring by ring
// over the hexagonal rings, with a numbered test mode.
//
// Modes: 0 planting place (radius 15); 30 free cell on the origin's island
// (25); 33 a cell of island KI_Insel (2 x side); 34 high ground, 35 fishing
// place, 41 sand place (all three within the clan's work radius, resuming at
// the ring kept in the workplace's Objekte.Zaehler); 37 a person (3); 39 high
// ground (side); 40 coast (50). Modes 28, 29, 31, 32 find nothing.

// The ring at which the last successful search found its cell.
extern int JA_Suchring;
// The searches take their short ways: hexagons read in memory order before the ring
// walk, the person search answered from the bits of occupied cells, walks stopped where
// no nearer cell can follow, far candidates of the supplier, seller and rabbit-hole
// searches passed over before their rows are read. Same cells found,
// same rings, same marks; false makes every search go the full way, for comparing.
extern bool JA_Schnellwege;

// The first cell around c0 that passes the test of the mode; -1 when none within its radius.
int Schneckenroutine(int c0, int modus, int clan);
// The test of one cell for the mode; radius is the mode's radius R.
bool Feldkontrolle(int feld, int c0, int modus, int radius);
// The nearest building spot for the building type around c0 (cached in
// Karte.Bauplatzwert); unbegrenzt lifts the distance limit. -1 when none.
int JA_Bauplatz_suchen(int c0, int typ, bool unbegrenzt);
// The building-spot test of one cell; stores the spot's value in Karte.Bauplatzwert.
bool JA_Bauplatz_Feld_pruefen(int feld, int c0, int typ, bool unbegrenzt);

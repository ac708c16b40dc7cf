#pragma once
// Spiral searches: the nearest cell of some kind around a cell, ring by ring
// over the hexagonal rings, with a numbered test mode.

// The ring at which the last successful search found its cell.
extern int JA_Suchring;

// The first cell around c0 that passes the test of the mode; -1 when none within its radius.
int Schneckenroutine(int c0, int modus, int clan);
// The nearest building spot for the building type around c0 (cached in
// Karte.Bauplatzwert); unbegrenzt lifts the distance limit. -1 when none.
int JA_Bauplatz_suchen(int c0, int typ, bool unbegrenzt);

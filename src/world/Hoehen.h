#pragma once
// The land of a new world: random hills stamped into the height field
// (Karte.LandType), five passes clipped into layers (sand and beaches, heath,
// building land, scree, mountains), the mountain layer eroded towards a few
// protected peaks, and the layers merged by maximum. The eight map types differ
// in the number of hills per pass.
//
// During generation the cell fields 0, 1, 4 and 5 hold the sand, heath,
// building-land and scree layers and field 3 the erosion protection mark; the
// ambient placement and the terrain tiles overwrite them afterwards.

// Field numbers of the generation layers.
inline constexpr int MG_Schicht_Sand = 0;
inline constexpr int MG_Schicht_Heide = 1;
inline constexpr int MG_Schicht_Hoehe = 2;  // the height field itself
inline constexpr int MG_Schicht_Schutz = 3;
inline constexpr int MG_Schicht_Bauland = 4;
inline constexpr int MG_Schicht_Geroell = 5;

// Raises the cell to h unless it is cell 0, outside the map or already at h or
// higher; then spreads h - 1 to the twelve cells two steps away (each on a
// coin toss) and to the six neighbours. Each call works on a copy of the
// levels: many hills go through MG_Kegel_setzen.
void MG_Huegel_setzen(int feld, int h);
// Stamps anzahl hills at random cells, each as tall as half its distance to
// the nearest map edge; f lowers hills taller than 20 (0: cut at 20).
void MG_Kegel_setzen(int anzahl, double f);
// Clips the height field above level a into field ziel (a or a + 1 by a coin
// toss per clipped cell), copies it below; then the progress line meldung 1..4.
void MG_Schicht_kappen(int a, int quelle, int ziel, int meldung);
// One erosion step: lowers an unprotected cell of level 5 or more without a
// higher neighbour by one; true when it was lowered.
bool MG_Gipfel_abtragen(int feld);
// Marks about one even-even cell in twenty as a peak, then erodes until no
// cell can be lowered.
void MG_Erosion();
// Erosion, then the merge of all layers into the height field.
void MG_Berge_verschmelzen();

// The height generators of the map types.
void MG_Kartentyp_0();
void MG_Kartentyp_1();
void MG_Kartentyp_2();
void MG_Kartentyp_3();
// Four copies of a world of half the side (type 7, dressed with its ambient).
void MG_Kartentyp_4();
void MG_Kartentyp_5();
void MG_Kartentyp_6();
void MG_Kartentyp_7();
// Runs the generator of the map type; false (reported) for an unknown type.
bool MG_Kartentyp_erzeugen(int typ);

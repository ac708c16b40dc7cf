#pragma once
// The map.

// Side length of the square map in cells (256 to 832 in steps of 64).
extern int MG_Kartengroesse;

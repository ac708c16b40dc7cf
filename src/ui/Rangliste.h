#pragma once
// The ranking of the clans by their progress toward the switched-on victory goals.

// Place p + 1 holds the clan row ranked there, -1 for an empty place.
extern int TPU_Rangliste[8];

// Rewrites TPU_Rangliste from the clans' rows and the goal switches.
void TPU_Rangliste_berechnen();

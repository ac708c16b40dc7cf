#pragma once
#include <array>
// The ranking of the clans by their progress toward the switched-on victory goals.

// Place p + 1 holds the clan row ranked there, -1 for an empty place.
extern std::array<int, 8> TPU_Rangliste;

// Rewrites TPU_Rangliste from the clans' rows and the goal switches.
void TPU_Rangliste_berechnen();

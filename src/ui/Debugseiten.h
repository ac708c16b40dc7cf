#pragma once
// The debug overlay: a frames-per-second line and one of eleven pages of
// internal figures (persons, rabbits, islands, main data, the world, clans,
// templates, anomalies), chosen with F2 and shown while F3 has it on.
#include <string>

// Prints the page Anzeigestufe_F2 at the top left of the screen.
void TPU_Debugseiten();
// A whole number with "." between groups of three digits.
std::string TPU_Zahl_gruppiert(long long n);

#pragma once
// Strict decimal Integers, as every data, save and ini file writes them.
#include <string_view>

// An optional sign and decimal digits, nothing else, within the int range.
// On failure `wert` is left unchanged.
bool Zahl_lesen(std::string_view text, int& wert);

#pragma once
// Text rows: fields separated by "/", read one at a time from the front.
#include <string>
#include <string_view>
#include <vector>

// The characters before the first "/"; the whole text when there is none.
std::string FFU_Slashteil(const std::string& text);
// feld := the text before the first "/"; text := what follows that "/" (empty when there was none).
void FFU_Slashteil_entnehmen(std::string& text, std::string& feld);
// Field n (from 0) of the text split at the delimiter; empty when there are fewer fields.
std::string FFU_Teil_Nr(const std::string& text, char trenner, int n);
// Integers joined by "/" (no "/" after the last).
std::string FFU_Zeile_bauen(const std::vector<int>& werte);
// Strict decimal: an optional sign, then digits only, in the Integer range.
bool FFU_Zahl_lesen(const std::string& feld, int& wert);
// The largest magnitude a number of a saved game may have. Sums of a few such values still fit
// an Integer, so a value edited to the end of the range cannot make the game's arithmetic overflow.
inline constexpr int FFU_Spielstandwert_max = 1000000000;
// FFU_Zahl_lesen for numbers of a saved game: false also beyond FFU_Spielstandwert_max.
bool FFU_Spielstandzahl_lesen(std::string_view feld, int& wert);
// Reads a row of exactly `anzahl` decimal Integers joined by "/" into werte.
// False (werte unspecified) when a field is missing, extra, or not a strict decimal.
bool Zahlenzeile_lesen(const std::string& zeile, int anzahl, int* werte);

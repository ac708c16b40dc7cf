#pragma once
// A unit's side file in a save game: one record per line, written and read by
// the unit that owns the list.
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The file's lines; nothing when it does not exist (a missing file is skipped) or
// cannot be read (reported with the routine's name).
std::optional<std::vector<std::string>> Seitendatei_lesen(const std::string& pfad,
                                                          const std::string& routine);
// Writes the lines; false (reported with the routine's name) when the file could not be written.
bool Seitendatei_schreiben(const std::string& pfad, const std::vector<std::string>& zeilen,
                           const std::string& routine);

// Reads a side file of rows of exactly `anzahl` decimal Integers joined by "/":
// each row is handed to uebernehmen; a row that is not such numbers, or that
// uebernehmen refuses (false: a value out of range), is reported with the
// routine's name and its line number and skipped. Nothing when the file does not exist.
void Seitendatei_Zahlenzeilen_lesen(const std::string& pfad, const std::string& routine, int anzahl,
                                    const std::function<bool(const std::vector<int>&)>& uebernehmen);

// Tables written row by row and entry by entry from 0 are read back in the same
// order: entry `eintrag` of row `zeile` is an existing entry or the next one.
template <typename T>
bool Seitendatei_folgt(const std::vector<std::vector<T>>& tabelle, int zeile, int eintrag) {
    if (zeile < 0 || eintrag < 0) return false;
    const std::size_t laenge = static_cast<std::size_t>(zeile) < tabelle.size()
                                   ? tabelle[static_cast<std::size_t>(zeile)].size()
                                   : 0;
    return static_cast<std::size_t>(eintrag) <= laenge;
}

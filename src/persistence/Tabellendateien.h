#pragma once
// The table files of a saved game: whole rows of Integers, one row per line,
// fields joined by "/" ("P.sav", "G.sav", "OB.sav"), the path pool ("Pat.sav")
// and the harbours ("HA.sav"); and the generic reader of such tables into an
// already sized table.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "foundation/Datenzeile.h"

// Writes the rows; false when the file could not be written (reported with the routine's name).
bool LSU_Zeilen_schreiben(const std::string& datei, std::size_t zeilen,
                          const std::function<std::span<const int>(std::size_t)>& zeile,
                          const std::string& routine);
// Fills `zeilen` rows from the file, the fields of row i going to zeile(i). A missing
// file is skipped silently; a file with fewer lines or fields than the table, or a field
// that is not a number, ends the read there with a report; what was read stays.
// False only when the read ended early.
bool LSU_Zeilen_einlesen(const std::string& datei, std::size_t zeilen,
                         const std::function<std::span<int>(std::size_t)>& zeile);

template <class Zeile>
bool LSU_Tabelle_speichern(const std::vector<Zeile>& tabelle, const std::string& datei,
                           const std::string& routine) {
    return LSU_Zeilen_schreiben(
        datei, tabelle.size(),
        [&](std::size_t i) { return std::span<const int>(tabelle[i].f.data(), tabelle[i].f.size()); },
        routine);
}

// Reads the file into the table as it is sized.
template <class Zeile>
bool LoadfromArrayFile(std::vector<Zeile>& tabelle, const std::string& datei) {
    return LSU_Zeilen_einlesen(datei, tabelle.size(), [&](std::size_t i) {
        return std::span<int>(tabelle[i].f.data(), tabelle[i].f.size());
    });
}
bool LoadfromArrayFile(std::vector<std::vector<int>>& tabelle, const std::string& datei);

// "P.sav", "G.sav", "OB.sav": every allocated row of Personen, Spieler, Objekte.
bool LSU_Personen_speichern(const std::string& datei);
bool LSU_Spieler_speichern(const std::string& datei);
bool LSU_Objekte_speichern(const std::string& datei);

// "Pat.sav": each slot of PFU_Pfade up to and including its first field that is -1 or 0,
// every value followed by "/".
bool LSU_Patharray_speichern(const std::string& datei);
// Reads the slots back; the fields after the first -1 or 0 of a line become -1.
void LSU_Patharray_Load(const std::string& datei);
// "HA.sav": per harbour 0..Hafen_Ende its object, the count and the waiting persons.
bool LSU_Hafenarray_speichern(const std::string& datei);

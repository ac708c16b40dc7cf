#pragma once
// Letters: per clan the interactive edicts that wait for the player's decision,
// first letter first. The viewed clan's letters are drawn as a pile at the upper
// right of the window. Saved as "BrU.sav".
#include <string>
#include <vector>

struct Item_rec {
    int Anzahl = 0;
    // Positions 0..Anzahl-1 are valid; position 0 is the first letter.
    std::vector<int> Briefe;
};

// Indexed by clan.
extern std::vector<Item_rec> Briefe;

// At most this many letters are shown in the pile.
inline constexpr int BrU_Stapel_max = 5;

void BrU_Brief_eintragen(int clan, int brief);
// Removes the first letter; the others move up by one.
void BrU_Brief_entfernen(int clan);
// -1 when the clan has no letters; else their number, at most BrU_Stapel_max.
int BrU_Brief_Anzahl_sichtbar(int clan);
// The clan's first letter, -1 when it has none.
int BrU_erster_Brief(int clan);
// The first letter when the point lies on the pile, else -1.
int BrU_Brief_lesen(int clan, int x, int y);
// "BrU.sav": one line per clan, the count and then the letters. Saving is false when the
// file could not be written.
bool BrU_Speichern(const std::string& pfad);
// Removes all lists, then reads the file when it exists.
void BrU_Laden(const std::string& pfad);
// Removes all lists (world reset).
void BrU_Zuruecksetzen();

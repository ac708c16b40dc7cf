#pragma once
// The housing register: per clan the dwellings that still have room for a new
// household. Saved as "WRU.sav".
#include <string>
#include <vector>

struct Raum_Item {
    int Anzahl = 0;
    // Positions 0..Anzahl-1 are valid.
    std::vector<int> Objekte;
};

// Indexed by clan.
extern std::vector<Raum_Item> Wohnraum_Liste;

// All lists removed (world reset).
void WRU_Zuruecksetzen();
// Appends the dwelling to the clan's list.
void WRU_Wohnraum_eintragen(int clan, int objekt);
// Removes the entry at the position; the last entry takes its place.
void WRU_Wohnraum_austragen(int clan, int position);
// Takes the dwelling off its owner's list and sets its room to 0; nothing when it is not listed.
void WRU_Wohnraum_von_Objekt_austragen(int objekt);
// A homeless man looks for a dwelling of his clan on his island.
void WRU_Wohnung_suchen(int person);
// "WRU.sav": one line per entry, object/clan. Saving is false when the file could not be
// written; a missing file changes nothing.
bool WRU_Speichern(const std::string& pfad);
void WRU_Laden(const std::string& pfad);

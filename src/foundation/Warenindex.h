#pragma once
// The goods index: per good and island the buildings that keep a goods slot
// for that good (fetch slots are not listed), so persons looking for a good
// find the buildings of their island. The object unit keeps it in step; it is
// emptied at world reset and rebuilt after a game is loaded.
//
// Beside it, the tests of a building template's kind (its Modus).
#include <string>
#include <vector>

struct Warenindex_Eintrag {
    int Feld = 0;  // the building's anchor cell
    int X = 0, Y = 0;
    int Objekt = 0;  // row of Objekte
};

// Only the first Anzahl entries are valid; the list may hold spare room.
struct Warenindex_Liste {
    int Anzahl = 0;
    std::vector<Warenindex_Eintrag> Eintraege;
};

// Indexed by WarenID, then by island number.
extern std::vector<std::vector<Warenindex_Liste>> IWU_Warenindex;

// Appends the building (no duplicate test). A good or island below 0 is reported and skipped.
void IWU_Ware_eintragen(int ware, int feld, int objekt, int insel);
// Removes the building's first entry for the good on that island (the last
// valid entry moves into its place); nothing when the good is 0 or the
// building is not listed.
void IWU_Ware_austragen_auf_Insel(int ware, int objekt, int insel);
void IWU_Index_leeren();

// The template's Modus is "Hafen" or "Hafen2" / "Hafen2" / "Home". An unknown type is reported and false.
bool OM_ist_Hafen(int objekt_id);
bool OM_ist_Hafen2(int objekt_id);
bool OM_ist_Home(int objekt_id);

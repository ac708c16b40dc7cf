#pragma once
// The goods index: per good and island the buildings that keep a goods slot
// for that good (fetch slots are not listed), so persons looking for a good
// find the buildings of their island. The object unit keeps it in step; it is
// emptied at world reset and rebuilt after a game is loaded.
//
// Beside it, the kind tests of an object row (its template's Modus); the kind
// tests of a template stand with the templates.
#include <string>
#include <vector>

#include "foundation/Schablonen.h"

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
// Removes the building's first entry for the good on the island of its anchor
// cell (the last valid entry moves into its place); nothing when the good is 0
// or the building is not listed.
void IWU_Ware_austragen(int ware, int objekt);
// The same on a given island.
void IWU_Ware_austragen_auf_Insel(int ware, int objekt, int insel);
void IWU_Index_leeren();
// Rebuilds the index from the object rows in use: every slot whose good is
// above 0 and whose template usage is above 1 ("Holen").
void IWU_Index_aufbauen();

// Kind of an object row's template; false for a row or type outside the tables.
bool OM_Objekt_ist_Home(int objekt);
bool OM_Objekt_ist_Lager(int objekt);
bool OM_Objekt_ist_Start(int objekt);  // "Start" or "Startex"

#pragma once
// The islands: every connected body of land carries an island number in
// Karte.Insel (-1 on water). The island table counts each island's building
// land and each clan's presence on it; map-wide counters count the cells of
// each land class.
//
// After the merge the numbers are not contiguous: a number merged away stays
// free. A table entry exists for every number up to the highest island that
// holds building land.
#include <array>
#include <vector>

struct IU_Item {
    int Bauland = 0;  // cells of levels 3..5
    bool Frei = false;
    std::vector<int> Anwesenheit;  // per clan row
};

extern std::vector<IU_Item> IU_Inseln;
// Cells per land class: [0] without island (water), [1] levels 1-2, [2] 3-5, [3] 6-15, [4] 16-20.
extern std::array<int, 5> IU_Landklassen;

// Land class 0..4 of a level; -1 for a level outside 0..20.
int IU_Landklasse(int level);

// Empties the table and the land-class counters (world reset).
void IU_Inseln_loeschen();
// Numbers the islands, merges the parts of each, counts the land classes and sets every island free.
void IU_Inseln_erzeugen();
// Numbers every land cell by filling from each unnumbered land cell in index order.
void IU_Inseln_fuellen();
// Gives every island the smallest number any of its parts has.
void IU_Inseln_verschmelzen();
// Recounts the land classes and the islands' building land.
void IU_Landklassen_zaehlen();

// Every island gets one presence counter per clan row (existing counters kept).
void IU_Spielerfelder_anlegen();
// Adds n (may be negative) to the clan's presence on the island; a higher
// island than the table holds grows the table, an island below 0 is ignored.
void IU_Spieler_auf_Insel_addieren(int insel, int clan, int n);
// The clan's presence on the island is above 0 (false for an island or clan beyond the table).
bool IU_Spieler_auf_Insel(int insel, int clan);
// The island with the most building land per present clan (more than 1000 per
// presence + 1) on which the clan is not present; -1 when none qualifies.
int IU_Insel_fuer_Spieler_waehlen(int clan);
void IU_Insel_sperren(int insel);
bool IU_Insel_frei(int insel);
// Sets every island free (after generation and once a year).
void IU_Inseln_freigeben();
// Adds delta to the counter of the cell's land class, and for building land to its island's.
void IU_Landklasse_zaehlen(int feld, int delta);
// Adds delta to the building land of the island (growing the table to it).
void IU_Inselgroesse_addieren(int insel, int delta);
// After loading: each clan's home cell counts as its presence on that island.
void IU_Spieler_Inseln_nach_Laden();

#pragma once
// The resource index: every tree, stone, coast cell and hilltop of the map in
// buckets by kind, island and sector of 32 x 32 cells. A gathering building
// searches sector by sector in a hexagonal spiral around itself; a taken
// resource leaves the index and its cell is reserved.
#include <vector>

// Kinds of resource.
inline constexpr int RU_Baum = 0;
inline constexpr int RU_Stein = 1;
inline constexpr int RU_Kueste = 2;
inline constexpr int RU_Huegel = 3;
inline constexpr int RU_Arten = 4;
// Cells per sector side.
inline constexpr int RU_Sektorseite = 32;

struct TRSU_Chunk_Item {
    int Anzahl = 0;           // valid entries of Felder, in map order
    std::vector<int> Felder;  // grows by one when full, never shrinks
};

struct TRSU_Sektor_Item {
    int Anzahl = 0;  // cells of this kind on the island
    std::vector<TRSU_Chunk_Item> Sektoren;
};

// By kind, by island number.
extern std::vector<std::vector<TRSU_Sektor_Item>> RU_Index;
// Mode of the current search: take (true) or only look (false).
extern bool RU_Nehmen;

// Sector of a cell: Floor(y / 32) x Floor(N / 32) + Floor(x / 32).
int RU_Sektor(int feld);
// A free level-1 cell without ambient object next to water at c - 1, c + N or c + 1 - N.
bool RU_ist_Kueste(int feld);
// A free cell of level 6 or more that no neighbour overtops.
bool RU_ist_Huegel(int feld);

// Empties the index (world reset).
void RU_Index_leeren();
// Rebuilds the index from the whole map.
void RU_Ressourcen_erfassen();
// Enters the cell in the bucket of its kind, island and sector. A bucket is kept in
// map order, the order a rebuild gives it.
void RU_Ressource_eintragen(int art, int feld);
bool RU_ist_eingetragen(int art, int feld);
// Enters the cell and its neighbours that became hilltops after a level change.
void RU_Huegel_nachtragen(int feld);
// The nearest resource of the kind within the clan's work radius around the
// building at feld, taken out of the index and reserved; -1 when none.
int RU_Ressource_nehmen(int art, int feld, int clan);
// A cell taken for gathering and left unworked (its order was given up): while it is still
// reserved, its block state comes from what stands on it again and it goes back into the
// index under what it is (a tree, a stone, a hilltop).
void RU_Ressource_zurueckgeben(int feld);
// A resource of the kind around feld on its island (nothing is taken); -1 when none.
int RU_Ressource_vorhanden(int art, int feld, int clan);

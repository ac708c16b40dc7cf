#pragma once
// Placement preview of the build mode and the screen lists: the visible cells
// where the chosen building fits with their price, the screen positions of the
// visible buildings and planned sites, and the developer overlays.
#include <vector>

#include "economy/Baustelle.h"

// One entry of the screen lists: the cell's world position, a kind (preview: the
// cell's price; object list: the building type) and an index (preview: the cell;
// object list: the object). A planned site carries its site code in both.
struct BPU_Eintrag {
    int x = 0, y = 0;
    int Art = 0;
    int Index = 0;
};

// The preview list and its highest used entry (-1 empty).
extern std::vector<BPU_Eintrag> BPU_Sichtliste;
extern int BPU_Sichtliste_Ende;
// Screen positions of the visible buildings and planned sites.
extern std::vector<BPU_Eintrag> BPU_Objektliste;
extern int BPU_Objektliste_Ende;
// Per map cell the marks of the pathfinding and search overlays (developer view).
extern std::vector<int> BPU_PFU_Indexliste;

// Appends an entry, growing the list by 100 entries when it is full.
void BPU_Sichtliste_hinzu(int x, int y, int art, int index);
void BPU_Objektliste_hinzu(int x, int y, int art, int index);
// Zeroes the used entries; the arrays keep their length.
void BPU_Sichtliste_leeren();
void BPU_Objektliste_leeren();

// Enters placement mode for the building type and computes the preview.
void BPU_Baumodus_starten(int typ);
// The type key R places again (-1 for the start building).
void BPU_Vorlage_merken(int typ);
// Rebuilds the list of visible buildings and planned sites.
void BPU_Sichtliste_Objekte();
// Developer overlays of the screen list.
void BPU_Sichtliste_Personen();
void BPU_Sichtliste_Belegung();
void BPU_Sichtliste_Tiere();
void BPU_Sichtliste_Markierung();

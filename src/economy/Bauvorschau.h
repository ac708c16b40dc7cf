#pragma once
// Placement preview of the build mode and the screen lists.

#include <vector>

// One entry of the screen lists: the cell's world position, a kind (for the
// preview the cell's price) and an index (for the preview the cell).
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

void BPU_Baumodus_starten(int typ);
// Rebuilds the list of visible buildings and planned sites.
void BPU_Sichtliste_Objekte();
// Places a construction site of the building type for the clan; true when placed.
bool BPU_Baustelle_setzen(int anker, int typ, int clan);
// Developer overlays of the screen list.
void BPU_Sichtliste_Personen();
void BPU_Sichtliste_Belegung();
void BPU_Sichtliste_Tiere();
void BPU_Sichtliste_Markierung();

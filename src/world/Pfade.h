#pragma once
// The path search and the path store.
//
// A walker goes straight towards its target; where the straight step is
// blocked, the path search finds a detour: it marks the straight line from the
// walker to the target, sends a left-hand and a right-hand probe along the
// obstacle from the walker's cell, and stores the cells of the first probe that
// comes back onto the line (beyond its first cell) in a row of the pool. The
// walker follows the stored cells and then goes on straight from the line.
#include <vector>

// The pool: row entry 0 is the in-use flag (1 used, below 1 free), then the
// path's cells in walking order up to the first entry below 1.
extern std::vector<std::vector<int>> PFU_Pfade;
// Where the search for a free row starts.
extern int PFU_Naechster_freier;
// Entries of a row: 4 x the map side.
extern int PFU_Pathlaenge;

// Work arrays of one search, zero between searches: the position of each map
// cell on the straight line, and the cells each probe visited.
extern std::vector<int> PFU_Linie;
// Per person the blocked target last reported, -1 none.
extern std::vector<int> PFU_Gemeldete_Ziele;
extern std::vector<int> PFU_Sonde_L, PFU_Sonde_R;
// Probe state: current cell and the direction at which its next sweep starts.
extern int PFU_Sonde_L_Feld, PFU_Sonde_L_Richtung, PFU_Sonde_R_Feld, PFU_Sonde_R_Richtung;

// Sizes the work arrays for the map side (new world, loaded game).
void PFU_Init();
// Empties the work arrays (world reset).
void PFU_Freigeben();
// Finds and stores a detour from the person's cell to its target, or stores nothing:
// nothing is needed while the straight step is open. When the probes find no way
// (reported once per person and target), the person gives up as for a blocked target.
void PFU_Path_berechnen(int person);
// Releases the person's row: PfadID -1, Pfadschritt 0.
void PFU_Path_loeschen(int person);
// Land (level 1 or more) that is not blocked (Block below 2); persons do not block.
bool PFU_Feld_begehbar(int feld);
// The target lies on the start's island and is not blocked. For a blocked target
// the walking person gives up: looking for a free spot (order 3) its walk ends
// where it stands; any other order is given up (the person is sent away), and
// reported once per person and target (the developer view also pauses the game)
// unless the target was built over (blocked land with no object or ambient).
bool PFU_Ziel_erreichbar(int person, int start, int ziel);
// A walker on the start cell could reach the target: the target is walkable and a way
// of walkable cells joins the two (on one island). Neighbours' footprints can wall a
// cell in; then every way to it is closed, whatever the size of the pocket.
bool PFU_Weg_moeglich(int start, int ziel);
// The same for one start and several targets in turn (a search over sellers): once a flood
// has found the start closed in, every further target is answered from its marks, and a
// target in a region a flood found closed off from the start is known at once. Only while
// the map does not change between the questions.
class PFU_Wege_von {
public:
    explicit PFU_Wege_von(int start) : start_(start) {}
    bool zu(int ziel);

private:
    int start_;
    unsigned geschlossen_ = 0;          // the start's mark in a flood that used up the start's cells
    std::vector<unsigned> abgetrennt_;  // target marks of floods that used up the target's cells
};
// Not on the first or last row or column of the map.
bool PFU_Feld_im_Inneren(int feld);
// A free row of the pool (the pool grows when all are used).
int PFU_Freien_Pfad_suchen();
// Marks row r free again and zeroes its path.
void PFU_Pfad_freigeben(int r);
// The neighbour of the cell in direction 1..6; -1 when the step would leave the
// map (the index offsets themselves wrap into the next row).
int PFU_Nachbarfeld(int feld, int richtung);

#pragma once
// The path store: detours found by the path search, one row per walking person.
#include <vector>

extern std::vector<std::vector<int>> PFU_Pfade;
extern int PFU_Naechster_freier;
extern int PFU_Pathlaenge;

// Sizes the search buffers for the map side (new world, loaded game).
void PFU_Init();
// Empties the search buffers (world reset).
void PFU_Freigeben();
// Releases the person's stored path row.
void PFU_Path_loeschen(int person);

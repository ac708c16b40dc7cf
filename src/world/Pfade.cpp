#include "world/Pfade.h"

// The path search and its store come with the pathfinding work.
std::vector<std::vector<int>> PFU_Pfade;
int PFU_Naechster_freier = 0;
int PFU_Pathlaenge = 0;

void PFU_Init() {}
void PFU_Freigeben() {}
void PFU_Path_loeschen(int) {}

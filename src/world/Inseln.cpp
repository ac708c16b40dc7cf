#include "world/Inseln.h"

// The island table comes with the island work.
void IU_Inseln_loeschen() {}
void IU_Inseln_freigeben() {}
void IU_Spieler_auf_Insel_addieren(int, int, int) {}

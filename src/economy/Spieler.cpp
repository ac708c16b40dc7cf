#include "economy/Spieler.h"

// The clan record comes with the core state.
int SpielerID = 0;
int Spieler_Startphase(int) { return 0; }
void GU_Spieler_wechseln(bool) {}
void GU_KI_umschalten(int) {}

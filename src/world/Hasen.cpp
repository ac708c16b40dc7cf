#include "world/Hasen.h"

int Hasen_WarenID = -1;

// The rabbits come with the rabbit work.
void Hase_Tick() {}
void Hase_Loecher_loeschen() {}
void Hase_Loch_anlegen(int, int) {}
void Hase_Mod_ini_lesen() {}

#include "world/Hasen.h"

// The rabbits come with the rabbit work.
void Hase_Tick() {}
void Hase_Loecher_loeschen() {}

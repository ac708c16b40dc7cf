#include "economy/Schiffe.h"

// The ships come with the ship work.
void Schiff_Tick() {}
void Schiff_Liste_leeren() {}

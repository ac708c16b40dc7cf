#include "population/Briefe.h"

// The letters come with the letter work.
void BrU_Zuruecksetzen() {}

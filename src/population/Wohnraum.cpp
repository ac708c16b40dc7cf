#include "population/Wohnraum.h"

// The housing register comes with the housing work.
void WRU_Zuruecksetzen() {}
void WRU_Wohnraum_eintragen(int, int) {}
void WRU_Wohnraum_von_Objekt_austragen(int) {}

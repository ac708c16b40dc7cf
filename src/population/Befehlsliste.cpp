#include "population/Befehlsliste.h"

// The order lists come with the order work.
void JU_Zuruecksetzen() {}

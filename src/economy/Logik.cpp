#include "economy/Logik.h"

// The calendar and the simulation pass come with the core state.
void Logik_Zeitschritt() {}
void Logik_Simulationsschritt() {}
void Logik_Autosave() {}

#include "population/Arbeitsamt.h"

// The employment office comes with the employment work.
void AAU_Zuruecksetzen() {}
void AAU_Stelle_eintragen(int, int) {}
void AAU_Stelle_austragen(int, int) {}
int AAU_Position_von_Objekt(int, int) { return -1; }
int AAU_Arbeitslosen_suchen(int) { return -1; }
bool AAU_Stelle_besetzen(int, int) { return false; }

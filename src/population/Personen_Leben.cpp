#include "population/Personen_Leben.h"

// The person step and the life cycle come with the population work.
void PM_Personen_Tick() {}
void PM_Person_Glueck_chance(int, int) {}
void PM_Erbe_verteilen(int) {}
void PM_Familie_austragen(int) {}
void PM_Person_entlassen(int) {}

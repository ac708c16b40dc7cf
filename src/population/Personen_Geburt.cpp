#include "population/Personen_Geburt.h"

// The initialisation of new persons comes with the founders and births work.
void PM_Person_initialisieren(int, int, int, int, bool) {}
void PM_Startbevoelkerung_anlegen(int, int) {}

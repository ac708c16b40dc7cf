#include "economy/Objekte_Betrieb.h"

// Service, housing and demolition come with the construction work.
int Hausneid = 0;

int OM_Abriss(int) { return 0; }

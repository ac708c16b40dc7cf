#include "world/Karte.h"

int MG_Kartengroesse = 256;

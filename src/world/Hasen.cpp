#include "world/Hasen.h"

int Hasen_WarenID = -1;

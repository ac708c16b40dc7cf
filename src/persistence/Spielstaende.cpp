#include "persistence/Spielstaende.h"

std::string LSU_Speichername;

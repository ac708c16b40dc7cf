#include "persistence/Spielstaende.h"

std::string LSU_Speichername;
std::string LSU_Letzter_Speichername;

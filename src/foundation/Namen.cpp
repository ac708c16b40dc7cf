#include "foundation/Namen.h"

std::vector<std::string> NGU_Clannamen;

// The name lists come with the foundation work.
void NGU_Listen_erzeugen() {}
void NGU_Listen_freigeben() {}
void NGU_Zuruecksetzen() {}
void NGU_Clanname_setzen(int, const std::string&) {}
std::string NGU_Personenname(int) { return {}; }

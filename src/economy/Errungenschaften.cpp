#include "economy/Errungenschaften.h"

// The achievements record comes with the economy work.
void ESU_Errungenschaften_laden() {}
void ESU_Gold_pruefen(int) {}
void ESU_Waren_pruefen(int) {}
void ESU_Luxus_pruefen(int) {}

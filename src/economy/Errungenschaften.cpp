#include "economy/Errungenschaften.h"

// The achievements record comes with the economy work.
void ESU_Errungenschaften_laden() {}

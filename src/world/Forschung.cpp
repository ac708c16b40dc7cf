#include "world/Forschung.h"

// The research table comes with the research work.
void FU_Forschung_loeschen() {}

#include "economy/Bauvorschau.h"

// The placement preview comes with the construction work.
void BPU_Baumodus_starten(int) {}

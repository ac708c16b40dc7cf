#include "world/Landschaft.h"

// The landscape change comes with the footpath work.
void SLB_Landschaft_Tick() {}

#include "world/Wachstum.h"

// The growth orders come with the growth work.
void WU_Wachstum_Tick() {}
void WU_Init() {}

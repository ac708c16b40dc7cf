#include "foundation/Hilfen.h"

// Needs the person rows, which come with the population work.
void FFU_Kamera_auf_Person() {}

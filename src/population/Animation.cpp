#include "population/Animation.h"

// The animation clock comes with the population work.
void AU_Animation_Frame() {}

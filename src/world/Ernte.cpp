#include "world/Ernte.h"

// The harvest orders come with the harvest work.
void ERU_Init() {}

#include "foundation/Zeichenbreiten.h"

int TPU_Zeichenbreiten_Font1[256];
int TPU_Zeichenbreiten_Font2[256];

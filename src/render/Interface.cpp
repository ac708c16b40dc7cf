#include "render/Interface.h"

// The interface drawing comes with the interface atlas.
void Draw_Interface() {}

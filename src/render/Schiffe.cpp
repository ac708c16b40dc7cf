#include "render/Schiffe.h"

// The ships come with their own drawing work.
void Draw_Schiffe() {}

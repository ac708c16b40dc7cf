#include "render/Figuren.h"

// Persons and rabbits come with their own drawing work.
void Draw_Personen(bool) {}
void Draw_Hasen() {}

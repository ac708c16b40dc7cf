#pragma once
// The ships of the world view.
void Draw_Schiffe();

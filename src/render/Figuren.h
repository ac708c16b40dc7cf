#pragma once
// Persons and rabbits of the world view.

// One pass over the persons: false the clan-tinted bodies, true the overlay and
// the carried goods.
void Draw_Personen(bool overlay);
// The rabbits outside their holes.
void Draw_Hasen();

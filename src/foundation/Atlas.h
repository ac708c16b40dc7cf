#pragma once
// The building atlas pack: the occupancy grid of the 2048 x 2048 atlas.
// Allocates the grid with every cell free (world reset).
void SBA_Atlasraster_leeren();

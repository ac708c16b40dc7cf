#pragma once
// Dressing the land: the terrain tiles of each cell's two triangles, the
// plants, trees, stones and rabbit holes scattered on the planting raster, and
// the block state that says whether persons may walk and build on a cell.
//
// Tiles 0..52: 0..4 the uniform tiles of the land classes (water, beach,
// building land, mountain, snow), then eight groups of six transition tiles by
// the lower level of the boundary: 5 (0/1), 11 (1/2), 17 (2/3), 23 (3/4, 4/5),
// 29 (5/6), 35 (6/7 .. 14/15), 41 (15/16), 47 (16/17 .. 19/20). Within a group
// +0, +1, +2 put the lower pair's third corner high, +3, +4, +5 the higher
// pair's third corner low.

inline constexpr int MG_Kachel_max = 52;

// Uniform tile of a level; another level is reported and gives 3.
int MG_LandType0_TEX(int level);
// Transition tile with the lower corner pair at level (k = 0..2); another level
// is reported and gives k + 6.
int MG_LandType1_TEX(int level, int k);
// Transition tile with the higher corner pair at level (k = -3..-1); another
// level is reported and gives k + 6.
int MG_LandType2_TEX(int level, int k);
// The tiles of the cell's triangles (c, c+1, c+N) and (c+1, c+N, c+N+1); a
// triangle with a corner outside the map gets tile 0.
void MG_Feld_Textur(int feld);
// MG_Feld_Textur for every cell in index order.
void MG_Texturen_setzen();

// The cell's column and row are both even.
bool MG_Raster_gerade(int feld);
// One draw: true with probability (d + 1) / 40.
bool MG_Dichte_wuerfeln(int d);
// The ambient object the cell gets at generation, or -1.
int MG_Ambiente_wuerfeln(int feld);
// Tiles, ambient objects, block states and rabbit holes of the whole map.
void MG_Ambiente_verteilen();
// The cell holds an ambient object whose template blocks it.
bool MG_Ambiente_blockiert(int feld);
// The cell and its six neighbours are free building land. False for a cell on
// the border of the map or outside it.
bool FFU_Umgebung_frei(int feld);
// Block 2 on water or under a blocking ambient object, else -1.
void MG_Feld_sperre_setzen(int feld);
// The map object type is that of an ambient template (not -1, not a building).
bool MG_ist_Ambiente(int typ);
// The map object type is the rabbit hole (never when no template is a hole).
bool MG_ist_Kaninchenbau(int typ);

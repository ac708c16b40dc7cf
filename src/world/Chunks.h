#pragma once
// The terrain pieces of the screen after a change of the land: the simulation
// calls this whenever a cell's level changed (footpaths, levelling, landscape
// change); the compiled pieces themselves live with the drawing.

// The level of cell c changed: the tiles of the four cells that share c's upper-left
// corner (c, c - 1, c - N, c - N - 1) are chosen again, then the drawing rebuilds the
// compiled pieces that hold them. Cells outside the map are skipped.
void Chunk_Feld_geaendert(int c);

#pragma once
// Terrain chunks: one display list per 16 x 16 cells of the map. Only chunks one
// of whose cells lies on screen are compiled; the terrain layer calls the
// lists of ML_Chunks_sichtbar (render/Modelliste.h) every frame.
//
// Chunk (cx, cy) covers cells 16cx .. 16cx + 15 and 16cy .. 16cy + 15; its number
// is cy x (chunks per row) + cx with ceil(side / 16) chunks per row, so that a
// side that is not a multiple of 16 keeps the numbers apart. Cells beyond the map
// are left out.

// Chunk lists compiled since the start (a figure for tests and benchmarks).
extern long Chunk_Kompilierungen;

// Chunks per row of the current map.
int Chunk_pro_Zeile();
// True when one of the chunk's cells lies on screen (view offset SX, SY and the client
// area, at zoom step 20).
bool Chunk_auf_Schirm(int cx, int cy);
// Compiles every on-screen chunk of the cell window (columns, then rows, in cells);
// a chunk compiled before is compiled again.
void Chunk_Sichtbare_pruefen(int x_von, int x_bis, int y_von, int y_bis);
// Compiles chunk k when it is on screen (a new one is appended to the visible list).
void Chunk_update_check(int cx, int cy, int k);
// Compiles the list of chunk k from the map.
void Chunk_Liste_kompilieren(int cx, int cy, int k);
// Deletes every compiled list; no chunk is visible afterwards.
void Chunk_Listen_loeschen();
// The visible set for a new cell window: chunks that stay visible keep their
// lists, chunks that became visible are compiled, the others deleted. The lists
// end up in the order Chunk_Sichtbare_pruefen gives them, so the picture is the
// one a full rebuild draws.
void Chunks_auffrischen(int x_von, int x_bis, int y_von, int y_bis);
// The tiles of cell c and of c - 1, c - N, c - N - 1 changed: every compiled chunk
// holding one of them is compiled again. Cells outside the map are skipped (a cell c
// outside it changes nothing).
void Chunks_Feld_neu(int c);

#pragma once
// The terrain: the two triangle emitters the chunk compiler calls for every
// cell, and the terrain layer of the scene.
#include "render/Gelaendeformen.h"

// The first (upward) triangle of a cell for tile shape `form`, between glBegin and
// glEnd, at the current translation.
void ML_Gelaende_Dreieck(int form);
// The second (downward) triangle of a cell for tile shape `form`.
void ML_Gelaende_Dreieckspaar(int form);
// The vertices of one triangle moved by (dx, dy), inside a glBegin(GL_TRIANGLES)
// the caller opened (the chunk compiler batches a whole chunk this way). With `wachsen`
// each corner also moves that many pixels away from the triangle's middle (its texture
// point stays), so that neighbouring triangles overlap instead of leaving hairline gaps.
void ML_Gelaende_Ecken_ausgeben(bool zweites, int form, float dx, float dy, float wachsen = 0);
// The terrain layer itself is in render/Gelaendebild.h.

// The base textures of Texture\aktiv: the terrain sheet, the interface pack and
// the two person packs.
#pragma once

#include "bild_leinwand.h"

// The terrain sheet (512 x 512): every tile shape of both triangle tables samples
// the land classes its corners stand for.
Leinwand landschaft_bild();
// The 315 interface models at their rectangles (1024 x 1024, magenta transparent).
Leinwand interfacepack_bild();
// The person frames (1024 x 1024 each): `koerper` holds the clan-tinted clothes in
// white and grey, `ueberzug` everything else (skin, hair, shoes, tools, rabbits).
// A pixel is opaque in at most one of the two.
void personenpacks_zeichnen(Leinwand& koerper, Leinwand& ueberzug);

// Deterministic noise in 0..1 for a point and a seed.
double rauschen(int x, int y, unsigned saat);
// Smooth noise in 0..1 over a lattice of `raster` pixels.
double glattes_rauschen(double x, double y, int raster, unsigned saat);

// The base textures of Texture\aktiv: the terrain sheet, the interface pack and
// the two person packs.
#pragma once

#include "bild_schmuck.h"

// The terrain sheet (512 x 512): every tile shape of both triangle tables samples
// the land classes its corners stand for.
Leinwand landschaft_bild();
// The 315 interface models at their rectangles (1024 x 1024, magenta transparent).
Leinwand interfacepack_bild();
// The person frames (1024 x 1024 each): `koerper` holds the clan-tinted clothes in
// white and grey, `ueberzug` everything else (skin, hair, shoes, tools, rabbits).
// A pixel is opaque in at most one of the two.
void personenpacks_zeichnen(Leinwand& koerper, Leinwand& ueberzug);

#pragma once
// Bitmap fonts for the OpenGL overlay.
//
// fontconfig finds the face by name ("Times new Roman" answers with Liberation
// Serif, which has the same metrics); FreeType rasterises every Windows-1252
// code 0..255 at the given cell height as a 1-bit glyph, compiled into one
// display list per code that draws it with glBitmap and moves the raster
// position by the glyph's integer advance. The same advances fill the width
// table, so measuring and drawing agree exactly.
#include <string>

namespace plattform {

// Builds 256 display lists from `listenbasis` on (needs a current GL context)
// and fills breiten[0..255]. False with a message when the face cannot be had.
bool Schrift_bauen(const std::string& name, int zellenhoehe, unsigned listenbasis, int breiten[256],
                   std::string& fehler);

}  // namespace plattform

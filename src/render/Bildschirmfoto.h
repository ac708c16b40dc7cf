#pragma once
// The pixels of the frame drawn so far, read back from GL.
#include "foundation/Bild.h"

// The current read buffer's lower-left b x h pixels as an RGB image, top row first
// (GL hands the bottom row first).
Bild Bildschirmfoto(int breite, int hoehe);

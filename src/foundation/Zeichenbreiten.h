#pragma once
// Pixel advance of each Windows-1252 code in the two interface fonts, filled
// when the fonts are built; the word wrap measures with them.
extern int TPU_Zeichenbreiten_Font1[256];
extern int TPU_Zeichenbreiten_Font2[256];

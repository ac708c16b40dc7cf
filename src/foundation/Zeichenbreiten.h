#pragma once
// Pixel advance of each Windows-1252 code in the two interface fonts, filled
// when the fonts are built; the word wrap measures with them.
#include <string_view>

extern int TPU_Zeichenbreiten_Font1[256];
extern int TPU_Zeichenbreiten_Font2[256];

// Width of a text in the first font: the sum of its characters' advances.
int TPU_Textbreite_Font1(std::string_view text);
// Width of a text in the second font: the sum of its characters' advances.
int TPU_Textbreite_Font2(std::string_view text);

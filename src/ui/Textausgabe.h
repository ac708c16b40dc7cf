#pragma once
// On-screen text: the overlay projection, printing with the two bitmap fonts,
// measuring, and the loading-status lines that long work fills while it
// redraws the screen.
//
// Positions are overlay pixels: origin at the top left of the client area, y
// down; (X, Y) is the start of the text's base line. Text is Windows-1252: each
// byte calls the font's display list of that code.
#include <array>
#include <string>

// The loading-status lines: 15 the newest, 0 the oldest still shown.
extern std::array<std::string, 16> TPU_Ladestatus_Zeilen;

// Depth test off, orthographic projection of the client area (origin top left, y down),
// identity model-view. Nothing is pushed.
void TPU_2D_Modus();

// Print with font 1 (respectively 2); the raster x after the last character.
int TPU_Print_Font1(int X, int Y, const std::string& Text);
int TPU_Print_Font2(int X, int Y, const std::string& Text);
// The same without a result; an empty text makes no GL call.
void TPU_Print(int X, int Y, const std::string& Text);
void TPU_Print2(int X, int Y, const std::string& Text);
// Font 1, centred on X.
void TPU_Print_zentriert(int X, int Y, const std::string& Text);

void TPU_Ladestatus_leeren();
// Scrolls the lines up by one, appends Zeile and draws one interface frame at once.
void TPU_Ladestatus_add(const std::string& Zeile);

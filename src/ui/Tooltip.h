#pragma once
// The tooltip of the frame: the request the mouse dispatcher left in
// Mouseoverfunktion_Nummer / Mouseoverfunktion_Wert, drawn near the mouse as a
// background and black text. A step of the text overlay, run after its outline
// passes.

// Draws the requested tooltip; nothing while the number is 0.
void TPU_Tooltip();
// The width of the tooltip tile (interface model 28).
inline constexpr int TPU_Kachelbreite = 274;
// The width the tile background of tooltip N is drawn with: the tile's own, or wider where a
// line of a fixed help text would run past it (the tile is stretched, 10 pixels to spare).
int TPU_Tooltip_Kachelbreite(int N);
// The anchor of a tooltip for the mouse at (x, y) in a window of the given
// outer size: at least (90, 20), at most 200 from the right edge, and moved
// 150 up within 150 of the bottom.
void TPU_Tooltip_Anker(int x, int y, int breite, int hoehe, int& X, int& Y);
// The anchor of the tooltip of a highlighted cell while a building is being placed: it does
// not follow the mouse, where it would cover the cells the player is choosing between, but
// stands in the middle above the bottom bar, or below the placement hint at the top while the
// mouse is near that place.
void TPU_Tooltip_Anker_Bauplatz(int x, int y, int breite, int hoehe, int& X, int& Y);

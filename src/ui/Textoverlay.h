#pragma once
// The text of a frame that is not part of the scene: the debug page, the texts
// of the script panels, the texts of the open in-game windows in five outline
// passes (four light grey shifted by one pixel, then black), the fixed texts of
// a few dialogs, the minimap caption, the error line and, last, the tooltip.
// It only reads the window flags; it never opens or closes a window.

// Draws every text of the frame; the main window calls it once per frame after
// the scene and before the buffers swap.
void Showtext();

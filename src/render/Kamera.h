#pragma once
// The camera: the pixel scroll offset (SX, SY) of the world view, changed by a
// mouse drag, by centring on a cell and by a click into the minimap.

// A mouse move in client pixels: while Kamera_ziehen is set the view follows the
// mouse (each axis inverted by its setting); the position is always remembered.
void Kamera_Mausbewegung(int x, int y);
// Centres the view on cell (x, y) at the current zoom, ends a drag and asks for two
// refreshing frames. The cell's land level is not taken into account.
void Kamera_zentrieren(int x, int y);
// A click into the minimap: mx is the picture column (0..255) and my half the
// height from the top of the minimap parallelogram (0..128), as the minimap action
// passes them. The cell under that point is centred (clamped to the map).
void Kamera_Minimapklick(int mx, int my);
// The cell column and row of a minimap position, clamped to a map of side n.
void Kamera_Minimapfeld(int mx, int my, int n, int& x, int& y);

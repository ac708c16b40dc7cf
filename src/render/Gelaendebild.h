#pragma once
// The terrain picture kept between frames. Drawing the terrain (every visible cell's
// two triangles, sampled from the mipmapped landscape) is most of a frame's work for
// the software rasteriser, yet it only changes when the view or a terrain chunk does.
//
// The terrain layer is drawn last, behind everything, where nothing else stands. So
// once the view has stood still for a frame, the layer is drawn alone into a picture
// of the client size (the same matrices, viewport, texture and chunk lists, so the same
// pixels), and each later frame lays that picture in wherever nothing else was drawn.
// Anything that would change the layer's pixels (view, zoom, client size, a compiled
// chunk, the visible chunks, the texture, the matrices, the current colour) makes the
// frame draw the layer itself again.

// Whether the picture is kept (true in the game; false always draws the layer).
extern bool GB_Merken;
// Frames that laid in the kept picture, and pictures made (figures for tests and benchmarks).
extern long GB_Eingesetzt, GB_Erstellt;

// The terrain layer of the scene: binds the landscape texture and calls every
// visible chunk list, or lays in the kept picture of it.
void Draw_Gelaende();
// Releases the picture's texture and frame buffer (with the context's other objects).
void GB_Freigeben();

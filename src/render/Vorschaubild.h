#pragma once
// The placement markers kept as a picture between frames. A new game shows thousands of
// overlapping markers, each an alpha-tested sprite, and the software rasteriser pays for
// every fragment of every one, although they only change when the view, the building
// kind or the recomputed preview does.
//
// The markers come after everything else on the building pack. At each pixel the
// nearest marker that reaches it with an opaque texel (the first of equally near ones)
// is the only one that can show: it shows when it beats the depth already there, and
// every other marker fails against it or against what beat it. Drawn alone into a
// cleared picture (the same matrices, viewport, texture and colours, so the same pixels
// and depths), the layer becomes one picture of colours and depths; laid in through the
// same alpha and depth tests, each pixel carrying its depth, it gives the frame the
// plain way's pixels and depths.
// Once the marker set has stood for a frame, the picture is made; any change to a
// marker, a colour, the model, the texture, the matrices or the viewport draws the
// markers themselves again.
#include <vector>

#include "render/Spritestapel.h"

// Whether the picture is kept (true in the game; false always draws the markers).
extern bool VB_Merken;
// Frames that laid in the kept picture, and pictures made (figures for tests and benchmarks).
extern long VB_Eingesetzt, VB_Erstellt;

// One marker: its move (before the depth of the layer) and its colour.
struct VB_Marke {
    float x = 0, y = 0, r = 1, g = 1, b = 1;
    bool operator==(const VB_Marke&) const = default;
};

// The markers at depth z, each drawing quad k of the building pack's lists, in this
// order. Draws them (in the open batch, if there is one) or lays in their kept picture;
// the modelview ends as the markers' moves leave it.
void VB_Zeichnen(const std::vector<VB_Marke>& marken, float z, int k);
// Releases the picture's texture and frame buffer (with the context's other objects).
void VB_Freigeben();

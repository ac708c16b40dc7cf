#pragma once
// Where a sprite lies in its texture: the person frames of the two person
// packs and the interface models of the interface pack. Both textures are read
// as 64 x 64 cells of 16 pixels. Neither routine touches OpenGL.

// A sprite's rectangle in cells (right and bottom exclusive) and its offsets in
// pixels (for interface models added to the drawn width and height).
struct ML_Rechteck {
    int Versatz_X = 0, Versatz_Y = 0;
    int Links = 0, Rechts = 0;
    int Oben = 0, Unten = 0;
    bool operator==(const ML_Rechteck&) const = default;
};

inline constexpr int ML_Personenframe_Anzahl = 1800;
inline constexpr int ML_Interfacemodell_Anzahl = 315;

// The rectangle the list builders read.
extern ML_Rechteck ML_Zellrechteck;

// Person frame n: 60 frames per row of cells, one cell wide and two high. Any
// number outside 0..1799 gives frame 0.
void ML_Personenframe_Rechteck(int n);
// Interface model m (0..314) from the model table. A number outside the table is
// reported and gives the whole texture. Repeating models keep the rectangle of
// the model before them, as the list builder walks them in order; asked on its
// own, such a model gives that same rectangle.
void ML_Interfacemodell_Rechteck(int m);

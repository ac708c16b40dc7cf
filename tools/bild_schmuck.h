// The ornaments shared by the interface pictures of both generators: parchment
// panels in wooden frames, bevelled buttons, symbol tiles, check boxes, slider
// knobs and coins, all in one palette, and the deterministic noise they use.
#pragma once

#include "bild_leinwand.h"

struct Rechteck {
    int x, y, b, h;  // pixels
};

inline constexpr Farbe kPergament = rgb(232, 218, 184);
inline constexpr Farbe kPergamentDunkel = rgb(204, 186, 146);
inline constexpr Farbe kRahmen = rgb(104, 70, 40);
inline constexpr Farbe kRahmenHell = rgb(164, 118, 70);
inline constexpr Farbe kKnopf = rgb(150, 112, 70);

// Deterministic noise in 0..1 for a point and a seed.
double rauschen(int x, int y, unsigned saat);
// Smooth noise in 0..1 over a lattice of `raster` pixels.
double glattes_rauschen(double x, double y, int raster, unsigned saat);

// A parchment panel in a wooden frame (windows, bars, the tooltip frame).
void tafel(Leinwand& l, Rechteck r);
// A bevelled button; `hell` for the highlighted state.
void knopf(Leinwand& l, Rechteck r, bool hell);
// A symbol drawn in the middle of a rectangle; `art` picks one of several shapes.
void symbol(Leinwand& l, Rechteck r, int art, Farbe f);
// A square symbol tile with a frame.
void kachel(Leinwand& l, Rechteck r, int art);
// A check box, ticked or not.
void kaestchen(Leinwand& l, Rechteck r, bool haken);
// A slider knob: a round metal knob filling the cell.
void regler(Leinwand& l, Rechteck r);
// A gold coin with an emblem (achievements); `matt` for the not yet reached state.
void muenze(Leinwand& l, Rechteck r, int art, bool matt);

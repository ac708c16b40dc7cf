// Pixel canvas of the content generator: simple shapes in a fixed palette on a
// magenta (transparent) background.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

struct Farbe {
    uint8_t r = 255, g = 0, b = 255;
    bool operator==(const Farbe& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Farbe& o) const { return !(*this == o); }
};

constexpr Farbe rgb(int r, int g, int b) {
    return Farbe{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

// Transparent colour and the three marker colours that only markers may use.
inline constexpr Farbe TRANSPARENT = rgb(255, 0, 255);
inline constexpr Farbe MARKER_ROT = rgb(255, 0, 0);
inline constexpr Farbe MARKER_GRUEN = rgb(0, 255, 0);
inline constexpr Farbe MARKER_BLAU = rgb(0, 0, 255);

// Lighter (faktor > 1) or darker (faktor < 1) shade; never yields a marker colour.
Farbe schattieren(Farbe f, double faktor);
// Mixes two colours (anteil of b in 0..1).
Farbe mischen(Farbe a, Farbe b, double anteil);

class Leinwand {
public:
    Leinwand(int breite, int hoehe, Farbe grund = TRANSPARENT);

    int breite() const { return w_; }
    int hoehe() const { return h_; }
    Farbe lesen(int x, int y) const;

    // Ordinary drawing; marker colours are shifted by one step so that only
    // marker() can place them.
    void punkt(int x, int y, Farbe f);
    void rechteck(int x, int y, int b, int h, Farbe f);
    void rahmen(int x, int y, int b, int h, Farbe f);
    void linie(int x0, int y0, int x1, int y1, Farbe f);
    void ellipse(int cx, int cy, int rx, int ry, Farbe f);
    void kreis(int cx, int cy, int r, Farbe f) { ellipse(cx, cy, r, r, f); }
    void vieleck(const std::vector<std::pair<int, int>>& ecken, Farbe f);
    // Copies every non-transparent pixel of q with its top-left at (x, y).
    void einsetzen(const Leinwand& q, int x, int y);
    // Same, scaled to b x h by taking the nearest pixel.
    void einsetzen_skaliert(const Leinwand& q, int x, int y, int b, int h);
    Leinwand gespiegelt() const;

    // Places an exact marker pixel (red anchor, green flag, blue points).
    void marker(int x, int y, Farbe f);

    std::vector<uint8_t> rgb_daten() const;

private:
    int w_, h_;
    std::vector<Farbe> px_;
};

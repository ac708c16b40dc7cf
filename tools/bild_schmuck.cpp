#include "bild_schmuck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "bild_motive.h"

namespace {

std::uint32_t mischen32(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

}  // namespace

double rauschen(int x, int y, unsigned saat) {
    const std::uint32_t h = mischen32(static_cast<std::uint32_t>(x) * 0x9E3779B1U ^
                                      mischen32(static_cast<std::uint32_t>(y) + saat * 0x85EBCA77U));
    return static_cast<double>(h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

double glattes_rauschen(double x, double y, int raster, unsigned saat) {
    const double gx = x / raster, gy = y / raster;
    const int x0 = static_cast<int>(std::floor(gx)), y0 = static_cast<int>(std::floor(gy));
    const double fx = gx - x0, fy = gy - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = rauschen(x0, y0, saat), b = rauschen(x0 + 1, y0, saat);
    const double c = rauschen(x0, y0 + 1, saat), d = rauschen(x0 + 1, y0 + 1, saat);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// A parchment panel in a wooden frame (windows, bars, the tooltip frame).
void tafel(Leinwand& l, Rechteck r) {
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.b; ++x) {
            const double g = glattes_rauschen(x, y, 24, 31);
            l.punkt(x, y, mischen(kPergament, kPergamentDunkel, 0.25 + 0.5 * g));
        }
    for (int i = 0; i < 5; ++i)
        l.rahmen(r.x + i, r.y + i, r.b - 2 * i, r.h - 2 * i, i < 2 ? kRahmen : kRahmenHell);
    l.rahmen(r.x + 5, r.y + 5, r.b - 10, r.h - 10, schattieren(kPergamentDunkel, 0.85));
    // Corner studs.
    for (auto [x, y] : {std::pair{r.x + 2, r.y + 2},
                        {r.x + r.b - 3, r.y + 2},
                        {r.x + 2, r.y + r.h - 3},
                        {r.x + r.b - 3, r.y + r.h - 3}})
        l.kreis(x, y, 2, pal::gold);
}

// A bevelled button; `hell` for the highlighted state.
void knopf(Leinwand& l, Rechteck r, bool hell) {
    const Farbe grund = hell ? schattieren(kKnopf, 1.25) : kKnopf;
    l.rechteck(r.x, r.y, r.b, r.h, grund);
    l.rahmen(r.x, r.y, r.b, r.h, pal::umriss);
    l.linie(r.x + 1, r.y + 1, r.x + r.b - 2, r.y + 1, schattieren(grund, 1.3));
    l.linie(r.x + 1, r.y + 1, r.x + 1, r.y + r.h - 2, schattieren(grund, 1.3));
    l.linie(r.x + 1, r.y + r.h - 2, r.x + r.b - 2, r.y + r.h - 2, schattieren(grund, 0.7));
    l.linie(r.x + r.b - 2, r.y + 1, r.x + r.b - 2, r.y + r.h - 2, schattieren(grund, 0.7));
}

// A symbol drawn in the middle of a rectangle; `art` picks one of several shapes.
void symbol(Leinwand& l, Rechteck r, int art, Farbe f) {
    const int cx = r.x + r.b / 2, cy = r.y + r.h / 2, s = std::max(3, std::min(r.b, r.h) / 3);
    switch (art % 8) {
        case 0:
            l.kreis(cx, cy, s, f);
            break;
        case 1:
            l.vieleck({{cx, cy - s}, {cx + s, cy + s}, {cx - s, cy + s}}, f);
            break;
        case 2:
            l.rechteck(cx - s, cy - s, 2 * s, 2 * s, f);
            break;
        case 3:
            l.vieleck({{cx - s, cy - s / 2},
                       {cx + s / 2, cy - s / 2},
                       {cx + s / 2, cy - s},
                       {cx + s, cy},
                       {cx + s / 2, cy + s},
                       {cx + s / 2, cy + s / 2},
                       {cx - s, cy + s / 2}},
                      f);
            break;
        case 4:
            l.vieleck({{cx, cy - s}, {cx + s, cy}, {cx, cy + s}, {cx - s, cy}}, f);
            break;
        case 5:  // a house
            l.vieleck({{cx - s, cy}, {cx, cy - s}, {cx + s, cy}}, f);
            l.rechteck(cx - s * 2 / 3, cy, s * 4 / 3, s, f);
            break;
        case 6:  // a cross
            l.rechteck(cx - s, cy - s / 3, 2 * s, std::max(2, 2 * s / 3), f);
            l.rechteck(cx - s / 3, cy - s, std::max(2, 2 * s / 3), 2 * s, f);
            break;
        default:  // a star
            for (int i = 0; i < 5; ++i) {
                const double w = -1.5708 + i * 2.51327;
                l.linie(cx, cy, cx + static_cast<int>(std::lround(std::cos(w) * s)),
                        cy + static_cast<int>(std::lround(std::sin(w) * s)), f);
            }
            l.kreis(cx, cy, std::max(1, s / 3), f);
            break;
    }
}

// A square symbol tile with a frame.
void kachel(Leinwand& l, Rechteck r, int art) {
    l.rechteck(r.x + 1, r.y + 1, r.b - 2, r.h - 2, kPergament);
    l.rahmen(r.x + 1, r.y + 1, r.b - 2, r.h - 2, kRahmen);
    l.rahmen(r.x + 2, r.y + 2, r.b - 4, r.h - 4, kRahmenHell);
    static constexpr std::array<Farbe, 6> farben = {pal::rot,         pal::blau,    pal::gras_dunkel,
                                                    pal::holz_dunkel, pal::violett, pal::schiefer};
    symbol(l, {r.x + 3, r.y + 3, r.b - 6, r.h - 6}, art,
           farben[static_cast<std::size_t>(art) % farben.size()]);
}

// A check box, ticked or not.
void kaestchen(Leinwand& l, Rechteck r, bool haken) {
    l.rechteck(r.x + 3, r.y + 3, r.b - 6, r.h - 6, rgb(250, 244, 226));
    l.rahmen(r.x + 3, r.y + 3, r.b - 6, r.h - 6, pal::umriss);
    l.rahmen(r.x + 4, r.y + 4, r.b - 8, r.h - 8, kRahmenHell);
    if (haken) {
        l.linie(r.x + 8, r.y + r.h / 2, r.x + r.b / 2 - 1, r.y + r.h - 9, pal::gras_dunkel);
        l.linie(r.x + 8, r.y + r.h / 2 + 1, r.x + r.b / 2 - 1, r.y + r.h - 8, pal::gras_dunkel);
        l.linie(r.x + r.b / 2 - 1, r.y + r.h - 9, r.x + r.b - 8, r.y + 7, pal::gras_dunkel);
        l.linie(r.x + r.b / 2 - 1, r.y + r.h - 8, r.x + r.b - 8, r.y + 8, pal::gras_dunkel);
    }
}

// A slider knob: a round metal knob filling the cell.
void regler(Leinwand& l, Rechteck r) {
    const int cx = r.x + r.b / 2, cy = r.y + r.h / 2, rad = std::min(r.b, r.h) / 2 - 1;
    l.kreis(cx, cy, rad, pal::umriss);
    l.kreis(cx, cy, rad - 1, pal::eisen);
    l.kreis(cx - 1, cy - 1, rad / 2, pal::eisen_hell);
}

// A gold coin with an emblem (achievements); `matt` for the not yet reached state.
void muenze(Leinwand& l, Rechteck r, int art, bool matt) {
    const int cx = r.x + r.b / 2, cy = r.y + r.h / 2, rad = std::min(r.b, r.h) / 2 - 2;
    const Farbe g = matt ? pal::stein : pal::gold, gh = matt ? pal::stein_hell : pal::gold_hell;
    l.kreis(cx, cy, rad, schattieren(g, 0.6));
    l.kreis(cx, cy, rad - 2, g);
    l.kreis(cx - rad / 4, cy - rad / 4, rad / 2, gh);
    symbol(l, {cx - rad / 2, cy - rad / 2, rad, rad}, art, schattieren(g, 0.5));
}

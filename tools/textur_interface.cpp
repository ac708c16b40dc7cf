// The interface pack: every interface model's rectangle of the 64 x 64 grid of
// 16-pixel cells gets a picture fitting its size: framed panels for the wide
// strips (window frames, the tooltip frame), bevelled buttons, check boxes,
// slider knobs, symbol tiles and gold coins.
#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "bild_motive.h"
#include "render/Spriterechtecke.h"
#include "textur_motive.h"

namespace {

constexpr Farbe kPergament = rgb(232, 218, 184);
constexpr Farbe kPergamentDunkel = rgb(204, 186, 146);
constexpr Farbe kRahmen = rgb(104, 70, 40);
constexpr Farbe kRahmenHell = rgb(164, 118, 70);
constexpr Farbe kKnopf = rgb(150, 112, 70);

struct Rechteck {
    int x, y, b, h;  // pixels
};

Rechteck pixel(const ML_Rechteck& r) {
    return {16 * r.Links, 16 * r.Oben, 16 * (r.Rechts - r.Links), 16 * (r.Unten - r.Oben)};
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

}  // namespace

Leinwand interfacepack_bild() {
    Leinwand l(1024, 1024);
    // The panels many models cut their pieces from.
    for (const Rechteck& r :
         {Rechteck{160, 32, 416, 96}, Rechteck{160, 192, 416, 64}, Rechteck{704, 64, 320, 64},
          Rechteck{704, 128, 320, 64}, Rechteck{704, 896, 320, 64}})
        tafel(l, r);
    std::set<std::array<int, 4>> gezeichnet;
    auto im_panel = [](const Rechteck& r) {
        for (const Rechteck& p : {Rechteck{160, 32, 416, 96}, Rechteck{160, 192, 416, 64},
                                  Rechteck{704, 64, 320, 128}, Rechteck{704, 896, 320, 64}})
            if (r.x >= p.x && r.y >= p.y && r.x + r.b <= p.x + p.b && r.y + r.h <= p.y + p.h) return true;
        return false;
    };
    // Larger models first, so that the small ones drawn over them stay whole.
    std::vector<int> reihe;
    for (int m = 1; m < ML_Interfacemodell_Anzahl; ++m) reihe.push_back(m);
    std::stable_sort(reihe.begin(), reihe.end(), [](int a, int b) {
        ML_Interfacemodell_Rechteck(a);
        const Rechteck ra = pixel(ML_Zellrechteck);
        ML_Interfacemodell_Rechteck(b);
        const Rechteck rb = pixel(ML_Zellrechteck);
        return ra.b * ra.h > rb.b * rb.h;
    });
    for (int m : reihe) {
        ML_Interfacemodell_Rechteck(m);
        const Rechteck r = pixel(ML_Zellrechteck);
        if (!gezeichnet.insert({r.x, r.y, r.b, r.h}).second || im_panel(r)) continue;
        const int bz = r.b / 16, hz = r.h / 16;
        if (m >= 246 && m <= 261) {
            muenze(l, r, m - 246, false);
        } else if (m >= 309 && m <= 313) {
            muenze(l, r, m - 309 + 3, true);
        } else if (bz == 1 && hz == 1) {
            regler(l, r);
        } else if (bz == 2 && hz == 2) {
            if (m >= 35 && m <= 38)
                kaestchen(l, r, m == 36 || m == 38);
            else if (m >= 282 && m <= 291)
                kaestchen(l, r, m % 2 == 1);
            else
                kachel(l, r, m);
        } else if (bz > hz) {
            knopf(l, r, (m % 2) == 0);
            if (bz <= 6) symbol(l, {r.x + r.b / 2 - 8, r.y + r.h / 2 - 8, 16, 16}, m, pal::umriss);
        } else {
            kachel(l, r, m);
        }
    }
    // Model 0: one plain white cell for coloured rectangles.
    l.rechteck(0, 0, 16, 16, rgb(250, 250, 250));
    return l;
}

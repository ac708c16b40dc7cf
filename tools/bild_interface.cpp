// The interface images: windows and bars (parchment in wooden frames), buttons,
// check boxes, slider parts, level steps, the main bar's buttons in two states,
// achievement coins, window icons (trends, warnings, worker slots, lamps, map
// types, research colours), the ranking frames, the message-stream icons and the
// title picture, then the panels' full-size frames, light buttons, tabs, bar
// symbols, banners and 64-pixel message plates. Pictograms are drawn on a
// 32-pixel grid.
#include "bild_interface.h"

#include <cmath>
#include <functional>

#include "bild_motive.h"
#include "bild_schmuck.h"

namespace {

constexpr Farbe kDunkel = pal::umriss;
constexpr Farbe kAn = pal::gold_hell;

// Adds one image drawn by `malen` on a canvas of b x h.
struct Liste {
    std::vector<Interfacebild> bilder;
    void neu(const std::string& titel, int b, int h, const std::function<void(Leinwand&)>& malen) {
        Leinwand l(b, h);
        malen(l);
        bilder.push_back({titel, std::move(l)});
    }
};

// --- Pictograms on a 32 x 32 field at (ox, oy) ---------------------------------

void haus(Leinwand& l, int ox, int oy, Farbe f) {
    l.vieleck({{ox + 6, oy + 16}, {ox + 16, oy + 6}, {ox + 26, oy + 16}}, f);
    l.rechteck(ox + 9, oy + 16, 14, 10, f);
    l.rechteck(ox + 14, oy + 19, 4, 7, pal::holz_dunkel);
}

void hammer(Leinwand& l, int ox, int oy, Farbe f) {
    for (int d = 0; d < 3; ++d) l.linie(ox + 9 + d, oy + 25, ox + 20 + d, oy + 12, pal::holz);
    l.vieleck({{ox + 14, oy + 9}, {ox + 21, oy + 5}, {ox + 27, oy + 13}, {ox + 21, oy + 17}}, f);
}

void pfeil(Leinwand& l, int ox, int oy, int richtung, Farbe f) {
    // richtung: 0 left, 1 right, 2 up, 3 down
    std::vector<std::pair<int, int>> p = {{8, 16}, {17, 7}, {17, 12}, {25, 12}, {25, 20}, {17, 20}, {17, 25}};
    for (auto& [x, y] : p) {
        if (richtung == 1) x = 32 - x;
        if (richtung >= 2) std::swap(x, y);
        if (richtung == 3) y = 32 - y;
        x += ox;
        y += oy;
    }
    l.vieleck(p, f);
}

void person(Leinwand& l, int ox, int oy, Farbe kleid, bool rock) {
    l.kreis(ox + 16, oy + 9, 4, pal::fleisch);
    if (rock)
        l.vieleck({{ox + 12, oy + 14}, {ox + 20, oy + 14}, {ox + 24, oy + 27}, {ox + 8, oy + 27}}, kleid);
    else
        l.rechteck(ox + 11, oy + 14, 10, 13, kleid);
    l.rahmen(ox + 11, oy + 14, 10, 2, schattieren(kleid, 0.6));
}

// A piece of the top bar: a board from x over b pixels (its edges may lie outside the piece),
// whose parchment repeats every 640 pixels, so that pieces laid side by side join without a seam.
void leistenstueck(Leinwand& l, int x, int b) {
    tafel(l, {x, 0, b, l.hoehe()});
    for (int y = 6; y < l.hoehe() - 6; ++y)
        for (int i = std::max(x + 6, 0); i < std::min(x + b - 6, l.breite()); ++i) {
            const double t = (i % 640) / 640.0;
            const double g = (1 - t) * glattes_rauschen(i % 640, y, 24, 31) +
                             t * glattes_rauschen(i % 640 - 640, y, 24, 31);
            l.punkt(i, y, mischen(kPergament, kPergamentDunkel, 0.25 + 0.5 * g));
        }
}

}  // namespace

bool piktogramm(Leinwand& l, int ox, int oy, const std::string& art, Farbe f) {
    if (art == "karte") {
        l.rechteck(ox + 6, oy + 7, 20, 18, pal::wasser);
        l.ellipse(ox + 14, oy + 15, 6, 5, pal::gras);
        l.ellipse(ox + 21, oy + 20, 3, 2, pal::sand);
        l.rahmen(ox + 6, oy + 7, 20, 18, f);
    } else if (art == "bau") {
        hammer(l, ox, oy, f);
    } else if (art == "statistik") {
        l.rechteck(ox + 7, oy + 18, 4, 8, f);
        l.rechteck(ox + 14, oy + 12, 4, 14, f);
        l.rechteck(ox + 21, oy + 7, 4, 19, f);
        l.linie(ox + 5, oy + 26, ox + 27, oy + 26, f);
    } else if (art == "forschung") {
        l.rechteck(ox + 13, oy + 6, 6, 8, pal::glas);
        l.vieleck({{ox + 13, oy + 13}, {ox + 19, oy + 13}, {ox + 25, oy + 26}, {ox + 7, oy + 26}}, pal::glas);
        l.vieleck({{ox + 10, oy + 20}, {ox + 22, oy + 20}, {ox + 25, oy + 26}, {ox + 7, oy + 26}},
                  pal::violett);
        l.linie(ox + 12, oy + 6, ox + 20, oy + 6, f);
    } else if (art == "lupe") {
        l.kreis(ox + 13, oy + 13, 7, f);
        l.kreis(ox + 13, oy + 13, 5, pal::glas_hell);
        for (int d = 0; d < 3; ++d) l.linie(ox + 18 + d, oy + 18, ox + 25 + d, oy + 25, f);
    } else if (art == "brief") {
        l.rechteck(ox + 6, oy + 9, 20, 14, pal::leinen);
        l.rahmen(ox + 6, oy + 9, 20, 14, f);
        l.linie(ox + 6, oy + 9, ox + 16, oy + 17, f);
        l.linie(ox + 26, oy + 9, ox + 16, oy + 17, f);
        l.kreis(ox + 16, oy + 18, 2, pal::rot);
    } else if (art == "pause") {
        l.rechteck(ox + 10, oy + 8, 4, 16, f);
        l.rechteck(ox + 18, oy + 8, 4, 16, f);
    } else if (art.rfind("tempo", 0) == 0) {
        // tempo05: one small triangle, then one, two, three, four.
        const int n = art == "tempo05"  ? 1
                      : art == "tempo1" ? 1
                      : art == "tempo2" ? 2
                      : art == "tempo4" ? 3
                                        : 4;
        const int h = art == "tempo05" ? 5 : 8, breite = 24 / n;
        for (int i = 0; i < n; ++i) {
            const int x = ox + 4 + i * breite + (breite - std::min(breite, 10)) / 2;
            l.vieleck({{x, oy + 16 - h}, {x + std::min(breite, 10), oy + 16}, {x, oy + 16 + h}}, f);
        }
    } else if (art == "menue") {
        for (int i = 0; i < 3; ++i) l.rechteck(ox + 8, oy + 9 + 6 * i, 16, 3, f);
    } else if (art == "plus") {
        l.rechteck(ox + 8, oy + 14, 16, 4, f);
        l.rechteck(ox + 14, oy + 8, 4, 16, f);
    } else if (art == "minus") {
        l.rechteck(ox + 8, oy + 14, 16, 4, f);
    } else if (art == "kreuz") {
        for (int d = -1; d <= 1; ++d) {
            l.linie(ox + 9 + d, oy + 9, ox + 23 + d, oy + 23, f);
            l.linie(ox + 23 + d, oy + 9, ox + 9 + d, oy + 23, f);
        }
    } else if (art == "links" || art == "rechts" || art == "hoch" || art == "runter") {
        pfeil(l, ox, oy, art == "links" ? 0 : art == "rechts" ? 1 : art == "hoch" ? 2 : 3, f);
    } else if (art == "haus") {
        haus(l, ox, oy, f);
    } else if (art == "mann" || art == "frau") {
        person(l, ox, oy, art == "mann" ? pal::blau : pal::beere, art == "frau");
    } else if (art == "uhr") {
        l.kreis(ox + 16, oy + 16, 10, f);
        l.kreis(ox + 16, oy + 16, 8, pal::weiss);
        l.linie(ox + 16, oy + 16, ox + 16, oy + 10, f);
        l.linie(ox + 16, oy + 16, ox + 21, oy + 16, f);
    } else if (art == "schloss") {
        l.rechteck(ox + 9, oy + 15, 14, 11, pal::eisen);
        l.ellipse(ox + 16, oy + 14, 5, 6, f);
        l.ellipse(ox + 16, oy + 14, 3, 4, pal::leinen);
        l.rechteck(ox + 9, oy + 15, 14, 11, pal::eisen);
        l.rechteck(ox + 15, oy + 18, 2, 5, f);
    } else if (art == "baum") {
        l.rechteck(ox + 14, oy + 18, 4, 9, pal::rinde);
        l.kreis(ox + 16, oy + 13, 8, pal::laub);
    } else if (art == "berg") {
        l.vieleck({{ox + 4, oy + 26}, {ox + 14, oy + 8}, {ox + 22, oy + 18}, {ox + 28, oy + 26}}, pal::stein);
        l.vieleck({{ox + 11, oy + 13}, {ox + 14, oy + 8}, {ox + 17, oy + 13}}, pal::weiss);
    } else if (art == "fisch") {
        l.ellipse(ox + 14, oy + 16, 9, 5, pal::wasser);
        l.vieleck({{ox + 22, oy + 16}, {ox + 28, oy + 10}, {ox + 28, oy + 22}}, pal::wasser);
        l.punkt(ox + 9, oy + 15, f);
    } else if (art == "stein") {
        l.ellipse(ox + 16, oy + 19, 10, 7, pal::stein);
        l.ellipse(ox + 13, oy + 17, 4, 3, pal::stein_hell);
    } else if (art == "schiff") {
        l.vieleck({{ox + 5, oy + 20}, {ox + 27, oy + 20}, {ox + 23, oy + 26}, {ox + 9, oy + 26}}, pal::holz);
        l.rechteck(ox + 15, oy + 6, 2, 14, pal::holz_dunkel);
        l.vieleck({{ox + 17, oy + 7}, {ox + 26, oy + 17}, {ox + 17, oy + 17}}, pal::leinen);
    } else if (art == "hase") {
        l.ellipse(ox + 16, oy + 20, 8, 6, pal::stein_hell);
        l.ellipse(ox + 12, oy + 10, 2, 6, pal::stein_hell);
        l.ellipse(ox + 18, oy + 10, 2, 6, pal::stein_hell);
        l.punkt(ox + 13, oy + 18, f);
    } else if (art == "grab") {
        l.ellipse(ox + 16, oy + 25, 11, 3, pal::erde);
        l.rechteck(ox + 15, oy + 6, 3, 18, f);
        l.rechteck(ox + 10, oy + 11, 13, 3, f);
    } else if (art == "geburt") {
        l.ellipse(ox + 16, oy + 21, 10, 5, pal::holz_hell);
        l.kreis(ox + 16, oy + 13, 5, pal::fleisch);
        l.kreis(ox + 24, oy + 8, 3, pal::rot);
    } else if (art == "diskette") {
        l.rechteck(ox + 7, oy + 7, 18, 18, pal::blau);
        l.rechteck(ox + 11, oy + 7, 10, 6, pal::eisen_hell);
        l.rechteck(ox + 10, oy + 17, 12, 8, pal::weiss);
    } else if (art == "rolle") {
        l.rechteck(ox + 9, oy + 7, 14, 18, pal::leinen);
        l.ellipse(ox + 16, oy + 7, 8, 2, pal::holz);
        l.ellipse(ox + 16, oy + 25, 8, 2, pal::holz);
        for (int i = 0; i < 3; ++i) l.linie(ox + 11, oy + 12 + 4 * i, ox + 21, oy + 12 + 4 * i, f);
    } else if (art == "fahne") {
        l.rechteck(ox + 9, oy + 5, 2, 22, pal::holz_dunkel);
        l.vieleck({{ox + 11, oy + 6}, {ox + 25, oy + 10}, {ox + 11, oy + 15}}, f);
    } else if (art == "warnung") {
        l.vieleck({{ox + 16, oy + 5}, {ox + 28, oy + 26}, {ox + 4, oy + 26}}, f);
        l.rechteck(ox + 15, oy + 11, 3, 9, kDunkel);
        l.rechteck(ox + 15, oy + 22, 3, 2, kDunkel);
    } else if (art == "blitz") {
        l.vieleck({{ox + 18, oy + 4},
                   {ox + 9, oy + 18},
                   {ox + 15, oy + 18},
                   {ox + 13, oy + 28},
                   {ox + 23, oy + 13},
                   {ox + 17, oy + 13}},
                  f);
    } else if (art == "seuche") {
        l.ellipse(ox + 16, oy + 20, 8, 6, pal::stein_hell);
        for (int i = 0; i < 4; ++i) l.kreis(ox + 11 + 3 * i, oy + 10 + (i % 2) * 4, 2, pal::laub_hell);
    } else if (art == "muell") {
        l.rechteck(ox + 10, oy + 11, 12, 15, pal::eisen);
        l.rechteck(ox + 8, oy + 8, 16, 3, f);
        l.rechteck(ox + 14, oy + 6, 4, 2, f);
        for (int i = 0; i < 3; ++i) l.linie(ox + 12 + 4 * i, oy + 13, ox + 12 + 4 * i, oy + 24, f);
    } else if (art == "feld") {
        // Furrows of a field with sprouts.
        for (int i = 0; i < 3; ++i) {
            l.rechteck(ox + 5, oy + 12 + 6 * i, 22, 3, pal::erde);
            for (int k = 0; k < 4; ++k) {
                const int x = ox + 7 + 6 * k, y = oy + 11 + 6 * i;
                l.linie(x, y, x, y - 4, pal::laub);
                l.punkt(x - 1, y - 3, pal::laub_hell);
                l.punkt(x + 1, y - 3, pal::laub_hell);
            }
        }
    } else if (art == "sammeln") {
        // Several lines running together into one arrow.
        for (int d = 0; d < 2; ++d) {
            l.linie(ox + 4, oy + 6 + d, ox + 16, oy + 15 + d, f);
            l.linie(ox + 4, oy + 25 + d, ox + 16, oy + 16 + d, f);
        }
        l.rechteck(ox + 14, oy + 15, 6, 3, f);
        l.vieleck({{ox + 19, oy + 9}, {ox + 28, oy + 16}, {ox + 19, oy + 23}}, f);
    } else if (art == "kreislauf") {
        // Two arrows chasing each other round a circle.
        for (int w = 0; w < 2; ++w)
            for (int i = 0; i <= 10; ++i) {
                const double a = 3.14159 * w + 0.25 + i * 0.24;
                const int x = ox + 16 + static_cast<int>(std::lround(std::cos(a) * 9));
                const int y = oy + 16 + static_cast<int>(std::lround(std::sin(a) * 9));
                l.rechteck(x - 1, y - 1, 3, 3, pal::gras_dunkel);
            }
        l.vieleck({{ox + 2, oy + 17}, {ox + 12, oy + 17}, {ox + 7, oy + 23}}, pal::gras_dunkel);
        l.vieleck({{ox + 30, oy + 15}, {ox + 20, oy + 15}, {ox + 25, oy + 9}}, pal::gras_dunkel);
    } else if (art == "schaufel") {
        for (int d = 0; d < 2; ++d) l.linie(ox + 9 + d, oy + 5, ox + 17 + d, oy + 19, pal::holz);
        l.vieleck({{ox + 13, oy + 19}, {ox + 21, oy + 15}, {ox + 26, oy + 24}, {ox + 19, oy + 28}},
                  pal::eisen);
        l.ellipse(ox + 16, oy + 27, 9, 2, pal::sand);
    } else if (art == "raster") {
        l.rechteck(ox + 6, oy + 6, 20, 20, pal::gras);
        for (int i = 0; i <= 2; ++i) {
            l.linie(ox + 6 + 10 * i, oy + 6, ox + 6 + 10 * i, oy + 26, f);
            l.linie(ox + 6, oy + 6 + 10 * i, ox + 26, oy + 6 + 10 * i, f);
        }
    } else {
        return false;
    }
    return true;
}

namespace {

// --- Whole images ---------------------------------------------------------------

// A square button of 32 pixels with a pictogram, dark (aus) or lit (an).
void bildknopf(Leinwand& l, const std::string& art, bool an) {
    knopf(l, {0, 0, 32, 32}, an);
    if (an) l.rahmen(1, 1, 30, 30, kAn);
    piktogramm(l, 0, 0, art, an ? kAn : kDunkel);
}

// A round plate of 32 pixels with a pictogram (message icons).
void plakette(Leinwand& l, const std::string& art, Farbe rand) {
    l.kreis(16, 16, 15, rand);
    l.kreis(16, 16, 13, pal::schild);
    piktogramm(l, 0, 0, art, kDunkel);
}

// A round lamp or gem filling a square canvas of 16 or 32 pixels.
void lampe(Leinwand& l, Farbe f) {
    const int k = l.breite() / 16;
    l.kreis(8 * k, 8 * k, 6 * k + 1, kDunkel);
    l.kreis(8 * k, 8 * k, 5 * k + 1, f);
    l.kreis(6 * k, 6 * k, 2 * k, schattieren(f, 1.4));
}

// A thumbnail of a map type: islands on water, `art` 0..7 chooses the layout.
void kartenbild(Leinwand& l, int art) {
    l.rechteck(0, 0, 64, 64, pal::wasser);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (rauschen(x, y, 70 + static_cast<unsigned>(art)) > 0.97) l.punkt(x, y, pal::wasser_hell);
    struct Insel {
        int x, y, rx, ry;
    };
    static const std::vector<std::vector<Insel>> lagen = {
        {{32, 32, 22, 20}},
        {{20, 22, 12, 10}, {44, 42, 12, 11}},
        {{18, 18, 9, 8}, {46, 20, 9, 9}, {32, 46, 10, 9}},
        {{18, 18, 9, 8}, {46, 18, 9, 8}, {18, 46, 9, 8}, {46, 46, 9, 8}},
        {{32, 32, 26, 24}, {32, 32, 8, 7}},
        {{14, 32, 8, 20}, {50, 32, 8, 20}},
        {{32, 14, 24, 7}, {32, 34, 18, 6}, {32, 52, 24, 7}},
        {{12, 12, 6, 5}, {32, 14, 6, 6}, {52, 12, 6, 5}, {20, 34, 7, 6}, {44, 34, 7, 6}, {32, 52, 8, 6}},
    };
    const auto& lage = lagen[static_cast<std::size_t>(art) % lagen.size()];
    for (std::size_t i = 0; i < lage.size(); ++i) {
        const Insel& s = lage[i];
        // Type 4 is a lake inside a continent.
        const bool see = art == 4 && i == 1;
        l.ellipse(s.x, s.y, s.rx + (see ? 0 : 2), s.ry + (see ? 0 : 2), see ? pal::wasser : pal::sand);
        if (!see) l.ellipse(s.x, s.y, s.rx, s.ry, pal::gras);
        if (!see && s.rx > 8) l.ellipse(s.x - s.rx / 3, s.y - s.ry / 3, s.rx / 3, s.ry / 3, pal::gras_dunkel);
    }
    l.rahmen(0, 0, 64, 64, kRahmen);
    l.rahmen(1, 1, 62, 62, kRahmenHell);
}

// The ranking frame for n clans: a heading strip and one row per place.
void rangrahmen(Leinwand& l, int n) {
    const int h = l.hoehe();
    tafel(l, {0, 0, 176, h});
    for (int i = 0; i < n; ++i) {
        const int y = 24 + 20 * i;
        l.rechteck(10, y, 156, 18, i % 2 ? kPergament : kPergamentDunkel);
        l.rahmen(10, y, 16, 18, kRahmen);
    }
}

// The title picture, stretched over the whole window behind the menus: a wooden frame
// with gold corners round the edge, open in the middle so that the backdrop game shows.
void titelbild(Leinwand& l) {
    const int b = l.breite(), h = l.hoehe();
    l.rahmen(0, 0, b, h, kRahmen);
    l.rahmen(1, 1, b - 2, h - 2, kRahmenHell);
    l.rahmen(2, 2, b - 4, h - 4, kRahmen);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{b - 4, 0}, std::pair{0, h - 4}, std::pair{b - 4, h - 4}})
        l.rechteck(x, y, 4, 4, pal::gold);
}

// A light bevelled button (black panel text stays readable on it); `an` for the lit state.
void hellknopf(Leinwand& l, Rechteck r, bool an) {
    const Farbe grund = an ? mischen(kPergament, pal::gold_hell, 0.55) : kPergament;
    l.rechteck(r.x, r.y, r.b, r.h, grund);
    l.rahmen(r.x, r.y, r.b, r.h, kRahmen);
    l.linie(r.x + 1, r.y + 1, r.x + r.b - 2, r.y + 1, schattieren(grund, 1.08));
    l.linie(r.x + 1, r.y + 1, r.x + 1, r.y + r.h - 2, schattieren(grund, 1.08));
    l.linie(r.x + 1, r.y + r.h - 2, r.x + r.b - 2, r.y + r.h - 2, schattieren(grund, 0.8));
    l.linie(r.x + r.b - 2, r.y + 1, r.x + r.b - 2, r.y + r.h - 2, schattieren(grund, 0.8));
    if (an) l.rahmen(r.x + 2, r.y + 2, r.b - 4, r.h - 4, pal::gold);
}

// A tab of a tabbed page: parchment with a wooden edge, open at the bottom.
void reiter(Leinwand& l) {
    const int b = l.breite(), h = l.hoehe();
    l.vieleck({{0, h}, {0, 6}, {6, 0}, {b - 7, 0}, {b - 1, 6}, {b - 1, h}}, kRahmen);
    l.vieleck({{2, h}, {2, 7}, {7, 2}, {b - 8, 2}, {b - 3, 7}, {b - 3, h}}, kPergament);
    l.linie(7, 3, b - 8, 3, schattieren(kPergament, 1.08));
}

// A flask of 32 pixels filled with a research colour.
void kolben(Leinwand& l, Farbe f) {
    l.rechteck(13, 4, 6, 9, pal::glas);
    l.vieleck({{13, 12}, {19, 12}, {27, 28}, {5, 28}}, pal::glas);
    l.vieleck({{10, 18}, {22, 18}, {27, 28}, {5, 28}}, f);
    l.linie(12, 4, 20, 4, kDunkel);
    l.linie(13, 12, 5, 28, kDunkel);
    l.linie(19, 12, 27, 28, kDunkel);
    l.linie(5, 28, 27, 28, kDunkel);
}

// The symbols of the main bar (members, goods, contentment), 32 pixels.
void bar_symbol(Leinwand& l, const std::string& art) {
    if (art == "mitglieder") {
        person(l, -5, 1, pal::blau, false);
        person(l, 5, 2, pal::beere, true);
    } else if (art == "waren") {
        l.rechteck(5, 11, 22, 16, pal::holz);
        l.rahmen(5, 11, 22, 16, kDunkel);
        l.linie(5, 11, 26, 26, pal::holz_dunkel);
        l.linie(26, 11, 5, 26, pal::holz_dunkel);
        l.ellipse(16, 9, 7, 5, pal::leinen);
        l.rechteck(14, 3, 4, 3, pal::stroh_dunkel);
    } else {
        l.kreis(16, 16, 13, kDunkel);
        l.kreis(16, 16, 11, pal::gold_hell);
        l.kreis(12, 13, 1, kDunkel);
        l.kreis(20, 13, 1, kDunkel);
        for (int x = -6; x <= 6; ++x) l.punkt(16 + x, 19 + (36 - x * x) / 12, kDunkel);
    }
}

// A message plate of 64 pixels: the 32-pixel pictogram drawn at 48 pixels.
void meldung(Leinwand& l, const std::string& art, Farbe rand) {
    l.kreis(32, 32, 31, rand);
    l.kreis(32, 32, 27, pal::schild);
    Leinwand klein(32, 32);
    if (art == "wanderung") {
        pfeil(klein, 0, -6, 0, kDunkel);
        pfeil(klein, 0, 6, 1, kDunkel);
    } else {
        piktogramm(klein, 0, 0, art, kDunkel);
    }
    l.einsetzen_skaliert(klein, 8, 8, 48, 48);
}

// The ranking of the main bar: a heading and eight rows of 22 pixels.
void rangliste_gross(Leinwand& l) {
    tafel(l, {0, 0, l.breite(), l.hoehe()});
    for (int i = 0; i < 8; ++i) {
        const int y = 28 + 22 * i;
        l.rechteck(10, y, l.breite() - 20, 20, i % 2 ? kPergament : kPergamentDunkel);
        l.rahmen(14, y + 1, 20, 18, kRahmen);
    }
}

}  // namespace

std::vector<Interfacebild> interfacebilder() {
    Liste li;
    // 0: the empty image (a panel's unknown image name draws number 0).
    li.neu("Leer", 16, 16, [](Leinwand&) {});

    // Windows, bars, the tooltip frame.
    li.neu("Fenster", 320, 384, [](Leinwand& l) { tafel(l, {0, 0, 320, 384}); });
    li.neu("FensterKlein", 256, 160, [](Leinwand& l) { tafel(l, {0, 0, 256, 160}); });
    li.neu("MousePopup", 288, 128, [](Leinwand& l) { tafel(l, {0, 0, 288, 128}); });
    li.neu("Leiste", 512, 48, [](Leinwand& l) { tafel(l, {0, 0, 512, 48}); });
    li.neu("Banner", 256, 64, [](Leinwand& l) {
        l.vieleck({{0, 16}, {24, 16}, {24, 56}, {0, 56}, {10, 36}}, kRahmen);
        l.vieleck({{255, 16}, {232, 16}, {232, 56}, {255, 56}, {246, 36}}, kRahmen);
        tafel(l, {16, 4, 224, 48});
    });
    li.neu("Trenner", 256, 16, [](Leinwand& l) {
        l.rechteck(8, 7, 240, 2, kRahmen);
        l.linie(8, 9, 247, 9, kRahmenHell);
        for (int x : {4, 128, 251}) l.kreis(x, 8, 3, pal::gold);
    });
    li.neu("Titelbild", 256, 128, titelbild);

    // Buttons.
    for (auto [titel, b, hell] :
         {std::tuple{"Knopf", 192, false}, std::tuple{"KnopfHell", 192, true},
          std::tuple{"KnopfKlein", 96, false}, std::tuple{"KnopfKleinHell", 96, true}})
        li.neu(titel, b, 32, [b = b, hell = hell](Leinwand& l) { knopf(l, {0, 0, b, 32}, hell); });
    for (auto [titel, art] :
         {std::pair{"Plus", "plus"}, std::pair{"Minus", "minus"}, std::pair{"Schliessen", "kreuz"},
          std::pair{"PfeilLinks", "links"}, std::pair{"PfeilRechts", "rechts"},
          std::pair{"Papierkorb", "muell"}, std::pair{"Speicherstand", "rolle"}})
        li.neu(titel, 32, 32, [art = std::string(art)](Leinwand& l) { bildknopf(l, art, false); });

    // Check box, slider, level steps, colour fields.
    li.neu("CheckboxAus", 32, 32, [](Leinwand& l) { kaestchen(l, {0, 0, 32, 32}, false); });
    li.neu("CheckboxAn", 32, 32, [](Leinwand& l) { kaestchen(l, {0, 0, 32, 32}, true); });
    li.neu("SliderSchiene", 16, 16, [](Leinwand& l) {
        l.rechteck(0, 6, 16, 4, kRahmen);
        l.linie(0, 6, 15, 6, kRahmenHell);
        l.rechteck(7, 4, 2, 8, kDunkel);
    });
    li.neu("SliderKnopf", 16, 16, [](Leinwand& l) { regler(l, {0, 0, 16, 16}); });
    li.neu("StufeVoll", 16, 16, [](Leinwand& l) {
        l.rechteck(2, 2, 12, 12, kDunkel);
        l.rechteck(3, 3, 10, 10, pal::gras);
        l.linie(3, 3, 12, 3, pal::laub_hell);
    });
    li.neu("StufeLeer", 16, 16, [](Leinwand& l) {
        l.rechteck(2, 2, 12, 12, kDunkel);
        l.rechteck(3, 3, 10, 10, kPergamentDunkel);
    });
    li.neu("Farbfeld", 32, 32, [](Leinwand& l) {
        l.rechteck(0, 0, 32, 32, kDunkel);
        l.rechteck(2, 2, 28, 28, rgb(250, 250, 250));
    });
    li.neu("Rangfarbe", 16, 16, [](Leinwand& l) {
        l.rechteck(0, 0, 16, 16, kDunkel);
        l.rechteck(2, 2, 12, 12, rgb(250, 250, 250));
    });

    // The main bar: every button dark and lit.
    for (auto [name, art] :
         {std::pair{"Karte", "karte"}, std::pair{"Bau", "bau"}, std::pair{"Statistik", "statistik"},
          std::pair{"Forschung", "forschung"}, std::pair{"Lupe", "lupe"}, std::pair{"Nachricht", "brief"},
          std::pair{"Pause", "pause"}, std::pair{"Tempo05", "tempo05"}, std::pair{"Tempo1", "tempo1"},
          std::pair{"Tempo2", "tempo2"}, std::pair{"Tempo4", "tempo4"}, std::pair{"Tempo8", "tempo8"},
          std::pair{"Menue", "menue"}})
        for (bool an : {false, true})
            li.neu(std::string(name) + (an ? "An" : "Aus"), 32, 32,
                   [art = std::string(art), an](Leinwand& l) { bildknopf(l, art, an); });

    // Achievement coins: reached (gold) and not yet reached (matt) per category.
    int emblem = 0;
    for (const char* name : {"Mitglieder", "Waren", "Luxus", "Gold", "Haus", "Clan"}) {
        for (bool matt : {false, true})
            li.neu(std::string("Muenze") + name + (matt ? "Matt" : ""), 32, 32, [emblem, matt](Leinwand& l) {
                muenze(l, {0, 0, 32, 32}, emblem, matt);
            });
        ++emblem;
    }

    // Window icons.
    for (auto [titel, art, farbe] :
         {std::tuple{"TrendHoch", "hoch", pal::gras_dunkel}, std::tuple{"TrendRunter", "runter", pal::rot},
          std::tuple{"TrendGleich", "rechts", pal::holz_dunkel}})
        li.neu(titel, 16, 16, [art = std::string(art), farbe = farbe](Leinwand& l) {
            Leinwand gross(32, 32);
            piktogramm(gross, 0, 0, art, farbe);
            l.einsetzen_skaliert(gross, 0, 0, 16, 16);
        });
    for (auto [titel, farbe] : {std::pair{"Warnung1", pal::gold}, std::pair{"Warnung2", pal::feuer},
                                std::pair{"Warnung3", pal::rot}})
        li.neu(titel, 32, 32, [farbe = farbe](Leinwand& l) { piktogramm(l, 0, 0, "warnung", farbe); });
    li.neu("PauseAnzeige", 64, 32, [](Leinwand& l) {
        tafel(l, {0, 0, 64, 32});
        piktogramm(l, 16, 0, "pause", pal::rot);
    });
    li.neu("Baumodus", 32, 32, [](Leinwand& l) { plakette(l, "bau", kRahmen); });
    li.neu("BaumodusZuTeuer", 32, 32, [](Leinwand& l) {
        plakette(l, "bau", kRahmen);
        piktogramm(l, 0, 0, "kreuz", pal::rot);
    });
    for (auto [titel, farbe] :
         {std::pair{"ForschungLila", pal::violett}, std::pair{"ForschungBlau", pal::blau},
          std::pair{"ForschungGruen", pal::gras}, std::pair{"ForschungGelb", pal::gold},
          std::pair{"ForschungWeiss", pal::weiss}})
        li.neu(titel, 16, 16, [farbe = farbe](Leinwand& l) { lampe(l, farbe); });
    for (auto [titel, farbe] : {std::pair{"LampeGelb", pal::gold}, std::pair{"LampeRot", pal::rot},
                                std::pair{"LampeGruen", pal::laub_hell}})
        li.neu(titel, 16, 16, [farbe = farbe](Leinwand& l) { lampe(l, farbe); });
    for (auto [titel, art] :
         {std::pair{"SlotMann", "mann"}, std::pair{"SlotFrau", "frau"}, std::pair{"SlotFrei", ""},
          std::pair{"SlotZeit", "uhr"}, std::pair{"SlotGesperrt", "schloss"}})
        li.neu(titel, 32, 32, [art = std::string(art)](Leinwand& l) {
            l.rechteck(1, 1, 30, 30, kPergament);
            l.rahmen(1, 1, 30, 30, kRahmen);
            l.rahmen(2, 2, 28, 28, kRahmenHell);
            piktogramm(l, 0, 0, art, kDunkel);
        });
    for (int k = 0; k < 8; ++k)
        li.neu("Karte" + std::to_string(k), 64, 64, [k](Leinwand& l) { kartenbild(l, k); });
    for (int n = 4; n <= 8; ++n)
        li.neu("Rangliste" + std::to_string(n), 176, (32 + 20 * n + 15) / 16 * 16,
               [n](Leinwand& l) { rangrahmen(l, n); });

    // The message stream, one plate per kind of message.
    for (auto [titel, art, rand] : {
             std::tuple{"InfoGeladen", "rolle", pal::blau},
             std::tuple{"InfoGespeichert", "diskette", pal::blau},
             std::tuple{"InfoAutosave", "diskette", pal::stein_dunkel},
             std::tuple{"InfoClanTod", "fahne", pal::kohle},
             std::tuple{"InfoTod", "grab", pal::kohle},
             std::tuple{"InfoGeburt", "geburt", pal::gras},
             std::tuple{"InfoAbwanderung", "links", pal::feuer},
             std::tuple{"InfoEinwanderung", "rechts", pal::gras},
             std::tuple{"InfoObjekt", "haus", pal::gras},
             std::tuple{"InfoKaninchentod", "hase", pal::kohle},
             std::tuple{"InfoBaum", "baum", pal::feuer},
             std::tuple{"InfoBerg", "berg", pal::feuer},
             std::tuple{"InfoFisch", "fisch", pal::feuer},
             std::tuple{"InfoStein", "stein", pal::feuer},
             std::tuple{"InfoSchiff", "schiff", pal::gras},
             std::tuple{"InfoFehler", "blitz", pal::rot},
             std::tuple{"InfoSeuche", "seuche", pal::rot},
             std::tuple{"InfoClanNeu", "fahne", pal::gras},
         })
        li.neu(titel, 32, 32, [art = std::string(art), rand = rand](Leinwand& l) { plakette(l, art, rand); });
    // Images of the panels added later, at the end so that the numbers above stay.
    li.neu("Fensterrahmen", 512, 448, [](Leinwand& l) { tafel(l, {0, 0, 512, 448}); });
    li.neu("Fenster klein", 448, 416, [](Leinwand& l) { tafel(l, {0, 0, 448, 416}); });
    // The top bar is laid from pieces that join without a seam: the left end, middle pieces
    // as far as the widest window and the right end at the window's right edge.
    li.neu("Spielleiste", 640, 48, [](Leinwand& l) { leistenstueck(l, 0, 640 + 32); });
    for (auto [titel, b, an] : {std::tuple{"Knopf lang", 224, false}, std::tuple{"Knopf schmal", 160, false},
                                std::tuple{"Knopf breit", 96, false}, std::tuple{"Knopf breit an", 96, true},
                                std::tuple{"Knopf klein", 32, false}, std::tuple{"Knopf klein an", 32, true}})
        li.neu(titel, b, 32, [b = b, an = an](Leinwand& l) { hellknopf(l, {0, 0, b, 32}, an); });
    li.neu("Reiter", 80, 32, reiter);
    for (auto [titel, art] :
         {std::pair{"Symbol Mitglieder", "mitglieder"}, std::pair{"Symbol Waren", "waren"},
          std::pair{"Symbol Zufriedenheit", "zufriedenheit"}})
        li.neu(titel, 32, 32, [art = std::string(art)](Leinwand& l) { bar_symbol(l, art); });
    li.neu("Baumodus Hinweis", 320, 32, [](Leinwand& l) { tafel(l, {0, 0, 320, 32}); });
    li.neu("Baumodus knapp", 320, 32, [](Leinwand& l) {
        tafel(l, {0, 0, 320, 32});
        l.rahmen(5, 5, 310, 22, pal::rot);
    });
    li.neu("Rangliste", 224, 224, rangliste_gross);
    li.neu("Spielstand", 384, 32, [](Leinwand& l) { hellknopf(l, {0, 0, 384, 32}, false); });
    li.neu("Spielstand an", 384, 32, [](Leinwand& l) { hellknopf(l, {0, 0, 384, 32}, true); });
    for (auto [titel, farbe] : {std::pair{"Ampel grün", pal::laub_hell}, std::pair{"Ampel gelb", pal::gold},
                                std::pair{"Ampel rot", pal::rot}})
        li.neu(titel, 32, 32, [farbe = farbe](Leinwand& l) { lampe(l, farbe); });
    for (auto [titel, farbe] :
         {std::pair{"Forschung Lila", pal::violett}, std::pair{"Forschung blau", pal::blau},
          std::pair{"Forschung grün", pal::gras}, std::pair{"Forschung gelb", pal::gold},
          std::pair{"Forschung weiss", pal::weiss}})
        li.neu(titel, 32, 32, [farbe = farbe](Leinwand& l) { kolben(l, farbe); });
    for (auto [titel, art, rand] : {
             std::tuple{"Meldung Clan", "fahne", pal::gras},
             std::tuple{"Meldung Fehler", "blitz", pal::rot},
             std::tuple{"Meldung Geburt", "geburt", pal::gras},
             std::tuple{"Meldung Gebäude", "haus", pal::gras},
             std::tuple{"Meldung Hase", "hase", pal::kohle},
             std::tuple{"Meldung Laden", "rolle", pal::blau},
             std::tuple{"Meldung Rohstoff", "berg", pal::feuer},
             std::tuple{"Meldung Schiff", "schiff", pal::gras},
             std::tuple{"Meldung Speichern", "diskette", pal::blau},
             std::tuple{"Meldung Tod", "grab", pal::kohle},
             std::tuple{"Meldung Wanderung", "wanderung", pal::feuer},
         })
        li.neu(titel, 64, 64, [art = std::string(art), rand = rand](Leinwand& l) { meldung(l, art, rand); });
    // One letter of the pile at the upper right: a sealed envelope.
    li.neu("Brief", 64, 48, [](Leinwand& l) {
        l.rechteck(2, 4, 60, 40, pal::leinen);
        l.rahmen(2, 4, 60, 40, kDunkel);
        l.linie(2, 4, 32, 26, kDunkel);
        l.linie(61, 4, 32, 26, kDunkel);
        l.kreis(32, 27, 5, pal::rot);
    });
    // The top bar's middle piece (no side edges) and its right end.
    li.neu("Spielleiste Mitte", 640, 48, [](Leinwand& l) { leistenstueck(l, -32, 640 + 64); });
    li.neu("Spielleiste Ende", 16, 48, [](Leinwand& l) { leistenstueck(l, -48, 64); });
    return std::move(li.bilder);
}

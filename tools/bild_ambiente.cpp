// Ambient objects: plants, stones, markers, symbols, flags, smoke, fire, airships,
// footpaths, growth stages and the models shown on buildings.
#include <cmath>
#include <functional>
#include <map>

#include "bild_motive.h"

namespace {

// A picture standing on one map cell: 34 pixels wide, anchor at the left of the
// cell's front edge. The cell's ground lies between the corners returned by
// zelle(); (fx, fy) is where an object stands.
struct Stand {
    Leinwand l;
    int fx, fy;
    explicit Stand(int hoehe) : l(34, hoehe), fx(17), fy(hoehe - 8) {}
    // The cell's ground parallelogram in picture coordinates.
    std::vector<std::pair<int, int>> zelle() const {
        const int y0 = l.hoehe() - 5;
        return {{1, y0 + 1}, {22, y0 + 1}, {32, y0 - 9}, {11, y0 - 9}};
    }
    Leinwand fertig() {
        l.marker(0, l.hoehe() - 5, MARKER_ROT);
        return l;
    }
};

void laubbaum(Stand& s, Farbe krone, Farbe krone_hell, int hoehe, int breite, bool birke) {
    auto& l = s.l;
    l.ellipse(s.fx + 2, s.fy + 1, 7, 2, schattieren(pal::gras_dunkel, 0.8));
    const Farbe stammfarbe = birke ? pal::weiss : pal::rinde;
    l.rechteck(s.fx - 1, s.fy - hoehe / 2, 4, hoehe / 2 + 1, stammfarbe);
    if (birke)
        for (int y = s.fy - hoehe / 2; y < s.fy; y += 3) l.punkt(s.fx, y, pal::umriss);
    const int ky = s.fy - hoehe / 2 - breite / 2 + 2;
    l.ellipse(s.fx, ky, breite, breite - 1, schattieren(krone, 0.8));
    l.ellipse(s.fx - 2, ky - 2, breite - 3, breite - 3, krone);
    l.ellipse(s.fx - 4, ky - 4, breite / 2, breite / 2 - 1, krone_hell);
}

void nadelbaum(Stand& s, Farbe f, int hoehe, int breite) {
    auto& l = s.l;
    l.ellipse(s.fx + 2, s.fy + 1, 6, 2, schattieren(pal::gras_dunkel, 0.8));
    l.rechteck(s.fx - 1, s.fy - 6, 3, 7, pal::rinde);
    for (int i = 0; i < 3; ++i) {
        const int unten = s.fy - 4 - i * (hoehe / 4);
        const int b = breite - i * (breite / 4);
        l.vieleck({{s.fx - b, unten}, {s.fx + b, unten}, {s.fx, unten - hoehe / 2}},
                  i % 2 ? f : schattieren(f, 0.85));
        l.linie(s.fx, unten - hoehe / 2, s.fx - b, unten, schattieren(f, 1.3));
    }
}

void fels(Stand& s, Farbe f, int b, int h) {
    auto& l = s.l;
    l.vieleck({{s.fx - b, s.fy + 1},
               {s.fx - b + 2, s.fy - h + 3},
               {s.fx - 2, s.fy - h},
               {s.fx + b - 2, s.fy - h + 4},
               {s.fx + b, s.fy + 1}},
              f);
    l.vieleck({{s.fx, s.fy + 1}, {s.fx - 2, s.fy - h}, {s.fx + b - 2, s.fy - h + 4}, {s.fx + b, s.fy + 1}},
              schattieren(f, 0.8));
    l.linie(s.fx - b + 2, s.fy - h + 3, s.fx - 2, s.fy - h, schattieren(f, 1.25));
}

// Ground patch of the cell, drawn every other pixel when faint.
void boden(Stand& s, Farbe f, int dichte) {
    Leinwand maske(s.l.breite(), s.l.hoehe());
    maske.vieleck(s.zelle(), f);
    for (int y = 0; y < s.l.hoehe(); ++y)
        for (int x = 0; x < s.l.breite(); ++x) {
            if (maske.lesen(x, y) == TRANSPARENT) continue;
            const bool setzen = dichte >= 4 || (dichte == 3 && (x + y) % 3 != 0) ||
                                (dichte == 2 && (x + y) % 2 == 0) || (dichte == 1 && (x + 2 * y) % 4 == 0);
            if (setzen) s.l.punkt(x, y, ((x * 7 + y * 3) % 5 == 0) ? schattieren(f, 0.85) : f);
        }
}

// Crop rows across the cell: reihen rows of pflanze() calls.
void feld(Stand& s, const std::function<void(Leinwand&, int, int)>& pflanze) {
    boden(s, schattieren(pal::erde, 1.1), 4);
    const int y0 = s.l.hoehe() - 5;
    for (int r = 0; r < 3; ++r) {
        const int y = y0 - 1 - r * 3;
        const int x0 = 4 + r * 3;
        s.l.linie(x0, y, x0 + 19, y, schattieren(pal::erde, 0.8));
        for (int x = x0 + 1; x < x0 + 19; x += 4) pflanze(s.l, x, y);
    }
}

void flammen(Leinwand& l, int cx, int unten, int phase) {
    for (int i = -1; i <= 1; ++i) {
        const int h = 10 + ((phase + i + 3) % 3) * 3;
        const int x = cx + i * 4;
        l.vieleck({{x - 3, unten}, {x + 3, unten}, {x + (phase - 1), unten - h}}, pal::feuer);
        l.vieleck({{x - 1, unten}, {x + 1, unten}, {x + (phase - 1), unten - h / 2}}, pal::feuer_hell);
    }
}

void rauchwolke(Leinwand& l, int cx, int unten, int phase) {
    for (int i = 0; i < 3; ++i) {
        const int y = unten - 3 - i * 7 - phase * 2;
        const int x = cx + ((i + phase) % 2 ? 2 : -2);
        l.kreis(x, y, 3 + i, i == 2 ? schattieren(pal::rauch, 1.2) : pal::rauch);
    }
}

// Smoke and fire shown at the marker points of a building, anchored at their foot.
Leinwand effekt(int phase, bool feuer) {
    Leinwand l(18, 28);
    if (feuer)
        flammen(l, 9, 27, phase);
    else
        rauchwolke(l, 9, 27, phase);
    l.marker(9, 27, MARKER_ROT);
    return l;
}

Leinwand fahne(int phase) {
    Leinwand l(16, 20);
    l.linie(1, 1, 1, 19, pal::holz_dunkel);
    l.punkt(1, 0, pal::gold);
    for (int x = 0; x < 12; ++x) {
        const int welle = static_cast<int>(std::lround(std::sin((x + phase * 4) * 0.7) * 1.5));
        for (int y = 0; y < 7; ++y)
            l.punkt(2 + x, 2 + y + welle, (y == 0 || y == 6) ? rgb(210, 210, 210) : pal::weiss);
    }
    l.marker(0, 19, MARKER_ROT);
    return l;
}

Leinwand wimpel(int phase) {
    Leinwand l(12, 8);
    l.linie(1, 0, 1, 7, pal::holz_dunkel);
    const int spitze = phase ? 10 : 9;
    l.vieleck({{2, 0}, {spitze, 2 + phase}, {2, 5}}, pal::weiss);
    l.marker(0, 7, MARKER_ROT);
    return l;
}

Leinwand luftschiff(bool links, int neigung) {
    Leinwand l(48, 40);
    const int hoch = neigung * 2;
    l.ellipse(24, 12 - hoch / 2, 20, 10, pal::leinen);
    l.ellipse(22, 10 - hoch / 2, 16, 7, pal::weiss);
    for (int i = -2; i <= 2; ++i)
        l.linie(24 + i * 7, 3 - hoch / 2, 24 + i * 7, 21 - hoch / 2, pal::stroh_dunkel);
    l.linie(8, 12 - hoch / 2 - neigung * 3, 40, 12 - hoch / 2 + neigung * 3, rgb(150, 60, 50));
    l.linie(14, 21, 16, 29, pal::umriss);
    l.linie(34, 21, 32, 29, pal::umriss);
    l.vieleck({{12, 29}, {36, 29}, {33, 35}, {15, 35}}, pal::holz);
    l.linie(12, 29, 36, 29, pal::holz_hell);
    l.rechteck(20, 31, 3, 2, pal::glas);
    l.rechteck(26, 31, 3, 2, pal::glas);
    // propeller at the back, rudder fin at the back of the envelope
    l.linie(42, 28, 42, 36, pal::eisen);
    l.rechteck(37, 31, 5, 2, pal::eisen);
    l.vieleck({{40, 6 - hoch / 2}, {47, 2 - hoch / 2}, {47, 18 - hoch / 2}, {40, 16 - hoch / 2}}, pal::rot);
    Leinwand e = links ? l : l.gespiegelt();
    e.marker(0, 39, MARKER_ROT);
    return e;
}

Leinwand symbol(bool stopp) {
    // drawn 50 pixels left of and above the building anchor: the sign sits at the right
    Leinwand l(64, 24);
    if (stopp) {
        l.kreis(54, 12, 10, rgb(150, 30, 30));
        l.kreis(54, 12, 8, pal::rot);
        l.rechteck(48, 10, 13, 4, pal::weiss);
    } else {
        l.vieleck({{54, 1}, {65, 22}, {43, 22}}, rgb(120, 80, 20));
        l.vieleck({{54, 4}, {62, 20}, {46, 20}}, pal::gold);
        l.rechteck(53, 8, 3, 7, pal::umriss);
        l.rechteck(53, 17, 3, 2, pal::umriss);
    }
    l.marker(0, 0, MARKER_ROT);
    return l;
}

Leinwand bauplatz() {
    // drawn at the cell's corner 3 pixels left of and 11 below the cell origin
    Leinwand l(42, 13);
    const std::vector<std::pair<int, int>> ecken = {{9, 11}, {30, 11}, {40, 1}, {19, 1}};
    Leinwand maske(42, 13);
    maske.vieleck(ecken, pal::weiss);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 42; ++x)
            if (maske.lesen(x, y) != TRANSPARENT && (x + y) % 2 == 0) l.punkt(x, y, pal::weiss);
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        const auto& a = ecken[i];
        const auto& b = ecken[(i + 1) % ecken.size()];
        l.linie(a.first, a.second, b.first, b.second, pal::weiss);
    }
    l.marker(0, 0, MARKER_ROT);
    return l;
}

Leinwand muehlrad(int phase) {
    Leinwand l(25, 25);
    l.kreis(12, 12, 11, pal::holz_dunkel);
    l.kreis(12, 12, 9, TRANSPARENT);
    const double w0 = phase * 0.39;
    for (int i = 0; i < 8; ++i) {
        const double w = w0 + i * 0.785;
        const int x = 12 + static_cast<int>(std::lround(std::cos(w) * 11));
        const int y = 12 + static_cast<int>(std::lround(std::sin(w) * 11));
        l.linie(12, 12, x, y, pal::holz);
        l.rechteck(x - 1, y - 1, 3, 3, pal::holz_hell);
    }
    l.kreis(12, 12, 2, pal::eisen);
    l.marker(12, 12, MARKER_ROT);
    return l;
}

using Motiv = std::function<Leinwand()>;

Leinwand stehend(int hoehe, const std::function<void(Stand&)>& f) {
    Stand s(hoehe);
    f(s);
    return s.fertig();
}

const std::map<std::string, Motiv>& ambiente_motive() {
    static const std::map<std::string, Motiv> m = {
        {"Leer", [] { return stehend(12, [](Stand& s) { s.l.punkt(s.fx, s.fy, pal::stein); }); }},
        {"Eiche",
         [] { return stehend(46, [](Stand& s) { laubbaum(s, pal::laub, pal::laub_hell, 22, 12, false); }); }},
        {"Buche",
         [] {
             return stehend(
                 48, [](Stand& s) { laubbaum(s, rgb(84, 142, 56), rgb(150, 190, 90), 26, 10, false); });
         }},
        {"Birke",
         [] {
             return stehend(
                 44, [](Stand& s) { laubbaum(s, rgb(110, 160, 70), rgb(170, 206, 106), 24, 8, true); });
         }},
        {"Tanne", [] { return stehend(48, [](Stand& s) { nadelbaum(s, pal::nadel, 30, 10); }); }},
        {"Kiefer", [] { return stehend(44, [](Stand& s) { nadelbaum(s, rgb(62, 110, 66), 24, 8); }); }},
        {"Strandkiefer",
         [] {
             return stehend(40, [](Stand& s) {
                 s.l.linie(s.fx, s.fy, s.fx + 4, s.fy - 16, pal::rinde);
                 s.l.linie(s.fx + 1, s.fy, s.fx + 5, s.fy - 16, pal::rinde);
                 s.l.ellipse(s.fx + 4, s.fy - 20, 11, 5, rgb(66, 116, 70));
                 s.l.ellipse(s.fx + 2, s.fy - 22, 7, 3, rgb(110, 150, 90));
             });
         }},
        {"Busch",
         [] {
             return stehend(24, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 4, 9, 6, pal::gras_dunkel);
                 s.l.ellipse(s.fx - 2, s.fy - 6, 6, 4, pal::laub);
             });
         }},
        {"Baumstumpf",
         [] {
             return stehend(20, [](Stand& s) {
                 s.l.rechteck(s.fx - 3, s.fy - 5, 7, 6, pal::rinde);
                 s.l.ellipse(s.fx, s.fy - 5, 3, 1, pal::holz_hell);
                 s.l.linie(s.fx - 5, s.fy + 1, s.fx - 2, s.fy - 1, pal::rinde);
             });
         }},
        {"Findling", [] { return stehend(26, [](Stand& s) { fels(s, pal::stein, 9, 12); }); }},
        {"Felsblock", [] { return stehend(30, [](Stand& s) { fels(s, pal::stein_dunkel, 11, 16); }); }},
        {"Eisfels",
         [] {
             return stehend(30, [](Stand& s) {
                 fels(s, rgb(170, 186, 200), 10, 15);
                 s.l.ellipse(s.fx - 2, s.fy - 13, 5, 2, pal::weiss);
             });
         }},
        {"Geröll",
         [] {
             return stehend(18, [](Stand& s) {
                 for (auto [x, y] :
                      std::vector<std::pair<int, int>>{{-6, 0}, {-1, -2}, {4, 0}, {8, -3}, {1, 1}})
                     s.l.ellipse(s.fx + x, s.fy + y, 2, 1, pal::stein);
             });
         }},
        {"Kaninchenbau",
         [] {
             return stehend(20, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 2, 9, 4, pal::erde);
                 s.l.ellipse(s.fx, s.fy - 2, 4, 2, pal::kohle);
                 s.l.punkt(s.fx - 8, s.fy - 3, pal::gras);
                 s.l.punkt(s.fx + 7, s.fy - 4, pal::gras);
             });
         }},
        {"Falle",
         [] {
             return stehend(22, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 1, 8, 3, pal::erde);
                 s.l.rahmen(s.fx - 6, s.fy - 9, 12, 8, pal::holz);
                 for (int x = s.fx - 4; x < s.fx + 6; x += 2)
                     s.l.linie(x, s.fy - 9, x, s.fy - 2, pal::holz_dunkel);
             });
         }},
        {"Falle mit Fang",
         [] {
             return stehend(22, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 1, 8, 3, pal::erde);
                 s.l.ellipse(s.fx, s.fy - 4, 4, 3, rgb(150, 130, 110));
                 s.l.rechteck(s.fx + 2, s.fy - 9, 1, 3, rgb(150, 130, 110));
                 s.l.rahmen(s.fx - 6, s.fy - 9, 12, 8, pal::holz);
                 for (int x = s.fx - 4; x < s.fx + 6; x += 3)
                     s.l.linie(x, s.fy - 9, x, s.fy - 2, pal::holz_dunkel);
             });
         }},
        {"Grab",
         [] {
             return stehend(24, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 1, 8, 3, pal::erde);
                 s.l.rechteck(s.fx - 1, s.fy - 13, 3, 12, pal::holz);
                 s.l.rechteck(s.fx - 4, s.fy - 10, 9, 2, pal::holz);
             });
         }},
        {"Grabhügel",
         [] {
             return stehend(22, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 1, 8, 3, pal::gras_dunkel);
                 s.l.rechteck(s.fx - 1, s.fy - 10, 3, 9, pal::holz_dunkel);
                 s.l.rechteck(s.fx - 3, s.fy - 8, 7, 2, pal::holz_dunkel);
             });
         }},
        {"Verwittertes Grab",
         [] {
             return stehend(18, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 1, 7, 2, pal::gras);
                 s.l.linie(s.fx - 1, s.fy - 6, s.fx + 1, s.fy - 1, pal::stein);
             });
         }},
        {"Baustelle",
         [] {
             return stehend(26, [](Stand& s) {
                 s.l.rechteck(s.fx - 1, s.fy - 16, 2, 16, pal::holz_hell);
                 s.l.vieleck({{s.fx + 1, s.fy - 16}, {s.fx + 8, s.fy - 13}, {s.fx + 1, s.fy - 10}},
                             pal::feuer);
                 s.l.rechteck(s.fx - 6, s.fy - 1, 12, 2, pal::holz);
             });
         }},
        {"Bauplatz", [] { return bauplatz(); }},
        {"Mangel", [] { return symbol(false); }},
        {"Stillstand", [] { return symbol(true); }},
        {"Fahne 1", [] { return fahne(0); }},
        {"Fahne 2", [] { return fahne(1); }},
        {"Fahne 3", [] { return fahne(2); }},
        {"Wimpel 1", [] { return wimpel(0); }},
        {"Wimpel 2", [] { return wimpel(1); }},
        {"Rauch 1", [] { return effekt(0, false); }},
        {"Rauch 2", [] { return effekt(1, false); }},
        {"Rauch 3", [] { return effekt(2, false); }},
        {"Feuer 1", [] { return effekt(0, true); }},
        {"Feuer 2", [] { return effekt(1, true); }},
        {"Feuer 3", [] { return effekt(2, true); }},
        {"Luftschiff LO", [] { return luftschiff(true, 1); }},
        {"Luftschiff RO", [] { return luftschiff(false, 1); }},
        {"Luftschiff R", [] { return luftschiff(false, 0); }},
        {"Luftschiff LU", [] { return luftschiff(true, -1); }},
        {"Luftschiff RU", [] { return luftschiff(false, -1); }},
        {"Luftschiff L", [] { return luftschiff(true, 0); }},
        {"Spur", [] { return stehend(16, [](Stand& s) { boden(s, pal::lehm, 1); }); }},
        {"Pfad", [] { return stehend(16, [](Stand& s) { boden(s, pal::lehm, 2); }); }},
        {"Trampelpfad", [] { return stehend(16, [](Stand& s) { boden(s, pal::lehm, 3); }); }},
        {"Weg", [] { return stehend(16, [](Stand& s) { boden(s, schattieren(pal::lehm, 0.95), 4); }); }},
        {"Mohnblumen",
         [] {
             return stehend(18, [](Stand& s) {
                 for (auto [x, y] :
                      std::vector<std::pair<int, int>>{{-7, -1}, {-2, -4}, {3, 0}, {7, -5}, {1, -8}}) {
                     s.l.linie(s.fx + x, s.fy + y, s.fx + x, s.fy + y - 3, pal::gras_dunkel);
                     s.l.rechteck(s.fx + x - 1, s.fy + y - 4, 2, 2, pal::rot);
                 }
             });
         }},
        {"Kornblumen",
         [] {
             return stehend(18, [](Stand& s) {
                 for (auto [x, y] :
                      std::vector<std::pair<int, int>>{{-6, -2}, {-1, 0}, {4, -3}, {8, -1}, {0, -7}}) {
                     s.l.linie(s.fx + x, s.fy + y, s.fx + x, s.fy + y - 3, pal::gras_dunkel);
                     s.l.rechteck(s.fx + x - 1, s.fy + y - 4, 2, 2, rgb(90, 120, 214));
                 }
             });
         }},
        {"Enzian",
         [] {
             return stehend(18, [](Stand& s) {
                 for (auto [x, y] : std::vector<std::pair<int, int>>{{-5, -1}, {0, -4}, {5, 0}}) {
                     s.l.linie(s.fx + x, s.fy + y, s.fx + x, s.fy + y - 2, pal::gras_dunkel);
                     s.l.vieleck({{s.fx + x - 2, s.fy + y - 6},
                                  {s.fx + x + 2, s.fy + y - 6},
                                  {s.fx + x, s.fy + y - 2}},
                                 pal::violett);
                 }
             });
         }},
        {"Schutt",
         [] {
             return stehend(20, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 1, 9, 3, pal::erde);
                 for (auto [x, y] : std::vector<std::pair<int, int>>{{-5, -2}, {0, -4}, {4, -1}, {-1, 0}})
                     s.l.rechteck(s.fx + x, s.fy + y, 3, 2, pal::stein);
                 s.l.linie(s.fx - 6, s.fy - 5, s.fx + 2, s.fy - 7, pal::holz_dunkel);
             });
         }},
        {"Trümmer",
         [] {
             return stehend(22, [](Stand& s) {
                 s.l.ellipse(s.fx, s.fy - 1, 9, 3, pal::erde);
                 s.l.linie(s.fx - 7, s.fy - 2, s.fx + 5, s.fy - 9, pal::holz_dunkel);
                 s.l.linie(s.fx - 6, s.fy - 1, s.fx + 6, s.fy - 8, pal::holz);
                 s.l.rechteck(s.fx + 2, s.fy - 3, 4, 3, pal::ziegel);
                 s.l.rechteck(s.fx - 4, s.fy - 3, 3, 2, pal::stein);
             });
         }},
        {"Setzling",
         [] {
             return stehend(20, [](Stand& s) {
                 boden(s, pal::erde, 2);
                 s.l.linie(s.fx, s.fy, s.fx, s.fy - 6, pal::rinde);
                 s.l.ellipse(s.fx, s.fy - 7, 2, 2, pal::laub_hell);
             });
         }},
        {"Jungbaum",
         [] { return stehend(34, [](Stand& s) { laubbaum(s, pal::laub, pal::laub_hell, 12, 6, false); }); }},
        {"Schlagreifer Baum",
         [] {
             return stehend(46,
                            [](Stand& s) { laubbaum(s, rgb(60, 122, 46), pal::laub_hell, 22, 11, false); });
         }},
        {"Beerensetzling",
         [] {
             return stehend(18, [](Stand& s) {
                 boden(s, pal::erde, 3);
                 s.l.ellipse(s.fx, s.fy - 3, 3, 2, pal::laub_hell);
             });
         }},
        {"Beerenstrauch",
         [] {
             return stehend(22, [](Stand& s) {
                 boden(s, pal::erde, 3);
                 s.l.ellipse(s.fx, s.fy - 5, 7, 5, pal::laub);
             });
         }},
        {"Reifer Beerenstrauch",
         [] {
             return stehend(22, [](Stand& s) {
                 boden(s, pal::erde, 3);
                 s.l.ellipse(s.fx, s.fy - 5, 7, 5, pal::laub);
                 for (auto [x, y] :
                      std::vector<std::pair<int, int>>{{-4, -6}, {0, -8}, {3, -4}, {5, -7}, {-2, -3}})
                     s.l.rechteck(s.fx + x, s.fy + y, 2, 2, pal::beere);
             });
         }},
        {"Getreidesaat",
         [] {
             return stehend(18, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) { l.punkt(x, y - 1, pal::stroh_dunkel); });
             });
         }},
        {"Junges Getreide",
         [] {
             return stehend(20, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) { l.linie(x, y, x, y - 3, pal::laub_hell); });
             });
         }},
        {"Reifes Getreide",
         [] {
             return stehend(22, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) {
                     l.linie(x, y, x, y - 5, pal::stroh_dunkel);
                     l.rechteck(x, y - 7, 2, 3, pal::stroh);
                 });
             });
         }},
        {"Rübensaat",
         [] {
             return stehend(18, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) { l.punkt(x, y - 1, pal::laub); });
             });
         }},
        {"Rübenkraut",
         [] {
             return stehend(20, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) { l.ellipse(x, y - 2, 2, 2, pal::laub); });
             });
         }},
        {"Reife Rüben",
         [] {
             return stehend(20, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) {
                     l.ellipse(x, y - 3, 2, 2, pal::laub);
                     l.rechteck(x - 1, y - 1, 3, 2, rgb(200, 120, 170));
                 });
             });
         }},
        {"Flachssaat",
         [] {
             return stehend(18, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) { l.punkt(x, y - 1, pal::gras); });
             });
         }},
        {"Junger Flachs",
         [] {
             return stehend(20, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) { l.linie(x, y, x, y - 4, rgb(150, 168, 88)); });
             });
         }},
        {"Blühender Flachs",
         [] {
             return stehend(22, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) {
                     l.linie(x, y, x, y - 5, rgb(150, 168, 88));
                     l.rechteck(x - 1, y - 7, 2, 2, rgb(122, 150, 222));
                 });
             });
         }},
        {"Leerer Bienenkorb",
         [] {
             return stehend(22, [](Stand& s) {
                 s.l.rechteck(s.fx - 6, s.fy - 2, 12, 2, pal::holz_dunkel);
                 s.l.ellipse(s.fx, s.fy - 7, 5, 6, pal::stroh);
                 s.l.rechteck(s.fx - 1, s.fy - 4, 2, 2, pal::kohle);
             });
         }},
        {"Voller Bienenkorb",
         [] {
             return stehend(22, [](Stand& s) {
                 s.l.rechteck(s.fx - 6, s.fy - 2, 12, 2, pal::holz_dunkel);
                 s.l.ellipse(s.fx, s.fy - 7, 5, 6, pal::stroh);
                 for (int i = -2; i <= 2; ++i)
                     s.l.linie(s.fx - 5, s.fy - 7 + i * 2, s.fx + 5, s.fy - 7 + i * 2, pal::stroh_dunkel);
                 s.l.rechteck(s.fx - 1, s.fy - 4, 2, 2, pal::kohle);
                 s.l.rechteck(s.fx + 4, s.fy - 3, 3, 3, pal::gold);
                 s.l.punkt(s.fx - 7, s.fy - 12, pal::kohle);
                 s.l.punkt(s.fx + 7, s.fy - 14, pal::kohle);
             });
         }},
        {"Kräutersaat",
         [] {
             return stehend(18, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) { l.punkt(x, y - 1, pal::laub_hell); });
             });
         }},
        {"Kräuterbeet",
         [] {
             return stehend(20, [](Stand& s) {
                 feld(s, [](Leinwand& l, int x, int y) {
                     l.ellipse(x, y - 2, 1, 2, pal::laub_hell);
                     l.punkt(x + 1, y - 4, pal::violett);
                 });
             });
         }},
        {"Holzstapel",
         [] {
             Leinwand l(9, 5);
             l.rechteck(0, 0, 9, 4, pal::holz);
             l.linie(0, 0, 8, 0, pal::holz_hell);
             l.ellipse(8, 2, 1, 2, pal::holz_hell);
             l.marker(0, 4, MARKER_ROT);
             return l;
         }},
        {"Steinhaufen",
         [] {
             Leinwand l(9, 6);
             l.ellipse(4, 3, 4, 2, pal::stein);
             l.linie(1, 2, 5, 1, pal::stein_hell);
             l.marker(0, 5, MARKER_ROT);
             return l;
         }},
        {"Mühlrad", [] { return muehlrad(0); }},
        {"Mühlrad drehend 1", [] { return muehlrad(1); }},
        {"Mühlrad drehend 2", [] { return muehlrad(2); }},
    };
    return m;
}

}  // namespace

std::optional<Leinwand> ambiente_bild(const std::string& titel) {
    const auto& m = ambiente_motive();
    auto it = m.find(titel);
    if (it == m.end()) return std::nullopt;
    return it->second();
}

// Building pictures: a ground plate over the footprint and a body standing on it,
// with the clan flag point, smoke and fire points and a sign showing the product.
#include <algorithm>
#include <functional>
#include <map>

#include "bild_motive.h"

namespace {

constexpr int RAND = 2;

// Drawing context of one building: picture coordinates are the anchor-relative
// screen offsets shifted by the anchor pixel (ax, ay).
struct Bau {
    Leinwand l;
    int ax, ay;                       // anchor pixel
    int xmin, xmax, ymin, ymax;       // footprint on screen, anchor-relative
    int front_x0, front_x1, front_y;  // front row of the footprint
    int reihen;                       // rows of the footprint
    int flagge_x = -1, flagge_y = -1;
    std::vector<std::pair<int, int>> punkte;
    int X(int xr) const { return ax + xr; }
    int Y(int yr) const { return ay + yr; }
};

struct Haus {
    int x0, ybase, breite, wand, tiefe, dach;
    Farbe wandf, dachf;
    int dachart;  // 0 gable, 1 thatch, 2 flat, 3 pyramid
};

// Screen origin of a footprint cell relative to the anchor.
std::pair<int, int> zellursprung(const Fusszelle& z) { return {20 * z.dx + 10 * z.dy, -10 * z.dy}; }

void zelle_fuellen(Bau& b, const Fusszelle& z, Farbe f) {
    auto [ox, oy] = zellursprung(z);
    b.l.vieleck({{b.X(ox + 1), b.Y(oy + 1)},
                 {b.X(ox + 22), b.Y(oy + 1)},
                 {b.X(ox + 32), b.Y(oy - 9)},
                 {b.X(ox + 11), b.Y(oy - 9)}},
                f);
}

// Draws a house; returns the point of its ridge at the back (for the flag).
std::pair<int, int> haus(Bau& b, const Haus& h) {
    auto& l = b.l;
    const int x0 = h.x0, x1 = h.x0 + h.breite, yb = h.ybase, yw = h.ybase - h.wand, t = h.tiefe;
    const Farbe seite = schattieren(h.wandf, 0.78);
    // side wall (to the back right)
    l.vieleck({{x1, yb}, {x1 + t, yb - t}, {x1 + t, yw - t}, {x1, yw}}, seite);
    // front wall
    l.rechteck(x0, yw, h.breite, h.wand, h.wandf);
    l.linie(x0, yb - 1, x1 - 1, yb - 1, schattieren(h.wandf, 0.7));
    std::pair<int, int> first;
    const int mitte = x0 + h.breite / 2;
    const Farbe dach_hell = schattieren(h.dachf, 1.15), dach_dunkel = schattieren(h.dachf, 0.8);
    switch (h.dachart) {
        case 2: {  // flat roof
            l.vieleck({{x0, yw}, {x1, yw}, {x1 + t, yw - t}, {x0 + t, yw - t}}, h.dachf);
            l.linie(x0, yw, x1, yw, dach_dunkel);
            first = {x0 + t + 2, yw - t};
            break;
        }
        case 3: {  // pyramid
            const int sx = mitte + t / 2, sy = yw - h.dach - t / 2;
            l.vieleck({{x0 - 1, yw}, {x1 + 1, yw}, {sx, sy}}, h.dachf);
            l.vieleck({{x1 + 1, yw}, {x1 + t, yw - t}, {sx, sy}}, dach_dunkel);
            l.linie(x0 - 1, yw, sx, sy, dach_hell);
            first = {sx, sy};
            break;
        }
        default: {  // gable along the depth; thatch is rounder and overhangs more
            const int ueber = h.dachart == 1 ? 3 : 1;
            const int fy = yw - h.dach;
            // roof slope to the right, running back
            l.vieleck({{mitte, fy},
                       {x1 + ueber, yw + ueber - 1},
                       {x1 + ueber + t, yw + ueber - 1 - t},
                       {mitte + t, fy - t}},
                      h.dachf);
            for (int i = 2; i < h.dach + t; i += (h.dachart == 1 ? 2 : 3)) {
                const double a = static_cast<double>(i) / (h.dach + t);
                l.linie(mitte + static_cast<int>(a * (x1 + ueber - mitte)),
                        fy + static_cast<int>(a * (yw + ueber - 1 - fy)),
                        mitte + t + static_cast<int>(a * (x1 + ueber - mitte)),
                        fy - t + static_cast<int>(a * (yw + ueber - 1 - fy)), dach_dunkel);
            }
            // front gable
            l.vieleck({{x0 - ueber, yw + ueber - 1}, {mitte, fy}, {x1 + ueber, yw + ueber - 1}},
                      h.dachart == 1 ? h.dachf : h.wandf);
            if (h.dachart != 1) {
                l.linie(x0 - ueber, yw + ueber - 1, mitte, fy, dach_dunkel);
                l.linie(mitte, fy, x1 + ueber, yw + ueber - 1, dach_dunkel);
                l.linie(x0 - ueber, yw + ueber - 1, mitte, fy - 1, h.dachf);
            } else {
                l.linie(x0 - ueber, yw + ueber - 1, mitte, fy, dach_hell);
            }
            l.linie(mitte, fy, mitte + t, fy - t, dach_hell);
            first = {mitte + t, fy - t};
            break;
        }
    }
    return first;
}

void tuer(Bau& b, int x, int yb, int breite, int hoehe) {
    b.l.rechteck(x, yb - hoehe, breite, hoehe, pal::holz_dunkel);
    b.l.rahmen(x - 1, yb - hoehe - 1, breite + 2, hoehe + 1, pal::umriss);
}

void fenster(Bau& b, int x, int y, Farbe f = pal::kohle) {
    b.l.rechteck(x, y, 4, 4, f);
    b.l.rahmen(x - 1, y - 1, 6, 6, pal::holz_dunkel);
}

void schornstein(Bau& b, int x, int ytop, int hoehe) {
    b.l.rechteck(x, ytop, 4, hoehe, pal::stein_dunkel);
    b.l.rechteck(x - 1, ytop, 6, 2, pal::stein);
    b.punkte.push_back({x + 2, ytop - 1});
}

// Dark beams over a plastered front wall.
void fachwerk(Bau& b, const Haus& h, int abstand, bool riegel) {
    for (int x = h.x0; x < h.x0 + h.breite; x += abstand)
        b.l.linie(x, h.ybase - h.wand, x, h.ybase - 1, pal::holz_dunkel);
    if (riegel)
        b.l.linie(h.x0, h.ybase - h.wand / 2, h.x0 + h.breite - 1, h.ybase - h.wand / 2, pal::holz_dunkel);
}

// Hanging sign with the product icon.
void schild(Bau& b, int x, int yb, const std::string& ware) {
    auto icon = ware_icon(ware);
    if (!icon) return;
    b.l.rechteck(x, yb - 20, 2, 20, pal::holz_dunkel);
    b.l.rechteck(x + 2, yb - 20, 6, 2, pal::holz_dunkel);
    b.l.rechteck(x + 3, yb - 18, 14, 14, pal::holz);
    b.l.rechteck(x + 4, yb - 17, 12, 12, pal::schild);
    b.l.einsetzen_skaliert(*icon, x + 4, yb - 17, 12, 12);
}

struct Stil {
    Farbe wand, dach;
    int dachart;
    int breite_prozent;  // of the front row
    int wand_h, dach_h;
    bool kamin;
    std::function<void(Bau&, const Haus&)> extra;
};

// The house of a style on the front row of the footprint, starting at its left.
Haus stil_haus(const Bau& b, const Stil& s) {
    Haus h;
    h.tiefe = std::clamp(10 * (b.reihen - 1), 5, 14);
    const int verfuegbar = b.front_x1 - b.front_x0 + 10 * (b.reihen - 1) - h.tiefe;
    h.breite = std::max(10, verfuegbar * s.breite_prozent / 100);
    h.x0 = b.X(b.front_x0 + 2);
    h.ybase = b.Y(b.front_y - 2);
    h.wand = s.wand_h;
    h.dach = s.dach_h;
    h.wandf = s.wand;
    h.dachf = s.dach;
    h.dachart = s.dachart;
    return h;
}

void standard_fenster(Bau& b, const Haus& h, bool glas) {
    const Farbe f = glas ? pal::glas : pal::kohle;
    const int y = h.ybase - h.wand + 3;
    if (h.wand < 9) return;
    for (int x = h.x0 + 3; x + 5 < h.x0 + h.breite - 9; x += 9) fenster(b, x, y, f);
}

// Extras of the buildings ----------------------------------------------------

void hof(Bau& b, const Haus& h, Farbe f) {
    const int x = h.x0 + h.breite + h.tiefe + 2;
    const int ende = b.X(b.xmax - 4);
    if (x + 4 < ende) b.l.rechteck(x, h.ybase - 3, ende - x, 3, f);
}

void feldreihen(Bau& b, const Haus& h, Farbe boden, Farbe pflanze) {
    const int x0 = h.x0 + h.breite + h.tiefe + 3;
    const int x1 = b.X(b.xmax) - 4;
    for (int r = 0; r < 4; ++r) {
        const int y = h.ybase - 2 - r * 4;
        const int a = x0 + r * 4, e = x1 - (3 - r) * 2;
        if (a >= e) continue;
        b.l.linie(a, y, e, y, boden);
        for (int x = a + 1; x < e; x += 3) b.l.rechteck(x, y - 2, 1, 2, pflanze);
    }
}

void huegel(Bau& b, const Haus& h, bool gold) {
    const int cx = h.x0 + h.breite / 2 + h.tiefe / 2, cy = h.ybase - 4;
    b.l.ellipse(cx, cy - 8, h.breite / 2 + 6, 16, pal::stein_dunkel);
    b.l.ellipse(cx - 4, cy - 12, h.breite / 2, 11, pal::stein);
    b.l.ellipse(cx - 8, cy - 16, h.breite / 4, 5, pal::stein_hell);
    if (gold)
        for (int i = 0; i < 7; ++i)
            b.l.rechteck(cx - 14 + i * 5, cy - 18 + (i % 3) * 5, 2, 2, pal::gold_hell);
    // timbered entrance
    b.l.rechteck(cx - 6, cy - 12, 12, 13, pal::kohle);
    b.l.rechteck(cx - 8, cy - 14, 16, 3, pal::holz);
    b.l.rechteck(cx - 8, cy - 12, 3, 13, pal::holz);
    b.l.rechteck(cx + 5, cy - 12, 3, 13, pal::holz);
    // cart
    b.l.rechteck(cx + 12, cy - 6, 10, 5, pal::holz_dunkel);
    b.l.kreis(cx + 14, cy, 2, pal::eisen);
    b.l.kreis(cx + 20, cy, 2, pal::eisen);
    b.l.rechteck(cx + 13, cy - 8, 8, 2, gold ? pal::gold : rgb(150, 86, 56));
    b.flagge_x = cx - 4;
    b.flagge_y = cy - 26;
    b.punkte.push_back({cx, cy - 14});
    b.punkte.push_back({cx - 12, cy - 10});
}

void zelt(Bau& b, int cx, int yb, int breite, int hoehe, Farbe f) {
    b.l.vieleck({{cx - breite / 2, yb}, {cx + breite / 2, yb}, {cx, yb - hoehe}}, f);
    b.l.vieleck({{cx, yb - hoehe}, {cx + breite / 2, yb}, {cx + breite / 2 + 5, yb - 5}},
                schattieren(f, 0.75));
    b.l.vieleck({{cx - 3, yb}, {cx + 3, yb}, {cx, yb - hoehe / 2}}, pal::holz_dunkel);
    b.l.linie(cx, yb - hoehe - 3, cx, yb - hoehe, pal::holz_dunkel);
}

void beete(Bau& b, const Haus& h, Farbe f) {
    const int x0 = h.x0 + h.breite + h.tiefe + 3;
    for (int i = 0; i < 4; ++i) {
        const int x = x0 + (i % 2) * 9 + (i / 2) * 4, y = h.ybase - 3 - (i / 2) * 6;
        if (x + 6 > b.X(b.xmax)) continue;
        b.l.ellipse(x + 3, y, 4, 3, pal::laub);
        b.l.rechteck(x + 1, y - 1, 2, 2, f);
        b.l.rechteck(x + 4, y, 2, 2, f);
    }
}

const std::map<std::string, Stil>& stile() {
    using namespace pal;
    static const std::map<std::string, Stil> m = {
        {"Platzhalter", {stein, stein_dunkel, 2, 60, 6, 2, false, nullptr}},
        {"Siedlerlager",
         {leinen, leinen, 3, 30, 0, 0, false,
          [](Bau& b, const Haus& h) {
              zelt(b, h.x0 + 10, h.ybase, 20, 18, leinen);
              zelt(b, h.x0 + 34, h.ybase - 9, 18, 16, schattieren(leinen, 0.9));
              // camp fire and crates
              const int fx = h.x0 + 30, fy = h.ybase + 2;
              b.l.ellipse(fx, fy, 4, 2, stein_dunkel);
              b.l.vieleck({{fx - 2, fy}, {fx + 2, fy}, {fx, fy - 5}}, feuer);
              b.l.rechteck(h.x0 + 44, h.ybase - 4, 6, 5, holz);
              b.l.rechteck(h.x0 + 47, h.ybase - 8, 6, 5, holz_hell);
              b.flagge_x = h.x0 + 34;
              b.flagge_y = h.ybase - 28;
              b.punkte.push_back({h.x0 + 10, h.ybase - 12});
              b.punkte.push_back({h.x0 + 34, h.ybase - 20});
          }}},
        {"Dorfhalle",
         {holz, ziegel, 0, 90, 13, 14, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + h.breite / 2 - 3, h.ybase, 7, 9);
              standard_fenster(b, h, false);
              b.l.rechteck(h.x0, h.ybase - h.wand, h.breite, 2, holz_dunkel);
          }}},
        {"Holzfällerhütte",
         {holz, stroh, 1, 55, 9, 9, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 4, h.ybase, 5, 7);
              // chopping block with axe
              const int x = h.x0 + h.breite - 4;
              b.l.rechteck(x, h.ybase + 1, 5, 3, holz_hell);
              b.l.linie(x + 2, h.ybase, x + 5, h.ybase - 5, holz_dunkel);
              b.l.rechteck(x + 4, h.ybase - 7, 3, 3, eisen);
          }}},
        {"Steinbruch",
         {stein, holz_dunkel, 2, 50, 8, 0, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 6);
              b.l.rechteck(h.x0 + h.breite - 8, h.ybase - 5, 6, 5, stein_hell);
              b.l.linie(h.x0 + h.breite - 10, h.ybase, h.x0 + h.breite - 5, h.ybase - 10, holz_dunkel);
              b.l.rechteck(h.x0 + h.breite - 7, h.ybase - 12, 5, 2, eisen);
          }}},
        {"Fischerhütte",
         {holz_hell, schiefer, 0, 55, 9, 8, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 3;
              b.l.rechteck(x, h.ybase - 12, 2, 12, holz_dunkel);
              b.l.rechteck(x + 12, h.ybase - 12, 2, 12, holz_dunkel);
              b.l.linie(x, h.ybase - 11, x + 13, h.ybase - 11, holz_dunkel);
              for (int i = 0; i < 3; ++i) b.l.ellipse(x + 4 + i * 4, h.ybase - 7, 1, 3, rgb(96, 126, 150));
              for (int i = 0; i < 5; ++i) b.l.linie(x + 2 + i * 2, h.ybase - 3, x + 3 + i * 2, h.ybase, stroh_dunkel);
          }}},
        {"Beerengarten",
         {holz_hell, stroh, 1, 45, 8, 8, false, [](Bau& b, const Haus& h) { beete(b, h, beere); }}},
        {"Laubhütte",
         {laub, rgb(110, 120, 60), 1, 70, 5, 10, false,
          [](Bau& b, const Haus& h) { tuer(b, h.x0 + h.breite / 2 - 2, h.ybase, 4, 5); }}},
        {"Lehmhütte",
         {lehm, stroh, 1, 75, 8, 8, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 2, h.ybase, 4, 6);
              fenster(b, h.x0 + h.breite - 7, h.ybase - 7);
          }}},
        {"Förster",
         {holz, laub, 0, 45, 8, 8, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 4;
              for (int i = 0; i < 3; ++i) {
                  const int tx = x + i * 7, ty = h.ybase - 2 - (i % 2) * 5;
                  b.l.rechteck(tx, ty - 3, 1, 4, rinde);
                  b.l.vieleck({{tx - 3, ty - 2}, {tx + 4, ty - 2}, {tx, ty - 9}}, nadel);
              }
          }}},
        {"Jagdhütte",
         {holz_dunkel, stroh_dunkel, 1, 55, 9, 8, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              // antlers above the door
              const int x = h.x0 + h.breite / 2 + 3, y = h.ybase - h.wand + 2;
              b.l.linie(x - 4, y - 3, x, y, holz_hell);
              b.l.linie(x + 4, y - 3, x, y, holz_hell);
              b.l.punkt(x - 3, y - 4, holz_hell);
              b.l.punkt(x + 3, y - 4, holz_hell);
          }}},
        {"Sägewerk",
         {holz, holz_dunkel, 0, 60, 10, 10, false,
          [](Bau& b, const Haus& h) {
              // open front with a saw blade and a log
              b.l.rechteck(h.x0 + 3, h.ybase - h.wand + 2, h.breite - 6, h.wand - 2, holz_dunkel);
              b.l.kreis(h.x0 + h.breite / 2, h.ybase - 5, 5, eisen_hell);
              b.l.kreis(h.x0 + h.breite / 2, h.ybase - 5, 1, eisen);
              b.l.rechteck(h.x0 + 4, h.ybase - 3, h.breite - 8, 3, holz_hell);
              hof(b, h, holz);
          }}},
        {"Köhlerei",
         {holz, stroh_dunkel, 1, 35, 8, 7, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 2, h.ybase, 4, 6);
              const int cx = h.x0 + h.breite + h.tiefe + 12, cy = h.ybase - 2;
              b.l.ellipse(cx, cy - 5, 12, 9, kohle);
              b.l.ellipse(cx - 3, cy - 8, 6, 4, rgb(70, 66, 66));
              b.l.rechteck(cx - 1, cy - 4, 3, 3, feuer);
              b.punkte.push_back({cx, cy - 15});
          }}},
        {"Erzmine", {stein, holz, 2, 60, 0, 0, false, [](Bau& b, const Haus& h) { huegel(b, h, false); }}},
        {"Schmiede",
         {stein, schiefer, 0, 70, 12, 12, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 4, h.ybase, 7, 9);
              b.l.rechteck(h.x0 + 5, h.ybase - 6, 5, 3, feuer);
              // anvil in front
              const int x = h.x0 + h.breite - 12;
              b.l.rechteck(x + 2, h.ybase + 1, 4, 3, holz_dunkel);
              b.l.vieleck({{x - 1, h.ybase - 2}, {x + 9, h.ybase - 2}, {x + 7, h.ybase + 1}, {x + 1, h.ybase + 1}}, eisen);
          }}},
        {"Schmelzhütte",
         {stein_dunkel, schiefer, 2, 55, 14, 0, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 6, 8);
              // furnace tower
              const int x = h.x0 + h.breite - 8;
              b.l.rechteck(x, h.ybase - h.wand - 14, 10, h.wand + 14, stein);
              b.l.rechteck(x + 2, h.ybase - 6, 6, 5, feuer);
              b.l.rechteck(x + 3, h.ybase - 5, 4, 3, feuer_hell);
              b.punkte.push_back({x + 5, h.ybase - h.wand - 15});
          }}},
        {"Sandgrube",
         {holz_hell, stroh, 2, 35, 7, 0, false,
          [](Bau& b, const Haus& h) {
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.vieleck({{x, h.ybase}, {x + 22, h.ybase}, {x + 11, h.ybase - 10}}, sand);
              b.l.linie(x + 18, h.ybase - 2, x + 23, h.ybase - 12, holz_dunkel);
              b.l.rechteck(x + 16, h.ybase - 2, 4, 3, eisen);
          }}},
        {"Rübenacker",
         {holz, stroh, 1, 40, 8, 8, false, [](Bau& b, const Haus& h) { feldreihen(b, h, erde, rgb(150, 72, 128)); }}},
        {"Grubenhaus",
         {erde, stroh, 1, 70, 4, 13, false,
          [](Bau& b, const Haus& h) { tuer(b, h.x0 + h.breite / 2 - 2, h.ybase, 5, 4); }}},
        {"Blockhaus",
         {holz, holz_dunkel, 0, 75, 10, 10, true,
          [](Bau& b, const Haus& h) {
              for (int y = h.ybase - h.wand + 2; y < h.ybase; y += 3) b.l.linie(h.x0, y, h.x0 + h.breite - 1, y, rinde);
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              fenster(b, h.x0 + h.breite - 9, h.ybase - 8);
          }}},
        {"Fachwerkhaus",
         {putz, ziegel, 0, 80, 13, 11, true,
          [](Bau& b, const Haus& h) {
              fachwerk(b, h, 6, true);
              tuer(b, h.x0 + 2, h.ybase, 4, 6);
              fenster(b, h.x0 + 14, h.ybase - h.wand + 2);
          }}},
        {"Mühle",
         {putz, stroh, 0, 70, 14, 12, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 4, h.ybase, 6, 8);
              fenster(b, h.x0 + 16, h.ybase - 11);
          }}},
        {"Kornfeld",
         {holz, stroh, 1, 40, 8, 8, false, [](Bau& b, const Haus& h) { feldreihen(b, h, erde, stroh); }}},
        {"Bäckerei",
         {putz, ziegel, 0, 55, 10, 9, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 8;
              b.l.ellipse(x, h.ybase - 4, 8, 6, lehm);
              b.l.ellipse(x, h.ybase - 2, 3, 2, feuer);
              b.punkte.push_back({x, h.ybase - 11});
          }}},
        {"Flachsfeld",
         {holz, stroh, 1, 40, 8, 8, false, [](Bau& b, const Haus& h) { feldreihen(b, h, erde, rgb(122, 150, 222)); }}},
        {"Sippenzelt",
         {leinen, leinen, 3, 70, 3, 16, false,
          [](Bau& b, const Haus& h) { tuer(b, h.x0 + h.breite / 2 - 2, h.ybase, 5, 6); }}},
        {"Langhaus",
         {holz, stroh, 1, 85, 8, 11, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + h.breite / 2 - 2, h.ybase, 5, 6);
              b.l.rechteck(h.x0, h.ybase - h.wand, h.breite, 1, holz_dunkel);
          }}},
        {"Weberei",
         {putz, schiefer, 0, 60, 11, 9, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.rechteck(x, h.ybase - 12, 2, 12, holz_dunkel);
              b.l.rechteck(x + 14, h.ybase - 12, 2, 12, holz_dunkel);
              b.l.rechteck(x + 2, h.ybase - 11, 12, 8, leinen);
          }}},
        {"Schneiderei",
         {putz, ziegel, 0, 60, 11, 9, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.linie(x, h.ybase - 13, x + 16, h.ybase - 13, holz_dunkel);
              b.l.rechteck(x, h.ybase - 13, 1, 13, holz_dunkel);
              b.l.rechteck(x + 16, h.ybase - 13, 1, 13, holz_dunkel);
              b.l.rechteck(x + 3, h.ybase - 12, 5, 7, rgb(58, 98, 156));
              b.l.rechteck(x + 10, h.ybase - 12, 5, 7, rot);
          }}},
        {"Räucherei",
         {holz_dunkel, schiefer, 0, 55, 10, 9, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.linie(x, h.ybase - 10, x + 14, h.ybase - 10, holz_dunkel);
              for (int i = 0; i < 4; ++i) b.l.ellipse(x + 2 + i * 4, h.ybase - 6, 1, 3, rgb(180, 120, 56));
          }}},
        {"Glashütte",
         {stein, stein_dunkel, 0, 65, 12, 10, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 4, h.ybase, 6, 8);
              const int cx = h.x0 + h.breite + h.tiefe + 6;
              b.l.ellipse(cx, h.ybase - 7, 8, 8, lehm);
              b.l.ellipse(cx, h.ybase - 5, 3, 3, feuer_hell);
              b.l.rechteck(cx - 2, h.ybase - 22, 4, 9, stein_dunkel);
              b.punkte.push_back({cx, h.ybase - 23});
          }}},
        {"Imkerei",
         {holz_hell, stroh, 1, 45, 8, 8, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 4;
              for (int i = 0; i < 3; ++i) {
                  b.l.rechteck(x + i * 8 - 3, h.ybase - 1, 7, 2, holz_dunkel);
                  b.l.ellipse(x + i * 8, h.ybase - 5, 3, 4, stroh);
              }
          }}},
        {"Hofstelle",
         {holz, stroh, 1, 55, 10, 11, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              fenster(b, h.x0 + h.breite - 9, h.ybase - 8);
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.rechteck(x, h.ybase - 8, 14, 8, holz_dunkel);
              b.l.vieleck({{x - 1, h.ybase - 8}, {x + 15, h.ybase - 8}, {x + 7, h.ybase - 15}}, stroh_dunkel);
          }}},
        {"Bauernhaus",
         {putz, ziegel, 0, 70, 14, 12, true,
          [](Bau& b, const Haus& h) {
              fachwerk(b, h, 7, true);
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              standard_fenster(b, h, false);
          }}},
        {"Kräutergarten",
         {holz_hell, laub, 1, 40, 8, 8, false, [](Bau& b, const Haus& h) { beete(b, h, violett); }}},
        {"Schuttsammler",
         {holz_dunkel, holz, 2, 40, 8, 0, false,
          [](Bau& b, const Haus& h) {
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.ellipse(x + 8, h.ybase - 3, 8, 4, erde);
              b.l.rechteck(x + 4, h.ybase - 6, 4, 3, stein);
              b.l.rechteck(x + 10, h.ybase - 5, 3, 2, ziegel);
              b.l.rechteck(x + 16, h.ybase - 6, 8, 4, holz);
              b.l.kreis(x + 18, h.ybase - 1, 2, eisen);
          }}},
        {"Fischerei",
         {holz_hell, schiefer, 0, 60, 12, 11, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 6, 8);
              standard_fenster(b, h, false);
              const int x = h.x0 + h.breite + h.tiefe + 1;
              b.l.vieleck({{x, h.ybase - 6}, {x + 18, h.ybase - 6}, {x + 15, h.ybase - 1}, {x + 3, h.ybase - 1}}, holz);
              b.l.linie(x + 9, h.ybase - 6, x + 9, h.ybase - 18, holz_dunkel);
              b.l.vieleck({{x + 10, h.ybase - 17}, {x + 16, h.ybase - 8}, {x + 10, h.ybase - 8}}, leinen);
          }}},
        {"Glasbläserei",
         {putz, schiefer, 0, 60, 11, 9, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              standard_fenster(b, h, true);
          }}},
        {"Metbrauerei",
         {holz, ziegel, 0, 55, 11, 9, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              const int x = h.x0 + h.breite + h.tiefe + 3;
              for (int i = 0; i < 3; ++i) {
                  b.l.ellipse(x + 4 + i * 8, h.ybase - 4, 3, 4, holz);
                  b.l.linie(x + 1 + i * 8, h.ybase - 5, x + 7 + i * 8, h.ybase - 5, eisen);
              }
          }}},
        {"Gesindehaus",
         {holz_hell, holz_dunkel, 0, 75, 16, 12, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + h.breite / 2 - 3, h.ybase, 6, 8);
              standard_fenster(b, h, false);
              b.l.linie(h.x0, h.ybase - 9, h.x0 + h.breite - 1, h.ybase - 9, holz_dunkel);
          }}},
        {"Steinhaus",
         {stein_hell, schiefer, 0, 75, 16, 12, true,
          [](Bau& b, const Haus& h) {
              for (int y = h.ybase - h.wand + 3; y < h.ybase; y += 4)
                  for (int x = h.x0 + ((y / 4) % 2) * 3; x < h.x0 + h.breite; x += 6) b.l.punkt(x, y, stein);
              tuer(b, h.x0 + h.breite / 2 - 3, h.ybase, 6, 8);
              standard_fenster(b, h, true);
          }}},
        {"Bürgerhaus",
         {putz, ziegel, 0, 80, 18, 13, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + h.breite / 2 - 3, h.ybase, 6, 9);
              standard_fenster(b, h, true);
              for (int x = h.x0 + 3; x + 5 < h.x0 + h.breite - 9; x += 9) fenster(b, x, h.ybase - 8, glas);
              b.l.rechteck(h.x0, h.ybase - h.wand, h.breite, 2, gold);
          }}},
        {"Goldmine", {stein, holz, 2, 60, 0, 0, false, [](Bau& b, const Haus& h) { huegel(b, h, true); }}},
        {"Münzpräge",
         {stein, schiefer, 0, 65, 13, 11, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 4, h.ybase, 6, 8);
              b.l.rechteck(h.x0, h.ybase - h.wand, h.breite, 2, gold);
              b.l.kreis(h.x0 + h.breite - 8, h.ybase - 7, 3, gold);
          }}},
        {"Gutshof",
         {putz, ziegel, 0, 45, 13, 12, true,
          [](Bau& b, const Haus& h) {
              fachwerk(b, h, 7, false);
              tuer(b, h.x0 + 3, h.ybase, 5, 7);
              feldreihen(b, h, erde, stroh);
          }}},
        {"Wohnhof",
         {holz, stroh, 1, 50, 12, 12, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 4, h.ybase, 5, 7);
              standard_fenster(b, h, false);
              Haus n = h;
              n.x0 = h.x0 + h.breite + h.tiefe + 3;
              n.ybase = h.ybase - 8;
              n.breite = std::min(28, b.X(b.xmax) - n.x0 - 16);
              n.tiefe = 8;
              n.wand = 10;
              n.dach = 10;
              if (n.breite > 10) {
                  haus(b, n);
                  tuer(b, n.x0 + 3, n.ybase, 4, 6);
              }
          }}},
        {"Herrenhaus",
         {stein_hell, schiefer, 0, 60, 20, 14, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + h.breite / 2 - 4, h.ybase, 8, 10);
              standard_fenster(b, h, true);
              for (int x = h.x0 + 3; x + 5 < h.x0 + h.breite - 9; x += 9) fenster(b, x, h.ybase - 9, glas);
              // tower
              const int x = h.x0 + h.breite + h.tiefe + 4;
              b.l.rechteck(x, h.ybase - 34, 12, 34, stein);
              b.l.rechteck(x + 9, h.ybase - 34, 3, 34, stein_dunkel);
              b.l.vieleck({{x - 2, h.ybase - 34}, {x + 14, h.ybase - 34}, {x + 6, h.ybase - 48}}, schiefer);
              fenster(b, x + 4, h.ybase - 26, glas);
              b.flagge_x = x + 6;
              b.flagge_y = h.ybase - 49;
          }}},
        {"Luftschiffwerft",
         {holz, holz_dunkel, 2, 30, 10, 0, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 6, 8);
              const int x0 = h.x0 + h.breite + h.tiefe + 2, x1 = b.X(b.xmax) - 6;
              // scaffold with an airship hull
              for (int x = x0; x <= x1; x += 10) b.l.rechteck(x, h.ybase - 36, 2, 36, holz_dunkel);
              b.l.linie(x0, h.ybase - 36, x1 + 1, h.ybase - 36, holz_dunkel);
              b.l.linie(x0, h.ybase - 18, x1 + 1, h.ybase - 18, holz_dunkel);
              const int cx = (x0 + x1) / 2;
              b.l.ellipse(cx, h.ybase - 27, (x1 - x0) / 2 - 2, 8, leinen);
              b.l.ellipse(cx - 3, h.ybase - 29, (x1 - x0) / 3, 4, weiss);
              b.l.rechteck(cx - 8, h.ybase - 12, 16, 5, holz);
              b.flagge_x = x1;
              b.flagge_y = h.ybase - 37;
          }}},
        {"Akademie",
         {stein_hell, schiefer, 0, 55, 16, 10, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 6, 9);
              standard_fenster(b, h, true);
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.rechteck(x, h.ybase - 30, 14, 30, stein_hell);
              b.l.rechteck(x + 10, h.ybase - 30, 4, 30, stein);
              b.l.ellipse(x + 7, h.ybase - 30, 8, 6, rgb(96, 130, 150));
              b.l.linie(x + 7, h.ybase - 33, x + 16, h.ybase - 42, eisen);
              fenster(b, x + 5, h.ybase - 22, glas);
              b.flagge_x = x + 4;
              b.flagge_y = h.ybase - 37;
          }}},
        {"Raseneisengrube",
         {holz_dunkel, stroh_dunkel, 1, 40, 8, 8, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 2, h.ybase, 5, 6);
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.ellipse(x + 10, h.ybase - 2, 10, 3, rgb(70, 90, 80));
              b.l.ellipse(x + 6, h.ybase - 6, 5, 3, rgb(150, 86, 56));
              b.l.linie(x + 16, h.ybase - 2, x + 20, h.ybase - 12, holz_dunkel);
              b.l.rechteck(x + 14, h.ybase - 2, 4, 3, eisen);
          }}},
        {"Großschmiede",
         {stein_dunkel, schiefer, 0, 60, 15, 12, true,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 4, h.ybase, 8, 10);
              b.l.rechteck(h.x0 + 5, h.ybase - 7, 6, 4, feuer);
              standard_fenster(b, h, false);
              const int x = h.x0 + h.breite + h.tiefe + 2;
              b.l.rechteck(x, h.ybase - 30, 12, 30, stein);
              b.l.rechteck(x + 9, h.ybase - 30, 3, 30, stein_dunkel);
              b.l.rechteck(x + 3, h.ybase - 8, 6, 6, feuer);
              b.l.rechteck(x + 4, h.ybase - 7, 4, 3, feuer_hell);
              b.punkte.push_back({x + 6, h.ybase - 31});
              b.l.rechteck(x + 16, h.ybase + 1, 4, 3, holz_dunkel);
              b.l.vieleck({{x + 13, h.ybase - 2}, {x + 23, h.ybase - 2}, {x + 21, h.ybase + 1}, {x + 15, h.ybase + 1}}, eisen);
          }}},
        {"Lagerhaus",
         {holz, holz_dunkel, 0, 75, 14, 12, false,
          [](Bau& b, const Haus& h) {
              b.l.rechteck(h.x0 + h.breite / 2 - 6, h.ybase - 11, 12, 11, holz_dunkel);
              b.l.linie(h.x0 + h.breite / 2 - 6, h.ybase - 11, h.x0 + h.breite / 2 + 5, h.ybase - 1, holz);
              b.l.linie(h.x0 + h.breite / 2 + 5, h.ybase - 11, h.x0 + h.breite / 2 - 6, h.ybase - 1, holz);
              b.l.rechteck(h.x0 + 2, h.ybase - 5, 6, 5, holz_hell);
              b.l.rechteck(h.x0 + h.breite - 9, h.ybase - 5, 6, 5, holz_hell);
          }}},
        {"Hafen",
         {holz, schiefer, 0, 40, 12, 10, false,
          [](Bau& b, const Haus& h) {
              tuer(b, h.x0 + 3, h.ybase, 6, 8);
              const int x0 = h.x0 + h.breite + h.tiefe + 2, x1 = b.X(b.xmax) - 4;
              b.l.rechteck(x0, h.ybase - 14, x1 - x0, 4, holz_hell);
              for (int x = x0 + 2; x < x1; x += 8) b.l.rechteck(x, h.ybase - 10, 2, 10, holz_dunkel);
              // mooring mast and crane
              b.l.rechteck(x1 - 6, h.ybase - 44, 3, 30, holz_dunkel);
              b.l.rechteck(x1 - 8, h.ybase - 46, 7, 3, eisen);
              b.l.linie(x0 + 6, h.ybase - 14, x0 + 6, h.ybase - 32, holz_dunkel);
              b.l.linie(x0 + 6, h.ybase - 32, x0 + 20, h.ybase - 28, holz_dunkel);
              b.l.linie(x0 + 20, h.ybase - 28, x0 + 20, h.ybase - 20, umriss);
              b.l.rechteck(x0 + 18, h.ybase - 20, 5, 4, holz);
              b.flagge_x = x1 - 5;
              b.flagge_y = h.ybase - 47;
          }}},
        {"Landesteg",
         {holz, holz_dunkel, 2, 40, 5, 0, false,
          [](Bau& b, const Haus& h) {
              const int x0 = h.x0 + h.breite + h.tiefe + 2, x1 = b.X(b.xmax) - 4;
              b.l.rechteck(x0, h.ybase - 8, x1 - x0, 3, holz_hell);
              for (int x = x0 + 2; x < x1; x += 7) b.l.rechteck(x, h.ybase - 5, 2, 5, holz_dunkel);
              b.l.rechteck(x1 - 4, h.ybase - 30, 3, 22, holz_dunkel);
              b.l.rechteck(x1 - 6, h.ybase - 31, 7, 2, eisen);
              b.flagge_x = x1 - 3;
              b.flagge_y = h.ybase - 32;
          }}},
    };
    return m;
}

Bau bau_anlegen(const Gebaeudeangaben& g, int oben) {
    int xmin = 1 << 20, xmax = -(1 << 20), ymin = 1 << 20, ymax = -(1 << 20);
    int dymin = 1 << 20, dymax = -(1 << 20);
    for (const auto& z : g.fuss) {
        auto [ox, oy] = zellursprung(z);
        xmin = std::min(xmin, ox + 1);
        xmax = std::max(xmax, ox + 32);
        ymin = std::min(ymin, oy - 9);
        ymax = std::max(ymax, oy + 1);
        dymin = std::min(dymin, z.dy);
        dymax = std::max(dymax, z.dy);
    }
    const int breite = xmax - xmin + 1 + 2 * RAND;
    const int hoehe = ymax - ymin + 1 + 2 * RAND + oben;
    Bau b{Leinwand(breite, hoehe),
          RAND - xmin,
          hoehe - 1 - RAND - ymax,
          xmin,
          xmax,
          ymin,
          ymax,
          0,
          0,
          0,
          0,
          -1,
          -1,
          {}};
    b.front_x0 = 1 << 20;
    b.front_x1 = -(1 << 20);
    for (const auto& z : g.fuss) {
        if (z.dy != dymin) continue;
        auto [ox, oy] = zellursprung(z);
        b.front_x0 = std::min(b.front_x0, ox + 1);
        b.front_x1 = std::max(b.front_x1, ox + 22);
        b.front_y = oy + 1;
    }
    b.reihen = dymax - dymin + 1;
    return b;
}

}  // namespace

std::optional<Gebaeudebild> gebaeude_bild(const Gebaeudeangaben& g) {
    const auto& m = stile();
    auto it = m.find(g.titel);
    if (it == m.end() || g.fuss.empty()) return std::nullopt;
    const Stil& s = it->second;
    Bau b = bau_anlegen(g, 40);
    // ground plate: trodden earth over every footprint cell
    for (const auto& z : g.fuss) zelle_fuellen(b, z, schattieren(pal::lehm, 1.08));
    Haus h = stil_haus(b, s);
    std::pair<int, int> first = {h.x0 + h.breite / 2, h.ybase - h.wand - h.dach};
    if (s.wand_h > 0) first = haus(b, h);
    if (s.kamin)
        schornstein(b, h.x0 + h.breite / 4 + h.tiefe / 2, h.ybase - h.wand - h.dach / 2 - h.tiefe / 2 - 6, 8);
    if (s.extra) s.extra(b, h);
    if (g.prozess) {
        // axle of the production model shown beside the building
        const int x = b.X(g.prozess->first), y = b.Y(g.prozess->second);
        b.l.rechteck(x - 2, y - 2, 5, 5, pal::holz_dunkel);
        b.l.kreis(x, y, 1, pal::eisen);
    }
    if (g.modus == "Produktion" && !g.waren.empty()) {
        const int sx = std::min(h.x0 + h.breite - 2, b.l.breite() - 20);
        schild(b, sx, h.ybase + 3, g.waren.front());
    }
    Gebaeudebild e{b.l, b.ax, b.ay, 0, 0, b.punkte};
    if (b.flagge_x >= 0) {
        e.flagge_x = b.flagge_x;
        e.flagge_y = b.flagge_y;
    } else {
        e.flagge_x = first.first;
        e.flagge_y = first.second - 1;
    }
    if (e.punkte.empty()) e.punkte.push_back({h.x0 + h.breite / 2, h.ybase - h.wand - 2});
    e.punkte.push_back({h.x0 + h.breite / 3, h.ybase - h.wand / 2});
    // drop the empty rows above the building
    int oben = e.bild.hoehe();
    for (int y = 0; y < e.bild.hoehe() && oben == e.bild.hoehe(); ++y)
        for (int x = 0; x < e.bild.breite(); ++x)
            if (e.bild.lesen(x, y) != TRANSPARENT) {
                oben = y;
                break;
            }
    oben = std::min({oben, e.flagge_y, e.anker_y});
    for (const auto& p : e.punkte) oben = std::min(oben, p.second);
    oben = std::max(0, oben - 1);
    if (oben > 0) {
        Leinwand k(e.bild.breite(), e.bild.hoehe() - oben);
        for (int y = 0; y < k.hoehe(); ++y)
            for (int x = 0; x < k.breite(); ++x) k.punkt(x, y, e.bild.lesen(x, y + oben));
        e.bild = k;
        e.anker_y -= oben;
        e.flagge_y -= oben;
        for (auto& p : e.punkte) p.second -= oben;
    }
    // keep every marker inside the picture
    auto klemmen = [&](int& x, int& y) {
        x = std::clamp(x, 0, e.bild.breite() - 2);
        y = std::clamp(y, 0, e.bild.hoehe() - 1);
    };
    klemmen(e.flagge_x, e.flagge_y);
    for (auto& p : e.punkte) klemmen(p.first, p.second);
    return e;
}

Leinwand gebaeude_icon(const Leinwand& bild) {
    Leinwand l(64, 64, schattieren(pal::schild, 0.95));
    l.rahmen(0, 0, 64, 64, pal::holz);
    l.rahmen(1, 1, 62, 62, pal::holz_hell);
    const int rand = 4, feld = 64 - 2 * rand;
    const int g = std::max(bild.breite(), bild.hoehe());
    const int b = bild.breite() * feld / g, h = bild.hoehe() * feld / g;
    l.einsetzen_skaliert(bild, rand + (feld - b) / 2, rand + (feld - h) / 2, b, h);
    return l;
}

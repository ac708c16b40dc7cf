// Goods icons, carry strips and skill badges.
#include <functional>
#include <map>

#include "bild_motive.h"

namespace {

using Motiv = std::function<void(Leinwand&)>;

void stamm(Leinwand& l, int x, int y, int laenge, int dicke) {
    l.rechteck(x, y, laenge, dicke, pal::holz);
    l.linie(x, y, x + laenge - 1, y, pal::holz_hell);
    l.linie(x, y + dicke - 1, x + laenge - 1, y + dicke - 1, pal::holz_dunkel);
    l.ellipse(x + laenge - 1, y + dicke / 2, dicke / 3, dicke / 2, pal::holz_hell);
    l.punkt(x + laenge - 1, y + dicke / 2, pal::holz_dunkel);
}

void fisch(Leinwand& l, int x, int y, Farbe koerper, Farbe bauch) {
    l.ellipse(x + 10, y + 5, 10, 5, koerper);
    l.ellipse(x + 11, y + 7, 7, 2, bauch);
    l.vieleck({{x + 19, y + 5}, {x + 26, y}, {x + 26, y + 10}}, schattieren(koerper, 0.8));
    l.punkt(x + 4, y + 4, pal::umriss);
    l.linie(x + 7, y + 2, x + 7, y + 8, schattieren(koerper, 0.7));
}

void sack(Leinwand& l, Farbe f) {
    l.vieleck({{10, 8}, {22, 8}, {27, 28}, {5, 28}}, f);
    l.ellipse(16, 22, 11, 7, f);
    l.rechteck(12, 5, 8, 4, schattieren(f, 0.8));
    l.linie(11, 9, 21, 9, pal::holz_dunkel);
    l.linie(8, 28, 24, 28, schattieren(f, 0.7));
}

void muenze(Leinwand& l, int cx, int cy) {
    l.ellipse(cx, cy, 7, 3, schattieren(pal::gold, 0.75));
    l.ellipse(cx, cy - 1, 7, 3, pal::gold);
    l.ellipse(cx, cy - 1, 4, 1, pal::gold_hell);
}

void ballon(Leinwand& l, int x, int y, int b, int h, bool nach_links) {
    l.ellipse(x + b / 2, y + h / 3, b / 2, h / 3, pal::leinen);
    l.ellipse(x + b / 2, y + h / 3 - 2, b / 2 - 3, h / 3 - 3, pal::weiss);
    for (int i = -1; i <= 1; ++i)
        l.linie(x + b / 2 + i * b / 4, y + 2, x + b / 2 + i * b / 4, y + 2 * h / 3 - 1, pal::stroh_dunkel);
    const int gy = y + 2 * h / 3 + 2;
    l.linie(x + b / 4, y + 2 * h / 3 - 1, x + b / 3, gy, pal::umriss);
    l.linie(x + 3 * b / 4, y + 2 * h / 3 - 1, x + 2 * b / 3, gy, pal::umriss);
    l.rechteck(x + b / 4, gy, b / 2, h / 4, pal::holz);
    l.linie(x + b / 4, gy, x + 3 * b / 4 - 1, gy, pal::holz_hell);
    const int px = nach_links ? x + 1 : x + b - 2;
    l.linie(px, gy - 1, px, gy + h / 4, pal::eisen);
}

const std::map<std::string, Motiv>& waren_motive() {
    static const std::map<std::string, Motiv> m = {
        {"Nichts",
         [](Leinwand& l) {
             l.rechteck(8, 8, 16, 16, pal::stein);
             l.rahmen(8, 8, 16, 16, pal::stein_dunkel);
         }},
        {"Holz",
         [](Leinwand& l) {
             stamm(l, 3, 17, 24, 8);
             stamm(l, 6, 9, 22, 8);
             stamm(l, 4, 23, 20, 6);
         }},
        {"Stein",
         [](Leinwand& l) {
             l.rechteck(3, 18, 13, 10, pal::stein);
             l.rechteck(16, 18, 13, 10, pal::stein_dunkel);
             l.rechteck(9, 8, 14, 10, pal::stein_hell);
             l.rahmen(3, 18, 13, 10, pal::stein_dunkel);
             l.rahmen(9, 8, 14, 10, pal::stein);
         }},
        {"Sand",
         [](Leinwand& l) {
             l.vieleck({{2, 28}, {16, 8}, {30, 28}}, pal::sand);
             l.vieleck({{16, 8}, {30, 28}, {20, 28}}, schattieren(pal::sand, 0.85));
             for (int i = 0; i < 6; ++i) l.punkt(8 + i * 3, 24 - (i % 2) * 4, pal::stroh_dunkel);
         }},
        {"Erz",
         [](Leinwand& l) {
             l.ellipse(16, 19, 12, 9, pal::stein_dunkel);
             l.ellipse(14, 17, 8, 5, pal::stein);
             for (auto [x, y] :
                  std::vector<std::pair<int, int>>{{9, 16}, {15, 21}, {21, 15}, {18, 24}, {12, 12}})
                 l.rechteck(x, y, 2, 2, rgb(168, 84, 48));
         }},
        {"Golderz",
         [](Leinwand& l) {
             l.ellipse(16, 19, 12, 9, pal::stein_dunkel);
             l.ellipse(14, 17, 8, 5, pal::stein);
             for (auto [x, y] :
                  std::vector<std::pair<int, int>>{{9, 16}, {15, 21}, {21, 15}, {18, 24}, {12, 12}})
                 l.rechteck(x, y, 2, 2, pal::gold_hell);
         }},
        {"Beeren",
         [](Leinwand& l) {
             l.ellipse(20, 8, 7, 3, pal::laub);
             for (auto [x, y] : std::vector<std::pair<int, int>>{
                      {10, 15}, {17, 14}, {13, 21}, {20, 21}, {8, 23}, {16, 27}}) {
                 l.kreis(x, y, 4, pal::beere);
                 l.punkt(x - 1, y - 2, rgb(206, 120, 170));
             }
         }},
        {"Fisch", [](Leinwand& l) { fisch(l, 2, 11, rgb(96, 126, 150), rgb(196, 206, 212)); }},
        {"Wildbret",
         [](Leinwand& l) {
             l.ellipse(13, 17, 9, 8, pal::fleisch);
             l.ellipse(12, 15, 5, 4, rgb(204, 128, 110));
             l.linie(19, 22, 27, 28, pal::weiss);
             l.linie(20, 22, 28, 27, pal::weiss);
             l.kreis(28, 28, 2, pal::weiss);
         }},
        {"Rüben",
         [](Leinwand& l) {
             l.vieleck({{12, 4}, {16, 12}, {20, 4}}, pal::laub);
             l.vieleck({{15, 3}, {16, 11}, {17, 3}}, pal::laub_hell);
             l.ellipse(16, 18, 8, 7, rgb(232, 226, 214));
             l.ellipse(16, 14, 8, 3, rgb(150, 72, 128));
             l.vieleck({{13, 24}, {19, 24}, {16, 30}}, rgb(220, 214, 200));
         }},
        {"Getreide",
         [](Leinwand& l) {
             for (int i = -2; i <= 2; ++i) l.linie(16 + i * 2, 29, 16 + i * 4, 12, pal::stroh_dunkel);
             for (int i = -2; i <= 2; ++i) l.ellipse(16 + i * 4, 9, 2, 5, pal::stroh);
             l.rechteck(11, 20, 10, 3, pal::holz_dunkel);
         }},
        {"Flachs",
         [](Leinwand& l) {
             for (int i = -3; i <= 3; ++i) l.linie(16 + i, 29, 16 + i * 3, 9, rgb(150, 168, 88));
             for (int i = -3; i <= 3; i += 2) l.kreis(16 + i * 3, 7, 2, rgb(122, 150, 222));
             l.rechteck(11, 21, 10, 3, pal::stroh_dunkel);
         }},
        {"Honig",
         [](Leinwand& l) {
             l.ellipse(16, 20, 10, 9, pal::lehm);
             l.rechteck(10, 8, 12, 4, schattieren(pal::lehm, 0.8));
             l.ellipse(16, 9, 7, 2, pal::gold);
             l.rechteck(20, 10, 3, 7, pal::gold);
             l.ellipse(12, 18, 2, 4, schattieren(pal::lehm, 1.3));
         }},
        {"Kräuter",
         [](Leinwand& l) {
             for (int i = -3; i <= 3; ++i) {
                 l.linie(16, 28, 16 + i * 3, 8 + (i * i) / 2, pal::gras_dunkel);
                 l.ellipse(16 + i * 3, 9 + (i * i) / 2, 2, 3, i % 2 ? pal::laub_hell : pal::laub);
             }
             l.rechteck(13, 22, 6, 3, pal::rot);
         }},
        {"Bretter",
         [](Leinwand& l) {
             for (int i = 0; i < 4; ++i) {
                 const int y = 24 - i * 5;
                 l.vieleck({{3 + i, y}, {25 + i, y - 4}, {29 + i, y - 2}, {7 + i, y + 3}},
                           i % 2 ? pal::holz_hell : pal::holz);
                 l.linie(7 + i, y + 3, 29 + i, y - 2, pal::holz_dunkel);
             }
         }},
        {"Holzkohle",
         [](Leinwand& l) {
             for (auto [x, y, r] : std::vector<std::tuple<int, int, int>>{
                      {10, 22, 6}, {20, 22, 6}, {15, 14, 6}, {23, 12, 4}}) {
                 l.kreis(x, y, r, pal::kohle);
                 l.punkt(x - 2, y - 2, rgb(92, 90, 96));
             }
         }},
        {"Eisen",
         [](Leinwand& l) {
             for (int i = 0; i < 3; ++i) {
                 const int y = 22 - i * 6, x = 4 + (i % 2) * 4;
                 l.vieleck({{x, y + 5}, {x + 3, y}, {x + 21, y}, {x + 24, y + 5}},
                           i == 2 ? pal::eisen_hell : pal::eisen);
                 l.linie(x + 3, y, x + 21, y, pal::eisen_hell);
             }
         }},
        {"Werkzeug",
         [](Leinwand& l) {
             l.linie(6, 28, 22, 10, pal::holz);
             l.linie(7, 28, 23, 10, pal::holz_dunkel);
             l.vieleck({{18, 4}, {28, 14}, {25, 17}, {15, 7}}, pal::eisen);
             l.rechteck(4, 20, 3, 10, pal::holz_hell);
             l.vieleck({{7, 20}, {27, 20}, {27, 25}, {7, 27}}, pal::eisen_hell);
             for (int x = 9; x < 27; x += 3) l.punkt(x, 27 - (x - 7) / 10, pal::eisen);
         }},
        {"Glas",
         [](Leinwand& l) {
             l.vieleck({{6, 6}, {24, 4}, {26, 26}, {8, 28}}, pal::glas);
             l.linie(10, 20, 14, 19, pal::glas_hell);
             l.linie(6, 6, 24, 4, pal::eisen);
             l.linie(24, 4, 26, 26, pal::eisen);
             l.linie(11, 12, 18, 10, pal::glas_hell);
         }},
        {"Leinen",
         [](Leinwand& l) {
             l.rechteck(4, 10, 20, 14, pal::leinen);
             l.ellipse(24, 17, 4, 7, schattieren(pal::leinen, 0.85));
             l.ellipse(24, 17, 1, 3, pal::holz);
             for (int x = 6; x < 22; x += 4) l.linie(x, 10, x, 23, schattieren(pal::leinen, 0.9));
         }},
        {"Mehl",
         [](Leinwand& l) {
             sack(l, pal::weiss);
             l.kreis(16, 20, 3, pal::stroh);
         }},
        {"Brot",
         [](Leinwand& l) {
             l.ellipse(16, 19, 13, 8, rgb(176, 112, 56));
             l.ellipse(16, 17, 11, 5, rgb(204, 146, 80));
             for (int i = -2; i <= 2; ++i) l.linie(16 + i * 4 - 1, 14, 16 + i * 4 + 2, 20, rgb(150, 92, 44));
         }},
        {"Räucherfisch",
         [](Leinwand& l) {
             l.linie(2, 8, 30, 8, pal::holz_dunkel);
             fisch(l, 3, 12, rgb(180, 120, 56), rgb(214, 170, 96));
             l.linie(10, 8, 10, 14, pal::stroh_dunkel);
         }},
        {"Met",
         [](Leinwand& l) {
             l.ellipse(14, 20, 9, 9, pal::lehm);
             l.rechteck(10, 5, 8, 8, pal::lehm);
             l.rechteck(11, 3, 6, 3, pal::holz_dunkel);
             l.ellipse(24, 18, 4, 5, TRANSPARENT);
             l.ellipse(24, 18, 5, 6, schattieren(pal::lehm, 0.8));
             l.ellipse(24, 18, 3, 4, TRANSPARENT);
             l.rechteck(8, 17, 12, 4, pal::gold);
         }},
        {"Kleidung",
         [](Leinwand& l) {
             l.vieleck({{10, 5},
                        {22, 5},
                        {30, 12},
                        {26, 16},
                        {23, 13},
                        {23, 29},
                        {9, 29},
                        {9, 13},
                        {6, 16},
                        {2, 12}},
                       rgb(58, 98, 156));
             l.rechteck(13, 5, 6, 3, rgb(230, 220, 196));
             l.linie(9, 22, 23, 22, pal::gold);
         }},
        {"Glaswaren",
         [](Leinwand& l) {
             l.vieleck({{5, 6}, {17, 6}, {14, 16}, {8, 16}}, pal::glas);
             l.rechteck(10, 16, 2, 8, pal::glas);
             l.rechteck(6, 24, 10, 3, pal::glas);
             l.linie(7, 8, 9, 14, pal::glas_hell);
             l.ellipse(24, 21, 6, 8, rgb(120, 180, 150));
             l.rechteck(22, 6, 4, 8, rgb(120, 180, 150));
             l.linie(21, 17, 22, 25, pal::glas_hell);
         }},
        {"Gold",
         [](Leinwand& l) {
             for (int i = 0; i < 4; ++i) muenze(l, 12, 27 - i * 3);
             for (int i = 0; i < 3; ++i) muenze(l, 21, 25 - i * 3);
             muenze(l, 17, 12);
         }},
        {"Luftschiff", [](Leinwand& l) { ballon(l, 2, 2, 28, 28, true); }},
        {"Erfindung",
         [](Leinwand& l) {
             l.rechteck(3, 18, 18, 11, pal::leinen);
             l.ellipse(3, 23, 2, 5, schattieren(pal::leinen, 0.8));
             for (int y = 20; y < 28; y += 2) l.linie(6, y, 18, y, pal::stein_dunkel);
             l.kreis(21, 11, 9, pal::eisen);
             for (int i = 0; i < 8; ++i) {
                 static const int dx[8] = {0, 7, 10, 7, 0, -7, -10, -7};
                 static const int dy[8] = {-10, -7, 0, 7, 10, 7, 0, -7};
                 l.rechteck(21 + dx[i] - 1, 11 + dy[i] - 1, 3, 3, pal::eisen);
             }
             l.kreis(21, 11, 4, pal::eisen_hell);
             l.kreis(21, 11, 2, pal::umriss);
         }},
    };
    return m;
}

// Skill -> the good its badge shows, and the badge colour.
struct Abzeichen {
    const char* ware;
    Farbe farbe;
};

const std::map<std::string, Abzeichen>& skill_abzeichen() {
    static const std::map<std::string, Abzeichen> m = {
        {"Keiner", {"Nichts", rgb(120, 120, 120)}},
        {"Forstwirtschaft", {"Holz", rgb(62, 116, 62)}},
        {"Ackerbau", {"Getreide", rgb(150, 120, 50)}},
        {"Steinmetzkunst", {"Stein", rgb(90, 96, 110)}},
        {"Fischfang", {"Fisch", rgb(52, 96, 150)}},
        {"Jagd", {"Wildbret", rgb(110, 80, 50)}},
        {"Zimmerei", {"Bretter", rgb(130, 86, 46)}},
        {"Bergbau", {"Erz", rgb(80, 70, 70)}},
        {"Schmiedekunst", {"Werkzeug", rgb(70, 74, 90)}},
        {"Backkunst", {"Brot", rgb(168, 120, 70)}},
        {"Webkunst", {"Leinen", rgb(110, 90, 140)}},
        {"Gartenbau", {"Beeren", rgb(96, 146, 80)}},
        {"Braukunst", {"Met", rgb(150, 100, 40)}},
        {"Glaskunst", {"Glas", rgb(60, 130, 140)}},
        {"Köhlerei", {"Holzkohle", rgb(150, 70, 40)}},
        {"Münzkunst", {"Gold", rgb(140, 110, 30)}},
        {"Luftschiffbau", {"Luftschiff", rgb(80, 110, 160)}},
        {"Gelehrsamkeit", {"Erfindung", rgb(100, 60, 110)}},
    };
    return m;
}

}  // namespace

std::optional<Leinwand> ware_icon(const std::string& titel) {
    const auto& m = waren_motive();
    auto it = m.find(titel);
    if (it == m.end()) return std::nullopt;
    Leinwand l(32, 32);
    it->second(l);
    return l;
}

Leinwand ware_tragebild(const Leinwand& icon) {
    // Frames 0..5: walking westwards, north-west, north, eastwards, south, south-west.
    // The bundle is held before the chest and shifted to the side the person faces.
    static const int versatz[6] = {-1, -1, 0, 1, 0, -1};
    Leinwand l(96, 32);
    for (int d = 0; d < 6; ++d) {
        const int x = d * 16 + 3 + versatz[d];
        l.einsetzen_skaliert(icon, x, 12, 10, 10);
    }
    return l;
}

std::optional<Leinwand> skill_icon(const std::string& titel) {
    const auto& m = skill_abzeichen();
    auto it = m.find(titel);
    if (it == m.end()) return std::nullopt;
    auto ware = ware_icon(it->second.ware);
    if (!ware) return std::nullopt;
    Leinwand l(32, 32);
    l.kreis(16, 16, 15, schattieren(it->second.farbe, 0.6));
    l.kreis(16, 16, 13, it->second.farbe);
    l.kreis(15, 15, 10, schattieren(it->second.farbe, 1.25));
    l.einsetzen_skaliert(*ware, 5, 5, 22, 22);
    return l;
}

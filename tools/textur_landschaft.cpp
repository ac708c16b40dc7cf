// The terrain sheet. Each transition shape is a triangle of the sheet whose
// corners stand for map cells of a lower and a higher level; painting every
// triangle with the blend of its corners makes each shape sample the right land
// classes. Where triangles of one group overlap, their blends are averaged.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "render/Gelaendeformen.h"
#include "textur_motive.h"

namespace {

constexpr int kSeite = 512;
constexpr double kSkala = kSeite / 100.0;  // pixels per hundredth

// Land classes of the sheet: water, wet sand, dry sand, grass, rock, snow.
enum Klasse { Wasser = 0, Nasssand = 1, Sand = 2, Gras = 3, Fels = 4, Schnee = 5 };

// Lower and upper class of the eight transition groups (shapes 5..52).
constexpr std::array<std::array<int, 2>, 8> kGruppen = {{{Wasser, Nasssand},
                                                         {Nasssand, Sand},
                                                         {Sand, Gras},
                                                         {Gras, Gras},
                                                         {Gras, Fels},
                                                         {Fels, Fels},
                                                         {Fels, Schnee},
                                                         {Schnee, Schnee}}};
// The uniform tiles 0..4.
constexpr std::array<int, 5> kEinheitlich = {Wasser, Sand, Gras, Fels, Schnee};

// Which corner of a cell a vertex stands for: 0 = P, 1 = Q, 2 = R. The first
// triangle has P at x 6, R at 16, Q at 27; the second Q at 6, P at 16, R at 26.
int ecke_von(bool zweites, int x) {
    const std::array<int, 3> lage = zweites ? std::array<int, 3>{16, 6, 26} : std::array<int, 3>{6, 27, 16};
    int beste = 0;
    for (int i = 1; i < 3; ++i)
        if (std::abs(lage[static_cast<std::size_t>(i)] - x) <
            std::abs(lage[static_cast<std::size_t>(beste)] - x))
            beste = i;
    return beste;
}

// High corners of transition k (0..5) of a group, for P, Q, R.
constexpr std::array<std::array<int, 3>, 6> kHoch = {
    {{0, 0, 1}, {0, 1, 0}, {0, 1, 1}, {1, 1, 0}, {1, 0, 1}, {1, 0, 0}}};

struct Feld {
    int einheitlich = -1;
    double wert = 0, hell = 0;
    int n = 0;
};

Farbe klassenfarbe(int k, double hell, int x, int y) {
    const double r = rauschen(x, y, 7) - 0.5;
    const double g = glattes_rauschen(x, y, 12, 11) - 0.5;
    switch (k) {
        case Wasser: {
            Farbe f = mischen(rgb(38, 92, 150), rgb(58, 124, 178), 0.5 + g);
            // Short bright wave lines.
            if (rauschen(x / 6, y / 3, 3) > 0.93 && (x % 6) < 4) f = schattieren(f, 1.3);
            return f;
        }
        case Nasssand:
            return schattieren(mischen(rgb(196, 176, 120), rgb(210, 190, 132), 0.5 + g), 1.0 + 0.06 * r);
        case Sand:
            return schattieren(mischen(rgb(226, 204, 142), rgb(236, 216, 160), 0.5 + g), 1.0 + 0.08 * r);
        case Gras: {
            Farbe f = mischen(rgb(78, 136, 54), rgb(98, 156, 64), 0.5 + g);
            if (rauschen(x, y, 5) > 0.86) f = rgb(58, 108, 42);
            return schattieren(f, 0.92 + 0.14 * hell + 0.05 * r);
        }
        case Fels: {
            Farbe f = mischen(rgb(118, 100, 82), rgb(140, 122, 100), 0.5 + g);
            if (glattes_rauschen(x, y, 5, 13) > 0.78) f = rgb(88, 74, 62);
            return schattieren(f, 0.9 + 0.18 * hell + 0.06 * r);
        }
        default: {
            Farbe f = mischen(rgb(226, 232, 240), rgb(246, 248, 252), 0.5 + g);
            if (rauschen(x, y, 9) > 0.9) f = rgb(200, 212, 230);
            return schattieren(f, 0.94 + 0.06 * hell);
        }
    }
}

}  // namespace

Leinwand landschaft_bild() {
    std::vector<Feld> felder(static_cast<std::size_t>(kSeite) * kSeite);
    for (int tabelle = 0; tabelle < 2; ++tabelle) {
        const bool zweites = tabelle == 1;
        for (int form = 0; form <= 52; ++form) {
            const auto ecken = ML_Gelaende_Ecken(zweites, form);
            std::array<double, 3> hoch{};
            int lo = 0, hi = 0;
            if (form >= 5) {
                const auto& g = kGruppen[static_cast<std::size_t>((form - 5) / 6)];
                lo = g[0];
                hi = g[1];
                const auto& h = kHoch[static_cast<std::size_t>((form - 5) % 6)];
                for (int i = 0; i < 3; ++i)
                    hoch[static_cast<std::size_t>(i)] =
                        h[static_cast<std::size_t>(ecke_von(zweites, ecken[static_cast<std::size_t>(i)].x))];
            }
            const double x1 = ecken[0].u * kSkala, y1 = ecken[0].v * kSkala;
            const double x2 = ecken[1].u * kSkala, y2 = ecken[1].v * kSkala;
            const double x3 = ecken[2].u * kSkala, y3 = ecken[2].v * kSkala;
            const double d = (y2 - y3) * (x1 - x3) + (x3 - x2) * (y1 - y3);
            if (std::abs(d) < 1e-9) continue;
            const int xa = std::max(0, static_cast<int>(std::floor(std::min({x1, x2, x3}))) - 1);
            const int xb = std::min(kSeite - 1, static_cast<int>(std::ceil(std::max({x1, x2, x3}))) + 1);
            const int ya = std::max(0, static_cast<int>(std::floor(std::min({y1, y2, y3}))) - 1);
            const int yb = std::min(kSeite - 1, static_cast<int>(std::ceil(std::max({y1, y2, y3}))) + 1);
            for (int y = ya; y <= yb; ++y) {
                for (int x = xa; x <= xb; ++x) {
                    const double px = x + 0.5, py = y + 0.5;
                    const double a = ((y2 - y3) * (px - x3) + (x3 - x2) * (py - y3)) / d;
                    const double b = ((y3 - y1) * (px - x3) + (x1 - x3) * (py - y3)) / d;
                    const double c = 1 - a - b;
                    // A pixel of margin, so that filtering at the edges samples the same class.
                    const double rand = -1.5 / kSkala / 10.0;
                    if (a < rand || b < rand || c < rand) continue;
                    Feld& f = felder[static_cast<std::size_t>(y) * kSeite + static_cast<std::size_t>(x)];
                    if (form < 5) {
                        if (f.einheitlich < 0) f.einheitlich = kEinheitlich[static_cast<std::size_t>(form)];
                        continue;
                    }
                    const double mischung = a * hoch[0] + b * hoch[1] + c * hoch[2];
                    f.wert += lo + mischung * (hi - lo);
                    f.hell += mischung;
                    ++f.n;
                }
            }
        }
    }
    // Classes, then the pixels nobody samples take their nearest neighbour's class.
    std::vector<int> klasse(felder.size(), -1);
    std::vector<double> hell(felder.size(), 0.5);
    for (int y = 0; y < kSeite; ++y) {
        for (int x = 0; x < kSeite; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * kSeite + static_cast<std::size_t>(x);
            const Feld& f = felder[i];
            if (f.einheitlich >= 0) {
                klasse[i] = f.einheitlich;
            } else if (f.n > 0) {
                const double v = f.wert / f.n + 0.35 * (glattes_rauschen(x, y, 10, 21) - 0.5);
                klasse[i] = std::clamp(static_cast<int>(std::floor(v + 0.5)), 0, 5);
                hell[i] = f.hell / f.n;
            }
        }
    }
    for (bool weiter = true; weiter;) {
        weiter = false;
        std::vector<int> neu = klasse;
        for (int y = 0; y < kSeite; ++y)
            for (int x = 0; x < kSeite; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * kSeite + static_cast<std::size_t>(x);
                if (klasse[i] >= 0) continue;
                for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= kSeite || ny >= kSeite) continue;
                    const int k =
                        klasse[static_cast<std::size_t>(ny) * kSeite + static_cast<std::size_t>(nx)];
                    if (k >= 0) {
                        neu[i] = k;
                        break;
                    }
                }
                if (neu[i] < 0) weiter = true;
            }
        klasse.swap(neu);
    }
    Leinwand l(kSeite, kSeite, rgb(0, 0, 0));
    for (int y = 0; y < kSeite; ++y)
        for (int x = 0; x < kSeite; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * kSeite + static_cast<std::size_t>(x);
            Farbe f = klassenfarbe(klasse[i], hell[i], x, y);
            // A light seam where water meets the shore.
            if (klasse[i] == Wasser)
                for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                    const int nx = std::clamp(x + dx, 0, kSeite - 1), ny = std::clamp(y + dy, 0, kSeite - 1);
                    if (klasse[static_cast<std::size_t>(ny) * kSeite + static_cast<std::size_t>(nx)] !=
                        Wasser)
                        f = rgb(150, 196, 214);
                }
            l.punkt(x, y, f);
        }
    return l;
}

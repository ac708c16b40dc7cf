// The person frames: frame n lies at cell column n mod 60 and cell rows
// 2 (n div 60) and the next, 16 x 32 pixels. Each frame is drawn once in full and
// then split: the clothes (painted in white and grey, tinted with the clan colour
// when drawn) go to the body pack, all else to the overlay pack, so that the two
// never both cover a pixel.
#include <array>
#include <cmath>

#include "bild_motive.h"
#include "textur_motive.h"

namespace {

// The clothes' three shades; nothing else uses them.
constexpr Farbe kKleidHell = rgb(240, 240, 240);
constexpr Farbe kKleid = rgb(206, 206, 206);
constexpr Farbe kKleidDunkel = rgb(150, 150, 150);

constexpr Farbe kHaut = rgb(226, 176, 140);
constexpr Farbe kHautDunkel = rgb(190, 138, 104);
constexpr Farbe kHaarMann = rgb(92, 60, 34);
constexpr Farbe kHaarFrau = rgb(168, 104, 40);
constexpr Farbe kSchuh = rgb(58, 40, 28);
constexpr Farbe kHose = rgb(88, 70, 52);
constexpr Farbe kAuge = rgb(30, 24, 20);

bool ist_kleid(Farbe f) { return f == kKleidHell || f == kKleid || f == kKleidDunkel; }

enum class Blick { links, rechts, vorn, hinten };

struct Haltung {
    bool frau = false;
    Blick blick = Blick::vorn;
    int schritt = 0;           // leg swing -2..2
    int beugen = 0;            // bending forward 0..3 (work poses)
    int arm_x = 0, arm_y = 0;  // the working hand relative to the shoulder, -1 when at the side
    bool arm_frei = false;
};

// The figure's base point: feet at y 30, centre at x 8.
void figur(Leinwand& l, const Haltung& h) {
    const int cx = 8, fuss = 30;
    const int rumpf_oben = 16 + h.beugen, kopf = 11 + h.beugen;
    const int dx = h.blick == Blick::links ? -h.beugen : (h.blick == Blick::rechts ? h.beugen : 0);
    // Legs and shoes.
    const int ls = h.schritt, rs = -h.schritt;
    if (!h.frau) {
        l.rechteck(cx - 3 + ls, 24, 2, fuss - 24, kHose);
        l.rechteck(cx + 1 + rs, 24, 2, fuss - 24, kHose);
    } else {
        l.rechteck(cx - 2 + ls, 27, 2, fuss - 27, kHautDunkel);
        l.rechteck(cx + 1 + rs, 27, 2, fuss - 27, kHautDunkel);
    }
    l.rechteck(cx - 3 + ls, fuss - 1, 3, 2, kSchuh);
    l.rechteck(cx + 1 + rs, fuss - 1, 3, 2, kSchuh);
    // Body: tunic for men, dress for women.
    const int unten = h.frau ? 28 : 25;
    for (int y = rumpf_oben; y < unten; ++y) {
        const int breite = h.frau ? 5 + (y - rumpf_oben) / 3 : 6;
        const int links = cx - breite / 2 + dx * (unten - y) / std::max(1, unten - rumpf_oben);
        for (int x = links; x < links + breite; ++x) {
            Farbe f = kKleid;
            if (x == links) f = kKleidDunkel;
            if (x == links + breite - 1) f = kKleidHell;
            if (y == unten - 1 || (!h.frau && y == 22)) f = kKleidDunkel;
            l.punkt(x, y, f);
        }
    }
    // Arms: the free one at the side, the working one towards its hand.
    l.rechteck(cx - 4 + dx, rumpf_oben + 1, 1, 6, kKleidDunkel);
    l.punkt(cx - 4 + dx, rumpf_oben + 7, kHaut);
    if (h.arm_frei) {
        const int sx = cx + 3 + dx, sy = rumpf_oben + 1;
        l.linie(sx, sy, sx + h.arm_x, sy + h.arm_y, kKleidDunkel);
        l.punkt(sx + h.arm_x, sy + h.arm_y, kHaut);
    } else {
        l.rechteck(cx + 3 + dx, rumpf_oben + 1, 1, 6, kKleidDunkel);
        l.punkt(cx + 3 + dx, rumpf_oben + 7, kHaut);
    }
    // Head and hair.
    const int kx = cx + dx;
    l.ellipse(kx, kopf + 2, 2, 3, kHaut);
    const Farbe haar = h.frau ? kHaarFrau : kHaarMann;
    l.rechteck(kx - 2, kopf - 1, 5, 2, haar);
    if (h.frau) {
        l.rechteck(kx - 3, kopf, 1, 6, haar);
        l.rechteck(kx + 3, kopf, 1, 6, haar);
    }
    switch (h.blick) {
        case Blick::vorn:
            l.punkt(kx - 1, kopf + 2, kAuge);
            l.punkt(kx + 1, kopf + 2, kAuge);
            break;
        case Blick::links:
            l.punkt(kx - 1, kopf + 2, kAuge);
            l.punkt(kx - 3, kopf + 3, kHaut);
            l.rechteck(kx + 1, kopf, 2, 3, haar);
            break;
        case Blick::rechts:
            l.punkt(kx + 1, kopf + 2, kAuge);
            l.punkt(kx + 3, kopf + 3, kHaut);
            l.rechteck(kx - 2, kopf, 2, 3, haar);
            break;
        case Blick::hinten:
            l.ellipse(kx, kopf + 1, 2, 2, haar);
            break;
    }
}

// Tools held in the working hand (hand at hx, hy), pointing at angle w (radians, 0 = right).
void werkzeug(Leinwand& l, int art, int hx, int hy, double w) {
    const int lx = hx + static_cast<int>(std::lround(std::cos(w) * 7));
    const int ly = hy + static_cast<int>(std::lround(std::sin(w) * 7));
    l.linie(hx, hy, lx, ly, pal::holz_dunkel);
    switch (art) {
        case 0:  // axe
            l.rechteck(lx - 1, ly - 1, 3, 3, pal::eisen);
            break;
        case 1:  // hoe
            l.linie(lx, ly, lx + 2, ly + 1, pal::eisen_hell);
            break;
        case 2:  // pick
            l.linie(lx - 2, ly + 1, lx + 2, ly - 1, pal::eisen);
            break;
        case 3:  // hammer
            l.rechteck(lx - 1, ly - 1, 3, 2, pal::stein_dunkel);
            break;
        default:  // rake or trowel
            l.linie(lx - 1, ly, lx + 1, ly, pal::eisen_hell);
            break;
    }
}

// Moving direction of the six walking groups (the cell the person came from lies
// the other way): left, up-left, down-left, right, up-right, down-right.
Blick gehrichtung(int gruppe) {
    switch (gruppe) {
        case 0:
            return Blick::links;
        case 1:
            return Blick::hinten;
        case 2:
            return Blick::vorn;
        case 3:
            return Blick::rechts;
        case 4:
            return Blick::hinten;
        default:
            return Blick::vorn;
    }
}

// A working pose: frame p (0..9) of a swing with the tool `art`.
void arbeit(Leinwand& l, bool frau, int art, int p, bool rechts) {
    Haltung h;
    h.frau = frau;
    h.blick = rechts ? Blick::rechts : Blick::links;
    h.beugen = art == 4 ? 3 : (p >= 5 && p <= 7 ? 1 : 0);
    h.arm_frei = true;
    // Raised during 0..4, striking at 5..7, coming back at 8, 9.
    const double oben = -2.2, unten = -0.3;
    const double t = p <= 4 ? p / 4.0 : (p <= 7 ? 1.0 : 1.0 - (p - 7) / 3.0);
    double w = oben + (unten - oben) * (p <= 4 ? 0.2 * t : t);
    if (art == 4) w = 0.9 + 0.3 * std::sin(p * 0.9);
    if (!rechts) w = 3.14159265 - w;
    h.arm_x = static_cast<int>(std::lround(std::cos(w) * 3));
    h.arm_y = static_cast<int>(std::lround(std::sin(w) * 3));
    figur(l, h);
    const int dx = rechts ? h.beugen : -h.beugen;
    const int sx = 8 + 3 + dx, sy = 16 + h.beugen + 1;
    werkzeug(l, art, sx + h.arm_x, sy + h.arm_y, w);
}

// Fishing at the water: the rod points towards it (0 left, 1 up-right, 2 down-right).
void angeln(Leinwand& l, bool frau, int seite, int p) {
    Haltung h;
    h.frau = frau;
    h.blick = seite == 0 ? Blick::links : Blick::rechts;
    h.arm_frei = true;
    h.arm_x = seite == 0 ? -3 : 3;
    h.arm_y = 0;
    figur(l, h);
    const int hx = 8 + 3 + h.arm_x, hy = 17;
    const int ex = seite == 0 ? 0 : 15, ey = seite == 1 ? 9 : 13;
    l.linie(hx, hy, ex, ey, pal::holz);
    const int tief = 24 + (p % 4 < 2 ? 0 : 1);
    l.linie(ex, ey, ex, tief, pal::leinen);
    l.punkt(ex, tief + 1, pal::rot);
}

void rabbit(Leinwand& l, bool rechts, int sprung, bool sitzend, int phase) {
    const int y = 27 - sprung;
    const Farbe fell = rgb(150, 118, 86), fell_hell = rgb(196, 170, 136);
    const int x = 8;
    const int r = rechts ? 1 : -1;
    l.ellipse(x, y, 4, 2, fell);
    l.ellipse(x + 3 * r, y - 2, 2, 2, fell);
    const int ohr = sitzend && phase % 3 == 0 ? 1 : 0;
    l.linie(x + 3 * r, y - 4, x + 2 * r - ohr * r, y - 7, fell);
    l.linie(x + 4 * r, y - 4, x + 4 * r, y - 7 + ohr, fell_hell);
    l.punkt(x + 4 * r, y - 2, kAuge);
    l.punkt(x - 4 * r, y - 1, rgb(236, 230, 220));
    if (!sitzend) l.punkt(x - 2 * r, y + 2, fell);
}

// Draws frame n (0..461) on a 16 x 32 canvas; false for frames without a picture.
bool frame_zeichnen(Leinwand& l, int n) {
    const int gruppe = n / 10, p = n % 10;
    if (n < 60 || (n >= 70 && n < 130)) {  // walking
        const bool frau = n >= 70;
        const int richtung = (frau ? n - 70 : n) / 10;
        Haltung h;
        h.frau = frau;
        h.blick = gehrichtung(richtung);
        h.schritt = static_cast<int>(std::lround(2 * std::sin(p * 3.14159265 / 5)));
        figur(l, h);
        return true;
    }
    if (n < 70 || (n >= 130 && n < 160) || n >= 380) {  // idle, standing
        if (n >= 420) {
            if (n >= 462) return false;
            if (n >= 456) {
                rabbit(l, (n - 456) % 2 == 0, 0, true, n - 456);
                return true;
            }
            const int rg = (n - 420) / 6, f = (n - 420) % 6;
            // 420 west, 426 east, 432 up-right, 438 up-left, 444 down-right, 450 down-left.
            const bool rechts = rg == 1 || rg == 2 || rg == 4;
            rabbit(l, rechts, f < 3 ? f : 5 - f, false, f);
            return true;
        }
        Haltung h;
        h.frau = (n >= 130 && n < 140) || (n >= 380 && gruppe % 2 == 1);
        static constexpr std::array<Blick, 10> umschauen = {
            Blick::vorn, Blick::vorn,   Blick::links,  Blick::links, Blick::vorn,
            Blick::vorn, Blick::rechts, Blick::rechts, Blick::vorn,  Blick::vorn};
        h.blick = (n < 70 || (n >= 130 && n < 140)) ? umschauen[static_cast<std::size_t>(p)] : Blick::vorn;
        figur(l, h);
        return true;
    }
    switch (gruppe) {
        case 16:
        case 17:
        case 18:
            arbeit(l, true, 4, p, gruppe != 17);
            return true;  // woman, garden work
        case 19:
        case 20:
        case 21:
            arbeit(l, false, 4, p, gruppe != 20);
            return true;  // man, garden work
        case 22:
            arbeit(l, false, 0, p, true);
            return true;  // man, axe
        case 23:
            arbeit(l, true, 0, p, true);
            return true;  // woman, axe
        case 24:
        case 25:
            arbeit(l, gruppe == 25, 4, p, false);
            return true;
        case 26:
            arbeit(l, false, 2, p, true);
            return true;  // man, pick
        case 27:
        case 28:
        case 29:
            angeln(l, false, gruppe - 27, p);
            return true;
        case 30:
            arbeit(l, false, 1, p, false);
            return true;  // man, hoe
        case 31:
            arbeit(l, true, 1, p, false);
            return true;  // woman, hoe
        case 32:
            arbeit(l, true, 2, p, true);
            return true;  // woman, pick
        case 33:
        case 34:
        case 35:
            angeln(l, true, gruppe - 33, p);
            return true;
        case 36:
            arbeit(l, false, 3, p, true);
            return true;  // man, hammer
        default:
            arbeit(l, true, 3, p, true);
            return true;  // 37: woman, hammer
    }
}

}  // namespace

void personenpacks_zeichnen(Leinwand& koerper, Leinwand& ueberzug) {
    for (int n = 0; n < 462; ++n) {
        Leinwand l(16, 32);
        if (!frame_zeichnen(l, n)) continue;
        const int x0 = (n % 60) * 16, y0 = (n / 60) * 32;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 16; ++x) {
                const Farbe f = l.lesen(x, y);
                if (f == TRANSPARENT) continue;
                (ist_kleid(f) ? koerper : ueberzug).punkt(x0 + x, y0 + y, f);
            }
    }
}

#include "foundation/Geometrie.h"

#include <cstdlib>

#include "foundation/Fehler.h"
#include "platform/base/Text1252.h"

int MG_Kartengroesse = 256;

namespace {

int seite() { return MG_Kartengroesse > 0 ? MG_Kartengroesse : 1; }

// Floor of a / b for b > 0.
int floor_div(int a, int b) {
    int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

int FFU_X_von_Feld(int feld) {
    const int x = feld % seite();
    return x < 0 ? x + seite() : x;
}

int FFU_Y_von_Feld(int feld) { return floor_div(feld, seite()); }

int FFU_Distanz(int a, int b) {
    // One division per cell: the column is what the floored row leaves (0..side-1).
    const int n = seite(), ya = floor_div(a, n), yb = floor_div(b, n);
    return std::abs((a - ya * n) - (b - yb * n)) + std::abs(ya - yb);
}

int FFU_Nachbarfeld(int richtung) {
    const int s = MG_Kartengroesse;
    switch (richtung) {
        case 0:
            return 0;
        case 1:
            return s - 1;
        case 2:
            return -1;
        case 3:
            return -s;
        case 4:
            return 1 - s;
        case 5:
            return 1;
        case 6:
            return s;
        default:
            Fehler_melden(W("FFU_Nachbarfeld > bekommt unmögliche Richtung."));
            return 0;
    }
}

int FFU_Richtung_normieren(int richtung) {
    int r = (richtung - 1) % 6;
    if (r < 0) r += 6;
    return r + 1;
}

int FFU_Richtung_zu_Feld(int a, int b) {
    return FFU_Richtung_aus_Versatz(FFU_X_von_Feld(a) - FFU_X_von_Feld(b),
                                    FFU_Y_von_Feld(a) - FFU_Y_von_Feld(b));
}

int FFU_Richtung_aus_Versatz(int dx, int dy) {
    if (std::abs(dy) < std::abs(dx)) return dx >= 1 ? 2 : 5;
    if (std::abs(dy) > std::abs(dx)) return dy > 0 ? 3 : 6;
    if (dx > 0 && dy > 0) return 3;
    if (dx > 0 && dy < 0) return 1;
    if (dx < 0 && dy > 0) return 4;
    if (dx < 0 && dy < 0) return 6;
    return -1;
}

int FFU_Richtung_dX(int r) { return r == 0 ? -1 : r == 1 ? 1 : 0; }

int FFU_Richtung_dY(int r) { return r == 2 ? -1 : r == 3 ? 1 : 0; }

#include "render/Kamera.h"

#include <algorithm>

#include "foundation/Config.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "world/Karte.h"

void Kamera_Mausbewegung(int x, int y) {
    if (Kamera_ziehen) {
        if (x != Maus_letztes_X) SX += MausinverterX ? Maus_letztes_X - x : x - Maus_letztes_X;
        if (y != Maus_letztes_Y) SY += MausinverterY ? Maus_letztes_Y - y : y - Maus_letztes_Y;
    }
    Maus_letztes_X = x;
    Maus_letztes_Y = y;
}

void Kamera_zentrieren(int x, int y) {
    Neuzeichnen = true;
    Mausstatus = 2;
    Kamera_ziehen = false;
    // The screen shows (Zoomstufe / 20) x (world + offset): the centre of the client
    // area is half its size divided by that scale.
    const int zoom = Zoomstufe > 0 ? Zoomstufe : 20;
    const long long w = Shell().Clientbreite(), h = Shell().Clienthoehe();
    SX = static_cast<int>(w * 10 / zoom) - 20 * x - 10 * y;
    SY = static_cast<int>(h * 10 / zoom) + 10 * y;
}

void Kamera_Minimapfeld(int mx, int my, int n, int& x, int& y) {
    // Picture column c (row r, row 0 at the bottom) shows the first cell x with
    // floor(x x 256 / n) = c, that is ceil(c x n / 256). The parallelogram is 256
    // pixels high and my half the height from its top, so the row is 256 - 2 my.
    const long long spalte = std::clamp(mx, 0, 255);
    const long long zeile = std::clamp(256 - 2LL * my, 0LL, 255LL);
    const int hoechste = std::max(0, n - 1);
    x = static_cast<int>(std::clamp<long long>(Ceil_div(spalte * n, 256), 0, hoechste));
    y = static_cast<int>(std::clamp<long long>(Ceil_div(zeile * n, 256), 0, hoechste));
}

void Kamera_Minimapklick(int mx, int my) {
    int x = 0, y = 0;
    Kamera_Minimapfeld(mx, my, MG_Kartengroesse, x, y);
    Kamera_zentrieren(x, y);
}

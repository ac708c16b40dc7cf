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
#include "bild_schmuck.h"
#include "textur_motive.h"

namespace {

Rechteck pixel(const ML_Rechteck& r) {
    return {16 * r.Links, 16 * r.Oben, 16 * (r.Rechts - r.Links), 16 * (r.Unten - r.Oben)};
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

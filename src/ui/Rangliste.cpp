#include "ui/Rangliste.h"

#include <algorithm>
#include <cstdint>

#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Ganzzahl.h"

std::array<int, 8> TPU_Rangliste{-1, -1, -1, -1, -1, -1, -1, -1};

namespace {

// Percent of the goal, rounded down; a goal of 0 or less counts nothing.
int prozent(int wert, int ziel) {
    if (ziel <= 0) return 0;
    return static_cast<int>(Floor_div(static_cast<std::int64_t>(wert) * 100, ziel));
}

bool schon_platziert(int clan, int bis) {
    for (int p = 0; p < bis && TPU_Rangliste[p] != -1; ++p)
        if (TPU_Rangliste[p] == clan) return true;
    return false;
}

}  // namespace

void TPU_Rangliste_berechnen() {
    TPU_Rangliste.fill(-1);
    const int plaetze = static_cast<int>(std::min<std::size_t>(Spieler.size(), 8));
    const bool kein_ziel = !SBMAb && !SBGOb && !SBLUb && !SBLCb;
    for (int p = 0; p < plaetze; ++p) {
        int bester = -1, gewaehlt = -1;
        auto messen = [&](int wert, int clan) {
            if (wert > bester) {
                bester = wert;
                gewaehlt = clan;
            }
        };
        for (int i = 0; i < static_cast<int>(Spieler.size()); ++i) {
            Spielerzeile& s = Spieler[static_cast<std::size_t>(i)];
            if (s.Steuerung() == -2 || schon_platziert(i, p)) continue;
            if (kein_ziel) messen(s.Zufriedenheit(), i);
            if (SBMAb) messen(prozent(s.Mitglieder(), SBMAi), i);
            if (SBGOb) messen(prozent(s.Gold_gespeichert(), SBGOi), i);
            if (SBLUb) messen(prozent(LGK_Luxus_des_Spielers(i), SBLUi), i);
            if (SBLCb) messen(s.Zufriedenheit(), i);
        }
        TPU_Rangliste[p] = gewaehlt;
    }
}

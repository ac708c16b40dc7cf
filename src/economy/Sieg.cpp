#include "economy/Sieg.h"

#include <algorithm>
#include <cstdint>

#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"

bool SBMAb = false, SBGOb = false, SBLUb = false, SBLCb = false;
int SBMAi = 100, SBGOi = 8000, SBLUi = 100;
int GU = 0, GU2 = 0;

// The goal check comes with the victory work.
void SU_Sieg_pruefen() {}

void SU_Ziele_aus() { SBMAb = SBGOb = SBLUb = SBLCb = false; }

void SU_Geldmenge_aendern(int delta) {
    GU += delta;
    if (GU > GU2) GU2 = GU;
}

void SU_Gold_speichern(int clan, int betrag) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("SU_Gold_speichern > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    int teil = static_cast<int>(Ceil_div(betrag, 5));
    if (teil > s.Gold()) Fehler_melden("SU_Gold_speichern > Geldkreisloch endeckt!");
    s.Gold_gespeichert() += teil;
    s.Gold() -= teil;
    SU_Geldmenge_aendern(-teil);
}

void SU_Gold_Verfall() {
    // The rate is SZ / 1000, capped at 30 / 1000 after thirty years.
    const std::int64_t promille = std::clamp(SZ, 0, 30);
    for (Spielerzeile& s : Spieler) {
        if (s.Mitglieder() <= 0) continue;
        int verlust = static_cast<int>(Floor_div(s.Gold() * promille, 1000));
        if (verlust > 0) {
            s.Gold() -= verlust;
            SU_Geldmenge_aendern(-verlust);
        }
    }
}

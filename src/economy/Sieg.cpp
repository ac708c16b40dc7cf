#include "economy/Sieg.h"

#include <algorithm>
#include <cstdint>

#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Seams.h"

bool SBMAb = false, SBGOb = false, SBLUb = false, SBLCb = false;
int SBMAi = 100, SBGOi = SBGOi_Vorgabe, SBLUi = 100;
int GU = 0, GU2 = 0;

namespace {

constexpr int kPanel_gewonnen = 62;
constexpr int kPanel_verloren = 63;

// A clan met the goal: the game is decided, won when mensch holds.
void entschieden(bool mensch) {
    SU_Ziele_aus();
    Oberflaeche().Panelanzeigen(mensch ? kPanel_gewonnen : kPanel_verloren);
}

const Spielerzeile* mensch_zeile() {
    return GU_Clan_gueltig(SpielerID) ? &Spieler[static_cast<std::size_t>(SpielerID)] : nullptr;
}

}  // namespace

void SU_Sieg_pruefen() {
    // Every clan that meets a goal opens its panel, so the last such row decides which
    // panel stays open. A goal switched off by an earlier goal is not tested again.
    if (SBMAb) {
        for (std::size_t p = 0; p < Spieler.size(); ++p) {
            const int m = Spieler[p].Mitglieder();
            if (m > 49 && m >= SBMAi) entschieden(static_cast<int>(p) == SpielerID);
        }
    }
    if (SBGOb) {
        for (const Spielerzeile& s : Spieler) {
            if (s.Gold_gespeichert() < SBGOi) continue;
            const Spielerzeile* mensch = mensch_zeile();
            entschieden(mensch && mensch->Gold_gespeichert() >= SBGOi);
        }
    }
    if (SBLUb) {
        for (std::size_t p = 0; p < Spieler.size(); ++p)
            if (LGK_Luxus_des_Spielers(static_cast<int>(p)) >= SBLUi)
                entschieden(static_cast<int>(p) == SpielerID);
    }
    if (SBLCb) {
        const auto lebend = std::count_if(Spieler.begin(), Spieler.end(),
                                          [](const Spielerzeile& s) { return s.Mitglieder() > 0; });
        if (lebend == 1) {
            const Spielerzeile* mensch = mensch_zeile();
            entschieden(mensch && mensch->Mitglieder() >= 1);
        }
    }
}

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

#include "world/Forschung.h"

#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "platform/base/Zufall.h"

std::vector<T_Forschung_R> FU_Forschung;

void FU_Forschung_loeschen() { FU_Forschung.clear(); }

void FU_Forschung_anlegen() {
    T_Forschung_R tabelle;
    for (int i = 0; i < 20; ++i)
        tabelle.Eintraege.push_back(
            {2, i < 10 ? "Baustelle erweitern" : "Flugschiffe erweitern", false, i < 10 ? 0 : 1});
    FU_Forschung.assign(Spieler.size(), tabelle);
}

void FU_Werte_wuerfeln() {
    for (int p = 0; p < static_cast<int>(Spieler.size()); ++p) FU_Werte_wuerfeln_Spieler(p);
}

void FU_Werte_wuerfeln_Spieler(int clan) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("FU_Werte_wuerfeln_Spieler > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    s.Forschung_1() = Random(5) + 1;
    s.Forschung_2() = Random(5) + 1;
    s.Forschung_3() = Random(5) + 1;
}

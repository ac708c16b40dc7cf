#include "population/Briefe.h"

#include <algorithm>

#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"

std::vector<Item_rec> Briefe;

namespace {

constexpr std::size_t Wachstumsschritt = 10;

const Item_rec* liste(int clan) {
    if (clan < 0 || static_cast<std::size_t>(clan) >= Briefe.size()) return nullptr;
    return &Briefe[static_cast<std::size_t>(clan)];
}

}  // namespace

void BrU_Brief_eintragen(int clan, int brief) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("BrU_Brief_eintragen > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    if (Briefe.size() <= static_cast<std::size_t>(clan)) Briefe.resize(static_cast<std::size_t>(clan) + 1);
    Item_rec& l = Briefe[static_cast<std::size_t>(clan)];
    if (static_cast<std::size_t>(l.Anzahl) >= l.Briefe.size())
        l.Briefe.resize(static_cast<std::size_t>(l.Anzahl) + Wachstumsschritt, 0);
    l.Briefe[static_cast<std::size_t>(l.Anzahl)] = brief;
    l.Anzahl += 1;
}

void BrU_Brief_entfernen(int clan) {
    if (clan < 0 || static_cast<std::size_t>(clan) >= Briefe.size()) return;
    Item_rec& l = Briefe[static_cast<std::size_t>(clan)];
    if (l.Anzahl < 1) return;
    for (int i = 1; i < l.Anzahl; ++i)
        l.Briefe[static_cast<std::size_t>(i) - 1] = l.Briefe[static_cast<std::size_t>(i)];
    l.Anzahl -= 1;
    l.Briefe[static_cast<std::size_t>(l.Anzahl)] = 0;
}

int BrU_Brief_Anzahl_sichtbar(int clan) {
    const Item_rec* l = liste(clan);
    if (!l || l->Anzahl < 1) return -1;
    return l->Anzahl < BrU_Stapel_max ? l->Anzahl : BrU_Stapel_max;
}

int BrU_erster_Brief(int clan) {
    const Item_rec* l = liste(clan);
    return l && l->Anzahl > 0 && !l->Briefe.empty() ? l->Briefe[0] : -1;
}

int BrU_Brief_lesen(int clan, int x, int y) {
    const int anzahl = BrU_Brief_Anzahl_sichtbar(clan);
    if (anzahl < 1) return -1;
    const int w = Shell().Formbreite();
    if (w - 84 < x && x < w - 20 && 21 <= y && y < 84 + 10 * anzahl) return BrU_erster_Brief(clan);
    return -1;
}

bool BrU_Speichern(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (const Item_rec& l : Briefe) {
        std::vector<int> werte{l.Anzahl};
        werte.insert(werte.end(), l.Briefe.begin(), l.Briefe.begin() + l.Anzahl);
        zeilen.push_back(FFU_Zeile_bauen(werte));
    }
    return Seitendatei_schreiben(pfad, zeilen, "BrU_Speichern");
}

void BrU_Laden(const std::string& pfad) {
    BrU_Zuruecksetzen();
    auto zeilen = Seitendatei_lesen(pfad, "BrU_Laden");
    if (!zeilen) return;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        const std::string& zeile = (*zeilen)[i];
        int anzahl = 0;
        bool gut = GU_Clan_gueltig(static_cast<int>(i)) &&
                   FFU_Zahl_lesen(FFU_Teil_Nr(zeile, '/', 0), anzahl) && anzahl >= 0 &&
                   anzahl <= static_cast<int>(std::count(zeile.begin(), zeile.end(), '/'));
        std::vector<int> werte(static_cast<std::size_t>(gut ? anzahl : 0) + 1);
        gut = gut && Zahlenzeile_lesen(zeile, anzahl + 1, werte.data());
        if (!gut) {
            Fehler_melden("BrU_Laden > fehlerhafte Zeile " + std::to_string(i + 1) + ": " + zeile);
            continue;
        }
        for (int k = 1; k <= anzahl; ++k)
            BrU_Brief_eintragen(static_cast<int>(i), werte[static_cast<std::size_t>(k)]);
    }
}

void BrU_Zuruecksetzen() { Briefe.clear(); }

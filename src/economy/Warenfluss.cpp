#include "economy/Warenfluss.h"

#include <string>

#include "economy/Vorlaeufig_statistik.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"

TWFU_Dia WFU_Dia;

namespace {

void eintrag(int y, int x, int code) { WFU_Eintrag_hinzufuegen(y, x, code, -1); }

// The inputs of good w, one row each below y; their number.
int eingaenge(int& y, const Waren_Item& w) {
    int n = 0;
    for (const Waren_Menge& need : w.Need) {
        if (need.WarenID <= 0) continue;
        y += 40;
        eintrag(y, 0, need.WarenID);
        ++n;
    }
    return n;
}

// The symbol of a gathering usage; 0 for a usage without one.
int sammelsymbol(int benutzung) {
    switch (benutzung) {
        case Benutzung_stone:
            return WFU_Steinbruch;
        case Benutzung_lumberjack:
            return WFU_Holzfaellen;
        case Benutzung_fishing:
            return WFU_Fischen;
        case Benutzung_ore:
            return WFU_Bergbau;
        case Benutzung_recycle:
            return WFU_Wiederverwertung;
        default:
            return 0;
    }
}

}  // namespace

void WFU_Zuruecksetzen() { WFU_Dia = TWFU_Dia{}; }

void WFU_Eintrag_hinzufuegen(int y, int x, int code, int extra) {
    WFU_Dia.WFU_Eintraege.push_back({y, x, code, extra});
}

void WFU_Warenfluss_aufbauen(int typ) {
    if (WFU_Dia.gebaut && typ == WFU_Dia.WFU_Typ) return;
    WFU_Dia.gebaut = true;
    WFU_Dia.WFU_Typ = typ;
    WFU_Dia.WFU_Eintraege.clear();
    WFU_Dia.WFU_Hoehe = 0;
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) {
        Fehler_melden("WFU_Warenfluss_aufbauen > unbekannter Gebaeudetyp: " + std::to_string(typ));
        return;
    }
    int y = 0;
    for (const Warenslot& slot : SBU_Objekte[static_cast<std::size_t>(typ)].Slots) {
        const int w = slot.WarenID;
        if (w == -1 || slot.Benutzung >= Benutzung_sand) continue;
        switch (slot.Benutzung) {
            case Benutzung_Produktion:
            case Benutzung_Anbau: {
                if (w < 0 || static_cast<std::size_t>(w) >= SBU_Waren.size()) {
                    Fehler_melden("WFU_Warenfluss_aufbauen > unbekannte Ware " + std::to_string(w) +
                                  " im Typ " + std::to_string(typ));
                    continue;
                }
                const bool anbau = slot.Benutzung == Benutzung_Anbau;
                if (anbau) {
                    y += 40;
                    eintrag(y, 0, WFU_Anbau);
                }
                const int n = eingaenge(y, SBU_Waren[static_cast<std::size_t>(w)]);
                // Several rows feed the output at their vertical middle; for a field the
                // field row is one of them.
                const int zeilen = anbau ? n + 1 : n;
                if (zeilen > 1) {
                    const int m = y - (zeilen - 1) * 20;
                    eintrag(m, 40, WFU_Sammler);
                    eintrag(m, 80, w);
                    break;
                }
                if (zeilen == 0) {
                    y += 40;
                    eintrag(y, 0, WFU_ohne_Eingang);
                }
                eintrag(y, 40, WFU_Verbinder);
                eintrag(y, 80, w);
                break;
            }
            case Benutzung_Kaninchenabbau: {
                const int a = y + 40;
                eintrag(a, 0, WFU_Jagd);
                y = a + 40;
                eintrag(y, 0, w);
                eintrag(a + 20, 40, WFU_Sammler);
                eintrag(a + 20, 80, w);
                break;
            }
            case Benutzung_Lager:
                y += 40;
                eintrag(y, 0, Waren_Anzeigeindex);
                eintrag(y, 40, WFU_Verbinder);
                eintrag(y, 80, Waren_Anzeigeindex);
                break;
            default: {
                const int c = sammelsymbol(slot.Benutzung);
                if (c == 0) break;  // fetching and unused slots show nothing
                y += 40;
                eintrag(y, 0, c);
                eintrag(y, 40, WFU_Verbinder);
                eintrag(y, 80, w);
                break;
            }
        }
    }
    WFU_Dia.WFU_Hoehe = y;
}

#include "ui/Fenstermaus.h"

#include <algorithm>

#include "economy/Baumenue.h"
#include "economy/Bauvorschau.h"
#include "economy/Diagramm.h"
#include "economy/Hilfen_Objekte.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "platform/base/Text1252.h"
#include "ui/Interaktiv.h"
#include "ui/Panelschalter.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"

namespace {

// Strictly between a and b.
bool innen(int v, int a, int b) { return a < v && v < b; }
// From a up to below b.
bool halboffen(int v, int a, int b) { return a <= v && v < b; }

void tooltip(int nummer, int wert) {
    Mouseoverfunktion_Nummer = nummer;
    Mouseoverfunktion_Wert = wert;
}

bool statistik_waren() { return Statistik_Kategorie == 1 || Statistik_Kategorie == 2; }

}  // namespace

int IFU_Warenraster_Abstand(int f, int r) {
    const int teiler = r > 0 ? f : f - 1;
    return teiler > 0 ? 400 / teiler : 0;
}

bool MO_Warenraster_waehlen(bool klick) {
    const Warenraster& g = IFU_Warenraster;
    const int abstand = IFU_Warenraster_Abstand(g.Zeilen, g.Spalte);
    const int x = MoPosFenstermitte_X, y = MoPosFenstermitte_Y;
    const int anzahl = std::min(g.Anzahl, IFU_Warenraster_Max);
    for (int k = 0; k < anzahl; ++k) {
        const int i = k / IFU_Warenraster_Spalten, j = k % IFU_Warenraster_Spalten;
        if (!innen(x, i * abstand - 220, i * abstand - 188) || !innen(y, j * 52 - 172, j * 52 - 140))
            continue;
        const int ware = g.Waren[k];
        tooltip(99, ware);
        if (klick) {
            const Objektzeile* o = OM_Objekt_gueltig(Gewaehltes_Objekt)
                                       ? &Objekte[static_cast<std::size_t>(Gewaehltes_Objekt)]
                                       : nullptr;
            if (o && o->Feld() > 0 && o->Besitzer() == SpielerID)
                OM_Warenslot_belegen(Gewaehltes_Objekt, ware);
            Panelanzeigen(11);
        }
        return true;
    }
    return false;
}

bool MO_Statmenu_Waren_waehlen(bool klick) {
    if (!statistik_waren() || IFU_Statmenu_Liste.empty()) return false;
    const int h = static_cast<int>(IFU_Statmenu_Liste.size()) - 1;
    const int volle = h / 25;
    const int x = MoPosFenstermitte_X, y = MoPosFenstermitte_Y;
    for (int i = 0; i <= volle; ++i) {
        const int kaesten = i < volle ? 26 : h - 25 * volle + 1;
        for (int c = 0; c < kaesten; ++c) {
            const int k = 26 * i + c;
            if (k > h) break;
            if (!innen(x, 32 * c - 198, 32 * c - 166) || !innen(y, 52 * i - 146, 52 * i - 114)) continue;
            const int eintrag = IFU_Statmenu_Liste[static_cast<std::size_t>(k)];
            tooltip(99, eintrag);
            if (klick) {
                Statistik_Reihe = eintrag;
                if (Statistikmenue_offen) DiaU_Chart_erstellen(Statistik_Kategorie, Statistik_Reihe);
            }
            return true;
        }
    }
    return false;
}

bool MO_Statmenu_Gruppe_waehlen(bool klick) {
    if (!statistik_waren() || SBU_Warengruppen.size() < 2) return false;
    const int n = static_cast<int>(SBU_Warengruppen.size()) - 1;
    const int abstand = n > 1 ? 469 / (n - 1) : 0;
    const int x = MoPosFenstermitte_X, y = MoPosFenstermitte_Y;
    for (int i = 1; i <= n; ++i) {
        const int p = (i - 1) * abstand;
        if (!innen(y, p - 248, p - 221) || !innen(x, 273, 466)) continue;
        if (klick) {
            const int ware = SBU_Warengruppen[static_cast<std::size_t>(i)].WarenID;
            if (ware < 0 || static_cast<std::size_t>(ware) >= SBU_Waren.size()) {
                Fehler_melden("MO_Statmenu_Gruppe_waehlen > Ware der Gruppe unbekannt: " +
                              std::to_string(ware));
                return true;
            }
            IFU_Statmenu_Auswahl = ware;
            IFU_Statmenu_Liste_fuellen(SBU_Waren[static_cast<std::size_t>(ware)].Group);
            DiaU_Chart_erstellen(Statistik_Kategorie, Statistik_Reihe);
        }
        return true;
    }
    return false;
}

bool MO_Baumenue_waehlen(bool klick) {
    const int letzter = static_cast<int>(SBU_Objekte.size()) - 1;
    int t = std::max(BMU_Seitenanfang, 0);
    const int x = MoPosFenstermitte_X, y = MoPosFenstermitte_Y;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 6; ++c) {
            while (t <= letzter && !FFU_Objekt_baubar(t, SpielerID)) ++t;
            if (t > letzter) return false;
            const int typ = t++;
            if (!innen(x, 84 * c - 253, 84 * c - 173) || !innen(y, 80 * r - 165, 80 * r - 85)) continue;
            tooltip(26, typ);
            if (klick) {
                BPU_Baumodus_starten(typ);
                Panelanzeigen(60);
            }
            return true;
        }
    }
    return false;
}

bool IFU_Edikt_Intraktiv_Mouse_over(bool klick) {
    const int e = IAU_Aktuelles_Edikt;
    if (e < 0 || static_cast<std::size_t>(e) >= IAU_Edikte.size()) {
        if (klick) Fehler_melden("IFU_Edikt_Intraktiv_Mouse_over > Edikt unbekannt: " + std::to_string(e));
        return false;
    }
    const Edikt_Data& edikt = IAU_Edikte[static_cast<std::size_t>(e)];
    // Relative to the row the window is centred on.
    const int x = MoPosFenstermitte_X,
              y = MoPosFenstermitte_Y - (IFU_Ediktfenster_Mitte_Y() - IFU_Fenstermitte_Y);
    for (int i = 0; i < static_cast<int>(edikt.Gesetze.size()); ++i) {
        if (!innen(y, 40 * i - 115, 40 * i - 92)) continue;
        if (klick && halboffen(x, -219, -197)) {
            IAU_Auswahl_1 = i;
            return true;
        }
        if (halboffen(x, -249, -227)) {
            tooltip(103, i);
            return true;
        }
    }
    if (klick) {
        constexpr int links[] = {-224, -99, 21, 156};
        for (int t : edikt.Zeiten) {
            if (t < 0 || t > 3) {
                Fehler_melden("IFU_Edikt_Intraktiv_Mouse_over -> Zeitkomponente(" + std::to_string(e) +
                              W(") -> hat ungültigen Timestep(") + std::to_string(t) + ")");
                continue;
            }
            if (halboffen(x, links[t], links[t] + 24) && innen(y, 177, 202)) {
                // The choice is the duration code itself, as the window marks it and the edict reads it.
                IAU_Auswahl_2 = t;
                return true;
            }
        }
    }
    if (halboffen(x, -229, -165) && innen(y, 270, 335)) {
        Mouseoverfunktion_Nummer = 104;
        return true;
    }
    if (halboffen(x, 166, 230) && innen(y, 270, 335)) {
        if (klick) {
            EDU_Zeitedikt_eintragen(SpielerID);
            BrU_Brief_entfernen(SpielerID);
            // Back to the game's bar: the decision is taken, the game goes on.
            Panelanzeigen(Spiel_laeuft() ? 60 : 0);
        }
        Mouseoverfunktion_Nummer = 105;
        return true;
    }
    return false;
}

#include "ui/MouseOver.h"

#include <string>

#include "economy/Arbeiterslots.h"
#include "economy/Hilfen_Objekte.h"
#include "economy/Objekte.h"
#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Spielstatus.h"
#include "foundation/Textzeilen.h"
#include "economy/Warenindex.h"
#include "platform/Maus.h"
#include "platform/base/Datei.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Panelschalter.h"
#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "ui/Textausgabe.h"
#include "ui/Rangliste.h"
#include "ui/InterfacePanel.h"
#include "world/Kartengenerator.h"
#include "ui/Fenster_Bau.h"
#include "ui/Aktionen.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"
#include "ui/Textoverlay.h"

std::vector<std::vector<MO_Zone>> MO_Zonen;
MO_Mausquelle_Funktion MO_Mausquelle = &plattform::Mausposition;
MO_Aktion_Funktion MO_Aktion_ausfuehren = &MOAktion;

namespace {

bool im_Spiel() { return Spiel_laeuft(); }
bool spielt() { return im_Spiel() && Spieler_Startphase(SpielerID) != 1; }

// The shown object is a harbour whose construction is complete.
bool fertiger_Hafen() {
    if (!OM_Objekt_gueltig(Gewaehltes_Objekt)) return false;
    return OM_ist_Hafen(Objekte[static_cast<std::size_t>(Gewaehltes_Objekt)].Typ()) &&
           !OM_Baumaterial_fehlt(Gewaehltes_Objekt);
}

void tooltip(int nummer) { Mouseoverfunktion_Nummer = nummer; }
void tooltip(int nummer, int wert) {
    Mouseoverfunktion_Nummer = nummer;
    Mouseoverfunktion_Wert = wert;
}

void warenslot_info(int k) {
    if (!OM_Objekt_gueltig(Gewaehltes_Objekt)) return;
    if (Objekte[static_cast<std::size_t>(Gewaehltes_Objekt)].Slot_Ware(k) >= 0) tooltip(82, 16 + 4 * k);
}

void arbeiterslot_info(int s) {
    const int o = Gewaehltes_Objekt;
    if (!OM_Objekt_gueltig(o)) return;
    const int person = OB_Arbeiter_des_Slots(o, s);
    if (OM_Objekt_ist_Home(o)) {
        if (person >= 0) tooltip(96, person);
        return;
    }
    if (!OB_Slot_offen(o, s)) return;
    if (OB_Slot_hat_Arbeiter(o, s))
        tooltip(95, person);
    else
        tooltip(83);
}

}  // namespace

int MO_UIdat_Zeilen_zaehlen(const std::vector<std::string>& zeilen) {
    int n = 0;
    for (const std::string& z : zeilen) {
        if (z.empty()) break;
        ++n;
    }
    return n;
}

void MO_UIdat_gruppieren(const std::vector<MO_Zone>& zeilen) {
    for (const MO_Zone& z : zeilen) {
        const int b = z[MO_Zone_Bedingung];
        if (b < 0 || b > MO_Bedingung_max) {
            Fehler_melden("MO_UIdat_gruppieren > Bedingungnummer ausserhalb des Bereichs: " +
                          std::to_string(b));
            continue;
        }
        if (static_cast<std::size_t>(b) >= MO_Zonen.size()) MO_Zonen.resize(static_cast<std::size_t>(b) + 1);
        MO_Zonen[static_cast<std::size_t>(b)].push_back(z);
    }
}

void MO_UIdat_laden() {
    const std::string pfad = Programmpfad + "Daten\\UI.dat";
    std::vector<MO_Zone> roh;
    if (const auto zeilen = Textdatei_lesen(pfad)) {
        const int n = MO_UIdat_Zeilen_zaehlen(*zeilen);
        roh.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            MO_Zone z{};
            if (!Zahlenzeile_lesen((*zeilen)[static_cast<std::size_t>(i)], 9, z.data())) {
                // The rows before the bad one are kept; the rest of the file is not read.
                Fehler_melden("MO_UIdat_laden > fehlerhafte Zeile " + std::to_string(i + 1) + " in " + pfad);
                break;
            }
            roh.push_back(z);
        }
    }
    if (roh.empty()) {
        Fehler_melden("Datei konnte nicht gefunden werden: " + pfad);
        return;
    }
    MO_UIdat_gruppieren(roh);
}

void MO_Zonen_leeren() { MO_Zonen.clear(); }

void MO_Mauspositionen_setzen() {
    int x = 0, y = 0;
    if (MO_Mausquelle) MO_Mausquelle(x, y);
    // The window reports client pixels: the border terms of a framed window are already taken off.
    MoPosEcht_X = x;
    MoPosEcht_Y = y;
    MoPosFenstermitte_X = MoPosEcht_X - IFU_Fenstermitte_X;
    MoPosFenstermitte_Y = MoPosEcht_Y - IFU_Fenstermitte_Y;
}

bool MO_Mouseover(bool click) {
    MO_Mauspositionen_setzen();
    Mouseoverfunktion_Nummer = 0;

    if (MO_Panel_Mouseover(click)) return true;

    for (std::size_t b = 0; b < MO_Zonen.size(); ++b) {
        if (MO_Zonen[b].empty() || !MOBedingung(static_cast<int>(b))) continue;
        for (const MO_Zone& z : MO_Zonen[b]) {
            if (!MORahmen(z[MO_Zone_X1], z[MO_Zone_X2], z[MO_Zone_Y1], z[MO_Zone_Y2], z[MO_Zone_Rahmen]))
                continue;
            const MO_Zone zone = z;  // the action may reload the zones
            MOInfo(zone[MO_Zone_Info]);
            if (click && MO_Aktion_ausfuehren)
                MO_Aktion_ausfuehren(zone[MO_Zone_Info], zone[MO_Zone_Aktion], zone[MO_Zone_Parameter]);
            return true;
        }
    }

    const int brief = BrU_Brief_lesen(SpielerID, MoPosEcht_X, MoPosEcht_Y);
    if (brief >= 0) {
        if (click) {
            IAU_Aktuelles_Edikt = brief;
            Panelanzeigen(44);
        }
        return false;
    }

    if (Ediktfenster_offen && IFU_Edikt_Intraktiv_Mouse_over(click)) return false;
    if (Warenraster_offen && MO_Warenraster_waehlen(click)) return false;
    if (Statistikmenue_offen && (MO_Statmenu_Waren_waehlen(click) || MO_Statmenu_Gruppe_waehlen(click)))
        return false;
    if (Baufenster_offen) MO_Baumenue_waehlen(click);
    return false;
}

bool MOBedingung(int bedingung) {
    switch (bedingung) {
        case -1:
            return false;
        case 13:
            return spielt() && Baufenster_offen;
        case 17:
            return spielt() && Schalterfenster1_offen;
        case 18:
            return spielt() && Schalterfenster2_offen;
        case 19:
            return spielt() && Schalterfenster3_offen;
        case 20:
        case 23:
            return spielt();
        case 21:
            return spielt() && Objektinfo_offen;
        case 25:
            return spielt() && Minimap_offen;
        case 26:
            return spielt() && Statistikmenue_offen;
        case 29:
            return spielt() && Statistikmenue_offen && Statistik_Kategorie == 3;
        case 32:
            return spielt() && Objektinfo_offen && fertiger_Hafen();
        case 33:
            // The info window of one's own object: its demolition button.
            return spielt() && Objektinfo_offen && OM_Objekt_gueltig(Gewaehltes_Objekt) &&
                   FFU_Objekt_eigen(Gewaehltes_Objekt);
        case 38:
            return !im_Spiel() && Texteingabe_aktiv;
        case 39:
            return !im_Spiel() && Fenster30_offen;
        case 40:
            return im_Spiel() && Warenraster_offen;
        case 43:
            return IFU_Iconleiste_aktiv;
        default:
            Fehler_melden("MouseOverUnit > MOBedingung : Bedingungnummer nicht abgefangen :" +
                          std::to_string(bedingung));
            return false;
    }
}

bool MORahmen(int x1, int x2, int y1, int y2, int art) {
    switch (art) {
        case 1:
            return x1 < MoPosEcht_X && MoPosEcht_X < x2 && y1 < MoPosEcht_Y && MoPosEcht_Y < y2;
        case 2:
            return x1 < MoPosFenstermitte_X && MoPosFenstermitte_X < x2 && y1 < MoPosFenstermitte_Y &&
                   MoPosFenstermitte_Y < y2;
        case 3: {
            const long long s = static_cast<long long>(MoPosEcht_X) + MoPosEcht_Y;
            return x1 < s && s < x2 && y1 < MoPosEcht_Y && MoPosEcht_Y < y2;
        }
        case 7: {
            const double halb = MoPosFenstermitte_Y / 2.0;
            return x1 - halb < MoPosFenstermitte_X && MoPosFenstermitte_X < x2 - halb &&
                   y1 < MoPosFenstermitte_Y && MoPosFenstermitte_Y < y2;
        }
        case 8:
            return x1 < MoPosFenstermitte_X && MoPosFenstermitte_X < x2 && y1 < MoPosEcht_Y &&
                   MoPosEcht_Y < y2;
        default:
            Fehler_melden("MouseOverUnit > MORahmen : Fenster_Rahmen nicht abgefangen :" +
                          std::to_string(art));
            return false;
    }
}

void MOInfo(int info) {
    if (info == -1 || (info >= 1 && info <= 3)) return;
    if (info == 0) return tooltip(87);
    if (info >= 15 && info <= 41) return tooltip(info + 11);
    if (info >= 42 && info <= 44) return tooltip(info - 19);
    if (info >= 45 && info <= 71) return tooltip(info + 8);
    if (info >= 78 && info <= 83) return warenslot_info(info - 78);
    if (info == 97 || info == 98) return tooltip(info);
    if (info == 151 || info == 152) return tooltip(info - 50);
    if (info >= 200 && info <= 211) return arbeiterslot_info(info - 200);
    Fehler_melden("MouseOverUnit > MOInfo : Infonummer nicht abgefangen :" + std::to_string(info));
}

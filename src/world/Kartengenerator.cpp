#include "world/Kartengenerator.h"

#include <string>

#include "economy/Baumenue.h"
#include "economy/Bauvorschau.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "platform/base/Text1252.h"
#include "population/Edikte.h"
#include "population/Jobarchiv.h"
#include "population/Personen_Geburt.h"
#include "world/Forschung.h"
#include "world/Gelaende.h"
#include "world/Hasen.h"
#include "world/Hoehen.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Pfade.h"
#include "world/Ressourcen.h"
#include "world/Warenreparatur.h"

int SingelGameTYPWahl = SingelGameTYPWahl_Standard;
int SingelGameGroessenWahl = SingelGameGroessenWahl_Standard;
int SingelGamerohstoffWahl = SingelGamerohstoffWahl_Standard;
int SingelGameKIanzahl = SingelGameKIanzahl_Standard;
bool ELE = false;
bool CLT = false;
int SingelGameKILevel = SingelGameKILevel_Standard;
int KI_Insel = -1;

namespace {

void zeile(const std::string& text) { Oberflaeche().TPU_Ladestatus_add(text); }

std::string daten_ordner() { return Programmpfad + "Daten\\"; }

// Building-land cells per computer clan for the density choices 1..6.
int felder_je_clan(int wahl) {
    switch (wahl) {
        case 1:
            return 20000;
        case 2:
            return 18000;
        case 3:
            return 16000;
        case 4:
            return 14000;
        case 5:
            return 12000;
        case 6:
            return 10000;
        default:
            return 0;
    }
}

}  // namespace

void MG_Einstellungen_zuruecksetzen() {
    SingelGameTYPWahl = SingelGameTYPWahl_Standard;
    SingelGameGroessenWahl = SingelGameGroessenWahl_Standard;
    SingelGamerohstoffWahl = SingelGamerohstoffWahl_Standard;
    SingelGameKIanzahl = SingelGameKIanzahl_Standard;
    SingelGameKILevel = SingelGameKILevel_Standard;
    ELE = false;
    CLT = false;
    KI_Insel = -1;
}

void MG_Einstellungen_pruefen() {
    // An unknown size becomes choice 4, the 512-cell map the size rule falls back
    // to, so the hill counts of map type 6 never see a raw out-of-range choice.
    if (SingelGameGroessenWahl < 0 || SingelGameGroessenWahl > 9) {
        Fehler_melden("Nicht abgefangener SingelGameGroessenWahl :" + std::to_string(SingelGameGroessenWahl));
        SingelGameGroessenWahl = 4;
    }
    if (SingelGameTYPWahl < 0 || SingelGameTYPWahl > 7) {
        Fehler_melden("Nicht abgefangener SingelGameTYPWahl :" + std::to_string(SingelGameTYPWahl));
        SingelGameTYPWahl = SingelGameTYPWahl_Standard;
    }
}

void MG_Spiel_starten() {
    Eingabesperre = true;
    Oberflaeche().Panelanzeigen(64);
    // Each attempt reloads the templates; after a failed one the goods folders
    // are reordered on disk so that the next load finds the materials first.
    bool fertig = false;
    for (int versuch = 0;; ++versuch) {
        MG_Neue_Welt();
        if (SBU_Fehlwaren.empty()) {
            fertig = true;
            break;
        }
        const int hoechste = static_cast<int>(SBU_Waren.size()) - 1;
        zeile("ERROR > Start Auto_repair! RepairID(" + std::to_string(versuch) + "/" +
              std::to_string(hoechste) + ")");
        if (!MG_Auto_repair() || versuch > hoechste) break;
    }
    if (!fertig) {
        // No world: back to the set-up instead of a game on an empty map; the
        // player is told, the error log gets the same text.
        const std::string text =
            "MG_Spiel_starten > Die Welt konnte nicht erstellt werden: die Warendaten sind fehlerhaft.";
        Fehler_melden(text);
        Shell().Meldung(text);
        SSL = false;
        Eingabesperre = false;
        Oberflaeche().Panelanzeigen(MG_Einstellungspanel);
        return;
    }
    const int n = MG_Kartengroesse;
    Render().Kamera_zentrieren(n / 2, n / 2);
    SSL = true;
    if (SingelGameTYPWahl != 4) BPU_Baumodus_starten(SBU_Start_ID);
    Eingabesperre = false;
    Oberflaeche().Panelanzeigen(60);
    Shell().FormResize();
}

void MG_Neue_Welt() {
    // 1.-4.
    Oberflaeche().TPU_Ladestatus_leeren();
    zeile("Gerneriere eine neue Welt!");
    MG_Welt_zuruecksetzen();
    LSU_Letzter_Speichername = "Quicksave";
    Hase_Mod_ini_lesen();
    // 5. The map.
    MG_Einstellungen_pruefen();
    zeile("Erschaffe Karteneigenschaften...");
    const int n = MG_Groesse_aus_Wahl(SingelGameGroessenWahl);
    MG_Kartengroesse = n;
    MG_Karte_anlegen(n, Karte);
    // 6.-8. Names and templates.
    zeile("Lese Person und Mitspielernamen ein...");
    NGU_Namenlisten_laden();
    zeile(W("Prüfe auf Modifikation..."));
    SBU_Schablonen_laden(daten_ordner());
    Hasen_WarenID = SBU_Kaninchenware;
    if (!SBU_Fehlwaren.empty()) {
        zeile("ERROR > Erste ID[" + std::to_string(SBU_Fehlwaren.front()) + "] Anzahl[" +
              std::to_string(SBU_Fehlwaren.size()) + "]");
        return;
    }
    // 9. The interactive edicts.
    Oberflaeche().IAU_Edikte_laden();
    // 10.-13. Land, islands, ambient, resources.
    zeile(W("Erstelle Höhe und Tiefe..."));
    MG_Kartentyp_erzeugen(SingelGameTYPWahl);
    IU_Inseln_erzeugen();
    if (SingelGameTYPWahl != 4) MG_Ambiente_verteilen();
    RU_Ressourcen_erfassen();
    // 14.-15. The clans.
    GU_Spieler_erstellen(MG_Computerclans_zaehlen());
    IU_Spielerfelder_anlegen();
    EDU_Edikte_initialisieren();
    // 16. Image packs and the build menu.
    zeile(W("Lade Bauschablonen für Gebäude..."));
    Render().ML_Iconpacks_laden(daten_ordner());
    Render().ML_Packlisten_erzeugen();
    BMU_Tabelle_anlegen();
    // 17.-19.
    MG_Spieler_platzieren();
    zeile("Erschaffe Kaninchenbauten...");
    PFU_Init();
    zeile("Erschaffe Forschungsbaum...");
    FU_Forschung_anlegen();
    FU_Werte_wuerfeln();
}

int MG_Computerclans_zaehlen() {
    if (SingelGameTYPWahl == 4) return 3;
    if (SingelGameKIanzahl <= 0) return 0;
    const int d = felder_je_clan(SingelGameKIanzahl);
    int n = 0;
    if (d > 0)
        n = IU_Landklassen[2] / d;
    else
        Fehler_melden("MapGenerator (SingelGameKIanzahl[" + std::to_string(SingelGameKIanzahl) +
                      "] * Typ) nicht erkannt");
    return n < 1 ? 1 : n;
}

int MG_Viertelpunkt(int clan) {
    const int n = MG_Kartengroesse;
    const int q = n / 4;
    const int h = n * n - 1;
    switch (clan) {
        case 0:
            return q + h / 4;
        case 1:
            return (n - q) + h / 4;
        case 2:
            return q + (h - h / 4);
        case 3:
            return (n - q) + (h - h / 4);
        default:
            return -1;
    }
}

int MG_Startfeld_suchen(int clan) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("MG_Startfeld_suchen > unbekannter Clan: " + std::to_string(clan));
        return -1;
    }
    const int typ = SingelGameTYPWahl;
    if (typ < 0 || typ > 7) {
        Fehler_melden("Nicht abgefangener SingelGameTYPWahl :" + std::to_string(typ));
        return -1;
    }
    if (Spieler[static_cast<std::size_t>(clan)].Startphase() != 1) return -1;
    switch (typ) {
        case 0: {
            const int insel = IU_Insel_fuer_Spieler_waehlen(clan);
            if (insel == -1) {
                Fehler_melden("KI konnte nicht gesetzt werden. 1 Achipel");
                return -1;
            }
            KI_Insel = insel;
            const int start = MG_Zufallsrasterfeld();
            const int feld = Schneckenroutine(start, 33, clan);
            if (feld == -1) {
                Fehler_melden("KI konnte nicht gesetzt werden. 3 Achipel");
                return -1;
            }
            return JA_Bauplatz_suchen(feld, SBU_Start_ID, true);
        }
        case 4: {
            const int punkt = MG_Viertelpunkt(clan);
            if (punkt < 0) {
                Fehler_melden("MG_Startfeld_suchen > kein Viertel fuer Clan " + std::to_string(clan));
                return -1;
            }
            return JA_Bauplatz_suchen(punkt, SBU_Start_ID, false);
        }
        default:
            return JA_Bauplatz_suchen(MG_Zufallsrasterfeld(), SBU_Start_ID, false);
    }
}

void MG_Spieler_platzieren() {
    for (int p = 0; p < static_cast<int>(Spieler.size()); ++p) {
        const bool computer = Spieler[static_cast<std::size_t>(p)].Steuerung() == 1;
        int feld;
        if (computer) {
            feld = MG_Startfeld_suchen(p);
            if (feld == -1) {
                GUI_Info_add(280, -1, "");
                return;
            }
        } else {
            // The human places its own start site, except on the four quarters.
            if (SingelGameTYPWahl != 4) continue;
            feld = JA_Bauplatz_suchen(MG_Viertelpunkt(0), SBU_Start_ID, false);
            if (feld == -1) {
                Fehler_melden("Mensch konnte nicht gesetzt werden");
                return;
            }
        }
        if (!MG_Feld_gueltig(feld)) {
            Fehler_melden("MG_Spieler_platzieren > Startfeld ausserhalb der Karte: " + std::to_string(feld));
            return;
        }
        if (Karte[static_cast<std::size_t>(feld)].Bauplatzwert() < 1) continue;
        const bool gesetzt = BPU_Baustelle_setzen(feld, SBU_Start_ID, p);
        NGU_Clanname_setzen(p, computer ? std::string() : Spielername);
        Spielerzeile& s = Spieler[static_cast<std::size_t>(p)];
        if (!gesetzt || s.Startphase() != 1) continue;
        PM_Startbevoelkerung_anlegen(feld, p);
        s.Heimatfeld() = feld;
        s.Startfeld() = feld;
        IU_Spieler_auf_Insel_addieren(Karte[static_cast<std::size_t>(feld)].Insel(), p, 1);
        GUI_Info_add(2, feld, NGU_Clanname(p));
    }
}

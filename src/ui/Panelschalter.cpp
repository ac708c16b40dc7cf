#include "ui/Panelschalter.h"

#include <string>

#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "render/Kartentexturen.h"
#include "ui/Fenster_Bau.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "ui/Textausgabe.h"
#include "ui/Rangliste.h"
#include "ui/Aktionen.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"
#include "ui/Textoverlay.h"
#include "world/Kartengenerator.h"
#include "world/Minimap.h"

bool IFU_Iconleiste_aktiv = false;
int IFU_Updateanzeige_Zaehler = 0;
int IFU_Statmenu_Auswahl = 1;

namespace {

// Width the text of the interactive edict window is wrapped to.
constexpr int kEdikttext_Breite = 480;

void zeigen(int slot) { ITP_Panel_Schalter[static_cast<std::size_t>(slot)].sichtbar = true; }

void einzelspiel_vorgaben() {
    SingelGameTYPWahl = 2;
    SingelGameGroessenWahl = 5;
    SingelGamerohstoffWahl = 5;
    SBMAb = false;
    SBMAi = 100;
    SBGOb = false;
    SBGOi = SBGOi_Vorgabe;
    SBLUb = false;
    SBLUi = 100;
    SBLCb = false;
    SingelGameKIanzahl = 3;
    SingelGameKILevel = 6;
    ELE = false;
    CLT = false;
}

void statistik_oeffnen() {
    Statistikmenue_offen = true;
    IFU_Statmenu_Auswahl = 1;
    if (SBU_Waren.size() > 1)
        IFU_Statmenu_Liste_fuellen(SBU_Waren[1].Group);
    else
        Fehler_melden("Panelanzeigen > Warenvorlage 1 fehlt, Statistikliste bleibt leer");
    DiaU_Chart_erstellen(Statistik_Kategorie, Statistik_Reihe);
}

// Shows the edict the caller chose (the letter that was clicked); a number that names no edict
// is reported, and the game's bars come back instead of the window.
void edikt_oeffnen() {
    const int n = IAU_Aktuelles_Edikt;
    if (n < 0 || static_cast<std::size_t>(n) >= IAU_Edikte.size()) {
        Fehler_melden("Panelanzeigen > Edikt existiert nicht: " + std::to_string(n));
        Panelanzeigen(60);
        return;
    }
    Ediktfenster_offen = true;
    IAU_Auswahl_1 = 0;
    const Edikt_Data& e = IAU_Edikte[static_cast<std::size_t>(n)];
    IAU_Text_umbrechen(e.Text, kEdikttext_Breite);
    IAU_Auswahl_2 = e.Zeiten.empty() ? 0 : e.Zeiten.back();
}

}  // namespace

void IFU_Alles_schliessen() {
    for (int s = 0; s < ITP_Schalter_Anzahl; ++s)
        if (s != ITP_Unbenannt) ITP_Panel_Schalter[static_cast<std::size_t>(s)].sichtbar = false;
    Texteingabe_aktiv = false;
    Fenster30_offen = false;
    Fenster40_offen = false;
    Fenster41_offen = false;
    Fenster42_offen = false;
    Ediktfenster_offen = false;
    Objektinfo_offen = false;
    Baufenster_offen = false;
    Schalterfenster1_offen = false;
    Schalterfenster2_offen = false;
    Schalterfenster3_offen = false;
    Statistikmenue_offen = false;
    Minimap_offen = false;
    Warenraster_offen = false;
    Fenster36_offen = false;
    IFU_Iconleiste_aktiv = false;
}

void Panelanzeigen(int Nummer) {
    IFU_Alles_schliessen();
    switch (Nummer) {
        case 0:
        case 25:
        case 26:
        case 27:
        case 43:
            break;
        case 1:
            zeigen(ITP_Startbildschirm);
            KSL = SSL = MSL = ISL = false;
            break;
        case 3:
            zeigen(ITP_Einzelspieler);
            einzelspiel_vorgaben();
            break;
        case 5:
            Platzierungsmodus = false;
            zeigen(ITP_InGameMain);
            break;
        case 6:
            zeigen(ITP_OptionsPanel);
            break;
        case 7:
            Baufenster_offen = true;
            break;
        case 11:
            if (MO_Objektart_unter_Maus != 0)
                Objektinfo_offen = true;
            else
                zeigen(ITP_ObjektProduktionPanel);
            break;
        case 14:
            zeigen(ITP_IronmanPanel);
            break;
        case 15:
            Schalterfenster1_offen = true;
            break;
        case 16:
            Schalterfenster2_offen = true;
            break;
        case 17:
            Schalterfenster3_offen = true;
            break;
        case 20:
            zeigen(ITP_Credits);
            break;
        case 23:
            statistik_oeffnen();
            break;
        case 24:
            Minimap_offen = true;
            MG_Minimap_erstellen();
            ML_Kartentexturen_erzeugen();
            break;
        case 28:
            Warenraster_offen = true;
            FFU_Transportwaren_Liste(0);
            break;
        case 29:
            Texteingabe_aktiv = true;
            break;
        case 30:
            Fenster30_offen = true;
            break;
        case 31:
            zeigen(ITP_LadePanel);
            break;
        case 32:
            zeigen(ITP_Speicherpanel);
            break;
        case 33:
            zeigen(ITP_SingelGameForschung);
            break;
        case 34:
            IFU_Iconleiste_aktiv = true;
            break;
        case 35:
            zeigen(ITP_SingelGameLupe);
            break;
        case 36:
            Fenster36_offen = true;
            break;
        case 40:
            Fenster40_offen = true;
            break;
        case 41:
            Fenster41_offen = true;
            break;
        case 42:
            Fenster42_offen = true;
            break;
        case 44:
            edikt_oeffnen();
            break;
        case 45:
            zeigen(ITP_UpdatePanelfehler);
            IFU_Updateanzeige_Zaehler = 250;
            break;
        case 46:
            zeigen(ITP_UpdatePanel);
            break;
        case 47:
            zeigen(ITP_ErrungenschaftenGold);
            break;
        case 48:
            zeigen(ITP_ErrungenschaftenMitglieder);
            break;
        case 49:
            zeigen(ITP_ErrungenschaftenWaren);
            break;
        case 50:
            zeigen(ITP_ErrungenschaftenLuxus);
            break;
        case 51:
            zeigen(ITP_ErrungenschaftenHaus);
            break;
        case 52:
            zeigen(ITP_ErrungenschaftenClan);
            break;
        case 53:
            zeigen(ITP_HandbuchMitglieder);
            break;
        case 54:
            zeigen(ITP_HandbuchSpielwelt);
            break;
        case 55:
            zeigen(ITP_HandbuchWohnhaeuser);
            break;
        case 56:
            zeigen(ITP_HandbuchProduktion);
            break;
        case 57:
            zeigen(ITP_HandbuchWaren);
            break;
        case 58:
            zeigen(ITP_HandbuchWirtschaft);
            break;
        case 59:
            zeigen(ITP_DebugPanel);
            break;
        case 60:
            if (Spieler_Startphase(SpielerID) != 0) {
                zeigen(ITP_SingelGameTutorial);
                Platzierungsmodus = true;
                Bau_Typ = SBU_Start_ID;
            } else {
                zeigen(ITP_SingelGameAktiv);
            }
            break;
        case 61:
            zeigen(ITP_SingelGameForschungAuswahl);
            break;
        case 62:
            zeigen(ITP_GameGewonnen);
            Pause = true;
            break;
        case 63:
            zeigen(ITP_GameVerloren);
            Pause = true;
            break;
        case 64:
            zeigen(ITP_LadeBildschirm);
            break;
        default:
            Fehler_melden("Panelanzeigen > Nummer nicht abgefangen : " + std::to_string(Nummer));
            break;
    }
}

void IFU_Panelschalter_zuruecksetzen() {
    IFU_Alles_schliessen();
    ITP_Panel_Schalter[ITP_Unbenannt].sichtbar = false;
    IFU_Updateanzeige_Zaehler = 0;
    IFU_Statmenu_Auswahl = 1;
}

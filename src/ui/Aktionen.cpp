#include "ui/Aktionen.h"

#include <algorithm>

#include "app/GLForm.h"
#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Bauvorschau.h"
#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Hilfen.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "persistence/Spielstaende.h"
#include "persistence/Update.h"
#include "platform/Fenster.h"
#include "platform/base/Zufall.h"
#include "population/Befehlsliste.h"
#include "population/Briefe.h"
#include "render/Kamera.h"
#include "ui/InterfacePanel.h"
#include "ui/Panelschalter.h"
#include "ui/Paneltexte.h"
#include "platform/base/Prozess.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "ui/Interaktiv.h"
#include "world/Kartengenerator.h"

namespace {

const std::string kUnbekannt = "MouseOverUnit > MOAktion : Aktionnummer nicht abgefangen :";

bool zwischen(int a, int von, int bis) { return a >= von && a <= bis; }

// The human's row; nullptr while there is none (menus before the first game).
Spielerzeile* mensch() {
    return GU_Clan_gueltig(SpielerID) ? &Spieler[static_cast<std::size_t>(SpielerID)] : nullptr;
}

// The shown object; nullptr for a free row, and reported for one that does not exist.
Objektzeile* objekt() {
    if (Gewaehltes_Objekt < 0) return nullptr;
    Objektzeile* z = OM_Zeile(Gewaehltes_Objekt, "MOAktion");
    return z && z->Feld() > 0 ? z : nullptr;
}
// The shown object when it belongs to the human. Only the owner runs a building: an ally's
// window shows its workers, but its staffing, stop and margin stay its owner's.
Objektzeile* eigenes_objekt() {
    Objektzeile* z = objekt();
    return z && z->Besitzer() == SpielerID ? z : nullptr;
}

void zeitgeber(bool an) {
    if (GLForm) GLForm->Eventtimer.setzen(an);
}

void im_spiel_sonst_menue() { Panelanzeigen(Spiel_laeuft() ? 5 : 1); }

// --- Toggle windows -------------------------------------------------------------

// The human's flag field behind each of the 27 toggle entries.
constexpr int kSchalterfeld[27] = {11, 21, 30, 13, 22, 31, 14, 23, 32, 15, 24, 33, 16, 25,
                                   34, 17, 26, 35, 18, 27, 36, 19, 28, 37, 20, 29, 38};

void schalter_setzen(Spielerzeile& s, int eintrag, bool an) {
    Schalterfenster_Optionen[eintrag] = an;
    s.feld(kSchalterfeld[eintrag]) = an ? 1 : 0;
}

// The entry a plain toggle action flips, -1 for the exclusive ones.
int schalter_eintrag(int aktion) {
    if (aktion == 235) return 0;
    if (zwischen(aktion, 236, 243)) return 3 * (aktion - 235);
    if (zwischen(aktion, 244, 252)) return 1 + 3 * (aktion - 244);
    if (aktion == 253) return 2;
    if (aktion == 254) return 5;
    if (aktion == 258) return 17;
    if (aktion == 260) return 23;
    if (aktion == 261) return 26;
    return -1;
}

void schalter(int aktion) {
    Spielerzeile* s = mensch();
    if (!s) return;
    const int e = schalter_eintrag(aktion);
    if (e >= 0) {
        schalter_setzen(*s, e, !Schalterfenster_Optionen[e]);
        return;
    }
    switch (aktion) {
        case 255:
            if (Schalterfenster_Optionen[8]) return;
            schalter_setzen(*s, 8, true);
            schalter_setzen(*s, 11, false);
            schalter_setzen(*s, 14, false);
            schalter_setzen(*s, 20, false);
            return;
        case 256:
            if (Schalterfenster_Optionen[11]) return;
            schalter_setzen(*s, 11, true);
            schalter_setzen(*s, 8, false);
            schalter_setzen(*s, 14, false);
            schalter_setzen(*s, 20, false);
            return;
        case 257:
            if (Schalterfenster_Optionen[14]) return;
            schalter_setzen(*s, 14, true);
            schalter_setzen(*s, 8, false);
            schalter_setzen(*s, 11, false);
            return;
        case 259:
            if (Schalterfenster_Optionen[20]) {
                schalter_setzen(*s, 20, false);
            } else {
                schalter_setzen(*s, 20, true);
                schalter_setzen(*s, 14, true);
                schalter_setzen(*s, 8, false);
                schalter_setzen(*s, 11, false);
            }
            return;
        default:
            return;
    }
}

// Closing an in-game window brings the game's bar back (with nothing open the player would face
// a bare map until a right click).
void fenster_zu() { Panelanzeigen(Spiel_laeuft() ? 60 : 0); }

// Opens toggle window 15, 16 or 17 with the switches read afresh from the human's clan row, so
// that it never shows what an earlier game or an edict left behind.
void schalterfenster(int nummer) {
    Panelanzeigen(nummer);
    if (Spielerzeile* s = mensch())
        for (int e = 0; e < 27; ++e) Schalterfenster_Optionen[e] = s->feld(kSchalterfeld[e]) == 1;
}

void schalterfenster1() {
    if (Schalterfenster1_offen) {
        fenster_zu();
        return;
    }
    schalterfenster(15);
}

// The bar's figures open the statistics on their own series: members, gold and happiness among
// the clan series, the goods on the stock of the first good.
void statistik_zeigen(int kategorie, int reihe) {
    Statistik_Kategorie = kategorie;
    Statistik_Reihe = reihe;
    Panelanzeigen(23);
}

// The letters button: the edict window of the first letter, or closes the window when it is open.
void briefe() {
    if (Ediktfenster_offen) {
        fenster_zu();
        return;
    }
    const int brief = BrU_erster_Brief(SpielerID);
    if (brief < 0) return;
    IAU_Aktuelles_Edikt = brief;
    Panelanzeigen(44);
}

// --- Menus, loading and saving -------------------------------------------------

// Loads a game with the frame timer off; afterwards the start screen or the game.
void laden(const std::string& name, const std::string& ordner, bool meldung) {
    Speichervorgang = true;
    zeitgeber(false);
    Panelanzeigen(0);
    const bool geladen = Persistenz().LSU_Laden(name, ordner);
    if (geladen) LSU_Letzter_Speichername = name;
    if (!Spiel_laeuft()) {
        Panelanzeigen(1);
    } else {
        // A failed load leaves the running game, which is not announced as loaded.
        if (meldung && geladen) GUI_Info_add(247, -1, "");
        Panelanzeigen(60);
    }
    Speichervorgang = false;
    zeitgeber(true);
}

bool eintrag_vorhanden(int k) { return k <= LSU_Spielstand_Letzter && !LSU_Spielstandliste[k].Name.empty(); }

void spielstand_feld(int k) {
    const bool vorhanden = eintrag_vorhanden(k);
    if (ITP_Panel_sichtbar(ITP_LadePanel)) {
        LSU_Spielstand_Letzter = vorhanden ? k : -1;
        if (vorhanden) laden(LSU_Spielstandliste[k].Name, "single\\", true);
    } else if (ITP_Panel_sichtbar(ITP_Speicherpanel)) {
        LSU_Spielstand_Letzter = vorhanden ? k : -1;
        if (!vorhanden) return;
        const std::string& name = LSU_Spielstandliste[k].Name;
        if (!LSU_Ironname(LSU_Speichername) && !LSU_Ironname(name)) LSU_Speichername = name;
        LSU_Spielstaende_auflisten();
    }
}

void spielstand_loeschen(int k) {
    const bool vorhanden = eintrag_vorhanden(k);
    LSU_Spielstand_Letzter = vorhanden ? k : -1;
    if (!vorhanden) return;
    LSU_Spielstand_loeschen(Programmpfad + "save\\single\\" + LSU_Spielstandliste[k].Name);
    LSU_Spielstaende_auflisten();
}

void kampagne_starten() { laden(LSU_Ironmodus, "Kampagne\\", false); }

void update_pruefen() {
    if (Update_laeuft()) return;  // the running check shows its own lines
    if (!InternetGetConnectedState()) {
        Fehler_melden("Es wurde keine Internetverbindung erkannt.");
        Panelanzeigen(45);
        return;
    }
    Panelanzeigen(46);
    IFU_Updateanzeige_Zaehler = 250;
    ITP_Panel_Schalter[ITP_Startbildschirm].sichtbar = false;
    TPU_Updatestatus[0] = "Scanning for Server...";
    for (int i = 1; i < 10; ++i) TPU_Updatestatus[i].clear();
    Shell().Grafik_Engiene(false);
    Update_pruefen(10);
}

void fenster_schliessen() {
    if (!Vollbild && GLForm) {
        int sb = 0, sh = 0;
        if (plattform::Fenster_vorhanden()) plattform::Bildschirmgroesse(sb, sh);
        // The next start opens the window where it stands now; without a window the stored place stays.
        const Fenstergeometrie g = Config_Fenster_lesen(sb > 0 ? sb : 1 << 16, sh > 0 ? sh : 1 << 16);
        int links = g.links, oben = g.oben;
        plattform::Fensterposition(links, oben);
        Config_Fenster_schreiben(Configdatei, Vollbild, GLForm->ClientWidth, GLForm->ClientHeight, links,
                                 oben);
    }
    if (GLForm) GLForm->FormClose();
}

// The program starts anew in this process once this one has shut down (the program block
// does it), so the restart never leaves a second program running beside the first.
bool programm_starten(const std::string& programm) { return Neustart_vormerken(programm); }

void neustart() {
    Vollbild = !Vollbild;
    Config_speichern();
    if (MO_Programm_starten(Programmpfad + "brandenhofmark") && GLForm) GLForm->FormClose();
}

void vorgaben() {
    MausinverterX = MausinverterY = AutosaveCheck = AutosaveEinstellung = Vollbild = false;
    VSync = Error_Silence = true;
    Config_Fenster_schreiben(Configdatei, false, 1280, 700, 100, 50);
    if (GLForm) {
        GLForm->ClientWidth = 1280;
        GLForm->ClientHeight = 700;
        if (plattform::Fenster_vorhanden()) {
            plattform::Clientgroesse_setzen(1280, 700);
            plattform::Fenster_platzieren(100, 50);
            GLForm->FormResize();
        }
    }
    Config_speichern();
}

// --- Sliders ------------------------------------------------------------------------

bool schiebestufe(int aktion, int p) {
    if (zwischen(p, 0, 10)) return true;
    Fehler_melden("MOAktion > Schieberstufe ausserhalb 0..10 bei Aktion " + std::to_string(aktion) + ": " +
                  std::to_string(p));
    return false;
}

void farbe(int aktion, int p) {
    if (!schiebestufe(aktion, p)) return;
    const int wert = p * 10;
    const int kanal = aktion - 615;
    (kanal == 0 ? SpielerfarbeR : kanal == 1 ? SpielerfarbeG : SpielerfarbeB) = wert;
    if (Spielerzeile* s = mensch()) s->feld(kanal) = wert;
}

// --- Single-game set-up ----------------------------------------------------------

void klemmen(int& wert, int delta, int min, int max) { wert = std::clamp(wert + delta, min, max); }

// --- In-game bar and statistics ------------------------------------------------------

void statistik_kategorie(int k) {
    Statistik_Kategorie = k;
    Statistik_Reihe = 1;
    IFU_Statmenu_Auswahl = 1;
    IFU_Statmenu_Liste_fuellen(SBU_Waren.size() > 1 ? SBU_Waren[1].Group : std::string());
    DiaU_Chart_erstellen(Statistik_Kategorie, Statistik_Reihe);
}

void minimap_klick() {
    const int h = static_cast<int>(Floor_div(MoPosFenstermitte_Y + 36, 2));
    // (mx + 255 + h - 127) / 3 * 2, rounded down.
    const int x =
        static_cast<int>(Floor_div(2 * static_cast<std::int64_t>(MoPosFenstermitte_X + 255 + h - 127), 3));
    Kamera_Minimapklick(x, h);
}

void forschung() {
    if (!ITP_Panel_sichtbar(ITP_SingelGameForschung) && !ITP_Panel_sichtbar(ITP_SingelGameForschungAuswahl)) {
        const Spielerzeile* s = mensch();
        Panelanzeigen(s && s->Warnstufe_1() == 1 ? 33 : 61);
    } else {
        Panelanzeigen(60);
    }
}

bool* meldungsschalter(int aktion) {
    bool* schalter[] = {&GUI_Ge, &GUI_To, &GUI_Ab, &GUI_Ei, &GUI_FO,  &GUI_KT, &GUI_KS,
                        &GUI_FS, &GUI_Au, &GUI_Cl, &GUI_Me, &Fil_Gps, &GUI_In};
    return schalter[aktion - 680];
}

void exklusiver_filter(int aktion) {
    bool* f = aktion == 693   ? &Fil_Gst
              : aktion == 695 ? &Fil_Rfi
              : aktion == 696 ? &Fil_Maf
              : aktion == 697 ? &Fil_Mhf
              : aktion == 698 ? &Fil_Zuf
                              : &Fil_Wgf;
    if (*f) {
        *f = false;
    } else {
        MO_Filter_loeschen();
        *f = true;
    }
}

// --- The shown object ----------------------------------------------------------------

void produktion_stoppen() {
    Objektzeile* z = eigenes_objekt();
    if (!z) return;
    if (z->Stillgelegt() != 1) {
        z->Mangel() = 0;
        z->Stillgelegt() = 1;
        for (int s = 0; s <= OB_Max_Slot(); ++s) OB_Slot_anklicken(Gewaehltes_Objekt, s);
    } else {
        z->Stillgelegt() = 0;
        z->Zaehler() = 0;
    }
}

void warenslot_waehlen(int info) {
    const int k = info - 78;
    if (!zwischen(k, 0, Objekt_Warenslots - 1)) {
        Fehler_melden("MOAktion > Warenslot nicht abgefangen :" + std::to_string(info));
        return;
    }
    Objektzeile* z = eigenes_objekt();
    if (!z) return;
    const int ware = z->Slot_Ware(k);
    if (ware > 0) {
        if ((OM_ist_Hafen(z->Typ()) || OM_Objekt_ist_Lager(Gewaehltes_Objekt)) &&
            !OM_Slotmarke_gesetzt(Gewaehltes_Objekt, k)) {
            Gewaehlter_Warenslot = k;
            Panelanzeigen(34);
        }
    } else if (ware == 0) {
        Panelanzeigen(28);
    }
}

void siedler_anfordern() {
    Objektzeile* z = eigenes_objekt();
    if (!z || z->Zaehler() >= 10) return;
    z->Zaehler() += 2;
    JU_Befehl_eintragen(850, SpielerID, z->Feld(), z->Typ(), 2, -1, z->Feld());
}

void warenslot_raeumen() {
    if (!eigenes_objekt()) return;
    const int k = Gewaehlter_Warenslot;
    if (!zwischen(k, 0, Objekt_Warenslots - 1)) {
        Fehler_melden("MOAktion > Warenslot nicht abgefangen :" + std::to_string(k));
        return;
    }
    OM_Slotmarke_setzen(Gewaehltes_Objekt, k);
    OM_Warenslot_leeren(Gewaehltes_Objekt, k);
    OM_Warenslot_freigeben(Gewaehltes_Objekt, k);
    Panelanzeigen(11);
}

// --- Lobby ------------------------------------------------------------------------------

void lobby_farben(Spieler_element& e) {
    e.Rot = Random(10) * 10;
    e.Gruen = Random(10) * 10;
    e.Blau = Random(10) * 10;
}

void lobby(int aktion) {
    if (aktion == 356) {
        Panelanzeigen(30);
        SingelGameGroessenWahl = 5;
        IFU_Lobby_aktiv = true;
        for (Spieler_element& e : Lobby_Spieler) lobby_farben(e);
        Lobby_Spieler[0].Aktiv = Lobby_Spieler[1].Aktiv = true;
    } else if (zwischen(aktion, 357, 360)) {
        const char* was[] = {"Beitritt", "Favorit1", "Favorit2", "Favorit3"};
        Fehler_melden(std::string("lanhaber Mehrspielerpanel ") + was[aktion - 357]);
    } else if (zwischen(aktion, 361, 366)) {
        if (IFU_Lobby_aktiv) Lobby_Spieler[aktion - 359].Aktiv = !Lobby_Spieler[aktion - 359].Aktiv;
    } else if (aktion == 367) {
        IFU_Lobby_aktiv = false;
        Panelanzeigen(29);
    } else if (zwischen(aktion, 369, 376)) {
        if (IFU_Lobby_aktiv && Lobby_Spieler[aktion - 369].Aktiv) lobby_farben(Lobby_Spieler[aktion - 369]);
    } else if (zwischen(aktion, 424, 430)) {
        if (IFU_Lobby_aktiv && Lobby_Spieler[aktion - 423].Aktiv)
            Fehler_melden("Admin kickt Spieler:" + std::to_string(aktion - 422));
    } else {
        const int basis = aktion <= 384 ? 377 : aktion <= 400 ? 393 : aktion <= 408 ? 401 : 416;
        const char* was = basis == 377 ? "LB1" : basis == 393 ? "RB1" : basis == 401 ? "LB2" : "RB2";
        const int j = aktion - basis;
        if (Lobby_Spieler[j].Aktiv) Fehler_melden(std::string(was) + " von Spieler:" + std::to_string(j + 1));
    }
}

bool lobbyaktion(int a) {
    return zwischen(a, 356, 367) || zwischen(a, 369, 384) || zwischen(a, 393, 408) || zwischen(a, 416, 430);
}

bool ohne_wirkung(int a) {
    return a == -1 || a == 0 || a == 14 || a == 162 || a == 197 || a == 275 || a == 276 || a == 279 ||
           zwischen(a, 282, 284) || a == 368 || zwischen(a, 666, 676) || zwischen(a, 700, 750);
}

// Menus, options, set-up, the in-game bar; false when the number is none of them.
bool menue_und_optionen(int a, int p) {
    switch (a) {
        case 1:
            Panelanzeigen(14);
            return true;
        case 2:
            if (SingelGameKIanzahl >= 7) SingelGameKIanzahl = 6;
            Panelanzeigen(3);
            return true;
        case 3:
            Panelanzeigen(29);
            return true;
        case 4:
        case 11:
            Panelanzeigen(31);
            LSU_Spielstand_Seite = 0;
            LSU_Spielstaende_auflisten();
            return true;
        case 5:
            Panelanzeigen(6);
            return true;
        case 6:
            Panelanzeigen(20);
            return true;
        case 7:
            update_pruefen();
            return true;
        case 8:
            fenster_schliessen();
            return true;
        case 10:
            LSU_Speichername = LSU_Letzter_Speichername;
            Panelanzeigen(32);
            LSU_Spielstand_Seite = 0;
            LSU_Spielstaende_auflisten();
            return true;
        case 15:
            Persistenz().LSU_Hintergrund_laden();
            return true;
        case 16:
            Panelanzeigen(60);
            if (const Spielerzeile* s = mensch(); s && s->Startphase() == 1) {
                Platzierungsmodus = true;
                Bau_Typ = SBU_Start_ID;
            }
            return true;
        case 18:
            if (Spiel_laeuft()) {
                Panelanzeigen(5);
            } else {
                Panelanzeigen(1);
                Config_speichern();
            }
            return true;
        case 19:
        case 154:
        case 179:
        case 355:
            Panelanzeigen(1);
            return true;
        case 155:
            kampagne_starten();
            return true;
        case 160:
            Config_speichern();
            im_spiel_sonst_menue();
            return true;
        case 601:
            im_spiel_sonst_menue();
            return true;
        case 180:
            MG_Spiel_starten();
            return true;
        case 191:
        case 193:
        case 603:
            Panelanzeigen(5);
            return true;
        case 604:
            LSU_Speichern_Dialog();
            return true;
        // Options.
        case 156:
            neustart();
            return true;
        case 157:
            AutosaveCheck = AutosaveEinstellung = !AutosaveCheck;
            Config_speichern();
            return true;
        case 158:
            MausinverterY = !MausinverterY;
            Config_speichern();
            return true;
        case 159:
            MausinverterX = !MausinverterX;
            Config_speichern();
            return true;
        case 161:
            vorgaben();
            return true;
        case 291:
            Musik = !Musik;
            if (Musik)
                SND_Musik_abspielen(Musiktitel);
            else
                SND_Musik_stoppen(Musiktitel);
            return true;
        case 292:
            SFX = !SFX;
            return true;
        case 607:
            Error_Silence = !Error_Silence;
            Config_speichern();
            return true;
        case 608:
            VSync = !VSync;
            if (plattform::Fenster_vorhanden()) plattform::Swapintervall_setzen(VSync ? 1 : 0);
            Config_speichern();
            return true;
        case 615:
        case 616:
        case 617:
            farbe(a, p);
            return true;
        case 618:
        case 619:
            // The sliders run in steps of a tenth up to full volume.
            if (schiebestufe(a, p)) Lautstaerke = p / 10.0;
            return true;
        case 630:
            AutoUpdate = !AutoUpdate;
            Config_speichern();
            return true;
        // Single-game set-up.
        case 163:
            SingelGameTYPWahl = SingelGameTYPWahl <= 0 ? 7 : std::min(SingelGameTYPWahl - 1, 7);
            return true;
        case 164:
            SingelGameTYPWahl = SingelGameTYPWahl >= 7 ? 0 : std::max(SingelGameTYPWahl + 1, 0);
            return true;
        case 165:
            klemmen(SingelGameGroessenWahl, -1, 0, 9);
            return true;
        case 166:
            klemmen(SingelGameGroessenWahl, 1, 0, 9);
            return true;
        case 167:
            klemmen(SingelGamerohstoffWahl, -1, 0, 9);
            return true;
        case 168:
            klemmen(SingelGamerohstoffWahl, 1, 0, 9);
            return true;
        case 173:
            klemmen(SingelGameKIanzahl, -1, 0, 6);
            return true;
        case 174:
            klemmen(SingelGameKIanzahl, 1, 0, 6);
            return true;
        case 175:
            klemmen(SingelGameKILevel, -1, 1, 6);
            return true;
        case 176:
            klemmen(SingelGameKILevel, 1, 1, 6);
            return true;
        case 177:
            SBMAb = !SBMAb;
            return true;
        case 178:
            SBGOb = !SBGOb;
            return true;
        case 620:
            ELE = !ELE;
            return true;
        case 621:
            CLT = !CLT;
            return true;
        case 622:
            SBLUb = !SBLUb;
            return true;
        case 623:
            SBLCb = !SBLCb;
            return true;
        case 624:
            klemmen(SBMAi, -50, 50, 500);
            return true;
        case 625:
            klemmen(SBMAi, 50, 50, 500);
            return true;
        case 626:
            klemmen(SBGOi, -1000, 4000, 14000);
            return true;
        case 627:
            klemmen(SBGOi, 1000, 4000, 14000);
            return true;
        case 628:
            klemmen(SBLUi, -25, 25, 300);
            return true;
        case 629:
            klemmen(SBLUi, 25, 25, 300);
            return true;
        default:
            return false;
    }
}

bool spielleiste(int a) {
    switch (a) {
        case 192:
            Pause = !Pause;
            return true;
        case 194:
            Panelanzeigen(Baufenster_offen ? 0 : 7);
            return true;
        case 195:
            schalterfenster1();
            return true;
        case 196:
        case 662:
            Panelanzeigen(Statistikmenue_offen ? 0 : 23);
            return true;
        case 198:
            statistik_zeigen(3, 1);
            return true;
        case 199:
            statistik_zeigen(3, 19);
            return true;
        case 200:
            statistik_zeigen(3, 11);
            return true;
        case 201:
            statistik_zeigen(1, 1);
            return true;
        case 202:
            BMU_Zurueckblaettern();
            return true;
        case 203:
            BMU_Vorblaettern();
            return true;
        case 232:
        case 233:
        case 234:
            schalterfenster(a - 217);
            return true;
        case 274:
        case 606:
            Panelanzeigen(11);
            return true;
        case 277:
            Panelanzeigen(0);
            return true;
        case 280:
            Panelanzeigen(Statistikmenue_offen ? 23 : 0);
            return true;
        case 281:
            Panelanzeigen(Minimap_offen ? 24 : 0);
            return true;
        case 289:
            minimap_klick();
            return true;
        case 290:
            Rangliste_anzeigen = !Rangliste_anzeigen;
            return true;
        case 656:
            Spielgeschwindigkeit = 0;
            return true;
        case 657:
            Spielgeschwindigkeit = 1;
            return true;
        case 658:
            Spielgeschwindigkeit = 2;
            return true;
        case 659:
            Spielgeschwindigkeit = 4;
            return true;
        case 660:
            Spielgeschwindigkeit = 8;
            return true;
        case 661:
            Panelanzeigen(Minimap_offen ? 0 : 24);
            return true;
        case 663:
            forschung();
            return true;
        case 664:
            Panelanzeigen(ITP_Panel_sichtbar(ITP_SingelGameLupe) ? 60 : 35);
            return true;
        case 665:
            briefe();
            return true;
        case 694:
            Fil_Rms = !Fil_Rms;
            return true;
        // The shown object.
        case 9:
            produktion_stoppen();
            return true;
        case 12:
            if (Objektzeile* z = eigenes_objekt()) z->Besetzung() = 0;
            return true;
        case 13:
            if (Objektzeile* z = eigenes_objekt()) z->Besetzung() = OB_Max_Slot();
            return true;
        case 278:
            // A house with residents refuses: its window stays, and its button says why. Otherwise
            // the window closes and the game's bar comes back.
            if (eigenes_objekt() && !OM_Abriss_verweigert(Gewaehltes_Objekt)) {
                OM_Abriss(Gewaehltes_Objekt);
                fenster_zu();
            }
            return true;
        case 550:
            BPU_Baumodus_starten(SBU_Hafen2_ID);
            return true;
        case 560:
            siedler_anfordern();
            return true;
        case 605:
            warenslot_raeumen();
            return true;
        case 751:
            if (Objektzeile* z = eigenes_objekt()) z->Verkaufsmarge() = std::min(z->Verkaufsmarge() + 1, 3);
            return true;
        case 752:
            if (Objektzeile* z = eigenes_objekt()) z->Verkaufsmarge() = std::max(z->Verkaufsmarge() - 1, -3);
            return true;
        default:
            return false;
    }
}

}  // namespace

std::function<bool(const std::string& programm)> MO_Programm_starten = programm_starten;

void MO_Filter_loeschen() { Fil_Gst = Fil_Rfi = Fil_Maf = Fil_Mhf = Fil_Zuf = Fil_Wgf = false; }

void MOAktion(int info, int aktion, int parameter) {
    if (aktion >= 0) SND_Effekt_abspielen(2);
    if (ohne_wirkung(aktion)) return;
    if (menue_und_optionen(aktion, parameter) || spielleiste(aktion)) return;
    const int a = aktion;
    if (zwischen(a, 590, 599)) {
        spielstand_feld(a - 590);
    } else if (a == 631 || a == 632) {
        // The page of saved games before or after the one shown.
        LSU_Spielstaende_blaettern(a == 631 ? -1 : 1);
    } else if (zwischen(a, 640, 649)) {
        spielstand_loeschen(a - 640);
    } else if (zwischen(a, 609, 614)) {
        Panelanzeigen(a - 562);
    } else if (zwischen(a, 650, 655)) {
        Panelanzeigen(a - 597);
    } else if (zwischen(a, 235, 261)) {
        schalter(a);
    } else if (zwischen(a, 262, 273)) {
        if (eigenes_objekt()) OB_Slot_anklicken(Gewaehltes_Objekt, a - 262);
    } else if (zwischen(a, 285, 288)) {
        Minimap_Art = a - 285;
    } else if (zwischen(a, 293, 295)) {
        statistik_kategorie(a - 292);
    } else if (zwischen(a, 296, 321)) {
        Statistik_Reihe = a - 295;
        DiaU_Chart_erstellen(Statistik_Kategorie, Statistik_Reihe);
    } else if (zwischen(a, 680, 692)) {
        bool* f = meldungsschalter(a);
        *f = !*f;
    } else if (a == 693 || zwischen(a, 695, 699)) {
        exklusiver_filter(a);
    } else if (zwischen(a, 551, 556)) {
        warenslot_waehlen(info);
    } else if (lobbyaktion(a)) {
        lobby(a);
    } else {
        Fehler_melden(kUnbekannt + std::to_string(aktion));
    }
}

#include <gtest/gtest.h>

#include <set>

#include "economy/Logik.h"
#include "economy/Sieg.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "platform/base/Datei.h"
#include "population/Briefe.h"
#include "ui/Interaktiv.h"
#include "ui/Panelschalter.h"
#include "ui/InterfacePanel.h"
#include "ui/Aktionen.h"
#include "ui/Uiwelt.h"
#include "world/Kartengenerator.h"

using namespace bhmtest;

namespace {

const std::string kUnbekannt = "MouseOverUnit > MOAktion : Aktionnummer nicht abgefangen :";

bool unbekannt_gemeldet() { return Fehlertext.rfind(kUnbekannt, 0) == 0; }

std::set<int> unbekannte_nummern() {
    std::set<int> s = {17, 600, 602};
    auto bereich = [&](int a, int b) {
        for (int i = a; i <= b; ++i) s.insert(i);
    };
    bereich(20, 153);
    bereich(169, 172);
    bereich(181, 190);
    bereich(204, 231);
    bereich(322, 354);
    bereich(385, 392);
    bereich(409, 415);
    bereich(431, 549);
    bereich(557, 559);
    bereich(561, 589);
    bereich(633, 639);
    bereich(677, 679);
    return s;
}

}  // namespace

// Every number from -2 to 753 either runs an action or is reported as unknown,
// exactly as the table of actions says.
TEST(Aktionen, JedeNummerIstBekanntOderWirdGemeldet) {
    Uiwelt welt;
    const std::set<int> unbekannt = unbekannte_nummern();
    // These start a world, load a game, close or restart the program.
    const std::set<int> ausgelassen = {7, 8, 15, 155, 156, 180};
    for (int a = -1; a <= 752; ++a) {
        if (ausgelassen.count(a)) continue;
        Fehler_zuruecksetzen();
        Error_Silence = false;  // the option actions switch it
        MOAktion(-1, a, 0);
        EXPECT_EQ(unbekannt_gemeldet(), unbekannt.count(a) == 1) << "Aktion " << a << ": " << Fehlertext;
    }
    Error_Silence = false;
    for (int a : {-2, 753, 10000}) {
        Fehler_zuruecksetzen();
        MOAktion(-1, a, 0);
        EXPECT_EQ(Fehlertext, kUnbekannt + std::to_string(a));
    }
    Fehler_zuruecksetzen();
    MOAktion(-1, 17, 0);
    EXPECT_EQ(Fehlertext, kUnbekannt + "17");
}

TEST(Aktionen, EinstellungenDesEinzelspielsBleibenImBereich) {
    Uiwelt welt;
    struct Fall {
        int* wert;
        int start, aktion, erwartet;
    };
    const Fall faelle[] = {
        {&SingelGameTYPWahl, 0, 163, 7},
        {&SingelGameTYPWahl, 7, 164, 0},
        {&SingelGameTYPWahl, 3, 164, 4},
        {&SingelGameGroessenWahl, 9, 166, 9},
        {&SingelGameGroessenWahl, 0, 165, 0},
        {&SingelGamerohstoffWahl, 4, 167, 3},
        {&SingelGameKIanzahl, 6, 174, 6},
        {&SingelGameKIanzahl, 0, 173, 0},
        {&SingelGameKILevel, 1, 175, 1},
        {&SingelGameKILevel, 5, 176, 6},
        {&SBMAi, 500, 625, 500},
        {&SBMAi, 100, 624, 50},
        {&SBGOi, 14000, 627, 14000},
        {&SBGOi, 4000, 626, 4000},
        {&SBLUi, 25, 628, 25},
        {&SBLUi, 100, 629, 125},
    };
    for (const Fall& f : faelle) {
        *f.wert = f.start;
        MOAktion(-1, f.aktion, -1);
        EXPECT_EQ(*f.wert, f.erwartet) << "Aktion " << f.aktion << " von " << f.start;
    }
    SBLCb = false;
    MOAktion(-1, 623, -1);
    EXPECT_TRUE(SBLCb);
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Aktionen, SchieberSetzenFarbeUndLautstaerke) {
    Uiwelt welt;
    MOAktion(-1, 615, 7);
    EXPECT_EQ(SpielerfarbeR, 70);
    EXPECT_EQ(Spieler[0].Farbe_R(), 70);
    MOAktion(-1, 617, 10);
    EXPECT_EQ(Spieler[0].Farbe_B(), 100);
    MOAktion(-1, 619, 7);
    EXPECT_DOUBLE_EQ(Lautstaerke, 0.7);
    // A step off the slider is reported and changes nothing.
    MOAktion(-1, 616, 11);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Spieler[0].Farbe_G(), 0);
    MOAktion(-1, 618, -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_DOUBLE_EQ(Lautstaerke, 0.7);
    Lautstaerke = 0.2;

    // In the menus before the first game there is no clan row: the colour is kept for it.
    Spieler.clear();
    for (int a : {615, 616, 617}) MOAktion(-1, a, 4);
    EXPECT_EQ(SpielerfarbeR, 40);
    EXPECT_EQ(SpielerfarbeG, 40);
    EXPECT_EQ(SpielerfarbeB, 40);
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Aktionen, AnzeigefilterSchliessenSichAus) {
    Uiwelt welt;
    MO_Filter_loeschen();
    Fil_Wgf = true;
    MOAktion(-1, 693, -1);
    EXPECT_FALSE(Fil_Wgf);
    EXPECT_TRUE(Fil_Gst);
    MOAktion(-1, 693, -1);
    EXPECT_FALSE(Fil_Gst || Fil_Rfi || Fil_Maf || Fil_Mhf || Fil_Zuf || Fil_Wgf);
    // The raw-material symbol is no part of the choice.
    Fil_Zuf = true;
    Fil_Rms = false;
    MOAktion(-1, 694, -1);
    EXPECT_TRUE(Fil_Rms);
    EXPECT_TRUE(Fil_Zuf);
    const bool vorher = GUI_To;
    MOAktion(-1, 681, -1);
    EXPECT_EQ(GUI_To, !vorher);
    MOAktion(-1, 681, -1);
    Fil_Rms = Fil_Zuf = false;
}

TEST(Aktionen, SchalterfensterSchreibenDieFelderDesMenschen) {
    Uiwelt welt(2);
    Spielerzeile& s = Spieler[0];
    MOAktion(-1, 236, -1);  // entry 3, field 13
    EXPECT_TRUE(Schalterfenster_Optionen[3]);
    EXPECT_EQ(s.feld(13), 1);
    MOAktion(-1, 252, -1);  // entry 25, field 29
    EXPECT_EQ(s.feld(29), 1);
    MOAktion(-1, 236, -1);
    EXPECT_EQ(s.feld(13), 0);

    // The exclusive choice over fields 32, 33, 34 and the linked alliance flag 36.
    MOAktion(-1, 259, -1);
    EXPECT_EQ(s.feld(36), 1);
    EXPECT_EQ(s.feld(34), 1);
    MOAktion(-1, 255, -1);
    EXPECT_EQ(s.feld(32), 1);
    EXPECT_EQ(s.feld(34), 0);
    EXPECT_EQ(s.feld(36), 0);
    s.feld(33) = 7;  // a second 255 changes nothing
    MOAktion(-1, 255, -1);
    EXPECT_EQ(s.feld(33), 7);
    s.feld(33) = 0;
    MOAktion(-1, 257, -1);
    EXPECT_EQ(s.feld(34), 1);
    EXPECT_EQ(s.feld(32), 0);
    EXPECT_EQ(Spieler[1], Spielerzeile{});

    // Opening the first window reads all 27 entries back from the fields.
    std::fill(std::begin(Schalterfenster_Optionen), std::end(Schalterfenster_Optionen), true);
    Schalterfenster1_offen = false;
    s.feld(11) = 1;
    MOAktion(-1, 195, -1);
    EXPECT_TRUE(Schalterfenster_Optionen[0]);
    EXPECT_TRUE(Schalterfenster_Optionen[14]);
    EXPECT_FALSE(Schalterfenster_Optionen[3]);
    EXPECT_FALSE(Schalterfenster_Optionen[8]);
}

TEST(Aktionen, SchalterfensterLesenBeimOeffnenNeuUndSchliessenZurLeiste) {
    Uiwelt welt;
    SSL = true;
    Spieler[0].feld(12 + 1) = 1;  // entry 3 (window 15) from field 13
    Spieler[0].feld(21) = 1;      // entry 1 (window 16)
    Spieler[0].feld(30) = 1;      // entry 2 (window 17)
    // Whichever window opens first, every entry shows the clan row, not what was shown before.
    const int oeffner[] = {232, 233, 234, 195};
    for (int a : oeffner) {
        std::fill(std::begin(Schalterfenster_Optionen), std::end(Schalterfenster_Optionen), true);
        Schalterfenster1_offen = false;
        MOAktion(-1, a, -1);
        EXPECT_TRUE(Schalterfenster_Optionen[1] && Schalterfenster_Optionen[2] && Schalterfenster_Optionen[3])
            << a;
        EXPECT_FALSE(Schalterfenster_Optionen[0] || Schalterfenster_Optionen[26]) << a;
    }
    EXPECT_TRUE(Schalterfenster1_offen);
    MOAktion(-1, 195, -1);  // closing goes back to the game's bar
    EXPECT_FALSE(Schalterfenster1_offen);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv) || ITP_Panel_sichtbar(ITP_SingelGameTutorial));
    SSL = false;
}

TEST(Aktionen, ZahlenDerLeisteOeffnenIhreStatistik) {
    Uiwelt welt;
    SBU_Waren.resize(2);
    const struct {
        int aktion, kategorie, reihe;
    } faelle[] = {{198, 3, 1}, {199, 3, 19}, {200, 3, 11}, {201, 1, 1}};
    for (const auto& f : faelle) {
        Panelanzeigen(60);
        MOAktion(-1, f.aktion, -1);
        EXPECT_TRUE(Statistikmenue_offen) << f.aktion;
        EXPECT_EQ(Statistik_Kategorie, f.kategorie) << f.aktion;
        EXPECT_EQ(Statistik_Reihe, f.reihe) << f.aktion;
    }
    EXPECT_FALSE(Fenster40_offen || Fenster41_offen || Fenster42_offen);
    SBU_Waren.clear();
}

TEST(Aktionen, BriefeOeffnenDasEdiktDesErstenBriefes) {
    Uiwelt welt;
    SSL = true;
    IAU_Edikte.assign(3, Edikt_Data{});
    MOAktion(-1, 665, -1);  // no letter: nothing opens
    EXPECT_FALSE(Ediktfenster_offen);
    BrU_Brief_eintragen(0, 2);
    BrU_Brief_eintragen(0, 0);
    MOAktion(-1, 665, -1);
    EXPECT_TRUE(Ediktfenster_offen);
    EXPECT_EQ(IAU_Aktuelles_Edikt, 2);
    MOAktion(-1, 665, -1);  // the same button closes it, back to the bar
    EXPECT_FALSE(Ediktfenster_offen);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv) || ITP_Panel_sichtbar(ITP_SingelGameTutorial));
    BrU_Zuruecksetzen();
    SSL = false;
}

TEST(Aktionen, ObjektaktionenNurAmEigenenObjekt) {
    Uiwelt welt(2);
    Objektzeile& fremd = Uiwelt::objekt(1, 1);
    Objektzeile& eigen = Uiwelt::objekt(0, 0);
    Gewaehltes_Objekt = 0;
    for (int i = 0; i < 5; ++i) MOAktion(-1, 751, -1);
    EXPECT_EQ(eigen.Verkaufsmarge(), 3);
    for (int i = 0; i < 8; ++i) MOAktion(-1, 752, -1);
    EXPECT_EQ(eigen.Verkaufsmarge(), -3);
    MOAktion(-1, 13, -1);
    EXPECT_EQ(eigen.Besetzung(), 11);

    eigen.Zaehler() = 8;
    MOAktion(-1, 560, -1);
    EXPECT_EQ(eigen.Zaehler(), 10);
    ASSERT_EQ(JU_Befehlsliste.size(), 1u);
    ASSERT_EQ(JU_Befehlsliste[0].Anzahl, 1);
    const Job_Befehl& b = JU_Befehlsliste[0].Befehle[0];
    EXPECT_EQ(b.Befehl, 850);
    EXPECT_EQ(b.Feld, 5);
    EXPECT_EQ(b.Ware, 2);
    EXPECT_EQ(b.Lohn, -1);
    EXPECT_EQ(b.Menge, 5);
    MOAktion(-1, 560, -1);  // ten settlers asked for: no more
    EXPECT_EQ(JU_Befehlsliste[0].Anzahl, 1);

    // Another clan's building stays its owner's, also while both clans are allied (as every
    // clan starts): its window may show the workers, but nothing changes it.
    for (int buendnis : {0, 1}) {
        Spieler[0].Buendnis() = Spieler[1].Buendnis() = buendnis;
        fremd.Stillgelegt() = 0;
        fremd.Besetzung() = 4;
        fremd.Slot_Ware(0) = 3;
        fremd.Slot_Bestand(0) = 2;
        const Objektzeile vorher = fremd;
        Gewaehltes_Objekt = 1;
        Gewaehlter_Warenslot = 0;
        for (int a : {9, 12, 13, 262, 267, 273, 278, 560, 605, 751, 752}) MOAktion(-1, a, -1);
        MOAktion(78, 551, -1);
        EXPECT_EQ(fremd, vorher) << "alliance " << buendnis;
    }

    // A selection that is not an object is reported and skipped.
    Gewaehltes_Objekt = 7;
    MOAktion(-1, 751, -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Aktionen, WarenslotAusserhalbWirdGemeldet) {
    Uiwelt welt;
    Uiwelt::objekt(0, 0);
    Gewaehltes_Objekt = 0;
    MOAktion(90, 551, -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
    Gewaehlter_Warenslot = 6;
    MOAktion(-1, 605, -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Aktionen, SpielsteuerungUndLobby) {
    Uiwelt welt;
    Pause = false;
    MOAktion(-1, 192, -1);
    EXPECT_TRUE(Pause);
    MOAktion(-1, 192, -1);
    const int tempo[] = {0, 1, 2, 4, 8};
    for (int i = 0; i < 5; ++i) {
        MOAktion(-1, 656 + i, -1);
        EXPECT_EQ(Spielgeschwindigkeit, tempo[i]);
    }
    Spielgeschwindigkeit = 0;

    MOAktion(-1, 356, -1);
    EXPECT_TRUE(IFU_Lobby_aktiv);
    EXPECT_TRUE(Lobby_Spieler[0].Aktiv && Lobby_Spieler[1].Aktiv);
    EXPECT_FALSE(Lobby_Spieler[2].Aktiv);
    for (const Spieler_element& e : Lobby_Spieler) EXPECT_EQ(e.Rot % 10, 0);
    MOAktion(-1, 361, -1);
    EXPECT_TRUE(Lobby_Spieler[2].Aktiv);
    Fehler_zuruecksetzen();
    MOAktion(-1, 425, -1);
    EXPECT_EQ(Fehlertext, "Admin kickt Spieler:3");
    Fehler_zuruecksetzen();
    MOAktion(-1, 394, -1);
    EXPECT_EQ(Fehlertext, "RB1 von Spieler:2");
    Fehler_zuruecksetzen();
    MOAktion(-1, 380, -1);  // entry 3 is free
    EXPECT_TRUE(Fehlertext.empty());
    MOAktion(-1, 367, -1);
    EXPECT_FALSE(IFU_Lobby_aktiv);
}

TEST(Aktionen, LadefeldOhneSpielstandLaedtNichts) {
    Uiwelt welt;
    ITP_Panel_Schalter[ITP_LadePanel].sichtbar = true;
    LSU_Spielstandliste[6] = {"", ""};
    LSU_Spielstand_Letzter = 9;
    MOAktion(-1, 596, -1);
    EXPECT_EQ(LSU_Spielstand_Letzter, -1);
    EXPECT_FALSE(Kernwelt::gemeldet());  // the default seam would report a load
}

// A click on a save of the load panel announces "loaded" only when the load worked; a failed
// load leaves the running game on screen, or the menu when none runs.
TEST(Aktionen, LadefeldMeldetGeladenNurNachErfolg) {
    struct Laden : PersistenzSeam {
        bool gelingt = false;
        bool spiel_danach = true;
        bool LSU_Laden(const std::string&, const std::string&) override {
            SSL = spiel_danach;
            return gelingt;
        }
    } laden;
    struct Fall {
        bool gelingt, spiel_danach;
        int infos;
        const char* letzter_name;
    };
    const Fall faelle[] = {{true, true, 1, "Dorf"}, {false, true, 0, "vorher"}, {false, false, 0, "vorher"}};
    for (const Fall& f : faelle) {
        Uiwelt welt;
        Persistenz_setzen(&laden);
        laden.gelingt = f.gelingt;
        laden.spiel_danach = f.spiel_danach;
        SSL = true;
        GUI_Au = true;
        GUI_Info_zuruecksetzen();
        LSU_Letzter_Speichername = "vorher";
        LSU_Spielstandliste[0] = {"Dorf", ""};
        LSU_Spielstand_Letzter = 0;
        ITP_Panel_Schalter[ITP_LadePanel].sichtbar = true;
        MOAktion(-1, 590, -1);
        EXPECT_EQ(GUI_Infoanzahl, f.infos) << f.gelingt << f.spiel_danach;
        EXPECT_EQ(LSU_Letzter_Speichername, f.letzter_name);
        EXPECT_FALSE(Speichervorgang);
        Persistenz_setzen(nullptr);
        GUI_Info_zuruecksetzen();
        LSU_Letzter_Speichername.clear();
        LSU_Spielstandliste[0] = {};
    }
}

// The arrows of the load and save panels page through the saves; opening a panel shows the
// newest again.
TEST(Aktionen, PfeileBlaetternDurchDieSpielstaende) {
    Uiwelt welt;
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(Ordner_anlegen(Programmpfad + "save\\single\\S" + std::to_string(i)));
    MOAktion(-1, 4, -1);
    EXPECT_EQ(LSU_Spielstand_Letzter, 9);
    MOAktion(-1, 632, -1);
    EXPECT_EQ(LSU_Spielstand_Seite, 10);
    EXPECT_EQ(LSU_Spielstand_Letzter, 1);
    MOAktion(-1, 632, -1);
    EXPECT_EQ(LSU_Spielstand_Seite, 10);
    MOAktion(-1, 631, -1);
    EXPECT_EQ(LSU_Spielstand_Seite, 0);
    MOAktion(-1, 632, -1);
    MOAktion(-1, 10, -1);
    EXPECT_EQ(LSU_Spielstand_Seite, 0);
    EXPECT_EQ(LSU_Spielstand_Letzter, 9);
    EXPECT_FALSE(Kernwelt::gemeldet());
    LSU_Speichername.clear();
}

TEST(Aktionen, SpeicherfeldUndLoeschenMitDerListeDerSpielstaende) {
    Uiwelt welt;
    const std::string ordner = Programmpfad + "save\\single\\Dorf";
    ASSERT_TRUE(Ordner_anlegen(ordner));
    LSU_Spielstaende_auflisten();
    ASSERT_EQ(LSU_Spielstand_Letzter, 0);

    ITP_Panel_Schalter[ITP_Speicherpanel].sichtbar = true;
    LSU_Speichername = "neu";
    MOAktion(-1, 590, -1);
    EXPECT_EQ(LSU_Speichername, "Dorf");
    EXPECT_EQ(LSU_Spielstand_Letzter, 0);
    // The iron-mode name typed in stays.
    LSU_Speichername = "IRONMODUS";
    MOAktion(-1, 590, -1);
    EXPECT_EQ(LSU_Speichername, "IRONMODUS");
    // A slot past the list is empty.
    MOAktion(-1, 591, -1);
    EXPECT_EQ(LSU_Spielstand_Letzter, -1);

    LSU_Spielstaende_auflisten();
    MOAktion(-1, 641, -1);  // nothing in slot 1
    EXPECT_TRUE(Ordner_existiert(ordner));
    LSU_Spielstaende_auflisten();
    MOAktion(-1, 640, -1);
    EXPECT_FALSE(Ordner_existiert(ordner));
    EXPECT_EQ(LSU_Spielstand_Letzter, -1);
    LSU_Speichername.clear();
}

// The mouse dispatcher: hot zones, frames, conditions, info numbers and the
// click areas of the shown panel.
#include <gtest/gtest.h>

#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "platform/base/Datei.h"
#include "ui/Panelhilfe.h"

using bhmtest::Aktionsaufruf;
using bhmtest::Aufrufe;
using bhmtest::Oberflaeche_sauber;

namespace {

class Maus : public ::testing::Test {
protected:
    Oberflaeche_sauber ui;
    bhmtest::Ein_Spieler mensch;
    void SetUp() override { SSL = true; }  // a game runs, the start building stands
    void TearDown() override {
        Objekte.clear();
        SBU_Objekte.clear();
        BPU_Objektliste.clear();
        BPU_Objektliste_Ende = -1;
        BPU_Sichtliste.clear();
        BPU_Sichtliste_Ende = -1;
        GUI_Info_zuruecksetzen();
    }
    void uidat(const std::string& text) {
        ASSERT_TRUE(Ordner_anlegen(Programmpfad + "Daten"));
        ASSERT_TRUE(Datei_schreiben(Programmpfad + "Daten\\UI.dat", text));
        MO_UIdat_laden();
    }
};

TEST_F(Maus, UIdatWirdNachBedingungGruppiert) {
    uidat(
        "20/0/10/0/10/1/-1/192/0\r\n13/0/10/0/10/2/-1/202/0\r\n20/5/6/7/8/1/0/16/3\r\n\r\n20/1/1/1/1/1/1/1/"
        "1\r\n");
    ASSERT_EQ(MO_Zonen.size(), 21u);
    EXPECT_TRUE(MO_Zonen[0].empty());
    ASSERT_EQ(MO_Zonen[20].size(), 2u);  // the row after the empty line is not read
    EXPECT_EQ(MO_Zonen[20][1], (MO_Zone{20, 5, 6, 7, 8, 1, 0, 16, 3}));
    EXPECT_EQ(MO_Zonen[13].size(), 1u);
    EXPECT_EQ(Fehlertext, "");
}

TEST_F(Maus, UIdatFehler) {
    const std::string pfad = Programmpfad + "Daten\\UI.dat";
    MO_UIdat_laden();
    EXPECT_EQ(Fehlertext, "Datei konnte nicht gefunden werden: " + pfad);
    EXPECT_TRUE(MO_Zonen.empty());

    uidat("\r\n20/0/10/0/10/1/-1/192/0\r\n");
    EXPECT_EQ(Fehlertext, "Datei konnte nicht gefunden werden: " + pfad);
    EXPECT_TRUE(MO_Zonen.empty());

    uidat("20/0/10/0/10/1/-1/192/0\r\n20/0/1x/0/10/1/-1/192/0\r\n21/0/10/0/10/1/-1/192/0\r\n");
    EXPECT_EQ(Fehlertext, "MO_UIdat_laden > fehlerhafte Zeile 2 in " + pfad);
    ASSERT_EQ(MO_Zonen.size(), 21u);  // the row before the bad one stays
    MO_Zonen_leeren();

    uidat("-3/0/10/0/10/1/-1/192/0\r\n2000000000/0/10/0/10/1/-1/192/0\r\n");
    EXPECT_EQ(Fehlertext, "MO_UIdat_gruppieren > Bedingungnummer ausserhalb des Bereichs: 2000000000");
    EXPECT_TRUE(MO_Zonen.empty());
}

TEST_F(Maus, RahmenSindStreng) {
    struct Fall {
        int x, y, art;
        bool drin;
    };
    // Window centre (640, 350).
    const Fall faelle[] = {
        {15, 15, 1, true},  {10, 15, 1, false}, {20, 15, 1, false}, {15, 20, 1, false}, {655, 365, 2, true},
        {15, 15, 2, false}, {3, 12, 3, true},   {9, 12, 3, false},  {655, 15, 8, true}, {655, 365, 8, false},
    };
    for (const Fall& f : faelle) {
        Oberflaeche_sauber::Maus(f.x, f.y);
        MO_Mauspositionen_setzen();
        EXPECT_EQ(MORahmen(10, 20, 10, 20, f.art), f.drin) << f.x << "," << f.y << " art " << f.art;
    }
    // Kind 7: the band leans by half the centred y.
    Oberflaeche_sauber::Maus(640 + 5, 350 + 15);
    MO_Mauspositionen_setzen();
    EXPECT_TRUE(MORahmen(10, 20, 10, 20, 7));  // 2.5 < 5 < 12.5
    Oberflaeche_sauber::Maus(640 + 13, 350 + 15);
    MO_Mauspositionen_setzen();
    EXPECT_FALSE(MORahmen(10, 20, 10, 20, 7));  // 13 is not below 12.5
    EXPECT_EQ(Fehlertext, "");
    EXPECT_FALSE(MORahmen(0, 2000, 0, 2000, 5));
    EXPECT_EQ(Fehlertext, "MouseOverUnit > MORahmen : Fenster_Rahmen nicht abgefangen :5");
}

TEST_F(Maus, InfonummernWaehlenDenTooltip) {
    const std::pair<int, int> faelle[] = {{0, 87},  {15, 26}, {30, 41}, {41, 52}, {42, 23}, {44, 25},
                                          {45, 53}, {50, 58}, {71, 79}, {97, 97}, {98, 98}, {152, 102}};
    for (const auto& [info, nummer] : faelle) {
        Mouseoverfunktion_Nummer = 0;
        MOInfo(info);
        EXPECT_EQ(Mouseoverfunktion_Nummer, nummer) << info;
    }
    Mouseoverfunktion_Nummer = 5;
    MOInfo(2);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 5);
    EXPECT_EQ(Fehlertext, "");
    MOInfo(84);
    EXPECT_EQ(Fehlertext, "MouseOverUnit > MOInfo : Infonummer nicht abgefangen :84");
    MOInfo(79);  // goods slot without a shown object: nothing
    EXPECT_EQ(Mouseoverfunktion_Nummer, 5);

    Objekte.assign(1, Objektzeile{});
    Gewaehltes_Objekt = 0;
    Objekte[0].Slot_Ware(1) = 0;
    Objekte[0].Slot_Ware(2) = -1;
    MOInfo(79);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 82);
    EXPECT_EQ(Mouseoverfunktion_Wert, 20);
    Mouseoverfunktion_Nummer = 0;
    MOInfo(80);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 0);
}

TEST_F(Maus, BedingungenFolgenDemSpielzustand) {
    EXPECT_TRUE(MOBedingung(20));
    EXPECT_FALSE(MOBedingung(21));
    Objektinfo_offen = true;
    EXPECT_TRUE(MOBedingung(21));
    Spieler[0].Startphase() = 1;  // the start building is not placed yet
    EXPECT_FALSE(MOBedingung(20));
    Warenraster_offen = true;
    EXPECT_TRUE(MOBedingung(40));
    EXPECT_FALSE(MOBedingung(-1));
    SSL = false;
    Texteingabe_aktiv = true;
    EXPECT_TRUE(MOBedingung(38));
    EXPECT_EQ(Fehlertext, "");
    EXPECT_FALSE(MOBedingung(22));
    EXPECT_EQ(Fehlertext, "MouseOverUnit > MOBedingung : Bedingungnummer nicht abgefangen :22");
}

TEST_F(Maus, ZonenDieErsteGewinntUndNurDerKlickHandelt) {
    uidat(
        "21/0/100/0/100/1/30/9/0\r\n"
        "20/0/100/0/100/1/15/192/0\r\n"
        "20/0/100/0/100/1/16/193/7\r\n");
    Objektinfo_offen = true;
    Oberflaeche_sauber::Maus(50, 50);
    EXPECT_TRUE(MO_Mouseover(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 26);
    EXPECT_TRUE(Aufrufe().empty());
    EXPECT_TRUE(MO_Mouseover(true));
    ASSERT_EQ(Aufrufe().size(), 1u);
    EXPECT_EQ(Aufrufe()[0], (Aktionsaufruf{15, 192, 0}));

    Oberflaeche_sauber::Maus(150, 50);  // outside every zone
    EXPECT_FALSE(MO_Mouseover(true));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 0);
    EXPECT_EQ(Aufrufe().size(), 1u);
}

TEST_F(Maus, EinGezeigtesPanelNimmtDieMaus) {
    uidat("20/0/100/0/100/1/15/192/0\r\n");
    Oberflaeche_sauber::Maus(50, 50);
    EXPECT_FALSE(MO_Panel_Mouseover(true));  // no panel shown
    ITP_Icons.resize(1);
    ITP_Texte.resize(1);
    ITP_Mausfelder.resize(1);
    Panelanzeigen(6);
    EXPECT_TRUE(MO_Mouseover(true));
    EXPECT_TRUE(Aufrufe().empty());  // the zone below is not asked
}

class Panelmaus : public Maus {
protected:
    void SetUp() override {
        Maus::SetUp();
        Oberflaeche_sauber::Bild(0, "Leer", 1, 1);
        Oberflaeche_sauber::Bild(1, "Knopf", 4, 4);
        ITP_Icons.resize(1);
        ITP_Texte.resize(1);
        ITP_Mausfelder.resize(1);
        ITP_PopUps.resize(3);
    }
    void flaeche(int bild, int align, int x, int y, int w, int h, int aktion, int popup, int parameter = 0) {
        ITP_Mausfelder[0].push_back({bild, align, x, y, w, h, aktion, popup, parameter});
    }
};

TEST_F(Panelmaus, UeberlappendeKnoepfeFeuernBeide) {
    flaeche(0, 1, 10, 10, 50, 50, 5, 1);
    flaeche(0, 1, 20, 20, 50, 50, 6, 2);
    flaeche(0, 1, 200, 200, 50, 50, 7, 0);
    Panelanzeigen(1);
    Oberflaeche_sauber::Maus(30, 30);
    EXPECT_TRUE(MO_Mouseover(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 106);
    EXPECT_EQ(Mouseoverfunktion_Wert, 2);
    EXPECT_TRUE(Aufrufe().empty());
    MO_Mouseover(true);
    EXPECT_EQ(Aufrufe(), (std::vector<Aktionsaufruf>{{-1, 5, 0}, {-1, 6, 0}}));
}

TEST_F(Panelmaus, Ausrichtung) {
    flaeche(1, 3, -10, 0, 64, 64, -1, -1);  // right-aligned 64-pixel image
    flaeche(1, 5, 0, 0, 64, 64, -1, -1);
    flaeche(0, 8, 0, 0, 16, 16, -1, -1);
    EXPECT_EQ(MO_Align_X(0, 0) + ITP_Mausfelder[0][0][ITP_Maus_X], 1280 - 74);
    EXPECT_EQ(MO_Align_X(0, 1), 640 - 32);
    EXPECT_EQ(MO_Align_Y(0, 1), 350 - 32);
    Vollbild = false;
    EXPECT_EQ(MO_Align_Y(0, 2), 700 - 16 - 5);
    Vollbild = true;
    EXPECT_EQ(MO_Align_Y(0, 2), 700 - 16);
    Vollbild = false;
    EXPECT_EQ(MO_Align_X(0, 9), 0);  // no such area
}

TEST_F(Panelmaus, RiesigeFlaechenLaufenNichtUeber) {
    flaeche(0, 9, 2147483600, 2147483600, 2147483647, 2147483647, 5, -1);
    flaeche(0, 1, -2147483647, -2147483647, 2147483647, 2147483647, 6, -1);
    Panelanzeigen(1);
    Oberflaeche_sauber::Maus(30, 30);
    MO_Mouseover(true);
    EXPECT_TRUE(Aufrufe().empty());
}

TEST_F(Panelmaus, LoeschknoepfeNurFuerGelisteteSpielstaende) {
    for (int k = 0; k < 10; ++k) flaeche(0, 1, 0, 0, 100, 100, 640 + k, -1, k);
    flaeche(0, 1, 0, 0, 100, 100, 650, -1, 10);  // a manual page is no delete button
    Panelanzeigen(31);
    LSU_Spielstand_Letzter = 2;
    Oberflaeche_sauber::Maus(50, 50);
    EXPECT_TRUE(MO_Mouseover(true));
    EXPECT_EQ(Aufrufe(),
              (std::vector<Aktionsaufruf>{{-1, 640, 0}, {-1, 641, 1}, {-1, 642, 2}, {-1, 650, 10}}));
}

TEST_F(Panelmaus, ObjekteUnterDerMaus) {
    SBU_Objekte.resize(2);
    SBU_Objekte[0].Modus = "Home";
    SBU_Objekte[1].Modus = "Werkstatt";
    Objekte.assign(2, Objektzeile{});
    Objekte[0].Feld() = 5;
    Objekte[0].Typ() = 0;
    Objekte[1].Feld() = 6;
    Objekte[1].Typ() = 1;
    Objekte[1].Zustand() = 2;  // a ruin
    BPU_Objektliste = {{100, 100, 0, 1}, {200, 100, 0, -1003}, {300, 100, 0, 0}, {400, 100, 0, -50}};
    BPU_Objektliste_Ende = 3;
    flaeche(0, 1, 0, 0, 0, 0, 673, 2);  // hidden area: the ruin's explanation
    Panelanzeigen(60);
    Gewaehltes_Objekt = -1;

    Oberflaeche_sauber::Maus(110, 120);
    MO_Mouseover(false);
    EXPECT_TRUE(MO_Objekt_gueltig);
    EXPECT_EQ(MO_Objektart_unter_Maus, MO_Art_Ruine);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 81);
    EXPECT_EQ(Mouseoverfunktion_Wert, 2);
    MO_Mouseover(true);
    EXPECT_EQ(Gewaehltes_Objekt, -1);  // a ruin selects nothing

    Oberflaeche_sauber::Maus(210, 120);  // a planned site: selected, no window
    MO_Mouseover(true);
    EXPECT_EQ(MO_Objektart_unter_Maus, MO_Art_Planung);
    EXPECT_EQ(Gewaehltes_Objekt, 3);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv));

    Oberflaeche_sauber::Maus(410, 120);  // codes -100..-1 are nothing
    MO_Mouseover(false);
    EXPECT_FALSE(MO_Objekt_gueltig);

    Oberflaeche_sauber::Maus(310, 120);  // a dwelling opens the info window
    MO_Mouseover(true);
    EXPECT_EQ(MO_Objektart_unter_Maus, MO_Art_Wohnhaus);
    EXPECT_EQ(Gewaehltes_Objekt, 0);
    EXPECT_TRUE(Objektinfo_offen);
    EXPECT_EQ(Fehlertext, "");
}

TEST_F(Panelmaus, MeldungenGleitenUnterDerMausWeg) {
    flaeche(0, 1, 0, 0, 0, 0, 705, 1);  // hidden area: explanation of births
    Panelanzeigen(60);
    GUI_Infoliste.assign(2, GUI_Info{251, 0, 77, "Geburt"});
    GUI_Infoanzahl = 2;
    // Rest 0: the box is at the end of the track, x0 = 1280 - 214 = 1066; top = 700 - 74.
    Oberflaeche_sauber::Maus(1100, 650);
    MO_Mouseover(false);
    EXPECT_TRUE(MO_Info_unter_Maus);
    EXPECT_EQ(MO_Info_Index, 0);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 84);
    EXPECT_EQ(Mouseoverfunktion_Wert, 1);

    GUI_Infoliste[0].Restzeit = 200;  // slid away: the second one is under the mouse now
    MO_Mouseover(false);
    EXPECT_TRUE(MO_Info_unter_Maus);
    EXPECT_EQ(MO_Info_Index, 1);
    GUI_Infoliste[0].Restzeit = 0;  // the first slides back under: the hovered one stays
    GUI_Infoliste[0].Event = 2;
    MO_Mouseover(false);
    EXPECT_EQ(MO_Info_Index, 1);
    EXPECT_EQ(MO_Info_Event, 251);
    GUI_Infoliste[0].Restzeit = GUI_Infoliste[1].Restzeit = 200;
    MO_Mouseover(false);
    EXPECT_FALSE(MO_Info_unter_Maus);
}

TEST_F(Panelmaus, EineErrungenschaftZeigtIhrenTextBeimDrueberfahren) {
    flaeche(0, 1, 0, 0, 0, 0, 705, 1);  // the births' explanation is not the one
    flaeche(0, 1, 0, 0, 0, 0, 718, 2);  // the achievements' explanation
    Panelanzeigen(60);
    GUI_Infoliste.assign(1, GUI_Info{GUI_Event_Errungenschaft, 0, -1, "Geschafft"});
    GUI_Infoanzahl = 1;
    Oberflaeche_sauber::Maus(1100, 650);
    MO_Mouseover(false);
    EXPECT_TRUE(MO_Info_unter_Maus);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 84);
    EXPECT_EQ(Mouseoverfunktion_Wert, 2);
}

TEST_F(Panelmaus, BauplatzZuTeuerZeigtNichts) {
    flaeche(0, 1, 0, 0, 0, 0, 666, 1);
    Panelanzeigen(60);
    Platzierungsmodus = true;
    Spieler[0].Gold() = 50;
    BPU_Sichtliste = {{100, 100, 50, 1234}};
    BPU_Sichtliste_Ende = 0;
    Oberflaeche_sauber::Maus(115, 120);
    MO_Mouseover(true);
    EXPECT_EQ(Sichtliste_Art_unter_Maus, 50);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 0);
    EXPECT_TRUE(Platzierungsmodus);

    BPU_Sichtliste[0].Art = 49;
    MO_Mouseover(false);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 27);
    EXPECT_EQ(Mouseoverfunktion_Wert, 1);
    EXPECT_EQ(Sichtliste_Index_unter_Maus, 1234);
}

TEST_F(Panelmaus, BauplatzmarkenNehmenIhreGanzeFlaeche) {
    // Cells (x, y) of a flat map listed where the preview draws them: every world point of the
    // area belongs to exactly one marker, and the middle of each drawn marker to its own cell.
    std::vector<std::pair<int, int>> zellen;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) zellen.push_back({20 * x + 10 * y, -10 * y});
    for (int my = -15; my < 12; ++my)
        for (int mx = 50; mx < 80; ++mx) {
            int treffer = 0;
            for (auto [x, y] : zellen) treffer += MO_im_Bauplatz(x, y, mx, my);
            EXPECT_EQ(treffer, 1) << mx << "," << my;
        }
    for (auto [x, y] : zellen) {
        EXPECT_TRUE(MO_im_Bauplatz(x, y, x + 21, y + 17));   // centre of the drawn parallelogram
        EXPECT_FALSE(MO_im_Bauplatz(x, y, x + 5, y + 22));   // left of its lower edge
        EXPECT_FALSE(MO_im_Bauplatz(x, y, x + 37, y + 12));  // right of its upper edge
    }
}

TEST_F(Panelmaus, WeltklicksFolgenDerZoomstufe) {
    flaeche(0, 1, 0, 0, 0, 0, 666, 1);
    Panelanzeigen(60);
    Platzierungsmodus = true;
    Spieler[0].Gold() = 500;
    BPU_Sichtliste = {{100, 100, 5, 1234}};
    BPU_Sichtliste_Ende = 0;
    Zoomstufe = 40;  // everything twice as large: the marker's centre is at twice its world point
    Oberflaeche_sauber::Maus(2 * 121, 2 * 117);
    MO_Mouseover(false);
    EXPECT_EQ(Sichtliste_Index_unter_Maus, 1234);
    Sichtliste_Index_unter_Maus = -1;
    Oberflaeche_sauber::Maus(121, 117);
    MO_Mouseover(false);
    EXPECT_EQ(Sichtliste_Index_unter_Maus, -1);
    Zoomstufe = 20;
}

}  // namespace

// Texts of the statistics menu, the interactive edict window and the island overview.
#include "ui/Statistiktexte.h"

#include <gtest/gtest.h>

#include "render/Testschale.h"
#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "platform/base/Text1252.h"
#include "ui/Textschreiberhilfe.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "population/Arbeitsauftraege.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "world/Inseln.h"

using bhmtest::Gedruckt;

TEST(Statistiktexte, GroupNamesAreSpreadOverTheColumn) {
    struct Fall {
        int gruppen;
        std::vector<int> y;
    };
    const std::vector<Fall> faelle = {{2, {71}}, {3, {71, 71 + 469}}, {4, {71, 71 + 234, 71 + 468}}};
    for (const auto& f : faelle) {
        bhmtest::Textwelt welt;
        SBU_Waren = {bhmtest::Ware()};
        SBU_Waren[0].Titel = "Brot";
        const std::vector<Dia_Gruppe> alle = {{"G0", 0}, {"G1", 0}, {"G2", 0}, {"G3", 0}};
        SBU_Warengruppen.assign(alle.begin(), alle.begin() + f.gruppen);
        Statistik_Kategorie = 2;
        Statistik_Reihe = 0;
        TPU_Statistiktexte(1, 5);
        std::vector<int> y;
        for (const auto& z : welt.senke.zeilen)
            if (z.art == 'C') {
                y.push_back(z.y);
                EXPECT_EQ(z.x, 400 + 383 + 1);
            }
        EXPECT_EQ(y, f.y) << f.gruppen << " groups, group 0 not shown, no dy";
        EXPECT_EQ(welt.senke.finde("G0"), nullptr);
        EXPECT_EQ(*welt.senke.finde("Produktion: Brot"), (Gedruckt{'P', 161, 313, "Produktion: Brot"}));
    }
    Statistik_Kategorie = 1;
    Statistik_Reihe = 0;
}

TEST(Statistiktexte, ClanSeries) {
    bhmtest::Textwelt welt;
    Spieler[0].Mitglieder() = 2;
    Spieler[0].Alter_Summe() = 61;
    Spieler[0].Zufriedenheit() = 131;
    DiaU_Max_Punkt = 90;
    DiaU_Min_Punkt = -4;
    Statistik_Kategorie = 3;
    struct Fall {
        int reihe;
        std::string zeile;
    };
    const std::vector<Fall> faelle = {{4, "Durchschnittsalter (30)"},
                                      {11, W("Gesamt Loyalität in % (65)")},
                                      {3, W("Anzahl der Männer (0)")},
                                      {1, "Anzahl der Mitglieder (2)"}};
    for (const auto& f : faelle) {
        welt.senke.leeren();
        Statistik_Reihe = f.reihe;
        TPU_Statistiktexte(0, 0);
        const std::vector<Gedruckt> erwartet = {{'2', 155, 332, "90"},
                                                {'2', 155, 510, "-4"},
                                                {'2', 150, 535,
                                                 "|60                 |50                 |40                "
                                                 " |30                 |20                 "
                                                 "|10               |"},
                                                {'P', 160, 308, "Clandaten:"},
                                                {'P', 310, 308, f.zeile}};
        EXPECT_EQ(welt.senke.zeilen, erwartet) << f.reihe;
    }
    welt.senke.leeren();
    Statistik_Reihe = 27;
    TPU_Statistiktexte(0, 0);
    EXPECT_EQ(welt.senke.zeilen.size(), 4u) << "no caption for another series";
    Spieler[0].Mitglieder() = 0;
    Statistik_Reihe = 4;
    welt.senke.leeren();
    TPU_Statistiktexte(0, 0);
    EXPECT_NE(welt.senke.finde("Durchschnittsalter (0)"), nullptr) << "no members: average 0";
    Statistik_Kategorie = 1;
    Statistik_Reihe = 0;
    DiaU_Max_Punkt = DiaU_Min_Punkt = 0;
}

// The caption names the human's figure now; the chart's right-hand column is the figure
// sampled at the turn of the year. Right after the yearly step both must show the same
// number for every clan series, also when the ring of slots wraps round.
TEST(Statistiktexte, EveryClanSeriesCaptionMatchesTheChartsNewestColumn) {
    bhmtest::Textwelt welt;
    DiaU_Init();
    Spielerzeile& p = Spieler[0];
    p.Farbe_R() = 100;
    p.Farbe_G() = p.Farbe_B() = 0;
    p.Buendnis() = 0;
    LGK_Spieler_Gruppen.assign(2, std::vector<int>(3, 0));
    const struct {
        int reihe, titel, chart;  // caption value, value of the chart's newest column
    } faelle[] = {{1, 20, 20},
                  {2, 11, 11},
                  {3, 9, 9},
                  {4, 30, 30},
                  {5, 3, 3},
                  {6, 2, 2},
                  {7, 4, 4},
                  {8, 5, 5},
                  {9, 6, 6},
                  {10, 7, 7},
                  {11, 65, 65},
                  {12, 1300, 1300},
                  {13, 12, 12},
                  {14, 5, 5},
                  {15, 3, 3},
                  {16, 14, 14},
                  {17, 2, 2},
                  {18, 24, 24},
                  {19, 987, 987},
                  {21, -15, -15},
                  {23, 55, 55},
                  {24, 21, 21},
                  {25, 4, 4},
                  {26, 1, 1},
                  // The two accounts hold one year's flow: the sample takes it and starts the
                  // new year's account at 0, which the caption then shows.
                  {20, 0, 40},
                  {22, 0, -8}};
    for (int start : {63, 64, 0}) {
        p.Mitglieder() = 20;
        p.Frauen() = 11;
        p.Maenner() = 9;
        p.Alter_Summe() = 600;
        p.Arbeitslose() = 3;
        p.Arbeitslose_Fach() = 2;
        p.Arbeit_Produktion() = 4;
        p.Arbeit_Auftrag() = 5;
        p.Arbeit_Rohstoff() = 6;
        p.Ohne_Arbeit() = 7;
        p.Zufriedenheit() = 1300;
        p.Zufriedene() = 12;
        p.Mittelzufriedene() = 5;
        p.Unzufriedene() = 3;
        p.Baustellen_gesamt() = 14;
        p.Baustellen() = 2;
        p.Wohnraum() = 24;
        p.Gold() = 987;
        p.Konto_Clan() = 40;
        p.Konto_Spieler() = -15;
        p.Konto_Edikt() = -8;
        p.Flugschiffe() = 1;
        LGK_Spieler_Gruppen[0] = {30, 21, 4};
        // Every older year holds another figure, so only the newest sample can match.
        for (int id = 1; id <= DiaU_Clanreihen; ++id)
            for (int t = 0; t < DiaU_Slots; ++t) DiaU_Clan_set_Wert(0, id, t, -1000);
        DiaU_Startpunkt = start == 0 ? DiaU_Slots - 1 : start - 1;
        DiaU_Zeitschritt();
        ASSERT_EQ(DiaU_Startpunkt, start);
        Statistik_Kategorie = 3;
        for (const auto& f : faelle) {
            Statistik_Reihe = f.reihe;
            DiaU_Chart_erstellen(3, f.reihe);
            welt.senke.leeren();
            TPU_Statistiktexte(0, 0);
            const bhmtest::Gedruckt* zeile = nullptr;
            for (const auto& z : welt.senke.zeilen)
                if (z.x == 400 - 90 && z.y == 300 + 8) zeile = &z;
            ASSERT_NE(zeile, nullptr) << f.reihe;
            const std::size_t auf = zeile->text.rfind('(');
            ASSERT_NE(auf, std::string::npos);
            EXPECT_EQ(std::stoi(zeile->text.substr(auf + 1)), f.titel) << zeile->text;
            // The newest column is a flat piece of the human's colour at the value's row.
            int zeile_rechts = -1;
            for (int y = 0; y < 256; ++y) {
                const std::uint8_t* px = &DiaU_Pixel[static_cast<std::size_t>(y * 256 + 255) * 3];
                if (px[0] == 255 && px[1] == 0 && px[2] == 0) zeile_rechts = y;
            }
            const long long bereich = std::max(DiaU_Max_Punkt - DiaU_Min_Punkt, 1);
            EXPECT_EQ(zeile_rechts, 255LL * (f.chart - DiaU_Min_Punkt) / bereich)
                << zeile->text << " at slot " << start << ", scale " << DiaU_Min_Punkt << ".."
                << DiaU_Max_Punkt;
        }
    }
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
    LGK_Spieler_Gruppen.clear();
    Statistik_Kategorie = 1;
    Statistik_Reihe = 0;
    DiaU_Max_Punkt = DiaU_Min_Punkt = 0;
}

TEST(Statistiktexte, EdictWindow) {
    bhmtest::Textwelt welt;
    // The text world's 800 x 600 window, too low for the edict window, which keeps the centre.
    bhmtest::Testschale schale(800, 600);
    Edikt_Data e;
    e.Titel = "Steuer";
    e.Count = 1;
    e.Gesetze = {{"Hoch", "", -1, {}}, {"Niedrig", "", -1, {}}};
    e.Timestep = 1;
    e.Zeiten = {0, 3};
    IAU_Edikte = {e};
    IAU_Textzeilen = {"Zeile eins"};
    TPU_Edikt_Intraktiv_Panel_Text(1, 2, 0);
    const std::vector<Gedruckt> erwartet = {
        {'C', 401, -18, "Steuer"},  {'P', 161, 7, "Zeile eins"}, {'P', 211, 204, "Hoch"},
        {'P', 211, 244, "Niedrig"}, {'C', 214, 497, W("für")},   {'C', 201, 522, "10 Jahre"},
        {'C', 592, 497, W("für")},  {'C', 581, 522, "immer"},
    };
    EXPECT_EQ(welt.senke.zeilen, erwartet) << "exactly the two outer choices";
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());

    // A bad duration code is reported and skipped; counts beyond the lists are not followed.
    IAU_Edikte[0].Zeiten = {7};
    IAU_Edikte[0].Timestep = 4;
    IAU_Edikte[0].Count = 5;
    welt.senke.leeren();
    TPU_Edikt_Intraktiv_Panel_Text(0, 0, 0);
    EXPECT_EQ(Fehlertext,
              W("TPU_Edikt_Intraktiv_Panel_Text -> Zeitkomponente(0) -> hat ungültigen Timestep(7)"));
    EXPECT_EQ(welt.senke.zeilen.size(), 4u);
    bhmtest::Kernwelt::gemeldet();
    TPU_Edikt_Intraktiv_Panel_Text(0, 0, 3);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet()) << "no such edict";
    IAU_Edikte.clear();
    IAU_Textzeilen.clear();
}

TEST(Statistiktexte, IslandOverviewListsIslandsWithClans) {
    bhmtest::Textwelt welt;
    IU_Inseln.assign(40, IU_Item{});
    for (int i = 0; i < 40; ++i) {
        IU_Inseln[i].Bauland = 100 + i;
        IU_Inseln[i].Anwesenheit = {0, 0};
    }
    IU_Inseln[2].Anwesenheit = {3, 0};
    IU_Inseln[2].Frei = true;
    IU_Inseln[5].Anwesenheit = {1, 4};
    IU_Inseln[30].Anwesenheit = {1, 0};  // beyond the first 29
    IU_Landklassen = {10, 20, 30, 40, 50};
    TPU_Inseluebersicht();
    const std::vector<Gedruckt> erwartet = {
        {'P', 100, 100, W("Kontinent/Insel Übersicht")},
        {'P', 100, 120, "Inseln :29 | Wasser:10 | Strand:20 | Land:30 | Berg:40 | Schnee:50"},
        {'P', 100, 140,
         W("Insel ID:2 | Baufläche:102 | KI darf bauen: ") + FFU_Bool_zu_JaNein(true) + " |SP0:3 | "},
        {'P', 100, 160,
         W("Insel ID:5 | Baufläche:105 | KI darf bauen: ") + FFU_Bool_zu_JaNein(false) +
             " |SP0:1 | SP1:4 | "},
    };
    EXPECT_EQ(welt.senke.zeilen, erwartet);
    IU_Inseln.clear();
    IU_Landklassen = {};
}

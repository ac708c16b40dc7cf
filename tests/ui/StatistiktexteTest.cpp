// Texts of the statistics menu, the interactive edict window and the island overview.
#include "ui/Statistiktexte.h"

#include <gtest/gtest.h>

#include "economy/Diagramm.h"
#include "economy/Logik.h"
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

TEST(Statistiktexte, EdictWindow) {
    bhmtest::Textwelt welt;
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

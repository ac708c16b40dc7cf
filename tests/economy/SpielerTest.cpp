#include "economy/Spieler.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <tuple>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "foundation/Seams.h"
#include "platform/base/Datei.h"

namespace {

using bhmtest::Kernwelt;

struct PanelZeuge : UiSeam {
    std::vector<int> panels;
    void Panelanzeigen(int panel) override { panels.push_back(panel); }
};

TEST(Spieler, CreationGivesEveryRowItsStartValuesAndGold) {
    Kernwelt welt;
    SpielerfarbeR = 100;
    SpielerfarbeG = 0;
    SpielerfarbeB = 0;
    SBU_Waren = {bhmtest::Ware(), bhmtest::Ware()};
    GU = 50;
    GU_Spieler_erstellen(3);

    ASSERT_EQ(Spieler.size(), 4u);
    EXPECT_EQ(SpielerID, 0);
    EXPECT_EQ(GU, 50 + 4 * 300) << "GU grows by 300 per row";
    const Spielerzeile& mensch = Spieler[0];
    EXPECT_EQ(mensch.Steuerung(), 0);
    EXPECT_EQ(std::make_tuple(mensch.Farbe_R(), mensch.Farbe_G(), mensch.Farbe_B()),
              std::make_tuple(100, 0, 0));
    for (int f = 11; f <= 38; ++f) {
        const bool an = f == 13 || f == 17 || f == 18 || f == 23 || f == 34 || f == 36;
        EXPECT_EQ(mensch.feld(f), an ? 1 : 0) << "human edict field " << f;
    }
    std::set<std::tuple<int, int, int>> farben{{100, 0, 0}};
    for (std::size_t p = 0; p < Spieler.size(); ++p) {
        const Spielerzeile& s = Spieler[p];
        EXPECT_EQ(s.Gold(), 300);
        EXPECT_EQ(s.KI_Stufe(), 1);
        EXPECT_EQ(s.KI_Phase(), 2);
        EXPECT_EQ(s.Startphase(), 1);
        EXPECT_EQ(std::make_tuple(s.Arbeitsradius(), s.Flugschiffe_Max(), s.Baustellen_Max()),
                  std::make_tuple(49, 3, 3));
        EXPECT_EQ(std::make_tuple(s.Forschung_1(), s.Forschung_2(), s.Forschung_3(), s.Reserve81()),
                  std::make_tuple(1, 2, 3, 1));
        for (int gruppe : {58, 61, 64, 67})
            EXPECT_EQ(std::make_tuple(s.feld(gruppe), s.feld(gruppe + 1), s.feld(gruppe + 2)),
                      std::make_tuple(1, 0, 0));
        for (int f : {96, 101, 102}) EXPECT_EQ(s.feld(f), 0);
        for (int f = 104; f <= 157; ++f) EXPECT_EQ(s.feld(f), 0);
        EXPECT_EQ(GU_Warenwerte.at(p).size(), 2u);
        if (p == 0) continue;
        EXPECT_EQ(s.Steuerung(), 1);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(s.feld(c) % 10, 0);
            EXPECT_LE(s.feld(c), 90);
        }
        EXPECT_TRUE(farben.insert({s.Farbe_R(), s.Farbe_G(), s.Farbe_B()}).second) << "colour of row " << p;
        if (p < 3) {
            EXPECT_NE(std::make_tuple(s.Farbe_R(), s.Farbe_G(), s.Farbe_B()), std::make_tuple(0, 0, 0));
        }
        for (int f : {13, 17, 18, 34, 36}) EXPECT_EQ(s.feld(f), 1);
        for (int f : {11, 21, 22, 23, 35}) EXPECT_TRUE(s.feld(f) == 0 || s.feld(f) == 1);
    }
}

TEST(Spieler, CreationIsDeterministicForOneSeed) {
    Kernwelt welt;
    SBU_Waren = {bhmtest::Ware(50), bhmtest::Ware(20, 2)};
    GU_Spieler_erstellen(4);
    const auto erste = Spieler;
    const auto werte = GU_Warenwerte;
    RandSeed = 12345;
    GU_Spieler_erstellen(4);
    EXPECT_EQ(Spieler, erste);
    EXPECT_EQ(GU_Warenwerte, werte);
}

TEST(Spieler, CreationDrawsColourThenEdictsThenWareValuesPerRow) {
    Kernwelt welt;
    SpielerfarbeR = SpielerfarbeG = SpielerfarbeB = 100;
    SBU_Waren = {bhmtest::Ware(100)};
    for (std::uint32_t seed : {1u, 77u, 4242u}) {
        RandSeed = seed;
        GU_Spieler_erstellen(2);
        const std::uint32_t nachher = RandSeed;

        // Replay: the human row draws only its ware value; each computer row draws its
        // colour until no other row has it, then edicts 11, 21, 22, 23, 35, then its ware value.
        RandSeed = seed;
        EXPECT_EQ(GU_Warenwerte[0][0], Random(3) + 2);
        std::vector<std::array<int, 3>> farben = {{100, 100, 100}, {0, 0, 0}, {0, 0, 0}};
        for (std::size_t p = 1; p <= 2; ++p) {
            bool doppelt = true;
            while (doppelt) {
                for (int& c : farben[p]) c = Random(10) * 10;
                doppelt = false;
                for (std::size_t q = 0; q < farben.size(); ++q)
                    doppelt = doppelt || (q != p && farben[q] == farben[p]);
            }
            const Spielerzeile& s = Spieler[p];
            EXPECT_EQ((std::array<int, 3>{s.Farbe_R(), s.Farbe_G(), s.Farbe_B()}), farben[p]) << seed;
            for (int f : {11, 21, 22, 23, 35})
                EXPECT_EQ(s.feld(f), Random(2)) << "edict " << f << " seed " << seed;
            EXPECT_EQ(GU_Warenwerte[p][0], Random(3) + 2) << seed;
        }
        EXPECT_EQ(RandSeed, nachher) << "no other draws";
    }
}

TEST(Spieler, HappinessBandEdges) {
    Kernwelt welt;
    GU_Spieler_erstellen(0);
    const struct { int wert, feld; } faelle[] = {{100, 93}, {75, 93}, {74, 94}, {26, 94}, {25, 95}, {0, 95}};
    for (const auto& f : faelle) {
        Spielerzeile& s = Spieler[0];
        GU_Zufriedenheit_aendern(0, f.wert, true);
        EXPECT_EQ(s.feld(f.feld), 1) << f.wert;
        EXPECT_EQ(s.Zufriedene() + s.Mittelzufriedene() + s.Unzufriedene(), 1) << f.wert;
        EXPECT_EQ(s.Zufriedenheit(), f.wert);
        GU_Zufriedenheit_aendern(0, f.wert, false);
        EXPECT_EQ(std::make_tuple(s.Zufriedene(), s.Mittelzufriedene(), s.Unzufriedene(), s.Zufriedenheit()),
                  std::make_tuple(0, 0, 0, 0));
    }
}

TEST(Spieler, WareValuesDrawOncePerWareInOrder) {
    Kernwelt welt;
    // 0: chance 100; 1: chance 50; 2: input ware 0, makes 2; 3: chance 0 and make 0 (guarded);
    // 4: input is a later ware (still 0), then a missing input ends the list.
    SBU_Waren = {bhmtest::Ware(100), bhmtest::Ware(50), bhmtest::Ware(100, 2), bhmtest::Ware(0, 0),
                 bhmtest::Ware(100)};
    SBU_Waren[2].Need[0] = {0, 1};
    SBU_Waren[4].Need[0] = {5, 1};
    SBU_Waren.push_back(bhmtest::Ware(100));
    Spieler.assign(1, Spielerzeile{});
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        RandSeed = seed;
        GU_Warenwerte_berechnen(0);
        const std::vector<int>& w = GU_Warenwerte[0];
        EXPECT_GE(w[0], 2);
        EXPECT_LE(w[0], 4);
        EXPECT_GE(w[1], 2);
        EXPECT_LE(w[1], 7);
        EXPECT_GE(w[3], 2);
        EXPECT_LE(w[3], 301);
        // Replay the draws: one per ware, in ware order, whatever the ware's data.
        const std::uint32_t nachher = RandSeed;
        RandSeed = seed;
        const int b0 = Random(3) + 2, b1 = Random(6) + 2, b2 = Random(3) + 2, b3 = Random(300) + 2;
        Random(3);
        Random(3);
        EXPECT_EQ(RandSeed, nachher);
        EXPECT_EQ(w[0], b0);
        EXPECT_EQ(w[1], b1);
        EXPECT_EQ(w[2], (b2 + w[0]) / 2) << "an earlier input adds its value, then the yield divides";
        EXPECT_EQ(w[3], b3);
    }
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Spieler, WareValueFileRoundTripsAndSkipsBadLines) {
    Kernwelt welt;
    SBU_Waren = {bhmtest::Ware(), bhmtest::Ware(), bhmtest::Ware()};
    GU_Spieler_erstellen(1);
    const std::string pfad = welt.ordner().dir().folder() + "GUSPA.sav";
    GU_Warenwerte_speichern(pfad);
    const auto werte = GU_Warenwerte;
    const std::string text = *Datei_lesen(pfad);
    EXPECT_EQ(Zeilen_teilen(text).at(0), "0/0/" + std::to_string(werte[0][0]));
    EXPECT_EQ(Zeilen_teilen(text).size(), 6u);

    GU_Warenwerte.clear();
    GU_Warenwerte_laden(pfad);
    EXPECT_EQ(GU_Warenwerte, werte);
    GU_Warenwerte_speichern(pfad);
    EXPECT_EQ(*Datei_lesen(pfad), text) << "save, load, save gives the same file";

    const struct {
        const char* zeile;
        bool gut;
    } faelle[] = {
        {"0/0/7", true},  {"0/1/8", true},  {"0/3/9", false},   // ware beyond the goods
        {"0/x/1", false}, {"5/0/1", false}, {"-1/0/1", false},  // clan outside the table
        {"1/2/4", false},                                       // more than one past the row
        {"1/0/4", true},  {"0/2", false},   {"0/2/3/4", false}, {"", false}, {"0/2/99999999999", false},
    };
    std::vector<std::string> zeilen;
    for (const auto& f : faelle) zeilen.push_back(f.zeile);
    ASSERT_TRUE(Textdatei_schreiben(pfad, zeilen));
    GU_Warenwerte.clear();
    Fehler_zuruecksetzen();
    GU_Warenwerte_laden(pfad);
    EXPECT_TRUE(Kernwelt::gemeldet());
    ASSERT_EQ(GU_Warenwerte.size(), 2u);
    EXPECT_EQ(GU_Warenwerte[0], (std::vector<int>{7, 8}));
    EXPECT_EQ(GU_Warenwerte[1], (std::vector<int>{4}));

    GU_Warenwerte.clear();
    GU_Warenwerte_laden(pfad + ".fehlt");
    EXPECT_TRUE(GU_Warenwerte.empty());
}

TEST(Spieler, ViewedClanStaysInsideTheTable) {
    Kernwelt welt;
    GU_Spieler_erstellen(2);
    GU_Spieler_wechseln(false);
    EXPECT_EQ(SpielerID, 0);
    GU_Spieler_wechseln(true);
    GU_Spieler_wechseln(true);
    GU_Spieler_wechseln(true);
    EXPECT_EQ(SpielerID, 2);
    GU_KI_umschalten(2);
    EXPECT_EQ(Spieler[2].Steuerung(), 0);
    GU_KI_umschalten(2);
    EXPECT_EQ(Spieler[2].Steuerung(), 1);
    Spieler[2].Steuerung() = -2;
    GU_KI_umschalten(2);
    EXPECT_EQ(Spieler[2].Steuerung(), 0);
    GU_KI_umschalten(7);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Spieler_Startphase(1), 1);
    EXPECT_EQ(Spieler_Startphase(9), 0);
}

TEST(Spieler, EmptyClanDiesOnceAndTheViewedClanLosesTheGame) {
    Kernwelt welt;
    PanelZeuge ui;
    Oberflaeche_setzen(&ui);
    GU_Spieler_erstellen(2);
    Karte[40].Insel() = 0;
    Spieler[1].Heimatfeld() = 40;
    Spieler[1].Startfeld() = 41;
    Spieler[2].Mitglieder() = 1;

    GU_Clan_leer_pruefen(2);
    EXPECT_EQ(Spieler[2].Steuerung(), 1) << "a clan with members lives on";
    NGU_Clannamen = {"Erde", "Wasser", "Luft"};
    GU_Clan_leer_pruefen(1);
    EXPECT_EQ(Spieler[1].Steuerung(), -1);
    ASSERT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(std::make_tuple(GUI_Infoliste[0].Event, GUI_Infoliste[0].Wert, GUI_Infoliste[0].Text),
              std::make_tuple(249, 41, std::string("Wasser")));
    EXPECT_EQ(std::make_tuple(Spieler[1].Heimatfeld(), Spieler[1].Startfeld()), std::make_tuple(0, 0));
    EXPECT_TRUE(ui.panels.empty());

    // A second death, a wound-up clan and a clan without a base cell change nothing more.
    Spieler[1].Steuerung() = -2;
    GU_Clan_Tod(1);
    GU_Clan_leer_pruefen(1);
    EXPECT_EQ(Spieler[1].Steuerung(), -2);
    Spieler[2].Mitglieder() = 0;
    GU_Clan_Tod(2);
    EXPECT_EQ(Spieler[2].Steuerung(), -1);
    EXPECT_FALSE(Kernwelt::gemeldet());

    SBMAb = SBGOb = SBLUb = SBLCb = true;
    GU_Clan_leer_pruefen(0);
    EXPECT_EQ(Spieler[0].Steuerung(), -1);
    EXPECT_FALSE(SBMAb || SBGOb || SBLUb || SBLCb);
    EXPECT_EQ(ui.panels, std::vector<int>{63});
    EXPECT_EQ(GUI_Infoanzahl, 1) << "no message for the viewed clan";
    Oberflaeche_setzen(nullptr);
}

TEST(Spieler, CountersMoveInPairs) {
    Kernwelt welt;
    SBU_Objekte = {bhmtest::Gebaeude("Home", 6), bhmtest::Gebaeude("Produktion", 3)};
    GU_Spieler_erstellen(1);
    GU_Zaehler_uebertragen(0, 1, Spielerzeile::Nr_Mitglieder);
    EXPECT_EQ(std::make_tuple(Spieler[0].Mitglieder(), Spieler[1].Mitglieder()), std::make_tuple(-1, 1));
    GU_Zaehler_uebertragen(0, 1, Spielerfeld_Anzahl);
    GU_Zaehler_uebertragen(0, 2, 3);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Spieler[1].Mitglieder(), 1);

    Objekte.assign(2, Objektzeile{});
    Objekte[0].Feld() = 5;
    Objekte[0].Besitzer() = 1;
    Objekte[0].Typ() = 0;
    Objekte[1].Feld() = 6;
    Objekte[1].Typ() = 1;
    GU_Wohnraum_hinzu(1, 0);
    GU_Wohnraum_hinzu(1, 1);
    EXPECT_EQ(Spieler[1].Wohnraum(), 6) << "only houses add room";
    EXPECT_EQ(Objekte[0].Zaehler(), 6);
    GU_Wohnraum_entfernen(0);
    EXPECT_EQ(Spieler[1].Wohnraum(), 0);

    Spieler[0].Baustellen() = 2;
    GU_Baustelle_fertig(0);
    EXPECT_EQ(Spieler[0].Baustellen(), 1);
}

}  // namespace

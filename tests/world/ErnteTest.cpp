#include "world/Ernte.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "platform/base/Datei.h"
#include "population/Personen.h"
#include "foundation/Schablonen.h"
#include "world/Hasen.h"
#include "world/Karte.h"

namespace {

constexpr int N = 16;
constexpr int Hof = 5 + 5 * N, Muehle = 10 + 5 * N;

Kartenfeld& K(int c) { return Karte[static_cast<std::size_t>(c)]; }

class Ernte : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt{N};

    void SetUp() override {
        // Object rows 0 and 3 stand on the two anchor cells.
        Objekte.assign(4, Objektzeile{});
        K(Hof).Objekt() = 0;
        K(Muehle).Objekt() = 3;
        GU_Spieler_erstellen(1);
        Personen.assign(1, Personenzeile{});
        Personen[0].Hunger() = 100;
        Personen[0].Spieler() = 0;
        Personen[0].ArbeitsplatzID() = 0;
    }

    // Hands out every order of the farm; the harvest cells in hand-out order.
    static std::vector<int> vergeben() {
        std::vector<int> felder;
        while (ERU_Ernteauftrag_vergeben(0)) felder.push_back(Personen[0].Zielfeld());
        return felder;
    }
};

TEST_F(Ernte, OrdersGoOutFirstThenNewestAndSetUpTheWorker) {
    for (int feld : {20, 21, 22}) ERU_Ernteauftrag_hinzufuegen(150, 0, Hof, 0, 7, feld, Hof);
    ASSERT_TRUE(ERU_Ernteauftrag_vergeben(0));
    const Personenzeile& p = Personen[0];
    EXPECT_EQ(p.AuftragID(), 150);
    EXPECT_EQ(p.Zielfeld(), 20);
    EXPECT_EQ(p.Bewegungscounter(), 9);
    EXPECT_EQ(p.Auftragsziel2(), Hof);
    EXPECT_EQ(p.WarenID(), 7);
    EXPECT_EQ(K(20).Block(), 1) << "the harvest cell is reserved";
    EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 1);
    EXPECT_EQ(vergeben(), (std::vector<int>{22, 21}));
    // No orders, no workplace in the table, an order for a cell without a building.
    EXPECT_FALSE(ERU_Ernteauftrag_vergeben(0));
    Personen[0].ArbeitsplatzID() = 500;
    EXPECT_FALSE(ERU_Ernteauftrag_vergeben(0));
    ERU_Ernteauftrag_hinzufuegen(150, 0, 30, 0, 7, 31, 30);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
    EXPECT_EQ(ERU_Ernteauftraege.size(), 100u) << "the table grew to the farm's row + 100";
}

TEST_F(Ernte, DemolitionClearsEveryHarvestCell) {
    for (int feld : {20, 21, 22}) {
        K(feld).Ambiente() = 9;
        K(feld).Block() = 2;
        ERU_Ernteauftrag_hinzufuegen(650, 0, Hof, 0, 3, feld, Hof);
        // A caught trap: the hole's last rabbit sits in it.
        Hase_Loch_anlegen(feld, feld);
        Hase_Loecher[static_cast<std::size_t>(Hase_Anzahl - 1)].Anzahl = 1;
    }
    ERU_Ernteauftrag_hinzufuegen(150, 0, Muehle, 0, 3, 23, Muehle);
    ERU_Gebaeude_entfernt(0);
    EXPECT_EQ(Hase_Anzahl, 0);
    for (int feld : {20, 21, 22}) {
        EXPECT_EQ(K(feld).Ambiente(), -1);
        EXPECT_EQ(K(feld).Block(), -1);
    }
    EXPECT_EQ(ERU_Ernteauftraege[0].Anzahl, 0);
    EXPECT_EQ(ERU_Ernteauftraege[3].Anzahl, 1);
    ERU_Gebaeude_entfernt(1000);
    ERU_Gebaeude_entfernt(-1);
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
}

TEST_F(Ernte, ACaughtTrapOfADemolishedBuildingGivesItsHoleBack) {
    // The trapper reserved the hole; the trap caught one of its three rabbits.
    SBU_ID_hole = 40;
    const int loch = 20;
    Hase_Loch_anlegen(loch, loch);
    Hase_Loecher[0].Anzahl = 3;
    Hase_Loecher[0].Reserviert = true;
    K(loch).Insel() = K(Hof).Insel() = 0;
    K(loch).Ambiente() = 9;
    K(loch).Block() = 1;
    ERU_Ernteauftrag_hinzufuegen(650, 0, Hof, 0, 3, loch, Hof);
    ERU_Gebaeude_entfernt(0);
    ASSERT_EQ(Hase_Anzahl, 1);
    EXPECT_EQ(Hase_Loecher[0].Anzahl, 2);
    EXPECT_FALSE(Hase_Loecher[0].Reserviert);
    EXPECT_EQ(K(loch).Ambiente(), SBU_ID_hole);
    EXPECT_EQ(K(loch).Block(), 2);
    EXPECT_EQ(Hase_Loch_suchen(Hof, 50, false), loch) << "hunters find the hole again";
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
}

TEST_F(Ernte, TheSaveFileGroupsOrdersByBuildingAndReloadsToTheBuildingOnTheCell) {
    const std::string pfad = welt.ordner().dir().folder() + "ERU.sav";
    ERU_Ernteauftrag_hinzufuegen(150, 1, Muehle, 0, 4, 40, Muehle);
    ERU_Ernteauftrag_hinzufuegen(150, 0, Hof, 0, 7, 20, Hof);
    ERU_Ernteauftrag_hinzufuegen(650, 1, Muehle, 0, 3, 41, Muehle);
    ASSERT_TRUE(ERU_Speichern(pfad));
    const auto erste = Textdatei_lesen(pfad);
    ASSERT_TRUE(erste);
    const std::string h = std::to_string(Hof), m = std::to_string(Muehle);
    EXPECT_EQ(*erste, (std::vector<std::string>{"150/0/" + h + "/0/7/20/" + h, "150/1/" + m + "/0/4/40/" + m,
                                                "650/1/" + m + "/0/3/41/" + m}));
    ERU_Init();
    // In the loaded map another object row stands on the mill's cell.
    K(Muehle).Objekt() = 2;
    ERU_Laden(pfad);
    EXPECT_EQ(ERU_Ernteauftraege[2].Anzahl, 2);
    EXPECT_EQ(ERU_Ernteauftraege[0].Anzahl, 1);
    K(Muehle).Objekt() = 3;
    ERU_Init();
    ERU_Laden(pfad);
    ASSERT_TRUE(ERU_Speichern(pfad));
    EXPECT_EQ(Textdatei_lesen(pfad), erste);
    Textdatei_schreiben(pfad, {"150/0/" + h + "/0/7/20", "150/0/" + h + "/0/7/20/" + h});
    ERU_Init();
    ERU_Laden(pfad);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
    EXPECT_EQ(ERU_Ernteauftraege[0].Anzahl, 1);
}

}  // namespace

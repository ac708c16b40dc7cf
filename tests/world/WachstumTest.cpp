#include "world/Wachstum.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "foundation/Fehler.h"
#include "platform/base/Datei.h"
#include "platform/base/Zufall.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "world/Stufenvorlagen.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "foundation/Spielstatus.h"
#include "population/Bauauftraege.h"

namespace {

using bhmtest::K;
using bhmtest::Typ;

constexpr int N = 16;
// The farm's anchor cell and its object row; a second building beside it.
constexpr int Hof = 5 + 5 * N, Hof_Objekt = 0;
constexpr int Muehle = 10 + 5 * N, Muehle_Objekt = 1;

class Wachstum : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt{N};

    void SetUp() override {
        bhmtest::Stufenwelt_setzen();
        Objekte.assign(2, Objektzeile{});
        for (auto [feld, o] : {std::pair{Hof, Hof_Objekt}, std::pair{Muehle, Muehle_Objekt}}) {
            Objekte[static_cast<std::size_t>(o)].Feld() = feld;
            Objekte[static_cast<std::size_t>(o)].Typ() = 1;
            K(feld).Objekt() = o;
        }
    }

    static void ticks(int n) {
        for (int i = 0; i < n; ++i) WU_Wachstum_Tick();
    }
    static int ernteauftraege(int o) {
        return static_cast<std::size_t>(o) < ERU_Ernteauftraege.size()
                   ? ERU_Ernteauftraege[static_cast<std::size_t>(o)].Anzahl
                   : 0;
    }
};

TEST_F(Wachstum, APlantGrowsEvery400StepsAndRaisesItsHarvestWhenRipe) {
    const int feld = 7 + 7 * N;
    K(feld).Ambiente() = Typ(bhmtest::Saat);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 0, feld, 0, Hof, 12);
    ticks(399);
    EXPECT_EQ(K(feld).Ambiente(), Typ(bhmtest::Saat));
    ticks(1);
    EXPECT_EQ(K(feld).Ambiente(), Typ(bhmtest::Halm));
    ticks(400);
    EXPECT_EQ(K(feld).Ambiente(), Typ(bhmtest::Reif)) << "last stage after 800 steps";
    ticks(399);
    EXPECT_EQ(ernteauftraege(Hof_Objekt), 0);
    EXPECT_EQ(Farm_Size, 1);
    ticks(1);
    ASSERT_EQ(ernteauftraege(Hof_Objekt), 1) << "harvest order at step 1200";
    const Ernteauftrag& e = ERU_Ernteauftraege[Hof_Objekt].Auftraege[0];
    EXPECT_EQ(e.Auftrag, 150);
    EXPECT_EQ(e.Feld, feld);
    EXPECT_EQ(e.Ware, 12);
    EXPECT_EQ(e.Gebaeude2, Hof);
    EXPECT_EQ(Farm_Size, 0);
    EXPECT_EQ(K(feld).Ambiente(), Typ(bhmtest::Reif)) << "the end stage is never taken for a link";
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
}

TEST_F(Wachstum, ATrapCatchesOnlyAtItsEventsWithOneChanceInTwo) {
    const int feld = 7 + 7 * N;
    K(feld).Ambiente() = Typ(bhmtest::Falle);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 0, feld, 0, Hof, 3);
    int schritt = 0;
    while (Farm_Size > 0 && schritt < 400 * 40) {
        WU_Wachstum_Tick();
        ++schritt;
    }
    EXPECT_EQ(schritt % 400, 0) << schritt;
    EXPECT_GE(schritt, 400);
    EXPECT_EQ(K(feld).Ambiente(), Typ(bhmtest::Fang));
    ASSERT_EQ(ernteauftraege(Hof_Objekt), 1);
    EXPECT_EQ(ERU_Ernteauftraege[Hof_Objekt].Auftraege[0].Auftrag, 650);
}

TEST_F(Wachstum, ARuinGoesOnlyOnceItsCounterBeatsTheDraw) {
    // Counter 90: at the first event it is 100, which no draw of 50..99 exceeds.
    Objekte[Muehle_Objekt].Zaehler() = 90;
    Objekte[Muehle_Objekt].Zustand() = 2;
    K(Muehle).Ambiente() = 1;
    // Counter 0: forty after four events, still below every draw.
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Ruine, 0, Hof, 0, Hof_Objekt, -1);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Ruine, 0, Muehle, 0, Muehle_Objekt, -1);
    Mouseoverfunktion_Nummer = 81;
    ticks(149);
    EXPECT_EQ(K(Muehle).Objekt(), Muehle_Objekt);
    ticks(1);
    EXPECT_EQ(K(Muehle).Objekt(), -1);
    EXPECT_EQ(K(Muehle).Ambiente(), -1);
    EXPECT_EQ(Objekte[Muehle_Objekt].Feld(), 0) << "the row is free";
    EXPECT_EQ(Mouseoverfunktion_Nummer, 0);
    ticks(450);
    EXPECT_EQ(Farm_Size, 1);
    EXPECT_EQ(Objekte[Hof_Objekt].Zaehler(), 40);
    EXPECT_EQ(K(Hof).Objekt(), Hof_Objekt);
}

TEST_F(Wachstum, AGraveFadesStageByStageEveryFourthStep) {
    const int feld = 3 + 3 * N;
    K(feld).Ambiente() = Typ(bhmtest::Grab1);
    K(feld).Block() = 2;
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Grab, 0, feld, 1, 2, -1);
    ticks(4);
    EXPECT_EQ(K(feld).Ambiente(), Typ(bhmtest::Grab2));
    ticks(3);
    EXPECT_EQ(Farm_Size, 1);
    ticks(1);
    EXPECT_EQ(K(feld).Ambiente(), -1);
    EXPECT_EQ(K(feld).Block(), -1);
    EXPECT_EQ(Farm_Size, 0);
}

TEST_F(Wachstum, BadRecordsAreReportedAndStayWhileVanishedStagesAreDropped) {
    WU_Wachstumsauftrag_hinzufuegen(0, 0, 20, 0, Hof, 1);
    WU_Wachstumsauftrag_hinzufuegen(7, 0, 20, 0, Hof, 1);
    WU_Wachstum_Tick();
    EXPECT_EQ(Fehlertext, "WU_Farm_wachstum > Art nicht bekannt: 7");
    EXPECT_EQ(Farm_Size, 2);
    WU_Init();
    // A planted cell cleared meanwhile, a grave off the map, a ruin of no object.
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 399, 20, 0, Hof, 1);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Grab, 3, N * N, 0, 1, -1);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Ruine, 149, Hof, 0, 9, -1);
    // A counter from a file far beyond its limit fires at once instead of running over.
    K(30).Ambiente() = Typ(bhmtest::Grab2);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Grab, 2147483647, 30, 0, 1, -1);
    WU_Wachstum_Tick();
    EXPECT_EQ(K(30).Ambiente(), -1);
    EXPECT_EQ(Farm_Size, 0);
    EXPECT_EQ(ernteauftraege(Hof_Objekt), 0);
}

TEST_F(Wachstum, NextStageFollowsOnlyLinksToAmbientTemplates) {
    const int b = SBU_Ambiente_Basis();
    EXPECT_EQ(WU_Naechste_Stufe(Typ(bhmtest::Saat)), Typ(bhmtest::Halm));
    EXPECT_EQ(WU_Naechste_Stufe(Typ(bhmtest::Reif)), -1) << "the end link is stored as B - 1";
    EXPECT_EQ(WU_Naechste_Stufe(1), -1) << "a building type has no stages";
    EXPECT_EQ(WU_Naechste_Stufe(-1), -1);
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
    SBU_Ambiente[bhmtest::Saat].link = b + 500;
    EXPECT_EQ(WU_Naechste_Stufe(Typ(bhmtest::Saat)), -1);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
}

TEST_F(Wachstum, RemovingABuildingDropsExactlyItsPlantingOrders) {
    // A ruin whose object row equals the farm's anchor cell by chance must stay.
    Objekte.resize(Hof + 1);
    Objekte[Hof].Feld() = 2 + 12 * N;
    const int feld_a = 3 + 8 * N, feld_b = 4 + 8 * N, feld_c = 5 + 8 * N;
    for (int c : {feld_a, feld_b, feld_c}) K(c).Ambiente() = Typ(bhmtest::Halm);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 0, feld_a, 0, Hof, 1);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 0, feld_b, 0, Muehle, 1);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 0, feld_c, 0, Hof, 1);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Ruine, 0, 2 + 12 * N, 0, Hof, -1);
    WU_Gebaeude_entfernt(Hof_Objekt);
    ASSERT_EQ(Farm_Size, 2);
    EXPECT_EQ(Farmarray[0].Art(), WU_Art_Ruine) << "the last record moved into the first freed place";
    EXPECT_EQ(Farmarray[1].Feld(), feld_b);
}

TEST_F(Wachstum, RemovingABuildingEmptiesItsTrapsIntoTheHoles) {
    const int voll = 3 + 8 * N, letzter = 9 + 8 * N;
    Hasen_Init = 5;
    for (int c : {voll, letzter}) {
        Hase_Loch_anlegen(c, c);
        K(c).Ambiente() = Typ(bhmtest::Falle);
    }
    Hase_Loecher[1].Anzahl = 1;
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 0, voll, 0, Hof, 3);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 0, letzter, 0, Hof, 3);
    WU_Gebaeude_entfernt(Hof_Objekt);
    EXPECT_EQ(Farm_Size, 0);
    EXPECT_EQ(K(voll).Ambiente(), Typ(bhmtest::Loch));
    EXPECT_EQ(K(voll).Block(), 2);
    EXPECT_EQ(K(letzter).Ambiente(), -1);
    EXPECT_EQ(K(letzter).Block(), -1);
    ASSERT_EQ(Hase_Anzahl, 1);
    EXPECT_EQ(Hase_Loecher[0].Anzahl, Hasen_Init - 1);
}

TEST_F(Wachstum, SaveLoadSaveGivesTheSameFile) {
    const std::string pfad = welt.ordner().dir().folder() + "F.sav";
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Pflanze, 17, 40, 2, Hof, 12);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Ruine, 0, Muehle, 1, Muehle_Objekt, -1);
    WU_Wachstumsauftrag_hinzufuegen(WU_Art_Grab, 3, 41, 0, 2, -1);
    ASSERT_TRUE(WU_Speichern(pfad));
    const auto erste = Textdatei_lesen(pfad);
    ASSERT_TRUE(erste);
    EXPECT_EQ((*erste)[0], "1/17/40/2/" + std::to_string(Hof) + "/12");
    WU_Init();
    WU_Laden(pfad);
    EXPECT_EQ(Farm_Size, 3);
    ASSERT_TRUE(WU_Speichern(pfad));
    EXPECT_EQ(Textdatei_lesen(pfad), erste);
    // A broken line is reported and skipped; a missing file leaves the list alone.
    Textdatei_schreiben(pfad, {"1/2/3/4/5/6", "1/2/x/4/5/6", "1/2/3/4/5"});
    WU_Init();
    WU_Laden(pfad);
    EXPECT_EQ(Farm_Size, 1);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
    WU_Laden(pfad + ".fehlt");
    EXPECT_EQ(Farm_Size, 1);
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
}

}  // namespace

#include "population/Befehlsliste.h"

#include <gtest/gtest.h>

#include "common/TempDir.h"
#include "platform/base/Datei.h"
#include "population/Auftragswelt.h"
#include "population/Bauauftraege.h"

namespace {

using bhmtest::Auftragswelt;

TEST(Befehlsliste, AClanWithoutOrdersGivesNothingToPersonsOrShips) {
    Auftragswelt welt(32, 2);
    const int p = Auftragswelt::person(1, Auftragswelt::feld(5, 5));
    Schiffe = {Schiff{}};
    Schiffe[0].Besitzer = 1;
    Schiff_Anzahl = 1;
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(p)) << "no list element for clan 1";
    EXPECT_FALSE(JU_Schiffsauftrag(0));

    JU_Befehl_eintragen(JU_Bauen, 1, 10, 0, 0, 0, 0);
    JU_Befehl_entfernen(1, 0);
    EXPECT_EQ(Auftragswelt::anzahl(1), 0);
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(p)) << "a list with count 0";
    EXPECT_FALSE(JU_Schiffsauftrag(0));
    EXPECT_FALSE(Auftragswelt::gemeldet());
}

TEST(Befehlsliste, AppendingGrowsTheClanListsAndTheRecordArrayInSteps) {
    Auftragswelt welt(32, 5);
    JU_Befehl_eintragen(JU_Bauen, 1, 10, 0, 0, 0, 0);
    ASSERT_EQ(JU_Befehlsliste.size(), 2u);
    JU_Befehl_eintragen(JU_Bauen, 5, 11, 0, 0, 0, 0);
    ASSERT_EQ(JU_Befehlsliste.size(), 6u);
    for (int c : {2, 3, 4}) {
        EXPECT_EQ(JU_Befehlsliste[static_cast<std::size_t>(c)].Anzahl, 0);
        EXPECT_TRUE(JU_Befehlsliste[static_cast<std::size_t>(c)].Befehle.empty());
    }

    for (int i = 1; i < 100; ++i) JU_Befehl_eintragen(JU_Material, 5, i, 0, 1, 0, 1);
    EXPECT_EQ(JU_Befehlsliste[5].Befehle.size(), 100u);
    JU_Befehl_eintragen(JU_Material, 5, 100, 0, 1, 0, 1);
    EXPECT_EQ(JU_Befehlsliste[5].Befehle.size(), 200u);
    EXPECT_EQ(Auftragswelt::anzahl(5), 101);
    EXPECT_EQ(Auftragswelt::befehl(5, 100), (Job_Befehl{JU_Material, 100, 0, 1, 0, 1}));

    JU_Befehl_eintragen(JU_Bauen, -1, 0, 0, 0, 0, 0);
    EXPECT_TRUE(Auftragswelt::gemeldet()) << "a negative clan is refused";
}

TEST(Befehlsliste, RemovingMovesTheLastOrderIntoTheGap) {
    Auftragswelt welt;
    for (int f = 1; f <= 3; ++f) JU_Befehl_eintragen(JU_Bauen, 0, f, 0, 0, 0, 0);
    JU_Befehl_entfernen(0, 0);
    EXPECT_EQ(Auftragswelt::anzahl(0), 2);
    EXPECT_EQ(Auftragswelt::befehl(0, 0).Feld, 3);
    EXPECT_EQ(Auftragswelt::befehl(0, 1).Feld, 2);
    EXPECT_EQ(Auftragswelt::befehl(0, 2), Job_Befehl{}) << "the old last entry is cleared";

    JU_Befehl_entfernen(0, 2);
    EXPECT_TRUE(Auftragswelt::gemeldet()) << "an index beyond the count is refused";
    EXPECT_EQ(Auftragswelt::anzahl(0), 2);
}

TEST(Befehlsliste, AnUnknownCodeIsReportedAndStaysWhileShipOrdersAreLeftToShips) {
    Auftragswelt welt;
    const int p = Auftragswelt::person(0, Auftragswelt::feld(5, 5));
    JU_Befehl_eintragen(777, 0, 10, 0, 0, 0, 0);
    JU_Befehl_eintragen(JU_Schiffsbau, 0, 12, 3, 0, 12, 0);
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(p));
    EXPECT_EQ(Fehlertext, "JU_Job_ermittlen unbekannter Befehl bei ID :777");
    EXPECT_EQ(Auftragswelt::anzahl(0), 2);
    EXPECT_EQ(Auftragswelt::P(p).AuftragID(), 0);
}

TEST(Befehlsliste, AnIdleShipTakesTheFirstHarbourSiteOrder) {
    Auftragswelt welt;
    JU_Befehl_eintragen(JU_Bauen, 0, 40, 2, 0, 7, 0);
    JU_Befehl_eintragen(JU_Schiffsbau, 0, 50, 3, 0, 50, 0);
    JU_Befehl_eintragen(JU_Schiffsbau, 0, 60, 4, 0, 60, 0);
    Schiffe = {Schiff{}};
    Schiff_Anzahl = 1;
    ASSERT_TRUE(JU_Schiffsauftrag(0));
    const Schiff& s = Schiffe[0];
    EXPECT_EQ(s.Ziel, 50);
    EXPECT_EQ(s.Naechstes_Ziel, 3);
    EXPECT_EQ(s.Warten, 3);
    EXPECT_EQ(s.Auftrag, 2);
    ASSERT_EQ(Auftragswelt::anzahl(0), 2);
    EXPECT_EQ(Auftragswelt::befehl(0, 0).Befehl, JU_Bauen);
    EXPECT_EQ(Auftragswelt::befehl(0, 1).Feld, 60) << "the last order moved into the gap";

    EXPECT_FALSE(JU_Schiffsauftrag(3));
    EXPECT_TRUE(Auftragswelt::gemeldet()) << "a ship that does not exist";
}

TEST(Befehlsliste, MaterialOrdersOfADemolishedSiteAreWithdrawn) {
    Auftragswelt welt;
    const int typ = Auftragswelt::vorlage("Produktion");
    const int o = Auftragswelt::gebaeude(0, Auftragswelt::feld(8, 8), typ);
    Objektzeile& z = Auftragswelt::O(o);
    z.Baumaterial_Ware(0) = 2;
    z.Baumaterial_Rest(0) = 5;
    z.Baumaterial_Ware(1) = 3;
    z.Baumaterial_Rest(1) = 4;
    JU_Befehl_eintragen(JU_Material, 0, z.Feld(), typ, 2, 0, 3);
    JU_Befehl_eintragen(JU_Material, 0, 99, typ, 2, 0, 1);
    JU_Befehl_eintragen(JU_Material, 0, z.Feld(), typ, 3, 0, 4);
    JU_Befehl_eintragen(JU_Bauen, 0, z.Feld(), typ, 0, 0, 0);

    JU_Materialauftraege_streichen(o);
    ASSERT_EQ(Auftragswelt::anzahl(0), 2);
    EXPECT_EQ(Auftragswelt::befehl(0, 0).Befehl, JU_Bauen);
    EXPECT_EQ(Auftragswelt::befehl(0, 1).Feld, 99);
    EXPECT_EQ(z.Baumaterial_Rest(0), 2);
    EXPECT_EQ(z.Baumaterial_Rest(1), 0);
}

TEST(Befehlsliste, HouseMaterialGivesWayToTheFirstOtherMaterialOrder) {
    Auftragswelt welt;
    const int haus = Auftragswelt::vorlage("Home");
    const int werk = Auftragswelt::vorlage("Produktion");
    struct Fall {
        std::vector<Job_Befehl> vorher;
        std::vector<int> felder_nachher;
    };
    const Fall faelle[] = {
        {{{JU_Material, 1, haus, 1, 0, 1}, {JU_Material, 2, werk, 1, 0, 1}}, {2, 1}},
        {{{JU_Bauen, 1, haus, 0, 0, 0},
          {JU_Material, 2, haus, 1, 0, 1},
          {JU_Bauen, 3, werk, 0, 0, 0},
          {JU_Material, 4, haus, 1, 0, 1},
          {JU_Material, 5, werk, 1, 0, 1}},
         {1, 5, 3, 4, 2}},
        {{{JU_Material, 1, werk, 1, 0, 1}, {JU_Material, 2, haus, 1, 0, 1}, {JU_Material, 3, werk, 1, 0, 1}},
         {1, 2, 3}},
        {{{JU_Material, 1, haus, 1, 0, 1}, {JU_Material, 2, haus, 1, 0, 1}}, {1, 2}},
    };
    for (const Fall& f : faelle) {
        JU_Zuruecksetzen();
        for (const Job_Befehl& b : f.vorher)
            JU_Befehl_eintragen(b.Befehl, 0, b.Feld, b.Typ, b.Ware, b.Lohn, b.Menge);
        JU_Materialauftraege_vorziehen(0);
        std::vector<int> felder;
        for (int i = 0; i < Auftragswelt::anzahl(0); ++i) felder.push_back(Auftragswelt::befehl(0, i).Feld);
        EXPECT_EQ(felder, f.felder_nachher);
    }
    JU_Materialauftraege_vorziehen(7);
    EXPECT_FALSE(Auftragswelt::gemeldet());
}

TEST(Befehlsliste, SavingAndLoadingKeepsEveryClansOrdersInOrder) {
    Auftragswelt welt(32, 2);
    bhmtest::TempDir dir;
    const std::string datei = dir.folder() + "W.sav";
    JU_Befehl_eintragen(JU_Material, 0, 10, 1, 2, 0, 3);
    JU_Befehl_eintragen(JU_Bauen, 0, 20, 1, 0, 14, 0);
    JU_Befehl_eintragen(JU_Siedler, 2, 30, 4, 2, -1, 30);
    const auto vorher = JU_Befehlsliste;
    ASSERT_TRUE(JU_Speichern(datei));
    EXPECT_EQ(*Textdatei_lesen(datei),
              (std::vector<std::string>{"350/0/10/1/2/0/3", "500/0/20/1/0/14/0", "850/2/30/4/2/-1/30"}));

    JU_Zuruecksetzen();
    JU_Laden(datei);
    ASSERT_EQ(JU_Befehlsliste.size(), 3u);
    for (int c = 0; c < 3; ++c) {
        ASSERT_EQ(Auftragswelt::anzahl(c), vorher[static_cast<std::size_t>(c)].Anzahl);
        for (int i = 0; i < Auftragswelt::anzahl(c); ++i)
            EXPECT_EQ(Auftragswelt::befehl(c, i),
                      vorher[static_cast<std::size_t>(c)].Befehle[static_cast<std::size_t>(i)]);
    }
    ASSERT_TRUE(JU_Speichern(datei + "2"));
    EXPECT_EQ(*Textdatei_lesen(datei), *Textdatei_lesen(datei + "2"));

    JU_Zuruecksetzen();
    ASSERT_TRUE(JU_Speichern(datei));
    EXPECT_TRUE(Textdatei_lesen(datei)->empty()) << "no orders: an empty file";
}

TEST(Befehlsliste, ABrokenLineIsReportedAndSkippedAndAMissingFileLeavesTheListsEmpty) {
    Auftragswelt welt;
    bhmtest::TempDir dir;
    const std::string datei = dir.folder() + "W.sav";
    JU_Laden(datei);
    EXPECT_TRUE(JU_Befehlsliste.empty());
    EXPECT_FALSE(Auftragswelt::gemeldet());

    ASSERT_TRUE(Textdatei_schreiben(
        datei, {"500/0/20/1/0/14", "500/x/20/1/0/14/0", "350/-4/1/1/1/1/1", "350/0/10/1/2/0/3"}));
    JU_Laden(datei);
    EXPECT_TRUE(Auftragswelt::gemeldet());
    ASSERT_EQ(Auftragswelt::anzahl(0), 1);
    EXPECT_EQ(Auftragswelt::befehl(0, 0), (Job_Befehl{JU_Material, 10, 1, 2, 0, 3}));
}

}  // namespace

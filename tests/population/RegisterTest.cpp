#include <gtest/gtest.h>

#include "common/TempDir.h"
#include "population/Arbeitsamt.h"
#include "population/Edikte.h"
#include "population/Populationswelt.h"
#include "population/Wohnraum.h"

namespace {

using namespace bhmtest;

std::vector<int> Liste(const std::vector<int>& objekte, int anzahl) {
    return {objekte.begin(), objekte.begin() + anzahl};
}

// Three buildings of the type owned by clan 0.
std::array<int, 3> Drei(int typ) {
    return {OM_Objekt_anlegen(20, 0, typ), OM_Objekt_anlegen(30, 0, typ), OM_Objekt_anlegen(40, 0, typ)};
}

TEST(Wohnraum, RemovingMovesTheLastEntryAndAnUnlistedHouseKeepsItsRoom) {
    Populationswelt welt;
    const auto [a, b, c] = Drei(0);
    for (int o : {a, b, c}) WRU_Wohnraum_eintragen(0, o);
    WRU_Wohnraum_austragen(0, 1);
    EXPECT_EQ(Liste(Wohnraum_Liste[0].Objekte, Wohnraum_Liste[0].Anzahl), (std::vector<int>{a, c}));
    O(b).Zaehler() = 4;
    WRU_Wohnraum_von_Objekt_austragen(b);
    EXPECT_EQ(O(b).Zaehler(), 4);
    O(a).Zaehler() = 4;
    WRU_Wohnraum_von_Objekt_austragen(a);
    EXPECT_EQ(O(a).Zaehler(), 0);
    EXPECT_EQ(Liste(Wohnraum_Liste[0].Objekte, Wohnraum_Liste[0].Anzahl), (std::vector<int>{c}));
    EXPECT_FALSE(Kernwelt::gemeldet());
    WRU_Wohnraum_austragen(0, 5);
    WRU_Wohnraum_austragen(3, 0);
    WRU_Wohnraum_eintragen(9, a);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Arbeitsamt, RemovingMovesTheLastEntryAndDuplicatesAreReported) {
    Populationswelt welt;
    const auto [a, b, c] = Drei(1);
    for (int o : {a, b, c}) AAU_Stelle_eintragen(0, o);
    AAU_Stelle_austragen(0, 0);
    EXPECT_EQ(Liste(ArAmAr[0].Objekte, ArAmAr[0].Anzahl), (std::vector<int>{c, b}));
    EXPECT_EQ(ArAmAr[0].Objekte[2], -1);
    EXPECT_EQ(std::make_tuple(AAU_Position_von_Objekt(0, b), AAU_Position_von_Objekt(0, a)),
              std::make_tuple(1, -1));
    EXPECT_EQ(AAU_Position_von_Objekt(1, b), -1) << "a clan without a list";
    AAU_Stelle_eintragen(0, b);
    EXPECT_EQ(Fehlertext, "ObjektBauplan[1]");
    EXPECT_EQ(ArAmAr[0].Anzahl, 3) << "appended all the same";
}

TEST(Arbeitsamt, WorkersAreFoundBelowDistance120AndPlacedUpTo120) {
    Populationswelt welt;
    MG_Kartengroesse = 256;
    MG_Karte_anlegen(256, Karte);
    for (Kartenfeld& k : Karte) k.Insel() = 0;
    const int werk = OM_Objekt_anlegen(1, 0, 1);
    OB_Slots_oeffnen(1, werk, 0);
    const int fremd = Person(1, 2), weit = Person(0, 121), anderswo = Person(0, 3);
    Karte[3].Insel() = 4;
    EXPECT_EQ(AAU_Arbeitslosen_suchen(werk), -1);
    (void)fremd;
    (void)anderswo;
    EXPECT_FALSE(AAU_Stelle_besetzen(anderswo, 0)) << "another island";
    EXPECT_TRUE(AAU_Stelle_besetzen(weit, 0)) << "exactly 120 is accepted when placing";
    EXPECT_EQ(std::make_tuple(P(weit).ArbeitsplatzID(), OB_Slots[0][0]),
              std::make_tuple(werk, OB_Slot{0, weit}));
    EXPECT_EQ(AAU_Position_von_Objekt(0, werk), -1) << "no open post left";
    const int nah = Person(0, 119);
    OB_Slots_oeffnen(2, werk, 0);
    EXPECT_EQ(AAU_Arbeitslosen_suchen(werk), nah);
    O(werk).Stillgelegt() = 1;
    EXPECT_FALSE(AAU_Stelle_besetzen(nah, 0)) << "shut down";
}

TEST(Arbeitsamt, AStaleEntryIsReportedRemovedAndPlacesNobody) {
    Populationswelt welt;
    const int werk = OM_Objekt_anlegen(20, 0, 1);
    Objekte[static_cast<std::size_t>(werk)].Slot_Ware(0) = 1;  // a store with room
    const int p = Person(0, 21);
    AAU_Stelle_eintragen(0, werk);
    const int gold = Spieler[0].Gold();
    EXPECT_FALSE(AAU_Arbeitsamt_vermitteln(p));
    EXPECT_EQ(Fehlertext, "Falscher Eintrag in ArAmAr gefunden.");
    EXPECT_EQ(std::make_tuple(ArAmAr[0].Anzahl, P(p).ArbeitsplatzID(), Spieler[0].Gold()),
              std::make_tuple(0, -1, gold));
}

TEST(Arbeitsamt, PlacementOnRequestCostsTheClanOneGoldAndNeedsTwo) {
    for (int gold : {2, 1}) {
        Populationswelt welt;
        const int werk = OM_Objekt_anlegen(20, 0, 1);
        Objekte[static_cast<std::size_t>(werk)].Slot_Ware(0) = 1;  // a store with room
        OB_Slots_oeffnen(3, werk, 0);
        const int p = Person(0, 21);
        P(p).AuftragID() = 0;
        Spieler[0].Gold() = gold;
        Spieler[0].Edikt_Arbeitsamt() = 1;
        const bool erwartet = gold >= 2;
        EXPECT_EQ(EDU_Arbeitsamt_Edikt(p), erwartet);
        EXPECT_EQ(std::make_tuple(P(p).ArbeitsplatzID(), Spieler[0].Gold(), P(p).Gold()),
                  erwartet ? std::make_tuple(werk, gold - 1, 101) : std::make_tuple(-1, gold, 100));
    }
}

TEST(Register, SideFilesRoundTripAndBadLinesAreReported) {
    Populationswelt welt;
    TempDir dir;
    const int a = OM_Objekt_anlegen(20, 0, 0), b = OM_Objekt_anlegen(30, 1, 0);
    WRU_Wohnraum_eintragen(1, b);
    WRU_Wohnraum_eintragen(0, a);
    WRU_Wohnraum_eintragen(1, a);
    AAU_Stelle_eintragen(1, a);
    const std::string wru = (dir.folder() + "WRU.sav"), aau = (dir.folder() + "AAU.sav");
    ASSERT_TRUE(WRU_Speichern(wru));
    ASSERT_TRUE(AAU_Speichern(aau));
    EXPECT_EQ(dir.read("WRU.sav"), "0/0\r\n1/1\r\n0/1\r\n");
    WRU_Zuruecksetzen();
    AAU_Zuruecksetzen();
    WRU_Laden(wru);
    AAU_Laden(aau);
    const std::string wru2 = (dir.folder() + "WRU2.sav");
    ASSERT_TRUE(WRU_Speichern(wru2));
    EXPECT_EQ(dir.read("WRU2.sav"), dir.read("WRU.sav"));
    EXPECT_EQ(std::make_tuple(ArAmAr.size(), ArAmAr[1].Anzahl, ArAmAr[1].Objekte[0]),
              std::make_tuple(2u, 1, a));

    dir.write("WRU.sav", "0/0\r\nx/1\r\n0/70000\r\n-4/0\r\n1/1\r\n");
    WRU_Zuruecksetzen();
    WRU_Laden(wru);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(std::make_tuple(Wohnraum_Liste[0].Anzahl, Wohnraum_Liste[1].Anzahl), std::make_tuple(1, 1));
    WRU_Zuruecksetzen();
    WRU_Laden((dir.folder() + "fehlt.sav"));
    EXPECT_TRUE(Wohnraum_Liste.empty());
}

// A loaded game reads the registers before its clan and object rows.
TEST(Register, SideFilesAreReadBeforeTheClanAndObjectRows) {
    Populationswelt welt;
    TempDir dir;
    dir.write("WRU.sav", "5/0\r\n7/2\r\n-1/0\r\n3/-1\r\n");
    dir.write("AAU.sav", "6/1\r\n");
    dir.write("EDU.sav", "1/3/0\r\n2/1/0\r\n0/2/0\r\n");
    const auto spieler = Spieler;
    const auto objekte = Objekte;
    Spieler.clear();
    Objekte.clear();
    WRU_Zuruecksetzen();
    AAU_Zuruecksetzen();
    EDU_Zuruecksetzen();
    WRU_Laden(dir.folder() + "WRU.sav");
    AAU_Laden(dir.folder() + "AAU.sav");
    EDU_Laden(dir.folder() + "EDU.sav");
    Spieler = spieler;
    Objekte = objekte;
    ASSERT_EQ(Wohnraum_Liste.size(), 3u);
    EXPECT_EQ(Liste(Wohnraum_Liste[0].Objekte, Wohnraum_Liste[0].Anzahl), (std::vector<int>{5}));
    EXPECT_EQ(Liste(Wohnraum_Liste[2].Objekte, Wohnraum_Liste[2].Anzahl), (std::vector<int>{7}));
    ASSERT_EQ(ArAmAr.size(), 2u);
    EXPECT_EQ(Liste(ArAmAr[1].Objekte, ArAmAr[1].Anzahl), (std::vector<int>{6}));
    EXPECT_EQ(Edikte, (std::vector<Edikt_Sammlung>{{1, 3, 0}, {2, 1, 0}, {0, 2, 0}}));
    EXPECT_TRUE(Kernwelt::gemeldet()) << "the negative indexes";
}

}  // namespace

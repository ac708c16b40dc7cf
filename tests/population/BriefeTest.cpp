#include <gtest/gtest.h>

#include "common/TempDir.h"
#include "population/Briefe.h"
#include "population/Populationswelt.h"

namespace {

using namespace bhmtest;

std::vector<int> Liste(int clan) {
    const Item_rec& l = Briefe.at(static_cast<std::size_t>(clan));
    return {l.Briefe.begin(), l.Briefe.begin() + l.Anzahl};
}

TEST(Briefe, ThePileShowsAtMostFiveAndAnyPartOfItGivesTheFirstLetter) {
    Populationswelt welt;
    EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(0), -1);
    EXPECT_EQ(BrU_Brief_lesen(0, 1200, 50), -1);
    for (int b : {3, 4, 5, 6, 7, 8, 9}) BrU_Brief_eintragen(0, b);
    EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(0), 5);
    const int w = 1280;  // the window width without a window
    EXPECT_EQ(BrU_Brief_lesen(0, w - 83, 133), 3);
    EXPECT_EQ(BrU_Brief_lesen(0, w - 21, 21), 3);
    EXPECT_EQ(BrU_Brief_lesen(0, w - 84, 50), -1);
    EXPECT_EQ(BrU_Brief_lesen(0, w - 20, 50), -1);
    EXPECT_EQ(BrU_Brief_lesen(0, w - 50, 134), -1);
    EXPECT_EQ(BrU_Brief_lesen(0, w - 50, 20), -1);
}

TEST(Briefe, RemovingTheFirstLetterKeepsTheOrder) {
    Populationswelt welt;
    for (int b : {0, 4, 9}) BrU_Brief_eintragen(1, b);
    BrU_Brief_entfernen(1);
    EXPECT_EQ(Liste(1), (std::vector<int>{4, 9}));
    BrU_Brief_entfernen(1);
    BrU_Brief_entfernen(1);
    BrU_Brief_entfernen(1);
    BrU_Brief_entfernen(0);
    EXPECT_EQ(Liste(1), std::vector<int>{});
    for (int i = 0; i < 25; ++i) BrU_Brief_eintragen(1, i);
    EXPECT_EQ(Liste(1).back(), 24);
}

TEST(Briefe, SideFileRoundTripsAndBadLinesAreReported) {
    Populationswelt welt;
    GU_Spieler_erstellen(2);
    TempDir dir;
    BrU_Brief_eintragen(0, 2);
    BrU_Brief_eintragen(0, 5);
    BrU_Brief_eintragen(2, 1);
    ASSERT_TRUE(BrU_Speichern(dir.folder() + "BrU.sav"));
    EXPECT_EQ(dir.read("BrU.sav"), "2/2/5\r\n0\r\n1/1\r\n");
    BrU_Laden(dir.folder() + "BrU.sav");
    EXPECT_EQ(std::make_tuple(Liste(0), Liste(1), Liste(2)),
              std::make_tuple(std::vector<int>{2, 5}, std::vector<int>{}, std::vector<int>{1}));

    dir.write("BrU.sav", "1/4\r\n3/1/2\r\n0\r\n");
    BrU_Laden(dir.folder() + "BrU.sav");
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Liste(0), std::vector<int>{4});
    EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(1), -1);
    EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(2), -1) << "a line of 0 leaves the clan without letters";
    dir.write("BrU.sav", "2000000000/1\r\n");
    BrU_Laden(dir.folder() + "BrU.sav");
    EXPECT_TRUE(Kernwelt::gemeldet());
}

}  // namespace

#include "economy/Schutt.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "platform/base/Datei.h"
#include "world/Karte.h"

namespace {

using bhmtest::Kernwelt;

struct Schuttwelt : Kernwelt {
    Schuttwelt() {
        for (Kartenfeld& k : Karte) k.Insel() = 0;
    }
};

TEST(Schutt, FirstEntryInRangeOnTheIsland) {
    Schuttwelt w;
    const int mitte = 2 + 8 * 16;
    Karte[mitte + 1].Insel() = 1;
    SchU_Schutt_hinzufuegen(mitte + 1);       // another island, distance 1
    SchU_Schutt_hinzufuegen(mitte + 9);       // distance 9
    SchU_Schutt_hinzufuegen(mitte + 3 * 16);  // distance 3
    EXPECT_EQ(SchU_Naechster_Schutt(mitte, 10), mitte + 9) << "list order decides, not the distance";
    EXPECT_EQ(SchU_Naechster_Schutt(mitte, 9), mitte + 3 * 16) << "a cell at exactly the range is out";
    EXPECT_EQ(SchU_Naechster_Schutt(mitte, 3), -1);
    EXPECT_EQ(SchU_Schutt_Index(mitte + 3 * 16), 2);
    EXPECT_EQ(SchU_Schutt_Index(5), -1);
    EXPECT_EQ(SchU_Naechster_Schutt(-4, 10), -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Schutt, RemovingMovesTheLastEntry) {
    Schuttwelt w;
    for (int c : {10, 20, 30}) SchU_Schutt_hinzufuegen(c);
    SchU_Schutt_entfernen(0);
    EXPECT_EQ(SchU_Schutt_Anzahl, 2);
    EXPECT_EQ(SchU_Schuttliste, (std::vector<int>{30, 20, -1}));
    SchU_Schutt_hinzufuegen(40);
    EXPECT_EQ(SchU_Schuttliste, (std::vector<int>{30, 20, 40})) << "the vacated entry is used again";
    SchU_Schutt_entfernen(7);
    EXPECT_TRUE(Kernwelt::gemeldet());
    SchU_Schutt_entfernen(0);
    SchU_Schutt_entfernen(0);
    SchU_Schutt_entfernen(0);
    EXPECT_EQ(SchU_Schutt_Anzahl, 0);
    SchU_Schutt_entfernen(0);  // nothing left: nothing happens
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Schutt, SaveAndLoad) {
    Schuttwelt w;
    const std::string pfad = w.ordner().dir().folder() + "SUT.sav";
    ASSERT_TRUE(SchU_Schutt_File_Save(pfad));
    EXPECT_EQ(Datei_lesen(pfad).value_or("?"), "");
    for (int c : {12, 7, 99}) SchU_Schutt_hinzufuegen(c);
    ASSERT_TRUE(SchU_Schutt_File_Save(pfad));
    SchU_Zuruecksetzen();
    SchU_Schutt_hinzufuegen(1);
    SchU_Schutt_File_Load(pfad);
    EXPECT_EQ(SchU_Schutt_Anzahl, 3);
    EXPECT_EQ(std::vector<int>(SchU_Schuttliste.begin(), SchU_Schuttliste.begin() + 3),
              (std::vector<int>{12, 7, 99}));
    const std::string zweiter = w.ordner().dir().folder() + "SUT2.sav";
    ASSERT_TRUE(SchU_Schutt_File_Save(zweiter));
    EXPECT_EQ(Datei_lesen(zweiter).value_or("!"), Datei_lesen(pfad).value_or("?"));
    // A missing file is reported and leaves the list alone.
    SchU_Schutt_File_Load(w.ordner().dir().folder() + "fehlt.sav");
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(SchU_Schutt_Anzahl, 3);
}

}  // namespace

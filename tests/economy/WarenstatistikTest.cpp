#include "economy/Warenstatistik.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "platform/base/Datei.h"

namespace {

using bhmtest::Kernwelt;

// Goods: 0 food, 1 "Food" (other), 2 luxury, 3 other.
void Waren() {
    SBU_Waren.assign(4, bhmtest::Ware());
    SBU_Waren[0].Spez = "food";
    SBU_Waren[1].Spez = "Food";
    SBU_Waren[2].Spez = "luxury";
    SBU_Waren[3].Spez = "stone";
}

TEST(Warenstatistik, GroupsByExactSpez) {
    const struct {
        const char* spez;
        int gruppe;
    } faelle[] = {{"food", 1}, {"Food", 0}, {"luxury", 2}, {"Luxury", 0}, {"", 0}, {"food ", 0}};
    for (const auto& f : faelle) EXPECT_EQ(LGK_Gruppe_von_Spez(f.spez), f.gruppe) << f.spez;
}

TEST(Warenstatistik, BookingFeedsAllThreeTablesAndTheTrend) {
    Kernwelt welt;
    Waren();
    GU_Spieler_erstellen(2);
    const int trend = Spieler[2].Produktion_Trend();
    LGK_Produktion_verbuchen(2, 2, 3);
    EXPECT_EQ(LGK_Spieler_Gruppen[2], (std::vector<int>{0, 0, 3})) << "only luxury: zeros before it";
    EXPECT_EQ(Spieler[2].Produktion_Trend(), trend + 3);
    LGK_Produktion_verbuchen(2, 1, 1);
    LGK_Produktion_verbuchen(1, 0, 4);
    LGK_Produktion_verbuchen(1, 0, -1);
    EXPECT_EQ(std::make_tuple(LGK_Nahrung_des_Spielers(2), LGK_Luxus_des_Spielers(2),
                              LGK_Sonstiges_des_Spielers(2)),
              std::make_tuple(0, 3, 1));
    EXPECT_EQ(LGK_Nahrung_des_Spielers(1), 3);
    EXPECT_EQ(LGK_Welt_Waren, (std::vector<int>{3, 1, 3}));
    EXPECT_EQ(LGK_Spieler_Waren[2], (std::vector<int>{0, 1, 3}));
    // A clan that never produced, or is no clan at all, has nothing.
    for (int clan : {0, 3, 50, -1})
        EXPECT_EQ(
            LGK_Nahrung_des_Spielers(clan) + LGK_Luxus_des_Spielers(clan) + LGK_Sonstiges_des_Spielers(clan),
            0);
    EXPECT_FALSE(Kernwelt::gemeldet());
    LGK_Produktion_verbuchen(3, 0, 1);
    EXPECT_EQ(Fehlertext, "LGK_Produktion_verbuchen > unbekannter Clan oder Ware: 3/0");
    LGK_Produktion_verbuchen(0, 4, 1);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(LGK_Welt_Waren.size(), 3u);
}

TEST(Warenstatistik, SaveLoadSaveIsIdentical) {
    Kernwelt welt;
    Waren();
    GU_Spieler_erstellen(3);
    LGK_Produktion_verbuchen(1, 3, 7);
    LGK_Produktion_verbuchen(1, 0, 2);
    LGK_Produktion_verbuchen(3, 2, 1);
    LGK_Spieler_Ware_addieren(4, 1, 0);  // a trailing clan without production
    LGK_Spieler_Gruppe_addieren(4, 0, 0);
    const auto waren = LGK_Spieler_Waren;
    const auto welt_summen = LGK_Welt_Waren;
    const auto gruppen = LGK_Spieler_Gruppen;
    const std::string a = welt.ordner().dir().folder() + "a", b = welt.ordner().dir().folder() + "b";
    ASSERT_TRUE(Ordner_anlegen(a) && Ordner_anlegen(b));
    ASSERT_TRUE(LGK_File_Save(a));
    EXPECT_EQ(welt.ordner().dir().read("a/LGKSWA.sav"), "\r\n2/0/0/7\r\n\r\n0/0/1\r\n0/0\r\n");
    EXPECT_EQ(welt.ordner().dir().read("a/LGKSWG.sav"), "\r\n7/2\r\n\r\n0/0/1\r\n0\r\n");

    LGK_Statistik_leeren();
    Spieler.clear();  // the clan rows come after this table while a game loads
    LGK_File_Load(a + "\\");
    EXPECT_EQ(LGK_Spieler_Waren, waren);
    EXPECT_EQ(LGK_Welt_Waren, welt_summen);
    EXPECT_EQ(LGK_Spieler_Gruppen, gruppen);
    ASSERT_TRUE(LGK_File_Save(b));
    for (const char* f : {"/LGKSWA.sav", "/LGKWWA.sav", "/LGKSWG.sav"})
        EXPECT_EQ(welt.ordner().dir().read(std::string("b") + f),
                  welt.ordner().dir().read(std::string("a") + f));
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Warenstatistik, LoadSkipsBadLinesAndNeedsTheClanFile) {
    Kernwelt welt;
    const auto& d = welt.ordner().dir();
    d.write("s/LGKWWA.sav", "5\r\n");
    LGK_File_Load(d.folder() + "s");
    EXPECT_TRUE(LGK_Welt_Waren.empty()) << "without the clan file nothing is read";

    d.write("s/LGKSWA.sav", "1/2\r\n3/x/4\r\n5\r\n");
    d.write("s/LGKWWA.sav", "5\r\n\r\n6/7\r\n8\r\n");
    LGK_File_Load(d.folder() + "s");
    EXPECT_EQ(LGK_Spieler_Waren, (std::vector<std::vector<int>>{{1, 2}, {}, {5}}));
    EXPECT_EQ(LGK_Welt_Waren, (std::vector<int>{5, 0, 0, 8}));
    EXPECT_TRUE(LGK_Spieler_Gruppen.empty()) << "a missing group file leaves the groups empty";
    EXPECT_TRUE(Kernwelt::gemeldet());
}

}  // namespace

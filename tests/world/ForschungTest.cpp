#include "world/Forschung.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "platform/base/Zufall.h"

namespace {

using bhmtest::Kernwelt;

TEST(Forschung, TablesPerClanAndTraitsInDrawOrder) {
    Kernwelt welt;
    GU_Spieler_erstellen(3);
    FU_Forschung_anlegen();
    ASSERT_EQ(FU_Forschung.size(), 4u);
    const T_Forschung_R& t = FU_Forschung[2];
    ASSERT_EQ(t.Eintraege.size(), 20u);
    EXPECT_EQ(t.Stand, 0);
    for (const T_Forschung_Item_R& e : t.Eintraege) {
        EXPECT_EQ(e.Stufe, 2);
        EXPECT_FALSE(e.Erforscht);
    }
    EXPECT_EQ(t.Eintraege[9].Titel, "Baustelle erweitern");
    EXPECT_EQ(t.Eintraege[9].Kategorie, 0);
    EXPECT_EQ(t.Eintraege[10].Titel, "Flugschiffe erweitern");
    EXPECT_EQ(t.Eintraege[10].Kategorie, 1);

    RandSeed = 555;
    std::vector<int> gezogen;
    for (int i = 0; i < 12; ++i) gezogen.push_back(Random(5) + 1);
    RandSeed = 555;
    FU_Werte_wuerfeln();
    for (int p = 0; p < 4; ++p) {
        const Spielerzeile& s = Spieler[static_cast<std::size_t>(p)];
        EXPECT_EQ(s.Forschung_1(), gezogen[static_cast<std::size_t>(3 * p)]) << p;
        EXPECT_EQ(s.Forschung_2(), gezogen[static_cast<std::size_t>(3 * p + 1)]) << p;
        EXPECT_EQ(s.Forschung_3(), gezogen[static_cast<std::size_t>(3 * p + 2)]) << p;
    }
    FU_Forschung_loeschen();
    EXPECT_TRUE(FU_Forschung.empty());
}

}  // namespace

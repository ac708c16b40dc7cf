#include "population/Einkauf.h"

#include <gtest/gtest.h>

#include "population/Auftragswelt.h"

namespace {

using bhmtest::Auftragswelt;
using W = Auftragswelt;

// A shop of the clan on the cell holding `bestand` units of the ware, listed in the goods index.
int laden(int clan, int feld, int ware = 1, int bestand = 3) {
    const int o = W::gebaeude(clan, feld, W::vorlage("Produktion", {{ware, 2}}));
    W::slot(o, 0, ware, bestand);
    W::anbieten(o, ware);
    return o;
}

TEST(JA_Luxusgut_kaufen, PaysReservesAndWalksToTheSeller) {
    Auftragswelt welt(32, 1);
    SBU_Luxury_Waren = {1};
    SBU_Luxury_Zeiger = 0;
    const int s = laden(1, W::feld(9, 9), 1);
    GU_Warenwerte[1][1] = 4;
    const int p = W::person(0, W::feld(3, 3));
    const int gold_s = W::S(1).Gold();
    W::S(0).Ohne_Arbeit() = 0;
    ASSERT_TRUE(JA_Luxusgut_kaufen(p));
    EXPECT_EQ(W::P(p).AuftragID(), JA_Auftrag_Luxus);
    EXPECT_EQ(W::P(p).Auftragsziel2(), 1);
    EXPECT_EQ(W::P(p).Zielfeld(), W::feld(9, 9));
    EXPECT_EQ(W::P(p).Bewegungscounter(), 9);
    EXPECT_EQ(W::P(p).Gold(), 6);
    EXPECT_EQ(W::S(1).Gold(), gold_s + 4);
    EXPECT_EQ(W::O(s).Slot_Reserviert(0), 1);
    EXPECT_EQ(W::S(0).Ohne_Arbeit(), 1);

    SBU_Food_Waren = {1};
    const int q = W::person(0, W::feld(3, 4));
    ASSERT_TRUE(JA_Nahrung_kaufen(q));
    EXPECT_EQ(W::P(q).AuftragID(), JA_Auftrag_Essen);
}

TEST(JA_Luxusgut_kaufen, NoGoldNoPurchaseEvenForFree) {
    Auftragswelt welt(32, 1);
    SBU_Luxury_Waren = {1};
    laden(0, W::feld(9, 9), 1);
    GU_Warenwerte[0][1] = 0;
    const int p = W::person(0, W::feld(3, 3));
    W::P(p).Gold() = 0;
    EXPECT_FALSE(JA_Luxusgut_kaufen(p));
    EXPECT_EQ(W::P(p).AuftragID(), 0);
    W::P(p).Gold() = 3;
    GU_Warenwerte[0][1] = 4;
    EXPECT_FALSE(JA_Luxusgut_kaufen(p)) << "dearer than the purse";
}

TEST(JA_Luxus_Verkaeufer_suchen, SellersBelowDistance100OnlyAndNotForeignUnderExportBan) {
    Auftragswelt welt(128, 1);
    SBU_Luxury_Waren = {1};
    const int p = W::person(0, W::feld(10, 10));
    laden(0, W::feld(60, 60));  // distance 100
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Feld, -1);
    laden(1, W::feld(59, 60));  // 99
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Feld, W::feld(59, 60));
    W::S(1).Edikt_Exportverbot() = 1;
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Feld, -1);
    W::S(1).Edikt_Exportverbot() = 0;
    W::S(0).Edikt_Exportverbot() = 1;
    laden(0, W::feld(20, 20));
    const JA_Angebot a = JA_Luxus_Verkaeufer_suchen(p);
    EXPECT_EQ(a.Feld, W::feld(59, 60)) << "the first qualifying seller wins, not the nearest";
    EXPECT_EQ(a.Ware, 1);
}

TEST(JA_Luxus_Verkaeufer_suchen, TheCursorMovesOnBeforeEachTryAndAMissingListEndsTheSearch) {
    Auftragswelt welt(32, 1);
    SBU_Luxury_Waren = {1, 2, 3};
    SBU_Luxury_Zeiger = 0;
    const int p = W::person(0, W::feld(3, 3));
    laden(0, W::feld(5, 5), 1);
    laden(0, W::feld(6, 5), 2);
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Ware, 2) << "the cursor on ware 1 tries ware 2 first";
    EXPECT_EQ(SBU_Luxury_Zeiger, 1);
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Feld, -1) << "no index list for ware 3 ends the search";
    EXPECT_EQ(SBU_Luxury_Zeiger, 2);
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Ware, 1) << "the next search starts at the following ware";

    // An existing but empty list only fails its own try.
    const int leer = laden(0, W::feld(7, 5), 3);
    W::slot(leer, 0, 3, 0);
    IWU_Warenindex[3][0].Anzahl = 0;
    SBU_Luxury_Zeiger = 1;
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Ware, 1);

    SBU_Luxury_Waren.clear();
    EXPECT_EQ(JA_Luxus_Verkaeufer_suchen(p).Feld, -1);
}

}  // namespace

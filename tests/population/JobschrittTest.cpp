#include "population/Jobschritt.h"

#include <gtest/gtest.h>

#include "economy/Arbeiterslots.h"
#include "population/Arbeitsauftraege.h"
#include "population/Auftragswelt.h"
#include "population/Bauauftraege.h"
#include "population/Einkauf.h"

namespace {

using bhmtest::Auftragswelt;
using W = Auftragswelt;

// A workshop whose slot k produces ware k + 1 from nothing, each full unless opened; its worker.
struct Werk {
    int w, p;
    explicit Werk(int clan = 0) {
        std::vector<Warenslot> slots;
        for (int k = 0; k < 6; ++k) slots.push_back({k + 1, Benutzung_Produktion});
        const int typ = W::vorlage("Produktion", slots);
        w = W::gebaeude(clan, W::feld(10, 10), typ);
        for (int k = 0; k < 6; ++k) W::slot(w, k, k + 1, 9);
        p = W::person(clan, W::feld(10, 14));
        W::P(p).ArbeitsplatzID() = w;
    }
    // Slot k has work: empty, and the workshop is idle.
    void oeffnen(int k) const { W::slot(w, k, k + 1, 0); }
};

// A shop of the good on the cell, listed in the goods index.
void laden(int feld, int ware) {
    const int o = W::gebaeude(0, feld, W::vorlage("Produktion", {{ware, 2}}));
    W::slot(o, 0, ware, 5);
    W::anbieten(o, ware);
}

TEST(JU_Person_Job_Schritt, FoodFirstThenLuxuryThenWork) {
    Auftragswelt welt(32, 1, 8);
    SBU_Food_Waren = {2};
    SBU_Luxury_Waren = {3};
    laden(W::feld(3, 3), 2);
    laden(W::feld(4, 3), 3);
    Werk werk;
    werk.oeffnen(0);
    Personenzeile& p = W::P(werk.p);

    p.Hunger() = 50;
    ASSERT_TRUE(JU_Person_Job_Schritt(werk.p));
    EXPECT_EQ(p.AuftragID(), JA_Auftrag_Essen) << "a hungry person buys food and neither dies nor works";
    EXPECT_EQ(W::O(werk.w).Slot_Bestellt(0), 0);

    p.Hunger() = 150;
    p.AuftragID() = 0;
    p.Glueck() = 14;
    ASSERT_TRUE(JU_Person_Job_Schritt(werk.p));
    EXPECT_EQ(p.AuftragID(), JA_Auftrag_Luxus);

    p.AuftragID() = 0;
    p.Glueck() = 15;
    ASSERT_TRUE(JU_Person_Job_Schritt(werk.p));
    EXPECT_EQ(p.AuftragID(), JU_Auftrag_Herstellen);
}

TEST(JU_Person_Job_Schritt, AHungryPersonWithoutFoodGoesOnToWork) {
    Auftragswelt welt(32, 1, 8);
    Werk werk;
    werk.oeffnen(2);
    W::P(werk.p).Hunger() = 50;
    ASSERT_TRUE(JU_Person_Job_Schritt(werk.p));
    EXPECT_EQ(W::P(werk.p).AuftragID(), JU_Auftrag_Herstellen);
}

TEST(JU_Person_Job_Schritt, WithoutWorkplaceTheClansOrdersAreTaken) {
    Auftragswelt welt(32, 1, 8);
    const int typ = W::vorlage("Produktion");
    JU_Befehl_eintragen(JU_Bauen, 0, W::feld(20, 20), typ, 0, 0, 0);
    const int p = W::person(0, W::feld(5, 5));
    ASSERT_TRUE(JU_Person_Job_Schritt(p));
    EXPECT_EQ(W::P(p).AuftragID(), JU_Auftrag_Bauen);
}

TEST(JU_Person_Job_Schritt, ThePlacementHoldKeepsTheViewedClanFromWorkWhileItCannotPay) {
    Auftragswelt welt(32, 1, 8);
    const int typ = W::vorlage("Produktion");
    Werk werk;
    werk.oeffnen(0);
    JU_Befehl_eintragen(JU_Bauen, 0, W::feld(20, 20), typ, 0, 0, 0);
    const int ohne = W::person(0, W::feld(5, 5));
    Platzierungsmodus = true;
    Bau_Platzwert_max = 101;
    EXPECT_FALSE(JU_Person_Job_Schritt(werk.p));
    EXPECT_FALSE(JU_Person_Job_Schritt(ohne));
    EXPECT_EQ(W::anzahl(0), 1);
    EXPECT_EQ(W::O(werk.w).Slot_Bestellt(0), 0);

    Bau_Platzwert_max = 100;
    EXPECT_TRUE(JU_Person_Job_Schritt(werk.p)) << "gold 100 is not below 100";
    SpielerID = 1;
    Bau_Platzwert_max = 500;
    EXPECT_TRUE(JU_Person_Job_Schritt(ohne)) << "another clan is not held";
}

TEST(JU_Person_Job_Schritt, APendingDismissalOpensTheSlotAgain) {
    Auftragswelt welt(32, 1, 8);
    Werk werk;
    OB_Slots_oeffnen(2, werk.w, 0);
    ASSERT_TRUE(OB_Arbeiter_eintragen(werk.p, werk.w, 1));
    OB_Slot_Status_setzen(werk.w, 1, 1);
    JU_Person_Job_Schritt(werk.p);
    EXPECT_FALSE(OB_Slot_Entlassung_vorgemerkt(werk.w, 1));
    EXPECT_TRUE(OB_Slot_offen(werk.w, 1));
}

TEST(JU_Arbeit_am_Arbeitsplatz, TheSlotSearchStartsAtThePointerAndMovesItBehindTheSlotUsed) {
    struct Fall {
        int zeiger;
        std::vector<int> offen;
        int slot, zeiger_nachher;
    };
    for (const Fall& f : {Fall{6, {0, 5}, 0, 1}, Fall{-3, {3}, 3, 4}, Fall{3, {1, 5}, 5, 6},
                          Fall{5, {5}, 5, 6}, Fall{4, {2}, 2, 3}}) {
        Auftragswelt welt(32, 1, 8);
        Werk werk;
        for (int k : f.offen) werk.oeffnen(k);
        W::O(werk.w).Slotzeiger() = f.zeiger;
        ASSERT_TRUE(JU_Arbeit_am_Arbeitsplatz(werk.p)) << f.zeiger;
        EXPECT_EQ(W::O(werk.w).Slot_Bestellt(f.slot), 1) << f.zeiger;
        EXPECT_EQ(W::O(werk.w).Slotzeiger(), f.zeiger_nachher);
    }
}

TEST(JU_Arbeit_am_Arbeitsplatz, StockPlusOrderedPlusMakeLessOneMustStayBelowNine) {
    for (int make : {3, 2}) {
        Auftragswelt welt(32, 1, 8);
        SBU_Waren[1].Make = make;
        Werk werk;
        W::slot(werk.w, 0, 1, 5, 2);
        EXPECT_EQ(JU_Arbeit_am_Arbeitsplatz(werk.p), make == 2) << make;
        EXPECT_EQ(W::O(werk.w).Slot_Bestellt(0), make == 2 ? 4 : 2);
    }
}

TEST(JU_Arbeit_am_Arbeitsplatz, AShipWareStopsTheSearchAtTheShipLimitAndCountsTheShipWhenOrdered) {
    Auftragswelt welt(32, 1, 8);
    SBU_Waren[7].Spez = "ship";
    Werk werk;
    W::slot(werk.w, 0, 7, 0);
    werk.oeffnen(1);
    W::S(0).Flugschiffe() = 2;
    W::S(0).Flugschiffe_Max() = 2;
    EXPECT_FALSE(JU_Arbeit_am_Arbeitsplatz(werk.p));
    EXPECT_EQ(W::O(werk.w).Slot_Bestellt(1), 0) << "the later slot is not tried";

    W::S(0).Flugschiffe_Max() = 3;
    ASSERT_TRUE(JU_Arbeit_am_Arbeitsplatz(werk.p));
    EXPECT_EQ(W::O(werk.w).Slot_Bestellt(0), 1);
    EXPECT_EQ(W::S(0).Flugschiffe(), 3);

    SBU_Waren[7].Spez = "tech";
    W::O(werk.w).Zaehler() = 0;
    W::O(werk.w).Slotzeiger() = 0;
    W::S(0).Technik_frei() = 0;
    EXPECT_FALSE(JU_Arbeit_am_Arbeitsplatz(werk.p));
    EXPECT_EQ(W::O(werk.w).Slot_Bestellt(1), 0);
}

TEST(JU_Arbeit_am_Arbeitsplatz, MarkedSlotsAreClearedAndAFullStoreLetsTheWorkerGo) {
    Auftragswelt welt(32, 1, 8);
    Werk werk;
    W::slot(werk.w, 2, 3, 4, 0, 1);
    W::O(werk.w).Slot_Raeumen(2) = 1;
    EXPECT_FALSE(JU_Arbeit_am_Arbeitsplatz(werk.p)) << "the marked slot gives no work and is not full";
    EXPECT_EQ(W::O(werk.w).Slot_Bestand(2), 1) << "only the reserved unit stays";
    EXPECT_EQ(W::O(werk.w).Slot_Ware(2), 3) << "not freed while a unit is promised";

    W::slot(werk.w, 2, 3, 9);
    W::slot(werk.w, 4, -1, 0);
    EXPECT_TRUE(JU_Arbeit_am_Arbeitsplatz(werk.p)) << "every used slot holds 9: dismissed";
    W::slot(werk.w, 3, 4, 8, 1);
    EXPECT_FALSE(JU_Arbeit_am_Arbeitsplatz(werk.p)) << "8 in stock is not full";
}

}  // namespace

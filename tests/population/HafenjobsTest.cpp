#include "population/Hafenjobs.h"

#include <gtest/gtest.h>

#include "population/Handelnwelt.h"

namespace {

using bhmtest::Handelnwelt;
using W = Handelnwelt;

struct Hafenwelt : Handelnwelt {
    Hafenwelt() {
        SBU_Objekte = {bhmtest::Gebaeude("Hafen")};
        SBU_Waren.assign(6, bhmtest::Ware());
        HJU_Zuruecksetzen();
    }
    ~Hafenwelt() { HJU_Zuruecksetzen(); }
    // A harbour of the clan with an entry in the harbour list.
    int hafen(int x, int clan = 0) {
        const int o = gebaeude(W::feld(x, 2), 0, clan);
        for (int k = 0; k < 6; ++k) slot(o, k, -1, 0);
        O(o).Hafen() = static_cast<int>(Haefen.size());
        Haefen.push_back({o, 0, {}});
        Hafen_Ende = static_cast<int>(Haefen.size()) - 1;
        return o;
    }
};

TEST(Hafenjobs, TheGoodWithTheLargestSurplusOverNeedIsChosen) {
    Hafenwelt welt;
    const int a = welt.hafen(2), b = welt.hafen(6);
    W::slot(a, 0, 3, 7);
    W::slot(b, 0, 3, 0);
    W::slot(a, 1, 2, 4);
    W::slot(b, 1, 2, 1, 0);
    HJU_Hafenjobs_erstellen(0);
    EXPECT_EQ(HJU_Naechster_Hafenjob(), 3);
    const Hafenjob& job = Hafenjob_Liste.at(2);
    EXPECT_EQ(job.Bedarf, 0);
    EXPECT_EQ(job.Zielhafen, b);
    EXPECT_EQ(job.Ueberschuss, 7);
    EXPECT_EQ(job.Quellhafen, a);
    EXPECT_FALSE(Hafenjob_Liste.at(0).angelegt);
    HJU_Zuruecksetzen();
    EXPECT_TRUE(Hafenjob_Liste.empty());
}

TEST(Hafenjobs, NeedCountsOrderedUnitsAndSurplusLeavesReservedOnesOut) {
    Hafenwelt welt;
    const int a = welt.hafen(2), b = welt.hafen(6), fremd = welt.hafen(10, 1);
    W::slot(a, 0, 1, 9, 0, 4);  // 5 to spare
    W::slot(b, 0, 1, 1, 2);     // needs: 3 on hand or on the way
    W::slot(fremd, 0, 1, 0);    // another clan's harbour does not count
    HJU_Hafenjobs_erstellen(0);
    const Hafenjob& job = Hafenjob_Liste.at(0);
    EXPECT_EQ(job.Bedarf, 3);
    EXPECT_EQ(job.Ueberschuss, 5);
    EXPECT_EQ(HJU_Naechster_Hafenjob(), 1);
}

TEST(Hafenjobs, OnlyDifferencesAboveOneBetweenTwoHarboursMakeAJob) {
    // Per case the goods slots {slot, ware, stock, ordered} of harbour a and of harbour b.
    struct Slot {
        int k, ware, bestand, bestellt;
    };
    struct Fall {
        const char* name;
        std::vector<Slot> a, b;
        int job;
        int zielhafen_von_ware_1;  // 0 a, 1 b, -1 none
    };
    const Fall faelle[] = {
        {"difference 1", {{0, 4, 3, 0}}, {{0, 4, 2, 0}}, -1, -1},
        {"tie: first good", {{1, 5, 6, 0}, {2, 2, 6, 0}}, {{1, 5, 2, 0}, {2, 2, 2, 0}}, 2, -1},
        {"no harbour short of it", {{0, 1, 12, 0}}, {{0, 1, 10, 0}}, -1, -1},
        {"it would go to its own source", {{0, 1, 9, -5}}, {}, -1, 0},
    };
    for (const Fall& f : faelle) {
        Hafenwelt welt;
        const int hafen[2] = {welt.hafen(2), welt.hafen(6)};
        for (int h = 0; h < 2; ++h)
            for (const Slot& s : h == 0 ? f.a : f.b) W::slot(hafen[h], s.k, s.ware, s.bestand, s.bestellt);
        HJU_Hafenjobs_erstellen(0);
        EXPECT_EQ(HJU_Naechster_Hafenjob(), f.job) << f.name;
        if (f.a[0].ware == 1) {
            const int erwartet = f.zielhafen_von_ware_1 < 0 ? -1 : hafen[f.zielhafen_von_ware_1];
            EXPECT_EQ(Hafenjob_Liste.at(0).Zielhafen, erwartet) << f.name;
        }
    }
}

TEST(Hafenjobs, BadHarbourEntriesAndUnknownGoodsAreReportedAndSkipped) {
    Hafenwelt welt;
    const int a = welt.hafen(2);
    W::slot(a, 0, 99, 5);
    Haefen.push_back({4711, 0, {}});
    Hafen_Ende = 5;  // beyond the list
    HJU_Hafenjobs_erstellen(0);
    EXPECT_NE(W::meldung().find("HJU_Hafenjobs_erstellen"), std::string::npos);
    EXPECT_TRUE(Hafenjob_Liste.empty());
}

}  // namespace

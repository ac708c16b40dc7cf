#include "population/Bewegung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "foundation/Geometrie.h"
#include "population/Handelnwelt.h"
#include "population/Zielaktion.h"
#include "population/Zielaktion_Arbeit.h"
#include "world/Pfade.h"

namespace {

using bhmtest::Handelnwelt;
using W = Handelnwelt;

TEST(Bewegung, AWalkerMovesOneCellEveryTenStepsAndActsAfterItsCounter) {
    Handelnwelt welt;
    const int start = W::feld(4, 8), ziel = W::feld(7, 8);
    const int p = W::walker(start, ziel);
    Spieler[0].Ohne_Arbeit() = 1;
    std::vector<int> schritte_mit_zug;
    for (int schritt = 1; schritt <= 30; ++schritt) {
        const int vorher = W::P(p).Feld();
        BU_Person_bewegen(p);
        if (W::P(p).Feld() != vorher) {
            schritte_mit_zug.push_back(schritt);
            EXPECT_EQ(W::P(p).Letztes_Feld(), vorher);
            EXPECT_EQ(W::K(vorher).Person(), -1);
            EXPECT_EQ(W::K(W::P(p).Feld()).Person(), p);
            EXPECT_EQ(W::P(p).Bewegungscounter(), 9);
        }
        EXPECT_EQ(W::P(p).AuftragID(), 3) << schritt;
    }
    EXPECT_EQ(schritte_mit_zug, (std::vector<int>{1, 11, 21}));
    EXPECT_EQ(W::P(p).Feld(), ziel);
    // On the target the job search waits out the counter of the last step.
    BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).AuftragID(), 0);
    EXPECT_EQ(Spieler[0].Ohne_Arbeit(), 0);
    EXPECT_EQ(W::meldung(), "");
}

TEST(Bewegung, ANegativeCounterIsReportedAndTreatedAsZero) {
    Handelnwelt welt;
    const int p = W::walker(W::feld(4, 8), W::feld(6, 8));
    W::P(p).Bewegungscounter() = -4;
    BU_Person_bewegen(p);
    EXPECT_NE(W::meldung().find("Personbewegungscounter"), std::string::npos);
    EXPECT_EQ(W::P(p).Feld(), W::feld(5, 8));
}

TEST(Bewegung, AStepIntoWaterCostsTheStepAndLeavesThePersonStanding) {
    Handelnwelt welt;
    const int p = W::walker(W::feld(4, 8), W::feld(6, 8));
    W::K(W::feld(5, 8)).LandType() = 0;
    BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).Feld(), W::feld(4, 8));
    EXPECT_EQ(W::P(p).Bewegungscounter(), 0);
}

TEST(Bewegung, AStoredPathIsWalkedCellByCell) {
    Handelnwelt welt;
    const int a = W::feld(4, 8);
    const int p = W::walker(a, W::feld(9, 8));
    // A detour over the row above.
    PFU_Pfade = {{1, W::feld(4, 7), W::feld(5, 7), W::feld(6, 7), 0}};
    W::P(p).PfadID() = 0;
    W::P(p).Pfadschritt() = 1;
    for (int i = 0; i < 21; ++i) BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).Feld(), W::feld(6, 7));
    EXPECT_EQ(W::P(p).Pfadschritt(), 4);
    EXPECT_EQ(W::K(a).Person(), -1);
}

TEST(Bewegung, ADetourForTheOldTargetIsReleasedWhenTheWalkerGetsANewOne) {
    struct Fall {
        const char* name;
        void (*neues_ziel)(int p);
    };
    const Fall faelle[] = {
        {"a walk to a free spot", [](int p) { BU_Ziel_setzen(p, W::feld(2, 2)); }},
        {"sent away", [](int p) { ZAU_Wegschicken(p); }},
        {"back to the workplace after clearing",
         [](int p) {
             W::P(p).AuftragID() = 151;
             W::P(p).Auftragsziel2() = W::feld(12, 12);
             ZAU_Arbeit_Teil2(p, 151);
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Handelnwelt welt;
        const int p = W::walker(W::feld(4, 8), W::feld(9, 8));
        PFU_Pfade = {{1, W::feld(4, 7), W::feld(5, 7), W::feld(6, 7), 0}};
        W::P(p).PfadID() = 0;
        W::P(p).Pfadschritt() = 2;
        f.neues_ziel(p);
        EXPECT_NE(W::P(p).Zielfeld(), W::feld(9, 8));
        EXPECT_EQ(W::P(p).PfadID(), -1);
        EXPECT_EQ(W::P(p).Pfadschritt(), 0);
        EXPECT_EQ(PFU_Pfade[0][0], 0) << "the row is free for the next detour";
    }
}

TEST(Bewegung, APathRowOutsideTheStoreIsReportedAndDropped) {
    Handelnwelt welt;
    const int p = W::walker(W::feld(4, 8), W::feld(9, 8));
    W::P(p).PfadID() = 7;
    W::P(p).Pfadschritt() = 3;
    BU_Person_bewegen(p);
    EXPECT_NE(W::meldung().find("BU_Pfad_folgen"), std::string::npos);
    EXPECT_EQ(W::P(p).PfadID(), -1);
    EXPECT_EQ(W::P(p).Pfadschritt(), 0);
    // The next permitted step is a straight one.
    BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).Feld(), W::feld(5, 8));
}

TEST(Bewegung, TwoWalkersInEachOthersWaySwapOnceOneHasWaitedLongEnough) {
    Handelnwelt welt;
    const int a = W::feld(5, 8), b = W::feld(6, 8);
    const int p = W::walker(a, W::feld(8, 8));
    const int q = W::walker(b, W::feld(3, 8));
    int schritte = 0;
    while (W::P(p).Feld() == a && schritte < 200) {
        BU_Person_bewegen(p);
        BU_Person_bewegen(q);
        ++schritte;
        if (W::P(p).Feld() == a) {
            ASSERT_EQ(W::P(p).Bewegungscounter(), 0);
            ASSERT_EQ(W::P(q).Feld(), b);
        }
    }
    EXPECT_GT(schritte, 3);  // the wait counter grows by 0..4 a step and must pass 30
    EXPECT_EQ(W::P(p).Feld(), b);
    EXPECT_EQ(W::P(q).Feld(), a);
    EXPECT_EQ(W::K(a).Person(), q);
    EXPECT_EQ(W::K(b).Person(), p);
    EXPECT_EQ(W::P(p).Letztes_Feld(), a);
    EXPECT_EQ(W::P(q).Letztes_Feld(), b);
    EXPECT_EQ(W::P(p).Wartezaehler(), 0);
    EXPECT_EQ(W::P(q).Wartezaehler(), 0);
    // The one that swapped in its own turn shows counter 9; the other already stepped once more.
    EXPECT_TRUE(W::P(p).Bewegungscounter() == 9 || W::P(q).Bewegungscounter() == 8);
}

TEST(Bewegung, AnIdlePersonInTheWayIsSentToItsFirstFreeNeighbour) {
    Handelnwelt welt;
    const int p = W::walker(W::feld(5, 8), W::feld(8, 8));
    const int q = W::person(W::feld(6, 8));
    // Direction 1 (N - 1) of q is blocked, direction 2 holds p: direction 3 is the first free.
    W::K(W::feld(5, 9)).Block() = 2;
    BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).Feld(), W::feld(5, 8));
    EXPECT_EQ(W::P(q).AuftragID(), 3);
    EXPECT_EQ(W::P(q).Zielfeld(), W::feld(6, 7));
    EXPECT_EQ(W::P(q).Bewegungscounter(), 9);
    EXPECT_EQ(Spieler[0].Ohne_Arbeit(), 1);
}

TEST(Bewegung, APathWalkerPushesAsideAPersonWhosePathLeadsElsewhere) {
    Handelnwelt welt;
    const int a = W::feld(5, 8), b = W::feld(6, 8);
    const int p = W::walker(a, W::feld(9, 8));
    const int q = W::walker(b, W::feld(6, 2), 500);
    PFU_Pfade = {{1, b, W::feld(7, 8), 0}, {1, W::feld(6, 7), 0}};
    W::P(p).PfadID() = 0;
    W::P(p).Pfadschritt() = 1;
    W::P(q).PfadID() = 1;
    W::P(q).Pfadschritt() = 1;
    W::P(q).Bewegungscounter() = 0;
    int schritte = 0;
    while (W::P(q).Feld() == b && schritte < 200) {
        BU_Person_bewegen(p);
        ++schritte;
    }
    // q stepped to its first free neighbour (direction 1) and keeps its path position.
    EXPECT_EQ(W::P(q).Feld(), W::feld(5, 9));
    EXPECT_EQ(W::P(q).Pfadschritt(), 1);
    EXPECT_EQ(W::K(b).Person(), -1);
    EXPECT_EQ(W::P(p).Feld(), a);  // the walker keeps waiting and enters next time
    BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).Feld(), b);
}

// The free neighbour a person is pushed to can be the next cell of its own path; it
// then walks on from there instead of waiting for itself to leave (and all behind it too).
TEST(Bewegung, APersonPushedOntoItsOwnNextPathCellWalksOn) {
    Handelnwelt welt;
    const int a = W::feld(5, 8), b = W::feld(6, 8), seite = W::feld(5, 9);
    const int p = W::walker(a, W::feld(9, 8));
    const int q = W::walker(b, W::feld(5, 12), 500);
    PFU_Pfade = {{1, b, W::feld(7, 8), 0}, {1, seite, W::feld(5, 10), 0}};
    W::P(p).PfadID() = 0;
    W::P(p).Pfadschritt() = 1;
    W::P(q).PfadID() = 1;
    W::P(q).Pfadschritt() = 1;
    W::P(q).Bewegungscounter() = 0;
    // p waits on q and at last pushes it to its first free neighbour, its next path cell.
    for (int i = 0; i < 200 && W::P(q).Feld() == b; ++i) BU_Person_bewegen(p);
    ASSERT_EQ(W::P(q).Feld(), seite);
    for (int i = 0; i < 30 && W::P(q).Feld() == seite; ++i) BU_Person_bewegen(q);
    EXPECT_EQ(W::P(q).Feld(), W::feld(5, 10));
    EXPECT_EQ(W::P(q).Pfadschritt(), 3);
}

// Three walkers on three neighbouring cells, each one's path leading onto the next one's
// cell, walled in: none can swap or step aside. One of them gives its path up and the one
// behind it swaps places, so the ring comes apart while all are well fed.
// Walking straight, the three come apart the same way: the one behind swaps with the one
// in front, since the ring holds them all.
TEST(Bewegung, ARingOfWalkersWaitingForEachOtherComesApart) {
    for (bool mit_Pfad : {true, false}) {
        SCOPED_TRACE(mit_Pfad);
        Handelnwelt welt;
        const int a = W::feld(5, 8), b = W::feld(6, 8), c = W::feld(5, 9);
        for (int z : {a, b, c})
            for (int d = 1; d <= 6; ++d) {
                const int n = z + FFU_Nachbarfeld(d);
                if (n != a && n != b && n != c) W::K(n).Block() = 2;
            }
        const int pa = W::walker(a, b, 500), pb = W::walker(b, c, 500), pc = W::walker(c, a, 500);
        PFU_Pfade.clear();
        if (mit_Pfad) {
            PFU_Pfade = {{1, b, 0}, {1, c, 0}, {1, a, 0}};
            for (int p : {pa, pb, pc}) {
                W::P(p).PfadID() = p - pa;
                W::P(p).Pfadschritt() = 1;
            }
        }
        int angekommen = 0;
        for (int i = 0; i < 400 && angekommen == 0; ++i)
            for (int p : {pa, pb, pc}) {
                BU_Person_bewegen(p);
                angekommen += W::P(p).Feld() == W::P(p).Zielfeld();
            }
        EXPECT_GT(angekommen, 0);
        for (int p : {pa, pb, pc}) EXPECT_EQ(W::K(W::P(p).Feld()).Person(), p);
    }
}

// The same for a ring of fourteen walkers round a blocked courtyard: the ring is followed
// until it closes, however many walkers it holds.
TEST(Bewegung, ALongRingOfWaitingWalkersComesApartToo) {
    Handelnwelt welt;
    std::vector<int> ring;
    for (int x = 3; x <= 7; ++x) ring.push_back(W::feld(x, 3));
    for (int y = 4; y <= 6; ++y) ring.push_back(W::feld(7, y));
    for (int x = 6; x >= 3; --x) ring.push_back(W::feld(x, 6));
    for (int y = 5; y >= 4; --y) ring.push_back(W::feld(3, y));
    ASSERT_EQ(ring.size(), 14u);
    auto im_ring = [&](int c) { return std::find(ring.begin(), ring.end(), c) != ring.end(); };
    for (int z : ring)
        for (int d = 1; d <= 6; ++d)
            if (!im_ring(z + FFU_Nachbarfeld(d))) W::K(z + FFU_Nachbarfeld(d)).Block() = 2;
    std::vector<int> geher;
    PFU_Pfade.clear();
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const int naechste = ring[(i + 1) % ring.size()];
        const int p = W::walker(ring[i], naechste, 500);
        PFU_Pfade.push_back({1, naechste, 0});
        W::P(p).PfadID() = static_cast<int>(i);
        W::P(p).Pfadschritt() = 1;
        geher.push_back(p);
    }
    int angekommen = 0;
    for (int i = 0; i < 400 && angekommen == 0; ++i)
        for (int p : geher) {
            BU_Person_bewegen(p);
            angekommen += W::P(p).Feld() == W::P(p).Zielfeld();
        }
    EXPECT_GT(angekommen, 0);
    for (int p : geher) EXPECT_EQ(W::K(W::P(p).Feld()).Person(), p);
}

// A lane one cell wide, (3,8) to (8,8), every other cell around it blocked.
void gasse_anlegen() {
    std::vector<int> gasse;
    for (int x = 3; x <= 8; ++x) gasse.push_back(W::feld(x, 8));
    for (int z : gasse)
        for (int d = 1; d <= 6; ++d)
            if (std::find(gasse.begin(), gasse.end(), z + FFU_Nachbarfeld(d)) == gasse.end())
                W::K(z + FFU_Nachbarfeld(d)).Block() = 2;
}

// A queue in a lane one cell wide waits for a fisher working at its head. The first of the
// queue walks straight; the one behind it, on a detour or straight, waits behind it instead of
// swapping places (which only put the first one back a cell, for everyone who came up behind).
// Somebody coming the other way still swaps with it.
TEST(Bewegung, AWalkerInAQueueKeepsItsPlaceBeforeTheOnesBehindIt) {
    for (bool hinten_mit_Pfad : {false, true}) {
        SCOPED_TRACE(hinten_mit_Pfad);
        Handelnwelt welt;
        gasse_anlegen();
        const int kopf = W::feld(8, 8);
        const int fischer = W::walker(kopf, kopf, 101);
        W::P(fischer).Bewegungscounter() = 5000;
        const int erster = W::walker(W::feld(7, 8), kopf, 351);
        const int zweiter = W::walker(W::feld(6, 8), kopf, 351);
        const int dritter = W::walker(W::feld(5, 8), kopf, 351);
        PFU_Pfade.clear();
        if (hinten_mit_Pfad) {
            PFU_Pfade = {{1, W::feld(7, 8), kopf, 0}, {1, W::feld(6, 8), W::feld(7, 8), kopf, 0}};
            W::P(zweiter).PfadID() = 0;
            W::P(dritter).PfadID() = 1;
            W::P(zweiter).Pfadschritt() = W::P(dritter).Pfadschritt() = 1;
        }
        for (int i = 0; i < 600; ++i)
            for (int r : {fischer, erster, zweiter, dritter}) BU_Person_bewegen(r);
        EXPECT_EQ(W::P(erster).Feld(), W::feld(7, 8));
        EXPECT_EQ(W::P(zweiter).Feld(), W::feld(6, 8));
        EXPECT_EQ(W::P(dritter).Feld(), W::feld(5, 8));
    }
    // Coming the other way, a walker swaps with the first of the queue.
    Handelnwelt welt;
    gasse_anlegen();
    const int hin = W::walker(W::feld(5, 8), W::feld(8, 8), 351);
    const int her = W::walker(W::feld(6, 8), W::feld(3, 8), 351);
    for (int i = 0; i < 400 && W::P(her).Feld() != W::P(her).Zielfeld(); ++i)
        for (int r : {hin, her}) BU_Person_bewegen(r);
    EXPECT_EQ(W::P(hin).Feld(), W::feld(8, 8));
    EXPECT_EQ(W::P(her).Feld(), W::feld(3, 8));
}

// A walker that reached its target on the last cell of its detour still holds the row;
// once idle it holds none, so a walker stuck behind it in a full lane swaps places with it
// (and on with the idle persons beyond, who have nowhere to step aside to).
TEST(Bewegung, AnIdlePersonHoldsNoDetourAndLetsAWalkerInAFullLanePass) {
    Handelnwelt welt;
    gasse_anlegen();
    const int p = W::walker(W::feld(3, 8), W::feld(7, 8), 500);
    const int q = W::walker(W::feld(4, 8), W::feld(4, 8), 3);
    PFU_Pfade = {{1, W::feld(4, 8), 0}};
    W::P(q).PfadID() = 0;
    W::P(q).Pfadschritt() = 1;
    std::vector<int> alle{p, q};
    for (int x = 5; x <= 8; ++x) alle.push_back(W::person(W::feld(x, 8)));
    for (int i = 0; i < 2000 && W::P(p).Feld() != W::P(p).Zielfeld(); ++i)
        for (int r : alle) BU_Person_bewegen(r);
    EXPECT_EQ(W::P(q).PfadID(), -1);
    EXPECT_EQ(PFU_Pfade[0][0], 0) << "the row is free again";
    EXPECT_EQ(W::P(p).Feld(), W::feld(7, 8));
}

// Idle persons fill a lane up to its closed end, each left with the counter 9 of the swap
// that last moved it (nothing counts an idle person's counter down), and none has a cell to
// step aside to: a walker still swaps its way past them to the lane's end.
TEST(Bewegung, AnIdlePersonSwappedAsideOnceLetsTheNextWalkerPassToo) {
    Handelnwelt welt;
    gasse_anlegen();
    const int p = W::walker(W::feld(3, 8), W::feld(8, 8), 500);
    std::vector<int> alle{p};
    for (int x = 4; x <= 8; ++x) {
        alle.push_back(W::person(W::feld(x, 8)));
        W::P(alle.back()).Bewegungscounter() = 9;
    }
    for (int i = 0; i < 2000 && W::P(p).Feld() != W::P(p).Zielfeld(); ++i)
        for (int r : alle) BU_Person_bewegen(r);
    EXPECT_EQ(W::P(p).Feld(), W::feld(8, 8));
}

// A hungry walker on a detour gives it up rather than wait for somebody working where it
// stands, but waits behind somebody on its way like any walker.
TEST(Bewegung, AHungryWalkerDropsItsDetourOnlyForSomebodyStandingStill) {
    for (bool vorne_unterwegs : {false, true}) {
        SCOPED_TRACE(vorne_unterwegs);
        Handelnwelt welt;
        const int p = W::walker(W::feld(5, 8), W::feld(9, 8), 500);
        PFU_Pfade = {{1, W::feld(6, 8), W::feld(7, 8), 0}};
        W::P(p).PfadID() = 0;
        W::P(p).Pfadschritt() = 1;
        W::P(p).Hunger() = 40;
        const int q = W::walker(W::feld(6, 8), vorne_unterwegs ? W::feld(12, 12) : W::feld(6, 8), 100);
        W::P(q).Bewegungscounter() = 500;  // working, or resting between two steps
        for (int i = 0; i < 300; ++i) BU_Person_bewegen(p);
        EXPECT_EQ(W::P(p).Feld(), W::feld(5, 8));
        EXPECT_EQ(W::P(p).PfadID(), vorne_unterwegs ? 0 : -1);
    }
}

TEST(Bewegung, AnIdlePersonCrowdedOnOneSideStepsToTheFreeOppositeCell) {
    Handelnwelt welt;
    const int c = W::feld(8, 8);
    const int p = W::person(c);
    W::person(c + 1);  // direction 5: the opposite cell c - 1 is free
    EXPECT_TRUE(BU_Umschauen(p));
    EXPECT_EQ(W::P(p).AuftragID(), 3);
    EXPECT_EQ(W::P(p).Zielfeld(), c - 1);

    // A cell with an ambient object is not free to step to.
    const int r = W::person(W::feld(3, 3));
    for (int d : {-1, 1, -16, 16, 15, -15}) W::K(W::feld(3, 3) + d).Ambiente() = 5;
    W::K(W::feld(3, 3) + 1).Block() = 1;
    EXPECT_FALSE(BU_Umschauen(r));
    EXPECT_EQ(W::P(r).AuftragID(), 0);
}

TEST(Bewegung, AnIdlePersonOnAFreeCellStaysPut) {
    Handelnwelt welt;
    const int p = W::person(W::feld(8, 8));
    EXPECT_FALSE(BU_Freien_Platz_aufsuchen(p));
    EXPECT_EQ(W::P(p).AuftragID(), 0);
    EXPECT_TRUE(BU_Feld_frei(W::feld(2, 2)));
    EXPECT_FALSE(BU_Feld_frei(W::feld(8, 8)));
    EXPECT_FALSE(BU_Feld_frei(-1));
}

TEST(Bewegung, AnIdlePersonLooksAroundOnlyNowAndThen) {
    Handelnwelt welt;
    const int c = W::feld(8, 8);
    const int p = W::person(c);
    W::K(c + 1).Block() = 1;
    int schritte = 0;
    while (W::P(p).AuftragID() == 0 && schritte < 5000) {
        BU_Person_bewegen(p);
        ++schritte;
    }
    // The wait counter has to pass 398 at 0..4 a step: about every 200 steps.
    EXPECT_GT(schritte, 99);
    EXPECT_LT(schritte, 5000);
    EXPECT_EQ(W::P(p).Zielfeld(), c - 1);
}

TEST(Bewegung, ATargetOutsideTheMapIsReportedAndNothingMoves) {
    Handelnwelt welt;
    const int p = W::walker(W::feld(4, 8), -5, 200);
    BU_Person_bewegen(p);
    EXPECT_NE(W::meldung().find("BU_Person_bewegen"), std::string::npos);
    EXPECT_EQ(W::P(p).Feld(), W::feld(4, 8));
}

TEST(Bewegung, ALeavingPersonClearsOnlyItsOwnMarkOnTheOldCell) {
    Handelnwelt welt;
    const int a = W::feld(4, 8);
    const int p = W::walker(a, W::feld(6, 8));
    const int q = W::person(W::feld(1, 1));
    W::K(a).Person() = q;  // an inconsistent map: the cell shows somebody else
    BU_Schritt_ausfuehren(p, W::feld(5, 8));
    EXPECT_EQ(W::K(a).Person(), q);
    EXPECT_EQ(W::K(W::feld(5, 8)).Person(), p);
}

TEST(Bewegung, APathWalkerSwapsWithAPersonWithoutPathOrWhosePathLeadsOntoItsCell) {
    for (bool q_mit_pfad : {false, true}) {
        Handelnwelt welt;
        const int a = W::feld(5, 8), b = W::feld(6, 8);
        const int p = W::walker(a, W::feld(9, 8));
        const int q = W::walker(b, W::feld(2, 8), 200);
        PFU_Pfade = {{1, b, W::feld(7, 8), 0}, {1, a, W::feld(4, 8), 0}};
        W::P(p).PfadID() = 0;
        W::P(p).Pfadschritt() = 1;
        W::P(q).PfadID() = q_mit_pfad ? 1 : -1;
        W::P(q).Pfadschritt() = q_mit_pfad ? 1 : 0;
        for (int i = 0; i < 200 && W::P(p).Feld() == a; ++i) BU_Person_bewegen(p);
        EXPECT_EQ(W::P(p).Feld(), b) << q_mit_pfad;
        EXPECT_EQ(W::P(q).Feld(), a) << q_mit_pfad;
        EXPECT_EQ(W::K(a).Person(), q) << q_mit_pfad;
        EXPECT_EQ(W::K(b).Person(), p) << q_mit_pfad;
        // Both path positions move on, whether a row is held or not.
        EXPECT_EQ(W::P(p).Pfadschritt(), 2) << q_mit_pfad;
        EXPECT_EQ(W::P(q).Pfadschritt(), q_mit_pfad ? 2 : 1) << q_mit_pfad;
        EXPECT_EQ(W::P(p).Bewegungscounter(), 9) << q_mit_pfad;
        EXPECT_EQ(W::P(q).Bewegungscounter(), 9) << q_mit_pfad;
    }
}

}  // namespace

#include "population/Jobarchiv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "foundation/Bauplaetze.h"

#include "foundation/Config.h"
#include "foundation/Geometrie.h"
#include "population/Auftragswelt.h"
#include "platform/base/Zufall.h"
#include "world/Kartengenerator.h"

namespace {

using bhmtest::Auftragswelt;

// Marks the cell as holding a person, so mode 37 finds it.
void besetzen(int f) { Karte[static_cast<std::size_t>(f)].Person() = 1; }

TEST(Schneckenroutine, RingOneIsWalkedInItsFixedOrder) {
    Auftragswelt welt;
    const int n = MG_Kartengroesse;
    const int c0 = Auftragswelt::feld(10, 10);
    const int ring1[6] = {c0 + 1, c0 + n, c0 + n - 1, c0 - 1, c0 - n, c0 + 1 - n};
    for (int f : ring1) besetzen(f);
    for (int i = 0; i < 6; ++i) {
        JA_Suchring = 0;
        EXPECT_EQ(Schneckenroutine(c0, 37, 0), ring1[i]) << i;
        EXPECT_EQ(JA_Suchring, 1);
        Karte[static_cast<std::size_t>(ring1[i])].Person() = -1;
    }
    EXPECT_EQ(Schneckenroutine(c0, 37, 0), -1);
    besetzen(c0);
    EXPECT_EQ(Schneckenroutine(c0, 37, 0), -1) << "the origin itself is never returned";
    besetzen(c0 + 3);
    EXPECT_EQ(Schneckenroutine(c0, 37, 0), c0 + 3);
    EXPECT_EQ(JA_Suchring, 3);
    Karte[static_cast<std::size_t>(c0 + 3)].Person() = -1;
    besetzen(c0 + 4);
    EXPECT_EQ(Schneckenroutine(c0, 37, 0), -1) << "mode 37 looks three rings out";
}

TEST(Schneckenroutine, EveryCellOfARingIsVisitedOnceAtItsRingDistance) {
    Auftragswelt welt(64);
    const int c0 = Auftragswelt::feld(30, 30);
    // Mode 39 finds high ground; raise one cell at a time and see it found on the right ring.
    for (int ring = 1; ring <= 4; ++ring)
        for (int dx = -ring; dx <= ring; ++dx)
            for (int dy = -ring; dy <= ring; ++dy) {
                // Hexagonal ring distance with the neighbours (-1,+1) and (+1,-1).
                const int hex = (std::abs(dx) + std::abs(dy) + std::abs(dx + dy)) / 2;
                if (hex != ring) continue;
                const int f = c0 + dx + dy * MG_Kartengroesse;
                Karte[static_cast<std::size_t>(f)].LandType() = 6;
                EXPECT_EQ(Schneckenroutine(c0, 39, 0), f) << dx << "/" << dy;
                EXPECT_EQ(JA_Suchring, ring);
                Karte[static_cast<std::size_t>(f)].LandType() = 4;
            }
}

TEST(Schneckenroutine, PlantingPlaceNextToTheOriginIsTheRightNeighbour) {
    Auftragswelt welt;
    const int c0 = Auftragswelt::feld(10, 10);
    JA_Suchring = 0;
    EXPECT_EQ(Schneckenroutine(c0, 0, 0), c0 + 1);
    EXPECT_EQ(JA_Suchring, 1);
}

TEST(Schneckenroutine, PlantingPlaceLiesOnTheOriginsIsland) {
    // A farm by the coast faces another island within its radius: the planter could never
    // walk there, and the reserved field would wait for good.
    Auftragswelt welt;
    const int c0 = Auftragswelt::feld(10, 10);
    for (Kartenfeld& k : Karte) k.Insel() = 2;
    for (int x = 0; x <= 10; ++x)
        for (int y = 0; y < MG_Kartengroesse; ++y) Auftragswelt::K(Auftragswelt::feld(x, y)).Insel() = 1;
    const int f = Schneckenroutine(c0, 0, 0);
    ASSERT_GE(f, 0);
    EXPECT_EQ(Auftragswelt::K(f).Insel(), 1);
    EXPECT_NE(f, c0 + 1) << "the right neighbour lies on the other island";
}

TEST(Schneckenroutine, FreeCellSearchStopsAtRingTwentyFive) {
    Auftragswelt welt(64);
    const int c0 = Auftragswelt::feld(32, 32);
    for (Kartenfeld& k : Karte) k.Insel() = 1;
    Auftragswelt::K(c0).Insel() = 0;
    Auftragswelt::K(c0 + 26).Insel() = 0;
    JA_Suchring = 7;
    EXPECT_EQ(Schneckenroutine(c0, 30, 0), -1) << "ring 26 is never tested";
    EXPECT_EQ(JA_Suchring, 7) << "a failed search keeps the last ring";

    Auftragswelt::K(c0 + 25).Insel() = 0;
    EXPECT_EQ(Schneckenroutine(c0, 30, 0), c0 + 25);
    EXPECT_EQ(JA_Suchring, 25);
    Auftragswelt::K(c0 + 25).Block() = 1;
    EXPECT_EQ(Schneckenroutine(c0, 30, 0), -1) << "a reserved cell is not free";
}

TEST(Schneckenroutine, FishingSearchResumesAtTheRingKeptInTheWorkplace) {
    Auftragswelt welt;
    const int c0 = Auftragswelt::feld(15, 15);
    const int typ = Auftragswelt::vorlage("Produktion");
    const int o = Auftragswelt::gebaeude(0, c0, typ);
    // Two fishing places: on ring 1 (c0 + 1) and on ring 4 (c0 + 4), each with water at c - 1 + N... (c + N).
    for (int f : {c0 + 1, c0 + 4}) {
        Auftragswelt::K(f).LandType() = 1;
        Auftragswelt::K(f + MG_Kartengroesse).LandType() = 0;
    }
    Bau_Testmodus = 5;
    BPU_PFU_Indexliste.assign(Karte.size() + 1, 0);
    EXPECT_EQ(Schneckenroutine(c0, 35, 0), c0 + 1);
    EXPECT_EQ(BPU_PFU_Indexliste[static_cast<std::size_t>(c0 + 1)], 2)
        << "developer overlay: the place found";
    Bau_Testmodus = 0;
    Auftragswelt::O(o).Zaehler() = 4;
    EXPECT_EQ(Schneckenroutine(c0, 35, 0), c0 + 4);
    EXPECT_EQ(BPU_PFU_Indexliste[static_cast<std::size_t>(c0 + 4)], 0) << "no overlay outside test mode 5";
    Bau_Testmodus = 5;
    EXPECT_EQ(Schneckenroutine(c0, 35, 0), c0 + 4) << "rings 1..3 are skipped";
    EXPECT_EQ(JA_Suchring, 4);
    EXPECT_EQ(BPU_PFU_Indexliste[static_cast<std::size_t>(c0 + 2)], 0) << "ring 2 is not tested";
    EXPECT_EQ(BPU_PFU_Indexliste[static_cast<std::size_t>(c0 + 3 - 3 * MG_Kartengroesse)], 0)
        << "nor the last cell of ring 3";
    EXPECT_EQ(BPU_PFU_Indexliste[static_cast<std::size_t>(c0 + 4 - 3 * MG_Kartengroesse)], 1)
        << "the walk starts with the first cell of ring 4";
    Bau_Testmodus = 0;
    Auftragswelt::S(0).Arbeitsradius() = 4;
    EXPECT_EQ(Schneckenroutine(c0, 35, 0), -1) << "distance 4 is not below the work radius 4";
    Auftragswelt::S(0).Arbeitsradius() = 10;
    Auftragswelt::O(o).Zaehler() = 50;
    EXPECT_EQ(Schneckenroutine(c0, 35, 0), -1) << "a ring kept beyond the radius searches nothing";
    EXPECT_FALSE(Auftragswelt::gemeldet());
}

TEST(Schneckenroutine, TestsOfCoastAndSandNearTheMapBorderStayInsideTheMap) {
    Auftragswelt welt(16);
    for (Kartenfeld& k : Karte) k.LandType() = 2;
    const int c0 = Auftragswelt::feld(1, 0);
    const int typ = Auftragswelt::vorlage("Produktion");
    Auftragswelt::gebaeude(0, c0, typ);
    // Sand next to nothing higher: the first passing cell of ring 1.
    EXPECT_EQ(Schneckenroutine(c0, 41, 0), c0 + 1);
    for (Kartenfeld& k : Karte) k.LandType() = 1;
    EXPECT_EQ(Schneckenroutine(Auftragswelt::feld(8, 15), 40, 0), -1) << "no water anywhere";
    EXPECT_EQ(Schneckenroutine(Auftragswelt::feld(8, 0), 35, 0), -1);
}

TEST(Schneckenroutine, UnknownModesAreReported) {
    Auftragswelt welt;
    const int c0 = Auftragswelt::feld(10, 10);
    EXPECT_EQ(Schneckenroutine(c0, 5, 0), -1);
    EXPECT_EQ(Fehlertext, "Jobarchive/Feldkontrolle/Modus 5 nicht abgefangen");
    Fehler_zuruecksetzen();
    // The radius report comes first, before every tested cell reports the missing test.
    Errorloger = true;
    EXPECT_EQ(Schneckenroutine(c0, 77, 0), -1);
    Errorloger = false;
    std::string erster;
    Config_ReadString(Configdatei, "Errorlog", "0", erster, "");
    EXPECT_EQ(erster, "Jobarchive > Schneckenroutine > Modus unbekannt: 77");
    EXPECT_EQ(Fehlertext, "Jobarchive/Feldkontrolle/Modus 77 nicht abgefangen");
    Fehler_zuruecksetzen();
    const int typ = Auftragswelt::vorlage("Produktion");
    Auftragswelt::gebaeude(0, c0, typ);
    EXPECT_EQ(Schneckenroutine(c0, 38, 0), -1);
    EXPECT_EQ(Fehlertext, "Jobarchive/Feldkontrolle/Modus 38 nicht abgefangen");
    Fehler_zuruecksetzen();
    EXPECT_EQ(Schneckenroutine(c0, 28, 0), -1);
    EXPECT_FALSE(Auftragswelt::gemeldet()) << "mode 28 finds nothing, silently";
    EXPECT_EQ(Schneckenroutine(-5, 30, 0), -1);
    EXPECT_TRUE(Auftragswelt::gemeldet()) << "an origin outside the map";
    EXPECT_EQ(JA_Bauplatz_suchen(static_cast<int>(Karte.size()), 0, true), -1);
    EXPECT_TRUE(Auftragswelt::gemeldet());
}

TEST(Schneckenroutine, IslandSearchFindsTheChosenIsland) {
    Auftragswelt welt;
    for (Kartenfeld& k : Karte) k.Insel() = 1;
    const int ziel = Auftragswelt::feld(20, 3);
    Auftragswelt::K(ziel).Insel() = 2;
    KI_Insel = 2;
    EXPECT_EQ(Schneckenroutine(Auftragswelt::feld(5, 28), 33, 0), ziel);
}

TEST(JA_Bauplatz_suchen, OnlyBuildingLandWithinReachIsTested) {
    Auftragswelt welt(128);
    // A template without footprint: no spot passes, so every tested cell gets its value.
    const int typ = Auftragswelt::vorlage("Produktion");
    for (Kartenfeld& k : Karte) k.Bauplatzwert() = 77;
    const int c0 = Auftragswelt::feld(2, 2);
    const int nah = Auftragswelt::feld(60, 59);   // distance 115
    const int fern = Auftragswelt::feld(70, 70);  // distance 136, ring 68
    const int berg = Auftragswelt::feld(3, 3);
    Auftragswelt::K(berg).LandType() = 6;
    EXPECT_EQ(JA_Bauplatz_suchen(c0, typ, false), -1);
    EXPECT_NE(Auftragswelt::K(nah).Bauplatzwert(), 77);
    EXPECT_EQ(Auftragswelt::K(fern).Bauplatzwert(), 77) << "distance 120 or more is passed over";
    EXPECT_EQ(Auftragswelt::K(berg).Bauplatzwert(), 77) << "no building land";
    EXPECT_EQ(Auftragswelt::K(c0).Bauplatzwert(), 77) << "the origin";

    EXPECT_EQ(JA_Bauplatz_suchen(c0, typ, true), -1);
    EXPECT_NE(Auftragswelt::K(fern).Bauplatzwert(), 77) << "unlimited";
    EXPECT_FALSE(JA_Bauplatz_Feld_pruefen(1, c0, typ, true)) << "cells below 2 are never spots";
    EXPECT_FALSE(JA_Bauplatz_Feld_pruefen(128 * 128 - 1, c0, typ, true));
}

// The short ways of the searches against the full ring walk, on fixtures with
// random content: the same cell, the same ring in JA_Suchring and the same marks.
class Kurzwege : public ::testing::Test {
protected:
    ~Kurzwege() override { JA_Schnellwege = true; }

    // Runs the search both ways from a fresh JA_Suchring; returns {cell, ring} of each.
    template <typename Suche>
    static std::pair<std::pair<int, int>, std::pair<int, int>> beide(Suche suche) {
        std::pair<int, int> ergebnis[2];
        for (int kurz = 0; kurz < 2; ++kurz) {
            JA_Schnellwege = kurz == 1;
            JA_Suchring = -7;
            const int f = suche();
            ergebnis[kurz] = {f, JA_Suchring};
        }
        JA_Schnellwege = true;
        return {ergebnis[0], ergebnis[1]};
    }
};

TEST_F(Kurzwege, PersonFreeCellAndPlantingSearchesFindTheSameCellAndRingFromEveryOrigin) {
    // Sparse to dense persons and blocks, on maps small enough that the rings wrap round
    // row ends (radius 25 on a side of 24 covers the map several times).
    struct Fall {
        int seite, promille;  // persons, blocked cells and other islands per thousand cells
    };
    for (const Fall fall :
         {Fall{24, 0}, Fall{24, 4}, Fall{24, 40}, Fall{24, 300}, Fall{64, 2}, Fall{64, 600}, Fall{64, 990}}) {
        Auftragswelt welt(fall.seite);
        for (std::size_t f = 0; f < Karte.size(); ++f) {
            Kartenfeld& k = Karte[f];
            if (Random(1000) < fall.promille) k.Person() = static_cast<int>(f % 7);
            if (Random(1000) < fall.promille) k.Block() = 1 + Random(2);
            if (Random(1000) < fall.promille) k.Insel() = 1;
            if (Random(1000) < fall.promille) k.LandType() = Random(8);
        }
        for (int modus : {0, 30, 37})
            for (int c0 = 0; c0 < static_cast<int>(Karte.size()); ++c0) {
                const auto [voll, kurz] = beide([c0, modus] { return Schneckenroutine(c0, modus, 0); });
                ASSERT_EQ(voll, kurz) << "mode " << modus << ", side " << fall.seite << ", " << fall.promille
                                      << " per thousand, origin " << c0;
            }
    }
}

TEST_F(Kurzwege, LimitedBuildingSpotSearchFindsTheSameSpotAndMarks) {
    struct Fall {
        int seite, land_promille;  // map side, building land per thousand cells (the rest mountain)
        bool gesperrt;             // every cell blocked: nothing passes, every land cell is marked
    };
    for (const Fall fall :
         {Fall{256, 1000, true}, Fall{256, 1, false}, Fall{200, 3, false}, Fall{130, 20, false}}) {
        Auftragswelt welt(fall.seite);
        const int typ = Auftragswelt::vorlage("Produktion");
        SBU_Bauplaetze.assign(static_cast<std::size_t>(typ) + 1, {});
        SBU_Bauplaetze[static_cast<std::size_t>(typ)] = {{0, 1}};
        // Spots are small clusters of building land in the mountains.
        for (Kartenfeld& k : Karte) {
            k.LandType() = 7;
            if (fall.gesperrt) k.Block() = 1;
        }
        for (int f = 0; f < static_cast<int>(Karte.size()); ++f) {
            if (Random(1000) >= fall.land_promille) continue;
            for (int r = 0; r <= 6; ++r) {
                const int n = f + FFU_Nachbarfeld(r);
                if (MG_Feld_gueltig(n)) Karte[static_cast<std::size_t>(n)].LandType() = 4;
            }
        }
        const int s = fall.seite;
        const int ursprung[] = {Auftragswelt::feld(0, s / 2),    Auftragswelt::feld(s - 1, s / 2),
                                Auftragswelt::feld(2, 3),        Auftragswelt::feld(s / 2, s / 2),
                                Auftragswelt::feld(s - 3, 1),    Auftragswelt::feld(5, s - 2),
                                Auftragswelt::feld(s / 3, s - 1)};
        for (int c0 : ursprung) {
            std::vector<int> marken[2];
            std::pair<int, int> ergebnis[2];
            for (int kurz = 0; kurz < 2; ++kurz) {
                for (Kartenfeld& k : Karte) k.Bauplatzwert() = 77;
                JA_Schnellwege = kurz == 1;
                JA_Suchring = -7;
                ergebnis[kurz].first = JA_Bauplatz_suchen(c0, typ, false);
                ergebnis[kurz].second = JA_Suchring;
                for (const Kartenfeld& k : Karte) marken[kurz].push_back(k.Bauplatzwert());
            }
            JA_Schnellwege = true;
            EXPECT_EQ(ergebnis[0], ergebnis[1]) << "side " << s << ", origin " << c0;
            EXPECT_TRUE(marken[0] == marken[1]) << "side " << s << ", origin " << c0;
        }
    }
}

}  // namespace

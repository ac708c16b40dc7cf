#include "world/Hoehen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/Kernwelt.h"
#include "platform/base/Zufall.h"
#include "world/Karte.h"

namespace {

using bhmtest::Kernwelt;

// The hill stamp as a plain recursion, straight from its rule.
void huegel_wie_beschrieben(int c, int h) {
    const int n = MG_Kartengroesse;
    if (c <= 0 || c >= n * n || h <= Karte[static_cast<std::size_t>(c)].LandType()) return;
    Karte[static_cast<std::size_t>(c)].LandType() = h;
    for (int v :
         {-2 + 2 * n, -2 + n, -2, -1 - n, -2 * n, 1 - 2 * n, 2 - 2 * n, 2 - n, 2, 1 + n, 2 * n, -1 + 2 * n})
        if (Random(2) == 1) huegel_wie_beschrieben(c + v, h - 1);
    for (int v : {-1 + n, -1, -n, 1 - n, 1, n}) huegel_wie_beschrieben(c + v, h - 1);
}

// Erosion as whole passes over the map until one lowers nothing.
void erosion_wie_beschrieben() {
    const int n = MG_Kartengroesse;
    for (int x = 2; x <= n - 2; ++x)
        for (int y = 2; y <= n - 2; ++y)
            if (x % 2 == 0 && y % 2 == 0 && Random(20) == 0)
                Karte[static_cast<std::size_t>(x + y * n)].feld(MG_Schicht_Schutz) = 1;
    bool geaendert = true;
    while (geaendert) {
        geaendert = false;
        for (int x = 2; x <= n - 2; ++x)
            for (int y = 2; y <= n - 2; ++y) geaendert = MG_Gipfel_abtragen(x + y * n) || geaendert;
    }
    for (Kartenfeld& k : Karte) k.feld(MG_Schicht_Schutz) = -1;
}

std::vector<int> hoehen() {
    std::vector<int> h;
    for (const Kartenfeld& k : Karte) h.push_back(k.LandType());
    return h;
}

TEST(Hoehen, HillsAndErosionFollowTheirRulesDrawForDraw) {
    Kernwelt welt(128);
    for (std::uint32_t seed : {1u, 77u, 4242u}) {
        // Hills on land that already carries hills: each cell as tall as the rule gives.
        MG_Hoehen_loeschen();
        RandSeed = seed;
        for (int i = 0; i < 40; ++i) {
            const int c = Random(128 * 128 - 1);
            huegel_wie_beschrieben(c, 2 + Random(19));
        }
        const std::vector<int> erwartet = hoehen();
        const std::uint32_t erwartet_seed = RandSeed;
        MG_Hoehen_loeschen();
        RandSeed = seed;
        for (int i = 0; i < 40; ++i) {
            const int c = Random(128 * 128 - 1);
            MG_Huegel_setzen(c, 2 + Random(19));
        }
        ASSERT_EQ(hoehen(), erwartet) << seed;
        ASSERT_EQ(RandSeed, erwartet_seed) << seed;

        // Erosion of that land: the same peaks, the same slopes.
        const std::vector<Kartenfeld> land = Karte;
        RandSeed = seed;
        erosion_wie_beschrieben();
        const std::vector<int> erodiert = hoehen();
        Karte = land;
        RandSeed = seed;
        MG_Erosion();
        ASSERT_EQ(hoehen(), erodiert) << seed;
        for (const Kartenfeld& k : Karte) ASSERT_EQ(k.feld(MG_Schicht_Schutz), -1);
    }
}

TEST(Hoehen, HillStampEdgeCases) {
    Kernwelt welt(64);
    MG_Hoehen_loeschen();
    const std::uint32_t seed = RandSeed;
    MG_Huegel_setzen(64 * 10 + 10, 0);
    MG_Huegel_setzen(0, 15);
    MG_Huegel_setzen(64 * 64, 15);
    MG_Huegel_setzen(-5, 15);
    EXPECT_EQ(hoehen(), std::vector<int>(64 * 64, 0));
    EXPECT_EQ(RandSeed, seed) << "a stamp that writes nothing draws nothing";

    MG_Huegel_setzen(64 * 10 + 10, 1);
    int erhoeht = 0;
    for (int h : hoehen()) erhoeht += h;
    EXPECT_EQ(erhoeht, 1) << "height 1 raises only its cell";
    EXPECT_EQ(Karte[64 * 10 + 10].LandType(), 1);
}

TEST(Hoehen, ConesKeepClearOfTheMapEdgeAndTheirCap) {
    Kernwelt welt(128);
    for (double f : {0.0, 0.5}) {
        MG_Hoehen_loeschen();
        MG_Kegel_setzen(400, f);
        for (int c = 0; c < 128 * 128; ++c) {
            const int x = c % 128, y = c / 128;
            const int l = Karte[static_cast<std::size_t>(c)].LandType();
            ASSERT_LE(l, 20);
            if (x < 2 || y < 2 || x > 125 || y > 125) {
                ASSERT_EQ(l, 0) << x << "," << y;
            }
        }
    }
}

TEST(Hoehen, ClippingKeepsLowLevelsAndSplitsHighOnes) {
    Kernwelt welt(32);
    for (int c = 0; c < 32 * 32; ++c) Karte[static_cast<std::size_t>(c)].LandType() = c % 21;
    MG_Schicht_kappen(4, MG_Schicht_Hoehe, MG_Schicht_Bauland, 2);
    bool vier = false, fuenf = false;
    for (int c = 0; c < 32 * 32; ++c) {
        const int l = c % 21, t = Karte[static_cast<std::size_t>(c)].feld(MG_Schicht_Bauland);
        if (l <= 4) {
            ASSERT_EQ(t, l);
        } else {
            ASSERT_TRUE(t == 4 || t == 5) << t;
            (t == 4 ? vier : fuenf) = true;
        }
    }
    EXPECT_TRUE(vier && fuenf);
}

}  // namespace

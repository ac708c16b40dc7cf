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

// Seeds the random source so that the next Random(n) gives wert.
void naechstes_Random(int n, int wert) {
    std::uint32_t umkehr = 134775813u;  // inverse of the factor modulo 2^32
    for (int i = 0; i < 5; ++i) umkehr *= 2u - 134775813u * umkehr;
    const std::uint64_t ziel =
        ((static_cast<std::uint64_t>(wert) << 32) + static_cast<std::uint64_t>(n) - 1) /
        static_cast<std::uint64_t>(n);
    RandSeed = (static_cast<std::uint32_t>(ziel) - 1u) * umkehr;
}

TEST(Hoehen, TallConesAreLoweredByTheRealProductOfTheirExcessAndTheDamping) {
    const struct {
        int n;
        double f;
        int raum, hoehe;
    } faelle[] = {
        {256, 256 / 192.0 - 1, 22, 20},  // 2 x 1/3: nothing taken off
        {256, 256 / 192.0 - 1, 23, 19},  // 3 x 1/3 is one whole level
        {256, 256 / 192.0 - 1, 26, 18},
        {384, 384 / 320.0 - 1, 25, 19},  // 5 x 0.2
        {512, 512 / 448.0 - 1, 27, 19},  // 7 x 1/7
        {448, 448 / 384.0 - 1, 26, 19},  // 6 x 1/6
        {256, 0.5, 30, 15},
        {256, 0.0, 40, 20},
    };
    for (const auto& f : faelle) {
        Kernwelt welt(f.n);
        MG_Hoehen_loeschen();
        // A cone in the upper half whose room is set by its row: Ceil((y - 1) / 2) - 1.
        const int c = f.n / 2 + (2 * f.raum + 2) * f.n;
        naechstes_Random(f.n * f.n - 1, c);
        MG_Kegel_setzen(1, f.f);
        EXPECT_EQ(Karte[static_cast<std::size_t>(c)].LandType(), f.hoehe) << f.n << " room " << f.raum;
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

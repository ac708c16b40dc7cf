#include "world/Gelaende.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Weltvorlagen.h"

namespace {

using bhmtest::Kernwelt;

// The first triangle of cell 0 with the corner levels p (cell 0), q (cell 1), r (cell N).
int erstes_dreieck(int p, int q, int r) {
    Karte[0].LandType() = p;
    Karte[1].LandType() = q;
    Karte[static_cast<std::size_t>(MG_Kartengroesse)].LandType() = r;
    MG_Feld_Textur(0);
    return Karte[0].Textur1();
}

TEST(Gelaende, TilesFromTheCornerLevels) {
    Kernwelt welt(8);
    MG_Hoehen_loeschen();
    const struct {
        int p, q, r, kachel;
    } faelle[] = {
        {3, 3, 3, 2},
        {0, 0, 0, 0},
        {20, 20, 20, 4},
        {1, 2, 2, 13},
        {0, 0, 1, 5},
        {1, 1, 0, 8},
        {2, 3, 3, 19},
        {4, 3, 3, 28},
        {3, 4, 4, 25},
        {4, 5, 5, 25},
        {5, 6, 5, 30},
        {6, 5, 5, 34},
        {15, 16, 16, 43},
        {16, 15, 16, 45},
        {19, 20, 19, 48},
        {20, 19, 19, 52},
        // Three different levels: the tile of the lowest corner.
        {2, 3, 4, 1},
        {6, 4, 5, 2},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(erstes_dreieck(f.p, f.q, f.r), f.kachel) << f.p << "," << f.q << "," << f.r;
        EXPECT_FALSE(Kernwelt::gemeldet()) << f.p << "," << f.q << "," << f.r;
    }
    // A level outside 0..20 (a corrupt map) is reported and still gives a tile in range.
    const int k = erstes_dreieck(-1, 0, 0);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_TRUE(k >= 0 && k <= MG_Kachel_max) << k;

    // The last row and the last cell lie on the map's edge.
    for (int c = 8 * 7; c < 64; ++c) {
        Karte[static_cast<std::size_t>(c)].Textur1() = Karte[static_cast<std::size_t>(c)].Textur2() = 9;
        MG_Feld_Textur(c);
        EXPECT_EQ(Karte[static_cast<std::size_t>(c)].Textur1(), 0);
        EXPECT_EQ(Karte[static_cast<std::size_t>(c)].Textur2(), 0);
    }
}

TEST(Gelaende, AmbientObjectsOnThePlantingRasterWithTheirBlockState) {
    Kernwelt welt(128);
    bhmtest::Weltvorlagen_setzen();
    const int b = SBU_Ambiente_Basis();
    // Levels by column band: water, beach, building land, mountain.
    for (int c = 0; c < 128 * 128; ++c) Karte[static_cast<std::size_t>(c)].LandType() = ((c % 128) / 32) * 2;
    SingelGamerohstoffWahl = 0;
    MG_Ambiente_verteilen();
    int gerade = 0, besetzt = 0;
    for (int c = 0; c < 128 * 128; ++c) {
        const Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        if (!MG_Raster_gerade(c)) {
            ASSERT_EQ(k.Ambiente(), -1);
        } else if (k.LandType() > 0) {
            ++gerade;
            besetzt += k.Ambiente() != -1;
        }
        if (k.LandType() == 0) {
            ASSERT_EQ(k.Ambiente(), -1) << "no list for water";
        }
        const bool blockiert =
            k.Ambiente() >= 0 && SBU_Ambiente[static_cast<std::size_t>(k.Ambiente() - b)].block;
        ASSERT_EQ(k.Block(), k.LandType() == 0 || blockiert ? 2 : -1);
    }
    // Density 0: about one even-even land cell in forty.
    EXPECT_GT(besetzt, gerade / 80);
    EXPECT_LT(besetzt, gerade / 20);

    // A level without a list gets nothing, yet the density draw is made.
    SBU_OnMap[4].clear();
    Karte[0].LandType() = 4;
    SingelGamerohstoffWahl = 39;
    const std::uint32_t seed = RandSeed;
    EXPECT_EQ(MG_Ambiente_wuerfeln(0), -1);
    EXPECT_NE(RandSeed, seed);
    SBU_OnMap[4] = {b + bhmtest::Blume};
    EXPECT_EQ(MG_Ambiente_wuerfeln(0), b + bhmtest::Blume);
    EXPECT_EQ(MG_Ambiente_wuerfeln(1), -1) << "odd cells never";
}

TEST(Gelaende, OnlyBlockingAmbientTemplatesBlock) {
    Kernwelt welt(8);
    bhmtest::Weltvorlagen_setzen();
    const int b = SBU_Ambiente_Basis();
    const struct {
        int ambiente;
        bool blockiert;
    } faelle[] = {{-1, false},
                  {1, false},
                  {b + bhmtest::Eiche, true},
                  {b + bhmtest::Blume, false},
                  {b + bhmtest::Vorlagenzahl, false},
                  {b + bhmtest::Loch, true}};
    for (const auto& f : faelle) {
        Karte[9].LandType() = 3;
        Karte[9].Ambiente() = f.ambiente;
        EXPECT_EQ(MG_Ambiente_blockiert(9), f.blockiert) << f.ambiente;
        MG_Feld_sperre_setzen(9);
        EXPECT_EQ(Karte[9].Block(), f.blockiert ? 2 : -1) << f.ambiente;
    }
    Karte[9].LandType() = 0;
    Karte[9].Ambiente() = -1;
    MG_Feld_sperre_setzen(9);
    EXPECT_EQ(Karte[9].Block(), 2) << "water";

    // The hole only when a template is one: keyword types are 0 when absent.
    EXPECT_TRUE(MG_ist_Kaninchenbau(b + bhmtest::Loch));
    SBU_ID_hole = 0;
    EXPECT_FALSE(MG_ist_Kaninchenbau(0));
    EXPECT_FALSE(MG_ist_Kaninchenbau(-1));
}

}  // namespace

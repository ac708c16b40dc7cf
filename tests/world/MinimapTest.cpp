#include "world/Minimap.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "population/Personen.h"
#include "world/Karte.h"

namespace {

using bhmtest::Kernwelt;

TEST(Minimap, CellsPersonsAndBuildingsOnTheirPixels) {
    Kernwelt welt(512);
    for (int c = 0; c < 512 * 512; ++c) {
        Karte[static_cast<std::size_t>(c)].LandType() = c % 7;
        Karte[static_cast<std::size_t>(c)].Insel() = c % 5;
    }
    SBU_Objekte.assign(3, Objekt_Item{});
    GU_Spieler_erstellen(2);
    Personen.resize(3);
    for (int p = 0; p < 3; ++p) Personen[static_cast<std::size_t>(p)].Hunger() = 100;
    Personen[0].Feld() = 100 + 100 * 512;  // pixel (50, 50)
    Personen[0].Spieler() = 2;
    Personen[1].Feld() = 400;  // first pixel row: not marked
    Personen[1].Spieler() = 1;
    Personen[2].Feld() = 300 + 300 * 512;  // the highest person counts too
    Personen[2].Spieler() = 1;
    Personen_hoechster_Index = 2;
    const int o = OM_Objekt_anlegen(100 + 100 * 512, 1, 2);
    const int rand = OM_Objekt_anlegen(2, 1, 1);  // pixel 1: the marks that fit
    ASSERT_TRUE(o >= 0 && rand >= 0);

    MG_Minimap_erstellen();
    // Each pixel samples the top-left cell of its 2 x 2 block.
    const MG_Minimap_Pixel_Item& p = MG_Minimap[7 * 256 + 9];
    EXPECT_EQ(p.LandType, (18 + 14 * 512) % 7);
    EXPECT_EQ(p.Insel, (18 + 14 * 512) % 5);
    const int i = 50 * 256 + 50;
    for (int j : {i, i - 1, i + 1, i - 255, i + 255}) {
        EXPECT_EQ(MG_Minimap[static_cast<std::size_t>(j)].Spieler, 1) << "the building covers the person";
        EXPECT_EQ(MG_Minimap[static_cast<std::size_t>(j)].Typ, 2);
    }
    EXPECT_EQ(MG_Minimap[i + 2].Spieler, -1);
    EXPECT_EQ(MG_Minimap[150 * 256 + 150].Spieler, 1);
    EXPECT_EQ(MG_Minimap[150 * 256 + 150].Typ, -1);
    EXPECT_EQ(MG_Minimap[200].Spieler, -1);
    EXPECT_EQ(MG_Minimap[0].Typ, 1);
    EXPECT_EQ(MG_Minimap[1].Typ, 1);
    EXPECT_EQ(MG_Minimap[2].Typ, 1);
    EXPECT_EQ(MG_Minimap[256].Typ, 1);
}

}  // namespace

#include "world/Ressourcen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "platform/base/Zufall.h"
#include "population/Jobarchiv.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Weltvorlagen.h"

namespace {

using bhmtest::Kernwelt;

int feld(int x, int y) { return x + y * MG_Kartengroesse; }
Kartenfeld& zelle(int x, int y) { return Karte[static_cast<std::size_t>(feld(x, y))]; }

// A 128 x 128 map: building land (island 0) inside a water border of 4 cells.
void insel_anlegen() {
    bhmtest::Weltvorlagen_setzen();
    for (int c = 0; c < 128 * 128; ++c) {
        Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        const int x = c % 128, y = c / 128;
        k.LandType() = x >= 4 && x < 124 && y >= 4 && y < 124 ? 4 : 0;
        k.Ambiente() = -1;
        k.Objekt() = -1;
        k.Block() = k.LandType() == 0 ? 2 : -1;
    }
}

void ambiente(int x, int y, int vorlage, int block = 2) {
    zelle(x, y).Ambiente() = SBU_Ambiente_Basis() + vorlage;
    zelle(x, y).Block() = block;
}

// The island with clan 1 of the given work radius and its workplace anchored at (6, 6).
int werk_anlegen(int arbeitsradius) {
    insel_anlegen();
    IU_Inseln_erzeugen();
    GU_Spieler_erstellen(1);
    Spieler[1].Arbeitsradius() = arbeitsradius;
    const int werk = OM_Objekt_anlegen(feld(6, 6), 1, 2);
    if (werk >= 0) zelle(6, 6).Objekt() = werk;
    return werk;
}

TEST(Ressourcen, TheIndexHoldsTreesStonesCoastAndHilltops) {
    Kernwelt welt(128);
    insel_anlegen();
    ambiente(10, 10, bhmtest::Eiche);
    ambiente(70, 10, bhmtest::Kiefer);
    ambiente(12, 10, bhmtest::Buche, -1);  // a tree whose cell is not blocked does not count
    ambiente(20, 20, bhmtest::Fels);
    ambiente(22, 20, bhmtest::Blume, -1);
    zelle(4, 50).LandType() = 1;   // water at c - 1
    zelle(60, 60).LandType() = 1;  // water only at c + 1: no coast
    zelle(61, 60).LandType() = 0;
    zelle(40, 40).LandType() = 7;
    for (int v : {-1, 1, -128, 128, 127, -127})
        Karte[static_cast<std::size_t>(feld(40, 40) + v)].LandType() = 6;
    IU_Inseln_erzeugen();
    RU_Ressourcen_erfassen();

    EXPECT_TRUE(RU_ist_eingetragen(RU_Baum, feld(10, 10)));
    EXPECT_TRUE(RU_ist_eingetragen(RU_Baum, feld(70, 10)));
    EXPECT_FALSE(RU_ist_eingetragen(RU_Baum, feld(12, 10)));
    EXPECT_TRUE(RU_ist_eingetragen(RU_Stein, feld(20, 20)));
    EXPECT_TRUE(RU_ist_eingetragen(RU_Kueste, feld(4, 50)));
    EXPECT_FALSE(RU_ist_eingetragen(RU_Kueste, feld(60, 60)));
    EXPECT_TRUE(RU_ist_eingetragen(RU_Huegel, feld(40, 40)));
    EXPECT_FALSE(RU_ist_eingetragen(RU_Huegel, feld(41, 40)));
    ASSERT_EQ(RU_Index.size(), 4u);
    EXPECT_EQ(RU_Index[RU_Baum][0].Anzahl, 2);
    EXPECT_EQ(RU_Index[RU_Baum][0].Sektoren[0].Anzahl, 1);
    EXPECT_EQ(RU_Index[RU_Baum][0].Sektoren[2].Anzahl, 1) << "x 70 lies in the third sector of the row";
    EXPECT_EQ(RU_Index[RU_Kueste][0].Anzahl, 1);
    EXPECT_EQ(RU_Index[RU_Huegel][0].Anzahl, 1);

    // A cell that became a hilltop is entered once.
    zelle(41, 40).LandType() = 8;
    RU_Huegel_nachtragen(feld(40, 40));
    RU_Huegel_nachtragen(feld(41, 40));
    EXPECT_TRUE(RU_ist_eingetragen(RU_Huegel, feld(41, 40)));
    EXPECT_EQ(RU_Index[RU_Huegel][0].Anzahl, 2);

    // The tests look at no cell beyond the map; water has no island to enter.
    zelle(10, 127).LandType() = 1;
    zelle(10, 0).LandType() = 9;
    EXPECT_FALSE(RU_ist_Kueste(feld(10, 127) + 128));
    EXPECT_FALSE(RU_ist_Huegel(feld(10, 0) - 128));
    RU_ist_Kueste(feld(10, 127));
    RU_ist_Huegel(feld(10, 0));
    RU_Ressource_eintragen(RU_Kueste, feld(1, 1));
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_FALSE(RU_ist_eingetragen(RU_Kueste, feld(1, 1)));
}

TEST(Ressourcen, TakingPicksAtRandomAndFallsBackToANearEntry) {
    Kernwelt welt(128);
    const int werk = werk_anlegen(20);
    ASSERT_GE(werk, 0);
    Objekte[static_cast<std::size_t>(werk)].Zaehler() = 0;
    // Bucket order (map order, whatever the order of entering): far, near, far.
    for (auto [x, y] : {std::pair{31, 29}, {10, 8}, {30, 4}}) {
        ambiente(x, y, bhmtest::Eiche);
        RU_Ressource_eintragen(RU_Baum, feld(x, y));
    }
    // A seed whose pick is a far entry.
    for (RandSeed = 1;; ++RandSeed) {
        const std::uint32_t s = RandSeed;
        const int j = Random(3);
        RandSeed = s;
        if (j != 1) break;
    }
    JA_Suchring = -1;
    EXPECT_EQ(RU_Ressource_nehmen(RU_Baum, feld(6, 6), 1), feld(10, 8));
    EXPECT_EQ(JA_Suchring, 0);
    EXPECT_EQ(zelle(10, 8).Block(), 1) << "reserved";
    EXPECT_EQ(RU_Index[RU_Baum][0].Anzahl, 2);
    EXPECT_EQ(RU_Index[RU_Baum][0].Sektoren[0].Anzahl, 2);
    EXPECT_FALSE(RU_ist_eingetragen(RU_Baum, feld(10, 8)));
    // Only trees 20 or more away are left: none within the work radius.
    EXPECT_EQ(RU_Ressource_nehmen(RU_Baum, feld(6, 6), 1), -1);
    EXPECT_EQ(RU_Index[RU_Baum][0].Anzahl, 2);

    // Looking takes nothing and needs no building.
    EXPECT_EQ(RU_Ressource_vorhanden(RU_Baum, feld(60, 60), 1), feld(30, 4));
    EXPECT_EQ(RU_Index[RU_Baum][0].Anzahl, 2);
    EXPECT_EQ(zelle(30, 4).Block(), 2);
    const std::uint32_t seed = RandSeed;
    EXPECT_EQ(RU_Ressource_vorhanden(RU_Kueste, feld(100, 100), 1), -1) << "no coast on the island";
    EXPECT_EQ(RandSeed, seed);
    EXPECT_FALSE(Kernwelt::gemeldet());

    // Taking from a cell without a building is reported and searched from ring 0;
    // the tree lies in the next ring of sectors.
    ambiente(45, 30, bhmtest::Eiche);
    RU_Ressource_eintragen(RU_Baum, feld(45, 30));
    EXPECT_EQ(RU_Ressource_nehmen(RU_Baum, feld(40, 40), 1), feld(45, 30));
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(JA_Suchring, 1);
}

// The spiral runs over the sector grid as laid on the map: a sector beyond the left
// or right edge is not the sector at the other end of a row, across the map.
TEST(Ressourcen, TheSectorSpiralDoesNotWrapAroundTheMapEdge) {
    Kernwelt welt(128);
    GU_Spieler_erstellen(1);
    Spieler[1].Arbeitsradius() = 40;
    // Sectors of 32 cells, four to a row. Stepping the sector number by one from the
    // start's edge column would reach the far tree before the near one.
    const struct {
        int x, y, fern_x, fern_y, nah_x, nah_y;
    } faelle[] = {
        {120, 40, 6, 70, 100, 10},  // east edge: the next number is the west end of the row below
        {6, 40, 120, 45, 10, 10},   // west edge: a number back is the east end of its own row
    };
    for (const auto& f : faelle) {
        insel_anlegen();
        IU_Inseln_erzeugen();
        ambiente(f.fern_x, f.fern_y, bhmtest::Eiche);
        ambiente(f.nah_x, f.nah_y, bhmtest::Eiche);
        RU_Ressourcen_erfassen();
        EXPECT_EQ(RU_Ressource_vorhanden(RU_Baum, feld(f.x, f.y), 1), feld(f.nah_x, f.nah_y))
            << "from " << f.x << "/" << f.y;
    }
    EXPECT_FALSE(Kernwelt::gemeldet());
}
// A loaded game rebuilds the index from the map; taking and entering during play keep
// each bucket in that same map order, so a random pick names the same cell either way.
TEST(Ressourcen, TakingAndEnteringKeepTheOrderARebuildGives) {
    Kernwelt welt(128);
    ASSERT_GE(werk_anlegen(40), 0);
    for (auto [x, y] : {std::pair{8, 6}, {9, 7}, {20, 10}, {12, 20}}) ambiente(x, y, bhmtest::Eiche);
    RU_Ressourcen_erfassen();
    RandSeed = 3;
    for (int i = 0; i < 2; ++i) ASSERT_GE(RU_Ressource_nehmen(RU_Baum, feld(6, 6), 1), 0);
    for (auto [x, y] : {std::pair{25, 25}, {5, 9}, {30, 4}}) {
        ambiente(x, y, bhmtest::Eiche);
        RU_Ressource_eintragen(RU_Baum, feld(x, y));
    }
    auto eimer = [] {
        const TRSU_Chunk_Item& s = RU_Index[RU_Baum][0].Sektoren[0];
        return std::vector<int>(s.Felder.begin(), s.Felder.begin() + s.Anzahl);
    };
    const std::vector<int> im_spiel = eimer();
    ASSERT_EQ(im_spiel.size(), 5u);
    RU_Ressourcen_erfassen();
    EXPECT_EQ(eimer(), im_spiel);
    EXPECT_FALSE(Kernwelt::gemeldet());
}

}  // namespace

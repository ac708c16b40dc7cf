#include "world/Chunks.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/Kernwelt.h"
#include "foundation/Seams.h"
#include "world/Karte.h"

namespace {

struct Chunkzeuge : RenderSeam {
    std::vector<int> felder;
    Chunkzeuge() { Render_setzen(this); }
    ~Chunkzeuge() override { Render_setzen(nullptr); }
    void Chunks_Feld_neu(int feld) override { felder.push_back(feld); }
};

}  // namespace

TEST(Chunks, ALevelChangeRetilesTheCornerCellsAndAsksForTheirPieces) {
    bhmtest::Kernwelt welt(8);
    Chunkzeuge zeuge;
    for (Kartenfeld& f : Karte) {
        f.LandType() = 0;
        f.Textur1() = f.Textur2() = 99;
    }
    // Cell (2, 2) rises: its own tiles and those of (1, 2), (2, 1) and (1, 1) change.
    Karte[2 + 2 * 8].LandType() = 1;
    Chunk_Feld_geaendert(2 + 2 * 8);
    EXPECT_EQ(zeuge.felder, (std::vector<int>{18}));
    for (int c : {18, 17, 10, 9}) EXPECT_NE(Karte[static_cast<std::size_t>(c)].Textur1(), 99) << c;
    EXPECT_EQ(Karte[8].Textur1(), 99) << "cell (0, 1) shares no corner with (2, 2)";
    EXPECT_EQ(Karte[9].Textur2(), 5) << "(1, 1)'s second triangle has the risen cell as its high corner";
    // The first cell: the three cells before it lie outside the map and are skipped.
    Karte[0].LandType() = 1;
    Chunk_Feld_geaendert(0);
    EXPECT_EQ(zeuge.felder.back(), 0);
    EXPECT_NE(Karte[0].Textur1(), 99);
    // A cell outside the map changes nothing.
    Chunk_Feld_geaendert(64);
    Chunk_Feld_geaendert(-1);
    EXPECT_EQ(zeuge.felder.size(), 2u);
}

#include "world/Landschaft.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Logik.h"
#include "foundation/Seams.h"
#include "population/Personen.h"
#include "world/Karte.h"
#include "platform/base/Zufall.h"
#include "world/Stufenvorlagen.h"

namespace {

using bhmtest::K;
using bhmtest::Typ;

constexpr int N = 16;

int F(int x, int y) { return x + y * N; }

struct Chunkzeuge : RenderSeam {
    std::vector<int> felder;
    Chunkzeuge() { Render_setzen(this); }
    ~Chunkzeuge() override { Render_setzen(nullptr); }
    void Chunks_Feld_neu(int feld) override { felder.push_back(feld); }
};

class Landschaft : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt{N};
    Chunkzeuge zeuge;

    void SetUp() override {
        bhmtest::Stufenwelt_setzen();
        Personen.assign(1, Personenzeile{});
        Personen[0].Hunger() = 100;
        Personen[0].AuftragID() = 201;
    }

    // A carrier with the order steps on the cell n times; the ambient types the cell showed.
    static std::vector<int> trampeln(int feld, int auftrag, int n) {
        Personen[0].Feld() = feld;
        Personen[0].AuftragID() = auftrag;
        std::vector<int> typen{K(feld).Ambiente()};
        for (int i = 0; i < n; ++i) {
            SLB_Trampelpfad(0);
            if (K(feld).Ambiente() != typen.back()) typen.push_back(K(feld).Ambiente());
        }
        return typen;
    }
    // The scan visits the cell n times.
    static void bearbeiten(int feld, int n) {
        for (int i = 0; i < n; ++i) SLB_Feld_bearbeiten(feld);
    }
};

TEST_F(Landschaft, CarriersWearPathsIntoLevelFourLand) {
    const int w0 = Typ(bhmtest::Weg0), w1 = Typ(bhmtest::Weg1), w2 = Typ(bhmtest::Weg2);
    EXPECT_EQ(trampeln(F(5, 5), 201, 300), (std::vector<int>{-1, w0, w1, w2}))
        << "up to the last stage, no further";
    EXPECT_EQ(trampeln(F(6, 5), 351, 300), (std::vector<int>{-1, w0, w1, w2}));
    K(F(7, 5)).Ambiente() = Typ(bhmtest::Blume);
    EXPECT_EQ(trampeln(F(7, 5), 201, 300).at(1), w0) << "a flower is trodden down";
    K(F(8, 5)).Ambiente() = Typ(bhmtest::Saat);
    EXPECT_EQ(trampeln(F(8, 5), 201, 300).size(), 1u) << "other ambient objects stay";
    EXPECT_EQ(trampeln(F(9, 5), 100, 300).size(), 1u) << "only carriers wear paths";
    K(F(10, 5)).Block() = 2;
    EXPECT_EQ(trampeln(F(10, 5), 201, 300).size(), 1u);
    K(F(11, 5)).Block() = 1;
    EXPECT_EQ(trampeln(F(11, 5), 201, 300).size(), 4u) << "reserved or occupied cells wear too";
    K(F(12, 5)).LandType() = 3;
    EXPECT_EQ(trampeln(F(12, 5), 201, 300).size(), 1u);
    EXPECT_TRUE(zeuge.felder.empty());
}

TEST_F(Landschaft, CarriersWearLevelFiveDownOnlyAmongBuildingLand) {
    K(F(5, 5)).LandType() = 5;
    trampeln(F(5, 5), 201, 300);
    EXPECT_EQ(K(F(5, 5)).LandType(), 4);
    EXPECT_EQ(zeuge.felder, (std::vector<int>{F(5, 5)}));
    K(F(8, 8)).LandType() = 5;
    K(F(9, 8)).LandType() = 6;
    trampeln(F(8, 8), 201, 300);
    EXPECT_EQ(K(F(8, 8)).LandType(), 5);
    K(F(0, 8)).LandType() = 5;
    trampeln(F(0, 8), 201, 300);
    EXPECT_EQ(K(F(0, 8)).LandType(), 5) << "a border cell lacks neighbours";
}

TEST_F(Landschaft, PathsFadeStageByStageButNotBelowWhereSomeoneStands) {
    K(F(5, 5)).Ambiente() = Typ(bhmtest::Weg2);
    K(F(6, 5)).Ambiente() = Typ(bhmtest::Weg2);
    K(F(6, 5)).Block() = 1;
    K(F(7, 5)).Ambiente() = Typ(bhmtest::Weg0);
    K(F(7, 5)).Block() = 1;
    bearbeiten(F(5, 5), 1);
    EXPECT_EQ(K(F(5, 5)).Ambiente(), Typ(bhmtest::Weg1));
    bearbeiten(F(5, 5), 2);
    EXPECT_EQ(K(F(5, 5)).Ambiente(), -1);
    bearbeiten(F(6, 5), 5);
    EXPECT_EQ(K(F(6, 5)).Ambiente(), Typ(bhmtest::Weg2));
    bearbeiten(F(7, 5), 1);
    EXPECT_EQ(K(F(7, 5)).Ambiente(), -1) << "stage 0 vanishes even under a walker";
}

TEST_F(Landschaft, FlowersComeUpInYearsEndingInZeroOrOneAndWitherAwayFromPaths) {
    SZ = 10;
    bearbeiten(F(4, 6), 200);
    EXPECT_EQ(K(F(4, 6)).Ambiente(), Typ(bhmtest::Blume));
    bearbeiten(F(5, 6), 200);
    EXPECT_EQ(K(F(5, 6)).Ambiente(), -1) << "only on the even raster";
    K(F(8, 6)).Block() = 1;
    bearbeiten(F(8, 6), 200);
    EXPECT_EQ(K(F(8, 6)).Ambiente(), -1);
    K(F(10, 6)).LandType() = 7;
    bearbeiten(F(10, 6), 200);
    EXPECT_EQ(K(F(10, 6)).Ambiente(), -1) << "no flower is allowed on that level";

    SZ = 11;
    K(F(8, 8)).Ambiente() = Typ(bhmtest::Blume);
    bearbeiten(F(8, 8), 200);
    EXPECT_EQ(K(F(8, 8)).Ambiente(), Typ(bhmtest::Blume));
    SZ = 12;
    K(F(4, 8)).Ambiente() = Typ(bhmtest::Blume);
    K(F(5, 8)).Ambiente() = Typ(bhmtest::Weg2);
    K(F(5, 8)).Block() = 1;
    bearbeiten(F(8, 8), 200);
    bearbeiten(F(4, 8), 200);
    EXPECT_EQ(K(F(8, 8)).Ambiente(), -1);
    EXPECT_EQ(K(F(4, 8)).Ambiente(), Typ(bhmtest::Blume)) << "a flower beside a path stays";
}

// A level with an empty flower list still draws the flower before it finds
// that none fits: the random sequence stays the same whatever the lists hold.
TEST_F(Landschaft, AnEmptyPlantListStillDrawsTheFlower) {
    SZ = 10;
    const int stufen = static_cast<int>(SBU_Way_IDs.size());
    const int blumen = static_cast<int>(SBU_Flower_IDs.size());
    for (int level : {4, 7}) {
        K(F(10, 6)).LandType() = level;
        if (level == 7) {
            ASSERT_TRUE(SBU_OnMap[7].empty());
        }
        for (std::uint32_t s = 1; s <= 40; ++s) {
            RandSeed = s;
            if (Random(stufen) == 1) Random(blumen);
            const std::uint32_t erwartet = RandSeed;
            K(F(10, 6)).Ambiente() = -1;
            RandSeed = s;
            SLB_Feld_bearbeiten(F(10, 6));
            EXPECT_EQ(RandSeed, erwartet) << "level " << level << ", seed " << s;
        }
    }
    EXPECT_EQ(K(F(10, 6)).Ambiente(), -1);
}

TEST_F(Landschaft, LevelFiveIsSmoothedWhereItsNeighboursAverageAboveFourAndAHalf) {
    SZ = 12;
    auto hoch = [](int x, int y) {
        K(F(x, y)).LandType() = 5;
        for (int c : {F(x - 1, y + 1), F(x - 1, y), F(x, y - 1), F(x + 1, y - 1), F(x + 1, y), F(x, y + 1)})
            K(c).LandType() = 5;
    };
    hoch(3, 3);
    hoch(9, 9);
    K(F(10, 9)).LandType() = 6;
    hoch(3, 11);
    K(F(4, 11)).LandType() = 4;
    K(F(3, 12)).LandType() = 4;  // mean 4.67
    hoch(11, 3);
    for (int c : {F(12, 3), F(11, 4), F(10, 4)}) K(c).LandType() = 4;  // mean 4.5
    for (int c : {F(3, 3), F(9, 9), F(3, 11), F(11, 3)}) bearbeiten(c, 200);
    EXPECT_EQ(K(F(3, 3)).LandType(), 4);
    EXPECT_EQ(K(F(9, 9)).LandType(), 5) << "a neighbour above 5 keeps it";
    EXPECT_EQ(K(F(3, 11)).LandType(), 4);
    EXPECT_EQ(K(F(11, 3)).LandType(), 5) << "a mean of exactly 4.5 is not above";
    EXPECT_EQ(zeuge.felder, (std::vector<int>{F(3, 3), F(3, 11)}));
}

TEST_F(Landschaft, TheScanHandlesCeilOfCellsOver18000TimesTheStagesPerStep) {
    bhmtest::Kernwelt gross(256);
    bhmtest::Stufen_setzen();
    const int b = SBU_Ambiente_Basis();
    SBU_Way_IDs = {b + bhmtest::Weg0, b + bhmtest::Weg1, b + bhmtest::Weg2, b + 20, b + 21};
    for (Kartenfeld& k : Karte) k.LandType() = 0;
    SLB_Landschaft_Tick();
    // 20 strides of 17761 over 65535.
    EXPECT_EQ(SLB_Scanposition, 20 * 17761 - 5 * 65535);
    SBU_Way_IDs.clear();
    SLB_Landschaft_Tick();
    EXPECT_EQ(SLB_Scanposition, 20 * 17761 - 5 * 65535) << "without path stages nothing is scanned";
}

}  // namespace

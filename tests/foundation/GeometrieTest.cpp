#include "foundation/Geometrie.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "Attrappen.h"
#include "common/Kernwelt.h"
#include "foundation/Schablonen.h"
#include "world/Gelaende.h"
#include "world/Karte.h"

namespace {

using bhmtest::FehlerFang;

class Geometrie : public ::testing::Test {
protected:
    void TearDown() override { MG_Kartengroesse = 256; }
    static int feld(int x, int y) { return x + y * MG_Kartengroesse; }
};

TEST_F(Geometrie, KoordinatenUndDistanz) {
    EXPECT_EQ(FFU_X_von_Feld(257), 1);
    EXPECT_EQ(FFU_Y_von_Feld(257), 1);
    EXPECT_EQ(FFU_Distanz(0, 257), 2);
    // Floor, also below 0: the cell before 0 is the last of row -1.
    EXPECT_EQ(FFU_X_von_Feld(-1), 255);
    EXPECT_EQ(FFU_Y_von_Feld(-1), -1);
    EXPECT_EQ(FFU_Y_von_Feld(-256), -1);
    EXPECT_EQ(FFU_Y_von_Feld(-257), -2);
    MG_Kartengroesse = 832;
    EXPECT_EQ(FFU_X_von_Feld(feld(831, 5)), 831);
    EXPECT_EQ(FFU_Y_von_Feld(feld(831, 5)), 5);
    EXPECT_EQ(FFU_Distanz(feld(3, 9), feld(10, 2)), 14);
}

TEST_F(Geometrie, DistanzIsTheSumOfColumnAndRowDifferencesEverywhere) {
    // Cells on and off the map, below 0 and past the last, on several sides.
    for (int seite : {1, 7, 256, 832}) {
        MG_Kartengroesse = seite;
        const int zellen[] = {-2 * seite - 1,    -seite,           -1, 0, 1, seite - 1, seite, 5 * seite + 3,
                              seite * seite - 1, seite * seite + 2};
        for (int a : zellen)
            for (int b : zellen)
                EXPECT_EQ(FFU_Distanz(a, b), std::abs(FFU_X_von_Feld(a) - FFU_X_von_Feld(b)) +
                                                 std::abs(FFU_Y_von_Feld(a) - FFU_Y_von_Feld(b)))
                    << seite << ": " << a << " / " << b;
    }
}

TEST_F(Geometrie, RichtungZuFeld) {
    EXPECT_EQ(FFU_Richtung_zu_Feld(feld(5, 5), feld(3, 5)), 2);
    EXPECT_EQ(FFU_Richtung_zu_Feld(feld(5, 5), feld(5, 8)), 6);
    EXPECT_EQ(FFU_Richtung_zu_Feld(feld(5, 5), feld(7, 3)), 4);
    EXPECT_EQ(FFU_Richtung_zu_Feld(feld(5, 5), feld(5, 5)), -1);
    // The two diagonals that are no neighbours.
    EXPECT_EQ(FFU_Richtung_zu_Feld(feld(5, 5), feld(4, 4)), 3);
    EXPECT_EQ(FFU_Richtung_zu_Feld(feld(5, 5), feld(6, 6)), 6);
}

// For every interior cell and direction, the direction towards the neighbour is
// that direction; neighbours are one apart in the documented step, and
// opposite directions lead back.
TEST_F(Geometrie, NachbarnUndRichtungenPassenZusammen) {
    const int dx[] = {0, -1, -1, 0, 1, 1, 0};
    const int dy[] = {0, 1, 0, -1, -1, 0, 1};
    for (int s : {256, 320}) {
        MG_Kartengroesse = s;
        int fehler = 0;
        for (int y = 1; y < s - 1; ++y)
            for (int x = 1; x < s - 1; ++x)
                for (int d = 1; d <= 6; ++d) {
                    const int a = feld(x, y), n = a + FFU_Nachbarfeld(d);
                    fehler += FFU_Richtung_zu_Feld(a, n) != d;
                    fehler += FFU_X_von_Feld(n) != x + dx[d] || FFU_Y_von_Feld(n) != y + dy[d];
                    fehler += n + FFU_Nachbarfeld(FFU_Richtung_normieren(d + 3)) != a;
                }
        EXPECT_EQ(fehler, 0) << s;
    }
}

TEST_F(Geometrie, NachbarfeldMeldetUnmoeglicheRichtung) {
    FehlerFang fang;
    EXPECT_EQ(FFU_Nachbarfeld(0), 0);
    EXPECT_EQ(FFU_Nachbarfeld(1), 255);
    EXPECT_EQ(FFU_Nachbarfeld(4), -255);
    EXPECT_EQ(fang.nehmen(), "");
    EXPECT_EQ(FFU_Nachbarfeld(7), 0);
    EXPECT_EQ(fang.nehmen(), "FFU_Nachbarfeld > bekommt unm\xF6gliche Richtung.");
}

TEST_F(Geometrie, RichtungNormierenMitVollemModulo) {
    const std::pair<int, int> faelle[] = {{7, 1}, {0, 6},  {-2, 4}, {12, 6},  {-5, 1},  {1, 1},
                                          {6, 6}, {13, 1}, {-6, 6}, {100, 4}, {-100, 2}};
    for (auto [d, r] : faelle) EXPECT_EQ(FFU_Richtung_normieren(d), r) << d;
}

TEST_F(Geometrie, BildschirmRichtungen) {
    const int dx[] = {-1, 1, 0, 0, 0, 0}, dy[] = {0, 0, -1, 1, 0, 0};
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(FFU_Richtung_dX(r), dx[r]) << r;
        EXPECT_EQ(FFU_Richtung_dY(r), dy[r]) << r;
    }
}

TEST_F(Geometrie, UmgebungFrei) {
    bhmtest::Kernwelt welt(32);
    // Building land everywhere, free; ambient 0 blocks building.
    for (Kartenfeld& k : Karte) k.LandType() = 4;
    SBU_Ambiente.resize(1);
    SBU_Ambiente[0].block = 1;
    auto zelle = [](int f) -> Kartenfeld& { return Karte[static_cast<std::size_t>(f)]; };
    const int s = MG_Kartengroesse;
    EXPECT_TRUE(FFU_Umgebung_frei(feld(1, 1)));
    EXPECT_TRUE(FFU_Umgebung_frei(feld(s - 2, s - 2)));
    // Border cells and cells off the map are refused, however free they are.
    for (int i = 0; i < s; ++i)
        for (int f : {feld(i, 0), feld(i, s - 1), feld(0, i), feld(s - 1, i)})
            EXPECT_FALSE(FFU_Umgebung_frei(f)) << f;
    EXPECT_FALSE(FFU_Umgebung_frei(-1));
    EXPECT_FALSE(FFU_Umgebung_frei(s * s));
    EXPECT_FALSE(FFU_Umgebung_frei(s * s + 5));

    // Each test on each of the seven cells.
    const int mitte = feld(10, 10);
    for (int d = 0; d <= 6; ++d) {
        const int n = mitte + FFU_Nachbarfeld(d);
        for (int land : {0, 2, 6}) {
            zelle(n).LandType() = land;
            EXPECT_FALSE(FFU_Umgebung_frei(mitte)) << d << " land " << land;
        }
        zelle(n).LandType() = 5;
        EXPECT_TRUE(FFU_Umgebung_frei(mitte)) << d;
        zelle(n).LandType() = 4;
        zelle(n).Block() = 1;
        EXPECT_FALSE(FFU_Umgebung_frei(mitte)) << d;
        zelle(n).Block() = -1;
        zelle(n).Ambiente() = 0;
        EXPECT_FALSE(FFU_Umgebung_frei(mitte)) << d;
        zelle(n).Ambiente() = -1;
        zelle(n).Person() = 3;
        EXPECT_FALSE(FFU_Umgebung_frei(mitte)) << d;
        zelle(n).Person() = -1;
    }
    EXPECT_TRUE(FFU_Umgebung_frei(mitte));
}

}  // namespace

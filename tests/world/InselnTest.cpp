#include "world/Inseln.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace {

using bhmtest::Kernwelt;

void land(int x, int y, int level) {
    Karte[static_cast<std::size_t>(x + y * MG_Kartengroesse)].LandType() = level;
}
int insel(int x, int y) { return Karte[static_cast<std::size_t>(x + y * MG_Kartengroesse)].Insel(); }

// The island numbering as its rule reads: a recursive fill that stops at depth
// 10 x N, then merge passes until nothing changes.
int tiefe = 0, richtung = 1;
void fuellen_wie_beschrieben(int n, int c) {
    const int s = MG_Kartengroesse;
    const int versatz[7] = {0, s - 1, s, 1, 1 - s, -s, -1};
    ++tiefe;
    Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
    if (tiefe < 10 * s && k.LandType() > 0 && k.Insel() == -1) {
        k.Insel() = n;
        const int d = richtung;
        for (int i = d - 1; i <= d + 4; ++i) {
            const int r = (i + 5) % 6 + 1;
            richtung = r;
            fuellen_wie_beschrieben(n, c + versatz[r]);
        }
    }
    --tiefe;
}
std::vector<int> inseln_wie_beschrieben() {
    const int s = MG_Kartengroesse;
    for (Kartenfeld& k : Karte) k.Insel() = -1;
    int n = -1;
    for (int c = 0; c < s * s; ++c)
        if (Karte[static_cast<std::size_t>(c)].LandType() > 0 &&
            Karte[static_cast<std::size_t>(c)].Insel() == -1) {
            richtung = 1;
            fuellen_wie_beschrieben(++n, c);
        }
    for (bool geaendert = true; geaendert;) {
        geaendert = false;
        for (int c = 0; c < s * s; ++c) {
            Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
            if (k.LandType() <= 0 || k.Insel() < 0) continue;
            for (int v : {1, s, s - 1}) {
                if (c + v >= s * s) continue;
                Kartenfeld& j = Karte[static_cast<std::size_t>(c + v)];
                if (j.Insel() >= 0 && j.Insel() != k.Insel()) {
                    geaendert = true;
                    j.Insel() = k.Insel() = std::min(j.Insel(), k.Insel());
                }
            }
        }
    }
    std::vector<int> nummern;
    for (const Kartenfeld& k : Karte) nummern.push_back(k.Insel());
    return nummern;
}

TEST(Inseln, ASnakeDeeperThanTheFillLimitEndsAsOneIsland) {
    Kernwelt welt(64);
    MG_Hoehen_loeschen();
    // A snake of rows joined at alternate ends: about 1800 cells deep, the limit is 640.
    for (int y = 2; y <= 60; y += 2) {
        for (int x = 2; x <= 61; ++x) land(x, y, 4);
        land(y % 4 == 2 ? 61 : 2, y + 1, 4);
    }
    land(2, 61, 0);
    land(61, 61, 0);
    // A small island after it, and one touching the snake's corner only diagonally (offset N - 1).
    land(10, 62, 1);
    land(1, 5, 3);
    const std::vector<int> erwartet = inseln_wie_beschrieben();
    IU_Inseln_erzeugen();
    std::set<int> schlange;
    for (int y = 2; y <= 60; y += 2) schlange.insert(insel(30, y));
    EXPECT_EQ(schlange, std::set<int>{0});
    EXPECT_EQ(insel(1, 5), 0) << "joined through the diagonal";
    EXPECT_GT(insel(10, 62), 1) << "numbers taken by the cut-off parts stay free";
    for (int c = 0; c < 64 * 64; ++c) ASSERT_EQ(Karte[static_cast<std::size_t>(c)].Insel(), erwartet[c]) << c;
    EXPECT_EQ(IU_Inseln.size(), 1u) << "the beach island has no building land";
    EXPECT_EQ(IU_Inseln[0].Bauland, IU_Landklassen[2]);
    EXPECT_EQ(IU_Landklassen[1], 1);
    EXPECT_TRUE(IU_Inseln[0].Frei);
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Inseln, LandOnTheMapBorderIsReportedAndNumberedAsItLies) {
    Kernwelt welt(16);
    SingelGameTYPWahl = 2;
    MG_Hoehen_loeschen();
    for (int x = 3; x < 8; ++x) land(x, 0, 4);
    land(10, 10, 4);
    IU_Inseln_erzeugen();
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(insel(3, 0), 0);
    EXPECT_EQ(insel(10, 10), 1);
    EXPECT_EQ(insel(0, 5), -1) << "water keeps no island";
    EXPECT_EQ(SingelGameTYPWahl, 2) << "the map type stays";
    EXPECT_EQ(IU_Inseln.size(), 2u);
}

TEST(Inseln, TheIslandWithTheMostLandPerClanIsChosen) {
    Kernwelt welt(16);
    GU_Spieler_erstellen(2);
    IU_Inseln.assign(3, IU_Item{});
    IU_Inseln[0].Bauland = 5000;
    IU_Inseln[1].Bauland = 3000;
    IU_Inseln[2].Bauland = 900;
    IU_Spielerfelder_anlegen();
    IU_Spieler_auf_Insel_addieren(0, 2, 1);
    EXPECT_EQ(IU_Insel_fuer_Spieler_waehlen(1), 1) << "ratios 2500 and 3000";
    IU_Spieler_auf_Insel_addieren(1, 1, 1);
    EXPECT_EQ(IU_Insel_fuer_Spieler_waehlen(1), 0) << "not where the clan is already";
    IU_Inseln[0].Bauland = 1000;
    IU_Inseln[1].Bauland = 1000;
    EXPECT_EQ(IU_Insel_fuer_Spieler_waehlen(2), -1) << "1000 per clan is not enough";

    // Helpers meet islands that are not in the table.
    IU_Spieler_auf_Insel_addieren(-1, 1, 1);
    IU_Inselgroesse_addieren(-1, 5);
    EXPECT_EQ(IU_Inseln.size(), 3u);
    EXPECT_FALSE(IU_Spieler_auf_Insel(-1, 1));
    EXPECT_FALSE(IU_Spieler_auf_Insel(7, 1));
    EXPECT_FALSE(IU_Insel_frei(7));
    IU_Insel_sperren(-1);
    IU_Spieler_auf_Insel_addieren(6, 2, 1);
    ASSERT_EQ(IU_Inseln.size(), 7u);
    EXPECT_TRUE(IU_Spieler_auf_Insel(6, 2));
    EXPECT_EQ(IU_Inseln[5].Bauland, 0);
    EXPECT_FALSE(IU_Inseln[5].Frei);
    IU_Spieler_auf_Insel_addieren(0, 9, 1);
    EXPECT_TRUE(Kernwelt::gemeldet()) << "a clan that does not exist";
}

}  // namespace

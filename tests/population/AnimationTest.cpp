#include <gtest/gtest.h>

#include "foundation/Spielstatus.h"
#include "population/Animation.h"
#include "population/Populationswelt.h"

namespace {

using namespace bhmtest;

TEST(Animation, AWomanSteppingWestLoopsHerWalkingGroup) {
    Populationswelt welt;
    const int p = Person(0, 40, 2);
    P(p).Letztes_Feld() = 41;
    AU_Schritt_animieren(p);
    EXPECT_EQ(P(p).AnimationID(), 70);
    for (int i = 71; i <= 79; ++i) {
        AU_Person_animieren(p);
        EXPECT_EQ(P(p).AnimationID(), i);
    }
    AU_Person_animieren(p);
    EXPECT_EQ(P(p).AnimationID(), 70);
}

TEST(Animation, DirectionGroupsBySexAndWhereThePersonCameFrom) {
    Populationswelt welt;
    const int n = MG_Kartengroesse;
    const int mann = Person(0, 40, 1), frau = Person(0, 41, 2);
    const std::pair<int, int> faelle[] = {{1, 0},   {1 - n, 10}, {n, 20}, {-1, 30},
                                          {-n, 40}, {n - 1, 50}, {0, 60}};
    for (auto [versatz, gruppe] : faelle) {
        for (int p : {mann, frau}) {
            P(p).Letztes_Feld() = P(p).Feld() + versatz;
            AU_Schritt_animieren(p);
            EXPECT_EQ(P(p).AnimationID(), gruppe + (p == frau ? 70 : 0)) << versatz;
        }
    }
    P(mann).AnimationID() = 5;
    P(mann).Letztes_Feld() = 99;
    AU_Schritt_animieren(mann);
    EXPECT_EQ(P(mann).AnimationID(), 5) << "no neighbour: unchanged";
}

TEST(Animation, EndOfGroupDecidesThePose) {
    Populationswelt welt;
    const int mann = Person(0, 40, 1), frau = Person(0, 41, 2);
    struct Fall {
        int person, frame, min, max;
    } faelle[] = {
        {mann, 159, 60, 69},
        {frau, 149, 130, 139},
        {mann, 189, 190, 190},
        {frau, 219, 160, 160},
        {mann, 239, 220, 220},
        {frau, 269, 320, 320},
        {mann, 319, 300, 300},
        {frau, 379, 370, 370},
        {mann, 169, 170, 170},
        {mann, 259, 260, 260},
        {mann, 279, 279, 279},
        // No group lies beyond 379 or below 0: such a frame (a damaged save) turns into standing.
        {mann, 380, 150, 150},
        {frau, 385, 150, 150},
        {mann, 389, 150, 150},
        {frau, 100000, 150, 150},
        {mann, -4, 150, 150},
    };
    for (const Fall& f : faelle) {
        P(f.person).AnimationID() = f.frame;
        AU_Person_animieren(f.person);
        EXPECT_GE(P(f.person).AnimationID(), f.min) << f.frame;
        EXPECT_LE(P(f.person).AnimationID(), f.max) << f.frame;
    }
}

TEST(Animation, CarryingFacesTheLastWaterSide) {
    Populationswelt welt;
    const int n = MG_Kartengroesse;
    const int mann = Person(0, 40, 1), frau = Person(0, 60, 2);
    P(mann).AnimationID() = 5;
    AU_Animation_tragen(mann);
    EXPECT_EQ(P(mann).AnimationID(), 5) << "no water";
    Karte[static_cast<std::size_t>(39)].LandType() = 0;
    AU_Animation_tragen(mann);
    EXPECT_EQ(P(mann).AnimationID(), 270);
    Karte[static_cast<std::size_t>(41 - n)].LandType() = 0;
    AU_Animation_tragen(mann);
    EXPECT_EQ(P(mann).AnimationID(), 290);
    Karte[static_cast<std::size_t>(60 + n)].LandType() = 0;
    AU_Animation_tragen(frau);
    EXPECT_EQ(P(frau).AnimationID(), 340);
}

TEST(Animation, TheFrameClock) {
    Populationswelt welt;
    AU_Zuruecksetzen();
    SBU_Waren = {Ware(), Ware(), Ware()};
    // Two building templates, ambient templates 0 -> 1 -> 0.
    SBU_Ambiente.resize(2);
    SBU_Ambiente[0].animation = 1;
    SBU_Ambiente[1].animation = 0;
    SBU_Animation_Tabelle = {0, 0, 2};
    SBU_Animationen = {2};
    std::string cursor;
    for (int frame = 1; frame <= 20; ++frame) {
        AU_Animation_Frame();
        EXPECT_EQ(AE, frame % 10);
        EXPECT_EQ(Cursorzeichen, (AE >= 1 && AE <= 5) ? "_" : "") << frame;
    }
    EXPECT_EQ(std::make_tuple(Animator_Zaehler, Animationsphase), std::make_tuple(2, 0))
        << "20 frames: six phases";
    EXPECT_EQ(SBU_Animation_Tabelle[2], 2) << "four ambient steps: back to the first frame";
    AU_Animation_Frame();
    EXPECT_FALSE(Kernwelt::gemeldet());
    EXPECT_EQ(Waren_Anzeigeindex, 1) << "ware 2 was shown, then back to 1";
}

}  // namespace

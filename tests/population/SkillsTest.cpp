#include <gtest/gtest.h>

#include "population/Personen_Skills.h"
#include "population/Populationswelt.h"

namespace {

using namespace bhmtest;

using Slots = std::array<std::pair<int, int>, 3>;

Slots slots(int p) {
    return {{{P(p).Skill_ID(0), P(p).Skill_Level(0)},
             {P(p).Skill_ID(1), P(p).Skill_Level(1)},
             {P(p).Skill_ID(2), P(p).Skill_Level(2)}}};
}

void setzen(int p, const Slots& s) {
    for (int k = 0; k < 3; ++k) P(p).Skill_ID(k) = s[k].first, P(p).Skill_Level(k) = s[k].second;
}

TEST(Skills, Training) {
    const int A = 1, B = 2, C = 3, D = 4;
    struct Fall {
        const char* was;
        Slots vorher;
        int skill, mal;
        Slots nachher;
        int aktiv_level;
    } faelle[] = {
        {"a founder's first training", {{{-1, 0}, {-1, 0}, {-1, 0}}}, D, 1, {{{D, 1}, {-1, 0}, {-1, 0}}}, 1},
        {"sum 100 learns nothing", {{{A, 50}, {B, 30}, {C, 20}}}, D, 3, {{{A, 50}, {B, 30}, {C, 20}}}, 0},
        {"a new skill replaces the third",
         {{{A, 40}, {B, 30}, {C, 5}}},
         D,
         6,
         {{{A, 40}, {B, 30}, {D, 6}}},
         6},
        {"five is not enough", {{{A, 40}, {B, 30}, {C, 5}}}, D, 5, {{{A, 40}, {B, 30}, {C, 5}}}, 5},
        {"third at 9 needs ten", {{{A, 40}, {B, 30}, {C, 9}}}, D, 10, {{{A, 40}, {B, 30}, {D, 10}}}, 10},
        {"a slot skill climbs past another",
         {{{A, 12}, {B, 12}, {C, 11}}},
         C,
         2,
         {{{C, 13}, {A, 12}, {B, 12}}},
         13},
        {"equal levels keep their order",
         {{{A, 12}, {B, 11}, {C, 5}}},
         B,
         1,
         {{{A, 12}, {B, 12}, {C, 5}}},
         12},
    };
    for (const Fall& f : faelle) {
        Populationswelt welt;
        const int p = Person(0, 10);
        setzen(p, f.vorher);
        P(p).Aktiver_Skilllevel() = 0;
        for (int i = 0; i < f.mal; ++i) PM_Skill_steigern(p, f.skill);
        EXPECT_EQ(slots(p), f.nachher) << f.was;
        EXPECT_EQ(P(p).Aktiver_Skilllevel(), f.aktiv_level) << f.was;
    }
}

TEST(Skills, TheWaresSkillIsTrainedWhenItNamesOne) {
    Populationswelt welt;
    SBU_Waren = {Ware(), Ware(), Ware()};
    SBU_Waren[1].SkillID = 6;
    SBU_Waren[2].SkillID = 0;
    const int p = Person(0, 10);
    PM_Skill_trainieren(1, p);
    PM_Skill_trainieren(2, p);
    EXPECT_EQ(slots(p)[0], std::make_pair(6, 1));
    EXPECT_EQ(slots(p)[1], std::make_pair(-1, 0));
    PM_Skill_trainieren(3, p);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

}  // namespace

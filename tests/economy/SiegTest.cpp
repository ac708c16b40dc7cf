#include "economy/Sieg.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Seams.h"

namespace {

using bhmtest::Kernwelt;

struct Panelzeuge : UiSeam {
    std::vector<int> panels;
    void Panelanzeigen(int panel) override { panels.push_back(panel); }
};

class Sieg : public ::testing::Test {
protected:
    void SetUp() override {
        Oberflaeche_setzen(&ui);
        SBU_Waren.assign(1, bhmtest::Ware());
        SBU_Waren[0].Spez = "luxury";
        GU_Spieler_erstellen(2);
        for (Spielerzeile& s : Spieler) s.Mitglieder() = 10;
    }
    void TearDown() override { Oberflaeche_setzen(nullptr); }
    bool alle_aus() const { return !SBMAb && !SBGOb && !SBLUb && !SBLCb; }

    Kernwelt welt;
    Panelzeuge ui;
};

TEST_F(Sieg, MembersGoalNeedsFiftyMembersAndTheGoal) {
    const struct {
        int ziel, mitglieder;
        bool entschieden;
    } faelle[] = {{50, 49, false}, {30, 49, false}, {30, 50, true}, {100, 99, false}, {100, 100, true}};
    for (const auto& f : faelle) {
        ui.panels.clear();
        SBMAb = true;
        SBMAi = f.ziel;
        Spieler[1].Mitglieder() = f.mitglieder;
        SU_Sieg_pruefen();
        EXPECT_EQ(!SBMAb, f.entschieden) << f.ziel << "/" << f.mitglieder;
        EXPECT_EQ(ui.panels, f.entschieden ? std::vector<int>{63} : std::vector<int>{});
    }
}

TEST_F(Sieg, LastClanThatMeetsAGoalDecidesThePanel) {
    SBMAb = SBLUb = true;
    SBMAi = 50;
    SBLUi = 1;
    Spieler[0].Mitglieder() = 60;
    Spieler[2].Mitglieder() = 55;
    LGK_Produktion_verbuchen(0, 0, 5);
    SU_Sieg_pruefen();
    EXPECT_EQ(ui.panels, (std::vector<int>{62, 63})) << "the luxury goal was off before its turn";
    EXPECT_TRUE(alle_aus());

    ui.panels.clear();
    SBLUb = true;
    SU_Sieg_pruefen();
    EXPECT_EQ(ui.panels, std::vector<int>{62});
}

TEST_F(Sieg, SavedGoldIsWonOnlyWhenTheHumanHasReachedIt) {
    SBGOb = true;
    SBGOi = 4000;
    Spieler[1].Gold_gespeichert() = 4000;
    Spieler[0].Gold_gespeichert() = 3999;
    SU_Sieg_pruefen();
    EXPECT_EQ(ui.panels, std::vector<int>{63});
    ui.panels.clear();
    SBGOb = true;
    Spieler[0].Gold_gespeichert() = 4000;
    SU_Sieg_pruefen();
    EXPECT_EQ(ui.panels, (std::vector<int>{62, 62}));
}

TEST_F(Sieg, LastClanStandingEndsTheGameOnlyWithOneClanLeft) {
    SBLCb = true;
    Spieler[0].Mitglieder() = 0;
    SU_Sieg_pruefen();
    EXPECT_TRUE(ui.panels.empty()) << "two clans still have members";
    Spieler[1].Mitglieder() = 0;
    SU_Sieg_pruefen();
    EXPECT_EQ(ui.panels, std::vector<int>{63});
    EXPECT_TRUE(alle_aus());
    ui.panels.clear();
    SBLCb = true;
    Spieler[0].Mitglieder() = 3;
    Spieler[2].Mitglieder() = 0;
    SU_Sieg_pruefen();
    EXPECT_EQ(ui.panels, std::vector<int>{62});
}

TEST_F(Sieg, NoGoalsNoPanels) {
    Spieler[0].Mitglieder() = 500;
    Spieler[0].Gold_gespeichert() = 100000;
    SU_Sieg_pruefen();
    EXPECT_TRUE(ui.panels.empty());
}

}  // namespace

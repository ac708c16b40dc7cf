#include "population/Statustexte.h"

#include <gtest/gtest.h>

#include "foundation/Attrappen.h"
#include "foundation/Schablonen.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"
#include "population/Personen.h"

namespace {

using bhmtest::FehlerFang;

class Statustexte : public ::testing::Test {
protected:
    FehlerFang fang;
    void SetUp() override {
        FFU_Statustexte_zuruecksetzen();
        Personen.assign(3, Personenzeile{});
        // Person 1 walks from (3, 4) to (7, 2): distance 6; it fetches ware 5, made by skill 2.
        person(1).Feld() = 3 + 4 * 256;
        person(1).Zielfeld() = 7 + 2 * 256;
        person(1).WarenID() = 5;
        SBU_Waren.assign(6, Waren_Item{});
        SBU_Waren[5].SkillID = 2;
        SBU_Skills.assign(3, Skill_Item{});
        SBU_Skills[2].Berufname = W("Holzfäller");
        // Person 2 stands on its target and has no ware.
        person(2).Feld() = person(2).Zielfeld() = 900;
        person(2).WarenID() = -1;
    }
    void TearDown() override {
        FFU_Statustexte_zuruecksetzen();
        Personen.clear();
        SBU_Alles_zuruecksetzen();
    }
    static Personenzeile& person(int p) { return Personen[static_cast<std::size_t>(p)]; }
    static std::string text(int code, int person) {
        std::string t = "alt";
        FFU_JobInteger_zu_Berufname(code, person, t);
        return t;
    }
};

TEST_F(Statustexte, TexteDerAuftraege) {
    const std::tuple<int, int, std::string> faelle[] = {
        {0, 1, "Kann gerade nicht Arbeiten"},
        {3, 2, "Organisation (0)"},
        {3, 1, "Organisation (6)"},
        {100, 1, W("Holzfäller T1/4 (6)")},
        {103, 1, W("Holzfäller T4/4 (6)")},
        {142, 1, "Resourcen anbau T3/3 (6)"},
        {153, 1, "Resourcen einfahren T4/4 (6)"},
        {201, 1, "Rohstoff trans(bringen) (6)"},
        {251, 1, "Produktion (aktiv)"},
        {300, 1, "Person stirbt"},
        {351, 1, W("Trägt Baumaterial (6)")},
        {500, 1, W("Planieren(läuft) (6)")},
        {502, 1, "Planieren(kontro.)"},
        {600, 1, "Geht(Falle aufstellen)(6)"},
        {650, 1, "Geht(Falle leeren) (6)"},
        {700, 1, "Kauft sich Etwas(6)"},
        {851, 1, "Reist zu neuen Insel"},
        {900, 1, "Gehe(Recycling suchen)"},
        // Codes that used to have no text.
        {2, 1, "Geht weiter (6)"},
        {850, 1, "Geht zum Hafen (6)"},
        {852, 2, "Geht an Land (0)"},
    };
    for (const auto& [code, person, erwartet] : faelle) EXPECT_EQ(text(code, person), erwartet) << code;
    EXPECT_EQ(fang.nehmen(), "");
}

TEST_F(Statustexte, OhneWareOderBerufEinLeererBerufname) {
    EXPECT_EQ(text(101, 2), " T2/4 (0)");
    person(1).WarenID() = 77;  // a ware no template has
    EXPECT_EQ(text(101, 1), " T2/4 (6)");
    person(1).WarenID() = 5;
    SBU_Waren[5].SkillID = 40;  // a skill no template has
    EXPECT_EQ(text(101, 1), " T2/4 (6)");
    EXPECT_EQ(fang.nehmen(), "");
}

TEST_F(Statustexte, UnbekannterCodeWirdEinmalGemeldet) {
    EXPECT_EQ(text(999, 1), "999 Lorem Ipsum");
    EXPECT_EQ(fang.nehmen(), W("FFU_JobInteger_zu_Berufname -> kann Job nicht aufschlüsseln: 999"));
    EXPECT_EQ(text(999, 1), "999 Lorem Ipsum");
    EXPECT_EQ(fang.nehmen(), "");
    EXPECT_EQ(text(-4, 1), "-4 Lorem Ipsum");
    EXPECT_NE(fang.nehmen(), "");
}

}  // namespace

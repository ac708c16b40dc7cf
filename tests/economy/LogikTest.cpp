#include "economy/Logik.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "common/Kernwelt.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Info.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"

namespace {

using bhmtest::Kernwelt;

void Schritt() {
    Logik_Zeitschritt();
    Logik_Simulationsschritt();
}

TEST(Logik, CalendarTurnsMonthsAndYears) {
    Kernwelt welt;
    GU_Spieler_erstellen(1);
    const struct {
        int schritt, monat;
        bool flag;
        int jahr, sz;
        bool bewertet;
    } faelle[] = {
        {1, 1, false, 1, 0, false},
        {120, 120, false, 120, 0, false},
        {121, 0, true, 121, 0, true},
        {122, 1, false, 122, 0, false},
        {242, 0, true, 242, 0, true},
        {1440, 109, false, 1440, 0, false},
        {1441, 110, false, 0, 1, false},
        {1442, 111, false, 1, 1, false},
        {15851 - 1, 120, false, 1440, 10, false},
        {15851, 0, true, 0, 11, true},
    };
    int bisher = 0;
    for (const auto& f : faelle) {
        for (; bisher < f.schritt - 1; ++bisher) Schritt();
        // A marker in this month's purses shows whether this step evaluated the clans.
        Spieler[1].Vermoegen() = f.schritt;
        Spieler[1].Konto_Spieler() = 10;
        Schritt();
        ++bisher;
        EXPECT_EQ(Monatsschritt, f.monat) << f.schritt;
        EXPECT_EQ(Monatsflag, f.flag) << f.schritt;
        EXPECT_EQ(Jahresschritt, f.jahr) << f.schritt;
        EXPECT_EQ(SZ, f.sz) << f.schritt;
        EXPECT_EQ(Spieler[1].Vermoegen_Vormonat() == f.schritt, f.bewertet) << f.schritt;
        EXPECT_EQ(Spieler[1].Konto_Spieler(), f.jahr == 0 ? 8 : 10) << "the yearly decay, step " << f.schritt;
    }
}

TEST(Logik, GoldDecaysAtTheYearOnlyForTheLastClanGoalWithoutTheGoldGoal) {
    const struct {
        bool letzter_clan, gold;
        int gold_danach;
    } faelle[] = {{false, false, 1000}, {true, false, 999}, {true, true, 1000}};
    for (const auto& f : faelle) {
        Kernwelt welt;
        GU_Spieler_erstellen(0);
        Spieler[0].Mitglieder() = 1;
        Spieler[0].Gold() = 1000;
        SBLCb = f.letzter_clan;
        SBGOb = f.gold;
        for (int i = 0; i < 1441; ++i) Logik_Zeitschritt();
        EXPECT_EQ(SZ, 1);
        EXPECT_EQ(Spieler[0].Gold(), f.gold_danach);
    }
}

TEST(Logik, TrendsDecayTowardsZero) {
    Kernwelt welt;
    GU_Spieler_erstellen(0);
    const struct {
        int vorher, nachher;
    } faelle[] = {{3, 2}, {-3, -2}, {1, 0}, {-1, 0}, {0, 0}, {10, 8}, {-7, -5}, {INT_MAX, 1717986917}};
    for (const auto& f : faelle) {
        Spielerzeile& s = Spieler[0];
        for (int feld : {91, 82, 83, 84}) s.feld(feld) = f.vorher;
        Logik_Jahresabbau();
        for (int feld : {91, 82, 83, 84}) EXPECT_EQ(s.feld(feld), f.nachher) << f.vorher << " in " << feld;
    }
}

TEST(Logik, MonthlyEvaluationFlagsProblemsAndSkipsEmptyClans) {
    Kernwelt welt;
    GU_Spieler_erstellen(3);
    // Clan 0: all but the food check fine. Clan 1: four problems. Clan 2: no members.
    Spielerzeile& gut = Spieler[0];
    gut.Mitglieder() = 4;
    gut.Arbeitslose() = 1;
    gut.Wohnraum() = 4;
    gut.Vermoegen() = 200;
    gut.Alter_Summe() = 160;
    gut.Zufriedenheit() = 4 * 26 + 1;
    gut.Zufriedenheit_Vormonat() = 20;
    Spielerzeile& schlecht = Spieler[1];
    schlecht.Mitglieder() = 2;
    schlecht.Arbeitslose() = 0;
    schlecht.Wohnraum() = 1;
    schlecht.Vermoegen() = 99;
    schlecht.Alter_Summe() = 80;
    schlecht.Zufriedenheit() = 150;
    schlecht.Geburten_Trend() = -2;
    schlecht.Konto_Spieler() = 5;
    Spieler[2].Zufriedenheit() = 17;
    Spieler[3].Mitglieder() = 1;
    Spieler[3].Zufriedenheit() = 100;

    Logik_Spielerbewertung();
    EXPECT_EQ(gut.Zufriedenheit_Vormonat(), 26);
    EXPECT_EQ(gut.Zufriedenheit_Trend(), 6);
    EXPECT_EQ(std::make_tuple(gut.Trend_Zufriedenheit_0(), gut.Trend_Zufriedenheit_plus()),
              std::make_tuple(0, 1));
    EXPECT_EQ(gut.Vermoegen_Vormonat(), 200);
    EXPECT_EQ(gut.Vermoegen(), 0);
    // Nothing but the food check fails for the good clan (no food is produced yet).
    EXPECT_EQ(gut.Probleme(), 1);
    EXPECT_EQ(std::make_tuple(gut.Warnstufe_1(), gut.Warnstufe_2(), gut.Warnstufe_3()),
              std::make_tuple(1, 0, 0));
    // Nobody idle, no food, purse 49.5 < 50, room 1 < 2; age 40 and happiness 75 are fine.
    EXPECT_EQ(schlecht.Probleme(), 4);
    EXPECT_EQ(std::make_tuple(schlecht.Warnstufe_1(), schlecht.Warnstufe_2(), schlecht.Warnstufe_3()),
              std::make_tuple(0, 0, 1));
    EXPECT_EQ(std::make_tuple(schlecht.Trend_Geburten_0(), schlecht.Trend_Geburten_minus()),
              std::make_tuple(0, 1));
    EXPECT_EQ(std::make_tuple(schlecht.Trend_Handel_0(), schlecht.Trend_Handel_plus()),
              std::make_tuple(0, 1));
    // The empty clan is evaluated without dividing by its 0 members.
    EXPECT_EQ(Spieler[2].Zufriedenheit_Vormonat(), 0);
    EXPECT_EQ(Spieler[2].Zufriedenheit_Trend(), 0);
    // Ceil of 105/4, 150/2, 100/1 = 27, 75, 100 -> Ceil(202 / 3) = 68.
    EXPECT_EQ(Spielerbewertung_Schnitt, 68);

    for (Spielerzeile& s : Spieler) s.Mitglieder() = 0;
    Logik_Spielerbewertung();
    EXPECT_EQ(Spielerbewertung_Schnitt, 0);

    // A member count that went below 0 (the counters are never clamped) is divided by
    // like any other, but never counts towards the average.
    Spielerzeile& schief = Spieler[1];
    schief = Spielerzeile{};
    schief.Mitglieder() = -2;
    schief.Arbeitslose() = 1;
    schief.Vermoegen() = 100;
    schief.Zufriedenheit() = 51;
    Logik_Spielerbewertung();
    EXPECT_EQ(schief.Zufriedenheit_Vormonat(), -26) << "Floor(51 / -2)";
    EXPECT_EQ(schief.Zufriedenheit_Trend(), -26);
    EXPECT_EQ(schief.Trend_Zufriedenheit_minus(), 1);
    // Purse 100 / -2 < 50 and happiness 51 / -2 < 26; age 0 and housing 0 are fine.
    EXPECT_EQ(schief.Probleme(), 2);
    EXPECT_EQ(Spielerbewertung_Schnitt, 0);
}

struct Speicherzeuge : PersistenzSeam {
    std::vector<std::string> namen;
    bool LSU_Speichern(const std::string& name) override {
        namen.push_back(name);
        Autosave_Zaehler = 0;
        return true;
    }
};

TEST(Logik, AutosaveCountsFramesAndSavesAtOrPastTheInterval) {
    Kernwelt welt;
    Speicherzeuge zeuge;
    Persistenz_setzen(&zeuge);
    AutosaveCheck = true;
    Autosave_time = 30;
    Logik_Autosave();
    EXPECT_EQ(Autosave_Zaehler, 0) << "no game runs";
    SSL = true;
    Kamera_ziehen = true;
    Logik_Autosave();
    EXPECT_EQ(Autosave_Zaehler, 0) << "not while dragging";
    Kamera_ziehen = false;
    for (int i = 0; i < 19; ++i) Logik_Autosave();
    EXPECT_EQ(GUI_Infoanzahl, 0);
    Logik_Autosave();
    ASSERT_EQ(GUI_Infoanzahl, 1) << "the warning ten frames before";
    EXPECT_EQ(GUI_Infoliste[0].Event, 248);
    for (int i = 0; i < 9; ++i) Logik_Autosave();
    EXPECT_TRUE(zeuge.namen.empty());
    Pause = true;
    Logik_Autosave();
    EXPECT_EQ(zeuge.namen, std::vector<std::string>{"Autosave"}) << "counted per frame, also while paused";
    EXPECT_EQ(Autosave_Zaehler, 0);
    ASSERT_EQ(GUI_Infoanzahl, 2);
    EXPECT_EQ(GUI_Infoliste[1].Event, 246);
    EXPECT_EQ(GUI_Infoliste[1].Text, "Gespeichert als Autosave");

    // Lowering the interval below the running counter saves at the next frame.
    for (int i = 0; i < 20; ++i) Logik_Autosave();
    Autosave_time = 10;
    KSL = true;
    Logik_Autosave();
    EXPECT_EQ(zeuge.namen.back(), "IRONMODUS");
    EXPECT_EQ(Autosave_Zaehler, 0);
    Persistenz_setzen(nullptr);

    // A save that fails is not announced and waits for the next interval.
    GUI_Info_leeren();
    for (int i = 0; i < 10; ++i) Logik_Autosave();
    EXPECT_EQ(Autosave_Zaehler, 0);
    Logik_Autosave();
    EXPECT_EQ(Autosave_Zaehler, 1);
    for (int i = 0; i < GUI_Infoanzahl; ++i) EXPECT_NE(GUI_Infoliste[static_cast<std::size_t>(i)].Event, 246);
}

TEST(Logik, ChecksumFollowsTheState) {
    Kernwelt welt;
    GU_Spieler_erstellen(2);
    const auto a = Logik_Pruefsumme();
    EXPECT_EQ(Logik_Pruefsumme(), a);
    Spieler[1].feld(120) = 1;
    const auto b = Logik_Pruefsumme();
    EXPECT_NE(b, a);
    Spieler[1].feld(120) = 0;
    EXPECT_EQ(Logik_Pruefsumme(), a);
    Schritt();
    EXPECT_NE(Logik_Pruefsumme(), a) << "the calendar is part of it";
}

TEST(Logik, WorldResetEmptiesEveryTable) {
    Kernwelt welt;
    SBU_Waren = {bhmtest::Ware()};
    GU_Spieler_erstellen(2);
    Personen.resize(100);
    Personen_hoechster_Index = 7;
    Spielgeschwindigkeit = 4;
    for (int i = 0; i < 200; ++i) Schritt();
    MG_Welt_zuruecksetzen();
    EXPECT_TRUE(Spieler.empty());
    EXPECT_TRUE(Personen.empty());
    EXPECT_TRUE(GU_Warenwerte.empty());
    EXPECT_TRUE(SBU_Waren.empty());
    EXPECT_EQ(Personen_hoechster_Index, -1);
    EXPECT_EQ(Spielgeschwindigkeit, 0);
    EXPECT_EQ(std::make_tuple(GU, GU2, SZ, Monatsschritt, Jahresschritt), std::make_tuple(0, 0, 0, 0, 0));
    EXPECT_FALSE(Karte.empty()) << "the map waits for the next map to replace it";
}

}  // namespace

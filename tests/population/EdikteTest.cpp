#include <gtest/gtest.h>

#include <set>

#include "common/TempDir.h"
#include "foundation/Spielstatus.h"
#include "population/Edikte.h"
#include "population/Populationswelt.h"

namespace {

using namespace bhmtest;

TEST(Edikte, HappinessTermsMoveGoldAsTheyAreEvaluated) {
    struct Fall {
        const char* was;
        int (*term)(int);
        int edikt_feld, beutel, kasse;
        int erwartet, beutel_danach, kasse_danach;
    } faelle[] = {
        {"redistribution, rich", EDU_Glueck_Edikt_D, 11, 300, 0, -1, 295, 5},
        {"redistribution, 249", EDU_Glueck_Edikt_D, 11, 249, 0, 0, 249, 0},
        {"fund helps the poor with the edict off", EDU_Glueck_Edikt_D, -1, 40, 5, 1, 45, 0},
        {"fund of 4 cannot help", EDU_Glueck_Edikt_D, -1, 40, 4, 0, 40, 4},
        {"tax", EDU_Glueck_Edikt_B, 14, 10, 0, -5, 9, 0},
        {"tax on the penniless", EDU_Glueck_Edikt_B, 14, 0, 0, -5, 0, 0},
        {"no tax", EDU_Glueck_Edikt_B, -1, 10, 0, 0, 10, 0},
        {"levy", EDU_Glueck_Wohnen, 17, 10, 0, -1, 9, 0},
        {"poor relief", EDU_Glueck_Edikt_C, 13, 50, 0, 1, 55, 0},
        {"poor relief, not poor", EDU_Glueck_Edikt_C, 13, 51, 0, 0, 51, 0},
        {"alliance", EDU_Glueck_Edikt_A, 36, 10, 0, 1, 10, 0},
    };
    for (const Fall& f : faelle) {
        Populationswelt welt;
        const int p = Person(0, 10);
        Spielerzeile& s = Spieler[0];
        if (f.edikt_feld >= 0) s.feld(f.edikt_feld) = 1;
        P(p).Gold() = f.beutel;
        s.Gemeinschaftskasse() = f.kasse;
        const int summe = s.Gold() + f.beutel + f.kasse;
        EXPECT_EQ(f.term(p), f.erwartet) << f.was;
        EXPECT_EQ(std::make_tuple(P(p).Gold(), s.Gemeinschaftskasse()),
                  std::make_tuple(f.beutel_danach, f.kasse_danach))
            << f.was;
        EXPECT_EQ(s.Gold() + P(p).Gold() + s.Gemeinschaftskasse(), summe) << f.was << ": no gold is lost";
    }
}

TEST(Edikte, PoorReliefWaitsWhileThePlayerPlacesASiteHeCannotAffordOtherwise) {
    Populationswelt welt;
    const int p = Person(0, 10);
    P(p).Gold() = 0;
    Spieler[0].Edikt_Armenhilfe() = 1;
    Platzierungsmodus = true;
    Bau_Platzwert_max = 295;
    EXPECT_EQ(EDU_Glueck_Edikt_C(p), 0);
    Bau_Platzwert_max = 294;
    EXPECT_EQ(EDU_Glueck_Edikt_C(p), 1);
    // Only the player's own clan holds its gold back; a computer clan pays meanwhile.
    const int q = Person(1, 11);
    P(q).Gold() = 0;
    Spieler[1].Edikt_Armenhilfe() = 1;
    Bau_Platzwert_max = 295;
    EXPECT_EQ(EDU_Glueck_Edikt_C(q), 1);
    EXPECT_EQ(P(q).Gold(), 5);
    Spieler[0].Gold() = 50;
    Platzierungsmodus = false;
    EXPECT_EQ(EDU_Glueck_Edikt_C(p), 0) << "the clan needs 51 gold";
}

TEST(Edikte, NamingModeIsDrawnPerBirthUntilChosen) {
    Populationswelt welt;
    EDU_Edikte_initialisieren();
    std::set<int> modi;
    for (int i = 0; i < 40; ++i) modi.insert(EDU_Namensvererbung_Modus(0));
    EXPECT_EQ(modi, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(Edikte[0].Namensmodus, 0) << "a human clan's mode stays unchosen";
    Edikte[0].Namensmodus = 2;
    EXPECT_EQ(EDU_Namensvererbung_Modus(0), 2);
}

TEST(Edikte, DemolitionMode) {
    Populationswelt welt;
    EDU_Edikte_initialisieren();
    for (auto [modus, erwartet] : {std::pair{1, true}, {2, false}, {0, false}, {5, false}}) {
        Edikte[0].Abriss_Modus = modus;
        EXPECT_EQ(EDU_Edikt_Arbeit_aktiv(0), erwartet) << modus;
    }
}

TEST(Edikte, TimedEntriesRunOutAfterTheirMonths) {
    Populationswelt welt;
    Oberflaechenattrappe ui;
    ui.auswahl_2 = 3;
    EDU_Zeitedikt_eintragen(0);
    ui.auswahl_2 = 0;
    EDU_Zeitedikt_eintragen(0);
    ui.auswahl_2 = 1;
    EDU_Zeitedikt_eintragen(0);
    ASSERT_EQ(Zeitedikte[0].Anzahl, 3);
    for (int monat = 1; monat < 120; ++monat) EDU_Edikte_monatlich();
    EXPECT_EQ(Zeitedikte[0].Anzahl, 3);
    EDU_Edikte_monatlich();
    ASSERT_EQ(Zeitedikte[0].Anzahl, 2) << "the 120-month entry ran out in the 120th month";
    EXPECT_EQ(std::make_tuple(Zeitedikte[0].Eintraege[0].Aktiv, Zeitedikte[0].Eintraege[1].Restmonate),
              std::make_tuple(false, 480));
    ui.auswahl_2 = 9;
    EDU_Zeitedikt_eintragen(0);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Zeitedikte[0].Anzahl, 2);
}

TEST(Edikte, SideFileRoundTripsAndBadLinesAreReported) {
    Populationswelt welt;
    TempDir dir;
    EDU_Edikte_initialisieren();
    Edikte[0] = {1, 3, 7};
    Edikte[1] = {2, 0, 0};
    ASSERT_TRUE(EDU_Speichern(dir.folder() + "EDU.sav"));
    EXPECT_EQ(dir.read("EDU.sav"), "1/3/7\r\n2/0/0\r\n");
    EDU_Zuruecksetzen();
    EDU_Laden(dir.folder() + "EDU.sav");
    EXPECT_EQ(Edikte, (std::vector<Edikt_Sammlung>{{1, 3, 7}, {2, 0, 0}}));
    dir.write("EDU.sav", "1/2\r\n0/1/0\r\n0/0/0\r\n");
    EDU_Zuruecksetzen();
    EDU_Laden(dir.folder() + "EDU.sav");
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Edikte, (std::vector<Edikt_Sammlung>{{0, 0, 0}, {0, 1, 0}, {0, 0, 0}}));
    EDU_Laden(dir.folder() + "fehlt.sav");
    EXPECT_EQ(Edikte.size(), 3u);
}

}  // namespace

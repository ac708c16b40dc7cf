#include "world/Hasen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Zufallsbytes.h"
#include "common/Kernwelt.h"
#include "common/Schablonenvorrat.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Info.h"
#include "platform/base/Datei.h"
#include "platform/base/Zufall.h"
#include "population/Jobarchiv.h"
#include "world/Karte.h"
#include "world/Stufenvorlagen.h"

namespace {

using bhmtest::K;
using bhmtest::Typ;

constexpr int N = 64;

int F(int x, int y) { return x + y * N; }

class Hasen : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt{N};

    void SetUp() override {
        bhmtest::Stufenwelt_setzen();
        Hasen_Max = 10;
        Hasen_Init = 5;
    }

    // A hole on the map with its rabbits inside.
    static Hasenloch& loch(int c, int anzahl = 3) {
        K(c).Ambiente() = Typ(bhmtest::Loch);
        K(c).Block() = 2;
        Hase_Loch_anlegen(c, c);
        Hasenloch& h = Hase_Loecher[static_cast<std::size_t>(Hase_Anzahl - 1)];
        h.Draussen = false;
        h.Anzahl = anzahl;
        return h;
    }
};

TEST_F(Hasen, TheSearchTakesTheNearestFreeHoleOnTheIslandBelowTheLimit) {
    const int von = F(5, 10);
    loch(F(55, 10));  // distance 50
    loch(F(5, 50)).Reserviert = true;
    loch(F(6, 10));
    K(F(6, 10)).Insel() = 1;  // another island
    loch(F(5, 12));
    K(F(5, 12)).Block() = 1;  // a hunter is on its way
    EXPECT_EQ(Hase_Loch_suchen(von, 50, true), -1);
    EXPECT_EQ(Hase_Loch_suchen(von, 51, false), F(55, 10));
    // Two at the same distance: the earlier in the table.
    loch(F(15, 20));
    loch(F(25, 10));
    EXPECT_EQ(Hase_Loch_suchen(von, 50, true), F(15, 20));
    EXPECT_EQ(K(F(15, 20)).Block(), 1);
    EXPECT_TRUE(Hase_Loecher[4].Reserviert);
    EXPECT_EQ(Hase_Loch_suchen(von, 50, false), F(25, 10)) << "a reserved hole is not offered again";
    EXPECT_EQ(Hase_Loch_suchen(-5, 50, false), -1);
}

TEST_F(Hasen, TakingTheLastRabbitRemovesTheHole) {
    loch(F(10, 10), 2).Reserviert = true;
    loch(F(20, 20), 1);
    loch(F(30, 30), 4);
    EXPECT_EQ(Hase_Loch_Kaninchen_abziehen(F(10, 10)), Hase_Abzug::Bleibt);
    EXPECT_EQ(Hase_Loecher[0].Anzahl, 1);
    EXPECT_FALSE(Hase_Loecher[0].Reserviert);
    EXPECT_EQ(Hase_Loch_Kaninchen_abziehen(F(20, 20)), Hase_Abzug::Letzter);
    ASSERT_EQ(Hase_Anzahl, 2);
    EXPECT_EQ(Hase_Loecher[1].X, 30) << "the last hole moved into the freed place";
    EXPECT_EQ(K(F(20, 20)).Ambiente(), Typ(bhmtest::Loch)) << "the map cell is the caller's";
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
    EXPECT_EQ(Hase_Loch_Kaninchen_abziehen(F(20, 20)), Hase_Abzug::Kein_Loch);
    EXPECT_EQ(Fehlertext, "Hase_Loch_Kaninchen_abziehen konnte nicht bearbeitet werden.");
}

TEST_F(Hasen, AFinishedCatchLeavesTheCellAHoleOnlyWhileRabbitsRemain) {
    struct Fall {
        const char* name;
        int anzahl;  // rabbits in the hole, 0 for no hole at all
        Hase_Abzug ergebnis;
        bool loch_bleibt;
    };
    const Fall faelle[] = {
        {"rabbits remain", 3, Hase_Abzug::Bleibt, true},
        {"the last rabbit", 1, Hase_Abzug::Letzter, false},
        {"no hole (a stale trap)", 0, Hase_Abzug::Kein_Loch, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Hase_Loecher_loeschen();
        const int c = F(12, 12);
        if (f.anzahl > 0) loch(c, f.anzahl).Reserviert = true;
        K(c).Ambiente() = Typ(bhmtest::Falle);
        K(c).Block() = 1;
        EXPECT_EQ(Hase_Fang_abschliessen(c), f.ergebnis);
        EXPECT_EQ(K(c).Ambiente(), f.loch_bleibt ? Typ(bhmtest::Loch) : -1);
        EXPECT_EQ(K(c).Block(), f.loch_bleibt ? 2 : -1) << "never a blocked cell without a hole";
        EXPECT_EQ(Hase_Anzahl, f.loch_bleibt ? 1 : 0);
        EXPECT_EQ(bhmtest::Kernwelt::gemeldet(), f.ergebnis == Hase_Abzug::Kein_Loch);
    }
}

TEST_F(Hasen, TheRabbitComesOutOnlyWhileNobodyStandsOnTheHole) {
    const int c = F(30, 30);
    loch(c).Timer = 0;
    K(c).Person() = 4;
    Hase_Tick();
    EXPECT_FALSE(Hase_Loecher[0].Draussen);
    EXPECT_EQ(Hase_Loecher[0].Timer, 59);
    for (int i = 0; i < 200; ++i) Hase_Tick();
    EXPECT_FALSE(Hase_Loecher[0].Draussen);
    K(c).Person() = -1;
    for (int i = 0; i < 60 && !Hase_Loecher[0].Draussen; ++i) Hase_Tick();
    ASSERT_TRUE(Hase_Loecher[0].Draussen);
    EXPECT_EQ(FFU_Distanz(Hase_Loecher[0].Position, c) > 0 && FFU_Distanz(Hase_Loecher[0].Position, c) <= 2,
              true);
    EXPECT_EQ(Hase_Loecher[0].Start, c);
    EXPECT_EQ(Hase_Loecher[0].Timer, 9);
    // An empty hole keeps its door shut.
    loch(F(40, 40), 0).Timer = 0;
    for (int i = 0; i < 100; ++i) Hase_Tick();
    EXPECT_FALSE(Hase_Loecher[1].Draussen);
}

TEST_F(Hasen, ARabbitFoundingAHoleWalksToItOneCellEveryTenSteps) {
    const int eltern = F(10, 10), c = F(25, 22);
    Hase_Loch_anlegen(c, eltern);
    const Hasenloch& h = Hase_Loecher[0];
    EXPECT_TRUE(h.Draussen);
    EXPECT_EQ(h.Position, eltern);
    EXPECT_EQ(h.Anzahl, Hasen_Init);
    int schritte = 0, entfernung = FFU_Distanz(eltern, c);
    while (h.Draussen && schritte < 2000) {
        Hase_Tick();
        ++schritte;
        const int d = FFU_Distanz(h.Position, c);
        EXPECT_LE(d, entfernung);
        if (d < entfernung) {
            EXPECT_EQ(schritte % 10, 1) << schritte;
            entfernung = d;
        }
    }
    EXPECT_FALSE(h.Draussen) << "the rabbit arrived and went in";
    EXPECT_EQ(h.Position, c);
}

TEST_F(Hasen, BreedingFillsTheHoleAndAFullHoleFoundsNewOnesTenToTwentyAway) {
    Hasenloch& h = loch(F(32, 32), 9);
    h.Draussen = true;
    h.Brutzaehler = 1500;
    h.Timer = 5;
    Hase_Tick();
    EXPECT_EQ(Hase_Loecher[0].Anzahl, 10);
    EXPECT_EQ(Hase_Loecher[0].Brutzaehler, 0);

    // Full: every further birth may found a hole; the parent keeps Hasen_Max.
    for (int i = 0; i < 300 && Hase_Anzahl < 2; ++i) {
        Hasenloch& e = Hase_Loecher[0];
        e.Draussen = true;
        e.Brutzaehler = 1500;
        e.Timer = 5;
        Hase_Loecher_abgleichen();
        Hase_Tick();
        EXPECT_EQ(Hase_Loecher[0].Anzahl, Hasen_Max);
    }
    ASSERT_EQ(Hase_Anzahl, 2);
    const Hasenloch& neu = Hase_Loecher[1];
    const int dx = neu.X - 32, dy = neu.Y - 32;
    EXPECT_TRUE((dx >= -20 && dx <= -11) || (dx >= 10 && dx <= 19)) << dx;
    EXPECT_TRUE((dy >= -20 && dy <= -11) || (dy >= 10 && dy <= 19)) << dy;
    EXPECT_EQ(K(F(neu.X, neu.Y)).Ambiente(), Typ(bhmtest::Loch));
    EXPECT_EQ(K(F(neu.X, neu.Y)).Block(), 2);
    EXPECT_EQ(neu.Anzahl, Hasen_Init);
}

TEST_F(Hasen, AHoleNearTheWestEdgeFoundsNoHoleOnTheFarSideOfTheMap) {
    int gegruendet = 0;
    for (int i = 0; i < 400; ++i) {
        Hase_Loecher_loeschen();
        Hasenloch& h = loch(F(3, 32), 10);
        h.Draussen = true;
        h.Brutzaehler = 1500;
        h.Timer = 5;
        Hase_Tick();
        for (int k = 1; k < Hase_Anzahl; ++k) EXPECT_LT(Hase_Loecher[static_cast<std::size_t>(k)].X, 32);
        gegruendet += Hase_Anzahl - 1;
    }
    EXPECT_GT(gegruendet, 0) << "holes to the east are still founded";
}

TEST_F(Hasen, ThePlagueLeavesOneRabbitInEveryHole) {
    // A seed whose first draw below 100000 is 1.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        RandSeed = seed;
        if (Random(100000) == 1) break;
    }
    loch(F(10, 10), 7).Timer = 30;
    loch(F(30, 30), 10).Timer = 30;
    RandSeed = seed;
    Hase_Tick();
    EXPECT_EQ(Hase_Loecher[0].Anzahl, 1);
    EXPECT_EQ(Hase_Loecher[1].Anzahl, 1);
    ASSERT_GE(GUI_Infoanzahl, 1);
    EXPECT_EQ(GUI_Infoliste[static_cast<std::size_t>(GUI_Infoanzahl - 1)].Event, 281);
}

TEST_F(Hasen, SaveLoadSaveGivesTheSameFile) {
    const std::string pfad = welt.ordner().dir().folder() + "H.sav";
    loch(F(10, 11), 7).Reserviert = true;
    Hase_Loch_anlegen(F(30, 31), F(20, 21));
    Hase_Loecher[1].Brutzaehler = 77;
    ASSERT_TRUE(Hase_Speichern(pfad));
    const auto erste = Textdatei_lesen(pfad);
    ASSERT_TRUE(erste);
    EXPECT_EQ((*erste)[0], "10/11/0/0/-1/7/" + std::to_string(F(10, 11)) + "/0/" + std::to_string(F(10, 11)) +
                               "/" + std::to_string(F(10, 11)));
    Hase_Loecher_loeschen();
    Hase_Laden(pfad);
    ASSERT_EQ(Hase_Anzahl, 2);
    ASSERT_TRUE(Hase_Speichern(pfad));
    EXPECT_EQ(Textdatei_lesen(pfad), erste);
    // Booleans as words are read too; a hole off the map or a bad count is skipped.
    Textdatei_schreiben(pfad, {"1/2/3/True/false/4/5/6/7/8", "64/2/3/0/0/4/5/6/7/8", "1/2/3/0/0/256/5/6/7/8",
                               "1/2/3/ja/0/4/5/6/7/8", "1/2/3/0/0/4/5/6/7", "1/2/3/0/0/4/5/60/7/8",
                               "1/2/3/0/0/4/5/6/7/2147483647"});
    Hase_Loecher_loeschen();
    Hase_Laden(pfad);
    ASSERT_EQ(Hase_Anzahl, 1);
    EXPECT_TRUE(Hase_Loecher[0].Draussen);
    EXPECT_FALSE(Hase_Loecher[0].Reserviert);
    EXPECT_EQ(Hase_Loecher[0].Position, 8);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
}

// A step touches only the holes due in it; between their due steps the holes' counters
// are brought up to date when the rows are read. Step by step, every field agrees with
// every hole stepped in full: through births, new holes, a rabbit that stays in beside a
// person, a hole taken away, a row written from outside, and a save and load.
TEST_F(Hasen, TheScheduledStepAgreesWithEveryHoleSteppedInFull) {
    const std::string pfad = welt.ordner().dir().folder() + "H.sav";
    const std::vector<Kartenfeld> karte = Karte;
    struct Anfang {
        int x, y, anzahl, timer, brut;
        bool draussen;
    };
    const Anfang anfaenge[] = {
        {10, 10, 3, 0, 0, false},     // comes out in the first step
        {20, 12, 4, 37, 0, false},    // inside, tries later
        {30, 30, 10, 4, 1495, true},  // full and breeding: founds holes (helped below)
        {45, 20, 0, 0, 0, false},     // empty: its door stays shut
        {12, 40, 5, 9, 700, true},    // out, far from its next birth
        {40, 45, 2, 59, 0, false},    // a person stands next to it
    };
    // The full way, the schedule, and the two taking turns every 37 steps.
    enum Weg { Voll, Kurz, Wechselnd };
    auto lauf = [&](Weg weg) {
        Karte = karte;
        MG_Personenbits_verwerfen();
        Hase_Loecher_loeschen();
        RandSeed = 777;
        JA_Schnellwege = weg != Voll;
        for (const Anfang& a : anfaenge) {
            Hasenloch& h = loch(F(a.x, a.y), a.anzahl);
            h.Timer = a.timer;
            h.Brutzaehler = a.brut;
            h.Draussen = a.draussen;
        }
        K(F(41, 45)).Person() = 7;
        std::vector<std::vector<int>> staende;
        for (int schritt = 1; schritt <= 500; ++schritt) {
            if (weg == Wechselnd && schritt % 37 == 0) JA_Schnellwege = !JA_Schnellwege;
            Hase_Tick();
            if (schritt == 120 || schritt == 121) Hase_Loch_Kaninchen_abziehen(F(40, 45));
            if (schritt % 20 == 0) {
                // Births from outside: the full hole breeds again and again.
                Hase_Loecher_abgleichen();
                Hase_Loecher[2].Brutzaehler = 1500;
                Hase_Loecher[2].Draussen = true;
                Hase_Loecher_abgleichen();
            }
            if (schritt == 200) {
                Hase_Loecher_abgleichen();
                Hase_Loecher[1].Timer = 3;
                Hase_Loecher[1].Draussen = false;
                Hase_Loecher_abgleichen();
            }
            if (schritt == 300) {
                EXPECT_TRUE(Hase_Speichern(pfad));
                Hase_Loecher_loeschen();
                Hase_Laden(pfad);
            }
            Hase_Loecher_abgleichen();
            std::vector<int> felder;
            for (int i = 0; i < Hase_Anzahl; ++i) {
                const Hasenloch& h = Hase_Loecher[static_cast<std::size_t>(i)];
                felder.insert(felder.end(), {h.X, h.Y, h.Brutzaehler, h.Draussen, h.Reserviert, h.Anzahl,
                                             h.Start, h.Timer, h.Schritt, h.Position});
            }
            staende.push_back(felder);
        }
        JA_Schnellwege = true;
        return staende;
    };
    const auto voll = lauf(Voll);
    for (Weg weg : {Kurz, Wechselnd}) {
        SCOPED_TRACE(weg == Kurz ? "scheduled" : "taking turns");
        const auto staende = lauf(weg);
        ASSERT_EQ(staende.size(), voll.size());
        for (std::size_t s = 0; s < voll.size(); ++s)
            ASSERT_EQ(staende[s], voll[s]) << "after step " << s + 1;
    }
    // One hole was taken away.
    EXPECT_GT(voll.back().size() / 10, std::size(anfaenge) - 1) << "holes were founded";
}

TEST_F(Hasen, TheLimitsComeFromModIni) {
    const std::string ordner = welt.ordner().dir().folder();
    Hase_Mod_ini_lesen();
    EXPECT_EQ(Hasen_Max, 10);
    EXPECT_EQ(Hasen_Init, 5);
    // A hole holds 1..255 rabbits and a new one starts with 1 up to the most.
    struct Fall {
        int max, init;
        int erwartet_max, erwartet_init;
    };
    const Fall faelle[] = {{12, 3, 12, 3}, {300, -2, 255, 1}, {0, 5, 1, 1}, {4, 9, 4, 4}, {1, 1, 1, 1}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.max) + "/" + std::to_string(f.init));
        bhmtest::Vorrat_Datei(ordner + "Daten/Mod.ini", "[Mod]\r\nHasen_Max=" + std::to_string(f.max) +
                                                            "\r\nHasen_Init=" + std::to_string(f.init) +
                                                            "\r\n");
        Hase_Mod_ini_lesen();
        EXPECT_EQ(Hasen_Max, f.erwartet_max);
        EXPECT_EQ(Hasen_Init, f.erwartet_init);
        EXPECT_EQ(bhmtest::Kernwelt::gemeldet(), f.max != f.erwartet_max || f.init != f.erwartet_init);
    }
}

// A damaged Mod.ini is told once, naming the file and what is wrong, and its limits read as far
// as they can be read (the defaults where they cannot).
TEST_F(Hasen, DamagedModIniIsToldAndGivesTheDefaults) {
    const std::string ordner = welt.ordner().dir().folder();
    struct Fall {
        const char* name;
        std::string inhalt;
        const char* meldung;  // nullptr: not told
        int max, init;
    };
    const std::string zufall = bhmtest::Zufallsbytes(500, 99);
    const Fall faelle[] = {
        {"random bytes", zufall, "Zeile(n) sind weder Abschnitt noch Eintrag (erste: Zeile 1)", 10, 5},
        {"no section", "Hasen_Max=7\r\n", "hat keinen Abschnitt [Mod]", 10, 5},
        {"another section", "[Hasen]\r\nHasen_Max=7\r\n", "hat keinen Abschnitt [Mod]", 10, 5},
        {"no number", "[Mod]\r\nHasen_Max=-1e12\r\nHasen_Init=3\r\n",
         "Hasen_Max=-1e12 ist keine Zahl, es gilt 10", 10, 3},
        {"beyond the Integers", "[Mod]\r\nHasen_Max=-1000000000000\r\n", "ist keine Zahl, es gilt 10", 10, 5},
        {"sound without keys", "[Mod]\r\n", nullptr, 10, 5},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Config_zuruecksetzen();
        Error_Silence = false;
        Errorloger = false;
        bhmtest::Vorrat_Datei(ordner + "Daten/Mod.ini", f.inhalt);
        Fehlertext.clear();
        Hase_Mod_ini_lesen();
        EXPECT_EQ(Hasen_Max, f.max);
        EXPECT_EQ(Hasen_Init, f.init);
        if (f.meldung) {
            EXPECT_EQ(Fehlertext.rfind("Hase_Mod_ini_lesen > ", 0), 0u) << Fehlertext;
            EXPECT_NE(Fehlertext.find("Mod.ini"), std::string::npos) << Fehlertext;
            EXPECT_NE(Fehlertext.find(f.meldung), std::string::npos) << Fehlertext;
        } else {
            EXPECT_EQ(Fehlertext, "");
        }
    }
    // A folder in place of the file.
    Config_zuruecksetzen();
    Error_Silence = false;
    Errorloger = false;
    std::filesystem::remove(ordner + "Daten/Mod.ini");
    std::filesystem::create_directories(ordner + "Daten/Mod.ini");
    Hase_Mod_ini_lesen();
    EXPECT_EQ(Hasen_Max, 10);
    EXPECT_NE(Fehlertext.find("ist ein Ordner, keine Datei"), std::string::npos) << Fehlertext;
}

}  // namespace

// The table files: whole rows, the path pool and the harbours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Textzeilen.h"
#include "persistence/Tabellendateien.h"
#include "economy/Diagramm.h"
#include "economy/Haefen.h"
#include "economy/Schiffe.h"
#include "economy/Schutt.h"
#include "economy/Warenstatistik.h"
#include "population/Personenindex.h"
#include "population/Animation.h"
#include "population/Arbeitsamt.h"
#include "population/Befehlsliste.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Wachstum.h"
#include "population/Personen.h"
#include "world/Pfade.h"

namespace {

class Tabellendateien : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt;
    std::string pfad(const std::string& name) const {
        return welt.ordner().dir().path().string() + "/" + name;
    }
    std::string lesen(const std::string& name) const { return welt.ordner().dir().read(name); }
    void TearDown() override {
        Haefen.clear();
        Hafen_Ende = -1;
    }
};

TEST_F(Tabellendateien, RowsComeBackUnchangedAndSaveAgainIdentically) {
    Personen.assign(3, Personenzeile{});
    for (int i = 0; i < Personen_Feldanzahl; ++i) {
        Personen[0].feld(i) = i * 1000 - 7;
        Personen[2].feld(i) = -i;
    }
    Spieler.assign(2, Spielerzeile{});
    // The largest magnitudes a saved game may hold come back; beyond them a file is refused
    // (see ABrokenFileIsReadUpToTheFaultAndReported).
    Spieler[1].Gold() = FFU_Spielstandwert_max;
    Spieler[1].feld(162) = -FFU_Spielstandwert_max;
    Objekte.assign(1, Objektzeile{});
    Objekte[0].Slot_Ware(5) = 12;

    ASSERT_TRUE(LSU_Personen_speichern(pfad("P.sav")));
    ASSERT_TRUE(LSU_Spieler_speichern(pfad("G.sav")));
    ASSERT_TRUE(LSU_Objekte_speichern(pfad("OB.sav")));
    EXPECT_EQ(lesen("P.sav").substr(0, 14), "-7/993/1993/29");
    EXPECT_EQ(lesen("P.sav").find("/\r\n"), std::string::npos) << "no \"/\" after the last field";

    const auto personen = Personen;
    const auto spieler = Spieler;
    const auto objekte = Objekte;
    Personen.assign(3, Personenzeile{});
    Spieler.assign(2, Spielerzeile{});
    Objekte.assign(1, Objektzeile{});
    EXPECT_TRUE(LoadfromArrayFile(Personen, pfad("P.sav")));
    EXPECT_TRUE(LoadfromArrayFile(Spieler, pfad("G.sav")));
    EXPECT_TRUE(LoadfromArrayFile(Objekte, pfad("Ob.sav")));  // the loader's spelling
    EXPECT_EQ(Personen, personen);
    EXPECT_EQ(Spieler, spieler);
    EXPECT_EQ(Objekte, objekte);
    const std::string erste = lesen("P.sav");
    ASSERT_TRUE(LSU_Personen_speichern(pfad("P.sav")));
    EXPECT_EQ(lesen("P.sav"), erste);
    EXPECT_FALSE(welt.gemeldet());
}

TEST_F(Tabellendateien, ABrokenFileIsReadUpToTheFaultAndReported) {
    struct Fall {
        const char* name;
        const char* inhalt;
        std::vector<std::vector<int>> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"fewer lines", "1/2/3\r\n4/5/6\r\n", {{1, 2, 3}, {4, 5, 6}, {9, 9, 9}}},
        {"short line", "1/2/3\r\n4/5\r\n7/8/9\r\n", {{1, 2, 3}, {4, 5, 9}, {9, 9, 9}}},
        {"not a number", "1/2/3\r\n4/x/6\r\n7/8/9\r\n", {{1, 2, 3}, {4, 9, 9}, {9, 9, 9}}},
        {"beyond a game's values", "1/2/3\r\n4/1000000001/6\r\n7/8/9\r\n", {{1, 2, 3}, {4, 9, 9}, {9, 9, 9}}},
        {"integer end", "1/2/3\r\n4/5/-2147483648\r\n7/8/9\r\n", {{1, 2, 3}, {4, 5, 9}, {9, 9, 9}}},
        {"empty field", "1//3\r\n", {{1, 9, 9}, {9, 9, 9}, {9, 9, 9}}},
        {"out of range", "1/2/99999999999\r\n", {{1, 2, 9}, {9, 9, 9}, {9, 9, 9}}},
        {"extra lines and fields are ignored",
         "1/2/3/4\r\n4/5/6\r\n7/8/10\r\n10\r\n",
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}}};
    for (const Fall& f : faelle) {
        welt.ordner().dir().write("T.sav", f.inhalt);
        std::vector<std::vector<int>> tabelle(3, std::vector<int>(3, 9));
        const bool ganz = f.erwartet.back().back() != 9;
        EXPECT_EQ(LoadfromArrayFile(tabelle, pfad("T.sav")), ganz) << f.name;
        EXPECT_EQ(tabelle, f.erwartet) << f.name;
        if (ganz) {
            EXPECT_FALSE(welt.gemeldet()) << f.name;
        } else {
            EXPECT_EQ(Fehlertext,
                      "Loadsaveunit > LoadfromArrayFile > File konnte nicht geladen werden: " + pfad("T.sav"))
                << f.name;
            Fehler_zuruecksetzen();
        }
    }
    std::vector<std::vector<int>> tabelle(1, std::vector<int>(1, 9));
    EXPECT_TRUE(LoadfromArrayFile(tabelle, pfad("fehlt.sav")));
    EXPECT_EQ(tabelle[0][0], 9);
    EXPECT_FALSE(welt.gemeldet()) << "a missing file is skipped silently";
}

TEST_F(Tabellendateien, PathSlotsAreCutAfterTheirEndAndFilledWithMinusOne) {
    PFU_Pfade = {{1, 70, 71, -1, 5, 5}, {0, 3, 3, 3, 3, 3}, {1, 2, 3, 4, 5, 6}, {2, 0, 8, 8, 8, 8}};
    ASSERT_TRUE(LSU_Patharray_speichern(pfad("Pat.sav")));
    EXPECT_EQ(lesen("Pat.sav"), "1/70/71/-1/\r\n0/\r\n1/2/3/4/5/6/\r\n2/0/\r\n");
    PFU_Pfade.assign(4, std::vector<int>(6, 0));
    LSU_Patharray_Load(pfad("Pat.sav"));
    EXPECT_EQ(
        PFU_Pfade,
        (std::vector<std::vector<int>>{
            {1, 70, 71, -1, -1, -1}, {-1, -1, -1, -1, -1, -1}, {1, 2, 3, 4, 5, 6}, {2, -1, -1, -1, -1, -1}}));
    ASSERT_TRUE(LSU_Patharray_speichern(pfad("Pat.sav")));
    EXPECT_EQ(lesen("Pat.sav"), "1/70/71/-1/\r\n-1/\r\n1/2/3/4/5/6/\r\n2/-1/\r\n");
    EXPECT_FALSE(welt.gemeldet());

    // A slot line that ends before the slot does, and a line missing altogether.
    welt.ordner().dir().write("Pat.sav", "1/5/\r\n");
    PFU_Pfade.assign(2, std::vector<int>(4, 7));
    LSU_Patharray_Load(pfad("Pat.sav"));
    EXPECT_EQ(Fehlertext, "LSU_Patharray_Load > File konnte nicht geladen werden: " + pfad("Pat.sav"));
    EXPECT_EQ(PFU_Pfade[0], (std::vector<int>{1, 5, 7, 7}));
}

TEST_F(Tabellendateien, HarboursAreWrittenWithTheirWaitingPersons) {
    Haefen = {{12, 0, {}}, {30, 2, {4, 9, 77}}, {0, 0, {}}, {55, 1, {}}};
    Hafen_Ende = 3;
    ASSERT_TRUE(LSU_Hafenarray_speichern(pfad("HA.sav")));
    // The last record counts a person it does not hold: reported, and written with what it holds.
    EXPECT_EQ(lesen("HA.sav"), "12/0\r\n30/2/4/9\r\n0/0\r\n55/0\r\n");
    EXPECT_TRUE(welt.gemeldet());

    Hafen_Ende = 9;  // beyond the table
    ASSERT_TRUE(LSU_Hafenarray_speichern(pfad("HA.sav")));
    EXPECT_TRUE(welt.gemeldet());
    Hafen_Ende = -1;
    ASSERT_TRUE(LSU_Hafenarray_speichern(pfad("HA.sav")));
    EXPECT_EQ(lesen("HA.sav"), "");
}

TEST_F(Tabellendateien, AWriteThatFailsIsReportedAndAnswersFalse) {
    Personen.assign(1, Personenzeile{});
    PFU_Pfade = {{0}};
    const std::string kein_ordner = pfad("fehlt/P.sav");
    EXPECT_FALSE(LSU_Personen_speichern(kein_ordner));
    EXPECT_TRUE(welt.gemeldet());
    EXPECT_FALSE(LSU_Patharray_speichern(pfad("fehlt/Pat.sav")));
    EXPECT_FALSE(LSU_Hafenarray_speichern(pfad("fehlt/HA.sav")));
}

}  // namespace

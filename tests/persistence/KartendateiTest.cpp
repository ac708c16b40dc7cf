// The map file: run-length lines of levels and cell contents.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "foundation/Fehler.h"
#include "persistence/Kartendatei.h"
#include "platform/base/Datei.h"
#include "world/Karte.h"

namespace {

struct Zelle {
    int stufe, a = -1, p = -1, o = -1, b = -1;
};

void karte_setzen(const std::vector<Zelle>& zellen) {
    Kartenfeld leer;
    leer.f.fill(-1);
    Karte.assign(zellen.size(), leer);
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        Kartenfeld& k = Karte[i];
        k.LandType() = zellen[i].stufe;
        k.Ambiente() = zellen[i].a;
        k.Person() = zellen[i].p;
        k.Objekt() = zellen[i].o;
        k.Block() = zellen[i].b;
    }
}

class Kartendatei : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt{4};
    std::string ordner() const { return welt.ordner().dir().path().string(); }
    std::string datei() const { return ordner() + "/Map.sav"; }
    std::vector<std::string> zeilen() const { return *Textdatei_lesen(datei()); }
};

TEST_F(Kartendatei, WritesTheDocumentedLinesAndReadsThemBack) {
    karte_setzen({{0}, {0}, {1}, {1, 7}, {1}, {0}});
    ASSERT_TRUE(LSU_Karte_speichern(datei()));
    EXPECT_EQ(zeilen(), (std::vector<std::string>{"A2", "B1", "F2/7", "C1"}));
    EXPECT_EQ(welt.ordner().dir().read("Map.sav"), "A2\r\nB1\r\nF2/7\r\nC1\r\n");

    karte_setzen({{5, 1, 1, 1, 1}, {5}, {5}, {5}, {5}, {5}});
    Map_laden(ordner());
    const int stufen[] = {0, 0, 1, 1, 1, 0};
    for (int c = 0; c < 6; ++c) {
        const Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        EXPECT_EQ(k.LandType(), stufen[c]) << c;
        EXPECT_EQ(k.Ambiente(), c == 3 ? 7 : -1) << c;
        EXPECT_EQ(k.Person(), -1) << c;
        EXPECT_EQ(k.Objekt(), -1) << c;
        EXPECT_EQ(k.Block(), stufen[c] == 0 ? 2 : -1) << c;
        EXPECT_EQ(k.Bauplatzwert(), -1) << c;
    }
    EXPECT_FALSE(welt.gemeldet());
}

TEST_F(Kartendatei, EveryKindOfCellSurvivesSaveLoadSave) {
    // First cell on land (A0), water with contents (lost), each tag the writer uses.
    const std::vector<Zelle> zellen = {{1},
                                       {1, 4, -1, -1, 2},
                                       {1, 4, -1, -1, 1},
                                       {1, -1, -1, -1, 1},
                                       {1, -1, 9, -1, -1},
                                       {2, 3, 5, 6},
                                       {2},
                                       {1, 1, 2, 3, 1},
                                       {0, 5, 5, 5, 5},
                                       {0},
                                       {1},
                                       {1, -1, 8, -1, 1},
                                       {1, -1, -1, -1002, 1},
                                       {2, 0, -1, -1, -1},
                                       {3}};
    karte_setzen(zellen);
    ASSERT_TRUE(LSU_Karte_speichern(datei()));
    const auto erste = zeilen();
    EXPECT_EQ(erste.front(), "A0");
    EXPECT_EQ(erste[1], "B1");
    EXPECT_EQ(erste[2], "I1/4");
    EXPECT_EQ(erste[3], "Z1/4/-1/-1/1");
    EXPECT_EQ(erste[4], "O1/1");
    EXPECT_EQ(erste[5], "L1/9");
    EXPECT_EQ(erste[6], "X2/3/5/6/-1");
    EXPECT_EQ(erste[7], "Y1/1/2/3/1");
    EXPECT_EQ(erste[8], "C2");  // water never carries data

    const std::vector<Kartenfeld> vorher = Karte;
    karte_setzen(std::vector<Zelle>(zellen.size(), Zelle{7, 7, 7, 7, 7}));
    Map_laden(ordner());
    for (std::size_t c = 0; c < Karte.size(); ++c) {
        const Kartenfeld& k = Karte[c];
        EXPECT_EQ(k.LandType(), vorher[c].LandType()) << c;
        if (k.LandType() == 0) {
            EXPECT_EQ(k.Person(), -1) << c;
            EXPECT_EQ(k.Block(), 2) << c;
            continue;
        }
        for (int f = Kartenfeld::Nr_Ambiente; f <= Kartenfeld::Nr_Block; ++f)
            EXPECT_EQ(k.feld(f), vorher[c].feld(f)) << c << " field " << f;
    }
    ASSERT_TRUE(LSU_Karte_speichern(datei()));
    EXPECT_EQ(zeilen(), erste);
    EXPECT_FALSE(welt.gemeldet());
}

// Neighbours in index order may differ by more than one level (steps of 2 and 5, up and down,
// also straight down to water and from there up): every level and content comes back.
TEST_F(Kartendatei, LevelStepsOfAnySizeComeBack) {
    const std::vector<Zelle> zellen = {
        {0}, {2}, {2, 4}, {7, 1, 2, 3, 1}, {5}, {0}, {5, 6, -1, -1, 2}, {3}, {8}, {3, -1, 9}, {1}, {0}};
    karte_setzen(zellen);
    ASSERT_TRUE(LSU_Karte_speichern(datei()));
    const auto geschrieben = zeilen();
    EXPECT_EQ(geschrieben[0], "A1");
    EXPECT_EQ(geschrieben[1], "B0");
    EXPECT_EQ(geschrieben[2], "B1");
    karte_setzen(std::vector<Zelle>(zellen.size(), Zelle{20, 1, 1, 1, 1}));
    Map_laden(ordner());
    EXPECT_FALSE(welt.gemeldet()) << Fehlertext;
    for (std::size_t c = 0; c < zellen.size(); ++c) {
        const Kartenfeld& k = Karte[c];
        const Zelle& z = zellen[c];
        EXPECT_EQ(k.LandType(), z.stufe) << c;
        if (z.stufe == 0) {
            EXPECT_EQ(k.Block(), 2) << c;
            continue;
        }
        EXPECT_EQ(k.Ambiente(), z.a) << c;
        EXPECT_EQ(k.Person(), z.p) << c;
        EXPECT_EQ(k.Objekt(), z.o) << c;
        EXPECT_EQ(k.Block(), z.b) << c;
    }
    // Saved again, the file is the same.
    ASSERT_TRUE(LSU_Karte_speichern(datei()));
    EXPECT_EQ(zeilen(), geschrieben);
}

TEST_F(Kartendatei, AnUnknownLetterIsReportedAndItsRunCarriesNothing) {
    welt.ordner().dir().write("Map.sav", "B2\r\nQ99/5\r\nZ1/1/2/3/1\r\n");
    karte_setzen(std::vector<Zelle>(5, Zelle{9, 9, 9, 9, 9}));
    Map_laden(ordner());
    EXPECT_EQ(Fehlertext, "Map_laden > Nicht abgefangen S2:Q");
    // The unknown line keeps level 1 and the length 2 of the line before.
    for (int c : {2, 3}) {
        EXPECT_EQ(Karte[static_cast<std::size_t>(c)].LandType(), 1);
        EXPECT_EQ(Karte[static_cast<std::size_t>(c)].Ambiente(), -1);
    }
    EXPECT_EQ(Karte[4].Objekt(), 3);
}

TEST_F(Kartendatei, ABrokenFileIsReportedAndLeavesTheMapAlone) {
    const std::vector<std::pair<const char*, std::string>> faelle = {
        {"run length not a number", "A1\r\nBx\r\n"},
        {"negative run", "A-1\r\nB4\r\n"},
        {"field not a number", "A1\r\nB1\r\nF1/\r\nC1\r\n"},
        {"extra field", "A1\r\nB2/5\r\nC0\r\n"},
        {"level below water", "A1\r\nC2\r\n"},
        {"level above 20", std::string("A0\r\n") +
                               [] {
                                   std::string s;
                                   for (int i = 0; i < 21; ++i) s += "B0\r\n";
                                   return s + "B3\r\n";
                               }()},
        {"more cells than the map", "A1\r\nB5\r\n"},
        {"fewer cells than the map", "A1\r\nB1\r\n"},
        {"huge run", "A3\r\nB99999999999\r\n"}};
    for (const auto& [fall, inhalt] : faelle) {
        welt.ordner().dir().write("Map.sav", inhalt);
        karte_setzen(std::vector<Zelle>(3, Zelle{4, 4, 4, 4, 4}));
        bool kaputt = false;
        EXPECT_FALSE(Map_lesen(ordner(), 3, kaputt).has_value()) << fall;
        EXPECT_TRUE(kaputt) << fall;
        EXPECT_TRUE(welt.gemeldet()) << fall;
        Map_laden(ordner());
        for (const Kartenfeld& k : Karte) EXPECT_EQ(k.LandType(), 4) << fall;
        Fehler_zuruecksetzen();
    }
}

TEST_F(Kartendatei, BlankLinesHoldNoRun) {
    welt.ordner().dir().write("Map.sav", "A1\r\n\r\nB2\r\n\r\n");
    karte_setzen(std::vector<Zelle>(3, Zelle{4}));
    Map_laden(ordner());
    EXPECT_EQ(Karte[0].LandType(), 0);
    EXPECT_EQ(Karte[2].LandType(), 1);
    EXPECT_FALSE(welt.gemeldet());
}

TEST_F(Kartendatei, AMissingFileIsNoFault) {
    karte_setzen({{3}, {3}});
    bool kaputt = true;
    EXPECT_FALSE(Map_lesen(ordner(), 2, kaputt).has_value());
    EXPECT_FALSE(kaputt);
    Map_laden(ordner());
    EXPECT_EQ(Karte[0].LandType(), 3);
    EXPECT_FALSE(welt.gemeldet());
}

TEST_F(Kartendatei, CountsTheOccupiedFieldsOfACell) {
    karte_setzen({{1, 3, -1, 0, 2}, {1}, {1, -1, -5, -1, -1}});
    EXPECT_EQ(LSU_Feldbelegung_zaehlen(0), 3);
    EXPECT_EQ(LSU_Feldbelegung_zaehlen(1), 0);
    EXPECT_EQ(LSU_Feldbelegung_zaehlen(2), 0);
    EXPECT_EQ(LSU_Feldbelegung_zaehlen(3), 0);
    EXPECT_EQ(LSU_Feldbelegung_zaehlen(-1), 0);
}

}  // namespace

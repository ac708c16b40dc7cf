#include "foundation/Bauplaetze.h"

#include <gtest/gtest.h>

#include "foundation/SchablonenHilfe.h"

namespace {

using bhmtest::Schablonenumgebung;

struct Zelle {
    int versatz, belegt;
    bool operator==(const Zelle&) const = default;
};

std::vector<Zelle> zellen(int id) {
    std::vector<Zelle> z;
    for (int i = 0; i <= SBU_Bauplatz_Felderzahl(id); ++i)
        z.push_back({SBU_Bauplatz_Feld_Versatz(id, i), SBU_Bauplatz_Feld_belegt(id, i)});
    return z;
}

TEST(Bauplaetze, Grids) {
    struct Fall {
        const char* name;
        std::string datei;
        int seite;
        std::vector<Zelle> erwartet;
        int ohne_bezug;
    } faelle[] = {
        {"two rows", "141\n111\n", 256, {{-1, 1}, {0, 1}, {1, 1}, {-257, 1}, {-256, 1}, {-255, 1}}, 0},
        {"other characters are site cells, not solid", "2x4", 256, {{-2, 0}, {-1, 0}, {0, 1}}, 0},
        {"the last 4 is the anchor", "4104\r\n", 320, {{-3, 1}, {-2, 1}, {0, 1}}, 0},
        {"rows below are smaller y", "010\n040\n010\n", 512, {{512, 1}, {0, 1}, {-512, 1}}, 0},
        {"short lines read as 0",
         "1111\n14\n\n1\n",
         256,
         {{255, 1}, {256, 1}, {257, 1}, {258, 1}, {-1, 1}, {0, 1}, {-513, 1}},
         0},
        {"longer lines are cut at the first's width",
         "14\n1111\n",
         256,
         {{-1, 1}, {0, 1}, {-257, 1}, {-256, 1}},
         0},
        {"without 4: anchored outside the grid", "11\n1\n", 256, {{-255, 1}, {-254, 1}, {-511, 1}}, 1},
        {"empty file", "", 256, {}, 0},
    };
    for (const Fall& f : faelle) {
        Schablonenumgebung u;
        MG_Kartengroesse = f.seite;
        u.schreiben("Bauplatz.Obj", f.datei);
        SBU_Bauplatz_laden(u.pfad("Bauplatz.Obj"), 3);
        ASSERT_EQ(SBU_Bauplaetze.size(), 4u) << f.name;
        EXPECT_EQ(zellen(3), f.erwartet) << f.name;
        EXPECT_EQ(u.meldungen_mit("SBU_Bauplatz_laden > Kein Bezugsfeld (4) gefunden: "), f.ohne_bezug)
            << f.name;
    }
}

TEST(Bauplaetze, AccessorsCheckTheirIndexes) {
    Schablonenumgebung u;
    u.schreiben("B.obj", "4");
    SBU_Bauplatz_laden(u.pfad("B.obj"), 0);
    EXPECT_EQ(SBU_Bauplatz_Felderzahl(0), 0);
    EXPECT_EQ(SBU_Bauplatz_Felderzahl(1), -1);
    EXPECT_EQ(SBU_Bauplatz_Felderzahl(-1), -1);
    EXPECT_EQ(SBU_Bauplatz_Feld_Versatz(0, 1), 0);
    EXPECT_EQ(SBU_Bauplatz_Feld_belegt(5, 0), 0);
    EXPECT_EQ(u.meldungen().size(), 2u);
    SBU_Bauplatz_laden(u.pfad("fehlt.obj"), 1);
    EXPECT_EQ(SBU_Bauplatz_Felderzahl(1), -1);
    EXPECT_EQ(u.meldungen_mit("SBU_Bauplatz_laden > Datei konnte nicht gelesen werden: "), 1);
}

}  // namespace

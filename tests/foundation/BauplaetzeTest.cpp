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
    // Each grid gives its cells and at most one report, which names what is wrong.
    struct Fall {
        const char* name;
        std::string datei;
        int seite;
        std::vector<Zelle> erwartet;
        const char* meldung;  // part of the one report; nullptr for none
    } faelle[] = {
        {"two rows", "141\n111\n", 256, {{-1, 1}, {0, 1}, {1, 1}, {-257, 1}, {-256, 1}, {-255, 1}}, nullptr},
        {"other characters are site cells, not solid", "2x4", 256, {{-2, 0}, {-1, 0}, {0, 1}}, nullptr},
        {"the last 4 is the anchor", "4104\r\n", 320, {{-3, 1}, {-2, 1}, {0, 1}}, nullptr},
        {"rows below are smaller y", "010\n040\n010\n", 512, {{512, 1}, {0, 1}, {-512, 1}}, nullptr},
        {"short lines read as 0",
         "1111\n14\n\n1\n",
         256,
         {{255, 1}, {256, 1}, {257, 1}, {258, 1}, {-1, 1}, {0, 1}, {-513, 1}},
         "SBU_Bauplatz_laden > Zeile 2 ist 2 Zeichen lang, die erste 4 (gelesen wie mit 0 aufgefuellt): "},
        {"longer lines are cut at the first's width",
         "14\n1111\n",
         256,
         {{-1, 1}, {0, 1}, {-257, 1}, {-256, 1}},
         "Zeile 2 ist 4 Zeichen lang, die erste 2"},
        {"without 4: anchored outside the grid",
         "11\n11\n",
         256,
         {{-255, 1}, {-254, 1}, {-511, 1}, {-510, 1}},
         "SBU_Bauplatz_laden > Kein Bezugsfeld (4) gefunden: "},
        {"uneven and without 4: one report",
         "11\n1\n",
         256,
         {{-255, 1}, {-254, 1}, {-511, 1}},
         "(gelesen wie mit 0 aufgefuellt), Kein Bezugsfeld (4) gefunden: "},
        {"control bytes: no grid, the anchor alone",
         std::string("1\x01"
                     "4\n\x00\xff"
                     "1\n",
                     7),
         256,
         {{0, 1}},
         "SBU_Bauplatz_laden > Kein Zeichenraster (Steuerzeichen in Zeile 1)"},
        {"empty file", "", 256, {}, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Schablonenumgebung u;
        MG_Kartengroesse = f.seite;
        u.schreiben("Bauplatz.Obj", f.datei);
        SBU_Bauplatz_laden(u.pfad("Bauplatz.Obj"), 3);
        ASSERT_EQ(SBU_Bauplaetze.size(), 4u);
        EXPECT_EQ(zellen(3), f.erwartet);
        if (f.meldung) {
            ASSERT_EQ(u.meldungen().size(), 1u);
            EXPECT_NE(u.meldungen()[0].find(f.meldung), std::string::npos) << u.meldungen()[0];
            EXPECT_NE(u.meldungen()[0].find(u.pfad("Bauplatz.Obj")), std::string::npos) << "names the file";
        } else {
            EXPECT_TRUE(u.meldungen().empty()) << u.meldungen()[0];
        }
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

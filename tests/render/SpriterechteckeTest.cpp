#include "render/Spriterechtecke.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/ProgrammOrdner.h"
#include "foundation/Fehler.h"

namespace {

ML_Rechteck person(int n) {
    ML_Personenframe_Rechteck(n);
    return ML_Zellrechteck;
}

ML_Rechteck modell(int m) {
    ML_Interfacemodell_Rechteck(m);
    return ML_Zellrechteck;
}

// Drawn size of an interface model with the general quad.
std::pair<int, int> groesse(int m) {
    const ML_Rechteck r = modell(m);
    return {r.Versatz_X + 16 * (r.Rechts - r.Links), r.Versatz_Y + 16 * (r.Unten - r.Oben)};
}

}  // namespace

TEST(Spriterechtecke, PersonFramesAndNumbersOutsideThePack) {
    struct Fall {
        int n;
        ML_Rechteck r;
    };
    for (const Fall& f :
         {Fall{0, {0, 0, 0, 1, 0, 2}}, Fall{59, {0, 0, 59, 60, 0, 2}}, Fall{60, {0, 0, 0, 1, 2, 4}},
          Fall{1799, {0, 0, 59, 60, 58, 60}}, Fall{1800, {0, 0, 0, 1, 0, 2}}, Fall{-1, {0, 0, 0, 1, 0, 2}},
          Fall{504, {0, 0, 24, 25, 16, 18}}})
        EXPECT_EQ(person(f.n), f.r) << "frame " << f.n;
}

TEST(Spriterechtecke, InterfaceModelsRepeatsAndSizes) {
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    EXPECT_EQ(modell(45), modell(43));
    EXPECT_EQ(modell(60), modell(51));
    EXPECT_EQ(modell(217), modell(214));
    EXPECT_EQ(groesse(27), std::make_pair(274, 55));
    EXPECT_EQ(groesse(176), std::make_pair(544, 26));
    EXPECT_EQ(groesse(180), std::make_pair(14, 330));
    EXPECT_EQ(groesse(1), std::make_pair(64, 64));
    EXPECT_EQ(modell(104), (ML_Rechteck{0, 0, 0, 5, 33, 38}));
    EXPECT_EQ(modell(156), (ML_Rechteck{0, 0, 40, 45, 53, 58}));
    EXPECT_EQ(modell(191), (ML_Rechteck{230, -7, 44, 46, 14, 16}));
    EXPECT_EQ(modell(309), (ML_Rechteck{0, 0, 48, 52, 36, 40}));
    EXPECT_EQ(modell(313), (ML_Rechteck{0, 0, 48, 52, 52, 56}));
    EXPECT_EQ(modell(314), (ML_Rechteck{0, 0, 22, 24, 0, 2}));
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
}

// The switches of the toggle windows and the buttons of the edict window are drawn in the
// same frames: none of them may take its picture from pixels that another model draws on.
TEST(Spriterechtecke, SwitchesAndEdictButtonsHavePixelsOfTheirOwn) {
    bhmtest::ProgrammOrdner ordner;
    std::vector<int> eigene;
    for (int m = 103; m <= 156; ++m) eigene.push_back(m);
    for (int m = 305; m <= 313; ++m) eigene.push_back(m);
    for (int a : eigene)
        for (int b = 1; b < ML_Interfacemodell_Anzahl; ++b) {
            const ML_Rechteck ra = modell(a), rb = modell(b);
            // Models 262..281 have rectangles but no window draws them.
            if (a == b || ra == rb || (b >= 262 && b <= 281)) continue;
            EXPECT_FALSE(ra.Links < rb.Rechts && rb.Links < ra.Rechts && ra.Oben < rb.Unten &&
                         rb.Oben < ra.Unten)
                << "models " << a << " and " << b << " share pixels";
        }
}

TEST(Spriterechtecke, ModelOutsideTheTableIsReportedAndGivesTheWholeTexture) {
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    for (int m : {315, -1}) {
        Fehler_zuruecksetzen();
        EXPECT_EQ(modell(m), (ML_Rechteck{0, 0, 0, 64, 0, 64}));
        EXPECT_EQ(Fehlertext, "Interfacemodel konnte geladen werden : " + std::to_string(m));
    }
}

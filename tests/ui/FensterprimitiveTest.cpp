// Drawing primitives of the in-game windows: quads at a place and depth, the
// level bar, the bonus markers, frame, background, the clearing dialog and the
// atlas element stretched over the window.
#include "ui/Fensterprimitive.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "common/ProgrammOrdner.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "render/Interface.h"
#include "render/Interfaceatlas.h"
#include "render/Modelliste.h"
#include "ui/UiHilfe.h"

namespace {

using P = std::array<std::uint8_t, 3>;
constexpr P fSchwarz{0, 0, 0}, fRot{255, 0, 0}, fGruen{0, 255, 0}, fBlau{0, 0, 255}, fWeiss{255, 255, 255};

using bhmtest::Testmodelle;

void beginnen() { bhmtest::Fensterzustand(bhmtest::Uibreite, bhmtest::Uihoehe); }

std::array<GLfloat, 16> modelview() {
    std::array<GLfloat, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

}  // namespace

TEST(Fensterprimitive, LevelBarFillsTheFirstStepsAndTellsWhetherTheValueFitted) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    Testmodelle modelle({{177, fRot}, {178, fGruen}});
    struct Fall {
        int stufe;
        bool passt;
        int voll;
    };
    for (const Fall& f : {Fall{0, true, 0}, Fall{2, true, 2}, Fall{6, true, 6}, Fall{7, false, 6}}) {
        beginnen();
        glTranslatef(50, 100, 0);
        EXPECT_EQ(IFU_Stufenleiste_zeichnen(f.stufe, 20), f.passt) << f.stufe;
        const Bild b = bhmtest::Bild_lesen();
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(bhmtest::Pixel(b, 50 + (i + 1) * 20, 100), i < f.voll ? fRot : fGruen)
                << "Stufe " << f.stufe << ", step " << i;
        EXPECT_EQ(bhmtest::Pixel(b, 50, 100), fSchwarz) << "the first step stands one distance right";
    }
}

TEST(Fensterprimitive, EveryRoutineLeavesTheMatrixAsItFoundIt) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    bhmtest::Uischale schale;
    Testmodelle modelle({{48, fRot}});
    ITF_Texturkoordinaten = {{0, 0, 1, 3, 0, 1}};
    ITF_Texturgroesse = 256;
    ML_Gebaeudelisten = {0};
    ML_Bauiconlisten = {0};
    ML_Iconlisten = {0};
    const std::vector<std::pair<const char*, std::function<void()>>> aufrufe = {
        {"Icon", [] { IFU_Icon_zeichnen(13, 17, 1000, 48); }},
        {"Set2 outside", [] { IFU_Icon_zeichnen_Set2(13, 17, 1000, 0); }},
        {"Set3", [] { IFU_Icon_zeichnen_Set3(13, 17, 990, 0); }},
        {"Set4", [] { IFU_Icon_zeichnen_Set4(13, 17, 333, 0); }},
        {"Set5", [] { IFU_Icon_zeichnen_Set5(-13, 17, 1, 0); }},
        {"Element", [] { IFU_Interfaceelement_zeichnen(3, 4, 100, 0); }},
        {"Bonus", [] { IFU_Bonusliste_Icon(1, 2, 3, 0); }},
        {"Stufen", [] { IFU_Stufenleiste_zeichnen(3, 17); }},
        {"Rahmen", [] { IFU_Fensterrahmen_zeichnen(160, 120); }},
        {"Hintergrund", [] { IFU_Fensterhintergrund_zeichnen(160, 120); }},
        {"Leiste", [] { IFU_Icon_Leiste_zeichnen(); }},
    };
    for (const auto& [name, aufruf] : aufrufe) {
        beginnen();
        glTranslatef(5, 7, 0.5f);
        const auto vorher = modelview();
        aufruf();
        EXPECT_EQ(modelview(), vorher) << name;
    }
    EXPECT_EQ(Fehlertext, "IFU_Icon_zeichnen_Set2 > Nummer nicht abgefangen : 0") << "ITF_Listen is empty";
    ITF_Freigeben();
    ML_Gebaeudelisten.clear();
    ML_Bauiconlisten.clear();
    ML_Iconlisten.clear();
}

TEST(Fensterprimitive, QuadsStandAtTheirPlaceAndNumbersOutsideAreReported) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    Testmodelle modelle({{48, fRot}, {189, fGruen}, {190, fBlau}, {187, fWeiss}, {188, fRot}});
    beginnen();
    for (int art = 0; art < 5; ++art) IFU_Bonusliste_Icon(10 + 10 * art, 20, 1000, art);
    const Bild b = bhmtest::Bild_lesen();
    for (auto [art, f] :
         std::vector<std::pair<int, P>>{{0, fRot}, {1, fGruen}, {2, fBlau}, {3, fWeiss}, {4, fRot}})
        EXPECT_EQ(bhmtest::Pixel(b, 10 + 10 * art, 20), f) << art;
    EXPECT_TRUE(Fehlertext.empty());
    IFU_Bonusliste_Icon(0, 0, 0, 5);
    EXPECT_EQ(Fehlertext, "Interfacecall > Bonusliste > Eintrag nicht gefunden. ID:5");
    IFU_Icon_zeichnen(0, 0, 0, ML_Interfacemodell_Anzahl);
    EXPECT_EQ(Fehlertext, "IFU_Icon_zeichnen > Nummer nicht abgefangen : 315");
    IFU_Interfaceelement_zeichnen(0, 0, 0, -1);
    EXPECT_EQ(Fehlertext, "IFU_Interfaceelement_zeichnen > Nummer nicht abgefangen : -1");

    // Depth Z / 100: the quad at depth 10 covers the one at depth 9.8 wherever it is drawn.
    beginnen();
    IFU_Icon_zeichnen(30, 30, 1000, 189);
    IFU_Icon_zeichnen(30, 30, 980, 190);
    EXPECT_EQ(bhmtest::Pixel(bhmtest::Bild_lesen(), 30, 30), fGruen);
}

TEST(Fensterprimitive, FrameBackgroundAndClearingDialogAroundTheCentre) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    Testmodelle modelle(
        {{179, fRot}, {27, fGruen}, {180, fBlau}, {176, fWeiss}, {295, fGruen}, {296, fBlau}});
    beginnen();
    IFU_Fensterrahmen_zeichnen(170, 170);
    Bild b = bhmtest::Bild_lesen();
    EXPECT_EQ(bhmtest::Pixel(b, 5, 19), fRot);
    for (int y : {32, 87, 142, 197}) EXPECT_EQ(bhmtest::Pixel(b, 33, y), fGruen) << y;
    EXPECT_EQ(bhmtest::Pixel(b, 19, 5), fBlau);
    EXPECT_EQ(bhmtest::Pixel(b, 307, 5), fBlau);

    // The windows with a frame (toggle switches, worker slots, the clearing dialog) draw their
    // contents first at depth 1000; under the strictly-less rule the interface pass draws windows
    // with, the frame's strips across the middle must not cover them.
    beginnen();
    Draw_Fensterregel();
    IFU_Icon_zeichnen(33, 142, 1000, 176);
    IFU_Fensterrahmen_zeichnen(170, 170);
    b = bhmtest::Bild_lesen();
    EXPECT_EQ(bhmtest::Pixel(b, 33, 142), fWeiss);
    EXPECT_EQ(bhmtest::Pixel(b, 33, 87), fGruen);

    beginnen();
    IFU_Fensterhintergrund_zeichnen(280, 260);
    b = bhmtest::Bild_lesen();
    for (int y = 13; y < bhmtest::Uihoehe; y += 26) EXPECT_EQ(bhmtest::Pixel(b, 8, y), fWeiss) << y;
    EXPECT_EQ(bhmtest::Pixel(b, 8, 26), fSchwarz);

    const int mx = IFU_Fenstermitte_X, my = IFU_Fenstermitte_Y;
    IFU_Fenstermitte_X = 160;
    IFU_Fenstermitte_Y = 100;
    beginnen();
    IFU_Icon_Leiste_zeichnen();
    b = bhmtest::Bild_lesen();
    EXPECT_EQ(bhmtest::Pixel(b, 112, 138), fGruen);
    EXPECT_EQ(bhmtest::Pixel(b, 112, 190), fBlau);
    // The frame around the centre is drawn as well: one of its bars at (centre - 137, centre - 28).
    EXPECT_EQ(bhmtest::Pixel(b, 160 - 137, 100 - 28), fGruen);
    IFU_Fenstermitte_X = mx;
    IFU_Fenstermitte_Y = my;
}

TEST(Fensterprimitive, AtlasElementCoversTheWindowFromItsCorner) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    bhmtest::Uischale schale;
    ITF_Texturkoordinaten = {{0, 0, 0, 1, 0, 1}, {0, 0, 2, 4, 1, 3}};
    ITF_Texturgroesse = 256;
    beginnen();
    IFU_Interfaceelement_zeichnen(10, 20, 100, 1);
    const Bild b = bhmtest::Bild_lesen();
    EXPECT_EQ(bhmtest::Pixel(b, 5, 25), fSchwarz);
    EXPECT_EQ(bhmtest::Pixel(b, 15, 15), fSchwarz);
    EXPECT_EQ(bhmtest::Pixel(b, 10, 20), fWeiss);
    EXPECT_EQ(bhmtest::Pixel(b, bhmtest::Uibreite - 1, bhmtest::Uihoehe - 1), fWeiss);
    ITF_Freigeben();

    IFU_Anzeigezaehler = 2;
    IFU_Anzeigezaehler_runter();
    EXPECT_EQ(IFU_Anzeigezaehler, 1);
}

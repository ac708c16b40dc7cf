// Text output: projection, printing, measuring, centring and the loading-status lines.
#include "ui/Textausgabe.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Text1252.h"
#include "foundation/Seams.h"
#include "foundation/Zeichenbreiten.h"
#include "ui/UiHilfe.h"

namespace {

// Records the frames drawn at once.
struct Textschale : bhmtest::Uischale {
    std::vector<bool> frames;
    void Grafik_Engiene(bool nurInterface) override { frames.push_back(nurInterface); }
};

// The overlay with a black screen and white text.
void leeren() {
    glViewport(0, 0, bhmtest::Uibreite, bhmtest::Uihoehe);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    TPU_2D_Modus();
    glColor3f(1, 1, 1);
}

// Bounding box of the lit pixels: {x0, y0, x1, y1}, all -1 when none.
std::array<int, 4> umriss(const Bild& b) {
    std::array<int, 4> r{-1, -1, -1, -1};
    for (int y = 0; y < b.hoehe; ++y)
        for (int x = 0; x < b.breite; ++x) {
            const auto p = bhmtest::Pixel(b, x, y);
            if (!p[0] && !p[1] && !p[2]) continue;
            if (r[0] < 0 || x < r[0]) r[0] = x;
            if (r[1] < 0) r[1] = y;
            r[2] = std::max(r[2], x);
            r[3] = y;
        }
    return r;
}

}  // namespace

TEST(Textausgabe, OverlayProjectionIsTheClientAreaWithYDown) {
    GL_NOETIG();
    Textschale schale;
    glEnable(GL_DEPTH_TEST);
    TPU_2D_Modus();
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat p[16], m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, p);
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(p[0], 2.0f / bhmtest::Uibreite);
    EXPECT_FLOAT_EQ(p[5], -2.0f / bhmtest::Uihoehe);
    EXPECT_FLOAT_EQ(p[10], -1.0f);
    EXPECT_FLOAT_EQ(p[12], -1.0f);
    EXPECT_FLOAT_EQ(p[13], 1.0f);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(m[i], i % 5 == 0 ? 1.0f : 0.0f);
    GLint modus = 0;
    glGetIntegerv(GL_MATRIX_MODE, &modus);
    EXPECT_EQ(modus, GL_MODELVIEW);
}

TEST(Textausgabe, PrintingAdvancesByTheMeasuredWidth) {
    GL_NOETIG();
    Textschale schale;
    bhmtest::Schriftform schrift;
    EXPECT_EQ(TPU_Textbreite_Font1(""), 0);
    ASSERT_GT(TPU_Textbreite_Font1("A"), 0);
    EXPECT_EQ(TPU_Textbreite_Font1("AA"), 2 * TPU_Textbreite_Font1("A"));
    EXPECT_EQ(TPU_Textbreite_Font2("AA"), 2 * TPU_Textbreite_Font2("A"));
    EXPECT_LT(TPU_Textbreite_Font2("Wagen"), TPU_Textbreite_Font1("Wagen")) << "font 2 is the smaller";

    leeren();
    EXPECT_EQ(TPU_Print_Font1(30, 50, ""), 30) << "an empty text leaves the raster where it starts";
    EXPECT_EQ(TPU_Print_Font1(30, 50, "Haus"), 30 + TPU_Textbreite_Font1("Haus"));
    const std::string umlaut = W("Hühner");
    EXPECT_EQ(TPU_Print_Font2(30, 120, umlaut), 30 + TPU_Textbreite_Font2(umlaut));
    // Off the screen the raster does not move; the answer still is the advance.
    EXPECT_EQ(TPU_Print_Font1(-500, 50, "Haus"), -500 + TPU_Textbreite_Font1("Haus"));

    // The glyphs stand on the base line from X on.
    leeren();
    TPU_Print(40, 60, "Haus");
    const auto r = umriss(bhmtest::Bild_lesen());
    ASSERT_GE(r[0], 0) << "something was drawn";
    EXPECT_GE(r[0], 40);
    EXPECT_LE(r[2], 40 + TPU_Textbreite_Font1("Haus"));
    EXPECT_LT(r[1], 60);
    EXPECT_LE(r[3], 60 + 5) << "only descenders below the base line";
    EXPECT_GE(r[3], 55);
}

TEST(Textausgabe, EmptyTextTouchesNothingAndCentringUsesTheFloorOfHalfTheWidth) {
    GL_NOETIG();
    Textschale schale;
    bhmtest::Schriftform schrift;
    leeren();
    glRasterPos2i(7, 9);
    TPU_Print(100, 100, "");
    TPU_Print2(100, 100, "");
    TPU_Print_zentriert(100, 100, "");
    GLfloat pos[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, pos);
    EXPECT_FLOAT_EQ(pos[0], 7.0f);
    EXPECT_EQ(umriss(bhmtest::Bild_lesen())[0], -1);

    // A text of odd width starts at X - floor(w / 2).
    std::string text;
    for (const char* t : {"Wagen", "Fisch", "Brot", "Holz", "Mehl", "Kohle", "Erz", "a", "ab", "abc"})
        if (TPU_Textbreite_Font1(t) % 2 == 1) {
            text = t;
            break;
        }
    ASSERT_FALSE(text.empty()) << "no test word of odd width";
    const int w = TPU_Textbreite_Font1(text);
    leeren();
    TPU_Print_zentriert(160, 100, text);
    const Bild zentriert = bhmtest::Bild_lesen();
    leeren();
    TPU_Print(160 - w / 2, 100, text);
    EXPECT_EQ(zentriert.pixel, bhmtest::Bild_lesen().pixel);
}

TEST(Textausgabe, LoadingStatusScrollsAndDrawsAnInterfaceFrameEachLine) {
    Textschale schale;
    TPU_Ladestatus_leeren();
    for (char c = 'a'; c <= 'q'; ++c) TPU_Ladestatus_add(std::string(1, c));
    EXPECT_EQ(TPU_Ladestatus_Zeilen[0], "b");
    EXPECT_EQ(TPU_Ladestatus_Zeilen[1], "c");
    EXPECT_EQ(TPU_Ladestatus_Zeilen[15], "q");
    EXPECT_EQ(schale.frames, std::vector<bool>(17, true));
    TPU_Ladestatus_leeren();
    for (const auto& z : TPU_Ladestatus_Zeilen) EXPECT_TRUE(z.empty());
}

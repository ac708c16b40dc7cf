// The pure parts of the world view: the visible window, the colour ramp, the camera
// and the colours of the map overview.
#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Spielstatus.h"
#include "render/Farbskala.h"
#include "render/Kamera.h"
#include "render/Kartentexturen.h"
#include "render/Szene.h"
#include "render/Testschale.h"

namespace {

using Farbe3 = std::array<float, 3>;
using Rgb = std::array<std::uint8_t, 3>;

}  // namespace

TEST(Sichtbereich, WindowOfTheViewClampedToTheMap) {
    struct Fall {
        int sx, sy, w, h, n;
        Sichtfenster f;
    };
    const Fall faelle[] = {
        // Rows floor(SY/10) - floor(H/10) - 14 .. floor(SY/10) + 10; columns floor((-SX - W)/20) ..
        // floor((W - SX)/20), both less half the first row.
        {0, 0, 1280, 700, 256, {0, 64, 0, 10}},
        {-2000, 3000, 1280, 700, 256, {0, 56, 216, 254}},
        // Negative offsets round towards minus infinity: floor(-5/10) = -1, floor(-1285/20) = -65.
        {5, -5, 1280, 700, 256, {0, 63, 0, 9}},
        {-1300, 1200, 1280, 700, 256, {0, 111, 36, 130}},
        // Far below the top the rows stop at side - 2, far to the right the columns at side - 1;
        // the window is then empty (first bound above the last).
        {-10000, 100000, 1280, 700, 256, {0, -4394, 9916, 254}},
        {-100000, 0, 1280, 700, 832, {4936, 831, 0, 10}},
        // Above the map: the last row is negative.
        {0, -200, 1280, 700, 256, {0, 64, 0, -10}},
        // A window taller than its width less 240: the top row's first column on screen (less
        // its 40 pixels) is left of the first row's margin, and is taken.
        {-660, 400, 320, 240, 64, {6, 48, 2, 50}},
        {-2000, 1500, 1280, 1200, 256, {18, 156, 16, 160}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Sichtbereich_berechnen(f.sx, f.sy, f.w, f.h, f.n), f.f) << f.sx << "/" << f.sy;
}

TEST(Farbskala, StepsColoursAndEqualEnds) {
    EXPECT_EQ(Farbskala_Stufe(50, 0, 100), 5);
    EXPECT_EQ(Farbskala_Stufe(100, 0, 100), 0);
    EXPECT_EQ(Farbskala_Stufe(0, 0, 100), 10);
    EXPECT_EQ(Farbskala_Stufe(120, 0, 100), -2);
    EXPECT_EQ(Farbskala_Stufe(2, 0, 4), 5) << "two workers and two free slots";
    EXPECT_EQ(Farbskala_Stufe(3, 5, 5), std::nullopt) << "equal ends have no step";
    EXPECT_EQ(Farbskala_Farbe(5), (Farbe3{0.7f, 0.5f, 0.0f}));
    EXPECT_EQ(Farbskala_Farbe(0), (Farbe3{0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(Farbskala_Farbe(8), (Farbe3{1.0f, 0.2f, 0.0f}));
    for (int k : {9, 10, -1, -2}) EXPECT_EQ(Farbskala_Farbe(k), (Farbe3{1.0f, 0.0f, 0.0f})) << k;
}

TEST(Farbskala, PreviewColours) {
    // Cheapest white, dearest red, unaffordable black, equal ends white.
    EXPECT_EQ(Bauvorschau_Farbe(3, 100, 3, 13), (Farbe3{1, 1, 1}));
    EXPECT_EQ(Bauvorschau_Farbe(13, 100, 3, 13), (Farbe3{1, 0, 0}));
    EXPECT_EQ(Bauvorschau_Farbe(8, 100, 3, 13), (Farbe3{0.7f, 0.5f, 0.0f}));
    EXPECT_EQ(Bauvorschau_Farbe(100, 100, 3, 13), (Farbe3{0, 0, 0})) << "cost equal to the gold";
    EXPECT_EQ(Bauvorschau_Farbe(4, 100, 4, 4), (Farbe3{1, 1, 1}));
}

TEST(Kamera, DragFollowsTheMouseAndRemembersThePosition) {
    bhmtest::ProgrammOrdner ordner;
    MausinverterX = MausinverterY = false;
    Kamera_Mausbewegung(100, 100);
    EXPECT_EQ(SX, 0) << "not dragging: only the position is remembered";
    Kamera_ziehen = true;
    Kamera_Mausbewegung(105, 97);
    EXPECT_EQ(SX, 5);
    EXPECT_EQ(SY, -3);
    MausinverterX = true;
    Kamera_Mausbewegung(110, 97);
    EXPECT_EQ(SX, 0);
    EXPECT_EQ(Maus_letztes_X, 110);
    EXPECT_EQ(Maus_letztes_Y, 97);
    MausinverterX = false;
}

TEST(Kamera, CentringTakesTheZoomIntoAccount) {
    bhmtest::ProgrammOrdner ordner;
    bhmtest::Testschale schale(1024, 768);
    Kamera_ziehen = true;
    Kamera_zentrieren(0, 0);
    EXPECT_EQ(SX, 512);
    EXPECT_EQ(SY, 384);
    EXPECT_TRUE(Neuzeichnen);
    EXPECT_EQ(Mausstatus, 2);
    EXPECT_FALSE(Kamera_ziehen);
    schale.breite = 1025;
    Kamera_zentrieren(0, 0);
    EXPECT_EQ(SX, 512);
    // At zoom 40 the screen shows twice the world: the cell lands in the centre all the same.
    schale.breite = 1024;
    Zoomstufe = 40;
    Kamera_zentrieren(10, 20);
    EXPECT_EQ(2 * (20 * 10 + 10 * 20 + SX), 512);
    EXPECT_EQ(2 * (-10 * 20 + SY), 384);
}

TEST(Kamera, MinimapClickIsTheInverseOfTheDrawingAndClamped) {
    struct Fall {
        int mx, my, n, x, y;
    };
    // Column c of the picture shows cell ceil(c N / 256); row 256 - 2 my likewise.
    for (const Fall& f : {Fall{100, 64, 256, 100, 128}, Fall{0, 128, 256, 0, 0}, Fall{255, 0, 256, 255, 255},
                          Fall{255, 0, 832, 829, 829}, Fall{128, 64, 832, 416, 416},
                          Fall{300, -5, 832, 829, 829}, Fall{-3, 200, 832, 0, 0}}) {
        int x = -1, y = -1;
        Kamera_Minimapfeld(f.mx, f.my, f.n, x, y);
        EXPECT_EQ(x, f.x) << f.mx << "/" << f.my << " side " << f.n;
        EXPECT_EQ(y, f.y) << f.mx << "/" << f.my << " side " << f.n;
        // The cell found is the one the minimap draws in that column.
        if (f.mx >= 0 && f.mx < 256) {
            EXPECT_EQ(x * 256 / f.n, f.mx);
        }
    }
    bhmtest::Kernwelt welt(832);
    bhmtest::Testschale schale(1280, 700);
    Kamera_Minimapklick(255, 0);
    EXPECT_EQ(SX, 640 - 20 * 829 - 10 * 829);
    EXPECT_EQ(SY, 350 + 10 * 829);
}

TEST(Kartentexturen, ColoursOfTheFourViews) {
    bhmtest::Kernwelt welt;
    Spieler.resize(2);
    Spieler[1].Farbe_R() = 100;
    Spieler[1].Farbe_G() = 50;
    Spieler[1].Farbe_B() = 0;
    SBU_Objekte = {bhmtest::Gebaeude("Home"), bhmtest::Gebaeude("Produktion"), bhmtest::Gebaeude("Lager"),
                   bhmtest::Gebaeude("Hafen"), bhmtest::Gebaeude("Start")};
    const Rgb wasser = {71, 167, 163};
    auto farbe = [](Kartenpunkt p, int v) { return ML_Kartenfarbe(p, v); };
    // Water without clan or building.
    EXPECT_EQ(farbe({-1, 0, -1, -1}, 0), wasser);
    EXPECT_EQ(farbe({-1, 0, -1, -1}, 1), (Rgb{0, 0, 0}));
    EXPECT_EQ(farbe({-1, 0, -1, -1}, 2), wasser);
    EXPECT_EQ(farbe({-1, 0, -1, -1}, 3), wasser);
    // Levels below 0 and above 20 are water, not a read before the table.
    EXPECT_EQ(farbe({-1, -1, -1, -1}, 0), wasser);
    EXPECT_EQ(farbe({-1, 21, -1, -1}, 0), wasser);
    EXPECT_EQ(farbe({-1, 20, -1, -1}, 0), (Rgb{215, 215, 215}));
    // The clan and building views tell only level 0 (or below) from land.
    EXPECT_EQ(farbe({-1, -1, -1, -1}, 2), wasser);
    EXPECT_EQ(farbe({-1, -1, -1, -1}, 3), wasser);
    EXPECT_EQ(farbe({-1, 21, -1, -1}, 2), (Rgb{255, 224, 168}));
    EXPECT_EQ(farbe({-1, 21, -1, -1}, 3), (Rgb{255, 255, 255}));
    // Islands: 0 white, 25 like 1, 97 black.
    EXPECT_EQ(farbe({0, 3, -1, -1}, 1), (Rgb{255, 255, 255}));
    EXPECT_EQ(farbe({25, 3, -1, -1}, 1), (Rgb{0, 0, 255}));
    EXPECT_EQ(farbe({97, 3, -1, -1}, 1), (Rgb{0, 0, 0}));
    // Clans: 100/50/0 percent; a clan beyond the table counts as none.
    EXPECT_EQ(farbe({0, 3, 1, -1}, 2), (Rgb{255, 127, 0}));
    EXPECT_EQ(farbe({0, 3, 1, -1}, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(farbe({0, 3, 7, -1}, 2), (Rgb{255, 224, 168}));
    EXPECT_EQ(farbe({0, 4, 7, -1}, 0), (Rgb{88, 146, 62}));
    // Buildings by mode; a start building keeps the clan colour; a type beyond the table is none.
    EXPECT_EQ(farbe({0, 3, 1, 0}, 3), (Rgb{255, 0, 0}));
    EXPECT_EQ(farbe({0, 3, 1, 1}, 3), (Rgb{0, 255, 0}));
    EXPECT_EQ(farbe({0, 3, 1, 2}, 3), (Rgb{0, 0, 255}));
    EXPECT_EQ(farbe({0, 3, 1, 3}, 3), (Rgb{0, 0, 0}));
    EXPECT_EQ(farbe({0, 3, 1, 4}, 3), (Rgb{255, 127, 0}));
    EXPECT_EQ(farbe({0, 3, 1, 99}, 3), (Rgb{255, 255, 255}));
}

// The building layer on a hand-filled map: models, tints, flags, displays and the
// bounds of every index they read. The building pack is plain white, so a sprite's
// pixels show the colour it was drawn with.
#include "render/Gebaeude.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Spielstatus.h"
#include "render/Modelliste.h"
#include "render/Szene.h"
#include "render/Szenenhilfe.h"
#include "render/Testschale.h"

namespace {

using Rgb = std::array<std::uint8_t, 3>;

constexpr int N = 32;

// Types: 0 and 1 buildings; 2 tree, 3 flag, 4 flag (second step), 5 path.
struct Gebaeudewelt {
    bhmtest::Kernwelt welt{N};
    bhmtest::Testschale schale{bhmtest::Bildbreite, bhmtest::Bildhoehe};

    Gebaeudewelt() {
        SBU_Objekte = {bhmtest::Gebaeude("Produktion"), bhmtest::Gebaeude("Home")};
        SBU_Ambiente.resize(4);
        SBU_Ambiente[1].animation = 1;  // the flag shows type 4 now
        SBU_Ambiente[2].animation = 1;
        SBU_Animation_Tabelle = {0, 0, 0, 4, 3, 0};
        SBU_Way_IDs = {5};
        SBU_ID_flag = 3;
        // Buildings 32 x 32 above their anchor with a flag 16 pixels above that; the
        // flag models 16 x 16; the path piece has no picture.
        const Atlaseintrag gebaeude{-16, -32, 0, 2, 0, 2, 1, -8, -64};
        SBA_Atlastabelle = {gebaeude,
                            gebaeude,
                            {-8, -16, 0, 1, 0, 1, 0, 0, 0},
                            {0, 0, 0, 1, 0, 1, 0, 0, 0},
                            {0, 0, 0, 1, 0, 1, 0, 0, 0},
                            {0, 0, 0, 0, 0, 0, 0, 0, 0}};
        for (Kartenfeld& f : Karte) {
            f.LandType() = 3;
            f.Ambiente() = -1;
            f.Objekt() = -1;
            f.Textur1() = f.Textur2() = 2;
        }
        Spieler.resize(1);
        Spieler[0].Farbe_R() = 0;
        Spieler[0].Farbe_G() = 0;
        Spieler[0].Farbe_B() = 100;
        ML_Packlisten_erzeugen();
        ML_Textur_laden(ML_Landschaft, std::string(BHM_GAME_DIR) + "/Texture/aktiv/Landschaft.bmp", false,
                        false);
        ML_Gebaeudepack = TglBitmap2D::CreateFromPixels(2048, 2048, tfBGRA8, nullptr);
        ML_Gebaeudepack->GenTexture(true);
        Anzeige_zuruecksetzen();
        Fil_Rms = Fil_Gps = false;
        SX = 0;
        SY = 200;
        Neuzeichnen = true;
    }
    ~Gebaeudewelt() {
        ML_Packlisten_loeschen();
        ML_Gebaeudepack.reset();
        ML_Landschaft.reset();
        Objekte.clear();
        OB_Slots.clear();
    }

    // A building of type t at cell (x, y) with object row o.
    Objektzeile& bauen(int x, int y, int t) {
        const int c = x + y * N;
        const int o = OM_Objekt_anlegen(c, 0, t);
        EXPECT_GE(o, 0);
        Karte[static_cast<std::size_t>(c)].Ambiente() = t;
        Karte[static_cast<std::size_t>(c)].Objekt() = o;
        return Objekte[static_cast<std::size_t>(o)];
    }

    // Screen point inside the 32 x 32 model of cell (x, y), and its flag.
    static std::pair<int, int> mitte(int x, int y) {
        return {20 * x + 10 * y + 5 + SX, -21 - 10 * y + 21 + SY - 16};
    }

    Bild zeichnen() {
        bhmtest::Bild_beginnen();
        Neuzeichnen = true;
        Draw_Szene(false);
        return bhmtest::Bild_lesen();
    }
};

Rgb bei(const Bild& b, std::pair<int, int> p) { return bhmtest::Pixel(b, p.first, p.second); }

}  // namespace

TEST(Gebaeude, ModelsTintsAndFlags) {
    GL_NOETIG();
    Gebaeudewelt w;
    Karte[2 + 10 * N].Ambiente() = 2;  // a tree
    Objektzeile& baustelle = w.bauen(6, 10, 0);
    baustelle.Baumaterial_Rest(0) = 3;  // first construction under way
    baustelle.Ausbau() = -1;
    Objektzeile& fertig = w.bauen(10, 10, 0);
    Karte[0 + 16 * N].Ambiente() = 1;   // a building type without its object row
    Karte[14 + 4 * N].Ambiente() = 99;  // a type beyond every table
    const Bild b = w.zeichnen();
    EXPECT_EQ(bei(b, w.mitte(2, 10)), (Rgb{255, 255, 255})) << "tree";
    EXPECT_EQ(bei(b, w.mitte(6, 10)), (Rgb{102, 102, 255})) << "unfinished first construction";
    EXPECT_EQ(bei(b, w.mitte(10, 10)), (Rgb{255, 255, 255})) << "finished building";
    EXPECT_EQ(bei(b, w.mitte(0, 16)), (Rgb{255, 255, 255})) << "model only";
    // The clan flag of the finished building, drawn with the flag's current step.
    const auto [fx, fy] = w.mitte(10, 10);
    EXPECT_EQ(bhmtest::Pixel(b, fx, fy - 40), (Rgb{0, 0, 255}));
    EXPECT_EQ(fertig.Flagge(), 4) << "the flag's step at its creation; it shows type 3 now";

    // Filters: no worker slots means equal ramp ends, the building stays white;
    // the traffic light at 0 of 1 is red.
    Fil_Wgf = true;
    EXPECT_EQ(bei(w.zeichnen(), w.mitte(10, 10)), (Rgb{255, 255, 255}));
    Fil_Rfi = true;
    EXPECT_EQ(bei(w.zeichnen(), w.mitte(10, 10)), (Rgb{255, 0, 0}));
    Fil_Rfi = Fil_Wgf = false;
    Fil_Gst = true;
    EXPECT_EQ(bei(w.zeichnen(), w.mitte(10, 10)), (Rgb{255, 255, 255})) << "no goods slots: untinted";
    Fil_Gst = false;
}

TEST(Gebaeude, DisplaysStayInsideTheirTables) {
    GL_NOETIG();
    Gebaeudewelt w;
    Objektzeile& o = w.bauen(10, 10, 0);
    SBU_Objekte[0].Slots[0].WarenID = 1;
    o.Slot_Ware(0) = 1;
    o.Slot_Bestand(0) = 14;  // more than the nine steps of the display
    SBU_Warenanzeige.resize(1);
    for (int i = 0; i < 9; ++i) {
        SBU_Warenanzeige[0].Slot[0].Modelltyp[static_cast<std::size_t>(i)] = 2;
        SBU_Warenanzeige[0].Slot[0].a[static_cast<std::size_t>(i)] = 2 * i;
        SBU_Warenanzeige[0].Slot[0].b[static_cast<std::size_t>(i)] = -4;
    }
    SBU_Prozessanzeige.resize(1);
    SBU_Prozessanzeige[0].Standtyp = 3;
    SBU_Prozessanzeige[0].Bewegttyp = 99;  // no such type
    o.Zaehler() = 5;
    SBU_Markerpunkte.resize(1);
    SBU_Markerpunkte[0] = {{0, -20}};
    SBU_ID_rauch = 77;  // no such type either
    o.Zustand() = 1;
    SBU_Way_IDs.clear();
    SBU_Animation_Tabelle.resize(2);  // too short for the flag types
    EXPECT_GT(bhmtest::Gezeichnet(w.zeichnen()), 0);
    EXPECT_EQ(ML_Gezeigtes_Modell(3), 3) << "an animated type outside the table shows itself";
    EXPECT_EQ(ML_Gezeigtes_Modell(1), 1);
    EXPECT_EQ(ML_Gezeigtes_Modell(6), -1);
    EXPECT_EQ(ML_Gezeigtes_Modell(-4), -1);
}

TEST(Gebaeude, MissingBuildingPackSkipsTheLayerAndReportsOnce) {
    GL_NOETIG();
    Gebaeudewelt w;
    w.bauen(10, 10, 0);
    ML_Gebaeudepack.reset();
    ML_Meldungen_zuruecksetzen();
    const Bild b = w.zeichnen();
    EXPECT_NE(bei(b, w.mitte(10, 10)), (Rgb{255, 255, 255})) << "terrain only";
    EXPECT_EQ(Fehlertext, "Textur nicht geladen : ML_Gebaeudepack");
    Fehler_zuruecksetzen();
    w.zeichnen();
    EXPECT_TRUE(Fehlertext.empty());
    ML_Meldungen_zuruecksetzen();
}

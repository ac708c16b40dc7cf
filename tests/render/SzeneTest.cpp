// The frame's bookkeeping: when the window is recomputed, the interface-only
// frame, and the placement preview.
#include "render/Szene.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Bauvorschau.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Spielstatus.h"
#include "render/Chunks.h"
#include "render/Modelliste.h"
#include "render/Szenenhilfe.h"
#include "render/Testschale.h"

namespace {

using Rgb = std::array<std::uint8_t, 3>;

struct Szenenwelt {
    bhmtest::Kernwelt welt{64};
    bhmtest::Testschale schale{bhmtest::Bildbreite, bhmtest::Bildhoehe};
    Szenenwelt() {
        for (Kartenfeld& f : Karte) {
            f.LandType() = 2;
            f.Textur1() = f.Textur2() = 1;
            f.Ambiente() = f.Objekt() = -1;
        }
    }
    ~Szenenwelt() { Chunk_Listen_loeschen(); }
    Bild zeichnen(bool nur_interface = false) {
        bhmtest::Bild_beginnen();
        Draw_Szene(nur_interface);
        return bhmtest::Bild_lesen();
    }
};

}  // namespace

TEST(Szene, WindowAndChunksChangeOnlyWithTheView) {
    GL_NOETIG();
    Szenenwelt w;
    SX = 0;
    SY = 300;
    Neuzeichnen = true;
    w.zeichnen();
    EXPECT_FALSE(Neuzeichnen);
    EXPECT_EQ(Mausstatus, -1) << "a refresh by Neuzeichnen alone takes Mausstatus below 0";
    const int bis = Sichtbereich_2_bis;
    EXPECT_EQ(bis, 40);
    EXPECT_EQ(Sichtbereich_alt_2_bis, bis);
    const long kompiliert = Chunk_Kompilierungen;
    SY = 100;  // moved without a request: nothing is recomputed
    w.zeichnen();
    EXPECT_EQ(Sichtbereich_2_bis, bis);
    EXPECT_EQ(Chunk_Kompilierungen, kompiliert);
    // The interface alone: no world, texturing left off.
    Neuzeichnen = true;
    EXPECT_EQ(bhmtest::Gezeichnet(w.zeichnen(true)), 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(Neuzeichnen) << "nothing of the world ran";
}

TEST(Szene, AViewAboveTheMapAsksForARedrawNotForADrag) {
    GL_NOETIG();
    Szenenwelt w;
    SX = 0;
    SY = -200;
    Neuzeichnen = true;
    w.zeichnen();
    EXPECT_LT(Sichtbereich_2_bis, 0);
    EXPECT_FALSE(Kamera_ziehen);
    EXPECT_TRUE(Neuzeichnen);
    SY = 300;
    w.zeichnen();
    EXPECT_EQ(Sichtbereich_2_bis, 40) << "the next frame looks again";
    EXPECT_FALSE(Neuzeichnen);
}

TEST(Szene, PlacementPreviewColouredByCost) {
    GL_NOETIG();
    Szenenwelt w;
    // Type 0 a building, type 1 the place marker: a white 16 x 16 square.
    SBU_Objekte = {bhmtest::Gebaeude("Produktion")};
    SBU_Ambiente.resize(1);
    SBU_ID_place = 1;
    SBA_Atlastabelle = {{}, {0, 0, 0, 1, 0, 1, 0, 0, 0}};
    ML_Packlisten_erzeugen();
    ML_Gebaeudepack = TglBitmap2D::CreateFromPixels(2048, 2048, tfBGRA8, nullptr);
    ML_Gebaeudepack->GenTexture(true);
    Spieler.resize(1);
    Spieler[0].Gold() = 50;
    Spieler[0].Startphase() = 0;
    Platzierungsmodus = true;
    Bau_Felderzahl = 3;
    Bau_Platzwert_max = 13;
    BPU_Sichtliste = {{20, 20, 3, 1}, {60, 20, 13, 2}, {100, 20, 50, 3}, {140, 20, 8, 4}};
    BPU_Sichtliste_Ende = 3;
    SX = SY = 0;
    // The list is given here: no view change, so the frame does not recompute it.
    Neuzeichnen = false;
    auto farbe = [](const Bild& b, int i) { return bhmtest::Pixel(b, 20 + 40 * i - 3 + 8, 20 + 11 + 8); };
    // The human clan is on no island: nothing is previewed outside the start phase.
    EXPECT_EQ(farbe(w.zeichnen(), 0), (Rgb{0, 0, 0}));
    Spieler[0].Startphase() = 1;
    const Bild b = w.zeichnen();
    EXPECT_EQ(farbe(b, 0), (Rgb{255, 255, 255})) << "cheapest";
    EXPECT_EQ(farbe(b, 1), (Rgb{255, 0, 0})) << "dearest";
    EXPECT_EQ(farbe(b, 2), (Rgb{0, 0, 0})) << "as dear as the gold";
    EXPECT_EQ(farbe(b, 3), (Rgb{178, 128, 0})) << "half way: step 5";
    // Cheapest and dearest equal: white, not a division by zero.
    Bau_Platzwert_max = 3;
    BPU_Sichtliste_Ende = 0;
    EXPECT_EQ(farbe(w.zeichnen(), 0), (Rgb{255, 255, 255}));
    BPU_Sichtliste_Ende = 17;  // beyond the list
    w.zeichnen();
    Platzierungsmodus = false;
    BPU_Sichtliste.clear();
    BPU_Sichtliste_Ende = -1;
    ML_Packlisten_loeschen();
    ML_Gebaeudepack.reset();
}

// Terrain: the tile shapes, their triangles under the culling in force, and the
// chunk lists of the visible part of the map.
#include "render/Gelaende.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "foundation/Config.h"
#include "foundation/Spielstatus.h"
#include "render/Chunks.h"
#include "render/Modelliste.h"
#include "render/Szene.h"
#include "render/Szenenhilfe.h"
#include "render/Testschale.h"

namespace {

// A small map: a round island of rising levels in water, tiles from its levels.
void insel(int n) {
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            Kartenfeld& f = Karte[static_cast<std::size_t>(x + y * n)];
            const int d = std::abs(x - n / 2) + std::abs(y - n / 2);
            f.LandType() = std::max(0, 8 - d / 3);
            f.Ambiente() = -1;
            f.Objekt() = -1;
        }
    for (int c = 0; c < n * n; ++c) {
        Kartenfeld& f = Karte[static_cast<std::size_t>(c)];
        f.Textur1() = (c * 7) % 53;
        f.Textur2() = (c * 11) % 53;
    }
}

// Flat land with the flat tiles, varied as the map generator varies them.
void flaches_land(int n) {
    for (int c = 0; c < n * n; ++c) {
        Kartenfeld& f = Karte[static_cast<std::size_t>(c)];
        f.LandType() = 3;
        f.Ambiente() = -1;
        f.Objekt() = -1;
        f.Textur1() = (c * 7) % 5;
        f.Textur2() = (c * 3) % 5;
    }
}

// Pixels of the frame where nothing was drawn over the black background.
int schwarze_pixel(const Bild& b) {
    int n = 0;
    for (int y = 0; y < bhmtest::Bildhoehe; ++y)
        for (int x = 0; x < bhmtest::Bildbreite; ++x)
            if (bhmtest::Pixel(b, x, y) == std::array<std::uint8_t, 3>{0, 0, 0}) ++n;
    return n;
}

}  // namespace

TEST(Gelaende, EmittedVerticesOfTheTables) {
    using E = Gelaendeecke;
    EXPECT_EQ(ML_Gelaende_Ecken(false, 0),
              (std::array<E, 3>{E{6, 22, 0, 10}, E{27, 22, 21, 10}, E{16, 12, 10, 0}}));
    // The second triangle of shape 5 and above is emitted P1, P3, P2.
    EXPECT_EQ(ML_Gelaende_Ecken(true, 5),
              (std::array<E, 3>{E{26, 3, 29, 23}, E{7, 10, 10, 30}, E{16, 20, 19, 40}}));
    EXPECT_EQ(ML_Gelaende_Ecken(true, 0),
              (std::array<E, 3>{E{16, 20, 10, 10}, E{26, 10, 20, 0}, E{6, 10, 0, 0}}));
    for (int form : {54, -1, 1000})
        EXPECT_EQ(ML_Gelaende_Ecken(false, form),
                  (std::array<E, 3>{E{1, 1, 0, 0}, E{1, 1, 0, 0}, E{1, 1, 0, 0}}));
    EXPECT_EQ(ML_Gelaende_Ecken(true, 54),
              (std::array<E, 3>{E{6, 28, 0, 8}, E{14, 20, 8, 0}, E{23, 28, 17, 8}}));
}

TEST(Gelaende, EveryTileShapeDrawsAFrontFacingTriangle) {
    GL_NOETIG();
    for (bool zweites : {false, true}) {
        for (int form = 0; form <= 52; ++form) {
            bhmtest::Bild_beginnen();
            glTranslatef(100, 100, 0);
            zweites ? ML_Gelaende_Dreieckspaar(form) : ML_Gelaende_Dreieck(form);
            const int flaeche = bhmtest::Gezeichnet(bhmtest::Bild_lesen());
            EXPECT_GT(flaeche, 20) << (zweites ? "second" : "first") << " triangle of shape " << form;
        }
    }
    // The same triangle wound the other way is culled: the test sees the culling at work.
    bhmtest::Bild_beginnen();
    glFrontFace(GL_CW);
    glTranslatef(100, 100, 0);
    ML_Gelaende_Dreieck(0);
    EXPECT_EQ(bhmtest::Gezeichnet(bhmtest::Bild_lesen()), 0);
    glFrontFace(GL_CCW);
}

TEST(Chunks, VisibleChunksCompileOnceAndDrawLikeAFullRebuild) {
    GL_NOETIG();
    bhmtest::Kernwelt welt(96);
    bhmtest::Testschale schale(bhmtest::Bildbreite, bhmtest::Bildhoehe);
    insel(96);
    ASSERT_TRUE(ML_Textur_laden(ML_Landschaft, std::string(BHM_GAME_DIR) + "/Texture/aktiv/Landschaft.bmp",
                                false, false));
    SX = -600;
    SY = 700;
    // A drag over a few frames: incremental refresh, then the same frame rebuilt in full.
    for (int schritt = 0; schritt < 6; ++schritt) {
        SX += 37;
        SY -= 23;
        Kamera_ziehen = true;
        bhmtest::Bild_beginnen();
        const long vorher = Chunk_Kompilierungen;
        const int sichtbar_vorher = Chunkinteger;
        Draw_Szene(false);
        const Bild schrittweise = bhmtest::Bild_lesen();
        ASSERT_GT(Chunkinteger, 0);
        if (schritt > 0) {
            EXPECT_LT(Chunk_Kompilierungen - vorher, sichtbar_vorher) << "kept chunks are not recompiled";
        }
        EXPECT_GT(bhmtest::Gezeichnet(schrittweise), bhmtest::Bildbreite * bhmtest::Bildhoehe / 2);

        Chunk_Listen_loeschen();
        Kamera_ziehen = false;
        Neuzeichnen = true;
        bhmtest::Bild_beginnen();
        Draw_Szene(false);
        EXPECT_TRUE(bhmtest::Bild_lesen().pixel == schrittweise.pixel) << "frame " << schritt;
    }
    Kamera_ziehen = false;
    Chunk_Listen_loeschen();
    EXPECT_EQ(Chunkinteger, 0);
    ML_Landschaft.reset();
}

TEST(Chunks, NeighbouringTrianglesLeaveNoGapAtAnyZoom) {
    GL_NOETIG();
    bhmtest::Kernwelt welt(48);
    bhmtest::Testschale schale(bhmtest::Bildbreite, bhmtest::Bildhoehe);
    flaches_land(48);
    ASSERT_TRUE(ML_Textur_laden(ML_Landschaft, std::string(BHM_GAME_DIR) + "/Texture/aktiv/Landschaft.bmp",
                                false, false));
    // Rows 14..38 fill the frame at zoom 20, and the frame's top left corner at every zoom.
    SX = -500;
    SY = 400;
    for (int zoom : {20, 27, 33, 40, 80}) {
        Zoomstufe = zoom;
        Neuzeichnen = true;
        Chunk_Listen_loeschen();
        bhmtest::Bild_beginnen();  // black background
        Draw_Szene(false);
        EXPECT_EQ(schwarze_pixel(bhmtest::Bild_lesen()), 0) << "zoom " << zoom;
    }
    Zoomstufe = 20;
    Chunk_Listen_loeschen();
    ML_Landschaft.reset();
}

TEST(Chunks, AChunkAcrossACornerOfTheScreenIsDrawnThoughItsCornersLieOutside) {
    GL_NOETIG();
    bhmtest::Kernwelt welt(64);
    bhmtest::Testschale schale(bhmtest::Bildbreite, bhmtest::Bildhoehe);
    flaches_land(64);
    ASSERT_TRUE(ML_Textur_laden(ML_Landschaft, std::string(BHM_GAME_DIR) + "/Texture/aktiv/Landschaft.bmp",
                                false, false));
    // Views over one chunk's width and height, all with land in every corner of the frame, at
    // the farthest zoom (where the screen's edges are the test's own).
    Zoomstufe = 20;
    int leer = 0;
    for (SY = 400; SY < 560; SY += 20)
        for (SX = -900; SX < -580; SX += 20) {
            Neuzeichnen = true;
            Chunk_Listen_loeschen();
            bhmtest::Bild_beginnen();
            Draw_Szene(false);
            const int schwarz = schwarze_pixel(bhmtest::Bild_lesen());
            EXPECT_EQ(schwarz, 0) << "view SX " << SX << ", SY " << SY;
            if (schwarz > 0 && ++leer > 3) {
                Chunk_Listen_loeschen();
                ML_Landschaft.reset();
                FAIL() << "more views with uncovered land";
            }
        }
    Chunk_Listen_loeschen();
    ML_Landschaft.reset();
}

TEST(Chunks, CellChangesRebuildTheirChunksAndSkipCellsOutsideTheMap) {
    GL_NOETIG();
    bhmtest::Kernwelt welt(40);  // not a multiple of 16: three chunks a row, the last one partial
    bhmtest::Testschale schale(2000, 2000);
    insel(40);
    SX = 100;
    SY = 600;
    EXPECT_EQ(Chunk_pro_Zeile(), 3);
    Chunks_auffrischen(0, 39, 0, 38);
    ASSERT_GT(Chunkinteger, 0);
    for (int i = 0; i < Chunkinteger; ++i) EXPECT_LT(ML_Chunks_sichtbar[static_cast<std::size_t>(i)], 9);
    const long vorher = Chunk_Kompilierungen;
    // Cell 16 (first row, at a chunk's left edge): its own chunk and that of cell 15; the
    // cells above it lie outside the map and are skipped.
    Chunks_Feld_neu(16);
    EXPECT_EQ(Chunk_Kompilierungen - vorher, 2);
    Chunks_Feld_neu(0);
    EXPECT_EQ(Chunk_Kompilierungen - vorher, 3);
    Chunks_Feld_neu(-5);
    Chunks_Feld_neu(40 * 40 + 3);
    EXPECT_EQ(Chunk_Kompilierungen - vorher, 3);
    Chunk_Listen_loeschen();
    for (GLuint l : ML_Chunklisten) EXPECT_EQ(l, 0u);
}

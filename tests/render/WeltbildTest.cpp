// One frame of a whole world, drawn headless from the game's own content: the
// templates and their packs, the base textures, a map with water, land, trees
// and stones. The frame is written to the build folder for review.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/Kernwelt.h"
#include "foundation/Bilddatei.h"
#include "foundation/Config.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Spielstatus.h"
#include "render/Bildschirmfoto.h"
#include "render/Kamera.h"
#include "render/Modelliste.h"
#include "render/Szene.h"
#include "render/Szenenhilfe.h"
#include "render/Testschale.h"

namespace fs = std::filesystem;

namespace {

constexpr int kBreite = 960, kHoehe = 600;

// The ambient type of the first template with this keyword, -1 when there is none.
int ambiente_mit(const std::string& spezial) {
    for (std::size_t a = 0; a < SBU_Ambiente.size(); ++a)
        if (SBU_Ambiente[a].spezial == spezial) return SBU_Ambiente_Basis() + static_cast<int>(a);
    return -1;
}

void frame(Bild& ziel) {
    bhmtest::Fensterzustand(kBreite, kHoehe);
    Neuzeichnen = true;
    Draw_Szene(false);
    ziel = Bildschirmfoto(kBreite, kHoehe);
}

// Screen point inside the first triangle of cell (x, y) at zoom step 20.
std::pair<int, int> zelle_auf_schirm(int x, int y) {
    const int c = x + y * MG_Kartengroesse;
    return {20 * x + 10 * y + 16 + SX, -10 * y - 7 * Karte[static_cast<std::size_t>(c)].LandType() + 18 + SY};
}

// An island: building land in the middle, beach around it, water outside; trees
// and stones on the land.
void insel_anlegen(int n) {
    const int mitte = n / 2;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            Kartenfeld& f = Karte[static_cast<std::size_t>(x + y * n)];
            const int d = std::abs(x - mitte) + std::abs(y - mitte);
            f.LandType() = d < 10 ? 3 : (d < 13 ? 1 : 0);
            f.Textur1() = f.Textur2() = d < 10 ? 2 : (d < 13 ? 1 : 0);
            f.Ambiente() = -1;
            f.Objekt() = -1;
        }
    const int baum = ambiente_mit("tree"), stein = ambiente_mit("stone");
    for (int y = mitte - 6; y <= mitte + 6; y += 2)
        for (int x = mitte - 6; x <= mitte + 6; x += 3) {
            const int d = std::abs(x - mitte) + std::abs(y - mitte);
            if (d < 8)
                Karte[static_cast<std::size_t>(x + y * n)].Ambiente() = (x + y) % 4 == 0 ? stein : baum;
        }
}

}  // namespace

TEST(Weltbild, AWorldDrawsWaterLandTreesAndStones) {
    GL_NOETIG();
    const fs::path spiel = BHM_GAME_DIR;
    ASSERT_TRUE(fs::exists(spiel / "Texture" / "aktiv" / "Landschaft.bmp"));
    bhmtest::Kernwelt welt(64);
    for (const char* teil : {"Daten", "Texture"})
        fs::copy(spiel / teil, welt.ordner().dir().path() / teil, fs::copy_options::recursive);
    Error_Silence = true;
    SBA_Atlasraster_leeren();
    SBU_Schablonen_laden(Programmpfad + "Daten\\");
    ASSERT_FALSE(SBU_Ambiente.empty());
    Error_Silence = false;
    Fehler_zuruecksetzen();

    bhmtest::Bildpuffer puffer(kBreite, kHoehe);
    ASSERT_TRUE(puffer.bereit());
    bhmtest::Testschale schale(kBreite, kHoehe);
    ML_Grundtexturen_laden();
    ML_Iconpacks_laden(Programmpfad + "Daten\\");
    ML_Packlisten_erzeugen();
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;

    insel_anlegen(64);
    const int baum = ambiente_mit("tree");
    ASSERT_GE(baum, 0);
    Kamera_zentrieren(32, 32);

    Bild b;
    frame(b);
    const fs::path ausgabe = fs::path(BHM_BINARY_DIR) / "render_review";
    fs::create_directories(ausgabe);
    EXPECT_TRUE(Bilddatei_speichern((ausgabe / "welt.bmp").string(), b));

    auto pixel = [&](std::pair<int, int> p) { return bhmtest::Pixel(b, p.first, p.second); };
    const auto wasser = pixel(zelle_auf_schirm(20, 20));
    EXPECT_GT(wasser[2], wasser[0]) << "water is blue";
    EXPECT_GT(wasser[2], 120);
    const auto land = pixel(zelle_auf_schirm(38, 30));
    EXPECT_GT(land[1], land[0]) << "building land is green";
    EXPECT_GT(land[1], land[2]);

    // A tree: the frame without it differs around its cell.
    int bx = -1, by = -1;
    for (int y = 26; y < 38 && bx < 0; ++y)
        for (int x = 26; x < 38; ++x)
            if (Karte[static_cast<std::size_t>(x + y * 64)].Ambiente() == baum) {
                bx = x;
                by = y;
                break;
            }
    ASSERT_GE(bx, 0);
    Karte[static_cast<std::size_t>(bx + by * 64)].Ambiente() = -1;
    Bild ohne;
    frame(ohne);
    int anders = 0;
    const auto [tx, ty] = zelle_auf_schirm(bx, by);
    for (int y = std::max(0, ty - 60); y < std::min(kHoehe, ty + 10); ++y)
        for (int x = std::max(0, tx - 30); x < std::min(kBreite, tx + 30); ++x)
            if (bhmtest::Pixel(b, x, y) != bhmtest::Pixel(ohne, x, y)) ++anders;
    EXPECT_GT(anders, 40) << "the tree covers the land around its cell";

    ML_Alles_freigeben();
}

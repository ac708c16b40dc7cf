// One frame of a generated world, drawn headless from the game's own content: the
// templates and their packs, the base textures, a world made from a fixed seed with
// water, land, trees and stones. The frame is written to the build folder for review.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "common/Inhaltswelt.h"
#include "common/Kernwelt.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Bilddatei.h"
#include "foundation/Config.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Zufall.h"
#include "world/Kartengenerator.h"
#include "render/Bildschirmfoto.h"
#include "render/Kamera.h"
#include "render/Modelliste.h"
#include "render/Chunks.h"
#include "render/Gelaendebild.h"
#include "render/Renderdienste.h"
#include "render/Spritestapel.h"
#include "render/Szene.h"
#include "render/Vorschaubild.h"
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

// The game's own rendering behind the seam while the test runs.
struct Echte_Darstellung {
    Renderdienste dienste;
    Echte_Darstellung() { Render_setzen(&dienste); }
    ~Echte_Darstellung() {
        Render_setzen(nullptr);
        ML_Alles_freigeben();
    }
};

// The game's content copied into a clean world, a frame buffer, the base textures and
// lists, and a world of side 256 generated from a fixed seed.
struct Weltbild {
    bhmtest::Kernwelt welt;
    std::unique_ptr<bhmtest::Bildpuffer> puffer;
    bhmtest::Testschale schale{kBreite, kHoehe};
    std::unique_ptr<Echte_Darstellung> darstellung;
    bool bereit = false;

    Weltbild() {
        const fs::path spiel = BHM_GAME_DIR;
        if (!fs::exists(spiel / "Texture" / "aktiv" / "Landschaft.bmp")) return;
        for (const char* teil : {"Daten", "Texture", "Text"})
            fs::copy(spiel / teil, welt.ordner().dir().path() / teil, fs::copy_options::recursive);
        puffer = std::make_unique<bhmtest::Bildpuffer>(kBreite, kHoehe);
        if (!puffer->bereit()) return;
        darstellung = std::make_unique<Echte_Darstellung>();
        ML_Grundtexturen_laden();
        ML_Modelliste_laden();
        if (!Fehlertext.empty()) return;
        RandSeed = 20261210;
        SingelGameTYPWahl = 2;
        SingelGameGroessenWahl = 0;
        SingelGamerohstoffWahl = 5;
        MG_Spiel_starten();
        bereit = SSL && MG_Kartengroesse == 256;
    }
};

void frame(Bild& ziel, std::vector<GLuint>* tiefe = nullptr) {
    bhmtest::Fensterzustand(kBreite, kHoehe);
    Neuzeichnen = true;
    Draw_Szene(false);
    ziel = Bildschirmfoto(kBreite, kHoehe);
    if (tiefe) {
        tiefe->assign(static_cast<std::size_t>(kBreite) * kHoehe, 0);
        glReadPixels(0, 0, kBreite, kHoehe, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, tiefe->data());
    }
}

// The quick and the plain way on or off together.
void schnelle_wege(bool an) { SP_Buendeln = GB_Merken = VB_Merken = an; }

// Screen point inside the first triangle of cell (x, y) at zoom step 20.
std::pair<int, int> zelle_auf_schirm(int x, int y) {
    const int c = x + y * MG_Kartengroesse;
    return {20 * x + 10 * y + 16 + SX, -10 * y - 7 * Karte[static_cast<std::size_t>(c)].LandType() + 18 + SY};
}

// A cell whose screen point lies well inside the frame, whose surroundings
// (the rows in front of it included) pass the level test as well and carry nothing;
// (-1, -1) when there is none.
std::pair<int, int> freie_zelle(bool (*passt)(int level)) {
    const int n = MG_Kartengroesse;
    for (int y = 2; y < n - 2; ++y)
        for (int x = 2; x < n - 2; ++x) {
            const auto [sx, sy] = zelle_auf_schirm(x, y);
            if (sx < 40 || sy < 40 || sx > kBreite - 40 || sy > kHoehe - 40) continue;
            const int level = Karte[static_cast<std::size_t>(x + y * n)].LandType();
            if (!passt(level)) continue;
            bool gleich = true;
            for (int dy = -2; dy <= 2 && gleich; ++dy)
                for (int dx = -2; dx <= 2 && gleich; ++dx) {
                    const Kartenfeld& f = Karte[static_cast<std::size_t>(x + dx + (y + dy) * n)];
                    gleich = passt(f.LandType()) && f.Ambiente() == -1;
                }
            if (gleich) return {x, y};
        }
    return {-1, -1};
}

// Pixels of two frames of the same size whose colours differ.
long abweichende_pixel(const Bild& a, const Bild& b) {
    long anders = 0;
    for (std::size_t p = 0; p + 2 < a.pixel.size() && p + 2 < b.pixel.size(); p += 3)
        if (a.pixel[p] != b.pixel[p] || a.pixel[p + 1] != b.pixel[p + 1] || a.pixel[p + 2] != b.pixel[p + 2])
            ++anders;
    return anders;
}

}  // namespace

TEST(Weltbild, AGeneratedWorldDrawsWaterLandAndTrees) {
    GL_NOETIG();
    Weltbild w;
    ASSERT_TRUE(w.bereit) << Fehlertext;
    const int baum = ambiente_mit("tree");
    ASSERT_GE(baum, 0);
    // The view on the coast east of the start: the first water on the middle row.
    int kueste = MG_Kartengroesse / 2;
    while (kueste < MG_Kartengroesse - 1 &&
           Karte[static_cast<std::size_t>(kueste + MG_Kartengroesse / 2 * MG_Kartengroesse)].LandType() > 0)
        ++kueste;
    Kamera_zentrieren(kueste, MG_Kartengroesse / 2);

    Bild b;
    frame(b);
    const fs::path ausgabe = fs::path(BHM_BINARY_DIR) / "render_review";
    fs::create_directories(ausgabe);
    EXPECT_TRUE(Bilddatei_speichern((ausgabe / "welt.bmp").string(), b));

    auto pixel = [&](std::pair<int, int> p) { return bhmtest::Pixel(b, p.first, p.second); };
    const auto [wx, wy] = freie_zelle([](int level) { return level == 0; });
    ASSERT_GE(wx, 0) << "open water on screen";
    const auto wasser = pixel(zelle_auf_schirm(wx, wy));
    EXPECT_GT(wasser[2], wasser[0]) << "water is blue";
    EXPECT_GT(wasser[2], 120);
    const auto [lx, ly] = freie_zelle([](int level) { return level >= 3 && level <= 5; });
    ASSERT_GE(lx, 0) << "free building land on screen";
    const auto land = pixel(zelle_auf_schirm(lx, ly));
    EXPECT_GT(land[1], land[0]) << "building land is green";
    EXPECT_GT(land[1], land[2]);

    // A tree: the frame without it differs around its cell.
    int bx = -1, by = -1;
    const int n = MG_Kartengroesse;
    for (int c = 0; c < n * n && bx < 0; ++c) {
        if (Karte[static_cast<std::size_t>(c)].Ambiente() != baum) continue;
        const auto [sx, sy] = zelle_auf_schirm(c % n, c / n);
        if (sx > 60 && sy > 80 && sx < kBreite - 60 && sy < kHoehe - 20) {
            bx = c % n;
            by = c / n;
        }
    }
    ASSERT_GE(bx, 0) << "a tree on screen";
    Karte[static_cast<std::size_t>(bx + by * n)].Ambiente() = -1;
    Bild ohne;
    frame(ohne);
    int anders = 0;
    const auto [tx, ty] = zelle_auf_schirm(bx, by);
    for (int y = std::max(0, ty - 60); y < std::min(kHoehe, ty + 10); ++y)
        for (int x = std::max(0, tx - 30); x < std::min(kBreite, tx + 30); ++x)
            if (bhmtest::Pixel(b, x, y) != bhmtest::Pixel(ohne, x, y)) ++anders;
    EXPECT_GT(anders, 40) << "the tree covers the land around its cell";
}

// The world layers drawn in batches and the kept pictures of the terrain and of the
// placement markers give exactly the picture of one list call per sprite and every layer
// drawn each frame: in placement mode (the preview over every free cell, alone and over
// a settled world) and in a settled world (buildings with flags, stock and production,
// persons, rabbits, ships), with the colour filters, at three zoom steps, over several views
// and while the view is dragged. Wherever the quick frame wrote depth, it wrote the plain way's depth.
TEST(Weltbild, BatchedLayersDrawThePlainWaysPixels) {
    GL_NOETIG();
    Weltbild w;
    ASSERT_TRUE(w.bereit) << Fehlertext;
    const int n = MG_Kartengroesse;

    // The plain way: a list call per sprite, every layer drawn each frame. The quick way
    // is drawn three times: the layers drawn, their pictures made, their pictures laid in
    // (`vorschau`: whether markers are shown).
    auto vergleichen = [&](const std::string& was, long mindestens, bool vorschau) {
        SCOPED_TRACE(was);
        Bild plain;
        std::vector<GLuint> tiefe_plain, tiefe_schnell;
        schnelle_wege(false);
        frame(plain);  // the first frame sets what later frames find (filters of the packs)
        frame(plain, &tiefe_plain);
        schnelle_wege(true);
        const long quads_vorher = SP_Quads_gesamt, erstellt = GB_Erstellt, eingesetzt = GB_Eingesetzt;
        const long marken_erstellt = VB_Erstellt, marken_eingesetzt = VB_Eingesetzt;
        for (int i = 0; i < 3; ++i) {
            Bild schnell;
            frame(schnell, &tiefe_schnell);
            ASSERT_EQ(plain.pixel.size(), schnell.pixel.size());
            const long anders = abweichende_pixel(plain, schnell);
            long tiefer = 0;
            // The laid-in terrain leaves the cleared depth where the plain terrain wrote its own.
            for (std::size_t p = 0; p < tiefe_plain.size(); ++p)
                if (tiefe_schnell[p] != 0xFFFFFFFFu && tiefe_schnell[p] != tiefe_plain[p]) ++tiefer;
            EXPECT_EQ(anders, 0) << "pixels of quick frame " << i << " that differ from the plain way";
            EXPECT_EQ(tiefer, 0) << "depths of quick frame " << i << " that differ from the plain way";
            if (anders != 0) {
                const fs::path ausgabe = fs::path(BHM_BINARY_DIR) / "render_review";
                fs::create_directories(ausgabe);
                Bilddatei_speichern((ausgabe / ("plain_" + was + ".bmp")).string(), plain);
                Bilddatei_speichern((ausgabe / ("schnell_" + was + std::to_string(i) + ".bmp")).string(),
                                    schnell);
            }
        }
        EXPECT_GE(SP_Quads_gesamt - quads_vorher, 3 * mindestens) << "sprites in the batches";
        EXPECT_EQ(GB_Erstellt - erstellt, 1) << "terrain pictures made";
        EXPECT_EQ(GB_Eingesetzt - eingesetzt, 2) << "terrain pictures laid in";
        EXPECT_EQ(VB_Erstellt - marken_erstellt, vorschau ? 1 : 0) << "marker pictures made";
        EXPECT_EQ(VB_Eingesetzt - marken_eingesetzt, vorschau ? 2 : 0) << "marker pictures laid in";
    };
    struct Sicht {
        int x, y, zoom;
    };
    const Sicht sichten[] = {
        {n / 2, n / 2, 20}, {n / 2 + 17, n / 2 - 9, 20}, {n / 2, n / 2, 23}, {n / 2, n / 2, 16}};

    ASSERT_TRUE(Platzierungsmodus) << "a new game waits for the start building";
    for (const Sicht& s : sichten) {
        Zoomstufe = s.zoom;
        Kamera_zentrieren(s.x, s.y);
        vergleichen("vorschau_" + std::to_string(s.x) + "_" + std::to_string(s.zoom), 500, true);
    }

    // Every clan settles under the computer's hand for two years.
    GU_KI_umschalten(SpielerID);
    Platzierungsmodus = false;
    for (int i = 0; i < 2 * bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
    Platzierungsmodus = false;
    // The view goes to the clan's first building.
    int ziel = -1, typ = -1;
    for (const Objektzeile& o : Objekte)
        if (o.Feld() >= 1 && MG_Feld_gueltig(o.Feld())) {
            ziel = o.Feld();
            typ = o.Typ();
            break;
        }
    ASSERT_GE(ziel, 0) << "the clans built something";
    struct Filter {
        const char* name;
        bool* schalter;
    };
    const Filter filter[] = {{"ohne", nullptr}, {"wgf", &Fil_Wgf}, {"gst", &Fil_Gst}, {"zuf", &Fil_Zuf}};
    for (const Filter& f : filter) {
        if (f.schalter) *f.schalter = true;
        for (const Sicht& s : sichten) {
            Zoomstufe = s.zoom;
            Kamera_zentrieren(ziel % n + s.x - n / 2, ziel / n + s.y - n / 2);
            vergleichen(
                std::string("belebt_") + f.name + "_" + std::to_string(s.x) + "_" + std::to_string(s.zoom),
                50, false);
        }
        if (f.schalter) *f.schalter = false;
    }
    Bau_Testmodus = 1;
    vergleichen("belebt_testmodus", 50, BPU_Sichtliste_Ende >= 0);
    Bau_Testmodus = 0;

    // Placing the clan's first kind of building again: the markers among its buildings,
    // persons and flags.
    for (const Sicht& s : sichten) {
        Zoomstufe = s.zoom;
        Kamera_zentrieren(ziel % n + s.x - n / 2, ziel / n + s.y - n / 2);
        BPU_Baumodus_starten(typ);
        ASSERT_GE(BPU_Sichtliste_Ende, 50) << "free cells to place on";
        vergleichen("belebt_vorschau_" + std::to_string(s.x) + "_" + std::to_string(s.zoom), 50, true);
    }
    // The price colours change under a kept picture (the treasury shrinks): the next
    // frame draws the markers as the plain way does.
    {
        Bild vorher, danach, plain;
        for (int i = 0; i < 3; ++i) frame(vorher);
        const long eingesetzt = VB_Eingesetzt;
        Spielerzeile& mensch = Spieler[static_cast<std::size_t>(SpielerID)];
        const int gold = mensch.Gold();
        mensch.Gold() = 0;
        frame(danach);
        EXPECT_EQ(VB_Eingesetzt, eingesetzt) << "the changed markers are drawn, not the old picture";
        EXPECT_FALSE(vorher.pixel == danach.pixel) << "markers the clan cannot pay turn black";
        schnelle_wege(false);
        frame(plain);
        schnelle_wege(true);
        EXPECT_TRUE(plain.pixel == danach.pixel) << "the frame after the change differs from the plain way";
        mensch.Gold() = gold;
    }
    Platzierungsmodus = false;

    // A drag after the view stood still, by whole pixels at zoom steps where a map pixel is
    // one or two screen pixels, in ordinary play and while a building is placed: the kept
    // pictures shifted along would be off in a few pixels (the rasteriser's rounding depends
    // on where a triangle lands), so each moved frame draws the terrain and the markers
    // themselves and shows the plain way's pixels and depths.
    struct Schritt {
        int dx, dy;
    };
    const Schritt schritte[] = {{6, 3}, {1, 0}, {0, -1}, {-13, 7}};
    for (bool platzieren : {false, true})
        for (int zoom : {20, 40}) {
            SCOPED_TRACE(std::string(platzieren ? "platzieren" : "ziehen") + " " + std::to_string(zoom));
            Zoomstufe = zoom;
            Kamera_zentrieren(ziel % n, ziel / n);
            if (platzieren) BPU_Baumodus_starten(typ);
            Bild schnell, plain;
            std::vector<GLuint> tiefe_schnell, tiefe_plain;
            for (int i = 0; i < 3; ++i) frame(schnell);
            Kamera_ziehen = true;
            for (const Schritt& s : schritte) {
                SX += s.dx;
                SY += s.dy;
                // A frame draws the markers the frame before listed: both ways are to draw
                // the list of the moved view.
                schnelle_wege(false);
                if (platzieren) frame(plain);
                schnelle_wege(true);
                frame(schnell, &tiefe_schnell);
                schnelle_wege(false);
                frame(plain, &tiefe_plain);
                schnelle_wege(true);
                if (platzieren) {
                    ASSERT_GE(BPU_Sichtliste_Ende, 50) << "markers on the moved view";
                }
                long tiefer = 0;
                for (std::size_t p = 0; p < tiefe_plain.size(); ++p)
                    if (tiefe_schnell[p] != 0xFFFFFFFFu && tiefe_schnell[p] != tiefe_plain[p]) ++tiefer;
                EXPECT_EQ(abweichende_pixel(plain, schnell), 0)
                    << "pixels after a step of " << s.dx << ", " << s.dy;
                EXPECT_EQ(tiefer, 0) << "depths after a step of " << s.dx << ", " << s.dy;
            }
            Kamera_ziehen = false;
            Platzierungsmodus = false;
        }

    // A cell in the middle of the view changes under a kept picture: the next frame
    // shows the change as the plain way does.
    Zoomstufe = 20;
    Kamera_zentrieren(ziel % n, ziel / n);
    Bild schnell, plain;
    for (int i = 0; i < 3; ++i) frame(schnell);
    const long eingesetzt = GB_Eingesetzt;
    Kartenfeld& f = Karte[static_cast<std::size_t>(ziel + 2)];
    f.Textur1() = f.Textur1() == 0 ? 3 : 0;
    Chunks_Feld_neu(ziel + 2);
    frame(schnell);
    EXPECT_EQ(GB_Eingesetzt, eingesetzt) << "the changed chunk is drawn, not the old picture";
    schnelle_wege(false);
    frame(plain);
    schnelle_wege(true);
    EXPECT_TRUE(plain.pixel == schnell.pixel) << "the frame after the change differs from the plain way";
}

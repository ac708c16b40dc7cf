// One frame of the world view: a full 1920 x 1080 view of the largest map (832 x 832
// cells, generated from a fixed seed with the game's content), drawn headless into
// an off-screen buffer.
//
// BM_Szene_still draws frames without a view change (terrain from the kept chunk
// lists); BM_Szene_ziehen moves the view every frame as a drag does, refreshing
// only the chunks that came into view; BM_Szene_ziehen_neu rebuilds every visible
// chunk each frame, for comparison.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "common/Bildpuffer.h"
#include "common/GLKontext.h"
#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "render/Chunks.h"
#include "render/Kamera.h"
#include "render/Modelliste.h"
#include "render/Renderdienste.h"
#include "render/Szene.h"
#include "platform/base/Zufall.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace fs = std::filesystem;

namespace {

constexpr int kBreite = 1920, kHoehe = 1080, kSeite = 832;

struct Vollbild : ShellSeam {
    int Formbreite() override { return kBreite; }
    int Clientbreite() override { return kBreite; }
    int Clienthoehe() override { return kHoehe; }
};

// The content, the textures and a map of islands, built once.
struct Welt {
    bool bereit = false;
    std::string grund;
    bhmtest::TempDir dir;
    Vollbild schale;
    Renderdienste dienste;
    std::unique_ptr<bhmtest::Bildpuffer> puffer;

    Welt() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (!bhmtest::GL_Kontext_bereit(&grund)) return;
        const fs::path spiel = BHM_GAME_DIR;
        if (!fs::exists(spiel / "Texture" / "aktiv" / "Landschaft.bmp")) {
            grund = "no base textures in the game folder";
            return;
        }
        for (const char* teil : {"Daten", "Texture", "Text"})
            fs::copy(spiel / teil, dir.path() / teil, fs::copy_options::recursive);
        Programmpfad = dir.folder();
        Shell_setzen(&schale);
        Render_setzen(&dienste);
        ML_Grundtexturen_laden();
        ML_Modelliste_laden();
        // The largest world, from a fixed seed.
        RandSeed = 20261210;
        SingelGameGroessenWahl = 9;
        MG_Spiel_starten();
        if (MG_Kartengroesse != kSeite) {
            grund = "no world was generated";
            return;
        }
        puffer = std::make_unique<bhmtest::Bildpuffer>(kBreite, kHoehe);
        bereit = puffer->bereit();
        if (!bereit) grund = "no off-screen frame buffer";
    }

    void frame() {
        bhmtest::Fensterzustand(kBreite, kHoehe);
        Draw_Szene(false);
        glFinish();
    }
};

Welt& welt() {
    static Welt w;
    return w;
}

bool vorbereiten(benchmark::State& state) {
    Welt& w = welt();
    if (!w.bereit) {
        state.SkipWithError(w.grund.c_str());
        return false;
    }
    Kamera_zentrieren(kSeite / 2, kSeite / 2);
    Kamera_ziehen = false;
    Mausstatus = 0;
    Neuzeichnen = true;
    w.frame();
    return true;
}

void BM_Szene_still(benchmark::State& state) {
    if (!vorbereiten(state)) return;
    for (auto _ : state) welt().frame();
    state.counters["Chunks"] = Chunkinteger;
}
BENCHMARK(BM_Szene_still)->Unit(benchmark::kMillisecond);

void drag(benchmark::State& state, bool neu) {
    if (!vorbereiten(state)) return;
    int schritt = 0;
    const long vorher = Chunk_Kompilierungen;
    for (auto _ : state) {
        // Back and forth over a few hundred pixels, a few pixels a frame.
        const int dx = (schritt / 60) % 2 == 0 ? 6 : -6;
        ++schritt;
        Kamera_ziehen = true;
        Maus_letztes_X = 500;
        Maus_letztes_Y = 500;
        Kamera_Mausbewegung(500 + dx, 500 + dx / 2);
        if (neu) Chunk_Listen_loeschen();
        welt().frame();
    }
    Kamera_ziehen = false;
    state.counters["Chunks"] = Chunkinteger;
    state.counters["kompiliert_je_Bild"] =
        static_cast<double>(Chunk_Kompilierungen - vorher) / static_cast<double>(state.iterations());
}

void BM_Szene_ziehen(benchmark::State& state) { drag(state, false); }
BENCHMARK(BM_Szene_ziehen)->Unit(benchmark::kMillisecond);

void BM_Szene_ziehen_neu(benchmark::State& state) { drag(state, true); }
BENCHMARK(BM_Szene_ziehen_neu)->Unit(benchmark::kMillisecond);

}  // namespace

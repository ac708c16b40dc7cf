// One frame of the world view: a full 1920 x 1080 view of the largest map (832 x 832
// cells) with the game's content, drawn headless into an off-screen buffer.
//
// BM_Szene_still draws frames without a view change (terrain from the kept chunk
// lists); BM_Szene_ziehen moves the view every frame as a drag does, refreshing
// only the chunks that came into view; BM_Szene_ziehen_neu rebuilds every visible
// chunk each frame, for comparison.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "common/Bildpuffer.h"
#include "common/GLKontext.h"
#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "render/Chunks.h"
#include "render/Kamera.h"
#include "render/Modelliste.h"
#include "render/Szene.h"
#include "world/Karte.h"

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
        for (const char* teil : {"Daten", "Texture"})
            fs::copy(spiel / teil, dir.path() / teil, fs::copy_options::recursive);
        Programmpfad = dir.folder();
        Shell_setzen(&schale);
        SBA_Atlasraster_leeren();
        SBU_Schablonen_laden(Programmpfad + "Daten\\");
        ML_Grundtexturen_laden();
        ML_Iconpacks_laden(Programmpfad + "Daten\\");
        ML_Packlisten_erzeugen();
        karte_anlegen();
        puffer = std::make_unique<bhmtest::Bildpuffer>(kBreite, kHoehe);
        bereit = puffer->bereit();
        if (!bereit) grund = "no off-screen frame buffer";
    }

    // Rolling islands: levels from a sum of waves, tiles by land class, a tree or a
    // stone on every fifth land cell.
    static void karte_anlegen() {
        MG_Kartengroesse = kSeite;
        MG_Karte_anlegen(kSeite, Karte);
        std::vector<int> baeume, steine;
        for (std::size_t a = 0; a < SBU_Ambiente.size(); ++a) {
            if (SBU_Ambiente[a].spezial == "tree")
                baeume.push_back(SBU_Ambiente_Basis() + static_cast<int>(a));
            if (SBU_Ambiente[a].spezial == "stone")
                steine.push_back(SBU_Ambiente_Basis() + static_cast<int>(a));
        }
        for (int y = 0; y < kSeite; ++y)
            for (int x = 0; x < kSeite; ++x) {
                Kartenfeld& f = Karte[static_cast<std::size_t>(x + y * kSeite)];
                const double h =
                    4 * std::sin(x * 0.05) + 4 * std::cos(y * 0.07) + 3 * std::sin((x + y) * 0.02);
                const int level = std::clamp(static_cast<int>(h), 0, 20);
                f.LandType() = level;
                const int klasse =
                    level == 0 ? 0 : (level <= 2 ? 1 : (level <= 5 ? 2 : (level <= 15 ? 3 : 4)));
                f.Textur1() = f.Textur2() = klasse;
                f.Objekt() = -1;
                f.Ambiente() = -1;
                if (level >= 3 && (x * 7 + y * 3) % 5 == 0 && !baeume.empty())
                    f.Ambiente() =
                        (x + y) % 3 == 0 && !steine.empty() ? steine[0] : baeume[(x / 5) % baeume.size()];
            }
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

// Saving and loading a populated game as the game does it: the largest map (side 832)
// generated from a fixed seed on the game's content and run for a century by its computer
// clans, saved with its four image packs over the save of the same name (F5, the autosave),
// and loaded back with the packs copied into Daten and the pack textures and lists made
// anew, in a headless context (SDL_VIDEODRIVER=offscreen). The loading status lines are
// counted but draw no frame here. Preparing the world takes some minutes.
//
// Each iteration is timed on its own; the counters give the median, the 99th percentile
// and the longest, in milliseconds, and the size of the save folder.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/GLKontext.h"
#include "common/Inhaltswelt.h"
#include "common/TempDir.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "population/Personen.h"
#include "render/Renderdienste.h"

namespace fs = std::filesystem;

namespace {

constexpr int kJahre = 100;

// The interactive edicts are written as the game writes them; the status lines are counted.
struct Statuszeilen : UiSeam {
    int zeilen = 0;
    void TPU_Ladestatus_add(const std::string&) override { ++zeilen; }
};

struct Spiel {
    bool bereit = false;
    std::string grund;
    bhmtest::Kernwelt welt;
    Renderdienste dienste;
    Statuszeilen ui;
    int personen = 0;

    Spiel() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (!bhmtest::GL_Kontext_bereit(&grund)) return;
        Render_setzen(&dienste);
        Oberflaeche_setzen(&ui);
        if (!bhmtest::Inhaltswelt_starten(welt, 7061, 2, 9) || !SSL) {
            grund = "no game folder or no world";
            return;
        }
        for (int i = 0; i < kJahre * bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
        for (const Personenzeile& p : Personen) personen += p.Hunger() >= 1;
        bereit = LSU_Speichern("Bench");
        if (!bereit) grund = "the game could not be saved: " + Fehlertext;
    }
    ~Spiel() {
        Oberflaeche_setzen(nullptr);
        Render_setzen(nullptr);
    }

    double ordnergroesse_mb() const {
        std::uintmax_t summe = 0;
        for (const auto& e : fs::directory_iterator(welt.ordner().dir().path() / "save" / "single" / "Bench"))
            if (e.is_regular_file()) summe += e.file_size();
        return static_cast<double>(summe) / 1e6;
    }
};

Spiel& spiel() {
    static Spiel s;
    return s;
}

template <class F>
void messen(benchmark::State& state, F schritt) {
    Spiel& s = spiel();
    if (!s.bereit) {
        state.SkipWithError(s.grund.c_str());
        return;
    }
    std::vector<double> zeiten;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!schritt()) {
            state.SkipWithError(("failed: " + Fehlertext).c_str());
            return;
        }
        zeiten.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(zeiten.begin(), zeiten.end());
    state.counters["median_ms"] = zeiten[zeiten.size() / 2];
    state.counters["p99_ms"] = zeiten[std::min(zeiten.size() - 1, zeiten.size() * 99 / 100)];
    state.counters["max_ms"] = zeiten.back();
    state.counters["save_MB"] = s.ordnergroesse_mb();
    state.counters["persons"] = s.personen;
}

// F5 in a running game: the save over the last one of the same name.
void BM_Speichern_wie_im_Spiel(benchmark::State& state) {
    messen(state, [] { return LSU_Speichern("Bench"); });
}
BENCHMARK(BM_Speichern_wie_im_Spiel)->Iterations(15)->Unit(benchmark::kMillisecond);

// F6: the save loaded over the running game.
void BM_Laden_wie_im_Spiel(benchmark::State& state) {
    messen(state, [] { return LSU_Laden("Bench", "single\\") && SSL; });
}
BENCHMARK(BM_Laden_wie_im_Spiel)->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

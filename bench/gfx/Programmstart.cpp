// The start of the program up to its first frame of the main menu, as a player starts it
// a second time: the whole program (window, fonts, textures, interface, panels, sounds,
// the backdrop game behind the menu) in a copy of the built game folder that has been
// started once before, headless (SDL_VIDEODRIVER=offscreen, SDL_AUDIODRIVER=dummy). The
// start timer's own wait before the start-up runs is not counted.
//
// Each iteration is one start, timed on its own; the counters give the median and the
// longest in milliseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/Programm.h"
#include "common/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Creates the window and runs the start-up; the time until its menu frame was drawn.
double starten(const bhmtest::TempDir& ordner) {
    const auto t0 = std::chrono::steady_clock::now();
    Programm programm;
    programm.erzeugen(ordner.folder());
    programm.form.StarttimerTimer();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    programm.beenden();
    return programm.form.Eventtimer.aktiv ? ms : -1;
}

void BM_Start_bis_Hauptmenue(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    bhmtest::TempDir ordner;
    fs::copy(BHM_GAME_DIR, ordner.path(), fs::copy_options::recursive);
    // The first start of a game folder makes what later starts find ready.
    if (starten(ordner) < 0) {
        state.SkipWithError("the program did not start");
        return;
    }
    std::vector<double> zeiten;
    for (auto _ : state) {
        const double ms = starten(ordner);
        if (ms < 0) {
            state.SkipWithError("the program did not start");
            return;
        }
        zeiten.push_back(ms);
    }
    std::sort(zeiten.begin(), zeiten.end());
    state.counters["median_ms"] = zeiten[zeiten.size() / 2];
    state.counters["max_ms"] = zeiten.back();
}
BENCHMARK(BM_Start_bis_Hauptmenue)->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace

// The simulation step of a living world: a new world on the game's own content
// whose computer clans have settled for some years, measured one step and one
// frame at the highest speed (nine steps) at a time. At speed 8 the nine steps
// share a 40 ms frame with the drawing. A last case measures the fullest world.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "common/Inhaltswelt.h"
#include "economy/Objekte.h"
#include "population/Personen.h"

namespace {

// Generates seed 7061 on map type 2 at the size choice and runs it for the years;
// the living persons and the objects in use when it stops. False (the benchmark
// skipped) without content or world.
bool belebte_Welt(benchmark::State& state, bhmtest::Kernwelt& welt, int groesse, int jahre, int& personen,
                  int& objekte) {
    if (!bhmtest::Inhaltswelt_starten(welt, 7061, 2, groesse) || !SSL) {
        state.SkipWithError("no game folder or no world");
        return false;
    }
    for (int i = 0; i < jahre * bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
    for (const Personenzeile& p : Personen) personen += p.Hunger() >= 1;
    for (Objektzeile& o : Objekte) objekte += o.Feld() >= 1;
    return true;
}

// Runs the world for the given years before measuring; skips without content.
template <int Jahre>
void BM_Belebter_Schritt(benchmark::State& state) {
    bhmtest::Kernwelt welt;
    int personen = 0, objekte = 0;
    if (!belebte_Welt(state, welt, 0, Jahre, personen, objekte)) return;
    const int schritte = static_cast<int>(state.range(0));
    for (auto _ : state)
        for (int i = 0; i < schritte; ++i) bhmtest::Simulationsschritt();
    char text[96];
    std::snprintf(text, sizeof text, "%d persons, %d objects when measuring began after %d years", personen,
                  objekte, Jahre);
    state.SetLabel(text);
}

// The step in the most populated state the default content reaches: the largest map
// (side 832) after a century, some thousands of persons. Each step is timed on its
// own for the median, the 99th percentile and the longest step. Preparing the world
// takes some minutes.
void BM_Schritt_der_vollen_Welt(benchmark::State& state) {
    bhmtest::Kernwelt welt;
    int personen = 0, objekte = 0;
    if (!belebte_Welt(state, welt, 9, 100, personen, objekte)) return;
    std::vector<double> zeiten;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        bhmtest::Simulationsschritt();
        zeiten.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(zeiten.begin(), zeiten.end());
    if (!zeiten.empty()) {
        state.counters["median_us"] = zeiten[zeiten.size() / 2];
        state.counters["p99_us"] = zeiten[std::min(zeiten.size() - 1, zeiten.size() * 99 / 100)];
        state.counters["max_us"] = zeiten.back();
    }
    state.counters["persons"] = personen;
    state.counters["objects"] = objekte;
}

BENCHMARK_TEMPLATE(BM_Belebter_Schritt, 2)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Belebter_Schritt, 12)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);
// Two years of steps, so that the monthly and the yearly work fall inside.
BENCHMARK(BM_Schritt_der_vollen_Welt)
    ->Iterations(2 * bhmtest::Schritte_je_Jahr)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

// The simulation step in the most populated state the default content reaches: the
// largest map (side 832) after a century in which its computer clans have grown to
// some thousands of persons. Each step is timed on its own, so the figures give the
// median, the 99th percentile and the longest step besides the mean. Preparing the
// world takes some minutes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "common/Inhaltswelt.h"
#include "economy/Objekte.h"
#include "population/Personen.h"

namespace {

constexpr int Groesse_832 = 9;
constexpr int Jahre = 100;

void BM_Schritt_der_vollen_Welt(benchmark::State& state) {
    bhmtest::Kernwelt welt;
    if (!bhmtest::Inhaltswelt_starten(welt, 7061, 2, Groesse_832) || !SSL) {
        state.SkipWithError("no game folder or no world");
        return;
    }
    for (int i = 0; i < Jahre * bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
    int personen = 0, objekte = 0;
    for (const Personenzeile& p : Personen) personen += p.Hunger() >= 1;
    for (Objektzeile& o : Objekte) objekte += o.Feld() >= 1;
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

// Two years of steps, so that every monthly and the yearly work fall inside.
BENCHMARK(BM_Schritt_der_vollen_Welt)
    ->Iterations(2 * bhmtest::Schritte_je_Jahr)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

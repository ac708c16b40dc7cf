// The simulation step of a living world: a new world on the game's own content
// whose computer clans have settled for some years, measured one step and one
// frame at the highest speed (nine steps) at a time. At speed 8 the nine steps
// share a 40 ms frame with the drawing. The last cases measure the fullest world,
// and the same world crowded with founders.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "common/Inhaltswelt.h"
#include "economy/Objekte.h"
#include "persistence/Spielstaende.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "population/Personen_Geburt.h"

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

// Each step timed on its own: wall clock, and the thread's CPU time beside it (steady
// on a busy machine, where other processes stretch the wall-clock figures).
struct Schrittzeiten {
    std::vector<double> wand, cpu;
    void schritt() {
        timespec c0{}, c1{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c0);
        const auto t0 = std::chrono::steady_clock::now();
        bhmtest::Simulationsschritt();
        wand.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &c1);
        cpu.push_back(static_cast<double>(c1.tv_sec - c0.tv_sec) * 1e6 +
                      static_cast<double>(c1.tv_nsec - c0.tv_nsec) / 1e3);
    }
    // The median, the 99th percentile and the longest step as counters named vorsilbe...
    void melden(benchmark::State& state, const std::string& vorsilbe) {
        auto zaehlen = [&](std::vector<double>& zeiten, const std::string& name) {
            if (zeiten.empty()) return;
            std::sort(zeiten.begin(), zeiten.end());
            state.counters[name + "median_us"] = zeiten[zeiten.size() / 2];
            state.counters[name + "p99_us"] = zeiten[std::min(zeiten.size() - 1, zeiten.size() * 99 / 100)];
            state.counters[name + "max_us"] = zeiten.back();
        };
        zaehlen(wand, vorsilbe);
        zaehlen(cpu, vorsilbe + "cpu_");
    }
};

void Schritte_messen(benchmark::State& state) {
    Schrittzeiten z;
    for (auto _ : state) z.schritt();
    z.melden(state, "");
}

int lebende_Personen() {
    int n = 0;
    for (const Personenzeile& p : Personen) n += p.Hunger() >= 1;
    return n;
}

// The most populated state the default content reaches: the largest map (side 832)
// after a century, some thousands of persons. Prepared once (some minutes) and shared
// by the cases below, which run on in the order they are listed.
bool volle_Welt(benchmark::State& state) {
    static std::unique_ptr<bhmtest::Kernwelt> welt;
    static bool bereit = false;
    if (!welt) {
        // BHM_BENCH_VOLLE_WEGE=1 runs every search the full way, for the figures without the short ways.
        const char* voll = std::getenv("BHM_BENCH_VOLLE_WEGE");
        JA_Schnellwege = !(voll && std::string(voll) == "1");
        welt = std::make_unique<bhmtest::Kernwelt>();
        int personen = 0, objekte = 0;
        bereit = belebte_Welt(state, *welt, 9, 100, personen, objekte);
        return bereit;
    }
    if (!bereit) state.SkipWithError("no game folder or no world");
    return bereit;
}

// The step of the full world, two years of steps so that the monthly and the yearly
// work fall inside.
void BM_Schritt_der_vollen_Welt(benchmark::State& state) {
    if (!volle_Welt(state)) return;
    const int personen = lebende_Personen();
    Schritte_messen(state);
    state.counters["persons"] = personen;
    int objekte = 0;
    for (Objektzeile& o : Objekte) objekte += o.Feld() >= 1;
    state.counters["objects"] = objekte;
}

// The same year of the full world run on straight after saving, and again after loading
// the save: the two must cost the same (the loaded game is the saved one, row by row).
void BM_Schritt_nach_dem_Laden(benchmark::State& state) {
    if (!volle_Welt(state)) return;
    if (!LSU_Speichern("Messung")) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        Schrittzeiten weiter, geladen;
        for (int i = 0; i < bhmtest::Schritte_je_Jahr; ++i) weiter.schritt();
        if (!LSU_Laden("Messung", "single\\")) {
            state.SkipWithError("load failed");
            return;
        }
        for (int i = 0; i < bhmtest::Schritte_je_Jahr; ++i) geladen.schritt();
        weiter.melden(state, "weiter_");
        geladen.melden(state, "geladen_");
    }
}

// The same world with founders added until about 11,000 persons live: each new person
// joins the clan of a living person on that person's cell.
void BM_Schritt_mit_11000_Personen(benchmark::State& state) {
    if (!volle_Welt(state)) return;
    std::vector<int> vorbilder;
    for (int p = 0; p < static_cast<int>(Personen.size()); ++p)
        if (Personen[static_cast<std::size_t>(p)].Hunger() >= 1) vorbilder.push_back(p);
    for (std::size_t i = 0; !vorbilder.empty() && lebende_Personen() < 11000; ++i) {
        const Personenzeile& v = Personen[static_cast<std::size_t>(vorbilder[i % vorbilder.size()])];
        if (PM_Person_erzeugen(false, v.Feld(), -1, v.Spieler()) < 0) break;
    }
    const int personen = lebende_Personen();
    Schritte_messen(state);
    state.counters["persons"] = personen;
}

BENCHMARK_TEMPLATE(BM_Belebter_Schritt, 2)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Belebter_Schritt, 12)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schritt_der_vollen_Welt)
    ->Iterations(2 * bhmtest::Schritte_je_Jahr)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schritt_nach_dem_Laden)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Schritt_mit_11000_Personen)
    ->Iterations(bhmtest::Schritte_je_Jahr)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

// The simulation step of a living world: a new world on the game's own content
// whose computer clans have settled for some years, measured one step and one
// frame at the highest speed (nine steps) at a time. At speed 8 the nine steps
// share a 40 ms frame with the drawing.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "common/Inhaltswelt.h"
#include "economy/Objekte.h"
#include "population/Personen.h"

namespace {

// Runs the world for the given years before measuring; skips without content.
template <int Jahre>
void BM_Belebter_Schritt(benchmark::State& state) {
    bhmtest::Kernwelt welt;
    if (!bhmtest::Inhaltswelt_starten(welt, 7061, 2) || !SSL) {
        state.SkipWithError("no game folder or no world");
        return;
    }
    for (int i = 0; i < Jahre * bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
    int personen = 0, objekte = 0;
    for (const Personenzeile& p : Personen) personen += p.Hunger() >= 1;
    for (Objektzeile& o : Objekte) objekte += o.Feld() >= 1;
    const int schritte = static_cast<int>(state.range(0));
    for (auto _ : state)
        for (int i = 0; i < schritte; ++i) bhmtest::Simulationsschritt();
    char text[96];
    std::snprintf(text, sizeof text, "%d persons, %d objects when measuring began after %d years", personen,
                  objekte, Jahre);
    state.SetLabel(text);
}

BENCHMARK_TEMPLATE(BM_Belebter_Schritt, 2)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Belebter_Schritt, 12)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);

}  // namespace

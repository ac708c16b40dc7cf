// The simulation step on the largest map: the calendar and the pass over every
// unit, with the clans of a full game but no persons or buildings yet, so the
// figure is the fixed cost each step pays before any unit has work.
#include <benchmark/benchmark.h>

#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "world/Karte.h"

namespace {

void Welt_anlegen() {
    MG_Welt_zuruecksetzen();
    MG_Kartengroesse = MG_Groesse_aus_Wahl(9);
    MG_Karte_anlegen(MG_Kartengroesse, Karte);
    SBU_Waren.assign(40, Waren_Item{});
    RandSeed = 1;
    GU_Spieler_erstellen(6);
}

void BM_Leerer_Schritt(benchmark::State& state) {
    Welt_anlegen();
    for (auto _ : state) {
        Logik_Zeitschritt();
        Logik_Simulationsschritt();
    }
    state.SetLabel("832 x 832, 7 clans");
}
BENCHMARK(BM_Leerer_Schritt);

// Nine steps: one frame at the highest speed.
void BM_Leerer_Frame_Tempo_8(benchmark::State& state) {
    Welt_anlegen();
    for (auto _ : state) {
        for (int i = 0; i < 9; ++i) {
            Logik_Zeitschritt();
            Logik_Simulationsschritt();
        }
    }
}
BENCHMARK(BM_Leerer_Frame_Tempo_8);

void BM_Pruefsumme(benchmark::State& state) {
    Welt_anlegen();
    for (auto _ : state) benchmark::DoNotOptimize(Logik_Pruefsumme());
    state.SetLabel("832 x 832 cells");
}
BENCHMARK(BM_Pruefsumme)->Unit(benchmark::kMillisecond);

}  // namespace

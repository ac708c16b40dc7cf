// The path search on the largest map: one walker in front of a wall across its
// straight line, the detour found and stored each time (the row is released
// before the next search). The wall's length sets how far the probes walk; a
// boxed-in walker lets both probes run to their limit of 4 x side steps.
#include <benchmark/benchmark.h>

#include "foundation/Config.h"
#include "population/Personen.h"
#include "world/Karte.h"
#include "world/Pfade.h"

namespace {

constexpr int N = 832;

int F(int x, int y) { return x + y * N; }

void Welt_anlegen() {
    Error_Silence = true;
    MG_Welt_zuruecksetzen();
    MG_Kartengroesse = N;
    MG_Karte_anlegen(N, Karte);
    for (Kartenfeld& k : Karte) {
        k.LandType() = 3;
        k.Insel() = 0;
    }
    PFU_Init();
    Personen.assign(1, Personenzeile{});
    Personen[0].Hunger() = 100;
    Personen[0].PfadID() = -1;
    Personen[0].AuftragID() = 100;
}

void suchen(benchmark::State& state) {
    for (auto _ : state) {
        PFU_Path_loeschen(0);
        PFU_Path_berechnen(0);
        benchmark::DoNotOptimize(Personen[0].PfadID());
    }
    // The length of the stored detour (0 when none was found).
    int zellen = 0;
    if (Personen[0].PfadID() >= 0)
        for (std::size_t i = 1; i < PFU_Pfade[static_cast<std::size_t>(Personen[0].PfadID())].size() &&
                                PFU_Pfade[static_cast<std::size_t>(Personen[0].PfadID())][i] >= 1;
             ++i)
            ++zellen;
    state.counters["Umwegzellen"] = zellen;
}

// A wall of the given length, its middle on the walker's line, the target far behind.
void BM_Umweg_um_Wand(benchmark::State& state) {
    Welt_anlegen();
    const int laenge = static_cast<int>(state.range(0));
    for (int y = 400 - laenge / 2; y < 400 - laenge / 2 + laenge; ++y)
        Karte[static_cast<std::size_t>(F(401, y))].Block() = 2;
    Personen[0].Feld() = F(400, 400);
    Personen[0].Zielfeld() = F(800, 400);
    suchen(state);
    state.SetLabel("832 x 832");
}
BENCHMARK(BM_Umweg_um_Wand)->Arg(10)->Arg(100)->Arg(600);

// No way out: both probes run their full 4 x 832 steps and the search fails.
void BM_Eingeschlossen(benchmark::State& state) {
    Welt_anlegen();
    for (int c : {F(399, 401), F(399, 400), F(400, 399), F(401, 399), F(401, 400), F(400, 401)})
        Karte[static_cast<std::size_t>(c)].Block() = 2;
    Personen[0].Feld() = F(400, 400);
    Personen[0].Zielfeld() = F(800, 400);
    suchen(state);
}
BENCHMARK(BM_Eingeschlossen);

}  // namespace

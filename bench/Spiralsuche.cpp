// The spiral searches at their widest: a free cell near a person that is not
// there (all 25 rings walked), a cell of a far island on the largest map, and
// a building-spot search that tests every land cell within reach.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "economy/Spieler.h"
#include "foundation/Schablonen.h"
#include "population/Jobarchiv.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace {

void Welt_anlegen() {
    MG_Welt_zuruecksetzen();
    MG_Kartengroesse = MG_Groesse_aus_Wahl(9);
    MG_Karte_anlegen(MG_Kartengroesse, Karte);
    for (Kartenfeld& k : Karte) {
        k.LandType() = 4;
        k.Insel() = 0;
        k.Block() = 1;
    }
    SBU_Objekte.assign(1, Objekt_Item{});
    GU_Spieler_erstellen(1);
}

int Mitte() { return MG_Kartengroesse / 2 + MG_Kartengroesse / 2 * MG_Kartengroesse; }

void BM_Freies_Feld_nicht_gefunden(benchmark::State& state) {
    Welt_anlegen();
    for (auto _ : state) benchmark::DoNotOptimize(Schneckenroutine(Mitte(), 30, 0));
    state.SetLabel("mode 30, 25 rings, 1950 cells");
}
BENCHMARK(BM_Freies_Feld_nicht_gefunden);

void BM_Ferne_Insel(benchmark::State& state) {
    Welt_anlegen();
    KI_Insel = 1;
    Karte[Karte.size() - 3].Insel() = 1;
    for (auto _ : state) benchmark::DoNotOptimize(Schneckenroutine(0 + 2 * MG_Kartengroesse + 2, 33, 0));
    state.SetLabel("mode 33, corner to corner on 832 x 832");
}
BENCHMARK(BM_Ferne_Insel)->Unit(benchmark::kMillisecond);

// Argument 1: the short ways (the walk ends after ring 119), 0: all 832 rings.
void BM_Bauplatz_nicht_gefunden(benchmark::State& state) {
    Welt_anlegen();
    JA_Schnellwege = state.range(0) == 1;
    for (auto _ : state) benchmark::DoNotOptimize(JA_Bauplatz_suchen(Mitte(), 0, false));
    JA_Schnellwege = true;
    state.SetLabel("land within 120 tested");
}
BENCHMARK(BM_Bauplatz_nicht_gefunden)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Origins spread over the whole map, so that each search meets cells that are not in
// the cache, as the holes and walkers of a living world do.
std::vector<int> Verstreute_Felder() {
    std::vector<int> felder;
    const int n = MG_Kartengroesse;
    for (int y = 40; y < n - 40; y += 37)
        for (int x = 40; x < n - 40; x += 53) felder.push_back(x + y * n);
    return felder;
}

// Argument 1: the short ways, 0: every search the full way.
void BM_Niemand_nahe_am_Loch(benchmark::State& state) {
    Welt_anlegen();
    JA_Schnellwege = state.range(0) == 1;
    const std::vector<int> felder = Verstreute_Felder();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Schneckenroutine(felder[i++ % felder.size()], 37, 0));
    JA_Schnellwege = true;
    state.SetLabel("mode 37, nobody within 3 rings");
}
BENCHMARK(BM_Niemand_nahe_am_Loch)->Arg(0)->Arg(1);

// A free cell on ring `Ring` around every origin, everything nearer blocked.
template <int Ring>
void BM_Freies_Feld_im_Ring(benchmark::State& state) {
    Welt_anlegen();
    JA_Schnellwege = state.range(0) == 1;
    const std::vector<int> felder = Verstreute_Felder();
    for (int f : felder) Karte[static_cast<std::size_t>(f + Ring * (1 - MG_Kartengroesse))].Block() = -1;
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Schneckenroutine(felder[i++ % felder.size()], 30, 0));
    JA_Schnellwege = true;
    state.SetLabel("mode 30, found on the last cell of the ring");
}
BENCHMARK_TEMPLATE(BM_Freies_Feld_im_Ring, 2)->Arg(0)->Arg(1);
BENCHMARK_TEMPLATE(BM_Freies_Feld_im_Ring, 6)->Arg(0)->Arg(1);
BENCHMARK_TEMPLATE(BM_Freies_Feld_im_Ring, 12)->Arg(0)->Arg(1);

void BM_Freies_Feld_nicht_gefunden_verstreut(benchmark::State& state) {
    Welt_anlegen();
    JA_Schnellwege = state.range(0) == 1;
    const std::vector<int> felder = Verstreute_Felder();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(Schneckenroutine(felder[i++ % felder.size()], 30, 0));
    JA_Schnellwege = true;
    state.SetLabel("mode 30, 25 rings, 1950 cells");
}
BENCHMARK(BM_Freies_Feld_nicht_gefunden_verstreut)->Arg(0)->Arg(1);

}  // namespace

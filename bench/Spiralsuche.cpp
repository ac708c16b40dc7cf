// The spiral searches at their widest: a free cell near a person that is not
// there (all 25 rings walked), a cell of a far island on the largest map, and
// a building-spot search that tests every land cell within reach.
#include <benchmark/benchmark.h>

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

void BM_Bauplatz_nicht_gefunden(benchmark::State& state) {
    Welt_anlegen();
    for (auto _ : state) benchmark::DoNotOptimize(JA_Bauplatz_suchen(Mitte(), 0, false));
    state.SetLabel("832 rings, land within 120 tested");
}
BENCHMARK(BM_Bauplatz_nicht_gefunden)->Unit(benchmark::kMillisecond);

}  // namespace

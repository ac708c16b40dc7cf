// Writing and reading the largest files of a saved game: the map of an 832-cell
// world ("Map.sav", one line per run of equal cells) and a person table of
// 50,000 rows ("P.sav").
#include <benchmark/benchmark.h>

#include <string>

#include "common/TempDir.h"
#include "persistence/Kartendatei.h"
#include "persistence/Tabellendateien.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Karte.h"

namespace {

// Rolling land with water bands and an ambient object on every seventh land cell.
void karte_fuellen() {
    MG_Kartengroesse = MG_Kartengroesse_max;
    MG_Karte_anlegen(MG_Kartengroesse, Karte);
    RandSeed = 99;
    int stufe = 0;
    for (std::size_t c = 0; c < Karte.size(); ++c) {
        const int r = Random(16);
        if (r == 0 && stufe > 0) --stufe;
        if (r == 1 && stufe < 20) ++stufe;
        Kartenfeld& k = Karte[c];
        k.LandType() = stufe;
        if (stufe > 0 && Random(7) == 0) k.Ambiente() = 100 + Random(20);
    }
}

void BM_Karte_speichern(benchmark::State& state) {
    bhmtest::TempDir dir;
    karte_fuellen();
    const std::string datei = dir.path().string() + "/Map.sav";
    for (auto _ : state) benchmark::DoNotOptimize(LSU_Karte_speichern(datei));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Karte.size()));
}
BENCHMARK(BM_Karte_speichern)->Unit(benchmark::kMillisecond);

void BM_Karte_laden(benchmark::State& state) {
    bhmtest::TempDir dir;
    karte_fuellen();
    LSU_Karte_speichern(dir.path().string() + "/Map.sav");
    for (auto _ : state) Map_laden(dir.path().string());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Karte.size()));
}
BENCHMARK(BM_Karte_laden)->Unit(benchmark::kMillisecond);

void BM_Personen_speichern_und_laden(benchmark::State& state) {
    bhmtest::TempDir dir;
    Personen.assign(50000, Personenzeile{});
    for (std::size_t p = 0; p < Personen.size(); ++p)
        for (int f = 0; f < Personen_Feldanzahl; ++f)
            Personen[p].feld(f) = static_cast<int>(p) * 7 - f * 1000;
    const std::string datei = dir.path().string() + "/P.sav";
    for (auto _ : state) {
        LSU_Personen_speichern(datei);
        LoadfromArrayFile(Personen, datei);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 50000);
}
BENCHMARK(BM_Personen_speichern_und_laden)->Unit(benchmark::kMillisecond);

}  // namespace

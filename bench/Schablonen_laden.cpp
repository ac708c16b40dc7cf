// Loading every template of a new world: scripts, footprints, the building
// atlas, the icon packs and the carry pack, the tests and the logs.
//
// BM_Schablonen_laden_Vorrat loads a generated set of 20 skills, 40 goods,
// 40 buildings and 40 ambient objects; BM_Schablonen_laden_Spielinhalt loads
// the game's own content from the assembled game folder, when it is there.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/Schablonenvorrat.h"
#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"

namespace {

void laden(benchmark::State& state, const std::string& ordner) {
    const std::string alt = Programmpfad;
    Programmpfad = ordner;
    for (auto _ : state) {
        SBU_Alles_zuruecksetzen();
        SBA_Atlasraster_leeren();
        SBU_Schablonen_laden(Programmpfad + "Daten\\");
        if (SBU_Objekte.empty()) state.SkipWithError("templates did not load");
    }
    state.counters["Gebaeude"] = static_cast<double>(SBU_Objekte.size());
    state.counters["Ambiente"] = static_cast<double>(SBU_Ambiente.size());
    SBU_Alles_zuruecksetzen();
    Programmpfad = alt;
}

void BM_Schablonen_laden_Vorrat(benchmark::State& state) {
    bhmtest::TempDir dir;
    bhmtest::Vorrat_anlegen(dir.folder(), {20, 40, 40, 40});
    laden(state, dir.folder());
}
BENCHMARK(BM_Schablonen_laden_Vorrat)->Unit(benchmark::kMillisecond);

void BM_Schablonen_laden_Spielinhalt(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path spiel = BHM_GAME_DIR;
    if (!fs::exists(spiel / "Daten" / "Objekt" / "0")) {
        state.SkipWithError("no game content in the game folder");
        for (auto _ : state) {
        }
        return;
    }
    // A copy, so the game folder's packs and logs stay as the build made them.
    bhmtest::TempDir dir;
    for (const char* teil : {"Daten", "Texture"})
        if (fs::exists(spiel / teil)) fs::copy(spiel / teil, dir.path() / teil, fs::copy_options::recursive);
    // The blank packs belong to the textures; stand-ins of the real size when they are not there yet.
    for (const char* pack : {"Texture/aktiv/Iconpack.BMP", "Texture/aktiv/Personpack.bmp"})
        if (!fs::exists(dir.path() / pack))
            bhmtest::Vorrat_Bild_schreiben(dir.folder() + pack,
                                           bhmtest::Vorrat_Bild(1024, 1024, 255, 0, 255));
    laden(state, dir.folder());
}
BENCHMARK(BM_Schablonen_laden_Spielinhalt)->Unit(benchmark::kMillisecond);

}  // namespace

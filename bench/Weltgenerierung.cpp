// Generating the land of a new world: heights of the map type, islands,
// ambient objects with their block states and rabbit holes, and the resource
// index, at sides 256, 512 and 832 for every map type.
//
// The templates are the game's own content from the assembled game folder,
// loaded once; without it, a small fixture set stands in (reported in the label).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "common/Schablonenvorrat.h"
#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "platform/base/Zufall.h"
#include "world/Gelaende.h"
#include "world/Hoehen.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Ressourcen.h"
#include "world/Weltvorlagen.h"

namespace {

// A copy of the game folder's content, made once per process; empty when the
// game folder has none.
const std::string& spielordner() {
    static bhmtest::TempDir dir;
    static const std::string ordner = [] {
        namespace fs = std::filesystem;
        const fs::path spiel = BHM_GAME_DIR;
        if (!fs::exists(spiel / "Daten" / "Ambiente" / "0")) return std::string();
        for (const char* teil : {"Daten", "Text"})
            if (fs::exists(spiel / teil))
                fs::copy(spiel / teil, dir.path() / teil, fs::copy_options::recursive);
        // The blank packs belong to the textures; stand-ins when they are not there yet.
        for (const char* pack : {"Texture/aktiv/Iconpack.BMP", "Texture/aktiv/Personpack.bmp"})
            bhmtest::Vorrat_Bild_schreiben(dir.folder() + pack,
                                           bhmtest::Vorrat_Bild(1024, 1024, 255, 0, 255));
        return dir.folder();
    }();
    return ordner;
}

// Loads the templates once per process; true when they are the game's content.
bool vorlagen_laden() {
    static const bool spielinhalt = [] {
        if (!spielordner().empty()) {
            const std::string alt = Programmpfad;
            Programmpfad = spielordner();
            SBU_Alles_zuruecksetzen();
            SBA_Atlasraster_leeren();
            SBU_Schablonen_laden(Programmpfad + "Daten\\");
            Programmpfad = alt;
            if (!SBU_Ambiente.empty() && SBU_Fehlwaren.empty()) return true;
        }
        SBU_Alles_zuruecksetzen();
        bhmtest::Weltvorlagen_setzen();
        return false;
    }();
    return spielinhalt;
}

void BM_Weltgenerierung(benchmark::State& state) {
    const int typ = static_cast<int>(state.range(0));
    const int wahl = static_cast<int>(state.range(1));
    const bool spielinhalt = vorlagen_laden();
    SingelGameTYPWahl = typ;
    SingelGameGroessenWahl = wahl;
    SingelGamerohstoffWahl = SingelGamerohstoffWahl_Standard;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        RandSeed = seed++;
        IU_Inseln_loeschen();
        MG_Kartengroesse = MG_Groesse_aus_Wahl(wahl);
        MG_Karte_anlegen(MG_Kartengroesse, Karte);
        MG_Kartentyp_erzeugen(typ);
        IU_Inseln_erzeugen();
        if (typ != 4) MG_Ambiente_verteilen();
        RU_Ressourcen_erfassen();
    }
    state.SetLabel("type " + std::to_string(typ) + ", side " + std::to_string(MG_Kartengroesse) +
                   (spielinhalt ? ", game content" : ", fixture templates"));
}
BENCHMARK(BM_Weltgenerierung)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0, 4, 9}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The whole new world as the start of a game makes it, the template load included.
void BM_Neue_Welt(benchmark::State& state) {
    if (spielordner().empty()) {
        state.SkipWithError("no game content in the game folder");
        for (auto _ : state) {
        }
        return;
    }
    const std::string alt = Programmpfad;
    Programmpfad = spielordner();
    SingelGameTYPWahl = static_cast<int>(state.range(0));
    SingelGameGroessenWahl = static_cast<int>(state.range(1));
    SingelGameKIanzahl = SingelGameKIanzahl_Standard;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        RandSeed = seed++;
        MG_Neue_Welt();
        if (!SBU_Fehlwaren.empty()) state.SkipWithError("templates did not load");
    }
    state.SetLabel("type " + std::to_string(SingelGameTYPWahl) + ", side " +
                   std::to_string(MG_Kartengroesse));
    Programmpfad = alt;
}
BENCHMARK(BM_Neue_Welt)->Args({2, 9})->Args({3, 9})->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

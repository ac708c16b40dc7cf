// One frame of the world view: a full 1920 x 1080 view of the largest map (832 x 832
// cells, generated from a fixed seed with the game's content), drawn headless into
// an off-screen buffer.
//
// BM_Szene_still draws frames of a new game, which waits in placement mode for the
// start building (the preview over every free cell), without a view change (terrain
// from the kept chunk lists); BM_Szene_ziehen moves the view every frame as a drag
// does, refreshing only the chunks that came into view; BM_Szene_ziehen_neu rebuilds
// every visible chunk each frame, for comparison.
//
// Each runs the quick way (/1: world layers batched, the pictures of the terrain and of
// the placement markers kept while they stand) and the plain way (/0: one list call per
// sprite, the terrain and the markers every frame).
//
// BM_Belebt_still and BM_Belebt_ziehen draw the same map in ordinary play: every clan
// (the player's too, under the computer's hand) has settled for some years
// (BHM_BENCH_JAHRE, 12 by default), the view stands over the thickest crowd of persons,
// no preview. Settling the world takes a few minutes.
//
// BM_Gelaende_ziehen draws the terrain layer alone while the view is dragged: the share
// of a dragging frame that the kept terrain picture cannot save.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "common/Bildpuffer.h"
#include "common/GLKontext.h"
#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "population/Personen.h"
#include "render/Chunks.h"
#include "render/Kamera.h"
#include "render/Modelliste.h"
#include "render/Renderdienste.h"
#include "render/Gelaendebild.h"
#include "render/Spritestapel.h"
#include "render/Szene.h"
#include "render/Vorschaubild.h"
#include "platform/base/Zufall.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace fs = std::filesystem;

namespace {

constexpr int kBreite = 1920, kHoehe = 1080, kSeite = 832;

struct Vollbild : ShellSeam {
    int Formbreite() override { return kBreite; }
    int Clientbreite() override { return kBreite; }
    int Clienthoehe() override { return kHoehe; }
};

// The content, the textures and a map of islands, built once; `beleben` settles it.
struct Welt {
    bool bereit = false;
    std::string grund;
    bhmtest::TempDir dir;
    Vollbild schale;
    Renderdienste dienste;
    std::unique_ptr<bhmtest::Bildpuffer> puffer;

    Welt() {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (!bhmtest::GL_Kontext_bereit(&grund)) return;
        const fs::path spiel = BHM_GAME_DIR;
        if (!fs::exists(spiel / "Texture" / "aktiv" / "Landschaft.bmp")) {
            grund = "no base textures in the game folder";
            return;
        }
        for (const char* teil : {"Daten", "Texture", "Text"})
            fs::copy(spiel / teil, dir.path() / teil, fs::copy_options::recursive);
        Programmpfad = dir.folder();
        Shell_setzen(&schale);
        Render_setzen(&dienste);
        ML_Grundtexturen_laden();
        ML_Modelliste_laden();
        // The largest world, from a fixed seed.
        RandSeed = 20261210;
        SingelGameGroessenWahl = 9;
        MG_Spiel_starten();
        if (MG_Kartengroesse != kSeite) {
            grund = "no world was generated";
            return;
        }
        puffer = std::make_unique<bhmtest::Bildpuffer>(kBreite, kHoehe);
        bereit = puffer->bereit();
        if (!bereit) grund = "no off-screen frame buffer";
        mitte_x = mitte_y = kSeite / 2;
    }

    bool belebt = false;
    int mitte_x = 0, mitte_y = 0;

    // Hands the player's clan to the computer and runs the years; the view goes to the
    // cell with the most persons within 20 cells.
    void beleben() {
        if (belebt || !bereit) return;
        belebt = true;
        GU_KI_umschalten(SpielerID);
        Platzierungsmodus = false;
        int jahre = 12;
        if (const char* j = std::getenv("BHM_BENCH_JAHRE")) jahre = std::max(0, std::atoi(j));
        for (int i = 0; i < jahre * (12 * Monatsticks + 1); ++i) {
            Logik_Zeitschritt();
            Logik_Simulationsschritt();
        }
        Platzierungsmodus = false;
        constexpr int kBlock = 40;
        std::vector<int> dichte((kSeite / kBlock + 1) * (kSeite / kBlock + 1), 0);
        personen = 0;
        for (const Personenzeile& p : Personen) {
            if (p.Hunger() <= 0 || !MG_Feld_gueltig(p.Feld())) continue;
            ++personen;
            ++dichte[static_cast<std::size_t>((p.Feld() % kSeite) / kBlock +
                                              (p.Feld() / kSeite) / kBlock * (kSeite / kBlock + 1))];
        }
        const auto best = std::max_element(dichte.begin(), dichte.end()) - dichte.begin();
        mitte_x = static_cast<int>(best % (kSeite / kBlock + 1)) * kBlock + kBlock / 2;
        mitte_y = static_cast<int>(best / (kSeite / kBlock + 1)) * kBlock + kBlock / 2;
    }
    int personen = 0;

    void frame() {
        bhmtest::Fensterzustand(kBreite, kHoehe);
        Draw_Szene(false);
        glFinish();
    }
};

Welt& welt() {
    static Welt w;
    return w;
}

// Times each frame on its own: the median and the 99th percentile, in milliseconds.
struct Bildzeiten {
    std::vector<double> ms;
    std::chrono::steady_clock::time_point t0;
    void start() { t0 = std::chrono::steady_clock::now(); }
    void stopp() {
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    long quads = SP_Quads_gesamt;
    void melden(benchmark::State& state) {
        if (ms.empty()) return;
        state.counters["Quads_je_Bild"] =
            static_cast<double>(SP_Quads_gesamt - quads) / static_cast<double>(ms.size());
        std::sort(ms.begin(), ms.end());
        state.counters["median_ms"] = ms[ms.size() / 2];
        state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
    }
};

// The argument chooses the quick way (1) or the plain way (0).
bool vorbereiten(benchmark::State& state, bool belebt = false) {
    SP_Buendeln = GB_Merken = VB_Merken = state.range(0) != 0;
    Welt& w = welt();
    if (!w.bereit) {
        state.SkipWithError(w.grund.c_str());
        return false;
    }
    if (belebt) w.beleben();
    if (belebt) state.counters["Personen"] = w.personen;
    Kamera_zentrieren(w.mitte_x, w.mitte_y);
    Kamera_ziehen = false;
    Mausstatus = 0;
    Neuzeichnen = true;
    w.frame();
    return true;
}

void still(benchmark::State& state, bool belebt) {
    if (!vorbereiten(state, belebt)) return;
    Bildzeiten zeiten;
    for (auto _ : state) {
        zeiten.start();
        welt().frame();
        zeiten.stopp();
    }
    zeiten.melden(state);
    state.counters["Chunks"] = Chunkinteger;
}

void BM_Szene_still(benchmark::State& state) { still(state, false); }
BENCHMARK(BM_Szene_still)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void drag(benchmark::State& state, bool neu, bool belebt = false) {
    if (!vorbereiten(state, belebt)) return;
    int schritt = 0;
    const long vorher = Chunk_Kompilierungen;
    Bildzeiten zeiten;
    for (auto _ : state) {
        zeiten.start();
        // Back and forth over a few hundred pixels, a few pixels a frame.
        const int dx = (schritt / 60) % 2 == 0 ? 6 : -6;
        ++schritt;
        Kamera_ziehen = true;
        Maus_letztes_X = 500;
        Maus_letztes_Y = 500;
        Kamera_Mausbewegung(500 + dx, 500 + dx / 2);
        if (neu) Chunk_Listen_loeschen();
        welt().frame();
        zeiten.stopp();
    }
    zeiten.melden(state);
    Kamera_ziehen = false;
    state.counters["Chunks"] = Chunkinteger;
    state.counters["kompiliert_je_Bild"] =
        static_cast<double>(Chunk_Kompilierungen - vorher) / static_cast<double>(state.iterations());
}

void BM_Szene_ziehen(benchmark::State& state) { drag(state, false); }
BENCHMARK(BM_Szene_ziehen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Szene_ziehen_neu(benchmark::State& state) { drag(state, true); }
BENCHMARK(BM_Szene_ziehen_neu)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The terrain layer alone while the view is dragged, as the scene draws it: the window
// follows the view, chunks that came into view are compiled, every visible chunk list
// is called (a moved view cannot use the kept picture). What the terrain costs of a
// dragging frame, without the sprites in front of it.
void BM_Gelaende_ziehen(benchmark::State& state) {
    if (!vorbereiten(state)) return;
    int schritt = 0;
    Bildzeiten zeiten;
    for (auto _ : state) {
        zeiten.start();
        const int d = (schritt / 60) % 2 == 0 ? 6 : -6;
        ++schritt;
        SX += d;
        SY += d / 2;
        bhmtest::Fensterzustand(kBreite, kHoehe);
        glEnable(GL_TEXTURE_2D);
        const double s = static_cast<double>(Zoomstufe) / 20.0;
        glScaled(s, s, s);
        glTranslatef(static_cast<float>(SX), static_cast<float>(SY), 0);
        const Sichtfenster f = Sichtbereich_berechnen(SX, SY, kBreite, kHoehe, MG_Kartengroesse);
        Chunks_auffrischen(f.x_von, f.x_bis, f.y_von, f.y_bis);
        Draw_Gelaende();
        glDisable(GL_TEXTURE_2D);
        glFinish();
        zeiten.stopp();
    }
    zeiten.melden(state);
    state.counters["Chunks"] = Chunkinteger;
}
BENCHMARK(BM_Gelaende_ziehen)->Arg(1)->Unit(benchmark::kMillisecond);

// The populated world in ordinary play (registered last: settling changes the world).
void BM_Belebt_still(benchmark::State& state) { still(state, true); }
BENCHMARK(BM_Belebt_still)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Belebt_ziehen(benchmark::State& state) { drag(state, false, true); }
BENCHMARK(BM_Belebt_ziehen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

#pragma once
// A new world generated on the game's own content (the templates, name lists and
// packs of the built game folder) from a fixed seed and the standard single-game
// set-up, for tests that run the whole simulation.
#include <filesystem>
#include <string>

#include "common/Kernwelt.h"
#include "common/Schablonenvorrat.h"
#include "economy/Logik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Zufall.h"
#include "world/Kartengenerator.h"

namespace bhmtest {

// Copies the templates, the name lists and the two blank packs of the game folder
// into the test's program folder; a missing pack gets a stand-in. False without content.
inline bool Spielordner_kopieren(const std::filesystem::path& ziel) {
    namespace fs = std::filesystem;
    const fs::path spiel = BHM_GAME_DIR;
    if (!fs::exists(spiel / "Daten" / "Objekt" / "0")) return false;
    for (const char* teil : {"Daten", "Text"})
        if (fs::exists(spiel / teil)) fs::copy(spiel / teil, ziel / teil, fs::copy_options::recursive);
    for (const char* pack : {"Texture/aktiv/Iconpack.BMP", "Texture/aktiv/Personpack.bmp"})
        if (fs::exists(spiel / pack)) {
            fs::create_directories((ziel / pack).parent_path());
            fs::copy_file(spiel / pack, ziel / pack);
        } else {
            Vorrat_Bild_schreiben((ziel / pack).string(), Vorrat_Bild(1024, 1024, 255, 0, 255));
        }
    return true;
}

// Generates the world on the copied content; false when the game folder has no
// content. Whether the game started is in SSL.
inline bool Inhaltswelt_starten(Kernwelt& welt, std::uint32_t seed, int kartentyp) {
    if (!Spielordner_kopieren(welt.ordner().dir().path())) return false;
    RandSeed = seed;
    SingelGameTYPWahl = kartentyp;
    SingelGameGroessenWahl = 0;
    SingelGamerohstoffWahl = SingelGamerohstoffWahl_Standard;
    SingelGameKIanzahl = SingelGameKIanzahl_Standard;
    SingelGameKILevel = SingelGameKILevel_Standard;
    MG_Spiel_starten();
    return true;
}

// One simulation step as the frame loop runs it.
inline void Simulationsschritt() {
    Logik_Zeitschritt();
    Logik_Simulationsschritt();
}

// Steps in one game year.
inline constexpr int Schritte_je_Jahr = 12 * Monatsticks + 1;

}  // namespace bhmtest

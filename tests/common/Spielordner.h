#pragma once
// The content of the built game folder in a test's program folder.
#include <filesystem>

#include "common/Schablonenvorrat.h"

namespace bhmtest {

// Copies the templates, the name lists and the two blank packs of the game
// folder into the test's program folder; a missing pack gets a stand-in. False without content.
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

}  // namespace bhmtest

// Draws the base textures of the game into Texture\aktiv of a game folder:
//
//   texturgenerator <game folder>/Texture/aktiv
//
// Landschaft.bmp (terrain), Interfacepack.bmp (interface models),
// Personechtpack.bmp and Personpack.bmp (person frames: clan-tinted body and its
// overlay; the template loader later adds the carried goods to Personpack.bmp)
// and the blank Iconpack.BMP the goods, skill and build icon packs start from.
// Magenta (255, 0, 255) is transparent everywhere. The output is deterministic.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "bild_ausgabe.h"
#include "textur_motive.h"

namespace {

bool schreiben(const std::filesystem::path& ordner, const std::string& name, const Leinwand& l) {
    const std::string pfad = (ordner / name).string();
    if (bild_schreiben(pfad, l.breite(), l.hoehe(), l.rgb_daten())) return true;
    std::cerr << "texturgenerator: cannot write " << pfad << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: texturgenerator <game folder>/Texture/aktiv\n";
        return 64;
    }
    const std::filesystem::path ordner = argv[1];
    std::error_code fehler;
    std::filesystem::create_directories(ordner, fehler);
    bool ok = schreiben(ordner, "Landschaft.bmp", landschaft_bild());
    ok = schreiben(ordner, "Interfacepack.bmp", interfacepack_bild()) && ok;
    Leinwand koerper(1024, 1024), ueberzug(1024, 1024);
    personenpacks_zeichnen(koerper, ueberzug);
    ok = schreiben(ordner, "Personechtpack.bmp", koerper) && ok;
    ok = schreiben(ordner, "Personpack.bmp", ueberzug) && ok;
    ok = schreiben(ordner, "Iconpack.BMP", Leinwand(1024, 1024)) && ok;
    return ok ? 0 : 1;
}

// Picture output of the content generator, through the game's own image codec.
#include "bild_ausgabe.h"

#include <cstring>

#include "foundation/Bilddatei.h"

bool bild_schreiben(const std::string& pfad, int breite, int hoehe, const std::vector<uint8_t>& rgb) {
    if (!Bildgroesse_zulaessig(tfRGB8, breite, hoehe) ||
        rgb.size() != static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe) * 3)
        return false;
    Bild bild(breite, hoehe, tfRGB8);
    std::memcpy(bild.pixel.data(), rgb.data(), rgb.size());
    return Bilddatei_speichern(pfad, bild);
}

// Picture output of the content generator: a minimal 24-bit uncompressed BMP writer
// (bottom-up rows padded to four bytes). It stands in for the game's shared image
// codec and will be replaced by a call to it; nothing else in the generator
// knows the file format.
#include "bild_ausgabe.h"

#include <fstream>

namespace {

void le16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v & 0xFF));
    b.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void le32(std::vector<uint8_t>& b, uint32_t v) {
    le16(b, v & 0xFFFF);
    le16(b, v >> 16);
}

}  // namespace

bool bild_schreiben(const std::string& pfad, int breite, int hoehe, const std::vector<uint8_t>& rgb) {
    if (breite <= 0 || hoehe <= 0 ||
        rgb.size() != static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe) * 3) {
        return false;
    }
    const uint32_t zeile = (static_cast<uint32_t>(breite) * 3 + 3) & ~3u;
    const uint32_t daten = zeile * static_cast<uint32_t>(hoehe);
    std::vector<uint8_t> b;
    b.reserve(54 + daten);
    b.push_back('B');
    b.push_back('M');
    le32(b, 54 + daten);
    le32(b, 0);
    le32(b, 54);
    le32(b, 40);
    le32(b, static_cast<uint32_t>(breite));
    le32(b, static_cast<uint32_t>(hoehe));
    le16(b, 1);
    le16(b, 24);
    le32(b, 0);
    le32(b, daten);
    le32(b, 2835);
    le32(b, 2835);
    le32(b, 0);
    le32(b, 0);
    for (int y = hoehe - 1; y >= 0; --y) {
        const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(breite) * 3;
        for (int x = 0; x < breite; ++x) {
            const std::size_t i = start + static_cast<std::size_t>(x) * 3;
            b.push_back(rgb[i + 2]);
            b.push_back(rgb[i + 1]);
            b.push_back(rgb[i]);
        }
        for (uint32_t p = static_cast<uint32_t>(breite) * 3; p < zeile; ++p) b.push_back(0);
    }
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    if (!aus) return false;
    aus.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(aus);
}

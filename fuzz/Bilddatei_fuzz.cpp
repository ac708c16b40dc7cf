// Feeds arbitrary bytes to the image readers. Whatever a reader accepts must be a
// well-formed image that the writers and the pixel operations can take again.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "foundation/Bild.h"
#include "foundation/Bilddatei.h"

namespace {

void pruefen(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

// Small files of every reader to start the corpus with.
void saat_schreiben(const std::filesystem::path& ordner) {
    std::filesystem::create_directories(ordner);
    int n = 0;
    auto ablegen = [&](const std::string& bytes) {
        std::ofstream(ordner / ("saat" + std::to_string(n++)), std::ios::binary) << bytes;
    };
    const struct {
        TglBitmapFormat format;
        Bilddateityp typ;
    } saat[] = {
        {tfBGR8, Bilddateityp::BMP},
        {tfRGB8, Bilddateityp::BMP},
        {tfLuminance4, Bilddateityp::BMP},
        {tfLuminance8, Bilddateityp::BMP},
        {tfR3G3B2, Bilddateityp::BMP},
        {tfB5G6R5, Bilddateityp::BMP},
        {tfBGRA8, Bilddateityp::BMP},
        {tfRGB10A2, Bilddateityp::BMP},
        {tfBGR8, Bilddateityp::TGA},
        {tfBGRA8, Bilddateityp::TGA},
        {tfLuminance8, Bilddateityp::TGA},
        {tfBGR5A1, Bilddateityp::TGA},
        {tfBGRA8, Bilddateityp::DDS},
        {tfR5G6B5, Bilddateityp::DDS},
        {tfLuminance8Alpha8, Bilddateityp::DDS},
        {tfS3tcDtx1RGBA, Bilddateityp::DDS},
        {tfS3tcDtx5RGBA, Bilddateityp::DDS},
    };
    for (const auto& s : saat) {
        Bild b(5, 3, s.format);
        for (std::size_t i = 0; i < b.pixel.size(); ++i) b.pixel[i] = static_cast<std::uint8_t>(i * 37);
        ablegen(Bild_schreiben(b, s.typ));
    }
    // A run-length TGA of 3 x 2 grey pixels: a run across the rows, then two literal pixels.
    ablegen(std::string("\0\0\x0b\0\0\0\0\0\0\0\0\0\x03\0\x02\0\x08\0\x83\x09\x01\x01\x02", 23));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* ordner = std::getenv("BHM_FUZZ_SAAT")) saat_schreiben(ordner);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    Bild bild;
    try {
        bild = Bild_lesen(bytes);
    } catch (const Bildfehler&) {
        return 0;
    }
    const auto& d = Formatbeschreibung(bild.format);
    pruefen(bild.breite >= 1 && bild.hoehe >= 1 && bild.breite <= Bild_max_Seite &&
            bild.hoehe <= Bild_max_Seite);
    pruefen(bild.pixel.size() == d.DataSize(bild.breite, bild.hoehe));

    // Every writer that takes the format writes a file that reads back at the same size.
    const std::pair<Bilddateityp, Schreibbar> schreiber[] = {{Bilddateityp::BMP, kSchreibtBMP},
                                                             {Bilddateityp::TGA, kSchreibtTGA},
                                                             {Bilddateityp::DDS, kSchreibtDDS}};
    for (auto [typ, flag] : schreiber) {
        if (!(d.schreibbar & flag)) continue;
        Bild zurueck = Bild_lesen(Bild_schreiben(bild, typ));
        pruefen(zurueck.breite == bild.breite && zurueck.hoehe == bild.hoehe);
    }
    if (!d.komprimiert) {
        Bild schluessel = Bild_Farbschluessel(bild.Ansicht(), 255, 0, 255, 0);
        pruefen(Formatbeschreibung(schluessel.format).HasAlpha());
        Bild rgba = Bild_konvertieren(bild.Ansicht(), tfRGBA8);
        pruefen(rgba.pixel.size() == static_cast<std::size_t>(bild.breite) * bild.hoehe * 4);
        pruefen(!Bild_horizontal_spiegeln(bild).leer());
    }
    return 0;
}

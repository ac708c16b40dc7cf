#pragma once
// Images in memory and the operations on their pixels.
//
// A Bild is width x height pixels of one TglBitmapFormat (foundation/Pixelformat.h),
// stored from the top row of the picture down, rows one after another without gaps:
// row y starts at y * Zeilengroesse(). A 24-bit BMP file, for example, loads as tfBGR8
// with 3 bytes per pixel in the order blue, green, red.
//
// The conversions take a Bildansicht (pixels that may belong to someone else, as a
// texture object's caller-owned buffer) and return a new Bild; the Bild overloads
// replace the image in place. They throw Bildfehler (Art::Format) for block-compressed
// images, which have no pixels to convert.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "foundation/Pixelformat.h"

// Sides an image may have, and the most bytes one may take. Readers refuse larger images
// before they allocate anything.
inline constexpr int Bild_max_Seite = 65535;
inline constexpr std::size_t Bild_max_Bytes = std::size_t{256} << 20;

struct Bildansicht {
    const std::uint8_t* daten = nullptr;
    int breite = 0;
    int hoehe = 0;
    TglBitmapFormat format = tfEmpty;
};

struct Bild {
    int breite = 0;
    int hoehe = 0;
    TglBitmapFormat format = tfEmpty;
    std::vector<std::uint8_t> pixel;

    Bild() = default;
    // A new image of the given size, every byte 255.
    Bild(int breite, int hoehe, TglBitmapFormat format);

    bool leer() const { return pixel.empty(); }
    // Bytes of one row: width x bytes per pixel, rounded down (0 for block-compressed formats).
    std::size_t Zeilengroesse() const;
    std::uint8_t* Zeile(int y) { return pixel.data() + static_cast<std::size_t>(y) * Zeilengroesse(); }
    const std::uint8_t* Zeile(int y) const {
        return pixel.data() + static_cast<std::size_t>(y) * Zeilengroesse();
    }
    Bildansicht Ansicht() const { return {pixel.data(), breite, hoehe, format}; }
    operator Bildansicht() const { return Ansicht(); }
};

// Bytes of one row of an image of that format and width: width x bytes per pixel, rounded down.
std::size_t Zeilengroesse(TglBitmapFormat format, int breite);
// True when the image's sides lie in 1..Bild_max_Seite and its data in Bild_max_Bytes.
bool Bildgroesse_zulaessig(TglBitmapFormat format, long long breite, long long hoehe);

// Fills the destination channels of one pixel from the source pixel. `ziel` arrives prepared
// with the destination format's ranges (and those as values).
using Pixelrueckruf = std::function<void(const Pixeldaten& quelle, Pixeldaten& ziel)>;

// The pixel pipeline: every pixel in buffer order is unpacked with the source format, handed to
// the callback and packed with the destination format.
Bild Pixel_umwandeln(const Bildansicht& quelle, TglBitmapFormat ziel, const Pixelrueckruf& rueckruf);

// The image in another format: channel values are copied where the ranges agree, shifted down
// where the destination is smaller and rescaled (rounded) where it is larger; a channel the
// source lacks gets the destination's full range.
Bild Bild_konvertieren(const Bildansicht& quelle, TglBitmapFormat ziel);
// In place; true at once when the format is already `ziel` or `ziel` is tfEmpty.
bool Bild_konvertieren(Bild& bild, TglBitmapFormat ziel);

// The image in its with-alpha format, alpha 0 where red, green and blue all lie within
// `abweichung` of the key colour and full elsewhere. (255, 0, 255, 0) on a tfBGR8 image makes
// exactly the magenta pixels transparent and gives tfBGRA8.
Bild Bild_Farbschluessel(const Bildansicht& quelle, std::uint8_t rot, std::uint8_t gruen, std::uint8_t blau,
                         std::uint8_t abweichung);
void Bild_Farbschluessel(Bild& bild, std::uint8_t rot, std::uint8_t gruen, std::uint8_t blau,
                         std::uint8_t abweichung);

// The image in its without-alpha format; throws for a format without alpha.
Bild Bild_Alpha_entfernen(const Bildansicht& quelle);

// Mirrored copies: left and right (each row reversed pixel by pixel), top and bottom (rows in
// reverse order). Empty when there is nothing to mirror (no pixels, block-compressed format).
Bild Bild_horizontal_spiegeln(const Bildansicht& quelle);
Bild Bild_vertikal_spiegeln(const Bildansicht& quelle);

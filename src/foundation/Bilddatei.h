#pragma once
// Image files: Windows bitmaps (BMP), Truevision TGA and DirectDraw surfaces (DDS),
// read into and written from memory images (foundation/Bild.h).
//
// This is the game's one image codec: textures, the template image packs, the building
// atlas, the interface atlas and the map overview all read and write through it.
//
// Files come from players and mods, so every reader treats its input as hostile: header
// fields are checked, sides must lie in 1..Bild_max_Seite and the data in Bild_max_Bytes
// before anything is allocated, and a file that ends early is an error.
//
// Readers answer in three ways. true: the image is set. false: the data is not of the
// reader's kind; the position is where it was, so the next reader can try. A thrown
// Bildfehler: the data is of the reader's kind but cannot be used (the message says why).
//
// Typical use by a loader of the game:
//
//     Bild bild;
//     if (!Bilddatei_laden(Programmpfad + "Daten\\Iconpack.BMP", bild)) return;  // reported
//     ... bild.Zeile(y) ...                      // tfBGR8 for a 24-bit BMP, top row first
//     Bilddatei_speichern(Programmpfad + "Daten\\Iconpack.BMP", bild);            // 24-bit BMP
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/Bild.h"

enum class Bilddateityp { DDS = 0, TGA = 1, BMP = 2 };

// Bytes with a read position.
struct Lesestrom {
    std::string_view daten;
    std::size_t pos = 0;

    explicit Lesestrom(std::string_view d) : daten(d) {}
    std::size_t Rest() const { return pos < daten.size() ? daten.size() - pos : 0; }
    const std::uint8_t* Zeiger() const { return reinterpret_cast<const std::uint8_t*>(daten.data()) + pos; }
    // Copies n bytes and advances; false (nothing read) when fewer remain.
    bool Lesen(void* ziel, std::size_t n);
    // Advances by n bytes; false (nothing skipped) when fewer remain.
    bool Ueberspringen(std::size_t n);
};

// The three readers. BMP: 1, 2, 4 and 8 bits with a colour table (tfLuminance8 for a grey
// table, else tfRGB8), 16 bits (tfBGR5, or the format of the bit-field masks), 24 (tfBGR8)
// and 32 bits (tfBGRA8, or the format of the masks); run-length files are refused.
// TGA: types 2, 3, 10, 11 of 8 to 32 bits. DDS: DXT1, DXT3, DXT5 and mask formats.
bool BMP_lesen(Lesestrom& strom, Bild& bild);
bool TGA_lesen(Lesestrom& strom, Bild& bild);
bool DDS_lesen(Lesestrom& strom, Bild& bild);

// Tries DDS, TGA and BMP in turn; throws Bildfehler when none takes the data or one fails.
Bild Bild_lesen(std::string_view bytes);

// The writers append the file to `ziel`. Each takes a fixed set of formats (the table of
// foundation/Pixelformat.cpp) and throws Bildfehler (Art::Format) for any other.
// BMP: bottom-up rows, 24 bits for tfBGR8/tfRGB8, bit fields for 16- and 32-bit formats,
// a colour table for tfLuminance4, tfLuminance8 and tfR3G3B2. TGA: uncompressed, top-down.
void BMP_schreiben(const Bildansicht& bild, std::string& ziel);
void TGA_schreiben(const Bildansicht& bild, std::string& ziel);
void DDS_schreiben(const Bildansicht& bild, std::string& ziel);
std::string Bild_schreiben(const Bildansicht& bild, Bilddateityp typ);

// Game paths (any case, "\" separators, see platform/base/Datei.h). A missing, unreadable or
// unusable file is reported through Fehler_melden with the path and the reason; then false.
bool Bilddatei_laden(const std::string& pfad, Bild& bild);
// The file is replaced as a whole (Datei_ersetzen): it may share its bytes with a file of
// another name (a saved game's packs, see Datei_teilen), which keeps them.
bool Bilddatei_speichern(const std::string& pfad, const Bildansicht& bild,
                         Bilddateityp typ = Bilddateityp::BMP);
// True when the file is a 24-bit bitmap exactly as BMP_schreiben writes the image that
// BMP_lesen reads from it: reading and writing it again would give the same bytes, so it can
// be copied as it is. Reads only the headers (and the row ends when rows are padded).
bool BMP_Datei_wie_geschrieben(const std::string& pfad);

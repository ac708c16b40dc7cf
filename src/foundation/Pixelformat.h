#pragma once
// Pixel formats of images in memory and of textures.
//
// Every image the game holds is in one of the fifty formats of TglBitmapFormat.
// Each format has one shared descriptor (Formatbeschreibung) that tells how many
// bytes a pixel takes, which channels it has with their largest values
// ("ranges") and bit positions ("shifts"; a channel's mask is range << shift),
// which OpenGL format, internal format and type upload it, and which related
// formats exist. A descriptor packs one pixel from channel values (MapPixel) and
// unpacks it again (UnmapPixel); images are converted between formats and the
// BMP reader turns bit-field and palette pixels into a table format that way.
//
// This unit is shared by the simulation library (which has no OpenGL headers)
// and the texture objects, so the GL enum values it needs are its own
// constants in namespace glw; the texture unit checks them against the GL
// headers at compile time.
//
// Errors are thrown as Bildfehler. The texture objects turn them into their
// own exception classes; the file loaders of the game report them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

enum TglBitmapFormat : std::uint8_t {
    tfEmpty,
    tfAlpha4,
    tfAlpha8,
    tfAlpha12,
    tfAlpha16,
    tfLuminance4,
    tfLuminance8,
    tfLuminance12,
    tfLuminance16,
    tfLuminance4Alpha4,
    tfLuminance6Alpha2,
    tfLuminance8Alpha8,
    tfLuminance12Alpha4,
    tfLuminance12Alpha12,
    tfLuminance16Alpha16,
    tfR3G3B2,
    tfRGB4,
    tfR5G6B5,
    tfRGB5,
    tfRGB8,
    tfRGB10,
    tfRGB12,
    tfRGB16,
    tfRGBA2,
    tfRGBA4,
    tfRGB5A1,
    tfRGBA8,
    tfRGB10A2,
    tfRGBA12,
    tfRGBA16,
    tfBGR4,
    tfB5G6R5,
    tfBGR5,
    tfBGR8,
    tfBGR10,
    tfBGR12,
    tfBGR16,
    tfBGRA2,
    tfBGRA4,
    tfBGR5A1,
    tfBGRA8,
    tfBGR10A2,
    tfBGRA12,
    tfBGRA16,
    tfDepth16,
    tfDepth24,
    tfDepth32,
    tfS3tcDtx1RGBA,
    tfS3tcDtx3RGBA,
    tfS3tcDtx5RGBA,
};
inline constexpr int Formatanzahl = 50;

// The format's name as written in error texts ("tfRGB8"); "tfEmpty" for a value outside the table.
const char* Formatname(TglBitmapFormat format);

// OpenGL enum values of the format table.
namespace glw {
inline constexpr std::uint32_t UNSIGNED_BYTE = 0x1401;
inline constexpr std::uint32_t UNSIGNED_SHORT = 0x1403;
inline constexpr std::uint32_t UNSIGNED_INT = 0x1405;
inline constexpr std::uint32_t DEPTH_COMPONENT = 0x1902;
inline constexpr std::uint32_t ALPHA = 0x1906;
inline constexpr std::uint32_t RGB = 0x1907;
inline constexpr std::uint32_t RGBA = 0x1908;
inline constexpr std::uint32_t LUMINANCE = 0x1909;
inline constexpr std::uint32_t LUMINANCE_ALPHA = 0x190A;
inline constexpr std::uint32_t R3_G3_B2 = 0x2A10;
inline constexpr std::uint32_t ALPHA4 = 0x803B;
inline constexpr std::uint32_t ALPHA8 = 0x803C;
inline constexpr std::uint32_t ALPHA12 = 0x803D;
inline constexpr std::uint32_t ALPHA16 = 0x803E;
inline constexpr std::uint32_t LUMINANCE4 = 0x803F;
inline constexpr std::uint32_t LUMINANCE8 = 0x8040;
inline constexpr std::uint32_t LUMINANCE12 = 0x8041;
inline constexpr std::uint32_t LUMINANCE16 = 0x8042;
inline constexpr std::uint32_t LUMINANCE4_ALPHA4 = 0x8043;
inline constexpr std::uint32_t LUMINANCE6_ALPHA2 = 0x8044;
inline constexpr std::uint32_t LUMINANCE8_ALPHA8 = 0x8045;
inline constexpr std::uint32_t LUMINANCE12_ALPHA4 = 0x8046;
inline constexpr std::uint32_t LUMINANCE12_ALPHA12 = 0x8047;
inline constexpr std::uint32_t LUMINANCE16_ALPHA16 = 0x8048;
inline constexpr std::uint32_t RGB4 = 0x804F;
inline constexpr std::uint32_t RGB5 = 0x8050;
inline constexpr std::uint32_t RGB8 = 0x8051;
inline constexpr std::uint32_t RGB10 = 0x8052;
inline constexpr std::uint32_t RGB12 = 0x8053;
inline constexpr std::uint32_t RGB16 = 0x8054;
inline constexpr std::uint32_t RGBA2 = 0x8055;
inline constexpr std::uint32_t RGBA4 = 0x8056;
inline constexpr std::uint32_t RGB5_A1 = 0x8057;
inline constexpr std::uint32_t RGBA8 = 0x8058;
inline constexpr std::uint32_t RGB10_A2 = 0x8059;
inline constexpr std::uint32_t RGBA12 = 0x805A;
inline constexpr std::uint32_t RGBA16 = 0x805B;
inline constexpr std::uint32_t BGR = 0x80E0;
inline constexpr std::uint32_t BGRA = 0x80E1;
inline constexpr std::uint32_t DEPTH_COMPONENT16 = 0x81A5;
inline constexpr std::uint32_t DEPTH_COMPONENT24 = 0x81A6;
inline constexpr std::uint32_t DEPTH_COMPONENT32 = 0x81A7;
inline constexpr std::uint32_t UNSIGNED_BYTE_2_3_3_REV = 0x8362;
inline constexpr std::uint32_t UNSIGNED_SHORT_5_6_5 = 0x8363;
inline constexpr std::uint32_t UNSIGNED_SHORT_5_6_5_REV = 0x8364;
inline constexpr std::uint32_t UNSIGNED_SHORT_4_4_4_4_REV = 0x8365;
inline constexpr std::uint32_t UNSIGNED_SHORT_1_5_5_5_REV = 0x8366;
inline constexpr std::uint32_t UNSIGNED_INT_2_10_10_10_REV = 0x8368;
inline constexpr std::uint32_t RGB565 = 0x8D62;
inline constexpr std::uint32_t COMPRESSED_RGBA = 0x84EE;
inline constexpr std::uint32_t COMPRESSED_RGBA_S3TC_DXT1_EXT = 0x83F1;
inline constexpr std::uint32_t COMPRESSED_RGBA_S3TC_DXT3_EXT = 0x83F2;
inline constexpr std::uint32_t COMPRESSED_RGBA_S3TC_DXT5_EXT = 0x83F3;
}  // namespace glw

// An image error. `art` Format means the operation does not support the image's
// format; the text then ends with the format's name.
class Bildfehler : public std::runtime_error {
public:
    enum class Art { Allgemein, Format };
    explicit Bildfehler(const std::string& text) : std::runtime_error(text) {}
    // "unsupported format: " followed by the format's name, or the given text followed by it.
    explicit Bildfehler(TglBitmapFormat f, const std::string& text = "unsupported format: ")
        : std::runtime_error(text + Formatname(f)), art(Art::Format), format(f), vortext(text) {}
    Art art = Art::Allgemein;
    TglBitmapFormat format = tfEmpty;
    std::string vortext;  // the text before the format's name
};

// Channel numbers of the arrays below.
enum Kanal { kRot = 0, kGruen = 1, kBlau = 2, kAlpha = 3 };

// One pixel while it is packed or unpacked: the channel values and the ranges (largest values)
// they are measured in.
struct Pixeldaten {
    std::array<std::uint32_t, 4> wert{};
    std::array<std::uint32_t, 4> bereich{};
    TglBitmapFormat format = tfEmpty;
};

// Running state of packing or unpacking one row: the bit position inside the current byte for
// pixels smaller than a byte. A new row starts with a fresh state.
struct Abbildungszustand {
    int bitposition = 0;
};

// Which writers take a format.
enum Schreibbar : std::uint8_t { kSchreibtBMP = 1, kSchreibtTGA = 2, kSchreibtDDS = 4 };

class TFormatDescriptor {
public:
    virtual ~TFormatDescriptor() = default;

    TglBitmapFormat format = tfEmpty;
    TglBitmapFormat mit_alpha = tfEmpty;
    TglBitmapFormat ohne_alpha = tfEmpty;
    TglBitmapFormat vertauscht = tfEmpty;  // red and blue swapped
    TglBitmapFormat unkomprimiert = tfEmpty;
    int bits_pro_pixel = 0;  // 4 for half a byte, 1 for an eighth
    bool komprimiert = false;
    std::array<std::uint32_t, 4> bereich{};  // 0 = channel absent
    std::array<std::uint8_t, 4> verschiebung{};
    std::uint32_t gl_format = 0, gl_internal_format = 0, gl_type = 0;
    std::uint8_t schreibbar = 0;  // Schreibbar flags

    float BytesPerPixel() const { return static_cast<float>(bits_pro_pixel) / 8.0f; }
    // Bytes per pixel rounded up to a whole number (the pixel size of an image).
    int Pixelgroesse() const { return (bits_pro_pixel + 7) / 8; }
    bool IsCompressed() const { return komprimiert; }
    bool HasRed() const { return bereich[kRot] > 0; }
    bool HasGreen() const { return bereich[kGruen] > 0; }
    bool HasBlue() const { return bereich[kBlau] > 0; }
    bool HasAlpha() const { return bereich[kAlpha] > 0; }
    std::uint32_t GLType() const { return gl_type; }
    std::uint32_t GLFormat() const { return gl_format; }
    std::uint32_t GLInternalFormat() const { return gl_internal_format; }
    int ChannelCount() const;
    bool IsEmpty() const { return format == tfEmpty; }
    std::uint64_t Maske(int kanal) const { return std::uint64_t{bereich[kanal]} << verschiebung[kanal]; }

    // Packs one pixel at `ziel` and advances it by the pixel size.
    virtual void MapPixel(const Pixeldaten& pixel, std::uint8_t*& ziel, Abbildungszustand& zustand) const = 0;
    // Unpacks the pixel at `quelle` into pixel.wert and advances `quelle` by the pixel size.
    virtual void UnmapPixel(const std::uint8_t*& quelle, Pixeldaten& pixel,
                            Abbildungszustand& zustand) const = 0;

    // Bytes of an image of this format: 0 unless both sides are above 0; block-compressed
    // formats take whole 4 x 4 blocks.
    std::size_t DataSize(int breite, int hoehe) const;
    // True when the four masks are this format's masks. Throws when all four are 0.
    bool FormatCheckFormat(std::uint64_t rot, std::uint64_t gruen, std::uint64_t blau,
                           std::uint64_t alpha) const;
    // Clears the pixel and sets its values and ranges to this format's ranges.
    void PreparePixel(Pixeldaten& pixel) const;
};

// The shared descriptor of a format (tfEmpty's for a value outside the table).
const TFormatDescriptor& Formatbeschreibung(TglBitmapFormat format);
// The descriptor of the format's with-alpha format.
const TFormatDescriptor& Formatbeschreibung_mit_Alpha(TglBitmapFormat format);

// The table format of a pixel described by four masks and a bit count: searched from the last
// format down, the first whose masks equal the given ones and whose pixels take exactly
// bits / 8 bytes; depth formats are never taken for image data. tfEmpty when none fits.
// Throws when all four masks are 0.
TglBitmapFormat Format_zu_Masken(std::uint64_t rot, std::uint64_t gruen, std::uint64_t blau,
                                 std::uint64_t alpha, int bits);

// Luminance of a pixel: 0.3 red + 0.59 green + 0.11 blue, rounded to the nearest integer.
std::uint32_t Luminanz(const Pixeldaten& pixel);
// Depth value of a pixel: the mean of red, green and blue, rounded to the nearest integer.
std::uint32_t Tiefenwert(const Pixeldaten& pixel);
// Number of shifts until the value is 0.
int Bitlaenge(std::uint64_t wert);
// A channel value measured in range `von` expressed in range `zu`, rounded to the nearest
// integer. A channel that the source lacks (von = 0) gets the full range `zu`.
std::uint32_t Kanal_umrechnen(std::uint32_t wert, std::uint32_t von, std::uint32_t zu);

// Pixels of a file described by bit masks (BMP bit fields, DDS pixel formats): a little-endian
// word of `bytes` bytes (1..4) from which each channel is taken with its mask.
class TbmpBitfieldFormat : public TFormatDescriptor {
public:
    TbmpBitfieldFormat(int bytes, std::uint32_t rot, std::uint32_t gruen, std::uint32_t blau,
                       std::uint32_t alpha);
    // Sets a channel's mask: shift = trailing zero bits, range = 2^n - 1 for the mask's bit length n.
    void SetMask(int kanal, std::uint32_t maske);
    void MapPixel(const Pixeldaten& pixel, std::uint8_t*& ziel, Abbildungszustand& zustand) const override;
    void UnmapPixel(const std::uint8_t*& quelle, Pixeldaten& pixel,
                    Abbildungszustand& zustand) const override;
};

// Palette pixels of a BMP file: 1, 2, 4 or 8 bits of index into a colour table of
// blue, green, red, reserved entries (ranges 255, 255, 255, 0). Packing writes the index of
// tfLuminance4 (two per byte, the first in the high half), tfLuminance8 and tfR3G3B2 pixels
// for the grey and 3-3-2 tables the BMP writer puts in front.
class TbmpColorTableFormat : public TFormatDescriptor {
public:
    struct Eintrag {
        std::uint8_t blau = 0, gruen = 0, rot = 0, reserviert = 0;
    };
    // `bits` 1, 2, 4 or 8; `packformat` the format that MapPixel packs from.
    TbmpColorTableFormat(int bits, std::vector<Eintrag> tabelle, TglBitmapFormat packformat = tfEmpty);
    const std::vector<Eintrag>& Farbtabelle() const { return tabelle_; }
    // True when every entry has red = green = blue.
    bool Graustufen() const;
    void MapPixel(const Pixeldaten& pixel, std::uint8_t*& ziel, Abbildungszustand& zustand) const override;
    void UnmapPixel(const std::uint8_t*& quelle, Pixeldaten& pixel,
                    Abbildungszustand& zustand) const override;

private:
    std::vector<Eintrag> tabelle_;
};

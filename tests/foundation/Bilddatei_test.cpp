#include "foundation/Bilddatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void u16(std::string& s, std::uint32_t w) {
    s.push_back(static_cast<char>(w & 0xFF));
    s.push_back(static_cast<char>((w >> 8) & 0xFF));
}
void u32(std::string& s, std::uint32_t w) {
    u16(s, w & 0xFFFF);
    u16(s, w >> 16);
}
void roh(std::string& s, const Bytes& b) { s.append(b.begin(), b.end()); }

struct BmpKopf {
    std::uint32_t kopfgroesse = 40;
    std::int32_t breite = 1, hoehe = 1;
    int bits = 24;
    std::uint32_t kompression = 0;
    std::uint32_t farben = 0;
    std::vector<std::uint32_t> masken;  // in the header (size >= 52) or after it (40)
    Bytes tabelle;                      // 4 bytes an entry
    std::int64_t datenversatz = -1;     // -1: right after header, masks and table
};

// A BMP file from its parts; `pixel` is the pixel data as stored in the file.
std::string bmp(const BmpKopf& k, const Bytes& pixel) {
    std::string info;
    u32(info, k.kopfgroesse);
    u32(info, static_cast<std::uint32_t>(k.breite));
    u32(info, static_cast<std::uint32_t>(k.hoehe));
    u16(info, 1);
    u16(info, static_cast<std::uint32_t>(k.bits));
    u32(info, k.kompression);
    u32(info, static_cast<std::uint32_t>(pixel.size()));
    u32(info, 2835);
    u32(info, 2835);
    u32(info, k.farben);
    u32(info, 0);
    if (k.kopfgroesse > 40)
        for (std::size_t i = 0; i < k.masken.size(); ++i) u32(info, k.masken[i]);
    info.resize(k.kopfgroesse, '\0');
    if (k.kopfgroesse == 40)
        for (auto m : k.masken) u32(info, m);
    roh(info, k.tabelle);
    std::uint32_t versatz = k.datenversatz >= 0 ? static_cast<std::uint32_t>(k.datenversatz)
                                                : static_cast<std::uint32_t>(14 + info.size());
    std::string s = "BM";
    u32(s, static_cast<std::uint32_t>(versatz + pixel.size()));
    u32(s, 0);
    u32(s, versatz);
    s += info;
    s.resize(versatz, '\0');
    roh(s, pixel);
    return s;
}

std::string tga(int typ, int breite, int hoehe, int bits, int deskriptor, const Bytes& daten,
                int id_laenge = 0) {
    std::string s;
    s.push_back(static_cast<char>(id_laenge));
    s.push_back(0);
    s.push_back(static_cast<char>(typ));
    s.append(5, '\0');
    u16(s, 0);
    u16(s, 0);
    u16(s, static_cast<std::uint32_t>(breite));
    u16(s, static_cast<std::uint32_t>(hoehe));
    s.push_back(static_cast<char>(bits));
    s.push_back(static_cast<char>(deskriptor));
    s.append(static_cast<std::size_t>(id_laenge), 'x');
    roh(s, daten);
    return s;
}

struct DdsKopf {
    std::uint32_t groesse = 124;
    std::uint32_t flags = 0x1 | 0x2 | 0x4 | 0x1000;
    std::uint32_t breite = 1, hoehe = 1, pitch = 0;
    std::uint32_t pf_flags = 0x40;
    std::string fourcc = std::string(4, '\0');
    std::uint32_t bits = 32;
    std::uint32_t masken[4] = {};
    std::uint32_t caps2 = 0;
};

std::string dds(const DdsKopf& k, const Bytes& daten) {
    std::string s = "DDS ";
    u32(s, k.groesse);
    u32(s, k.flags);
    u32(s, k.hoehe);
    u32(s, k.breite);
    u32(s, k.pitch);
    for (int i = 0; i < 13; ++i) u32(s, 0);
    u32(s, 32);
    u32(s, k.pf_flags);
    s += k.fourcc;
    u32(s, k.bits);
    for (auto m : k.masken) u32(s, m);
    u32(s, 0x1000);
    u32(s, k.caps2);
    for (int i = 0; i < 3; ++i) u32(s, 0);
    roh(s, daten);
    return s;
}

std::string fehlertext(std::string_view datei) {
    try {
        Bild_lesen(datei);
    } catch (const Bildfehler& e) {
        return e.what();
    }
    return "";
}

// A simple, fixed sequence of bytes.
struct Folge {
    std::uint32_t x = 12345;
    std::uint8_t naechstes() {
        x = x * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(x >> 16);
    }
};

// An image of the format with varied pixels that use only the bits the format has.
Bild musterbild(TglBitmapFormat f, int breite, int hoehe) {
    Bild b(breite, hoehe, f);
    Folge folge;
    for (auto& byte : b.pixel) byte = folge.naechstes();
    if (Formatbeschreibung(f).komprimiert) return b;
    return Pixel_umwandeln(b, f, [](const Pixeldaten& q, Pixeldaten& z) { z.wert = q.wert; });
}

}  // namespace

TEST(Bilddatei, EveryWriterRoundTripsEveryFormatItTakes) {
    const std::pair<Bilddateityp, Schreibbar> schreiber[] = {{Bilddateityp::BMP, kSchreibtBMP},
                                                             {Bilddateityp::TGA, kSchreibtTGA},
                                                             {Bilddateityp::DDS, kSchreibtDDS}};
    int geprueft = 0;
    for (auto [typ, flag] : schreiber) {
        for (int i = 0; i < Formatanzahl; ++i) {
            auto f = static_cast<TglBitmapFormat>(i);
            const auto& d = Formatbeschreibung(f);
            if (!(d.schreibbar & flag)) {
                EXPECT_THROW(Bild_schreiben(Bild(5, 3, f), typ), Bildfehler) << Formatname(f);
                continue;
            }
            Bild original = musterbild(f, 5, 3);
            if (f == tfLuminance4)  // four bits in the file: multiples of 17 survive
                for (auto& p : original.pixel) p = static_cast<std::uint8_t>(p / 17 * 17);
            Bild gelesen = Bild_lesen(Bild_schreiben(original, typ));
            EXPECT_EQ(gelesen.breite, 5);
            EXPECT_EQ(gelesen.hoehe, 3);
            if (!d.komprimiert) {
                ASSERT_TRUE(Bild_konvertieren(gelesen, f)) << Formatname(f);
            }
            EXPECT_EQ(gelesen.format, f) << Formatname(f);
            EXPECT_EQ(gelesen.pixel, original.pixel) << Formatname(f) << " as " << static_cast<int>(typ);
            ++geprueft;
        }
    }
    EXPECT_EQ(geprueft, 21 + 16 + 31);
}

// The header fields no reader looks at (planes, resolution, DDS caps, ...) must still be those
// of the published formats, or other programs refuse the files.
TEST(Bilddatei, WrittenHeadersHoldThePublishedFields) {
    auto w16 = [](const std::string& s, std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[i]) |
                                          (static_cast<std::uint8_t>(s[i + 1]) << 8));
    };
    auto w32 = [&](const std::string& s, std::size_t i) { return w16(s, i) | (w16(s, i + 2) << 16); };
    auto byte = [](const std::string& s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); };

    // BMP: 14-byte file header, 40-byte information header.
    struct BmpFall {
        TglBitmapFormat format;
        int breite, hoehe;
        std::uint32_t versatz, bits, kompression, farben, zeile;
    };
    const BmpFall bmp_faelle[] = {
        {tfBGR8, 3, 2, 54, 24, 0, 0, 12},
        {tfRGB8, 3, 2, 54, 24, 0, 0, 12},
        {tfR5G6B5, 2, 1, 70, 16, 3, 0, 4},
        {tfBGRA8, 1, 1, 70, 32, 3, 0, 4},
        {tfLuminance8, 1, 1, 54 + 1024, 8, 0, 256, 4},
        {tfLuminance4, 3, 1, 54 + 64, 4, 0, 16, 4},
        {tfR3G3B2, 1, 1, 54 + 1024, 8, 0, 256, 4},
    };
    for (const auto& f : bmp_faelle) {
        const std::string s = Bild_schreiben(musterbild(f.format, f.breite, f.hoehe), Bilddateityp::BMP);
        SCOPED_TRACE(Formatname(f.format));
        ASSERT_EQ(s.size(), f.versatz + f.zeile * static_cast<std::uint32_t>(f.hoehe));
        EXPECT_EQ(s.substr(0, 2), "BM");
        EXPECT_EQ(w32(s, 2), s.size());
        EXPECT_EQ(w32(s, 6), 0u);
        EXPECT_EQ(w32(s, 10), f.versatz);
        EXPECT_EQ(w32(s, 14), 40u);
        EXPECT_EQ(w32(s, 18), static_cast<std::uint32_t>(f.breite));
        EXPECT_EQ(w32(s, 22), static_cast<std::uint32_t>(f.hoehe));
        EXPECT_EQ(w16(s, 26), 1u);  // planes
        EXPECT_EQ(w16(s, 28), f.bits);
        EXPECT_EQ(w32(s, 30), f.kompression);
        EXPECT_EQ(w32(s, 34), f.zeile * static_cast<std::uint32_t>(f.hoehe));
        EXPECT_EQ(w32(s, 38), 2835u);
        EXPECT_EQ(w32(s, 42), 2835u);
        EXPECT_EQ(w32(s, 46), f.farben);
        EXPECT_EQ(w32(s, 50), 0u);
        if (f.kompression == 3) {
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(w32(s, 54 + 4 * static_cast<std::size_t>(k)),
                          Formatbeschreibung(f.format).Maske(k));
            }
        }
    }
    // The grey ramp of a 4-bit image: entry 5 is 85, 85, 85, 0 (blue, green, red, reserved).
    const std::string grau = Bild_schreiben(musterbild(tfLuminance4, 1, 1), Bilddateityp::BMP);
    EXPECT_EQ(w32(grau, 54 + 4 * 5), 0x00555555u);

    // TGA: 18-byte header, uncompressed, rows from the top.
    struct TgaFall {
        TglBitmapFormat format;
        int typ, bits, beschreibung;
    };
    const TgaFall tga_faelle[] = {
        {tfAlpha8, 3, 8, 0x28},       {tfLuminance8, 3, 8, 0x20},
        {tfLuminance16, 3, 16, 0x20}, {tfLuminance8Alpha8, 3, 16, 0x28},
        {tfBGR5, 2, 16, 0x20},        {tfRGB5A1, 2, 16, 0x21},
        {tfBGRA4, 2, 16, 0x24},       {tfRGB8, 2, 24, 0x20},
        {tfBGRA8, 2, 32, 0x28},       {tfRGB10A2, 2, 32, 0x22},
    };
    for (const auto& f : tga_faelle) {
        const std::string s = Bild_schreiben(musterbild(f.format, 3, 2), Bilddateityp::TGA);
        SCOPED_TRACE(Formatname(f.format));
        ASSERT_EQ(s.size(), 18 + Formatbeschreibung(f.format).DataSize(3, 2));
        EXPECT_EQ(byte(s, 0), 0);
        EXPECT_EQ(byte(s, 1), 0);
        EXPECT_EQ(byte(s, 2), f.typ);
        for (std::size_t i = 3; i < 12; ++i) EXPECT_EQ(byte(s, i), 0) << i;  // colour map, origin
        EXPECT_EQ(w16(s, 12), 3u);
        EXPECT_EQ(w16(s, 14), 2u);
        EXPECT_EQ(byte(s, 16), f.bits);
        EXPECT_EQ(byte(s, 17), f.beschreibung);
    }

    // DDS: magic, 124-byte header with a 32-byte pixel format, the texture caps.
    struct DdsFall {
        TglBitmapFormat format;
        int breite, hoehe;
        std::uint32_t flags, pitch, pf_flags;
        const char* fourcc;
        std::uint32_t bits;
    };
    const DdsFall dds_faelle[] = {
        {tfBGR8, 3, 2, 0x100F, 9, 0x40, "\0\0\0\0", 24},
        {tfRGBA8, 3, 2, 0x100F, 12, 0x41, "\0\0\0\0", 32},
        {tfLuminance8Alpha8, 3, 2, 0x100F, 6, 0x20001, "\0\0\0\0", 16},
        {tfS3tcDtx1RGBA, 4, 4, 0x81007, 8, 0x4, "DXT1", 0},
        {tfS3tcDtx5RGBA, 8, 4, 0x81007, 32, 0x4, "DXT5", 0},
    };
    for (const auto& f : dds_faelle) {
        const auto& d = Formatbeschreibung(f.format);
        const std::string s = Bild_schreiben(musterbild(f.format, f.breite, f.hoehe), Bilddateityp::DDS);
        SCOPED_TRACE(Formatname(f.format));
        ASSERT_EQ(s.size(), 128 + d.DataSize(f.breite, f.hoehe));
        EXPECT_EQ(s.substr(0, 4), "DDS ");
        EXPECT_EQ(w32(s, 4), 124u);
        EXPECT_EQ(w32(s, 8), f.flags);
        EXPECT_EQ(w32(s, 12), static_cast<std::uint32_t>(f.hoehe));
        EXPECT_EQ(w32(s, 16), static_cast<std::uint32_t>(f.breite));
        EXPECT_EQ(w32(s, 20), f.pitch);
        EXPECT_EQ(w32(s, 24), 0u);  // depth
        EXPECT_EQ(w32(s, 28), 0u);  // mipmaps
        EXPECT_EQ(w32(s, 76), 32u);
        EXPECT_EQ(w32(s, 80), f.pf_flags);
        EXPECT_EQ(s.substr(84, 4), std::string(f.fourcc, 4));
        EXPECT_EQ(w32(s, 88), f.bits);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(w32(s, 92 + 4 * static_cast<std::size_t>(k)), d.komprimiert ? 0 : d.Maske(k));
        EXPECT_EQ(w32(s, 108), 0x1000u);  // texture
        EXPECT_EQ(w32(s, 112), 0u);       // no cube map
    }
}

TEST(Bilddatei, BmpRowsArePaddedAndBottomUpUnlessTheHeightIsNegative) {
    // 3 pixels of 24 bits: 9 data bytes and 3 padding bytes a row.
    const Bytes pixel = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                         11, 12, 13, 14, 15, 16, 17, 18, 19, 0,    0,    0};
    BmpKopf k;
    k.breite = 3;
    k.hoehe = 2;
    Bild unten_auf = Bild_lesen(bmp(k, pixel));
    EXPECT_EQ(unten_auf.format, tfBGR8);
    EXPECT_EQ(unten_auf.Zeilengroesse(), 9u);
    EXPECT_EQ(unten_auf.pixel, (Bytes{11, 12, 13, 14, 15, 16, 17, 18, 19, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    k.hoehe = -2;
    Bild oben_ab = Bild_lesen(bmp(k, pixel));
    EXPECT_EQ(oben_ab.pixel, (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

TEST(Bilddatei, BmpBitfieldsAndPlainSixteenBits) {
    BmpKopf k;
    k.breite = 2;
    k.bits = 16;
    EXPECT_EQ(Bild_lesen(bmp(k, {1, 2, 3, 4})).format, tfBGR5);

    // 5-6-5 masks after a 40-byte header; no room for an alpha mask before the pixels.
    k.kompression = 3;
    k.masken = {0xF800, 0x7E0, 0x1F};
    Bild b = Bild_lesen(bmp(k, {0x1F, 0xF8, 0xE0, 0x07}));
    EXPECT_EQ(b.format, tfB5G6R5);
    EXPECT_EQ(b.pixel, (Bytes{0x1F, 0xF8, 0xE0, 0x07}));

    // The same masks inside a 56-byte header.
    k.kopfgroesse = 56;
    k.masken = {0xF800, 0x7E0, 0x1F, 0};
    EXPECT_EQ(Bild_lesen(bmp(k, {0, 0, 0, 0})).format, tfB5G6R5);

    // Masks that no format has: unpacked through the bit fields. 4-4-4 without alpha -> tfBGR5.
    k.masken = {0xF000, 0xF00, 0xF0, 0};
    b = Bild_lesen(bmp(k, {0x00, 0xF0, 0xF0, 0x0F}));
    EXPECT_EQ(b.format, tfBGR5);
    EXPECT_EQ(b.pixel, (Bytes{0x00, 0x7C, 0xFF, 0x03}));  // red full, then green and blue full

    k.bits = 24;
    EXPECT_EQ(fehlertext(bmp(k, {0, 0, 0, 0, 0, 0, 0, 0})),
              "Bitfields are only supported for 16bit and 32bit formats");
}

TEST(Bilddatei, X8R8G8B8IsReadWithFourBytesAPixel) {
    const Bytes pixel = {0x10, 0x20, 0x30, 0xAA, 0x40, 0x50, 0x60, 0xBB};
    BmpKopf k;
    k.breite = 2;
    k.bits = 32;
    k.kompression = 3;
    k.masken = {0xFF0000, 0xFF00, 0xFF, 0};
    k.datenversatz = 14 + 40 + 16;  // an alpha mask of 0 before the pixels
    Bild b = Bild_lesen(bmp(k, pixel));
    EXPECT_EQ(b.format, tfBGR8);
    EXPECT_EQ(b.pixel, (Bytes{0x10, 0x20, 0x30, 0x40, 0x50, 0x60}));

    DdsKopf d;
    d.breite = 2;
    d.masken[0] = 0xFF0000;
    d.masken[1] = 0xFF00;
    d.masken[2] = 0xFF;
    b = Bild_lesen(dds(d, pixel));
    EXPECT_EQ(b.format, tfBGR8);
    EXPECT_EQ(b.pixel, (Bytes{0x10, 0x20, 0x30, 0x40, 0x50, 0x60}));
}

TEST(Bilddatei, BmpPalettes) {
    // 4 bits, 3 pixels a row: each row starts on a byte of its own (2 data bytes, 2 padding).
    BmpKopf k;
    k.breite = 3;
    k.hoehe = -2;
    k.bits = 4;
    k.farben = 16;
    for (int i = 0; i < 16; ++i) {
        auto g = static_cast<std::uint8_t>(i * 17);
        k.tabelle.insert(k.tabelle.end(), {g, g, g, 0});
    }
    const Bytes pixel = {0x01, 0x20, 0, 0, 0xFE, 0xD0, 0, 0};
    Bild b = Bild_lesen(bmp(k, pixel));
    EXPECT_EQ(b.format, tfLuminance8);
    EXPECT_EQ(b.pixel, (Bytes{0, 17, 34, 255, 238, 221}));

    // A colour entry makes it RGB.
    k.tabelle[4 * 3 + 2] = 200;
    b = Bild_lesen(bmp(k, pixel));
    EXPECT_EQ(b.format, tfRGB8);
    EXPECT_EQ(Bytes(b.pixel.begin(), b.pixel.begin() + 9), (Bytes{0, 0, 0, 17, 17, 17, 34, 34, 34}));

    // An index beyond a short table.
    k.farben = 2;
    k.tabelle.resize(8);
    EXPECT_EQ(fehlertext(bmp(k, pixel)), "invalid color index: 2");

    // A colours-used count beyond 2^bits is held to 2^bits.
    k.farben = 100000;
    k.tabelle.resize(64);
    EXPECT_NO_THROW(Bild_lesen(bmp(k, pixel)));
}

TEST(Bilddatei, BmpColourTableFollowsTheHeaderWhateverItsSize) {
    BmpKopf k;
    k.kopfgroesse = 124;
    k.breite = 2;
    k.bits = 8;
    k.farben = 2;
    k.tabelle = {10, 20, 30, 0, 40, 50, 60, 0};
    Bild b = Bild_lesen(bmp(k, {1, 0, 0, 0}));
    EXPECT_EQ(b.format, tfRGB8);
    EXPECT_EQ(b.pixel, (Bytes{60, 50, 40, 30, 20, 10}));
}

TEST(Bilddatei, BmpRefusals) {
    BmpKopf k;
    k.kompression = 1;
    EXPECT_EQ(fehlertext(bmp(k, {0, 0, 0, 0})), "RLE compression is not supported");
    k.kompression = 4;
    EXPECT_NE(fehlertext(bmp(k, {0, 0, 0, 0})).find("unsupported compression"), std::string::npos);
    k = {};
    k.bits = 12;
    EXPECT_EQ(fehlertext(bmp(k, {0, 0, 0, 0})), "LoadBMP - No suitable format found");
    k = {};
    k.kopfgroesse = 12;
    EXPECT_NE(fehlertext(bmp(k, {0, 0, 0, 0})).find("header size"), std::string::npos);

    const struct {
        std::int32_t breite, hoehe;
    } groessen[] = {{0, 1}, {1, 0}, {70000, 1}, {1, -70000}, {-1, 1}, {60000, 60000}, {1, INT32_MIN}};
    for (auto g : groessen) {
        k = {};
        k.breite = g.breite;
        k.hoehe = g.hoehe;
        EXPECT_NE(fehlertext(bmp(k, Bytes(16))).find("invalid image size"), std::string::npos) << g.breite;
    }

    // Cut short: in the headers, in the pixels, and a pixel offset beyond the end.
    k = {};
    k.breite = 4;
    k.hoehe = 4;
    std::string ganz = bmp(k, Bytes(48));
    EXPECT_NO_THROW(Bild_lesen(ganz));
    for (std::size_t laenge : {3u, 20u, 53u, 100u}) {
        EXPECT_EQ(fehlertext(ganz.substr(0, laenge)), "LoadBMP - unexpected end of file") << laenge;
    }
    std::string weit = ganz;
    weit[13] = 0x40;  // pixel offset 2^30
    EXPECT_EQ(fehlertext(weit), "LoadBMP - unexpected end of file");

    // The padding of the last row may be missing.
    k = {};
    k.breite = 1;
    k.hoehe = 2;
    EXPECT_NO_THROW(Bild_lesen(bmp(k, {1, 2, 3, 0, 4, 5, 6})));
}

TEST(Bilddatei, TgaRunsCrossRowsAndStopAtTheImageEnd) {
    // 3 x 2, bottom-up: a run of 4 grey pixels, then 2 literal ones.
    const Bytes daten = {0x83, 9, 0x01, 1, 2};
    Bild b = Bild_lesen(tga(11, 3, 2, 8, 0, daten));
    EXPECT_EQ(b.format, tfLuminance8);
    EXPECT_EQ(b.pixel, (Bytes{9, 1, 2, 9, 9, 9}));

    // Top-down and right-to-left.
    b = Bild_lesen(tga(11, 3, 2, 8, 0x30, daten));
    EXPECT_EQ(b.pixel, (Bytes{9, 9, 9, 2, 1, 9}));

    // A run of 128 in a 2 x 2 image is cut at the last pixel.
    b = Bild_lesen(tga(10, 2, 2, 24, 0, {0xFF, 1, 2, 3}));
    EXPECT_EQ(b.pixel, (Bytes{1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3}));

    // Uncompressed, with an image ID to skip.
    b = Bild_lesen(tga(3, 2, 1, 8, 0x20, {7, 8}, 5));
    EXPECT_EQ(b.pixel, (Bytes{7, 8}));
}

TEST(Bilddatei, TgaRefusals) {
    // Not a TGA: the next reader is asked and finds nothing.
    std::string fremd = tga(2, 1, 1, 24, 0, {1, 2, 3});
    fremd[1] = 1;
    EXPECT_EQ(fehlertext(fremd),
              "LoadFromStream - Couldn't load Stream. It's possible to be an unknow Streamtype.");
    fremd = tga(4, 1, 1, 24, 0, {1, 2, 3});
    Lesestrom s(fremd);
    Bild b;
    EXPECT_FALSE(TGA_lesen(s, b));
    EXPECT_EQ(s.pos, 0u);

    EXPECT_EQ(fehlertext(tga(2, 1, 1, 24, 8, {1, 2, 3})), "LoadTga - unsupported format");
    EXPECT_EQ(fehlertext(tga(2, 1, 1, 8, 0, {1})), "LoadTga - unsupported format");
    EXPECT_NE(fehlertext(tga(2, 0, 1, 24, 0, {})).find("invalid image size"), std::string::npos);
    EXPECT_EQ(fehlertext(tga(2, 2, 2, 24, 0, Bytes(11))), "LoadTga - unexpected end of file");
    EXPECT_EQ(fehlertext(tga(10, 2, 2, 24, 0, {0x00, 1, 2, 3})), "LoadTga - unexpected end of file");
    // Few bytes cannot claim a huge run-length image.
    EXPECT_EQ(fehlertext(tga(10, 65535, 1000, 24, 0, {0xFF, 1, 2, 3})), "LoadTga - unexpected end of file");
    EXPECT_EQ(fehlertext(tga(2, 1, 1, 24, 0, {}, 40)), "LoadTga - unexpected end of file");
}

TEST(Bilddatei, DdsCompressedDataIsReadAsWholeBlocks) {
    DdsKopf k;
    k.pf_flags = 0x4;
    k.fourcc = "DXT1";
    k.breite = 4;
    k.hoehe = 64;
    k.pitch = 1000;  // the header's size field does not decide how much is read
    Bytes daten(16 * 8);
    for (std::size_t i = 0; i < daten.size(); ++i) daten[i] = static_cast<std::uint8_t>(i);
    Bild b = Bild_lesen(dds(k, daten));
    EXPECT_EQ(b.format, tfS3tcDtx1RGBA);
    EXPECT_EQ(b.pixel, daten);

    k.breite = k.hoehe = 1;
    k.fourcc = "DXT5";
    b = Bild_lesen(dds(k, Bytes(16, 7)));
    EXPECT_EQ(b.pixel.size(), 16u);

    EXPECT_EQ(fehlertext(dds(k, Bytes(15))), "LoadDDS - unexpected end of file");
    k.fourcc = "ATI2";
    EXPECT_EQ(fehlertext(dds(k, Bytes(16))), "LoadDDS - unsupported Pixelformat found.");
}

TEST(Bilddatei, DdsRefusals) {
    DdsKopf k;
    k.masken[0] = 0xFF;
    k.masken[1] = 0xFF00;
    k.masken[2] = 0xFF0000;
    k.bits = 24;
    EXPECT_EQ(Bild_lesen(dds(k, {1, 2, 3})).format, tfRGB8);

    DdsKopf c = k;
    c.caps2 = 0x200;
    EXPECT_EQ(fehlertext(dds(c, {1, 2, 3})), "LoadDDS - CubeMaps are not supported");
    // A header of the wrong size or without the required flags is not taken.
    c = k;
    c.groesse = 100;
    EXPECT_EQ(fehlertext(dds(c, {1, 2, 3})),
              "LoadFromStream - Couldn't load Stream. It's possible to be an unknow Streamtype.");
    c = k;
    c.flags = 0x7;
    EXPECT_NE(fehlertext(dds(c, {1, 2, 3})).find("Couldn't load"), std::string::npos);
    c = k;
    c.bits = 12;
    EXPECT_EQ(fehlertext(dds(c, {1, 2, 3})), "LoadDDS - unsupported Pixelformat found.");
    c = k;
    c.pf_flags = 0;
    EXPECT_EQ(fehlertext(dds(c, {1, 2, 3})), "LoadDDS - unsupported Pixelformat found.");
    c = k;
    c.masken[0] = c.masken[1] = c.masken[2] = 0;
    EXPECT_EQ(fehlertext(dds(c, {1, 2, 3})), "FormatCheckFormat - All Masks are 0");
    c = k;
    c.breite = 70000;
    EXPECT_NE(fehlertext(dds(c, {1, 2, 3})).find("invalid image size"), std::string::npos);
    c = k;
    c.hoehe = 2;
    EXPECT_EQ(fehlertext(dds(c, {1, 2, 3, 4, 5})), "LoadDDS - unexpected end of file");
    EXPECT_EQ(fehlertext(dds(k, {}).substr(0, 60)), "LoadDDS - unexpected end of file");
}

TEST(Bilddatei, ABmpFileIsOfferedToTheOtherReadersFirst) {
    BmpKopf k;
    std::string datei = bmp(k, {1, 2, 3, 0});
    Lesestrom s(datei);
    Bild b;
    EXPECT_FALSE(DDS_lesen(s, b));
    EXPECT_FALSE(TGA_lesen(s, b));
    EXPECT_EQ(s.pos, 0u);
    EXPECT_TRUE(BMP_lesen(s, b));
    EXPECT_EQ(fehlertext(""),
              "LoadFromStream - Couldn't load Stream. It's possible to be an unknow Streamtype.");
    EXPECT_EQ(fehlertext("B"), fehlertext(""));
}

TEST(Bilddatei, GamePathsReportFailures) {
    bhmtest::TempDir tmp;
    const bool stumm = Error_Silence, log = Errorloger;
    Error_Silence = false;
    Errorloger = false;
    Fehler_zuruecksetzen();

    std::filesystem::create_directories(tmp.path() / "Daten");
    Bild b(2, 2, tfBGR8);
    b.pixel = {255, 0, 255, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    ASSERT_TRUE(Bilddatei_speichern(tmp.folder() + "Daten\\Pack.BMP", b));
    Bild gelesen;
    ASSERT_TRUE(Bilddatei_laden(tmp.folder() + "daten\\pack.bmp", gelesen));
    EXPECT_EQ(gelesen.pixel, b.pixel);
    EXPECT_TRUE(Fehlertext.empty());

    EXPECT_FALSE(Bilddatei_laden(tmp.folder() + "fehlt.bmp", gelesen));
    EXPECT_NE(Fehlertext.find("Bilddatei_laden > Datei nicht gefunden"), std::string::npos);
    tmp.write("kaputt.bmp", "BM1234");
    EXPECT_FALSE(Bilddatei_laden(tmp.folder() + "kaputt.bmp", gelesen));
    EXPECT_NE(Fehlertext.find("unexpected end of file"), std::string::npos);
    Bild gross(1, 1, tfRGB16);
    EXPECT_FALSE(Bilddatei_speichern(tmp.folder() + "x.bmp", gross));
    EXPECT_NE(Fehlertext.find("unsupported format: tfRGB16"), std::string::npos);

    Fehler_zuruecksetzen();
    Error_Silence = stumm;
    Errorloger = log;
}

// A 24-bit picture is taken as it is exactly when reading and writing it again gives its own
// bytes: for files of the writer and for the many ways the reader accepts one that the writer
// would write differently. Other depths are never taken as they are.
TEST(Bilddatei, AFileIsTakenAsItIsExactlyWhenWritingItAgainGivesItsBytes) {
    bhmtest::TempDir tmp;
    struct Fall {
        const char* name;
        std::string bytes;
        bool vierundzwanzig = true;  // 24 bits a pixel
    };
    const auto geschrieben = [](TglBitmapFormat f, int b, int h) {
        return Bild_schreiben(musterbild(f, b, h), Bilddateityp::BMP);
    };
    // Three pixels of 24 bits: three bytes of padding a row.
    const Bytes gepolstert = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0,
                              11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0};
    Bytes schmutzig = gepolstert;
    schmutzig[10] = 0xEE;
    BmpKopf drei;
    drei.breite = 3;
    drei.hoehe = 2;
    BmpKopf oben_ab = drei;
    oben_ab.hoehe = -2;
    BmpKopf v4 = drei;
    v4.kopfgroesse = 108;
    BmpKopf versetzt = drei;
    versetzt.datenversatz = 60;
    std::string angehaengt = geschrieben(tfBGR8, 4, 4) + "x";
    std::string ohne_letzte_polsterung = bmp(drei, gepolstert);
    ohne_letzte_polsterung.resize(ohne_letzte_polsterung.size() - 3);
    std::string andere_aufloesung = geschrieben(tfBGR8, 4, 2);
    andere_aufloesung[38] = 1;
    const std::vector<Fall> faelle = {
        {"written, rows without padding", geschrieben(tfBGR8, 8, 3)},
        {"written, padded rows", geschrieben(tfBGR8, 5, 3)},
        {"written from another format", geschrieben(tfRGB8, 4, 2)},
        {"32 bits", geschrieben(tfBGRA8, 4, 2), false},
        {"a grey palette", geschrieben(tfLuminance8, 4, 2), false},
        {"padding of zeros", bmp(drei, gepolstert)},
        {"padding not zero", bmp(drei, schmutzig)},
        {"top-down rows", bmp(oben_ab, gepolstert)},
        {"a later header", bmp(v4, gepolstert)},
        {"a gap before the pixels", bmp(versetzt, gepolstert)},
        {"a byte after the pixels", angehaengt},
        {"the last padding cut off", ohne_letzte_polsterung},
        {"another resolution field", andere_aufloesung},
        {"not a picture", "BM", false},
    };
    for (const Fall& f : faelle) {
        const std::string pfad = tmp.folder() + "bild.bmp";
        tmp.write("bild.bmp", f.bytes);
        bool gleich = false;
        try {
            gleich = Bild_schreiben(Bild_lesen(f.bytes), Bilddateityp::BMP) == f.bytes;
        } catch (const Bildfehler&) {
        }
        EXPECT_EQ(BMP_Datei_wie_geschrieben(pfad), gleich && f.vierundzwanzig) << f.name;
    }
    EXPECT_FALSE(BMP_Datei_wie_geschrieben(tmp.folder() + "fehlt.bmp"));
}

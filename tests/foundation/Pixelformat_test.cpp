#include "foundation/Pixelformat.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/Bild.h"

namespace {

std::uint64_t wort(const std::vector<std::uint8_t>& b) {
    std::uint64_t w = 0;
    for (std::size_t i = 0; i < b.size() && i < 8; ++i) w |= std::uint64_t{b[i]} << (8 * i);
    return w;
}

std::vector<std::uint8_t> bytes_von(std::uint64_t w, int n) {
    std::vector<std::uint8_t> b(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(w >> (8 * i));
    return b;
}

std::vector<std::uint8_t> packen(const TFormatDescriptor& d, const Pixeldaten& p) {
    std::vector<std::uint8_t> b(static_cast<std::size_t>(d.Pixelgroesse()), 0);
    std::uint8_t* z = b.data();
    Abbildungszustand s;
    d.MapPixel(p, z, s);
    EXPECT_EQ(z, b.data() + b.size()) << Formatname(d.format);
    return b;
}

Pixeldaten entpacken(const TFormatDescriptor& d, const std::vector<std::uint8_t>& b) {
    Pixeldaten p;
    d.PreparePixel(p);
    const std::uint8_t* q = b.data();
    Abbildungszustand s;
    d.UnmapPixel(q, p, s);
    EXPECT_EQ(q, b.data() + b.size()) << Formatname(d.format);
    return p;
}

// The bits of a pixel that carry a channel.
std::uint64_t benutzte_bits(const TFormatDescriptor& d) {
    std::uint64_t m = 0;
    for (int k = 0; k < 4; ++k) m |= d.Maske(k);
    return m;
}

bool unkomprimiert(TglBitmapFormat f) { return f != tfEmpty && !Formatbeschreibung(f).komprimiert; }

}  // namespace

TEST(Pixelformat, PackingWhatWasUnpackedGivesTheSameBitsForEveryFormat) {
    const std::uint64_t muster[] = {0,
                                    ~0ull,
                                    0xA5A5A5A5A5A5A5A5ull,
                                    0x5A5A5A5A5A5A5A5Aull,
                                    0x0101010101010101ull,
                                    0x8080808080808080ull,
                                    0x0123456789ABCDEFull};
    for (int i = 0; i < Formatanzahl; ++i) {
        auto f = static_cast<TglBitmapFormat>(i);
        if (!unkomprimiert(f)) continue;
        const auto& d = Formatbeschreibung(f);
        for (std::uint64_t m : muster) {
            auto roh = bytes_von(m, d.Pixelgroesse());
            auto erwartet = bytes_von(m & benutzte_bits(d), d.Pixelgroesse());
            EXPECT_EQ(packen(d, entpacken(d, roh)), erwartet) << Formatname(f) << " " << std::hex << m;
        }
    }
}

TEST(Pixelformat, PackedBytesAgreeWithTheMasksOfTheTable) {
    for (int i = 0; i < Formatanzahl; ++i) {
        auto f = static_cast<TglBitmapFormat>(i);
        if (!unkomprimiert(f)) continue;
        const auto& d = Formatbeschreibung(f);
        const bool grau = d.Maske(kRot) == d.Maske(kGruen) && d.Maske(kGruen) == d.Maske(kBlau);
        // Each channel alone at its full value (grey formats: red, green and blue together).
        std::vector<std::vector<int>> gruppen;
        if (grau) {
            if (d.HasRed()) gruppen.push_back({kRot, kGruen, kBlau});
        } else {
            for (int k = 0; k < 3; ++k)
                if (d.bereich[k] > 0) gruppen.push_back({k});
        }
        if (d.HasAlpha()) gruppen.push_back({kAlpha});
        ASSERT_FALSE(gruppen.empty()) << Formatname(f);
        for (const auto& g : gruppen) {
            Pixeldaten p;
            d.PreparePixel(p);
            p.wert = {0, 0, 0, 0};
            std::uint64_t maske = 0;
            for (int k : g) {
                p.wert[k] = d.bereich[k];
                maske |= d.Maske(k);
            }
            EXPECT_EQ(wort(packen(d, p)), maske) << Formatname(f) << " channel " << g[0];
        }
    }
}

TEST(Pixelformat, TheMaskSearchFindsEachFormatOrOneWithTheSameMasks) {
    for (int i = 1; i < Formatanzahl; ++i) {
        auto f = static_cast<TglBitmapFormat>(i);
        const auto& d = Formatbeschreibung(f);
        if (d.komprimiert || f == tfDepth16 || f == tfDepth24 || f == tfDepth32) continue;
        TglBitmapFormat g = Format_zu_Masken(d.Maske(kRot), d.Maske(kGruen), d.Maske(kBlau), d.Maske(kAlpha),
                                             d.bits_pro_pixel);
        ASSERT_NE(g, tfEmpty) << Formatname(f);
        const auto& e = Formatbeschreibung(g);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(e.Maske(k), d.Maske(k)) << Formatname(f) << " found " << Formatname(g);
        EXPECT_EQ(e.bits_pro_pixel, d.bits_pro_pixel) << Formatname(f);
    }
}

TEST(Pixelformat, FormatCheck) {
    std::vector<TglBitmapFormat> treffer;
    for (int i = 0; i < Formatanzahl; ++i) {
        const auto& d = Formatbeschreibung(static_cast<TglBitmapFormat>(i));
        if (d.bits_pro_pixel == 16 && !d.HasAlpha() && d.FormatCheckFormat(0x7C00, 0x3E0, 0x1F, 0))
            treffer.push_back(d.format);
    }
    EXPECT_EQ(treffer, std::vector<TglBitmapFormat>{tfBGR5});
    EXPECT_THROW(Formatbeschreibung(tfRGB8).FormatCheckFormat(0, 0, 0, 0), Bildfehler);
    // A 5-6-5 mask set is found searching down from the last format.
    EXPECT_EQ(Format_zu_Masken(0xF800, 0x7E0, 0x1F, 0, 16), tfB5G6R5);
    // The masks of 24-bit BGR in a 32-bit pixel are not the 3-byte format.
    EXPECT_EQ(Format_zu_Masken(0xFF0000, 0xFF00, 0xFF, 0, 32), tfEmpty);
    EXPECT_EQ(Format_zu_Masken(0xFF0000, 0xFF00, 0xFF, 0, 24), tfBGR8);
}

TEST(Pixelformat, DescriptorsOfTheGameFormats) {
    const auto& rgb = Formatbeschreibung(tfRGB8);
    EXPECT_EQ(rgb.Pixelgroesse(), 3);
    EXPECT_EQ(rgb.GLFormat(), glw::RGB);
    EXPECT_EQ(rgb.GLInternalFormat(), glw::RGB8);
    EXPECT_EQ(rgb.GLType(), glw::UNSIGNED_BYTE);
    EXPECT_EQ(rgb.mit_alpha, tfRGBA8);
    EXPECT_EQ(rgb.vertauscht, tfBGR8);
    EXPECT_EQ(Formatbeschreibung(tfBGR8).mit_alpha, tfBGRA8);
    EXPECT_STREQ(Formatname(tfBGRA8), "tfBGRA8");
    EXPECT_EQ(Formatbeschreibung(tfS3tcDtx1RGBA).unkomprimiert, tfRGB5A1);
    EXPECT_EQ(Formatbeschreibung(tfS3tcDtx5RGBA).unkomprimiert, tfRGBA8);
}

TEST(Pixelformat, DataSizeRoundsCompressedFormatsToWholeBlocks) {
    struct Fall {
        TglBitmapFormat f;
        int w, h;
        std::size_t bytes;
    };
    const Fall faelle[] = {
        {tfRGB8, 256, 256, 196608}, {tfS3tcDtx1RGBA, 4, 4, 8},  {tfS3tcDtx1RGBA, 1, 1, 8},
        {tfS3tcDtx1RGBA, 5, 3, 16}, {tfS3tcDtx5RGBA, 2, 2, 16}, {tfS3tcDtx3RGBA, 8, 8, 64},
        {tfRGB8, 0, 5, 0},          {tfBGRA16, 3, 1, 24},
    };
    for (const auto& c : faelle)
        EXPECT_EQ(Formatbeschreibung(c.f).DataSize(c.w, c.h), c.bytes)
            << Formatname(c.f) << " " << c.w << "x" << c.h;
}

TEST(Pixelformat, FiveSixFivePacking) {
    const auto& d = Formatbeschreibung(tfR5G6B5);
    Pixeldaten p;
    d.PreparePixel(p);
    p.wert = {31, 63, 31, 0};
    EXPECT_EQ(wort(packen(d, p)), 0xFFFFu);
    Pixeldaten q = entpacken(d, {0x00, 0xF8});
    EXPECT_EQ(q.wert[kRot], 0u);
    EXPECT_EQ(q.wert[kGruen], 0u);
    EXPECT_EQ(q.wert[kBlau], 31u);
}

TEST(Pixelformat, LuminanceAndDepthRoundToNearest) {
    for (std::uint32_t v = 0; v <= 255; ++v) {
        Pixeldaten p;
        p.wert = {v, v, v, 0};
        ASSERT_EQ(Luminanz(p), v);
    }
    for (std::uint32_t v : {0u, 1u, 2u, 1000u, 65534u, 65535u, 0xFFFFFFFFu}) {
        Pixeldaten p;
        p.wert = {v, v, v, 0};
        EXPECT_EQ(Tiefenwert(p), v);
    }
    Pixeldaten p;
    p.wert = {1, 1, 2, 0};
    EXPECT_EQ(Tiefenwert(p), 1u);
    p.wert = {1, 2, 2, 0};
    EXPECT_EQ(Tiefenwert(p), 2u);
    p.wert = {100, 0, 0, 0};  // 30.0
    EXPECT_EQ(Luminanz(p), 30u);
    p.wert = {0, 0, 50, 0};  // 5.5
    EXPECT_EQ(Luminanz(p), 6u);
}

TEST(Pixelformat, BitfieldConverterKeepsTheFilesPixelSize) {
    TbmpBitfieldFormat b565(2, 0xF800, 0x7E0, 0x1F, 0);
    EXPECT_EQ(b565.bereich, (std::array<std::uint32_t, 4>{31, 63, 31, 0}));
    EXPECT_EQ(b565.verschiebung, (std::array<std::uint8_t, 4>{11, 5, 0, 0}));
    Pixeldaten p = entpacken(b565, {0x1F, 0xF8});
    EXPECT_EQ(p.wert, (std::array<std::uint32_t, 4>{31, 0, 31, 0}));

    // X8R8G8B8: the masks span 24 bits, the pixels take 4 bytes.
    TbmpBitfieldFormat x8(4, 0xFF0000, 0xFF00, 0xFF, 0);
    EXPECT_EQ(x8.Pixelgroesse(), 4);
    p = entpacken(x8, {0x10, 0x20, 0x30, 0x99});
    EXPECT_EQ(p.wert, (std::array<std::uint32_t, 4>{0x30, 0x20, 0x10, 0}));
}

TEST(Pixelformat, PaletteIndexOutsideTheTableIsAnError) {
    TbmpColorTableFormat t(8, std::vector<TbmpColorTableFormat::Eintrag>(16));
    Pixeldaten p;
    std::vector<std::uint8_t> b = {200};
    const std::uint8_t* q = b.data();
    Abbildungszustand s;
    try {
        t.UnmapPixel(q, p, s);
        FAIL();
    } catch (const Bildfehler& e) {
        EXPECT_STREQ(e.what(), "invalid color index: 200");
    }
    TbmpColorTableFormat packer(8, {}, tfRGB8);
    std::uint8_t z[1];
    std::uint8_t* zp = z;
    EXPECT_THROW(packer.MapPixel(p, zp, s), Bildfehler);
}

TEST(Pixelformat, ConversionRescalesAndFillsMissingChannels) {
    struct Fall {
        TglBitmapFormat von;
        std::vector<std::uint8_t> pixel;
        TglBitmapFormat nach;
        std::vector<std::uint8_t> erwartet;
    };
    const Fall faelle[] = {
        // Equal ranges: copied (and reordered).
        {tfBGR8, {1, 2, 3}, tfRGB8, {3, 2, 1}},
        // A channel the source lacks takes the full range: opaque alpha.
        {tfRGB8, {1, 2, 3}, tfRGBA8, {1, 2, 3, 255}},
        {tfLuminance8, {77}, tfLuminance8Alpha8, {77, 255}},
        // Smaller ranges: shifted down. 255 >> 3 = 31, 128 >> 3 = 16, 7 >> 3 = 0.
        {tfRGB8, {255, 128, 7}, tfRGB5, {0x1F, 0x02}},
        // Larger ranges: rescaled and rounded. 5-6-5 red 16 -> 132, green 63 -> 255, blue 1 -> 8.
        {tfR5G6B5, {0xF0, 0x0F}, tfRGB8, {132, 255, 8}},
    };
    for (const auto& c : faelle) {
        Bild b;
        b.breite = static_cast<int>(c.pixel.size() * 8 / Formatbeschreibung(c.von).bits_pro_pixel);
        b.hoehe = 1;
        b.format = c.von;
        b.pixel = c.pixel;
        ASSERT_TRUE(Bild_konvertieren(b, c.nach));
        EXPECT_EQ(b.format, c.nach);
        EXPECT_EQ(b.pixel, c.erwartet) << Formatname(c.von) << " -> " << Formatname(c.nach);
    }
    Bild dxt(4, 4, tfS3tcDtx1RGBA);
    EXPECT_THROW(Bild_konvertieren(dxt, tfRGBA8), Bildfehler);
}

TEST(Pixelformat, ColourKeyMakesExactlyTheKeyColourTransparent) {
    // Blue, green, red order; the key is magenta.
    Bild b;
    b.breite = 4;
    b.hoehe = 1;
    b.format = tfBGR8;
    b.pixel = {255, 0, 255, 255, 0, 254, 255, 1, 255, 10, 20, 30};
    Bild_Farbschluessel(b, 255, 0, 255, 0);
    EXPECT_EQ(b.format, tfBGRA8);
    EXPECT_EQ(b.pixel, (std::vector<std::uint8_t>{255, 0, 255, 0, 255, 0, 254, 255, 255, 1, 255, 255, 10, 20,
                                                  30, 255}));
    // A deviation widens the window on every channel.
    b.format = tfBGR8;
    b.pixel = {250, 3, 252};
    b.breite = 1;
    Bild_Farbschluessel(b, 255, 0, 255, 5);
    EXPECT_EQ(b.pixel[3], 0);
}

// A key that is not the same read backwards finds its colour in either byte order, and only
// there; the deviation window is kept per channel.
TEST(Pixelformat, ColourKeyReadsEachByteOrderByItsChannels) {
    struct Fall {
        TglBitmapFormat format;
        TglBitmapFormat erwartet;
        std::vector<std::uint8_t> pixel;  // in the format's byte order
        std::uint8_t abweichung;
        std::vector<std::uint8_t> alpha;
    };
    // The key is red 10, green 20, blue 30.
    const std::vector<Fall> faelle = {
        {tfBGR8, tfBGRA8, {30, 20, 10, 10, 20, 30, 31, 20, 10}, 0, {0, 255, 255}},
        {tfRGB8, tfRGBA8, {10, 20, 30, 30, 20, 10, 10, 21, 30}, 0, {0, 255, 255}},
        {tfBGR8, tfBGRA8, {33, 17, 12, 34, 20, 10, 30, 20, 6}, 3, {0, 255, 255}},
        {tfRGB8, tfRGBA8, {7, 23, 27, 10, 24, 30, 13, 20, 33}, 3, {0, 255, 0}},
    };
    for (const Fall& f : faelle) {
        Bild b;
        b.breite = 3;
        b.hoehe = 1;
        b.format = f.format;
        b.pixel = f.pixel;
        Bild_Farbschluessel(b, 10, 20, 30, f.abweichung);
        ASSERT_EQ(b.format, f.erwartet) << Formatname(f.format);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(b.pixel[4 * i + 3], f.alpha[i]) << Formatname(f.format) << " pixel " << i;
            for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(b.pixel[4 * i + k], f.pixel[3 * i + k]);
        }
    }
}

TEST(Pixelformat, Mirroring) {
    Bild b;
    b.breite = 3;
    b.hoehe = 2;
    b.format = tfLuminance8;
    b.pixel = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(Bild_horizontal_spiegeln(b).pixel, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4}));
    EXPECT_EQ(Bild_vertikal_spiegeln(b).pixel, (std::vector<std::uint8_t>{4, 5, 6, 1, 2, 3}));
    EXPECT_TRUE(Bild_horizontal_spiegeln(Bild(4, 4, tfS3tcDtx1RGBA)).leer());
}

#include "foundation/Pixelformat.h"

#include <memory>
#include <utility>

namespace {

// Little-endian words of 1..8 bytes.
std::uint64_t wort_lesen(const std::uint8_t* p, int bytes) {
    std::uint64_t w = 0;
    for (int i = 0; i < bytes; ++i) w |= std::uint64_t{p[i]} << (8 * i);
    return w;
}

void wort_schreiben(std::uint8_t* p, std::uint64_t w, int bytes) {
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(w >> (8 * i));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Helpers

std::uint32_t Luminanz(const Pixeldaten& p) {
    std::uint64_t summe = 30 * std::uint64_t{p.wert[kRot]} + 59 * std::uint64_t{p.wert[kGruen]} +
                          11 * std::uint64_t{p.wert[kBlau]};
    return static_cast<std::uint32_t>((summe + 50) / 100);
}

std::uint32_t Tiefenwert(const Pixeldaten& p) {
    std::uint64_t summe = std::uint64_t{p.wert[kRot]} + p.wert[kGruen] + p.wert[kBlau];
    return static_cast<std::uint32_t>((summe + 1) / 3);
}

int Bitlaenge(std::uint64_t wert) {
    int n = 0;
    while (wert != 0) {
        wert >>= 1;
        ++n;
    }
    return n;
}

std::uint32_t Kanal_umrechnen(std::uint32_t wert, std::uint32_t von, std::uint32_t zu) {
    if (von == 0) return zu;
    if (von == zu) return wert;
    std::uint64_t w = wert > von ? von : wert;
    return static_cast<std::uint32_t>((w * zu + von / 2) / von);
}

// ---------------------------------------------------------------------------------------------
// The descriptor base

int TFormatDescriptor::ChannelCount() const {
    int n = 0;
    for (auto b : bereich)
        if (b > 0) ++n;
    return n;
}

std::size_t TFormatDescriptor::DataSize(int breite, int hoehe) const {
    if (breite <= 0 || hoehe <= 0) return 0;
    std::size_t w = static_cast<std::size_t>(breite), h = static_cast<std::size_t>(hoehe);
    if (komprimiert) {
        // 16 pixels a block: 8 bytes at 4 bits per pixel, 16 at 8.
        return ((w + 3) / 4) * ((h + 3) / 4) * 2 * static_cast<std::size_t>(bits_pro_pixel);
    }
    return (w * h * static_cast<std::size_t>(bits_pro_pixel) + 7) / 8;
}

bool TFormatDescriptor::FormatCheckFormat(std::uint64_t rot, std::uint64_t gruen, std::uint64_t blau,
                                          std::uint64_t alpha) const {
    if (rot == 0 && gruen == 0 && blau == 0 && alpha == 0)
        throw Bildfehler("FormatCheckFormat - All Masks are 0");
    return rot == Maske(kRot) && gruen == Maske(kGruen) && blau == Maske(kBlau) && alpha == Maske(kAlpha);
}

void TFormatDescriptor::PreparePixel(Pixeldaten& p) const {
    p = Pixeldaten{};
    p.wert = bereich;
    p.bereich = bereich;
    p.format = format;
}

// ---------------------------------------------------------------------------------------------
// Families: one class per storage layout. N is the size of one channel word in bytes
// (UB = 1, US = 2, UI = 4).

namespace {

template <int N>
void kanal_schreiben(std::uint8_t*& p, std::uint32_t wert) {
    wort_schreiben(p, wert, N);
    p += N;
}

template <int N>
std::uint32_t kanal_lesen(const std::uint8_t*& p) {
    auto w = static_cast<std::uint32_t>(wort_lesen(p, N));
    p += N;
    return w;
}

class TfdEmpty : public TFormatDescriptor {
public:
    void MapPixel(const Pixeldaten&, std::uint8_t*&, Abbildungszustand&) const override {
        throw Bildfehler("mapping for the empty format is not supported");
    }
    void UnmapPixel(const std::uint8_t*&, Pixeldaten&, Abbildungszustand&) const override {
        throw Bildfehler("mapping for the empty format is not supported");
    }
};

template <int N>
class Alpha : public TFormatDescriptor {
public:
    void MapPixel(const Pixeldaten& px, std::uint8_t*& z, Abbildungszustand&) const override {
        kanal_schreiben<N>(z, px.wert[kAlpha]);
    }
    void UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand&) const override {
        px.wert = {0, 0, 0, kanal_lesen<N>(q)};
    }
};

template <int N>
class Luminance : public TFormatDescriptor {
public:
    void MapPixel(const Pixeldaten& px, std::uint8_t*& z, Abbildungszustand&) const override {
        kanal_schreiben<N>(z, Luminanz(px));
    }
    void UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand&) const override {
        std::uint32_t l = kanal_lesen<N>(q);
        px.wert = {l, l, l, 0};
    }
};

template <int N>
class LuminanceAlpha : public Luminance<N> {
public:
    void MapPixel(const Pixeldaten& px, std::uint8_t*& z, Abbildungszustand&) const override {
        kanal_schreiben<N>(z, Luminanz(px));
        kanal_schreiben<N>(z, px.wert[kAlpha]);
    }
    void UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand&) const override {
        std::uint32_t l = kanal_lesen<N>(q);
        px.wert = {l, l, l, kanal_lesen<N>(q)};
    }
};

// Channels stored one word each in the order given (RGB, BGR, RGBA, BGRA).
template <int N, int K0, int K1, int K2, int K3 = -1>
class Kanalfolge : public TFormatDescriptor {
public:
    void MapPixel(const Pixeldaten& px, std::uint8_t*& z, Abbildungszustand&) const override {
        kanal_schreiben<N>(z, px.wert[K0]);
        kanal_schreiben<N>(z, px.wert[K1]);
        kanal_schreiben<N>(z, px.wert[K2]);
        if constexpr (K3 >= 0) kanal_schreiben<N>(z, px.wert[K3]);
    }
    void UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand&) const override {
        px.wert = {0, 0, 0, 0};
        px.wert[K0] = kanal_lesen<N>(q);
        px.wert[K1] = kanal_lesen<N>(q);
        px.wert[K2] = kanal_lesen<N>(q);
        if constexpr (K3 >= 0) px.wert[K3] = kanal_lesen<N>(q);
    }
};

// One packed word; each channel is (word >> shift) AND range.
template <int N>
class Universal : public TFormatDescriptor {
public:
    void MapPixel(const Pixeldaten& px, std::uint8_t*& z, Abbildungszustand&) const override {
        std::uint64_t w = 0;
        for (int k = 0; k < 4; ++k)
            if (bereich[k] > 0) w |= std::uint64_t{px.wert[k] & bereich[k]} << verschiebung[k];
        kanal_schreiben<N>(z, static_cast<std::uint32_t>(w));
    }
    void UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand&) const override {
        std::uint32_t w = kanal_lesen<N>(q);
        for (int k = 0; k < 4; ++k) px.wert[k] = (w >> verschiebung[k]) & bereich[k];
    }
};

template <int N>
class Depth : public TFormatDescriptor {
public:
    void MapPixel(const Pixeldaten& px, std::uint8_t*& z, Abbildungszustand&) const override {
        kanal_schreiben<N>(z, Tiefenwert(px));
    }
    void UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand&) const override {
        std::uint32_t d = kanal_lesen<N>(q);
        px.wert = {d, d, d, 0};
    }
};

class Blockkomprimiert : public TFormatDescriptor {
public:
    void MapPixel(const Pixeldaten&, std::uint8_t*&, Abbildungszustand&) const override {
        throw Bildfehler("mapping for compressed formats is not supported");
    }
    void UnmapPixel(const std::uint8_t*&, Pixeldaten&, Abbildungszustand&) const override {
        throw Bildfehler("mapping for compressed formats is not supported");
    }
};

using TfdAlpha_UB1 = Alpha<1>;
using TfdAlpha_US1 = Alpha<2>;
using TfdLuminance_UB1 = Luminance<1>;
using TfdLuminance_US1 = Luminance<2>;
using TfdLuminanceAlpha_UB2 = LuminanceAlpha<1>;
using TfdLuminanceAlpha_US2 = LuminanceAlpha<2>;
using TfdUniversal_UB1 = Universal<1>;
using TfdUniversal_US1 = Universal<2>;
using TfdUniversal_UI1 = Universal<4>;
using TfdRGB_UB3 = Kanalfolge<1, kRot, kGruen, kBlau>;
using TfdBGR_UB3 = Kanalfolge<1, kBlau, kGruen, kRot>;
using TfdRGBA_UB4 = Kanalfolge<1, kRot, kGruen, kBlau, kAlpha>;
using TfdBGRA_UB4 = Kanalfolge<1, kBlau, kGruen, kRot, kAlpha>;
using TfdRGB_US3 = Kanalfolge<2, kRot, kGruen, kBlau>;
using TfdBGR_US3 = Kanalfolge<2, kBlau, kGruen, kRot>;
using TfdRGBA_US4 = Kanalfolge<2, kRot, kGruen, kBlau, kAlpha>;
using TfdBGRA_US4 = Kanalfolge<2, kBlau, kGruen, kRot, kAlpha>;
using TfdDepth_US1 = Depth<2>;
using TfdDepth_UI1 = Depth<4>;

enum class Familie {
    Empty,
    Alpha_UB1,
    Alpha_US1,
    Luminance_UB1,
    Luminance_US1,
    LuminanceAlpha_UB2,
    LuminanceAlpha_US2,
    Universal_UB1,
    Universal_US1,
    Universal_UI1,
    RGB_UB3,
    BGR_UB3,
    RGBA_UB4,
    BGRA_UB4,
    RGB_US3,
    BGR_US3,
    RGBA_US4,
    BGRA_US4,
    Depth_US1,
    Depth_UI1,
    S3tc,
};

std::unique_ptr<TFormatDescriptor> neu(Familie f) {
    switch (f) {
        case Familie::Empty:
            return std::make_unique<TfdEmpty>();
        case Familie::Alpha_UB1:
            return std::make_unique<TfdAlpha_UB1>();
        case Familie::Alpha_US1:
            return std::make_unique<TfdAlpha_US1>();
        case Familie::Luminance_UB1:
            return std::make_unique<TfdLuminance_UB1>();
        case Familie::Luminance_US1:
            return std::make_unique<TfdLuminance_US1>();
        case Familie::LuminanceAlpha_UB2:
            return std::make_unique<TfdLuminanceAlpha_UB2>();
        case Familie::LuminanceAlpha_US2:
            return std::make_unique<TfdLuminanceAlpha_US2>();
        case Familie::Universal_UB1:
            return std::make_unique<TfdUniversal_UB1>();
        case Familie::Universal_US1:
            return std::make_unique<TfdUniversal_US1>();
        case Familie::Universal_UI1:
            return std::make_unique<TfdUniversal_UI1>();
        case Familie::RGB_UB3:
            return std::make_unique<TfdRGB_UB3>();
        case Familie::BGR_UB3:
            return std::make_unique<TfdBGR_UB3>();
        case Familie::RGBA_UB4:
            return std::make_unique<TfdRGBA_UB4>();
        case Familie::BGRA_UB4:
            return std::make_unique<TfdBGRA_UB4>();
        case Familie::RGB_US3:
            return std::make_unique<TfdRGB_US3>();
        case Familie::BGR_US3:
            return std::make_unique<TfdBGR_US3>();
        case Familie::RGBA_US4:
            return std::make_unique<TfdRGBA_US4>();
        case Familie::BGRA_US4:
            return std::make_unique<TfdBGRA_US4>();
        case Familie::Depth_US1:
            return std::make_unique<TfdDepth_US1>();
        case Familie::Depth_UI1:
            return std::make_unique<TfdDepth_UI1>();
        case Familie::S3tc:
            return std::make_unique<Blockkomprimiert>();
    }
    return std::make_unique<TfdEmpty>();
}

// ---------------------------------------------------------------------------------------------
// The format table

constexpr std::uint32_t B8 = 255, B16 = 65535, B32 = 0xFFFFFFFFu;
constexpr std::uint8_t B = kSchreibtBMP, T = kSchreibtTGA, D = kSchreibtDDS;

struct Zeile {
    const char* name;
    Familie familie;
    int bits;
    std::array<std::uint32_t, 4> bereich;
    std::array<std::uint8_t, 4> verschiebung;
    std::uint32_t gl_format, gl_internal, gl_type;
    TglBitmapFormat mit_alpha, ohne_alpha, vertauscht;
    std::uint8_t schreibbar;
};

using namespace glw;
using F = Familie;

// clang-format off
const Zeile kTabelle[Formatanzahl] = {
    {"tfEmpty", F::Empty, 0, {0, 0, 0, 0}, {0, 0, 0, 0}, 0, 0, 0, tfEmpty, tfEmpty, tfEmpty, 0},
    {"tfAlpha4", F::Alpha_UB1, 8, {0, 0, 0, B8}, {0, 0, 0, 0}, ALPHA, ALPHA4, UNSIGNED_BYTE, tfAlpha4, tfEmpty, tfEmpty, 0},
    {"tfAlpha8", F::Alpha_UB1, 8, {0, 0, 0, B8}, {0, 0, 0, 0}, ALPHA, ALPHA8, UNSIGNED_BYTE, tfAlpha8, tfEmpty, tfEmpty, T | D},
    {"tfAlpha12", F::Alpha_US1, 16, {0, 0, 0, B16}, {0, 0, 0, 0}, ALPHA, ALPHA12, UNSIGNED_SHORT, tfAlpha12, tfEmpty, tfEmpty, 0},
    {"tfAlpha16", F::Alpha_US1, 16, {0, 0, 0, B16}, {0, 0, 0, 0}, ALPHA, ALPHA16, UNSIGNED_SHORT, tfAlpha16, tfEmpty, tfEmpty, D},
    {"tfLuminance4", F::Luminance_UB1, 8, {B8, B8, B8, 0}, {0, 0, 0, 0}, LUMINANCE, LUMINANCE4, UNSIGNED_BYTE, tfLuminance4Alpha4, tfLuminance4, tfEmpty, B},
    {"tfLuminance8", F::Luminance_UB1, 8, {B8, B8, B8, 0}, {0, 0, 0, 0}, LUMINANCE, LUMINANCE8, UNSIGNED_BYTE, tfLuminance8Alpha8, tfLuminance8, tfEmpty, B | T | D},
    {"tfLuminance12", F::Luminance_US1, 16, {B16, B16, B16, 0}, {0, 0, 0, 0}, LUMINANCE, LUMINANCE12, UNSIGNED_SHORT, tfLuminance12Alpha12, tfLuminance12, tfEmpty, 0},
    {"tfLuminance16", F::Luminance_US1, 16, {B16, B16, B16, 0}, {0, 0, 0, 0}, LUMINANCE, LUMINANCE16, UNSIGNED_SHORT, tfLuminance16Alpha16, tfLuminance16, tfEmpty, T | D},
    {"tfLuminance4Alpha4", F::LuminanceAlpha_UB2, 16, {B8, B8, B8, B8}, {0, 0, 0, 8}, LUMINANCE_ALPHA, LUMINANCE4_ALPHA4, UNSIGNED_BYTE, tfLuminance4Alpha4, tfLuminance4, tfEmpty, D},
    {"tfLuminance6Alpha2", F::LuminanceAlpha_UB2, 16, {B8, B8, B8, B8}, {0, 0, 0, 8}, LUMINANCE_ALPHA, LUMINANCE6_ALPHA2, UNSIGNED_BYTE, tfLuminance6Alpha2, tfLuminance8, tfEmpty, D},
    {"tfLuminance8Alpha8", F::LuminanceAlpha_UB2, 16, {B8, B8, B8, B8}, {0, 0, 0, 8}, LUMINANCE_ALPHA, LUMINANCE8_ALPHA8, UNSIGNED_BYTE, tfLuminance8Alpha8, tfLuminance8, tfEmpty, T | D},
    {"tfLuminance12Alpha4", F::LuminanceAlpha_US2, 32, {B16, B16, B16, B16}, {0, 0, 0, 16}, LUMINANCE_ALPHA, LUMINANCE12_ALPHA4, UNSIGNED_SHORT, tfLuminance12Alpha4, tfLuminance12, tfEmpty, D},
    {"tfLuminance12Alpha12", F::LuminanceAlpha_US2, 32, {B16, B16, B16, B16}, {0, 0, 0, 16}, LUMINANCE_ALPHA, LUMINANCE12_ALPHA12, UNSIGNED_SHORT, tfLuminance12Alpha12, tfLuminance12, tfEmpty, 0},
    {"tfLuminance16Alpha16", F::LuminanceAlpha_US2, 32, {B16, B16, B16, B16}, {0, 0, 0, 16}, LUMINANCE_ALPHA, LUMINANCE16_ALPHA16, UNSIGNED_SHORT, tfLuminance16Alpha16, tfLuminance16, tfEmpty, D},
    {"tfR3G3B2", F::Universal_UB1, 8, {7, 7, 3, 0}, {0, 3, 6, 0}, RGB, R3_G3_B2, UNSIGNED_BYTE_2_3_3_REV, tfRGBA2, tfR3G3B2, tfEmpty, B | D},
    {"tfRGB4", F::Universal_US1, 16, {15, 15, 15, 0}, {0, 4, 8, 0}, RGBA, RGB4, UNSIGNED_SHORT_4_4_4_4_REV, tfRGBA4, tfRGB4, tfBGR4, B | D},
    {"tfR5G6B5", F::Universal_US1, 16, {31, 63, 31, 0}, {0, 5, 11, 0}, RGB, RGB565, UNSIGNED_SHORT_5_6_5_REV, tfRGBA4, tfR5G6B5, tfB5G6R5, B | D},
    {"tfRGB5", F::Universal_US1, 16, {31, 31, 31, 0}, {0, 5, 10, 0}, RGBA, RGB5, UNSIGNED_SHORT_1_5_5_5_REV, tfRGB5A1, tfRGB5, tfBGR5, B | T | D},
    {"tfRGB8", F::RGB_UB3, 24, {B8, B8, B8, 0}, {0, 8, 16, 0}, RGB, RGB8, UNSIGNED_BYTE, tfRGBA8, tfRGB8, tfBGR8, B | T | D},
    {"tfRGB10", F::Universal_UI1, 32, {1023, 1023, 1023, 0}, {0, 10, 20, 0}, RGBA, RGB10, UNSIGNED_INT_2_10_10_10_REV, tfRGB10A2, tfRGB10, tfBGR10, B},
    {"tfRGB12", F::RGB_US3, 48, {B16, B16, B16, 0}, {0, 16, 32, 0}, RGB, RGB12, UNSIGNED_SHORT, tfRGBA12, tfRGB12, tfBGR12, 0},
    {"tfRGB16", F::RGB_US3, 48, {B16, B16, B16, 0}, {0, 16, 32, 0}, RGB, RGB16, UNSIGNED_SHORT, tfRGBA16, tfRGB16, tfBGR16, 0},
    {"tfRGBA2", F::RGBA_UB4, 32, {B8, B8, B8, B8}, {0, 8, 16, 24}, RGBA, RGBA2, UNSIGNED_BYTE, tfRGBA2, tfR3G3B2, tfBGRA2, D},
    {"tfRGBA4", F::Universal_US1, 16, {15, 15, 15, 15}, {0, 4, 8, 12}, RGBA, RGBA4, UNSIGNED_SHORT_4_4_4_4_REV, tfRGBA4, tfRGB4, tfBGRA4, B | T | D},
    {"tfRGB5A1", F::Universal_US1, 16, {31, 31, 31, 1}, {0, 5, 10, 15}, RGBA, RGB5_A1, UNSIGNED_SHORT_1_5_5_5_REV, tfRGB5A1, tfRGB5, tfBGR5A1, B | T | D},
    {"tfRGBA8", F::RGBA_UB4, 32, {B8, B8, B8, B8}, {0, 8, 16, 24}, RGBA, RGBA8, UNSIGNED_BYTE, tfRGBA8, tfRGB8, tfBGRA8, B | T | D},
    {"tfRGB10A2", F::Universal_UI1, 32, {1023, 1023, 1023, 3}, {0, 10, 20, 30}, RGBA, RGB10_A2, UNSIGNED_INT_2_10_10_10_REV, tfRGB10A2, tfRGB10, tfBGR10A2, B | T | D},
    {"tfRGBA12", F::RGBA_US4, 64, {B16, B16, B16, B16}, {0, 16, 32, 48}, RGBA, RGBA12, UNSIGNED_SHORT, tfRGBA12, tfRGB12, tfBGRA12, 0},
    {"tfRGBA16", F::RGBA_US4, 64, {B16, B16, B16, B16}, {0, 16, 32, 48}, RGBA, RGBA16, UNSIGNED_SHORT, tfRGBA16, tfRGB16, tfBGRA16, 0},
    {"tfBGR4", F::Universal_US1, 16, {15, 15, 15, 0}, {8, 4, 0, 0}, BGRA, RGB4, UNSIGNED_SHORT_4_4_4_4_REV, tfBGRA4, tfBGR4, tfRGB4, B | D},
    {"tfB5G6R5", F::Universal_US1, 16, {31, 63, 31, 0}, {11, 5, 0, 0}, RGB, RGB8, UNSIGNED_SHORT_5_6_5, tfBGRA4, tfB5G6R5, tfR5G6B5, B | D},
    {"tfBGR5", F::Universal_US1, 16, {31, 31, 31, 0}, {10, 5, 0, 0}, BGRA, RGB5, UNSIGNED_SHORT_1_5_5_5_REV, tfBGR5A1, tfBGR5, tfRGB5, B | T | D},
    {"tfBGR8", F::BGR_UB3, 24, {B8, B8, B8, 0}, {16, 8, 0, 0}, BGR, RGB8, UNSIGNED_BYTE, tfBGRA8, tfBGR8, tfRGB8, B | T | D},
    {"tfBGR10", F::Universal_UI1, 32, {1023, 1023, 1023, 0}, {20, 10, 0, 0}, BGRA, RGB10, UNSIGNED_INT_2_10_10_10_REV, tfBGR10A2, tfBGR10, tfRGB10, B},
    {"tfBGR12", F::BGR_US3, 48, {B16, B16, B16, 0}, {32, 16, 0, 0}, BGR, RGB12, UNSIGNED_SHORT, tfBGRA12, tfBGR12, tfRGB12, 0},
    {"tfBGR16", F::BGR_US3, 48, {B16, B16, B16, 0}, {32, 16, 0, 0}, BGR, RGB16, UNSIGNED_SHORT, tfBGRA16, tfBGR16, tfRGB16, 0},
    {"tfBGRA2", F::BGRA_UB4, 32, {B8, B8, B8, B8}, {16, 8, 0, 24}, BGRA, RGBA2, UNSIGNED_BYTE, tfBGRA2, tfBGR4, tfRGBA2, D},
    {"tfBGRA4", F::Universal_US1, 16, {15, 15, 15, 15}, {8, 4, 0, 12}, BGRA, RGBA4, UNSIGNED_SHORT_4_4_4_4_REV, tfBGRA4, tfBGR4, tfRGBA4, B | T | D},
    {"tfBGR5A1", F::Universal_US1, 16, {31, 31, 31, 1}, {10, 5, 0, 15}, BGRA, RGB5_A1, UNSIGNED_SHORT_1_5_5_5_REV, tfBGR5A1, tfBGR5, tfRGB5A1, B | T | D},
    {"tfBGRA8", F::BGRA_UB4, 32, {B8, B8, B8, B8}, {16, 8, 0, 24}, BGRA, RGBA8, UNSIGNED_BYTE, tfBGRA8, tfBGR8, tfRGBA8, B | T | D},
    {"tfBGR10A2", F::Universal_UI1, 32, {1023, 1023, 1023, 3}, {20, 10, 0, 30}, BGRA, RGB10_A2, UNSIGNED_INT_2_10_10_10_REV, tfBGR10A2, tfBGR10, tfRGB10A2, B | T | D},
    {"tfBGRA12", F::BGRA_US4, 64, {B16, B16, B16, B16}, {32, 16, 0, 48}, BGRA, RGBA12, UNSIGNED_SHORT, tfBGRA12, tfBGR12, tfRGBA12, 0},
    {"tfBGRA16", F::BGRA_US4, 64, {B16, B16, B16, B16}, {32, 16, 0, 48}, BGRA, RGBA16, UNSIGNED_SHORT, tfBGRA16, tfBGR16, tfRGBA16, 0},
    {"tfDepth16", F::Depth_US1, 16, {B16, B16, B16, 0}, {0, 0, 0, 0}, DEPTH_COMPONENT, DEPTH_COMPONENT16, UNSIGNED_SHORT, tfEmpty, tfDepth16, tfEmpty, 0},
    {"tfDepth24", F::Depth_UI1, 32, {B32, B32, B32, 0}, {0, 0, 0, 0}, DEPTH_COMPONENT, DEPTH_COMPONENT24, UNSIGNED_INT, tfEmpty, tfDepth24, tfEmpty, 0},
    {"tfDepth32", F::Depth_UI1, 32, {B32, B32, B32, 0}, {0, 0, 0, 0}, DEPTH_COMPONENT, DEPTH_COMPONENT32, UNSIGNED_INT, tfEmpty, tfDepth32, tfEmpty, 0},
    {"tfS3tcDtx1RGBA", F::S3tc, 4, {0, 0, 0, 0}, {0, 0, 0, 0}, COMPRESSED_RGBA, COMPRESSED_RGBA_S3TC_DXT1_EXT, UNSIGNED_BYTE, tfS3tcDtx1RGBA, tfEmpty, tfEmpty, D},
    {"tfS3tcDtx3RGBA", F::S3tc, 8, {0, 0, 0, 0}, {0, 0, 0, 0}, COMPRESSED_RGBA, COMPRESSED_RGBA_S3TC_DXT3_EXT, UNSIGNED_BYTE, tfS3tcDtx3RGBA, tfEmpty, tfEmpty, D},
    {"tfS3tcDtx5RGBA", F::S3tc, 8, {0, 0, 0, 0}, {0, 0, 0, 0}, COMPRESSED_RGBA, COMPRESSED_RGBA_S3TC_DXT5_EXT, UNSIGNED_BYTE, tfS3tcDtx5RGBA, tfEmpty, tfEmpty, D},
};
// clang-format on

struct Beschreibungen {
    std::array<std::unique_ptr<TFormatDescriptor>, Formatanzahl> d;
    Beschreibungen() {
        for (int i = 0; i < Formatanzahl; ++i) {
            const Zeile& z = kTabelle[i];
            auto b = neu(z.familie);
            b->format = static_cast<TglBitmapFormat>(i);
            b->mit_alpha = z.mit_alpha;
            b->ohne_alpha = z.ohne_alpha;
            b->vertauscht = z.vertauscht;
            b->bits_pro_pixel = z.bits;
            b->komprimiert = z.familie == F::S3tc;
            b->bereich = z.bereich;
            b->verschiebung = z.verschiebung;
            b->gl_format = z.gl_format;
            b->gl_internal_format = z.gl_internal;
            b->gl_type = z.gl_type;
            b->schreibbar = z.schreibbar;
            if (i == tfS3tcDtx1RGBA)
                b->unkomprimiert = tfRGB5A1;
            else if (b->komprimiert)
                b->unkomprimiert = tfRGBA8;
            d[i] = std::move(b);
        }
    }
};

const Beschreibungen& beschreibungen() {
    // Built on first use; C++ makes that thread-safe, and the objects live until the program ends.
    static const Beschreibungen b;
    return b;
}

bool gueltig(TglBitmapFormat f) { return static_cast<int>(f) < Formatanzahl; }

}  // namespace

const char* Formatname(TglBitmapFormat f) { return gueltig(f) ? kTabelle[f].name : kTabelle[0].name; }

const TFormatDescriptor& Formatbeschreibung(TglBitmapFormat f) {
    return *beschreibungen().d[gueltig(f) ? f : 0];
}

const TFormatDescriptor& Formatbeschreibung_mit_Alpha(TglBitmapFormat f) {
    return Formatbeschreibung(Formatbeschreibung(f).mit_alpha);
}

TglBitmapFormat Format_zu_Masken(std::uint64_t rot, std::uint64_t gruen, std::uint64_t blau,
                                 std::uint64_t alpha, int bits) {
    for (int i = Formatanzahl - 1; i >= 0; --i) {
        auto f = static_cast<TglBitmapFormat>(i);
        if (f == tfDepth16 || f == tfDepth24 || f == tfDepth32) continue;
        const auto& d = Formatbeschreibung(f);
        if (d.FormatCheckFormat(rot, gruen, blau, alpha) && d.bits_pro_pixel == bits) return f;
    }
    return tfEmpty;
}

// ---------------------------------------------------------------------------------------------
// Bit-field pixels

TbmpBitfieldFormat::TbmpBitfieldFormat(int bytes, std::uint32_t rot, std::uint32_t gruen, std::uint32_t blau,
                                       std::uint32_t alpha) {
    if (bytes < 1 || bytes > 4) throw Bildfehler("bit fields need 1 to 4 bytes per pixel");
    bits_pro_pixel = 8 * bytes;
    SetMask(kRot, rot);
    SetMask(kGruen, gruen);
    SetMask(kBlau, blau);
    SetMask(kAlpha, alpha);
}

void TbmpBitfieldFormat::SetMask(int kanal, std::uint32_t maske) {
    int schieben = 0;
    if (maske != 0)
        while (((maske >> schieben) & 1u) == 0) ++schieben;
    verschiebung[kanal] = static_cast<std::uint8_t>(schieben);
    int n = Bitlaenge(maske >> schieben);
    bereich[kanal] = n >= 32 ? 0xFFFFFFFFu : (1u << n) - 1u;
}

void TbmpBitfieldFormat::MapPixel(const Pixeldaten& px, std::uint8_t*& z, Abbildungszustand&) const {
    std::uint64_t w = 0;
    for (int k = 0; k < 4; ++k)
        if (bereich[k] > 0) w |= std::uint64_t{px.wert[k] & bereich[k]} << verschiebung[k];
    int n = Pixelgroesse();
    wort_schreiben(z, w, n);
    z += n;
}

void TbmpBitfieldFormat::UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand&) const {
    int n = Pixelgroesse();
    std::uint64_t w = wort_lesen(q, n);
    q += n;
    for (int k = 0; k < 4; ++k) px.wert[k] = static_cast<std::uint32_t>((w >> verschiebung[k]) & bereich[k]);
}

// ---------------------------------------------------------------------------------------------
// Palette pixels

TbmpColorTableFormat::TbmpColorTableFormat(int bits, std::vector<Eintrag> tabelle, TglBitmapFormat packformat)
    : tabelle_(std::move(tabelle)) {
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8)
        throw Bildfehler("colour tables need 1, 2, 4 or 8 bits per pixel");
    bits_pro_pixel = bits;
    format = packformat;
    bereich = {255, 255, 255, 0};
}

bool TbmpColorTableFormat::Graustufen() const {
    for (const auto& e : tabelle_)
        if (e.rot != e.gruen || e.gruen != e.blau) return false;
    return true;
}

void TbmpColorTableFormat::UnmapPixel(const std::uint8_t*& q, Pixeldaten& px, Abbildungszustand& z) const {
    unsigned index;
    if (bits_pro_pixel < 8) {
        index = (*q >> (8 - bits_pro_pixel - z.bitposition)) & ((1u << bits_pro_pixel) - 1u);
        z.bitposition += bits_pro_pixel;
        if (z.bitposition >= 8) {
            z.bitposition = 0;
            ++q;
        }
    } else {
        index = *q++;
    }
    if (index >= tabelle_.size()) throw Bildfehler("invalid color index: " + std::to_string(index));
    const Eintrag& e = tabelle_[index];
    px.wert = {e.rot, e.gruen, e.blau, e.reserviert};
}

void TbmpColorTableFormat::MapPixel(const Pixeldaten& px, std::uint8_t*& z,
                                    Abbildungszustand& zustand) const {
    switch (format) {
        case tfLuminance4: {
            std::uint32_t l = Kanal_umrechnen(Luminanz(px), px.bereich[kRot], 15);
            if (zustand.bitposition == 0) {
                *z = static_cast<std::uint8_t>(l << 4);
                zustand.bitposition = 4;
            } else {
                *z = static_cast<std::uint8_t>(*z | l);
                zustand.bitposition = 0;
                ++z;
            }
            return;
        }
        case tfLuminance8:
            *z++ = static_cast<std::uint8_t>(Luminanz(px) & bereich[kRot]);
            return;
        case tfR3G3B2: {
            const auto& d = Formatbeschreibung(tfR3G3B2);
            d.MapPixel(px, z, zustand);
            return;
        }
        default:
            throw Bildfehler("the given format isn't supported by this function.");
    }
}

#pragma once
// Drawing into the shared headless test window the way the main window does.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "common/Bildpuffer.h"
#include "common/GLKontext.h"
#include "foundation/Bild.h"
#include "render/Bildschirmfoto.h"

namespace bhmtest {

inline constexpr int Bildbreite = 320, Bildhoehe = 240;

inline void Bild_beginnen() { Fensterzustand(Bildbreite, Bildhoehe); }

// The frame drawn so far, top row first.
inline Bild Bild_lesen() {
    glReadBuffer(GL_BACK);
    return Bildschirmfoto(Bildbreite, Bildhoehe);
}

inline std::array<std::uint8_t, 3> Pixel(const Bild& b, int x, int y) {
    const std::uint8_t* p = b.Zeile(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

// Pixels that are not black.
inline int Gezeichnet(const Bild& b) {
    int n = 0;
    for (std::size_t i = 0; i + 2 < b.pixel.size(); i += 3)
        if (b.pixel[i] || b.pixel[i + 1] || b.pixel[i + 2]) ++n;
    return n;
}

}  // namespace bhmtest

#pragma once
// Drawing into the shared headless context the way the main window does:
// orthographic pixels with y down, depth test GL_LESS, back faces culled.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/GLKontext.h"
#include "foundation/Bild.h"

// Makes the test context current; fails the test when there is none.
#define GL_NOETIG()                                                   \
    do {                                                              \
        std::string fehler_;                                          \
        ASSERT_TRUE(bhmtest::GL_Kontext_bereit(&fehler_)) << fehler_; \
        while (glGetError() != GL_NO_ERROR) {                         \
        }                                                             \
    } while (0)

namespace bhmtest {

inline constexpr int Bildbreite = 320, Bildhoehe = 240;

// The main window's fixed state and projection, cleared to black.
inline void Bild_beginnen() {
    glViewport(0, 0, Bildbreite, Bildhoehe);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, Bildbreite, Bildhoehe, 0, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
}

// The frame drawn so far, top row first.
inline Bild Bild_lesen() {
    glFinish();
    Bild b(Bildbreite, Bildhoehe, tfRGB8);
    std::vector<std::uint8_t> px(b.pixel.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, Bildbreite, Bildhoehe, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    const std::size_t zeile = b.Zeilengroesse();
    for (int y = 0; y < Bildhoehe; ++y)
        std::copy_n(px.data() + static_cast<std::size_t>(Bildhoehe - 1 - y) * zeile, zeile, b.Zeile(y));
    return b;
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

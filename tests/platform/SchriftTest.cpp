// The bitmap fonts as the overlay draws them: every letter of a face has stems of one
// weight, so that no capital stands out bold among the lower case.
#include "platform/Schrift.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Bildpuffer.h"
#include "common/GLKontext.h"

namespace {

constexpr int kBreite = 64, kHoehe = 48;

// The glyph of `zeichen` drawn alone in white on black, as rows of set pixels (top row first).
std::vector<std::vector<bool>> glyphe(GLuint basis, char zeichen) {
    bhmtest::Fensterzustand(kBreite, kHoehe);
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 1, 1);
    glRasterPos2i(10, 36);
    glCallList(basis + static_cast<unsigned char>(zeichen));
    std::vector<unsigned char> p(static_cast<std::size_t>(kBreite) * kHoehe * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kBreite, kHoehe, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    std::vector<std::vector<bool>> zeilen;
    for (int y = kHoehe - 1; y >= 0; --y) {
        std::vector<bool> z(kBreite);
        for (int x = 0; x < kBreite; ++x) z[x] = p[(static_cast<std::size_t>(y) * kBreite + x) * 3] > 127;
        if (std::find(z.begin(), z.end(), true) != z.end()) zeilen.push_back(z);
    }
    return zeilen;
}

// The width of the left stem: over the middle half of the glyph's rows (between serifs and
// bars), the narrowest first run of set pixels.
int stammbreite(const std::vector<std::vector<bool>>& zeilen) {
    const std::size_t n = zeilen.size();
    int breite = kBreite;
    for (std::size_t i = n / 4; i < n - n / 4; ++i) {
        const auto& z = zeilen[i];
        auto anfang = std::find(z.begin(), z.end(), true);
        if (anfang == z.end()) continue;
        const int lauf = static_cast<int>(std::find(anfang, z.end(), false) - anfang);
        breite = std::min(breite, lauf);
    }
    return breite;
}

TEST(Schrift, CapitalsHaveTheStemsOfTheLowerCase) {
    GL_NOETIG();
    bhmtest::Bildpuffer puffer(kBreite, kHoehe);
    ASSERT_TRUE(puffer.bereit());
    for (int zelle : {16, 20}) {
        const GLuint basis = glGenLists(256);
        int breiten[256];
        std::string fehler;
        ASSERT_TRUE(plattform::Schrift_bauen("Times new Roman", zelle, basis, breiten, fehler)) << fehler;
        const int l = stammbreite(glyphe(basis, 'l'));
        EXPECT_GE(l, 1) << zelle;
        for (char c : std::string("BDEFHIKLNPRT"))
            EXPECT_EQ(stammbreite(glyphe(basis, c)), l) << "'" << c << "' at cell height " << zelle;
        glDeleteLists(basis, 256);
    }
}

}  // namespace

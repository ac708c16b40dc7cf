#pragma once
// The screen of the interface tests: the shared headless window, the main
// window's fonts, and reading pixels back.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "app/GLForm.h"
#include "common/Bildpuffer.h"
#include "common/GLKontext.h"
#include "foundation/Bild.h"
#include "render/Bildschirmfoto.h"

namespace bhmtest {

inline constexpr int Uibreite = 320, Uihoehe = 240;

// A main window with its two fonts while the object lives; GLForm points at it.
class Schriftform {
public:
    Schriftform() {
        GLForm = &form_;
        form_.Schrift_erzeugen("Times new Roman");
    }
    ~Schriftform() {
        glDeleteLists(form_.Schriftbasis1, 256);
        glDeleteLists(form_.Schriftbasis2, 256);
        GLForm = nullptr;
    }
    Schriftform(const Schriftform&) = delete;
    Schriftform& operator=(const Schriftform&) = delete;

private:
    TGLForm form_;
};

inline Bild Ui_Bild() {
    glReadBuffer(GL_BACK);
    return Bildschirmfoto(Uibreite, Uihoehe);
}

inline std::array<std::uint8_t, 3> Ui_Pixel(const Bild& b, int x, int y) {
    const std::uint8_t* p = b.Zeile(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

}  // namespace bhmtest

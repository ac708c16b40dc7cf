#pragma once
// The screen of the interface tests: the shared headless window and the scene
// tests' pixel helpers, a main window of that size, and the main window's fonts.
#include <gtest/gtest.h>

#include "app/GLForm.h"
#include "render/Szenenhilfe.h"
#include "render/Testschale.h"

namespace bhmtest {

inline constexpr int Uibreite = Bildbreite, Uihoehe = Bildhoehe;

// The client area of the test window.
struct Uischale : Testschale {
    Uischale() : Testschale(Uibreite, Uihoehe) {}
};

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

}  // namespace bhmtest

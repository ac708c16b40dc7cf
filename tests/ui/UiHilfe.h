#pragma once
// The screen of the interface tests: the shared headless window and the scene
// tests' pixel helpers, a main window of that size, and the main window's fonts.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>

#include "app/GLForm.h"
#include "render/Modelliste.h"
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

// Interface models replaced by 2 x 2 quads of one colour at the origin.
class Testmodelle {
public:
    explicit Testmodelle(const std::map<int, std::array<std::uint8_t, 3>>& farben) {
        for (auto [nr, f] : farben) {
            const GLuint l = glGenLists(1);
            glNewList(l, GL_COMPILE);
            glColor3ub(f[0], f[1], f[2]);
            glBegin(GL_QUADS);
            glVertex3f(0, 0, 0);
            glVertex3f(0, 2, 0);
            glVertex3f(2, 2, 0);
            glVertex3f(2, 0, 0);
            glEnd();
            glEndList();
            ML_Interfacemodelle[static_cast<std::size_t>(nr)] = l;
        }
    }
    ~Testmodelle() {
        for (GLuint& l : ML_Interfacemodelle) {
            if (l != 0) glDeleteLists(l, 1);
            l = 0;
        }
    }
};

}  // namespace bhmtest

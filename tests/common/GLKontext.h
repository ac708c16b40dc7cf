#pragma once
// One headless OpenGL context for a whole test binary of the screen side
// (SDL_VIDEODRIVER=offscreen: real Mesa rendering without a display).
// Created on first use and made current; it stays until the process ends (the driver's
// own allocations then stay reachable, so the leak checker has nothing to report).
#include <GL/gl.h>

#include <string>

#include "platform/Fenster.h"

namespace bhmtest {

// True when the window and its context exist; `fehler` receives the reason when not.
inline bool GL_Kontext_bereit(std::string* fehler = nullptr) {
    struct Kontext {
        bool ok = false;
        std::string meldung;
        Kontext() {
            plattform::Fensterwunsch wunsch;
            wunsch.titel = "test";
            wunsch.breite = 320;
            wunsch.hoehe = 240;
            wunsch.min_breite = 1;
            wunsch.min_hoehe = 1;
            ok = plattform::Fenster_erzeugen(wunsch, meldung) && plattform::Renderkontext_erzeugen(meldung);
        }
    };
    static Kontext kontext;
    if (fehler) *fehler = kontext.meldung;
    return kontext.ok;
}

}  // namespace bhmtest

// Makes the test context current and clears pending GL errors; fails the test when
// there is no context.
#define GL_NOETIG()                                                   \
    do {                                                              \
        std::string fehler_;                                          \
        ASSERT_TRUE(bhmtest::GL_Kontext_bereit(&fehler_)) << fehler_; \
        while (glGetError() != GL_NO_ERROR) {                         \
        }                                                             \
    } while (0)

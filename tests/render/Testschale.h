#pragma once
// A main window of a fixed client size for the screen-side tests.
#include "foundation/Seams.h"

namespace bhmtest {

struct Testschale : ShellSeam {
    int breite, hoehe;
    Testschale(int b, int h) : breite(b), hoehe(h) { Shell_setzen(this); }
    ~Testschale() override { Shell_setzen(nullptr); }
    int Formbreite() override { return breite; }
    int Clientbreite() override { return breite; }
    int Clienthoehe() override { return hoehe; }
};

}  // namespace bhmtest

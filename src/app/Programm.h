#pragma once
// The program as a whole: the main window with the real rendering, interface,
// save games, sound and shell behind the simulation's seams, and its message loop.
// The program block runs it; the end-to-end tests run the same composition and
// step its frames themselves.
#include <functional>
#include <memory>
#include <string>

#include "app/GLForm.h"

class Programm {
public:
    Programm();
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    TGLForm form;

    // Creates the window; the program folder is where every data path starts.
    void erzeugen(const std::string& programmordner);
    // One pass of the message loop: waits for the next event or due timer (at most
    // 10 ms), hands on pending events, then runs the start-up or a frame when due.
    // True when a frame ran.
    bool Runde();
    // Runs Runde until the window is closed.
    void ausfuehren();
    // Releases textures and lists and destroys the window (once; the destructor does it too).
    void beenden();

private:
    struct Dienste;
    std::unique_ptr<Dienste> dienste_;
    bool beendet_ = false;
};

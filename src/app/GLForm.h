#pragma once
// The main window: start-up, the 40 ms frame loop and input routing.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Fenster.h"

// A Windows-style timer: re-enabling it restarts its interval.
struct Zeitgeber {
    int intervall_ms;
    bool aktiv = false;
    std::uint32_t faellig = 0;
    void setzen(bool an);
    // True (once per interval) when the timer is due at `jetzt`.
    bool faellig_bei(std::uint32_t jetzt) const {
        return aktiv && static_cast<std::int32_t>(jetzt - faellig) >= 0;
    }
};

// Simulation steps one frame runs in the current state.
int Frame_Schrittzahl();

class TGLForm : public plattform::Ereignisempfaenger {
public:
    Zeitgeber Starttimer{100};
    Zeitgeber Eventtimer{40};

    // Display-list bases of the two fonts.
    unsigned Schriftbasis1 = 0, Schriftbasis2 = 0;
    std::uint32_t FPS_Zeitpunkt = 0;
    std::int32_t Bildzaehler = 0;
    float FPS = 0;

    // Set by the close handler; the message loop ends.
    bool beendet = false;
    int exitcode = 0;

    // Stores the program folder (where every data path starts) and opens the window.
    void FormCreate(const std::string& programmordner);
    void StarttimerTimer();
    void eventtimertimer();
    void FormResize();
    void FormClose();
    void FormDestroy();

    void Schrift_erzeugen(const std::string& schriftname);
    bool Vollbild_setzen(int breite, int hoehe, int farbtiefe, int frequenz);
    void Projektor();
    void Grafik_Engiene(bool nurInterface);

    void FormClick();
    void FormMouseDown(plattform::Maustaste taste);
    void FormMouseUp(plattform::Maustaste taste);
    void FormMouseMove(int x, int y);
    void FormMouseWheel(int delta);
    void FormKeyDown(int taste);
    void FormKeyPress(unsigned char zeichen);

    // Window events.
    void Klick() override { FormClick(); }
    void Maus_runter(plattform::Maustaste t) override { FormMouseDown(t); }
    void Maus_hoch(plattform::Maustaste t) override { FormMouseUp(t); }
    void Maus_bewegt(int x, int y) override { FormMouseMove(x, y); }
    void Mausrad(int delta) override { FormMouseWheel(delta); }
    void Taste_runter(int vk) override { FormKeyDown(vk); }
    void Zeichen(unsigned char c) override { FormKeyPress(c); }
    void Groesse_geaendert(int, int) override { FormResize(); }
    void Schliessen_angefordert() override { FormClose(); }

    // Runs after a frame is drawn and before the buffers swap (frame capture).
    std::function<void()> vor_dem_Tauschen;

    // Client area as last known (the window's, or set by tests without one).
    int ClientWidth = 1280, ClientHeight = 700;

private:
    void Tastenscroll(int dx, int dy);
    void Config_Fenster_einrichten();
};

extern TGLForm* GLForm;

// The developer name that unlocks the developer keys (exact, case-sensitive).
inline const std::string Entwicklername = "Tannhaber";

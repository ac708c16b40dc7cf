#pragma once
// The one main window with its OpenGL context, input and cursors, over SDL2.
#include <cstdint>
#include <string>

namespace plattform {

// Virtual key codes as the form's key handler expects them.
enum Taste : int {
    VK_BACK = 8,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_F1 = 112,
    VK_F2 = 113,
    VK_F3 = 114,
    VK_F4 = 115,
    VK_F5 = 116,
    VK_F6 = 117,
    VK_F7 = 118,
    VK_F8 = 119,
};

enum class Maustaste { Links, Rechts, Mitte };

// What the window reports; the main form implements it.
struct Ereignisempfaenger {
    virtual ~Ereignisempfaenger() = default;
    virtual void Klick() {}  // the left button's release
    virtual void Maus_runter(Maustaste) {}
    virtual void Maus_hoch(Maustaste) {}
    virtual void Maus_bewegt(int /*x*/, int /*y*/) {}
    virtual void Mausrad(int /*delta*/) {}
    virtual void Taste_runter(int /*vk*/) {}
    // A typed character in Windows-1252; Backspace arrives as 8.
    virtual void Zeichen(unsigned char) {}
    virtual void Groesse_geaendert(int /*client_breite*/, int /*client_hoehe*/) {}
    virtual void Schliessen_angefordert() {}
};

struct Fensterwunsch {
    std::string titel;
    int links = 200, oben = 150, breite = 800, hoehe = 500;
    int min_breite = 1280, min_hoehe = 700;
};

// Creates the window (hidden until the GL context exists); false with a message on failure.
bool Fenster_erzeugen(const Fensterwunsch& wunsch, std::string& fehler);
// Creates the OpenGL compatibility context: double buffer, 32-bit colour, 24-bit depth,
// no stencil; makes it current. False with a message on failure.
bool Renderkontext_erzeugen(std::string& fehler);
void Fenster_zerstoeren();
bool Fenster_vorhanden();

// Size of the screen the window is on.
void Bildschirmgroesse(int& breite, int& hoehe);
// The size the window's drawing area really has now, whatever was asked for: a window
// manager may grant another size than requested, or none (an X server without one keeps
// the window as it is), and an off-screen surface keeps the size it was made with.
void Clientgroesse(int& breite, int& hoehe);
// Asks for a client size (never below the window's minimum); Clientgroesse tells what came of it.
void Clientgroesse_setzen(int breite, int hoehe);
void Fenster_platzieren(int links, int oben);
// Where the window stands now (as Fenster_platzieren takes it); false without a window.
bool Fensterposition(int& links, int& oben);
// Moves the window so that as much of it as possible lies on its screen.
void Fenster_auf_Bildschirm_halten();
// Outer size of the window including its border.
void Fenstergroesse(int& breite, int& hoehe);
// Full screen on the desktop's display mode: the desktop's own full screen where a window
// manager offers one, otherwise a borderless window over the whole screen; false when refused.
// The size that comes of it arrives as a size change (and through Clientgroesse).
bool Vollbild_einschalten();
void Vollbild_ausschalten();
void Fenster_nach_vorn();
void Puffer_tauschen();
// 1 waits for vertical sync, 0 does not; false when the driver refuses.
bool Swapintervall_setzen(int intervall);

// The four-way move cursor while dragging, and the default arrow.
void Cursor_verschieben();
void Cursor_standard();

// A modal message; stderr when there is no display.
void Meldung(const std::string& titel, const std::string& text);

// Hands every pending event to the receiver; waits at most `warten_ms` for the first.
void Ereignisse_verarbeiten(Ereignisempfaenger& empfaenger, int warten_ms);
// Posts a close request as if the player closed the window.
void Schliessen_anfordern();

// Scripted input: each call queues what the devices would send, for the next
// Ereignisse_verarbeiten to hand on (end-to-end tests play the program this way).
// The pointer moves as SDL moves it, so the cursor position follows too.
void Eingabe_Maus_bewegen(int x, int y);
void Eingabe_Maustaste(Maustaste taste, bool gedrueckt);
// Wheel notches, positive away from the player.
void Eingabe_Mausrad(int rasten);
// A key by its virtual key code (VK_… or 'A'..'Z', '0'..'9'); a letter or digit also types
// its character (lower case), as a keyboard does.
void Eingabe_Taste(int vk);
// Typed text in Windows-1252.
void Eingabe_Text(const std::string& text);
// The window is given a new client size, as a window manager does when the player drags its
// border; the size change reaches the receiver with the next events.
void Eingabe_Fenstergroesse(int breite, int hoehe);

}  // namespace plattform

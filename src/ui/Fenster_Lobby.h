#pragma once
// The multiplayer set-up window (up to eight clans with their colours and
// start bonuses, and the map-size, resources and computer-level settings as
// six-step level bars) and the interactive edict window (the laws of one
// edict as a radio list, its duration options and a stack of four frames).
#include <array>
#include <string>

// One clan of the set-up list: colour in percent, name, whether the row holds a clan,
// and its two start bonus kinds (0..4).
struct Spieler_element {
    int Rot = 0;
    int Gruen = 0;
    int Blau = 0;
    std::string Name;
    bool Aktiv = false;
    int Bonus1 = 0;
    int Bonus2 = 0;
};
// Entry k is list row k + 1.
extern std::array<Spieler_element, 8> Lobby_Spieler;
// Set while the list of clans is being edited: rows show add, remove and choice buttons.
extern bool IFU_Lobby_aktiv;

// The edict frames: heights in 16-pixel units and the top offset above the window's centre.
// Together (16 x 43 + 6 = 694 pixels, 347 above and below the centre) they fit the smallest
// client area of 700 rows, so the title and the buttons stay on screen.
inline constexpr std::array<int, 4> IFU_Ediktrahmen_Hoehen = {12, 19, 6, 6};
inline constexpr int IFU_Ediktrahmen_Oben = 347;
// The row the edict window is centred on: the window centre, moved just as far as the window
// needs to lie whole inside the client area (the centre is half the form's outer height, which
// a window manager's title bar makes larger than half the client's). A client too low for the
// window keeps the centre.
int IFU_Ediktfenster_Mitte_Y();

void IFU_SingelGame_Panel();
// The edict window for edict number Edikt.
void IFU_Edikt_Intraktiv_Panel_call(int Edikt);
// One edict frame with its top at Y, centred on X; Hoehe in 16-pixel units without top and bottom.
void IFU_Ediktrahmen_zeichnen(int X, int Y, int Hoehe);

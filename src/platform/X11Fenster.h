#pragma once
// What only the X server can tell of the main window. SDL keeps its own idea of the
// window's size, which a full-screen request changes at once whether or not a window
// manager grants it; the server knows what the window really is.
#include <SDL.h>

namespace plattform::x11 {

// The window's size on the X server; false when the window is not an X window.
bool Fenstergroesse(SDL_Window* fenster, int& breite, int& hoehe);
// True when a window manager runs that offers the desktop's own full screen
// (_NET_WM_STATE_FULLSCREEN); false without one, and for a window that is not an X window.
bool Vollbild_angeboten(SDL_Window* fenster);

}  // namespace plattform::x11

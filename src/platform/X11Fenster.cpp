#include "platform/X11Fenster.h"

#include <SDL_syswm.h>

#include <vector>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace plattform::x11 {

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

bool fehler_gemeldet = false;
int fehler_merken(Display*, XErrorEvent*) {
    fehler_gemeldet = true;
    return 0;
}

// Runs the requests with the server's errors caught: a window named in a property may be
// gone, and Xlib's own handler would end the program.
template <class F>
bool ohne_abbruch(Display* d, F&& anfragen) {
    XSync(d, False);
    fehler_gemeldet = false;
    auto alt = XSetErrorHandler(fehler_merken);
    const bool ok = anfragen();
    XSync(d, False);
    XSetErrorHandler(alt);
    return ok && !fehler_gemeldet;
}

bool x11_info(SDL_Window* fenster, SDL_SysWMinfo& info) {
    if (!fenster) return false;
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(fenster, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11 &&
           info.info.x11.display != nullptr;
}

// The first `anzahl` items of a 32-bit property (XA_WINDOW or XA_ATOM) of a window.
int eigenschaft_lesen(Display* d, Window w, Atom name, Atom typ, unsigned long* ziel, int anzahl) {
    Atom gelesen_typ = 0;
    int format = 0;
    unsigned long n = 0, rest = 0;
    unsigned char* daten = nullptr;
    if (XGetWindowProperty(d, w, name, 0, anzahl, False, typ, &gelesen_typ, &format, &n, &rest, &daten) !=
        Success)
        return 0;
    int gelesen = 0;
    if (daten && gelesen_typ == typ && format == 32) {
        const auto* werte = reinterpret_cast<const unsigned long*>(daten);
        for (; gelesen < static_cast<int>(n) && gelesen < anzahl; ++gelesen) ziel[gelesen] = werte[gelesen];
    }
    if (daten) XFree(daten);
    return gelesen;
}

}  // namespace

bool Fenstergroesse(SDL_Window* fenster, int& breite, int& hoehe) {
    SDL_SysWMinfo info;
    if (!x11_info(fenster, info)) return false;
    Window wurzel = 0;
    int x = 0, y = 0;
    unsigned int b = 0, h = 0, rand = 0, tiefe = 0;
    if (!XGetGeometry(info.info.x11.display, info.info.x11.window, &wurzel, &x, &y, &b, &h, &rand, &tiefe))
        return false;
    breite = static_cast<int>(b);
    hoehe = static_cast<int>(h);
    return true;
}

bool Vollbild_angeboten(SDL_Window* fenster) {
    SDL_SysWMinfo info;
    if (!x11_info(fenster, info)) return false;
    Display* d = info.info.x11.display;
    const Window wurzel = DefaultRootWindow(d);
    // A window manager that follows the desktop conventions names its check window on the
    // root window and on the check window itself; a stale name left by one that ended does not.
    const Atom pruef = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
    const Atom angebot = XInternAtom(d, "_NET_SUPPORTED", True);
    const Atom vollbild = XInternAtom(d, "_NET_WM_STATE_FULLSCREEN", True);
    if (pruef == None || angebot == None || vollbild == None) return false;
    return ohne_abbruch(d, [&] {
        unsigned long w1 = 0, w2 = 0;
        if (eigenschaft_lesen(d, wurzel, pruef, XA_WINDOW, &w1, 1) != 1 || w1 == 0) return false;
        if (eigenschaft_lesen(d, static_cast<Window>(w1), pruef, XA_WINDOW, &w2, 1) != 1 || w2 != w1)
            return false;
        std::vector<unsigned long> atome(1024);
        const int n =
            eigenschaft_lesen(d, wurzel, angebot, XA_ATOM, atome.data(), static_cast<int>(atome.size()));
        for (int i = 0; i < n; ++i)
            if (atome[static_cast<std::size_t>(i)] == vollbild) return true;
        return false;
    });
}

#else

bool Fenstergroesse(SDL_Window*, int&, int&) { return false; }
bool Vollbild_angeboten(SDL_Window*) { return false; }

#endif

}  // namespace plattform::x11

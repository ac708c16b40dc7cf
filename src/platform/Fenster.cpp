#include "platform/Fenster.h"

#include <GL/gl.h>
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#include <link.h>
#endif

#include "platform/X11Fenster.h"
#include "platform/base/Text1252.h"

namespace plattform {

namespace {
SDL_Window* fenster = nullptr;
SDL_GLContext kontext = nullptr;
SDL_Cursor* cursor_verschieben = nullptr;
SDL_Cursor* cursor_pfeil = nullptr;
bool video_an = false;
// The context draws into an off-screen surface (no display to swap to).
bool ohne_anzeige = false;
// The window is an X window: its real size is asked of the X server.
bool x11_fenster = false;
// Size of the off-screen surface, fixed when its window is made.
int flaeche_b = 0, flaeche_h = 0;

// The named keys the game knows, both ways.
struct Tastenpaar {
    SDL_Keycode sdl;
    int vk;
};
constexpr Tastenpaar kTasten[] = {{SDLK_ESCAPE, VK_ESCAPE}, {SDLK_RETURN, VK_RETURN}, {SDLK_LEFT, VK_LEFT},
                                  {SDLK_UP, VK_UP},         {SDLK_RIGHT, VK_RIGHT},   {SDLK_DOWN, VK_DOWN}};

int taste_von(SDL_Keycode k) {
    for (const Tastenpaar& t : kTasten)
        if (t.sdl == k) return t.vk;
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + (k - SDLK_F1);
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    return 0;
}

SDL_Keycode sdl_taste_von(int vk) {
    if (vk == VK_BACK) return SDLK_BACKSPACE;
    for (const Tastenpaar& t : kTasten)
        if (t.vk == vk) return t.sdl;
    if (vk >= VK_F1 && vk <= VK_F1 + 11) return SDLK_F1 + (vk - VK_F1);
    if (vk >= 'A' && vk <= 'Z') return SDLK_a + (vk - 'A');
    if (vk >= '0' && vk <= '9') return SDLK_0 + (vk - '0');
    return SDLK_UNKNOWN;
}

// Under the leak checker every library loaded so far (the GL driver and what it brought)
// stays loaded until the process ends: unloaded, the memory it still holds would count as
// lost, and the report could not name the library that allocated it.
void bibliotheken_halten() {
#if defined(__SANITIZE_ADDRESS__)
    std::vector<std::string> namen;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* daten) {
            if (info->dlpi_name && info->dlpi_name[0])
                static_cast<std::vector<std::string>*>(daten)->push_back(info->dlpi_name);
            return 0;
        },
        &namen);
    for (const std::string& n : namen) dlopen(n.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
#endif
}
}  // namespace

bool Fenster_erzeugen(const Fensterwunsch& w, std::string& fehler) {
    if (!video_an) {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
            fehler = std::string("SDL: ") + SDL_GetError();
            return false;
        }
        video_an = true;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
    std::string titel = cp1252_zu_utf8(w.titel);
    // Never below the minimum: an off-screen surface keeps the size it is created with.
    fenster = SDL_CreateWindow(titel.c_str(), w.links, w.oben, std::max(w.breite, w.min_breite),
                               std::max(w.hoehe, w.min_hoehe),
                               SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!fenster) {
        fehler = std::string("SDL_CreateWindow: ") + SDL_GetError();
        return false;
    }
    SDL_SetWindowMinimumSize(fenster, w.min_breite, w.min_hoehe);
    const char* treiber = SDL_GetCurrentVideoDriver();
    ohne_anzeige = treiber && std::string(treiber) == "offscreen";
    x11_fenster = treiber && std::string(treiber) == "x11";
    SDL_GetWindowSize(fenster, &flaeche_b, &flaeche_h);
    cursor_verschieben = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZEALL);
    cursor_pfeil = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    SDL_StartTextInput();
    return true;
}

bool Renderkontext_erzeugen(std::string& fehler) {
    if (!fenster) {
        fehler = "kein Fenster";
        return false;
    }
    kontext = SDL_GL_CreateContext(fenster);
    if (!kontext) {
        // Some drivers refuse an alpha-less 24-bit request: ask again with alpha.
        SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
        kontext = SDL_GL_CreateContext(fenster);
    }
    if (!kontext) {
        fehler = std::string("OpenGL: ") + SDL_GetError();
        return false;
    }
    SDL_GL_MakeCurrent(fenster, kontext);
    SDL_ShowWindow(fenster);
    return true;
}

void Fenster_zerstoeren() {
    // The window's end unloads the GL driver.
    bibliotheken_halten();
    if (kontext) SDL_GL_DeleteContext(kontext);
    kontext = nullptr;
    if (fenster) SDL_DestroyWindow(fenster);
    fenster = nullptr;
    if (cursor_verschieben) SDL_FreeCursor(cursor_verschieben);
    if (cursor_pfeil) SDL_FreeCursor(cursor_pfeil);
    cursor_verschieben = cursor_pfeil = nullptr;
    if (video_an) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    video_an = false;
}

bool Fenster_vorhanden() { return fenster != nullptr; }

void Bildschirmgroesse(int& breite, int& hoehe) {
    SDL_DisplayMode m;
    int anzeige = fenster ? SDL_GetWindowDisplayIndex(fenster) : 0;
    if (video_an && SDL_GetDesktopDisplayMode(anzeige < 0 ? 0 : anzeige, &m) == 0) {
        breite = m.w;
        hoehe = m.h;
    } else {
        breite = 1920;
        hoehe = 1080;
    }
}

void Clientgroesse(int& breite, int& hoehe) {
    breite = hoehe = 0;
    if (!fenster) return;
    if (ohne_anzeige) {
        breite = flaeche_b;
        hoehe = flaeche_h;
        return;
    }
    // SDL takes a full-screen request for granted at once; the X server knows what came of it.
    if (x11_fenster && x11::Fenstergroesse(fenster, breite, hoehe)) return;
    SDL_GL_GetDrawableSize(fenster, &breite, &hoehe);
}

namespace {
// SDL never resizes an off-screen surface: a window that is given a new size gets a new
// surface of that size by a new window, to which the GL context (with its textures and
// lists) moves. So a headless run sees sizes change as a window does.
void flaeche_nachziehen() {
    int b = 0, h = 0;
    SDL_GetWindowSize(fenster, &b, &h);
    if (b == flaeche_b && h == flaeche_h) return;
    int x = 0, y = 0, min_b = 0, min_h = 0;
    SDL_GetWindowPosition(fenster, &x, &y);
    SDL_GetWindowMinimumSize(fenster, &min_b, &min_h);
    const Uint32 art =
        SDL_GetWindowFlags(fenster) & (SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_BORDERLESS |
                                       SDL_WINDOW_HIDDEN | SDL_WINDOW_SHOWN);
    SDL_Window* neu = SDL_CreateWindow(SDL_GetWindowTitle(fenster), x, y, b, h, art);
    if (!neu) return;
    if (kontext && SDL_GL_MakeCurrent(neu, kontext) != 0) {
        SDL_DestroyWindow(neu);
        if (kontext) SDL_GL_MakeCurrent(fenster, kontext);
        return;
    }
    SDL_SetWindowMinimumSize(neu, min_b, min_h);
    std::swap(fenster, neu);
    SDL_DestroyWindow(neu);
    flaeche_b = b;
    flaeche_h = h;
}
}  // namespace

void Clientgroesse_setzen(int breite, int hoehe) {
    if (!fenster) return;
    SDL_SetWindowSize(fenster, breite, hoehe);
    if (ohne_anzeige) flaeche_nachziehen();
}

void Fenster_platzieren(int links, int oben) {
    if (fenster) SDL_SetWindowPosition(fenster, links, oben);
}

bool Fensterposition(int& links, int& oben) {
    if (!fenster) return false;
    SDL_GetWindowPosition(fenster, &links, &oben);
    return true;
}

void Fenster_auf_Bildschirm_halten() {
    if (!fenster) return;
    SDL_Rect r;
    int anzeige = SDL_GetWindowDisplayIndex(fenster);
    if (SDL_GetDisplayUsableBounds(anzeige < 0 ? 0 : anzeige, &r) != 0) return;
    int x, y, b, h;
    SDL_GetWindowPosition(fenster, &x, &y);
    Fenstergroesse(b, h);
    int nx = std::max(r.x, std::min(x, r.x + r.w - b));
    int ny = std::max(r.y, std::min(y, r.y + r.h - h));
    if (nx != x || ny != y) SDL_SetWindowPosition(fenster, nx, ny);
}

void Fenstergroesse(int& breite, int& hoehe) {
    Clientgroesse(breite, hoehe);
    if (!fenster || (SDL_GetWindowFlags(fenster) & SDL_WINDOW_FULLSCREEN) != 0) return;
    int oben = 0, links = 0, unten = 0, rechts = 0;
    if (SDL_GetWindowBordersSize(fenster, &oben, &links, &unten, &rechts) == 0) {
        breite += links + rechts;
        hoehe += oben + unten;
    }
}

bool Vollbild_einschalten() {
    if (!fenster) return false;
    if (!ohne_anzeige && (!x11_fenster || x11::Vollbild_angeboten(fenster)))
        return SDL_SetWindowFullscreen(fenster, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    // No window manager to give the desktop's full screen (SDL would only pretend it had):
    // the window itself becomes borderless and covers its screen.
    SDL_Rect r;
    const int anzeige = SDL_GetWindowDisplayIndex(fenster);
    if (SDL_GetDisplayBounds(anzeige < 0 ? 0 : anzeige, &r) != 0) return false;
    SDL_SetWindowBordered(fenster, SDL_FALSE);
    SDL_SetWindowPosition(fenster, r.x, r.y);
    Clientgroesse_setzen(r.w, r.h);
    return true;
}

void Vollbild_ausschalten() {
    if (fenster && (SDL_GetWindowFlags(fenster) & SDL_WINDOW_FULLSCREEN) != 0)
        SDL_SetWindowFullscreen(fenster, 0);
}

void Fenster_nach_vorn() {
    if (fenster) SDL_RaiseWindow(fenster);
}

void Puffer_tauschen() {
    if (!fenster) return;
    // An off-screen surface has nothing to swap, so the swap does not end the frame for
    // the driver either: unless the frame is finished here, the software rasteriser keeps
    // what every frame's draws allocated and grows without end.
    if (kontext && ohne_anzeige) glFinish();
    SDL_GL_SwapWindow(fenster);
}

bool Swapintervall_setzen(int intervall) { return kontext && SDL_GL_SetSwapInterval(intervall) == 0; }

void Cursor_verschieben() {
    if (cursor_verschieben) SDL_SetCursor(cursor_verschieben);
}

void Cursor_standard() {
    if (cursor_pfeil) SDL_SetCursor(cursor_pfeil);
}

void Meldung(const std::string& titel, const std::string& text) {
    std::string t = cp1252_zu_utf8(titel), m = cp1252_zu_utf8(text);
    const char* treiber = video_an ? SDL_GetCurrentVideoDriver() : nullptr;
    bool anzeige = treiber && std::string(treiber) != "offscreen" && std::string(treiber) != "dummy";
    if (!anzeige || SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, t.c_str(), m.c_str(), fenster) != 0)
        std::fprintf(stderr, "%s: %s\n", t.c_str(), m.c_str());
}

void Schliessen_anfordern() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void Ereignisse_verarbeiten(Ereignisempfaenger& emp, int warten_ms) {
    SDL_Event e;
    bool erstes = warten_ms > 0 ? SDL_WaitEventTimeout(&e, warten_ms) != 0 : SDL_PollEvent(&e) != 0;
    while (erstes) {
        switch (e.type) {
            case SDL_QUIT:
                emp.Schliessen_angefordert();
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) emp.Schliessen_angefordert();
                if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    int b, h;
                    Clientgroesse(b, h);
                    emp.Groesse_geaendert(b, h);
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                Maustaste t = e.button.button == SDL_BUTTON_LEFT     ? Maustaste::Links
                              : e.button.button == SDL_BUTTON_RIGHT  ? Maustaste::Rechts
                              : e.button.button == SDL_BUTTON_MIDDLE ? Maustaste::Mitte
                                                                     : static_cast<Maustaste>(-1);
                if (static_cast<int>(t) < 0) break;
                if (e.type == SDL_MOUSEBUTTONDOWN) {
                    emp.Maus_runter(t);
                } else {
                    emp.Maus_hoch(t);
                    if (t == Maustaste::Links) emp.Klick();
                }
                break;
            }
            case SDL_MOUSEMOTION:
                emp.Maus_bewegt(e.motion.x, e.motion.y);
                break;
            case SDL_MOUSEWHEEL: {
                int d = e.wheel.y;
                if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) d = -d;
                if (d != 0) emp.Mausrad(d * 120);
                break;
            }
            case SDL_KEYDOWN:
                if (e.key.keysym.sym == SDLK_BACKSPACE) {
                    emp.Zeichen(8);
                } else if (int vk = taste_von(e.key.keysym.sym)) {
                    emp.Taste_runter(vk);
                }
                break;
            case SDL_TEXTINPUT: {
                std::string s = utf8_zu_1252(e.text.text);
                for (char c : s) emp.Zeichen(static_cast<unsigned char>(c));
                break;
            }
            default:
                break;
        }
        erstes = SDL_PollEvent(&e) != 0;
    }
}

namespace {
void einreihen(SDL_Event& e) { SDL_PushEvent(&e); }
}  // namespace

void Eingabe_Maus_bewegen(int x, int y) {
    if (fenster) SDL_WarpMouseInWindow(fenster, x, y);
}

void Eingabe_Maustaste(Maustaste taste, bool gedrueckt) {
    SDL_Event e{};
    e.type = gedrueckt ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = fenster ? SDL_GetWindowID(fenster) : 0;
    e.button.button = taste == Maustaste::Links    ? SDL_BUTTON_LEFT
                      : taste == Maustaste::Rechts ? SDL_BUTTON_RIGHT
                                                   : SDL_BUTTON_MIDDLE;
    e.button.state = gedrueckt ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    SDL_GetMouseState(&e.button.x, &e.button.y);
    einreihen(e);
}

void Eingabe_Mausrad(int rasten) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = fenster ? SDL_GetWindowID(fenster) : 0;
    e.wheel.y = rasten;
    e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    einreihen(e);
}

void Eingabe_Taste(int vk) {
    SDL_Keycode k = sdl_taste_von(vk);
    if (k == SDLK_UNKNOWN) return;
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = fenster ? SDL_GetWindowID(fenster) : 0;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = k;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(k);
    einreihen(e);
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        Eingabe_Text(std::string(1, static_cast<char>(vk >= 'A' && vk <= 'Z' ? vk - 'A' + 'a' : vk)));
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    einreihen(e);
}

void Eingabe_Fenstergroesse(int breite, int hoehe) { Clientgroesse_setzen(breite, hoehe); }

void Eingabe_Text(const std::string& text) {
    std::string utf8 = cp1252_zu_utf8(text);
    // One event carries at most 31 bytes: split on character boundaries.
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t n = 0;
        while (i + n < utf8.size()) {
            std::size_t laenge = 1;
            unsigned char c = static_cast<unsigned char>(utf8[i + n]);
            if (c >= 0xF0)
                laenge = 4;
            else if (c >= 0xE0)
                laenge = 3;
            else if (c >= 0xC0)
                laenge = 2;
            if (n + laenge > SDL_TEXTINPUTEVENT_TEXT_SIZE - 1) break;
            n += laenge;
        }
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = fenster ? SDL_GetWindowID(fenster) : 0;
        utf8.copy(e.text.text, n, i);
        einreihen(e);
        i += n;
    }
}

}  // namespace plattform

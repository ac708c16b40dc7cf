#include "app/GLForm.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "economy/Bauvorschau.h"
#include "economy/Errungenschaften.h"
#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "foundation/Seams.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"
#include "foundation/Zeichenbreiten.h"
#include "persistence/Spielstaende.h"
#include "persistence/Update.h"
#include "platform/Schrift.h"
#include "platform/base/System.h"
#include "platform/base/Zufall.h"
#include "population/Animation.h"
#include "population/Hilfen_Personen.h"
#include "render/Szene.h"

TGLForm* GLForm = nullptr;

namespace {
const std::string kTitel = "Brandenhofmark";
constexpr int kMinBreite = 1280, kMinHoehe = 700;

bool gl_bereit = false;  // a rendering context is current

// Characters accepted by the free text entry (the player name takes them without ".").
bool texteingabe_zeichen(unsigned char c) {
    return c == '.' || (c >= '0' && c <= '9') || c == 64 || (c >= 'A' && c <= 'Z') || c == '_' || c == 96 ||
           (c >= 'a' && c <= 'z') || c == 180 || c == 0xC4 || c == 0xD6 || c == 0xDC || c == 0xDF ||
           c == 0xE4 || c == 0xF6 || c == 0xFC;
}

void anhaengen(std::string& ziel, unsigned char c, std::size_t max) {
    if (c == 8) {
        if (!ziel.empty()) ziel.pop_back();
    } else if (ziel.size() < max) {
        ziel.push_back(static_cast<char>(c));
    }
}
}  // namespace

void Zeitgeber::setzen(bool an) {
    if (an && !aktiv) faellig = Tickzaehler() + static_cast<std::uint32_t>(intervall_ms);
    aktiv = an;
}

int Frame_Schrittzahl() {
    if (Pause || !Spiel_laeuft()) return 0;
    return std::max(0, Spielgeschwindigkeit + 1);
}

// --- Start-up --------------------------------------------------------------

void TGLForm::FormCreate(const std::string& programmordner) {
    Programmpfad = programmordner;
    Config_Fenster_einrichten();
    Randomize();
    Starttimer.setzen(true);
    // The backdrop's image packs are read while the start timer waits and the start-up runs.
    if (!beendet) Persistenz().LSU_Hintergrund_vorbereiten();
}

void TGLForm::Config_Fenster_einrichten() {
    plattform::Fensterwunsch wunsch;
    wunsch.titel = kTitel;
    wunsch.min_breite = kMinBreite;
    wunsch.min_hoehe = kMinHoehe;
    // The screen size is known only once video is up: create the window, then place it.
    std::string fehler;
    if (!plattform::Fenster_erzeugen(wunsch, fehler)) {
        plattform::Meldung(kTitel, "Das Fenster konnte nicht erzeugt werden: " + fehler);
        beendet = true;
        exitcode = 2;
        return;
    }
    int sb, sh;
    plattform::Bildschirmgroesse(sb, sh);
    if (Config_Vollbild_lesen()) {
        Vollbild_setzen(sb, sh, 32, 75);
    } else {
        Fenstergeometrie g = Config_Fenster_lesen(sb, sh);
        plattform::Fenster_platzieren(g.links, g.oben);
        plattform::Clientgroesse_setzen(g.breite, g.hoehe);
        FormResize();
    }
}

bool TGLForm::Vollbild_setzen(int, int, int, int) {
    if (plattform::Vollbild_einschalten()) {
        FormResize();
        return true;
    }
    Config_Fenster_schreiben(Configdatei, false, 800, 500, 200, 150);
    Fehler_melden(
        "Vollbildmodus konnte nicht aktiviert werden! Einstellung wurde resettet. Bitte Neustarten.");
    return false;
}

void TGLForm::StarttimerTimer() {
    Starttimer.setzen(false);
    Config_laden();
    ESU_Errungenschaften_laden();

    std::string fehler;
    if (!plattform::Renderkontext_erzeugen(fehler)) {
        plattform::Meldung(kTitel, "OpenGL konnte nicht gestartet werden: " + fehler);
        beendet = true;
        exitcode = 3;
        return;
    }
    gl_bereit = true;
    Draw_Grundzustand();
    Schrift_erzeugen("Times new Roman");
    glDisable(0x809D);  // GL_MULTISAMPLE

    Render().ML_Grundtexturen_laden();
    Render().ML_Modelliste_laden();
    Render().ITF_Interface_laden();
    Oberflaeche().ITP_Panels_laden();
    FPS_Zeitpunkt = Tickzaehler();
    Oberflaeche().MO_UIdat_laden();

    SND_Init();
    NGU_Listen_erzeugen();
    SND_Effekte_laden();
    SND_Dialoge_laden();
    SND_Musik_laden();
    Musik_Startzeit = Tickzaehler();
    Musiktitel = Random(Musik_Anzahl);
    if (Musik) SND_Musik_abspielen(Musiktitel);

    Persistenz().LSU_Hintergrund_laden();
    plattform::Swapintervall_setzen(VSync ? 1 : 0);
    Grafik_Engiene(false);
    if (AutoUpdate)
        Oberflaeche().MOAktion(7, -1, -1);
    else
        Oberflaeche().Panelanzeigen(1);
    Eventtimer.setzen(true);
}

void TGLForm::Schrift_erzeugen(const std::string& schriftname) {
    Schriftbasis1 = glGenLists(256);
    Schriftbasis2 = glGenLists(256);
    std::string fehler;
    if (!plattform::Schrift_bauen(schriftname, 20, Schriftbasis1, TPU_Zeichenbreiten_Font1, fehler) ||
        !plattform::Schrift_bauen(schriftname, 16, Schriftbasis2, TPU_Zeichenbreiten_Font2, fehler))
        Fehler_melden("Schrift_erzeugen > " + fehler);
    Oberflaeche().TPU_2D_Modus();
}

void TGLForm::FormResize() {
    Neuzeichnen = true;
    const bool fenster = plattform::Fenster_vorhanden();
    int b = ClientWidth, h = ClientHeight;
    if (fenster) plattform::Clientgroesse(b, h);
    const int soll_b = std::max(b / 2 * 2, kMinBreite), soll_h = std::max(h / 2 * 2, kMinHoehe);
    int fb = soll_b, fh = soll_h;
    if (fenster) {
        // The even size of at least the minimum is asked for; the screens are laid out for the
        // size the window then really has, which is what a window manager grants (or what the
        // window kept without one). A later change arrives as another resize.
        if (soll_b != b || soll_h != h) plattform::Clientgroesse_setzen(soll_b, soll_h);
        plattform::Fenster_auf_Bildschirm_halten();
        plattform::Clientgroesse(b, h);
        plattform::Fenstergroesse(fb, fh);
        plattform::Fenster_nach_vorn();
    } else {
        b = soll_b;
        h = soll_h;
    }
    ClientWidth = b;
    ClientHeight = h;
    IFU_Fenstermitte_X = fb / 2;
    IFU_Fenstermitte_Y = fh / 2;
}

void TGLForm::FormClose() {
    Render().ML_Kartentexturen_freigeben();
    NGU_Listen_freigeben();
    beendet = true;
}

void TGLForm::FormDestroy() {
    gl_bereit = false;
    plattform::Vollbild_ausschalten();
    plattform::Fenster_zerstoeren();
    SND_Freigeben();
}

// --- Frame -----------------------------------------------------------------

void TGLForm::eventtimertimer() {
    Eventtimer.setzen(false);
    if (Musik) SND_Musik_Tick();
    Oberflaeche().MO_Mouseover(false);
    GUI_Info_Tick();
    Fehler_Wartende_melden();
    AU_Animation_Frame();
    Logik_Autosave();
    Update_Tick();
    for (int i = Frame_Schrittzahl(); i > 0; --i) {
        Logik_Zeitschritt();
        Logik_Simulationsschritt();
    }
    std::uint32_t jetzt = Tickzaehler();
    if (jetzt - FPS_Zeitpunkt >= 2000) {
        FPS = static_cast<float>(Bildzaehler) / static_cast<float>(jetzt - FPS_Zeitpunkt) * 1000.0f;
        Bildzaehler = 0;
        FPS_Zeitpunkt = jetzt;
    }
    Eventtimer.setzen(true);
    Grafik_Engiene(false);
    if (gl_bereit) {
        GLenum code = glGetError();
        Config_GLFehler_pruefen(reinterpret_cast<const char*>(gluErrorString(code)));
    }
    ++Bildzaehler;
}

void TGLForm::Projektor() {
    if (!gl_bereit) return;
    // A window manager may change the size without a word (or grant a request late, after
    // its size event was spent): each frame is laid out for the size the window has now.
    int b = 0, h = 0;
    plattform::Clientgroesse(b, h);
    if (b > 0 && h > 0 && (b != ClientWidth || h != ClientHeight)) FormResize();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, ClientWidth, ClientHeight);
    glOrtho(0, ClientWidth, ClientHeight, 0, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void TGLForm::Grafik_Engiene(bool nurInterface) {
    if (!gl_bereit) return;
    Projektor();
    Render().Draw_Szene(nurInterface);
    glColor3f(0, 0, 0);
    Oberflaeche().Showtext();
    if (vor_dem_Tauschen) vor_dem_Tauschen();
    plattform::Puffer_tauschen();
}

// --- Input -----------------------------------------------------------------

void TGLForm::FormClick() {
    Eventtimer.setzen(false);
    if (!Eingabesperre) {
        try {
            Oberflaeche().MO_Mouseover(true);
        } catch (...) {
            Fehler_melden("FormClick wirft unbekannten Fehler... Die Aktion wurde abgebrochen...");
        }
    }
    Eventtimer.setzen(true);
}

void TGLForm::FormMouseDown(plattform::Maustaste taste) {
    if (taste == plattform::Maustaste::Links || !Spiel_laeuft()) return;
    Oberflaeche().Panelanzeigen(60);
    Programmvariableanzeigen = false;
    Kamera_ziehen = true;
    plattform::Cursor_verschieben();
}

void TGLForm::FormMouseUp(plattform::Maustaste taste) {
    if (taste == plattform::Maustaste::Links || !Spiel_laeuft()) return;
    Oberflaeche().Panelanzeigen(60);
    Programmvariableanzeigen = false;
    Kamera_ziehen = false;
    Mausstatus = 2;
    plattform::Cursor_standard();
}

void TGLForm::FormMouseMove(int x, int y) {
    x = std::clamp(x, 0, ClientWidth);
    y = std::clamp(y, 0, ClientHeight);
    Render().Kamera_Mausbewegung(x, y);
}

void TGLForm::FormMouseWheel(int delta) {
    Zoomstufe += delta > 0 ? 1 : -1;
    Zoomstufe = std::clamp(Zoomstufe, Zoomstufe_min, Zoomstufe_max);
}

void TGLForm::Tastenscroll(int dx, int dy) {
    Kamera_ziehen = true;
    Render().Kamera_Mausbewegung(Maus_letztes_X + dx, Maus_letztes_Y + dy);
    Kamera_ziehen = false;
    Mausstatus = 2;
}

void TGLForm::FormKeyDown(int taste) {
    using namespace plattform;
    if (Speichervorgang || !Spiel_laeuft() || Oberflaeche().Spielernamepanel_sichtbar()) return;
    switch (taste) {
        case VK_ESCAPE: {
            int phase = Spieler_Startphase(SpielerID);
            if (Baufenster_offen && phase == 1)
                Oberflaeche().Panelanzeigen(60);
            else if (Platzierungsmodus && phase == 0)
                Platzierungsmodus = false;
            else if (Oberflaeche().Ingamemenue_sichtbar())
                Oberflaeche().Panelanzeigen(60);
            else
                Oberflaeche().Panelanzeigen(5);
            break;
        }
        case VK_F2:
            if (++Anzeigestufe_F2 > 10) Anzeigestufe_F2 = 0;
            break;
        case VK_F3:
            Programmvariableanzeigen = !Programmvariableanzeigen;
            Oberflaeche().Panelanzeigen(Programmvariableanzeigen ? 59 : 60);
            break;
        case VK_F5: {
            Speichervorgang = true;
            try {
                Oberflaeche().Panelanzeigen(60);
                if (Persistenz().LSU_Speichern(KSL ? "IRONMODUS" : "Quicksave"))
                    GUI_Info_add(246, -1, "Gespeichert als Quicksave");
            } catch (...) {
                Fehler_melden("FormKeyDown > Schnellspeichern abgebrochen");
            }
            Speichervorgang = false;
            break;
        }
        case VK_F6: {
            Speichervorgang = true;
            Eventtimer.setzen(false);
            try {
                bool geladen = Persistenz().LSU_Laden("Quicksave", "single\\");
                // The loading panel gives way to the game, or to the menu when no game runs.
                Oberflaeche().Panelanzeigen(Spiel_laeuft() ? 60 : 1);
                if (geladen) GUI_Info_add(247, -1, "");
            } catch (...) {
                Fehler_melden("FormKeyDown > Schnellladen abgebrochen");
            }
            Eventtimer.setzen(true);
            Speichervorgang = false;
            break;
        }
        case VK_F7:
            Lautstaerke = 0.0;
            if (Musik) SND_Musik_abspielen(Musiktitel);
            break;
        case VK_F8:
            Lautstaerke = 1.0;
            if (Musik) SND_Musik_abspielen(Musiktitel);
            break;
        case VK_LEFT:
            Tastenscroll(30, 0);
            break;
        case VK_UP:
            Tastenscroll(0, 30);
            break;
        case VK_RIGHT:
            Tastenscroll(-30, 0);
            break;
        case VK_DOWN:
            Tastenscroll(0, -30);
            break;
        default:
            break;
    }
}

void TGLForm::FormKeyPress(unsigned char c) {
    if (Speichervorgang) return;
    UiSeam& ui = Oberflaeche();
    const bool namepanel = ui.Spielernamepanel_sichtbar();
    const bool speicherpanel = ui.Speicherpanel_sichtbar();
    if (!Spiel_laeuft() && !namepanel && !Texteingabe_aktiv && !speicherpanel) return;

    // 1. Game keys.
    if (!namepanel && !speicherpanel && !Texteingabe_aktiv &&
        (Spieler_Startphase(SpielerID) == 0 || Programmvariableanzeigen)) {
        const unsigned char k = (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
        if (Spielername == Entwicklername) {
            switch (k) {
                case 'X':
                    GU_Spieler_wechseln(true);
                    break;
                case 'Y':
                    GU_Spieler_wechseln(false);
                    break;
                case 'I':
                    GU_KI_umschalten(SpielerID);
                    break;
                case 'P':
                    ui.ITP_Paneltabellen_leeren();
                    ui.ITP_Panels_laden();
                    break;
                case 'O':
                    if (++Bau_Testmodus > 6) Bau_Testmodus = 0;
                    break;
                case 'F':
                    FFU_Kamera_auf_Person();
                    break;
                default:
                    break;
            }
        }
        switch (k) {
            case '+':
                ++Zoomstufe;
                break;
            case '-':
                Zoomstufe = std::max(Zoomstufe - 1, static_cast<int>(Zoomstufe_min));
                break;
            case 'R':
                if (Bauplatz_Vorlage > -1) BPU_Baumodus_starten(Bauplatz_Vorlage);
                break;
            case 'B':
                ui.Panelanzeigen(7);
                break;
            case 'F':
                ui.MOAktion(663, -1, -1);
                break;
            case 'M':
                ui.Panelanzeigen(24);
                break;
            case 'G':
                ui.Panelanzeigen(23);
                break;
            case 'L':
                ui.Panelanzeigen(35);
                break;
            case 'N':
                // The messages: the letters button's window (the first letter's edict), or
                // closes it. The plain window this key once opened showed nothing.
                ui.MOAktion(665, -1, -1);
                break;
            case 'E':
                // The standing edicts: opens the first window of switches, or closes it.
                ui.MOAktion(195, -1, -1);
                break;
            case 'A':
                Tastenscroll(30, 0);
                plattform::Cursor_standard();
                break;
            case 'W':
                Tastenscroll(0, 30);
                plattform::Cursor_standard();
                break;
            case 'D':
                Tastenscroll(-30, 0);
                plattform::Cursor_standard();
                break;
            case 'S':
                Tastenscroll(0, -30);
                plattform::Cursor_standard();
                break;
            default:
                break;
        }
    }
    // 2. Free text entry.
    if (Texteingabe_aktiv && (c == 8 || texteingabe_zeichen(c))) anhaengen(Texteingabe, c, Texteingabe_max);
    // 3. Save name.
    if (speicherpanel && !KSL && (c == 8 || c == ' ' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
        anhaengen(LSU_Speichername, c, 240);
    // 4. Player name.
    if (namepanel && (c == 8 || (c != '.' && texteingabe_zeichen(c))))
        anhaengen(Spielername, c, static_cast<std::size_t>(Spielername_max));
}

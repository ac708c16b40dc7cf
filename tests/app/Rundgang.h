#pragma once
// A player's walk through the real program: the program runs headless in a copy
// of the game folder and is played only through its input (pointer moves, button
// presses, the wheel, keys, typed text) as the platform layer delivers it. Every
// frame is drawn by the program itself; a walk captures frames it wants to check
// and keeps them under the build folder (walk/<name>/NN-stop.bmp) for review.
//
// The walk may read the program's state to find where something stands on the
// screen or whether something arrived, as a player reads the screen; it never
// calls an action, a panel or a simulation routine to make progress.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/Programm.h"
#include "platform/base/Zufall.h"
#include "common/TempDir.h"
#include "foundation/Bild.h"
#include "foundation/Bilddatei.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Spielstatus.h"
#include "platform/Fenster.h"
#include "platform/Maus.h"
#include "render/Bildschirmfoto.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver.h"
#include "ui/MouseOver_Panel.h"
#include "economy/Bauvorschau.h"
#include "world/Karte.h"

namespace bhmtest {

struct Punkt {
    int x = 0, y = 0;
};

// A rectangle of client pixels, left/top inclusive, right/bottom exclusive.
struct Rechteck {
    int links = 0, oben = 0, rechts = 0, unten = 0;
    Punkt mitte() const { return {(links + rechts) / 2, (oben + unten) / 2}; }
    int breite() const { return rechts - links; }
    int hoehe() const { return unten - oben; }
};

// Pixel statistics of a captured frame.
inline int Helligkeit(const Bild& b, int x, int y) {
    const std::uint8_t* p = b.Zeile(y) + 3 * x;
    return p[0] + p[1] + p[2];
}

// Pixels of the rectangle whose colour differs between the two frames.
inline int Unterschied(const Bild& a, const Bild& b, const Rechteck& r) {
    int n = 0;
    for (int y = std::max(r.oben, 0); y < std::min({r.unten, a.hoehe, b.hoehe}); ++y)
        for (int x = std::max(r.links, 0); x < std::min({r.rechts, a.breite, b.breite}); ++x) {
            const std::uint8_t* p = a.Zeile(y) + 3 * x;
            const std::uint8_t* q = b.Zeile(y) + 3 * x;
            if (p[0] != q[0] || p[1] != q[1] || p[2] != q[2]) ++n;
        }
    return n;
}

// Distinct colours in the rectangle, up to `bis` (a drawn element has several; an empty
// background of one texture has several too, so compare against a frame without the element
// where that matters).
inline int Farbvielfalt(const Bild& b, const Rechteck& r, int bis = 64) {
    std::vector<std::uint32_t> farben;
    for (int y = std::max(r.oben, 0); y < std::min(r.unten, b.hoehe); ++y)
        for (int x = std::max(r.links, 0); x < std::min(r.rechts, b.breite); ++x) {
            const std::uint8_t* p = b.Zeile(y) + 3 * x;
            std::uint32_t f = (p[0] << 16) | (p[1] << 8) | p[2];
            if (std::find(farben.begin(), farben.end(), f) == farben.end()) {
                farben.push_back(f);
                if (static_cast<int>(farben.size()) >= bis) return bis;
            }
        }
    return static_cast<int>(farben.size());
}

// What a player sees of the map: the client area below the top bar and above the
// bottom buttons.
inline bool auf_der_Karte(Punkt p) { return 120 < p.x && p.x < 1160 && 140 < p.y && p.y < 560; }

// A highlighted cell of the placement preview near the middle of the map view.
inline std::optional<Punkt> markierter_Platz(const std::function<bool(int feld)>& passt = {}) {
    std::optional<Punkt> bester;
    long long abstand = 0;
    for (int i = 0; i <= BPU_Sichtliste_Ende && i < static_cast<int>(BPU_Sichtliste.size()); ++i) {
        const BPU_Eintrag& e = BPU_Sichtliste[static_cast<std::size_t>(i)];
        // The middle of the drawn marker.
        Punkt p{e.x + SX + 21, e.y + SY + 17};
        if (!auf_der_Karte(p) || (passt && !passt(e.Index))) continue;
        long long d = (p.x - 640LL) * (p.x - 640) + (p.y - 350LL) * (p.y - 350);
        if (!bester || d < abstand) {
            bester = p;
            abstand = d;
        }
    }
    return bester;
}

// Where the object stands on the map view, when it is drawn there.
inline std::optional<Punkt> objekt_auf_dem_Schirm(int o) {
    for (int i = 0; i <= BPU_Objektliste_Ende && i < static_cast<int>(BPU_Objektliste.size()); ++i) {
        const BPU_Eintrag& e = BPU_Objektliste[static_cast<std::size_t>(i)];
        if (e.Index != o) continue;
        Punkt p{e.x + SX + 10, e.y + SY + 17};
        if (auf_der_Karte(p)) return p;
    }
    return std::nullopt;
}

class Rundgang {
public:
    // `name` names the review folder under the build folder.
    explicit Rundgang(const std::string& name)
        : ablage_(std::filesystem::path(BHM_BINARY_DIR) / "walk" / name) {
        namespace fs = std::filesystem;
        // A program starts from the switches and settings of a fresh process, also when an
        // earlier walk ran in this one.
        Config_zuruecksetzen();
        Fehler_zuruecksetzen();
        Spielstatus_zuruecksetzen();
        ITP_Paneltabellen_leeren();
        MO_Zonen_leeren();
        fs::copy(BHM_GAME_DIR, ordner_.path(), fs::copy_options::recursive);
        std::error_code ec;
        fs::remove_all(ablage_, ec);
        fs::create_directories(ablage_);
        programm_.form.vor_dem_Tauschen = [this] {
            if (!foto_gewuenscht_) return;
            foto_gewuenscht_ = false;
            glReadBuffer(GL_BACK);
            foto_ = Bildschirmfoto(programm_.form.ClientWidth, programm_.form.ClientHeight);
        };
    }
    ~Rundgang() { programm_.beenden(); }

    const TempDir& ordner() const { return ordner_; }
    TGLForm& form() { return programm_.form; }

    // Starts the program and runs its start-up; true when the first frame is drawn.
    bool starten() {
        programm_.erzeugen(ordner_.folder());
        // The start-up runs from its timer, as in the program block.
        for (int i = 0; i < 500 && !programm_.form.Eventtimer.aktiv && !programm_.form.beendet; ++i)
            programm_.Runde();
        // The program seeds its random source from the clock; a walk plays the same
        // worlds every time.
        RandSeed = 20261210;
        return programm_.form.Eventtimer.aktiv && !programm_.form.beendet;
    }

    // Starts with the update check switched off and draws the first two frames of the start
    // screen; true when the program runs.
    bool am_Startbildschirm() {
        ordner_.write("Config.ini", "[Allgemein]\r\nAutoUpdate=0\r\n");
        if (!starten()) return false;
        frames(2);
        return true;
    }

    // Runs n frames: pending input is handed on, then the frame is drawn; the frame
    // timer is not waited for (a walk runs as fast as the frames go).
    void frames(int n = 1) {
        for (int i = 0; i < n && !programm_.form.beendet; ++i) {
            plattform::Ereignisse_verarbeiten(programm_.form, 0);
            if (programm_.form.beendet) break;
            programm_.form.eventtimertimer();
        }
    }
    // Runs frames until `fertig` holds, at most `hoechstens`; true when it held.
    bool frames_bis(const std::function<bool()>& fertig, int hoechstens) {
        for (int i = 0; i < hoechstens && !programm_.form.beendet; ++i) {
            if (fertig()) return true;
            frames(1);
        }
        return fertig();
    }
    bool beendet() const { return programm_.form.beendet; }

    // --- Input ---
    void bewegen(Punkt p) {
        plattform::Eingabe_Maus_bewegen(p.x, p.y);
        frames(1);
    }
    // A click: the pointer goes there (one frame to hover), the left button goes down and up.
    void klicken(Punkt p) {
        bewegen(p);
        plattform::Eingabe_Maustaste(plattform::Maustaste::Links, true);
        plattform::Eingabe_Maustaste(plattform::Maustaste::Links, false);
        frames(1);
    }
    // Clicks a highlighted cell in the middle of its marker; a failure of the test when that
    // does not place the building (`gesetzt` tells whether it stands). True when it does.
    bool platz_klicken(Punkt p, const std::function<bool()>& gesetzt) {
        klicken(p);
        const bool steht = gesetzt();
        EXPECT_TRUE(steht) << "a click in the middle of the highlighted cell at (" << p.x << ", " << p.y
                           << ") places the building";
        return steht;
    }
    void rechtsklicken(Punkt p) {
        bewegen(p);
        plattform::Eingabe_Maustaste(plattform::Maustaste::Rechts, true);
        plattform::Eingabe_Maustaste(plattform::Maustaste::Rechts, false);
        frames(1);
    }
    // Drags with the right button from a to b in steps (the camera follows the pointer).
    void rechts_ziehen(Punkt a, Punkt b, int schritte = 8) {
        bewegen(a);
        plattform::Eingabe_Maustaste(plattform::Maustaste::Rechts, true);
        frames(1);
        for (int i = 1; i <= schritte; ++i)
            bewegen({a.x + (b.x - a.x) * i / schritte, a.y + (b.y - a.y) * i / schritte});
        plattform::Eingabe_Maustaste(plattform::Maustaste::Rechts, false);
        frames(1);
    }
    // Drags the map (right button) until the cell stands near the middle of the client area.
    void zeigen(int feld) {
        const int seite = MG_Kartengroesse;
        if (seite <= 0 || !MG_Feld_gueltig(feld)) return;
        const int x = feld % seite, y = feld / seite;
        const int zoom = Zoomstufe > 0 ? Zoomstufe : 20;
        for (int runde = 0; runde < 20; ++runde) {
            const int sx = (20 * x + 10 * y + SX) * zoom / 20;
            const int sy = (-10 * y - 7 * Karte[static_cast<std::size_t>(feld)].LandType() + SY) * zoom / 20;
            const int dx = std::clamp(programm_.form.ClientWidth / 2 - sx, -900, 900);
            const int dy = std::clamp(programm_.form.ClientHeight / 2 - sy, -500, 500);
            if (std::abs(dx) < 40 && std::abs(dy) < 40) return;
            const Punkt m{programm_.form.ClientWidth / 2, programm_.form.ClientHeight / 2};
            rechts_ziehen({m.x - dx / 2, m.y - dy / 2}, {m.x + dx / 2 - (dx & 1), m.y + dy / 2 - (dy & 1)});
        }
    }
    void rad(int rasten) {
        plattform::Eingabe_Mausrad(rasten);
        frames(1);
    }
    void taste(int vk) {
        plattform::Eingabe_Taste(vk);
        frames(1);
    }
    void tippen(const std::string& text) {
        plattform::Eingabe_Text(text);
        frames(1);
    }
    Punkt maus() const {
        Punkt p;
        plattform::Mausposition(p.x, p.y);
        return p;
    }

    // --- What the screen shows ---
    // The click area of the shown script panel that runs `aktion` (the `nter` one of them),
    // in client pixels, as the panel places it.
    std::optional<Rechteck> feld(int aktion, int nter = 0) const {
        const int p = ITP_aktives_Panel_ID();
        if (p < 0 || static_cast<std::size_t>(p) >= ITP_Mausfelder.size()) return std::nullopt;
        const auto& felder = ITP_Mausfelder[static_cast<std::size_t>(p)];
        for (std::size_t a = 0; a < felder.size(); ++a) {
            if (felder[a][ITP_Maus_Aktion] != aktion || nter-- > 0) continue;
            const int x = felder[a][ITP_Maus_X] + MO_Align_X(p, static_cast<int>(a));
            const int y = felder[a][ITP_Maus_Y] + MO_Align_Y(p, static_cast<int>(a));
            return Rechteck{x, y, x + felder[a][ITP_Maus_W], y + felder[a][ITP_Maus_H]};
        }
        return std::nullopt;
    }
    // The same by the element's "$" name.
    std::optional<Rechteck> feld(const std::string& dollarname, int nter = 0) const {
        return feld(ITP_ButtonID_von_Name(dollarname), nter);
    }
    // The area of that name on the shown panel; a failure of the test (and an empty
    // rectangle in the corner) when the panel has none.
    Rechteck feld_da(const std::string& dollarname, int nter = 0) const {
        auto f = feld(dollarname, nter);
        if (!f) {
            ADD_FAILURE() << "the shown panel " << ITP_aktives_Panel_ID() << " has no " << dollarname;
            return {};
        }
        return *f;
    }
    // Clicks the middle of the shown panel's area of that name.
    void klicken(const std::string& dollarname, int nter = 0) { klicken(feld_da(dollarname, nter).mitte()); }
    // From the start screen: a single game on the smallest map, started; the game then waits
    // for its start building.
    void kleinstes_Spiel_starten() {
        klicken("$SingelGamePanel");
        for (int i = 0; i < 5; ++i) klicken("$LandSizeMinus");
        klicken("$SingelGameStart");
        frames(2);
    }

    // The hot zone of Daten\\UI.dat that runs `aktion` and is active now, in client pixels.
    std::optional<Rechteck> zone(int aktion) const {
        for (std::size_t b = 0; b < MO_Zonen.size(); ++b) {
            if (!MOBedingung(static_cast<int>(b))) continue;
            for (const MO_Zone& z : MO_Zonen[b]) {
                if (z[MO_Zone_Aktion] != aktion) continue;
                int dx = 0, dy = 0;
                if (z[MO_Zone_Rahmen] == 2) {
                    dx = IFU_Fenstermitte_X;
                    dy = IFU_Fenstermitte_Y;
                } else if (z[MO_Zone_Rahmen] != 1) {
                    continue;
                }
                return Rechteck{z[MO_Zone_X1] + dx, z[MO_Zone_Y1] + dy, z[MO_Zone_X2] + dx,
                                z[MO_Zone_Y2] + dy};
            }
        }
        return std::nullopt;
    }

    // Draws one more frame and captures it; it is kept as NN-name.bmp for review.
    Bild foto(const std::string& name) {
        foto_gewuenscht_ = true;
        frames(1);
        char nummer[16];
        std::snprintf(nummer, sizeof nummer, "%02d-", ++fotos_);
        Bilddatei_speichern((ablage_ / (nummer + name + ".bmp")).string(), foto_);
        return foto_;
    }

private:
    TempDir ordner_;
    std::filesystem::path ablage_;
    Programm programm_;
    bool foto_gewuenscht_ = false;
    Bild foto_;
    int fotos_ = 0;
};

}  // namespace bhmtest

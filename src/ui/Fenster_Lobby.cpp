#include "ui/Fenster_Lobby.h"

#include <GL/gl.h>

#include <string>
#include <utility>

#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "ui/Fensterprimitive.h"
#include "ui/Panelschalter.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "world/Kartengenerator.h"

std::array<Spieler_element, 8> Lobby_Spieler;
bool IFU_Lobby_aktiv = false;

namespace {

constexpr int kTiefe = 1000, kTiefe_Lobby = 980;
constexpr int kModell_weg = 94, kModell_dazu = 95, kModell_links = 93, kModell_rechts = 92;
constexpr int kModell_Feld = 181, kModell_Farbe = 204;
constexpr int kModell_aus = 305, kModell_an = 306;
// Where the set-up's arrows stand left of the window centre; the hot zones of Daten\UI.dat lie
// over them. The AI level's left arrow stands clear of its bar, which starts at +40.
constexpr int kWahl1_X = 74, kWahl2_X = 172, kKI_links_X = 5;

// A level bar at (x, y, 9.8); the message when the value does not fit its six steps.
void stufenleiste(int x, int y, int wert, int abstand, const std::string& meldung, int gemeldet) {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 9.8f);
    const bool passt = IFU_Stufenleiste_zeichnen(wert, abstand);
    glPopMatrix();
    if (!passt) Fehler_melden(meldung + std::to_string(gemeldet));
}

void lobbyzeile(int n, int cx, int cy) {
    const Spieler_element& e = Lobby_Spieler[static_cast<std::size_t>(n - 1)];
    const int d = 26 * (n - 1);
    if (!e.Aktiv) {
        if (n > 2 && IFU_Lobby_aktiv)
            IFU_Icon_zeichnen(cx - 260, cy - 141 + 26 * (n - 3), kTiefe_Lobby, kModell_dazu);
        return;
    }
    if (n > 2 && IFU_Lobby_aktiv)
        IFU_Icon_zeichnen(cx - 260, cy - 141 + 26 * (n - 3), kTiefe_Lobby, kModell_weg);
    glColor3f(e.Rot / 100.0f, e.Gruen / 100.0f, e.Blau / 100.0f);
    IFU_Icon_zeichnen(cx, cy - 198 + d, kTiefe_Lobby, kModell_Farbe);
    glColor3f(1, 1, 1);
    if (n > 1 && IFU_Lobby_aktiv) IFU_Icon_zeichnen(cx + 40, cy - 193 + d, kTiefe_Lobby, kModell_weg);
    if (n == SpielerID + 1) {
        // Two choosers, each a bonus marker between its arrows, all side by side.
        for (const auto& [x, bonus] : {std::pair{kWahl1_X, e.Bonus1}, std::pair{kWahl2_X, e.Bonus2}}) {
            IFU_Icon_zeichnen(cx + x, cy - 193 + d, kTiefe_Lobby, kModell_links);
            IFU_Bonusliste_Icon(cx + x + 32, cy - 197 + d, kTiefe_Lobby, bonus);
            IFU_Icon_zeichnen(cx + x + 64, cy - 193 + d, kTiefe_Lobby, kModell_rechts);
        }
    }
}

}  // namespace

void IFU_SingelGame_Panel() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    for (int n = 1; n <= 8; ++n) lobbyzeile(n, cx, cy);

    // Each setting has its label on a field and its arrows on either side of its level bar;
    // nothing stands under an arrow.
    const auto modell = [](int x, int y, int nr) { IFU_Icon_zeichnen(x, y, kTiefe_Lobby, nr); };
    modell(cx - 217, cy + 66, kModell_Feld);
    modell(cx - 217, cy + 92, kModell_links);
    modell(cx - 71, cy + 92, kModell_rechts);
    stufenleiste(
        cx - 190, cy + 94, SingelGameGroessenWahl, 15,
        "SingelGameGroessenWahl konnte nicht als Trackbar dargestellt werden :", SingelGameGroessenWahl);
    modell(cx + 18, cy + 40, kModell_Feld);
    modell(cx + 18, cy + 67, kModell_links);
    modell(cx + 164, cy + 67, kModell_rechts);
    stufenleiste(
        cx + 45, cy + 67, SingelGamerohstoffWahl + 1, 15,
        "SingelGamerohstoffWahl konnte nichtals Trackbar dargestellt werden :", SingelGamerohstoffWahl);
    modell(cx + 18, cy + 92, kModell_Feld);
    modell(cx + kKI_links_X, cy + 118, kModell_links);
    stufenleiste(cx + 33, cy + 120, SingelGameKILevel, 7,
                 "SingelGameKILevel konnte nicht als Trackbar dargestellt werden :", SingelGameKILevel);
    modell(cx + 83, cy + 118, kModell_rechts);
    modell(cx + 18, cy + 196, kModell_Feld);
    modell(cx - 217, cy + 196, kModell_Feld);
    IFU_Fensterhintergrund_zeichnen(cx, cy);
}

void IFU_Ediktrahmen_zeichnen(int X, int Y, int Hoehe) {
    int a = 0, b = 0;
    for (int rest = Hoehe; rest > 0;) {
        if (rest == 3 || rest == 6 || rest == 9) {
            ++a;
            rest -= 3;
        } else {
            ++b;
            rest -= 4;
        }
    }
    // The edict window draws its laws, durations and buttons first, at this depth; the windows'
    // strictly-less test keeps them in front of these opaque frames.
    const auto reihe = [X](int y, int links, int rechts) {
        IFU_Icon_zeichnen(X - 256, y, kTiefe, links);
        IFU_Icon_zeichnen(X, y, kTiefe, rechts);
    };
    reihe(Y, 297, 298);
    for (int i = 0; i < b; ++i) reihe(Y + 48 + 64 * i, 301, 302);
    for (int j = 0; j < a; ++j) reihe(Y + 48 + 64 * b + 48 * j, 299, 300);
    reihe(Y + 48 + 64 * b + 48 * a, 303, 304);
}

int IFU_Ediktfenster_Mitte_Y() {
    const int cy = IFU_Fenstermitte_Y;
    int hoehe = -2;
    for (int h : IFU_Ediktrahmen_Hoehen) hoehe += 16 * h + 2;
    const int oben = cy - IFU_Ediktrahmen_Oben, unten = oben + hoehe, client = Shell().Clienthoehe();
    if (hoehe > client) return cy;
    if (oben < 0) return cy - oben;
    if (unten > client) return cy - (unten - client);
    return cy;
}

void IFU_Edikt_Intraktiv_Panel_call(int Edikt) {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Ediktfenster_Mitte_Y();
    if (Edikt < 0 || static_cast<std::size_t>(Edikt) >= IAU_Edikte.size()) {
        Fehler_melden("IFU_Edikt_Intraktiv_Panel_call -> Edikt nicht abgefangen : " + std::to_string(Edikt));
    } else {
        const Edikt_Data& e = IAU_Edikte[static_cast<std::size_t>(Edikt)];
        for (int b = 0; b <= e.Count; ++b) {
            IFU_Icon_zeichnen(cx - 220, cy - 115 + 40 * b, kTiefe,
                              b == IAU_Auswahl_1 ? kModell_an : kModell_aus);
            IFU_Icon_zeichnen(cx - 250, cy - 115 + 40 * b, kTiefe, 307);
        }
        static constexpr int spalte[] = {-225, -100, 20, 155};
        for (int t = 0; t <= e.Timestep; ++t) {
            const int v =
                static_cast<std::size_t>(t) < e.Zeiten.size() ? e.Zeiten[static_cast<std::size_t>(t)] : -1;
            if (v < 0 || v > 3) {
                Fehler_melden("IFU_Edikt_Intraktiv_Panel_call -> Zeitkomponente(" + std::to_string(Edikt) +
                              W(") -> hat ungültigen Timestep(") + std::to_string(v) + ")");
                continue;
            }
            IFU_Icon_zeichnen(cx + spalte[v], cy + 177, kTiefe,
                              IAU_Auswahl_2 == v ? kModell_an : kModell_aus);
        }
    }
    IFU_Icon_zeichnen(cx - 230, cy + 270, kTiefe, 311);
    IFU_Icon_zeichnen(cx + 166, cy + 270, kTiefe, 310);
    int y = cy - IFU_Ediktrahmen_Oben;
    for (std::size_t i = 0; i < IFU_Ediktrahmen_Hoehen.size(); ++i) {
        IFU_Ediktrahmen_zeichnen(cx, y, IFU_Ediktrahmen_Hoehen[i] - 6);
        y += 16 * IFU_Ediktrahmen_Hoehen[i] + 2;
    }
}

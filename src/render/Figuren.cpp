#include "render/Figuren.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "economy/Spieler.h"
#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Objekte.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Seams.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"
#include "render/Farbskala.h"
#include "render/Modelliste.h"
#include "render/Spritestapel.h"
#include "world/Karte.h"

namespace {

// First frame of the carried goods and of the rabbits.
constexpr int Frame_Ware = 474;
constexpr int Frame_Hase_laufend = 420;
constexpr int Frame_Hase_sitzend = 456;

bool gehend(int a) { return (a >= 0 && a <= 59) || (a >= 70 && a <= 129); }

bool traegt(int auftrag) { return auftrag == 103 || auftrag == 152 || auftrag == 201 || auftrag == 351; }

bool unsichtbar(int auftrag) { return auftrag == 251 || auftrag == 851 || auftrag == 852; }

int landtyp(int zelle) { return Karte[static_cast<std::size_t>(zelle)].LandType(); }

void farbe_setzen(const Personenzeile& p) {
    if (Fil_Zuf) {
        Draw_Farbskala(p.Glueck(), 0, 100);
    } else if (Fil_Mhf) {
        Draw_Farbskala(p.Hunger(), 0, 150);
    } else if (Fil_Maf) {
        Draw_Farbskala(100 - p.Alter(), 0, 100);
    } else if (GU_Clan_gueltig(p.Spieler())) {
        const Spielerzeile& s = Spieler[static_cast<std::size_t>(p.Spieler())];
        SP_Farbe(static_cast<float>(s.Farbe_R()) / 100.0f, static_cast<float>(s.Farbe_G()) / 100.0f,
                 static_cast<float>(s.Farbe_B()) / 100.0f);
    } else {
        SP_Farbe(1, 1, 1);
    }
}

void geklang(int a) {
    if (a == 167 || a == 177 || a == 197 || a == 207) SND_Effekt_abspielen(5);
    if (a == 225 || a == 235) SND_Effekt_abspielen(4);
}

void person_zeichnen(const Personenzeile& p, bool overlay, bool& gemeldet) {
    const int a = p.AnimationID();
    if (gehend(a)) {
        float dx = 0, dy = 0;
        Figur_Versatz(p.Feld(), p.Letztes_Feld(), p.Bewegungscounter(), dx, dy);
        SP_Verschieben(dx, dy, 0);
        if (!overlay) {
            farbe_setzen(p);
            SP_Modell(ML_Personenframes2, ML_Personenquads, a);
        } else {
            if (traegt(p.AuftragID())) {
                const int d = a <= 59 ? a / 10 : (a - 70) / 10;
                SP_Verschieben(0, 0, 0.1f);
                SP_Modell(ML_Personenframes, ML_Personenquads, Frame_Ware + 6 * (p.WarenID() + 1) + d);
                SP_Verschieben(0, 0, -0.1f);
            }
            SP_Modell(ML_Personenframes, ML_Personenquads, a);
        }
        SP_Verschieben(-dx, -dy, 0);
        return;
    }
    if (a >= ML_Personenframe_Anzahl || a < 0) {
        if (!gemeldet) Fehler_melden("Animation konnte nicht gesetzt werden :" + std::to_string(a));
        gemeldet = true;
        return;
    }
    const bool versetzt = a >= 220 && a <= 239;
    if (versetzt) SP_Verschieben(5, 0, 0);
    geklang(a);
    if (!overlay) {
        farbe_setzen(p);
        SP_Modell(ML_Personenframes2, ML_Personenquads, a);
    } else {
        SP_Modell(ML_Personenframes, ML_Personenquads, a);
    }
    if (versetzt) SP_Verschieben(-5, 0, 0);
}

// The rabbit frame of a move from o to s, -1 for a step that is no neighbour.
int hasenframe(int o, int s) {
    const int n = MG_Kartengroesse;
    if (s == o - 1) return 420;
    if (s == o + 1) return 426;
    if (s == o + n) return 432;
    if (s == o - 1 + n) return 438;
    if (s == o + 1 - n) return 444;
    if (s == o - n) return 450;
    return -1;
}

}  // namespace

bool Figur_Position(int zelle, int& px, int& py) {
    if (!MG_Feld_gueltig(zelle)) return false;
    const int x = FFU_X_von_Feld(zelle), y = FFU_Y_von_Feld(zelle);
    if (!(Sichtbereich_1_von < x && x < Sichtbereich_1_bis && Sichtbereich_2_von < y &&
          y < Sichtbereich_2_bis))
        return false;
    px = 20 * x + 10 * y;
    if (!(-px - 33 < SX && SX < Shell().Clientbreite() - 6 - px)) return false;
    py = -7 * landtyp(zelle) - 10 * y;
    return -py - 29 < SY && SY < Shell().Clienthoehe() - py;
}

void Figur_Versatz(int zelle, int herkunft, int k, float& dx, float& dy) {
    dx = dy = 0;
    if (!MG_Feld_gueltig(zelle) || !MG_Feld_gueltig(herkunft)) return;
    const int x = FFU_X_von_Feld(zelle), y = FFU_Y_von_Feld(zelle);
    const int x0 = FFU_X_von_Feld(herkunft), y0 = FFU_Y_von_Feld(herkunft);
    const double h = std::floor(static_cast<double>(landtyp(herkunft) - landtyp(zelle)) * k * 0.7);
    dx = static_cast<float>(2 * (x0 - x) * k + (y0 - y) * k);
    dy = static_cast<float>(-(y0 - y) * k - h);
}

void Draw_Personen(bool overlay) {
    const bool gebunden = overlay ? ML_Binden(ML_Personpack.get(), "ML_Personpack")
                                  : ML_Binden(ML_Personechtpack.get(), "ML_Personechtpack");
    if (!gebunden) return;
    SP_Beginnen();
    bool gemeldet = false;
    const int letzte = std::min(Personen_hoechster_Index, static_cast<int>(Personen.size()) - 1);
    for (int i = 0; i <= letzte; ++i) {
        const Personenzeile& p = Personen[static_cast<std::size_t>(i)];
        if (p.Hunger() <= 0 || unsichtbar(p.AuftragID())) continue;
        int px = 0, py = 0;
        if (!Figur_Position(p.Feld(), px, py)) continue;
        const float tx = static_cast<float>(px - 2), ty = static_cast<float>(py - 8);
        SP_Verschieben(tx, ty, 0.2f);
        person_zeichnen(p, overlay, gemeldet);
        SP_Verschieben(-tx, -ty, -0.2f);
    }
    SP_Farbe(1, 1, 1);
    SP_Zeichnen();
    ML_Loesen();
}

void Draw_Hasen() {
    if (!ML_Binden(ML_Personpack.get(), "ML_Personpack")) return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    SP_Beginnen();
    Hase_Loecher_abgleichen();  // the timer places a running rabbit between its cells
    const int f = Animationsphase;
    const int anzahl = std::min(Hase_Anzahl, static_cast<int>(Hase_Loecher.size()));
    for (int i = 0; i < anzahl; ++i) {
        const Hasenloch& h = Hase_Loecher[static_cast<std::size_t>(i)];
        int px = 0, py = 0;
        if (!h.Draussen || !Figur_Position(h.Position, px, py)) continue;
        const float tx = static_cast<float>(px - 2), ty = static_cast<float>(py - 8);
        SP_Verschieben(tx, ty, 0.2f);
        if (h.Schritt == h.Start) {
            SP_Modell(ML_Personenframes, ML_Personenquads, Frame_Hase_sitzend + f);
        } else {
            float dx = 0, dy = 0;
            Figur_Versatz(h.Position, h.Start, h.Timer, dx, dy);
            SP_Verschieben(dx, dy, 0);
            const int frame = hasenframe(h.Start, h.Schritt);
            if (frame >= Frame_Hase_laufend) SP_Modell(ML_Personenframes, ML_Personenquads, frame + f);
            SP_Verschieben(-dx, -dy, 0);
        }
        SP_Verschieben(-tx, -ty, -0.2f);
    }
    SP_Zeichnen();
    ML_Loesen();
}

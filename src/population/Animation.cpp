#include "population/Animation.h"

#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Karte.h"

std::uint8_t Animator_Zaehler = 0;
std::uint8_t Animationsphase = 0;
int AE = 0;
bool Cursor_sichtbar = false;
int Waren_Anzeigeindex = 1;

namespace {

// First frames of the groups.
constexpr int Gehen_Mann = 60, Gehen_Frau = 130;
constexpr int Stehen = 150;

// Sets the man's or the woman's group.
void pose(int person, int mann, int frau, const char* routine) {
    if (Personenzeile* p = PM_Zeile(person, routine)) p->AnimationID() = p->Geschlecht() == 1 ? mann : frau;
}

// Every animated ambient type shows the next frame of its chain.
void ambiente_weiterschalten() {
    const int b = static_cast<int>(SBU_Objekte.size());
    for (int a : SBU_Animationen) {
        if (a < 0 || static_cast<std::size_t>(a) >= SBU_Animation_Tabelle.size()) continue;
        int& gezeigt = SBU_Animation_Tabelle[static_cast<std::size_t>(a)];
        const int vorlage = gezeigt - b;
        if (vorlage < 0 || static_cast<std::size_t>(vorlage) >= SBU_Ambiente.size()) {
            Fehler_melden("AU_Animation_Frame > unbekannte Ambiente: " + std::to_string(gezeigt));
            continue;
        }
        gezeigt = SBU_Ambiente[static_cast<std::size_t>(vorlage)].animation + b;
    }
}

}  // namespace

void AU_Zuruecksetzen() {
    Animator_Zaehler = 0;
    Animationsphase = 0;
    AE = 0;
    Cursor_sichtbar = false;
    Waren_Anzeigeindex = 1;
}

void AU_Animation_Frame() {
    if (++Animator_Zaehler > 2) {
        Animator_Zaehler = 0;
        if (++Animationsphase > 5) Animationsphase = 0;
    }
    if (++AE >= 10) AE = 0;
    switch (AE) {
        case 0:
        case 5:
            ambiente_weiterschalten();
            break;
        case 1:
            Cursorzeichen.assign(1, '_');
            break;
        case 3:
            Cursor_sichtbar = !Cursor_sichtbar;
            break;
        case 6:
            Cursorzeichen.clear();
            break;
        case 9:
            if (++Waren_Anzeigeindex > static_cast<int>(SBU_Waren.size()) - 1) Waren_Anzeigeindex = 1;
            break;
        default:
            break;
    }
}

void AU_Person_animieren(int person) {
    Personenzeile* p = PM_Zeile(person, "AU_Person_animieren");
    if (!p) return;
    const int f = p->AnimationID();
    // No group lies outside 0..379: an unknown frame turns into standing instead of
    // counting up for ever with nothing to draw.
    if (f < 0 || f >= 380) {
        AU_Animation_stehen(person);
        return;
    }
    if (const int weiter = AU_Bild_in_der_Gruppe(f); weiter >= 0) {
        p->AnimationID() = weiter;
        return;
    }
    switch (f) {
        case 149:
        case 159:
            AU_Animation_gehen(person);
            break;
        case 189:
        case 219:
            AU_Animation_Arbeit_1(person);
            break;
        case 229:
        case 239:
            AU_Animation_Arbeit_7(person);
            break;
        case 269:
        case 329:
            AU_Animation_Arbeit_20(person);
            break;
        case 309:
        case 319:
            AU_Animation_Arbeit_18(person);
            break;
        case 279:
        case 289:
        case 299:
        case 339:
        case 349:
        case 359:
            AU_Animation_tragen(person);
            break;
        case 369:
        case 379:
            AU_Animation_Arbeit_2(person);
            break;
        default:
            p->AnimationID() = f + 1;  // the next group follows
            break;
    }
}

void AU_Schritt_animieren(int person) {
    Personenzeile* p = PM_Zeile(person, "AU_Schritt_animieren");
    if (!p) return;
    const int n = MG_Kartengroesse;
    const int d = p->Letztes_Feld() - p->Feld();
    const bool mann = p->Geschlecht() == 1;
    int gruppe;
    if (d == 1)
        gruppe = 0;
    else if (d == 1 - n)
        gruppe = 10;
    else if (d == n)
        gruppe = 20;
    else if (d == -1)
        gruppe = 30;
    else if (d == -n)
        gruppe = 40;
    else if (d == n - 1)
        gruppe = 50;
    else if (d == 0)
        gruppe = 60;
    else
        return;
    p->AnimationID() = gruppe + (mann ? 0 : 70);
}

void AU_Animation_gehen(int person) {
    if (Personenzeile* p = PM_Zeile(person, "AU_Animation_gehen"))
        p->AnimationID() = (p->Geschlecht() == 1 ? Gehen_Mann : Gehen_Frau) + Random(10);
}

void AU_Animation_stehen(int person) { pose(person, Stehen, Stehen, "AU_Animation_stehen"); }
void AU_Animation_Arbeit_1(int person) { pose(person, 190, 160, "AU_Animation_Arbeit_1"); }
void AU_Animation_Arbeit_7(int person) { pose(person, 220, 230, "AU_Animation_Arbeit_7"); }
void AU_Animation_Arbeit_18(int person) { pose(person, 300, 310, "AU_Animation_Arbeit_18"); }
void AU_Animation_Arbeit_20(int person) { pose(person, 260, 320, "AU_Animation_Arbeit_20"); }
void AU_Animation_Arbeit_2(int person) { pose(person, 360, 370, "AU_Animation_Arbeit_2"); }

void AU_Animation_tragen(int person) {
    Personenzeile* p = PM_Zeile(person, "AU_Animation_tragen");
    if (!p) return;
    const int n = MG_Kartengroesse;
    const int c = p->Feld();
    const bool mann = p->Geschlecht() == 1;
    const struct {
        int feld, mann, frau;
    } seiten[] = {{c - 1, 270, 330}, {c + n, 280, 340}, {c + 1 - n, 290, 350}};
    for (const auto& s : seiten)
        if (MG_Feld_gueltig(s.feld) && Karte[static_cast<std::size_t>(s.feld)].LandType() == 0)
            p->AnimationID() = mann ? s.mann : s.frau;
}

#include "economy/Logik.h"

#include <cstdint>
#include <vector>

#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Diagramm.h"
#include "economy/KI.h"
#include "economy/Objekte.h"
#include "economy/Schiffe.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Config.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Info.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Zufall.h"
#include "population/Edikte.h"
#include "population/Personen.h"
#include "population/Personen_Leben.h"
#include "world/Hasen.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Landschaft.h"
#include "world/Wachstum.h"

int Monatsschritt = 0;
int Jahresschritt = 0;
bool Monatsflag = false;
int SZ = 0;
bool Statistikmenue_offen = false;
int Statistik_Kategorie = 1, Statistik_Reihe = 0;
int Spielerbewertung_Schnitt = 0;
int Autosave_Zaehler = 0;

namespace {

// The victory check runs at this step of every month.
constexpr int Siegpruefung_Schritt = 75;

// Sets the first of three trend flags for 0, the second for a rise, the third for a fall.
void trend_setzen(Spielerzeile& s, int erstes, int wert) {
    s.feld(erstes) = s.feld(erstes + 1) = s.feld(erstes + 2) = 0;
    if (wert == 0) s.feld(erstes) = 1;
    if (wert > 0) s.feld(erstes + 1) = 1;
    if (wert < 0) s.feld(erstes + 2) = 1;
}

// A positive value rounded down, a negative one up: both towards 0.
int abbauen(int wert) { return static_cast<int>(static_cast<std::int64_t>(wert) * 4 / 5); }

}  // namespace

void Logik_Autosave() {
    if (Kamera_ziehen || !AutosaveCheck || !Spiel_laeuft()) return;
    ++Autosave_Zaehler;
    if (Autosave_Zaehler == Autosave_time - 10) GUI_Info_add(248, -1, "");
    // At or past the interval, so a shorter interval set in the options still saves.
    if (Autosave_Zaehler >= Autosave_time) {
        const bool gespeichert = Persistenz().LSU_Speichern(KSL ? "IRONMODUS" : "Autosave");
        // A failed save waits for the next interval instead of trying every frame.
        Autosave_Zaehler = 0;
        if (gespeichert) GUI_Info_add(246, -1, "Gespeichert als Autosave");
    }
}

void Logik_Zeitschritt() {
    if (Monatsflag) {
        Monatsflag = false;
        EDU_Edikte_monatlich();
    }
    if (++Monatsschritt > Monatsticks) {
        Monatsschritt = 0;
        Monatsflag = true;
        Logik_Spielerbewertung();
        BPU_Baumaterial_nachbestellen();
    }
    if (++Jahresschritt > 12 * Monatsticks) {
        Jahresschritt = 0;
        ++SZ;
        if (SBLCb && !SBGOb) SU_Gold_Verfall();
    }
}

void Logik_Simulationsschritt() {
    Hase_Tick();
    WU_Wachstum_Tick();
    PM_Personen_Tick();
    switch (Bau_Testmodus) {
        case 1:
        case 5:
            BPU_Sichtliste_Markierung();
            break;
        case 2:
            BPU_Sichtliste_Personen();
            break;
        case 3:
            BPU_Sichtliste_Belegung();
            break;
        case 4:
            BPU_Sichtliste_Tiere();
            break;
        default:
            break;
    }
    if (Jahresschritt == 0) {
        DiaU_Zeitschritt();
        if (Statistikmenue_offen) DiaU_Chart_erstellen(Statistik_Kategorie, Statistik_Reihe);
        IU_Inseln_freigeben();
        Logik_Jahresabbau();
    }
    if (Monatsschritt == Siegpruefung_Schritt) SU_Sieg_pruefen();
    KIU_KI_Manager();
    Schiff_Tick();
    SLB_Landschaft_Tick();
}

void Logik_Spielerbewertung() {
    std::int64_t summe = 0, anzahl = 0;
    for (std::size_t p = 0; p < Spieler.size(); ++p) {
        Spielerzeile& s = Spieler[p];
        const int m = s.Mitglieder();
        // 1. Purses of the month.
        s.Vermoegen_Vormonat() = s.Vermoegen();
        s.Vermoegen() = 0;
        for (int f = 54; f <= 60; ++f) s.feld(f) = 0;
        // 2., 3. Birth and money-flow trends.
        trend_setzen(s, 58, s.Geburten_Trend());
        trend_setzen(s, 61, s.Konto_Spieler());
        // 4., 5. Happiness trend against last month's average. A clan without members
        // has no average: its trend stays and its average counts as 0. A member count
        // that went below 0 is still divided by, like any other.
        if (m != 0) {
            const int schnitt = static_cast<int>(Floor_div(s.Zufriedenheit(), m));
            s.Zufriedenheit_Trend() += schnitt - s.Zufriedenheit_Vormonat();
            s.Zufriedenheit_Vormonat() = schnitt;
        } else {
            s.Zufriedenheit_Vormonat() = 0;
        }
        trend_setzen(s, 64, s.Zufriedenheit_Trend());
        // 6. Production trend.
        trend_setzen(s, 67, s.Produktion_Trend());
        // 7. Problems of the month; the per-member checks need members.
        for (int f = 71; f <= 74; ++f) s.feld(f) = 0;
        int probleme = 0;
        if (s.Arbeitslose() == 0) ++probleme;
        if (LGK_Nahrung_des_Spielers(static_cast<int>(p)) < m) ++probleme;
        if (m != 0 && Quotient_kleiner(s.Vermoegen_Vormonat(), m, 50)) ++probleme;
        if (s.Wohnraum() < m) ++probleme;
        if (m != 0 && Quotient_groesser(s.Alter_Summe(), m, 40)) ++probleme;
        if (m != 0 && Quotient_kleiner(s.Zufriedenheit(), m, 26)) ++probleme;
        s.Probleme() = probleme;
        // 8. Warning level.
        if (probleme == 1) s.Warnstufe_1() = 1;
        if (probleme == 2) s.Warnstufe_2() = 1;
        if (probleme > 2) s.Warnstufe_3() = 1;
        // 9. The world's average.
        if (m > 0) {
            summe += Ceil_div(s.Zufriedenheit(), m);
            ++anzahl;
        }
    }
    Spielerbewertung_Schnitt = anzahl > 0 ? static_cast<int>(Ceil_div(summe, anzahl)) : 0;
}

void Logik_Jahresabbau() {
    for (Spielerzeile& s : Spieler) {
        s.Konto_Spieler() = abbauen(s.Konto_Spieler());
        s.Geburten_Trend() = abbauen(s.Geburten_Trend());
        s.Produktion_Trend() = abbauen(s.Produktion_Trend());
        s.Zufriedenheit_Trend() = abbauen(s.Zufriedenheit_Trend());
    }
}

void Logik_Zuruecksetzen() {
    Monatsschritt = Jahresschritt = 0;
    Monatsflag = false;
    SZ = 0;
    Spielerbewertung_Schnitt = 0;
    Autosave_Zaehler = 0;
}

namespace {

// FNV-1a over 32-bit values.
struct Pruefsumme {
    std::uint64_t h = 14695981039346656037ull;
    void add(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xffu;
            h *= 1099511628211ull;
        }
    }
    void add(int v) { add(static_cast<std::uint32_t>(v)); }
    template <typename Zeile>
    void add(const std::vector<Zeile>& tabelle) {
        add(static_cast<int>(tabelle.size()));
        for (const Zeile& z : tabelle)
            for (int v : z.f) add(v);
    }
};

}  // namespace

std::uint64_t Logik_Pruefsumme() {
    Pruefsumme p;
    p.add(RandSeed);
    p.add(GU);
    p.add(GU2);
    for (int v : {Monatsschritt, Jahresschritt, static_cast<int>(Monatsflag), SZ, MG_Kartengroesse,
                  Personen_hoechster_Index, Personen_Suchstart, SpielerID})
        p.add(v);
    p.add(Karte);
    p.add(Spieler);
    p.add(Personen);
    p.add(Objekte);
    return p.h;
}

#pragma once
// A small world for the population tests: a 16 x 16 map on one island, the
// human clan 0 and the computer clan 1 with 300 gold each and every edict off,
// a "Home" building template with four places and a production template with
// three. The game switches go back to their start values afterwards.
#include <string>
#include <tuple>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"

namespace bhmtest {

struct Populationswelt : Kernwelt {
    Populationswelt() {
        SBU_Objekte = {Gebaeude("Home", 4), Gebaeude("Produktion", 3)};
        SBU_ID_dead = 77;
        GU_Spieler_erstellen(1);
        for (Spielerzeile& s : Spieler) {
            for (int f = 11; f <= 38; ++f) s.feld(f) = 0;
            s.Gold() = 300;
        }
        for (Kartenfeld& k : Karte) k.Insel() = 0;
    }
    ~Populationswelt() { Spielstatus_zuruecksetzen(); }
};

// A founder of the given sex and age on the cell, counted in its clan as such.
inline int Person(int clan, int feld, int geschlecht = 1, int alter = 20) {
    const int p = PM_Person_erzeugen(false, feld, -1, clan);
    Personenzeile& z = Personen.at(static_cast<std::size_t>(p));
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    (z.Geschlecht() == 2 ? s.Frauen() : s.Maenner()) -= 1;
    (geschlecht == 2 ? s.Frauen() : s.Maenner()) += 1;
    z.Geschlecht() = geschlecht;
    s.Alter_Summe() += alter - z.Alter();
    WAlt += alter - z.Alter();
    z.Alter() = alter;
    return p;
}

inline Personenzeile& P(int p) { return Personen.at(static_cast<std::size_t>(p)); }
inline Objektzeile& O(int o) { return Objekte.at(static_cast<std::size_t>(o)); }

// Records the panels opened and answers the edict window's second choice.
struct Oberflaechenattrappe : UiSeam {
    std::vector<int> panels;
    int auswahl_2 = 0;
    Oberflaechenattrappe() { Oberflaeche_setzen(this); }
    ~Oberflaechenattrappe() override { Oberflaeche_setzen(nullptr); }
    void Panelanzeigen(int panel) override { panels.push_back(panel); }
    int IAU_Auswahl_2() override { return auswahl_2; }
};

}  // namespace bhmtest

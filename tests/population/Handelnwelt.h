#pragma once
// A small world for the movement and goal-action tests: a 16 x 16 map of level-4
// land on island 0, two clans, persons and buildings made directly in their rows.
#include <string>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "population/Personen.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Animation.h"
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Wachstum.h"
#include "population/Zielaktion_Arbeit.h"
#include "world/Karte.h"
#include "world/Pfade.h"

namespace bhmtest {

struct Handelnwelt : Kernwelt {
    Handelnwelt() : Kernwelt(16) {
        for (Kartenfeld& k : Karte) {
            k.LandType() = 4;
            k.Block() = -1;
            k.Ambiente() = -1;
            k.Person() = -1;
            k.Objekt() = -1;
            k.Insel() = 0;
        }
        Spieler.assign(2, Spielerzeile{});
        ZAU_Zuruecksetzen();
        Haefen.clear();
        Hafen_Ende = -1;
        ELE = false;
    }
    ~Handelnwelt() {
        Haefen.clear();
        Hafen_Ende = -1;
        ELE = false;
        ZAU_Zuruecksetzen();
    }

    static int feld(int x, int y) { return x + y * MG_Kartengroesse; }
    static Kartenfeld& K(int c) { return Karte.at(static_cast<std::size_t>(c)); }
    static Personenzeile& P(int p) { return Personen.at(static_cast<std::size_t>(p)); }
    static Objektzeile& O(int o) { return Objekte.at(static_cast<std::size_t>(o)); }

    // A living idle person of the clan standing on the cell.
    static int person(int c, int clan = 0) {
        Personenzeile z;
        z.f.fill(-1);
        z.Hunger() = 150;
        z.Alter() = 20;
        z.Geschlecht() = 1;
        z.Spieler() = clan;
        z.AuftragID() = 0;
        z.Zielfeld() = c;
        z.Feld() = c;
        z.Bewegungscounter() = 0;
        z.Pfadschritt() = 0;
        z.Wartezaehler() = 0;
        z.Aktiver_Skilllevel() = 0;
        z.Glueck() = 100;
        z.Gold() = 100;
        Personen.push_back(z);
        const int p = static_cast<int>(Personen.size()) - 1;
        Personen_hoechster_Index = p;
        K(c).Person() = p;
        return p;
    }

    // A person on the cell with an order towards a target.
    static int walker(int c, int ziel, int code = 3, int clan = 0) {
        const int p = person(c, clan);
        P(p).AuftragID() = code;
        P(p).Zielfeld() = ziel;
        return p;
    }

    // A building of template typ anchored at c, owned by the clan.
    static int gebaeude(int c, int typ, int clan = 0) {
        Objektzeile z;
        z.f.fill(-1);
        z.Feld() = c;
        z.Besitzer() = clan;
        z.Typ() = typ;
        z.Zustand() = 0;
        z.Zaehler() = 0;
        z.Material_geliefert() = 0;
        Objekte.push_back(z);
        const int o = static_cast<int>(Objekte.size()) - 1;
        OB_Objekt_anlegen(o);  // its twelve closed worker slots
        K(c).Objekt() = o;
        return o;
    }

    // Sets goods slot k of the object.
    static void slot(int o, int k, int ware, int bestand, int bestellt = 0, int reserviert = 0) {
        O(o).Slot_Ware(k) = ware;
        O(o).Slot_Bestand(k) = bestand;
        O(o).Slot_Bestellt(k) = bestellt;
        O(o).Slot_Reserviert(k) = reserviert;
    }

    // The last report, forgotten afterwards ("" when none).
    static std::string meldung() {
        std::string t = Fehlertext;
        Fehler_zuruecksetzen();
        return t;
    }
};

}  // namespace bhmtest

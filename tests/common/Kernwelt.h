#pragma once
// A clean world for simulation tests: a temporary program folder, reports shown
// (so a test can see the last one in Fehlertext), every table emptied by the
// world reset, a small map of -1 cells and a fixed random seed. Everything is
// emptied again afterwards.
#include <string>

#include "common/ProgrammOrdner.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Pfade.h"

namespace bhmtest {

class Kernwelt {
public:
    explicit Kernwelt(int seite = 16) {
        Error_Silence = false;
        Errorloger = false;
        aufraeumen();
        MG_Kartengroesse = seite;
        MG_Karte_anlegen(seite, Karte);
        PFU_Init();  // the path store for this map, as a new world has it
        RandSeed = 12345;
    }
    ~Kernwelt() { aufraeumen(); }
    Kernwelt(const Kernwelt&) = delete;
    Kernwelt& operator=(const Kernwelt&) = delete;

    const ProgrammOrdner& ordner() const { return ordner_; }

    // True when something was reported since the last call; forgets it.
    static bool gemeldet() {
        bool ja = !Fehlertext.empty();
        Fehler_zuruecksetzen();
        return ja;
    }

private:
    static void aufraeumen() {
        MG_Welt_zuruecksetzen();
        SBU_Alles_zuruecksetzen();
        MG_Einstellungen_zuruecksetzen();
        Karte.clear();
        MG_Kartengroesse = 256;
        SpielerID = 0;
        SBMAb = SBGOb = SBLUb = SBLCb = false;
        Fehler_zuruecksetzen();
    }

    ProgrammOrdner ordner_;
};

// A goods template.
inline Waren_Item Ware(int chance = 100, int make = 1) {
    Waren_Item w;
    w.Titel = "Ware";
    w.Chance = chance;
    w.Make = make;
    return w;
}

// A building template.
inline Objekt_Item Gebaeude(const std::string& modus, int platz = 0, int ai_level = 0) {
    Objekt_Item o;
    o.Titel = modus;
    o.Modus = modus;
    o.Platz = platz;
    o.AI_Level = ai_level;
    return o;
}

}  // namespace bhmtest

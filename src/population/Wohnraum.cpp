#include "population/Wohnraum.h"

#include "population/Clanregister.h"
#include "population/Personen.h"
#include "economy/Errungenschaften.h"
#include "economy/KI.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Bewegung.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "population/Animation.h"
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"

std::vector<Raum_Item> Wohnraum_Liste;

namespace cr = clanregister;

void WRU_Zuruecksetzen() { Wohnraum_Liste.clear(); }

void WRU_Wohnraum_eintragen(int clan, int objekt) {
    cr::Anhaengen(Wohnraum_Liste, clan, objekt, 0, "WRU_Wohnraum_eintragen");
}

void WRU_Wohnraum_austragen(int clan, int position) {
    cr::Austragen(Wohnraum_Liste, clan, position, 0, "WRU_Wohnraum_austragen");
}

void WRU_Wohnraum_von_Objekt_austragen(int objekt) {
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("WRU_Wohnraum_von_Objekt_austragen > unbekanntes Objekt: " + std::to_string(objekt));
        return;
    }
    Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    const int position = cr::Position(Wohnraum_Liste, o.Besitzer(), objekt);
    if (position < 0) return;
    WRU_Wohnraum_austragen(o.Besitzer(), position);
    o.Zaehler() = 0;
}

void WRU_Wohnung_suchen(int person) {
    if (!PM_Person_lebt(person)) {
        Fehler_melden("WRU_Wohnung_suchen > keine lebende Person: " + std::to_string(person));
        return;
    }
    const Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    const int clan = p.Spieler();
    const int heimatinsel = cr::Insel(p.Feld());
    // The list may shrink while it is walked.
    for (int i = 0; cr::Liste(Wohnraum_Liste, clan) && i < cr::Liste(Wohnraum_Liste, clan)->Anzahl; ++i) {
        const int o = Wohnraum_Liste[static_cast<std::size_t>(clan)].Objekte[static_cast<std::size_t>(i)];
        if (!OM_Objekt_gueltig(o) || cr::Insel(Objekte[static_cast<std::size_t>(o)].Feld()) != heimatinsel)
            continue;
        if (OM_Wohnraum_vergeben(clan, i, person, o) == 1) return;
    }
}

bool WRU_Speichern(const std::string& pfad) { return cr::Speichern(Wohnraum_Liste, pfad, "WRU_Speichern"); }

void WRU_Laden(const std::string& pfad) {
    cr::Laden(pfad, "WRU_Laden", [](int clan, int objekt) {
        cr::Anhaengen(Wohnraum_Liste, clan, objekt, 0, "WRU_Laden", true);
    });
}

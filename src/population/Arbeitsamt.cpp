#include "population/Arbeitsamt.h"

#include "economy/Arbeiterslots.h"
#include "economy/Geldkreis.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "population/Personenindex.h"
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

std::vector<Such_Item> ArAmAr;

namespace cr = clanregister;

namespace {

Such_Item* liste(int clan) { return cr::Liste(ArAmAr, clan); }

int insel(int feld) { return cr::Insel(feld); }

bool objekt_in_betrieb(int o) {
    return OM_Objekt_gueltig(o) && Objekte[static_cast<std::size_t>(o)].Feld() >= 1;
}

}  // namespace

void AAU_Zuruecksetzen() { ArAmAr.clear(); }

namespace {

// A duplicate is reported and entered all the same.
void eintragen(int clan, int objekt, bool geladen) {
    if (OM_Objekt_gueltig(objekt) && AAU_Position_von_Objekt(clan, objekt) >= 0)
        Fehler_melden("ObjektBauplan[" + std::to_string(Objekte[static_cast<std::size_t>(objekt)].Typ()) +
                      "]");
    cr::Anhaengen(ArAmAr, clan, objekt, -1, geladen ? "AAU_Laden" : "AAU_Stelle_eintragen", geladen);
}

}  // namespace

void AAU_Stelle_eintragen(int clan, int objekt) { eintragen(clan, objekt, false); }

void AAU_Stelle_austragen(int clan, int position) {
    cr::Austragen(ArAmAr, clan, position, -1, "AAU_Stelle_austragen");
}

int AAU_Position_von_Objekt(int clan, int objekt) { return cr::Position(ArAmAr, clan, objekt); }

int AAU_Arbeitslosen_suchen(int objekt) {
    if (!objekt_in_betrieb(objekt)) {
        Fehler_melden("AAU_Arbeitslosen_suchen > unbekanntes Objekt: " + std::to_string(objekt));
        return -1;
    }
    const Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    const int feld = o.Feld();
    const int i = insel(feld);
    for (int p = 0; p <= Personen_hoechster_Index && PM_Person_gueltig(p); ++p) {
        const Personenzeile& z = Personen[static_cast<std::size_t>(p)];
        if (z.Hunger() >= 1 && z.Spieler() == o.Besitzer() && z.ArbeitsplatzID() == -1 &&
            insel(z.Feld()) == i && FFU_Distanz(z.Feld(), feld) < AAU_Reichweite)
            return p;
    }
    return -1;
}

bool AAU_Stelle_besetzen(int person, int position) {
    if (!PM_Person_lebt(person)) {
        Fehler_melden("AAU_Stelle_besetzen > keine lebende Person: " + std::to_string(person));
        return false;
    }
    Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    const int clan = p.Spieler();
    const Such_Item* l = liste(clan);
    if (!l || position < 0 || position >= l->Anzahl) {
        Fehler_melden("AAU_Stelle_besetzen > keine Stelle " + std::to_string(position) + " bei Clan " +
                      std::to_string(clan));
        return false;
    }
    const int objekt = l->Objekte[static_cast<std::size_t>(position)];
    if (!objekt_in_betrieb(objekt)) {
        Fehler_melden("AAU_Stelle_besetzen > unbekanntes Objekt: " + std::to_string(objekt));
        AAU_Stelle_austragen(clan, position);
        return false;
    }
    if (p.ArbeitsplatzID() >= 0) {
        Fehler_melden("AAU_Stelle_besetzen > Person hat schon einen Arbeitsplatz: " + std::to_string(person));
        return false;
    }
    const Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    if (o.Stillgelegt() == 1 || insel(o.Feld()) != insel(p.Feld()) ||
        FFU_Distanz(o.Feld(), p.Feld()) > AAU_Reichweite)
        return false;
    const int slot = OB_Erster_freier_Slot(objekt);
    if (slot < 0) {
        // The building has no free post: its entry is stale, and nobody was placed.
        Fehler_melden("Falscher Eintrag in ArAmAr gefunden.");
        AAU_Stelle_austragen(clan, position);
        return false;
    }
    const bool besetzt = OB_Arbeiter_eintragen(person, objekt, slot);
    if (besetzt) {
        p.ArbeitsplatzID() = objekt;
        if (p.AuftragID() == 0) {
            IndexU_Item_Delet(1, 0, person);
            IndexU_Item_Add(4, 0, person);
        }
    }
    if (OB_Anzahl_freie_Slots(objekt) == 0) AAU_Stelle_austragen(clan, position);
    return besetzt;
}

bool AAU_Arbeitsamt_vermitteln(int person) {
    if (!PM_Person_lebt(person)) return false;
    const int clan = Personen[static_cast<std::size_t>(person)].Spieler();
    const Such_Item* l = liste(clan);
    if (!l || !GU_Clan_gueltig(clan) || Spieler[static_cast<std::size_t>(clan)].Gold() < 2 || l->Anzahl == 0)
        return false;
    for (int i = 0; i < l->Anzahl; ++i) {
        const int o = l->Objekte[static_cast<std::size_t>(i)];
        if (OM_Lager_voll(o) || OM_Freier_Arbeiter_vorhanden(o) || !OM_Besetzung_erlaubt(o)) continue;
        if (AAU_Stelle_besetzen(person, i)) {
            GKU_ED_von_Spieler_zu_Person(clan, person, 1);
            return true;
        }
    }
    return false;
}

bool AAU_Speichern(const std::string& pfad) { return cr::Speichern(ArAmAr, pfad, "AAU_Speichern"); }

void AAU_Laden(const std::string& pfad) {
    cr::Laden(pfad, "AAU_Laden", [](int clan, int objekt) { eintragen(clan, objekt, true); });
}

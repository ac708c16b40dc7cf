#include "population/Personen.h"

#include <algorithm>

#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "population/Personenindex.h"
#include "population/Personennamen.h"
#include "foundation/Schablonen.h"
#include "population/Personen_Geburt.h"
#include "population/Personen_Leben.h"
#include "population/Wohnraum.h"
#include "population/Zielaktion.h"
#include "world/Karte.h"
#include "world/Pfade.h"

std::vector<Personenzeile> Personen;
int Personen_hoechster_Index = -1;
int Personen_Suchstart = 0;
int Geschlecht_Zaehler = 1;
int WV = 0, WAlt = 0;

namespace {

// The table starts with this many rows and grows by one less than it.
constexpr int Personen_Startzeilen = 100;

// The dead person leaves its home: its slot closes, the home's room grows, the
// slots are compacted, and the home re-enters the housing register or goes on
// with its demolition.
void heim_verlassen(int person, Personenzeile& p) {
    const int heim = p.HeimID();
    p.HeimID() = -1;
    if (!OM_Objekt_gueltig(heim)) {
        Fehler_melden("PM_Person_loeschen > unbekanntes Heim: " + std::to_string(heim));
        return;
    }
    const int slot = OB_Slot_des_Arbeiter(heim, person);
    if (slot >= 0) {
        OB_Arbeiter_austragen(heim, slot);
        OB_Slot_Status_setzen(heim, slot, -1);
    }
    Objektzeile& o = Objekte[static_cast<std::size_t>(heim)];
    o.Zaehler() += 1;
    OB_Slots_verdichten(heim);
    const int typ = o.Typ();
    if (typ >= 0 && static_cast<std::size_t>(typ) < SBU_Objekte.size() &&
        SBU_Objekte[static_cast<std::size_t>(typ)].Platz - OB_Anzahl_Arbeiter(heim) == 2)
        WRU_Wohnraum_eintragen(o.Besitzer(), heim);
    if (o.Zustand() == 1) OM_Abriss(heim);
}

}  // namespace

int PM_Person_erzeugen(bool kind, int feld, int mutter, int clan) {
    if (!GU_Clan_gueltig(clan) || !MG_Feld_gueltig(feld)) {
        Fehler_melden("PM_Person_erzeugen > unbekannter Clan oder unbekanntes Feld: " + std::to_string(clan) +
                      "/" + std::to_string(feld));
        return -1;
    }
    if (Personen.size() < 2) Personen.resize(Personen_Startzeilen);
    const int letzte = static_cast<int>(Personen.size()) - 1;
    if (Personen_Suchstart < 0 || Personen_Suchstart > letzte) {
        Personen_Suchstart = 0;
        Fehler_melden("Schwerer Fehler 6: Die Engine hat sich verrechnet.");
    }
    int zeile = -1;
    for (int i = Personen_Suchstart; i <= letzte; ++i) {
        if (Personen[static_cast<std::size_t>(i)].Hunger() < 1) {
            zeile = i;
            break;
        }
    }
    if (zeile < 0) {
        Personen.resize(static_cast<std::size_t>(letzte) + Personen_Startzeilen);
        zeile = letzte + 1;
    }
    PM_Person_initialisieren(feld, zeile, mutter, clan, kind);
    Personen_Suchstart = zeile;
    if (zeile > Personen_hoechster_Index) Personen_hoechster_Index = zeile;
    return zeile;
}

void PM_Person_loeschen(int person) {
    if (!PM_Person_lebt(person)) {
        Fehler_melden("PM_Person_loeschen > keine lebende Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    const int clan = p.Spieler();
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("PM_Person_loeschen > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];

    // A person dies only when idle; should one ever die with an order, what the order
    // holds (a bought unit, a workplace's or site's wait for it) goes back first.
    if (p.AuftragID() >= 1) ZAU_Auftrag_freigeben(person);
    if (person < Personen_Suchstart) Personen_Suchstart = person;
    s.Alter_Summe() -= p.Alter();
    PM_Person_Glueck_chance(person, -p.Glueck());
    s.Unzufriedene() -= 1;
    if (p.Geschlecht() == 2 && p.Frauen_Indexplatz() != -1) IndexU_Item_Delet(2, 0, person);
    if (p.Geschlecht() == 2)
        s.Frauen() -= 1;
    else
        s.Maenner() -= 1;

    p.Hunger() = 0;
    WV -= 1;
    WAlt -= p.Alter();
    s.Mitglieder() -= 1;
    // The stored path goes with the person, so the store never loses a row.
    if (p.PfadID() >= 0) PFU_Path_loeschen(person);

    // The grave stands on the cell.
    if (MG_Feld_gueltig(p.Feld())) {
        Kartenfeld& k = Karte[static_cast<std::size_t>(p.Feld())];
        k.Person() = -1;
        k.Block() = 1;
        k.Ambiente() = SBU_ID_dead;
    } else {
        Fehler_melden("PM_Person_loeschen > unbekanntes Feld: " + std::to_string(p.Feld()));
    }

    PM_Erbe_verteilen(person);
    PM_Familie_austragen(person);
    if (p.HeimID() >= 0) heim_verlassen(person, p);
    s.Geburten_Trend() -= 1;
    if (clan == SpielerID) GUI_Info_add(250, p.Feld(), NGU_Personenname(person));
    GU_Clan_leer_pruefen(clan);
    if (person == Personen_hoechster_Index) PM_Hoechsten_Index_bestimmen();
}

void PM_Ziel_setzen(int person, int feld) {
    Personenzeile* p = PM_Zeile(person, "PM_Ziel_setzen");
    if (!p) return;
    if (p->PfadID() >= 0 && p->Zielfeld() != feld) PFU_Path_loeschen(person);
    p->Zielfeld() = feld;
}

void PM_Hoechsten_Index_bestimmen() {
    int i = std::min(Personen_hoechster_Index, static_cast<int>(Personen.size()) - 1);
    for (; i >= 0; --i) {
        if (Personen[static_cast<std::size_t>(i)].Hunger() >= 1) {
            Personen_hoechster_Index = Personen_Suchstart = i;
            return;
        }
    }
}

void PM_Personen_leeren() {
    Personen.clear();
    Personen_Suchstart = 0;
    Personen_hoechster_Index = -1;
    WV = WAlt = 0;
    // The first person of a new world is a man whatever the last game left, so the
    // same seed and set-up give the same world (a loaded game reads its own value).
    Geschlecht_Zaehler = 1;
}

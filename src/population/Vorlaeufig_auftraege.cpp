// stand-in until its unit lands
#include "population/Vorlaeufig_auftraege.h"

#include <cstddef>

#include "economy/Objekte.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "population/Befehlsliste.h"
#include "population/Personen.h"
#include "world/Karte.h"

namespace {

Objektzeile* zeile(int o) { return OM_Objekt_gueltig(o) ? &Objekte[static_cast<std::size_t>(o)] : nullptr; }

// The first slot of ware w, -1 when none.
int erster_slot(Objektzeile& z, int w) {
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (z.Slot_Ware(k) == w) return k;
    return -1;
}

int frei(int o, int w) {
    Objektzeile* z = zeile(o);
    if (!z) return 0;
    const int k = erster_slot(*z, w);
    return k < 0 ? 0 : z->Slot_Bestand(k) - z->Slot_Reserviert(k);
}

}  // namespace

bool OM_Ware_verfuegbar(int o, int w) { return frei(o, w) >= 1; }

bool OM_Ware_voll(int o, int w) {
    Objektzeile* z = zeile(o);
    return z && erster_slot(*z, w) >= 0 && frei(o, w) == 9;
}

bool OM_Rezept_verfuegbar(int o, int w) {
    if (w < 0 || static_cast<std::size_t>(w) >= SBU_Waren.size()) return false;
    for (const Waren_Menge& n : SBU_Waren[static_cast<std::size_t>(w)].Need)
        if (n.WarenID != -1 && frei(o, n.WarenID) < n.Menge) return false;
    return true;
}

void OM_Rezept_verbrauchen(int o, int w) {
    Objektzeile* z = zeile(o);
    if (!z || w < 0 || static_cast<std::size_t>(w) >= SBU_Waren.size()) return;
    for (const Waren_Menge& n : SBU_Waren[static_cast<std::size_t>(w)].Need) {
        const int k = n.WarenID == -1 ? -1 : erster_slot(*z, n.WarenID);
        if (k >= 0 && n.Menge > 0) z->Slot_Bestand(k) -= n.Menge;
    }
}

void OM_Ware_reservieren(int w, int o) {
    Objektzeile* z = zeile(o);
    if (!z) return;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (z->Slot_Ware(k) == w && z->Slot_Bestand(k) > 0 && z->Slot_Reserviert(k) < 9) {
            z->Slot_Reserviert(k) += 1;
            return;
        }
}

void OM_Ware_wird_nun_besorgt(int w, int o) {
    Objektzeile* z = zeile(o);
    if (!z) return;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (z->Slot_Ware(k) == w && z->Slot_Bestand(k) + z->Slot_Bestellt(k) < 9) {
            z->Slot_Bestellt(k) += 1;
            return;
        }
}

void OM_Warenslot_leeren(int o, int k) {
    Objektzeile* z = zeile(o);
    if (z && k >= 0 && k < Objekt_Warenslots && z->Slot_Ware(k) > -1 &&
        z->Slot_Bestand(k) > z->Slot_Reserviert(k))
        z->Slot_Bestand(k) = z->Slot_Reserviert(k);
}

void OM_Warenslot_freigeben(int o, int k) {
    Objektzeile* z = zeile(o);
    if (z && k >= 0 && k < Objekt_Warenslots && z->Slot_Ware(k) > -1 && z->Slot_Bestand(k) == 0 &&
        z->Slot_Bestellt(k) == 0 && z->Slot_Reserviert(k) == 0) {
        z->Slot_Ware(k) = 0;
        z->Slot_Raeumen(k) = -1;
    }
}

bool OM_Warenlager_leer(int o) {
    Objektzeile* z = zeile(o);
    if (!z) return true;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (z->Slot_Bestand(k) > 0 || z->Slot_Bestellt(k) > 0 || z->Slot_Reserviert(k) > 0) return false;
    return true;
}

bool OM_Lager_voll(int o) {
    Objektzeile* z = zeile(o);
    if (!z) return true;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (z->Slot_Ware(k) > -1 && z->Slot_Bestand(k) < 9) return false;
    return true;
}

bool OM_Slotmarke_gesetzt(int o, int k) {
    Objektzeile* z = zeile(o);
    return z && k >= 0 && k < Objekt_Warenslots && z->Slot_Raeumen(k) == 1;
}

bool PM_Hunger_pruefen(int person) {
    if (!PM_Person_gueltig(person)) return false;
    const Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    if (p.Hunger() >= 75) return false;
    return p.Alter() < 50 + Random(20);
}

bool PM_Person_stirbt(int) { return false; }
bool PM_Kind_gebaeren(int) { return false; }
void WRU_Wohnung_suchen(int) {}
bool EDU_Arbeitsamt_Edikt(int) { return false; }
bool EDU_Edikt_Arbeit_aktiv(int) { return false; }

bool ERU_Ernteauftrag_vergeben(int) { return false; }

int SchU_Naechster_Schutt(int, int) { return -1; }
int SchU_Schutt_Index(int) { return -1; }
void SchU_Schutt_entfernen(int) {}

int BPU_Bauplatz_pruefen(int, int) { return -1; }

void BPU_Baumaterial_geliefert(int ware, int objekt, int clan, int index) {
    Objektzeile* z = zeile(objekt);
    if (!z || clan < 0 || static_cast<std::size_t>(clan) >= JU_Befehlsliste.size()) return;
    const JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(clan)];
    if (index < 0 || index >= l.Anzahl) return;
    for (int k = 0; k < 4; ++k)
        if (z->Baumaterial_Ware(k) == ware) {
            z->Baumaterial_Rest(k) -= l.Befehle[static_cast<std::size_t>(index)].Menge;
            return;
        }
}
std::vector<int> BPU_PFU_Indexliste;

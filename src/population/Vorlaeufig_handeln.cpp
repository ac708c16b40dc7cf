// stand-in until its unit lands
#include "population/Vorlaeufig_handeln.h"

#include "economy/Objekte.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Karte.h"

namespace {

// The first goods slot of the object that holds the ware and passes the test; -1 none.
template <class Test>
int slot_mit(int ware, int objekt, Test test) {
    if (!OM_Objekt_gueltig(objekt)) return -1;
    Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (o.Slot_Ware(k) == ware && test(o, k)) return k;
    return -1;
}

}  // namespace

void PFU_Path_berechnen(int) {}
bool PFU_Feld_begehbar(int feld) {
    return MG_Feld_gueltig(feld) && Karte[static_cast<std::size_t>(feld)].LandType() >= 1 &&
           Karte[static_cast<std::size_t>(feld)].Block() < 2;
}

void SLB_Trampelpfad(int) {}

bool WU_Wachstumsauftrag_hinzufuegen(int, int, int, int, int, int) { return true; }

bool Hase_Loch_Kaninchen_abziehen(int) { return false; }

bool PM_Wartezaehler(int person, int grenze) {
    if (!PM_Person_gueltig(person)) return false;
    int& w = Personen[static_cast<std::size_t>(person)].Wartezaehler();
    w += Random(5);
    if (w <= grenze) return false;
    w = 0;
    return true;
}
void PM_Essen_Vitalitaet(int) {}
void PM_Luxus_Glueck(int, int, int) {}

void PM_Skill_trainieren(int, int) {}

void AU_Schritt_animieren(int) {}
void AU_Animation_gehen(int) {}
void AU_Animation_Arbeit_1(int) {}
void AU_Animation_Arbeit_7(int) {}
void AU_Animation_Arbeit_18(int) {}
void AU_Animation_Arbeit_20(int) {}
void AU_Animation_Arbeit_2(int) {}
void AU_Animation_tragen(int) {}

void OM_Ware_einlagern(int ware, int objekt) {
    const int k = slot_mit(ware, objekt, [](Objektzeile& o, int i) { return o.Slot_Bestand(i) < 10; });
    if (k < 0) return;
    Objekte[static_cast<std::size_t>(objekt)].Slot_Bestand(k) += 1;
    Objekte[static_cast<std::size_t>(objekt)].Slot_Bestellt(k) -= 1;
}
void OM_Ware_auslagern(int ware, int objekt) {
    const int k = slot_mit(ware, objekt, [](Objektzeile& o, int i) { return o.Slot_Bestand(i) > 0; });
    if (k < 0) return;
    Objekte[static_cast<std::size_t>(objekt)].Slot_Bestand(k) -= 1;
    Objekte[static_cast<std::size_t>(objekt)].Slot_Reserviert(k) -= 1;
}
bool OM_Ware_vorhanden(int ware, int objekt) {
    const int k = slot_mit(ware, objekt, [](Objektzeile&, int) { return true; });
    return k >= 0 && Objekte[static_cast<std::size_t>(objekt)].Slot_Bestand(k) >= 1;
}
void WarenAnschaffungsauftragentfernen(int ware, int objekt) {
    const int k = slot_mit(ware, objekt, [](Objektzeile& o, int i) { return o.Slot_Bestellt(i) > 0; });
    if (k >= 0) Objekte[static_cast<std::size_t>(objekt)].Slot_Bestellt(k) -= 1;
}
void OM_Produktion_abliefern(int, int, int, int, int) {}

void OM_Objekt_in_Betrieb_nehmen(int) {}

bool BPU_Bauplatz_belegen_pruefen(int, int) { return false; }
void BPU_Baustelle_anlegen(int, int, int) {}

bool ELE = false;

// stand-in until its unit lands
#include "population/Vorlaeufig_handeln.h"

#include "economy/Objekte.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Karte.h"

void PFU_Path_berechnen(int) {}
bool PFU_Feld_begehbar(int feld) {
    return MG_Feld_gueltig(feld) && Karte[static_cast<std::size_t>(feld)].LandType() >= 1 &&
           Karte[static_cast<std::size_t>(feld)].Block() < 2;
}

void SLB_Trampelpfad(int) {}

bool WU_Wachstumsauftrag_hinzufuegen(int, int, int, int, int, int) { return true; }

bool Hase_Loch_Kaninchen_abziehen(int) { return false; }

bool JU_Person_Job_Schritt(int) { return false; }

bool ELE = false;

// stand-in until its unit lands
#include "population/Vorlaeufig_personen.h"

void BU_Person_bewegen(int) {}
bool BU_Freien_Platz_aufsuchen(int) { return false; }
int OM_Hausneid_Verrechnen(int) { return 0; }
int OM_Wohnraum_vergeben(int, int, int, int) { return 0; }
bool OM_Lager_voll(int) { return false; }
bool OM_Freier_Arbeiter_vorhanden(int) { return false; }
bool OM_Besetzung_erlaubt(int) { return true; }
bool KI_Spieler_aktiv(int) { return false; }
void ESU_Mitglieder_pruefen(int) {}
void ESU_Personen_pruefen(int) {}
bool WU_Wachstumsauftrag_hinzufuegen(int, int, int, int, int, int) { return true; }

// stand-in until its unit lands
#include "population/Vorlaeufig_personen.h"

int OM_Hausneid_Verrechnen(int) { return 0; }
int OM_Wohnraum_vergeben(int, int, int, int) { return 0; }
bool OM_Lager_voll(int) { return false; }
bool OM_Freier_Arbeiter_vorhanden(int) { return false; }
bool OM_Besetzung_erlaubt(int) { return true; }

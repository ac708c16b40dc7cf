// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_panels.h"

void MOAktion(int, int, int) {}

void IFU_Statmenu_Liste_fuellen(const std::string&) {}

int IAU_Aktuelles_Edikt = 0;
int IAU_Auswahl_1 = 0;
int IAU_Auswahl_2 = 0;
void IAU_Text_umbrechen(const std::string&, int) {}
void IAU_Edikte_laden() {}

bool MO_Warenraster_waehlen(bool) { return false; }
bool MO_Statmenu_Waren_waehlen(bool) { return false; }
bool MO_Statmenu_Gruppe_waehlen(bool) { return false; }
bool MO_Baumenue_waehlen(bool) { return false; }
bool IFU_Edikt_Intraktiv_Mouse_over(bool) { return false; }

// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_aktionen.h"

bool InternetGetConnectedState() { return false; }

bool Schalterfenster_Optionen[27] = {};
int Minimap_Art = 0;

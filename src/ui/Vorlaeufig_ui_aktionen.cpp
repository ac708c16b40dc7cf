// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_aktionen.h"

bool InternetGetConnectedState() { return false; }

std::vector<int> IFU_Statmenu_Liste;

bool Schalterfenster_Optionen[27] = {};
int Minimap_Art = 0;

Spieler_element Lobby_Spieler[8];
bool IFU_Lobby_aktiv = false;

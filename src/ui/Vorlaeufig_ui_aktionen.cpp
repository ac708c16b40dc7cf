// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_aktionen.h"

ITP_Panel_Schalter_Item ITP_Panel_Schalter[ITP_Panel_Schalter_Anzahl];

void Panelanzeigen(int) {}
bool Objektinfo_offen = false, Schalterfenster1_offen = false, Schalterfenster2_offen = false,
     Schalterfenster3_offen = false;
bool Minimap_offen = false, Warenraster_offen = false, Fenster36_offen = false, Ediktfenster_offen = false;
int IFU_Statmenu_Auswahl = 1;
int IFU_Updateanzeige_Zaehler = 0;
std::vector<int> IFU_Statmenu_Liste;
void IFU_Statmenu_Liste_fuellen(const std::string&) {}

int MoPosEcht_X = 0, MoPosEcht_Y = 0, MoPosFenstermitte_X = 0, MoPosFenstermitte_Y = 0;
int Mouseoverfunktion_Wert = 0;

std::string TPU_Updatestatus[10];

bool InternetGetConnectedState() { return false; }

int Gewaehltes_Objekt = -1;
int Gewaehlter_Warenslot = 0;
bool Schalterfenster_Optionen[27] = {};
int Minimap_Art = 0;

Spieler_element Lobby_Spieler[8];
bool IFU_Lobby_aktiv = false;

// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_panels.h"

#include "foundation/Zeichenbreiten.h"

std::vector<Interface_Item> ITF_Elemente;
std::vector<std::array<int, 6>> ITF_Texturkoordinaten;

int TPU_Textbreite_Font1(std::string_view text) {
    int breite = 0;
    for (char c : text) breite += TPU_Zeichenbreiten_Font1[static_cast<unsigned char>(c)];
    return breite;
}
void TPU_2D_Modus() {}
void TPU_Ladestatus_add(const std::string&) {}
void TPU_Ladestatus_leeren() {}

void Showtext() {}

void MOAktion(int, int, int) {}

void IFU_Statmenu_Liste_fuellen(const std::string&) {}

std::vector<Edikt_Data> IAU_Edikte;
int IAU_Aktuelles_Edikt = 0;
int IAU_Auswahl_1 = 0;
int IAU_Auswahl_2 = 0;
void IAU_Text_umbrechen(const std::string&, int) {}
void IAU_Edikte_laden() {}

int BrU_Brief_lesen(int, int, int) { return -1; }

int LSU_Spielstand_Letzter = -1;

bool CLT = false;

bool MO_Warenraster_waehlen(bool) { return false; }
bool MO_Statmenu_Waren_waehlen(bool) { return false; }
bool MO_Statmenu_Gruppe_waehlen(bool) { return false; }
bool MO_Baumenue_waehlen(bool) { return false; }
bool IFU_Edikt_Intraktiv_Mouse_over(bool) { return false; }

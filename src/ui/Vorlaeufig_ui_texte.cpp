// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_texte.h"

std::vector<ITP_Text_R> ITP_Texte;
int ITP_aktives_Panel_ID() { return -1; }

int Mouseoverfunktion_Wert = 0;
int Sichtliste_Index_unter_Maus = 0, Sichtliste_Art_unter_Maus = 0;
int Gewaehltes_Objekt = -1;
int MO_Objekt_unter_Maus = -1, MO_Objektart_unter_Maus = 0;
int MO_Info_Index = -1;

std::array<int, 8> TPU_Rangliste{-1, -1, -1, -1, -1, -1, -1, -1};
void TPU_Rangliste_berechnen() {}

std::vector<Edikt_Data> IAU_Edikte;
std::vector<std::string> IAU_Textzeilen;

std::array<LSU_Spielstand, 10> LSU_Spielstandliste;
int LSU_Spielstand_Letzter = -1;

int JU_Auftrag_Text(int, int, int) { return -1; }

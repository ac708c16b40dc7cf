// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_overlay.h"

std::vector<std::string> TPU_Edikt_Effektzeilen;
void TPU_Edikt_Effekt_Text(int, int) {}

int Minimap_Art = 0;
std::array<Spieler_element, 8> Lobby_Spieler;

Index Arbeiter_Index;
Index SpArbeiter_Index;

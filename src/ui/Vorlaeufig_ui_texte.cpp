// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_texte.h"

std::array<int, 8> TPU_Rangliste{-1, -1, -1, -1, -1, -1, -1, -1};
void TPU_Rangliste_berechnen() {}

std::vector<Edikt_Data> IAU_Edikte;
std::vector<std::string> IAU_Textzeilen;

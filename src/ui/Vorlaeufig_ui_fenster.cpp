// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_fenster.h"

std::array<bool, 27> Schalterfenster_Optionen{};
int Minimap_Art = 0;
std::array<int, 8> TPU_Rangliste = {-1, -1, -1, -1, -1, -1, -1, -1};

// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_panels.h"

void IFU_Statmenu_Liste_fuellen(const std::string&) {}

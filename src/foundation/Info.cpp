#include "foundation/Info.h"

bool GUI_Ge = true, GUI_To = true, GUI_Ab = true, GUI_Ei = true, GUI_FO = true, GUI_KT = true, GUI_KS = true,
     GUI_FS = true, GUI_Au = true, GUI_Cl = true, GUI_Me = true, GUI_In = true;

// The message stream comes with the foundation work.
void GUI_Info_add(int, int, const std::string&) {}
void GUI_Info_Tick() {}
void GUI_Info_leeren() {}

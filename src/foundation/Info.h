#pragma once
// Timed info messages.
#include <string>

// Category switches of the messages; GUI_In holds a message the mouse rests on.
extern bool GUI_Ge, GUI_To, GUI_Ab, GUI_Ei, GUI_FO, GUI_KT, GUI_KS, GUI_FS, GUI_Au, GUI_Cl, GUI_Me, GUI_In;

void GUI_Info_add(int event, int wert, const std::string& text);
// Counts the messages down once per frame.
void GUI_Info_Tick();
// Removes every message (world reset).
void GUI_Info_leeren();

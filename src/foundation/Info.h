#pragma once
// Timed info messages.
#include <string>

void GUI_Info_add(int event, int wert, const std::string& text);
// Counts the messages down once per frame.
void GUI_Info_Tick();

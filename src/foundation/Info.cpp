#include "foundation/Info.h"

// The message stream comes with the foundation work.
void GUI_Info_add(int, int, const std::string&) {}
void GUI_Info_Tick() {}

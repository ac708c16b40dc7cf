#pragma once
// Save games.
#include <string>

// The name typed in the save panel.
extern std::string LSU_Speichername;
// The name the next quick save is written under.
extern std::string LSU_Letzter_Speichername;

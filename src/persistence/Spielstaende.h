#pragma once
// Save games.
#include <string>

// The name typed in the save panel.
extern std::string LSU_Speichername;

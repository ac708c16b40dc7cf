// stand-in until its unit lands
#pragma once
// Globals of other interface units that the panel drawing and the in-game
// windows read: the main form's window content, the ranking and the
// interactive edicts. Each keeps the name its own unit gives it;
// Vorlaeufig_ui_fenster.cpp holds their start values.
#include <array>

// The edict record and the edict window's choices.
#include "ui/Vorlaeufig_ui_panels.h"

// The 27 options of the three toggle windows.
extern std::array<bool, 27> Schalterfenster_Optionen;
// The minimap kind shown, 0..3.
extern int Minimap_Art;
// Place p + 1: the clan row ranked there, -1 empty.
extern std::array<int, 8> TPU_Rangliste;

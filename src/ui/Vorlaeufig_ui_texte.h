#pragma once
// stand-in until its unit lands
//
// Tables, globals and routines of other units that the text writers read. Each
// keeps the name and meaning its own unit gives it; the definitions in
// Vorlaeufig_ui_texte.cpp hold the empty start state and the harmless minimum.
#include <array>
#include <string>
#include <vector>

#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "population/Arbeitsauftraege.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"

// --- Ranking and interactive edicts: their own units --------------------------------
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"

// stand-in until its unit lands
#pragma once
// Routines and globals of other units that the panels, the panel switching and
// the mouse dispatcher use. Each has a harmless body here until its own unit is
// built.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "ui/Textausgabe.h"
#include "ui/Vorlaeufig_ui_texte.h"
#include "world/Kartengenerator.h"

// --- Statistics menu ------------------------------------------------------------------
// Fills the statistics list with the goods of the group.
void IFU_Statmenu_Liste_fuellen(const std::string& gruppe);

// --- Action executor, interactive edicts and window mouse handlers: their own units ----
#include "ui/Aktionen.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"

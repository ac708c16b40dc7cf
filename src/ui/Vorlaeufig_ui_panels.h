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

// --- Action executor ------------------------------------------------------------------
void MOAktion(int info, int aktion, int parameter);

// --- Statistics menu ------------------------------------------------------------------
// Fills the statistics list with the goods of the group.
void IFU_Statmenu_Liste_fuellen(const std::string& gruppe);

// --- Interactive edicts -----------------------------------------------------------------
extern int IAU_Aktuelles_Edikt;
extern int IAU_Auswahl_1;
extern int IAU_Auswahl_2;
void IAU_Text_umbrechen(const std::string& text, int maxBreite);
void IAU_Edikte_laden();

// --- Mouse handlers of the in-game windows --------------------------------------------------
// Each tests its window's boxes, sets the tooltip and on a click carries out the
// choice; true when the mouse was over one of them.
bool MO_Warenraster_waehlen(bool click);
bool MO_Statmenu_Waren_waehlen(bool click);
bool MO_Statmenu_Gruppe_waehlen(bool click);
bool MO_Baumenue_waehlen(bool click);
bool IFU_Edikt_Intraktiv_Mouse_over(bool click);

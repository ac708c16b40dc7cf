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

// --- Ranking -----------------------------------------------------------------------

// Clan rows in ranking order, -1 an empty place.
extern std::array<int, 8> TPU_Rangliste;
void TPU_Rangliste_berechnen();

// --- Interactive edicts ------------------------------------------------------------

struct Gesetz_Data {
    std::string Titel;
    std::string Text;
    int Count = -1;
};

struct Edikt_Data {
    std::string Titel;
    std::string Text;
    std::string Trigger;
    int Count = -1;  // last law index
    std::vector<Gesetz_Data> Gesetze;
    int Timestep = -1;  // last duration index
    std::vector<int> Zeiten;
};

extern std::vector<Edikt_Data> IAU_Edikte;
// The text of the edict on show, wrapped into lines.
extern std::vector<std::string> IAU_Textzeilen;

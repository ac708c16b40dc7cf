// stand-in until its unit lands
#pragma once
// Routines and globals of other units that the text overlay, the tooltips and
// the debug pages read. Each has a harmless body in Vorlaeufig_ui_overlay.cpp
// until its own unit is built.
#include <array>
#include <string>
#include <vector>

#include "economy/Vorlaeufig_objekte.h"  // Index, SingelFrau_Index

// --- Interactive edicts ---------------------------------------------------------------
// Defined with the edict stand-in of the panels.
extern int IAU_Aktuelles_Edikt;
extern std::vector<std::string> TPU_Edikt_Effektzeilen;
void TPU_Edikt_Effekt_Text(int Edikt, int Gesetz);

// --- Window content of the main form ---------------------------------------------------
extern int Minimap_Art;
struct Spieler_element {
    int Rot = 0, Gruen = 0, Blau = 0;
    std::string Name;
    bool Aktiv = false;
    int Bonus1 = 0, Bonus2 = 0;
};
extern std::array<Spieler_element, 8> Lobby_Spieler;

// --- Person indexes -------------------------------------------------------------------
extern Index Arbeiter_Index;
extern Index SpArbeiter_Index;

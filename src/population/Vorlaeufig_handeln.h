// stand-in until its unit lands
#pragma once
// Routines and globals of other units that movement, goal actions and harbour
// jobs call. Each has a do-nothing body here until its own unit is built.
#include <vector>

#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Animation.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"

// --- Pathfinding ---------------------------------------------------------------
// Computes and stores a detour for the person from its cell to its target, or stores nothing.
void PFU_Path_berechnen(int person);
// Land (level 1 or more) whose Karte.Block is below 2.
bool PFU_Feld_begehbar(int feld);

// --- Footpaths -------------------------------------------------------------------
void SLB_Trampelpfad(int person);

// --- Growth orders ---------------------------------------------------------------
bool WU_Wachstumsauftrag_hinzufuegen(int art, int zaehler, int feld, int spieler, int objekt, int ware);

// --- Rabbits ---------------------------------------------------------------------
// Takes one rabbit from the hole at the cell; false when the hole was emptied and removed.
bool Hase_Loch_Kaninchen_abziehen(int feld);

// --- Job step of idle persons ----------------------------------------------------
bool JU_Person_Job_Schritt(int person);

// --- Single-game set-up ------------------------------------------------------------
// Endless ore: mining never lowers the land.
extern bool ELE;

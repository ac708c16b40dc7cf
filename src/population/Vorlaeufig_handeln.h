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
#include "world/Hasen.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"

// --- Job step of idle persons ----------------------------------------------------
bool JU_Person_Job_Schritt(int person);

// --- Single-game set-up ------------------------------------------------------------
// Endless ore: mining never lowers the land.
extern bool ELE;

#pragma once
// stand-in until its unit lands
//
// Routines and lists of other units that the object, construction-site and
// rubble units call. The bodies in Vorlaeufig_objekte.cpp do the harmless
// minimum; the owning units replace them.
#include "economy/Haefen.h"
#include "economy/KI.h"
#include "economy/Schiffe.h"
#include "economy/Vorlaeufig_ki.h"
#include "foundation/Personenindex.h"
#include "population/Personen_Leben.h"
#include "population/Vorlaeufig_handeln.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Wachstum.h"

// --- Order lists ------------------------------------------------------------------

// Withdraws the open material orders of the object's site.
void JU_Materialauftraege_streichen(int objekt);

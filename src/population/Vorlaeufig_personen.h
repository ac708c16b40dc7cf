#pragma once
// stand-in until its unit lands
// Routines of other units that the person step, the registers and the edicts call.
#include "economy/Errungenschaften.h"
#include "economy/KI.h"
#include "population/Bewegung.h"
#include "population/Vorlaeufig_handeln.h"

// Houses: the house's prestige relative to the best house.
int OM_Hausneid_Verrechnen(int objekt);
// Houses: a couple moves into the house at position platz of the clan's housing list;
// 1 when a couple moved in, 0 without room, 2 otherwise.
int OM_Wohnraum_vergeben(int clan, int platz, int mann, int objekt);

// Goods stock: every used goods slot holds at least 9.
bool OM_Lager_voll(int objekt);
// Goods stock: one of the building's workers is idle and available.
bool OM_Freier_Arbeiter_vorhanden(int objekt);
// Goods stock: the staffing allows another worker.
bool OM_Besetzung_erlaubt(int objekt);

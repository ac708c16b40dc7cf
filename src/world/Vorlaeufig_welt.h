#pragma once
// stand-in until its unit lands
//
// Routines and globals of other units that the world units call. Each keeps the
// name and parameters its own unit gives it; the bodies in Vorlaeufig_welt.cpp
// do the harmless minimum.
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"

// Construction orders: clean-up when a plant of a growth order disappears.
void JU_Pflanze_Auftrag_beenden(int ware, int pflanzenfeld, int gebaeudefeld);

// The interface's hover function of the frame.
extern int Mouseoverfunktion_Nummer;

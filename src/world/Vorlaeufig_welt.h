#pragma once
// stand-in until its unit lands
//
// Routines and globals of other units that the world units call. Each keeps the
// name and parameters its own unit gives it; the bodies in Vorlaeufig_welt.cpp
// do the harmless minimum.
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "population/Bauauftraege.h"

// The interface's hover function of the frame.
extern int Mouseoverfunktion_Nummer;

// stand-in until its unit lands
#pragma once
//
// Routines of units that other work fills in: the save driver calls them by
// their names. Writers answer false when their file could not be written;
// loaders read only a file that exists.
#include <string>

#include "economy/Diagramm.h"
#include "economy/Haefen.h"
#include "economy/Schiffe.h"
#include "economy/Schutt.h"
#include "economy/Warenstatistik.h"
#include "foundation/Personenindex.h"
#include "population/Animation.h"
#include "population/Arbeitsamt.h"
#include "population/Befehlsliste.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Wachstum.h"

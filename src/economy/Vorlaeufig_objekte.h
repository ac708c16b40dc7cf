#pragma once
// stand-in until its unit lands
//
// Routines and lists of other units that the object, construction-site and
// rubble units call. The bodies in Vorlaeufig_objekte.cpp do the harmless
// minimum; the owning units replace them.
#include "economy/Haefen.h"
#include "economy/KI.h"
#include "economy/Schiffe.h"
#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Objekte.h"
#include "economy/Warenstatistik.h"
#include "foundation/Personenindex.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "population/Befehlsliste.h"
#include "population/Personen_Leben.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Jobschritt.h"
#include "population/Personen_Skills.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Wachstum.h"

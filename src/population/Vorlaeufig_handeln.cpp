// stand-in until its unit lands
#include "population/Vorlaeufig_handeln.h"

#include "economy/Objekte.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Karte.h"

bool JU_Person_Job_Schritt(int) { return false; }

bool ELE = false;

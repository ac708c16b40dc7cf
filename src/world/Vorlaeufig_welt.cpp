// stand-in until its unit lands
#include "world/Vorlaeufig_welt.h"

int Mouseoverfunktion_Nummer = 0;

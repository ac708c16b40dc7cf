// stand-in until its unit lands
#include "persistence/Vorlaeufig_persistenz.h"

void IndexU_Index_neu_aufbauen() {}

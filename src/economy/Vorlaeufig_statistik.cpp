// stand-in until its unit lands
#include "economy/Vorlaeufig_statistik.h"

int Waren_Anzeigeindex = 0;

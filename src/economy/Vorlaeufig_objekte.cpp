// stand-in until its unit lands
#include "economy/Vorlaeufig_objekte.h"

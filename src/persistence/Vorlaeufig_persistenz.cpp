// stand-in until its unit lands
#include "persistence/Vorlaeufig_persistenz.h"

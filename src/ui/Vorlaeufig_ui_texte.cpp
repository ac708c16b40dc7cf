// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_texte.h"

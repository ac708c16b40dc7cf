#include "economy/KI.h"

// The computer players come with the computer player work.
int KI_aktueller_Spieler = 0;

void KIU_KI_Manager() {}

#include "population/Edikte.h"

// The edicts come with the edict work.
void EDU_Edikte_initialisieren() {}
void EDU_Zuruecksetzen() {}
void EDU_Edikte_monatlich() {}

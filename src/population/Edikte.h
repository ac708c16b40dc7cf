#pragma once
// Edicts: per-clan edict state and the timed edicts.
// One edict record per clan row (new world, loaded game).
void EDU_Edikte_initialisieren();
void EDU_Zuruecksetzen();
// The monthly countdown of the timed edicts (the step after the month turned).
void EDU_Edikte_monatlich();

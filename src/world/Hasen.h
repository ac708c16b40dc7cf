#pragma once
// Rabbits: the holes on the map, their rabbits and the hunt.

// The good that hunting yields: set by the building template whose slot uses
// "Kaninchenabbau"; -1 while no template names one.
extern int Hasen_WarenID;

void Hase_Tick();
void Hase_Loecher_loeschen();

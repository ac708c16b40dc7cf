#pragma once
// Rabbits: the holes on the map, their rabbits and the hunt.

// The good that hunting yields: set by the building template whose slot uses
// "Kaninchenabbau"; -1 while no template names one.
extern int Hasen_WarenID;

void Hase_Tick();
void Hase_Loecher_loeschen();
// Creates a hole at the cell; its rabbit starts outside at herkunft.
void Hase_Loch_anlegen(int feld, int herkunft);
// Reads the rabbit limits from Daten\Mod.ini.
void Hase_Mod_ini_lesen();

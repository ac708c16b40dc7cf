#pragma once
// Rabbits and their holes.
void Hase_Tick();
void Hase_Loecher_loeschen();
// Creates a hole at the cell; its rabbit starts outside at herkunft.
void Hase_Loch_anlegen(int feld, int herkunft);
// Reads the rabbit limits from Daten\Mod.ini.
void Hase_Mod_ini_lesen();

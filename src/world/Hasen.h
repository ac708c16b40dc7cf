#pragma once
// Rabbits and their holes.
void Hase_Tick();
void Hase_Loecher_loeschen();

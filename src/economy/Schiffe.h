#pragma once
// The clans' flying ships.
void Schiff_Tick();
void Schiff_Liste_leeren();

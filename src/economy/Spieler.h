#pragma once
// The clans.

// The row of the human player (the viewed clan).
extern int SpielerID;
// Start phase of a clan (1 while it places its start building); 0 for a row that does not exist.
int Spieler_Startphase(int clan);
void GU_Spieler_wechseln(bool aufwaerts);
void GU_KI_umschalten(int clan);

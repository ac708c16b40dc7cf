#pragma once
// The islands: the island table and each clan's presence on the islands.
void IU_Inseln_loeschen();
// Sets every island free (after generation and once a year).
void IU_Inseln_freigeben();
// Adds n (may be negative) to the clan's presence on the island.
void IU_Spieler_auf_Insel_addieren(int insel, int clan, int n);

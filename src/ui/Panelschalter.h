#pragma once
// Panel switching: the one place that opens a script panel or an in-game
// window. Every switch closes all of them first, so at most one is open.

// The goods-slot clearing dialog (window 34) is open.
extern bool IFU_Iconleiste_aktiv;
// Frames left to show the update error panel.
extern int IFU_Updateanzeige_Zaehler;
// The entry chosen in the statistics menu.
extern int IFU_Statmenu_Auswahl;

// Closes every panel and in-game window, then opens the one of that number
// (0..64) and prepares what it shows. A number without a panel is reported.
void Panelanzeigen(int Nummer);
// Closes every named panel and in-game window (the first half of Panelanzeigen).
void IFU_Alles_schliessen();
// The switches of this unit back to their start values (tests, a new run).
void IFU_Panelschalter_zuruecksetzen();

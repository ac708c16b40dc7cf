#pragma once
// Statistics series per clan (a ring of 65 yearly slots) and their charts.

// The current slot of the ring (0..64, starts at 1).
extern int DiaU_Startpunkt;

// Sizes the series to the clan rows and the goods templates.
void DiaU_Init();
// Empties the series (world reset).
void DiaU_Leeren();
// The yearly step.
void DiaU_Zeitschritt();
void DiaU_Chart_erstellen(int kategorie, int reihe);
// Adds wert to the stock (group 1) or intake (group 2) series of the ware at the slot.
void DiaU_Ware_set_Wert(int clan, int ware, int slot, int wert);
void DiaU_Zugang_set_Wert(int clan, int ware, int slot, int wert);

#pragma once
// The housing register: per clan the houses that still have room.
void WRU_Zuruecksetzen();
void WRU_Wohnraum_eintragen(int clan, int objekt);
void WRU_Wohnraum_von_Objekt_austragen(int objekt);

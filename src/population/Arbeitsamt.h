#pragma once
// The employment office: per clan the buildings with a free worker slot.
void AAU_Zuruecksetzen();
void AAU_Stelle_eintragen(int clan, int objekt);
void AAU_Stelle_austragen(int clan, int position);
// Position of the object in the clan's list, or -1.
int AAU_Position_von_Objekt(int clan, int objekt);
// An unemployed person for the object, or -1.
int AAU_Arbeitslosen_suchen(int objekt);
bool AAU_Stelle_besetzen(int person, int position);

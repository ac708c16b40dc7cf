#pragma once
// Putting objects into service, housing and demolition: a site whose last
// material arrived becomes a working building (counters, housing, harbour,
// worker and goods slots, the build-up of houses and start buildings), houses
// take in couples, and a demolished object is emptied step by step before it
// becomes a decaying ruin.

// The highest envy value of any house finished so far.
extern int Hausneid;

// Clearing mark of goods slot k (0..5); any other k does nothing (and tests false).
void OM_Slotmarke_setzen(int o, int k);
void OM_Slotmarke_loeschen(int o, int k);
bool OM_Slotmarke_gesetzt(int o, int k);

// Called after every material delivery and by the site creation; nothing while material is missing.
void OM_Objekt_in_Betrieb_nehmen(int o);
// Worker slots and goods slots of the building type.
void OM_Slots_Arbeiter_einrichten(int o, int typ);
void OM_Slots_Waren_einrichten(int o, int typ);

// Looks for a single woman near the house for the man and marries her; true when married.
bool OM_Person_in_Naehe_aufnehmen(int o, int mann);
// The house takes in the man and a wife: 0 no room, 1 a couple moved in, 2 none found.
// The house leaves the clan's housing list at position platz once it is full.
int OM_Wohnraum_vergeben(int clan, int platz, int mann, int o);
// The house's envy value relative to the best house so far.
int OM_Hausneid_Verrechnen(int o);

// One demolition step; 1 when the object became a ruin in this call.
int OM_Abriss(int objekt);
// A finished house in which members still live refuses demolition (a demolition step leaves
// it as it is).
bool OM_Abriss_verweigert(int objekt);

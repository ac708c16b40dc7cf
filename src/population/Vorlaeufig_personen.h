#pragma once
// stand-in until its unit lands
// Routines of other units that the person step, the registers and the edicts call.

// Movement: the per-step walk, goal action or job step of a person.
void BU_Person_bewegen(int person);
// Movement: sends a person on an occupied cell to a free spot; true when it walks.
bool BU_Freien_Platz_aufsuchen(int person);

// Houses: the house's prestige relative to the best house.
int OM_Hausneid_Verrechnen(int objekt);
// Houses: a couple moves into the house at position platz of the clan's housing list;
// 1 when a couple moved in, 0 without room, 2 otherwise.
int OM_Wohnraum_vergeben(int clan, int platz, int mann, int objekt);

// Goods stock: every used goods slot holds at least 9.
bool OM_Lager_voll(int objekt);
// Goods stock: one of the building's workers is idle and available.
bool OM_Freier_Arbeiter_vorhanden(int objekt);
// Goods stock: the staffing allows another worker.
bool OM_Besetzung_erlaubt(int objekt);

// Computer players: the clan is computer-controlled and has members.
bool KI_Spieler_aktiv(int clan);

// Achievements: member milestones of a clan; the age of a person at its birthday.
void ESU_Mitglieder_pruefen(int clan);
void ESU_Personen_pruefen(int person);

// Growth orders: appends a record.
bool WU_Wachstumsauftrag_hinzufuegen(int art, int zaehler, int feld, int spieler, int objekt, int ware);

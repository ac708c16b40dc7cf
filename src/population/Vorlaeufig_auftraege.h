// stand-in until its unit lands
#pragma once
// Routines and lists of other units that the job units call, declared here
// until their own units provide them.
#include <vector>

// --- Goods stock of objects -------------------------------------------------------
bool OM_Ware_verfuegbar(int o, int w);
bool OM_Ware_voll(int o, int w);
bool OM_Rezept_verfuegbar(int o, int w);
void OM_Rezept_verbrauchen(int o, int w);
void OM_Ware_reservieren(int w, int o);
void OM_Ware_wird_nun_besorgt(int w, int o);
void WarenAnschaffungsauftragentfernen(int w, int o);
void OM_Warenslot_leeren(int o, int k);
void OM_Warenslot_freigeben(int o, int k);
bool OM_Warenlager_leer(int o);
bool OM_Lager_voll(int o);
// --- Clearing marks of goods slots --------------------------------------------------
bool OM_Slotmarke_gesetzt(int o, int k);

// --- Persons -------------------------------------------------------------------------
bool PM_Hunger_pruefen(int person);
bool PM_Person_stirbt(int person);
bool PM_Kind_gebaeren(int person);
void WRU_Wohnung_suchen(int person);
bool EDU_Arbeitsamt_Edikt(int person);
bool EDU_Edikt_Arbeit_aktiv(int clan);

// --- Harvest orders and rabbits ------------------------------------------------------
bool ERU_Ernteauftrag_vergeben(int person);
int Hase_Loch_suchen(int feld, int grenze, bool reservieren);

// --- Rubble list ----------------------------------------------------------------------
int SchU_Naechster_Schutt(int feld, int reichweite);
int SchU_Schutt_Index(int feld);
void SchU_Schutt_entfernen(int index);

// --- Construction sites ----------------------------------------------------------------
int BPU_Bauplatz_pruefen(int anker, int typ);
void BPU_Baumaterial_geliefert(int ware, int objekt, int clan, int index);
// Developer overlay of the path and fishing searches.
extern std::vector<int> BPU_PFU_Indexliste;

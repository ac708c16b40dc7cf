// stand-in until its unit lands
#pragma once
// Routines and globals of other units that movement, goal actions and harbour
// jobs call. Each has a do-nothing body here until its own unit is built.
#include <vector>

#include "economy/Haefen.h"
#include "population/Jobschritt.h"

// --- Pathfinding ---------------------------------------------------------------
// Computes and stores a detour for the person from its cell to its target, or stores nothing.
void PFU_Path_berechnen(int person);
// Land (level 1 or more) whose Karte.Block is below 2.
bool PFU_Feld_begehbar(int feld);

// --- Footpaths -------------------------------------------------------------------
void SLB_Trampelpfad(int person);

// --- Growth orders ---------------------------------------------------------------
bool WU_Wachstumsauftrag_hinzufuegen(int art, int zaehler, int feld, int spieler, int objekt, int ware);

// --- Rabbits ---------------------------------------------------------------------
// Takes one rabbit from the hole at the cell; false when the hole was emptied and removed.
bool Hase_Loch_Kaninchen_abziehen(int feld);

// --- Person step and life cycle ---------------------------------------------------
// Raises the wait counter by 0..4; true (and the counter back to 0) when it then exceeds grenze.
bool PM_Wartezaehler(int person, int grenze);
void PM_Essen_Vitalitaet(int person);
void PM_Luxus_Glueck(int person, int wert, int objekt);

// --- Skills ----------------------------------------------------------------------
void PM_Skill_trainieren(int ware, int person);

// --- Person animation ------------------------------------------------------------
void AU_Schritt_animieren(int person);
void AU_Animation_gehen(int person);
void AU_Animation_Arbeit_1(int person);
void AU_Animation_Arbeit_7(int person);
void AU_Animation_Arbeit_18(int person);
void AU_Animation_Arbeit_20(int person);
void AU_Animation_Arbeit_2(int person);
void AU_Animation_tragen(int person);

// --- Goods stock of objects ------------------------------------------------------
void OM_Ware_einlagern(int ware, int objekt);
void OM_Ware_auslagern(int ware, int objekt);
bool OM_Ware_vorhanden(int ware, int objekt);
void WarenAnschaffungsauftragentfernen(int ware, int objekt);
void OM_Produktion_abliefern(int ware, int objekt, int clan, int person, int feld);

// --- Putting objects into service -------------------------------------------------
void OM_Objekt_in_Betrieb_nehmen(int objekt);

// --- Site placement and creation -------------------------------------------------
bool BPU_Bauplatz_belegen_pruefen(int anker, int typ);
void BPU_Baustelle_anlegen(int anker, int typ, int clan);

// --- Single-game set-up ------------------------------------------------------------
// Endless ore: mining never lowers the land.
extern bool ELE;

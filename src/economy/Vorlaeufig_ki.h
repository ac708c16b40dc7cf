#pragma once
// stand-in until its unit lands
//
// Routines and tables of other units that the computer players, the ships, the
// harbours and the person and ship drawing call. Each body does the harmless
// minimum (false, -1, 0, nothing).
#include <vector>

#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Warenstatistik.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"

// --- Construction sites -------------------------------------------------------

// Releases a planned footprint.
void BPU_Bauplatz_aufheben(int anker, int typ);
// Occupies the footprint; false while a person stands on it.
bool BPU_Bauplatz_belegen(int anker, int typ);
// Levels, occupies, creates and completes a site at once.
void BPU_Baustelle_komplett_planieren(int anker, int typ, int clan);

// --- Goods stock of objects -------------------------------------------------------

bool OM_Ware_vorhanden(int ware, int objekt);
void OM_Ware_einlagern(int ware, int objekt);
void OM_Ware_auslagern(int ware, int objekt);
void WarenAnschaffungsauftragentfernen(int ware, int objekt);

// --- Rabbits ------------------------------------------------------------------------

struct Hasenloch {
    int X = 0, Y = 0;
    int Brutzaehler = 0;
    bool Draussen = false;
    bool Reserviert = false;
    int Anzahl = 0;
    int Start = 0;
    int Timer = 0;
    int Schritt = 0;
    int Position = 0;
};

extern std::vector<Hasenloch> Hase_Loecher;
extern int Hase_Anzahl;
// The nearest usable hole on the cell's island nearer than limit; -1 when none.
int Hase_Loch_suchen(int feld, int limit, bool reservieren);

// --- Person animation ---------------------------------------------------------------

// The global animation phase 0..5.
extern int Animationsphase;

#pragma once
// stand-in until its unit lands
//
// Routines and tables of other units that the computer players, the ships, the
// harbours and the person and ship drawing call. Each body does the harmless
// minimum (false, -1, 0, nothing).
#include <vector>

#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Objekte.h"
#include "economy/Errungenschaften.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "world/Hasen.h"

// --- Order lists --------------------------------------------------------------

// One order of a clan's order list: code, cell, building type, ware, wage, amount.
struct Job_Befehl {
    int Befehl = 0;
    int Feld = 0;
    int Typ = 0;
    int Ware = 0;
    int Lohn = 0;
    int Menge = 0;
};

// The order list of one clan: entries 0 .. Anzahl - 1 are orders.
struct JU_Befehle {
    int Anzahl = 0;
    std::vector<Job_Befehl> Befehle;
};

// Indexed by clan.
extern std::vector<JU_Befehle> JU_Befehlsliste;

void JU_Befehl_eintragen(int befehl, int spieler, int feld, int typ, int ware, int lohn, int menge);
// Moves the last order into the given index.
void JU_Befehl_entfernen(int spieler, int index);
// Order sources of an idle ship; true when the ship took an order.
bool JU_Schiffsauftrag(int schiff);
bool JU_Schiff_beladen(int schiff);
bool JU_Hafenjob_vergeben(int schiff);

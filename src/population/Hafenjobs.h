#pragma once
// Harbour jobs: a fresh table of one clan's harbour stocks per good, from which
// an idle ship is given the good whose surplus in the best-stocked harbour most
// exceeds the need in the worst-stocked one.
#include <vector>

struct Hafenjob {
    // Lowest stock plus ordered among the harbours with a slot for the good, at most 10.
    int Bedarf = 0;
    // Object row of that harbour; -1 while no harbour needs the good.
    int Zielhafen = 0;
    // Highest stock minus reserved among those harbours, at least 0.
    int Ueberschuss = 0;
    // Object row of that harbour; -1 while no harbour has any to spare.
    int Quellhafen = 0;
    bool angelegt = false;
};

// The record of good w at index w - 1; as long as the highest good seen.
extern std::vector<Hafenjob> Hafenjob_Liste;

// Fills the table from the harbours of the clan.
void HJU_Hafenjobs_erstellen(int clan);
// The good to carry (the largest surplus over need, above 1), or -1.
int HJU_Naechster_Hafenjob();
// Empties the table.
void HJU_Zuruecksetzen();
// Makes sure the record of good w exists and is initialised.
void HJU_Ware_anlegen(int ware);

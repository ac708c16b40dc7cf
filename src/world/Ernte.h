#pragma once
// Harvest orders: a ripe plant or a trap with a catch waits, in a list per
// building, for a worker of the building that planted it.
#include <string>
#include <vector>

// One order; the fields in this order are also the fields of a line of the save file.
struct Ernteauftrag {
    int Auftrag = 0;     // order code for the worker: 150 harvest a plant, 650 empty a trap
    int Spieler = -1;    // owning clan
    int Gebaeude = -1;   // anchor cell of the building
    int Reserve = 0;     // always 0
    int Ware = -1;       // the good to bring in
    int Feld = -1;       // the cell to harvest
    int Gebaeude2 = -1;  // the building's anchor cell again: where the worker delivers
};

// The orders of one building; only the first Anzahl are valid.
struct Ernteliste {
    int Anzahl = 0;
    std::vector<Ernteauftrag> Auftraege;
};

// Indexed by object row.
extern std::vector<Ernteliste> ERU_Ernteauftraege;

// Appends an order to the list of the object anchored at cell gebaeude.
void ERU_Ernteauftrag_hinzufuegen(int auftrag, int spieler, int gebaeude, int reserve, int ware, int feld,
                                  int gebaeude2);
// Hands the first order of the person's workplace to the person; false when there is none.
bool ERU_Ernteauftrag_vergeben(int person);
// Drops every order of a building being demolished, clearing the harvest cells.
void ERU_Gebaeude_entfernt(int objekt);
// Empties the table (world reset).
void ERU_Init();
// The side file "ERU.sav"; false when it could not be written.
bool ERU_Speichern(const std::string& pfad);
void ERU_Laden(const std::string& pfad);

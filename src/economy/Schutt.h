#pragma once
// The rubble list: the cells where a removed building left rubble, so that a
// recycling workplace can send a worker to the nearest one on its island.
// Saved with the game as "SUT.sav", one cell per line.
#include <string>
#include <vector>

// Entries 0..SchU_Schutt_Anzahl-1 are rubble cells; a vacated entry is -1.
extern std::vector<int> SchU_Schuttliste;
extern int SchU_Schutt_Anzahl;

// The ambient object is rubble (one of the trash templates).
bool SchU_ist_Schutt(int ambiente);
void SchU_Schutt_hinzufuegen(int feld);
// The first entry in list order on the cell's island nearer than reichweite; -1 when none.
int SchU_Naechster_Schutt(int feld, int reichweite);
// Index of the first entry equal to the cell, or -1.
int SchU_Schutt_Index(int feld);
// The last entry moves into the index.
void SchU_Schutt_entfernen(int index);
// No rubble (a new world).
void SchU_Zuruecksetzen();
// False when the file could not be written (reported).
bool SchU_Schutt_File_Save(const std::string& pfad);
// A missing file leaves the list as it is.
void SchU_Schutt_File_Load(const std::string& pfad);

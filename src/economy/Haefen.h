#pragma once
// Harbours and their waiting passengers: one record per harbour in service. The
// harbour object's Objekte.Hafen holds the index of its record; every user
// reaches a harbour's record through that field.
#include <string>
#include <vector>

struct Hafen_inhalte {
    int Objekt = 0;  // the harbour's object row; 0 in a vacated record
    int Anzahl = 0;  // waiting passengers: Passagiere[0 .. Anzahl - 1]
    std::vector<int> Passagiere;
};

extern std::vector<Hafen_inhalte> Haefen;
// Highest used index, -1 when there is none.
extern int Hafen_Ende;

// Appends a record for the harbour object and stores its index in Objekte.Hafen;
// the index, -1 for an object row that does not exist.
int Hafen_registrieren(int objekt);
// Removes the harbour record of the object. Passengers still waiting there go ashore where
// they waited (as one a ship sets down), and their harbours of destination ask again.
void Hafen_entfernen(int objekt);
// Anchor cell of the nearest harbour on the cell's island, -1 when none; only the
// harbours of the given clan when one is given (besitzer 0 or more).
int Hafen_naechster_auf_Insel(int feld, int besitzer = -1);
void Hafen_Passagier_hinzufuegen(int hafen, int person);
// Removes the passenger at list position `position`; the last one moves into its place.
void Hafen_Passagier_entfernen(int hafen, int position);
void Hafen_Liste_leeren();
// Reads "HA.sav"; a missing file leaves the list as it is.
void Hafen_File_Load(const std::string& datei);

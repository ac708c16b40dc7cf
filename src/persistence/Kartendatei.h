#pragma once
// "Map.sav": the map of a saved game as run-length text. Each line is a tag
// letter, the run length and, for some letters, one or four data fields:
// the letter moves the running level up, down or not at all and names which
// fields the first cell of the run receives; every other field of the run is
// -1, and water cells are always blocked. Tiles and islands are not stored.
#include <optional>
#include <string>
#include <vector>

// One line of the file, as read.
struct Kartenlauf {
    char Buchstabe = 'A';
    int Stufe = 0;  // the level of the run after the letter's step
    int Anzahl = 0;
    int Ambiente = -1, Person = -1, Objekt = -1, Block = -1;
};

// How many of the cell's fields Ambiente, Person, Objekt, Block hold a value above -1.
int LSU_Feldbelegung_zaehlen(int feld);
// Writes the whole map; false when the file could not be written (reported).
bool LSU_Karte_speichern(const std::string& datei);
// Reads and checks ordner + "\Map.sav" for a map of `felder` cells without touching the
// map: nothing when the file does not exist, an empty result (reported) when it cannot
// be read, holds a number that is not one, leaves the levels 0..20 or does not cover
// exactly the map's cells.
std::optional<std::vector<Kartenlauf>> Map_lesen(const std::string& ordner, std::size_t felder, bool& kaputt);
// Stores the runs into Karte, from cell 0.
void Map_anwenden(const std::vector<Kartenlauf>& laeufe);
// Reads ordner + "\Map.sav" into Karte; nothing happens when the file does not exist
// or cannot be read (reported).
void Map_laden(const std::string& ordner);

#pragma once
// "script.ini" of a saved game: section "Main" with the game-wide values and
// the sizes of the tables that the other files fill.
#include <string>

// The table sizes a saved game declares, as highest indexes.
struct LSU_Groessen {
    int MS = 0;    // side of the map
    int MA = 0;    // highest cell
    int PA = 0;    // highest person row
    int GA = 0;    // highest clan row
    int OA = 0;    // highest object row
    int PatA = 0;  // highest slot of the path pool
    int HA = 0;    // highest harbour record
    int SpielerID = 0;
};

// Writes every key into the file (created, or its keys updated in place); false when
// the file could not be written (reported).
bool LSU_Script_schreiben(const std::string& datei);
// Reads the sizes and checks that a game of them can be built: a square map of 1..832
// cells a side, table sizes within bounds, the player's clan a row of the clan table.
// False (reported with the reason) otherwise; nothing is changed.
bool LSU_Script_pruefen(const std::string& datei, LSU_Groessen& g);
// Reads every key of ordner + "\script.ini" and sizes the tables (after the world reset).
void LSU_Script_lesen(const std::string& ordner);
// Reads the search cursors of the units, which the later steps of the load set up afresh;
// called at the end of the load.
void LSU_Script_Stand_lesen(const std::string& ordner);

#pragma once
// The templates a saved game carries with it: skills, goods, buildings,
// ambient objects, footprints, atlas entries, the computer players' building
// lists, marker points and the two display tables of the buildings, in twelve
// text files. Booleans are written "-1" and "0"; any other number reads as true.
#include <string>

// Writes the twelve files into the folder (full path, no trailing separator);
// false when one could not be written (reported).
bool SBLS_Schablonen_speichern(const std::string& ordner);
// Reads each of the twelve files that exists into the (empty) template tables and
// registers the derived lists as the data-folder loader does. A file with a value
// that is not a number is reported and read up to that line.
void SBLS_Schablonen_laden(const std::string& ordner);

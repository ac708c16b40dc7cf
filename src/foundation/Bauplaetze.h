#pragma once
// Building footprints: the map cells a construction site covers, relative to
// the cell where the building is anchored, read from the character grid of the
// building's "Bauplatz.Obj".
//
//   "0"   not part of the site
//   "4"   the anchor cell (solid); with several, the last one in reading order
//   "1"   a solid site cell
//   other a site cell that is not solid
//
// A row further down in the file is a smaller y on the map. The offsets depend
// on the map side, so footprints are rebuilt for every new world.
#include <string>
#include <vector>

#include "foundation/Schablonen.h"

// Parses the file into SBU_Bauplaetze[objekt_id] for the current map side (MG_Kartengroesse).
// Lines shorter than the first are read as if filled with "0" (and longer ones cut to
// its length), and a grid without "4" is anchored one row above and one column left of its
// first character; either is reported, once for the file. A file with control bytes is
// no grid: it is reported and the site is the anchor cell alone.
void SBU_Bauplatz_laden(const std::string& pfad, int objekt_id);
// The cells of the type's footprint; none for an unknown type.
const std::vector<Bauplatzfeld>& SBU_Bauplatz_Felder(int objekt_id);
// The highest cell position of the footprint (cell count - 1; -1 when empty or unknown).
int SBU_Bauplatz_Felderzahl(int objekt_id);
// Offset and solid flag of cell i; an unknown type or cell is reported and gives 0.
int SBU_Bauplatz_Feld_Versatz(int objekt_id, int i);
int SBU_Bauplatz_Feld_belegt(int objekt_id, int i);

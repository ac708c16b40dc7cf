#pragma once
// Construction sites: where a building may stand and what placing it costs,
// placing it (footprint marks, wage reserve, building order), creating the
// site object once the footprint is level, its construction materials, a site
// a ship builds at once, and the stones and rubble a vanished building leaves.
#include <vector>

#include "foundation/Schablonen.h"

// -1 when the cell may not carry a footprint, else its land type (3..5).
int BPU_Feld_bebaubar(int feld);
// While one lives, BPU_Feld_bebaubar answers a cell asked before from its first answer:
// the preview asks about each cell once for every footprint that covers it. Only for
// work that changes no cell's land, ambient or block while it runs.
class BPU_Bebaubarkeit_merken {
public:
    BPU_Bebaubarkeit_merken();
    ~BPU_Bebaubarkeit_merken();
    BPU_Bebaubarkeit_merken(const BPU_Bebaubarkeit_merken&) = delete;
    BPU_Bebaubarkeit_merken& operator=(const BPU_Bebaubarkeit_merken&) = delete;
};
// -1 when a footprint cell is not buildable, else the number of cells to level.
int BPU_Bauplatz_pruefen(int anker, int typ);
// The same for a type's footprint at hand (its row of SBU_Bauplaetze).
int BPU_Bauplatz_pruefen(int anker, const std::vector<Bauplatzfeld>& felder);
// Places a construction site of the building type for the clan; true when placed.
bool BPU_Baustelle_setzen(int anker, int typ, int clan);
// Marks the cells to level and enters the building order (only from BPU_Baustelle_setzen).
void BPU_Bauauftraege_anlegen(int anker, int typ, int clan, int kosten);
// Occupies the footprint; false (nothing changed) while a person stands on it.
bool BPU_Bauplatz_belegen(int anker, int typ);
// The same, but only when every footprint cell is level.
bool BPU_Bauplatz_belegen_pruefen(int anker, int typ);
// Releases a planned footprint.
void BPU_Bauplatz_aufheben(int anker, int typ);
// The code a planned site of the type leaves on its anchor cell's object field until its
// object is created.
inline int BPU_Planungscode(int typ) { return -typ - 1000; }
// A site of the type is planned at the anchor (placed, its object not created yet).
bool BPU_Bauplatz_geplant(int anker, int typ);

// Creates the site object on a level, occupied footprint.
void BPU_Baustelle_anlegen(int anker, int typ, int clan);
// Material needs of the building type and one material order per material.
void BPU_Baumaterial_eintragen(int objekt, int clan, int typ);
// One material order for the object's site.
void BPU_Materialauftrag_eintragen(int objekt, int ware, int menge);
// One unit of the ware goes back into the orders of the object's site (an order that was
// to bring it was given up); nothing when the object is no site missing the ware.
void BPU_Materialauftrag_zurueck(int objekt, int ware);
// Brings the material orders of all sites in line with what they miss: each site's open
// orders ask for exactly what it still misses beyond the units carriers are bringing -
// orders for sites that are gone, finished or being demolished are struck, orders beyond
// the need cut, and a need no order covers is ordered again.
void BPU_Baumaterial_nachbestellen();
// Units of material k of the type (1 where the template gives a negative amount).
int BPU_Baumaterial_Menge(int typ, int k);
// The type needs no construction material.
bool BPU_Kein_Baumaterial(int typ);
// Progress of a site in percent (100 for a type without material).
int BPU_Baufortschritt_Prozent(int objekt);
// A withdrawn material order: its amount is no longer missing.
void BPU_Baumaterial_geliefert(int ware, int objekt, int clan, int auftrag);
// Levels, occupies, creates and completes a site at once.
void BPU_Baustelle_komplett_planieren(int anker, int typ, int clan);
// Frees a vanished building's footprint and strews stones and rubble.
void BPU_Truemmer_verteilen(int anker, int typ);
// A stone (chance 1 in 5) or rubble (1 in 3) on the cell; true when placed.
bool BPU_Stein_setzen(int feld);
bool BPU_Schutt_setzen(int feld);

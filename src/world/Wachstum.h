#pragma once
// Growth orders: things on the map that change by themselves over time. A
// planted crop or tree passes through its growth stages and, when ripe, raises a
// harvest order; a trap on a rabbit hole may catch a rabbit; a ruin decays; a
// grave fades. One record per process, all visited once per step.
#include <string>
#include <vector>

#include "foundation/Datenzeile.h"

// Kinds of growth order.
inline constexpr int WU_Art_Pflanze = 1;
inline constexpr int WU_Art_Ruine = 6;
inline constexpr int WU_Art_Grab = 8;

// One record; its fields in this order are also the fields of a line of the save file.
struct Wachstumsauftrag : Datenzeile<6> {
    BHM_FELD(Art, 0)      // 1 plant, 6 ruin, 8 grave; 0 or below empty
    BHM_FELD(Zaehler, 1)  // steps towards the next event
    BHM_FELD(Feld, 2)     // the plant, trap or grave; for a ruin the building's anchor cell
    BHM_FELD(Spieler, 3)  // owning clan
    BHM_FELD(Objekt, 4)   // plant: the ordering building's anchor cell; ruin: the object row; grave: the sex
    BHM_FELD(Ware, 5)     // plant: the good it yields; otherwise -1
};

// The records; those from Farm_Size on are spare.
extern std::vector<Wachstumsauftrag> Farmarray;
extern int Farm_Size;

// The next growth stage of a map object type: its ambient template's link when
// that names an ambient template, -1 at the last stage (the loader stores the
// file's -1 as B - 1, below every ambient type) and for a type that is no
// ambient template.
int WU_Naechste_Stufe(int typ);

// Appends a record; always true.
bool WU_Wachstumsauftrag_hinzufuegen(int art, int zaehler, int feld, int spieler, int objekt, int ware);
// One pass over all records.
void WU_Wachstum_Tick();
// Drops the planting orders of a building being emptied for demolition.
void WU_Gebaeude_entfernt(int objekt);
// Empties the list (world reset).
void WU_Init();
// The side file "F.sav"; false when it could not be written.
bool WU_Speichern(const std::string& pfad);
void WU_Laden(const std::string& pfad);

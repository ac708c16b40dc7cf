#pragma once
// The map objects: every building and construction site is one row of 57
// Integers (the row index is the object number). The anchor cell of an object
// holds its number in Karte.Objekt. A row whose field 0 is below 1 is free.
#include <vector>

#include "foundation/Datenzeile.h"

inline constexpr int Objektfeld_Anzahl = 57;
// Goods slots per object.
inline constexpr int Objekt_Warenslots = 6;

struct Objektzeile : Datenzeile<Objektfeld_Anzahl> {
    BHM_FELD(Feld, 0)  // anchor cell; below 1 the row is free
    BHM_FELD(Besitzer, 1)
    BHM_FELD(Material_geliefert, 2)
    BHM_FELD(Typ, 3)     // building template number
    BHM_FELD(Ausbau, 4)  // -1 first construction, 1 being built up to the follow-up type
    BHM_FELD(Flagge, 5)
    BHM_FELD(Flagge_klein, 6)
    BHM_FELD(Slotzeiger, 7)
    BHM_FELD(Stillgelegt, 8)
    BHM_FELD(Besetzung, 9)  // staffing mode: 0 minimal, 11 maximal
    BHM_FELD(Verkaufsmarge, 10)
    BHM_FELD(Mangel, 11)
    BHM_FELD(Ampelwert, 12)
    BHM_FELD(Reserve13, 13)
    BHM_FELD(Reserve14, 14)
    BHM_FELD(Reserve15, 15)
    BHM_FELD(Zaehler, 40)  // free living room, production progress, search ring, ruin decay
    BHM_FELD(Zustand, 44)  // 0 in use, 1 demolition requested, 2 ruin, 3 resource exhausted
    BHM_FELD(Hafen, 45)    // harbour record, -1 none

    // Goods slot k = 0..5: ware (-1 no slot, 0 free store slot), stock, ordered, reserved.
    int& Slot_Ware(int k) { return feld(16 + 4 * k); }
    int& Slot_Bestand(int k) { return feld(17 + 4 * k); }
    int& Slot_Bestellt(int k) { return feld(18 + 4 * k); }
    int& Slot_Reserviert(int k) { return feld(19 + 4 * k); }
    // Clearing mark of goods slot k (fields 41..43 for slots 0..2, 54..56 for 3..5).
    int& Slot_Raeumen(int k) { return feld(k < 3 ? 41 + k : 51 + k); }
    // Construction material k = 0..3: ware and units still missing.
    int& Baumaterial_Ware(int k) { return feld(46 + k); }
    int& Baumaterial_Rest(int k) { return feld(50 + k); }
};
static_assert(sizeof(Objektzeile) == Objektfeld_Anzahl * sizeof(int));

extern std::vector<Objektzeile> Objekte;

inline bool OM_Objekt_gueltig(int o) { return o >= 0 && static_cast<std::size_t>(o) < Objekte.size(); }

// Allocates and initialises a row for a building of the type anchored on feld; the object
// number, -1 (reported) for a type, clan or anchor cell (1 and up) that does not exist.
int OM_Objekt_anlegen(int feld, int besitzer, int typ);
// Writes the start values of row i and creates its twelve closed worker slots.
void OM_Objekt_initialisieren(int i, int feld, int besitzer, int typ);
// Clears a removed object's row except its anchor cell.
void OM_Objekt_loeschen(int i);
// Drops the goods slots of object i that are entirely empty from the goods index.
void OM_Warenindex_bereinigen(int i);

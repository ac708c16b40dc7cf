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
    BHM_FELD(Erster_Typ, 13)  // the type counted at first completion; -1 before (and in older saves)
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

struct Objekt_Item;
// The row of object o; nullptr (reported with the routine's name) for an unknown object.
Objektzeile* OM_Zeile(int o, const char* routine);
// The building template of the type; nullptr (reported with the routine's name) for an unknown type.
const Objekt_Item* OM_Vorlage(int typ, const char* routine);
// The type a building counts and registers under: a "Hafen2" under the harbour template.
int OM_Zaehltyp(int typ);
// The type object o was counted under (room, build menu) when it was first completed:
// a house or start building keeps it through its build-ups. An object of an older save
// without it follows the build-up links back from its type.
int OM_Erster_Typ(int o);

// Any construction material of object o is still missing (fields 50..53 above 0).
bool OM_Baumaterial_fehlt(int o);
// Sum of the stock of the used goods slots (ware above -1); 0 for an unknown object.
int OM_Lagerbestand(int o);
// 9 x the number of used goods slots; 0 for an unknown object.
int OM_Lagerkapazitaet(int o);

// Allocates and initialises a row for a building of the type anchored on feld; the object
// number, -1 (reported) for a type, clan or anchor cell (1 and up) that does not exist.
int OM_Objekt_anlegen(int feld, int besitzer, int typ);
// Writes the start values of row i and creates its twelve closed worker slots.
void OM_Objekt_initialisieren(int i, int feld, int besitzer, int typ);
// Clears a removed object's row except its anchor cell.
void OM_Objekt_loeschen(int i);
// Drops the goods slots of object i that are entirely empty from the goods index.
void OM_Warenindex_bereinigen(int i);

// --- Goods stock ------------------------------------------------------------------
// A slot stores while its stock is below 10, takes a procurement order while stock +
// ordered is below 9 and a reservation while reserved is below 9. Each ware is looked
// up at its first slot; the changes move on to the next slot of the same ware when the
// first has no room. Every refusal is reported and changes nothing.

// No slot has stock, ordered or reserved above 0.
bool OM_Warenlager_leer(int o);
// The first slot of ware w has at least one unit in stock.
bool OM_Ware_vorhanden(int w, int o);
// The first slot of ware w has at least n unreserved units.
bool OM_Ware_verfuegbar_Menge(int o, int w, int n);
bool OM_Ware_verfuegbar(int o, int w);
// The first slot of ware w holds exactly 9 unreserved units.
bool OM_Ware_voll(int o, int w);
// Every used slot holds 9 or more (true without used slots).
bool OM_Lager_voll(int o);
// The staffing mode is not minimal, or worker slot 0 is not occupied.
bool OM_Besetzung_erlaubt(int o);
// Some worker is idle, its clan holds more than 9 gold and it is not unhappy.
bool OM_Freier_Arbeiter_vorhanden(int o);
// Every input of the recipe of ware w is available in its amount.
bool OM_Rezept_verfuegbar(int o, int w);

// Stores one unit (one procurement order of the slot is done).
void OM_Ware_einlagern(int w, int o);
// Takes one reserved unit out; an object being demolished goes on with its demolition.
void OM_Ware_auslagern(int w, int o);
// Promises one unit to a carrier or buyer.
void OM_Ware_reservieren(int w, int o);
// Takes one promise back (the order that held it was given up); an object being
// demolished goes on with its demolition, as after a take.
void OM_Reservierung_aufheben(int w, int o);
// Registers and cancels one procurement order.
void OM_Ware_wird_nun_besorgt(int w, int o);
void WarenAnschaffungsauftragentfernen(int w, int o);
// Reserves and takes out the recipe inputs of ware w.
void OM_Rezept_verbrauchen(int o, int w);
// Slot k := ware w with nothing in it; a stored ware (not a fetch slot) enters the goods index.
void OM_Warenslot_einrichten(int o, int k, int w);
// Gives ware w to the first free store slot; false when a slot already holds w or none is free.
bool OM_Warenslot_belegen(int o, int w);
// Discards the unreserved stock of slot k, or of all six slots.
void OM_Warenslot_leeren(int o, int k);
void OM_Warenslots_leeren(int o);
// An empty slot becomes a free store slot again.
void OM_Warenslot_freigeben(int o, int k);
// A finished product of ware w: lost by chance for gatherers, else booked.
void OM_Produktion_abliefern(int w, int o, int clan, int person, int feld);
// Books a product: stored, or for a ware that is not carried its effect (gold, ship, technique).
void OM_Produkt_einbuchen(int w, int o, int clan, int feld);

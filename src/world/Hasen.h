#pragma once
// Rabbits: the holes on the map, their rabbits and the hunt.
//
// Each hole holds up to Hasen_Max rabbits and shows one rabbit outside while
// no person is near; the rabbit outside breeds, and a full hole now and then
// founds a new one nearby. Hunters and traps take rabbits out; a hole whose
// last rabbit is taken disappears.
#include <string>
#include <vector>

// One hole; its fields in this order are also the fields of a line of the save file.
struct Hasenloch {
    int X = 0, Y = 0;         // column and row of the hole
    int Brutzaehler = 0;      // +1 per step while the rabbit is outside; above 1500 one more rabbit
    bool Draussen = false;    // a rabbit is outside
    bool Reserviert = false;  // a hunter has reserved the hole
    int Anzahl = 0;           // rabbits in the hole (0..255)
    int Start = 0;            // cell the outside rabbit comes from (drawing)
    int Timer = 0;            // steps to wait: 9 between moves outside, 59 between tries to come out
    int Schritt = 0;          // cell of the rabbit's current move
    int Position = 0;         // the outside rabbit's cell
};

// The first Hase_Anzahl records are the holes.
extern std::vector<Hasenloch> Hase_Loecher;
extern int Hase_Anzahl;
// Most rabbits in one hole, rabbits in a new hole (Daten\Mod.ini, saved with the game).
extern int Hasen_Max, Hasen_Init;

// The good that hunting yields: set by the building template whose slot uses
// "Kaninchenabbau"; -1 while no template names one.
extern int Hasen_WarenID;

// One step of all holes.
void Hase_Tick();
// Between their busy steps the holes' counters (Timer, Brutzaehler) are not written in
// every step: this brings every row to its values of the moment. Call it before reading
// the counters from the rows, and after writing any of Timer, Brutzaehler or Draussen
// from outside this unit, so that the holes go on from what the rows hold.
void Hase_Loecher_abgleichen();
// The nearest hole on the cell's island that is neither reserved nor in use,
// nearer than grenze; reserves it when asked. Its cell, or -1.
int Hase_Loch_suchen(int feld, int grenze, bool reservieren);
// A hole reserved for a trap that will not be set is free for hunters again (and its cell
// blocked again); nothing when no reserved hole is at the cell.
void Hase_Loch_freigeben(int feld);
// What taking a rabbit from a hole found.
enum class Hase_Abzug {
    Bleibt,     // one rabbit taken, others remain
    Letzter,    // the last rabbit taken, the hole removed (its map cell is left to the caller)
    Kein_Loch,  // no hole at the cell (reported): nothing was taken
};
Hase_Abzug Hase_Loch_Kaninchen_abziehen(int feld);
// Takes one rabbit from the hole at the cell and sets the cell by what is left: a
// blocked hole while rabbits remain, free land otherwise (also when no hole was there).
Hase_Abzug Hase_Fang_abschliessen(int feld);
// Sets the two limits within their sense: at least 1 and at most 255 rabbits in a
// hole, a new hole starting with 1 up to the most; a value outside is reported
// under the given source and brought into range.
void Hase_Grenzen_setzen(int max, int init, const char* quelle);
void Hase_Loecher_loeschen();
// Creates a hole at the cell; its rabbit starts outside at herkunft.
void Hase_Loch_anlegen(int feld, int herkunft);
// Reads the rabbit limits from Daten\Mod.ini.
void Hase_Mod_ini_lesen();
// The side file "H.sav"; false when it could not be written.
bool Hase_Speichern(const std::string& pfad);
void Hase_Laden(const std::string& pfad);

#pragma once
// Person movement: a person with an order walks one cell every ten steps
// towards its target, straight where it can and along a stored detour where it
// cannot; persons in each other's way wait, push idle persons aside or swap
// places. On the target the goal action takes over; an idle person now and
// then looks for work and otherwise keeps clear of crowding.

// The per-step entry for one living person.
void BU_Person_bewegen(int person);
// True when the person may act in this step; otherwise the counter drops by one.
// A negative counter is reported and treated as 0.
bool BU_Bewegungscounter_pruefen(int person);
// A person on a reserved or blocked cell walks to a free spot nearby; false when
// it stays (it already stands on a free cell, or none was found).
bool BU_Freien_Platz_aufsuchen(int person);
// Starts a walk to the cell with order 3 (no work; the job search follows on arrival).
void BU_Ziel_setzen(int person, int feld);
// Moves the person onto the cell (the one way a person changes cell besides a swap).
void BU_Schritt_ausfuehren(int person, int feld);

// The parts of one step, open for tests.
void BU_Schritt(int person);
void BU_Direktschritt(int person);
void BU_Pfad_folgen(int person);
// The next cell holds another person: -1 wait, 1 swapped, 2 give up the stored path.
int BU_Blockiert(int person, int feld);
bool BU_Ausweichen(int person, int feld);
void BU_Nachbar_wegschicken(int feld);
// The first neighbour (directions 1..6) of the person's cell that is walkable and empty; -1 none.
int BU_Freies_Nachbarfeld(int person);
bool BU_Umschauen(int person);
void BU_Leerlauf(int person);
// No block, no ambient object and no person on the cell.
bool BU_Feld_frei(int feld);

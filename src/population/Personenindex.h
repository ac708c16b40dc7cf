#pragma once
// Person indexes: three compact lists of persons that other units search often
// (idle persons without a workplace, idle persons with one, women without a
// partner), so that they need not walk the whole person table. Every listed
// person keeps its slot in its row (field 37 for the two idle lists, field 38
// for the single women), so removing it costs one move. The same entry points
// count the buildings of each clan on each island. After loading, everything
// is rebuilt from the object and person tables.
#include <vector>

// A compact list of persons: slots 0..Letzter_Platz hold person IDs, the slots
// after it are -1. The list grows by 10 free slots whenever it is empty or full.
struct Index {
    int Letzter_Platz = -1;
    std::vector<int> Eintraege;
};

// Idle persons (order 0) without a workplace; slot in Personen.Arbeiter_Indexplatz,
// counted per clan in Spieler.Arbeitslose.
extern Index Arbeiter_Index;
// Idle persons (order 0) with a workplace; slot in Personen.Arbeiter_Indexplatz,
// counted per clan in Spieler.Arbeitslose_Fach.
extern Index SpArbeiter_Index;
// Women without a partner; slot in Personen.Frauen_Indexplatz. The wife search walks it.
extern Index SingelFrau_Index;

// Growth of a list when it is empty or full.
inline constexpr int IndexU_Wachstum = 10;

// Enters by kind: 0 the building on map cell `item` (its owner's presence on the
// cell's island +1, for every clan), 1 person `item` into Arbeiter_Index, 2 into SingelFrau_Index,
// 4 into SpArbeiter_Index. `wert` is not used. A person who is already listed, an
// unknown kind, person, clan or cell is reported and changes nothing.
void IndexU_Item_Add(int art, int wert, int item);
// The reverse of IndexU_Item_Add. The clan counters fall only when the person
// actually left the list.
void IndexU_Item_Delet(int art, int wert, int item);

// Puts the person into the first free slot of the index and stores the slot in
// the person's field (37 or 38); false (reported) when it was not entered.
bool IndexU_Index_add(Index& index, int person, int feldnummer);
// Takes the person out of the index: the person of the last slot moves into the
// freed slot. False (reported) when the person's field does not name a slot of
// the index that holds the person; then nothing changes.
bool Index_delet(Index& index, int person, int feldnummer);

// Letzter_Platz -1, no slots.
void IndexU_Index_leeren(Index& index);
// Empties the three person lists (world reset, rebuild).
void IndexU_Reset();
// After loading: the lists and the clans' idle counters from the person rows, the
// island building counts from the objects in use.
void IndexU_Index_neu_aufbauen();
// The person part of the rebuild: empties the three lists, recounts the clans' idle
// counters and enters every living idle person and every single woman without a home.
// A list whose loaded slot numbers run 0..n-1 gets that order back, any other is filled
// in row order; the slot fields of the living persons left out become -1.
void IndexU_Personen_neu_eintragen();

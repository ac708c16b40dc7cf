#pragma once
// Person indexes: idle persons without and with a workplace, single women,
// and the clans' building counts per island.
// Enters (kind 0 building cell, 1 idle, 2 single woman, 4 idle with workplace) the item.
void IndexU_Item_Add(int art, int wert, int item);
void IndexU_Item_Delet(int art, int wert, int item);
// Empties the three person lists.
void IndexU_Reset();

#include "foundation/Personenindex.h"

// The person indexes come with the index work.
void IndexU_Item_Add(int, int, int) {}
void IndexU_Item_Delet(int, int, int) {}
void IndexU_Reset() {}

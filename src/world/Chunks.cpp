#include "world/Chunks.h"

#include "foundation/Seams.h"
#include "world/Gelaende.h"
#include "world/Karte.h"

void Chunk_Feld_geaendert(int c) {
    if (!MG_Feld_gueltig(c)) return;
    const int n = MG_Kartengroesse;
    for (int z : {c, c - 1, c - n, c - n - 1})
        if (MG_Feld_gueltig(z)) MG_Feld_Textur(z);
    Render().Chunks_Feld_neu(c);
}

#include "world/Minimap.h"

#include <cstdint>

#include "economy/Objekte.h"
#include "population/Personen.h"
#include "world/Karte.h"

std::array<MG_Minimap_Pixel_Item, MG_Minimap_Seite * MG_Minimap_Seite> MG_Minimap;

namespace {

constexpr int Pixelzahl = MG_Minimap_Seite * MG_Minimap_Seite;

// Pixel of column or row v of a map of side n.
int achse(int v, int n) { return static_cast<int>(static_cast<std::int64_t>(v) * MG_Minimap_Seite / n); }

// The pixel and the four that carry a mark with it.
std::array<int, 5> markierung(int i) {
    return {i, i - 1, i + 1, i - (MG_Minimap_Seite - 1), i + (MG_Minimap_Seite - 1)};
}

}  // namespace

int MG_Minimap_Pixelindex(int feld) {
    const int n = MG_Kartengroesse;
    if (n < 1 || !MG_Feld_gueltig(feld)) return -1;
    const int y = feld / n;
    const int x = feld - y * n;
    return achse(y, n) * MG_Minimap_Seite + achse(x, n);
}

void MG_Minimap_Pixel(int pixel, int feld) {
    if (pixel < 0 || pixel >= Pixelzahl || !MG_Feld_gueltig(feld)) return;
    const Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
    MG_Minimap[static_cast<std::size_t>(pixel)] = {k.Insel(), k.LandType(), -1, -1};
}

void MG_Minimap_erstellen() {
    // Pixels no cell falls into (a map smaller than the buffer) show water.
    MG_Minimap.fill(MG_Minimap_Pixel_Item{});
    // 1. Terrain: each pixel from the top-left cell of its block.
    const int n = MG_Kartengroesse;
    if (Karte.size() >= 2 && static_cast<std::size_t>(n) * static_cast<std::size_t>(n) == Karte.size()) {
        for (int x = 0; x < n; ++x) {
            if (x > 0 && achse(x, n) == achse(x - 1, n)) continue;
            for (int y = 0; y < n; ++y) {
                if (y > 0 && achse(y, n) == achse(y - 1, n)) continue;
                MG_Minimap_Pixel(achse(y, n) * MG_Minimap_Seite + achse(x, n), x + y * n);
            }
        }
    }
    // 2. Living persons.
    for (int p = 0; p <= Personen_hoechster_Index && PM_Person_gueltig(p); ++p)
        if (Personen[static_cast<std::size_t>(p)].Hunger() > 0)
            MG_Minimap_Person(Personen[static_cast<std::size_t>(p)].Feld(), p);
    // 3. Buildings, over the persons.
    for (int o = 0; o < static_cast<int>(Objekte.size()); ++o)
        if (Objekte[static_cast<std::size_t>(o)].Feld() > 0)
            MG_Minimap_Objekt(Objekte[static_cast<std::size_t>(o)].Feld(), o);
}

void MG_Minimap_Person(int feld, int person) {
    const int i = MG_Minimap_Pixelindex(feld);
    if (!PM_Person_gueltig(person) || i <= MG_Minimap_Seite || i >= Pixelzahl - MG_Minimap_Seite - 255)
        return;
    for (int j : markierung(i))
        MG_Minimap[static_cast<std::size_t>(j)].Spieler =
            Personen[static_cast<std::size_t>(person)].Spieler();
}

void MG_Minimap_Objekt(int feld, int objekt) {
    const int i = MG_Minimap_Pixelindex(feld);
    if (!OM_Objekt_gueltig(objekt) || i < 0) return;
    const Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    for (int j : markierung(i))
        if (j >= 0 && j < Pixelzahl) MG_Minimap[static_cast<std::size_t>(j)].Spieler = o.Besitzer();
    for (int j : markierung(i))
        if (j >= 0 && j < Pixelzahl) MG_Minimap[static_cast<std::size_t>(j)].Typ = o.Typ();
}

#pragma once
// The minimap buffer: the whole world at 256 x 256 pixels, one record per
// pixel (index = row x 256 + column) with the island and level of a sampled
// cell and the clan and building marked on it. Filled when the minimap panel
// opens; the drawing turns it into a texture.
#include <array>

struct MG_Minimap_Pixel_Item {
    int Insel = -1;    // island of the sampled cell, -1 water
    int LandType = 0;  // level of the sampled cell
    int Spieler = -1;  // clan of a person or building marked here, -1 none
    int Typ = -1;      // building template marked here, -1 none
};

inline constexpr int MG_Minimap_Seite = 256;
extern std::array<MG_Minimap_Pixel_Item, MG_Minimap_Seite * MG_Minimap_Seite> MG_Minimap;

// The pixel of a map cell.
int MG_Minimap_Pixelindex(int feld);
// Refills the whole buffer: terrain, then living persons, then buildings.
void MG_Minimap_erstellen();
// The pixel takes the island and level of the cell; no marks.
void MG_Minimap_Pixel(int pixel, int feld);
// Marks the person's clan on its pixel and four around it (not near the buffer's edge).
void MG_Minimap_Person(int feld, int person);
// Marks the building's owner and type on its pixel and four around it.
void MG_Minimap_Objekt(int feld, int objekt);

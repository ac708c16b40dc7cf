#pragma once
// The building atlas: every picture of buildings and ambient objects, and the
// build-menu and research icons, packed into one 2048 x 2048 bitmap
// ("Daten\Gebaeudepack.BMP") in cells of 16 x 16 pixels, first fit column by
// column. While the templates load, marker pixels are read out of each picture
// and removed: red is the anchor (the point on the object's map cell), green
// the flag, blue further points for overlays.
//
// The atlas stays in memory while the templates load and is written once at
// the end (Packbilder_schreiben, foundation/Packbilder.h).
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int SBA_Rasterzellen = 128;
inline constexpr int SBA_Zellgroesse = 16;
inline constexpr int SBA_Atlasgroesse = SBA_Rasterzellen * SBA_Zellgroesse;

// Occupancy of the cells, index y * 128 + x: 0 free, 1 used.
extern std::vector<std::uint8_t> SBA_Raster;
// 0 while templates load (markers are read and removed), 1 afterwards.
extern std::uint8_t SBA_Markerlesen_aus;

// Allocates the grid with every cell free.
void SBA_Atlasraster_leeren();
// A new atlas for programmordner + name, filled with the transparent magenta,
// with every cell of the grid free.
void SBA_Atlas_anlegen(const std::string& programmordner, const std::string& name);
// Places vorlagenordner + datei into the atlas and appends its entry; the blue
// markers go to SBU_Markerpunkte[nummer]. When the picture cannot be read or
// finds no room, it is reported and an empty entry keeps the numbering; false then.
bool SBA_Bild_in_Atlas(const std::string& vorlagenordner, const std::string& programmordner,
                       const std::string& atlasname, int nummer, const std::string& datei);
// Copies the atlas file between folders (save games carry a copy); false on failure.
bool SBA_Atlas_kopieren(const std::string& von, const std::string& nach, const std::string& name);

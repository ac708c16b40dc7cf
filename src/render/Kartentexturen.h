#pragma once
// The four 256 x 256 pictures of the minimap window, made from the minimap
// buffer: 0 terrain, 1 islands, 2 clans, 3 buildings.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "world/Minimap.h"

inline constexpr int ML_Kartenseite = MG_Minimap_Seite;

using Kartenpunkt = MG_Minimap_Pixel_Item;

// The colour (red, green, blue) of one record in view `ansicht` (0..3). Levels
// below 0 count as water everywhere, levels above 20 in the terrain view only (the
// clan and building views show them as land); a clan or building number outside
// its table counts as none.
std::array<std::uint8_t, 3> ML_Kartenfarbe(const Kartenpunkt& p, int ansicht);
// The pixels (3 bytes each, record order) of one view over the given records.
std::vector<std::uint8_t> ML_Kartenbild(std::span<const Kartenpunkt> punkte, int ansicht);
// Replaces the four map textures by those of the records (the old ones are released
// first); a texture that cannot be made is reported and left empty.
void ML_Kartentexturen_aus(std::span<const Kartenpunkt> punkte);
// The same from the minimap buffer MG_Minimap.
void ML_Kartentexturen_erzeugen();

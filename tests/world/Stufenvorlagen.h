#pragma once
// Templates for the growth, harvest and rabbit tests: two buildings and the
// ambient stages they use, linked as the template load stores them (the file's
// link -1 becomes B - 1).
#include <string>
#include <vector>

#include "foundation/Schablonen.h"
#include "world/Karte.h"

namespace bhmtest {

// Ambient numbers of the fixture (map object type = B + number, B = 2).
enum Stufe : int { Saat, Halm, Reif, Falle, Fang, Loch, Grab1, Grab2, Weg0, Weg1, Weg2, Blume, Stufenzahl };

// The map cell c.
inline Kartenfeld& K(int c) { return Karte[static_cast<std::size_t>(c)]; }

inline int Typ(Stufe s) { return SBU_Ambiente_Basis() + s; }

inline void Stufen_setzen() {
    SBU_Objekte.assign(2, Objekt_Item{});
    const int b = SBU_Ambiente_Basis();
    struct Art {
        const char* spezial;
        int link;  // ambient number of the next stage, -1 none
        bool block;
    };
    const Art arten[Stufenzahl] = {{"", Halm, true},     {"", Reif, true},         {"", -1, true},
                                   {"cage", Fang, true}, {"rabitcatch", -1, true}, {"hole", -1, true},
                                   {"", Grab2, true},    {"", -1, true},           {"way", -1, false},
                                   {"way", -1, false},   {"way", -1, false},       {"flower", -1, false}};
    SBU_Ambiente.clear();
    for (const Art& a : arten) {
        Ambiente_Item item;
        item.spezial = a.spezial;
        item.link = b + a.link;
        item.block = a.block ? 1 : 0;
        SBU_Ambiente.push_back(item);
    }
    SBU_ID_cage = b + Falle;
    SBU_ID_rabitcatch = b + Fang;
    SBU_ID_hole = b + Loch;
    SBU_Way_IDs = {b + Weg0, b + Weg1, b + Weg2};
    SBU_Flower_IDs = {b + Blume};
    SBU_OnMap.assign(21, {});
    for (int l = 3; l <= 5; ++l) SBU_OnMap[static_cast<std::size_t>(l)] = {b + Blume};
}

// The stages, and the whole map level-4 building land of island 0.
inline void Stufenwelt_setzen() {
    Stufen_setzen();
    for (Kartenfeld& k : Karte) {
        k.LandType() = 4;
        k.Insel() = 0;
    }
}

}  // namespace bhmtest

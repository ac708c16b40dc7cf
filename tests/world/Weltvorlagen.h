#pragma once
// Templates for generating worlds in tests: two buildings and a handful of
// ambient objects placed by land type, as the template load would leave them.
#include <string>
#include <vector>

#include "foundation/Schablonen.h"

namespace bhmtest {

// Ambient numbers of the fixture (map object type = 3 + number).
enum Weltvorlage : int { Eiche, Buche, Kiefer, Fels, Eisfels, Blume, Loch, Schilf, Vorlagenzahl };

inline void Weltvorlagen_setzen() {
    SBU_Objekte.assign(3, Objekt_Item{});
    SBU_Objekte[1].Modus = "Start";
    SBU_Start_ID = 1;
    const int b = SBU_Ambiente_Basis();
    struct Art {
        const char* titel;
        const char* spezial;
        bool block;
        int von, bis;
    };
    const Art arten[Vorlagenzahl] = {{"Eiche", "tree", true, 3, 5},      {"Buche", "tree", true, 3, 5},
                                     {"Kiefer", "tree", true, 3, 6},     {"Fels", "stone", true, 6, 15},
                                     {"Eisfels", "stone", true, 16, 20}, {"Blume", "flower", false, 1, 5},
                                     {"Loch", "hole", true, 3, 5},       {"Schilf", "", false, 2, 2}};
    SBU_Ambiente.clear();
    SBU_OnMap.assign(21, {});
    for (int i = 0; i < Vorlagenzahl; ++i) {
        Ambiente_Item a;
        a.Titel = arten[i].titel;
        a.spezial = arten[i].spezial;
        a.block = arten[i].block ? 1 : 0;
        SBU_Ambiente.push_back(a);
        for (int l = arten[i].von; l <= arten[i].bis; ++l)
            SBU_OnMap[static_cast<std::size_t>(l)].push_back(b + i);
    }
    SBU_ID_hole = b + Loch;
}

}  // namespace bhmtest

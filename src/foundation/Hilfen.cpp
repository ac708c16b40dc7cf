#include "foundation/Hilfen.h"

#include "economy/Spieler.h"
#include "foundation/Schablonen.h"

// Needs the person rows, which come with the population work.
void FFU_Kamera_auf_Person() {}

bool FFU_Objekt_baubar(int typ, int clan) {
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size() || !GU_Clan_gueltig(clan))
        return false;
    const Objekt_Item& o = SBU_Objekte[static_cast<std::size_t>(typ)];
    if (o.Modus == "Hafen2" || o.Modus == "Start" || o.Modus == "Startex" || o.Neid > 1) return false;
    return o.AI_Level - 1 < Spieler[static_cast<std::size_t>(clan)].Baustufe();
}

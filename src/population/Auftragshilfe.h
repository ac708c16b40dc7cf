#pragma once
// Checked access to the rows the job units read and write: a bad index is
// reported with the routine's name and gives no row.
#include <cstddef>
#include <string>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "economy/Warenindex.h"
#include "population/Personen.h"
#include "world/Karte.h"

// Island of a cell; -2 (reported) for a cell outside the map, so it never equals a real island.
inline int JU_Insel(int feld, const char* routine) {
    const Kartenfeld* k = MG_Zeile(feld, routine);
    return k ? k->Insel() : -2;
}

// The clan has the export ban on; false for a clan row that does not exist.
inline bool JU_Exportverbot(int clan) {
    return GU_Clan_gueltig(clan) && Spieler[static_cast<std::size_t>(clan)].Edikt_Exportverbot() != 0;
}

// The goods index list of the ware on the island; nothing when the index does not reach it.
inline const Warenindex_Liste* JU_Warenindex_Liste(int ware, int insel) {
    if (ware < 0 || static_cast<std::size_t>(ware) >= IWU_Warenindex.size() || insel < 0) return nullptr;
    const auto& inseln = IWU_Warenindex[static_cast<std::size_t>(ware)];
    return static_cast<std::size_t>(insel) < inseln.size() ? &inseln[static_cast<std::size_t>(insel)]
                                                           : nullptr;
}

// The number of valid entries of a goods index list.
inline int JU_Eintraege(const Warenindex_Liste& l) {
    return l.Anzahl < static_cast<int>(l.Eintraege.size()) ? l.Anzahl : static_cast<int>(l.Eintraege.size());
}

#pragma once
// Per-clan registers of object numbers (the housing register, the employment
// office): a used count beside an array with spare places, grown in steps of 100,
// an entry removed by moving the last entry into its place. Their side files hold
// one line per entry, object/clan, clans in ascending order.
#include <string>
#include <vector>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"
#include "world/Karte.h"

namespace clanregister {

inline constexpr std::size_t Wachstumsschritt = 100;
// Clans a side file may name. The registers are read before the clan and object rows,
// so a loaded entry can only be checked against these bounds.
inline constexpr int Clans_max = 65536;

inline bool Ladbar(int clan, int objekt) { return clan >= 0 && clan < Clans_max && objekt >= 0; }

// The island of a cell; -2 for a cell outside the map, never equal to a cell's island.
inline int Insel(int feld) {
    return MG_Feld_gueltig(feld) ? Karte[static_cast<std::size_t>(feld)].Insel() : -2;
}

// The clan's list, or nullptr when the clan has none.
template <class Item>
Item* Liste(std::vector<Item>& register_, int clan) {
    if (clan < 0 || static_cast<std::size_t>(clan) >= register_.size()) return nullptr;
    return &register_[static_cast<std::size_t>(clan)];
}

// Appends the object to the clan's list, creating and growing it; false (reported) for a
// clan or object that does not exist. An entry read from a side file (geladen) is only
// checked against the bounds, as its rows are not read yet.
template <class Item>
bool Anhaengen(std::vector<Item>& register_, int clan, int objekt, int leer, const std::string& routine,
               bool geladen = false) {
    if (geladen ? !Ladbar(clan, objekt) : !GU_Clan_gueltig(clan) || !OM_Objekt_gueltig(objekt)) {
        Fehler_melden(routine + " > unbekannter Clan oder unbekanntes Objekt: " + std::to_string(clan) + "/" +
                      std::to_string(objekt));
        return false;
    }
    if (register_.size() <= static_cast<std::size_t>(clan))
        register_.resize(static_cast<std::size_t>(clan) + 1);
    Item& l = register_[static_cast<std::size_t>(clan)];
    if (static_cast<std::size_t>(l.Anzahl) >= l.Objekte.size())
        l.Objekte.resize(l.Objekte.size() + Wachstumsschritt, leer);
    l.Objekte[static_cast<std::size_t>(l.Anzahl)] = objekt;
    l.Anzahl += 1;
    return true;
}

// The last entry moves into the position, its old place becomes leer.
template <class Item>
void Austragen(std::vector<Item>& register_, int clan, int position, int leer, const std::string& routine) {
    Item* l = Liste(register_, clan);
    if (!l || position < 0 || position >= l->Anzahl) {
        Fehler_melden(routine + " > kein Eintrag " + std::to_string(position) + " bei Clan " +
                      std::to_string(clan));
        return;
    }
    const std::size_t letzte = static_cast<std::size_t>(l->Anzahl) - 1;
    l->Objekte[static_cast<std::size_t>(position)] = l->Objekte[letzte];
    l->Objekte[letzte] = leer;
    l->Anzahl -= 1;
}

// Position of the object in the clan's list, or -1.
template <class Item>
int Position(std::vector<Item>& register_, int clan, int objekt) {
    const Item* l = Liste(register_, clan);
    if (!l) return -1;
    for (int i = 0; i < l->Anzahl; ++i)
        if (l->Objekte[static_cast<std::size_t>(i)] == objekt) return i;
    return -1;
}

template <class Item>
bool Speichern(const std::vector<Item>& register_, const std::string& pfad, const std::string& routine) {
    std::vector<std::string> zeilen;
    for (std::size_t c = 0; c < register_.size(); ++c)
        for (int i = 0; i < register_[c].Anzahl; ++i)
            zeilen.push_back(
                FFU_Zeile_bauen({register_[c].Objekte[static_cast<std::size_t>(i)], static_cast<int>(c)}));
    return Seitendatei_schreiben(pfad, zeilen, routine);
}

// Hands each good line to eintragen(clan, object); bad lines are reported and skipped.
// The clan and object rows are read after this file, so only the bounds are checked here.
template <class Eintragen>
void Laden(const std::string& pfad, const std::string& routine, Eintragen eintragen) {
    Seitendatei_Zahlenzeilen_lesen(pfad, routine, 2, [&](const std::vector<int>& f) {
        if (!Ladbar(f[1], f[0])) return false;
        eintragen(f[1], f[0]);
        return true;
    });
}

}  // namespace clanregister

#include "population/Personenindex.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"
#include "world/Inseln.h"
#include "world/Karte.h"

Index Arbeiter_Index;
Index SpArbeiter_Index;
Index SingelFrau_Index;

namespace {

constexpr int Feld_Arbeiter = Personenzeile::Nr_Arbeiter_Indexplatz;
constexpr int Feld_Frau = Personenzeile::Nr_Frauen_Indexplatz;

bool gueltige_Feldnummer(int feldnummer) { return feldnummer == Feld_Arbeiter || feldnummer == Feld_Frau; }

Personenzeile& zeile(int person) { return Personen[static_cast<std::size_t>(person)]; }

// The slot of the index that holds the person according to its field, -1 when none does.
int platz_in(const Index& index, int person, int feldnummer) {
    const int platz = zeile(person).feld(feldnummer);
    if (platz < 0 || platz > index.Letzter_Platz ||
        static_cast<std::size_t>(index.Letzter_Platz) >= index.Eintraege.size())
        return -1;
    return index.Eintraege[static_cast<std::size_t>(platz)] == person ? platz : -1;
}

void verlaengern(Index& index) { index.Eintraege.resize(index.Eintraege.size() + IndexU_Wachstum, -1); }

// The presence of the owner of the building on the cell changes by n on the cell's island.
void gebaeude_zaehlen(const char* routine, int feld, int n) {
    if (!MG_Feld_gueltig(feld)) {
        Fehler_melden(std::string(routine) + " > unbekanntes Feld: " + std::to_string(feld));
        return;
    }
    const Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
    const int objekt = k.Objekt();
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden(std::string(routine) + " > kein Objekt auf Feld " + std::to_string(feld) + ": " +
                      std::to_string(objekt));
        return;
    }
    const int besitzer = Objekte[static_cast<std::size_t>(objekt)].Besitzer();
    IU_Spieler_auf_Insel_addieren(k.Insel(), besitzer, n);
}

Index* liste_der_art(int art) {
    switch (art) {
        case 1:
            return &Arbeiter_Index;
        case 2:
            return &SingelFrau_Index;
        case 4:
            return &SpArbeiter_Index;
        default:
            return nullptr;
    }
}

// The common part of entering and removing: kind 0 counts the building on cell `item`
// by n; for a person kind the list, nullptr when the kind or the person is unknown (reported).
Index* liste_fuer(int art, int item, int n, const char* routine, const char* pfeil) {
    if (art == 0) {
        gebaeude_zaehlen(routine, item, n);
        return nullptr;
    }
    Index* index = liste_der_art(art);
    if (!index)
        Fehler_melden(std::string(routine) + pfeil +
                      " Extra konnte nicht erstellt werden :" + std::to_string(art));
    else if (!PM_Person_gueltig(item))
        Fehler_melden(std::string(routine) + " > unbekannte Person: " + std::to_string(item));
    else
        return index;
    return nullptr;
}

// The idle counter of the clan for kinds 1 and 4; nullptr for kind 2 or a person
// whose clan does not exist (reported).
int* zaehler(int art, int person, const char* routine) {
    if (art == 2) return nullptr;
    const int clan = zeile(person).Spieler();
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden(std::string(routine) + " > unbekannter Clan der Person " + std::to_string(person) +
                      ": " + std::to_string(clan));
        return nullptr;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    return art == 1 ? &s.Arbeitslose() : &s.Arbeitslose_Fach();
}

}  // namespace

void IndexU_Item_Add(int art, int, int item) {
    Index* index = liste_fuer(art, item, 1, "IndexU_Item_Add", "->");
    if (!index) return;
    int* z = nullptr;
    if (art != 2) {
        z = zaehler(art, item, "IndexU_Item_Add");
        if (!z) return;
        // Both idle lists keep their slot in field 37: a person listed in the other one
        // would lose its slot there.
        const Index& andere = art == 1 ? SpArbeiter_Index : Arbeiter_Index;
        if (platz_in(andere, item, Feld_Arbeiter) >= 0) {
            Fehler_melden("IndexU_Item_Add > Person steht schon in der anderen Arbeiterliste: " +
                          std::to_string(item));
            return;
        }
    }
    if (IndexU_Index_add(*index, item, art == 2 ? Feld_Frau : Feld_Arbeiter) && z) *z += 1;
}

void IndexU_Item_Delet(int art, int, int item) {
    Index* index = liste_fuer(art, item, -1, "IndexU_Item_Delet", " ->");
    if (!index) return;
    if (!Index_delet(*index, item, art == 2 ? Feld_Frau : Feld_Arbeiter)) return;
    if (int* z = zaehler(art, item, "IndexU_Item_Delet")) *z -= 1;
}

bool IndexU_Index_add(Index& index, int person, int feldnummer) {
    if (!gueltige_Feldnummer(feldnummer) || !PM_Person_gueltig(person)) {
        Fehler_melden("IndexU_Index_add > unbekannte Person oder Feldnummer: " + std::to_string(person) +
                      "/" + std::to_string(feldnummer));
        return false;
    }
    if (index.Letzter_Platz < -1 ||
        static_cast<std::size_t>(index.Letzter_Platz + 1) > index.Eintraege.size()) {
        Fehler_melden("IndexU_Index_add > Index beschaedigt, letzter Platz: " +
                      std::to_string(index.Letzter_Platz));
        return false;
    }
    if (platz_in(index, person, feldnummer) >= 0) {
        Fehler_melden("IndexU_Index_add > Person ist schon eingetragen: " + std::to_string(person));
        return false;
    }
    // The slots after the last used one are free, so the person goes right behind it.
    const int platz = index.Letzter_Platz + 1;
    if (static_cast<std::size_t>(platz) >= index.Eintraege.size()) verlaengern(index);
    index.Eintraege[static_cast<std::size_t>(platz)] = person;
    zeile(person).feld(feldnummer) = platz;
    index.Letzter_Platz = platz;
    return true;
}

bool Index_delet(Index& index, int person, int feldnummer) {
    if (!gueltige_Feldnummer(feldnummer)) {
        Fehler_melden(W("ERROR: Index_delet: Checksumme ungültig"));
        return false;
    }
    const bool frau = feldnummer == Feld_Frau;
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("Index_delet > unbekannte Person: " + std::to_string(person));
        return false;
    }
    if (zeile(person).feld(feldnummer) == -1) {
        Fehler_melden(frau ? "ERROR: Index_delet: Frau ist nicht eingetragen!!!"
                           : "ERROR: Index_delet: Arbeiter SP/Normsl ist nicht eingetragen!!!");
        return false;
    }
    const int platz = platz_in(index, person, feldnummer);
    if (platz < 0) {
        // Moving the last person into a slot that belongs to someone else would lose that
        // person from the list; the person's field may well belong to the other idle list.
        Fehler_melden(frau ? "ERROR: Index_delet: Frau(Singel) Schwerer Fehler!!!"
                           : "ERROR: Index_delet: Arbeiter SP/Normsl Schwerer Fehler!!!");
        return false;
    }
    const int letzter = index.Letzter_Platz;
    const int nachruecker = index.Eintraege[static_cast<std::size_t>(letzter)];
    index.Eintraege[static_cast<std::size_t>(platz)] = nachruecker;
    if (PM_Person_gueltig(nachruecker))
        zeile(nachruecker).feld(feldnummer) = platz;
    else
        Fehler_melden("Index_delet > unbekannte Person im letzten Platz: " + std::to_string(nachruecker));
    index.Eintraege[static_cast<std::size_t>(letzter)] = -1;
    zeile(person).feld(feldnummer) = -1;
    index.Letzter_Platz = letzter - 1;
    return true;
}

void IndexU_Index_leeren(Index& index) {
    index.Letzter_Platz = -1;
    index.Eintraege.clear();
}

void IndexU_Reset() {
    IndexU_Index_leeren(Arbeiter_Index);
    IndexU_Index_leeren(SpArbeiter_Index);
    IndexU_Index_leeren(SingelFrau_Index);
}

void IndexU_Index_neu_aufbauen() {
    IndexU_Reset();
    for (const Objektzeile& o : Objekte) {
        const int zustand = o.Zustand();
        if (o.Feld() > 0 && (zustand == 0 || zustand == 1 || zustand == 3))
            IndexU_Item_Add(0, o.Typ(), o.Feld());
    }
    IndexU_Personen_neu_eintragen();
}

void IndexU_Personen_neu_eintragen() {
    IndexU_Reset();
    // Per list the persons to enter with the slot they were loaded with.
    std::vector<std::pair<int, int>> eintraege[3];
    for (int i = 0; i <= Personen_hoechster_Index && PM_Person_gueltig(i); ++i) {
        Personenzeile& p = zeile(i);
        if (p.Hunger() < 1) continue;
        if (p.AuftragID() == 0)
            eintraege[p.ArbeitsplatzID() < 0 ? 0 : 1].emplace_back(p.Arbeiter_Indexplatz(), i);
        if (p.Geschlecht() == 2 && p.HeimID() < 0 && p.PartnerID() < 0)
            eintraege[2].emplace_back(p.Frauen_Indexplatz(), i);
        p.Arbeiter_Indexplatz() = -1;
        p.Frauen_Indexplatz() = -1;
    }
    for (Spielerzeile& s : Spieler) {
        s.Arbeitslose() = 0;
        s.Arbeitslose_Fach() = 0;
    }
    constexpr int arten[3] = {1, 4, 2};
    for (int k = 0; k < 3; ++k) {
        // When the loaded slots number the persons 0..n-1 without a gap, the list gets its
        // saved order back, so a loaded game goes on as it was saved; otherwise row order.
        std::vector<std::pair<int, int>> sortiert = eintraege[k];
        std::sort(sortiert.begin(), sortiert.end());
        bool lueckenlos = true;
        for (std::size_t i = 0; i < sortiert.size() && lueckenlos; ++i)
            lueckenlos = sortiert[i].first == static_cast<int>(i);
        for (const auto& [platz, person] : lueckenlos ? sortiert : eintraege[k])
            IndexU_Item_Add(arten[k], 0, person);
    }
}

#include "world/Ressourcen.h"

#include <algorithm>
#include <string>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "population/Jobarchiv.h"
#include "world/Gelaende.h"
#include "world/Karte.h"

std::vector<std::vector<TRSU_Sektor_Item>> RU_Index;
bool RU_Nehmen = false;

namespace {

const Kartenfeld& feld_von(int feld) { return Karte[static_cast<std::size_t>(feld)]; }

int level_oder_leer(int feld) { return MG_Feld_gueltig(feld) ? feld_von(feld).LandType() : -1; }

// The spezial keyword of the ambient object on the cell, empty when none.
const std::string* spezial_von(int feld) {
    const int typ = feld_von(feld).Ambiente();
    if (!MG_ist_Ambiente(typ)) return nullptr;
    return &SBU_Ambiente[static_cast<std::size_t>(typ - SBU_Ambiente_Basis())].spezial;
}

// The island bucket of a kind, nullptr when the index has none.
TRSU_Sektor_Item* insel_eintrag(int art, int insel) {
    if (art < 0 || static_cast<std::size_t>(art) >= RU_Index.size() || insel < 0) return nullptr;
    std::vector<TRSU_Sektor_Item>& inseln = RU_Index[static_cast<std::size_t>(art)];
    if (static_cast<std::size_t>(insel) >= inseln.size()) return nullptr;
    return &inseln[static_cast<std::size_t>(insel)];
}

// One sector's bucket, nullptr when empty or not there.
TRSU_Chunk_Item* sektor_eintrag(int art, int insel, int sektor) {
    TRSU_Sektor_Item* i = insel_eintrag(art, insel);
    if (!i || sektor < 0 || static_cast<std::size_t>(sektor) >= i->Sektoren.size()) return nullptr;
    TRSU_Chunk_Item& s = i->Sektoren[static_cast<std::size_t>(sektor)];
    return s.Anzahl > 0 ? &s : nullptr;
}

// RU_Ressource_aus_Sektor: a cell of the sector's bucket, in take mode one
// nearer than the work radius d to c, taken out and reserved.
int aus_sektor(int art, int sektor, int c, int d) {
    const int insel = feld_von(c).Insel();
    TRSU_Chunk_Item* s = sektor_eintrag(art, insel, sektor);
    if (!s) return -1;
    if (!RU_Nehmen) return s->Felder[0];
    int j = Random(s->Anzahl);
    if (FFU_Distanz(s->Felder[static_cast<std::size_t>(j)], c) >= d) {
        j = -1;
        for (int i = 0; i < s->Anzahl; ++i)
            if (FFU_Distanz(s->Felder[static_cast<std::size_t>(i)], c) < d) {
                j = i;
                break;
            }
        if (j < 0) return -1;
    }
    const int feld = s->Felder[static_cast<std::size_t>(j)];
    if (MG_Feld_gueltig(feld)) Karte[static_cast<std::size_t>(feld)].Block() = 1;
    // The later entries close up, so the bucket stays in map order (see RU_Ressource_eintragen).
    const auto anfang = s->Felder.begin();
    std::copy(anfang + j + 1, anfang + s->Anzahl, anfang + j);
    --s->Anzahl;
    --insel_eintrag(art, insel)->Anzahl;
    return feld;
}

// RU_Suche: the spiral over the sector grid from sektor around cell c.
int suche(int art, int sektor, int c, int clan) {
    if (!MG_Feld_gueltig(c)) {
        Fehler_melden("RU_Suche > Feld ausserhalb der Karte: " + std::to_string(c));
        return -1;
    }
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("RU_Suche > unbekannter Clan: " + std::to_string(clan));
        return -1;
    }
    const int w = MG_Kartengroesse / RU_Sektorseite;
    // No two cells lie 2N apart: a larger radius (a corrupt row) searches the whole map.
    const int radius =
        std::min(Spieler[static_cast<std::size_t>(clan)].Arbeitsradius(), 2 * MG_Kartengroesse);
    const int ringe = static_cast<int>(Ceil_div(radius, 16));
    // The spiral keeps its sector column and row: a step past the left or right edge
    // of the grid stands beside the map, not at the other end of the neighbouring row.
    int spalte = w > 0 ? sektor % w : 0, zeile = w > 0 ? sektor / w : 0;
    int r = 0;
    if (RU_Nehmen) {
        // Resume after the ring where the building's last search ended.
        const int objekt = feld_von(c).Objekt();
        if (OM_Objekt_gueltig(objekt))
            r = std::clamp(Objekte[static_cast<std::size_t>(objekt)].Zaehler() - 2, 0, std::max(ringe, 0));
        else
            Fehler_melden("RU_Ressource_nehmen > kein Objekt auf Feld " + std::to_string(c));
        spalte += r;
        zeile -= r;
    }
    auto versuchen = [&](int ds, int dz) {
        spalte += ds;
        zeile += dz;
        if (spalte < 0 || spalte >= w || zeile < 0 || zeile >= w) return -1;
        const int f = aus_sektor(art, zeile * w + spalte, c, radius);
        if (f >= 0) JA_Suchring = r;
        return f;
    };
    int f = versuchen(0, 0);
    if (f >= 0) return f;
    // Column and row steps of the five legs that close a ring.
    static constexpr int bein[5][2] = {{-1, 1}, {-1, 0}, {0, -1}, {1, -1}, {1, 0}};
    for (;;) {
        ++r;
        if ((f = versuchen(1, 0)) >= 0) return f;
        for (int i = 1; i < r; ++i)
            if ((f = versuchen(0, 1)) >= 0) return f;
        for (const auto& [ds, dz] : bein)
            for (int i = 0; i < r; ++i)
                if ((f = versuchen(ds, dz)) >= 0) return f;
        if (r > ringe) return -1;
    }
}

}  // namespace

int RU_Sektor(int feld) {
    const int w = MG_Kartengroesse / RU_Sektorseite;
    return FFU_Y_von_Feld(feld) / RU_Sektorseite * w + FFU_X_von_Feld(feld) / RU_Sektorseite;
}

bool RU_ist_Kueste(int feld) {
    if (!MG_Feld_gueltig(feld)) return false;
    const Kartenfeld& k = feld_von(feld);
    if (k.LandType() != 1 || k.Ambiente() != -1 || k.Block() != -1) return false;
    const int n = MG_Kartengroesse;
    for (int j : {feld - 1, feld + n, feld + 1 - n})
        if (level_oder_leer(j) == 0) return true;
    return false;
}

bool RU_ist_Huegel(int feld) {
    const int n = MG_Kartengroesse;
    if (feld < 1 || feld > n * n - 2 || !MG_Feld_gueltig(feld)) return false;
    const Kartenfeld& k = feld_von(feld);
    if (k.Block() != -1 || k.LandType() < 6) return false;
    if (feld == 1) return true;
    for (int v : {n - 1, -1, -n, 1 - n, 1, n})
        if (level_oder_leer(feld + v) > k.LandType()) return false;
    return true;
}

void RU_Index_leeren() { RU_Index.clear(); }

namespace {

// Enters the cell under every kind it is a resource of, as a rebuild finds it; with
// `fehlende` only under the kinds it is not entered under yet.
void erfassen(int c, bool fehlende) {
    auto eintragen = [&](int art) {
        if (!fehlende || !RU_ist_eingetragen(art, c)) RU_Ressource_eintragen(art, c);
    };
    if (const std::string* spezial = spezial_von(c); spezial && feld_von(c).Block() == 2) {
        if (*spezial == "tree")
            eintragen(RU_Baum);
        else if (*spezial == "stone")
            eintragen(RU_Stein);
    }
    if (RU_ist_Kueste(c)) eintragen(RU_Kueste);
    if (RU_ist_Huegel(c)) eintragen(RU_Huegel);
}

}  // namespace

void RU_Ressourcen_erfassen() {
    RU_Index_leeren();
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) erfassen(c, false);
}

void RU_Ressource_zurueckgeben(int feld) {
    if (!MG_Feld_gueltig(feld) || feld_von(feld).Block() != 1) return;
    MG_Feld_sperre_setzen(feld);
    erfassen(feld, true);
}

void RU_Ressource_eintragen(int art, int feld) {
    if (art < 0 || art >= RU_Arten || !MG_Feld_gueltig(feld)) {
        Fehler_melden("RU_Ressource_eintragen > unbekannte Art oder Feld: " + std::to_string(art) + " / " +
                      std::to_string(feld));
        return;
    }
    const int insel = feld_von(feld).Insel();
    if (insel < 0) {
        Fehler_melden("RU_Ressource_eintragen > Feld ohne Insel: " + std::to_string(feld));
        return;
    }
    const int sektor = RU_Sektor(feld);
    if (RU_Index.size() <= static_cast<std::size_t>(art)) RU_Index.resize(static_cast<std::size_t>(art) + 1);
    std::vector<TRSU_Sektor_Item>& inseln = RU_Index[static_cast<std::size_t>(art)];
    if (inseln.size() <= static_cast<std::size_t>(insel)) inseln.resize(static_cast<std::size_t>(insel) + 1);
    TRSU_Sektor_Item& i = inseln[static_cast<std::size_t>(insel)];
    if (i.Sektoren.size() <= static_cast<std::size_t>(sektor))
        i.Sektoren.resize(static_cast<std::size_t>(sektor) + 1);
    TRSU_Chunk_Item& s = i.Sektoren[static_cast<std::size_t>(sektor)];
    if (static_cast<std::size_t>(s.Anzahl) >= s.Felder.size()) s.Felder.push_back(0);
    // A bucket is kept in map order, the order the rebuild after loading gives it: the
    // random pick of a search then names the same cell in a loaded game as in the saved one.
    const auto anfang = s.Felder.begin(), ende = anfang + s.Anzahl;
    const auto platz = std::upper_bound(anfang, ende, feld);
    std::copy_backward(platz, ende, ende + 1);
    *platz = feld;
    ++s.Anzahl;
    ++i.Anzahl;
}

bool RU_ist_eingetragen(int art, int feld) {
    if (!MG_Feld_gueltig(feld)) return false;
    const TRSU_Chunk_Item* s = sektor_eintrag(art, feld_von(feld).Insel(), RU_Sektor(feld));
    return s &&
           std::find(s->Felder.begin(), s->Felder.begin() + s->Anzahl, feld) != s->Felder.begin() + s->Anzahl;
}

void RU_Huegel_nachtragen(int feld) {
    for (int r = 0; r <= 6; ++r) {
        const int c = feld + FFU_Nachbarfeld(r);
        if (MG_Feld_gueltig(c) && RU_ist_Huegel(c) && !RU_ist_eingetragen(RU_Huegel, c))
            RU_Ressource_eintragen(RU_Huegel, c);
    }
}

int RU_Ressource_nehmen(int art, int feld, int clan) {
    RU_Nehmen = true;
    if (!MG_Feld_gueltig(feld)) {
        Fehler_melden("RU_Ressource_nehmen > Feld ausserhalb der Karte: " + std::to_string(feld));
        return -1;
    }
    return suche(art, RU_Sektor(feld), feld, clan);
}

int RU_Ressource_vorhanden(int art, int feld, int clan) {
    RU_Nehmen = false;
    if (!MG_Feld_gueltig(feld)) return -1;
    const TRSU_Sektor_Item* i = insel_eintrag(art, feld_von(feld).Insel());
    if (!i || i->Anzahl == 0) return -1;
    return suche(art, RU_Sektor(feld), feld, clan);
}

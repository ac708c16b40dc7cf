#include "world/Karte.h"

#include <algorithm>
#include <cstdint>

#include <string>

#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Bauvorschau.h"
#include "economy/Diagramm.h"
#include "economy/Haefen.h"
#include "economy/KI.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schiffe.h"
#include "economy/Schutt.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "economy/Warenfluss.h"
#include "economy/Warenstatistik.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "population/Personenindex.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "platform/base/Zufall.h"
#include "population/Arbeitsamt.h"
#include "population/Befehlsliste.h"
#include "population/Animation.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "population/Hafenjobs.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "population/Wohnraum.h"
#include "population/Zielaktion_Arbeit.h"
#include "world/Ernte.h"
#include "world/Forschung.h"
#include "world/Hasen.h"
#include "world/Inseln.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Ressourcen.h"
#include "world/Wachstum.h"

std::vector<Kartenfeld> Karte;

int MG_Groesse_aus_Wahl(int wahl) {
    if (wahl >= 0 && wahl <= 9) return 256 + 64 * wahl;
    Fehler_melden("Nicht abgefangener SingelGameGroessenWahl :" + std::to_string(wahl));
    return 512;
}

namespace {

// One bit per cell of Karte: a person stands there. Valid while `basis` and `felder`
// are Karte's storage and size; otherwise read afresh before the next question.
// A second bit per cell: its person field holds anything but -1 (what a cell of a damaged
// map may hold without a person on it counts here too).
struct Personenbits {
    std::vector<std::uint64_t> bits, nicht_leer;
    const Kartenfeld* basis = nullptr;
    std::size_t felder = 0;

    bool gueltig() const { return basis != nullptr && basis == Karte.data() && felder == Karte.size(); }
    void aufbauen() {
        bits.assign((Karte.size() + 63) / 64, 0);
        nicht_leer.assign(bits.size(), 0);
        for (std::size_t c = 0; c < Karte.size(); ++c) {
            const int p = Karte[c].Person();
            if (p >= 0) bits[c / 64] |= std::uint64_t{1} << (c % 64);
            if (p != -1) nicht_leer[c / 64] |= std::uint64_t{1} << (c % 64);
        }
        basis = Karte.data();
        felder = Karte.size();
    }
    // Any bit set among cells von..bis (both within the map).
    bool eins_in(std::size_t von, std::size_t bis) const {
        const std::size_t wv = von / 64, wb = bis / 64;
        const std::uint64_t mv = ~std::uint64_t{0} << (von % 64);
        const std::uint64_t mb = ~std::uint64_t{0} >> (63 - bis % 64);
        if (wv == wb) return (bits[wv] & mv & mb) != 0;
        if (bits[wv] & mv) return true;
        for (std::size_t w = wv + 1; w < wb; ++w)
            if (bits[w]) return true;
        return (bits[wb] & mb) != 0;
    }
};
Personenbits personenbits;

}  // namespace

Kartenfeld::Personenfeld& Kartenfeld::Personenfeld::operator=(int p) {
    z_.f[Nr_Person] = p;
    if (personenbits.gueltig()) {
        const auto a = reinterpret_cast<std::uintptr_t>(&z_),
                   b = reinterpret_cast<std::uintptr_t>(Karte.data());
        if (a >= b && a < b + Karte.size() * sizeof(Kartenfeld)) {
            const std::size_t c = (a - b) / sizeof(Kartenfeld);
            const std::uint64_t bit = std::uint64_t{1} << (c % 64);
            if (p >= 0)
                personenbits.bits[c / 64] |= bit;
            else
                personenbits.bits[c / 64] &= ~bit;
            if (p != -1)
                personenbits.nicht_leer[c / 64] |= bit;
            else
                personenbits.nicht_leer[c / 64] &= ~bit;
        }
    }
    return *this;
}

bool MG_Person_im_Umkreis(int c0, int radius) {
    if (!personenbits.gueltig()) personenbits.aufbauen();
    const long long n = MG_Kartengroesse, felder = static_cast<long long>(Karte.size());
    // The tested cells lie from 2 to the cell before the last; c0 itself is left out.
    const long long erstes = 2, letztes = felder - 2;
    for (int dy = -radius; dy <= radius; ++dy) {
        const long long zeile = c0 + dy * n;
        long long von = std::max(zeile + std::max(-radius, -radius - dy), erstes);
        long long bis = std::min(zeile + std::min(radius, radius - dy), letztes);
        if (von > bis) continue;
        if (c0 >= von && c0 <= bis) {
            if (c0 > von &&
                personenbits.eins_in(static_cast<std::size_t>(von), static_cast<std::size_t>(c0 - 1)))
                return true;
            von = c0 + 1;
            if (von > bis) continue;
        }
        if (personenbits.eins_in(static_cast<std::size_t>(von), static_cast<std::size_t>(bis))) return true;
    }
    return false;
}

bool MG_Feld_ohne_Person(int c) {
    if (!MG_Feld_gueltig(c)) return false;
    if (!personenbits.gueltig()) personenbits.aufbauen();
    const std::size_t i = static_cast<std::size_t>(c);
    return (personenbits.nicht_leer[i / 64] >> (i % 64) & 1) == 0;
}

void MG_Personenbits_verwerfen() {
    personenbits.basis = nullptr;
    personenbits.felder = 0;
}

void MG_Karte_anlegen(int n, std::vector<Kartenfeld>& karte) {
    if (n < 1 || n > MG_Kartengroesse_max) {
        Fehler_melden("MG_Karte_anlegen > unmoegliche Kartengroesse: " + std::to_string(n));
        return;
    }
    Kartenfeld leer;
    leer.f.fill(-1);
    karte.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), leer);
    MG_Personenbits_verwerfen();
}

int MG_Zufallsrasterfeld() {
    const int g = MG_Kartengroesse / 20;
    const int x = g * (Random(17) + 2);
    const int y = g * (Random(17) + 2);
    return x + y * MG_Kartengroesse;
}

void MG_Hoehen_loeschen() {
    for (Kartenfeld& k : Karte) k.LandType() = 0;
}

void MG_Welt_zuruecksetzen() {
    // 1. Path store, islands, messages, names.
    PFU_Freigeben();
    IU_Inseln_loeschen();
    GUI_Info_leeren();
    NGU_Zuruecksetzen();
    // 2.
    BPU_Sichtliste_Ende = -1;
    Hausneid = 0;
    // 3. Harbours, ships, templates.
    Hafen_Liste_leeren();
    Schiff_Liste_leeren();
    SBU_Schablonen_leeren();
    Hasen_WarenID = -1;  // set again by the templates that name a hunted ware
    // 4. The year count and the calendar start again.
    Logik_Zuruecksetzen();
    // 5. Persons (also the world totals WAlt and WV).
    PM_Personen_leeren();
    // 6. Clans, their ware values and statistics series.
    Spieler.clear();
    GU_Warenwerte.clear();
    DiaU_Leeren();
    // 7. Objects with their worker slots, and the path rows.
    Objekte.clear();
    OB_Slots.clear();
    PFU_Pfade.clear();
    PFU_Naechster_freier = 0;
    // 8. Every side list.
    JU_Zuruecksetzen();
    DiaU_Startpunkt = 1;
    BrU_Zuruecksetzen();
    WU_Init();
    Hase_Loecher_loeschen();
    WRU_Zuruecksetzen();
    AAU_Zuruecksetzen();
    ERU_Init();
    IWU_Index_leeren();
    BMU_Tabelle_leeren();
    EDU_Zuruecksetzen();
    Render().ML_Packlisten_loeschen();
    Render().Chunk_Listen_loeschen();
    SBA_Atlasraster_leeren();
    LGK_Statistik_leeren();
    WFU_Zuruecksetzen();
    IndexU_Reset();
    SchU_Zuruecksetzen();
    // The state every other unit keeps from one step to the next.
    HJU_Zuruecksetzen();
    JA_Suchring = 0;
    MG_Personenbits_verwerfen();
    ZAU_Zuruecksetzen();
    AU_Zuruecksetzen();
    // 9. Computer players.
    KI_aktueller_Spieler = 0;
    KI_Status.clear();
    // 10. After a failed template load the packs stay for the repair run.
    if (SBU_Fehlwaren.empty()) Render().ML_Iconpacks_freigeben();
    // 11. Way list and the gold in circulation.
    SBU_Way_IDs.clear();
    GU = GU2 = 0;
    // 12. Message categories.
    for (bool* schalter : {&GUI_Ge, &GUI_To, &GUI_Ab, &GUI_Ei, &GUI_FO, &GUI_KT, &GUI_KS, &GUI_FS, &GUI_Au,
                           &GUI_Cl, &GUI_Me, &GUI_In})
        *schalter = true;
    // 13. Map display filters, the ranking switch and the visible range.
    Anzeige_zuruecksetzen();
    // 14. Research and the game speed. A new or loaded game runs: a pause left by the end of the
    // last one (won or lost) or a placement begun there does not carry over.
    FU_Forschung_loeschen();
    Spielgeschwindigkeit = 0;
    Pause = false;
    Platzierungsmodus = false;
    Bau_Typ = -1;
    Gewaehltes_Objekt = -1;
    // The resource index is rebuilt with every map.
    RU_Index_leeren();
    SLB_Zuruecksetzen();
}

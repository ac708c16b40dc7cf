#include "population/Jobschritt.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "economy/Arbeiterslots.h"
#include "economy/Objekte_Betrieb.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "population/Arbeitsauftraege.h"
#include "population/Auftragshilfe.h"
#include "population/Befehlsliste.h"
#include "population/Einkauf.h"
#include "population/Personen_Leben.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Schutt.h"
#include "population/Edikte.h"
#include "population/Personen_Geburt.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"

namespace {

// Below this happiness an idle person first buys a luxury good.
constexpr int Luxus_Glueck = 15;

// While the player places a site and its clan cannot pay the dearest spot, its members take no work.
bool platzierung_haelt(const Personenzeile& p) {
    return Platzierungsmodus && p.Spieler() == SpielerID && GU_Clan_gueltig(p.Spieler()) &&
           Spieler[static_cast<std::size_t>(p.Spieler())].Gold() < Bau_Platzwert_max;
}

// The workplace of the person, or -1 (reported when the number names no object).
int arbeitsplatz(int person, const char* routine) {
    const int w = Personen[static_cast<std::size_t>(person)].ArbeitsplatzID();
    if (w < 0) return -1;
    return OM_Zeile(w, routine) ? w : -1;
}

const std::string& spez(int ware) {
    static const std::string leer;
    return ware >= 0 && static_cast<std::size_t>(ware) < SBU_Waren.size()
               ? SBU_Waren[static_cast<std::size_t>(ware)].Spez
               : leer;
}

}  // namespace

bool JU_hat_Arbeitsplatz(int person) {
    return PM_Person_gueltig(person) && Personen[static_cast<std::size_t>(person)].ArbeitsplatzID() > -1;
}

bool JU_Person_Job_Schritt(int person) {
    if (!PM_Zeile(person, "JU_Person_Job_Schritt")) return false;
    auto p = [person]() -> Personenzeile& { return Personen[static_cast<std::size_t>(person)]; };

    // 1. Dismissal, 2. demolition help.
    if (JU_hat_Arbeitsplatz(person)) {
        const int w = arbeitsplatz(person, "JU_Person_Job_Schritt");
        const int slot = w >= 0 ? OB_Slot_des_Arbeiter(w, person) : -1;
        if (slot >= 0 && OB_Slot_Entlassung_vorgemerkt(w, slot)) {
            OB_Slot_Status_setzen(w, slot, 0);
            PM_Person_entlassen(person);
        }
    }
    if (JU_hat_Arbeitsplatz(person)) {
        const int w = arbeitsplatz(person, "JU_Person_Job_Schritt");
        if (w >= 0 && Objekte[static_cast<std::size_t>(w)].Zustand() == 1) OM_Abriss(w);
    }

    // 3. Food, 4. death.
    bool gegessen = false;
    if (PM_Hunger_pruefen(person)) gegessen = JA_Nahrung_kaufen(person);
    if (gegessen) return true;
    if (PM_Person_stirbt(person)) return true;

    // 5. Birth, 6. luxury, 7. home.
    if (p().HeimID() > -1) PM_Kind_gebaeren(person);
    if (p().Glueck() < Luxus_Glueck && JA_Luxusgut_kaufen(person)) return true;
    if (p().Geschlecht() == 1 && p().HeimID() == -1) WRU_Wohnung_suchen(person);

    // 8. Work at the workplace, 9. the employment office or the clan's orders.
    if (JU_hat_Arbeitsplatz(person)) {
        if (ERU_Ernteauftrag_vergeben(person)) return true;
        if (platzierung_haelt(p())) return false;
        return JU_Arbeit_am_Arbeitsplatz(person);
    }
    if (platzierung_haelt(p())) return false;
    if (EDU_Arbeitsamt_Edikt(person)) return true;
    return JU_Auftragsliste_abarbeiten(person);
}

bool JU_Arbeit_am_Arbeitsplatz(int person) {
    if (!PM_Zeile(person, "JU_Arbeit_am_Arbeitsplatz")) return false;
    const int w = arbeitsplatz(person, "JU_Arbeit_am_Arbeitsplatz");
    if (w < 0) return false;
    auto o = [w]() -> Objektzeile& { return Objekte[static_cast<std::size_t>(w)]; };
    const int clan = Personen[static_cast<std::size_t>(person)].Spieler();
    int start = o().Slotzeiger();
    if (start < 0 || start > 5) start = 0;
    int gegeben = -1;
    for (int k = 0; k < Objekt_Warenslots && gegeben < 0; ++k) {
        const int j = (start + k) % Objekt_Warenslots;
        if (OM_Slotmarke_gesetzt(w, j)) {
            OM_Warenslot_leeren(w, j);
            OM_Warenslot_freigeben(w, j);
            continue;
        }
        const int ware = o().Slot_Ware(j);
        if (ware == -1) continue;
        if (ware < 0 || static_cast<std::size_t>(ware) >= SBU_Waren.size()) {
            Fehler_melden("JU_Arbeit_am_Arbeitsplatz > unbekannte Ware: " + std::to_string(ware));
            continue;
        }
        const int make = SBU_Waren[static_cast<std::size_t>(ware)].Make;
        if (std::int64_t{o().Slot_Bestand(j)} + o().Slot_Bestellt(j) + (std::int64_t{make} - 1) >= 9)
            continue;
        if (spez(ware) == "ship") {
            const Spielerzeile* besitzer = GU_Zeile(o().Besitzer(), "JU_Arbeit_am_Arbeitsplatz");
            if (!besitzer || besitzer->Flugschiffe() >= besitzer->Flugschiffe_Max()) return false;
        }
        if (spez(ware) == "tech" &&
            (!GU_Clan_gueltig(clan) || Spieler[static_cast<std::size_t>(clan)].Technik_frei() == 0))
            return false;
        o().Slotzeiger() = j + 1;
        if (JU_Auftrag_geben(person, w, j)) gegeben = ware;
    }
    if (gegeben >= 0) {
        if (spez(gegeben) == "ship" && GU_Clan_gueltig(o().Besitzer()))
            Spieler[static_cast<std::size_t>(o().Besitzer())].Flugschiffe() += 1;
        return true;
    }
    if (o().Zaehler() == -2 && EDU_Edikt_Arbeit_aktiv(clan) && OM_Warenlager_leer(w)) {
        OM_Abriss(w);
        return true;
    }
    if (OM_Lager_voll(w)) {
        PM_Person_entlassen(person);
        return true;
    }
    return false;
}

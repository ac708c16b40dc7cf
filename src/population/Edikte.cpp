#include "population/Edikte.h"

#include "economy/Geldkreis.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "foundation/Seitendatei.h"
#include "foundation/Spielstatus.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Zufall.h"
#include "population/Arbeitsamt.h"
#include "population/Clanregister.h"
#include "population/Personen.h"
#include "economy/Errungenschaften.h"
#include "economy/KI.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Bewegung.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "population/Animation.h"
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"

std::vector<Edikt_Sammlung> Edikte;
std::vector<Zeitedikt_Liste> Zeitedikte;

namespace {

// The person's row and its clan's row, or nothing (reported) when either does not exist.
struct Mitglied {
    Personenzeile* p = nullptr;
    Spielerzeile* s = nullptr;
    int clan = -1;
    explicit operator bool() const { return p && s; }
};

Mitglied mitglied(int person, const char* routine) {
    Mitglied m;
    if (!PM_Person_gueltig(person)) {
        Fehler_melden(std::string(routine) + " > unbekannte Person: " + std::to_string(person));
        return m;
    }
    m.p = &Personen[static_cast<std::size_t>(person)];
    m.clan = m.p->Spieler();
    if (!GU_Clan_gueltig(m.clan)) {
        Fehler_melden(std::string(routine) + " > unbekannter Clan: " + std::to_string(m.clan));
        m.p = nullptr;
        return m;
    }
    m.s = &Spieler[static_cast<std::size_t>(m.clan)];
    return m;
}

// The clan's record, created when the clan exists but has none yet; nullptr otherwise.
Edikt_Sammlung* sammlung(int clan, const char* routine) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden(std::string(routine) + " > unbekannter Clan: " + std::to_string(clan));
        return nullptr;
    }
    if (Edikte.size() <= static_cast<std::size_t>(clan)) Edikte.resize(static_cast<std::size_t>(clan) + 1);
    return &Edikte[static_cast<std::size_t>(clan)];
}

}  // namespace

void EDU_Edikte_initialisieren() {
    if (Edikte.size() < Spieler.size()) Edikte.resize(Spieler.size());
}

void EDU_Zuruecksetzen() {
    Edikte.clear();
    // The timed entries belong to the game that is left, too.
    Zeitedikte.clear();
}

bool EDU_Speichern(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (const Edikt_Sammlung& e : Edikte)
        zeilen.push_back(FFU_Zeile_bauen({e.Abriss_Modus, e.Namensmodus, e.Reserve}));
    return Seitendatei_schreiben(pfad, zeilen, "EDU_Speichern");
}

void EDU_Laden(const std::string& pfad) {
    auto zeilen = Seitendatei_lesen(pfad, "EDU_Laden");
    if (!zeilen) return;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        const std::string& zeile = (*zeilen)[i];
        int f[3];
        // The clan rows are read after this file: only the bound is checked.
        if (i >= static_cast<std::size_t>(clanregister::Clans_max) || !Zahlenzeile_lesen(zeile, 3, f)) {
            Fehler_melden("EDU_Laden > fehlerhafte Zeile " + std::to_string(i + 1) + ": " + zeile);
            continue;
        }
        if (Edikte.size() <= i) Edikte.resize(i + 1);
        Edikte[i] = {f[0], f[1], f[2]};
    }
}

bool EDU_Edikt_Arbeit_aktiv(int clan) {
    Edikt_Sammlung* e = sammlung(clan, "EDU_Edikt_Arbeit_aktiv");
    if (!e) return false;
    if (e->Abriss_Modus == 1) return true;
    if (e->Abriss_Modus == 0 && KI_Spieler_aktiv(clan)) {
        e->Abriss_Modus = 1;
        return true;
    }
    return false;
}

int EDU_Namensvererbung_Modus(int clan) {
    Edikt_Sammlung* e = sammlung(clan, "EDU_Namensvererbung_Modus");
    if (e && e->Namensmodus != 0) return e->Namensmodus;
    const int modus = Random(3) + 1;
    if (e && KI_Spieler_aktiv(clan)) e->Namensmodus = modus;
    return modus;
}

bool EDU_Arbeitsamt_Edikt(int person) {
    const Mitglied m = mitglied(person, "EDU_Arbeitsamt_Edikt");
    if (!m || m.s->Edikt_Arbeitsamt() == 0) return false;
    return AAU_Arbeitsamt_vermitteln(person);
}

int EDU_Glueck_Edikt_A(int person) {
    const Mitglied m = mitglied(person, "EDU_Glueck_Edikt_A");
    return m && m.s->Buendnis() == 1 ? 1 : 0;
}

int EDU_Glueck_Edikt_B(int person) {
    const Mitglied m = mitglied(person, "EDU_Glueck_Edikt_B");
    if (!m || m.s->Edikt_Steuer() != 1) return 0;
    if (m.p->Gold() >= 1) GKU_ED_von_Person_zu_Spieler(m.clan, person, 1);
    return -5;
}

int EDU_Glueck_Edikt_C(int person) {
    const Mitglied m = mitglied(person, "EDU_Glueck_Edikt_C");
    if (!m) return 0;
    // Gold the player may need for the site being placed is kept back; computer clans never place that way.
    if (Platzierungsmodus && m.clan == SpielerID && m.s->Gold() <= Bau_Platzwert_max + 5) return 0;
    if (m.s->Edikt_Armenhilfe() == 1 && m.s->Gold() >= 51 && m.p->Gold() < 51) {
        GKU_ED_von_Spieler_zu_Person(m.clan, person, 5);
        return 1;
    }
    return 0;
}

int EDU_Glueck_Edikt_D(int person) {
    const Mitglied m = mitglied(person, "EDU_Glueck_Edikt_D");
    if (!m) return 0;
    int d = 0;
    if (m.s->Edikt_Umverteilung() == 1 && m.p->Gold() > 249) {
        m.p->Gold() -= 5;
        m.s->Gemeinschaftskasse() += 5;
        d = -1;
    }
    // The fund helps the poor whether or not the edict is on.
    if (m.p->Gold() < 51 && m.s->Gemeinschaftskasse() >= 5) {
        m.s->Gemeinschaftskasse() -= 5;
        m.p->Gold() += 5;
        d = 1;
    }
    return d;
}

int EDU_Glueck_Wohnen(int person) {
    const Mitglied m = mitglied(person, "EDU_Glueck_Wohnen");
    if (!m || m.s->Edikt_Abgabe() != 1) return 0;
    if (m.p->Gold() >= 1) GKU_ED_Abgabe_von_Person(person, m.clan);
    return -1;
}

void EDU_Kindergeld(int clan, int kind) {
    if (!GU_Clan_gueltig(clan) || !PM_Person_gueltig(kind)) {
        Fehler_melden("EDU_Kindergeld > unbekannter Clan oder unbekanntes Kind: " + std::to_string(clan) +
                      "/" + std::to_string(kind));
        return;
    }
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    if (s.Edikt_Kindergeld() == 1 && s.Gold() > 119) GKU_ED_von_Spieler_zu_Person(clan, kind, 20);
}

void EDU_Zeitedikt_eintragen(int clan) {
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("EDU_Zeitedikt_eintragen > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    // The window's choice 0..2 runs 120, 600 or 1200 months; 3 never runs out.
    constexpr int Monate[] = {120, 600, 1200};
    const int wahl = Oberflaeche().IAU_Auswahl_2();
    if (wahl < 0 || wahl > 3) {
        Fehler_melden("EDU_Zeitedikt_eintragen > unbekannte Dauer: " + std::to_string(wahl));
        return;
    }
    const Zeitedikt neu = wahl == 3 ? Zeitedikt{false, 0} : Zeitedikt{true, Monate[wahl]};
    if (Zeitedikte.size() <= static_cast<std::size_t>(clan))
        Zeitedikte.resize(static_cast<std::size_t>(clan) + 1);
    Zeitedikt_Liste& l = Zeitedikte[static_cast<std::size_t>(clan)];
    l.Eintraege.resize(static_cast<std::size_t>(l.Anzahl));
    l.Eintraege.push_back(neu);
    l.Anzahl += 1;
}

void EDU_Edikte_monatlich() {
    for (Zeitedikt_Liste& l : Zeitedikte) {
        int i = 0;
        while (i < l.Anzahl) {
            Zeitedikt& e = l.Eintraege[static_cast<std::size_t>(i)];
            if (e.Aktiv) e.Restmonate -= 1;
            if (e.Aktiv && e.Restmonate <= 0) {
                l.Eintraege.erase(l.Eintraege.begin() + i);
                l.Anzahl -= 1;
                continue;
            }
            ++i;
        }
    }
}

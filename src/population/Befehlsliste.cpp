#include "population/Befehlsliste.h"

#include <cstddef>
#include <utility>

#include "economy/Schiffe.h"
#include "foundation/Fehler.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"
#include "economy/Warenindex.h"
#include "population/Auftragshilfe.h"
#include "population/Bauauftraege.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "population/Edikte.h"
#include "population/Personen_Geburt.h"
#include "population/Personen_Leben.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"

std::vector<JU_Befehle> JU_Befehlsliste;

namespace {

// Highest clan number + 1 an order may name.
constexpr int JU_Clans_max = 65536;
// Room added to a clan's record array when it is full.
constexpr int Wachstum = 100;

// The clan's list, or nothing when the clan has no list element.
JU_Befehle* liste(int spieler) {
    if (spieler < 0 || static_cast<std::size_t>(spieler) >= JU_Befehlsliste.size()) return nullptr;
    return &JU_Befehlsliste[static_cast<std::size_t>(spieler)];
}

// The clan's order at the index; reported with the routine's name when there is none.
Job_Befehl* befehl(int spieler, int index, const char* routine) {
    JU_Befehle* l = liste(spieler);
    if (l && index >= 0 && index < l->Anzahl) return &l->Befehle[static_cast<std::size_t>(index)];
    Fehler_melden(std::string(routine) + " > kein Befehl: " + std::to_string(spieler) + "/" +
                  std::to_string(index));
    return nullptr;
}

}  // namespace

void JU_Befehl_eintragen(int befehl, int spieler, int feld, int typ, int ware, int lohn, int menge) {
    // The lists are loaded before the clan rows, so the clan is only checked against a bound.
    if (spieler < 0 || spieler >= JU_Clans_max) {
        Fehler_melden("JU_Befehl_eintragen > unbekannter Clan: " + std::to_string(spieler));
        return;
    }
    if (static_cast<std::size_t>(spieler) >= JU_Befehlsliste.size())
        JU_Befehlsliste.resize(static_cast<std::size_t>(spieler) + 1);
    JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(spieler)];
    if (static_cast<int>(l.Befehle.size()) - 1 < l.Anzahl)
        l.Befehle.resize(static_cast<std::size_t>(l.Anzahl + Wachstum));
    l.Befehle[static_cast<std::size_t>(l.Anzahl)] = {befehl, feld, typ, ware, lohn, menge};
    l.Anzahl += 1;
}

Job_Befehl* JU_Befehl_finden(int spieler, int befehl, int feld, int ware) {
    JU_Befehle* l = liste(spieler);
    if (!l) return nullptr;
    for (int i = 0; i < l->Anzahl && static_cast<std::size_t>(i) < l->Befehle.size(); ++i) {
        Job_Befehl& b = l->Befehle[static_cast<std::size_t>(i)];
        if (b.Befehl == befehl && b.Feld == feld && (ware < 0 || b.Ware == ware)) return &b;
    }
    return nullptr;
}

void JU_Befehl_entfernen(int spieler, int index) {
    if (!befehl(spieler, index, "JU_Befehl_entfernen")) return;
    JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(spieler)];
    const auto letzter = static_cast<std::size_t>(l.Anzahl - 1);
    l.Befehle[static_cast<std::size_t>(index)] = l.Befehle[letzter];
    l.Befehle[letzter] = Job_Befehl{};
    l.Anzahl -= 1;
}

void JU_Zuruecksetzen() { JU_Befehlsliste.clear(); }

bool JU_Auftragsliste_abarbeiten(int person) {
    const Personenzeile* p = PM_Zeile(person, "JU_Auftragsliste_abarbeiten");
    if (!p) return false;
    const int spieler = p->Spieler();
    for (int i = 0; liste(spieler) && i < liste(spieler)->Anzahl; ++i)
        if (JU_Job_ermittlen(spieler, i, person)) return true;
    return false;
}

bool JU_Job_ermittlen(int spieler, int index, int person) {
    const Job_Befehl* b = befehl(spieler, index, "JU_Job_ermittlen");
    if (!b) return false;
    switch (b->Befehl) {
        case JU_Material:
            return JU_Materialauftrag_annehmen(spieler, index, person);
        case JU_Bauen:
            return JU_Bauauftrag_annehmen(spieler, index, person);
        case JU_Siedler:
            return JU_Befehl_Hafen(spieler, index, person);
        case JU_Schiffsbau:
            return false;
        default:
            Fehler_melden("JU_Job_ermittlen unbekannter Befehl bei ID :" + std::to_string(b->Befehl));
            return false;
    }
}

bool JU_Schiffsauftrag(int schiff) {
    if (schiff < 0 || schiff >= Schiff_Anzahl || static_cast<std::size_t>(schiff) >= Schiffe.size()) {
        Fehler_melden("JU_Schiffsauftrag > unbekanntes Schiff: " + std::to_string(schiff));
        return false;
    }
    const int spieler = Schiffe[static_cast<std::size_t>(schiff)].Besitzer;
    for (int i = 0; liste(spieler) && i < liste(spieler)->Anzahl; ++i)
        if (JA_Schiffsauftrag_suchen(spieler, i, schiff)) return true;
    return false;
}

bool JA_Schiffsauftrag_suchen(int spieler, int index, int schiff) {
    const Job_Befehl* b = befehl(spieler, index, "JA_Schiffsauftrag_suchen");
    if (!b || b->Befehl != JU_Schiffsbau) return false;
    if (schiff < 0 || static_cast<std::size_t>(schiff) >= Schiffe.size()) return false;
    Schiff& s = Schiffe[static_cast<std::size_t>(schiff)];
    s.Ziel = b->Lohn;
    s.Naechstes_Ziel = b->Typ;
    s.Warten = 3;
    s.Auftrag = 2;
    JU_Befehl_entfernen(spieler, index);
    return true;
}

void JU_Materialauftraege_streichen(int objekt) {
    const Objektzeile* o = OM_Zeile(objekt, "JU_Materialauftraege_streichen");
    if (!o) return;
    const int spieler = o->Besitzer();
    int i = 0;
    while (liste(spieler) && i < liste(spieler)->Anzahl) {
        const Job_Befehl b = liste(spieler)->Befehle[static_cast<std::size_t>(i)];
        if (b.Befehl == JU_Material && b.Feld == o->Feld()) {
            BPU_Baumaterial_geliefert(b.Ware, objekt, spieler, i);
            JU_Befehl_entfernen(spieler, i);
        } else {
            ++i;
        }
    }
}

void JU_Materialauftraege_vorziehen(int spieler) {
    JU_Befehle* l = liste(spieler);
    if (!l) return;
    int haus = -1;
    for (int i = 0; i < l->Anzahl; ++i) {
        const Job_Befehl& b = l->Befehle[static_cast<std::size_t>(i)];
        if (b.Befehl != JU_Material) continue;
        if (haus < 0) {
            if (!OM_ist_Home(b.Typ)) return;
            haus = i;
        } else if (!OM_ist_Home(b.Typ)) {
            std::swap(l->Befehle[static_cast<std::size_t>(haus)], l->Befehle[static_cast<std::size_t>(i)]);
            return;
        }
    }
}

bool JU_Speichern(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (std::size_t c = 0; c < JU_Befehlsliste.size(); ++c) {
        const JU_Befehle& l = JU_Befehlsliste[c];
        for (int i = 0; i < l.Anzahl; ++i) {
            const Job_Befehl& b = l.Befehle[static_cast<std::size_t>(i)];
            zeilen.push_back(
                FFU_Zeile_bauen({b.Befehl, static_cast<int>(c), b.Feld, b.Typ, b.Ware, b.Lohn, b.Menge}));
        }
    }
    return Seitendatei_schreiben(pfad, zeilen, "JU_Speichern");
}

void JU_Laden(const std::string& pfad) {
    const auto zeilen = Seitendatei_lesen(pfad, "JU_Laden");
    if (!zeilen) return;
    for (std::size_t n = 0; n < zeilen->size(); ++n) {
        if ((*zeilen)[n].empty()) continue;
        int w[7];
        if (!Zahlenzeile_lesen((*zeilen)[n], 7, w)) {
            Fehler_melden("JU_Laden > fehlerhafte Zeile " + std::to_string(n + 1) + ": " + (*zeilen)[n]);
            continue;
        }
        JU_Befehl_eintragen(w[0], w[1], w[2], w[3], w[4], w[5], w[6]);
    }
}

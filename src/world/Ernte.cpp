#include "world/Ernte.h"

#include <cstddef>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"
#include "population/Personen.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "foundation/Spielstatus.h"
#include "population/Bauauftraege.h"

std::vector<Ernteliste> ERU_Ernteauftraege;

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

// The last order moves into place i.
void entfernen(Ernteliste& l, int i) {
    l.Auftraege[idx(i)] = l.Auftraege[idx(l.Anzahl - 1)];
    l.Auftraege[idx(l.Anzahl - 1)] = Ernteauftrag{};
    --l.Anzahl;
}

// The list of object o when it has orders; nullptr otherwise.
Ernteliste* liste_mit_auftraegen(int o) {
    if (o < 0 || idx(o) >= ERU_Ernteauftraege.size()) return nullptr;
    Ernteliste& l = ERU_Ernteauftraege[idx(o)];
    return l.Anzahl > 0 ? &l : nullptr;
}

}  // namespace

void ERU_Ernteauftrag_hinzufuegen(int auftrag, int spieler, int gebaeude, int reserve, int ware, int feld,
                                  int gebaeude2) {
    // Orders are read back before the objects, so the map bounds the row: there
    // are never more objects than cells.
    const int o = MG_Feld_gueltig(gebaeude) ? Karte[idx(gebaeude)].Objekt() : -1;
    if (o < 0 || idx(o) >= Karte.size()) {
        Fehler_melden("ERU_Ernteauftrag_hinzufuegen > kein Gebaeude auf Feld " + std::to_string(gebaeude));
        return;
    }
    if (idx(o) >= ERU_Ernteauftraege.size()) ERU_Ernteauftraege.resize(idx(o) + 100);
    Ernteliste& l = ERU_Ernteauftraege[idx(o)];
    if (idx(l.Anzahl) >= l.Auftraege.size()) l.Auftraege.resize(l.Auftraege.size() + 9);
    l.Auftraege[idx(l.Anzahl)] = {auftrag, spieler, gebaeude, reserve, ware, feld, gebaeude2};
    ++l.Anzahl;
}

bool ERU_Ernteauftrag_vergeben(int person) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("ERU_Ernteauftrag_vergeben > unbekannte Person: " + std::to_string(person));
        return false;
    }
    Personenzeile& p = Personen[idx(person)];
    Ernteliste* l = liste_mit_auftraegen(p.ArbeitsplatzID());
    if (!l) return false;
    const Ernteauftrag a = l->Auftraege[0];
    if (MG_Feld_gueltig(a.Feld)) {
        Karte[idx(a.Feld)].Block() = 1;
    } else {
        // The order cannot be walked to: it is dropped.
        Fehler_melden("ERU_Ernteauftrag_vergeben > Feld ausserhalb der Karte: " + std::to_string(a.Feld));
        entfernen(*l, 0);
        return false;
    }
    p.AuftragID() = a.Auftrag;
    GU_Arbeit_C_plus(person);
    PM_Ziel_setzen(person, a.Feld);
    p.Bewegungscounter() = 9;
    p.Auftragsziel2() = a.Gebaeude2;
    p.WarenID() = a.Ware;
    entfernen(*l, 0);
    return true;
}

void ERU_Gebaeude_entfernt(int objekt) {
    Ernteliste* l = liste_mit_auftraegen(objekt);
    if (!l) return;
    while (l->Anzahl > 0) {
        const Ernteauftrag a = l->Auftraege[0];
        WarenAnschaffungsauftragentfernen(a.Ware, objekt);
        if (a.Auftrag == 650) {
            // The catch goes with the trap; the hole is free for hunters again.
            Hase_Fang_abschliessen(a.Feld);
        } else if (MG_Feld_gueltig(a.Feld)) {
            Karte[idx(a.Feld)].Block() = -1;
            Karte[idx(a.Feld)].Ambiente() = -1;
        }
        entfernen(*l, 0);
    }
}

void ERU_Init() {
    ERU_Ernteauftraege.clear();
    ERU_Ernteauftraege.shrink_to_fit();
}

bool ERU_Speichern(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (const Ernteliste& l : ERU_Ernteauftraege)
        for (int i = 0; i < l.Anzahl; ++i) {
            const Ernteauftrag& a = l.Auftraege[idx(i)];
            zeilen.push_back(
                FFU_Zeile_bauen({a.Auftrag, a.Spieler, a.Gebaeude, a.Reserve, a.Ware, a.Feld, a.Gebaeude2}));
        }
    return Seitendatei_schreiben(pfad, zeilen, "ERU_Speichern");
}

void ERU_Laden(const std::string& pfad) {
    Seitendatei_Zahlenzeilen_lesen(pfad, "ERU_Laden", 7, [](const std::vector<int>& f) {
        ERU_Ernteauftrag_hinzufuegen(f[0], f[1], f[2], f[3], f[4], f[5], f[6]);
        return true;
    });
}

#include "world/Wachstum.h"

#include <cstddef>
#include <limits>

#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "foundation/Spielstatus.h"
#include "population/Bauauftraege.h"

std::vector<Wachstumsauftrag> Farmarray;
int Farm_Size = 0;

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

// Counts the record on; true (and back to 0) when it passes the limit.
bool zaehler(Wachstumsauftrag& a, int grenze) {
    // A counter read from a file may stand at or beyond the limit already.
    if (a.Zaehler() < grenze) {
        ++a.Zaehler();
        return false;
    }
    a.Zaehler() = 0;
    return true;
}

bool ist_Ambiente(int typ) {
    const int b = SBU_Ambiente_Basis();
    return typ >= b && typ < b + static_cast<int>(SBU_Ambiente.size());
}

// The record's cell when it holds an ambient stage; nullptr otherwise (reported off the map).
Kartenfeld* stufenfeld(const Wachstumsauftrag& a) {
    if (!MG_Feld_gueltig(a.Feld())) {
        Fehler_melden("WU_Farm_wachstum > Feld ausserhalb der Karte: " + std::to_string(a.Feld()));
        return nullptr;
    }
    Kartenfeld& k = Karte[idx(a.Feld())];
    return ist_Ambiente(k.Ambiente()) ? &k : nullptr;
}

// The cell turns into its next stage; false at the last stage.
bool wachsen(Kartenfeld& k) {
    const int weiter = WU_Naechste_Stufe(k.Ambiente());
    if (weiter < 0) return false;
    k.Ambiente() = weiter;
    return true;
}

void ernte(int auftrag, const Wachstumsauftrag& a) {
    ERU_Ernteauftrag_hinzufuegen(auftrag, a.Spieler(), a.Objekt(), 0, a.Ware(), a.Feld(), a.Objekt());
}

// A record whose cell was cleared meanwhile has nothing left to grow: it is done.
bool pflanze(Wachstumsauftrag& a) {
    if (!zaehler(a, 399)) return false;
    Kartenfeld* k = stufenfeld(a);
    if (!k) return true;
    if (k->Ambiente() != SBU_ID_cage && wachsen(*k)) return false;
    if (WU_Naechste_Stufe(k->Ambiente()) < 0) {
        ernte(150, a);
        return true;
    }
    // A trap on its way to a next stage catches with one chance in two.
    if (Random(2) != 0) return false;
    k->Ambiente() = SBU_ID_rabitcatch;
    ernte(650, a);
    return true;
}

bool ruine(Wachstumsauftrag& a) {
    if (!zaehler(a, 149)) return false;
    const int o = a.Objekt();
    if (!OM_Objekt_gueltig(o)) {
        Fehler_melden("WU_Farm_wachstum > unbekanntes Objekt: " + std::to_string(o));
        return true;
    }
    int& verfall = Objekte[idx(o)].Zaehler();
    verfall = verfall > std::numeric_limits<int>::max() - 10 ? std::numeric_limits<int>::max() : verfall + 10;
    if (Random(50) + 50 > Objekte[idx(o)].Zaehler()) return false;
    const int anker = a.Feld();
    BPU_Truemmer_verteilen(anker, Objekte[idx(o)].Typ());
    OM_Objekt_loeschen(o);
    if (MG_Feld_gueltig(anker)) {
        Karte[idx(anker)].Objekt() = -1;
        Karte[idx(anker)].Ambiente() = -1;
    }
    Objekte[idx(o)].Feld() = 0;
    BPU_Sichtliste_Objekte();
    if (Mouseoverfunktion_Nummer == 81) Mouseoverfunktion_Nummer = 0;
    return true;
}

bool grab(Wachstumsauftrag& a) {
    if (!zaehler(a, 3)) return false;
    Kartenfeld* k = stufenfeld(a);
    if (!k) return true;
    if (wachsen(*k)) return false;
    k->Block() = -1;
    k->Ambiente() = -1;
    return true;
}

// One record's step; true when its order is finished.
bool farm_wachstum(int i) {
    Wachstumsauftrag& a = Farmarray[idx(i)];
    switch (a.Art()) {
        case WU_Art_Pflanze:
            return pflanze(a);
        case WU_Art_Ruine:
            return ruine(a);
        case WU_Art_Grab:
            return grab(a);
        default:
            if (a.Art() <= 0)
                Fehler_melden(W("Leere Wachstumsaufträge im array"));
            else
                Fehler_melden("WU_Farm_wachstum > Art nicht bekannt: " + std::to_string(a.Art()));
            return false;
    }
}

// The last record moves into place i.
void entfernen(int i) {
    Farmarray[idx(i)] = Farmarray[idx(Farm_Size - 1)];
    Farmarray[idx(Farm_Size - 1)] = Wachstumsauftrag{};
    --Farm_Size;
}

}  // namespace

int WU_Naechste_Stufe(int typ) {
    if (!ist_Ambiente(typ)) return -1;
    const int link = SBU_Ambiente[idx(typ - SBU_Ambiente_Basis())].link;
    if (link < SBU_Ambiente_Basis()) return -1;
    if (!ist_Ambiente(link)) {
        Fehler_melden("WU_Naechste_Stufe > unbekannte Stufe " + std::to_string(link) + " nach " +
                      std::to_string(typ));
        return -1;
    }
    return link;
}

bool WU_Wachstumsauftrag_hinzufuegen(int art, int zaehler, int feld, int spieler, int objekt, int ware) {
    if (idx(Farm_Size) >= Farmarray.size()) Farmarray.resize(Farmarray.size() + 1000);
    Wachstumsauftrag& a = Farmarray[idx(Farm_Size)];
    a.f = {art, zaehler, feld, spieler, objekt, ware};
    ++Farm_Size;
    return true;
}

void WU_Wachstum_Tick() {
    for (int i = 0; i < Farm_Size;) {
        if (farm_wachstum(i))
            entfernen(i);
        else
            ++i;
    }
}

void WU_Gebaeude_entfernt(int objekt) {
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("WU_Gebaeude_entfernt > unbekanntes Objekt: " + std::to_string(objekt));
        return;
    }
    const int anker = Objekte[idx(objekt)].Feld();
    for (int i = 0; i < Farm_Size;) {
        // Only planting orders name a building's anchor cell; a ruin's object row
        // or a grave's sex may equal the number by chance.
        const Wachstumsauftrag a = Farmarray[idx(i)];
        if (a.Art() != WU_Art_Pflanze || a.Objekt() != anker) {
            ++i;
            continue;
        }
        const int amb = MG_Feld_gueltig(a.Feld()) ? Karte[idx(a.Feld())].Ambiente() : -1;
        const bool falle = ist_Ambiente(amb) && (amb == SBU_ID_cage || amb == SBU_ID_rabitcatch);
        if (!falle) {
            JU_Pflanze_Auftrag_beenden(a.Ware(), a.Feld(), anker);
        } else {
            WarenAnschaffungsauftragentfernen(a.Ware(), objekt);
            Hase_Fang_abschliessen(a.Feld());
        }
        entfernen(i);
    }
}

void WU_Init() {
    Farmarray.clear();
    Farmarray.shrink_to_fit();
    Farm_Size = 0;
}

bool WU_Speichern(const std::string& pfad) {
    std::vector<std::string> zeilen;
    for (int i = 0; i < Farm_Size; ++i) {
        const auto& f = Farmarray[idx(i)].f;
        zeilen.push_back(FFU_Zeile_bauen({f.begin(), f.end()}));
    }
    return Seitendatei_schreiben(pfad, zeilen, "WU_Speichern");
}

void WU_Laden(const std::string& pfad) {
    Seitendatei_Zahlenzeilen_lesen(pfad, "WU_Laden", 6, [](const std::vector<int>& f) {
        WU_Wachstumsauftrag_hinzufuegen(f[0], f[1], f[2], f[3], f[4], f[5]);
        return true;
    });
}

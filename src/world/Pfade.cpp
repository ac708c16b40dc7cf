#include "world/Pfade.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>
#include <string>

#include "economy/Objekte.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"
#include "world/Karte.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "foundation/Spielstatus.h"
#include "population/Bauauftraege.h"
#include "population/Zielaktion.h"

std::vector<std::vector<int>> PFU_Pfade;
int PFU_Naechster_freier = 0;
int PFU_Pathlaenge = 0;

std::vector<int> PFU_Gemeldete_Ziele;
std::vector<int> PFU_Linie;
std::vector<int> PFU_Sonde_L, PFU_Sonde_R;
int PFU_Sonde_L_Feld = 0, PFU_Sonde_L_Richtung = 0, PFU_Sonde_R_Feld = 0, PFU_Sonde_R_Richtung = 0;

namespace {

std::size_t idx(int i) { return static_cast<std::size_t>(i); }

// Walks the straight line from feld to ziel the way the walker would, calling
// besuchen (cell, position on the line) for each interior cell; the walk stops
// at the target or where the line leaves the interior.
template <typename F>
void linie_gehen(int feld, int ziel, F besuchen) {
    for (int zaehler = 0;; ++zaehler) {
        if (!PFU_Feld_im_Inneren(feld)) return;
        besuchen(feld, zaehler);
        if (feld == ziel) return;
        feld = PFU_Nachbarfeld(feld, FFU_Richtung_zu_Feld(feld, ziel));
    }
}

// Zeroes a probe list from its first entry up to its first 0.
void sonde_leeren(std::vector<int>& liste) {
    for (int& c : liste) {
        if (c == 0) return;
        c = 0;
    }
}

// One step of a probe: from its start direction it turns by dreh (+1 left-hand,
// -1 right-hand) until a walkable neighbour comes. 1 when that cell lies on the
// line beyond its first cell, 0 otherwise (also when boxed in), -1 when the list is full.
int sonde_schritt(std::vector<int>& liste, int& feld, int& richtung, int k, int dreh) {
    if (k > PFU_Pathlaenge - 1) return -1;
    for (int j = 0; j < 6; ++j) {
        const int e = FFU_Richtung_normieren(richtung + dreh * j);
        const int c = PFU_Nachbarfeld(feld, e);
        if (c < 0 || !PFU_Feld_begehbar(c)) continue;
        liste[idx(k)] = c;
        richtung = FFU_Richtung_normieren(e - dreh);
        feld = c;
        return PFU_Linie[idx(c)] > 1 ? 1 : 0;
    }
    return 0;
}

bool bereit() {
    const int n = MG_Kartengroesse;
    return n > 0 && PFU_Pathlaenge == 4 * n && PFU_Linie.size() == idx(n) * idx(n) &&
           PFU_Sonde_L.size() == idx(PFU_Pathlaenge) && PFU_Sonde_R.size() == idx(PFU_Pathlaenge) &&
           Karte.size() == PFU_Linie.size();
}

// True the first time the walker is found without a way to this target; a walker
// is told once per target, not at every step it stands there.
bool zum_ersten_mal(int person, int ziel) {
    if (idx(person) >= PFU_Gemeldete_Ziele.size()) PFU_Gemeldete_Ziele.resize(idx(person) + 1, -1);
    if (PFU_Gemeldete_Ziele[idx(person)] == ziel) return false;
    PFU_Gemeldete_Ziele[idx(person)] = ziel;
    return true;
}

// A walker with no way to its target: a walk to a free spot ends where it stands,
// any other order is given up (the walker is sent away) instead of being asked
// for again at every step.
void ohne_weg(int person) {
    Personenzeile& q = Personen[idx(person)];
    if (q.AuftragID() == 3)
        PM_Ziel_setzen(person, q.Feld());
    else
        ZAU_Auftrag_aufgeben(person);
}

void kein_pfad(int person, int links, int rechts, int start, int ziel) {
    Fehler_melden("Kein Path gefunden. PersonID:" + std::to_string(person) + " L[" + std::to_string(links) +
                  "] R[" + std::to_string(rechts) + "]");
    // The developer overlay shows the line that was not reached.
    const std::size_t zellen = idx(MG_Kartengroesse) * idx(MG_Kartengroesse);
    if (BPU_PFU_Indexliste.size() < zellen) BPU_PFU_Indexliste.resize(zellen, 0);
    linie_gehen(start, ziel, [](int c, int) {
        BPU_PFU_Indexliste[idx(c)] = std::max(BPU_PFU_Indexliste[idx(c)], PFU_Linie[idx(c)]);
    });
}

// Both probes from the walker's cell; stores the path of the first to meet the line.
// False when neither found one.
bool sonden(int person, int start, int ziel) {
    const int d = FFU_Richtung_zu_Feld(start, ziel);
    PFU_Sonde_L_Feld = PFU_Sonde_R_Feld = start;
    PFU_Sonde_L_Richtung = PFU_Sonde_R_Richtung = d;
    int links = 0, rechts = 0;
    for (int k = 0; links == 0 && rechts == 0; ++k) {
        links = sonde_schritt(PFU_Sonde_L, PFU_Sonde_L_Feld, PFU_Sonde_L_Richtung, k, 1);
        rechts = sonde_schritt(PFU_Sonde_R, PFU_Sonde_R_Feld, PFU_Sonde_R_Richtung, k, -1);
    }
    const std::vector<int>& weg = rechts == 1 ? PFU_Sonde_R : PFU_Sonde_L;
    // A row holds the flag, the cells and the end mark in as many entries as a probe
    // list has cells: a probe that met the line on one of its last two steps has no
    // room and counts as exhausted.
    const auto laenge = static_cast<std::size_t>(std::find(weg.begin(), weg.end(), 0) - weg.begin());
    if (links == -1 || rechts == -1 || laenge + 2 > idx(PFU_Pathlaenge)) {
        if (zum_ersten_mal(person, ziel)) kein_pfad(person, links, rechts, start, ziel);
        return false;
    }
    Personenzeile& p = Personen[idx(person)];
    // A person holds one row: a detour found anew replaces the one it still holds.
    if (p.PfadID() >= 0) PFU_Pfad_freigeben(p.PfadID());
    const int r = PFU_Freien_Pfad_suchen();
    std::vector<int>& zeile = PFU_Pfade[idx(r)];
    if (zeile.size() < idx(PFU_Pathlaenge)) zeile.resize(idx(PFU_Pathlaenge), 0);
    zeile[0] = 1;
    for (std::size_t i = 0; i < laenge; ++i) zeile[i + 1] = weg[i];
    zeile[laenge + 1] = 0;
    p.Pfadschritt() = 1;
    p.PfadID() = r;
    return true;
}

// Marks of the reachability flood, one per map cell: 2 x the flood's number for the
// cells reached from the start, one more for those reached from the target.
std::vector<unsigned> flut_marke;
unsigned flut_nummer = 0;
// The two frontiers, each a heap of {distance to the other end's cell, cell} with the
// nearest on top; they keep their room from one flood to the next.
using Flutfront = std::vector<std::pair<int, int>>;
Flutfront flut_start, flut_ziel;

// Every step of the straight walk from start to target is walkable.
bool gerade_frei(int start, int ziel) {
    int c = start;
    // The straight walk shortens the distance by one with each step.
    for (int schritte = FFU_Distanz(start, ziel); c != ziel && schritte >= 0; --schritte) {
        c = PFU_Nachbarfeld(c, FFU_Richtung_zu_Feld(c, ziel));
        if (c < 0 || !PFU_Feld_begehbar(c)) return false;
    }
    return c == ziel;
}

void front_legen(Flutfront& front, int c, int gegenueber) {
    front.emplace_back(FFU_Distanz(c, gegenueber), c);
    std::push_heap(front.begin(), front.end(), std::greater<>());
}

// The frontier's cell nearest the other end grows into its walkable neighbours; 1 when it
// touched the other flood, -1 when the frontier is used up (every cell joined to its end is
// marked: that end is closed in), else 0.
int flut_schritt(Flutfront& front, int gegenueber, unsigned eigen, unsigned fremd) {
    if (front.empty()) return -1;
    std::pop_heap(front.begin(), front.end(), std::greater<>());
    const int c = front.back().second;
    front.pop_back();
    for (int d = 1; d <= 6; ++d) {
        const int n = PFU_Nachbarfeld(c, d);
        if (n < 0) continue;
        unsigned& m = flut_marke[idx(n)];
        if (m == fremd) return 1;
        if (m == eigen || !PFU_Feld_begehbar(n)) continue;
        m = eigen;
        front_legen(front, n, gegenueber);
    }
    return 0;
}

}  // namespace

void PFU_Init() {
    const int n = MG_Kartengroesse;
    if (n < 1 || n > MG_Kartengroesse_max) {
        Fehler_melden("PFU_Init > unmoegliche Kartengroesse: " + std::to_string(n));
        return;
    }
    PFU_Linie.assign(idx(n) * idx(n), 0);
    PFU_Pathlaenge = 4 * n;
    PFU_Sonde_L.assign(idx(PFU_Pathlaenge), 0);
    PFU_Sonde_R.assign(idx(PFU_Pathlaenge), 0);
}

void PFU_Freigeben() {
    PFU_Gemeldete_Ziele.clear();
    PFU_Linie.clear();
    PFU_Linie.shrink_to_fit();
    PFU_Sonde_L.clear();
    PFU_Sonde_L.shrink_to_fit();
    PFU_Sonde_R.clear();
    PFU_Sonde_R.shrink_to_fit();
    flut_marke.clear();
    flut_marke.shrink_to_fit();
    flut_nummer = 0;
    flut_start.clear();
    flut_start.shrink_to_fit();
    flut_ziel.clear();
    flut_ziel.shrink_to_fit();
}

void PFU_Path_berechnen(int person) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("PFU_Path_berechnen > unbekannte Person: " + std::to_string(person));
        return;
    }
    if (!bereit()) {
        Fehler_melden("PFU_Path_berechnen > Pfadrechner ist nicht fuer diese Karte angelegt.");
        return;
    }
    const Personenzeile& p = Personen[idx(person)];
    const int start = p.Feld(), ziel = p.Zielfeld();
    if (!MG_Feld_gueltig(start) || !MG_Feld_gueltig(ziel)) {
        Fehler_melden("PFU_Path_berechnen > Feld ausserhalb der Karte. PersonID:" + std::to_string(person));
        return;
    }
    if (start == ziel || !PFU_Ziel_erreichbar(person, start, ziel)) return;
    // Nothing to go around: the straight step is open (a stored detour lost a cell,
    // not the line), so the walker goes on straight. Probes sent into open ground
    // only circle and never meet the line.
    const int vorn = start + FFU_Nachbarfeld(FFU_Richtung_zu_Feld(start, ziel));
    if (PFU_Feld_begehbar(vorn)) return;
    linie_gehen(start, ziel, [](int c, int zaehler) { PFU_Linie[idx(c)] = zaehler; });
    const bool gefunden = sonden(person, start, ziel);
    linie_gehen(start, ziel, [](int c, int) { PFU_Linie[idx(c)] = 0; });
    sonde_leeren(PFU_Sonde_L);
    sonde_leeren(PFU_Sonde_R);
    if (!gefunden) ohne_weg(person);
}

void PFU_Path_loeschen(int person) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("PFU_Path_loeschen > unbekannte Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = Personen[idx(person)];
    PFU_Pfad_freigeben(p.PfadID());
    p.PfadID() = -1;
    p.Pfadschritt() = 0;
}

bool PFU_Feld_begehbar(int feld) {
    if (!MG_Feld_gueltig(feld)) return false;
    const Kartenfeld& k = Karte[idx(feld)];
    return k.LandType() >= 1 && k.Block() < 2;
}

bool PFU_Ziel_erreichbar(int person, int start, int ziel) {
    if (!MG_Feld_gueltig(start) || !MG_Feld_gueltig(ziel)) {
        Fehler_melden("PFU_Ziel_erreichbar > Feld ausserhalb der Karte: " + std::to_string(start) + " / " +
                      std::to_string(ziel));
        return false;
    }
    const Kartenfeld& z = Karte[idx(ziel)];
    if (z.Block() != 2) {
        if (Karte[idx(start)].Insel() == z.Insel()) return true;
        Fehler_melden(
            "PFU_Ziel_erreichbar: Das Ziel des Pathrechners befindet sich auf einen anderen Kontinent! Es "
            "kann "
            "keinen Path geben.");
        return false;
    }
    if (!PM_Person_gueltig(person)) return false;
    Personenzeile& q = Personen[idx(person)];
    // Looking for a free spot, the walk ends where the walker stands. A land cell that
    // is blocked yet holds neither object nor ambient was built over after the walker
    // was sent (a footprint covers what it came for): an ordinary turn of play, so the
    // order is given up untold.
    const bool ueberbaut = z.LandType() >= 1 && z.Objekt() == -1 && z.Ambiente() == -1;
    if (q.AuftragID() == 3 || ueberbaut) {
        ohne_weg(person);
        return false;
    }
    // Told once per walker and target; only the developer view stops the game for it.
    if (zum_ersten_mal(person, ziel)) {
        Fehler_melden("PersonID:" + std::to_string(person));
        Fehler_melden("Auftrag :" + std::to_string(q.AuftragID()));
        Fehler_melden("gesperrt Objekt  :" + std::to_string(z.Objekt()));
        if (z.Objekt() > -1) {
            const int typ = OM_Objekt_gueltig(z.Objekt()) ? Objekte[idx(z.Objekt())].Typ() : -1;
            Fehler_melden("Bauplan:" + std::to_string(typ));
        }
        Fehler_melden("gesperrt Ambiente:" + std::to_string(z.Ambiente()));
        Fehler_melden(
            "PFU_Ziel_erreichbar: Das Ziel des Pathrechners ist gespeert! Es kann keinen Path geben.");
        if (Programmvariableanzeigen) Pause = true;
    }
    ohne_weg(person);
    return false;
}

bool PFU_Wege_von::zu(int ziel) {
    const int start = start_;
    if (!MG_Feld_gueltig(start) || !MG_Feld_gueltig(ziel) || !PFU_Feld_begehbar(ziel)) return false;
    if (start == ziel) return true;
    if (Karte[idx(start)].Insel() != Karte[idx(ziel)].Insel()) return false;
    // The start's cells were all marked by an earlier flood of this search (no flood since).
    if (geschlossen_ != 0 && geschlossen_ / 2 == flut_nummer) return flut_marke[idx(ziel)] == geschlossen_;
    geschlossen_ = 0;
    // A region closed off from the start keeps the marks of the flood that found it so:
    // no later flood of this search, started outside it, can have reached into it.
    if (flut_marke.size() == Karte.size() &&
        std::find(abgetrennt_.begin(), abgetrennt_.end(), flut_marke[idx(ziel)]) != abgetrennt_.end())
        return false;
    if (gerade_frei(start, ziel)) return true;
    if (flut_marke.size() != Karte.size()) {
        flut_marke.assign(Karte.size(), 0);
        flut_nummer = 0;
    }
    if (flut_nummer >= 0x7ffffffe) {
        std::fill(flut_marke.begin(), flut_marke.end(), 0);
        flut_nummer = 0;
    }
    ++flut_nummer;
    const unsigned von_start = 2 * flut_nummer, von_ziel = 2 * flut_nummer + 1;
    // Both floods grow by one cell in turn, each from its cell nearest the other end: two
    // cells with a way between them meet along it, and a closed pocket on either side is
    // used up after about twice its size.
    flut_start.clear();
    flut_ziel.clear();
    front_legen(flut_start, start, ziel);
    front_legen(flut_ziel, ziel, start);
    flut_marke[idx(start)] = von_start;
    flut_marke[idx(ziel)] = von_ziel;
    for (;;) {
        int r = flut_schritt(flut_start, ziel, von_start, von_ziel);
        if (r == -1) geschlossen_ = von_start;
        if (r == 0) {
            r = flut_schritt(flut_ziel, start, von_ziel, von_start);
            if (r == -1) abgetrennt_.push_back(von_ziel);
        }
        if (r != 0) return r == 1;
    }
}

bool PFU_Weg_moeglich(int start, int ziel) { return PFU_Wege_von(start).zu(ziel); }

bool PFU_Feld_im_Inneren(int feld) {
    const int n = MG_Kartengroesse;
    if (n < 1 || feld <= n || feld >= n * n - n) return false;
    const int x = feld % n;
    return x != 0 && x != n - 1;
}

int PFU_Freien_Pfad_suchen() {
    // New rows are all 0; the pool only ever grows.
    auto wachsen = [](std::size_t zeilen) {
        PFU_Pfade.resize(zeilen, std::vector<int>(idx(std::max(PFU_Pathlaenge, 1)), 0));
    };
    if (PFU_Pfade.size() < 2) wachsen(10);
    const int letzte = static_cast<int>(PFU_Pfade.size()) - 1;
    if (PFU_Naechster_freier < 0 || PFU_Naechster_freier > letzte) PFU_Naechster_freier = 0;
    for (int i = PFU_Naechster_freier; i <= letzte; ++i) {
        const std::vector<int>& zeile = PFU_Pfade[idx(i)];
        if (zeile.empty() || zeile[0] < 1) {
            PFU_Naechster_freier = i;
            return i;
        }
    }
    wachsen(idx(letzte) + 10);
    PFU_Naechster_freier = letzte + 1;
    return letzte + 1;
}

void PFU_Pfad_freigeben(int r) {
    if (r == -1 || PFU_Pfade.empty()) return;
    if (r < 0 || idx(r) >= PFU_Pfade.size()) {
        Fehler_melden("PFU_Pfad_freigeben > unbekannter Pfad: " + std::to_string(r));
        return;
    }
    if (r < PFU_Naechster_freier) PFU_Naechster_freier = r;
    for (int& e : PFU_Pfade[idx(r)]) {
        if (e < 1) return;
        e = 0;
    }
}

int PFU_Nachbarfeld(int feld, int richtung) {
    const int n = MG_Kartengroesse;
    if (!MG_Feld_gueltig(feld) || richtung < 1 || richtung > 6) return -1;
    // Column and row steps of directions 1..6.
    static constexpr int dx[7] = {0, -1, -1, 0, 1, 1, 0};
    static constexpr int dy[7] = {0, 1, 0, -1, -1, 0, 1};
    const int x = feld % n + dx[richtung];
    const int y = feld / n + dy[richtung];
    if (x < 0 || y < 0 || x >= n || y >= n) return -1;
    return x + y * n;
}

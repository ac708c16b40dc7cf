#include "population/Bewegung.h"

#include <limits>
#include <string>

#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "platform/base/Text1252.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Animation.h"
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Wachstum.h"
#include "population/Zielaktion.h"
#include "world/Karte.h"
#include "world/Pfade.h"

namespace {

Personenzeile& P(int p) { return Personen[static_cast<std::size_t>(p)]; }
Kartenfeld& K(int c) { return Karte[static_cast<std::size_t>(c)]; }

// The person lives and stands on a cell of the map; otherwise reported under the routine's name.
bool person_pruefen(int p, const char* routine) {
    if (!PM_Person_lebt(p)) {
        Fehler_melden(std::string(routine) + " > keine lebende Person: " + std::to_string(p));
        return false;
    }
    if (!MG_Feld_gueltig(P(p).Feld())) {
        Fehler_melden(std::string(routine) + " > Person " + std::to_string(p) +
                      " steht auf keinem Feld: " + std::to_string(P(p).Feld()));
        return false;
    }
    return true;
}

// The living person standing on the cell, or -1 (a stale entry is reported).
int person_auf_feld(int c, const char* routine) {
    const int q = K(c).Person();
    if (q < 0) return -1;
    if (!PM_Person_lebt(q)) {
        Fehler_melden(std::string(routine) + " > Feld " + std::to_string(c) +
                      " nennt keine lebende Person: " + std::to_string(q));
        return -1;
    }
    return q;
}

// The next cell of the person's stored path, or -1 when the row or position lies outside the store.
int naechstes_Pfadfeld(int p) {
    const int id = P(p).PfadID();
    const int schritt = P(p).Pfadschritt();
    if (id < 0 || static_cast<std::size_t>(id) >= PFU_Pfade.size()) return -1;
    const std::vector<int>& zeile = PFU_Pfade[static_cast<std::size_t>(id)];
    if (schritt < 0 || static_cast<std::size_t>(schritt) >= zeile.size()) return -1;
    return zeile[static_cast<std::size_t>(schritt)];
}

// The person has an order and has not reached its target.
bool auf_dem_Weg(int q) { return P(q).AuftragID() >= 1 && P(q).Feld() != P(q).Zielfeld(); }

// The cell a walker on its way goes to next: the next cell of its stored path, or the
// straight step towards its target; -1 for a person not walking or without a valid next cell.
int naechstes_Feld(int q) {
    if (P(q).PfadID() >= 0) return naechstes_Pfadfeld(q);
    if (!auf_dem_Weg(q)) return -1;
    const int richtung = FFU_Richtung_zu_Feld(P(q).Feld(), P(q).Zielfeld());
    return richtung < 1 ? -1 : P(q).Feld() + FFU_Nachbarfeld(richtung);
}

// The person p waits for stands in a closed ring of walkers, each waiting for the next
// cell, held by the next of them, and the last for p's own cell. Nobody of such a ring can
// swap (each one's next cell is another's) or, in a crowd, step aside. The chain is followed
// until it closes, however long the ring; it cannot hold more walkers than there are persons,
// so a chain that runs into a ring without p ends there. With nur_Pfade every walker of the
// ring must be on a stored path; otherwise walkers going straight count too.
bool im_Ring(int p, int c, bool nur_Pfade = true) {
    const int hoechstens = Personen_hoechster_Index + 1;
    int q = person_auf_feld(c, "BU_Blockiert");
    for (int i = 0; i < hoechstens && q >= 0 && q != p; ++i) {
        if ((nur_Pfade && P(q).PfadID() < 0) || P(q).Bewegungscounter() != 0) return false;
        const int n = naechstes_Feld(q);
        if (!MG_Feld_gueltig(n) || n == P(q).Feld()) return false;
        q = person_auf_feld(n, "BU_Blockiert");
    }
    return q == p;
}

// The person q is on its way straight ahead, away from the cell a right behind it, and waits
// for somebody standing on its next cell.
bool in_der_Schlange(int q, int a) {
    if (!auf_dem_Weg(q)) return false;
    const int n = naechstes_Feld(q);
    return MG_Feld_gueltig(n) && n - P(q).Feld() == P(q).Feld() - a && K(n).Person() >= 0 &&
           K(n).Person() != q;
}

// The person on the cell is walking towards a target it has not reached.
bool unterwegs(int c) {
    const int q = person_auf_feld(c, "BU_Blockiert");
    return q >= 0 && auf_dem_Weg(q);
}

// One position further along a stored path (a damaged save may hold any number).
void Pfadschritt_weiter(int p) {
    int& s = P(p).Pfadschritt();
    if (s < std::numeric_limits<int>::max()) s += 1;
}

}  // namespace

void BU_Person_bewegen(int p) {
    if (!person_pruefen(p, "BU_Person_bewegen")) return;
    if (P(p).AuftragID() >= 1) {
        if (P(p).Feld() != P(p).Zielfeld()) {
            if (!MG_Feld_gueltig(P(p).Zielfeld())) {
                Fehler_melden("BU_Person_bewegen > Person " + std::to_string(p) +
                              " hat ein Ziel ausserhalb der Karte: " + std::to_string(P(p).Zielfeld()));
                return;
            }
            BU_Schritt(p);
            SLB_Trampelpfad(p);
        } else {
            ZAU_Zielaktion_Manager(p);
        }
    } else {
        BU_Leerlauf(p);
    }
}

bool BU_Bewegungscounter_pruefen(int p) {
    if (!PM_Person_gueltig(p)) return false;
    int& zaehler = P(p).Bewegungscounter();
    if (zaehler < 0) {
        Fehler_melden(W("Personbewegungscounter befindet sich im ungültigen Bereich"));
        zaehler = 0;
    }
    if (zaehler == 0) return true;
    zaehler -= 1;
    return false;
}

void BU_Schritt(int p) {
    if (!BU_Bewegungscounter_pruefen(p)) return;
    if (P(p).PfadID() != -1)
        BU_Pfad_folgen(p);
    else
        BU_Direktschritt(p);
}

void BU_Direktschritt(int p) {
    if (!person_pruefen(p, "BU_Direktschritt")) return;
    const int feld = P(p).Feld();
    const int richtung = FFU_Richtung_zu_Feld(feld, P(p).Zielfeld());
    if (richtung < 1) return;  // already there
    const int n = feld + FFU_Nachbarfeld(richtung);
    if (!MG_Feld_gueltig(n) || !PFU_Feld_begehbar(n)) {
        PFU_Path_berechnen(p);
        return;
    }
    if (person_auf_feld(n, "BU_Direktschritt") < 0)
        BU_Schritt_ausfuehren(p, n);
    else
        BU_Blockiert(p, n);
}

void BU_Pfad_folgen(int p) {
    if (!person_pruefen(p, "BU_Pfad_folgen")) return;
    const int id = P(p).PfadID();
    if (id < 0 || static_cast<std::size_t>(id) >= PFU_Pfade.size()) {
        // A row the store does not hold (a damaged save): walk straight from here.
        Fehler_melden("BU_Pfad_folgen > Person " + std::to_string(p) +
                      " hat keinen gueltigen Pfad: " + std::to_string(id));
        P(p).PfadID() = -1;
        P(p).Pfadschritt() = 0;
        return;
    }
    const int c = naechstes_Pfadfeld(p);
    if (c < 1 || !MG_Feld_gueltig(c)) {
        PFU_Path_loeschen(p);
        return;
    }
    // Pushed aside onto the next cell of its own path, the walker stands where it was
    // going: the path goes on from the cell after it instead of waiting for itself to leave.
    if (c == P(p).Feld()) {
        Pfadschritt_weiter(p);
        return;
    }
    if (K(c).Block() == 2) {
        PFU_Path_loeschen(p);
        PFU_Path_berechnen(p);
        return;
    }
    if (person_auf_feld(c, "BU_Pfad_folgen") < 0) {
        BU_Schritt_ausfuehren(p, c);
        Pfadschritt_weiter(p);
    } else if (BU_Blockiert(p, c) == 2) {
        PFU_Path_loeschen(p);
    }
}

void BU_Schritt_ausfuehren(int p, int c) {
    if (!person_pruefen(p, "BU_Schritt_ausfuehren")) return;
    if (!MG_Feld_gueltig(c)) {
        Fehler_melden("BU_Schritt_ausfuehren > Feld ausserhalb der Karte: " + std::to_string(c));
        return;
    }
    const int alt = P(p).Feld();
    // Only the person's own mark is taken away; a cell that already shows somebody else keeps it.
    if (K(alt).Person() == p) K(alt).Person() = -1;
    P(p).Letztes_Feld() = alt;
    P(p).Feld() = c;
    AU_Schritt_animieren(p);
    K(c).Person() = p;
    P(p).Bewegungscounter() = 9;
    P(p).Wartezaehler() = 0;
}

int BU_Blockiert(int p, int c) {
    P(p).Bewegungscounter() = 0;
    if (P(p).Wartezaehler() == 0) BU_Nachbar_wegschicken(c);
    if (!PM_Wartezaehler(p, 30)) return -1;
    if (BU_Ausweichen(p, c)) return 1;
    // A hungry walker gives its path up rather than wait for somebody standing still; so does
    // one of a ring of walkers waiting for each other, and the one behind it then swaps places
    // with it. Behind somebody who is on its way a hungry walker waits like any other: giving
    // its detour up there only sends it straight back to the obstacle the detour went round,
    // where it finds the same detour, and so on for ever (in a crowd, for years).
    return (P(p).Hunger() < 50 && !unterwegs(c)) || im_Ring(p, c) ? 2 : -1;
}

void BU_Nachbar_wegschicken(int c) {
    if (!MG_Feld_gueltig(c)) return;
    const int q = person_auf_feld(c, "BU_Nachbar_wegschicken");
    if (q < 0 || P(q).AuftragID() != 0) return;
    const int m = BU_Freies_Nachbarfeld(q);
    if (m != -1) BU_Ziel_setzen(q, m);
}

int BU_Freies_Nachbarfeld(int q) {
    if (!person_pruefen(q, "BU_Freies_Nachbarfeld")) return -1;
    const int feld = P(q).Feld();
    for (int d = 1; d <= 6; ++d) {
        const int n = feld + FFU_Nachbarfeld(d);
        if (MG_Feld_gueltig(n) && PFU_Feld_begehbar(n) && K(n).Person() < 0) return n;
    }
    return -1;
}

bool BU_Ausweichen(int p, int c) {
    if (!person_pruefen(p, "BU_Ausweichen") || !MG_Feld_gueltig(c)) return false;
    const int q = person_auf_feld(c, "BU_Ausweichen");
    if (q < 0 || q == p) return false;
    // A person who just stepped, or who works out its counter on its target, does not swap.
    // An idle person's counter is whatever its last step left (nothing counts it down while
    // it has no order): one swapped aside once kept 9 for good, so that nobody could swap with
    // it again, and in a crowd where it had no free neighbour to be sent to, the walkers
    // behind it waited for years.
    if (P(q).AuftragID() >= 1 && P(q).Bewegungscounter() != 0) return false;
    const int a = P(p).Feld();
    // Somebody walking straight and waiting in a queue, with the walker right behind it going
    // its own way, keeps its place: a swap would only put it back a cell, and so for everyone
    // who comes up from behind. In a lane one cell wide with a steady stream behind it such a
    // walker went back as often as forward, and a carrier waited for years a few cells from the
    // head of the queue. A ring of waiting walkers still comes apart by the swap.
    const bool wartet_vorn = P(q).PfadID() < 0 && in_der_Schlange(q, a) && !im_Ring(p, c, false);
    if ((P(q).PfadID() < 0 && !wartet_vorn) || naechstes_Pfadfeld(q) == a) {
        K(a).Person() = -1;
        K(c).Person() = -1;
        P(p).Letztes_Feld() = a;
        P(q).Letztes_Feld() = c;
        P(p).Feld() = c;
        P(q).Feld() = a;
        Pfadschritt_weiter(p);
        Pfadschritt_weiter(q);
        AU_Schritt_animieren(p);
        AU_Schritt_animieren(q);
        K(c).Person() = p;
        K(a).Person() = q;
        P(p).Bewegungscounter() = 9;
        P(q).Bewegungscounter() = 9;
        P(p).Wartezaehler() = 0;
        P(q).Wartezaehler() = 0;
        return true;
    }
    const int m = BU_Freies_Nachbarfeld(q);
    if (m != -1) BU_Schritt_ausfuehren(q, m);
    return false;
}

void BU_Leerlauf(int p) {
    if (!PM_Person_gueltig(p) || P(p).AuftragID() != 0) return;
    if (!PM_Wartezaehler(p, 398)) return;
    if (JU_Person_Job_Schritt(p)) return;
    if (BU_Umschauen(p)) return;
    BU_Freien_Platz_aufsuchen(p);
}

bool BU_Feld_frei(int c) {
    return MG_Feld_gueltig(c) && K(c).Block() == -1 && K(c).Ambiente() == -1 && K(c).Person() == -1;
}

bool BU_Umschauen(int p) {
    if (!person_pruefen(p, "BU_Umschauen")) return false;
    const int feld = P(p).Feld();
    for (int d = 1; d <= 6; ++d) {
        const int o = FFU_Nachbarfeld(d);
        const int nachbar = feld + o;
        const int gegenueber = feld - o;
        if (!MG_Feld_gueltig(nachbar)) continue;
        const bool bedraengt = K(nachbar).Person() >= 0 || K(nachbar).Block() > -1;
        if (bedraengt && BU_Feld_frei(gegenueber)) {
            BU_Ziel_setzen(p, gegenueber);
            return true;
        }
    }
    return false;
}

bool BU_Freien_Platz_aufsuchen(int p) {
    if (!person_pruefen(p, "BU_Freien_Platz_aufsuchen")) return false;
    if (K(P(p).Feld()).Block() == -1) return false;
    const int t = Schneckenroutine(P(p).Feld(), 30, P(p).Spieler());
    if (t < 0) return false;
    BU_Ziel_setzen(p, t);
    return true;
}

void BU_Ziel_setzen(int p, int t) {
    if (!PM_Person_gueltig(p)) return;
    P(p).AuftragID() = 3;
    P(p).Bewegungscounter() = 9;
    PM_Ziel_setzen(p, t);
    AU_Animation_gehen(p);
    GU_Arbeitslos_plus(p);
}

// The century run: a developer tool that generates a world on the default content
// of the built game folder (copied to a temporary folder), lets the simulation run for many game years with
// no input and prints, every few years, per clan and in total how the world fares. It checks the money
// circuit at every step, the clan counters and the orders' hold on goods every month and ends with exit code
// 1 when either fails (2 for bad arguments or no world).
//
//     jahrhundertlauf [--seed N] [--seite 256..832] [--kartentyp 0..7] [--jahre N]
//                     [--alle N] [--mensch] [--streng] [--personen CLAN]
//
// --personen CLAN lists every person of the clan at each report.
// A construction site that has waited five years is shown as it passes five years and every half
// year after (ALTE BAUSTELLE: what it lacks, what is ordered, the nearest seller, its carriers);
// at the end the run names the oldest any site grew from year 20 on, between the reports too.
// Every month it checks that no unit is reserved, and no construction material ordered for a site,
// for an order that no longer exists, and that no cell or rabbit hole stays reserved, no airship
// counted and no settler asked for, for an order that no longer exists.
// --streng also fails the run (exit code 1) on such a stale hold, on any error report and when the world
// has no more persons at the end than at the start; with --mensch also when the
// human clan had no child or has no more members than its founders.
//
// --mensch also plays the human clan the way a player does, through what the build
// window offers at each level (see "The human start" below), and prints with each report
// what its sites wait for and, at the end, the years to its harbour, airship yard, first
// airship and first voyage, its members every ten years, and the years in which the first
// computer clan had 100 and 150 members (the members goals a game may be won by).
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <unistd.h>

#include "common/Spielordner.h"
#include "economy/Arbeiterslots.h"
#include "economy/Baustelle.h"
#include "economy/Hilfen_Objekte.h"
#include "economy/KI.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Schiffe.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Bauplaetze.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Hilfen.h"
#include "foundation/Namen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "population/Arbeitsauftraege.h"
#include "population/Befehlsliste.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "population/Personen_Geburt.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Wachstum.h"

namespace fs = std::filesystem;

namespace {

struct Optionen {
    std::uint32_t seed = 7061;
    int seite = 256;
    int kartentyp = 2;
    int jahre = 100;
    int alle = 5;
    bool mensch = false;
    bool streng = false;
    int personen_von = -1;  // clan whose persons are listed at each report
};

// Age bands of the member counts.
constexpr int Altersbaender = 5;
constexpr int Bandgrenze[Altersbaender] = {15, 30, 50, 70, 1000};
const char* const Bandname[Altersbaender] = {"<15", "15-29", "30-49", "50-69", "70+"};

int band(int alter) {
    int b = 0;
    while (b < Altersbaender - 1 && alter >= Bandgrenze[b]) ++b;
    return b;
}

// Working age for the idle count.
bool arbeitsfaehig(int alter) { return alter >= 15 && alter < 60; }

std::string utf8(const std::string& s) { return cp1252_zu_utf8(s); }

std::string kurz(int typ) {
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) return std::to_string(typ);
    return utf8(SBU_Objekte[static_cast<std::size_t>(typ)].Kurz);
}

const std::string& modus(int typ) {
    static const std::string leer;
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) return leer;
    return SBU_Objekte[static_cast<std::size_t>(typ)].Modus;
}

// Births and deaths are seen in the person rows: a row that holds another person
// than at the last step (or none) lost its person, a new one is a birth when it has a mother.
// A person is known by what never changes while it lives - sex, first name, the step of
// the year it was born on - and an age that never falls (a child born into the row of
// someone who died in the same step is younger); not by its mother, whose death clears
// the field in each of her children.
struct Zeilenbild {
    bool lebt = false;
    int clan = -1, alter = 0, geburtstag = 0, vorname = 0, geschlecht = 0;
};

bool dieselbe_Person(const Zeilenbild& b, const Personenzeile& p) {
    return b.lebt && p.Hunger() > 0 && b.geschlecht == p.Geschlecht() && b.vorname == p.Vorname() &&
           b.geburtstag == p.Geburtstag() && p.Alter() >= b.alter;
}

struct Clanzahlen {
    long long geburten = 0, tode = 0, tode_jung = 0;
};

struct Laufzahlen {
    std::vector<Clanzahlen> clan;
    long long geschaffen = 0, verfallen = 0;
    std::vector<double> schrittzeiten;  // microseconds, this period
    std::vector<double> alle_zeiten;
    std::map<std::string, int> meldungen;
    long long geldfehler = 0, zaehlerfehler = 0;
    std::vector<int> hoechste_stufe;
    std::vector<long long> geburten_gesamt;          // per clan over the whole run
    std::vector<int> baustelle_seit;                 // per object: step since which it is a site, -1 none
    std::vector<std::pair<int, int>> baustelle_von;  // per object: type and cell of that site
    double aelteste_ab_20 = 0;                       // years: the oldest any site grew from year 20 on
    std::string aelteste_ab_20_was;                  // its clan, kind and the year
};

long long Schritt_nr = 0;
constexpr int Schritte_je_Jahr = 12 * Monatsticks + 1;

void perzentile(std::vector<double> z, double& median, double& p99, double& max) {
    median = p99 = max = 0;
    if (z.empty()) return;
    std::sort(z.begin(), z.end());
    median = z[z.size() / 2];
    p99 = z[std::min(z.size() - 1, z.size() * 99 / 100)];
    max = z.back();
}

// Gold in circulation that the rows hold: treasuries, purses, wage reserves, edict funds.
long long Umlauf_der_Zeilen() {
    long long s = 0;
    for (const Spielerzeile& z : Spieler)
        s += static_cast<long long>(z.Gold()) + z.Baulohn_reserviert() + z.Gemeinschaftskasse();
    for (const Personenzeile& p : Personen)
        if (p.Hunger() > 0) s += p.Gold();
    return s;
}

long long Gespeichert() {
    long long s = 0;
    for (const Spielerzeile& z : Spieler) s += z.Gold_gespeichert();
    return s;
}

// The clan counters against a recount of the person rows; one line per mismatch.
std::vector<std::string> Zaehler_pruefen() {
    const std::size_t n = Spieler.size();
    std::vector<long long> mitglieder(n), frauen(n), maenner(n), alter(n), glueck(n), baender(n);
    for (const Personenzeile& p : Personen) {
        if (p.Hunger() <= 0) continue;
        if (!GU_Clan_gueltig(p.Spieler()))
            return {"Person mit unbekanntem Clan " + std::to_string(p.Spieler())};
        const std::size_t c = static_cast<std::size_t>(p.Spieler());
        ++mitglieder[c];
        (p.Geschlecht() == 2 ? frauen : maenner)[c] += 1;
        alter[c] += p.Alter();
        glueck[c] += p.Glueck();
    }
    std::vector<std::string> fehler;
    for (std::size_t c = 0; c < n; ++c) {
        const Spielerzeile& s = Spieler[c];
        const struct {
            const char* name;
            long long gezaehlt, feld;
        } paare[] = {
            {"Mitglieder", mitglieder[c], s.Mitglieder()},
            {"Frauen", frauen[c], s.Frauen()},
            {"Maenner", maenner[c], s.Maenner()},
            {"Alter_Summe", alter[c], s.Alter_Summe()},
            {"Zufriedenheit", glueck[c], s.Zufriedenheit()},
            {"Zufriedenheitsbaender", mitglieder[c],
             static_cast<long long>(s.Zufriedene()) + s.Mittelzufriedene() + s.Unzufriedene()},
        };
        for (const auto& pr : paare)
            if (pr.gezaehlt != pr.feld)
                fehler.push_back("Clan " + std::to_string(c) + " " + pr.name + ": Feld " +
                                 std::to_string(pr.feld) + ", gezaehlt " + std::to_string(pr.gezaehlt));
    }
    return fehler;
}

// --- The orders' hold on goods ---------------------------------------------------------

// What the orders under way hold, against what the objects and the order lists show.
struct Bindungen {
    long long veraltet = 0;           // units reserved, or ordered for a site, beyond every live order
    long long ohne_Auftrag = 0;       // units a site misses that no order and no carrier brings
    long long ohne_Reservierung = 0;  // units live orders hold that their seller has not reserved
    long long felder = 0;             // cells reserved (block 1) that nothing names
    long long loecher = 0;            // rabbit holes reserved for no trap
    long long schiffe = 0;            // airships counted beyond the ships and their production orders
    long long siedler = 0;            // settlers a harbour waits for beyond every order and traveller
};

int Objekt_an(int feld) {
    if (!MG_Feld_gueltig(feld)) return -1;
    const int o = Karte[static_cast<std::size_t>(feld)].Objekt();
    return OM_Objekt_gueltig(o) && Objekte[static_cast<std::size_t>(o)].Feld() >= 1 ? o : -1;
}

// The footprint cells of a building type anchored at the cell.
template <typename F>
void Fussabdruck(int anker, int typ, F f) {
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) return;
    for (int i = 0; i <= SBU_Bauplatz_Felderzahl(typ); ++i) {
        const int c = anker + SBU_Bauplatz_Feld_Versatz(typ, i);
        if (MG_Feld_gueltig(c)) f(c);
    }
}

bool Schiffsware(int ware) {
    return ware >= 0 && static_cast<std::size_t>(ware) < SBU_Waren.size() &&
           SBU_Waren[static_cast<std::size_t>(ware)].Spez == "ship";
}

// What else an order holds, and who names it. Reserved cells (block 1): the footprints of
// buildings and planned sites, the cells of live gathering, planting, harvest and trap
// orders, of growth orders (plants, traps, graves) and of harvest orders. Reserved rabbit
// holes: a trap order, a trap growing or a catch to bring in. Airships: each clan counts its
// ships and the ship production orders under way. Settlers: a harbour waits for those its
// open requests, walkers and passengers bring.
void Halter_pruefen(Bindungen& b, std::vector<std::string>& zeilen) {
    std::vector<char> genannt(Karte.size(), 0);
    auto nennen = [&](int c) {
        if (MG_Feld_gueltig(c)) genannt[static_cast<std::size_t>(c)] = 1;
    };
    for (const Objektzeile& ob : Objekte)
        if (ob.Feld() >= 1) Fussabdruck(ob.Feld(), ob.Typ(), nennen);
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) {
        const int code = Karte[static_cast<std::size_t>(c)].Objekt();
        if (code <= -1000) Fussabdruck(c, -code - 1000, nennen);
    }
    std::vector<long long> schiffe(Spieler.size(), 0);
    std::map<int, long long> siedler_unterwegs;  // harbour cell -> settlers on their way
    for (int i = 0; i < Farm_Size && static_cast<std::size_t>(i) < Farmarray.size(); ++i)
        nennen(Farmarray[static_cast<std::size_t>(i)].Feld());
    for (const Ernteliste& l : ERU_Ernteauftraege)
        for (int i = 0; i < l.Anzahl && static_cast<std::size_t>(i) < l.Auftraege.size(); ++i)
            nennen(l.Auftraege[static_cast<std::size_t>(i)].Feld);
    for (const Personenzeile& p : Personen) {
        if (p.Hunger() <= 0) continue;
        const int a = p.AuftragID();
        if ((a >= 100 && a <= 102) || a == 141 || a == 150 || a == 151 || a == 600 || a == 601 || a == 650 ||
            a == 651)
            nennen(p.Zielfeld());
        if (a == 140) nennen(p.Auftragsziel2());
        if ((a == 250 || a == 251) && Schiffsware(p.WarenID())) {
            const int w = Objekt_an(p.Zielfeld());
            const int c = w >= 0 ? Objekte[static_cast<std::size_t>(w)].Besitzer() : p.Spieler();
            if (GU_Clan_gueltig(c)) ++schiffe[static_cast<std::size_t>(c)];
        }
        if (a == 850 || a == 851) ++siedler_unterwegs[p.Auftragsziel2()];
    }
    for (int i = 0; i < Schiff_Anzahl && static_cast<std::size_t>(i) < Schiffe.size(); ++i) {
        const Schiff& s = Schiffe[static_cast<std::size_t>(i)];
        if (GU_Clan_gueltig(s.Besitzer)) ++schiffe[static_cast<std::size_t>(s.Besitzer)];
        // Aboard: the passenger's harbour of destination is the ship's target.
        if (s.Auftrag == Schiff_Auftrag_Passagier && s.Naechstes_Ziel < 0) ++siedler_unterwegs[s.Ziel];
    }
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) {
        if (Karte[static_cast<std::size_t>(c)].Block() != 1 || genannt[static_cast<std::size_t>(c)]) continue;
        if (b.felder++ < 3)
            zeilen.push_back("Feld " + std::to_string(c) + " reserviert (Ambiente " +
                             std::to_string(Karte[static_cast<std::size_t>(c)].Ambiente()) +
                             "), kein Auftrag nennt es");
    }
    for (int i = 0; i < Hase_Anzahl && static_cast<std::size_t>(i) < Hase_Loecher.size(); ++i) {
        const Hasenloch& h = Hase_Loecher[static_cast<std::size_t>(i)];
        const int c = h.X + h.Y * MG_Kartengroesse;
        if (!h.Reserviert || (MG_Feld_gueltig(c) && genannt[static_cast<std::size_t>(c)])) continue;
        ++b.loecher;
        zeilen.push_back("Kaninchenbau auf Feld " + std::to_string(c) + " reserviert, keine Falle nennt es");
    }
    for (std::size_t c = 0; c < Spieler.size(); ++c) {
        const long long zuviel = Spieler[c].Flugschiffe() - schiffe[c];
        if (zuviel <= 0) continue;
        b.schiffe += zuviel;
        zeilen.push_back("Clan " + std::to_string(c) + ": " + std::to_string(Spieler[c].Flugschiffe()) +
                         " Luftschiffe gezaehlt, " + std::to_string(schiffe[c]) + " da oder im Bau");
    }
    std::map<int, long long> angefordert;  // harbour cell -> settlers its open requests ask for
    for (const JU_Befehle& l : JU_Befehlsliste)
        for (int i = 0; i < l.Anzahl && static_cast<std::size_t>(i) < l.Befehle.size(); ++i)
            if (l.Befehle[static_cast<std::size_t>(i)].Befehl == JU_Siedler)
                angefordert[l.Befehle[static_cast<std::size_t>(i)].Feld] +=
                    l.Befehle[static_cast<std::size_t>(i)].Ware;
    for (const Objektzeile& ob : Objekte) {
        if (ob.Feld() < 1 || !OM_ist_Hafen(ob.Typ()) || ob.Zaehler() <= 0) continue;
        const long long zuviel = ob.Zaehler() - angefordert[ob.Feld()] - siedler_unterwegs[ob.Feld()];
        if (zuviel <= 0) continue;
        b.siedler += zuviel;
        zeilen.push_back("Hafen auf Feld " + std::to_string(ob.Feld()) + " wartet auf " +
                         std::to_string(ob.Zaehler()) + " Siedler, " +
                         std::to_string(angefordert[ob.Feld()] + siedler_unterwegs[ob.Feld()]) +
                         " angefordert oder unterwegs");
    }
}

// Reservations: every reserved unit belongs to a buyer on the way to take it (fetch, site
// material, food, luxury) or to a ship's load not yet taken on. Site orders: the open
// material orders of a site and its carriers bring no more than it misses, and no open order
// names a site that is gone, finished or being demolished. One line per finding.
std::vector<std::string> Bindungen_pruefen(Bindungen& b) {
    std::vector<std::string> zeilen;
    std::map<std::pair<int, int>, long long> gehalten;  // (object, ware) -> reserved by live orders
    std::map<std::pair<int, int>, long long> getragen;  // (site cell, ware) -> carriers
    for (std::size_t i = 0; i < Personen.size(); ++i) {
        const Personenzeile& p = Personen[i];
        if (p.Hunger() <= 0) continue;
        const int a = p.AuftragID();
        if (a == 200 || a == 350) ++gehalten[{Objekt_an(p.Zielfeld()), p.WarenID()}];
        if (a == 450 || a == 700) ++gehalten[{Objekt_an(p.Zielfeld()), p.Auftragsziel2()}];
        if (a == 350 || a == 351) ++getragen[{p.Auftragsziel2(), p.WarenID()}];
    }
    for (int i = 0; i < Schiff_Anzahl && static_cast<std::size_t>(i) < Schiffe.size(); ++i) {
        const Schiff& s = Schiffe[static_cast<std::size_t>(i)];
        if (s.Auftrag == Schiff_Auftrag_Waren && s.Naechstes_Ziel >= 0)
            gehalten[{Objekt_an(s.Ziel), s.Ladung}] += s.Ladungsmenge;
    }
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        Objektzeile& ob = Objekte[o];
        if (ob.Feld() < 1) continue;
        std::map<int, long long> reserviert;
        for (int k = 0; k < Objekt_Warenslots; ++k)
            if (ob.Slot_Ware(k) >= 0) reserviert[ob.Slot_Ware(k)] += ob.Slot_Reserviert(k);
        for (const auto& [ware, r] : reserviert) {
            const auto g = gehalten.find({static_cast<int>(o), ware});
            const long long h = g == gehalten.end() ? 0 : g->second;
            if (r > h) {
                b.veraltet += r - h;
                zeilen.push_back("Objekt " + std::to_string(o) + " (" + kurz(ob.Typ()) + ") Ware " +
                                 std::to_string(ware) + ": " + std::to_string(r) +
                                 " reserviert, Auftraege halten " + std::to_string(h));
            } else if (r < h) {
                b.ohne_Reservierung += h - r;
            }
        }
    }
    // Open material orders by site cell and ware, and those that name no site of their clan.
    std::map<std::pair<int, int>, long long> offen;
    for (std::size_t c = 0; c < JU_Befehlsliste.size(); ++c) {
        const JU_Befehle& l = JU_Befehlsliste[c];
        for (int i = 0; i < l.Anzahl && static_cast<std::size_t>(i) < l.Befehle.size(); ++i) {
            const Job_Befehl& j = l.Befehle[static_cast<std::size_t>(i)];
            if (j.Befehl != 350) continue;
            const int o = Objekt_an(j.Feld);
            if (o >= 0 && Objekte[static_cast<std::size_t>(o)].Besitzer() == static_cast<int>(c)) {
                offen[{j.Feld, j.Ware}] += j.Menge;
                continue;
            }
            b.veraltet += j.Menge;
            zeilen.push_back("Clan " + std::to_string(c) + ": Materialauftrag fuer Feld " +
                             std::to_string(j.Feld) + " ohne Baustelle (" + std::to_string(j.Menge) +
                             " x Ware " + std::to_string(j.Ware) + ")");
        }
    }
    std::map<std::pair<int, int>, long long> fehlt;  // (site cell, ware) -> units missing
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        Objektzeile& ob = Objekte[o];
        if (ob.Feld() < 1 || ob.Zustand() != 0) continue;
        for (int k = 0; k < 4; ++k)
            if (ob.Baumaterial_Ware(k) >= 1 && ob.Baumaterial_Rest(k) > 0)
                fehlt[{ob.Feld(), ob.Baumaterial_Ware(k)}] += ob.Baumaterial_Rest(k);
    }
    auto menge = [](const std::map<std::pair<int, int>, long long>& m, std::pair<int, int> k) {
        const auto i = m.find(k);
        return i == m.end() ? 0LL : i->second;
    };
    for (const auto& [k, n] : offen) {
        const long long zuviel = std::min(n, n + menge(getragen, k) - menge(fehlt, k));
        if (zuviel <= 0) continue;
        b.veraltet += zuviel;
        zeilen.push_back("Baustelle auf Feld " + std::to_string(k.first) + " Ware " +
                         std::to_string(k.second) + ": " + std::to_string(n) + " bestellt, " +
                         std::to_string(menge(getragen, k)) + " unterwegs, " +
                         std::to_string(menge(fehlt, k)) + " fehlen");
    }
    for (const auto& [k, n] : fehlt)
        b.ohne_Auftrag += std::max(0LL, n - menge(offen, k) - menge(getragen, k));
    Halter_pruefen(b, zeilen);
    return zeilen;
}

// A site that has waited five years or more, shown as it passes five years and every half
// year after: its clan, and per ware it lacks what is ordered, how far the nearest seller with
// a unit to spare is, whether any seller lies within the supplier search's reach, and where
// each carrier of that ware stands, where it goes and how long it has waited.
void Baustelle_zeigen(int o, double alter) {
    Objektzeile& ob = Objekte[static_cast<std::size_t>(o)];
    const int clan = ob.Besitzer();
    int frei = 0, mitglieder = 0;
    for (const Personenzeile& p : Personen)
        if (p.Hunger() > 0 && p.Spieler() == clan) {
            ++mitglieder;
            frei += arbeitsfaehig(p.Alter()) && p.AuftragID() == 0 && p.ArbeitsplatzID() < 0;
        }
    std::printf("ALTE BAUSTELLE: %.1f J, Clan %d, %s auf Feld %d; Clan: Kasse %d, %d Mitglieder, %d frei\n",
                alter, clan, kurz(ob.Typ()).c_str(), ob.Feld(),
                GU_Clan_gueltig(clan) ? Spieler[static_cast<std::size_t>(clan)].Gold() : 0, mitglieder, frei);
    for (int k = 0; k < 4; ++k) {
        const int ware = ob.Baumaterial_Ware(k);
        if (ware < 1 || ob.Baumaterial_Rest(k) <= 0) continue;
        long long bestellt = 0;
        if (GU_Clan_gueltig(clan) && static_cast<std::size_t>(clan) < JU_Befehlsliste.size()) {
            const JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(clan)];
            for (int i = 0; i < l.Anzahl && static_cast<std::size_t>(i) < l.Befehle.size(); ++i) {
                const Job_Befehl& j = l.Befehle[static_cast<std::size_t>(i)];
                if (j.Befehl == 350 && j.Feld == ob.Feld() && j.Ware == ware) bestellt += j.Menge;
            }
        }
        std::printf(
            "  Ware %d: %d fehlen, %lld bestellt; naechster Lieferant mit Vorrat (unter 121) in %d; "
            "einer in Reichweite der Suche: %s\n",
            ware, ob.Baumaterial_Rest(k), bestellt, JU_Lieferant_Distanz(ob.Feld(), ware, clan),
            JU_Lieferant_in_Reichweite(ob.Feld(), ware, clan) ? "ja" : "nein");
        for (std::size_t i = 0; i < Personen.size(); ++i) {
            const Personenzeile& p = Personen[i];
            if (p.Hunger() <= 0 || p.Auftragsziel2() != ob.Feld() || p.WarenID() != ware ||
                (p.AuftragID() != 350 && p.AuftragID() != 351))
                continue;
            std::printf(
                "    Traeger %zu: Auftrag %d auf Feld %d, Ziel %d (Abstand %d), Vitalitaet %d, Warten %d\n",
                i, p.AuftragID(), p.Feld(), p.Zielfeld(), FFU_Distanz(p.Feld(), p.Zielfeld()), p.Hunger(),
                p.Wartezaehler());
        }
    }
}

// --- The human start ----------------------------------------------------------------
//
// The player's way through the build window. The start building goes where the click puts
// it, at the highlighted place near the middle of the map with the most trees and stones
// around; then food, housing, wood and stone. Each build level adds what the window newly
// offers there, every production building and the harbour once; the harbour and the
// airship yard come first, each after the makers of what it is built of and fetches. All
// along, as a player reads the clan's figures and the signs on its buildings: a house of
// the largest kind offered while the room is short, a food building while the stored food
// is short, and one more maker of a good that sites wait for or a workshop lacks (at most
// four of a kind, a year apart), a mint among them while the family tooltip tells most
// couples that they lack the money for a child. Like a player watching the prices it keeps
// few sites open (three at the first level, one more at each further level: the site cost
// grows with every open site) and picks the cheapest highlighted place near the home, or
// near the trees, stones, coast, hills or rabbits a gatherer works. With its first airship
// it places a landing stage, as the harbour's info window does, on the nearest other
// island, or on a world of one island at an outpost of the home island.

struct Menschenstart {
    bool aktiv = false;
    int startfeld = -1;
    std::vector<int> offen;  // building types still to place, in order
    int geplante_stufe = 0;  // the build levels whose offers are in the list
    int nahrung = 0;         // food buildings placed after the list (the offered kinds take turns)
    // Years to the way overseas (-1: not yet) and the members at each tenth year.
    double hafen = -1, werft = -1, schiff = -1, gesendet = -1, steg = -1;
    bool steg_gesetzt = false;
    std::vector<int> mitglieder_je_jahrzehnt;
    // Per computer clan and members goal: the year it first had that many members (-1 not yet).
    std::vector<std::array<double, 2>> ki_erreicht;
    std::map<int, double> nachgebaut;  // per ware: the year the last maker for a shortage was placed
};

// Members goals a computer clan may win by: the set-up default and 150.
constexpr std::array<int, 2> Ziel_Mitglieder = {100, 150};
// Makers of one kind that a player builds at most against a shortage.
constexpr int Mensch_Hersteller_max = 4;
// A player keeps at most this many sites open at the first level, one more at each further
// level: the third costs twice, the fourth three times.
constexpr int Mensch_Baustellen_max = 3;

int Typ_nach_Titel(const char* titel) {
    const std::string t = utf8_zu_1252(titel);
    for (std::size_t i = 0; i < SBU_Objekte.size(); ++i)
        if (SBU_Objekte[i].Titel == t) return static_cast<int>(i);
    return -1;
}

double Jahre_bisher() { return static_cast<double>(Schritt_nr) / Schritte_je_Jahr; }

// A building that gathers or grows food (berries, fish, game, turnips).
bool Nahrungsgebaeude(int typ) {
    if (modus(typ) != "Produktion") return false;
    for (const Warenslot& s : SBU_Objekte[static_cast<std::size_t>(typ)].Slots) {
        if (s.WarenID < 0 || static_cast<std::size_t>(s.WarenID) >= SBU_Waren.size()) continue;
        const bool sammelt = s.Benutzung == Benutzung_Anbau || s.Benutzung == Benutzung_fishing ||
                             s.Benutzung == Benutzung_Kaninchenabbau;
        if (sammelt && SBU_Waren[static_cast<std::size_t>(s.WarenID)].Spez == "food") return true;
    }
    return false;
}

// The cheapest place for the type that the preview highlights near its centre (nearer wins
// a tie); -1 when the type's resource is missing or nothing fits within 40 cells.
int Menschenplatz(int typ) {
    const int mitte = KI_Suchzentrum(SpielerID, typ);
    if (!MG_Feld_gueltig(mitte)) return -1;
    const int insel = Karte[static_cast<std::size_t>(mitte)].Insel();
    const int seite = MG_Kartengroesse, mx = mitte % seite, my = mitte / seite;
    for (int r : {12, 24, 40}) {
        int bester = -1, beste_kosten = 0, bester_abstand = 0;
        for (int y = std::max(0, my - r); y <= std::min(seite - 1, my + r); ++y)
            for (int x = std::max(0, mx - r); x <= std::min(seite - 1, mx + r); ++x) {
                const int feld = x + y * seite;
                const int abstand = FFU_Distanz(feld, mitte);
                if (abstand > r || Karte[static_cast<std::size_t>(feld)].Insel() != insel ||
                    Karte[static_cast<std::size_t>(feld)].Block() != -1)
                    continue;
                const int kosten = BPU_Bauplatz_pruefen(feld, typ);
                if (kosten < 0) continue;
                if (bester < 0 || kosten < beste_kosten ||
                    (kosten == beste_kosten && abstand < bester_abstand)) {
                    bester = feld;
                    beste_kosten = kosten;
                    bester_abstand = abstand;
                }
            }
        if (bester >= 0) return bester;
    }
    return -1;
}

// Trees and stones within 12 cells of the cell (stones count twice: they are fewer).
int Rohstoffe_nahe(int feld) {
    const int seite = MG_Kartengroesse, fx = feld % seite, fy = feld / seite;
    const int gebaeude = static_cast<int>(SBU_Objekte.size());
    int n = 0;
    for (int y = std::max(0, fy - 12); y <= std::min(seite - 1, fy + 12); ++y)
        for (int x = std::max(0, fx - 12); x <= std::min(seite - 1, fx + 12); ++x) {
            const int c = x + y * seite, a = Karte[static_cast<std::size_t>(c)].Ambiente() - gebaeude;
            if (a < 0 || static_cast<std::size_t>(a) >= SBU_Ambiente.size() || FFU_Distanz(c, feld) > 12)
                continue;
            const std::string& sp = SBU_Ambiente[static_cast<std::size_t>(a)].spezial;
            n += sp == "tree" ? 1 : sp == "stone" ? 2 : 0;
        }
    return n;
}

// Where a player puts the start building: among the highlighted places within 40 cells of
// the first one found from the middle of the map, the one with the most trees and stones near.
int Startplatz(int erster) {
    if (!MG_Feld_gueltig(erster)) return -1;
    const int seite = MG_Kartengroesse, ex = erster % seite, ey = erster / seite;
    int bester = erster, beste = Rohstoffe_nahe(erster);
    for (int y = std::max(0, ey - 40); y <= std::min(seite - 1, ey + 40); y += 4)
        for (int x = std::max(0, ex - 40); x <= std::min(seite - 1, ex + 40); x += 4) {
            const int c = x + y * seite;
            if (FFU_Distanz(c, erster) > 40 || BPU_Bauplatz_pruefen(c, SBU_Start_ID) < 0) continue;
            const int n = Rohstoffe_nahe(c);
            if (n > beste) {
                bester = c;
                beste = n;
            }
        }
    return bester;
}

// What the placement click does for the start building of the viewed clan.
bool Start_setzen(Menschenstart& m) {
    SpielerID = 0;
    const int mitte = MG_Kartengroesse / 2 + (MG_Kartengroesse / 2) * MG_Kartengroesse;
    const int feld = Startplatz(JA_Bauplatz_suchen(mitte, SBU_Start_ID, true));
    if (feld < 0) return false;
    if (!BPU_Baustelle_setzen(feld, SBU_Start_ID, SpielerID)) return false;
    Platzierungsmodus = false;
    NGU_Clanname_setzen(SpielerID, Spielername);
    PM_Startbevoelkerung_anlegen(feld, SpielerID);
    Spielerzeile& s = Spieler[static_cast<std::size_t>(SpielerID)];
    s.Heimatfeld() = feld;
    s.Startfeld() = feld;
    IU_Spieler_auf_Insel_addieren(Karte[static_cast<std::size_t>(feld)].Insel(), SpielerID, 1);
    m.startfeld = feld;
    // A player's first choices from the build window at level 1: food, housing, wood, stone.
    for (const char* t : {"Beerengarten", "Laubhütte", "Holzfällerhütte", "Laubhütte", "Steinbruch",
                          "Beerengarten", "Laubhütte"}) {
        const int typ = Typ_nach_Titel(t);
        if (typ >= 0 && FFU_Objekt_baubar(typ, SpielerID)) m.offen.push_back(typ);
    }
    m.ki_erreicht.assign(Spieler.size(), {-1, -1});
    m.aktiv = true;
    return true;
}

bool Menschenbau_setzen(int typ) {
    if (typ < 0) return false;
    const int feld = Menschenplatz(typ);
    return feld >= 0 && BPU_Baustelle_setzen(feld, typ, SpielerID);
}

// A site of one of the types that the human clan has not finished yet: placed and still to
// be levelled, or waiting for its first materials (a house's build-up is not a new site).
bool Menschenbaustelle_offen(const std::vector<int>& typen) {
    auto gesucht = [&](int typ) { return std::find(typen.begin(), typen.end(), typ) != typen.end(); };
    if (static_cast<std::size_t>(SpielerID) < JU_Befehlsliste.size()) {
        const JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(SpielerID)];
        for (int i = 0; i < l.Anzahl; ++i)
            if (l.Befehle[static_cast<std::size_t>(i)].Befehl == JU_Bauen &&
                gesucht(l.Befehle[static_cast<std::size_t>(i)].Typ))
                return true;
    }
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        Objektzeile& ob = Objekte[o];
        if (ob.Feld() >= 1 && ob.Besitzer() == SpielerID && ob.Ausbau() == -1 &&
            OM_Baumaterial_fehlt(static_cast<int>(o)) && gesucht(ob.Typ()))
            return true;
    }
    return false;
}

// Buildings of the type that the human clan owns, finished or not.
int Anzahl_eigene(int typ) {
    int n = 0;
    for (const Objektzeile& ob : Objekte)
        n += ob.Feld() >= 1 && ob.Besitzer() == SpielerID && ob.Typ() == typ;
    if (static_cast<std::size_t>(SpielerID) < JU_Befehlsliste.size()) {
        const JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(SpielerID)];
        for (int i = 0; i < l.Anzahl; ++i)
            n += l.Befehle[static_cast<std::size_t>(i)].Befehl == JU_Bauen &&
                 l.Befehle[static_cast<std::size_t>(i)].Typ == typ;
    }
    return n;
}

int Hersteller(int ware);

// A building of the type makes the ware itself (not by fetching it).
bool Macht(int typ, int ware) {
    for (const Warenslot& sl : SBU_Objekte[static_cast<std::size_t>(typ)].Slots)
        if (sl.WarenID == ware && sl.Benutzung != Benutzung_Holen && sl.Benutzung != Benutzung_Lager)
            return true;
    return false;
}

// The ship's building: it makes a ware of kind "ship".
bool Werft(int typ) {
    for (const Warenslot& sl : SBU_Objekte[static_cast<std::size_t>(typ)].Slots)
        if (sl.WarenID >= 0 && static_cast<std::size_t>(sl.WarenID) < SBU_Waren.size() &&
            Macht(typ, sl.WarenID) && SBU_Waren[static_cast<std::size_t>(sl.WarenID)].Spez == "ship")
            return true;
    return false;
}

// The type after the makers of what it is built of and what it fetches, where neither the
// clan nor the list has one yet (their makers first, as a player builds a chain from its
// start).
void Kette_einplanen(int typ, std::vector<int>& liste, int tiefe = 0) {
    if (std::find(liste.begin(), liste.end(), typ) != liste.end() || tiefe > 6) return;
    const Objekt_Item& o = SBU_Objekte[static_cast<std::size_t>(typ)];
    std::vector<int> waren;
    for (const Waren_Menge& k : o.Baukosten)
        if (k.WarenID >= 0) waren.push_back(k.WarenID);
    for (const Warenslot& sl : o.Slots)
        if (sl.WarenID >= 0 && sl.Benutzung == Benutzung_Holen) waren.push_back(sl.WarenID);
    for (int w : waren) {
        bool gemacht = false;
        for (const Objektzeile& ob : Objekte)
            gemacht = gemacht || (ob.Feld() >= 1 && ob.Besitzer() == SpielerID && Macht(ob.Typ(), w));
        for (int t : liste) gemacht = gemacht || Macht(t, w);
        if (gemacht) continue;
        const int macher = Hersteller(w);
        if (macher >= 0) Kette_einplanen(macher, liste, tiefe + 1);
    }
    if (std::find(liste.begin(), liste.end(), typ) == liste.end()) liste.push_back(typ);
}

// The production buildings and the harbour that the build window offers from the level
// on (the smokehouse, the gold mine, the rubble collector, the store and the academy are
// offered from the start and left out: the quarries break gold ore, the others are
// extras), in the window's order; houses and food come by need. The way overseas comes
// first: the harbour and the airship yard as soon as they are offered, each after the
// makers of what it needs.
void Stufenangebot_einplanen(Menschenstart& m) {
    const int stufe = Spieler[static_cast<std::size_t>(SpielerID)].Baustufe();
    while (m.geplante_stufe < stufe) {
        ++m.geplante_stufe;
        std::vector<int> vorne = m.offen, hinten;
        const std::size_t alt = vorne.size();
        for (std::size_t t = 0; t < SBU_Objekte.size(); ++t) {
            const Objekt_Item& o = SBU_Objekte[t];
            const int typ = static_cast<int>(t);
            if (o.AI_Level != m.geplante_stufe || !FFU_Objekt_baubar(typ, SpielerID)) continue;
            if (o.Modus != "Produktion" && o.Modus != "Hafen") continue;
            if (Anzahl_eigene(typ) > 0) continue;
            if (o.Modus == "Hafen" || Werft(typ))
                Kette_einplanen(typ, vorne);
            else
                hinten.push_back(typ);
        }
        // The new chain before what was still waiting in the list.
        std::vector<int> liste(vorne.begin() + static_cast<std::ptrdiff_t>(alt), vorne.end());
        liste.insert(liste.end(), vorne.begin(), vorne.begin() + static_cast<std::ptrdiff_t>(alt));
        for (int t : hinten)
            if (std::find(liste.begin(), liste.end(), t) == liste.end()) liste.push_back(t);
        m.offen = liste;
    }
}

// The house of the largest room that the build window offers.
int Groesstes_Haus() {
    int bestes = -1;
    for (std::size_t t = 0; t < SBU_Objekte.size(); ++t) {
        const int typ = static_cast<int>(t);
        if (modus(typ) != "Home" || !FFU_Objekt_baubar(typ, SpielerID)) continue;
        if (bestes < 0 || SBU_Objekte[t].Platz > SBU_Objekte[static_cast<std::size_t>(bestes)].Platz)
            bestes = typ;
    }
    return bestes;
}

// The food buildings that the build window offers, in its order.
std::vector<int> Nahrungsangebot() {
    std::vector<int> typen;
    for (std::size_t t = 0; t < SBU_Objekte.size(); ++t)
        if (Nahrungsgebaeude(static_cast<int>(t)) && FFU_Objekt_baubar(static_cast<int>(t), SpielerID))
            typen.push_back(static_cast<int>(t));
    return typen;
}

// Per ware, the units that the human clan's sites still wait for.
std::map<int, int> Fehlendes_Baumaterial() {
    std::map<int, int> fehlt;
    for (Objektzeile& ob : Objekte) {
        if (ob.Feld() < 1 || ob.Besitzer() != SpielerID || ob.Zustand() != 0) continue;
        for (int k = 0; k < 4; ++k)
            if (ob.Baumaterial_Ware(k) >= 0 && ob.Baumaterial_Rest(k) > 0)
                fehlt[ob.Baumaterial_Ware(k)] += ob.Baumaterial_Rest(k);
    }
    return fehlt;
}

// The goods the player sees lacking: materials its sites wait for beyond what its buildings
// hold, and inputs a workshop has none of (its shortage sign), in ware order.
std::vector<int> Fehlende_Waren() {
    std::map<int, int> fehlt = Fehlendes_Baumaterial(), bestand;
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        Objektzeile& ob = Objekte[o];
        if (ob.Feld() < 1 || ob.Besitzer() != SpielerID || ob.Zustand() != 0 ||
            OM_Baumaterial_fehlt(static_cast<int>(o)) || modus(ob.Typ()) != "Produktion")
            continue;
        const Objekt_Item& v = SBU_Objekte[static_cast<std::size_t>(ob.Typ())];
        for (int k = 0; k < Objekt_Warenslots; ++k) {
            const int w = ob.Slot_Ware(k);
            if (w < 0) continue;
            bestand[w] += ob.Slot_Bestand(k) - ob.Slot_Reserviert(k);
            if (v.Slots[static_cast<std::size_t>(k)].Benutzung == Benutzung_Holen &&
                ob.Slot_Bestand(k) == 0 && ob.Slot_Bestellt(k) == 0)
                fehlt[w] += 1;
        }
    }
    std::vector<int> waren;
    for (const auto& [w, n] : fehlt)
        if (n > bestand[w]) waren.push_back(w);
    // Gold, when the family tooltip tells most couples of child-bearing age that they have not
    // the money for a child.
    int paare = 0, arm = 0;
    for (const Personenzeile& p : Personen) {
        if (p.Hunger() <= 0 || p.Spieler() != SpielerID || p.Geschlecht() != 2 || p.Alter() < 15 ||
            p.Alter() >= 50 || !PM_Person_lebt(p.PartnerID()))
            continue;
        ++paare;
        arm += p.Gold() + Personen[static_cast<std::size_t>(p.PartnerID())].Gold() < 101;
    }
    if (2 * arm > paare)
        for (std::size_t w = 0; w < SBU_Waren.size(); ++w)
            if (SBU_Waren[w].Spez == "gold") waren.push_back(static_cast<int>(w));
    return waren;
}

// The first building in the window's order that makes the ware (not by fetching it) and has
// a place; -1 when none is offered.
int Hersteller(int ware) {
    for (std::size_t t = 0; t < SBU_Objekte.size(); ++t) {
        const int typ = static_cast<int>(t);
        if (modus(typ) != "Produktion" || !FFU_Objekt_baubar(typ, SpielerID)) continue;
        for (const Warenslot& sl : SBU_Objekte[t].Slots)
            if (sl.WarenID == ware && Macht(typ, ware) && Menschenplatz(typ) >= 0) return typ;
    }
    return -1;
}

// With the clan's first airship, as the harbour's info window offers it: a landing stage on
// the land of another island nearest home, or, on a world of one island, an outpost on the
// home island some 60 cells away.
void Steg_setzen(Menschenstart& m) {
    if (m.steg_gesetzt || SBU_Hafen2_ID < 0) return;
    const int seite = MG_Kartengroesse, heimat = Karte[static_cast<std::size_t>(m.startfeld)].Insel();
    constexpr int Vorposten = 60;
    int ziel = -1, bester = 0, vorposten = -1, vorposten_abweichung = 0;
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) {
        const int insel = Karte[static_cast<std::size_t>(c)].Insel();
        if (insel < 0 || Karte[static_cast<std::size_t>(c)].LandType() < 3 ||
            BPU_Bauplatz_pruefen(c, SBU_Hafen2_ID) < 0)
            continue;
        const int d = std::abs(c % seite - m.startfeld % seite) + std::abs(c / seite - m.startfeld / seite);
        if (insel != heimat && (ziel < 0 || d < bester)) {
            ziel = c;
            bester = d;
        }
        if (insel == heimat && (vorposten < 0 || std::abs(d - Vorposten) < vorposten_abweichung)) {
            vorposten = c;
            vorposten_abweichung = std::abs(d - Vorposten);
        }
    }
    if (ziel < 0) ziel = vorposten;
    if (ziel >= 0 && BPU_Baustelle_setzen(ziel, SBU_Hafen2_ID, SpielerID)) m.steg_gesetzt = true;
}

// The human clan's way overseas and the computer clans' members, seen once a month.
void Menschenwege_sehen(Menschenstart& m) {
    const double jahr = Jahre_bisher();
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        const Objektzeile& ob = Objekte[o];
        if (ob.Feld() < 1 || ob.Besitzer() != SpielerID || OM_Baumaterial_fehlt(static_cast<int>(o)))
            continue;
        const std::string& mo = modus(ob.Typ());
        if (mo == "Hafen" && m.hafen < 0) m.hafen = jahr;
        if (mo == "Hafen2" && m.steg < 0) m.steg = jahr;
        if (Werft(ob.Typ()) && m.werft < 0) m.werft = jahr;
    }
    for (int i = 0; i < Schiff_Anzahl; ++i) {
        const Schiff& sch = Schiffe[static_cast<std::size_t>(i)];
        if (sch.Besitzer != SpielerID) continue;
        if (m.schiff < 0) m.schiff = jahr;
        if (sch.Auftrag > 0 && m.gesendet < 0) m.gesendet = jahr;
    }
    for (std::size_t c = 0; c < Spieler.size() && c < m.ki_erreicht.size(); ++c)
        for (std::size_t z = 0; z < Ziel_Mitglieder.size(); ++z)
            if (static_cast<int>(c) != SpielerID && Spieler[c].Mitglieder() >= Ziel_Mitglieder[z] &&
                m.ki_erreicht[c][z] < 0)
                m.ki_erreicht[c][z] = jahr;
    const std::size_t jahrzehnt = static_cast<std::size_t>(Schritt_nr / (10LL * Schritte_je_Jahr));
    if (m.mitglieder_je_jahrzehnt.size() < jahrzehnt)
        m.mitglieder_je_jahrzehnt.push_back(Spieler[static_cast<std::size_t>(SpielerID)].Mitglieder());
}

// Once a month, as a player keeps doing with the window's offers: a house while the room is
// short, food while the stored food is short, a maker of a good that is lacking, then the
// next buildings of the list.
void Menschenbau(Menschenstart& m) {
    if (!m.aktiv || !GU_Clan_gueltig(SpielerID)) return;
    Menschenwege_sehen(m);
    if (m.schiff >= 0) Steg_setzen(m);
    Stufenangebot_einplanen(m);
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(SpielerID)];
    auto platz_frei = [&] { return s.Baustellen() < Mensch_Baustellen_max + s.Baustufe() - 1; };
    // Housing as the clan's figures show it: room for every member and a couple more.
    std::vector<int> haeuser;
    for (std::size_t t = 0; t < SBU_Objekte.size(); ++t)
        if (modus(static_cast<int>(t)) == "Home") haeuser.push_back(static_cast<int>(t));
    if (s.Wohnraum() < s.Mitglieder() + 2 && platz_frei() && !Menschenbaustelle_offen(haeuser))
        Menschenbau_setzen(Groesstes_Haus());
    const std::vector<int> nahrung = Nahrungsangebot();
    if (!nahrung.empty() && platz_frei() && LGK_Nahrung_des_Spielers(SpielerID) <= s.Mitglieder() + 3 &&
        !Menschenbaustelle_offen(nahrung) &&
        Menschenbau_setzen(nahrung[static_cast<std::size_t>(m.nahrung) % nahrung.size()]))
        ++m.nahrung;
    // One more maker of a good the clan lacks, one at a time: a year after the last one for
    // that good, and at most a few of a kind, as a player waits to see what a building brings.
    if (platz_frei())
        for (int w : Fehlende_Waren()) {
            const int typ = Hersteller(w);
            if (typ < 0 || Menschenbaustelle_offen({typ}) || Anzahl_eigene(typ) >= Mensch_Hersteller_max)
                continue;
            double& zuletzt = m.nachgebaut[w];
            if (zuletzt > 0 && Jahre_bisher() - zuletzt < 1.0) continue;
            if (Menschenbau_setzen(typ)) zuletzt = Jahre_bisher();
            break;
        }
    while (!m.offen.empty() && platz_frei()) {
        const int typ = m.offen.front();
        if (Menschenplatz(typ) < 0) {
            m.offen.erase(m.offen.begin());  // no place or no resource for it: the player skips it
            continue;
        }
        if (!Menschenbau_setzen(typ)) break;  // waits for the gold
        m.offen.erase(m.offen.begin());
    }
}

// One line per report: the human clan's build level and what its sites still wait for.
void Menschenbericht(const Menschenstart& m) {
    if (!m.aktiv || !GU_Clan_gueltig(SpielerID)) return;
    const std::map<int, int> fehlt = Fehlendes_Baumaterial();
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(SpielerID)];
    std::printf("  Mensch: Baustufe %d, Baustellen %d, Baustellen fehlt:", s.Baustufe(), s.Baustellen());
    for (const auto& [w, n] : fehlt)
        std::printf(" %s %d", utf8(SBU_Waren[static_cast<std::size_t>(w)].Titel).c_str(), n);
    std::printf(" | noch geplant:");
    for (int t : m.offen) std::printf(" %s", kurz(t).c_str());
    std::printf("\n");
}

// The human clan's way overseas against the computer clans' growth.
void Menschenbilanz_zeigen(Menschenstart& m) {
    if (!m.aktiv) return;
    Menschenwege_sehen(m);
    auto jahr = [](double j) {
        char t[16];
        if (j < 0) return std::string("-");
        std::snprintf(t, sizeof t, "%.1f", j);
        return std::string(t);
    };
    std::printf(
        "Mensch: Hafen Jahr %s, Werft Jahr %s, erstes Luftschiff Jahr %s, erste Fahrt Jahr %s, Steg "
        "geliefert "
        "Jahr %s\n",
        jahr(m.hafen).c_str(), jahr(m.werft).c_str(), jahr(m.schiff).c_str(), jahr(m.gesendet).c_str(),
        jahr(m.steg).c_str());
    std::printf("Mensch: Mitglieder je Jahrzehnt:");
    for (int n : m.mitglieder_je_jahrzehnt) std::printf(" %d", n);
    std::printf("\n");
    std::array<double, 2> erster = {-1, -1};
    for (const std::array<double, 2>& e : m.ki_erreicht)
        for (std::size_t z = 0; z < e.size(); ++z)
            if (e[z] >= 0 && (erster[z] < 0 || e[z] < erster[z])) erster[z] = e[z];
    std::printf("KI: erster Clan mit %d Mitgliedern Jahr %s, mit %d Jahr %s\n", Ziel_Mitglieder[0],
                jahr(erster[0]).c_str(), Ziel_Mitglieder[1], jahr(erster[1]).c_str());
}

// --- Output ----------------------------------------------------------------------------

struct Stand {
    int personen = 0, alter[Altersbaender] = {}, gebaeude = 0, baustellen = 0;
    double aelteste_baustelle = 0;  // years
    std::string aelteste_art;       // kind of the oldest site
    long long waren = 0, volle_slots = 0, slots = 0, freie_plaetze = 0, untaetig = 0, geldbeutel = 0;
    long long schatz = 0, reserve = 0, gespeichert = 0;
    int stufe = 0, schiffe = 0, haefen = 0;
    std::map<std::string, int> arten;
};

std::vector<Stand> Staende(const Laufzahlen& l) {
    std::vector<Stand> st(Spieler.size() + 1);
    Stand& summe = st.back();
    auto beide = [&](int clan, auto f) {
        if (!GU_Clan_gueltig(clan)) return;
        f(st[static_cast<std::size_t>(clan)]);
        f(summe);
    };
    for (const Personenzeile& p : Personen) {
        if (p.Hunger() <= 0) continue;
        const bool untaetig = arbeitsfaehig(p.Alter()) && p.AuftragID() == 0 && p.ArbeitsplatzID() < 0;
        beide(p.Spieler(), [&](Stand& s) {
            ++s.personen;
            ++s.alter[band(p.Alter())];
            s.geldbeutel += p.Gold();
            s.untaetig += untaetig;
        });
    }
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        Objektzeile& ob = Objekte[o];
        if (ob.Feld() < 1) continue;
        const int oi = static_cast<int>(o);
        const bool baustelle = OM_Baumaterial_fehlt(oi);
        const double alter = o < l.baustelle_seit.size() && l.baustelle_seit[o] >= 0
                                 ? static_cast<double>(Schritt_nr - l.baustelle_seit[o]) / Schritte_je_Jahr
                                 : 0.0;
        const std::string& m = modus(ob.Typ());
        const bool betrieb = m == "Produktion" || m == "Lager" || m == "Hafen" || m == "Hafen2";
        int frei = 0;
        if (betrieb && !baustelle && o < OB_Slots.size()) frei = OB_Anzahl_freie_Slots(oi);
        beide(ob.Besitzer(), [&](Stand& s) {
            ++s.gebaeude;
            ++s.arten[kurz(ob.Typ()) + (baustelle ? "*" : "")];
            if (baustelle) {
                ++s.baustellen;
                if (alter >= s.aelteste_baustelle) {
                    s.aelteste_baustelle = alter;
                    s.aelteste_art = kurz(ob.Typ());
                }
            }
            if (m == "Hafen" || m == "Hafen2") ++s.haefen;
            s.freie_plaetze += frei;
            for (int k = 0; k < Objekt_Warenslots; ++k) {
                if (ob.Slot_Ware(k) <= 0) continue;
                ++s.slots;
                s.waren += ob.Slot_Bestand(k);
                s.volle_slots += ob.Slot_Bestand(k) >= 9;
            }
        });
    }
    for (std::size_t c = 0; c < Spieler.size(); ++c) {
        const Spielerzeile& z = Spieler[c];
        beide(static_cast<int>(c), [&](Stand& s) {
            s.schatz += z.Gold();
            s.reserve += static_cast<long long>(z.Baulohn_reserviert()) + z.Gemeinschaftskasse();
            s.gespeichert += z.Gold_gespeichert();
            s.schiffe += z.Flugschiffe();
            s.stufe = std::max(s.stufe, c < l.hoechste_stufe.size() ? l.hoechste_stufe[c] : 0);
        });
    }
    return st;
}

void Zeile(const char* name, const Stand& s, const Clanzahlen& z, bool arten) {
    std::printf("  %-6s P %4d [", name, s.personen);
    for (int b = 0; b < Altersbaender; ++b) std::printf("%s%s %d", b ? " " : "", Bandname[b], s.alter[b]);
    std::printf(
        "] geb %lld tot %lld (<50 %lld) | Geb %d Bst %d (aelteste %.1f J%s%s) | Waren %lld voll %lld/%lld | "
        "frei %lld untaetig %lld | Kasse %lld Beutel %lld Reserve %lld gespart %lld | Stufe %d Schiffe %d "
        "Haefen %d\n",
        z.geburten, z.tode, z.tode_jung, s.gebaeude, s.baustellen, s.aelteste_baustelle,
        s.aelteste_art.empty() ? "" : " ", s.aelteste_art.c_str(), s.waren, s.volle_slots, s.slots,
        s.freie_plaetze, s.untaetig, s.schatz, s.geldbeutel, s.reserve, s.gespeichert, s.stufe, s.schiffe,
        s.haefen);
    if (!arten || s.arten.empty()) return;
    std::printf("         ");
    for (const auto& [k, n] : s.arten) std::printf(" %s:%d", k.c_str(), n);
    std::printf("\n");
}

void Personen_zeigen(int clan) {
    for (std::size_t i = 0; i < Personen.size(); ++i) {
        const Personenzeile& p = Personen[i];
        if (p.Hunger() <= 0 || p.Spieler() != clan) continue;
        const int w = p.ArbeitsplatzID(), h = p.HeimID();
        std::printf(
            "    Person %zu: %s %d J, Vitalitaet %d, Glueck %d, Gold %d, Auftrag %d, Arbeit %s, Heim %s, "
            "Partner %d\n",
            i, p.Geschlecht() == 2 ? "Frau" : "Mann", p.Alter(), p.Hunger(), p.Glueck(), p.Gold(),
            p.AuftragID(),
            OM_Objekt_gueltig(w) ? kurz(Objekte[static_cast<std::size_t>(w)].Typ()).c_str() : "-",
            OM_Objekt_gueltig(h) ? kurz(Objekte[static_cast<std::size_t>(h)].Typ()).c_str() : "-",
            p.PartnerID());
    }
}

void Bericht(int jahr, Laufzahlen& l, int personen_von) {
    const std::vector<Stand> st = Staende(l);
    double median, p99, max;
    perzentile(l.schrittzeiten, median, p99, max);
    const Stand& summe = st.back();
    Clanzahlen gesamt;
    for (const Clanzahlen& z : l.clan) {
        gesamt.geburten += z.geburten;
        gesamt.tode += z.tode;
        gesamt.tode_jung += z.tode_jung;
    }
    int lebende = 0;
    for (const Spielerzeile& z : Spieler) lebende += z.Mitglieder() > 0;
    std::printf(
        "== Jahr %d: %d Personen, %d Clans mit Mitgliedern, GU %d, geschaffen %lld, verfallen %lld, "
        "Schritt median %.0f us p99 %.0f us max %.0f us\n",
        jahr, summe.personen, lebende, GU, l.geschaffen, l.verfallen, median, p99, max);
    for (std::size_t c = 0; c < Spieler.size(); ++c) {
        char name[32];
        std::snprintf(name, sizeof name, "Clan%zu", c);
        Zeile(name, st[c], l.clan[c], true);
        if (c < KI_Status.size() && !KI_Status[c].empty() && Spieler[c].Mitglieder() > 0)
            std::printf("          KI: %s\n", utf8(KI_Status[c]).c_str());
    }
    Zeile("Summe", summe, gesamt, true);
    for (const auto& [text, n] : l.meldungen) std::printf("  Meldung %dx: %s\n", n, utf8(text).c_str());
    if (personen_von >= 0) Personen_zeigen(personen_von);
    std::fflush(stdout);
    for (Clanzahlen& z : l.clan) z = {};
    l.geschaffen = l.verfallen = 0;
    l.schrittzeiten.clear();
}

bool Optionen_lesen(int argc, char** argv, Optionen& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto zahl = [&](long long min, long long max, auto& ziel) {
            if (i + 1 >= argc) return false;
            char* ende = nullptr;
            const long long v = std::strtoll(argv[++i], &ende, 10);
            if (!ende || *ende || v < min || v > max) return false;
            ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(v);
            return true;
        };
        bool gut = true;
        if (a == "--seed")
            gut = zahl(0, 0xffffffffLL, o.seed);
        else if (a == "--seite")
            gut = zahl(256, 832, o.seite) && (o.seite - 256) % 64 == 0;
        else if (a == "--kartentyp")
            gut = zahl(0, 7, o.kartentyp);
        else if (a == "--jahre")
            gut = zahl(0, 1000, o.jahre);
        else if (a == "--alle")
            gut = zahl(1, 1000, o.alle);
        else if (a == "--mensch")
            o.mensch = true;
        else if (a == "--streng")
            o.streng = true;
        else if (a == "--personen")
            gut = zahl(0, 10000, o.personen_von);
        else
            gut = false;
        if (!gut) {
            std::fprintf(stderr, "jahrhundertlauf: unbekannte oder falsche Angabe bei %s\n", a.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Optionen opt;
    if (!Optionen_lesen(argc, argv, opt)) {
        std::fprintf(stderr,
                     "Aufruf: jahrhundertlauf [--seed N] [--seite 256..832] [--kartentyp 0..7] [--jahre N] "
                     "[--alle N] [--mensch] [--streng] [--personen CLAN]\n");
        return 2;
    }
    std::error_code ec;
    const fs::path ordner = fs::temp_directory_path() / ("jahrhundertlauf-" + std::to_string(::getpid()));
    fs::remove_all(ordner, ec);
    fs::create_directories(ordner);
    struct Aufraeumen {
        fs::path p;
        ~Aufraeumen() {
            std::error_code e;
            fs::remove_all(p, e);
        }
    } aufraeumen{ordner};
    if (!bhmtest::Spielordner_kopieren(ordner)) {
        std::fprintf(stderr, "jahrhundertlauf: kein Spielordner mit Inhalt in %s\n", BHM_GAME_DIR);
        return 2;
    }
    Programmpfad = ordner.string() + "/";
    Error_Silence = false;
    Errorloger = false;
    RandSeed = opt.seed;
    SingelGameTYPWahl = opt.kartentyp;
    SingelGameGroessenWahl = (opt.seite - 256) / 64;
    SingelGamerohstoffWahl = SingelGamerohstoffWahl_Standard;
    SingelGameKIanzahl = SingelGameKIanzahl_Standard;
    SingelGameKILevel = SingelGameKILevel_Standard;
    MG_Spiel_starten();
    if (!SSL) {
        std::fprintf(stderr, "jahrhundertlauf: keine Welt: %s\n", utf8(Fehlertext).c_str());
        return 2;
    }
    // The start leaves the placement of the human's start building running; with no
    // player it is not. (The human start below places it the way the click does.)
    Platzierungsmodus = false;
    Laufzahlen l;
    if (!Fehlertext.empty()) {
        ++l.meldungen[Fehlertext];
        Fehler_zuruecksetzen();
    }
    Menschenstart mensch;
    if (opt.mensch && !Start_setzen(mensch)) {
        std::fprintf(stderr, "jahrhundertlauf: kein Startplatz fuer den Menschen\n");
        return 2;
    }
    std::printf("Welt: Seed %u, Seite %d, Kartentyp %d, %zu Clans (%s), %d Jahre\n", opt.seed,
                MG_Kartengroesse, opt.kartentyp, Spieler.size(),
                opt.mensch ? "Mensch gestartet" : "Mensch ohne Start", opt.jahre);

    auto lebende_personen = [] {
        int n = 0;
        for (const Personenzeile& p : Personen) n += p.Hunger() > 0;
        return n;
    };
    const int personen_am_anfang = lebende_personen();
    l.clan.assign(Spieler.size(), {});
    l.hoechste_stufe.assign(Spieler.size(), 0);
    l.geburten_gesamt.assign(Spieler.size(), 0);
    std::vector<Zeilenbild> bild;
    long long gesamt_vorher = GU + Gespeichert();
    int geldfehler_gezeigt = 0, zaehlerfehler_gezeigt = 0;
    Bindungen bindungen;
    int bindungen_gezeigt = 0;
    for (int jahr = 1; jahr <= opt.jahre; ++jahr) {
        for (int i = 0; i < Schritte_je_Jahr; ++i, ++Schritt_nr) {
            if (mensch.aktiv && i % (Monatsticks + 1) == 0) Menschenbau(mensch);
            const auto t0 = std::chrono::steady_clock::now();
            Logik_Zeitschritt();
            Logik_Simulationsschritt();
            const double us =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
            l.schrittzeiten.push_back(us);
            l.alle_zeiten.push_back(us);
            if (!Fehlertext.empty()) {
                ++l.meldungen[Fehlertext];
                Fehler_zuruecksetzen();
            }
            // The money circuit: what the rows hold is what circulates.
            const long long zeilen = Umlauf_der_Zeilen();
            if (zeilen != GU) {
                ++l.geldfehler;
                if (geldfehler_gezeigt++ < 10)
                    std::printf("GELDKREIS: Jahr %d Schritt %d: GU %d, Zeilen halten %lld\n", jahr, i, GU,
                                zeilen);
            }
            const long long gesamt = GU + Gespeichert();
            if (gesamt > gesamt_vorher) l.geschaffen += gesamt - gesamt_vorher;
            if (gesamt < gesamt_vorher) l.verfallen += gesamt_vorher - gesamt;
            gesamt_vorher = gesamt;
            // Births and deaths from the person rows.
            if (bild.size() < Personen.size()) bild.resize(Personen.size());
            for (std::size_t r = 0; r < Personen.size(); ++r) {
                const Personenzeile& p = Personen[r];
                Zeilenbild& b = bild[r];
                const bool lebt = p.Hunger() > 0;
                const bool dieselbe = dieselbe_Person(b, p);
                if (b.lebt && !dieselbe && GU_Clan_gueltig(b.clan)) {
                    Clanzahlen& z = l.clan[static_cast<std::size_t>(b.clan)];
                    ++z.tode;
                    z.tode_jung += b.alter < 50;
                }
                if (lebt && !dieselbe && p.MutterID() >= 0 && GU_Clan_gueltig(p.Spieler())) {
                    ++l.clan[static_cast<std::size_t>(p.Spieler())].geburten;
                    ++l.geburten_gesamt[static_cast<std::size_t>(p.Spieler())];
                }
                b = {lebt, p.Spieler(), p.Alter(), p.Geburtstag(), p.Vorname(), p.Geschlecht()};
            }
            // The orders' hold on goods, as the month ends (before its material is ordered again).
            if (Monatsschritt == Monatsticks)
                for (const std::string& f : Bindungen_pruefen(bindungen))
                    if (bindungen_gezeigt++ < 10) std::printf("BINDUNG: Jahr %d: %s\n", jahr, f.c_str());
            // Construction sites and their age.
            if (l.baustelle_seit.size() < Objekte.size()) l.baustelle_seit.resize(Objekte.size(), -1);
            if (Monatsschritt == 0) {
                if (l.baustelle_von.size() < Objekte.size()) l.baustelle_von.resize(Objekte.size(), {-1, -1});
                for (std::size_t o = 0; o < Objekte.size(); ++o) {
                    const bool bst = Objekte[o].Feld() >= 1 && OM_Baumaterial_fehlt(static_cast<int>(o));
                    int& seit = l.baustelle_seit[o];
                    // A finished house takes its upgrade at once, and a row can be reused within the
                    // month: a site of another type or cell is a new site.
                    const std::pair<int, int> von{Objekte[o].Typ(), Objekte[o].Feld()};
                    if (!bst) {
                        seit = -1;
                    } else if (seit < 0 || l.baustelle_von[o] != von) {
                        seit = static_cast<int>(Schritt_nr);
                        l.baustelle_von[o] = von;
                    }
                    if (!bst) continue;
                    const double alter = static_cast<double>(Schritt_nr - seit) / Schritte_je_Jahr;
                    if (jahr >= 20 && alter > l.aelteste_ab_20) {
                        l.aelteste_ab_20 = alter;
                        l.aelteste_ab_20_was = "Clan " + std::to_string(Objekte[o].Besitzer()) + " " +
                                               kurz(Objekte[o].Typ()) + " im Jahr " + std::to_string(jahr);
                    }
                    const long long monate = (Schritt_nr - seit) / (Monatsticks + 1);
                    if (monate >= 60 && monate % 6 == 0) Baustelle_zeigen(static_cast<int>(o), alter);
                }
                for (std::size_t c = 0; c < Spieler.size(); ++c)
                    l.hoechste_stufe[c] = std::max(l.hoechste_stufe[c], Spieler[c].KI_Stufe());
                for (const std::string& f : Zaehler_pruefen()) {
                    ++l.zaehlerfehler;
                    if (zaehlerfehler_gezeigt++ < 10) std::printf("ZAEHLER: Jahr %d: %s\n", jahr, f.c_str());
                }
            }
        }
        if (jahr % opt.alle == 0 || jahr == opt.jahre) {
            Bericht(jahr, l, opt.personen_von);
            Menschenbericht(mensch);
        }
    }
    double median, p99, max;
    perzentile(l.alle_zeiten, median, p99, max);
    std::printf("Schrittzeit gesamt: median %.0f us, p99 %.0f us, max %.0f us\n", median, p99, max);
    std::printf("Geldkreisfehler: %lld, Zaehlerfehler: %lld\n", l.geldfehler, l.zaehlerfehler);
    std::printf(
        "Veraltete Bindungen: %lld (Baumaterial ohne Auftrag: %lld, Auftraege ohne Reservierung: %lld)\n",
        bindungen.veraltet, bindungen.ohne_Auftrag, bindungen.ohne_Reservierung);
    std::printf(
        "Veraltete Halter: Felder %lld, Kaninchenbaue %lld, Luftschiffe %lld, Siedler %lld (Monatssummen)\n",
        bindungen.felder, bindungen.loecher, bindungen.schiffe, bindungen.siedler);
    std::printf("Aelteste Baustelle ab Jahr 20, auch zwischen den Berichten: %.1f J%s%s\n", l.aelteste_ab_20,
                l.aelteste_ab_20_was.empty() ? "" : ", ", l.aelteste_ab_20_was.c_str());
    bool gut = l.geldfehler == 0 && l.zaehlerfehler == 0;
    if (opt.streng) {
        const int personen_am_ende = lebende_personen();
        std::printf("Personen am Anfang %d, am Ende %d; Fehlermeldungen: %zu verschiedene\n",
                    personen_am_anfang, personen_am_ende, l.meldungen.size());
        const long long halter = bindungen.felder + bindungen.loecher + bindungen.schiffe + bindungen.siedler;
        gut = gut && l.meldungen.empty() && personen_am_ende > personen_am_anfang &&
              bindungen.veraltet == 0 && halter == 0;
        if (mensch.aktiv) {
            // The human clan lived through the years (so it ate), had children and grew.
            const int mitglieder = Spieler[static_cast<std::size_t>(SpielerID)].Mitglieder();
            const long long geburten = l.geburten_gesamt[static_cast<std::size_t>(SpielerID)];
            std::printf("Menschenclan: %d Mitglieder am Ende, %lld Geburten\n", mitglieder, geburten);
            gut = gut && geburten > 0 && mitglieder > Startpersonen_Anzahl;
        }
    }
    Menschenbilanz_zeigen(mensch);
    return gut ? 0 : 1;
}

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
// Every month it checks that no unit is reserved, and no construction material ordered for a site,
// for an order that no longer exists.
// --streng also fails the run (exit code 1) on such a stale hold, on any error report and when the world
// has no more persons at the end than at the start; with --mensch also when the
// human clan had no child or has no more members than its founders.
//
// --mensch also starts the human clan the way a player does: the start building
// placed by the same routines as the placement click, then the first buildings the
// build window offers (food, wood, stone, huts) as soon as the clan can pay them,
// and later a hut while men have no home and a food building while the stored food
// is short, all from the first level's offers.
#include <algorithm>
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
#include "economy/KI.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Schiffe.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Namen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "population/Befehlsliste.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "population/Personen_Geburt.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

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
};

int Objekt_an(int feld) {
    if (!MG_Feld_gueltig(feld)) return -1;
    const int o = Karte[static_cast<std::size_t>(feld)].Objekt();
    return OM_Objekt_gueltig(o) && Objekte[static_cast<std::size_t>(o)].Feld() >= 1 ? o : -1;
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
    return zeilen;
}

// --- The human start ----------------------------------------------------------------

struct Menschenstart {
    bool aktiv = false;
    int startfeld = -1;
    std::vector<int> offen;  // building types still to place, in order
    int nahrung = 0;         // food buildings placed after the list (berries and fish take turns)
};

int Typ_nach_Titel(const char* titel) {
    const std::string t = utf8_zu_1252(titel);
    for (std::size_t i = 0; i < SBU_Objekte.size(); ++i)
        if (SBU_Objekte[i].Titel == t) return static_cast<int>(i);
    return -1;
}

// What the placement click does for the start building of the viewed clan.
bool Start_setzen(Menschenstart& m) {
    SpielerID = 0;
    const int mitte = MG_Kartengroesse / 2 + (MG_Kartengroesse / 2) * MG_Kartengroesse;
    const int feld = JA_Bauplatz_suchen(mitte, SBU_Start_ID, true);
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
    m.aktiv = true;
    return true;
}

bool Menschenbau_setzen(const Menschenstart& m, int typ) {
    if (typ < 0) return false;
    const int feld = JA_Bauplatz_suchen(m.startfeld, typ, false);
    return feld >= 0 && BPU_Baustelle_setzen(feld, typ, SpielerID);
}

// A site of one of the types that the human clan has not finished yet.
bool Menschenbaustelle_offen(std::initializer_list<int> typen) {
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        const Objektzeile& ob = Objekte[o];
        if (ob.Feld() < 1 || ob.Besitzer() != SpielerID || !OM_Baumaterial_fehlt(static_cast<int>(o)))
            continue;
        for (int t : typen)
            if (ob.Typ() == t) return true;
    }
    return false;
}

// Places the next building of the list near the start when the clan can pay its site;
// afterwards, as a player keeps doing with the same offers, a hut while men have no
// home and a food building while the clan's food stock is short.
void Menschenbau(Menschenstart& m) {
    if (!m.aktiv || !GU_Clan_gueltig(SpielerID)) return;
    if (!m.offen.empty()) {
        if (Menschenbau_setzen(m, m.offen.front())) m.offen.erase(m.offen.begin());
        return;
    }
    static const int huette = Typ_nach_Titel("Laubhütte");
    static const int nahrung[2] = {Typ_nach_Titel("Beerengarten"), Typ_nach_Titel("Fischerhütte")};
    bool ohne_heim = false;
    for (const Personenzeile& p : Personen)
        ohne_heim = ohne_heim || (p.Hunger() > 0 && p.Spieler() == SpielerID && p.Geschlecht() == 1 &&
                                  p.Alter() >= 15 && p.HeimID() < 0);
    if (ohne_heim && !Menschenbaustelle_offen({huette})) Menschenbau_setzen(m, huette);
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(SpielerID)];
    if (LGK_Nahrung_des_Spielers(SpielerID) <= s.Mitglieder() + 3 &&
        !Menschenbaustelle_offen({nahrung[0], nahrung[1]}) && Menschenbau_setzen(m, nahrung[m.nahrung % 2]))
        ++m.nahrung;
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
                }
                for (std::size_t c = 0; c < Spieler.size(); ++c)
                    l.hoechste_stufe[c] = std::max(l.hoechste_stufe[c], Spieler[c].KI_Stufe());
                for (const std::string& f : Zaehler_pruefen()) {
                    ++l.zaehlerfehler;
                    if (zaehlerfehler_gezeigt++ < 10) std::printf("ZAEHLER: Jahr %d: %s\n", jahr, f.c_str());
                }
            }
        }
        if (jahr % opt.alle == 0 || jahr == opt.jahre) Bericht(jahr, l, opt.personen_von);
    }
    double median, p99, max;
    perzentile(l.alle_zeiten, median, p99, max);
    std::printf("Schrittzeit gesamt: median %.0f us, p99 %.0f us, max %.0f us\n", median, p99, max);
    std::printf("Geldkreisfehler: %lld, Zaehlerfehler: %lld\n", l.geldfehler, l.zaehlerfehler);
    std::printf(
        "Veraltete Bindungen: %lld (Baumaterial ohne Auftrag: %lld, Auftraege ohne Reservierung: %lld)\n",
        bindungen.veraltet, bindungen.ohne_Auftrag, bindungen.ohne_Reservierung);
    bool gut = l.geldfehler == 0 && l.zaehlerfehler == 0;
    if (opt.streng) {
        const int personen_am_ende = lebende_personen();
        std::printf("Personen am Anfang %d, am Ende %d; Fehlermeldungen: %zu verschiedene\n",
                    personen_am_anfang, personen_am_ende, l.meldungen.size());
        gut = gut && l.meldungen.empty() && personen_am_ende > personen_am_anfang && bindungen.veraltet == 0;
        if (mensch.aktiv) {
            // The human clan lived through the years (so it ate), had children and grew.
            const int mitglieder = Spieler[static_cast<std::size_t>(SpielerID)].Mitglieder();
            const long long geburten = l.geburten_gesamt[static_cast<std::size_t>(SpielerID)];
            std::printf("Menschenclan: %d Mitglieder am Ende, %lld Geburten\n", mitglieder, geburten);
            gut = gut && geburten > 0 && mitglieder > Startpersonen_Anzahl;
        }
    }
    return gut ? 0 : 1;
}

// The ways an order ends - done, or given up on the way for any reason - and what each leaves
// behind: the seller's promised units, the units a site or workplace waits for, the gold of both
// clans (with the gold in circulation unchanged), and whatever else the order held.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "economy/Arbeiterslots.h"
#include "economy/Geldkreis.h"
#include "economy/Haefen.h"
#include "economy/Schutt.h"
#include "foundation/Geometrie.h"
#include "population/Arbeitsauftraege.h"
#include "population/Auftragswelt.h"
#include "population/Bauauftraege.h"
#include "population/Bewegung.h"
#include "population/Einkauf.h"
#include "population/Jobschritt.h"
#include "population/Zielaktion.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Pfade.h"
#include "world/Ressourcen.h"

namespace {

using bhmtest::Auftragswelt;
using W = Auftragswelt;

constexpr int Stein = 2;
constexpr int Preis = 7;
constexpr int Lohn = 1;

// Clan 0 buys one unit of stone from clan 1's quarry; the buyer's anchor and the seller
// lie 15 cells apart on open land, the carrier starts 7 cells from the buyer.
struct Kauf {
    Auftragswelt welt{32, 1};
    int kaeufer_feld = W::feld(5, 5);
    int verkaeufer_feld = W::feld(20, 5);
    int kaeufer = -1, verkaeufer = -1, p = -1;
    long long gold_vorher = 0;

    Kauf() {
        verkaeufer = W::gebaeude(1, verkaeufer_feld, W::vorlage("Produktion", {{Stein, Benutzung_stone}}));
        W::slot(verkaeufer, 0, Stein, 5);
        W::anbieten(verkaeufer, Stein);
        GU_Warenwerte[1][Stein] = Preis;
        p = W::person(0, W::feld(5, 12));
    }
    // After the buyer is made: the rows every demolition reads, and the gold before the purchase.
    void bereit() {
        OB_Slots.resize(Objekte.size());
        gold_vorher = gold_gesamt();
    }

    // Gold in circulation: treasuries, wage reserves, purses of the living.
    static long long gold_gesamt() {
        long long g = 0;
        for (const Spielerzeile& s : Spieler) g += static_cast<long long>(s.Gold()) + s.Baulohn_reserviert();
        for (const Personenzeile& q : Personen)
            if (q.Hunger() > 0) g += q.Gold();
        return g;
    }
    static void einmauern(int feld) {
        for (int d = 1; d <= 6; ++d) W::K(PFU_Nachbarfeld(feld, d)).Block() = 2;
    }
    bool unterwegs(int code) const { return PM_Person_lebt(p) && W::P(p).AuftragID() == code; }
    // Steps the carrier while it holds an order of the codes; true when the order ended.
    bool gehen(std::initializer_list<int> codes, int schritte = 3000) {
        auto haelt = [&] {
            for (int c : codes)
                if (unterwegs(c)) return true;
            return false;
        };
        for (int i = 0; i < schritte && haelt(); ++i) BU_Person_bewegen(p);
        return !haelt();
    }
    int reserviert() const { return W::O(verkaeufer).Slot_Reserviert(0); }
    int bestand() const { return W::O(verkaeufer).Slot_Bestand(0); }
};

// Construction material: a site missing 2 stone with one order for both; the carrier takes one.
struct Materialkauf : Kauf {
    int typ = -1;
    Materialkauf() {
        typ = W::vorlage("Produktion");
        kaeufer = W::gebaeude(0, kaeufer_feld, typ);
        Objektzeile& b = W::O(kaeufer);
        for (int k = 0; k < 4; ++k) {
            b.Baumaterial_Ware(k) = k == 0 ? Stein : -1;
            b.Baumaterial_Rest(k) = k == 0 ? 2 : -1;
        }
        b.Zustand() = 0;
        JU_Befehl_eintragen(JU_Material, 0, kaeufer_feld, typ, Stein, 0, 2);
        bereit();
    }
    int fehlt() const { return W::O(kaeufer).Baumaterial_Rest(0); }
    int offen() const {
        int n = 0;
        for (int i = 0; i < W::anzahl(0); ++i)
            if (W::befehl(0, i).Befehl == JU_Material && W::befehl(0, i).Feld == kaeufer_feld)
                n += W::befehl(0, i).Menge;
        return n;
    }
};

TEST(Auftragsende, MaterialOrders) {
    struct Fall {
        const char* wie;
        bool mit_der_Ware;  // the ending comes once the unit is taken (on the way to the site)
        std::function<void(Materialkauf&)> ende;
        int reserviert, bestand, fehlt, offen, gold_kaeufer, gold_verkaeufer, verkaeufer_zustand,
            kaeufer_zustand;
    };
    const int bezahlt = 100 - Preis - Lohn, erstattet = 100 - Lohn, verkauft = 100 + Preis;
    const Fall faelle[] = {
        {"done", false, [](Materialkauf&) {}, 0, 4, 1, 1, bezahlt, verkauft, 0, 0},
        {"no path: the seller walled in on the way", false,
         [](Materialkauf& k) { Kauf::einmauern(k.verkaeufer_feld); }, 0, 5, 2, 2, erstattet, 100, 0, 0},
        {"blocked target", false, [](Materialkauf& k) { W::K(k.verkaeufer_feld).Block() = 2; }, 0, 5, 2, 2,
         erstattet, 100, 0, 0},
        {"walled in: the site, with the unit in hand", true,
         [](Materialkauf& k) { Kauf::einmauern(k.kaeufer_feld); }, 0, 4, 2, 2, bezahlt, verkauft, 0, 0},
        {"carrier died", false, [](Materialkauf& k) { PM_Person_loeschen(k.p); }, 0, 5, 2, 2, -1, 100, 0, 0},
        {"carrier died with the unit", true, [](Materialkauf& k) { PM_Person_loeschen(k.p); }, 0, 4, 2, 2, -1,
         verkauft, 0, 0},
        {"seller demolished: the promised unit is still fetched", false,
         [](Materialkauf& k) { OM_Abriss(k.verkaeufer); }, 0, 0, 1, 1, bezahlt, verkauft, 2, 0},
        {"seller demolished and the carrier walled out", false,
         [](Materialkauf& k) {
             OM_Abriss(k.verkaeufer);
             Kauf::einmauern(k.verkaeufer_feld);
         },
         0, 0, 2, 2, erstattet, 100, 2, 0},
        {"seller gone", false,
         [](Materialkauf& k) {
             OM_Objekt_loeschen(k.verkaeufer);
             W::K(k.verkaeufer_feld).Objekt() = -1;
         },
         -1, -1, 2, 2, erstattet, 100, -1, 0},
        {"site demolished and the carrier walled out", false,
         [](Materialkauf& k) {
             OM_Abriss(k.kaeufer);
             Kauf::einmauern(k.verkaeufer_feld);
         },
         0, 5, 0, 0, erstattet, 100, 0, 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        Materialkauf k;
        ASSERT_TRUE(JU_Auftragsliste_abarbeiten(k.p));
        ASSERT_TRUE(k.unterwegs(JU_Auftrag_Material));
        EXPECT_EQ(k.reserviert(), 1);
        EXPECT_EQ(k.offen(), 1);
        EXPECT_EQ(W::S(0).Gold(), 100 - Preis - Lohn);
        EXPECT_EQ(W::S(1).Gold(), 100 + Preis);
        if (f.mit_der_Ware) {
            ASSERT_TRUE(k.gehen({JU_Auftrag_Material}));
        }
        ASSERT_TRUE(k.unterwegs(f.mit_der_Ware ? JU_Auftrag_Material + 1 : JU_Auftrag_Material));
        f.ende(k);
        EXPECT_TRUE(k.gehen({JU_Auftrag_Material, JU_Auftrag_Material + 1}));
        bhmtest::Kernwelt::gemeldet();
        if (f.reserviert >= 0) {
            EXPECT_EQ(k.reserviert(), f.reserviert);
        }
        if (f.bestand >= 0) {
            EXPECT_EQ(k.bestand(), f.bestand);
        }
        EXPECT_EQ(k.fehlt(), f.fehlt);
        EXPECT_EQ(k.offen(), f.offen);
        if (f.gold_kaeufer >= 0) {
            EXPECT_EQ(W::S(0).Gold(), f.gold_kaeufer);
        }
        EXPECT_EQ(W::S(1).Gold(), f.gold_verkaeufer);
        if (f.verkaeufer_zustand >= 0) {
            EXPECT_EQ(W::O(k.verkaeufer).Zustand(), f.verkaeufer_zustand);
        }
        EXPECT_EQ(W::O(k.kaeufer).Zustand(), f.kaeufer_zustand);
        EXPECT_EQ(Kauf::gold_gesamt(), k.gold_vorher) << "no gold made or lost";
        if (PM_Person_lebt(k.p)) {
            EXPECT_EQ(W::P(k.p).Kaufpreis(), -1);
            EXPECT_EQ(W::P(k.p).Kaufpreis_an(), -1);
        }
    }
}

// A workplace buys one unit for its fetch slot: it waits for the unit (ordered 1) until the
// carrier brings it or gives the order up.
struct Holkauf : Kauf {
    Holkauf() {
        kaeufer = W::gebaeude(0, kaeufer_feld, W::vorlage("Produktion", {{Stein, Benutzung_Holen}}));
        W::slot(kaeufer, 0, Stein, 0);
        bereit();
    }
    int bestellt() const { return W::O(kaeufer).Slot_Bestellt(0); }
};

// A hungry person buys one unit of food for its purse and walks to the seller to eat it.
struct Essenkauf : Kauf {
    Essenkauf() {
        SBU_Food_Waren = {Stein};
        SBU_Food_Zeiger = 0;
        W::P(p).Gold() = 10;
        bereit();
    }
};

TEST(Auftragsende, FetchAndFoodOrders) {
    struct Fall {
        const char* wie;
        std::function<void(Kauf&)> ende;
        bool erledigt;
    };
    const Fall faelle[] = {
        {"done", [](Kauf&) {}, true},
        {"no path", [](Kauf& k) { Kauf::einmauern(k.verkaeufer_feld); }, false},
        {"blocked target", [](Kauf& k) { W::K(k.verkaeufer_feld).Block() = 2; }, false},
        {"carrier died", [](Kauf& k) { PM_Person_loeschen(k.p); }, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wie);
        {
            Holkauf k;
            ASSERT_TRUE(JU_Auftrag_geben(k.p, k.kaeufer, 0));
            EXPECT_EQ(k.bestellt(), 1);
            EXPECT_EQ(k.reserviert(), 1);
            f.ende(k);
            EXPECT_TRUE(k.gehen({JU_Auftrag_Tragen, JU_Auftrag_Tragen + 1}));
            bhmtest::Kernwelt::gemeldet();
            EXPECT_EQ(k.reserviert(), 0);
            EXPECT_EQ(k.bestellt(), 0) << "the workplace waits for nothing";
            EXPECT_EQ(W::O(k.kaeufer).Slot_Bestand(0), f.erledigt ? 1 : 0);
            EXPECT_EQ(k.bestand(), f.erledigt ? 4 : 5);
            EXPECT_EQ(W::S(1).Gold(), f.erledigt ? 100 + Preis : 100);
            EXPECT_EQ(Kauf::gold_gesamt(), k.gold_vorher);
        }
        {
            Essenkauf k;
            ASSERT_TRUE(JA_Nahrung_kaufen(k.p));
            EXPECT_EQ(W::P(k.p).Gold(), 10 - Preis);
            EXPECT_EQ(k.reserviert(), 1);
            f.ende(k);
            EXPECT_TRUE(k.gehen({JA_Auftrag_Essen}));
            bhmtest::Kernwelt::gemeldet();
            EXPECT_EQ(k.reserviert(), 0);
            EXPECT_EQ(k.bestand(), f.erledigt ? 4 : 5);
            EXPECT_EQ(W::S(1).Gold(), f.erledigt ? 100 + Preis : 100);
            if (PM_Person_lebt(k.p)) {
                EXPECT_EQ(W::P(k.p).Gold(), f.erledigt ? 10 - Preis : 10);
            }
            EXPECT_EQ(Kauf::gold_gesamt(), k.gold_vorher);
        }
    }
}

// Orders that hold something besides goods: a landscape cell reserved for gathering, a
// field for planting, a ripe plant or a trap's catch to bring in, a rabbit hole for a trap, a
// planned site's building order, a harbour's request for a settler, a clan's count of its
// airships. Clan 0's workplace stands at (5,5) and its worker starts at (5,12).
struct Halten {
    Auftragswelt welt{32, 1, 8};
    static constexpr int Ware = 7;
    int werk_feld = W::feld(5, 5);
    int ziel = W::feld(12, 9);  // the cell the order holds, where the case has one
    int werk = -1, p = -1;

    Halten() {
        W::S(0).Arbeitsradius() = 40;
        p = W::person(0, W::feld(5, 12));
        OB_Slots.resize(64);
    }
    // The workplace with the use in its slot 0 (for the ware), empty, waiting for nothing.
    void werkstatt(int benutzung) {
        werk = W::gebaeude(0, werk_feld, W::vorlage("Produktion", {{Ware, benutzung}}));
        W::slot(werk, 0, Ware, 0);
        W::P(p).ArbeitsplatzID() = werk;
    }
    // An ambient template of the kind on the order's cell (block 2 when it blocks); its number.
    int ambiente(const char* spezial, bool blockiert) {
        Ambiente_Item a;
        a.spezial = spezial;
        a.block = blockiert ? 1 : 0;
        SBU_Ambiente.push_back(a);
        const int typ = SBU_Ambiente_Basis() + static_cast<int>(SBU_Ambiente.size()) - 1;
        W::K(ziel).Ambiente() = typ;
        W::K(ziel).Block() = blockiert ? 2 : -1;
        return typ;
    }
    int bestellt() const { return werk >= 0 ? W::O(werk).Slot_Bestellt(0) : 0; }
    // What clan 0's open orders of the code for the cell ask for (by the counter), or their number.
    int befehle(int code, int feld, int Job_Befehl::*zaehler = nullptr) const {
        int n = 0;
        for (int i = 0; i < W::anzahl(0); ++i)
            if (W::befehl(0, i).Befehl == code && W::befehl(0, i).Feld == feld)
                n += zaehler ? W::befehl(0, i).*zaehler : 1;
        return n;
    }
    const Hasenloch* loch() const {
        for (int i = 0; i < Hase_Anzahl; ++i)
            if (Hase_Loecher[static_cast<std::size_t>(i)].X +
                    Hase_Loecher[static_cast<std::size_t>(i)].Y * 32 ==
                ziel)
                return &Hase_Loecher[static_cast<std::size_t>(i)];
        return nullptr;
    }
};

TEST(Auftragsende, WhatAnOrderHoldsBesidesGoodsGoesBackWhenItIsGivenUp) {
    struct Fall {
        const char* was;
        int code;                                  // the order the worker gets
        std::function<void(Halten&)> geben;        // gives it (the order's own routine)
        std::function<bool(const Halten&)> haelt;  // what it holds while it runs
        std::function<bool(const Halten&)> frei;   // all of it back once it is given up
    };
    const Fall faelle[] = {
        {"a tree to fell", 100,
         [](Halten& h) {
             h.werkstatt(Benutzung_lumberjack);
             h.ambiente("tree", true);
             RU_Ressource_eintragen(RU_Baum, h.ziel);
             ASSERT_TRUE(JU_Auftrag_geben(h.p, h.werk, 0));
         },
         [](const Halten& h) { return W::K(h.ziel).Block() == 1 && !RU_ist_eingetragen(RU_Baum, h.ziel); },
         [](const Halten& h) {
             return W::K(h.ziel).Block() == 2 && RU_ist_eingetragen(RU_Baum, h.ziel) && h.bestellt() == 0;
         }},
        {"sand to dig", 100,
         [](Halten& h) {
             h.werkstatt(Benutzung_sand);
             for (int d = 0; d <= 6; ++d) W::K(h.ziel + FFU_Nachbarfeld(d)).LandType() = 2;
             ASSERT_TRUE(JU_Auftrag_geben(h.p, h.werk, 0));
         },
         [](const Halten& h) { return W::P(h.p).Zielfeld() == h.ziel && W::K(h.ziel).Block() == 1; },
         [](const Halten& h) { return W::K(h.ziel).Block() == -1 && h.bestellt() == 0; }},
        {"rubble to collect", 100,
         [](Halten& h) {
             h.werkstatt(Benutzung_recycle);
             SBU_Trash_IDs = {h.ambiente("trash", false)};
             SchU_Schutt_hinzufuegen(h.ziel);
             ASSERT_TRUE(JU_Auftrag_geben(h.p, h.werk, 0));
         },
         [](const Halten& h) { return W::K(h.ziel).Block() == 1 && SchU_Schutt_Index(h.ziel) < 0; },
         [](const Halten& h) {
             return W::K(h.ziel).Block() == -1 && SchU_Schutt_Index(h.ziel) >= 0 && h.bestellt() == 0;
         }},
        {"a field to plant", 140,
         [](Halten& h) {
             h.werkstatt(Benutzung_Anbau);
             ASSERT_TRUE(JU_Auftrag_geben(h.p, h.werk, 0));
             h.ziel = W::P(h.p).Auftragsziel2();
         },
         [](const Halten& h) { return W::K(h.ziel).Block() == 1; },
         [](const Halten& h) { return W::K(h.ziel).Block() == -1 && h.bestellt() == 0; }},
        {"a ripe plant to harvest", 150,
         [](Halten& h) {
             h.werkstatt(Benutzung_Anbau);
             h.ambiente("", true);
             W::O(h.werk).Slot_Bestellt(0) = 1;
             ERU_Ernteauftrag_hinzufuegen(150, 0, h.werk_feld, 0, Halten::Ware, h.ziel, h.werk_feld);
             ASSERT_TRUE(ERU_Ernteauftrag_vergeben(h.p));
         },
         [](const Halten& h) { return W::K(h.ziel).Block() == 1 && h.bestellt() == 1; },
         [](const Halten& h) {
             return W::K(h.ziel).Block() == -1 && W::K(h.ziel).Ambiente() == -1 && h.bestellt() == 0;
         }},
        {"a rabbit hole for a trap", 600,
         [](Halten& h) {
             h.werkstatt(Benutzung_Kaninchenabbau);
             SBU_ID_hole = h.ambiente("hole", true);
             Hase_Loch_anlegen(h.ziel, h.ziel);
             ASSERT_TRUE(JU_Auftrag_geben(h.p, h.werk, 0));
         },
         [](const Halten& h) { return h.loch() && h.loch()->Reserviert && W::K(h.ziel).Block() == 1; },
         [](const Halten& h) {
             return h.loch() && !h.loch()->Reserviert && W::K(h.ziel).Block() == 2 && h.bestellt() == 0;
         }},
        {"a trap's catch", 650,
         [](Halten& h) {
             h.werkstatt(Benutzung_Kaninchenabbau);
             SBU_ID_hole = h.ambiente("hole", true);
             Hase_Loch_anlegen(h.ziel, h.ziel);
             ASSERT_GE(Hase_Loch_suchen(h.ziel, 5, true), 0);  // the trap set on it
             W::K(h.ziel).Ambiente() = SBU_ID_hole + 1;
             W::O(h.werk).Slot_Bestellt(0) = 1;
             ERU_Ernteauftrag_hinzufuegen(650, 0, h.werk_feld, 0, Halten::Ware, h.ziel, h.werk_feld);
             ASSERT_TRUE(ERU_Ernteauftrag_vergeben(h.p));
         },
         [](const Halten& h) { return h.loch() && h.loch()->Reserviert && W::K(h.ziel).Block() == 1; },
         [](const Halten& h) {
             // The catch goes with the trap, as when its lodge is demolished; the hole stays.
             return h.loch() && !h.loch()->Reserviert && h.loch()->Anzahl == Hasen_Init - 1 &&
                    W::K(h.ziel).Block() == 2 && W::K(h.ziel).Ambiente() == SBU_ID_hole && h.bestellt() == 0;
         }},
        {"a site to level", JU_Auftrag_Bauen,
         [](Halten& h) {
             const int typ = W::vorlage("Produktion");
             W::K(h.ziel).Objekt() = BPU_Planungscode(typ);
             JU_Befehl_eintragen(JU_Bauen, 0, h.ziel, typ, 0, 0, 0);
             ASSERT_TRUE(JU_Auftragsliste_abarbeiten(h.p));
         },
         [](const Halten& h) { return h.befehle(JU_Bauen, h.ziel) == 0; },
         [](const Halten& h) { return h.befehle(JU_Bauen, h.ziel) == 1; }},
        {"a settler for a harbour overseas", JU_Auftrag_Hafen_Reise,
         [](Halten& h) {
             const int typ = W::vorlage("Hafen");
             Hafen_registrieren(W::gebaeude(0, W::feld(20, 24), typ));  // the settler's harbour
             const int fern = W::feld(28, 28);                          // the one asking, overseas
             W::K(fern).Insel() = 1;
             W::O(W::gebaeude(0, fern, typ)).Zaehler() = 2;
             JU_Befehl_eintragen(JU_Siedler, 0, fern, typ, 1, -1, fern);
             ASSERT_TRUE(JU_Auftragsliste_abarbeiten(h.p));
             h.ziel = fern;
         },
         [](const Halten& h) { return h.befehle(JU_Siedler, h.ziel, &Job_Befehl::Ware) == 0; },
         [](const Halten& h) { return h.befehle(JU_Siedler, h.ziel, &Job_Befehl::Ware) == 1; }},
        {"an airship to build", JU_Auftrag_Herstellen,
         [](Halten& h) {
             SBU_Waren[Halten::Ware].Spez = "ship";
             h.werkstatt(Benutzung_Produktion);
             W::S(0).Flugschiffe_Max() = 1;
             ASSERT_TRUE(JU_Arbeit_am_Arbeitsplatz(h.p));
         },
         [](const Halten& h) { return W::S(0).Flugschiffe() == 1 && W::O(h.werk).Zaehler() == 1; },
         [](const Halten& h) { return W::S(0).Flugschiffe() == 0 && W::O(h.werk).Zaehler() == 0; }},
    };
    for (const Fall& f : faelle)
        for (bool stirbt : {false, true}) {
            SCOPED_TRACE(std::string(f.was) + (stirbt ? ", the worker died" : ", the worker walled in"));
            Halten h;
            f.geben(h);
            ASSERT_EQ(W::P(h.p).AuftragID(), f.code);
            EXPECT_TRUE(f.haelt(h));
            if (stirbt) {
                PM_Person_loeschen(h.p);
            } else {
                Kauf::einmauern(W::P(h.p).Feld());
                for (int i = 0; i < 3000 && W::P(h.p).AuftragID() == f.code; ++i) BU_Person_bewegen(h.p);
                EXPECT_EQ(W::P(h.p).AuftragID(), 3) << "given up, sent away";
            }
            bhmtest::Kernwelt::gemeldet();
            EXPECT_TRUE(f.frei(h));
        }
}

// A harbour removed while somebody waits in it for a ship: the passenger goes ashore where it
// waited, and the harbour overseas that asked for it asks again.
TEST(Auftragsende, APassengerWhoseHarbourGoesLandsAndTheHarbourOverseasAsksAgain) {
    Halten h;
    const int typ = W::vorlage("Hafen");
    const int hafen = W::gebaeude(0, W::feld(5, 12), typ);
    Hafen_registrieren(hafen);
    const int fern = W::feld(28, 28);
    W::K(fern).Insel() = 1;
    W::gebaeude(0, fern, typ);
    W::P(h.p).AuftragID() = JU_Auftrag_Hafen_Reise;
    W::P(h.p).Zielfeld() = W::feld(5, 12);
    W::P(h.p).Auftragsziel2() = fern;
    ZAU_Zielaktion_Manager(h.p);
    ASSERT_EQ(W::P(h.p).AuftragID(), JU_Auftrag_Hafen_Reise + 1);
    EXPECT_EQ(W::K(W::feld(5, 12)).Person(), -1) << "inside";

    OM_Objekt_loeschen(hafen);
    W::K(W::feld(5, 12)).Objekt() = -1;
    EXPECT_EQ(h.befehle(JU_Siedler, fern, &Job_Befehl::Ware), 1);
    for (int i = 0; i < 100 && W::P(h.p).AuftragID() != 3; ++i) BU_Person_bewegen(h.p);
    EXPECT_EQ(W::P(h.p).AuftragID(), 3) << "ashore and sent away";
    EXPECT_NE(W::K(W::P(h.p).Feld()).Person(), -1);
}

TEST(Auftragsende, TheSupplierSearchPassesOverSellersNobodyCanWalkTo) {
    Materialkauf k;
    // A second quarry farther away, and the nearer one walled in by its neighbours' footprints.
    const int weiter = W::gebaeude(1, W::feld(26, 20), W::O(k.verkaeufer).Typ());
    W::slot(weiter, 0, Stein, 3);
    W::anbieten(weiter, Stein);
    Kauf::einmauern(k.verkaeufer_feld);
    EXPECT_EQ(JU_Lieferant_suchen(k.kaeufer, Stein, true), W::feld(26, 20));
    ASSERT_TRUE(JU_Auftragsliste_abarbeiten(k.p));
    EXPECT_EQ(W::P(k.p).Zielfeld(), W::feld(26, 20));
    EXPECT_EQ(k.reserviert(), 0);
    EXPECT_EQ(W::O(weiter).Slot_Reserviert(0), 1);
    // A walled-in site finds no seller at all: its order waits.
    Kauf::einmauern(k.kaeufer_feld);
    EXPECT_EQ(JU_Lieferant_suchen(k.kaeufer, Stein, true), -1);
    const int q = W::person(0, W::feld(3, 20));
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(q));
    EXPECT_EQ(k.offen(), 1);
}

}  // namespace

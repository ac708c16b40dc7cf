// The ways a buying or carrying order ends - done, or given up on the way for any reason -
// and what each leaves behind: the seller's promised units, the units a site or workplace
// waits for, and the gold of both clans (with the gold in circulation unchanged).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "economy/Arbeiterslots.h"
#include "economy/Geldkreis.h"
#include "population/Arbeitsauftraege.h"
#include "population/Auftragswelt.h"
#include "population/Bauauftraege.h"
#include "population/Bewegung.h"
#include "population/Einkauf.h"
#include "population/Zielaktion.h"
#include "world/Pfade.h"

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

#include "population/Arbeitsauftraege.h"

#include <gtest/gtest.h>

#include "foundation/Info.h"
#include "population/Auftragswelt.h"
#include "population/Jobarchiv.h"

namespace {

using bhmtest::Auftragswelt;
using W = Auftragswelt;

// A workplace with one slot of the use for ware 1, and a worker of clan 0.
struct Werkstatt {
    int typ, w, p;
    Werkstatt(const std::string& modus, int benutzung, int feld) {
        typ = W::vorlage(modus, {{1, benutzung}});
        w = W::gebaeude(0, feld, typ);
        W::slot(w, 0, 1, 0);
        p = W::person(0, feld + 3 * MG_Kartengroesse);
        W::P(p).ArbeitsplatzID() = w;
    }
};

// A seller of ware 1 with `bestand` units on the cell.
int verkaeufer(int clan, int feld, int bestand = 3, const std::string& modus = "Produktion") {
    const int o = W::gebaeude(clan, feld, W::vorlage(modus, {{1, 2}}));
    W::slot(o, 0, 1, bestand);
    W::anbieten(o, 1);
    return o;
}

TEST(JU_Lieferant_suchen, NearestSellerBelowDistance200WithTiesToTheFirstListed) {
    Auftragswelt welt(128);
    const int b = W::gebaeude(0, W::feld(10, 10), W::vorlage("Produktion", {{1, 1}}));
    const int fern = verkaeufer(0, W::feld(110, 110));  // distance 200
    EXPECT_EQ(JU_Lieferant_suchen(b, 1, false), -1);
    const int f199 = W::feld(109, 110);
    verkaeufer(0, f199);
    EXPECT_EQ(JU_Lieferant_suchen(b, 1, false), f199);

    const int leer = verkaeufer(0, W::feld(12, 10), 2);
    W::slot(leer, 0, 1, 2, 0, 2);  // everything promised
    EXPECT_EQ(JU_Lieferant_suchen(b, 1, false), f199) << "a seller without unreserved units is passed over";
    const int erster = W::feld(10, 14), zweiter = W::feld(14, 10);
    verkaeufer(0, erster);
    verkaeufer(0, zweiter);
    EXPECT_EQ(JU_Lieferant_suchen(b, 1, false), erster) << "equal distance: the earlier entry";
    (void)fern;
    EXPECT_EQ(JU_Lieferant_suchen(b, 2, false), -1) << "a ware the index does not know";
    EXPECT_FALSE(W::gemeldet());
}

TEST(JU_Lieferant_suchen, StoresHarboursOwnTypePriceAndExportBan) {
    struct Fall {
        std::string kaeufer, verkaeufer;
        bool gleicher_typ;  // the seller is of the buyer's own template
        bool erlaubt;
        int verkaeufer_clan;
        int exportverbot_clan;  // -1 none
        int preis;              // price of the seller's clan
        bool gefunden;
    };
    const Fall faelle[] = {
        {"Produktion", "Produktion", false, false, 0, -1, 5, true},
        {"Lager", "Lager", false, false, 0, -1, 5, false},
        {"Hafen", "Hafen", false, false, 0, -1, 5, false},
        {"Hafen", "Hafen2", false, false, 0, -1, 5, false},
        {"Hafen", "Lager", false, false, 0, -1, 5, false},
        {"Lager", "Hafen", false, false, 0, -1, 5, true},
        {"Produktion", "Produktion", true, false, 0, -1, 5, false},
        {"Produktion", "Produktion", true, true, 0, -1, 5, true},
        {"Produktion", "Produktion", false, false, 0, -1, 100, false},  // price not below the buyer's gold
        {"Produktion", "Produktion", false, false, 0, -1, 99, true},
        {"Produktion", "Produktion", false, false, 1, 1, 5, false},  // foreign seller with export ban
        {"Produktion", "Produktion", false, false, 1, 0, 5, true},   // only the buyer's clan bans
        {"Produktion", "Produktion", false, false, 0, 0, 5, true},   // own seller despite its ban
    };
    for (const Fall& f : faelle) {
        Auftragswelt welt(32, 1);
        const int kaeufer_typ = W::vorlage(f.kaeufer, {{1, 1}});
        const int b = W::gebaeude(0, W::feld(5, 5), kaeufer_typ);
        const int s = W::gebaeude(f.verkaeufer_clan, W::feld(9, 5),
                                  f.gleicher_typ ? kaeufer_typ : W::vorlage(f.verkaeufer, {{1, 2}}));
        W::slot(s, 0, 1, 3);
        W::anbieten(s, 1);
        if (f.exportverbot_clan >= 0) W::S(f.exportverbot_clan).Edikt_Exportverbot() = 1;
        GU_Warenwerte[static_cast<std::size_t>(f.verkaeufer_clan)][1] = f.preis;
        EXPECT_EQ(JU_Lieferant_suchen(b, 1, f.erlaubt), f.gefunden ? W::feld(9, 5) : -1)
            << f.kaeufer << " <- " << f.verkaeufer << " gleich " << f.gleicher_typ << " clan "
            << f.verkaeufer_clan << " preis " << f.preis;
    }
}

TEST(JU_Auftrag_Holen, BuysWhenThePriceLeavesTheOwnerTwoGold) {
    Auftragswelt welt(32, 1);
    Werkstatt ws("Produktion", Benutzung_Holen, W::feld(5, 5));
    EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0));
    EXPECT_EQ(W::O(ws.w).Mangel(), 1) << "no seller: inputs lacking";

    const int s = verkaeufer(1, W::feld(9, 9));
    GU_Warenwerte[1][1] = 20;
    W::S(0).Gold() = 21;
    EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0)) << "price = gold - 1";
    EXPECT_EQ(W::P(ws.p).AuftragID(), 0);
    EXPECT_EQ(W::O(s).Slot_Reserviert(0), 0);

    W::S(0).Gold() = 22;
    W::S(0).Arbeit_Produktion() = 0;
    const int gold_s = W::S(1).Gold();
    ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0));
    const Personenzeile& p = W::P(ws.p);
    EXPECT_EQ(p.AuftragID(), JU_Auftrag_Tragen);
    EXPECT_EQ(p.Zielfeld(), W::feld(9, 9));
    EXPECT_EQ(p.Auftragsziel2(), W::feld(5, 5));
    EXPECT_EQ(p.WarenID(), 1);
    EXPECT_EQ(p.Bewegungscounter(), 9);
    EXPECT_EQ(p.Gold(), 11) << "one gold wage";
    EXPECT_EQ(W::S(0).Gold(), 22 - 20 - 1);
    EXPECT_EQ(W::S(1).Gold(), gold_s + 20);
    EXPECT_EQ(W::S(0).Arbeit_Produktion(), 1);
    EXPECT_EQ(W::O(s).Slot_Reserviert(0), 1);
    EXPECT_EQ(W::O(ws.w).Slot_Bestellt(0), 1);
    EXPECT_EQ(W::O(ws.w).Mangel(), 0);
}

TEST(JU_Auftrag_Holen, HuntingAndRubbleWithNothingInRangeFetchTheWare) {
    for (int benutzung : {Benutzung_Kaninchenabbau, Benutzung_recycle}) {
        Auftragswelt welt(32, 1);
        Werkstatt ws("Produktion", benutzung, W::feld(5, 5));
        verkaeufer(0, W::feld(9, 9));
        ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0)) << benutzung;
        EXPECT_EQ(W::P(ws.p).AuftragID(), JU_Auftrag_Tragen);
        EXPECT_EQ(W::P(ws.p).Zielfeld(), W::feld(9, 9));
    }
}

TEST(JU_Auftrag_Produktion, TakesTheRecipeAndOrdersMakeUnits) {
    Auftragswelt welt(32, 1);
    SBU_Waren[1].Make = 3;
    SBU_Waren[1].Need[0] = {2, 2};
    Werkstatt ws("Produktion", Benutzung_Produktion, W::feld(5, 5));
    W::slot(ws.w, 1, 2, 1);
    EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0)) << "one unit of two";
    W::slot(ws.w, 1, 2, 3);
    W::O(ws.w).Zaehler() = 1;
    EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0)) << "a production is running";
    W::O(ws.w).Zaehler() = 0;
    W::slot(ws.w, 0, 1, 9);
    EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0)) << "the slot is full";
    W::slot(ws.w, 0, 1, 0);
    W::S(0).Arbeit_Rohstoff() = 0;

    ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0));
    EXPECT_EQ(W::P(ws.p).AuftragID(), JU_Auftrag_Herstellen);
    EXPECT_EQ(W::P(ws.p).Zielfeld(), W::feld(5, 5));
    EXPECT_EQ(W::O(ws.w).Zaehler(), 1);
    EXPECT_EQ(W::O(ws.w).Slot_Bestellt(0), 3);
    EXPECT_EQ(W::O(ws.w).Slot_Bestand(1), 1) << "two inputs taken";
    EXPECT_EQ(W::S(0).Arbeit_Rohstoff(), 1);
}

TEST(JU_Auftrag_Stein, AnExhaustedQuarryProducesFromItsRecipe) {
    Auftragswelt welt(32, 1);
    Werkstatt ws("Produktion", Benutzung_stone, W::feld(5, 5));
    W::O(ws.w).Zaehler() = 0;
    EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0)) << "no stone left in range";
    EXPECT_EQ(W::O(ws.w).Zustand(), 3);
    EXPECT_EQ(W::O(ws.w).Zaehler(), 0);
    ASSERT_GT(GUI_Infoanzahl, 0);
    EXPECT_EQ(GUI_Infoliste[static_cast<std::size_t>(GUI_Infoanzahl - 1)].Event, 258);

    ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0));
    EXPECT_EQ(W::P(ws.p).AuftragID(), JU_Auftrag_Herstellen);
    EXPECT_EQ(W::O(ws.w).Slot_Bestellt(0), 1) << "the slot's use is not production";
}

TEST(JU_Auftrag_Resource_A, AnExhaustedGroundIsMarkedAndAnnouncedToTheViewedClanOnly) {
    struct Fall {
        int benutzung, event;
    };
    for (const Fall& f : {Fall{Benutzung_lumberjack, 257}, Fall{Benutzung_ore, 259},
                          Fall{Benutzung_fishing, 260}, Fall{Benutzung_sand, 259}}) {
        Auftragswelt welt(32, 1);
        GUI_Info_leeren();
        Werkstatt ws("Produktion", f.benutzung, W::feld(5, 5));
        EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0));
        EXPECT_EQ(W::O(ws.w).Zaehler(), -2);
        EXPECT_EQ(W::O(ws.w).Zustand(), 3);
        ASSERT_EQ(GUI_Infoanzahl, 1) << f.benutzung;
        EXPECT_EQ(GUI_Infoliste[0].Event, f.event);
        EXPECT_EQ(GUI_Infoliste[0].Wert, W::feld(5, 5));
        EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0)) << "no further search";
        EXPECT_EQ(GUI_Infoanzahl, 1);

        SpielerID = 1;
        W::O(ws.w).Zustand() = 0;
        EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0));
        EXPECT_EQ(GUI_Infoanzahl, 1) << "another clan's ground is not announced";
    }
}

TEST(JU_Auftrag_Suche_A, AFishingHutReusesItsFishingPlace) {
    Auftragswelt welt(32, 1);
    Werkstatt ws("Produktion", Benutzung_fishing, W::feld(5, 5));
    W::O(ws.w).Zaehler() = W::feld(7, 3);
    ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0));
    EXPECT_EQ(W::P(ws.p).AuftragID(), JU_Auftrag_Sammeln);
    EXPECT_EQ(W::P(ws.p).Zielfeld(), W::feld(7, 3));
    EXPECT_EQ(W::O(ws.w).Zaehler(), W::feld(7, 3));

    // A fresh search finds the coast cell and keeps it.
    W::O(ws.w).Zaehler() = 0;
    const int kueste = W::feld(6, 5);
    W::K(kueste).LandType() = 1;
    W::K(kueste + MG_Kartengroesse).LandType() = 0;
    ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0));
    EXPECT_EQ(W::O(ws.w).Zaehler(), kueste);
}

TEST(JU_Auftrag_Suche_B, ASandPlaceIsReservedAndItsRingKept) {
    Auftragswelt welt(32, 1);
    Werkstatt ws("Produktion", Benutzung_sand, W::feld(10, 10));
    const int sand = W::feld(12, 10);
    for (int f : {sand, sand - 1, sand + 1, sand - 32, sand + 32, sand + 31, sand - 31})
        W::K(f).LandType() = 2;
    ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0));
    EXPECT_EQ(W::P(ws.p).Zielfeld(), sand);
    EXPECT_EQ(W::K(sand).Block(), 1);
    EXPECT_EQ(W::O(ws.w).Zaehler(), 2);
}

TEST(JU_Auftrag_Anbau, PlantsOnAFreePlaceAndKeepsTheSeedWhenThereIsNone) {
    Auftragswelt welt(32, 1);
    SBU_Waren[1].Need[0] = {2, 1};
    Werkstatt ws("Produktion", Benutzung_Anbau, W::feld(10, 10));
    W::slot(ws.w, 1, 2, 1);
    for (Kartenfeld& k : Karte) k.LandType() = 6;
    EXPECT_FALSE(JU_Auftrag_geben(ws.p, ws.w, 0));
    EXPECT_EQ(W::O(ws.w).Slot_Bestand(1), 1) << "no planting place: the seed stays";

    for (Kartenfeld& k : Karte) k.LandType() = 4;
    ASSERT_TRUE(JU_Auftrag_geben(ws.p, ws.w, 0));
    const int platz = W::feld(11, 10);
    EXPECT_EQ(W::P(ws.p).AuftragID(), JU_Auftrag_Pflanzen);
    EXPECT_EQ(W::P(ws.p).Zielfeld(), W::feld(10, 10));
    EXPECT_EQ(W::P(ws.p).Auftragsziel2(), platz);
    EXPECT_EQ(W::K(platz).Block(), 1);
    EXPECT_EQ(W::O(ws.w).Slot_Bestand(1), 0);
}

TEST(JU_Auftrag_geben, HarboursBuyForEverySlotAndUnknownUsesAreReported) {
    Auftragswelt welt(32, 1);
    Werkstatt hafen("Hafen", Benutzung_lumberjack, W::feld(5, 5));
    verkaeufer(0, W::feld(9, 9));
    W::O(hafen.w).Mangel() = 7;
    ASSERT_TRUE(JU_Auftrag_geben(hafen.p, hafen.w, 0));
    EXPECT_EQ(W::P(hafen.p).AuftragID(), JU_Auftrag_Tragen);
    EXPECT_EQ(W::O(hafen.w).Mangel(), 7);

    Werkstatt fremd("Produktion", 12, W::feld(20, 20));
    EXPECT_FALSE(JU_Auftrag_geben(fremd.p, fremd.w, 0));
    EXPECT_EQ(Fehlertext, "JU_Auftrag_geben > Benutzung der WarenID ist nicht bekannt: 12");
    W::slot(fremd.w, 0, 0, 0);
    EXPECT_FALSE(JU_Auftrag_geben(fremd.p, fremd.w, 0)) << "a free store slot gives no order";
}

TEST(JU_Lieferant_Distanz, NearestSellerBelow121) {
    Auftragswelt welt(128, 1);
    const int c = W::feld(10, 10);
    EXPECT_EQ(JU_Lieferant_Distanz(c, 1, 0), -1);
    verkaeufer(1, W::feld(70, 71));  // 121
    EXPECT_EQ(JU_Lieferant_Distanz(c, 1, 0), -1);
    verkaeufer(1, W::feld(70, 70));
    EXPECT_EQ(JU_Lieferant_Distanz(c, 1, 0), 120);
    verkaeufer(1, W::feld(20, 10));
    EXPECT_EQ(JU_Lieferant_Distanz(c, 1, 0), 10);
    EXPECT_EQ(JU_Auftrag_Text(c, 1, 0), 10);
    W::S(1).Edikt_Exportverbot() = 1;
    EXPECT_EQ(JU_Lieferant_Distanz(c, 1, 0), -1);
    EXPECT_EQ(JU_Lieferant_Distanz(c, 1, 1), 10);
}

TEST(JU_Lieferant_in_Reichweite, AnySellerOfTheWareBelowTheSupplierReachInStockOrNot) {
    Auftragswelt welt(128, 1);
    const int c = W::feld(10, 10);
    EXPECT_FALSE(JU_Lieferant_in_Reichweite(c, 1, 0)) << "nobody keeps the ware";
    Karte[static_cast<std::size_t>(W::feld(20, 10))].Insel() = 1;
    verkaeufer(1, W::feld(20, 10));
    EXPECT_FALSE(JU_Lieferant_in_Reichweite(c, 1, 0)) << "a seller on another island";
    verkaeufer(1, W::feld(110, 110), 0);  // distance 200
    EXPECT_FALSE(JU_Lieferant_in_Reichweite(c, 1, 0));
    verkaeufer(1, W::feld(109, 110), 0);  // 199, nothing in stock
    EXPECT_TRUE(JU_Lieferant_in_Reichweite(c, 1, 0)) << "a site waits for a seller's next unit";
    EXPECT_FALSE(JU_Lieferant_in_Reichweite(c, 2, 0)) << "another ware";
    W::S(1).Edikt_Exportverbot() = 1;
    EXPECT_FALSE(JU_Lieferant_in_Reichweite(c, 1, 0)) << "the seller's clan sells to nobody else";
    EXPECT_TRUE(JU_Lieferant_in_Reichweite(c, 1, 1)) << "but to its own sites";
    EXPECT_FALSE(JU_Lieferant_in_Reichweite(-1, 1, 0));
    EXPECT_FALSE(W::gemeldet());
}

TEST(JU_Baustelle_belieferbar, FromTheClansOwnKeepersInReachWhereItKeepsTheWare) {
    struct Fall {
        const char* was;
        std::vector<std::pair<int, int>> halter;  // keepers {clan, distance along the diagonal}
        bool belieferbar;                         // for a site of clan 0 on (10, 10)
    };
    // The distance from (10, 10) to (10 + k, 10 + k) is 2k; (109, 110) is 199 away.
    const Fall faelle[] = {
        {"nobody keeps the ware", {}, false},
        {"own keeper in reach", {{0, 100}}, true},
        {"own keeper at 199", {{0, 199}}, true},
        {"own keeper at 200", {{0, 200}}, false},
        {"another clan's keeper in reach, the clan keeps none", {{1, 100}}, true},
        {"another clan's keeper in reach, the clan's own out of reach", {{1, 100}, {0, 200}}, false},
        {"own keepers in and out of reach", {{0, 200}, {0, 100}}, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Auftragswelt welt(128, 1);
        const int c = W::feld(10, 10);
        for (const auto& [clan, d] : f.halter)
            verkaeufer(clan, d == 199 ? W::feld(109, 110) : W::feld(10 + d / 2, 10 + d / 2), 0);
        EXPECT_EQ(JU_Baustelle_belieferbar(c, 1, 0), f.belieferbar);
        EXPECT_FALSE(W::gemeldet());
    }
}

}  // namespace

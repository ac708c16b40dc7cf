#include <gtest/gtest.h>

#include <tuple>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "economy/Warenindex.h"
#include "population/Personen.h"
#include "world/Karte.h"

namespace {

using bhmtest::Kernwelt;

// Wares 0..5; ware 4 is a carried good made three at a time, ware 5 a technique.
// Type 0 a store whose slots keep wares, type 1 a fetch building.
struct Lagerwelt : Kernwelt {
    int o = -1;
    Lagerwelt() {
        SBU_Waren.assign(6, bhmtest::Ware());
        for (Waren_Item& w : SBU_Waren) w.Transport = 1;
        SBU_Waren[4].Make = 3;
        SBU_Waren[5].Transport = 0;
        SBU_Waren[5].Spez = "tech";
        SBU_Waren[3].Need[0] = {1, 2};
        SBU_Waren[3].Need[1] = {2, 1};
        SBU_Objekte = {bhmtest::Gebaeude("Lager", 2), bhmtest::Gebaeude("Produktion", 2)};
        for (Warenslot& s : SBU_Objekte[0].Slots) s = {0, Benutzung_Lager};
        for (Warenslot& s : SBU_Objekte[1].Slots) s = {0, Benutzung_Holen};
        GU_Spieler_erstellen(1);
        for (Kartenfeld& k : Karte) k.Insel() = 0;
        o = OM_Objekt_anlegen(40, 0, 0);
    }
    Objektzeile& z() { return Objekte[static_cast<std::size_t>(o)]; }
    std::tuple<int, int, int, int> slot(int k) {
        return {z().Slot_Ware(k), z().Slot_Bestand(k), z().Slot_Bestellt(k), z().Slot_Reserviert(k)};
    }
    void setze(int k, int ware, int bestand, int bestellt, int reserviert) {
        z().Slot_Ware(k) = ware;
        z().Slot_Bestand(k) = bestand;
        z().Slot_Bestellt(k) = bestellt;
        z().Slot_Reserviert(k) = reserviert;
    }
};

TEST(Warenlager, StoringFillsTheFirstSlotToTenThenTheNext) {
    Lagerwelt w;
    w.setze(0, 2, 9, 0, 0);
    w.setze(1, 2, 0, 1, 0);
    OM_Ware_einlagern(2, w.o);
    EXPECT_EQ(w.slot(0), std::make_tuple(2, 10, -1, 0)) << "an unordered arrival takes ordered below 0";
    OM_Ware_einlagern(2, w.o);
    EXPECT_EQ(w.slot(1), std::make_tuple(2, 1, 0, 0));
    EXPECT_FALSE(Kernwelt::gemeldet());
    // With both slots at 10 the next unit is refused.
    w.setze(1, 2, 10, 0, 0);
    OM_Ware_einlagern(2, w.o);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(w.slot(1), std::make_tuple(2, 10, 0, 0));
    // A ware without slot is refused as well.
    OM_Ware_einlagern(3, w.o);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Warenlager, ReserveTakeOrderAndCancel) {
    Lagerwelt w;
    w.setze(0, 2, 1, 0, 0);
    w.setze(1, 2, 3, 8, 9);
    OM_Ware_reservieren(2, w.o);
    OM_Ware_auslagern(2, w.o);
    EXPECT_EQ(w.slot(0), std::make_tuple(2, 0, 0, 0));
    // The first slot is empty: the take moves on to the second slot.
    OM_Ware_auslagern(2, w.o);
    EXPECT_EQ(w.slot(1), std::make_tuple(2, 2, 8, 8));
    EXPECT_FALSE(Kernwelt::gemeldet());
    // The second slot has 8 reserved: one more reservation, then none.
    OM_Ware_reservieren(2, w.o);
    EXPECT_FALSE(Kernwelt::gemeldet());
    OM_Ware_reservieren(2, w.o);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(w.slot(1), std::make_tuple(2, 2, 8, 9));
    // Orders: slot 0 takes them up to 9, slot 1 (2 + 8) is at its limit.
    for (int i = 0; i < 9; ++i) OM_Ware_wird_nun_besorgt(2, w.o);
    EXPECT_EQ(w.slot(0), std::make_tuple(2, 0, 9, 0));
    EXPECT_FALSE(Kernwelt::gemeldet());
    OM_Ware_wird_nun_besorgt(2, w.o);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(w.slot(1), std::make_tuple(2, 2, 8, 9));
    // Cancelling goes to the first slot with an order; at 0 it is reported and the next is tried.
    w.setze(0, 2, 0, 0, 0);
    WarenAnschaffungsauftragentfernen(2, w.o);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(w.slot(1), std::make_tuple(2, 2, 7, 9));
    // Taking from an empty store is refused.
    w.setze(1, 2, 0, 0, 0);
    OM_Ware_auslagern(2, w.o);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Warenlager, Queries) {
    Lagerwelt w;
    EXPECT_TRUE(OM_Warenlager_leer(w.o));
    EXPECT_TRUE(OM_Lager_voll(w.o)) << "no used slot";
    w.setze(0, 2, 9, 0, 2);
    w.setze(1, 3, 9, 0, 0);
    w.setze(2, 2, 9, 0, 0);
    EXPECT_FALSE(OM_Ware_voll(w.o, 2)) << "7 free units in the first slot of the ware";
    EXPECT_TRUE(OM_Ware_voll(w.o, 3));
    EXPECT_TRUE(OM_Ware_verfuegbar_Menge(w.o, 2, 7));
    EXPECT_FALSE(OM_Ware_verfuegbar_Menge(w.o, 2, 8)) << "only the first slot of a ware counts";
    EXPECT_TRUE(OM_Ware_vorhanden(3, w.o));
    EXPECT_FALSE(OM_Ware_vorhanden(4, w.o));
    EXPECT_FALSE(OM_Ware_verfuegbar(w.o, 4));
    EXPECT_TRUE(OM_Lager_voll(w.o));
    EXPECT_EQ(OM_Lagerkapazitaet(w.o), 27);
    EXPECT_EQ(OM_Lagerbestand(w.o), 27);
    EXPECT_FALSE(OM_Warenlager_leer(w.o));
    w.setze(3, 4, 8, 0, 0);
    EXPECT_FALSE(OM_Lager_voll(w.o));
    // Unknown objects are reported, never read.
    EXPECT_FALSE(OM_Ware_vorhanden(2, 99));
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Warenlager, RecipeIsCheckedAndConsumed) {
    Lagerwelt w;
    w.setze(0, 1, 3, 0, 1);
    w.setze(1, 2, 1, 0, 0);
    EXPECT_TRUE(OM_Rezept_verfuegbar(w.o, 3));
    w.z().Slot_Reserviert(1) = 1;
    EXPECT_FALSE(OM_Rezept_verfuegbar(w.o, 3));
    w.z().Slot_Reserviert(1) = 0;
    OM_Rezept_verbrauchen(w.o, 3);
    EXPECT_EQ(w.slot(0), std::make_tuple(1, 1, 0, 1));
    EXPECT_EQ(w.slot(1), std::make_tuple(2, 0, 0, 0));
    EXPECT_FALSE(Kernwelt::gemeldet());
    EXPECT_FALSE(OM_Rezept_verfuegbar(w.o, 77));
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Warenlager, SlotsAreSetUpTakenEmptiedAndFreed) {
    Lagerwelt w;
    for (int k = 0; k < Objekt_Warenslots; ++k) w.setze(k, -1, -1, -1, -1);
    w.setze(1, 0, 0, 0, 0);
    w.setze(2, 0, 0, 0, 0);
    EXPECT_TRUE(OM_Warenslot_belegen(w.o, 3));
    EXPECT_EQ(w.slot(1), std::make_tuple(3, 0, 0, 0));
    ASSERT_GT(IWU_Warenindex.size(), 3u);
    EXPECT_EQ(IWU_Warenindex[3][0].Anzahl, 1) << "a store slot enters the goods index";
    EXPECT_FALSE(OM_Warenslot_belegen(w.o, 3)) << "the ware already has a slot";
    // Emptying discards the unreserved stock and counts it out of the goods statistics.
    w.setze(1, 3, 5, 0, 2);
    auto bestand = [] { return LGK_Welt_Waren.size() > 3 ? LGK_Welt_Waren[3] : 0; };
    const int vorher = bestand();
    OM_Warenslot_leeren(w.o, 1);
    EXPECT_EQ(w.slot(1), std::make_tuple(3, 2, 0, 2));
    EXPECT_EQ(bestand(), vorher - 3);
    // A take without reservation left reserved below 0: the stock goes to 0, not below.
    w.setze(1, 3, 2, 0, -1);
    OM_Warenslots_leeren(w.o);
    EXPECT_EQ(w.slot(1), std::make_tuple(3, 0, 0, -1));
    OM_Warenslot_freigeben(w.o, 1);
    EXPECT_EQ(std::get<0>(w.slot(1)), 3) << "not free while something is reserved";
    w.setze(1, 3, 0, 0, 0);
    OM_Slotmarke_setzen(w.o, 1);
    OM_Warenslot_freigeben(w.o, 1);
    EXPECT_EQ(std::get<0>(w.slot(1)), 0);
    EXPECT_FALSE(OM_Slotmarke_gesetzt(w.o, 1));
    EXPECT_EQ(IWU_Warenindex[3][0].Anzahl, 0);
    // A fetch building's slot stays out of the index.
    const int holen = OM_Objekt_anlegen(60, 0, 1);
    OM_Warenslot_einrichten(holen, 0, 2);
    EXPECT_TRUE(IWU_Warenindex.size() <= 2u || IWU_Warenindex[2].empty() || IWU_Warenindex[2][0].Anzahl == 0);
    OM_Warenslot_einrichten(w.o, 6, 2);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Warenlager, ProductsAreBookedByKind) {
    Lagerwelt w;
    w.setze(0, 4, 0, 1, 0);
    w.setze(1, 5, 0, 0, 0);
    OM_Produkt_einbuchen(4, w.o, 0, 40);
    EXPECT_EQ(w.slot(0), std::make_tuple(4, 3, -2, 0)) << "Make 3 stores three units";
    OM_Produkt_einbuchen(5, w.o, 0, 40);
    EXPECT_EQ(w.slot(1), std::make_tuple(5, 0, -1, 0)) << "a technique passes through the store";
    EXPECT_EQ(Spieler[0].Technik(), 1);  // start value 0
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Warenlager, GatheredProductIsLostByChance) {
    Lagerwelt w;
    Personen.resize(3);
    Personenzeile& p = Personen[1];
    p.Hunger() = 100;
    p.Spieler() = 0;
    p.Feld() = 40;
    Karte[40].Objekt() = w.o;
    w.setze(0, 2, 0, 2, 0);
    SBU_Waren[2].Chance = 0;
    p.AuftragID() = 103;
    OM_Produktion_abliefern(2, w.o, 0, 1, 40);
    EXPECT_EQ(w.slot(0), std::make_tuple(2, 0, 1, 0)) << "lost: one order cancelled";
    p.AuftragID() = 251;
    OM_Produktion_abliefern(2, w.o, 0, 1, 40);
    EXPECT_EQ(w.slot(0), std::make_tuple(2, 1, 0, 0)) << "production work always books";
    SBU_Waren[2].Chance = 100;
    p.AuftragID() = 152;
    OM_Produktion_abliefern(2, w.o, 0, 1, 40);
    EXPECT_EQ(w.slot(0), std::make_tuple(2, 2, -1, 0));
    // A gatherer standing where no object is anchored: reported, nothing changed.
    SBU_Waren[2].Chance = 0;
    p.Feld() = 41;
    OM_Produktion_abliefern(2, w.o, 0, 1, 40);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(w.slot(0), std::make_tuple(2, 2, -1, 0));
    Personen.clear();
}

}  // namespace

#include "economy/Objekte.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Spieler.h"

namespace {

using bhmtest::Kernwelt;

struct Objektwelt : Kernwelt {
    Objektwelt() {
        SBU_Objekte = {bhmtest::Gebaeude("Produktion", 3), bhmtest::Gebaeude("Hafen", 2)};
        SBU_Animation_Tabelle = {0, 0, 0, 0, 3, 4};
        SBU_ID_flag = 4;
        SBU_ID_flagsmall = 5;
        GU_Spieler_erstellen(1);
    }
};

TEST(Objekte, RowsAreTakenFromTheFrontAndTheTableGrowsByNine) {
    Objektwelt welt;
    EXPECT_EQ(OM_Objekt_anlegen(30, 1, 0), 0);
    EXPECT_EQ(Objekte.size(), 10u);
    for (int i = 1; i < 10; ++i) EXPECT_EQ(OM_Objekt_anlegen(30 + i, 0, 1), i);
    EXPECT_EQ(OM_Objekt_anlegen(50, 0, 0), 10);
    EXPECT_EQ(Objekte.size(), 19u);
    EXPECT_EQ(OB_Slots.size(), 11u) << "one slot entry per object, created in number order";

    // A cleared row keeps its anchor and stays taken until the anchor is set to 0.
    OM_Objekt_loeschen(3);
    EXPECT_EQ(Objekte[3].Feld(), 33);
    for (int f = 1; f < Objektfeld_Anzahl; ++f) EXPECT_EQ(Objekte[3].feld(f), -1);
    EXPECT_EQ(OM_Objekt_anlegen(60, 0, 0), 11);
    Objekte[3].Feld() = 0;
    EXPECT_EQ(OM_Objekt_anlegen(61, 0, 0), 3);
}

TEST(Objekte, NewObjectStartValues) {
    Objektwelt welt;
    OB_Slots.resize(1);
    OB_Slots[0][4] = {0, 17};
    const int o = OM_Objekt_anlegen(77, 1, 1);
    ASSERT_EQ(o, 0);
    const Objektzeile& z = Objekte[0];
    EXPECT_EQ(std::make_tuple(z.Feld(), z.Besitzer(), z.Typ()), std::make_tuple(77, 1, 1));
    EXPECT_EQ(std::make_tuple(z.Flagge(), z.Flagge_klein()), std::make_tuple(3, 4));
    EXPECT_EQ(std::make_tuple(z.Besetzung(), z.Verkaufsmarge(), z.Zustand(), z.Zaehler()),
              std::make_tuple(11, 1, 0, 0));
    EXPECT_EQ(std::make_tuple(z.Material_geliefert(), z.Ausbau(), z.Slotzeiger(), z.Hafen()),
              std::make_tuple(-1, -1, -1, -1));
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        Objektzeile& w = Objekte[0];
        EXPECT_EQ(
            std::make_tuple(w.Slot_Ware(k), w.Slot_Bestand(k), w.Slot_Bestellt(k), w.Slot_Reserviert(k)),
            std::make_tuple(-1, -1, -1, -1));
        EXPECT_EQ(w.Slot_Raeumen(k), -1);
    }
    for (const OB_Slot& s : OB_Slots[0]) EXPECT_EQ(s, OB_Slot{}) << "a reused row gets fresh slots";
}

TEST(Objekte, BadRequestsAreRefused) {
    Objektwelt welt;
    const struct {
        int feld, besitzer, typ;
    } faelle[] = {{30, 0, 2}, {30, 0, -1}, {30, 2, 0}, {0, 0, 0}, {256, 0, 0}};
    for (const auto& f : faelle) {
        EXPECT_EQ(OM_Objekt_anlegen(f.feld, f.besitzer, f.typ), -1);
        EXPECT_TRUE(Kernwelt::gemeldet());
    }
    EXPECT_TRUE(Objekte.empty());
    OM_Objekt_loeschen(0);
    OM_Warenindex_bereinigen(-1);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Objekte, EmptyGoodsSlotsLeaveTheIndex) {
    Objektwelt welt;
    const int o = OM_Objekt_anlegen(30, 0, 0);
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    for (int k = 0; k < 3; ++k) z.Slot_Ware(k) = 2 + k;
    for (int k = 0; k < 3; ++k) z.Slot_Bestand(k) = z.Slot_Bestellt(k) = z.Slot_Reserviert(k) = 0;
    z.Slot_Bestellt(1) = 1;
    z.Slot_Reserviert(2) = -1;
    OM_Warenindex_bereinigen(o);
    EXPECT_EQ(z.Slot_Ware(0), -1);
    EXPECT_EQ(z.Slot_Ware(1), 3);
    EXPECT_EQ(z.Slot_Ware(2), 4);
    EXPECT_EQ(z.Slot_Ware(3), -1);
}

}  // namespace

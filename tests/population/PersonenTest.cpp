#include "population/Personen.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "population/Populationswelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Info.h"

namespace {

using bhmtest::Kernwelt;

struct Personenwelt : Kernwelt {
    Personenwelt() {
        SBU_Objekte = {bhmtest::Gebaeude("Home", 4)};
        SBU_ID_dead = 77;
        GU_Spieler_erstellen(1);
    }
};

// A new founder of the given sex and age, counted in its clan as such.
int Neu(int clan, int feld, int geschlecht = 1, int alter = 20) {
    return bhmtest::Person(clan, feld, geschlecht, alter);
}

TEST(Personen, RowsGrowByNinetyNineAndFreedRowsAreReused) {
    Personenwelt welt;
    EXPECT_EQ(Neu(0, 0), 0);
    EXPECT_EQ(Personen.size(), 100u);
    for (int i = 1; i < 100; ++i) EXPECT_EQ(Neu(0, i), i);
    EXPECT_EQ(Neu(0, 100), 100);
    EXPECT_EQ(Personen.size(), 199u);
    EXPECT_EQ(std::make_tuple(Personen_hoechster_Index, Personen_Suchstart), std::make_tuple(100, 100));

    PM_Person_loeschen(5);
    EXPECT_EQ(Personen_Suchstart, 5);
    EXPECT_EQ(Neu(0, 5), 5);
    EXPECT_EQ(Personen_Suchstart, 5);
    EXPECT_EQ(Neu(0, 101), 101) << "the search goes on upward from the last row taken";

    // The highest dies: the index drops to the next living person and the search starts there.
    PM_Person_loeschen(101);
    EXPECT_EQ(std::make_tuple(Personen_hoechster_Index, Personen_Suchstart), std::make_tuple(100, 100));
    EXPECT_EQ(Neu(0, 102), 101);
}

TEST(Personen, LastLivingPersonKeepsTheIndexAndTheClanDies) {
    Personenwelt welt;
    const int a = Neu(1, 20, 2, 30), b = Neu(1, 21, 1, 40);
    PM_Person_loeschen(b);
    EXPECT_EQ(Personen_hoechster_Index, a);
    EXPECT_EQ(Spieler[1].Steuerung(), 1);
    PM_Person_loeschen(a);
    EXPECT_EQ(Personen_hoechster_Index, a) << "no one left: the index keeps its value";
    EXPECT_EQ(Spieler[1].Steuerung(), -1) << "the clan-empty test ran";
    const Spielerzeile& s = Spieler[1];
    EXPECT_EQ(std::make_tuple(s.Mitglieder(), s.Alter_Summe(), s.Frauen(), s.Maenner()),
              std::make_tuple(0, 0, 0, 0));
    EXPECT_EQ(std::make_tuple(s.Unzufriedene(), s.Zufriedene(), s.Zufriedenheit()), std::make_tuple(0, 0, 0));
    EXPECT_EQ(s.Geburten_Trend(), -2);
    EXPECT_EQ(std::make_tuple(WV, WAlt), std::make_tuple(0, 0));
}

TEST(Personen, FreedRowLeavesAGraveAndIsNotFreedTwice) {
    Personenwelt welt;
    const int p = Neu(0, 40);
    PM_Person_loeschen(p);
    EXPECT_EQ(Personen[static_cast<std::size_t>(p)].Hunger(), 0);
    const Kartenfeld& k = Karte[40];
    EXPECT_EQ(std::make_tuple(k.Person(), k.Block(), k.Ambiente()), std::make_tuple(-1, 1, 77));
    ASSERT_EQ(GUI_Infoanzahl, 1) << "a person of the viewed clan died";
    EXPECT_EQ(std::make_tuple(GUI_Infoliste[0].Event, GUI_Infoliste[0].Wert), std::make_tuple(250, 40));
    Fehler_zuruecksetzen();
    PM_Person_loeschen(p);
    PM_Person_loeschen(-1);
    PM_Person_loeschen(5000);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Spieler[0].Mitglieder(), 0);
    EXPECT_EQ(WV, 0);
}

TEST(Personen, BadSearchStartIsRepairedAndBadArgumentsRefused) {
    Personenwelt welt;
    Neu(0, 1);
    Personen_Suchstart = 500;
    EXPECT_EQ(Neu(0, 2), 1);
    EXPECT_EQ(Fehlertext, "Schwerer Fehler 6: Die Engine hat sich verrechnet.");
    Fehler_zuruecksetzen();
    EXPECT_EQ(PM_Person_erzeugen(false, 1, -1, 2), -1);
    EXPECT_EQ(PM_Person_erzeugen(false, 256, -1, 0), -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Personen, DeadInhabitantLeavesHisHome) {
    Personenwelt welt;
    const int haus = OM_Objekt_anlegen(60, 0, 0);
    const int a = Neu(0, 61), b = Neu(0, 62), c = Neu(0, 63);
    for (int p : {a, b, c}) {
        OB_Slots[static_cast<std::size_t>(haus)][static_cast<std::size_t>(p)] = {0, p};
        Personen[static_cast<std::size_t>(p)].HeimID() = haus;
    }
    Objekte[static_cast<std::size_t>(haus)].Zaehler() = 1;
    PM_Person_loeschen(a);
    EXPECT_EQ(Personen[static_cast<std::size_t>(a)].HeimID(), -1);
    EXPECT_EQ(Objekte[static_cast<std::size_t>(haus)].Zaehler(), 2);
    EXPECT_EQ(OB_Slots[0][0], (OB_Slot{0, c})) << "the slots are compacted";
    EXPECT_EQ(OB_Slots[0][1], (OB_Slot{0, b}));
    EXPECT_EQ(OB_Slots[0][2], OB_Slot{});
    EXPECT_EQ(OB_Anzahl_Arbeiter(haus), 2);
}

}  // namespace

#include <gtest/gtest.h>

#include "economy/Logik.h"
#include "economy/Objekte_Betrieb.h"
#include "foundation/Info.h"
#include "population/Personenindex.h"
#include "population/Arbeitsamt.h"
#include "population/Personen_Leben.h"
#include "population/Populationswelt.h"

namespace {

using namespace bhmtest;

TEST(Leben, HappinessStaysWithin0And100AndTheClanFiguresFollow) {
    struct Fall {
        int vorher, delta, nachher;
    } faelle[] = {{95, 10, 100}, {3, -5, 0}, {50, 25, 75}, {80, -60, 20}};
    for (const Fall& f : faelle) {
        Populationswelt welt;
        const int p = Person(0, 10);
        PM_Person_Glueck_chance(p, f.vorher - 100);
        PM_Person_Glueck_chance(p, f.delta);
        EXPECT_EQ(P(p).Glueck(), f.nachher) << f.vorher << " + " << f.delta;
        const Spielerzeile& s = Spieler[0];
        EXPECT_EQ(s.Zufriedenheit(), f.nachher);
        EXPECT_EQ(s.Zufriedene() + s.Mittelzufriedene() + s.Unzufriedene(), 1);
    }
    Populationswelt welt;
    const int p = Person(0, 10);
    P(p).Hunger() = 0;
    PM_Person_Glueck_chance(p, -10);
    EXPECT_EQ(Fehlertext,
              "PM_Person_Glueck_chance versucht bei TOTE Person zu arbeiten: " + std::to_string(p));
    EXPECT_EQ(P(p).Glueck(), 100);
}

TEST(Leben, EatingRaisesVitality) {
    struct Fall {
        int alter, vorher, nachher;
    } faelle[] = {{30, 76, 126}, {30, 20, 80}, {30, 25, 80}, {30, 26, 76}, {101, 60, 8}};
    for (const Fall& f : faelle) {
        Populationswelt welt;
        const int p = Person(0, 10, 1, f.alter);
        P(p).Hunger() = f.vorher;
        PM_Essen_Vitalitaet(p);
        EXPECT_EQ(P(p).Hunger(), f.nachher) << f.alter << "/" << f.vorher;
    }
}

TEST(Leben, HungerTestAndPension) {
    struct Fall {
        const char* was;
        int alter, hunger, rente, gold;
        bool erwartet;
        int clan_gold_danach;
    } faelle[] = {
        {"well fed", 20, 75, 0, 300, false, 300},
        {"young and hungry", 20, 74, 0, 300, true, 300},
        {"old without pension", 70, 40, 0, 300, false, 300},
        {"old with pension", 70, 40, 1, 300, true, 299},
        {"old with pension, poor clan", 70, 40, 1, 100, false, 100},
        {"85 with pension", 85, 40, 1, 300, false, 300},
    };
    for (const Fall& f : faelle) {
        Populationswelt welt;
        const int p = Person(0, 10, 1, f.alter);
        P(p).Hunger() = f.hunger;
        Spieler[0].Edikt_Rente() = f.rente;
        Spieler[0].Gold() = f.gold;
        EXPECT_EQ(PM_Hunger_pruefen(p), f.erwartet) << f.was;
        EXPECT_EQ(Spieler[0].Gold(), f.clan_gold_danach) << f.was;
    }
}

TEST(Leben, LuxuryAndWaitCounter) {
    Populationswelt welt;
    const int p = Person(0, 10);
    const int eigen = OM_Objekt_anlegen(20, 0, 1), fremd = OM_Objekt_anlegen(30, 1, 1);
    PM_Person_Glueck_chance(p, -50);
    PM_Luxus_Glueck(p, 123, eigen);
    EXPECT_EQ(P(p).Glueck(), 60);
    PM_Luxus_Glueck(p, 0, fremd);
    EXPECT_EQ(P(p).Glueck(), 50);

    EXPECT_TRUE(PM_Wartezaehler(p, -1));
    EXPECT_EQ(P(p).Wartezaehler(), 0);
    int schritte = 0;
    while (!PM_Wartezaehler(p, 20)) ++schritte;
    EXPECT_GE(schritte, 5) << "0..4 a call";
    EXPECT_EQ(P(p).Wartezaehler(), 0);
}

TEST(Leben, TheEstateGoesToHeirsElseToTheClanMembersElseToTheTreasury) {
    {
        Populationswelt welt;
        const int tot = Person(0, 10), a = Person(0, 11), b = Person(0, 12), c = Person(0, 13);
        P(tot).MutterID() = a;
        P(tot).PartnerID() = b;
        P(tot).KindID(2) = c;
        P(a).KindID(0) = tot;
        P(b).PartnerID() = tot;
        P(tot).Gold() = 10;
        PM_Person_loeschen(tot);
        EXPECT_EQ(std::make_tuple(P(a).Gold(), P(b).Gold(), P(c).Gold()), std::make_tuple(103, 103, 103));
        EXPECT_EQ(Spieler[0].Gold(), 301);
        EXPECT_EQ(P(tot).Gold(), 0);
        EXPECT_EQ(std::make_tuple(P(a).KindID(0), P(b).PartnerID()), std::make_tuple(-1, -1))
            << "links cleared";
    }
    {
        Populationswelt welt;
        const int tot = Person(0, 10), a = Person(0, 11), b = Person(0, 12), fremd = Person(1, 13);
        P(tot).Gold() = 11;
        PM_Person_loeschen(tot);
        EXPECT_EQ(std::make_tuple(P(a).Gold(), P(b).Gold(), P(fremd).Gold()), std::make_tuple(105, 105, 100));
        EXPECT_EQ(Spieler[0].Gold(), 301);
    }
    {
        Populationswelt welt;
        const int tot = Person(1, 10);
        P(tot).Gold() = 42;
        PM_Person_loeschen(tot);
        EXPECT_EQ(Spieler[1].Gold(), 342);
    }
}

TEST(Leben, ChildrenForgetADeadParent) {
    Populationswelt welt;
    const int mutter = Person(0, 10, 2), kind = Person(0, 11);
    P(kind).MutterID() = mutter;
    P(mutter).KindID(3) = kind;
    PM_Person_loeschen(mutter);
    EXPECT_EQ(P(kind).MutterID(), -1);
    EXPECT_EQ(P(kind).Gold(), 200) << "the only heir";
}

TEST(Leben, APersonDiesOnlyWithVitality1AndOnAFreeCell) {
    Populationswelt welt;
    const int p = Person(0, 10), q = Person(0, 11);
    EXPECT_FALSE(PM_Person_stirbt(p));
    P(p).Hunger() = 1;
    P(q).Hunger() = 1;
    Karte[11].Block() = 1;
    EXPECT_TRUE(PM_Person_stirbt(p));
    EXPECT_FALSE(PM_Person_lebt(p));
    EXPECT_EQ(std::make_tuple(Karte[10].Person(), Karte[10].Ambiente()), std::make_tuple(-1, 77));
    // On a taken cell the person is sent to a free one first; that uses up the step.
    EXPECT_TRUE(PM_Person_stirbt(q));
    EXPECT_TRUE(PM_Person_lebt(q));
    EXPECT_NE(P(q).Zielfeld(), 11);
}

TEST(Leben, BirthdayOnTheStepOfTheYearOfBirth) {
    Populationswelt welt;
    Jahresschritt = 400;
    const int p = Person(0, 10, 1, 100);
    const int summe = Spieler[0].Alter_Summe(), walt = WAlt;
    Jahresschritt = 401;
    PM_Geburtstag(p);
    EXPECT_EQ(P(p).Alter(), 100);
    Jahresschritt = 400;
    PM_Geburtstag(p);
    EXPECT_EQ(std::make_tuple(P(p).Alter(), Spieler[0].Alter_Summe(), WAlt),
              std::make_tuple(101, summe + 1, walt + 1));
    ASSERT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(std::make_tuple(GUI_Infoliste[0].Event, GUI_Infoliste[0].Wert), std::make_tuple(280, 10));
}

TEST(Leben, MonthlyVitalityHappinessAndClanFigures) {
    Populationswelt welt;
    const int frau = Person(0, 10, 2), mann = Person(0, 11);
    P(frau).PartnerID() = mann;
    P(frau).AuftragID() = 0;
    P(frau).Gold() = 60;
    P(mann).Gold() = 41;
    P(frau).Hunger() = 60;
    P(mann).Hunger() = 1;
    Hausneid = 3;
    Monatsschritt = 0;
    Monatsflag = true;
    Jahresschritt = -5;
    PM_Person_Tick(frau);
    PM_Person_Tick(mann);
    EXPECT_EQ(std::make_tuple(P(frau).Hunger(), P(mann).Hunger()), std::make_tuple(59, 1));
    // Homeless: minus the house envy; the man's low vitality costs one more.
    EXPECT_EQ(std::make_tuple(P(frau).Glueck(), P(mann).Glueck()), std::make_tuple(97, 96));
    const Spielerzeile& s = Spieler[0];
    EXPECT_EQ(s.Vermoegen(), 101);
    EXPECT_EQ(std::make_tuple(s.Frauen_mit_Partner(), s.Frauen_Paar_reich(), s.Frauen_untaetig(),
                              s.Frauen_Kinderplatz()),
              std::make_tuple(1, 1, 1, 1));

    Monatsschritt = 5;
    Monatsflag = false;
    Hausneid = 0;
    PM_Person_Tick(frau);
    EXPECT_EQ(std::make_tuple(P(frau).Hunger(), P(frau).Glueck(), s.Vermoegen()),
              std::make_tuple(59, 97, 101));
}

TEST(Leben, TheStepAnimatesEveryLivingPerson) {
    Populationswelt welt;
    const int a = Person(0, 10), b = Person(0, 11);
    P(b).Hunger() = 0;
    Monatsschritt = 7;
    PM_Personen_Tick();
    // The living person moved (its pose may change there) and was animated; the dead one
    // keeps its frame.
    EXPECT_NE(P(a).AnimationID(), 140);
    EXPECT_EQ(P(b).AnimationID(), 140);
}

TEST(Leben, MarriageMovesAForeignWifeIntoTheHusbandsClanAndHome) {
    Populationswelt welt;
    const int haus = OM_Objekt_anlegen(60, 0, 0);
    const int mann = Person(0, 10, 1, 30), frau = Person(1, 11, 2, 20);
    P(mann).HeimID() = haus;
    OB_Slots[static_cast<std::size_t>(haus)][0] = {0, mann};
    PM_Person_Glueck_chance(frau, -40);
    const Spielerzeile a = Spieler[1], n = Spieler[0];
    PM_Heirat(1, 0, mann, frau, haus);
    EXPECT_EQ(std::make_tuple(P(frau).Spieler(), P(frau).PartnerID(), P(mann).PartnerID()),
              std::make_tuple(0, mann, frau));
    EXPECT_EQ(std::make_tuple(P(frau).Nachname(), P(frau).Namensmodus()), std::make_tuple(0, 1));
    EXPECT_EQ(std::make_tuple(P(frau).HeimID(), OB_Slots[0][1]), std::make_tuple(haus, OB_Slot{0, frau}));
    EXPECT_EQ(std::make_tuple(P(frau).Bewegungscounter(), P(frau).AnimationID()), std::make_tuple(19, 150));
    EXPECT_EQ(std::make_tuple(Spieler[1].Mitglieder(), Spieler[1].Frauen(), Spieler[1].Alter_Summe(),
                              Spieler[1].Zufriedenheit(), Spieler[1].Mittelzufriedene()),
              std::make_tuple(a.Mitglieder() - 1, a.Frauen() - 1, a.Alter_Summe() - 20,
                              a.Zufriedenheit() - 60, a.Mittelzufriedene() - 1));
    EXPECT_EQ(
        std::make_tuple(Spieler[0].Mitglieder(), Spieler[0].Frauen(), Spieler[0].Alter_Summe(),
                        Spieler[0].Zufriedenheit()),
        std::make_tuple(n.Mitglieder() + 1, n.Frauen() + 1, n.Alter_Summe() + 20, n.Zufriedenheit() + 60));
    ASSERT_GE(GUI_Infoanzahl, 1);
    EXPECT_EQ(GUI_Infoliste[0].Event, 254) << "a wife joins the viewed clan";
    EXPECT_EQ(Spieler[1].Steuerung(), -1) << "her old clan has nobody left";
}

TEST(Leben, DismissalFreesTheSlotAndReopensTheBuildingAtTheEmploymentOffice) {
    Populationswelt welt;
    const int werk = OM_Objekt_anlegen(60, 0, 1);
    OB_Slots_oeffnen(2, werk, 0);
    const int a = Person(0, 10), b = Person(0, 11);
    ASSERT_TRUE(AAU_Stelle_besetzen(a, 0));
    ASSERT_TRUE(AAU_Stelle_besetzen(b, 0));
    EXPECT_EQ(AAU_Position_von_Objekt(0, werk), -1) << "both posts are filled";
    P(a).AuftragID() = 0;
    IndexU_Item_Add(4, 0, a);  // idle at last: listed as idle with a workplace
    PM_Person_entlassen(a);
    EXPECT_EQ(P(a).ArbeitsplatzID(), -1);
    EXPECT_EQ(OB_Slots[0][0], (OB_Slot{0, -1}));
    EXPECT_EQ(AAU_Position_von_Objekt(0, werk), 0);
    EXPECT_EQ(
        std::make_tuple(Arbeiter_Index.Letzter_Platz, SpArbeiter_Index.Letzter_Platz,
                        P(a).Arbeiter_Indexplatz(), Spieler[0].Arbeitslose(), Spieler[0].Arbeitslose_Fach()),
        std::make_tuple(0, -1, 0, 1, 0))
        << "the idle person moved to the list of those without a workplace";
    EXPECT_FALSE(Kernwelt::gemeldet());

    // Still working: reported and dismissed all the same.
    P(b).AuftragID() = 200;
    PM_Person_entlassen(b);
    EXPECT_EQ(Fehlertext, "Eine Person, die in diesen moment arbeitet wurde entlassen ");
    EXPECT_EQ(P(b).ArbeitsplatzID(), -1);

    // A workplace that does not hold the person is dropped as well.
    P(a).ArbeitsplatzID() = werk;
    P(a).AuftragID() = 0;
    PM_Person_entlassen(a);
    EXPECT_EQ(P(a).ArbeitsplatzID(), -1);
}

TEST(Leben, UnemployedNearACellAreCountedForTheViewedClan) {
    Populationswelt welt;
    MG_Kartengroesse = 256;
    MG_Karte_anlegen(256, Karte);
    const int nah = Person(0, 0), fern = Person(0, 120), fremd = Person(1, 1), arbeitend = Person(0, 2);
    for (int p : {nah, fern, fremd, arbeitend}) {
        P(p).AuftragID() = 0;
        P(p).Arbeiter_Indexplatz() = p;
    }
    P(arbeitend).AuftragID() = 100;
    EXPECT_EQ(PM_Arbeitslose_in_Naehe(0), 1);
    EXPECT_EQ(PM_Arbeitslose_in_Naehe(119), 2);
}

}  // namespace

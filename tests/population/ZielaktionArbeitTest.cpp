#include "population/Zielaktion_Arbeit.h"

#include <gtest/gtest.h>

#include "world/Hasen.h"

#include "economy/Schutt.h"
#include "platform/base/Text1252.h"
#include "population/Bewegung.h"
#include "population/Handelnwelt.h"
#include "population/Zielaktion.h"
#include "world/Inseln.h"
#include "world/Ressourcen.h"
#include "world/Wachstum.h"

namespace {

using bhmtest::Handelnwelt;
using W = Handelnwelt;

// A workplace (template 0) whose slots hold goods 1..6 with the six landscape uses;
// two ambient templates: a tree (0) that falls into a stump (1), and the stump without a follow-up.
struct Abbauwelt : Handelnwelt {
    int werk = -1;
    int anker = W::feld(3, 3);
    int ziel = W::feld(9, 9);

    Abbauwelt() {
        Objekt_Item o = bhmtest::Gebaeude("Produktion", 2);
        o.Slots = {{{1, Benutzung_lumberjack},
                    {2, Benutzung_stone},
                    {3, Benutzung_fishing},
                    {4, Benutzung_ore},
                    {5, Benutzung_recycle},
                    {6, Benutzung_sand}}};
        SBU_Objekte = {o};
        SBU_Waren.assign(8, bhmtest::Ware());
        Ambiente_Item baum, stumpf;
        baum.link = 1 + 1;  // the stump's combined number
        stumpf.link = -1;
        SBU_Ambiente = {baum, stumpf};
        werk = gebaeude(anker, 0);
    }

    // A gatherer on the target with the order's stage and ware.
    int sammler(int code, int ware, int level = 0) {
        const int p = walker(ziel, ziel, code);
        P(p).WarenID() = ware;
        P(p).Auftragsziel2() = anker;
        P(p).Aktiver_Skilllevel() = level;
        return p;
    }
};

TEST(ZielaktionArbeit, GatheringRunsItsThreeStagesForEveryLandscapeUse) {
    for (int ware = 1; ware <= 6; ++ware) {
        Abbauwelt welt;
        const int p = welt.sammler(100, ware, 30);
        W::K(welt.ziel).Block() = 1;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::P(p).AuftragID(), 101) << ware;
        EXPECT_EQ(W::P(p).Bewegungscounter(), 80) << ware;
        W::P(p).Bewegungscounter() = 0;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::P(p).AuftragID(), 102) << ware;
        EXPECT_EQ(W::P(p).Bewegungscounter(), 10) << ware;
        W::P(p).Bewegungscounter() = 0;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::P(p).AuftragID(), 103) << ware;
        EXPECT_EQ(W::P(p).Bewegungscounter(), 9) << ware;
        EXPECT_EQ(W::P(p).Zielfeld(), welt.anker) << ware;
        EXPECT_EQ(W::K(welt.ziel).Block(), -1) << ware;
        EXPECT_EQ(W::meldung(), "") << ware;
    }
}

TEST(ZielaktionArbeit, TheYieldChangesTheCellByTheWaresUse) {
    const int B = 1;  // building templates come first
    struct Fall {
        int ware, ambiente_vorher, ambiente_nachher;
    };
    const Fall faelle[] = {
        {1, B + 0, B + 1},  // lumberjack: the tree falls
        {2, B + 1, B + 1},  // stone on an ambient without follow-up: unchanged
        {3, B + 0, -1},     // fishing
        {5, B + 0, -1},     // recycle
        {6, B + 0, B + 0},  // sand: nothing
    };
    for (const Fall& f : faelle) {
        Abbauwelt welt;
        const int p = welt.sammler(102, f.ware);
        W::K(welt.ziel).Ambiente() = f.ambiente_vorher;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::K(welt.ziel).Ambiente(), f.ambiente_nachher) << f.ware;
        EXPECT_EQ(W::K(welt.ziel).LandType(), 4) << f.ware;
    }
}

// The loader stores a chain's end (-1 in the file) as B - 1, the last building number:
// felling or breaking the last stage must leave it, not turn the cell into that number.
TEST(ZielaktionArbeit, TheLastStageOfAChainStaysWhenFelled) {
    Abbauwelt welt;
    SBU_Objekte.resize(3, SBU_Objekte[0]);
    const int B = 3;
    SBU_Ambiente[0].link = B + 1;
    SBU_Ambiente[1].link = B - 1;
    for (int ware : {1, 2}) {
        W::K(welt.ziel).Ambiente() = B + 0;
        ZAU_Zielaktion_Manager(welt.sammler(102, ware));
        EXPECT_EQ(W::K(welt.ziel).Ambiente(), B + 1) << ware;
        ZAU_Zielaktion_Manager(welt.sammler(102, ware));
        EXPECT_EQ(W::K(welt.ziel).Ambiente(), B + 1) << ware;
    }
}

TEST(ZielaktionArbeit, OreLowersTheHilltopUnlessOreIsEndless) {
    for (bool endlos : {false, true}) {
        Abbauwelt welt;
        ELE = endlos;
        const int p = welt.sammler(102, 4);
        W::K(welt.ziel).LandType() = 7;
        W::K(welt.ziel).Ambiente() = 2;
        IU_Landklassen = {0, 0, 0, 1, 0};
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::K(welt.ziel).LandType(), endlos ? 7 : 6);
        EXPECT_EQ(W::K(welt.ziel).Ambiente(), endlos ? 2 : -1);
        EXPECT_EQ(IU_Landklassen[3], 1);  // still a mountain cell
        // The lowered cell is still a free hilltop and enters the resource index again.
        EXPECT_TRUE(RU_ist_eingetragen(RU_Huegel, welt.ziel));
    }
    // Mining never turns land into water.
    Abbauwelt welt;
    const int p = welt.sammler(102, 4);
    W::K(welt.ziel).LandType() = 1;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::K(welt.ziel).LandType(), 1);
    EXPECT_EQ(W::P(p).AuftragID(), 103);
}

TEST(ZielaktionArbeit, AGathererWhoseWorkplaceCannotTakeTheWareIsToldOnceAndGoes) {
    struct Fall {
        const char* name;
        int code, ware;
        bool abgerissen, nur_produktion;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"ware not listed, start", 100, 7, false, false,
         "ZAU_Resource_abbau_Teil1 -> Auftrag 100 -> WarenID nicht erkannt."},
        {"ware not listed, second stage", 101, 7, false, false,
         "ZAU_Resource_abbau_Teil2 -> Auftrag 101 -> WarenID nicht erkannt."},
        {"a use that gathers nothing from the landscape", 100, 1, false, true,
         "ZAU_Resource_abbau_Teil1 -> Auftrag 100 -> USE nicht erkannt."},
        {"workplace demolished, start", 100, 1, true, false,
         "ZAU_Resource_abbau_Teil1 -> Auftrag 100 -> WarenID nicht erkannt."},
        {"workplace demolished, second stage", 101, 2, true, false,
         "ZAU_Resource_abbau_Teil2 -> Auftrag 101 -> WarenID nicht erkannt."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Abbauwelt welt;
        if (f.nur_produktion) SBU_Objekte[0].Slots[0].Benutzung = Benutzung_Produktion;
        if (f.abgerissen) W::K(welt.anker).Objekt() = -1;
        Spieler[0].Arbeit_Rohstoff() = 1;
        const int p = welt.sammler(f.code, f.ware);
        W::K(welt.ziel).Block() = 1;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::meldung(), f.meldung);
        // The reserved resource cell is free again and the gatherer leaves without the order.
        EXPECT_EQ(W::K(welt.ziel).Block(), -1);
        EXPECT_EQ(W::P(p).AuftragID(), 3);
        EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
        EXPECT_EQ(Spieler[0].Ohne_Arbeit(), 1);
        for (int i = 0; i < 30; ++i) BU_Person_bewegen(p);
        EXPECT_EQ(W::meldung(), "") << "told once";
    }
}

TEST(ZielaktionArbeit, PlantingWalksToTheFieldAndSowsTheFirstGrowthStage) {
    Abbauwelt welt;
    SBU_Waren[1].Grow = 1;
    Spieler[0].Arbeit_Rohstoff() = 1;
    const int p = welt.walker(welt.anker, welt.anker, 140);
    W::P(p).Auftragsziel2() = welt.ziel;
    W::P(p).WarenID() = 1;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::P(p).AuftragID(), 141);
    EXPECT_EQ(W::P(p).Zielfeld(), welt.ziel);
    EXPECT_EQ(W::P(p).Auftragsziel2(), welt.anker);
    EXPECT_EQ(W::P(p).Bewegungscounter(), 9);
    // On the field.
    W::K(welt.anker).Person() = -1;
    W::P(p).Feld() = welt.ziel;
    W::P(p).Bewegungscounter() = 0;
    W::K(welt.ziel).Block() = 1;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::K(welt.ziel).Ambiente(), 1 + 1);
    EXPECT_EQ(W::K(welt.ziel).Block(), 2);
    EXPECT_EQ(W::P(p).AuftragID(), 3);
    EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
    EXPECT_EQ(Spieler[0].Ohne_Arbeit(), 1);
}

TEST(ZielaktionArbeit, APlanterWhoCannotSowGivesTheFieldUpAndGoes) {
    struct Fall {
        const char* name;
        int grow;
        bool abgerissen;
    };
    const Fall faelle[] = {{"a ware without a growth stage", 0, false},
                           {"a growth stage beyond the ambient templates", 2, false},
                           {"the farm demolished", 1, true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Abbauwelt welt;
        SBU_Waren[1].Grow = f.grow;
        if (f.abgerissen) W::K(welt.anker).Objekt() = -1;
        Spieler[0].Arbeit_Rohstoff() = 1;
        const int p = welt.sammler(141, 1);
        W::K(welt.ziel).Block() = 1;
        ZAU_Zielaktion_Manager(p);
        EXPECT_NE(W::meldung(), "");
        EXPECT_EQ(W::K(welt.ziel).Ambiente(), -1);
        EXPECT_EQ(W::K(welt.ziel).Block(), -1) << "the field is no longer held";
        EXPECT_EQ(W::P(p).AuftragID(), 3);
        EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
        for (int i = 0; i < 30; ++i) BU_Person_bewegen(p);
        EXPECT_EQ(W::meldung(), "") << "told once";
    }
}

TEST(ZielaktionArbeit, APlanterSowsOnlyAFieldThatNobodyElseHoldsMeanwhile) {
    // The field was chosen free; since then a ruin cleared around it dropped rubble that a
    // collector now holds, or a site marked it, or something blocks it. Footpaths and
    // flowers (ambient templates 2 and 3 here, after the one building template) are
    // nobody's and are sown over, and so is a bush (template 0, which blocks nothing) that
    // the field was chosen with.
    struct Fall {
        const char* name;
        int ambiente, block;
        bool gesaet;
    };
    const Fall faelle[] = {{"rubble held by its collector", 1 + 4, 1, false},
                           {"marked for levelling", -1, 0, false},
                           {"blocked", -1, 2, false},
                           {"a stump", 1, 2, false},
                           {"a footpath worn meanwhile", 1 + 2, 1, true},
                           {"flowers", 1 + 3, -1, true},
                           {"a bush", 1 + 0, 1, true},
                           {"rubble nobody collects", 1 + 4, 1, true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Abbauwelt welt;
        SBU_Ambiente.resize(5);
        SBU_Way_IDs = {1 + 2};
        SBU_Flower_IDs = {1 + 3};
        SBU_Trash_IDs = {1 + 4};
        SBU_Waren[1].Grow = 1;
        Spieler[0].Arbeit_Rohstoff() = 1;
        W::slot(welt.werk, 0, 1, 0, 1);  // the farm's order of the unit
        const int p = welt.sammler(141, 1);
        W::K(welt.ziel).Ambiente() = f.ambiente;
        W::K(welt.ziel).Block() = f.block;
        // Rubble in the rubble list is nobody's yet; a collector takes it out when it comes for it.
        if (f.gesaet && f.ambiente == 1 + 4) SchU_Schutt_hinzufuegen(welt.ziel);
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(SchU_Schutt_Index(welt.ziel), -1) << "rubble sown over leaves the list";
        if (f.gesaet) {
            EXPECT_EQ(W::K(welt.ziel).Ambiente(), 1 + 1) << "the first growth stage";
            EXPECT_EQ(W::K(welt.ziel).Block(), 2);
            EXPECT_EQ(Farm_Size, 1);
            EXPECT_EQ(W::O(welt.werk).Slot_Bestellt(0), 1) << "the unit is on its way";
        } else {
            EXPECT_EQ(W::K(welt.ziel).Ambiente(), f.ambiente) << "nothing sown over it";
            EXPECT_EQ(W::K(welt.ziel).Block(), f.block) << "the other holder keeps the cell";
            EXPECT_EQ(Farm_Size, 0);
            EXPECT_EQ(W::O(welt.werk).Slot_Bestellt(0), 0) << "the farm can order the unit again";
        }
        EXPECT_EQ(W::P(p).AuftragID(), 3);
        EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
        EXPECT_EQ(W::meldung(), "");
    }
}

TEST(ZielaktionArbeit, AWorkerInsideADemolishedWorkshopComesOutWhenTheDoorIsClear) {
    Abbauwelt welt;
    Spieler[0].Arbeit_Rohstoff() = 1;
    const int p = welt.walker(welt.anker, welt.anker, 250);
    W::P(p).WarenID() = 1;
    ZAU_Zielaktion_Manager(p);
    ASSERT_EQ(W::P(p).AuftragID(), 251);
    ASSERT_EQ(W::K(welt.anker).Person(), -1) << "inside";
    W::K(welt.anker).Objekt() = -1;
    // Somebody stands at the door: the worker waits inside.
    const int q = W::walker(welt.anker, welt.anker, 0);
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::P(p).AuftragID(), 251);
    EXPECT_EQ(W::meldung(), "");
    W::K(welt.anker).Person() = -1;
    W::P(q).Feld() = W::feld(1, 1);
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::meldung(), "ZAU_Auftrag_251 > kein Gebaeude auf Feld " + std::to_string(welt.anker));
    EXPECT_EQ(W::K(welt.anker).Person(), p) << "back on the map, to be seen";
    EXPECT_EQ(W::P(p).AuftragID(), 3);
    EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
}

TEST(ZielaktionArbeit, ClearingHuntingAndTrappingLeaveTheCellAndGoBack) {
    Abbauwelt welt;
    SBU_ID_cage = 40;
    const int p = welt.sammler(151, 1);
    W::K(welt.ziel).Ambiente() = 2;
    W::K(welt.ziel).Block() = 1;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::K(welt.ziel).Ambiente(), -1);
    EXPECT_EQ(W::K(welt.ziel).Block(), -1);
    EXPECT_EQ(W::P(p).AuftragID(), 152);
    EXPECT_EQ(W::P(p).Zielfeld(), welt.anker);

    // A rabbit is taken: the cell keeps its hole while others remain; the catch goes home.
    SBU_ID_hole = 41;
    Hase_Loch_anlegen(welt.ziel, welt.ziel);
    Hase_Loecher[0].Anzahl = 2;
    W::P(p).Zielfeld() = welt.ziel;
    W::P(p).AuftragID() = 651;
    W::P(p).Bewegungscounter() = 0;
    W::K(welt.ziel).Block() = 1;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::K(welt.ziel).Block(), 2);
    EXPECT_EQ(W::K(welt.ziel).Ambiente(), 41);
    EXPECT_EQ(Hase_Loecher[0].Anzahl, 1);
    EXPECT_EQ(W::P(p).AuftragID(), 152);
    EXPECT_EQ(W::P(p).Zielfeld(), welt.anker);

    // No hole at the cell any more: nothing is carried home, the cell is free land and the
    // hunter goes without an order.
    Hase_Loecher_loeschen();
    Spieler[0].Arbeit_Rohstoff() = 1;
    W::P(p).Zielfeld() = welt.ziel;
    W::P(p).AuftragID() = 651;
    W::P(p).Bewegungscounter() = 0;
    W::K(welt.ziel).Block() = 1;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::meldung(), "Hase_Loch_Kaninchen_abziehen konnte nicht bearbeitet werden.");
    EXPECT_EQ(W::K(welt.ziel).Block(), -1);
    EXPECT_EQ(W::K(welt.ziel).Ambiente(), -1);
    EXPECT_EQ(W::P(p).AuftragID(), 3);
    EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);

    // A trap is set and the trapper is free again.
    Spieler[0].Arbeit_Rohstoff() = 1;
    W::P(p).Zielfeld() = welt.ziel;
    W::P(p).AuftragID() = 601;
    W::P(p).Bewegungscounter() = 0;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::K(welt.ziel).Ambiente(), 40);
    EXPECT_EQ(W::P(p).AuftragID(), 3);
    EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
}

TEST(ZielaktionArbeit, ProductionProgressFollowsTheSkillLevel) {
    struct Fall {
        int level, arbeitsschritte;
    };
    for (const Fall& f : {Fall{0, 1000}, Fall{99, 50}, Fall{4, 1000}, Fall{5, 500}}) {
        Abbauwelt welt;
        const int p = welt.walker(welt.anker, welt.anker, 250);
        W::P(p).WarenID() = 1;
        W::P(p).Aktiver_Skilllevel() = f.level;
        Spieler[0].Arbeit_Rohstoff() = 1;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::P(p).AuftragID(), 251);
        EXPECT_EQ(W::K(welt.anker).Person(), -1);  // inside the building
        int schritte = 0;
        while (W::O(welt.werk).Zaehler() < 1000) {
            ZAU_Zielaktion_Manager(p);
            ++schritte;
        }
        EXPECT_EQ(schritte, f.arbeitsschritte) << f.level;
        EXPECT_EQ(W::P(p).AuftragID(), 251);
        // Somebody stands at the door: the worker waits inside.
        const int q = W::person(W::feld(1, 1));
        W::K(welt.anker).Person() = q;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::P(p).AuftragID(), 251);
        EXPECT_EQ(W::O(welt.werk).Zaehler(), 1000);
        W::K(welt.anker).Person() = -1;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::K(welt.anker).Person(), p);
        EXPECT_EQ(W::O(welt.werk).Zaehler(), 0);
        EXPECT_EQ(W::P(p).AuftragID(), 3);
        EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
    }
}

TEST(ZielaktionArbeit, WorkInTheNoisyWorkshopCountsOverAllSuchBuildings) {
    Handelnwelt welt;
    SBU_Objekte.assign(15, bhmtest::Gebaeude("Produktion"));
    const int a = W::gebaeude(W::feld(2, 2), ZAU_Klangwerkstatt_Typ);
    const int b = W::gebaeude(W::feld(6, 2), ZAU_Klangwerkstatt_Typ);
    const int c = W::gebaeude(W::feld(10, 2), 3);
    const int p = W::walker(W::feld(2, 2), W::feld(2, 2), 251);
    const int q = W::walker(W::feld(6, 2), W::feld(6, 2), 251);
    const int r = W::walker(W::feld(10, 2), W::feld(10, 2), 251);
    for (int i = 0; i < 12; ++i) {
        ZAU_Zielaktion_Manager(p);
        ZAU_Zielaktion_Manager(q);
        ZAU_Zielaktion_Manager(r);
    }
    EXPECT_EQ(ZAU_Klangzaehler, 24);
    ZAU_Zielaktion_Manager(r);
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(ZAU_Klangzaehler, 25);
    ZAU_Zielaktion_Manager(q);
    EXPECT_EQ(ZAU_Klangzaehler, 0);
    EXPECT_EQ(W::O(a).Zaehler() + W::O(b).Zaehler(), 26);
    EXPECT_EQ(W::O(c).Zaehler(), 13);
}

// A site of template 0 whose footprint is the anchor and its two right neighbours.
struct Bauwelt : Handelnwelt {
    int anker = W::feld(6, 6);
    Bauwelt() {
        SBU_Objekte = {bhmtest::Gebaeude("Home")};
        SBU_Bauplaetze = {{{0, 1}, {1, 1}, {2, 0}}};
    }
    int bauer(int code, int feld) {
        const int p = walker(feld, feld, code);
        P(p).WarenID() = anker;
        P(p).Auftragsziel2() = 0;
        return p;
    }
};

TEST(ZielaktionArbeit, LevellingACellMakesItBuildingLandAndChecksTheSite) {
    Bauwelt welt;
    const int c = welt.anker + 1;
    const int p = welt.bauer(501, c);
    W::K(c).LandType() = 5;
    W::K(c).Block() = 0;
    W::K(c).Ambiente() = 9;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::K(c).LandType(), 4);
    EXPECT_EQ(W::K(c).Block(), 1);
    EXPECT_EQ(W::K(c).Ambiente(), -1);
    EXPECT_EQ(W::P(p).AuftragID(), 502);
    EXPECT_EQ(W::P(p).Bewegungscounter(), 0);
}

TEST(ZielaktionArbeit, TheSiteCheckSendsTheBuilderToTheFirstMarkedCell) {
    Bauwelt welt;
    const int p = welt.bauer(502, welt.anker);
    W::K(welt.anker).Block() = 1;
    W::K(welt.anker + 1).Block() = -1;
    W::K(welt.anker + 2).Block() = 0;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::P(p).AuftragID(), 500);
    EXPECT_EQ(W::P(p).Zielfeld(), welt.anker + 2);
    EXPECT_EQ(W::K(welt.anker + 1).Block(), 0);  // marked on the way
}

TEST(ZielaktionArbeit, AFootprintWithOnlyFreeCellsIsMarkedAndCheckedAgainLater) {
    Bauwelt welt;
    const int p = welt.bauer(502, welt.anker);
    W::K(welt.anker + 1).Block() = -1;
    W::K(welt.anker + 2).Block() = -1;
    // The builder's cell is an island of its own: no free spot to step aside to.
    for (Kartenfeld& k : Karte) k.Insel() = 1;
    W::K(welt.anker).Insel() = 0;
    ZAU_Zielaktion_Manager(p);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(W::K(welt.anker + i).Block(), 0);
    // The site cannot be taken yet: no free spot found, so the builder waits where it stands.
    EXPECT_EQ(W::P(p).AuftragID(), 502);
    EXPECT_EQ(W::P(p).Zielfeld(), welt.anker);
    EXPECT_EQ(W::P(p).Bewegungscounter(), 9);
    for (int i = 0; i < 10; ++i) ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::P(p).AuftragID(), 500);
    EXPECT_EQ(W::P(p).Zielfeld(), welt.anker);
}

TEST(ZielaktionArbeit, AnUnknownSiteIsReported) {
    Bauwelt welt;
    const int p = welt.bauer(502, welt.anker);
    W::P(p).Auftragsziel2() = 7;
    ZAU_Zielaktion_Manager(p);
    EXPECT_NE(W::meldung().find("ZAU_Baustelle_pruefen"), std::string::npos);
    EXPECT_EQ(W::P(p).AuftragID(), 502);
}

}  // namespace

namespace {

TEST(ZielaktionArbeit, ALumberjackWalksFellsCarriesHomeAndStores) {
    Abbauwelt welt;
    Abbauwelt::slot(welt.werk, 0, 1, 0, 1);
    Spieler[0].Arbeit_Rohstoff() = 1;
    welt.ziel = W::feld(6, 3);
    W::K(welt.ziel).Ambiente() = 1;  // the tree
    W::K(welt.ziel).Block() = 1;     // reserved for this order
    const int p = welt.walker(welt.anker, welt.ziel, 100);
    W::P(p).WarenID() = 1;
    W::P(p).Auftragsziel2() = welt.anker;
    W::P(p).Aktiver_Skilllevel() = 60;
    int schritte = 0;
    while (W::P(p).AuftragID() != 3 && schritte < 1000) {
        BU_Person_bewegen(p);
        ++schritte;
    }
    // Out: moves in steps 1, 11 and 21; each action waits out the counter of the step before
    // (10 after a move, 50 + 1 after felling, 10 + 1 after trimming); back: three moves of 10 steps.
    EXPECT_EQ(schritte, 21 + 10 + 51 + 11 + 30 + 10);
    EXPECT_EQ(W::P(p).Feld(), welt.anker);
    EXPECT_EQ(W::K(welt.ziel).Ambiente(), 2);  // the stump
    EXPECT_EQ(W::K(welt.ziel).Block(), -1);
    EXPECT_EQ(W::O(welt.werk).Slot_Bestand(0), 1);
    EXPECT_EQ(W::O(welt.werk).Slot_Bestellt(0), 0);
    EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
    EXPECT_EQ(W::meldung(), "");
}

}  // namespace

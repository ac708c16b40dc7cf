#include "population/Zielaktion.h"

#include <gtest/gtest.h>

#include "population/Bewegung.h"
#include "population/Handelnwelt.h"

namespace {

using bhmtest::Handelnwelt;
using W = Handelnwelt;

TEST(Zielaktion, PlainStageAdvancesSetTheNextCodeAndTheirDuration) {
    struct Fall {
        int code, level, naechster, dauer;
    };
    const Fall faelle[] = {
        {150, 100, 151, 10}, {150, 0, 151, 110}, {150, 37, 151, 73},
        {500, 60, 501, 30},  {600, 20, 601, 90}, {650, 80, 651, 9},
    };
    for (const Fall& f : faelle) {
        Handelnwelt welt;
        SBU_Waren = {bhmtest::Ware()};
        SBU_Waren[0].SkillID = 1;
        const int c = W::feld(5, 5);
        const int p = W::walker(c, c, f.code);
        W::P(p).WarenID() = 0;
        W::P(p).Aktiver_Skilllevel() = f.level;
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::P(p).AuftragID(), f.naechster) << f.code;
        EXPECT_EQ(W::P(p).Bewegungscounter(), f.dauer) << f.code;
        EXPECT_EQ(W::meldung(), "") << f.code;
    }
}

TEST(Zielaktion, TheActionWaitsOutTheCounterOfTheArrival) {
    Handelnwelt welt;
    const int c = W::feld(5, 5);
    const int p = W::walker(c, c, 500);
    W::P(p).Bewegungscounter() = 3;
    for (int i = 0; i < 3; ++i) {
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::P(p).AuftragID(), 500);
    }
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::P(p).AuftragID(), 501);
}

TEST(Zielaktion, UnknownCodesAreReportedAndThePersonKeepsItsOrder) {
    for (int code : {2, 4, 999}) {
        Handelnwelt welt;
        const int c = W::feld(5, 5);
        const int p = W::walker(c, c, code);
        ZAU_Zielaktion_Manager(p);
        EXPECT_EQ(W::meldung(), "ZAU_Zielaktion_Manager: Person " + std::to_string(p) +
                                    " hat Ziel erreicht, kann Auftrag " + std::to_string(code) +
                                    " nicht beenden.");
        EXPECT_EQ(W::P(p).AuftragID(), code);
    }
}

TEST(Zielaktion, AnUnknownStageKeepsItsCodeButSetsTheCounter) {
    Handelnwelt welt;
    const int p = W::walker(W::feld(5, 5), W::feld(5, 5), 251);
    Auftragweiterleitung(p, 251, 8, 9);
    EXPECT_EQ(W::meldung(), "Zielaktionunit -> AuftragID nicht bekannt := 251");
    EXPECT_EQ(W::P(p).AuftragID(), 251);
    EXPECT_EQ(W::P(p).Bewegungscounter(), 9);
    Auftragweiterleitung(p, 500, 99, 30);
    EXPECT_EQ(W::meldung(), "Zielaktionunit -> AnimationID nicht bekannt := 99");
    EXPECT_EQ(W::P(p).AuftragID(), 501);  // the stage follows the code passed, not the person's
    EXPECT_EQ(W::P(p).Bewegungscounter(), 30);
}

TEST(Zielaktion, TheWorkPoseOfAnUnknownSkillIsReported) {
    Handelnwelt welt;
    SBU_Waren = {bhmtest::Ware()};
    SBU_Waren[0].SkillID = 4;
    const int p = W::walker(W::feld(5, 5), W::feld(5, 5), 150);
    W::P(p).WarenID() = 0;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::meldung(), "Auftragweiterleitung > SkillID nicht erkannt: 4");
    EXPECT_EQ(W::P(p).AuftragID(), 151);
}

TEST(Zielaktion, APersonSentAwayWithoutAFreeCellLooksForAJobWhereItStands) {
    Handelnwelt welt;
    const int c = W::feld(5, 5);
    const int p = W::walker(c, c, 152);
    Spieler[0].Ohne_Arbeit() = 0;
    // The person's cell is an island of its own: no free cell to be sent to.
    for (Kartenfeld& k : Karte) k.Insel() = 1;
    W::K(c).Insel() = 0;
    ZAU_Wegschicken(p);
    EXPECT_EQ(W::P(p).AuftragID(), 3);
    EXPECT_EQ(W::P(p).Zielfeld(), c);
    EXPECT_EQ(W::P(p).Bewegungscounter(), 9);
    for (int i = 0; i < 9; ++i) BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).AuftragID(), 3);
    BU_Person_bewegen(p);
    EXPECT_EQ(W::P(p).AuftragID(), 0);
    EXPECT_EQ(W::P(p).Bewegungscounter(), 0);
    EXPECT_EQ(Spieler[0].Ohne_Arbeit(), -1);
}

TEST(Zielaktion, APassengerSetDownWaitsForItsCellToBeFree) {
    Handelnwelt welt;
    const int c = W::feld(5, 5);
    const int p = W::walker(c, c, 852);
    const int q = W::person(W::feld(1, 1));
    W::K(c).Person() = q;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::P(p).AuftragID(), 852);
    EXPECT_EQ(W::K(c).Person(), q);
    W::K(c).Person() = -1;
    ZAU_Zielaktion_Manager(p);
    EXPECT_EQ(W::K(c).Person(), p);
    EXPECT_EQ(W::P(p).AuftragID(), 3);
}

TEST(Zielaktion, ASkillLevelOutsideItsRangeGivesAPossibleDuration) {
    Handelnwelt welt;
    const int p = W::person(W::feld(5, 5));
    W::P(p).Aktiver_Skilllevel() = -2147483647 - 1;
    EXPECT_EQ(ZAU_Arbeitsdauer(p), 110);
    W::P(p).Aktiver_Skilllevel() = 500;
    EXPECT_EQ(ZAU_Arbeitsdauer(p), 0);
}

}  // namespace

#include "economy/Geldkreis.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/Kernwelt.h"
#include "economy/KI.h"
#include "economy/Logik.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "population/Personen.h"

namespace {

using bhmtest::Kernwelt;

// A living member of the clan: a founder, whose purse of 100 enters circulation.
int Mitglied(int clan, int feld) { return PM_Person_erzeugen(false, feld, -1, clan); }

long long Summe(int (Spielerzeile::*feld)() const) {
    long long s = 0;
    for (const Spielerzeile& z : Spieler) s += (z.*feld)();
    return s;
}

long long Geldbeutel() {
    long long s = 0;
    for (const Personenzeile& p : Personen)
        if (p.Hunger() > 0) s += p.Gold();
    return s;
}

// The gold in circulation is exactly what the treasuries, purses, wage reserves and
// edict funds hold; saved gold has left circulation.
long long Im_Umlauf() {
    return Summe(&Spielerzeile::Gold) + Geldbeutel() + Summe(&Spielerzeile::Baulohn_reserviert) +
           Summe(&Spielerzeile::Gemeinschaftskasse);
}

TEST(Geldkreis, GoldIsConservedThroughTransfersMiningSavingsDeathsAndDecay) {
    Kernwelt welt;
    GU_Spieler_erstellen(3);
    int a = Mitglied(0, 20), b = Mitglied(0, 21), c = Mitglied(1, 22), d = Mitglied(2, 23);
    ASSERT_EQ(GU, 4 * 300 + 4 * 100);
    // Everything that ever entered circulation, less what left it through the decay and the
    // rounding rest of a distribution; saved gold stays in this total.
    long long erschaffen = GU;

    const struct Schritt {
        const char* name;
        std::function<void()> tun;
        int zugang;  // gold entering (+) or leaving (-) the total
    } schritte[] = {
        {"wage", [&] { GKU_Lohn_von_Spieler_zu_Person(a, 0); }, 0},
        {"gold mine", [&] { GKU_Goldmine_Ertrag(1); }, GKU_Goldmine_Menge},
        {"site wage reserved", [&] { GKU_Bau_Lohn_sichern(0, 40); }, 0},
        {"site wage paid", [&] { GKU_Bau_Lohn_auszahlen(0, b, 15); }, 0},
        {"purchase", [&] { GKU_von_Spieler_zu_Spieler(1, 2, 33); }, 0},
        {"sale by the clan that is wound up later", [&] { GKU_von_Spieler_zu_Spieler(1, 3, 26); }, 0},
        {"savings on", [&] { SBGOb = true; }, 0},
        {"purchase saved", [&] { GKU_von_Spieler_zu_Spieler(2, 0, 7); }, 0},
        {"sale saved by the clan that is wound up later", [&] { GKU_von_Spieler_zu_Spieler(2, 3, 20); }, 0},
        {"food", [&] { GKU_von_Person_zu_Spieler(c, 2, 12); }, 0},
        {"own food", [&] { GKU_von_Person_zu_Spieler(d, 2, 9); }, 0},
        {"tax", [&] { GKU_ED_von_Person_zu_Spieler(1, c, 1); }, 0},
        {"levy", [&] { GKU_ED_Abgabe_von_Person(d, 2); }, 0},
        {"poor relief", [&] { GKU_ED_von_Spieler_zu_Person(0, a, 5); }, 0},
        {"overdrawn purse", [&] { GKU_von_Person_zu_Spieler(b, 1, 500); }, 0},
        {"overdrawn treasury", [&] { GKU_von_Spieler_zu_Spieler(2, 1, 900); }, 0},
        {"savings off", [&] { SBGOb = false; }, 0},
        {"death with estate",
         [&] {
             // The dying person's purse goes to the clan after the purse was emptied.
             Personenzeile& p = Personen[static_cast<std::size_t>(a)];
             int erbe = p.Gold();
             p.Gold() = 0;
             PM_Person_loeschen(a);
             GKU_Nachlass_an_Spieler(0, erbe);
         },
         0},
        {"yearly decay",
         [&] {
             SZ = 10;
             SU_Gold_Verfall();
         },
         // Clans with members lose Floor(gold / 100) in year 10; filled in below.
         -1},
        {"winding up a died-out clan",
         [&] {
             Spieler[3].Steuerung() = -1;
             KI_Abrechnen(3);
             EXPECT_EQ(Spieler[3].Steuerung(), -2);
             EXPECT_EQ(Spieler[3].Gold() + Spieler[3].Gold_gespeichert(), 0);
         },
         -1},
    };

    for (const Schritt& s : schritte) {
        long long zugang = s.zugang;
        if (std::string(s.name) == "yearly decay") {
            zugang = 0;
            for (const Spielerzeile& z : Spieler)
                if (z.Mitglieder() > 0 && z.Gold() > 0) zugang -= z.Gold() / 100;
        }
        if (std::string(s.name) == "winding up a died-out clan") {
            // Treasury, edict fund and saved gold are distributed; the rounding rest leaves
            // circulation.
            EXPECT_GT(Spieler[3].Gold_gespeichert(), 0);
            long long betrag =
                Spieler[3].Gold() + Spieler[3].Gemeinschaftskasse() + Spieler[3].Gold_gespeichert();
            long long mitglieder = 0, clans = 0;
            for (const Spielerzeile& z : Spieler)
                if (z.Steuerung() != -2 && &z != &Spieler[3]) mitglieder += z.Mitglieder(), ++clans;
            long long rest1 = betrag - betrag / mitglieder * mitglieder;
            zugang = -(rest1 - rest1 / clans * clans);
        }
        s.tun();
        erschaffen += zugang;
        EXPECT_EQ(GU, Im_Umlauf()) << "after " << s.name;
        EXPECT_EQ(GU + Summe(&Spielerzeile::Gold_gespeichert), erschaffen) << "after " << s.name;
        EXPECT_GE(GU2, GU);
    }
    EXPECT_GT(Summe(&Spielerzeile::Gold_gespeichert), 0);
}

TEST(Geldkreis, DistributionExample) {
    Kernwelt welt;
    GU_Spieler_erstellen(3);
    for (int i = 0; i < 4; ++i) Mitglied(0, 20 + i);
    for (int i = 0; i < 3; ++i) Mitglied(1, 30 + i);
    Spieler[3].Steuerung() = -2;
    Spieler[3].Gold() = 25;
    const int gu = GU;
    GKU_Geld_verteilen(25, 3);
    for (const Personenzeile& p : Personen) {
        if (p.Hunger() > 0) {
            EXPECT_EQ(p.Gold(), 103);
        }
    }
    for (int c = 0; c < 3; ++c) EXPECT_EQ(Spieler[static_cast<std::size_t>(c)].Gold(), 301);
    EXPECT_EQ(Spieler[3].Gold(), 25 - 3);
    EXPECT_EQ(GU, gu - 1) << "the rounding rest of 1 leaves circulation";

    // No clan left to share: the whole amount leaves circulation, nothing is divided by 0.
    for (int c = 0; c < 3; ++c) Spieler[static_cast<std::size_t>(c)].Steuerung() = -2;
    GKU_Geld_verteilen(10, 3);
    EXPECT_EQ(GU, gu - 11);
}

TEST(Geldkreis, ShortfallsAreReportedAndBookedInFull) {
    Kernwelt welt;
    GU_Spieler_erstellen(1);
    const int p = Mitglied(0, 20);
    const struct {
        const char* name;
        std::function<void()> tun;
        bool meldung;
    } faelle[] = {
        {"whole treasury", [] { GKU_von_Spieler_zu_Spieler(0, 1, 300); }, false},
        {"one gold more", [] { GKU_von_Spieler_zu_Spieler(1, 0, 601); }, true},
        {"wage from 0", [] { Spieler[0].Gold() = 0; }, false},
        {"wage leaves -1", [p] { GKU_Lohn_von_Spieler_zu_Person(p, 0); }, false},
        {"wage from -1", [p] { GKU_Lohn_von_Spieler_zu_Person(p, 0); }, true},
        {"whole purse", [p] { GKU_von_Person_zu_Spieler(p, 1, 102); }, false},
        {"empty purse", [p] { GKU_ED_von_Person_zu_Spieler(1, p, 1); }, true},
        {"reserve beyond treasury", [] { GKU_Bau_Lohn_sichern(0, 1); }, true},
        {"unknown clan", [] { GKU_Goldmine_Ertrag(9); }, true},
        {"unknown person", [] { GKU_Bau_Lohn_auszahlen(0, 4711, 1); }, true},
    };
    for (const auto& f : faelle) {
        Fehler_zuruecksetzen();
        f.tun();
        EXPECT_EQ(Kernwelt::gemeldet(), f.meldung) << f.name;
    }
    EXPECT_EQ(Spieler[0].Gold(), -3);
    EXPECT_EQ(Personen[static_cast<std::size_t>(p)].Gold(), -1);
    EXPECT_EQ(Spieler[0].Baulohn_reserviert(), 1);
}

TEST(Geldkreis, TransferToItselfOnlySaves) {
    Kernwelt welt;
    GU_Spieler_erstellen(0);
    GKU_von_Spieler_zu_Spieler(0, 0, 50);
    EXPECT_EQ(std::make_tuple(Spieler[0].Gold(), Spieler[0].Konto_Spieler()), std::make_tuple(300, 0));
    SBGOb = true;
    const struct { int betrag, gespart; } faelle[] = {{7, 2}, {10, 2}, {11, 3}, {1, 1}};
    int gespeichert = 0;
    for (const auto& f : faelle) {
        const int gu = GU;
        GKU_von_Spieler_zu_Spieler(0, 0, f.betrag);
        gespeichert += f.gespart;
        EXPECT_EQ(Spieler[0].Gold_gespeichert(), gespeichert) << f.betrag;
        EXPECT_EQ(GU, gu - f.gespart);
    }
    EXPECT_EQ(Spieler[0].Gold(), 300 - gespeichert);
}

TEST(Geldkreis, GoldMineRaisesTheMaximum) {
    Kernwelt welt;
    GU_Spieler_erstellen(0);
    GU2 = GU;
    GKU_Goldmine_Ertrag(0);
    EXPECT_EQ(std::make_tuple(GU, GU2), std::make_tuple(310, 310));
    EXPECT_EQ(Spieler[0].Konto_Clan(), 10);
    SU_Geldmenge_aendern(-20);
    EXPECT_EQ(std::make_tuple(GU, GU2), std::make_tuple(290, 310));
}

TEST(Geldkreis, YearlyDecay) {
    Kernwelt welt;
    GU_Spieler_erstellen(0);
    Spieler[0].Mitglieder() = 1;
    const struct {
        int jahr, gold, verlust;
    } faelle[] = {{0, 1000, 0}, {1, 33, 0}, {10, 1000, 10}, {30, 1000, 30}, {45, 1000, 30}, {5, -400, 0}};
    for (const auto& f : faelle) {
        SZ = f.jahr;
        Spieler[0].Gold() = f.gold;
        GU = 5000;
        SU_Gold_Verfall();
        EXPECT_EQ(Spieler[0].Gold(), f.gold - f.verlust) << f.jahr << "/" << f.gold;
        EXPECT_EQ(GU, 5000 - f.verlust);
    }
    Spieler[0].Mitglieder() = 0;
    SZ = 30;
    SU_Gold_Verfall();
    EXPECT_EQ(Spieler[0].Gold(), -400);
}

}  // namespace

#include "population/Bauauftraege.h"

#include <gtest/gtest.h>

#include "population/Auftragswelt.h"
#include "world/Pfade.h"

namespace {

using bhmtest::Auftragswelt;
using W = Auftragswelt;

// Cells x >= 16 form island 1.
void zweite_insel() {
    for (int f = 0; f < static_cast<int>(Karte.size()); ++f)
        if (f % MG_Kartengroesse >= 16) W::K(f).Insel() = 1;
}

TEST(JU_Bauauftrag_annehmen, TheFirstCellStillToLevelIsTheTargetAndTheWageComesFromTheReserve) {
    Auftragswelt welt(32, 1);
    zweite_insel();
    const int typ = W::vorlage("Produktion");
    const int n = MG_Kartengroesse;
    SBU_Bauplaetze.resize(static_cast<std::size_t>(typ) + 1);
    SBU_Bauplaetze[static_cast<std::size_t>(typ)] = {{0, 1}, {1, 1}, {n, 1}};
    const int anker = W::feld(5, 5);
    for (int i : {0, 1, n}) W::K(anker + i).Block() = 1;
    W::K(anker + 1).Block() = 0;
    W::S(0).Baulohn_reserviert() = 14;
    JU_Befehl_eintragen(JU_Bauen, 0, anker, typ, 0, 6, 0);

    const int fremd = W::person(0, W::feld(20, 5));
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(fremd)) << "another island";
    const int p = W::person(0, W::feld(8, 8));
    W::S(0).Arbeit_Auftrag() = 0;
    ASSERT_TRUE(JU_Auftragsliste_abarbeiten(p));
    EXPECT_EQ(W::P(p).Zielfeld(), anker + 1);
    EXPECT_EQ(W::P(p).AuftragID(), JU_Auftrag_Bauen);
    EXPECT_EQ(W::P(p).Auftragsziel2(), typ);
    EXPECT_EQ(W::P(p).WarenID(), anker);
    EXPECT_EQ(W::P(p).Bewegungscounter(), 9);
    EXPECT_EQ(W::P(p).Gold(), 16);
    EXPECT_EQ(W::S(0).Baulohn_reserviert(), 8);
    EXPECT_EQ(W::S(0).Arbeit_Auftrag(), 1);
    EXPECT_EQ(W::anzahl(0), 0);

    W::K(anker + 1).Block() = 1;
    JU_Befehl_eintragen(JU_Bauen, 0, anker, typ, 0, 0, 0);
    const int q = W::person(0, W::feld(8, 9));
    ASSERT_TRUE(JU_Auftragsliste_abarbeiten(q));
    EXPECT_EQ(W::P(q).Zielfeld(), anker + n) << "nothing left to level: the last footprint cell";
}

TEST(JU_Materialauftrag_annehmen, ThreeUnitsAreFetchedByThreePersons) {
    Auftragswelt welt(32, 1);
    const int site_typ = W::vorlage("Produktion");
    const int anker = W::feld(5, 5);
    const int site = W::gebaeude(0, anker, site_typ);
    const int s = W::gebaeude(1, W::feld(10, 5), W::vorlage("Produktion", {{2, 2}}));
    W::slot(s, 0, 2, 5);
    W::anbieten(s, 2);
    // A building of the site's own type may sell construction material.
    (void)site;
    GU_Warenwerte[1][2] = 7;
    JU_Befehl_eintragen(JU_Material, 0, anker, site_typ, 2, 0, 3);

    W::S(0).Gold() = 8;
    const int p = W::person(0, W::feld(3, 3));
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(p)) << "price = gold - 1";
    W::S(0).Gold() = 100;
    const int traeger[3] = {p, W::person(0, W::feld(3, 5)), W::person(0, W::feld(3, 6))};
    W::S(0).Arbeit_Auftrag() = 0;
    for (int i = 0; i < 3; ++i) {
        const int q = traeger[i];
        ASSERT_TRUE(JU_Auftragsliste_abarbeiten(q)) << i;
        EXPECT_EQ(W::P(q).AuftragID(), JU_Auftrag_Material);
        EXPECT_EQ(W::P(q).Zielfeld(), W::feld(10, 5));
        EXPECT_EQ(W::P(q).Auftragsziel2(), anker);
        EXPECT_EQ(W::P(q).WarenID(), 2);
        EXPECT_EQ(W::P(q).Gold(), 11);
        EXPECT_EQ(W::anzahl(0), i < 2 ? 1 : 0);
    }
    EXPECT_EQ(W::O(s).Slot_Reserviert(0), 3);
    EXPECT_EQ(W::S(0).Gold(), 100 - 3 * 7 - 3);
    EXPECT_EQ(W::S(0).Arbeit_Auftrag(), 3);
}

TEST(JU_Materialauftrag_annehmen, AWalledInSiteOrSellerKeepsItsOrderUntilAWayOpens) {
    Auftragswelt welt(32, 1);
    const int site_typ = W::vorlage("Produktion");
    const int anker = W::feld(5, 5);
    W::gebaeude(0, anker, site_typ);
    const int verkaeufer = W::feld(10, 5);
    const int s = W::gebaeude(1, verkaeufer, W::vorlage("Produktion", {{2, 2}}));
    W::slot(s, 0, 2, 5);
    W::anbieten(s, 2);
    JU_Befehl_eintragen(JU_Material, 0, anker, site_typ, 2, 0, 1);
    for (int feld : {anker, verkaeufer}) {
        SCOPED_TRACE(feld);
        for (int d = 1; d <= 6; ++d) W::K(PFU_Nachbarfeld(feld, d)).Block() = 2;
        const int p = W::person(0, W::feld(3, 3));
        EXPECT_FALSE(JU_Auftragsliste_abarbeiten(p)) << "nobody could carry the unit there";
        EXPECT_EQ(W::anzahl(0), 1);
        EXPECT_EQ(W::S(0).Gold(), 100);
        EXPECT_EQ(W::O(s).Slot_Reserviert(0), 0);
        for (int d = 1; d <= 6; ++d) W::K(PFU_Nachbarfeld(feld, d)).Block() = -1;
    }
    const int p = W::person(0, W::feld(3, 4));
    ASSERT_TRUE(JU_Auftragsliste_abarbeiten(p));
    EXPECT_EQ(W::P(p).Zielfeld(), verkaeufer);
}

TEST(JU_Befehl_Hafen, SinglePersonsOfOtherIslandsGoToTheirHarbour) {
    Auftragswelt welt(32, 1);
    zweite_insel();
    const int hafen_typ = W::vorlage("Hafen");
    const int hier = W::gebaeude(0, W::feld(4, 4), hafen_typ);
    const int dort = W::gebaeude(0, W::feld(20, 4), hafen_typ);
    // Nearer, but another clan's: ships load only at their owner's harbours.
    const int fremd = W::gebaeude(1, W::feld(6, 6), hafen_typ);
    Haefen = {{hier, 0, {}}, {dort, 0, {}}, {fremd, 0, {}}};
    Hafen_Ende = 2;
    JU_Befehl_eintragen(JU_Siedler, 0, W::feld(20, 4), hafen_typ, 2, -1, W::feld(20, 4));

    const int daheim = W::person(0, W::feld(22, 8));
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(daheim)) << "already on the harbour's island";
    const int verheiratet = W::person(0, W::feld(6, 8));
    W::P(verheiratet).PartnerID() = daheim;
    EXPECT_FALSE(JU_Auftragsliste_abarbeiten(verheiratet));

    for (int i = 0; i < 2; ++i) {
        const int p = W::person(0, W::feld(6, 9 + i));
        W::S(0).Ohne_Arbeit() = i;
        ASSERT_TRUE(JU_Auftragsliste_abarbeiten(p));
        EXPECT_EQ(W::P(p).AuftragID(), JU_Auftrag_Hafen_Reise);
        EXPECT_EQ(W::P(p).Zielfeld(), W::feld(4, 4));
        EXPECT_EQ(W::P(p).Auftragsziel2(), W::feld(20, 4));
        EXPECT_EQ(W::anzahl(0), 1 - i);
    }
    EXPECT_EQ(W::S(0).Ohne_Arbeit(), 2);
}

TEST(JU_Schiff_beladen, TheFirstPassengerNotYetBoardingIsTaken) {
    Auftragswelt welt(32, 1);
    const int hafen_typ = W::vorlage("Hafen");
    const int fremd = W::gebaeude(1, W::feld(2, 2), hafen_typ);
    const int eigen = W::gebaeude(0, W::feld(4, 4), hafen_typ);
    const int a = W::person(1, W::feld(3, 3));
    const int b = W::person(0, W::feld(4, 5));
    const int c = W::person(0, W::feld(4, 6));
    W::P(b).WarenID() = 1;
    W::P(c).Auftragsziel2() = W::feld(25, 25);
    Haefen = {{fremd, 1, {a}}, {eigen, 2, {b, c}}};
    Hafen_Ende = 1;
    Schiffe = {Schiff{}};
    Schiff_Anzahl = 1;
    ASSERT_TRUE(JU_Schiff_beladen(0));
    EXPECT_EQ(W::P(c).WarenID(), 1);
    EXPECT_EQ(W::P(a).WarenID(), 0) << "another clan's harbour";
    EXPECT_EQ(Schiffe[0].Ziel, W::feld(4, 6));
    EXPECT_EQ(Schiffe[0].Naechstes_Ziel, W::feld(25, 25));
    EXPECT_EQ(Schiffe[0].Ladung, c);
    EXPECT_EQ(Schiffe[0].Auftrag, 3);
    EXPECT_FALSE(JU_Schiff_beladen(0)) << "everybody boards already";
}

TEST(JU_Hafenjob_vergeben, HalfTheDifferenceRoundedUpGoesFromTheFullestToTheEmptiestHarbour) {
    struct Fall {
        int quelle_bestand, ziel_bestand, ziel_bestellt;
        int menge;  // 0: no job
    };
    for (const Fall& f : {Fall{7, 0, 0, 4}, Fall{9, 2, 0, 4}, Fall{9, 1, 1, 4}, Fall{3, 2, 0, 0}}) {
        Auftragswelt welt(32, 1);
        const int hafen_typ = W::vorlage("Hafen");
        const int quelle = W::gebaeude(0, W::feld(4, 4), hafen_typ);
        const int ziel = W::gebaeude(0, W::feld(20, 20), hafen_typ);
        W::slot(quelle, 0, 3, f.quelle_bestand);
        W::slot(ziel, 0, 3, f.ziel_bestand, f.ziel_bestellt);
        Haefen = {{quelle, 0, {}}, {ziel, 0, {}}};
        Hafen_Ende = 1;
        Schiffe = {Schiff{}};
        Schiff_Anzahl = 1;
        EXPECT_EQ(JU_Hafenjob_vergeben(0), f.menge > 0) << f.quelle_bestand;
        EXPECT_TRUE(Hafenjob_Liste.empty()) << "the job table is cleared";
        if (f.menge == 0) continue;
        const Schiff& s = Schiffe[0];
        EXPECT_EQ(s.Ladungsmenge, f.menge);
        EXPECT_EQ(s.Ziel, W::feld(4, 4));
        EXPECT_EQ(s.Naechstes_Ziel, W::feld(20, 20));
        EXPECT_EQ(s.Warten, 3);
        EXPECT_EQ(s.Ladung, 3);
        EXPECT_EQ(s.Auftrag, 1);
        EXPECT_EQ(W::O(quelle).Slot_Reserviert(0), f.menge);
        EXPECT_EQ(W::O(ziel).Slot_Bestellt(0), f.ziel_bestellt + f.menge);
    }
}

TEST(JU_Hafenjob_vergeben, AGoodWithoutATargetHarbourGivesNoJob) {
    Auftragswelt welt(32, 1);
    const int hafen_typ = W::vorlage("Hafen");
    const int voll = W::gebaeude(0, W::feld(4, 4), hafen_typ);
    const int auch_voll = W::gebaeude(0, W::feld(20, 20), hafen_typ);
    // Surplus 12 against need 10 that no harbour recorded.
    W::slot(voll, 0, 3, 10);
    W::slot(auch_voll, 0, 3, 9, 1);
    W::slot(voll, 1, 3, 12);
    Haefen = {{voll, 0, {}}, {auch_voll, 0, {}}};
    Hafen_Ende = 1;
    Schiffe = {Schiff{}};
    Schiff_Anzahl = 1;
    EXPECT_FALSE(JU_Hafenjob_vergeben(0));
    EXPECT_EQ(Schiffe[0].Auftrag, -1);
    EXPECT_EQ(W::O(voll).Slot_Reserviert(1), 0);
}

TEST(JU_Pflanze_Auftrag_beenden, FreesThePlantCellAndCancelsOneProcurement) {
    Auftragswelt welt(32, 1);
    const int o = W::gebaeude(0, W::feld(4, 4), W::vorlage("Produktion", {{2, 3}}));
    W::slot(o, 0, 2, 1, 2);
    const int pflanze = W::feld(6, 6);
    W::K(pflanze).Block() = 1;
    W::K(pflanze).Ambiente() = 40;
    JU_Pflanze_Auftrag_beenden(2, pflanze, W::feld(4, 4));
    EXPECT_EQ(W::K(pflanze).Block(), -1);
    EXPECT_EQ(W::K(pflanze).Ambiente(), -1);
    EXPECT_EQ(W::O(o).Slot_Bestellt(0), 1);
    JU_Pflanze_Auftrag_beenden(2, pflanze, W::feld(9, 9));
    EXPECT_TRUE(W::gemeldet()) << "no building on the cell";
}

}  // namespace

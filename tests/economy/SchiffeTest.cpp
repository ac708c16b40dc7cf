#include "economy/Schiffe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

#include "common/Kernwelt.h"
#include "common/TempDir.h"
#include "economy/Haefen.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "platform/base/Datei.h"
#include "population/Personen.h"
#include "world/Karte.h"

namespace {

using bhmtest::Kernwelt;

constexpr int N = 32;

struct Schiffswelt : Kernwelt {
    Schiffswelt() : Kernwelt(N) {
        SBU_Objekte = {bhmtest::Gebaeude("Produktion"), bhmtest::Gebaeude("Hafen")};
        SBU_Bauplaetze = {{{0, 1}}, {{0, 1}, {1, 0}}};
        GU_Spieler_erstellen(1);
        for (Spielerzeile& s : Spieler) s.Flugschiffe() = 0;
        for (Kartenfeld& f : Karte) f.Insel() = 0;
    }
    // A harbour object anchored on the cell, registered.
    static int hafen(int feld, int clan = 1) {
        const int o = OM_Objekt_anlegen(feld, clan, 1);
        Karte[feld].Objekt() = o;
        Hafen_registrieren(o);
        return o;
    }
};

int zelle(int x, int y) { return x + y * N; }

// Steps until the ship stands on its target; -1 after too many.
int schritte_bis_ziel(int i, int grenze = 2000) {
    for (int t = 0; t < grenze; ++t) {
        if (Schiffe[i].Feld == Schiffe[i].Ziel) return t;
        Schiff_Tick();
    }
    return -1;
}

TEST(Haefen, RemovingTheMiddleHarbourMovesTheLastIntoItsPlace) {
    Schiffswelt welt;
    const int a = Schiffswelt::hafen(zelle(2, 2)), b = Schiffswelt::hafen(zelle(5, 5)),
              c = Schiffswelt::hafen(zelle(9, 9));
    EXPECT_EQ(Haefen.size(), 10u);
    Hafen_Passagier_hinzufuegen(2, 44);
    Hafen_entfernen(b);
    EXPECT_EQ(Hafen_Ende, 1);
    EXPECT_EQ(Haefen[1].Objekt, c);
    EXPECT_EQ(Objekte[c].Hafen(), 1);
    EXPECT_EQ(Objekte[a].Hafen(), 0);
    EXPECT_EQ(std::make_tuple(Haefen[1].Anzahl, Haefen[1].Passagiere[0]), std::make_tuple(1, 44));
    EXPECT_EQ(std::make_tuple(Haefen[2].Objekt, Haefen[2].Anzahl), std::make_tuple(0, 0));
    Hafen_entfernen(99);  // not a harbour: nothing
    EXPECT_EQ(Hafen_Ende, 1);
    const int d = Schiffswelt::hafen(zelle(12, 12));
    EXPECT_EQ(Objekte[d].Hafen(), 2);
    EXPECT_EQ(Haefen[2].Anzahl, 0) << "a new record after a removal has no passengers";
    for (int i = 0; i < 12; ++i) Schiffswelt::hafen(zelle(1 + i, 20));
    EXPECT_EQ(Hafen_Ende, 14);
    EXPECT_GE(Haefen.size(), 15u);
}

TEST(Haefen, NearestHarbourOnlyOnTheSameIsland) {
    Schiffswelt welt;
    for (int y = 0; y < N; ++y)
        for (int x = 20; x < N; ++x) Karte[zelle(x, y)].Insel() = 1;
    Schiffswelt::hafen(zelle(10, 3));
    Schiffswelt::hafen(zelle(4, 3));
    Schiffswelt::hafen(zelle(20, 3), 0);  // closer, but on the other island
    EXPECT_EQ(Hafen_naechster_auf_Insel(zelle(17, 3)), zelle(10, 3));
    EXPECT_EQ(Hafen_naechster_auf_Insel(zelle(7, 3)), zelle(10, 3)) << "a tie goes to the lower index";
    EXPECT_EQ(Hafen_naechster_auf_Insel(zelle(25, 3)), zelle(20, 3)) << "whatever its owner";
    EXPECT_EQ(Hafen_naechster_auf_Insel(zelle(25, 3), 0), zelle(20, 3));
    EXPECT_EQ(Hafen_naechster_auf_Insel(zelle(5, 3), 0), -1) << "the clan has no harbour on this island";
    Karte[zelle(25, 30)].Insel() = 7;
    EXPECT_EQ(Hafen_naechster_auf_Insel(zelle(25, 30)), -1);
    EXPECT_EQ(Hafen_naechster_auf_Insel(-3), -1);
}

TEST(Haefen, RemovingAPassengerMovesTheLastIntoItsPlace) {
    Schiffswelt welt;
    Schiffswelt::hafen(zelle(2, 2));
    for (int p = 10; p < 15; ++p) Hafen_Passagier_hinzufuegen(0, p);
    Hafen_Passagier_entfernen(0, 1);
    EXPECT_EQ(Haefen[0].Anzahl, 4);
    EXPECT_EQ(std::vector<int>(Haefen[0].Passagiere.begin(), Haefen[0].Passagiere.begin() + 4),
              (std::vector<int>{10, 14, 12, 13}));
    Hafen_Passagier_entfernen(0, 4);  // beyond the list: nothing
    Hafen_Passagier_hinzufuegen(5, 1);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Haefen[0].Anzahl, 4);
}

TEST(Haefen, LoadReadsRecordsAndSkipsEmptyAndBrokenLines) {
    Schiffswelt welt;
    bhmtest::TempDir dir;
    const std::string datei = dir.path().string() + "/HA.sav";
    ASSERT_TRUE(Textdatei_schreiben(datei, {"4/2/17/18", "0", "6/0", "x/1", "8/1/3/y"}));
    Hafen_File_Load(datei);
    EXPECT_EQ(Hafen_Ende, 4);
    EXPECT_EQ(std::make_tuple(Haefen[0].Objekt, Haefen[0].Anzahl, Haefen[0].Passagiere[1]),
              std::make_tuple(4, 2, 18));
    EXPECT_EQ(std::make_tuple(Haefen[2].Objekt, Haefen[2].Anzahl), std::make_tuple(6, 0));
    EXPECT_EQ(std::make_tuple(Haefen[4].Objekt, Haefen[4].Anzahl), std::make_tuple(8, 1));
    EXPECT_TRUE(Kernwelt::gemeldet());
    Hafen_Liste_leeren();
    EXPECT_EQ(Hafen_Ende, -1);
    Hafen_File_Load(dir.path().string() + "/fehlt.sav");
    EXPECT_EQ(Hafen_Ende, -1);
}

TEST(Schiffe, ABuiltShipIsIdleAtTheBuildingAndCountsOnce) {
    Schiffswelt welt;
    const int o = OM_Objekt_anlegen(zelle(3, 4), 1, 0);
    Spieler[1].Flugschiffe() = 1;  // the production order counted it already
    Schiff_bauen(o);
    ASSERT_EQ(Schiff_Anzahl, 1);
    const Schiff& s = Schiffe[0];
    EXPECT_EQ(std::make_tuple(s.Feld, s.Ziel, s.Naechstes_Ziel, s.Vorher, s.Warten, s.Ladung, s.Ladungsmenge,
                              s.Auftrag, s.Besitzer),
              std::make_tuple(zelle(3, 4), -1, -1, zelle(3, 4), -1, -1, 0, -1, 1));
    EXPECT_EQ(Spieler[1].Flugschiffe(), 1);
    Schiff_bauen(42);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Schiff_Anzahl, 1);
}

TEST(Schiffe, AnIdleShipWithoutWorkAsksAgainEvery31Steps) {
    Schiffswelt welt;
    Schiff_hinzufuegen(Schiff{zelle(3, 3), -1, -1, zelle(3, 3), -1, -1, 0, -1, 1});
    Schiff_Tick();
    EXPECT_EQ(Schiffe[0].Warten, 30);
    for (int t = 0; t < 30; ++t) Schiff_Tick();
    EXPECT_EQ(Schiffe[0].Warten, 0);
    Schiff_Tick();
    EXPECT_EQ(Schiffe[0].Warten, 30);
}

TEST(Schiffe, FliesOneCellEverySixthStep) {
    Schiffswelt welt;
    Schiff_hinzufuegen(Schiff{zelle(18, 5), zelle(10, 5), -1, zelle(18, 5), 0, 2, 0, 1, 1});
    std::vector<int> zuege;
    for (int t = 0; t < 60 && Schiffe[0].Feld != Schiffe[0].Ziel; ++t) {
        const int vorher = Schiffe[0].Feld;
        Schiff_Tick();
        if (Schiffe[0].Feld != vorher) {
            zuege.push_back(t);
            EXPECT_EQ(Schiffe[0].Feld, vorher - 1);
            EXPECT_EQ(Schiffe[0].Vorher, vorher);
        }
    }
    EXPECT_EQ(zuege, (std::vector<int>{0, 6, 12, 18, 24, 30, 36, 42}));
}

TEST(Schiffe, GreedyFlightReachesEveryTargetWithoutLeavingTheMap) {
    Schiffswelt welt;
    const std::tuple<int, int, int, int> wege[] = {
        {5, 20, 5, 2},  {5, 2, 5, 20},  {0, 20, 0, 3},  {N - 1, 3, N - 1, 25}, {2, 2, 25, 25},
        {25, 25, 2, 2}, {3, 25, 25, 3}, {25, 3, 3, 25}, {7, 7, 7, 7},
    };
    for (const auto& [x0, y0, x1, y1] : wege) {
        Schiff_Liste_leeren();
        Schiff_hinzufuegen(Schiff{zelle(x0, y0), zelle(x1, y1), -1, zelle(x0, y0), 0, 1, 0, 1, 1});
        for (int t = 0; t < 3000 && Schiffe[0].Feld != Schiffe[0].Ziel; ++t) {
            Schiff_Bewegungsschritt(0);
            ASSERT_TRUE(MG_Feld_gueltig(Schiffe[0].Feld));
            ASSERT_LE(std::abs(FFU_X_von_Feld(Schiffe[0].Feld) - FFU_X_von_Feld(Schiffe[0].Vorher)), 1)
                << "no wrap at the map's edge";
        }
        EXPECT_EQ(Schiffe[0].Feld, zelle(x1, y1)) << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(Schiffe, TheDirectionOfAMove) {
    Schiffswelt welt;
    const std::tuple<int, int> faelle[] = {{-N, 0}, {-1, 1},    {N - 1, 2}, {N, 3},
                                           {1, 4},  {1 - N, 5}, {0, 0},     {7, 0}};
    for (const auto& [versatz, richtung] : faelle) EXPECT_EQ(Schiff_Richtung_von_Versatz(versatz), richtung);
}

TEST(Schiffe, APassengerIsTakenFromTheHarbourAndLandsAtTheDestination) {
    Schiffswelt welt;
    const int von = Schiffswelt::hafen(zelle(3, 3)), nach = Schiffswelt::hafen(zelle(12, 3));
    Objekte[nach].Zaehler() = 2;
    const int p = PM_Person_erzeugen(false, zelle(3, 3), -1, 1);
    ASSERT_GE(p, 0);
    Personen[p].AuftragID() = 851;
    Personen[p].Hunger() = 100;
    Hafen_Passagier_hinzufuegen(Objekte[von].Hafen(), 99);
    Hafen_Passagier_hinzufuegen(Objekte[von].Hafen(), p);
    Schiff_hinzufuegen(Schiff{zelle(3, 3), zelle(3, 3), zelle(12, 3), zelle(3, 3), 0, p, 0, 3, 1});
    Schiff_Tick();
    EXPECT_EQ(Haefen[0].Anzahl, 1);
    EXPECT_EQ(Haefen[0].Passagiere[0], 99);
    EXPECT_EQ(Schiffe[0].Ziel, zelle(12, 3));
    ASSERT_GE(schritte_bis_ziel(0), 0);
    for (int t = 0; t < 6; ++t) Schiff_Tick();
    EXPECT_EQ(std::make_tuple(Personen[p].AuftragID(), Personen[p].Feld(), Personen[p].Zielfeld(),
                              Personen[p].Hunger()),
              std::make_tuple(852, zelle(12, 3), zelle(12, 3), 200));
    EXPECT_EQ(Objekte[nach].Zaehler(), 1);
    EXPECT_EQ(std::make_tuple(Schiffe[0].Auftrag, Schiffe[0].Ladung, Schiffe[0].Ziel, Schiffe[0].Warten),
              std::make_tuple(-1, -1, -1, 60));

    // A passenger who is no longer waiting (dead or gone) is not set down, and the
    // harbour still waits for the settler it asked for.
    Personen[p].AuftragID() = 0;
    Schiffe[0] = Schiff{zelle(12, 3), zelle(12, 3), -1, zelle(12, 3), 0, p, 0, 3, 1};
    Schiff_Tick();
    EXPECT_EQ(Personen[p].AuftragID(), 0);
    EXPECT_EQ(Objekte[nach].Zaehler(), 1) << "nobody landed";
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Schiffe[0].Auftrag, -1);
}

TEST(Schiffe, AHarbourThatIsGoneEndsTheTripAndNothingAboardIsLost) {
    // Goods: the destination vanished while the ship was under way; the load goes on to
    // the owner's other harbour, or is reported lost when there is none.
    for (bool anderer_hafen : {true, false}) {
        Schiffswelt welt;
        const int ausweich = anderer_hafen ? Schiffswelt::hafen(zelle(20, 10)) : -1;
        if (ausweich >= 0) {
            Objektzeile& h = Objekte[ausweich];
            h.Slot_Ware(0) = 2;
            h.Slot_Bestand(0) = h.Slot_Bestellt(0) = h.Slot_Reserviert(0) = 0;
        }
        Schiff_hinzufuegen(Schiff{zelle(6, 3), zelle(6, 3), -1, zelle(6, 3), 0, 2, 3, 1, 1});
        Schiff_Tick();
        EXPECT_TRUE(Kernwelt::gemeldet());
        if (anderer_hafen) {
            ASSERT_EQ(Schiffe[0].Ziel, zelle(20, 10));
            ASSERT_GE(schritte_bis_ziel(0), 0);
            for (int t = 0; t < 6; ++t) Schiff_Tick();
            EXPECT_EQ(OM_Lagerbestand(ausweich), 3) << "the load arrived";
            EXPECT_EQ(Objekte[ausweich].Slot_Bestellt(0), 0);
        }
        EXPECT_EQ(std::make_tuple(Schiffe[0].Auftrag, Schiffe[0].Ladung, Schiffe[0].Ladungsmenge),
                  std::make_tuple(-1, -1, 0));
    }
    // Goods: the source is gone at the first stop; nothing is loaded and the target stops
    // waiting for the promised units.
    {
        Schiffswelt welt;
        const int nach = Schiffswelt::hafen(zelle(12, 3));
        Objekte[nach].Slot_Ware(0) = 2;
        Objekte[nach].Slot_Bestand(0) = 0;
        Objekte[nach].Slot_Bestellt(0) = 4;
        Schiff_hinzufuegen(Schiff{zelle(3, 3), zelle(3, 3), zelle(12, 3), zelle(3, 3), 0, 2, 4, 1, 1});
        Schiff_Tick();
        EXPECT_TRUE(Kernwelt::gemeldet());
        EXPECT_EQ(Objekte[nach].Slot_Bestellt(0), 0);
        EXPECT_EQ(std::make_tuple(Schiffe[0].Auftrag, Schiffe[0].Ladungsmenge), std::make_tuple(-1, 0));
    }
    // A passenger: the departure harbour is gone; nobody boards and nobody lands.
    {
        Schiffswelt welt;
        const int nach = Schiffswelt::hafen(zelle(12, 3));
        Objekte[nach].Zaehler() = 2;
        const int p = PM_Person_erzeugen(false, zelle(3, 4), -1, 1);
        ASSERT_GE(p, 0);
        Personen[p].AuftragID() = 851;
        Schiff_hinzufuegen(Schiff{zelle(3, 3), zelle(3, 3), zelle(12, 3), zelle(3, 3), 0, p, 0, 3, 1});
        Schiff_Tick();
        EXPECT_TRUE(Kernwelt::gemeldet());
        EXPECT_EQ(Schiffe[0].Auftrag, -1);
        for (int t = 0; t < 400; ++t) Schiff_Tick();
        EXPECT_EQ(std::make_tuple(Personen[p].AuftragID(), Personen[p].Feld()),
                  std::make_tuple(851, zelle(3, 4)));
        EXPECT_EQ(Objekte[nach].Zaehler(), 2);
    }
}

TEST(Schiffe, AGoodsShipCarriesOnlyWhatItFoundAtTheSource) {
    Schiffswelt welt;
    const int von = Schiffswelt::hafen(zelle(3, 3));
    Schiffswelt::hafen(zelle(6, 3));
    Objekte[von].Slot_Ware(0) = 2;
    Objekte[von].Slot_Bestand(0) = 0;
    Schiff_hinzufuegen(Schiff{zelle(3, 3), zelle(3, 3), zelle(6, 3), zelle(3, 3), 0, 2, 4, 1, 1});
    Schiff_Tick();
    EXPECT_EQ(std::make_tuple(Schiffe[0].Ziel, Schiffe[0].Naechstes_Ziel, Schiffe[0].Ladungsmenge),
              std::make_tuple(zelle(6, 3), -1, 0));
    ASSERT_GE(schritte_bis_ziel(0), 0);
    for (int t = 0; t < 6; ++t) Schiff_Tick();
    EXPECT_EQ(
        std::make_tuple(Schiffe[0].Auftrag, Schiffe[0].Ladung, Schiffe[0].Ladungsmenge, Schiffe[0].Warten),
        std::make_tuple(-1, -1, 0, 60));
}

TEST(Schiffe, AGoodsLoadThatCannotBeCarriedWholeTakesItsPromisesBack) {
    // Four units were promised at the source and expected at the target. The source holds
    // only one: the three it cannot give are no longer promised nor expected.
    {
        Schiffswelt welt;
        const int von = Schiffswelt::hafen(zelle(3, 3));
        const int nach = Schiffswelt::hafen(zelle(6, 3));
        Objekte[von].Slot_Ware(0) = Objekte[nach].Slot_Ware(0) = 2;
        Objekte[von].Slot_Bestand(0) = 1;
        Objekte[von].Slot_Reserviert(0) = 4;
        Objekte[nach].Slot_Bestand(0) = 0;
        Objekte[nach].Slot_Bestellt(0) = 4;
        Schiff_hinzufuegen(Schiff{zelle(3, 3), zelle(3, 3), zelle(6, 3), zelle(3, 3), 0, 2, 4, 1, 1});
        Schiff_Tick();
        EXPECT_EQ(Schiffe[0].Ladungsmenge, 1);
        EXPECT_EQ(std::make_pair(Objekte[von].Slot_Bestand(0), Objekte[von].Slot_Reserviert(0)),
                  std::make_pair(0, 0));
        EXPECT_EQ(Objekte[nach].Slot_Bestellt(0), 1);
    }
    // The target is gone before loading: the source keeps its units unpromised.
    {
        Schiffswelt welt;
        const int von = Schiffswelt::hafen(zelle(3, 3));
        Objekte[von].Slot_Ware(0) = 2;
        Objekte[von].Slot_Bestand(0) = 5;
        Objekte[von].Slot_Reserviert(0) = 3;
        Schiff_hinzufuegen(Schiff{zelle(3, 3), zelle(3, 3), zelle(12, 3), zelle(3, 3), 0, 2, 3, 1, 1});
        Schiff_Tick();
        EXPECT_TRUE(Kernwelt::gemeldet());
        EXPECT_EQ(std::make_pair(Objekte[von].Slot_Bestand(0), Objekte[von].Slot_Reserviert(0)),
                  std::make_pair(5, 0));
        EXPECT_EQ(Schiffe[0].Auftrag, -1);
    }
}

TEST(Schiffe, ABuildingDeliveryWaitsForThePersonOnTheFootprintAndUsesTheShipUp) {
    Schiffswelt welt;
    Spieler[1].Flugschiffe() = 1;
    const int anker = zelle(8, 8);
    Karte[anker + 1].Person() = 5;
    Schiff_hinzufuegen(Schiff{anker, anker, 1, anker, 0, -1, 0, 2, 1});
    Schiff_Tick();
    EXPECT_EQ(Schiff_Anzahl, 1);
    EXPECT_EQ(Spieler[1].Flugschiffe(), 2);
    Karte[anker + 1].Person() = -1;
    Schiff_Tick();
    EXPECT_EQ(Schiff_Anzahl, 0);
    EXPECT_EQ(Spieler[1].Flugschiffe(), 1);
}

TEST(Schiffe, BadOrdersAndTargetsMakeTheShipIdle) {
    Schiffswelt welt;
    Schiff_hinzufuegen(Schiff{zelle(8, 8), zelle(8, 8), -1, zelle(8, 8), 0, -1, 0, 7, 1});
    Schiff_hinzufuegen(Schiff{zelle(8, 8), -1, -1, zelle(8, 8), 0, -1, 0, 1, 1});
    Schiff_Tick();
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(std::make_tuple(Schiffe[0].Auftrag, Schiffe[1].Auftrag), std::make_tuple(-1, -1));
}

TEST(Schiffe, SaveAndLoadGiveTheSameShipsWithoutCountingThemAgain) {
    Schiffswelt welt;
    bhmtest::TempDir dir;
    const std::string a = dir.path().string() + "/HS.sav", b = dir.path().string() + "/HS2.sav";
    Schiff_hinzufuegen(Schiff{zelle(8, 8), zelle(9, 9), zelle(1, 1), zelle(7, 8), 4, 3, 2, 1, 1});
    Schiff_hinzufuegen(Schiff{zelle(2, 2), -1, -1, zelle(2, 2), 30, -1, 0, -1, 0});
    ASSERT_TRUE(Schiff_File_Save(a));
    const std::vector<Schiff> vorher(Schiffe.begin(), Schiffe.begin() + Schiff_Anzahl);
    Schiff_Liste_leeren();
    Spieler[1].Flugschiffe() = 1;
    Schiff_File_Load(a);
    ASSERT_EQ(Schiff_Anzahl, 2);
    for (int i = 0; i < 2; ++i) {
        const Schiff &x = vorher[i], &y = Schiffe[i];
        EXPECT_EQ(std::make_tuple(x.Feld, x.Ziel, x.Naechstes_Ziel, x.Vorher, x.Warten, x.Ladung,
                                  x.Ladungsmenge, x.Auftrag, x.Besitzer),
                  std::make_tuple(y.Feld, y.Ziel, y.Naechstes_Ziel, y.Vorher, y.Warten, y.Ladung,
                                  y.Ladungsmenge, y.Auftrag, y.Besitzer));
    }
    EXPECT_EQ(Spieler[1].Flugschiffe(), 1);
    ASSERT_TRUE(Schiff_File_Save(b));
    EXPECT_EQ(Datei_lesen(a), Datei_lesen(b));

    ASSERT_TRUE(Textdatei_schreiben(
        a, {"1/2/3", "5/-1/-1/5/0/-1/0/9/1", "99999/-1/-1/5/0/-1/0/-1/1", "5/-1/-1/5/0/-1/0/-1/1"}));
    Schiff_Liste_leeren();
    Schiff_File_Load(a);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(Schiff_Anzahl, 1);
}

}  // namespace

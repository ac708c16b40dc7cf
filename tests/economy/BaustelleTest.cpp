#include "economy/Baustelle.h"

#include <gtest/gtest.h>

#include <tuple>

#include "economy/Baumenue.h"
#include "economy/Bauvorschau.h"
#include "economy/Bauwelt.h"
#include "economy/Objekte.h"
#include "economy/Schutt.h"
#include "foundation/Info.h"
#include "foundation/Spielstatus.h"
#include "population/Befehlsliste.h"
#include "population/Personen.h"
#include "world/Gelaende.h"
#include "world/Ressourcen.h"

namespace {

using bhmtest::Bauwelt;
using bhmtest::Kernwelt;
constexpr int A = Bauwelt::Anker;

auto befehl(const Job_Befehl& b) { return std::make_tuple(b.Befehl, b.Feld, b.Typ, b.Ware, b.Lohn, b.Menge); }

// A site of the type placed at A for the clan and created on its levelled footprint,
// with only the orders of its creation in the list; its object.
int angelegte_baustelle(int typ, int clan) {
    EXPECT_TRUE(BPU_Baustelle_setzen(A, typ, clan));
    JU_Befehlsliste.clear();
    EXPECT_TRUE(BPU_Bauplatz_belegen_pruefen(A, typ));
    BPU_Baustelle_anlegen(A, typ, clan);
    return Bauwelt::feld(A).Objekt();
}

TEST(Baustelle, CellTest) {
    {
        Bauwelt w;
        EXPECT_EQ(BPU_Feld_bebaubar(A), 4);
        Bauwelt::feld(A).LandType() = 5;
        EXPECT_EQ(BPU_Feld_bebaubar(A), 5);
    }
    const struct {
        const char* name;
        int feld;
        void (*vorbereiten)();
    } faelle[] = {
        {"first cell", 0, [] {}},
        {"last cell", 255, [] {}},
        {"blocking ambient", A, [] { Bauwelt::feld(A).Ambiente() = 7; }},
        {"reserved", A, [] { Bauwelt::feld(A).Block() = 0; }},
        {"beach", A, [] { Bauwelt::feld(A).LandType() = 2; }},
        {"mountain", A, [] { Bauwelt::feld(A).LandType() = 6; }},
        {"beach next to it", A, [] { Bauwelt::feld(A - 1).LandType() = 1; }},
        {"mountain next to it", A, [] { Bauwelt::feld(A + 16).LandType() = 6; }},
        {"neighbour beyond the map", 250, [] {}},
    };
    for (const auto& f : faelle) {
        Bauwelt welt;
        f.vorbereiten();
        EXPECT_EQ(BPU_Feld_bebaubar(f.feld), -1) << f.name;
    }
}

TEST(Baustelle, LevelSiteCostsNothingButNeedsGold) {
    Bauwelt w;
    Platzierungsmodus = true;
    Bau_Typ = 0;
    EXPECT_EQ(BPU_Bauplatz_pruefen(A, 0), 0);
    Spieler[0].Gold() = 0;
    EXPECT_FALSE(BPU_Baustelle_setzen(A, 0, 0)) << "gold must exceed the cost";
    EXPECT_TRUE(Platzierungsmodus);
    Spieler[0].Gold() = 1;
    ASSERT_TRUE(BPU_Baustelle_setzen(A, 0, 0));
    EXPECT_FALSE(Platzierungsmodus);
    EXPECT_EQ(Bau_Typ, -1);
    EXPECT_EQ(Spieler[0].Gold(), 1);
    EXPECT_EQ(Spieler[0].Baulohn_reserviert(), 0);
    EXPECT_EQ(std::make_tuple(Spieler[0].Baustellen(), Spieler[0].Baustellen_gesamt()),
              std::make_tuple(1, 1));
    ASSERT_EQ(Bauwelt::auftraege(0).size(), 1u);
    EXPECT_EQ(befehl(Bauwelt::auftraege(0)[0]), std::make_tuple(500, A, 0, 0, 0, 0));
    for (int c : {A, A + 1, A - 16}) EXPECT_EQ(Bauwelt::feld(c).Block(), 1);
    EXPECT_EQ(Bauwelt::feld(A).Ambiente(), 5);
    EXPECT_EQ(Bauwelt::feld(A).Objekt(), -1000);
    EXPECT_EQ(BMU_Zaehler[0][0], (BMU_Eintrag{0, 1}));
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Baustelle, CostGrowsWithOpenSites) {
    const struct { int offen, kosten; } faelle[] = {{0, 2}, {1, 2}, {2, 2}, {3, 4}, {5, 8}};
    for (const auto& f : faelle) {
        Bauwelt w;
        Bauwelt::feld(A + 1).LandType() = 3;   // to level
        Bauwelt::feld(A - 16).Ambiente() = 6;  // a plant to clear
        Spieler[1].Baustellen() = f.offen;
        ASSERT_TRUE(BPU_Baustelle_setzen(A, 0, 1)) << f.offen;
        EXPECT_EQ(Spieler[1].Gold(), 100 - f.kosten);
        EXPECT_EQ(Spieler[1].Baulohn_reserviert(), f.kosten);
        EXPECT_EQ(Bauwelt::auftraege(1)[0].Lohn, f.kosten);
        EXPECT_EQ(Bauwelt::feld(A).Block(), 1);
        EXPECT_EQ(Bauwelt::feld(A + 1).Block(), 0);
        EXPECT_EQ(Bauwelt::feld(A - 16).Block(), 0);
    }
}

TEST(Baustelle, RefusedSitesChangeNothing) {
    {
        Bauwelt w;
        Bauwelt::feld(A + 1).LandType() = 3;
        Spieler[0].Gold() = 1;  // the cost is 1
        EXPECT_FALSE(BPU_Baustelle_setzen(A, 0, 0));
        EXPECT_EQ(Bauwelt::feld(A).Block(), -1);
        EXPECT_TRUE(Bauwelt::auftraege(0).empty());
        EXPECT_EQ(GUI_Infoanzahl, 0) << "too little gold is silent";
    }
    {
        Bauwelt w;
        Bauwelt::feld(A + 2).LandType() = 2;  // a beach next to the east footprint cell
        Bau_Typ = -1;
        Platzierungsmodus = false;
        EXPECT_FALSE(BPU_Baustelle_setzen(A, 0, 1));
        ASSERT_EQ(GUI_Infoanzahl, 1);
        EXPECT_EQ(std::make_tuple(GUI_Infoliste[0].Event, GUI_Infoliste[0].Wert), std::make_tuple(280, A));
        EXPECT_FALSE(Platzierungsmodus) << "no placement of the human was running";
        EXPECT_EQ(Bauwelt::feld(A).Block(), -1);
        EXPECT_EQ(Spieler[1].Baustellen(), 0);
        EXPECT_FALSE(Kernwelt::gemeldet());
    }
    {
        Bauwelt w;
        EXPECT_FALSE(BPU_Baustelle_setzen(A, 9, 0));
        EXPECT_FALSE(BPU_Baustelle_setzen(A, 0, 7));
        EXPECT_TRUE(Kernwelt::gemeldet());
        // A template without footprint cells tests no cell: its anchor must still lie on the map.
        SBU_Bauplaetze[4].clear();
        EXPECT_FALSE(BPU_Baustelle_setzen(-40, 4, 0));
        EXPECT_TRUE(Kernwelt::gemeldet());
        EXPECT_EQ(Spieler[0].Baustellen(), 0);
    }
}

TEST(Baustelle, ComputerPlacementAndShipSites) {
    Bauwelt w;
    Platzierungsmodus = true;
    Bau_Typ = 2;
    ASSERT_TRUE(BPU_Baustelle_setzen(A, 3, 1));
    EXPECT_TRUE(Platzierungsmodus) << "a computer clan does not end the human's placement";
    EXPECT_EQ(Bau_Typ, 2);
    EXPECT_EQ(Spieler[1].Baulohn_reserviert(), 0);
    EXPECT_EQ(befehl(Bauwelt::auftraege(1)[0]), std::make_tuple(800, A, 3, 0, A, 0));
    EXPECT_EQ(BMU_Zaehler[1][4], (BMU_Eintrag{0, 1})) << "counted under the harbour template";
}

TEST(Baustelle, OnlyTheHumansRefusedClickRebuildsHisPreview) {
    for (int clan : {1, 0}) {
        Bauwelt w;
        Bauwelt::feld(A + 2).LandType() = 2;  // the footprint of type 0 does not fit at A
        Platzierungsmodus = true;
        Bau_Typ = 2;
        const BPU_Eintrag merker{-7, -7, -7, -7};
        BPU_Sichtliste = {merker};
        BPU_Sichtliste_Ende = 0;
        EXPECT_FALSE(BPU_Baustelle_setzen(A, 0, clan));
        EXPECT_TRUE(Platzierungsmodus);
        EXPECT_EQ(Bau_Typ, 2);
        const bool unberuehrt = BPU_Sichtliste_Ende == 0 && BPU_Sichtliste[0].x == -7;
        EXPECT_EQ(unberuehrt, clan != SpielerID) << "clan " << clan;
    }
}

TEST(Baustelle, OccupyingTheFootprint) {
    Bauwelt w;
    ASSERT_TRUE(BPU_Baustelle_setzen(A, 0, 0));
    Bauwelt::feld(A + 1).Block() = 0;
    EXPECT_FALSE(BPU_Bauplatz_belegen_pruefen(A, 0)) << "a cell still to level";
    Bauwelt::feld(A + 1).Block() = 1;
    Bauwelt::feld(A - 16).Person() = 3;
    EXPECT_FALSE(BPU_Bauplatz_belegen(A, 0));
    for (int c : {A, A + 1, A - 16}) EXPECT_EQ(Bauwelt::feld(c).Block(), 1);
    Bauwelt::feld(A - 16).Person() = -1;
    EXPECT_TRUE(BPU_Bauplatz_belegen_pruefen(A, 0));
    EXPECT_EQ(std::make_tuple(Bauwelt::feld(A).Block(), Bauwelt::feld(A + 1).Block(),
                              Bauwelt::feld(A - 16).Block()),
              std::make_tuple(1, 2, 1));
}

TEST(Baustelle, ReleasingAPlannedFootprint) {
    Bauwelt w;
    Bauwelt::feld(A + 1).LandType() = 3;
    ASSERT_TRUE(BPU_Baustelle_setzen(A, 0, 0));
    Bauwelt::feld(A - 16).Block() = 2;
    BPU_Bauplatz_aufheben(A, 0);
    EXPECT_EQ(std::make_tuple(Bauwelt::feld(A).Block(), Bauwelt::feld(A + 1).Block(),
                              Bauwelt::feld(A - 16).Block()),
              std::make_tuple(-1, -1, 2));
    EXPECT_EQ(Bauwelt::feld(A).Ambiente(), -1);
    EXPECT_EQ(Bauwelt::feld(A).Objekt(), -1) << "the planning code goes with the footprint";
}

TEST(Baustelle, SiteCreationEntersOneOrderPerMaterial) {
    Bauwelt w;
    SBU_Objekte[0].Baukosten[3] = {3, -2};
    SBU_Objekte[0].Baukosten[1] = {1, 0};  // nothing to fetch: no order that could never be used up
    const int o = angelegte_baustelle(0, 1);
    ASSERT_TRUE(OM_Objekt_gueltig(o));
    const auto a = Bauwelt::auftraege(1);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(befehl(a[0]), std::make_tuple(350, A, 0, 1, 0, 4));
    EXPECT_EQ(befehl(a[1]), std::make_tuple(350, A, 0, 2, 0, 2));
    EXPECT_EQ(befehl(a[2]), std::make_tuple(350, A, 0, 3, 0, 1)) << "a negative amount needs 1";
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    EXPECT_EQ(std::make_tuple(z.Baumaterial_Ware(0), z.Baumaterial_Ware(1), z.Baumaterial_Ware(2)),
              std::make_tuple(1, 1, 2));
    EXPECT_EQ(std::make_tuple(z.Baumaterial_Rest(0), z.Baumaterial_Rest(1), z.Baumaterial_Rest(2)),
              std::make_tuple(4, 0, 2));
    EXPECT_TRUE(OM_Baumaterial_fehlt(o));
    EXPECT_EQ(std::make_tuple(Bauwelt::feld(A).Block(), Bauwelt::feld(A).Ambiente()), std::make_tuple(0, 0));
    EXPECT_EQ(Spieler[1].Baustellen(), 1) << "not finished";
    // Progress: 7 needed.
    EXPECT_EQ(BPU_Baufortschritt_Prozent(o), 0);
    z.Baumaterial_Rest(0) = 1;
    z.Baumaterial_Rest(2) = 0;
    z.Baumaterial_Rest(3) = 1;
    EXPECT_EQ(BPU_Baufortschritt_Prozent(o), 71);
    // A withdrawn order of ware 1 with 4 units.
    BPU_Baumaterial_geliefert(1, o, 1, 0);
    EXPECT_EQ(z.Baumaterial_Rest(0), -3);
    BPU_Baumaterial_geliefert(0, o, 1, 0);  // no such material
    EXPECT_FALSE(Kernwelt::gemeldet());
    BPU_Baumaterial_geliefert(1, o, 1, 5);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Baustelle, MaterialThatNobodyBringsAnyMoreIsOrderedAgain) {
    Bauwelt w;
    // Type 0 needs 4 of ware 1 and 2 of ware 2.
    const int o = angelegte_baustelle(0, 1);
    ASSERT_TRUE(OM_Objekt_gueltig(o));
    ASSERT_EQ(Bauwelt::auftraege(1).size(), 2u);
    // Three units of ware 1 were taken: one carrier is on his way, two are gone with
    // their orders; both units of ware 2 were taken by a carrier who is gone.
    JU_Befehlsliste[1].Befehle[0].Menge = 1;
    JU_Befehl_entfernen(1, 1);
    const int traeger = PM_Person_erzeugen(false, 40, -1, 1);
    ASSERT_GE(traeger, 0);
    Personenzeile& t = Personen[static_cast<std::size_t>(traeger)];
    t.AuftragID() = 351;
    t.Auftragsziel2() = A;
    t.WarenID() = 1;
    BPU_Baumaterial_nachbestellen();
    auto a = Bauwelt::auftraege(1);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(befehl(a[0]), std::make_tuple(350, A, 0, 1, 0, 1));
    EXPECT_EQ(befehl(a[1]), std::make_tuple(350, A, 0, 1, 0, 2)) << "4 missing, 1 ordered, 1 carried";
    EXPECT_EQ(befehl(a[2]), std::make_tuple(350, A, 0, 2, 0, 2));
    BPU_Baumaterial_nachbestellen();
    EXPECT_EQ(Bauwelt::auftraege(1).size(), 3u) << "nothing is ordered twice";
    // Orders beyond the need are cut, orders naming no site of their clan struck.
    JU_Befehlsliste[1].Befehle[1].Menge = 5;
    JU_Befehl_eintragen(350, 1, A + 3, 0, 1, 0, 2);
    JU_Befehl_eintragen(350, 0, A, 0, 1, 0, 1);
    BPU_Baumaterial_nachbestellen();
    a = Bauwelt::auftraege(1);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(std::get<5>(befehl(a[0])) + std::get<5>(befehl(a[1])), 3) << "4 missing, 1 carried";
    EXPECT_TRUE(Bauwelt::auftraege(0).empty());
    // A site being demolished orders nothing and waits only for what its carrier brings.
    JU_Befehlsliste[1] = {};
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    z.Zustand() = 1;
    BPU_Baumaterial_nachbestellen();
    EXPECT_TRUE(Bauwelt::auftraege(1).empty());
    EXPECT_EQ(std::make_pair(z.Baumaterial_Rest(0), z.Baumaterial_Rest(2)), std::make_pair(1, 0));
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Baustelle, ProgressOfTenUnits) {
    Bauwelt w;
    SBU_Objekte[0].Baukosten[0] = {1, 10};
    SBU_Objekte[0].Baukosten[2] = {0, 0};
    const int o = OM_Objekt_anlegen(A, 0, 0);
    Objekte[static_cast<std::size_t>(o)].Baumaterial_Rest(0) = 3;
    EXPECT_EQ(BPU_Baufortschritt_Prozent(o), 70);
    Objekte[static_cast<std::size_t>(o)].Baumaterial_Rest(0) = 10;
    EXPECT_EQ(BPU_Baufortschritt_Prozent(o), 0);
    EXPECT_TRUE(BPU_Kein_Baumaterial(3));
    EXPECT_FALSE(BPU_Kein_Baumaterial(0));
}

TEST(Baustelle, SiteWithoutMaterialIsFinishedAtOnce) {
    Bauwelt w;
    angelegte_baustelle(4, 0);
    EXPECT_TRUE(Bauwelt::auftraege(0).empty());
    EXPECT_EQ(Spieler[0].Baustellen(), 0);
    EXPECT_EQ(BMU_Zaehler[0][4], (BMU_Eintrag{1, 1}));
}

TEST(Baustelle, ShipDeliveryBuildsAtOnce) {
    Bauwelt w;
    Bauwelt::feld(A + 1).LandType() = 3;
    Bauwelt::feld(A + 1).Ambiente() = 6;
    Bauwelt::feld(A - 16).Person() = 2;
    BPU_Baustelle_komplett_planieren(A, 0, 0);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_TRUE(Objekte.empty());
    EXPECT_EQ(std::make_tuple(Bauwelt::feld(A + 1).LandType(), Bauwelt::feld(A + 1).Ambiente(),
                              Bauwelt::feld(A + 1).Block()),
              std::make_tuple(4, -1, 1))
        << "levelled cells stay level";
    Bauwelt::feld(A - 16).Person() = -1;
    BPU_Baustelle_komplett_planieren(A, 3, 0);
    const int o = Bauwelt::feld(A).Objekt();
    ASSERT_TRUE(OM_Objekt_gueltig(o));
    EXPECT_FALSE(OM_Baumaterial_fehlt(o));
    EXPECT_EQ(std::make_tuple(Bauwelt::feld(A).Block(), Bauwelt::feld(A).Ambiente()), std::make_tuple(0, 3));
    EXPECT_EQ(BMU_Zaehler[0][4].Gebaut, 1);
}

TEST(Baustelle, VanishedBuildingLeavesStonesAndRubble) {
    for (const bool geliefert : {true, false}) {
        Bauwelt w;
        RandSeed = 7;
        SBU_Stone_IDs = {7};
        SBU_Trash_IDs = {8};
        std::vector<Bauplatzfeld> quadrat;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) quadrat.push_back({x + 16 * y, 0});
        SBU_Bauplaetze[0] = quadrat;
        const int anker = 2 + 2 * 16;
        for (const Bauplatzfeld& f : quadrat) Bauwelt::feld(anker + f.Versatz).Block() = 2;
        const int o = OM_Objekt_anlegen(anker, 0, 0);
        Bauwelt::feld(anker).Objekt() = o;
        Objekte[static_cast<std::size_t>(o)].Material_geliefert() = geliefert ? 1 : -1;
        BPU_Truemmer_verteilen(anker, 0);
        int steine = 0, schutt = 0;
        for (const Bauplatzfeld& f : quadrat) {
            const int c = anker + f.Versatz;
            const Kartenfeld& k = Bauwelt::feld(c);
            if (!MG_Raster_gerade(c)) {
                EXPECT_EQ(std::make_tuple(k.Ambiente(), k.Block()), std::make_tuple(-1, -1)) << c;
                continue;
            }
            if (k.Ambiente() == 7) {
                ++steine;
                EXPECT_EQ(k.Block(), 2) << "the stone blocks";
            } else if (k.Ambiente() == 8) {
                ++schutt;
                EXPECT_NE(SchU_Schutt_Index(c), -1);
            }
        }
        EXPECT_EQ(SchU_Schutt_Anzahl, schutt);
        EXPECT_GT(schutt, 0);
        if (geliefert) {
            EXPECT_GT(steine, 0) << "16 tries at 1 in 5";
            EXPECT_LE(steine, 4) << "no more stones than the 4 units of the stone material";
        } else {
            EXPECT_EQ(steine, 0);
        }
        EXPECT_EQ(Objekte[static_cast<std::size_t>(o)].Material_geliefert(), 0);
    }
}

}  // namespace

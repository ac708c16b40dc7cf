#include "economy/Bauvorschau.h"

#include <gtest/gtest.h>

#include <tuple>

#include "economy/Bauwelt.h"
#include "economy/Objekte.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"

namespace {

using bhmtest::Bauwelt;
using bhmtest::Kernwelt;
constexpr int A = Bauwelt::Anker;

// The whole 16 x 16 map on screen.
struct Vorschauwelt : Bauwelt {
    Vorschauwelt() {
        SX = 0;
        SY = 400;
        Sichtbereich_1_von = Sichtbereich_2_von = 0;
        Sichtbereich_1_bis = Sichtbereich_2_bis = 15;
        SBU_Start_ID = 2;
    }
    ~Vorschauwelt() {
        BPU_Sichtliste_leeren();
        BPU_Objektliste_leeren();
        BPU_PFU_Indexliste.clear();
    }
    static const BPU_Eintrag* eintrag(const std::vector<BPU_Eintrag>& liste, int ende, int index) {
        for (int i = 0; i <= ende; ++i)
            if (liste[static_cast<std::size_t>(i)].Index == index) return &liste[static_cast<std::size_t>(i)];
        return nullptr;
    }
    static const BPU_Eintrag* vorschau(int feld) {
        return eintrag(BPU_Sichtliste, BPU_Sichtliste_Ende, feld);
    }
};

TEST(Bauvorschau, PriceGrowsWithOpenSites) {
    const struct { int offen, preis; } faelle[] = {{0, 3}, {1, 3}, {2, 3}, {4, 9}};
    for (const auto& f : faelle) {
        Vorschauwelt w;
        for (Kartenfeld& k : Karte) k.LandType() = 3;
        Spieler[0].Baustellen() = f.offen;
        BPU_Baumodus_starten(0);
        EXPECT_TRUE(Platzierungsmodus);
        EXPECT_EQ(Bau_Typ, 0);
        EXPECT_EQ(Bauwelt::feld(A).Bauplatzwert(), f.preis);
        const BPU_Eintrag* e = Vorschauwelt::vorschau(A);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(std::make_tuple(e->x, e->y, e->Art),
                  std::make_tuple(20 * 5 + 10 * 5, -(7 * 3 + 10 * 5), f.preis));
        EXPECT_EQ(std::make_tuple(Bau_Felderzahl, Bau_Platzwert_max), std::make_tuple(2, f.preis))
            << "the lowest price stays at the footprint size when no cell is cheaper";
        // A cell at the border does not fit: negative price, no entry.
        EXPECT_LT(Bauwelt::feld(16).Bauplatzwert(), 0);
        EXPECT_EQ(Vorschauwelt::vorschau(16), nullptr);
    }
}

TEST(Bauvorschau, DearCellsAndCellsInUse) {
    Vorschauwelt w;
    Spieler[0].Baustellen() = 1001;
    Bauwelt::feld(A).LandType() = 3;
    Bauwelt::feld(A + 32).Block() = 1;
    Bauwelt::feld(A + 32).Bauplatzwert() = 77;
    BPU_Baumodus_starten(1);
    const BPU_Eintrag* e = Vorschauwelt::vorschau(A);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Art, 1000);
    EXPECT_EQ(Bau_Platzwert_max, 0) << "a price of 1000 or more is listed but not the highest";
    EXPECT_EQ(Bau_Felderzahl, 0) << "level cells cost nothing";
    EXPECT_EQ(Bauwelt::feld(A + 32).Bauplatzwert(), 77) << "a cell in use keeps its old price";
    EXPECT_EQ(Vorschauwelt::vorschau(A + 32), nullptr);
}

TEST(Bauvorschau, RepeatTemplate) {
    Vorschauwelt w;
    const struct { int typ, vorlage; } faelle[] = {{0, 0}, {2, -1}, {3, -1}, {4, -1}, {1, 1}};
    for (const auto& f : faelle) {
        BPU_Baumodus_starten(f.typ);
        EXPECT_EQ(Bauplatz_Vorlage, f.vorlage) << f.typ;
    }
    BPU_Baumodus_starten(-1);
    EXPECT_EQ(BPU_Sichtliste_Ende, -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Bauvorschau, ObjectListHoldsVisibleBuildingsAndSites) {
    Vorschauwelt w;
    const int o = OM_Objekt_anlegen(A, 0, 0);
    Bauwelt::feld(A).Objekt() = o;
    Bauwelt::feld(A + 3).Objekt() = -1000;  // a planned site of type 0
    BPU_Sichtliste_Objekte();
    ASSERT_EQ(BPU_Objektliste_Ende, 1) << "one entry each: the footprint cell that is not solid";
    const BPU_Eintrag& g = BPU_Objektliste[0];
    EXPECT_EQ(std::make_tuple(g.x, g.y, g.Art, g.Index), std::make_tuple(20 * 6 + 50, -(28 + 50), 0, o));
    const BPU_Eintrag& s = BPU_Objektliste[1];
    EXPECT_EQ(std::make_tuple(s.x, s.Art, s.Index), std::make_tuple(20 * 9 + 50, -1000, -1000));
    // The anchors' column out of view: nothing is listed, though the other cells are on screen.
    Sichtbereich_1_von = 6;
    Sichtbereich_1_bis = 7;
    BPU_Sichtliste_Objekte();
    EXPECT_EQ(BPU_Objektliste_Ende, -1);
    // Off screen by the view offset.
    Sichtbereich_1_von = 0;
    Sichtbereich_1_bis = 15;
    SX = -300;
    BPU_Sichtliste_Objekte();
    EXPECT_EQ(BPU_Objektliste_Ende, -1);
}

TEST(Bauvorschau, ListsGrowByAHundredAndKeepTheirLength) {
    Vorschauwelt w;
    BPU_Sichtliste.clear();
    for (int i = 0; i < 101; ++i) BPU_Sichtliste_hinzu(i, i, i, i);
    EXPECT_EQ(BPU_Sichtliste.size(), 200u);
    EXPECT_EQ(BPU_Sichtliste_Ende, 100);
    BPU_Sichtliste_leeren();
    EXPECT_EQ(BPU_Sichtliste.size(), 200u);
    EXPECT_EQ(BPU_Sichtliste_Ende, -1);
    EXPECT_EQ(BPU_Sichtliste[50].Art, 0);
}

TEST(Bauvorschau, DeveloperOverlays) {
    Vorschauwelt w;
    Personen.resize(4);
    Personen[1].Hunger() = 1;
    Personen[1].PfadID() = 0;
    Personen[1].AuftragID() = 600;
    Personen[2].Hunger() = 1;
    Personen[2].PfadID() = -1;
    Personen[2].AuftragID() = 601;
    Bauwelt::feld(A).Person() = 1;
    Bauwelt::feld(A + 1).Person() = 2;
    Bauwelt::feld(A + 2).Block() = 2;
    Bauwelt::feld(A + 3).Ambiente() = 6;
    SBU_ID_hole = 6;
    Bauwelt::feld(A + 4).Ambiente() = 6;
    Bauwelt::feld(A + 4).Block() = 1;

    BPU_Sichtliste_Personen();
    EXPECT_EQ(BPU_Sichtliste_Ende, 1);
    EXPECT_EQ(Vorschauwelt::vorschau(A)->Art, 1) << "a stored path";
    EXPECT_EQ(Vorschauwelt::vorschau(A + 1)->Art, 0);
    EXPECT_EQ(std::make_tuple(Bau_Felderzahl, Bau_Platzwert_max), std::make_tuple(0, 1));

    BPU_Sichtliste_Belegung();
    EXPECT_EQ(BPU_Sichtliste_Ende, 1);
    EXPECT_EQ(Vorschauwelt::vorschau(A + 2)->Art, 2);
    EXPECT_EQ(Vorschauwelt::vorschau(A + 4)->Art, 1);
    EXPECT_EQ(std::make_tuple(Bau_Felderzahl, Bau_Platzwert_max), std::make_tuple(0, 2));

    BPU_Sichtliste_Tiere();
    EXPECT_EQ(BPU_Sichtliste_Ende, 3);
    EXPECT_EQ(Vorschauwelt::vorschau(A)->Art, 1);
    EXPECT_EQ(Vorschauwelt::vorschau(A + 1)->Art, 2);
    EXPECT_EQ(Vorschauwelt::vorschau(A + 3)->Art, 4);
    EXPECT_EQ(Vorschauwelt::vorschau(A + 4)->Art, 0) << "a reserved hole";

    BPU_Sichtliste_Markierung();
    EXPECT_EQ(BPU_PFU_Indexliste.size(), Karte.size() + 1);
    EXPECT_EQ(BPU_Sichtliste_Ende, -1);
    BPU_PFU_Indexliste[A] = 7;
    BPU_Sichtliste_Markierung();
    EXPECT_EQ(BPU_Sichtliste_Ende, 0);
    EXPECT_EQ(Vorschauwelt::vorschau(A)->Art, 1);
    EXPECT_EQ(Bau_Felderzahl, 0);
    Personen.clear();
}

}  // namespace

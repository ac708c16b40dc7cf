#include "world/Karte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Diagramm.h"
#include "economy/Objekte.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"

namespace {

using bhmtest::Kernwelt;

TEST(Karte, SizeChoices) {
    Kernwelt welt;
    const struct {
        int wahl, seite;
        bool meldung;
    } faelle[] = {{0, 256, false}, {1, 320, false}, {5, 576, false},
                  {9, 832, false}, {10, 512, true}, {-1, 512, true}};
    for (const auto& f : faelle) {
        EXPECT_EQ(MG_Groesse_aus_Wahl(f.wahl), f.seite) << f.wahl;
        EXPECT_EQ(Kernwelt::gemeldet(), f.meldung) << f.wahl;
    }
    EXPECT_EQ(MG_Groesse_aus_Wahl(11), 512);
    EXPECT_EQ(Fehlertext, "Nicht abgefangener SingelGameGroessenWahl :11");
}

TEST(Karte, NewMapHoldsMinusOneEverywhere) {
    Kernwelt welt;
    std::vector<Kartenfeld> karte;
    MG_Karte_anlegen(256, karte);
    ASSERT_EQ(karte.size(), 256u * 256u);
    for (const Kartenfeld& k : karte)
        for (int v : k.f) ASSERT_EQ(v, -1);
    MG_Karte_anlegen(0, karte);
    MG_Karte_anlegen(MG_Kartengroesse_max + 1, karte);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(karte.size(), 256u * 256u) << "a refused size leaves the map";

    Karte = karte;
    MG_Kartengroesse = 256;
    MG_Hoehen_loeschen();
    for (const Kartenfeld& k : Karte) ASSERT_EQ(k.LandType(), 0);
}

TEST(Karte, RandomGridCellsLieOnTheGrid) {
    Kernwelt welt;
    MG_Kartengroesse = 512;
    for (int i = 0; i < 500; ++i) {
        const int c = MG_Zufallsrasterfeld();
        const int x = c % 512, y = c / 512;
        EXPECT_EQ(x % 25, 0);
        EXPECT_EQ(y % 25, 0);
        EXPECT_GE(std::min(x, y), 50);
        EXPECT_LE(std::max(x, y), 450);
    }
}

struct PackZeuge : RenderSeam {
    int freigegeben = 0, geloescht = 0;
    void ML_Iconpacks_freigeben() override { ++freigegeben; }
    void ML_Packlisten_loeschen() override { ++geloescht; }
};

TEST(Karte, WorldResetEmptiesTheTablesAndKeepsPacksForARepair) {
    Kernwelt welt;
    PackZeuge zeuge;
    Render_setzen(&zeuge);
    SBU_Objekte = {bhmtest::Gebaeude("Produktion", 2)};
    GU_Spieler_erstellen(2);
    BMU_Tabelle_anlegen();
    BMU_Seitenanfang = 25;
    OM_Objekt_anlegen(30, 0, 0);
    Personen.resize(100);
    Personen_hoechster_Index = 3;
    Geschlecht_Zaehler = 2;
    Spielgeschwindigkeit = 8;
    DiaU_Startpunkt = 7;
    Fil_Gst = true;
    SBU_Fehlwaren = {3};
    // The end of a lost game leaves the pause on; a placement or a selection may be open too.
    Pause = Platzierungsmodus = true;
    Bau_Typ = 5;
    Gewaehltes_Objekt = 0;

    MG_Welt_zuruecksetzen();
    EXPECT_TRUE(Spieler.empty() && Personen.empty() && Objekte.empty() && OB_Slots.empty());
    EXPECT_TRUE(BMU_Zaehler.empty() && SBU_Objekte.empty());
    EXPECT_EQ(BMU_Seitenanfang, 1);
    EXPECT_EQ(Personen_hoechster_Index, -1);
    EXPECT_EQ(Personen_Suchstart, 0);
    EXPECT_EQ(Geschlecht_Zaehler, 1) << "the next world's persons alternate from the start again";
    EXPECT_EQ(Spielgeschwindigkeit, 0);
    EXPECT_FALSE(Pause) << "the next game starts running";
    EXPECT_FALSE(Platzierungsmodus);
    EXPECT_EQ(Bau_Typ, -1);
    EXPECT_EQ(Gewaehltes_Objekt, -1);
    EXPECT_EQ(DiaU_Startpunkt, 1);
    EXPECT_FALSE(Fil_Gst);
    EXPECT_TRUE(Fil_Gps && Fil_Rms);
    EXPECT_EQ(zeuge.freigegeben, 0) << "goods were missing: the packs stay for the repair run";
    EXPECT_EQ(zeuge.geloescht, 1);

    SBU_Fehlwaren.clear();
    MG_Welt_zuruecksetzen();
    EXPECT_EQ(zeuge.freigegeben, 1);
    Render_setzen(nullptr);
}

// Whether a person stands within the rings, read from the rows themselves.
bool person_im_umkreis_gelesen(int c0, int radius) {
    const int n = MG_Kartengroesse;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = std::max(-radius, -radius - dy); dx <= std::min(radius, radius - dy); ++dx) {
            const long long c = c0 + dx + static_cast<long long>(dy) * n;
            if (c != c0 && c >= 2 && c + 1 < static_cast<long long>(Karte.size()) &&
                Karte[static_cast<std::size_t>(c)].Person() >= 0)
                return true;
        }
    return false;
}

// The bits of occupied cells follow every write of a cell's person, and are read afresh
// after the map is made anew or its rows are replaced wholesale; on a crowded small map
// and on a larger one where few persons leave most of the map empty.
TEST(Karte, OccupiedCellBitsFollowEveryPersonWrite) {
    struct Fall {
        int seite, schreiben;
        std::vector<int> radien;
    };
    const Fall faelle[] = {{40, 60, {1, 3, 25}}, {150, 12, {1, 3, 9}}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE("side " + std::to_string(f.seite));
        Kernwelt welt(f.seite);
        const int felder = f.seite * f.seite;
        auto vergleichen = [&](const char* wann) {
            for (int c0 = 0; c0 < static_cast<int>(Karte.size()); ++c0) {
                ASSERT_EQ(MG_Feld_ohne_Person(c0), Karte[static_cast<std::size_t>(c0)].Person() == -1)
                    << wann << ", cell " << c0;
                for (int radius : f.radien)
                    ASSERT_EQ(MG_Person_im_Umkreis(c0, radius), person_im_umkreis_gelesen(c0, radius))
                        << wann << ", origin " << c0 << ", radius " << radius;
            }
            EXPECT_FALSE(MG_Feld_ohne_Person(-1));
            EXPECT_FALSE(MG_Feld_ohne_Person(static_cast<int>(Karte.size())));
        };
        vergleichen("empty map");
        // Persons arrive, move on and leave while the bits are in use.
        for (int runde = 0; runde < 4; ++runde) {
            for (int i = 0; i < f.schreiben; ++i)
                Karte[static_cast<std::size_t>(Random(felder))].Person() = Random(5) - 1;
            Karte[0].Person() = 3;
            Karte[static_cast<std::size_t>(felder - 1)].Person() = Karte[0].Person();
            // A damaged map's cell: no person, yet not empty either.
            Karte[static_cast<std::size_t>(Random(felder))].Person() = -2 - runde;
            vergleichen("after writes");
        }
        // A copy of a row is no cell of the map: writing it leaves the bits alone.
        Kartenfeld kopie = Karte[500];
        kopie.Person() = 7;
        vergleichen("after writing a copy");
        // Rows replaced wholesale, then the bits dropped as the map makers do.
        std::vector<Kartenfeld> andere = Karte;
        for (Kartenfeld& k : andere) k.f[Kartenfeld::Nr_Person] = 1;
        Karte = andere;
        MG_Personenbits_verwerfen();
        vergleichen("after replacing the rows");
        MG_Karte_anlegen(f.seite, Karte);
        vergleichen("new map");
    }
}

}  // namespace

// Whole worlds from the fixture templates: what every map type must keep, the
// same world from the same seed, the four quarters, the number of computer clans.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "platform/base/Zufall.h"
#include "world/Gelaende.h"
#include "world/Hoehen.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Ressourcen.h"
#include "world/Weltvorlagen.h"

namespace {

using bhmtest::Kernwelt;

// The land steps of a new world (heights, islands, ambient, resources).
void land_erzeugen(int typ, std::uint32_t seed) {
    MG_Welt_zuruecksetzen();
    bhmtest::Weltvorlagen_setzen();
    SingelGameTYPWahl = typ;
    SingelGameGroessenWahl = 0;
    MG_Kartengroesse = MG_Groesse_aus_Wahl(0);
    MG_Karte_anlegen(MG_Kartengroesse, Karte);
    RandSeed = seed;
    ASSERT_TRUE(MG_Kartentyp_erzeugen(typ));
    IU_Inseln_erzeugen();
    if (typ != 4) MG_Ambiente_verteilen();
    RU_Ressourcen_erfassen();
}

std::uint64_t karten_hash() {
    std::uint64_t h = 1469598103934665603ull;
    for (const Kartenfeld& k : Karte)
        for (int v : k.f) h = (h ^ static_cast<std::uint32_t>(v)) * 1099511628211ull;
    return h;
}

// The first cell that breaks a rule of a generated map, or "".
std::string regelverstoss() {
    const int n = MG_Kartengroesse;
    auto level = [](int c) { return Karte[static_cast<std::size_t>(c)].LandType(); };
    for (int c = 0; c < n * n; ++c) {
        const Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        const int x = c % n, y = c / n, l = k.LandType();
        const std::string wo = " at " + std::to_string(x) + "," + std::to_string(y);
        if (l < 0 || l > 20) return "level " + std::to_string(l) + wo;
        if ((x == 0 || y == 0 || x == n - 1 || y == n - 1) && l != 0) return "land on the edge" + wo;
        // Neighbours differ by one level at most (right, below, below left).
        if ((x + 1 < n && std::abs(l - level(c + 1)) > 1) || (y + 1 < n && std::abs(l - level(c + n)) > 1) ||
            (y + 1 < n && x > 0 && std::abs(l - level(c + n - 1)) > 1))
            return "a step of two levels" + wo;
        for (int t : {k.Textur1(), k.Textur2()})
            if (t < 0 || t > MG_Kachel_max) return "tile " + std::to_string(t) + wo;
        if (k.Ambiente() != -1 && !MG_ist_Ambiente(k.Ambiente())) return "ambient type" + wo;
        if (k.Block() != (l == 0 || MG_Ambiente_blockiert(c) ? 2 : -1)) return "block state" + wo;
        if (k.Person() != -1 || k.Objekt() != -1 || k.Bauplatzwert() != -1) return "leftover layer" + wo;
        if ((l == 0) != (k.Insel() == -1) || k.Insel() < -1) return "island" + wo;
    }
    int summe = 0;
    for (int z : IU_Landklassen) summe += z;
    if (summe != n * n) return "land classes count " + std::to_string(summe);
    if (IU_Landklassen[0] == n * n) return "no land";
    return "";
}

TEST(Weltgenerierung, EveryMapTypeKeepsTheRulesOfTheMap) {
    Kernwelt welt;
    for (int typ = 0; typ < 8; ++typ) {
        land_erzeugen(typ, 3u);
        ASSERT_EQ(MG_Kartengroesse, 256);
        EXPECT_EQ(regelverstoss(), "") << "type " << typ;
    }
}

TEST(Weltgenerierung, TheSameSeedGivesTheSameWorld) {
    Kernwelt welt;
    // One fixed world per map type; a change here means the draws changed order.
    const std::uint64_t erwartet[8] = {0x322ce334127b7111ull, 0x012da18e7f33717cull, 0xddc6cf7d1e9c1585ull,
                                       0xdf4d0d579465fa9cull, 0xdfcaac0495048f1full, 0xdb7ce463974562dbull,
                                       0x80e09e630941073full, 0xa0e8ec7379b4ac50ull};
    for (int typ = 0; typ < 8; ++typ) {
        land_erzeugen(typ, 20240601u);
        EXPECT_EQ(karten_hash(), erwartet[typ]) << "type " << typ;
        EXPECT_EQ(regelverstoss(), "") << "type " << typ;
    }
}

TEST(Weltgenerierung, FourQuartersAreCopiesOfOneDressedWorld) {
    Kernwelt welt;
    bhmtest::Weltvorlagen_setzen();
    SingelGameGroessenWahl = 0;
    // The quarter on its own: type 7 at half the side, dressed.
    MG_Kartengroesse = 128;
    MG_Karte_anlegen(128, Karte);
    RandSeed = 99;
    MG_Kartentyp_7();
    MG_Ambiente_verteilen();
    const std::vector<Kartenfeld> viertel = Karte;

    RandSeed = 99;
    MG_Kartentyp_4();
    ASSERT_EQ(MG_Kartengroesse, 256);
    ASSERT_EQ(Karte.size(), 256u * 256u);
    int loecher = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const Kartenfeld& k = Karte[static_cast<std::size_t>(x + y * 256)];
            ASSERT_EQ(k, viertel[static_cast<std::size_t>(x % 128 + (y % 128) * 128)]) << x << "," << y;
            loecher += MG_ist_Kaninchenbau(k.Ambiente());
        }
    EXPECT_GT(loecher, 0);
    EXPECT_EQ(loecher % 4, 0);
    EXPECT_EQ(Sichtbereich_1_bis, 127);
    EXPECT_EQ(Sichtbereich_2_bis, 127);
}

TEST(Weltgenerierung, ComputerClansByBuildingLand) {
    Kernwelt welt;
    const struct {
        int typ, wahl, bauland, clans;
        bool meldung;
    } faelle[] = {
        {2, 6, 20000, 2, false}, {2, 6, 5000, 1, false},  {2, 0, 90000, 0, false}, {2, -1, 90000, 0, false},
        {2, 1, 45000, 2, false}, {2, 3, 48000, 3, false}, {2, 7, 90000, 1, true},  {4, 0, 0, 3, false},
        {4, 6, 90000, 3, false}, {0, 5, 11999, 1, false}, {0, 5, 36000, 3, false},
    };
    for (const auto& f : faelle) {
        SingelGameTYPWahl = f.typ;
        SingelGameKIanzahl = f.wahl;
        IU_Landklassen[2] = f.bauland;
        EXPECT_EQ(MG_Computerclans_zaehlen(), f.clans) << f.typ << " " << f.wahl << " " << f.bauland;
        EXPECT_EQ(Kernwelt::gemeldet(), f.meldung) << f.wahl;
    }
}

TEST(Weltgenerierung, SetUpValuesOutOfRangeFallBackToTheirDefaults) {
    Kernwelt welt;
    SingelGameTYPWahl = 8;
    SingelGameGroessenWahl = 12;
    MG_Einstellungen_pruefen();
    EXPECT_EQ(SingelGameTYPWahl, SingelGameTYPWahl_Standard);
    EXPECT_EQ(SingelGameGroessenWahl, 4) << "the 512-cell fallback of the size rule";
    EXPECT_EQ(Fehlertext, "Nicht abgefangener SingelGameTYPWahl :8");
    Fehler_zuruecksetzen();
    MG_Einstellungen_pruefen();
    EXPECT_FALSE(Kernwelt::gemeldet()) << "reported once";

    // Called with bad values all the same, the generators neither divide by zero nor make anything.
    EXPECT_FALSE(MG_Kartentyp_erzeugen(-1));
    EXPECT_TRUE(Kernwelt::gemeldet());
    for (int g : {11, 18, 35, INT_MIN, INT_MAX}) {
        SingelGameGroessenWahl = g;
        MG_Kartengroesse = 256;
        MG_Karte_anlegen(256, Karte);
        MG_Kartentyp_6();
        EXPECT_EQ(Karte[0].LandType(), 0);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include "economy/Logik.h"
#include "economy/Sieg.h"
#include "population/Populationswelt.h"
#include "world/Karte.h"

namespace {

using namespace bhmtest;

long long Im_Umlauf() {
    long long s = 0;
    for (const Spielerzeile& z : Spieler) s += z.Gold() + z.Gemeinschaftskasse() + z.Baulohn_reserviert();
    for (const Personenzeile& p : Personen)
        if (p.Hunger() > 0) s += p.Gold();
    return s;
}

// Two clans of twelve live two years under every edict that moves gold: everyone ages twice,
// the clans' figures follow, and no gold is made or lost.
TEST(Jahre, TwoYearsOfLifeUnderTheEdictsKeepAgesAndGoldInStep) {
    Populationswelt welt;
    for (Kartenfeld& k : Karte) {  // one island of building land, so idle persons can step aside
        k.LandType() = 3;
        k.Insel() = 0;
        k.Block() = -1;
    }
    for (Spielerzeile& s : Spieler)
        for (int f : {11, 13, 14, 17, 22, 23, 36}) s.feld(f) = 1;
    GU = Im_Umlauf();
    std::vector<int> alter;
    for (int i = 0; i < 24; ++i) {
        const int p = PM_Person_erzeugen(false, 20 + i, -1, i % 2);
        P(p).Gold() = 20 * i;
        alter.push_back(P(p).Alter());
    }
    GU += 20 * (23 * 24 / 2) - 24 * 100;
    ASSERT_EQ(GU, Im_Umlauf());
    for (int schritt = 0; schritt < 2 * 1441; ++schritt) {
        Logik_Zeitschritt();
        Logik_Simulationsschritt();
    }
    EXPECT_EQ(Fehlertext, "");
    EXPECT_EQ(GU, Im_Umlauf());
    int walt = 0;
    for (int p = 0; p < 24; ++p) {
        EXPECT_EQ(P(p).Alter(), alter[static_cast<std::size_t>(p)] + 2);
        EXPECT_EQ(P(p).Hunger(), 150 - 2 * 1441 / 121) << "one a month of 121 steps";
        walt += P(p).Alter();
    }
    EXPECT_EQ(WAlt, walt);
    EXPECT_EQ(Spieler[0].Alter_Summe() + Spieler[1].Alter_Summe(), walt);
    for (const Spielerzeile& s : Spieler) {
        EXPECT_EQ(s.Mitglieder(), 12);
        EXPECT_EQ(s.Zufriedene() + s.Mittelzufriedene() + s.Unzufriedene(), 12);
    }
}

}  // namespace

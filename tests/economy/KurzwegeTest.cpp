// The short ways of the searches (hexagons read in memory order, walks stopped where
// nothing nearer can follow, far candidates passed over first) must not change what
// the simulation does: the same world runs ten years with them and with every search
// walked in full, and the state checksum agrees year by year.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/Inhaltswelt.h"
#include "common/Kernwelt.h"
#include "economy/Logik.h"
#include "population/Jobarchiv.h"

namespace {

constexpr int kJahre = 10;

// The checksum after each year of a new game on the game's own content; empty without content.
std::vector<std::uint64_t> Jahre(bool kurz) {
    bhmtest::Kernwelt welt;
    std::vector<std::uint64_t> summen;
    if (!bhmtest::Inhaltswelt_starten(welt, 7061, 2)) return summen;
    EXPECT_TRUE(SSL) << Fehlertext;
    JA_Schnellwege = kurz;
    for (int jahr = 0; jahr < kJahre; ++jahr) {
        for (int i = 0; i < bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
        summen.push_back(Logik_Pruefsumme());
    }
    JA_Schnellwege = true;
    return summen;
}

TEST(Kurzwege, TenYearsWithAndWithoutTheShortWaysEndInTheSameState) {
    const std::vector<std::uint64_t> voll = Jahre(false);
    if (voll.empty()) GTEST_SKIP() << "no game folder";
    const std::vector<std::uint64_t> kurz = Jahre(true);
    ASSERT_EQ(kurz.size(), voll.size());
    for (std::size_t j = 0; j < voll.size(); ++j) EXPECT_EQ(kurz[j], voll[j]) << "after year " << j + 1;
}

}  // namespace

// The short ways of the searches (hexagons read in memory order, walks stopped where
// nothing nearer can follow, far candidates passed over first) and of the step (a
// person who only counts, only the rabbit holes due in a step) must not change
// what the simulation does: the same world runs ten years with them and with every
// search walked and every step taken in full, and the state checksum and the rabbit
// holes agree year by year.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/Inhaltswelt.h"
#include "common/Kernwelt.h"
#include "economy/Logik.h"
#include "population/Jobarchiv.h"
#include "world/Hasen.h"

namespace {

constexpr int kJahre = 10;

// Every field of the holes in use, in order: the checksum leaves them out.
std::vector<int> Loecher() {
    Hase_Loecher_abgleichen();
    std::vector<int> felder;
    for (int i = 0; i < Hase_Anzahl; ++i) {
        const Hasenloch& h = Hase_Loecher[static_cast<std::size_t>(i)];
        felder.insert(felder.end(), {h.X, h.Y, h.Brutzaehler, h.Draussen, h.Reserviert, h.Anzahl, h.Start,
                                     h.Timer, h.Schritt, h.Position});
    }
    return felder;
}

struct Jahresstand {
    std::uint64_t summe;
    std::vector<int> loecher;
    bool operator==(const Jahresstand&) const = default;
};

// The state after each year of a new game on the game's own content; empty without content.
std::vector<Jahresstand> Jahre(bool kurz) {
    bhmtest::Kernwelt welt;
    std::vector<Jahresstand> summen;
    if (!bhmtest::Inhaltswelt_starten(welt, 7061, 2)) return summen;
    EXPECT_TRUE(SSL) << Fehlertext;
    JA_Schnellwege = kurz;
    for (int jahr = 0; jahr < kJahre; ++jahr) {
        for (int i = 0; i < bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
        summen.push_back({Logik_Pruefsumme(), Loecher()});
    }
    JA_Schnellwege = true;
    return summen;
}

TEST(Kurzwege, TenYearsWithAndWithoutTheShortWaysEndInTheSameState) {
    const std::vector<Jahresstand> voll = Jahre(false);
    ASSERT_FALSE(voll.empty()) << "the built game folder has no content";
    const std::vector<Jahresstand> kurz = Jahre(true);
    ASSERT_EQ(kurz.size(), voll.size());
    for (std::size_t j = 0; j < voll.size(); ++j) {
        EXPECT_EQ(kurz[j].summe, voll[j].summe) << "after year " << j + 1;
        EXPECT_TRUE(kurz[j].loecher == voll[j].loecher) << "rabbit holes after year " << j + 1;
    }
    // The holes were there to be stepped.
    EXPECT_FALSE(voll.back().loecher.empty());
}

}  // namespace

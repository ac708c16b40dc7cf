// Nothing of one game may leak into the next: a new game from the same seed and
// set-up is the same world, whatever ran before it in this process.
#include <gtest/gtest.h>

#include <cstdint>

#include "common/Inhaltswelt.h"
#include "common/Kernwelt.h"
#include "economy/Logik.h"
#include "foundation/Schablonen.h"
#include "population/Personen.h"
#include "world/Hasen.h"

namespace {

// A new game on the game's own content, run for half a year, then one more person
// when `geburt` is set; its checksum, 0 without content.
std::uint64_t Spiel(std::uint32_t seed, int kartentyp, bool geburt = false) {
    bhmtest::Kernwelt welt;
    if (!bhmtest::Inhaltswelt_starten(welt, seed, kartentyp)) return 0;
    EXPECT_TRUE(SSL) << Fehlertext;
    for (int i = 0; i < bhmtest::Schritte_je_Jahr / 2; ++i) bhmtest::Simulationsschritt();
    if (geburt) {
        const Personenzeile& erster = Personen.at(0);
        EXPECT_GE(PM_Person_erzeugen(false, erster.Feld(), -1, erster.Spieler()), 0);
    }
    return Logik_Pruefsumme();
}

TEST(NeuesSpiel, TwoNewGamesFromOneSeedInOneProcessAreTheSame) {
    const std::uint64_t erstes = Spiel(4711, 2);
    ASSERT_NE(erstes, 0u) << "the built game folder has no content";
    // Another game in between, ending on a birth, leaves its counters where it left them.
    Spiel(815, 1, true);
    EXPECT_EQ(Spiel(4711, 2), erstes);
}

// The templates name the good that hunted rabbits give; the new world hands it to the rabbits.
TEST(NeuesSpiel, TheRabbitsGiveTheGoodTheHuntingTemplateNames) {
    bhmtest::Kernwelt welt;
    ASSERT_TRUE(bhmtest::Inhaltswelt_starten(welt, 4711, 2)) << "no game folder";
    ASSERT_GE(Hasen_WarenID, 0);
    EXPECT_EQ(Hasen_WarenID, SBU_Kaninchenware);
    EXPECT_EQ(SBU_Waren.at(static_cast<std::size_t>(Hasen_WarenID)).Titel, "Wildbret");
}

}  // namespace

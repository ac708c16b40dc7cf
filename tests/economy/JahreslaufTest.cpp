// The default content as a living economy: a new world on the game's own content
// runs for many years with its computer clans and its human clan left to itself,
// and a clan keeps living through all of them. The figures of every year are
// printed, so a run shows how the clans fare.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "common/Inhaltswelt.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "population/Personen.h"

namespace {

constexpr std::uint32_t kSeed = 7061;
constexpr int kKartentyp = 2;
constexpr int kJahre = 12;

struct Clanstand {
    int Mitglieder = 0, Gebaeude = 0, Baustellen = 0, Gold = 0;
    long long Waren = 0;
};

Clanstand Stand(int clan) {
    Clanstand c;
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    c.Mitglieder = s.Mitglieder();
    c.Gold = s.Gold();
    c.Baustellen = s.Baustellen();
    for (Objektzeile& o : Objekte) {
        if (o.Feld() < 1 || o.Besitzer() != clan) continue;
        ++c.Gebaeude;
        for (int k = 0; k < Objekt_Warenslots; ++k)
            if (o.Slot_Ware(k) > 0) c.Waren += o.Slot_Bestand(k);
    }
    return c;
}

TEST(Jahreslauf, AClanLivesThroughManyYearsOnTheDefaultContent) {
    bhmtest::Kernwelt welt;
    ASSERT_TRUE(bhmtest::Inhaltswelt_starten(welt, kSeed, kKartentyp))
        << "the built game folder has no content";
    ASSERT_TRUE(SSL) << Fehlertext;
    ASSERT_GT(Spieler.size(), 1u);
    std::map<std::string, int> meldungen;
    int lebende_jahre = 0;
    for (int jahr = 1; jahr <= kJahre; ++jahr) {
        for (int i = 0; i < bhmtest::Schritte_je_Jahr; ++i) {
            bhmtest::Simulationsschritt();
            if (!Fehlertext.empty()) {
                ++meldungen[Fehlertext];
                Fehler_zuruecksetzen();
            }
        }
        int lebende = 0, personen = 0;
        for (const Personenzeile& p : Personen) personen += p.Hunger() >= 1;
        std::printf("Jahr %2d: %d Personen, GU %d\n", jahr, personen, GU);
        for (std::size_t clan = 0; clan < Spieler.size(); ++clan) {
            const Clanstand c = Stand(static_cast<int>(clan));
            lebende += c.Mitglieder > 0;
            std::printf("  Clan %zu: Mitglieder %d, Gebaeude %d, Baustellen %d, Gold %d, Waren %lld\n", clan,
                        c.Mitglieder, c.Gebaeude, c.Baustellen, c.Gold, c.Waren);
        }
        if (lebende > 0) ++lebende_jahre;
    }
    for (const auto& [text, anzahl] : meldungen) std::printf("Meldung (%dx): %s\n", anzahl, text.c_str());
    EXPECT_EQ(lebende_jahre, kJahre) << "no clan lived through every year";
    EXPECT_TRUE(meldungen.empty()) << "the years reported faults";
}

}  // namespace

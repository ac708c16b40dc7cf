// The player's walk into the iron mode: from the start screen the campaign begins with
// the shipped world waiting for its start building, and the player places it.
#include "app/Rundgang.h"

#include "economy/Bauvorschau.h"
#include "economy/Spieler.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"

namespace {

using namespace bhmtest;

TEST(Rundgang, EisenmodusBeginntMitDemStartgebaeude) {
    Rundgang g("eisenmodus");
    ASSERT_TRUE(g.am_Startbildschirm());
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    g.klicken("$IronmanPanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_IronmanPanel));
    g.foto("eiserner-modus");
    g.klicken("$IronmanStart");
    g.frames(2);
    ASSERT_TRUE(Spiel_laeuft()) << "the campaign is loaded";
    EXPECT_EQ(LSU_Letzter_Speichername, "IRONMODUS");
    ASSERT_EQ(Spieler_Startphase(SpielerID), 1) << "the campaign waits for the start building";
    EXPECT_TRUE(Platzierungsmodus);
    EXPECT_FALSE(Pause) << "the campaign runs";

    auto platz = markierter_Platz();
    Bild vorher = g.foto("startgebaeude-waehlen");
    ASSERT_TRUE(platz) << "no highlighted cell on the map view";
    g.platz_klicken(*platz, [] { return Spieler_Startphase(SpielerID) == 0; });
    g.frames(2);
    Bild nachher = g.foto("startgebaeude");
    EXPECT_EQ(Spieler_Startphase(SpielerID), 0) << "the start building stands";
    EXPECT_FALSE(Platzierungsmodus);
    Rechteck um{platz->x - 30, platz->y - 40, platz->x + 30, platz->y + 20};
    EXPECT_GT(Unterschied(vorher, nachher, um), 200) << "the building is drawn where it was placed";
}

}  // namespace

// The player's walk through the network set-up: from the start screen into the lobby, a new
// list of clans with one clan added and a colour changed, and back out by its buttons.
#include "app/Rundgang.h"

#include "foundation/Spielstatus.h"
#include "world/Kartengenerator.h"
#include "ui/Fenster_Lobby.h"

namespace {

using namespace bhmtest;

TEST(Rundgang, MehrspielerlisteUndZurueck) {
    Rundgang g("mehrspieler");
    ASSERT_TRUE(g.am_Startbildschirm());
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    const Punkt ruhe{5, 5};

    g.klicken("$Multiplayer");
    g.bewegen(ruhe);
    ASSERT_TRUE(Texteingabe_aktiv) << "the lobby window is open";
    g.foto("lobby");
    auto erstellen = g.zone(356);
    ASSERT_TRUE(erstellen) << "the lobby offers to set up a game";
    g.klicken(erstellen->mitte());
    g.bewegen(ruhe);
    ASSERT_TRUE(Fenster30_offen) << "the set-up list is open";
    ASSERT_TRUE(IFU_Lobby_aktiv);
    Bild liste = g.foto("einstellung");

    // Row 3 takes a clan: its add button turns into a remove button and the row gets a colour.
    auto dazu = g.zone(361);
    ASSERT_TRUE(dazu);
    ASSERT_FALSE(Lobby_Spieler[2].Aktiv);
    g.klicken(dazu->mitte());
    g.bewegen(ruhe);
    EXPECT_TRUE(Lobby_Spieler[2].Aktiv) << "row 3 takes a clan";
    Bild dritte = g.foto("dritte-zeile");
    EXPECT_GT(Unterschied(liste, dritte, *dazu), 20) << "the add button became a remove button";

    // The host's colour swatch: a click gives it a new colour.
    auto farbe = g.zone(369);
    ASSERT_TRUE(farbe);
    const Spieler_element vorher = Lobby_Spieler[0];
    for (int i = 0; i < 5 && Lobby_Spieler[0].Rot == vorher.Rot && Lobby_Spieler[0].Gruen == vorher.Gruen &&
                    Lobby_Spieler[0].Blau == vorher.Blau;
         ++i)
        g.klicken(farbe->mitte());
    g.bewegen(ruhe);
    EXPECT_FALSE(Lobby_Spieler[0].Rot == vorher.Rot && Lobby_Spieler[0].Gruen == vorher.Gruen &&
                 Lobby_Spieler[0].Blau == vorher.Blau)
        << "the host's row got a new colour";
    EXPECT_GT(Unterschied(dritte, g.foto("neue-farbe"), *farbe), 100) << "the swatch shows the new colour";

    // The resources chooser: its left arrow empties a step of the bar beside it.
    auto weniger = g.zone(167);
    ASSERT_TRUE(weniger);
    const int rohstoffe = SingelGamerohstoffWahl;
    ASSERT_TRUE(rohstoffe >= 1 && rohstoffe <= 6) << "the bar shows a step with one below it: " << rohstoffe;
    Bild vor_rohstoffen = g.foto("vor-rohstoffen");
    g.klicken(weniger->mitte());
    g.bewegen(ruhe);
    EXPECT_EQ(SingelGamerohstoffWahl, rohstoffe - 1);
    const Rechteck leiste{IFU_Fenstermitte_X + 45, IFU_Fenstermitte_Y + 60, IFU_Fenstermitte_X + 160,
                          IFU_Fenstermitte_Y + 95};
    EXPECT_GT(Unterschied(vor_rohstoffen, g.foto("weniger-rohstoffe"), leiste), 20)
        << "the bar shows one step less";

    // "Abbrechen" leads back to the lobby, and from there to the start screen.
    auto zurueck = g.zone(367);
    ASSERT_TRUE(zurueck);
    g.klicken(zurueck->mitte());
    EXPECT_TRUE(Texteingabe_aktiv);
    EXPECT_FALSE(Fenster30_offen);
    auto abbrechen = g.zone(355);
    ASSERT_TRUE(abbrechen);
    g.klicken(abbrechen->mitte());
    g.bewegen(ruhe);
    EXPECT_FALSE(Texteingabe_aktiv);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    g.foto("startbildschirm");
}

}  // namespace

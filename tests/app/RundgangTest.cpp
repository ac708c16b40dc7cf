// The player's walk from the start screen through a new game and back out.
#include "app/Rundgang.h"

#include "economy/Bauvorschau.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "platform/Fenster.h"

namespace {

using bhmtest::Rechteck;
using bhmtest::Rundgang;
using bhmtest::Unterschied;

bool enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

TEST(Rundgang, VomStartbildschirmInsSpielUndHinaus) {
    Rundgang g("spiel");
    // A player who switched the update check off: the walk needs no server.
    g.ordner().write("Config.ini", "[Allgemein]\r\nAutoUpdate=0\r\n");
    ASSERT_TRUE(g.starten());
    g.frames(2);
    Bild start = g.foto("startbildschirm");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));

    // Options: tick a box, move the volume knob.
    g.klicken("$OptionsPanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_OptionsPanel));
    const Rechteck box = g.feld_da("$MouseInvertX");
    const Rechteck schiene = g.feld_da("$MusikSlider", 0);
    Bild vorher = g.foto("optionen");
    g.klicken(box.mitte());
    g.klicken(g.feld_da("$MusikSlider", 7).mitte());
    g.bewegen({10, 10});
    Bild nachher = g.foto("optionen-geaendert");
    EXPECT_GT(Unterschied(vorher, nachher, box), box.breite() * box.hoehe() / 8)
        << "a ticked box differs from an unticked one";
    Rechteck schiene_ganz{schiene.links, schiene.oben, g.feld_da("$MusikSlider", 10).rechts, schiene.unten};
    Rechteck knopf_alt = schiene_ganz, knopf_neu = g.feld_da("$MusikSlider", 7);
    (void)knopf_alt;
    EXPECT_GT(Unterschied(vorher, nachher, knopf_neu), 0) << "the knob stands at the new step";
    EXPECT_TRUE(enthaelt(g.ordner().read("Config.ini"), "MausinverterX=1")) << g.ordner().read("Config.ini");

    // Set-up of a single game.
    g.klicken("$MainMenueButtom");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    g.klicken("$SingelGamePanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Einzelspieler));
    for (int i = 0; i < 5; ++i) g.klicken("$LandSizeMinus");
    g.foto("einzelspiel");
    g.klicken("$SingelGameStart");
    g.frames(3);
    g.foto("neues-spiel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameTutorial));
    ASSERT_TRUE(Platzierungsmodus);
}

}  // namespace

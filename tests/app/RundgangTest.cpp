// The player's walk from the start screen through a new game and back out.
#include "app/Rundgang.h"

#include <map>
#include <sstream>

#include "economy/Bauvorschau.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Schablonen.h"
#include "foundation/Sound.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "ui/Interaktiv.h"
#include "world/Karte.h"

namespace {

using namespace bhmtest;

bool enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

TEST(Rundgang, VomStartbildschirmInsSpielUndHinaus) {
    Rundgang g("spiel");
    // Where the pointer rests between stops: on the map, clear of bars and windows.
    const Punkt ruhe{1250, 300};
    // A player who switched the update check off: the walk needs no server.
    ASSERT_TRUE(g.am_Startbildschirm());
    // The title music sounds with the menu, played from its file.
    EXPECT_TRUE(SND_Musik_spielt(0));
    g.foto("startbildschirm");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));

    // Options: tick a box, move the volume knob.
    g.klicken("$OptionsPanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_OptionsPanel));
    {
        const Rechteck box = g.feld_da("$Autosave");
        const Rechteck knopf_alt = g.feld_da("$MusikSlider", 2), knopf_neu = g.feld_da("$MusikSlider", 7);
        Bild vorher = g.foto("optionen");
        g.klicken(box.mitte());
        g.klicken(knopf_neu.mitte());
        g.bewegen({10, 10});
        Bild nachher = g.foto("optionen-geaendert");
        EXPECT_GT(Unterschied(vorher, nachher, box), 16) << "the ticked box shows its tick";
        EXPECT_GT(Unterschied(vorher, nachher, knopf_neu), 16) << "the volume knob shows at its new step";
        EXPECT_GT(Unterschied(vorher, nachher, knopf_alt), 16) << "the volume knob leaves its old step";
        EXPECT_TRUE(enthaelt(g.ordner().read("Config.ini"), "AutosaveCheck=0"))
            << g.ordner().read("Config.ini");
    }

    // Set-up of a single game: the smallest map, then start.
    g.klicken("$MainMenueButtom");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    g.klicken("$SingelGamePanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Einzelspieler));
    for (int i = 0; i < 5; ++i) g.klicken("$LandSizeMinus");
    g.foto("einzelspiel");
    g.klicken("$SingelGameStart");
    g.frames(2);
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameTutorial));
    ASSERT_TRUE(Platzierungsmodus) << "a new game starts with placing the start building";
    EXPECT_FALSE(Pause) << "a new game runs";

    // The start building on a highlighted cell.
    {
        auto platz = markierter_Platz();
        ASSERT_TRUE(platz) << "no highlighted cell on the map view";
        Bild vorher = g.foto("startgebaeude-waehlen");
        g.platz_klicken(*platz, [] { return Spieler_Startphase(SpielerID) == 0; });
        g.frames(2);
        Bild nachher = g.foto("startgebaeude");
        EXPECT_EQ(Spieler_Startphase(SpielerID), 0) << "the start building stands";
        EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv));
        Rechteck um{platz->x - 30, platz->y - 40, platz->x + 30, platz->y + 20};
        EXPECT_GT(Unterschied(vorher, nachher, um), 200) << "the building is drawn where it was placed";
    }

    // The build window (key B), a building from it, placed on a highlighted cell.
    {
        const int baustellen = Spieler[static_cast<std::size_t>(SpielerID)].Baustellen();
        Bild vorher = g.foto("leiste");
        g.taste('B');
        ASSERT_TRUE(Baufenster_offen);
        Bild fenster = g.foto("baufenster");
        Rechteck erstes{IFU_Fenstermitte_X - 253, IFU_Fenstermitte_Y - 165, IFU_Fenstermitte_X - 173,
                        IFU_Fenstermitte_Y - 85};
        EXPECT_GT(Unterschied(vorher, fenster, erstes), 800) << "the build window shows its first building";
        g.klicken(erstes.mitte());
        ASSERT_TRUE(Platzierungsmodus) << "choosing a building starts placing it";
        const int typ = Bau_Typ;
        g.frames(1);
        auto platz = markierter_Platz();
        ASSERT_TRUE(platz) << "no highlighted cell for "
                           << "building type " << typ;
        g.platz_klicken(
            *platz, [&] { return Spieler[static_cast<std::size_t>(SpielerID)].Baustellen() > baustellen; });
        g.frames(1);
        g.foto("baustelle");
        EXPECT_FALSE(Platzierungsmodus);
        EXPECT_EQ(Spieler[static_cast<std::size_t>(SpielerID)].Baustellen(), baustellen + 1)
            << "a site was placed";
    }

    // Top speed: the button lights up; the world goes on until the clans have built.
    {
        const Rechteck knopf = g.feld_da("$MainPlay8Buttom");
        g.bewegen(ruhe);
        Bild vorher = g.foto("tempo-normal");
        g.klicken(knopf.mitte());
        g.bewegen(ruhe);
        Bild nachher = g.foto("tempo-hoch");
        EXPECT_EQ(Spielgeschwindigkeit, 8);
        EXPECT_GT(Unterschied(vorher, nachher, knopf), 16) << "the top speed button lights up";
        g.frames(300);
        g.bewegen(ruhe);
        g.foto("nach-einer-weile");
    }

    // The wheel zooms in and out again.
    {
        const int zoom = Zoomstufe;
        g.bewegen({640, 350});
        g.rad(1);
        EXPECT_GT(Zoomstufe, zoom);
        g.rad(-1);
        EXPECT_EQ(Zoomstufe, zoom);
    }

    // A building of every kind that stands on the map: a click shows it.
    {
        std::map<int, int> je_typ;  // building type -> one finished object of it
        for (int o = 0; o < static_cast<int>(Objekte.size()); ++o) {
            const Objektzeile& r = Objekte[static_cast<std::size_t>(o)];
            if (r.Feld() >= 1 && r.Zustand() == 0 && (!OM_Baumaterial_fehlt(o) || r.Ausbau() != -1))
                je_typ.emplace(r.Typ(), o);
        }
        EXPECT_GE(je_typ.size(), 3u) << "the clans have built a few kinds of building";
        std::ostringstream ohne_feld, ohne_anzeige;
        for (auto [typ, o] : je_typ) {
            g.zeigen(Objekte[static_cast<std::size_t>(o)].Feld());
            auto p = objekt_auf_dem_Schirm(o);
            if (!p) {
                ohne_feld << ' ' << typ;
                continue;
            }
            g.klicken(*p);
            // The start building answers with the clan's advice window, every other
            // building with its info window or production panel.
            const bool rat = ITP_Panel_sichtbar(ITP_SingelGameForschung) ||
                             ITP_Panel_sichtbar(ITP_SingelGameForschungAuswahl);
            if (Gewaehltes_Objekt == o &&
                (Objektinfo_offen || ITP_Panel_sichtbar(ITP_ObjektProduktionPanel) || rat))
                g.foto("gebaeude-" + std::to_string(typ));
            else
                ohne_anzeige << ' ' << typ;
            g.rechtsklicken(ruhe);
        }
        EXPECT_EQ(ohne_feld.str(), "") << "building types without a clickable cell";
        EXPECT_EQ(ohne_anzeige.str(), "") << "building types whose click shows nothing";
        g.zeigen(Spieler[static_cast<std::size_t>(SpielerID)].Startfeld());
    }

    // Pause: the world stands still for the next stops, and its button lights up.
    {
        const Rechteck knopf = g.feld_da("$MainPauseButtom");
        Bild vorher = g.foto("vor-der-pause");
        g.klicken(knopf.mitte());
        g.bewegen(ruhe);
        EXPECT_TRUE(Pause);
        EXPECT_GT(Unterschied(vorher, g.foto("pause"), knopf), 16) << "the pause button lights up";
    }

    // Statistics (key G); the pile of letters stands at the top right beside it.
    const Rechteck stapel{g.form().ClientWidth - 84, 21, g.form().ClientWidth - 20, 94};
    Bild leiste = g.foto("leiste-wieder");
    g.taste('G');
    EXPECT_TRUE(Statistikmenue_offen);
    Bild statistik = g.foto("statistik");
    EXPECT_GT(Unterschied(leiste, statistik,
                          {IFU_Fenstermitte_X - 200, IFU_Fenstermitte_Y - 150, IFU_Fenstermitte_X + 200,
                           IFU_Fenstermitte_Y + 150}),
              40000)
        << "the statistics window is drawn";

    // The founding letter: a click on the pile opens its edict; the player picks a law and a
    // duration, each marked where it was clicked, and enacting adds the timed edict of that
    // duration and takes the letter away.
    {
        ASSERT_GE(BrU_Brief_Anzahl_sichtbar(SpielerID), 1) << "the founding letter arrived";
        g.klicken(stapel.mitte());
        ASSERT_TRUE(Ediktfenster_offen) << "a click on the letter opens the edict window";
        EXPECT_EQ(IAU_Aktuelles_Edikt, 0) << "the edict window shows its letter's edict";
        g.bewegen(ruhe);
        Bild edikt = g.foto("edikt");
        const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
        const Rechteck zweites_Gesetz{cx - 220, cy - 75, cx - 196, cy - 51};
        const Rechteck zehn_Jahre{cx - 225, cy + 177, cx - 201, cy + 201};
        g.klicken(zweites_Gesetz.mitte());
        g.klicken(zehn_Jahre.mitte());
        g.bewegen(ruhe);
        EXPECT_EQ(IAU_Auswahl_1, 1);
        EXPECT_EQ(IAU_Auswahl_2, 0);
        Bild gewaehlt = g.foto("edikt-gewaehlt");
        EXPECT_GT(Unterschied(edikt, gewaehlt, zweites_Gesetz), 40) << "the chosen law is marked";
        EXPECT_GT(Unterschied(edikt, gewaehlt, zehn_Jahre), 40) << "the chosen duration is marked";
        const int briefe = BrU_Brief_Anzahl_sichtbar(SpielerID);
        const int zeitedikte = static_cast<std::size_t>(SpielerID) < Zeitedikte.size()
                                   ? Zeitedikte[static_cast<std::size_t>(SpielerID)].Anzahl
                                   : 0;
        g.klicken(Punkt{cx + 198, cy + 302});
        EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(SpielerID), briefe > 1 ? briefe - 1 : -1)
            << "the enacted letter is gone";
        EXPECT_FALSE(Ediktfenster_offen);
        ASSERT_LT(static_cast<std::size_t>(SpielerID), Zeitedikte.size());
        const Zeitedikt_Liste& l = Zeitedikte[static_cast<std::size_t>(SpielerID)];
        ASSERT_EQ(l.Anzahl, zeitedikte + 1) << "the edict is enacted";
        EXPECT_TRUE(l.Eintraege.back().Aktiv);
        EXPECT_EQ(l.Eintraege.back().Restmonate, 120) << "for ten years";
        g.foto("edikt-erlassen");
        g.rechtsklicken(ruhe);
        g.taste('G');
        Bild ohne_brief = g.foto("statistik-ohne-brief");
        // The pile is drawn beside the window: it goes with its last letter, or loses one.
        EXPECT_GT(Unterschied(statistik, ohne_brief, stapel),
                  briefe == 1 ? stapel.breite() * stapel.hoehe() / 4 : 200);
        g.rechtsklicken(ruhe);
    }

    // The three windows of standing edicts, each opened from what the screen offers at the time:
    // the window open before, the bar, or the game menu (Esc). In each, the first switch flips
    // its edict and shows it, and a second click puts it back.
    struct Schalterfenster {
        int oeffner;
        const bool* offen;
        int schalter, feld;
    };
    const Schalterfenster schalterfenster[] = {{232, &Schalterfenster1_offen, 235, 11},
                                               {233, &Schalterfenster2_offen, 244, 21},
                                               {234, &Schalterfenster3_offen, 253, 30}};
    for (const Schalterfenster& w : schalterfenster) {
        const std::string nr = std::to_string(w.oeffner - 231);
        auto oeffner = [&] {
            auto f = g.feld(w.oeffner);
            return f ? f : g.zone(w.oeffner);
        };
        auto o = oeffner();
        if (!o) {
            g.rechtsklicken(ruhe);
            o = oeffner();
        }
        if (!o) {
            g.taste(plattform::VK_ESCAPE);
            o = oeffner();
        }
        ASSERT_TRUE(o) << "nothing on the screen opens the window of action " << w.oeffner;
        Bild vorher = g.foto("vor-schalter-" + nr);
        g.klicken(o->mitte());
        g.bewegen(ruhe);
        EXPECT_TRUE(*w.offen) << w.oeffner;
        Bild fenster = g.foto("schalter-" + nr);
        EXPECT_GT(Unterschied(vorher, fenster,
                              {IFU_Fenstermitte_X - 150, IFU_Fenstermitte_Y - 100, IFU_Fenstermitte_X + 150,
                               IFU_Fenstermitte_Y + 100}),
                  2000)
            << "the window of action " << w.oeffner << " is drawn";
        auto schalter = g.zone(w.schalter);
        ASSERT_TRUE(schalter) << "the window of action " << w.oeffner << " has its first switch";
        const int stand = Spieler[static_cast<std::size_t>(SpielerID)].feld(w.feld);
        g.klicken(schalter->mitte());
        g.bewegen(ruhe);
        EXPECT_EQ(Spieler[static_cast<std::size_t>(SpielerID)].feld(w.feld), stand == 1 ? 0 : 1)
            << "switch " << w.schalter << " flips its edict";
        Bild umgelegt = g.foto("schalter-" + nr + "-umgelegt");
        EXPECT_GT(Unterschied(fenster, umgelegt, *schalter), schalter->breite() * schalter->hoehe() / 4)
            << "switch " << w.schalter << " shows its state";
        g.klicken(schalter->mitte());
        EXPECT_EQ(Spieler[static_cast<std::size_t>(SpielerID)].feld(w.feld), stand);
    }
    g.rechtsklicken(ruhe);

    // Quick save (F5) and quick load (F6).
    {
        g.taste(plattform::VK_F5);
        EXPECT_TRUE(
            std::filesystem::exists(g.ordner().path() / "save" / "single" / "Quicksave" / "script.ini"))
            << "the quick save folder is written";
        const int jahr = SZ, gold = Spieler[static_cast<std::size_t>(SpielerID)].Gold();
        g.klicken(g.feld_da("$MainPauseButtom").mitte());
        EXPECT_FALSE(Pause);
        g.frames(20);
        g.taste(plattform::VK_F6);
        EXPECT_EQ(SZ, jahr) << "the quick save's year is back";
        EXPECT_EQ(Spieler[static_cast<std::size_t>(SpielerID)].Gold(), gold)
            << "the quick save's treasury is back";
        EXPECT_TRUE(Spiel_laeuft());
        EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv));
        g.bewegen(ruhe);
        g.foto("schnellgeladen");
    }

    // The game menu (Esc), back to the start screen, quit.
    g.taste(plattform::VK_ESCAPE);
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_InGameMain));
    g.foto("spielmenue");
    g.klicken("$Hauptmenue");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    EXPECT_FALSE(Spiel_laeuft());
    g.foto("zurueck");
    g.klicken("$Close");
    g.frames(2);
    EXPECT_TRUE(g.beendet()) << "Beenden ends the program";
}

}  // namespace

// The player's walk into the iron mode: from the start screen the campaign begins with
// the shipped world waiting for its start building, and the player places it.
#include "app/Rundgang.h"
#include "app/Berichte.h"

#include "economy/Bauvorschau.h"
#include "economy/Spieler.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "platform/base/Datei.h"
#include "ui/Interaktiv.h"

namespace {

using namespace bhmtest;

// The campaign from the start screen, with the start building placed on the highlighted cell
// nearest the middle of the map view. Reports are shown, so a fault on the way is seen.
void kampagne_mit_startgebaeude(Rundgang& g, int& berichte) {
    g.ordner().write("Config.ini", "[Allgemein]\r\nAutoUpdate=0\r\nError_Silence=0\r\n");
    ASSERT_TRUE(g.starten());
    g.frames(2);
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    berichte = Berichtszahl(g.ordner());
    g.klicken("$IronmanPanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_IronmanPanel));
    g.klicken("$IronmanStart");
    g.frames(2);
    ASSERT_TRUE(KSL) << "the campaign runs in iron mode";
    ASSERT_EQ(Spieler_Startphase(SpielerID), 1);
    auto platz = markierter_Platz();
    ASSERT_TRUE(platz) << "no highlighted cell on the map view";
    g.klicken(*platz);
    ASSERT_EQ(Spieler_Startphase(SpielerID), 0)
        << "a click on the highlighted cell places the start building";
    g.frames(2);
}

// The open edict window of the founding letter: the second law for ten years is picked and
// enacted, each as the player clicks it; the letter goes and the timed edict comes.
void gruendungsbrief_erlassen(Rundgang& g, const std::string& name) {
    const Punkt ruhe{1250, 300};
    ASSERT_TRUE(Ediktfenster_offen) << "the founding letter opens the edict window";
    EXPECT_EQ(IAU_Aktuelles_Edikt, 0) << "the founding letter shows edict 0";
    ASSERT_FALSE(IAU_Edikte.empty()) << "the game holds no edicts";
    g.bewegen(ruhe);
    Bild edikt = g.foto(name);
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    // The window is drawn over the map: its parchment and text stand where the map was.
    EXPECT_GT(Farbvielfalt(edikt, {cx - 240, cy - 200, cx + 240, cy - 100}), 8) << "the edict text is drawn";
    const Rechteck zweites_Gesetz{cx - 220, cy - 75, cx - 196, cy - 51};
    const Rechteck zehn_Jahre{cx - 225, cy + 177, cx - 201, cy + 201};
    g.klicken(zweites_Gesetz.mitte());
    g.klicken(zehn_Jahre.mitte());
    EXPECT_EQ(IAU_Auswahl_1, 1);
    EXPECT_EQ(IAU_Auswahl_2, 0);
    const int briefe = BrU_Brief_Anzahl_sichtbar(SpielerID);
    const int zeitedikte = static_cast<std::size_t>(SpielerID) < Zeitedikte.size()
                               ? Zeitedikte[static_cast<std::size_t>(SpielerID)].Anzahl
                               : 0;
    g.klicken(Punkt{cx + 198, cy + 302});
    EXPECT_FALSE(Ediktfenster_offen);
    EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(SpielerID), briefe > 1 ? briefe - 1 : -1) << "the letter is gone";
    ASSERT_LT(static_cast<std::size_t>(SpielerID), Zeitedikte.size());
    const Zeitedikt_Liste& l = Zeitedikte[static_cast<std::size_t>(SpielerID)];
    ASSERT_EQ(l.Anzahl, zeitedikte + 1) << "the edict is enacted";
    EXPECT_EQ(l.Eintraege.back().Restmonate, 120) << "for ten years";
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv)) << "the game's bars come back";
    g.bewegen(ruhe);
    g.foto(name + "-erlassen");
}

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

// The founding letter of the campaign opens from the pile of letters and is enacted, as in a
// single game.
TEST(Rundgang, EisenmodusGruendungsbriefWirdGeoeffnetUndErlassen) {
    Rundgang g("eisenmodus-brief");
    int berichte = 0;
    ASSERT_NO_FATAL_FAILURE(kampagne_mit_startgebaeude(g, berichte));
    ASSERT_EQ(BrU_Brief_Anzahl_sichtbar(SpielerID), 1) << "the founding letter arrived";
    const Rechteck stapel{g.form().ClientWidth - 84, 21, g.form().ClientWidth - 20, 94};
    g.bewegen({1250, 300});
    Bild ohne = g.foto("brief");
    EXPECT_GT(Farbvielfalt(ohne, stapel), 8) << "the letter is drawn on the pile";
    g.klicken(stapel.mitte());
    ASSERT_NO_FATAL_FAILURE(gruendungsbrief_erlassen(g, "edikt"));
    EXPECT_EQ(Berichte_ab(g.ordner(), berichte), std::vector<std::string>{}) << "reports on the way";
}

// Saved by the quick-save key, loaded again from the load panel, the iron-mode game keeps its
// edicts: the letters button opens the founding letter, which is enacted.
TEST(Rundgang, EisenmodusGruendungsbriefNachSpeichernUndLaden) {
    Rundgang g("eisenmodus-brief-geladen");
    int berichte = 0;
    ASSERT_NO_FATAL_FAILURE(kampagne_mit_startgebaeude(g, berichte));
    g.taste(plattform::VK_F5);
    const auto ordner = g.ordner().path() / "save" / "single" / "IRONMODUS";
    ASSERT_TRUE(std::filesystem::exists(ordner / "script.ini")) << "the iron-mode save is written";
    EXPECT_NE(g.ordner().read("save/single/IRONMODUS/IAU_Edikt.sav").rfind("-1", 0), 0u)
        << "the save holds the edicts";
    g.taste(plattform::VK_ESCAPE);
    g.klicken("$Hauptmenue");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    EXPECT_FALSE(Spiel_laeuft());
    g.klicken("$LoadGamePanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_LadePanel));
    ASSERT_EQ(LSU_Spielstandliste[0].Name, "IRONMODUS");
    g.klicken("$Savefound0");
    g.frames(2);
    ASSERT_TRUE(KSL) << "the iron-mode game is loaded";
    ASSERT_EQ(BrU_Brief_Anzahl_sichtbar(SpielerID), 1) << "the founding letter is still there";
    g.klicken("$MainNachrichtButtom");
    ASSERT_NO_FATAL_FAILURE(gruendungsbrief_erlassen(g, "edikt-geladen"));
    EXPECT_EQ(Berichte_ab(g.ordner(), berichte), std::vector<std::string>{}) << "reports on the way";
}

// Both games of the campaign folder carry the interactive edicts of the content, as every game
// made in the program does: the founding letters they hold name edict 0.
TEST(Kampagne, DieSpieleDerKampagneTragenDieEdikteDesInhalts) {
    TempDir ablage;
    const std::string alt = Programmpfad;
    Programmpfad = std::string(BHM_GAME_DIR) + "/";
    IAU_Edikte_laden();
    Programmpfad = alt;
    ASSERT_FALSE(IAU_Edikte.empty());
    ASSERT_TRUE(IAU_Edikte_speichern(ablage.folder() + "inhalt.sav"));
    for (const char* spiel : {"KAP0", "IRONMODUS"}) {
        const std::string datei = std::string(BHM_GAME_DIR) + "/save/Kampagne/" + spiel + "/IAU_Edikt.sav";
        ASSERT_TRUE(Datei_existiert(datei)) << datei;
        IAU_Edikte_laden_Save(datei);
        ASSERT_TRUE(IAU_Edikte_speichern(ablage.folder() + spiel));
        EXPECT_EQ(ablage.read(spiel), ablage.read("inhalt.sav")) << spiel;
    }
    IAU_Zuruecksetzen();
}

}  // namespace

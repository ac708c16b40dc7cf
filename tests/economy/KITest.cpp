#include "economy/KI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "common/Kernwelt.h"
#include "common/Schablonenvorrat.h"
#include "economy/Baumenue.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Warenindex.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace {

using bhmtest::Kernwelt;

// Goods 0 nothing, 1 wood, 2 stone, 3 ship; buildings 0 placeholder, 1 woodcutter
// (no material), 2 sawmill (4 wood, fetches wood), 3 yard (makes a ship), 4 hut.
struct KIwelt : Kernwelt {
    explicit KIwelt(int clans = 3) : Kernwelt(16) {
        KIU_Zuruecksetzen();
        JU_Befehlsliste.clear();
        LGK_Spieler_Waren.clear();
        SBU_Waren = {bhmtest::Ware(), bhmtest::Ware(), bhmtest::Ware(), bhmtest::Ware()};
        SBU_Waren[3].Spez = "ship";
        SBU_Objekte = {bhmtest::Gebaeude("-"), bhmtest::Gebaeude("Produktion"),
                       bhmtest::Gebaeude("Produktion"), bhmtest::Gebaeude("Produktion"),
                       bhmtest::Gebaeude("Home")};
        for (Objekt_Item& o : SBU_Objekte) {
            o.Baukosten = {{{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}}};
            for (Warenslot& s : o.Slots) s = {-1, 0};
        }
        SBU_Objekte[1].Titel = "Holzfaeller";
        SBU_Objekte[1].Slots[0] = {1, Benutzung_lumberjack};
        SBU_Objekte[2].Titel = "Saege";
        SBU_Objekte[2].Baukosten[0] = {1, 4};
        SBU_Objekte[2].Slots[0] = {2, Benutzung_Produktion};
        SBU_Objekte[2].Slots[1] = {1, Benutzung_Holen};
        SBU_Objekte[3].Titel = "Werft";
        SBU_Objekte[3].Slots[0] = {3, Benutzung_Produktion};
        SBU_Objekte[4].Titel = "Huette";
        GU_Spieler_erstellen(clans);
        for (Spielerzeile& s : Spieler) {
            s.Steuerung() = 1;
            s.Mitglieder() = 10;
            s.Arbeitslose() = 10;
            s.Heimatfeld() = 5 + 5 * 16;
            s.Flugschiffe() = 0;
            s.Flugschiffe_Max() = 3;
        }
        // One free island covering the whole map.
        for (Kartenfeld& f : Karte) f.Insel() = 0;
        IU_Inseln.assign(1, IU_Item{});
        IU_Inseln_freigeben();
        Monatsschritt = 0;
    }
    ~KIwelt() {
        KIU_Zuruecksetzen();
        JU_Befehlsliste.clear();
        LGK_Spieler_Waren.clear();
        Monatsschritt = 0;
        SingelGameKILevel = SingelGameKILevel_Standard;
    }
    static void produziert(int clan, int ware, int menge) {
        if (LGK_Spieler_Waren.size() <= static_cast<std::size_t>(clan)) LGK_Spieler_Waren.resize(clan + 1);
        auto& w = LGK_Spieler_Waren[clan];
        if (w.size() <= static_cast<std::size_t>(ware)) w.resize(ware + 1);
        w[ware] = menge;
    }
};

// The steps of a month on which a clan took its turn (its level was set).
std::vector<int> zugschritte() {
    std::vector<int> schritte;
    for (Monatsschritt = 0; Monatsschritt <= Monatsticks; ++Monatsschritt) {
        for (Spielerzeile& s : Spieler) s.KI_Stufe() = 0;
        KIU_KI_Manager();
        for (const Spielerzeile& s : Spieler)
            if (s.KI_Stufe() != 0) schritte.push_back(Monatsschritt);
    }
    return schritte;
}

TEST(KI, EveryClanRowGetsOneTurnAMonthSpreadEvenly) {
    const std::tuple<int, std::vector<int>> faelle[] = {
        {0, {0}},  // one row: the only clan acts at step 0
        {1, {0, 120}},
        {3, {0, 40, 80, 120}},
        {5, {0, 24, 48, 72, 96, 120}},
    };
    for (const auto& [computer, erwartet] : faelle) {
        KIwelt welt(computer);
        // Nobody builds: no unemployed.
        for (Spielerzeile& s : Spieler) s.Arbeitslose() = 0;
        EXPECT_EQ(zugschritte(), erwartet) << Spieler.size() << " rows";
        EXPECT_EQ(KI_aktueller_Spieler, 0);
    }
}

TEST(KI, AComputerControlledHumanInPlacementModeOnlyGetsItsLevel) {
    KIwelt welt(1);
    SpielerID = 0;
    Platzierungsmodus = true;
    KIU_KI_Manager();
    Platzierungsmodus = false;
    EXPECT_EQ(Spieler[0].KI_Stufe(), 1);
    ASSERT_EQ(KI_Status.size(), 2u) << "one status per clan row";
    EXPECT_TRUE(KI_Status[0].empty());
    Monatsschritt = 120;
    KIU_KI_Manager();
    EXPECT_FALSE(KI_Status[1].empty());
}

TEST(KI, AnIndexBeyondTheTableStartsAgainAtTheFirstRow) {
    KIwelt welt(1);
    KI_aktueller_Spieler = 7;
    KIU_KI_Manager();
    EXPECT_EQ(KI_aktueller_Spieler, 1);
}

TEST(KI, LevelFollowsMembersUpToTheChosenCap) {
    const std::tuple<int, int, int> faelle[] = {
        {24, 6, 1}, {25, 6, 2}, {130, 6, 6}, {200, 3, 3}, {200, 6, 9}};
    for (const auto& [mitglieder, kappe, stufe] : faelle) {
        KIwelt welt(1);
        SingelGameKILevel = kappe;
        Spieler[1].Mitglieder() = mitglieder;
        KI_Level_setzen(1);
        EXPECT_EQ(Spieler[1].KI_Stufe(), stufe) << mitglieder << " members, cap " << kappe;
    }
}

TEST(KI, AClanWithoutMembersGetsNoLevelAndNoDecision) {
    KIwelt welt(1);
    Spieler[0].Steuerung() = 0;
    Spieler[1].Mitglieder() = 0;
    Spieler[1].KI_Stufe() = 77;
    Monatsschritt = 120;
    KI_aktueller_Spieler = 1;
    KIU_KI_Manager();
    EXPECT_EQ(Spieler[1].KI_Stufe(), 77);
    EXPECT_TRUE(KI_Status.size() < 2 || KI_Status[1].empty());
    EXPECT_FALSE(KI_Spieler_aktiv(1));
    EXPECT_FALSE(KI_Spieler_aktiv(5));
}

TEST(KI, PendingMarksAreSetPerPhaseAndClearedByTheFinishedType) {
    KIwelt welt(1);
    KI_im_Bau_merken(1, 2, 1);
    KI_im_Bau_merken(1, 4, 2);
    KI_im_Bau_merken(1, 2, 3);
    KI_im_Bau_merken(1, 3, 9);  // no such phase
    const Spielerzeile& s = Spieler[1];
    EXPECT_EQ(std::make_tuple(s.KI_Nahrung_im_Bau(), s.KI_Nahrung_Typ(), s.KI_Wohnung_im_Bau(),
                              s.KI_Wohnung_Typ(), s.KI_Produktion_im_Bau(), s.KI_Produktion_Typ()),
              std::make_tuple(1, 2, 1, 4, 1, 2));
    const int o = OM_Objekt_anlegen(40, 1, 2);
    KI_Objekt_abmelden(o);
    EXPECT_EQ(std::make_tuple(s.KI_Nahrung_im_Bau(), s.KI_Nahrung_Typ(), s.KI_Wohnung_im_Bau(),
                              s.KI_Wohnung_Typ(), s.KI_Produktion_im_Bau(), s.KI_Produktion_Typ()),
              std::make_tuple(0, 0, 1, 4, 0, 0));
    KI_Objekt_abmelden(99);  // no such object: nothing
}

TEST(KI, ADiedOutClanIsWoundUpOnceNothingOfItIsLeft) {
    KIwelt welt(2);
    Spielerzeile& s = Spieler[1];
    s.Steuerung() = -1;
    s.Mitglieder() = 0;
    s.Gold() = 0;
    s.Gold_gespeichert() = 300;
    s.Baulohn_reserviert() = 7;
    Spieler[0].Gold() = 0;
    Spieler[0].Mitglieder() = 0;  // no persons to share with
    Spieler[2].Gold() = 0;
    Spieler[2].Steuerung() = -2;
    const int a = OM_Objekt_anlegen(40, 1, 1);
    const int b = OM_Objekt_anlegen(60, 1, 1);
    Objekte[b].Zustand() = 2;
    JU_Befehl_eintragen(500, 1, 70, 1, 0, 7, 0);
    JU_Befehl_eintragen(500, 1, 90, 1, 0, 0, 0);

    KI_Abrechnen(1);
    EXPECT_EQ(s.Steuerung(), -1) << "two buildings still stand";
    EXPECT_EQ(JU_Befehlsliste[1].Anzahl, 0) << "open building orders are taken back";
    EXPECT_EQ(std::make_tuple(s.Gold(), s.Baulohn_reserviert()), std::make_tuple(7, 0));

    Objekte[a].Feld() = 0;
    KI_Abrechnen(1);
    EXPECT_EQ(s.Steuerung(), -1) << "the ruin still stands";
    Objekte[b].Feld() = 0;
    KI_Abrechnen(1);
    EXPECT_EQ(s.Steuerung(), -2);
    EXPECT_EQ(std::make_tuple(s.Gold(), s.Gold_gespeichert(), s.Buendnis()), std::make_tuple(0, 0, 0));
    EXPECT_EQ(Spieler[0].Gold(), 307)
        << "the whole treasury with the savings goes to the clans still playing";
}

TEST(KI, UnknownOrdersOfADiedOutClanAreReportedAndKeepItFromEnding) {
    KIwelt welt(1);
    Spieler[1].Steuerung() = -1;
    JU_Befehl_eintragen(350, 1, 70, 1, 1, 0, 3);
    JU_Befehl_eintragen(800, 1, 80, 1, 0, 80, 0);
    JU_Befehl_eintragen(850, 1, 90, 1, 2, -1, 90);
    KI_Abrechnen(1);
    EXPECT_TRUE(Kernwelt::gemeldet());
    ASSERT_EQ(JU_Befehlsliste[1].Anzahl, 1);
    EXPECT_EQ(JU_Befehlsliste[1].Befehle[0].Befehl, 350);
    KI_Abrechnen(1);
    EXPECT_EQ(Spieler[1].Steuerung(), -1);
}

TEST(KI, EnoughUnemployedAndAFreeIslandAreNeededToBuild) {
    const std::tuple<int, int, bool, const char*> faelle[] = {
        {20, 3, true, "KI hat nicht genügent Arbeitslose"},
        {20, 4, false, "KI darf nicht auf Insel bauen"},
        {20, 4, true, "Wohngebäude nicht benötigt(skip)"},
    };
    for (const auto& [mitglieder, arbeitslose, frei, text] : faelle) {
        KIwelt welt(1);
        Spielerzeile& s = Spieler[1];
        s.Mitglieder() = mitglieder;
        s.Arbeitslose() = arbeitslose;
        s.Wohnraum() = 30;
        s.KI_Phase() = KI_Phase_Wohnung;
        s.Baustellen_gesamt() = 5;
        if (!frei) IU_Insel_sperren(0);
        KI_Bauen(1);
        EXPECT_EQ(KI_Status[1], utf8_zu_1252(text)) << mitglieder << "/" << arbeitslose;
    }
}

TEST(KI, PhaseRulesAfterADecision) {
    // Among the first sites the phase advances after each attempt, not while its building is
    // pending; the first four sites are production; from the tenth on it advances every turn.
    const std::tuple<int, int, int> faelle[] = {{2, 1, 2}, {5, 1, 2}, {5, 2, 2}, {12, 1, 2}, {12, 2, 0}};
    for (const auto& [gesamt, phase, danach] : faelle) {
        KIwelt welt(1);
        Spielerzeile& s = Spieler[1];
        s.Wohnraum() = 30;
        s.KI_Produktion_im_Bau() = 1;
        s.Baustellen_gesamt() = gesamt;
        s.KI_Phase() = phase;
        KI_Bauen(1);
        EXPECT_EQ(s.KI_Phase(), danach) << gesamt << " sites, phase " << phase;
    }
}

TEST(KI, MaterialAndRawMaterialTests) {
    KIwelt welt(1);
    EXPECT_TRUE(KI_Baumaterial_vorhanden(1, 1)) << "no material needed";
    SBU_Objekte[1].Baukosten = {{{0, 0}, {0, 0}, {0, 0}, {0, 0}}};
    EXPECT_TRUE(KI_Baumaterial_vorhanden(1, 1)) << "empty cost slots ask for nothing";
    EXPECT_FALSE(KI_Baumaterial_vorhanden(1, 2)) << "nothing produced yet";
    EXPECT_EQ(KI_Status[1], W("Saege kein Baumaterialien vorhanden"));
    KIwelt::produziert(1, 1, 3);
    EXPECT_FALSE(KI_Baumaterial_vorhanden(1, 2));
    EXPECT_TRUE(KI_Rohstoff_Grund(2, 1));
    KIwelt::produziert(1, 1, 4);
    EXPECT_TRUE(KI_Baumaterial_vorhanden(1, 2));
    KIwelt::produziert(1, 1, 2);
    EXPECT_FALSE(KI_Rohstoff_Grund(2, 1));
    EXPECT_FALSE(KI_Baumaterial_vorhanden(1, 17));
    EXPECT_TRUE(Kernwelt::gemeldet()) << "an unknown type is reported";
}

TEST(KI, TheShipLimitAndTheTypeLimitRejectABuilding) {
    KIwelt welt(1);
    Spielerzeile& s = Spieler[1];
    s.Flugschiffe() = 2;
    EXPECT_FALSE(KI_Rohstoff_Ueberschuss(3, 1));
    s.Flugschiffe() = 3;
    EXPECT_TRUE(KI_Rohstoff_Ueberschuss(3, 1));
    // Product 2 of the sawmill against the clan's 10 members: only stock beyond the
    // members rejects another sawmill (its store would fill and keep a worker idle).
    for (const auto& [vorrat, abgelehnt] : {std::tuple{50, true}, {11, true}, {10, false}, {0, false}}) {
        LGK_Spieler_Waren.clear();
        KIwelt::produziert(1, 2, vorrat);
        EXPECT_EQ(KI_Rohstoff_Ueberschuss(2, 1), abgelehnt) << vorrat << " boards in stock";
    }
    KIwelt::produziert(1, 2, 50);
    Spieler[1].Mitglieder() = 60;
    EXPECT_FALSE(KI_Rohstoff_Ueberschuss(2, 1)) << "a grown clan takes the same stock as short";
    KIwelt::produziert(1, 1, 500);
    EXPECT_FALSE(KI_Rohstoff_Ueberschuss(4, 1)) << "a building without products is never a surplus";

    BMU_Tabelle_anlegen();
    BMU_Zaehler_setzen(1, 1, 0, 4);
    EXPECT_TRUE(KI_Typ_Grenze(1, 1));
    BMU_Zaehler_setzen(1, 1, 0, 5);
    EXPECT_FALSE(KI_Typ_Grenze(1, 1));
    EXPECT_EQ(KI_Status[1], "Holzfaeller zuviele eines Typs");
}

TEST(KI, ProductionChoiceWalksDownTheLevels) {
    KIwelt welt(1);
    Spieler[1].Flugschiffe() = 3;
    SBU_KI_Rest.assign(5, {});
    SBU_KI_Rest[4] = {2, 3};  // sawmill lacks wood, the yard hits the ship limit
    SBU_KI_Rest[3] = {3};
    SBU_KI_Rest[1] = {1};
    EXPECT_EQ(KI_Produktion_waehlen(4, 1), 1);
    EXPECT_EQ(KI_Produktion_waehlen(0, 1), -1);
    SBU_KI_Rest[1].clear();
    EXPECT_EQ(KI_Produktion_waehlen(4, 1), -1) << "a clan at its ship limit never builds a yard";
    Spieler[1].Flugschiffe() = 0;
    EXPECT_EQ(KI_Produktion_waehlen(3, 1), 3);
    EXPECT_EQ(KI_Produktion_waehlen(9, 1), 3) << "levels beyond the lists are skipped";
}

TEST(KI, AWoodcutterWithoutTreesBuildsNothingAndBlocksNothing) {
    KIwelt welt(1);
    Spielerzeile& s = Spieler[1];
    s.Baustellen_gesamt() = 5;
    s.KI_Phase() = KI_Phase_Produktion;
    SBU_KI_Rest.assign(2, {});
    SBU_KI_Rest[1] = {1};
    EXPECT_EQ(KI_Suchzentrum(1, 1), -1);
    EXPECT_EQ(KI_Suchzentrum(1, 4), s.Heimatfeld()) << "a type without a gathering slot looks around home";
    KI_Bauen(1);
    EXPECT_EQ(KI_Status[1], "Holzfaeller gefunden");
    EXPECT_TRUE(IU_Insel_frei(0));
    EXPECT_EQ(s.KI_Phase(), KI_Phase_Produktion);
}

TEST(KI, AFailedSiteSearchMovesHomeAndBlocksTheIsland) {
    KIwelt welt(1);
    Spielerzeile& s = Spieler[1];
    // No building land anywhere: no site is found around home.
    for (Kartenfeld& f : Karte) f.LandType() = 1;
    s.Baustellen_gesamt() = 5;
    s.KI_Phase() = KI_Phase_Wohnung;
    s.Wohnraum() = 0;
    SBU_KI_Wohnen.assign(2, {});
    SBU_KI_Wohnen[1] = {4};
    s.KI_Stufe() = 1;
    KI_Wohnung_bauen(1);
    EXPECT_FALSE(IU_Insel_frei(0));
    EXPECT_EQ(s.KI_Wohnung_im_Bau(), 0);
}

TEST(KI, NoSiteWhereNobodyCouldBringAMaterial) {
    KIwelt welt(1);
    // Building land that wants levelling (the computer's search passes over perfectly flat places).
    for (Kartenfeld& k : Karte) {
        k.LandType() = 3;
        k.Block() = -1;
        k.Ambiente() = -1;
        k.Objekt() = -1;
        k.Person() = -1;
    }
    SBU_Bauplaetze.assign(SBU_Objekte.size(), {{0, 1}});
    Spielerzeile& s = Spieler[1];
    s.Gold() = 1000;
    const int heim = s.Heimatfeld(), anderswo = 12 + 12 * 16;
    const int halle = OM_Objekt_anlegen(heim, 1, 4), huette = OM_Objekt_anlegen(anderswo, 1, 4);
    Karte[heim].Objekt() = halle;
    Karte[anderswo].Objekt() = huette;
    KIwelt::produziert(1, 1, 10);
    const std::size_t zeilen = Objekte.size();
    // The sawmill is built of wood, and no building on the island keeps any.
    EXPECT_TRUE(KI_Bauplatz_setzen(1, 2, 3));
    EXPECT_EQ(Objekte.size(), zeilen) << "no site";
    EXPECT_EQ(s.KI_Produktion_im_Bau(), 0) << "nothing pending that could stop the phase";
    EXPECT_TRUE(IU_Insel_frei(0)) << "the island stays open";
    EXPECT_EQ(s.Heimatfeld(), anderswo) << "the next search starts from another building";
    EXPECT_TRUE(KI_Bauplatz_setzen(1, 3, 3)) << "the yard needs no material";
    EXPECT_EQ(s.KI_Produktion_im_Bau(), 1);
    s.KI_Produktion_im_Bau() = 0;
    IWU_Ware_eintragen(1, heim, halle, 0);
    EXPECT_TRUE(KI_Bauplatz_setzen(1, 2, 3));
    EXPECT_EQ(s.KI_Produktion_im_Bau(), 1) << "a building that keeps wood stands in reach";
    EXPECT_EQ(s.KI_Produktion_Typ(), 2);
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(KI, HomeMovesToTheClansNextBuilding) {
    KIwelt welt(2);
    const int a = OM_Objekt_anlegen(20, 1, 1);
    OM_Objekt_anlegen(30, 2, 1);
    const int c = OM_Objekt_anlegen(40, 1, 1);
    Karte[20].Objekt() = a;
    Karte[40].Objekt() = c;
    Spieler[1].Heimatfeld() = 20;
    KI_Heimat_wechseln(1);
    EXPECT_EQ(Spieler[1].Heimatfeld(), 40);
    KI_Heimat_wechseln(1);
    EXPECT_EQ(Spieler[1].Heimatfeld(), 20) << "after the last one, the first";
    Spieler[0].Heimatfeld() = 77;
    KI_Heimat_wechseln(0);
    EXPECT_EQ(Spieler[0].Heimatfeld(), 77) << "a clan without buildings keeps its home";
    Spieler[1].KI_Phase() = 0;
    KI_Phase_weiter(1);
    EXPECT_EQ(Spieler[1].KI_Phase(), 1);
    Spieler[1].KI_Phase() = 2;
    KI_Phase_weiter(1);
    EXPECT_EQ(Spieler[1].KI_Phase(), 0);
}

// The default content: a fresh computer clan that has produced nothing yet finds a
// first building in every phase of level 1.
TEST(KI, AFreshClanFindsItsFirstBuildingsInTheDefaultContent) {
    namespace fs = std::filesystem;
    const fs::path spiel = BHM_GAME_DIR;
    ASSERT_TRUE(fs::exists(spiel / "Daten" / "Objekt" / "0")) << "the built game folder has no content";
    KIwelt welt(1);
    fs::copy(spiel / "Daten", fs::path(Programmpfad) / "Daten", fs::copy_options::recursive);
    for (const char* pack : {"Texture/aktiv/Iconpack.BMP", "Texture/aktiv/Personpack.bmp"})
        bhmtest::Vorrat_Bild_schreiben(Programmpfad + pack, bhmtest::Vorrat_Bild(1024, 1024, 255, 0, 255));
    SBU_Schablonen_laden(Programmpfad + "Daten\\");
    ASSERT_GT(SBU_KI_Rest.size(), 1u);
    Spieler[1].KI_Stufe() = 1;
    for (int versuch = 0; versuch < 20; ++versuch) {
        const int typ = KI_Produktion_waehlen(1, 1);
        ASSERT_GE(typ, 1);
        EXPECT_EQ(SBU_Objekte[typ].AI_Level, 1);
    }
    ASSERT_GT(SBU_KI_Nahrung.size(), 1u);
    ASSERT_GT(SBU_KI_Wohnen.size(), 1u);
    int nahrung = 0, wohnen = 0;
    for (int typ : SBU_KI_Nahrung[1])
        nahrung += KI_Baumaterial_vorhanden(1, typ) && KI_Rohstoff_Grund(typ, 1);
    for (int typ : SBU_KI_Wohnen[1]) wohnen += KI_Baumaterial_vorhanden(1, typ);
    EXPECT_GT(nahrung, 0);
    EXPECT_GT(wohnen, 0);
}

}  // namespace

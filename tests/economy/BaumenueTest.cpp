#include "economy/Baumenue.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Spieler.h"
#include "platform/base/Datei.h"

namespace {

using bhmtest::Kernwelt;

// Building types 0..hoechster, all offered at build level 1 except the ones listed.
void Typen(int hoechster, std::initializer_list<int> nicht_angeboten = {}) {
    SBU_Objekte.assign(static_cast<std::size_t>(hoechster) + 1, bhmtest::Gebaeude("Produktion", 2, 1));
    for (int t : nicht_angeboten) SBU_Objekte[static_cast<std::size_t>(t)].AI_Level = 5;
}

TEST(Baumenue, BuildLevelFollowsMembersUpOnly) {
    Kernwelt welt;
    GU_Spieler_erstellen(0);
    const struct {
        int mitglieder, stufe;
    } faelle[] = {{0, 0}, {1, 1}, {25, 1}, {26, 2}, {10, 2}, {51, 3}, {-3, 3}};
    for (const auto& f : faelle) {
        Spieler[0].Mitglieder() = f.mitglieder;
        BMU_Stufe_aktualisieren(0);
        EXPECT_EQ(Spieler[0].Baustufe(), f.stufe) << f.mitglieder;
    }
}

TEST(Baumenue, CountersOfASiteDemolishedBeforeItWasFinished) {
    Kernwelt welt;
    Typen(3);
    GU_Spieler_erstellen(1);
    BMU_Tabelle_anlegen();
    ASSERT_EQ(BMU_Zaehler.size(), 2u);
    ASSERT_EQ(BMU_Zaehler[1].size(), 4u);
    BMU_Zaehler_aendern(1, 2, 0, 1);
    BMU_Zaehler_aendern(1, 2, -1, -1);
    EXPECT_EQ(BMU_Zaehler[1][2], (BMU_Eintrag{-1, 0}));
    BMU_Zaehler_aendern(2, 0, 1, 1);
    BMU_Zaehler_aendern(1, 4, 1, 1);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Baumenue, Paging) {
    Kernwelt welt;
    GU_Spieler_erstellen(0);
    Spieler[0].Baustufe() = 1;

    Typen(60);
    BMU_Seitenanfang = 1;
    EXPECT_EQ(BMU_Seitennummer(), 1);
    BMU_Vorblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 25);
    EXPECT_EQ(BMU_Seitennummer(), 2);
    BMU_Vorblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 49);
    EXPECT_EQ(BMU_Seitennummer(), 3);
    EXPECT_FALSE(BMU_Weitere_Seite());
    BMU_Vorblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 49) << "the highest type is not beyond the page";
    BMU_Zurueckblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 25);
    BMU_Zurueckblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 1);
    BMU_Zurueckblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 1);

    Typen(60, {3, 4});
    BMU_Seitenanfang = 1;
    EXPECT_EQ(BMU_Seite_vor(), 26) << "the first page covers types 1..26";
    BMU_Vorblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 27);
    BMU_Zurueckblaettern();
    EXPECT_EQ(BMU_Seitenanfang, 1);

    // Forward pages only when an offered type lies after the page; back returns to the page
    // before, which the page number counts.
    struct Fall {
        const char* was;
        int hoechster;
        bool (*angeboten)(int typ);
        std::vector<int> seiten;  // the page starts that paging forward reaches
    };
    const Fall faelle[] = {
        {"13 offered types among 54: one page",
         54,
         [](int t) { return t == 35 || (t >= 1 && t <= 17 && t != 2 && t != 8 && !(t >= 13 && t <= 15)); },
         {1}},
        {"a 25th type right after a full page", 25, [](int t) { return t >= 1; }, {1, 25}},
        {"a page with a gap, then one type far after it",
         80,
         [](int t) { return (t >= 1 && t <= 47) || t == 50 || t == 70; },
         {1, 25, 51}},
        {"three pages with gaps", 90, [](int t) { return t >= 1 && t % 4 != 0; }, {1, 32, 64}},
    };
    for (const Fall& f : faelle) {
        Typen(f.hoechster);
        for (int t = 0; t <= f.hoechster; ++t)
            if (!f.angeboten(t)) SBU_Objekte[static_cast<std::size_t>(t)].AI_Level = 5;
        BMU_Seitenanfang = 1;
        std::vector<int> vor = {BMU_Seitenanfang};
        for (int i = 0; i < 5; ++i) {
            BMU_Vorblaettern();
            if (BMU_Seitenanfang == vor.back()) break;
            vor.push_back(BMU_Seitenanfang);
            EXPECT_EQ(BMU_Seitennummer(), static_cast<int>(vor.size())) << f.was;
        }
        EXPECT_EQ(vor, f.seiten) << f.was;
        EXPECT_FALSE(BMU_Weitere_Seite()) << f.was;
        for (std::size_t i = f.seiten.size(); i-- > 1;) {
            BMU_Zurueckblaettern();
            EXPECT_EQ(BMU_Seitenanfang, f.seiten[i - 1]) << f.was;
        }
        BMU_Zurueckblaettern();
        EXPECT_EQ(BMU_Seitenanfang, 1) << f.was;
    }

    // Harbour sites and houses of envy above 1 are never offered.
    Typen(30);
    SBU_Objekte[5].Modus = "Hafen2";
    SBU_Objekte[6].Neid = 2;
    BMU_Seitenanfang = 1;
    EXPECT_EQ(BMU_Seite_vor(), 26);
}

TEST(Baumenue, SideFilesThatCannotBeWrittenSayTheyFailed) {
    Kernwelt welt;
    Typen(2);
    GU_Spieler_erstellen(1);
    BMU_Tabelle_anlegen();
    const std::string fehlt = welt.ordner().dir().folder() + "kein_ordner/";
    EXPECT_FALSE(BMU_File_Save(fehlt + "BMU.sav"));
    EXPECT_FALSE(GU_Warenwerte_speichern(fehlt + "GUSPA.sav"));
    EXPECT_FALSE(OB_File_Save(fehlt + "OBMA.sav"));
    EXPECT_TRUE(GU_Warenwerte_speichern(welt.ordner().dir().folder() + "GUSPA.sav"));
}

TEST(Baumenue, SaveFileRoundTripsAndSkipsBadLines) {
    Kernwelt welt;
    Typen(2);
    GU_Spieler_erstellen(1);
    BMU_Tabelle_anlegen();
    BMU_Zaehler_setzen(1, 2, 3, 4);
    BMU_Zaehler_setzen(0, 1, -1, 0);
    const std::string ordner = welt.ordner().dir().folder();
    EXPECT_TRUE(BMU_File_Save(ordner + "BMU.sav"));
    const std::string text = *Datei_lesen(ordner + "BMU.sav");
    EXPECT_EQ(Zeilen_teilen(text).size(), 6u);
    EXPECT_EQ(Zeilen_teilen(text).back(), "1/2/3/4");
    const auto alt = BMU_Zaehler;

    BMU_Tabelle_leeren();
    BMU_File_Load(ordner);
    EXPECT_EQ(BMU_Zaehler, alt);
    BMU_File_Save(ordner + "BMU.sav");
    EXPECT_EQ(*Datei_lesen(ordner + "BMU.sav"), text);

    ASSERT_TRUE(Textdatei_schreiben(ordner + "BMU.sav", {"0/0/1/1", "0/2/5/5", "2/0/1/1", "0/1/x/1", "0/1/2",
                                                         "0/-1/1/1", "1/0/7/8", "0/1/2/2"}));
    BMU_Tabelle_leeren();
    Fehler_zuruecksetzen();
    BMU_File_Load(ordner.substr(0, ordner.size() - 1));
    EXPECT_TRUE(Kernwelt::gemeldet());
    ASSERT_EQ(BMU_Zaehler.size(), 2u);
    EXPECT_EQ(BMU_Zaehler[0], (std::vector<BMU_Eintrag>{{1, 1}, {2, 2}}));
    EXPECT_EQ(BMU_Zaehler[1], (std::vector<BMU_Eintrag>{{7, 8}}));

    BMU_File_Load(ordner + "fehlt/");
    EXPECT_EQ(BMU_Zaehler.size(), 2u) << "a missing file leaves the table";
}

}  // namespace

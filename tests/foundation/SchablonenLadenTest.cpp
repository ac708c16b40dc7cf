#include "foundation/Schablonen_Laden.h"

#include <gtest/gtest.h>

#include "common/Schablonenvorrat.h"
#include "foundation/Iconpacks.h"
#include "foundation/SchablonenHilfe.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"

namespace {

using bhmtest::Schablonenumgebung;

std::vector<std::string> log_lesen(const std::string& name) {
    return Textdatei_lesen(Programmpfad + "Daten/" + name).value_or(std::vector<std::string>{});
}

TEST(SchablonenLaden, FullSet) {
    Schablonenumgebung u;
    bhmtest::Vorrat_anlegen(Programmpfad, {3, 6, 5, 6});
    SBU_Schablonen_laden(Programmpfad + "Daten\\");

    EXPECT_EQ(u.meldungen(), std::vector<std::string>{});
    ASSERT_EQ(SBU_Skills.size(), 3u);
    ASSERT_EQ(SBU_Waren.size(), 6u);
    ASSERT_EQ(SBU_Objekte.size(), 5u);
    ASSERT_EQ(SBU_Ambiente.size(), 6u);
    EXPECT_EQ(SBU_Waren[5].Need[0].WarenID, 4);
    EXPECT_EQ(SBU_Waren[5].Grow, 2);
    EXPECT_EQ(SBU_Objekte[3].Baukosten[0].WarenID, 4);
    // Ambient types start at B = 5: links, keyword types, onMap and displays use them.
    EXPECT_EQ(SBU_Ambiente[0].link, 6);
    EXPECT_EQ(SBU_Ambiente[3].link, 4) << "-1: no next stage";
    EXPECT_EQ(SBU_ID_hole, 10);
    EXPECT_EQ(SBU_Stone_IDs, std::vector<int>{6});
    EXPECT_EQ(SBU_Animationen, (std::vector<int>{5, 10}));
    EXPECT_EQ(SBU_OnMap[1].front(), 5);
    EXPECT_EQ(SBU_Warenanzeige[2].Slot[0].Modelltyp[8], 6) << "bound to Ambiente1";
    EXPECT_EQ(SBU_Prozessanzeige[2].Standtyp, 6);
    EXPECT_EQ(SBU_Prozessanzeige[2].Bewegttyp, 7);

    // Footprints for the map side, atlas entries per type then the icons.
    EXPECT_EQ(SBU_Bauplaetze.size(), 5u);
    EXPECT_EQ(SBU_Bauplaetze[1].size(), 9u);
    ASSERT_EQ(SBA_Atlastabelle.size(), 5u + 6u + 5u + 3u + 6u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(SBA_Atlastabelle[k].hat_Flagge, 1) << k;
        EXPECT_EQ(SBA_Atlastabelle[k].Anker_X, -32) << k;
        ASSERT_EQ(SBU_Markerpunkte[k].size(), 2u) << k;
        EXPECT_EQ(SBU_Markerpunkte[k][0].x, 10 - 32) << k;
    }
    EXPECT_EQ(SBA_Atlastabelle[5].Anker_X, -16) << "ambient 0 is entry B";
    // Ambient 2 (type 7, 64 pixels high, anchor at 16/60) has its blue point at 4/4.
    ASSERT_EQ(SBU_Markerpunkte.size(), 11u);
    ASSERT_EQ(SBU_Markerpunkte[7].size(), 1u);
    EXPECT_EQ(SBU_Markerpunkte[7][0].x, -12);
    EXPECT_EQ(SBU_Markerpunkte[7][0].y, -56);

    // Computer lists: building 1 stores (level 2), 2 and 3 produce other goods
    // (levels 3 and 1), 4 makes food (Ware5, level 2); building 0 is never listed.
    EXPECT_TRUE(SBU_KI_Wohnen.empty());
    EXPECT_EQ(SBU_KI_Nahrung, (std::vector<std::vector<int>>{{}, {}, {4}}));
    EXPECT_EQ(SBU_KI_Rest, (std::vector<std::vector<int>>{{}, {3}, {1}, {2}}));

    // Logs and status lines.
    auto skills = log_lesen("Skill_Log.Txt");
    ASSERT_EQ(skills.size(), 4u);
    EXPECT_EQ(skills[0], W("Der letzte erstellte Spielstand besaß folgenden Skills kombination."));
    EXPECT_EQ(skills[3], "ID:2 = Beruf2 = Meister2 = arbeitet");
    EXPECT_EQ(log_lesen("Waren_Log.Txt").size(), 7u);
    EXPECT_EQ(log_lesen("Waren_Log.Txt")[1], "ID:0=Ware0=JA");
    EXPECT_EQ(log_lesen("Objekt_Log.Txt").size(), 6u);
    EXPECT_EQ(log_lesen("Ambiente_Log.Txt")[6], "ID:5=Ambiente5");
    const std::vector<std::string> erwartet = {"...initialisiere Modifizierungen...",
                                               "...lade Berufe...",
                                               "2 Berufe geladen.",
                                               "...lade Waren...",
                                               "5 Waren geladen.",
                                               W("...lade Gebäude Baupläne..."),
                                               W("4 Gebäude geladen."),
                                               "...lade Ambiente...",
                                               "5 Ambiente geladen.",
                                               "...Ambiente an Objekte binden...",
                                               "...teste SBU_Wachstum...",
                                               "SBU_Wachstum_Test erfolgreich.",
                                               "...teste SBU_Objekt...",
                                               "SBU_Objekt_Test erfolgreich.",
                                               "...Lade Ki_Objekte...",
                                               W("...lade Gebäude Baumenü Bilder..."),
                                               W("4 Baumenü geladen."),
                                               "...lade Forschungs Icons Berufe...",
                                               "2 Forschungs Icons Berufe geladen.",
                                               "...lade Forschungs Icons Waren...",
                                               "5 Forschungs Icons Waren geladen."};
    EXPECT_EQ(u.status.zeilen, erwartet);

    // The packs are on disk.
    for (const char* pack : {"Daten/Gebaeudepack.BMP", "Daten/Skillpack.BMP", "Daten/Iconpack.BMP",
                             "Daten/BauIconpack.BMP", "Texture/aktiv/Personpack.bmp"}) {
        Bild b;
        EXPECT_TRUE(Bilddatei_laden(Programmpfad + pack, b)) << pack;
    }
    Bild skillpack;
    ASSERT_TRUE(Bilddatei_laden(Programmpfad + "Daten/Skillpack.BMP", skillpack));
    EXPECT_EQ(bhmtest::Vorrat_Farbe(skillpack, 2 * 32 + 5, 5), 0x0A020Au);
    EXPECT_EQ(bhmtest::Vorrat_Farbe(skillpack, 3 * 32 + 5, 5), 0xFF00FFu) << "blank beyond the last skill";
}

TEST(SchablonenLaden, StopsAfterTheGoodsWhenARawMaterialIsMissing) {
    Schablonenumgebung u;
    bhmtest::Vorrat_anlegen(Programmpfad, {2, 4, 3, 3});
    // Good 1 needs good 3, which is not loaded yet when good 1 is read.
    bhmtest::Vorrat_Datei(Programmpfad + "Daten/Waren/1/Script.srt", "Titel/Ware1\r\nNeed/Ware3/1\r\n");
    SBU_Schablonen_laden(Programmpfad + "Daten\\");
    EXPECT_EQ(SBU_Fehlwaren, std::vector<int>{1});
    ASSERT_EQ(SBU_Fehlrohstoffe.size(), 1u);
    EXPECT_EQ(SBU_Fehlrohstoffe[0].WarenID, 1);
    EXPECT_EQ(SBU_Fehlrohstoffe[0].Name, "Ware3");
    EXPECT_EQ(SBU_Waren.size(), 4u);
    EXPECT_TRUE(SBU_Objekte.empty());
    EXPECT_TRUE(SBU_Ambiente.empty());
    EXPECT_TRUE(SBA_Atlastabelle.empty());
    EXPECT_FALSE(Datei_existiert(Programmpfad + "Daten/Objekt_Log.Txt"));
    EXPECT_TRUE(Datei_existiert(Programmpfad + "Daten/Waren_Log.Txt"));
    EXPECT_TRUE(Datei_existiert(Programmpfad + "Daten/Gebaeudepack.BMP"));
    EXPECT_EQ(u.status.zeilen.back(), "3 Waren geladen.");
    EXPECT_EQ(u.meldungen_mit("WarenID: 1 konnte den Rohstoff(Ware3) nicht erfassen."), 1);
}

TEST(SchablonenLaden, SkippedFoldersKeepAtlasNumbersAligned) {
    Schablonenumgebung u;
    bhmtest::Vorrat_anlegen(Programmpfad, {2, 3, 4, 3});
    std::filesystem::remove(Programmpfad + "Daten/Objekt/1/building.bmp");
    std::filesystem::remove(Programmpfad + "Daten/Objekt/2/Icon.BMP");
    std::filesystem::remove(Programmpfad + "Daten/Ambiente/1/Icon.BMP");
    std::filesystem::remove(Programmpfad + "Daten/Waren/2/Frame.BMP");
    SBU_Schablonen_laden(Programmpfad + "Daten\\");

    EXPECT_EQ(u.meldungen_mit("Daten\\Objekt\\1\\building.bmp Datei nicht gefunden."), 1);
    EXPECT_EQ(u.meldungen_mit("Daten\\Ambiente\\1\\Icon.BMP Datei nicht gefunden."), 1);
    EXPECT_EQ(u.meldungen_mit("Daten\\Objekt\\2\\Icon.BMP Datei nicht gefunden."), 1);
    EXPECT_EQ(u.meldungen_mit("Daten\\Waren\\2\\Frame.BMP Datei nicht gefunden."), 1);
    EXPECT_EQ(u.meldungen_mit("SBU_Objekt_Test > AmbienteID:1 hat KEINE Flagge."), 1);
    ASSERT_EQ(SBU_Objekte.size(), 4u) << "folder 1 stays a gap of an empty record";
    EXPECT_TRUE(SBU_Objekte[1].Titel.empty());
    EXPECT_EQ(log_lesen("Objekt_Log.Txt")[2], "ID:1 nicht geladen");
    // Entry k stays the picture of type k: 0, gap, 2, 3, ambient 0, gap, 2, then the icons.
    ASSERT_EQ(SBA_Atlastabelle.size(), 4u + 3u + 4u + 2u + 3u);
    const Atlaseintrag leer{};
    EXPECT_EQ(SBA_Atlastabelle[1].Rechts, leer.Rechts);
    EXPECT_EQ(SBA_Atlastabelle[2].Anker_X, -32);
    EXPECT_EQ(SBA_Atlastabelle[5].Rechts, 0);
    EXPECT_EQ(SBA_Atlastabelle[6].Anker_X, -16);
    EXPECT_EQ(SBA_Atlastabelle[7 + 2].Rechts, 0) << "building 2 has no menu icon";
    EXPECT_GT(SBA_Atlastabelle[7 + 3].Rechts, 0);
    EXPECT_EQ(SBU_Markerpunkte.size(), 7u) << "ambient 2 keeps its points at type 4 + 2";
    EXPECT_EQ(SBU_Markerpunkte[6].size(), 1u);
    EXPECT_TRUE(SBU_Markerpunkte[1].empty());
}

TEST(SchablonenLaden, GrowthTestEndsOnEveryChain) {
    Schablonenumgebung u;
    SBU_Objekte.resize(10);  // B = 10
    SBU_Ambiente.resize(8);
    SBU_Waren.resize(7);
    // Stored links are types: B + the stage, B - 1 for the end.
    auto link = [](int a, int stufe) { SBU_Ambiente[a].link = 10 + stufe; };
    link(1, 2), link(2, -1);                   // good 1: 1 -> 2 -> end
    SBU_Ambiente[3].link = 0;                  // good 2: a link never set
    link(4, 5), link(5, 6), link(6, 4);        // good 3: a cycle of three stages
    link(7, 7);                                // good 4: a stage naming itself
    const int grow[] = {0, 1, 3, 4, 7, 0, 8};  // good 6: beyond the last stage
    for (int w = 0; w < 7; ++w) SBU_Waren[w].Grow = grow[w];

    EXPECT_EQ(SBU_Wachstum_Test(), 3);
    EXPECT_EQ(
        u.meldungen_mit("SBU_Wachstum_Test > AmbienteID:3 hat KEIN ENDE. Es muss -1 eingetragen werden."), 1);
    EXPECT_EQ(SBU_Ambiente[3].link, -1);
    EXPECT_EQ(u.meldungen_mit("SBU_Wachstum_Test > AmbienteID:6 verweist im Kreis zurueck auf AmbienteID:4"),
              1);
    EXPECT_EQ(u.meldungen_mit("SBU_Wachstum_Test > AmbienteID:7 verweist auf sich selber."), 1);
    EXPECT_EQ(u.meldungen_mit("SBU_Wachstum_Test hat einen Fehler in der Zuweisung der WarenID gefunden.6"),
              1);
    EXPECT_EQ(u.meldungen().size(), 4u);

    // A link past the last stage ends the chain too.
    for (Waren_Item& w : SBU_Waren) w.Grow = 0;
    SBU_Waren[6].Grow = 5;
    link(5, 30);
    EXPECT_EQ(SBU_Wachstum_Test(), 1);
    EXPECT_EQ(u.meldungen_mit("SBU_Wachstum_Test > AmbienteID:5 verweist auf eine fehlende AmbienteID:30"),
              1);
}

TEST(SchablonenLaden, ComputerLists) {
    Schablonenumgebung u;
    SBU_Waren.resize(4);
    SBU_Waren[2].Spez = "food";
    SBU_Objekte.resize(9);
    auto setze = [](int k, const char* modus, int level) {
        SBU_Objekte[k].Modus = modus;
        SBU_Objekte[k].AI_Level = level;
    };
    setze(0, "Home", 1);                   // building 0 is never listed
    setze(1, "Home", 2);                   // no costs: housing, level 2
    setze(2, "Home", 1);                   // with costs: rest
    SBU_Objekte[2].Baukosten[1] = {3, 4};  // (slot 0 keeps 0/0)
    setze(3, "Produktion", 1);             // makes food: food list
    SBU_Objekte[3].Slots[4] = {2, Benutzung_Anbau};
    setze(4, "Produktion", 1);  // only fetches food: rest
    SBU_Objekte[4].Slots[0] = {2, Benutzung_Holen};
    setze(5, "Hafen", 1);  // harbours are never listed
    setze(6, "Home", 3);   // envy 2: not in the rest
    SBU_Objekte[6].Neid = 2;
    SBU_Objekte[6].Baukosten[0] = {1, 3};
    setze(7, "Lager", -1);  // a negative level is refused
    setze(8, "Lager", 0);
    SBU_KI_Listen_erstellen();
    EXPECT_EQ(SBU_KI_Wohnen, (std::vector<std::vector<int>>{{}, {}, {1}}));
    EXPECT_EQ(SBU_KI_Nahrung, (std::vector<std::vector<int>>{{}, {3}}));
    EXPECT_EQ(SBU_KI_Rest, (std::vector<std::vector<int>>{{8}, {2, 4}}));
    EXPECT_EQ(u.meldungen_mit("SBU_KI_Listen_erstellen > AI_Level -1 von Objekt 7"), 1);
}

TEST(SchablonenLaden, FileAndFolderTests) {
    Schablonenumgebung u;
    u.schreiben("Daten/x.txt", "");
    EXPECT_TRUE(SBU_Datei_vorhanden(Programmpfad + "daten\\X.TXT"));
    EXPECT_FALSE(SBU_Datei_vorhanden(Programmpfad + "Daten\\y.txt"));
    EXPECT_EQ(u.meldungen_mit("Daten\\y.txt Datei nicht gefunden."), 1);
    EXPECT_TRUE(SBU_Ordner_vorhanden(Programmpfad + "DATEN"));
    EXPECT_FALSE(SBU_Ordner_vorhanden(Programmpfad + "Daten\\Skill"));
    EXPECT_EQ(u.meldungen().size(), 1u);
}

}  // namespace

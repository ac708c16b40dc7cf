// The template save files: twelve files that carry a game's templates.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "persistence/Schablonendateien.h"

namespace {

const char* const Dateien[] = {"SBUO.sav",   "SBUW.sav",   "SBUS.sav",    "SBUBG.sav",
                               "SBUAS.sav",  "SBMA.sav",   "SBUKIN.sav",  "SBUKIW.sav",
                               "SBUKIR.sav", "SBUQUS.sav", "SBUWVOS.sav", "SBUPVOS.sav"};

// Two buildings, three goods, two skills, three ambient templates and every side table.
void vorlagen_anlegen() {
    SBU_Skills = {{"Bauer", 1, "Bauer", "ernten"}, {"Fischer", 0, "Fischer", "angeln"}};
    Waren_Item korn = bhmtest::Ware(80, 2);
    korn.Titel = "Korn";
    korn.benutzt = 1;
    korn.Transport = 1;
    korn.Group = "Nahrung";
    korn.Spez = "food";
    korn.Need[0] = {2, 3};
    korn.SkillID = 0;
    korn.Grow = 5;
    korn.Text = "Korn aus dem Feld";
    Waren_Item wein = bhmtest::Ware();
    wein.Titel = "Wein";
    wein.Group = "Luxus";
    wein.Spez = "luxury";
    Waren_Item fisch = bhmtest::Ware();
    fisch.Titel = "Fisch";
    fisch.Group = "Nahrung";
    fisch.Spez = "Food";  // other case: no food
    SBU_Waren = {bhmtest::Ware(), korn, wein, fisch};
    Objekt_Item start = bhmtest::Gebaeude("Start", 4, 1);
    start.Kurz = "St";
    start.Text = "Der Anfang";
    start.Baukosten[1] = {1, 10};
    start.Slots[2] = {2, Benutzung_Produktion};
    start.Updatelink = 1;
    Objekt_Item hafen = bhmtest::Gebaeude("Hafen", 0, 3);
    hafen.Neid = 2;
    SBU_Objekte = {start, hafen};
    SBU_Ambiente = {{"Baum", "", "true/3/5", 1, 2, 0},
                    {"Weg", "way", "false/1/2", 0, 0, 4},
                    {"Loch", "hole", "true/19/20", 0, 0, 0}};
    SBU_Bauplaetze = {{{0, 1}, {-17, 0}}, {}, {{3, 1}}};
    SBA_Atlastabelle = {{-5, -9, 0, 2, 0, 3, 1, 4, -6}, {}, {1, 1, 2, 2, 3, 3, 0, 0, 0}};
    SBU_KI_Nahrung = {{0}, {}, {1, 0}};
    SBU_KI_Wohnen = {{}, {1}};
    SBU_KI_Rest = {{0, 1}, {}, {}};
    SBU_Markerpunkte = {{{1, 2}, {-3, 4}}, {}, {{5, 6}}};
    SBU_Warenanzeige.resize(2);
    for (int k = 0; k < 9; ++k) {
        Waren_vor_Objekt& w = SBU_Warenanzeige[1].Slot[3];
        w.Modellname[static_cast<std::size_t>(k)] = k < 5 ? "Korb" + std::to_string(k) : "";
        w.Modelltyp[static_cast<std::size_t>(k)] = 40 + k;
        w.a[static_cast<std::size_t>(k)] = -k;
        w.b[static_cast<std::size_t>(k)] = k * 2;
    }
    SBU_Warenanzeige[0].Slot[0].Modelltyp[0] = 9;  // no model name: not written
    SBU_Prozessanzeige = {{"Rad", 41, 3, -4, "Rad2", 42}, {"", 7, 7, 7, "x", 7}};
}

struct Abbild {
    std::vector<Skill_Item> skills;
    std::vector<Waren_Item> waren;
    std::vector<Objekt_Item> objekte;
    std::vector<Ambiente_Item> ambiente;
    std::vector<std::vector<Bauplatzfeld>> bauplaetze;
    std::vector<Atlaseintrag> atlas;
    std::vector<std::vector<int>> ki_n, ki_w, ki_r;
    std::vector<std::vector<Markerpunkt>> marker;
};

Abbild abbild() {
    return {SBU_Skills,       SBU_Waren,      SBU_Objekte,   SBU_Ambiente, SBU_Bauplaetze,
            SBA_Atlastabelle, SBU_KI_Nahrung, SBU_KI_Wohnen, SBU_KI_Rest,  SBU_Markerpunkte};
}

class Schablonendateien : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt;
    std::string ordner(const std::string& name) const {
        const std::string o = welt.ordner().dir().path().string() + "/" + name;
        std::filesystem::create_directories(o);
        return o;
    }
    std::string lesen(const std::string& name) const { return welt.ordner().dir().read(name); }
};

TEST_F(Schablonendateien, TemplatesSaveLoadAndSaveAgainIdentically) {
    vorlagen_anlegen();
    ASSERT_TRUE(SBLS_Schablonen_speichern(ordner("eins")));
    EXPECT_EQ(lesen("eins/SBUS.sav"),
              "Bauer\r\n-1\r\nBauer\r\nernten\r\nFischer\r\n0\r\nFischer\r\nangeln\r\n");
    EXPECT_EQ(lesen("eins/SBUBG.sav"), "0/0/1\r\n0/-17/0\r\n2/3/1\r\n");
    EXPECT_EQ(lesen("eins/SBUKIN.sav"), "0\r\n\r\n1/0\r\n");
    EXPECT_EQ(lesen("eins/SBUQUS.sav"), "0/1/2\r\n0/-3/4\r\n2/5/6\r\n");
    EXPECT_EQ(lesen("eins/SBUPVOS.sav"), "0/Rad/41/Rad2/42/3/-4\r\n");
    const std::string wvos = lesen("eins/SBUWVOS.sav");
    EXPECT_EQ(wvos.substr(0, 18), "1/3/Korb0/40/0/0/K");
    EXPECT_EQ(std::count(wvos.begin(), wvos.end(), '/'), 37);
    const Abbild vorher = abbild();

    SBU_Alles_zuruecksetzen();
    SBLS_Schablonen_laden(ordner("eins"));
    EXPECT_FALSE(welt.gemeldet()) << Fehlertext;
    const Abbild nachher = abbild();
    EXPECT_EQ(nachher.objekte.size(), vorher.objekte.size());
    for (std::size_t i = 0; i < vorher.objekte.size(); ++i) {
        EXPECT_EQ(nachher.objekte[i].Text, vorher.objekte[i].Text);
        EXPECT_EQ(nachher.objekte[i].Baukosten, vorher.objekte[i].Baukosten);
        EXPECT_EQ(nachher.objekte[i].Slots[2].WarenID, vorher.objekte[i].Slots[2].WarenID);
        EXPECT_EQ(nachher.objekte[i].Updatelink, vorher.objekte[i].Updatelink);
    }
    ASSERT_EQ(nachher.waren.size(), vorher.waren.size());
    EXPECT_EQ(nachher.waren[1].Text, "Korn aus dem Feld");
    EXPECT_EQ(nachher.waren[1].Make, 2);
    EXPECT_EQ(nachher.waren[1].Need, vorher.waren[1].Need);
    EXPECT_EQ(nachher.waren[1].Transport, 1);
    EXPECT_EQ(nachher.ambiente[0].onMap, "true/3/5");
    EXPECT_EQ(nachher.bauplaetze.size(), 3u);
    EXPECT_EQ(nachher.bauplaetze[0][1].Versatz, -17);
    EXPECT_EQ(nachher.atlas[0].Flagge_Y, -6);
    EXPECT_EQ(nachher.atlas[0].hat_Flagge, 1);
    EXPECT_EQ(nachher.ki_n, vorher.ki_n);
    EXPECT_EQ(nachher.ki_r, vorher.ki_r) << "empty last levels keep their rows";
    EXPECT_EQ(nachher.marker.size(), 3u);
    EXPECT_EQ(SBU_Prozessanzeige[0].Bewegtmodell, "Rad2");
    EXPECT_EQ(SBU_Prozessanzeige[0].b, -4);
    EXPECT_EQ(SBU_Warenanzeige[1].Slot[3].Modellname[4], "Korb4");
    EXPECT_EQ(SBU_Warenanzeige[0].Slot[0].Modelltyp[0], 0) << "an unnamed slot comes back empty";

    // The derived lists.
    EXPECT_EQ(SBU_Food_Waren, (std::vector<int>{1}));
    EXPECT_EQ(SBU_Luxury_Waren, (std::vector<int>{2}));
    ASSERT_EQ(SBU_Warengruppen.size(), 2u);
    EXPECT_EQ(SBU_Warengruppen[0].Name, "Nahrung");
    EXPECT_EQ(SBU_Warengruppen[0].WarenID, 1);
    EXPECT_EQ(SBU_Start_ID, 0);
    EXPECT_EQ(SBU_Hafen_ID, 1);
    const int basis = 2;
    EXPECT_EQ(SBU_Way_IDs, (std::vector<int>{basis + 1}));
    EXPECT_EQ(SBU_ID_hole, basis + 2);
    EXPECT_EQ(SBU_Animationen, (std::vector<int>{basis}));
    ASSERT_GE(SBU_OnMap.size(), 21u);
    for (int c = 0; c <= 20; ++c) {
        std::vector<int> erwartet;
        if (c >= 3 && c <= 5) erwartet.push_back(basis);
        if (c >= 19) erwartet.push_back(basis + 2);
        EXPECT_EQ(SBU_OnMap[static_cast<std::size_t>(c)], erwartet) << c;
    }

    ASSERT_TRUE(SBLS_Schablonen_speichern(ordner("zwei")));
    for (const char* d : Dateien)
        EXPECT_EQ(lesen(std::string("zwei/") + d), lesen(std::string("eins/") + d)) << d;
}

TEST_F(Schablonendateien, AValueThatIsNoNumberEndsItsFileAndIsReported) {
    vorlagen_anlegen();
    SBU_Ambiente[2].onMap = "true/19/40";
    const std::string o = ordner("kaputt");
    ASSERT_TRUE(SBLS_Schablonen_speichern(o));
    // Skill 1's Boolean and a marker point.
    welt.ordner().dir().write("kaputt/SBUS.sav",
                              "Bauer\r\n-1\r\nBauer\r\nernten\r\nFischer\r\nja\r\nF\r\nx\r\n");
    welt.ordner().dir().write("kaputt/SBUQUS.sav", "0/1/2\r\n0/x/4\r\n2/5/6\r\n");
    welt.ordner().dir().write("kaputt/SBUBG.sav", "999999999/1/1\r\n");
    SBU_Alles_zuruecksetzen();
    SBLS_Schablonen_laden(o);
    EXPECT_TRUE(welt.gemeldet());
    ASSERT_EQ(SBU_Skills.size(), 2u);
    EXPECT_EQ(SBU_Skills[1].Titel, "Fischer");
    EXPECT_EQ(SBU_Skills[1].Berufname, "");
    ASSERT_EQ(SBU_Markerpunkte.size(), 1u);
    EXPECT_EQ(SBU_Markerpunkte[0].size(), 1u);
    EXPECT_TRUE(SBU_Bauplaetze.empty()) << "a building number out of range is refused";
    EXPECT_EQ(SBU_Objekte.size(), 2u) << "the other files are read";
    // Land types beyond 20 are cut off.
    ASSERT_GE(SBU_OnMap.size(), 21u);
    EXPECT_EQ(SBU_OnMap[20], (std::vector<int>{4}));
}

TEST_F(Schablonendateien, AMissingFileIsLoggedAndItsTableStaysEmpty) {
    vorlagen_anlegen();
    const std::string o = ordner("teil");
    ASSERT_TRUE(SBLS_Schablonen_speichern(o));
    std::filesystem::remove(o + "/SBUW.sav");
    SBU_Alles_zuruecksetzen();
    SBLS_Schablonen_laden(o);
    EXPECT_TRUE(SBU_Waren.empty());
    EXPECT_EQ(SBU_Objekte.size(), 2u);
    EXPECT_EQ(Fehlertext, o + "\\SBUW.sav Datei nicht gefunden.");
}

TEST_F(Schablonendateien, AFolderThatCannotBeWrittenAnswersFalse) {
    vorlagen_anlegen();
    EXPECT_FALSE(SBLS_Schablonen_speichern(welt.ordner().dir().path().string() + "/fehlt"));
    EXPECT_TRUE(welt.gemeldet());
}

}  // namespace

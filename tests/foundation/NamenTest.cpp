#include "foundation/Namen.h"

#include <gtest/gtest.h>

#include <set>

#include "Attrappen.h"
#include "common/TempDir.h"
#include "foundation/Config.h"
#include "platform/base/Datei.h"
#include "platform/base/Ini.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "foundation/Schablonen.h"
#include "population/Personen.h"
#include "population/Personennamen.h"

namespace {

using bhmtest::FehlerFang;

class Namen : public ::testing::Test {
protected:
    FehlerFang fang;
    void SetUp() override { NGU_Zuruecksetzen(); }
    void TearDown() override {
        NGU_Zuruecksetzen();
        Personen.clear();
        SBU_Alles_zuruecksetzen();
    }
    // Person row id, every field -1 until set (the table grows to hold it).
    static Personenzeile& zeile(int id) {
        if (Personen.size() <= static_cast<std::size_t>(id)) {
            Personenzeile leer;
            leer.f.fill(-1);
            Personen.resize(static_cast<std::size_t>(id) + 1, leer);
        }
        return Personen[static_cast<std::size_t>(id)];
    }
};

TEST_F(Namen, ClannamenSindEindeutigUndFest) {
    NGU_Clanliste = {"Eichenhof", "Moorbach", "Felsgrund", "Rabenhorst", "Lindenau"};
    RandSeed = 99;
    for (int c = 0; c < 5; ++c) NGU_Clanname_setzen(c, "");
    std::set<std::string> namen(NGU_Clannamen.begin(), NGU_Clannamen.end());
    EXPECT_EQ(namen, std::set<std::string>(NGU_Clanliste.begin(), NGU_Clanliste.end()));
    // The same seed gives the same names in the same order.
    const auto erste = NGU_Clannamen;
    NGU_Clannamen.clear();
    RandSeed = 99;
    for (int c = 0; c < 5; ++c) NGU_Clanname_setzen(c, "");
    EXPECT_EQ(NGU_Clannamen, erste);
}

TEST_F(Namen, ErschoepfteListeEndetMitNummerierten) {
    NGU_Clanliste = {"Eichenhof", "Moorbach", "Eichenhof"};
    RandSeed = 5;
    for (int c = 0; c < 40; ++c) NGU_Clanname_setzen(c, "");
    ASSERT_EQ(NGU_Clannamen.size(), 40u);
    const std::set<std::string> namen(NGU_Clannamen.begin(), NGU_Clannamen.end());
    EXPECT_EQ(namen.size(), 40u);
    EXPECT_TRUE(namen.count("Eichenhof") && namen.count("Moorbach"));
    for (const std::string& n : NGU_Clannamen)
        EXPECT_TRUE(n.rfind("Eichenhof", 0) == 0 || n.rfind("Moorbach", 0) == 0) << n;

    // An empty list still gives every clan a name of its own.
    NGU_Zuruecksetzen();
    for (int c = 0; c < 3; ++c) NGU_Clanname_setzen(c, "");
    EXPECT_EQ(std::set<std::string>(NGU_Clannamen.begin(), NGU_Clannamen.end()).size(), 3u);
    for (const std::string& n : NGU_Clannamen) EXPECT_FALSE(n.empty());
}

TEST_F(Namen, ExpliziterNameBleibtUndTabelleWaechst) {
    NGU_Clanliste = {"Moorbach"};
    NGU_Clanname_setzen(3, "Moorbach");
    EXPECT_EQ(NGU_Clannamen.size(), 4u);
    EXPECT_TRUE(NGU_Clanname_vergeben("Moorbach"));
    EXPECT_FALSE(NGU_Clanname_vergeben("moorbach"));
    NGU_Clanname_setzen(1, "Moorbach");
    EXPECT_EQ(NGU_Clannamen[1], "Moorbach");
    EXPECT_EQ(NGU_Clanname(0), "Unbekannt");  // a clan without a name
    EXPECT_EQ(NGU_Clanname(12), "Unbekannt");
    EXPECT_EQ(fang.nehmen(), "");
    NGU_Clanname_setzen(-1, "X");
    EXPECT_NE(fang.nehmen().find("NGU_Clanname_setzen"), std::string::npos);
    EXPECT_EQ(NGU_Clannamen.size(), 4u);
}

TEST_F(Namen, AnzeigenamenNachModus) {
    NGU_Maennerliste = {"Albrecht", "Bodo", "Conrad"};
    NGU_Frauenliste = {"Adelheid", "Berta"};
    NGU_Clanname_setzen(0, "Eichenhof");
    SBU_Skills.resize(5);
    SBU_Skills[4].Berufname = "Schmied";
    auto person = [&](int id, int geschlecht, int vorname, int nachname, int modus) {
        Personenzeile& z = zeile(id);
        z.Geschlecht() = geschlecht;
        z.Vorname() = vorname;
        z.Nachname() = nachname;
        z.Namensmodus() = modus;
    };
    person(1, 1, 2, 0, 1);
    person(2, 2, 1, 0, 1);
    person(3, 1, 0, 4, 2);
    person(4, 2, 0, 1, 3);
    person(5, 1, 1, 2, 3);
    person(6, 1, 0, 0, 7);
    // Indexes that do not exist.
    person(7, 1, 9, 0, 1);
    person(8, 2, 0, 5, 1);
    person(9, 1, 0, 99, 2);
    person(10, 2, -1, 7, 3);
    const std::pair<int, std::string> faelle[] = {
        {1, "Conrad Eichenhof"},      {2, "Berta Eichenhof"},
        {3, "Albrecht Schmied"},      {4, W("Adelheid Tochter Berta´s")},
        {5, W("Bodo Sohn Conrad´s")}, {6, "NGU Fehler 7"},
        {7, "Unbekannt Eichenhof"},   {8, "Adelheid Unbekannt"},
        {9, "Albrecht Unbekannt"},    {10, W("Unbekannt Tochter Unbekannt´s")},
        {42, "NGU Fehler -1"},
    };
    for (const auto& [p, name] : faelle) EXPECT_EQ(NGU_Personenname(p), name) << p;
    NGU_Zuruecksetzen();
    EXPECT_EQ(NGU_Personenname(1), "Unbekannt Unbekannt");
}

TEST_F(Namen, NamensartenSetzenFamilienteilUndModus) {
    zeile(4);  // the table first, so the references below stay valid
    Personenzeile &mutter = zeile(1), &vater = zeile(2), &kind = zeile(3), &andere = zeile(4);
    mutter.Vorname() = 4;
    mutter.Aktiver_SkillID() = 6;
    vater.Vorname() = 9;
    vater.Aktiver_SkillID() = 6;
    kind.MutterID() = 1;
    kind.VaterID() = 2;
    kind.Spieler() = 5;

    NGU_Namensart_Clan(3);
    EXPECT_EQ(kind.Nachname(), 5);
    EXPECT_EQ(kind.Namensmodus(), 1);

    vater.Aktiver_SkillID() = 8;  // equal skills name after the father
    mutter.Aktiver_SkillID() = 8;
    NGU_Namensart_Elternteil(3);
    EXPECT_EQ(kind.Nachname(), 8);
    EXPECT_EQ(kind.Namensmodus(), 2);
    vater.Aktiver_SkillID() = -1;
    mutter.Aktiver_SkillID() = 3;
    NGU_Namensart_Elternteil(3);
    EXPECT_EQ(kind.Nachname(), 3);  // the mother's is higher
    mutter.Aktiver_SkillID() = -1;
    NGU_Namensart_Elternteil(3);
    EXPECT_EQ(kind.Nachname(), 0);  // no skill: 0

    NGU_Namensart_Kind(2, 3);
    EXPECT_EQ(kind.Nachname(), 4);
    EXPECT_EQ(kind.Namensmodus(), 3);
    NGU_Namensart_Kind(1, 3);
    EXPECT_EQ(kind.Nachname(), 9);

    andere.Nachname() = 0;
    andere.Namensmodus() = 1;
    NGU_Namen_kopieren(4, 3);
    EXPECT_EQ(andere.Nachname(), 9);
    EXPECT_EQ(andere.Namensmodus(), 3);
}

TEST_F(Namen, SpeichernLadenSpeichernGleich) {
    bhmtest::TempDir dir;
    NGU_Clanliste = {"Eichenhof", W("Bärental")};
    NGU_Maennerliste = {W("Jörg"), "Odo"};
    NGU_Frauenliste = {"Ute"};
    NGU_Clannamen = {W("Bärental"), "", "Eichenhof"};
    const std::string ordner = dir.folder() + "save\\single\\eins\\";
    ASSERT_TRUE(Ordner_anlegen(ordner));
    ASSERT_TRUE(NGU_Speichern(ordner));
    EXPECT_EQ(dir.read("save/single/eins/NGUACN.sav"), "B\xE4rental\r\n\r\nEichenhof\r\n");
    const auto clan = NGU_Clanliste, mann = NGU_Maennerliste, frau = NGU_Frauenliste, tab = NGU_Clannamen;
    NGU_Zuruecksetzen();
    NGU_Laden(ordner);
    EXPECT_EQ(NGU_Clanliste, clan);
    EXPECT_EQ(NGU_Maennerliste, mann);
    EXPECT_EQ(NGU_Frauenliste, frau);
    EXPECT_EQ(NGU_Clannamen, tab);
    const std::string zweiter = dir.folder() + "zwei\\";
    ASSERT_TRUE(Ordner_anlegen(zweiter));
    ASSERT_TRUE(NGU_Speichern(zweiter));
    for (const char* f : {"NGUCN.sav", "NGUFN.sav", "NGUMN.sav", "NGUACN.sav"})
        EXPECT_EQ(dir.read(std::string("zwei/") + f), dir.read(std::string("save/single/eins/") + f)) << f;
}

TEST_F(Namen, LadenNimmtDenTextVorDemSchraegstrichUndLaesstFehlendes) {
    bhmtest::TempDir dir;
    dir.write("NGUACN.sav", "Nordwind/x\r\nSeenhof\r\n");
    NGU_Clanliste = {"bleibt"};
    NGU_Laden(dir.folder());
    EXPECT_EQ(NGU_Clannamen, (std::vector<std::string>{"Nordwind", "Seenhof"}));
    EXPECT_EQ(NGU_Clanliste, std::vector<std::string>{"bleibt"});
    EXPECT_EQ(fang.nehmen(), "");
}

TEST_F(Namen, NamenlistenAusDemProgrammordner) {
    bhmtest::TempDir dir;
    const std::string gemerkt = Programmpfad;
    Programmpfad = dir.folder();
    dir.write("text/denamenclan.txt", "Eichenhof\r\n\r\nMoorbach\r\n");
    dir.write("text/DENamenMann.TXT", "Albrecht\nBodo");
    NGU_Frauenliste = {"bleibt"};
    NGU_Namenlisten_laden();
    Programmpfad = gemerkt;
    EXPECT_EQ(NGU_Clanliste, (std::vector<std::string>{"Eichenhof", "Moorbach"}));
    EXPECT_EQ(NGU_Maennerliste, (std::vector<std::string>{"Albrecht", "Bodo"}));
    EXPECT_EQ(NGU_Frauenliste, std::vector<std::string>{"bleibt"});
}

// A list left without names (file missing, or only empty lines) is told once, however often
// new worlds load the lists again; the names then fall back to a stand-in.
TEST_F(Namen, NamenlistenOhneNamenWerdenEinmalGemeldet) {
    bhmtest::TempDir dir;
    const std::string gemerkt = Programmpfad;
    Programmpfad = dir.folder();
    dir.write("Text/DENamenClan.txt", "\r\n\r\n");
    dir.write("Text/DENamenMann.txt", "Albrecht\r\n");
    Errorloger = true;
    NGU_Zuruecksetzen();
    NGU_Namenlisten_laden();
    EXPECT_NE(fang.nehmen().find("DENamenFrau.txt"), std::string::npos);
    NGU_Zuruecksetzen();
    NGU_Namenlisten_laden();
    EXPECT_EQ(fang.nehmen(), "") << "told once a run";
    std::vector<std::string> log;
    for (int i = 0; i < 3; ++i)
        log.push_back(ini::lesen_text(Programmpfad + Configdatei, "Errorlog", std::to_string(i), ""));
    Programmpfad = gemerkt;
    EXPECT_NE(log[0].find("DENamenClan.txt"), std::string::npos) << log[0];
    EXPECT_NE(log[1].find("DENamenFrau.txt"), std::string::npos) << log[1];
    EXPECT_EQ(log[2], "");
    EXPECT_EQ(NGU_Maennerliste, std::vector<std::string>{"Albrecht"});
    EXPECT_EQ(NGU_Clanname(0), "Unbekannt");
}

// The lists the game ships: enough names, no name twice, Windows-1252 letters only.
TEST_F(Namen, MitgelieferteNamenlisten) {
    const std::pair<const char*, std::size_t> dateien[] = {
        {"DENamenClan.txt", 300}, {"DENamenMann.txt", 200}, {"DENamenFrau.txt", 200}};
    std::set<std::string> vornamen;
    for (const auto& [datei, mindestens] : dateien) {
        const std::string pfad = std::string(BHM_SOURCE_DIR) + "/content/Text/" + datei;
        const auto bytes = Datei_lesen(pfad);
        ASSERT_TRUE(bytes) << pfad;
        const auto zeilen = Zeilen_teilen(*bytes);
        EXPECT_GE(zeilen.size(), mindestens) << datei;
        EXPECT_EQ(std::set<std::string>(zeilen.begin(), zeilen.end()).size(), zeilen.size()) << datei;
        std::size_t crlf = 0;
        for (std::size_t i = 0; i + 1 < bytes->size(); ++i)
            crlf += (*bytes)[i] == '\r' && (*bytes)[i + 1] == '\n';
        EXPECT_EQ(crlf, zeilen.size()) << datei;
        for (const std::string& z : zeilen) {
            ASSERT_FALSE(z.empty()) << datei;
            for (unsigned char c : z)
                EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 0xC4 || c == 0xD6 ||
                            c == 0xDC || c == 0xE4 || c == 0xF6 || c == 0xFC || c == 0xDF)
                    << datei << ": " << cp1252_zu_utf8(z);
        }
        if (std::string(datei) != "DENamenClan.txt") vornamen.insert(zeilen.begin(), zeilen.end());
    }
    EXPECT_GE(vornamen.size(), 400u);  // no first name is in both lists
}

}  // namespace

#include "foundation/Schablonen_Parser.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "common/Zufallsbytes.h"
#include "foundation/SchablonenHilfe.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Text1252.h"

namespace {

using bhmtest::Schablonenumgebung;

// Goods 0..5 and skills 0..2 with titles, as the later kinds see them.
void namen_anlegen() {
    SBU_Skills.resize(3);
    SBU_Skills[1].Titel = "Bauer";
    SBU_Skills[2].Titel = "Schmied";
    SBU_Waren.resize(6);
    const char* titel[] = {"Nichts", "Holz", "Stein", "Brot", "Mehl", "Hase"};
    for (int i = 0; i < 6; ++i) SBU_Waren[i].Titel = titel[i];
}

TEST(SchablonenParser, ScriptSyntax) {
    struct Fall {
        const char* name;
        std::string script;
        std::string titel;
        int platz;
        int meldungen;
    } faelle[] = {
        {"only the first slash separates", "Titel/Haus/Alt", "Haus/Alt", 0, 0},
        {"no slash: empty value", "Titel/X\nTitel", "", 0, 0},
        {"keys are case-sensitive", "titel/Haus\nTITEL/Haus", "", 0, 0},
        {"nothing is trimmed", "Titel/ Haus \n Titel/x\nTitel /y", " Haus ", 0, 0},
        {"the last line wins", "Titel/A\nTitel/B\r\nTitel/C\r", "C", 0, 0},
        {"a conversion error ends the file", "Titel/A\nPlatz/4\nPlatz/x\nTitel/B", "A", 4, 1},
        {"an empty number is an error", "Platz/\nTitel/B", "", 0, 1},
        {"a sign is allowed", "Platz/+7", "", 7, 0},
        {"empty file", "", "", 0, 0},
    };
    for (const Fall& f : faelle) {
        Schablonenumgebung u;
        u.schreiben("Script.srt", f.script);
        SBU_Objekte.resize(2);
        std::string log;
        bool gut = SBU_Objektscript_laden(u.pfad("Script.srt"), 1, log);
        EXPECT_EQ(SBU_Objekte[1].Titel, f.titel) << f.name;
        EXPECT_EQ(SBU_Objekte[1].Platz, f.platz) << f.name;
        EXPECT_EQ(gut, f.meldungen == 0) << f.name;
        EXPECT_EQ(u.meldungen_mit("SBU > Script konnte nicht geladen werden: " + u.pfad("Script.srt")),
                  f.meldungen)
            << f.name;
        EXPECT_EQ(log, "ID:1=" + f.titel) << f.name;
    }
}

TEST(SchablonenParser, MissingFileIsReportedAndLeavesTheRecord) {
    Schablonenumgebung u;
    SBU_Skills.resize(1);
    SBU_Skills[0].Titel = "alt";
    std::string log;
    EXPECT_FALSE(SBU_Skillscript_laden(u.pfad("fehlt.srt"), 0, log));
    EXPECT_EQ(SBU_Skills[0].Titel, "alt");
    EXPECT_EQ(u.meldungen_mit("SBU > Script konnte nicht geladen werden: "), 1);
    EXPECT_FALSE(SBU_Skillscript_laden(u.pfad("fehlt.srt"), 1, log)) << "number beyond the table";
}

TEST(SchablonenParser, Skills) {
    Schablonenumgebung u;
    SBU_Skills.resize(3);
    u.schreiben("s.srt", W("Titel/Bauer\nBerufname/Landwirt\nTätikkeit/pflügt\ntätikkeit/nein\n"));
    std::string log;
    ASSERT_TRUE(SBU_Skillscript_laden(u.pfad("s.srt"), 2, log));
    EXPECT_EQ(SBU_Skills[2].Titel, "Bauer");
    EXPECT_EQ(SBU_Skills[2].Berufname, "Landwirt");
    EXPECT_EQ(SBU_Skills[2].Taetigkeit, W("pflügt"));
    EXPECT_EQ(log, W("ID:2 = Bauer = Landwirt = pflügt"));
}

TEST(SchablonenParser, NameLookups) {
    Schablonenumgebung u;
    EXPECT_EQ(SBU_WarenID_von_Warennamen("Holz"), -1);
    EXPECT_EQ(SBU_SkillID_von_Skillnamen("Bauer"), -1);
    EXPECT_EQ(u.meldungen_mit("SBU_WarenID_von_Warennamen > Keine WarenID vorhanden."), 1);
    EXPECT_EQ(u.meldungen_mit("SBU_SkillID_von_Skillnamen > Keine ID vorhanden."), 1);
    namen_anlegen();
    EXPECT_EQ(SBU_WarenID_von_Warennamen("Nichts"), -1) << "good 0 never matches";
    EXPECT_EQ(SBU_WarenID_von_Warennamen("holz"), -1);
    EXPECT_EQ(SBU_Waren[1].benutzt, 0);
    EXPECT_EQ(SBU_WarenID_von_Warennamen("Holz"), 1);
    EXPECT_EQ(SBU_Waren[1].benutzt, 1);
    EXPECT_EQ(SBU_SkillID_von_Skillnamen("Schmied"), 2);
    EXPECT_EQ(SBU_SkillID_von_Skillnamen("Koch"), -1);
    EXPECT_EQ(u.meldungen_mit("SBU_SkillID_von_Skillnamen > ID nicht gefunden: Koch"), 1);
}

TEST(SchablonenParser, GoodsDefaultsAndRegistration) {
    Schablonenumgebung u;
    namen_anlegen();
    SBU_Waren[3].benutzt = 1;
    SBU_Waren[3].Make = 9;
    SBU_Waren[3].Need[0] = {1, 1};
    u.schreiben("w.srt",
                "Titel/Brot\nTransport/True\nGroup/Essen\nChance/\nGrow/\nMake/\nSpez/food\nSpez/food\n"
                "Skill/Bauer\nText/lecker\nNeed/Brot/2/Mehl/0//7/Holz/x\n");
    std::string log;
    ASSERT_TRUE(SBU_Warenscript_laden(u.pfad("w.srt"), 3, log));
    const Waren_Item& w = SBU_Waren[3];
    EXPECT_EQ(w.benutzt, 1) << "kept through the reset";
    EXPECT_EQ(w.Transport, 1);
    EXPECT_EQ(w.Chance, 100);
    EXPECT_EQ(w.Grow, 0);
    EXPECT_EQ(w.Make, 1);
    EXPECT_EQ(w.SkillID, 1);
    EXPECT_EQ(w.Text, "lecker");
    EXPECT_EQ(SBU_Food_Waren, (std::vector<int>{3, 3})) << "a repeated Spez line adds again";
    ASSERT_EQ(SBU_Warengruppen.size(), 1u);
    EXPECT_EQ(SBU_Warengruppen[0].Name, "Essen");
    // Need: itself (resolves), Mehl below 1 (kept, reported), empty name, Holz without amount.
    EXPECT_EQ(w.Need, (std::array<Waren_Menge, 5>{{{3, 2}, {4, 0}, {-1, -1}, {1, 1}, {-1, -1}}}));
    EXPECT_EQ(u.meldungen_mit("WarenID: 3 die Rohstoffmenge(0) sollte nie unter 1 sein."), 1);
    EXPECT_EQ(u.meldungen_mit("WarenID: 3 mit dem Namen:(Holz) konnte die Menge nicht erfassen."), 1);
    EXPECT_EQ(SBU_Waren[4].benutzt, 1);
    EXPECT_TRUE(SBU_Fehlwaren.empty());
    EXPECT_EQ(log, "ID:3=Brot=JA");

    // A second good: a wrong Transport word, numbers, an unknown skill and a missing raw material.
    u.schreiben("w2.srt",
                "Titel/Mehl\nTransport/true\nGroup/Essen\nGroup/Bau\nChance/40\nMake/3\nSpez/luxury\n"
                "Skill/Koch\nNeed/Korn/1/Rinde/1\nNeed/Korn/1\nGrow/x\nTitel/nie\n");
    ASSERT_FALSE(SBU_Warenscript_laden(u.pfad("w2.srt"), 4, log));
    const Waren_Item& m = SBU_Waren[4];
    EXPECT_EQ(m.Titel, "Mehl");
    EXPECT_EQ(m.Transport, 0);
    EXPECT_EQ(m.Chance, 40);
    EXPECT_EQ(m.Make, 3);
    EXPECT_EQ(m.SkillID, -1);
    EXPECT_EQ(m.Need[0].WarenID, -1);
    EXPECT_EQ(SBU_Luxury_Waren, std::vector<int>{4});
    ASSERT_EQ(SBU_Warengruppen.size(), 2u);
    EXPECT_EQ(SBU_Warengruppen[1].Name, "Bau");
    EXPECT_EQ(SBU_Warengruppen[1].WarenID, 4);
    EXPECT_EQ(u.meldungen_mit("Ware: 4 konnte den Skill nicht erfassen."), 1);
    EXPECT_EQ(u.meldungen_mit("WarenID: 4 konnte den Rohstoff(Korn) nicht erfassen."), 2);
    EXPECT_EQ(SBU_Fehlwaren, std::vector<int>{4}) << "listed once while it is the last entry";
    EXPECT_EQ(log, "ID:4=Mehl=" + W("NÖ"));
}

TEST(SchablonenParser, BuildingCostsAndSlots) {
    Schablonenumgebung u;
    namen_anlegen();
    SBU_Objekte.resize(4);
    u.schreiben(
        "o.srt",
        "Titel/Backhaus\nKurz/BH\nBaukosten/Holz/2/Stein/5\nModus/Produktion/Brot/Produktion/Mehl/Holen\n"
        "Platz/3\nAI_Level/\nUpdatelink/\n");
    std::string log;
    ASSERT_TRUE(SBU_Objektscript_laden(u.pfad("o.srt"), 2, log));
    const Objekt_Item& o = SBU_Objekte[2];
    EXPECT_EQ(o.Modus, "Produktion");
    EXPECT_EQ(o.Kurz, "BH");
    EXPECT_EQ(o.Platz, 3);
    EXPECT_EQ(o.AI_Level, 1) << "empty value";
    EXPECT_EQ(o.Updatelink, 0);
    EXPECT_EQ(u.meldungen_mit("SBU > Script > Wohnlink > konnte nicht geladen werden: "), 1);
    EXPECT_EQ(o.Baukosten, (std::array<Waren_Menge, 4>{{{1, 3}, {2, 5}, {-1, -1}, {-1, -1}}}));
    EXPECT_EQ(u.meldungen_mit(
                  "Objekt: 2 Backhaus mit dem Baukosten[Slot]: 0 die Menge darf nie unter 3 sein. Set to 3"),
              1);
    EXPECT_EQ(o.Slots[0].WarenID, 3);
    EXPECT_EQ(o.Slots[0].Benutzung, Benutzung_Produktion);
    EXPECT_EQ(o.Slots[1].WarenID, 4);
    EXPECT_EQ(o.Slots[1].Benutzung, Benutzung_Holen);
    for (int k = 2; k < 6; ++k) {
        EXPECT_EQ(o.Slots[k].WarenID, -1);
        EXPECT_EQ(o.Slots[k].Benutzung, 0) << "code unchanged";
    }
    EXPECT_EQ(log, "ID:2=Backhaus");
    EXPECT_EQ(SBU_Objekte[3].AI_Level, 0) << "no AI_Level line";

    // Unknown goods and words, a cost that does not convert, rabbits.
    u.schreiben(
        "o3.srt",
        "Titel/Jagd\nBaukosten/Gold/4/Holz/x/Stein/7\nModus/Produktion/Hase/Kaninchenabbau/Eisen/Holen/"
        "Holz/schlagen/Brot/produktion\n");
    ASSERT_TRUE(SBU_Objektscript_laden(u.pfad("o3.srt"), 3, log));
    const Objekt_Item& j = SBU_Objekte[3];
    EXPECT_EQ(j.Baukosten[0].WarenID, -1);
    EXPECT_EQ(j.Baukosten[0].Menge, 0) << "amount left as it was";
    EXPECT_EQ(j.Baukosten[1].Menge, 3);
    EXPECT_EQ(j.Baukosten[2].Menge, 7);
    EXPECT_EQ(
        u.meldungen_mit("Objekt: 3 Jagd mit dem Baukosten[Slot]: 0 Gold konnte die Ware nicht erfassen. "
                        "(Text nicht ANSI konvertiert?)"),
        1);
    EXPECT_EQ(u.meldungen_mit(
                  "Objekt: 3 Jagd mit dem Baukosten[Slot]: 1 konnte die Menge nicht erfassen. Set to 3"),
              1);
    EXPECT_EQ(SBU_Kaninchenware, 5);
    EXPECT_EQ(j.Slots[0].Benutzung, Benutzung_Kaninchenabbau);
    EXPECT_EQ(j.Slots[1].WarenID, -1);
    EXPECT_EQ(u.meldungen_mit("Objekt: 3 mit dem Slot: 1 konnte die Ware nicht erfassen."), 1);
    EXPECT_EQ(
        u.meldungen_mit("SBU_Slot_erfassen > Benutzung :(schlagen) konnte nicht erfasst werden. Bauplan:3"),
        1);
    EXPECT_EQ(u.meldungen_mit("(produktion)"), 1);
}

TEST(SchablonenParser, BuildingModes) {
    struct Fall {
        std::string modus;
        std::array<int, 6> waren;
        int neid;
        bool gut;
        int hafen, hafen2, start;
    } faelle[] = {
        {"Lager/2", {0, 0, 0, -1, -1, -1}, 0, true, 0, 0, 0},
        {"Hafen/0", {0, -1, -1, -1, -1, -1}, 0, true, 1, 0, 0},
        {"Hafen2/5", {0, 0, 0, 0, 0, 0}, 0, true, 0, 1, 0},
        {"Lager/x", {0, 0, 0, 0, 0, 0}, 0, false, 0, 0, 0},
        {"Home/Neid/3", {0, 0, 0, 0, 0, 0}, 3, true, 0, 0, 0},
        {"Home/Neid/3/4", {0, 0, 0, 0, 0, 0}, 0, false, 0, 0, 0},
        {"Home", {0, 0, 0, 0, 0, 0}, 0, true, 0, 0, 0},
        {"Start", {0, 0, 0, 0, 0, 0}, 0, true, 0, 0, 1},
    };
    for (const Fall& f : faelle) {
        Schablonenumgebung u;
        SBU_Objekte.resize(2);
        u.schreiben("o.srt", "Modus/" + f.modus + "\n");
        std::string log;
        EXPECT_EQ(SBU_Objektscript_laden(u.pfad("o.srt"), 1, log), f.gut) << f.modus;
        const Objekt_Item& o = SBU_Objekte[1];
        EXPECT_EQ(o.Modus, FFU_Slashteil(f.modus)) << f.modus;
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(o.Slots[k].WarenID, f.waren[k]) << f.modus << " slot " << k;
            if (f.modus.starts_with("Lager/2") || f.modus.starts_with("Hafen")) {
                EXPECT_EQ(o.Slots[k].Benutzung, Benutzung_Lager) << f.modus;
            }
        }
        EXPECT_EQ(o.Neid, f.neid) << f.modus;
        EXPECT_EQ(SBU_Hafen_ID, f.hafen) << f.modus;
        EXPECT_EQ(SBU_Hafen2_ID, f.hafen2) << f.modus;
        EXPECT_EQ(SBU_Start_ID, f.start) << f.modus;
        EXPECT_EQ(u.meldungen_mit("SBU > Script > Modus > Home > Neid konnte nicht geladen werden: "),
                  f.modus == "Home" ? 1 : 0)
            << f.modus;
    }
}

TEST(SchablonenParser, DisplaysOfBuildings) {
    Schablonenumgebung u;
    SBU_Objekte.resize(4);
    std::string schritte = "Korb/1/2";
    for (int s = 1; s < 9; ++s)
        schritte += (s == 4 ? "/Sack/" : "//") + std::to_string(s) + "/" + std::to_string(-s);
    u.schreiben("o.srt", "Warenanzeige/2/" + schritte + "\nProzessanzeige/Rad//5/6\n");
    std::string log;
    ASSERT_TRUE(SBU_Objektscript_laden(u.pfad("o.srt"), 3, log));
    ASSERT_EQ(SBU_Warenanzeige.size(), 4u) << "grown to the number + 1";
    const Waren_vor_Objekt& w = SBU_Warenanzeige[3].Slot[2];
    EXPECT_EQ(w.Modellname[0], "Korb");
    EXPECT_EQ(w.Modellname[3], "Korb") << "an empty name repeats the step before";
    EXPECT_EQ(w.Modellname[4], "Sack");
    EXPECT_EQ(w.Modellname[8], "Sack");
    EXPECT_EQ(w.a[0], 1);
    EXPECT_EQ(w.b[0], 2);
    EXPECT_EQ(w.a[8], 8);
    EXPECT_EQ(w.b[8], -8);
    EXPECT_TRUE(SBU_Warenanzeige[3].Slot[0].Modellname[0].empty());
    ASSERT_EQ(SBU_Prozessanzeige.size(), 4u);
    EXPECT_EQ(SBU_Prozessanzeige[3].Standmodell, "Rad");
    EXPECT_EQ(SBU_Prozessanzeige[3].Bewegtmodell, "Rad");
    EXPECT_EQ(SBU_Prozessanzeige[3].a, 5);
    EXPECT_EQ(SBU_Prozessanzeige[3].b, 6);

    // Each of these ends the file.
    const std::string kaputt[] = {"Warenanzeige/6/" + schritte, "Warenanzeige/1//1/2" + schritte.substr(8),
                                  "Warenanzeige/1/Korb/1/2", "Warenanzeige/x/" + schritte,
                                  "Prozessanzeige/A/B/1"};
    for (const std::string& zeile : kaputt) {
        Schablonenumgebung v;
        SBU_Objekte.resize(2);
        v.schreiben("k.srt", zeile + "\nTitel/danach\n");
        EXPECT_FALSE(SBU_Objektscript_laden(v.pfad("k.srt"), 1, log)) << zeile;
        EXPECT_TRUE(SBU_Objekte[1].Titel.empty()) << zeile;
        EXPECT_TRUE(SBU_Warenanzeige.empty() || SBU_Warenanzeige[1].Slot[1].Modellname[0].empty()) << zeile;
    }
}

TEST(SchablonenParser, AmbientTemplates) {
    Schablonenumgebung u;
    SBU_Objekte.resize(40);
    SBU_Ambiente.resize(6);
    const std::string scripts[] = {
        "Titel/Busch\nlink/-1\nonMap/true/3/5\nblock/true\n",
        "Titel/Baum\nlink/5\nonMap/false/3/5\nblock/True\nspezial/flag\nanimation/2\n",
        "Titel/Stein\nonMap/true/5/3\nspezial/stone\nspezial/way\nspezial/tree\n",
        "Titel/Fahne\nspezial/flag\nonMap/true/-2/25\n",
        "titel/x\nlink/y\nTitel/nie\n",
    };
    for (int a = 0; a < 5; ++a) {
        u.schreiben("a.srt", scripts[a]);
        std::string log;
        SBU_Ambientescript_laden(u.pfad("a.srt"), a, log);
        if (a == 1) {
            EXPECT_EQ(log, "ID:1=Baum");
        }
    }
    EXPECT_EQ(SBU_Ambiente[0].link, 39) << "-1 gives B - 1: no next stage";
    EXPECT_EQ(SBU_Ambiente[1].link, 45);
    EXPECT_EQ(SBU_Ambiente[0].block, 1);
    EXPECT_EQ(SBU_Ambiente[1].block, 0);
    EXPECT_EQ(SBU_Ambiente[1].onMap, "false/3/5");
    EXPECT_EQ(SBU_Ambiente[2].spezial, "tree") << "kept in the record";
    EXPECT_EQ(SBU_ID_flag, 43) << "the later template wins";
    EXPECT_EQ(SBU_Stone_IDs, std::vector<int>{42});
    EXPECT_EQ(SBU_Way_IDs, std::vector<int>{42});
    EXPECT_EQ(SBU_Ambiente[1].animation, 2);
    EXPECT_EQ(SBU_Animationen, std::vector<int>{41});
    ASSERT_EQ(SBU_Animation_Tabelle.size(), 42u);
    EXPECT_EQ(SBU_Animation_Tabelle[41], 41);
    EXPECT_EQ(SBU_Animation_Tabelle[40], 0);
    // onMap: 3..5 for Busch, clamped 0..20 for Fahne, nothing for false or 5..3.
    ASSERT_EQ(SBU_OnMap.size(), 21u);
    for (int c = 0; c <= 20; ++c) {
        std::vector<int> erwartet;
        if (c >= 3 && c <= 5) erwartet.push_back(40);
        erwartet.push_back(43);
        EXPECT_EQ(SBU_OnMap[c], erwartet) << "land type " << c;
    }
    EXPECT_EQ(u.meldungen_mit("onMap ausserhalb 0..20"), 1);
    EXPECT_EQ(SBU_Ambiente[4].Titel, "") << "ended at link/y";
    EXPECT_EQ(u.meldungen_mit("SBU > Script konnte nicht geladen werden: "), 1);
}

TEST(SchablonenParser, RegistrationRefusesImpossibleNumbers) {
    Schablonenumgebung u;
    EXPECT_EQ(SBU_OnMap_eintragen(21, 5), -1);
    EXPECT_EQ(SBU_OnMap_eintragen(-1, 5), -1);
    EXPECT_EQ(SBU_OnMap_eintragen(2, 5), 0);
    EXPECT_EQ(SBU_OnMap_eintragen(2, 6), 1);
    EXPECT_EQ(SBU_OnMap.size(), 3u);
    EXPECT_EQ(SBU_Animation_eintragen(-3), -1);
    EXPECT_EQ(SBU_Animation_eintragen(7), 0);
    EXPECT_EQ(SBU_Animation_Tabelle.size(), 8u);
    SBU_Markerpunkt_eintragen(-1, 1, 1);
    SBU_Markerpunkt_eintragen(4, 1, 2);
    ASSERT_EQ(SBU_Markerpunkte.size(), 5u) << "grown to the number + 1";
    EXPECT_EQ(SBU_Markerpunkte[4][0].y, 2);
    EXPECT_EQ(u.meldungen().size(), 4u);
    SBU_Warengruppe_eintragen("A", 3);
    SBU_Warengruppe_eintragen("A", 4);
    EXPECT_EQ(SBU_Warengruppen.size(), 1u);
}

}  // namespace

namespace {

// A damaged script of each kind (cut off in the middle of a line, random bytes, a line the
// kind does not know) is told once, naming the file; what its known lines set stays, the rest
// of the record keeps its defaults. A sound script and an empty one are not told.
TEST(SchablonenParser, DamagedScriptsAreToldOncePerKind) {
    struct Art {
        const char* name;
        std::string ganz;  // a sound script of the kind
        std::function<bool(const std::string&, std::string&)> laden;
        std::function<std::string()> titel;
    };
    const Art arten[] = {
        {"skill", "Titel/Keiner\r\nBerufname/Niemand\r\n" + W("Tätikkeit") + "/tut nichts\r\n",
         [](const std::string& p, std::string& log) { return SBU_Skillscript_laden(p, 3, log); },
         [] { return SBU_Skills[3].Titel; }},
        {"good", "Titel/Nichts\r\nText/Platzhalter, wird nie gehandelt.\r\n",
         [](const std::string& p, std::string& log) { return SBU_Warenscript_laden(p, 5, log); },
         [] { return SBU_Waren[5].Titel; }},
        {"building", "Titel/Platzhalter\r\nKurz/-\r\nText/Wird nie gebaut.\r\n",
         [](const std::string& p, std::string& log) { return SBU_Objektscript_laden(p, 1, log); },
         [] { return SBU_Objekte[1].Titel; }},
        {"ambient", "Titel/Leer\r\nblock/true\r\n",
         [](const std::string& p, std::string& log) { return SBU_Ambientescript_laden(p, 0, log); },
         [] { return SBU_Ambiente[0].Titel; }},
    };
    struct Schaden {
        const char* name;
        std::function<std::string(const std::string& ganz)> machen;
        const char* meldung;  // nullptr: not told
        bool titel_bleibt;    // the title line was read
    };
    const Schaden schaeden[] = {
        {"sound", [](const std::string& g) { return g; }, nullptr, true},
        {"empty", [](const std::string&) { return std::string(); }, nullptr, false},
        {"cut in the middle of its last line", [](const std::string& g) { return g.substr(0, g.size() - 5); },
         "die letzte Zeile hat kein Zeilenende (abgeschnitten?)", true},
        {"cut in the middle of its first line", [](const std::string& g) { return g.substr(0, 3); },
         "1 Zeile(n) mit unbekanntem Schluessel (erste: Zeile 1), die letzte Zeile hat kein Zeilenende",
         false},
        {"a key no kind knows", [](const std::string& g) { return g + "Farbe/rot\r\n"; },
         "Zeile(n) mit unbekanntem Schluessel (erste: Zeile", true},
        {"random bytes", [](const std::string&) { return bhmtest::Zufallsbytes(2000, 77) + "\r\n"; },
         "Zeile(n) mit unbekanntem Schluessel (erste: Zeile 1)", false},
    };
    for (const Art& a : arten)
        for (const Schaden& s : schaeden) {
            SCOPED_TRACE(std::string(a.name) + ": " + s.name);
            Schablonenumgebung u;
            namen_anlegen();
            SBU_Skills.resize(4);
            SBU_Objekte.resize(2);
            SBU_Ambiente.resize(1);
            u.schreiben("Script.srt", s.machen(a.ganz));
            std::string log;
            EXPECT_TRUE(a.laden(u.pfad("Script.srt"), log));
            const auto m = u.meldungen();
            if (s.meldung) {
                ASSERT_EQ(m.size(), 1u);
                EXPECT_EQ(m[0].rfind("SBU > Script fehlerhaft: " + u.pfad("Script.srt") + ": ", 0), 0u)
                    << m[0];
                EXPECT_NE(m[0].find(s.meldung), std::string::npos) << m[0];
            } else {
                EXPECT_TRUE(m.empty()) << m[0];
            }
            const std::string erste_zeile = a.ganz.substr(0, a.ganz.find('\r'));
            EXPECT_EQ(a.titel(), s.titel_bleibt ? erste_zeile.substr(6) : std::string());
        }
}

}  // namespace

#include "world/Warenreparatur.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "common/Schablonenvorrat.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Config.h"
#include "foundation/Schablonen.h"
#include "platform/base/Datei.h"

namespace {

using bhmtest::Kernwelt;

std::string ordner(const std::string& name) { return Programmpfad + "Daten/Waren/" + name + "/"; }

// Goods folders 0..9, each file naming the good it belongs to; good 7 has no Frame.bmp.
void waren_anlegen() {
    SBU_Waren.assign(10, Waren_Item{});
    for (int w = 0; w < 10; ++w) {
        SBU_Waren[static_cast<std::size_t>(w)].Titel = "ware " + std::to_string(w);
        Ordner_anlegen(ordner(std::to_string(w)));
        for (const char* datei : {"Frame.bmp", "Icon.bmp", "Script.srt"})
            if (!(w == 7 && std::string(datei) == "Frame.bmp"))
                Datei_schreiben(ordner(std::to_string(w)) + datei, "ware " + std::to_string(w));
    }
    Datei_schreiben(ordner("4") + "Notiz.txt", "bleibt");
}

// Which good's files each folder holds now ("-" for a missing file).
std::string inhalt(const std::string& name, const char* datei = "Script.srt") {
    return Datei_lesen(ordner(name) + datei).value_or("-");
}

TEST(Warenreparatur, AListedGoodMovesBehindAllOthers) {
    Kernwelt welt;
    waren_anlegen();
    SBU_Fehlwaren = {3};
    SBU_Fehlrohstoffe = {{3, "ware 8"}};
    EXPECT_TRUE(MG_Auto_repair());
    const std::vector<std::string> erwartet = {"ware 0", "ware 1", "ware 2", "ware 4", "ware 5",
                                               "ware 6", "ware 7", "ware 8", "ware 9", "ware 3"};
    for (int w = 0; w < 10; ++w) {
        EXPECT_EQ(inhalt(std::to_string(w)), erwartet[static_cast<std::size_t>(w)]) << w;
        EXPECT_EQ(inhalt(std::to_string(w), "Icon.bmp"), erwartet[static_cast<std::size_t>(w)]) << w;
    }
    EXPECT_EQ(inhalt("6", "Frame.bmp"), "-") << "good 7 had no picture; none of good 6's stays behind";
    EXPECT_EQ(inhalt("7", "Frame.bmp"), "ware 8");
    EXPECT_EQ(inhalt("Rep"), "ware 3");
    EXPECT_EQ(inhalt("4", "Notiz.txt"), "bleibt") << "other files stay where they are";
    EXPECT_TRUE(SBU_Fehlwaren == std::vector<int>{3}) << "the list itself is the loader's";
}

TEST(Warenreparatur, LaterListedGoodsFollowTheMove) {
    Kernwelt welt;
    waren_anlegen();
    // Good 5 is at number 4 once good 3 has moved: that folder must move next.
    SBU_Fehlwaren = {3, 5};
    SBU_Fehlrohstoffe = {{3, "ware 4"}, {5, "ware 9"}, {5, "ware 6"}};
    EXPECT_TRUE(MG_Auto_repair());
    const std::vector<std::string> erwartet = {"ware 0", "ware 1", "ware 2", "ware 4", "ware 6",
                                               "ware 7", "ware 8", "ware 9", "ware 3", "ware 5"};
    for (int w = 0; w < 10; ++w)
        EXPECT_EQ(inhalt(std::to_string(w)), erwartet[static_cast<std::size_t>(w)]) << w;

    // No good comes after the last one, so moving it cannot help: it stays.
    SBU_Fehlwaren = {9};
    SBU_Fehlrohstoffe = {{9, "ware 9"}};
    EXPECT_FALSE(MG_Auto_repair());
    EXPECT_EQ(inhalt("9"), "ware 5");
    EXPECT_EQ(inhalt("8"), "ware 3");
}

TEST(Warenreparatur, AnUnknownGoodOrAFailedCopyStopsTheMove) {
    Kernwelt welt;
    waren_anlegen();
    SBU_Fehlwaren = {12};
    EXPECT_FALSE(MG_Auto_repair());
    EXPECT_EQ(Fehlertext, "MG_Auto_repair > unbekannte WarenID: 12");
    EXPECT_EQ(inhalt("9"), "ware 9");

    // A folder that cannot take the files (a file stands where the folder should be).
    Ordner_loeschen(Programmpfad + "Daten/Waren/Rep");
    Datei_schreiben(Programmpfad + "Daten/Waren/Rep", "kein Ordner");
    SBU_Fehlwaren = {2};
    SBU_Fehlrohstoffe = {{2, "ware 5"}};
    EXPECT_FALSE(MG_Auto_repair());
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(inhalt("2"), "ware 2") << "nothing moved";
}

// Every file under Daten/Waren with its content.
std::map<std::string, std::string> warenordner_inhalt() {
    std::map<std::string, std::string> d;
    for (const auto& e : std::filesystem::recursive_directory_iterator(Programmpfad + "Daten/Waren"))
        if (e.is_regular_file()) d[e.path().string()] = Datei_lesen(e.path().string()).value_or("?");
    return d;
}

// The template load lists good 1 as missing a material; only a good defined after it is a
// reason to reorder the shipped folders. Garbage, a misspelt name or a good defined before
// it leave every folder as it is, with a report.
TEST(Warenreparatur, OnlyAMaterialDefinedLaterReordersTheFolders) {
    struct Fall {
        const char* name;
        std::string need;
        bool umordnen;
    };
    const Fall faelle[] = {
        {"a good defined later", "Need/Ware3/1", true},
        {"garbage", std::string("Need/\x01\xfe\xff\x80garbage/1", 18), false},
        {"a misspelt name", "Need/Wahre3/1", false},
        {"a name of no good", "Need/Ware3/1\r\nNeed/Nirgends/1", false},
    };
    for (const Fall& f : faelle) {
        Kernwelt welt;
        bhmtest::Vorrat_anlegen(Programmpfad, {2, 4, 3, 3});
        bhmtest::Vorrat_Datei(Programmpfad + "Daten/Waren/1/Script.srt", "Titel/Ware1\r\n" + f.need + "\r\n");
        SBU_Schablonen_laden(Programmpfad + "Daten\\");
        ASSERT_EQ(SBU_Fehlwaren, std::vector<int>{1}) << f.name;
        const auto vorher = warenordner_inhalt();
        Fehler_zuruecksetzen();
        EXPECT_EQ(MG_Auto_repair(), f.umordnen) << f.name;
        if (f.umordnen) {
            EXPECT_NE(warenordner_inhalt(), vorher) << f.name;
            EXPECT_NE(Datei_lesen(Programmpfad + "Daten/Waren/3/Script.srt").value_or("").find("Ware1"),
                      std::string::npos)
                << f.name << ": good 1 is now the last";
        } else {
            EXPECT_EQ(warenordner_inhalt(), vorher) << f.name;
            EXPECT_FALSE(Ordner_existiert(Programmpfad + "Daten/Waren/Rep")) << f.name;
            EXPECT_NE(Fehlertext.find("bleiben, wie sie sind"), std::string::npos)
                << f.name << ": " << Fehlertext;
        }
    }
}

}  // namespace

#include "world/Warenreparatur.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Kernwelt.h"
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
    EXPECT_TRUE(MG_Auto_repair());
    const std::vector<std::string> erwartet = {"ware 0", "ware 1", "ware 2", "ware 4", "ware 6",
                                               "ware 7", "ware 8", "ware 9", "ware 3", "ware 5"};
    for (int w = 0; w < 10; ++w)
        EXPECT_EQ(inhalt(std::to_string(w)), erwartet[static_cast<std::size_t>(w)]) << w;

    // The last good moves onto itself.
    SBU_Fehlwaren = {9};
    EXPECT_TRUE(MG_Auto_repair());
    EXPECT_EQ(inhalt("9"), "ware 5");
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
    EXPECT_FALSE(MG_Auto_repair());
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(inhalt("2"), "ware 2") << "nothing moved";
}

}  // namespace

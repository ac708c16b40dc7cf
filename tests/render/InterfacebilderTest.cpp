// The interface images of the game folder and the atlas the game builds from them.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "common/ProgrammOrdner.h"
#include "foundation/Bilddatei.h"
#include "platform/base/Datei.h"
#include "render/Interfaceatlas.h"

namespace fs = std::filesystem;

TEST(Interfacebilder, EveryFolderHoldsATitledImageOfWholeCells) {
    const fs::path basis = fs::path(BHM_GAME_DIR) / "Daten" / "Interface";
    std::set<std::string> titel;
    int n = 0;
    for (; fs::is_directory(basis / std::to_string(n)); ++n) {
        const fs::path o = basis / std::to_string(n);
        Bild b;
        ASSERT_TRUE(Bilddatei_laden((o / "Icon.BMP").string(), b)) << n;
        EXPECT_EQ(b.format, tfBGR8) << n;
        EXPECT_EQ(b.breite % 16, 0) << n;
        EXPECT_EQ(b.hoehe % 16, 0) << n;
        const auto skript = Textdatei_lesen((o / "Script.srt").string());
        ASSERT_TRUE(skript && !skript->empty()) << n;
        ASSERT_EQ(skript->front().rfind("Titel/", 0), 0u) << n;
        EXPECT_TRUE(titel.insert(skript->front().substr(6)).second) << "title twice: " << skript->front();
    }
    EXPECT_GT(n, 100);
    for (const char* t : {"Leer", "MousePopup", "CheckboxAus", "CheckboxAn", "SliderSchiene", "SliderKnopf",
                          "MuenzeGold", "MuenzeGoldMatt", "Rangliste8", "InfoClanNeu"})
        EXPECT_TRUE(titel.count(t)) << t;
}

TEST(Interfacebilder, TheGeneratedImagesPackIntoOneAtlas) {
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    fs::create_directories(ordner.dir().path() / "daten");
    fs::copy(fs::path(BHM_GAME_DIR) / "Daten" / "Interface", ordner.dir().path() / "daten" / "Interface",
             fs::copy_options::recursive);
    ITF_Interface_erzeugen(Programmpfad + "daten\\");
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
    // The panels' full-size window frames and bars take more than 1024 x 1024 pixels.
    EXPECT_LE(ITF_Texturgroesse, 2048);
    ASSERT_GT(ITF_Elemente.size(), 100u);
    EXPECT_EQ(ITF_Elemente[0].Titel, "Leer");
    EXPECT_EQ(ITF_Texturkoordinaten.size(), ITF_Elemente.size());
    ITF_Freigeben();
}

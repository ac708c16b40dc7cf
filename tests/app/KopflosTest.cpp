// Starts the real executable headless in a copy of the game folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "common/TempDir.h"
#include "foundation/Bild.h"
#include "foundation/Bilddatei.h"

namespace fs = std::filesystem;

namespace {

// The captured frame, read back with the game's image codec (RGB, top row first).
Bild mitschnitt_lesen(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Bild b = Bild_lesen(bytes);
    Bild_konvertieren(b, tfRGB8);
    return b;
}

// Runs the game for four frames in the folder and captures the last one as frame.bmp.
void vier_frames(const bhmtest::TempDir& dir) {
    std::string befehl = "cd '" + dir.path().string() +
                         "' && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ./brandenhofmark --frames 4 "
                         "--capture frame.bmp > log.txt 2>&1";
    int status = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << dir.read("log.txt");
    EXPECT_EQ(WEXITSTATUS(status), 0) << dir.read("log.txt");
}

// The captured frame has the minimum client size and something drawn at its centre.
void mitte_gezeichnet(const bhmtest::TempDir& dir, const char* was) {
    Bild b = mitschnitt_lesen(dir.path() / "frame.bmp");
    ASSERT_EQ(b.breite, 1280);
    const std::uint8_t* mitte = b.Zeile(b.hoehe / 2) + 3 * (b.breite / 2);
    EXPECT_NE(mitte[0] + mitte[1] + mitte[2], 0) << was;
}

TEST(Kopflos, StartsDrawsAndClosesCleanly) {
    bhmtest::TempDir dir;
    fs::copy(BHM_GAME_DIR, dir.path(), fs::copy_options::recursive);
    ASSERT_FALSE(fs::exists(dir.path() / "Config.ini"));
    // Without the backdrop game nothing stands behind the menu.
    fs::remove_all(dir.path() / "save");
    vier_frames(dir);

    std::string config = dir.read("Config.ini");
    EXPECT_NE(config.find("[Allgemein]"), std::string::npos);
    EXPECT_NE(config.find("Spielername="), std::string::npos);
    EXPECT_NE(config.find("SpielerfarbeR=100"), std::string::npos);

    // The start-up loaded every panel of the game: the log names each by its number.
    std::string panels = dir.read("Daten/Panel_Interface_Log.Txt");
    EXPECT_NE(panels.find("ID:0=Startbildschirm\r\n"), std::string::npos) << panels;
    EXPECT_EQ(panels.find("ERROR"), std::string::npos) << panels;

    Bild b = mitschnitt_lesen(dir.path() / "frame.bmp");
    ASSERT_EQ(b.breite, 1280) << "the minimum client width";
    ASSERT_EQ(b.hoehe, 700);
    // The start screen's buttons stand around the centre on the black frame.
    const std::uint8_t* mitte = b.Zeile(b.hoehe / 2) + 3 * (b.breite / 2);
    EXPECT_NE(mitte[0] + mitte[1] + mitte[2], 0) << "the start screen is drawn";
    const std::uint8_t* innen = b.Zeile(b.hoehe - 60) + 3 * (b.breite - 60);
    EXPECT_EQ(innen[0] + innen[1] + innen[2], 0) << "the clear colour is black";
    // The title picture's frame, stretched over the window, reaches every edge: its outermost
    // rows and columns are not filtered away with the atlas images beside it.
    for (auto [x, y] : {std::pair{0, 0}, std::pair{b.breite - 1, 0}, std::pair{0, b.hoehe - 1},
                        std::pair{b.breite - 1, b.hoehe - 1}, std::pair{b.breite / 2, b.hoehe - 1},
                        std::pair{b.breite * 3 / 4, b.hoehe - 1}, std::pair{b.breite - 1, b.hoehe / 2}}) {
        const std::uint8_t* p = b.Zeile(y) + 3 * x;
        EXPECT_NE(p[0] + p[1] + p[2], 0) << "the frame at (" << x << ", " << y << ")";
    }
}

TEST(Kopflos, TheBackdropGameStandsBehindTheMenu) {
    bhmtest::TempDir dir;
    fs::copy(BHM_GAME_DIR, dir.path(), fs::copy_options::recursive);
    ASSERT_TRUE(fs::exists(dir.path() / "save" / "Kampagne" / "KAP0" / "script.ini"))
        << "the built game folder has no backdrop game";
    fs::remove(dir.path() / "Daten" / "Gebaeudepack.BMP");
    vier_frames(dir);
    mitte_gezeichnet(dir, "the loaded world is drawn around the centre");
    // The loaded game's packs are the game's packs now.
    EXPECT_TRUE(fs::exists(dir.path() / "Daten" / "Gebaeudepack.BMP"));
}

// Folders where the backdrop game's harbour and ship tables and the settings file belong: the
// program still starts, draws its menu and ends cleanly, and leaves the folders as they were.
TEST(Kopflos, FoldersInPlaceOfSaveAndSettingsFilesDoNotStopTheStart) {
    bhmtest::TempDir dir;
    fs::copy(BHM_GAME_DIR, dir.path(), fs::copy_options::recursive);
    const fs::path kap0 = dir.path() / "save" / "Kampagne" / "KAP0";
    ASSERT_TRUE(fs::exists(kap0 / "script.ini")) << "the built game folder has no backdrop game";
    for (const char* name : {"HA.sav", "HS.sav"}) {
        fs::remove(kap0 / name);
        fs::create_directories(kap0 / name / "inhalt");
    }
    fs::create_directories(dir.path() / "Config.ini" / "inhalt");
    vier_frames(dir);
    mitte_gezeichnet(dir, "the menu is drawn");
    for (const fs::path& p : {kap0 / "HA.sav", kap0 / "HS.sav", dir.path() / "Config.ini"})
        EXPECT_TRUE(fs::is_directory(p / "inhalt")) << p;
}

TEST(Kopflos, NoOpenGlMeansAClearMessageAndAFailureStatus) {
    bhmtest::TempDir dir;
    fs::copy(BHM_GAME_DIR, dir.path(), fs::copy_options::recursive);
    std::string befehl = "cd '" + dir.path().string() +
                         "' && SDL_VIDEODRIVER=dummy ./brandenhofmark --frames 2 > log.txt 2>&1";
    int status = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    const std::string log = dir.read("log.txt");
    EXPECT_NE(log.find("Brandenhofmark: "), std::string::npos) << log;
    // The failure is the program's own, not a report of the sanitizers on the way out.
    EXPECT_EQ(log.find("Sanitizer"), std::string::npos) << log;
}

TEST(Kopflos, RejectsUnknownArguments) {
    for (const char* argumente : {"--bogus", "--frames x", "--frames 0", "--frames"}) {
        std::string befehl =
            std::string("'") + BHM_GAME_DIR + "/brandenhofmark' " + argumente + " > /dev/null 2>&1";
        int status = std::system(befehl.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 64) << argumente;
    }
}

}  // namespace

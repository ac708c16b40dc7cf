// Starts the real executable headless in a copy of the game folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/TempDir.h"

namespace fs = std::filesystem;

namespace {

struct Bild {
    int breite = 0, hoehe = 0;
    std::vector<unsigned char> rgb;
};

Bild ppm_lesen(const fs::path& p) {
    Bild b;
    std::ifstream in(p, std::ios::binary);
    std::string magie;
    int max = 0;
    in >> magie >> b.breite >> b.hoehe >> max;
    in.get();
    if (magie != "P6" || b.breite <= 0 || b.hoehe <= 0) return {};
    b.rgb.resize(static_cast<std::size_t>(b.breite) * b.hoehe * 3);
    in.read(reinterpret_cast<char*>(b.rgb.data()), static_cast<std::streamsize>(b.rgb.size()));
    return b;
}

// The GL driver and fontconfig keep allocations until exit, and the driver
// modules are unloaded before the leak check can name them; the game's own
// code is leak-checked by the unit tests.
const std::string kein_leckbericht = "ASAN_OPTIONS=detect_leaks=0";

TEST(Kopflos, StartsDrawsAndClosesCleanly) {
    bhmtest::TempDir dir;
    fs::copy(BHM_GAME_DIR, dir.path(), fs::copy_options::recursive);
    ASSERT_FALSE(fs::exists(dir.path() / "Config.ini"));
    std::string befehl = "cd '" + dir.path().string() +
                         "' && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy " + kein_leckbericht +
                         " ./brandenhofmark --frames 4 "
                         "--capture frame.ppm > log.txt 2>&1";
    int status = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << dir.read("log.txt");
    EXPECT_EQ(WEXITSTATUS(status), 0) << dir.read("log.txt");

    std::string config = dir.read("Config.ini");
    EXPECT_NE(config.find("[Allgemein]"), std::string::npos);
    EXPECT_NE(config.find("Spielername="), std::string::npos);
    EXPECT_NE(config.find("SpielerfarbeR=100"), std::string::npos);

    Bild b = ppm_lesen(dir.path() / "frame.ppm");
    ASSERT_EQ(b.breite, 1280) << "the minimum client width";
    ASSERT_EQ(b.hoehe, 700);
    std::size_t mitte = (static_cast<std::size_t>(b.hoehe / 2) * b.breite + b.breite / 2) * 3;
    EXPECT_EQ(b.rgb[mitte], 0);
    EXPECT_EQ(b.rgb[mitte + 1], 0);
    EXPECT_EQ(b.rgb[mitte + 2], 0) << "the clear colour is black";
}

TEST(Kopflos, NoOpenGlMeansAClearMessageAndAFailureStatus) {
    bhmtest::TempDir dir;
    fs::copy(BHM_GAME_DIR, dir.path(), fs::copy_options::recursive);
    std::string befehl = "cd '" + dir.path().string() + "' && SDL_VIDEODRIVER=dummy " + kein_leckbericht +
                         " ./brandenhofmark --frames 2 > log.txt 2>&1";
    int status = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_NE(dir.read("log.txt").find("Brandenhofmark: "), std::string::npos) << dir.read("log.txt");
}

TEST(Kopflos, RejectsUnknownArguments) {
    bhmtest::TempDir dir;
    std::string befehl = std::string("'") + BHM_GAME_DIR + "/brandenhofmark' --bogus > /dev/null 2>&1";
    int status = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
}

}  // namespace

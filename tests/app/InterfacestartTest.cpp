// The real executable builds the interface atlas from the game folder's images at start-up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/TempDir.h"
#include "platform/base/Datei.h"

namespace fs = std::filesystem;

TEST(Interfacestart, TheFirstStartBuildsTheAtlasAndItsTables) {
    bhmtest::TempDir dir;
    fs::copy(BHM_GAME_DIR, dir.path(), fs::copy_options::recursive);
    ASSERT_FALSE(fs::exists(dir.path() / "Daten" / "Interface" / "ITF.bmp"));
    int bilder = 0;
    while (fs::is_directory(dir.path() / "Daten" / "Interface" / std::to_string(bilder))) ++bilder;
    const std::string befehl = "cd '" + dir.path().string() +
                               "' && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "
                               "./brandenhofmark --frames 2 > log.txt 2>&1";
    const int status = std::system(befehl.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << dir.read("log.txt");
    ASSERT_EQ(WEXITSTATUS(status), 0) << dir.read("log.txt");

    EXPECT_TRUE(fs::exists(dir.path() / "Daten" / "Interface" / "ITF.bmp"));
    const auto log = Textdatei_lesen(dir.folder() + "Daten/Interface_Log.Txt");
    ASSERT_TRUE(log);
    EXPECT_EQ(log->size(), static_cast<std::size_t>(bilder) + 1);
    EXPECT_EQ((*log)[1], "ID:0=Leer");
    const auto tabelle = Textdatei_lesen(dir.folder() + "Daten/Interface/ITF_SBL.sav");
    ASSERT_TRUE(tabelle);
    EXPECT_EQ(tabelle->size(), static_cast<std::size_t>(bilder) * 5);
    EXPECT_NE(dir.read("Config.ini").find("[Interface]"), std::string::npos);
}

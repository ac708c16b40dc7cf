// New games one after another in one run of the program: each starts running from a clean
// state, and none keeps what the one before it held.
#include <cstddef>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/Rundgang.h"
#include "economy/Spieler.h"
#include "foundation/Spielstatus.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer's allocator interface (not every compiler ships its header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

using namespace bhmtest;

#if defined(__SANITIZE_ADDRESS__)
// The memory the program holds, in KB: the heap it has allocated and not freed. Freed
// memory waits in the sanitizer's quarantine, so the resident set grows with every game
// without saying anything about the program; the heap count is exact.
long speicher_kb() { return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024); }
// The games played, and how much more the last may hold than the first: measured
// 0.25 MB (containers that keep their capacity from one game to the next); one game's
// world is about 16 MB.
constexpr int kSpiele = 3;
constexpr long kZuwachs_kb = 1024;
#else
// The memory the program holds, in KB: the resident set of this process, the heap and
// what the GL driver keeps together; -1 where the system does not tell.
long speicher_kb() {
    std::ifstream in("/proc/self/status");
    std::string zeile;
    while (std::getline(in, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0) return std::stol(zeile.substr(6));
    return -1;
}
// The games played, and the growth allowed: measured 7 MB from the first game to the fifth
// (the driver's pools settle within a game or two), with single readings up to 26 MB off;
// one game's world is about 45 MB.
constexpr int kSpiele = 5;
constexpr long kZuwachs_kb = 32 * 1024;
#endif

// From the start screen through the set-up into a new game, a while with the start building's
// placement preview on the map (the heaviest frames a game draws), then back to the start
// screen through the game menu (which loads the backdrop game again).
void ein_spiel(Rundgang& g) {
    g.klicken("$SingelGamePanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Einzelspieler));
    g.klicken("$SingelGameStart");
    g.frames(2);
    ASSERT_TRUE(Spiel_laeuft());
    EXPECT_FALSE(Pause) << "a new game runs";
    EXPECT_TRUE(Platzierungsmodus) << "a new game starts with placing the start building";
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameTutorial));
    g.bewegen({640, 350});
    g.frames(60);
    g.taste(plattform::VK_ESCAPE);
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_InGameMain));
    g.klicken("$Hauptmenue");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
}

TEST(NeueSpiele, JedesBeginntSauberUndKeinesHaeuftSpeicherAn) {
    Rundgang g("neue-spiele");
    ASSERT_TRUE(g.am_Startbildschirm());
    std::ostringstream messung;
    messung << " menu: " << speicher_kb() << " KB;";
    long nach_dem_ersten = 0, nach_dem_letzten = 0;
    for (int n = 1; n <= kSpiele; ++n) {
        ein_spiel(g);
        if (HasFatalFailure()) return;
        nach_dem_letzten = speicher_kb();
        ASSERT_GT(nach_dem_letzten, 0) << "the memory of the process cannot be read";
        if (n == 1) nach_dem_ersten = nach_dem_letzten;
        messung << " " << n << ": " << nach_dem_letzten << " KB";
    }
    std::cout << "Memory in the menu and after each new game:" << messung.str() << std::endl;
    EXPECT_LE(nach_dem_letzten - nach_dem_ersten, kZuwachs_kb) << messung.str();
}

}  // namespace

// Drawing frames must not pile anything up: neither GL objects (lists, textures) of
// the game's own nor memory the driver keeps for frames it was never told were done.
// The frames are the quick ones: batched sprites and a kept terrain picture.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <unistd.h>

#include <fstream>

#include "app/Rundgang.h"
#include "render/Gelaendebild.h"
#include "render/Spritestapel.h"

namespace {

// Resident memory of this process in bytes (0 where it cannot be read).
long long resident() {
    std::ifstream statm("/proc/self/statm");
    long long seiten = 0, resident_seiten = 0;
    if (!(statm >> seiten >> resident_seiten)) return 0;
    return resident_seiten * sysconf(_SC_PAGESIZE);
}

// The next list and texture names the driver hands out. The driver does not hand out
// a deleted name again at once, so each look moves them on by one; they move further
// only when objects were created since the last look.
struct Namen {
    GLuint liste = 0, textur = 0;
};

Namen naechste_namen() {
    Namen n;
    n.liste = glGenLists(1);
    glDeleteLists(n.liste, 1);
    glGenTextures(1, &n.textur);
    glDeleteTextures(1, &n.textur);
    return n;
}

TEST(Speicher, FramesOfTheMenuBeforeTheBackdropKeepNothing) {
    bhmtest::Rundgang gang("speicher");
    ASSERT_TRUE(gang.starten());
    gang.frames(50);
    const Namen erste = naechste_namen();
    const Namen namen_vorher = naechste_namen();
    const long long vorher = resident();
    const long eingesetzt = GB_Eingesetzt, quads = SP_Quads_gesamt;
    gang.frames(150);
    const Namen namen_nachher = naechste_namen();
    const long long nachher = resident();

    // The menu's frames take the quick way: the still backdrop's terrain from its kept
    // picture, its sprites in batches.
    EXPECT_GE(GB_Eingesetzt - eingesetzt, 140);
    EXPECT_GT(SP_Quads_gesamt - quads, 150 * 100);

    EXPECT_EQ(namen_nachher.liste - namen_vorher.liste, namen_vorher.liste - erste.liste)
        << "display lists made while drawing";
    EXPECT_EQ(namen_nachher.textur - namen_vorher.textur, namen_vorher.textur - erste.textur)
        << "textures made while drawing";
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory in quarantine: resident memory says nothing there.
    (void)vorher;
    (void)nachher;
#else
    ASSERT_GT(vorher, 0);
    EXPECT_LE(nachher, vorher + vorher / 20) << "resident memory grew from " << vorher / 1048576 << " MB to "
                                             << nachher / 1048576 << " MB over 150 frames";
#endif
}

}  // namespace

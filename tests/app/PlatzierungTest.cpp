// The running program while the start building is placed: the frames that lay in the
// markers' kept picture into the window's own buffer show what drawing the markers
// themselves shows, the bars and texts over them included.
#include "app/Rundgang.h"

#include "economy/Bauvorschau.h"
#include "foundation/Spielstatus.h"
#include "render/Vorschaubild.h"

namespace {

using namespace bhmtest;

TEST(Platzierung, TheMarkersPictureShowsTheMarkersPixelsInTheWindow) {
    Rundgang g("platzierung");
    ASSERT_TRUE(g.am_Startbildschirm());
    g.klicken("$SingelGamePanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Einzelspieler));
    g.klicken("$SingelGameStart");
    g.frames(2);
    ASSERT_TRUE(Platzierungsmodus) << "a new game starts with placing the start building";
    ASSERT_GE(BPU_Sichtliste_Ende, 100) << "markers on the map view";
    // Nothing moves while the frames are compared.
    Pause = true;
    g.frames(3);
    const long eingesetzt = VB_Eingesetzt;
    const Bild schnell = g.foto("markenbild");
    EXPECT_GT(VB_Eingesetzt, eingesetzt) << "the markers' picture is laid in";
    VB_Merken = false;
    const Bild marken = g.foto("marken");
    VB_Merken = true;
    ASSERT_EQ(schnell.pixel.size(), marken.pixel.size());
    long anders = 0;
    for (std::size_t p = 0; p < marken.pixel.size(); ++p)
        if (marken.pixel[p] != schnell.pixel[p]) ++anders;
    EXPECT_EQ(anders, 0) << "colour values of the frame with the picture that differ from the markers drawn";
    Pause = false;
}

}  // namespace

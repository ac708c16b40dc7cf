// The running program while the start building is placed: the frames that lay in a kept
// picture (the markers', the terrain's) into the window's own buffer show what drawing
// the layer itself shows, the bars and texts over it included.
#include "app/Rundgang.h"

#include "economy/Bauvorschau.h"
#include "foundation/Spielstatus.h"
#include "render/Gelaendebild.h"
#include "render/Vorschaubild.h"

namespace {

using namespace bhmtest;

struct KeptPicture {
    const char* name;
    bool* merken;
    long* eingesetzt;
};
void PrintTo(const KeptPicture& k, std::ostream* os) { *os << k.name; }

class Platzierung : public ::testing::TestWithParam<KeptPicture> {};

TEST_P(Platzierung, TheKeptPictureShowsTheLayersPixelsInTheWindow) {
    const KeptPicture& fall = GetParam();
    Rundgang g(std::string("platzierung_") + fall.name);
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
    const long eingesetzt = *fall.eingesetzt;
    const Bild schnell = g.foto(std::string(fall.name) + "_bild");
    EXPECT_GT(*fall.eingesetzt, eingesetzt) << "the picture is laid in";
    *fall.merken = false;
    const Bild direkt = g.foto(std::string(fall.name) + "_direkt");
    *fall.merken = true;
    ASSERT_EQ(schnell.pixel.size(), direkt.pixel.size());
    long anders = 0;
    for (std::size_t p = 0; p < direkt.pixel.size(); ++p)
        if (direkt.pixel[p] != schnell.pixel[p]) ++anders;
    EXPECT_EQ(anders, 0) << "colour values of the frame with the picture that differ from the layer drawn";
    Pause = false;
}

INSTANTIATE_TEST_SUITE_P(Layers, Platzierung,
                         ::testing::Values(KeptPicture{"marken", &VB_Merken, &VB_Eingesetzt},
                                           KeptPicture{"gelaende", &GB_Merken, &GB_Eingesetzt}),
                         [](const ::testing::TestParamInfo<KeptPicture>& i) {
                             return std::string(i.param.name);
                         });

}  // namespace

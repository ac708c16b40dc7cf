#include "foundation/Sound.h"

#include <gtest/gtest.h>

#include "Attrappen.h"
#include "platform/base/Zufall.h"

namespace {

using bhmtest::AudioAttrappe;
using bhmtest::FehlerFang;

class Sound : public ::testing::Test {
protected:
    FehlerFang fang;
    AudioAttrappe audio;
    void laden() {
        SND_Init();
        SND_Effekte_laden();
        SND_Dialoge_laden();
        SND_Musik_laden();
    }
    void TearDown() override {
        SND_Freigeben();
        Lautstaerke = 0.2;
        Musiktitel = 0;
    }
};

TEST_F(Sound, LaedtDieDateienInIhrerOrdnung) {
    laden();
    EXPECT_EQ(fang.nehmen(), "");
    ASSERT_EQ(audio.samples.size(), 6u);
    EXPECT_EQ(audio.samples[0], Programmpfad + "Sound\\Fx\\1.mp3");
    EXPECT_EQ(audio.samples[5], Programmpfad + "Sound\\Fx\\6.mp3");
    EXPECT_EQ(audio.streams, (std::vector<std::string>{Programmpfad + "Sound\\Dialoge\\1.wav",
                                                       Programmpfad + "Sound\\Music\\M0.mp3",
                                                       Programmpfad + "Sound\\Music\\M1.mp3"}));
}

TEST_F(Sound, FehlendeDateiVerschiebtKeineNummern) {
    audio.fehlend = {"Fx\\2.mp3", "M0.mp3"};
    laden();
    EXPECT_EQ(fang.nehmen(), Programmpfad + "Sound\\Music\\M0.mp3 konnte nicht geladen werden.");
    for (int k = 0; k < 6; ++k) SND_Effekt_abspielen(k);
    ASSERT_EQ(audio.gespielt.size(), 5u);
    EXPECT_EQ(audio.gespielt[0].datei, "1.mp3");
    EXPECT_EQ(audio.gespielt[1].datei, "3.mp3");  // effect 2 is file 3; effect 1 stays silent
    EXPECT_EQ(audio.gespielt[4].datei, "6.mp3");
    EXPECT_EQ(fang.nehmen(), "");

    // Track 1 is still M1 although M0 did not load.
    SND_Musik_abspielen(1);
    SND_Musik_abspielen(0);
    EXPECT_EQ(audio.streamaufrufe, std::vector<std::string>{"play M1.mp3"});
}

TEST_F(Sound, EffektMitLautstaerkeUndEigenemZufall) {
    laden();
    Lautstaerke = 0.6;
    RandSeed = 4711;
    SND_Effekt_abspielen(3);
    ASSERT_EQ(audio.gespielt.size(), 1u);
    EXPECT_EQ(audio.gespielt[0].datei, "4.mp3");
    EXPECT_DOUBLE_EQ(audio.gespielt[0].lautstaerke, 0.6);
    EXPECT_DOUBLE_EQ(audio.gespielt[0].pan, 0.37);
    // The game's random source is not touched: sound on or off draws the same world.
    EXPECT_EQ(RandSeed, 4711u);

    SND_Effekt_abspielen(-1);
    SND_Effekt_abspielen(6);
    SFX = false;
    SND_Effekt_abspielen(0);
    SFX = true;
    EXPECT_EQ(audio.gespielt.size(), 1u);
}

TEST_F(Sound, MusikWechseltErstWennDerTitelZuEndeIst) {
    laden();
    Musiktitel = 0;
    SND_Musik_abspielen(0);
    SND_Musik_abspielen(0);  // goes on: no second start is asked for twice in the module
    for (int i = 0; i < 100; ++i) SND_Musik_Tick();
    EXPECT_EQ(Musiktitel, 0);

    audio.spielend.clear();  // M0 has ended
    SND_Musik_Tick();
    EXPECT_EQ(Musiktitel, 1);
    SND_Musik_Tick();
    EXPECT_EQ(Musiktitel, 1);
    audio.spielend.clear();  // M1 has ended: after the last track comes track 1 again
    SND_Musik_Tick();
    EXPECT_EQ(Musiktitel, 1);
    EXPECT_EQ(audio.streamaufrufe, (std::vector<std::string>{"play M0.mp3", "play M0.mp3", "stop M0.mp3",
                                                             "play M1.mp3", "stop M1.mp3", "play M1.mp3"}));
}

TEST_F(Sound, OhneGeraetBleibtAllesStill) {
    audio.geraet = false;
    laden();
    EXPECT_EQ(fang.nehmen(), "Error initializing audio!");
    EXPECT_TRUE(audio.samples.empty());
    EXPECT_TRUE(audio.streams.empty());
    SND_Effekt_abspielen(0);
    SND_Musik_abspielen(0);
    SND_Musik_Tick();
    SND_Musik_stoppen(0);
    EXPECT_TRUE(audio.gespielt.empty());
    EXPECT_TRUE(audio.streamaufrufe.empty());
    SND_Freigeben();
    EXPECT_TRUE(audio.freigaben.empty());
    EXPECT_EQ(fang.nehmen(), "");
}

TEST_F(Sound, FreigebenStreamsDannSamplesDannGeraet) {
    laden();
    SND_Freigeben();
    ASSERT_EQ(audio.freigaben.size(), 10u);
    EXPECT_EQ(audio.freigaben[0], "stream 1.wav");
    EXPECT_EQ(audio.freigaben[2], "stream M1.mp3");
    EXPECT_EQ(audio.freigaben[3], "sample 1.mp3");
    EXPECT_EQ(audio.freigaben[9], "beenden");
    // Afterwards nothing plays.
    SND_Effekt_abspielen(0);
    EXPECT_TRUE(audio.gespielt.empty());
}

}  // namespace

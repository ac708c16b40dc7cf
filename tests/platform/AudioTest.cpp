#include "platform/Audio.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

namespace {

const std::string kSound = std::string(BHM_GAME_DIR) + "/Sound/";

// Holds the output of the open audio device while it lives: no playback moves on or ends,
// so which channel a start takes follows from the order of the starts alone.
struct Ausgabe_angehalten {
    SDL_AudioDeviceID geraet = 0;
    Ausgabe_angehalten() {
        for (SDL_AudioDeviceID id = 1; id < 32 && geraet == 0; ++id)
            if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) geraet = id;
        if (geraet != 0) SDL_PauseAudioDevice(geraet, 1);
    }
    ~Ausgabe_angehalten() {
        if (geraet != 0) SDL_PauseAudioDevice(geraet, 0);
    }
};

// The tests run with SDL_AUDIODRIVER=dummy: a device that opens and plays in silence.
TEST(SdlAudio, SpieltDieSpieldateien) {
    plattform::SdlAudio audio;
    ASSERT_TRUE(audio.initialisieren());
    int effekte[6];
    for (int i = 0; i < 6; ++i) {
        effekte[i] = audio.sample_laden(kSound + "Fx\\" + std::to_string(i + 1) + ".mp3");
        EXPECT_GT(effekte[i], 0) << i + 1;
    }
    const int dialog = audio.stream_laden(kSound + "dialoge/1.wav");
    const int m0 = audio.stream_laden(kSound + "Music/M0.mp3");
    const int m1 = audio.stream_laden(kSound + "Music/M1.mp3");
    EXPECT_GT(dialog, 0);
    ASSERT_GT(m0, 0);
    ASSERT_GT(m1, 0);
    // The loops are about half a minute long.
    EXPECT_NEAR(audio.stream_laenge_ms(m0), 26667, 600);
    EXPECT_NEAR(audio.stream_laenge_ms(m1), 30000, 600);
    EXPECT_EQ(audio.sample_laden(kSound + "Fx/7.mp3"), 0);
    EXPECT_EQ(audio.stream_laden(kSound + "Music/M2.mp3"), 0);

    EXPECT_FALSE(audio.stream_spielt(m0));
    EXPECT_TRUE(audio.stream_abspielen(m0));
    EXPECT_TRUE(audio.stream_spielt(m0));
    EXPECT_TRUE(audio.stream_abspielen(m0));  // goes on
    EXPECT_TRUE(audio.stream_spielt(m0));
    audio.stream_stoppen(m0);
    EXPECT_FALSE(audio.stream_spielt(m0));

    for (int i = 0; i < 100; ++i) {
        const double p = audio.zufall_pan();
        EXPECT_GE(p, -1.0);
        EXPECT_LE(p, 1.0);
    }
    audio.sample_freigeben(effekte[5]);
    EXPECT_FALSE(audio.sample_abspielen(effekte[5], 1.0, 0.0));
    audio.beenden();
    EXPECT_FALSE(audio.stream_abspielen(m1));
}

// Streams are decoded while they play: one that was started sounds to its end and then
// stops by itself, and starting another takes the mixer's music track over.
TEST(SdlAudio, StromSpieltAusDerDateiBisZuSeinemEnde) {
    plattform::SdlAudio audio;
    ASSERT_TRUE(audio.initialisieren());
    const int dialog = audio.stream_laden(kSound + "Dialoge/1.wav");
    const int m0 = audio.stream_laden(kSound + "Music/M0.mp3");
    ASSERT_GT(dialog, 0);
    ASSERT_GT(m0, 0);
    const double laenge = audio.stream_laenge_ms(dialog);
    EXPECT_NEAR(laenge, 1400, 50);

    ASSERT_TRUE(audio.stream_abspielen(m0));
    ASSERT_TRUE(audio.stream_abspielen(dialog));
    EXPECT_FALSE(audio.stream_spielt(m0));
    EXPECT_TRUE(audio.stream_spielt(dialog));
    audio.stream_stoppen(m0);  // not sounding: leaves the dialogue alone
    EXPECT_TRUE(audio.stream_spielt(dialog));

    const auto start = std::chrono::steady_clock::now();
    while (audio.stream_spielt(dialog) && std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_FALSE(audio.stream_spielt(dialog));
    // It sounded for its whole length: a stream that never decoded would end at once.
    EXPECT_GT(ms, laenge - 300);

    // Played again from the start, and freed while it sounds.
    ASSERT_TRUE(audio.stream_abspielen(dialog));
    EXPECT_TRUE(audio.stream_spielt(dialog));
    audio.stream_freigeben(dialog);
    EXPECT_FALSE(audio.stream_spielt(dialog));
    EXPECT_FALSE(audio.stream_abspielen(dialog));
    EXPECT_TRUE(audio.stream_abspielen(m0));
    EXPECT_TRUE(audio.stream_spielt(m0));
}

TEST(SdlAudio, DreiWiedergabenJeEffektDieAeltesteWeicht) {
    plattform::SdlAudio audio;
    ASSERT_TRUE(audio.initialisieren());
    const int horn = audio.sample_laden(kSound + "Fx/6.mp3");
    const int klick = audio.sample_laden(kSound + "Fx/2.mp3");
    ASSERT_GT(horn, 0);
    std::optional<Ausgabe_angehalten> angehalten(std::in_place);
    ASSERT_NE(angehalten->geraet, 0u) << "the audio device is open";
    int kanaele[4];
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(audio.sample_abspielen(horn, 0.5, i == 0 ? -1.0 : 1.0));
        kanaele[i] = audio.letzter_kanal();
    }
    EXPECT_NE(kanaele[0], kanaele[1]);
    EXPECT_NE(kanaele[1], kanaele[2]);
    EXPECT_NE(kanaele[0], kanaele[2]);
    EXPECT_EQ(kanaele[3], kanaele[0]);  // the oldest playback was overridden
    EXPECT_EQ(audio.spielende_kanaele_sample(horn), 3);
    ASSERT_TRUE(audio.sample_abspielen(horn, 0.5, 0.0));
    EXPECT_EQ(audio.letzter_kanal(), kanaele[1]);
    // Another sample has channels of its own.
    ASSERT_TRUE(audio.sample_abspielen(klick, 1.0, 0.0));
    EXPECT_NE(audio.letzter_kanal(), kanaele[0]);
    EXPECT_NE(audio.letzter_kanal(), kanaele[1]);
    EXPECT_NE(audio.letzter_kanal(), kanaele[2]);
    EXPECT_EQ(audio.spielende_kanaele_sample(horn), 3);

    // Going on, the playbacks end by themselves, and a start takes the first channel again.
    angehalten.reset();
    const auto start = std::chrono::steady_clock::now();
    while (audio.spielende_kanaele_sample(horn) > 0 &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(20))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(audio.spielende_kanaele_sample(horn), 0);
    ASSERT_TRUE(audio.sample_abspielen(horn, 0.5, 0.0));
    EXPECT_EQ(audio.letzter_kanal(), kanaele[0]);
}

TEST(SdlAudio, OhneGeraetBleibtEsStill) {
    const char* vorher = std::getenv("SDL_AUDIODRIVER");
    const std::string gemerkt = vorher ? vorher : "";
    setenv("SDL_AUDIODRIVER", "keiner", 1);
    plattform::SdlAudio audio;
    const bool offen = audio.initialisieren();
    if (vorher)
        setenv("SDL_AUDIODRIVER", gemerkt.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
    EXPECT_FALSE(offen);
    EXPECT_EQ(audio.sample_laden(kSound + "Fx/1.mp3"), 0);
    EXPECT_EQ(audio.stream_laden(kSound + "Music/M0.mp3"), 0);
    EXPECT_FALSE(audio.sample_abspielen(1, 1.0, 0.0));
    EXPECT_FALSE(audio.stream_abspielen(1));
    EXPECT_FALSE(audio.stream_spielt(1));
    EXPECT_EQ(audio.stream_laenge_ms(1), 0);
    audio.stream_stoppen(1);
    audio.beenden();
}

}  // namespace

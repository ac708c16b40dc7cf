#pragma once
// The audio module on SDL2_mixer.
//
// Every sample is decoded into memory when it is loaded and owns three fixed
// mixer channels, so up to three playbacks of it sound at once and a fourth
// stops the one that started first. A stream is decoded from its file while it
// plays, on the mixer's music track: one stream sounds at a time, starting
// another stops it, and a playing stream simply goes on when it is started
// again. When no audio device opens, nothing loads and every call does nothing.
#include <memory>

#include "foundation/AudioModul.h"

namespace plattform {

class SdlAudio : public AudioModul {
public:
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool initialisieren() override;
    void beenden() override;
    int sample_laden(const std::string& pfad) override;
    int stream_laden(const std::string& pfad) override;
    bool sample_abspielen(int sample, double lautstaerke, double pan) override;
    bool stream_abspielen(int stream) override;
    void stream_stoppen(int stream) override;
    bool stream_spielt(int stream) override;
    double stream_laenge_ms(int stream) override;
    void sample_freigeben(int sample) override;
    void stream_freigeben(int stream) override;
    double zufall_pan() override;

    // The mixer channel of the last sample playback; -1 before the first.
    int letzter_kanal() const;
    // Channels of a sample or stream that are sounding now.
    int spielende_kanaele_sample(int sample) const;

private:
    struct Zustand;
    std::unique_ptr<Zustand> z;
};

}  // namespace plattform

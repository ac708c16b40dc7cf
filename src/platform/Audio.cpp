#include "platform/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/base/Datei.h"

namespace plattform {

namespace {

constexpr int kSamplekanaele = 3;

struct Eintrag {
    Mix_Chunk* chunk = nullptr;
    int kanaele[kSamplekanaele] = {-1, -1, -1};
    std::uint64_t start[kSamplekanaele] = {};  // playback number of the last start, per channel
    int anzahl = 0;                            // channels in use: 3 for a sample, 1 for a stream
};

Uint8 pegel(double anteil) { return static_cast<Uint8>(std::lround(std::clamp(anteil, 0.0, 1.0) * 255.0)); }

}  // namespace

struct SdlAudio::Zustand {
    bool offen = false;
    std::vector<Eintrag> samples, streams;
    int kanaele = 0;  // mixer channels handed out
    std::uint64_t wiedergaben = 0;
    int letzter = -1;
    std::minstd_rand zufall{static_cast<std::minstd_rand::result_type>(SDL_GetPerformanceCounter() | 1u)};

    // The entry of a handle (index + 1), or nullptr.
    static Eintrag* eintrag(std::vector<Eintrag>& v, int handle) {
        if (handle < 1 || handle > static_cast<int>(v.size())) return nullptr;
        Eintrag& e = v[static_cast<std::size_t>(handle - 1)];
        return e.chunk ? &e : nullptr;
    }

    int laden(std::vector<Eintrag>& v, const std::string& pfad, int anzahl) {
        if (!offen) return 0;
        Mix_Chunk* chunk = Mix_LoadWAV(Pfad_aufloesen(pfad).c_str());
        if (!chunk) return 0;
        Eintrag e;
        e.chunk = chunk;
        e.anzahl = anzahl;
        for (int i = 0; i < anzahl; ++i) e.kanaele[i] = kanaele++;
        Mix_AllocateChannels(kanaele);
        v.push_back(e);
        return static_cast<int>(v.size());
    }

    void freigeben(std::vector<Eintrag>& v, int handle) {
        Eintrag* e = eintrag(v, handle);
        if (!e) return;
        for (int i = 0; i < e->anzahl; ++i) Mix_HaltChannel(e->kanaele[i]);
        Mix_FreeChunk(e->chunk);
        e->chunk = nullptr;
    }
};

SdlAudio::SdlAudio() : z(std::make_unique<Zustand>()) {}

SdlAudio::~SdlAudio() { beenden(); }

bool SdlAudio::initialisieren() {
    if (z->offen) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    // Without MP3 support the effect and music files fail to load one by one.
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    z->offen = true;
    return true;
}

void SdlAudio::beenden() {
    if (!z->offen) return;
    Mix_HaltChannel(-1);
    for (std::size_t i = 0; i < z->streams.size(); ++i) z->freigeben(z->streams, static_cast<int>(i) + 1);
    for (std::size_t i = 0; i < z->samples.size(); ++i) z->freigeben(z->samples, static_cast<int>(i) + 1);
    z->streams.clear();
    z->samples.clear();
    z->kanaele = 0;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    z->offen = false;
}

int SdlAudio::sample_laden(const std::string& pfad) { return z->laden(z->samples, pfad, kSamplekanaele); }

int SdlAudio::stream_laden(const std::string& pfad) { return z->laden(z->streams, pfad, 1); }

bool SdlAudio::sample_abspielen(int sample, double lautstaerke, double pan) {
    Eintrag* e = Zustand::eintrag(z->samples, sample);
    if (!e) return false;
    // A free channel of the sample, else the one whose playback started first.
    int wahl = 0;
    for (int i = 0; i < e->anzahl; ++i) {
        if (!Mix_Playing(e->kanaele[i])) {
            wahl = i;
            break;
        }
        if (e->start[i] < e->start[wahl]) wahl = i;
    }
    const int kanal = e->kanaele[wahl];
    Mix_HaltChannel(kanal);
    Mix_Volume(kanal, static_cast<int>(std::lround(std::clamp(lautstaerke, 0.0, 1.0) * MIX_MAX_VOLUME)));
    // Pan -1 is all left, 1 all right; the middle plays both sides at full level.
    Mix_SetPanning(kanal, pegel(1.0 - pan), pegel(1.0 + pan));
    if (Mix_PlayChannel(kanal, e->chunk, 0) < 0) return false;
    e->start[wahl] = ++z->wiedergaben;
    z->letzter = kanal;
    return true;
}

bool SdlAudio::stream_abspielen(int stream) {
    Eintrag* e = Zustand::eintrag(z->streams, stream);
    if (!e) return false;
    const int kanal = e->kanaele[0];
    if (Mix_Playing(kanal)) return true;
    Mix_Volume(kanal, MIX_MAX_VOLUME);
    return Mix_PlayChannel(kanal, e->chunk, 0) >= 0;
}

void SdlAudio::stream_stoppen(int stream) {
    if (Eintrag* e = Zustand::eintrag(z->streams, stream)) Mix_HaltChannel(e->kanaele[0]);
}

bool SdlAudio::stream_spielt(int stream) {
    Eintrag* e = Zustand::eintrag(z->streams, stream);
    return e && Mix_Playing(e->kanaele[0]) != 0;
}

double SdlAudio::stream_laenge_ms(int stream) {
    Eintrag* e = Zustand::eintrag(z->streams, stream);
    int frequenz = 0, kanaele = 0;
    Uint16 format = 0;
    if (!e || !Mix_QuerySpec(&frequenz, &format, &kanaele)) return 0;
    const double bytes_pro_sekunde =
        static_cast<double>(frequenz) * kanaele * (SDL_AUDIO_BITSIZE(format) / 8);
    return bytes_pro_sekunde > 0 ? e->chunk->alen / bytes_pro_sekunde * 1000.0 : 0;
}

void SdlAudio::sample_freigeben(int sample) { z->freigeben(z->samples, sample); }

void SdlAudio::stream_freigeben(int stream) { z->freigeben(z->streams, stream); }

double SdlAudio::zufall_pan() { return (static_cast<int>(z->zufall() % 201) - 100) / 100.0; }

int SdlAudio::letzter_kanal() const { return z->letzter; }

int SdlAudio::spielende_kanaele_sample(int sample) const {
    Eintrag* e = Zustand::eintrag(z->samples, sample);
    if (!e) return 0;
    int n = 0;
    for (int i = 0; i < e->anzahl; ++i) n += Mix_Playing(e->kanaele[i]) ? 1 : 0;
    return n;
}

}  // namespace plattform

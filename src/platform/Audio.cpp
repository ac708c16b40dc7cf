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
    int anzahl = 0;                            // channels in use
};

Uint8 pegel(double anteil) { return static_cast<Uint8>(std::lround(std::clamp(anteil, 0.0, 1.0) * 255.0)); }

}  // namespace

// A stream is played from its file as it sounds: loading it only opens the file and reads
// its head, so a long track costs nothing until it plays.
struct Strom {
    Mix_Music* musik = nullptr;
};

struct SdlAudio::Zustand {
    bool offen = false;
    std::vector<Eintrag> samples;
    std::vector<Strom> streams;
    int laufend = 0;  // the stream that was started last (the mixer plays one at a time)
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

    Mix_Music* strom(int handle) {
        if (handle < 1 || handle > static_cast<int>(streams.size())) return nullptr;
        return streams[static_cast<std::size_t>(handle - 1)].musik;
    }

    bool strom_spielt(int handle) { return handle == laufend && strom(handle) && Mix_PlayingMusic() != 0; }

    void strom_freigeben(int handle) {
        Mix_Music* m = strom(handle);
        if (!m) return;
        if (handle == laufend) {
            Mix_HaltMusic();
            laufend = 0;
        }
        Mix_FreeMusic(m);
        streams[static_cast<std::size_t>(handle - 1)].musik = nullptr;
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
    Mix_HaltMusic();
    for (std::size_t i = 0; i < z->streams.size(); ++i) z->strom_freigeben(static_cast<int>(i) + 1);
    for (std::size_t i = 0; i < z->samples.size(); ++i) z->freigeben(z->samples, static_cast<int>(i) + 1);
    z->streams.clear();
    z->samples.clear();
    z->kanaele = 0;
    z->laufend = 0;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    z->offen = false;
}

int SdlAudio::sample_laden(const std::string& pfad) { return z->laden(z->samples, pfad, kSamplekanaele); }

int SdlAudio::stream_laden(const std::string& pfad) {
    if (!z->offen) return 0;
    Mix_Music* m = Mix_LoadMUS(Pfad_aufloesen(pfad).c_str());
    if (!m) return 0;
    z->streams.push_back({m});
    return static_cast<int>(z->streams.size());
}

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
    Mix_Music* m = z->strom(stream);
    if (!m) return false;
    if (z->strom_spielt(stream)) return true;
    Mix_VolumeMusic(MIX_MAX_VOLUME);
    if (Mix_PlayMusic(m, 0) < 0) return false;
    z->laufend = stream;
    return true;
}

void SdlAudio::stream_stoppen(int stream) {
    if (z->strom_spielt(stream)) Mix_HaltMusic();
}

bool SdlAudio::stream_spielt(int stream) { return z->strom_spielt(stream); }

double SdlAudio::stream_laenge_ms(int stream) {
    Mix_Music* m = z->strom(stream);
    const double sekunden = m ? Mix_MusicDuration(m) : -1;
    return sekunden > 0 ? sekunden * 1000.0 : 0;
}

void SdlAudio::sample_freigeben(int sample) { z->freigeben(z->samples, sample); }

void SdlAudio::stream_freigeben(int stream) { z->strom_freigeben(stream); }

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

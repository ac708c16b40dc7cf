#pragma once
// The audio module the sound unit plays through. The game binary installs the
// SDL_mixer implementation of the platform layer; without it (tests, no audio
// device) every call fails quietly and the game runs silent.
//
// Handles are positive; 0 means "not loaded". A sample allows up to three
// playbacks at once, the oldest overridden when all are busy. Pan draws come
// from the module's own random generator, never the game's.
#include <string>

struct AudioModul {
    virtual ~AudioModul() = default;
    // Opens the default output device; false when there is none.
    virtual bool initialisieren() { return false; }
    virtual void beenden() {}
    // Loads a sample (effects) or a stream (dialogue, music) from a game path.
    virtual int sample_laden(const std::string& /*pfad*/) { return 0; }
    virtual int stream_laden(const std::string& /*pfad*/) { return 0; }
    // Plays a sample on a fresh channel with volume 0..1 and pan -1..1.
    virtual bool sample_abspielen(int /*sample*/, double /*lautstaerke*/, double /*pan*/) { return false; }
    // Plays a stream without restart: a stream that is playing goes on.
    virtual bool stream_abspielen(int /*stream*/) { return false; }
    virtual void stream_stoppen(int /*stream*/) {}
    virtual bool stream_spielt(int /*stream*/) { return false; }
    // Playing time of a stream in milliseconds, 0 when unknown.
    virtual double stream_laenge_ms(int /*stream*/) { return 0; }
    virtual void sample_freigeben(int /*sample*/) {}
    virtual void stream_freigeben(int /*stream*/) {}
    // A random pan -1.0 .. 1.0 in steps of 0.01 from the module's own generator.
    virtual double zufall_pan() { return 0; }
};

AudioModul& Audio();
void Audio_setzen(AudioModul* modul);

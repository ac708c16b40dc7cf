#pragma once
// Sound effects, one dialogue sound and the music rotation, played through the
// audio module (foundation/AudioModul.h). Without an audio device everything
// stays silent.
//
// Files under the program folder: effect k (0-based) is "Sound\Fx\<k+1>.mp3",
// the dialogue "Sound\Dialoge\1.wav", music track t "Sound\Music\M<t>.mp3". A
// file that does not load is reported and its effect or track stays silent;
// the others keep their numbers.
extern double Lautstaerke;  // volume of the effects, 0.0 .. 1.0
extern int Musiktitel;      // current music track
extern double Musik_Startzeit;
// Highest music track number: tracks 0..Musik_Anzahl are loaded.
inline constexpr int Musik_Anzahl = 1;
inline constexpr int SND_Effektanzahl = 6;
inline constexpr int SND_Dialoganzahl = 1;

// Opens the audio device; reported when there is none.
void SND_Init();
void SND_Effekte_laden();
void SND_Dialoge_laden();
void SND_Musik_laden();
// Plays effect k at the effect volume with a random pan (only while SFX is on).
void SND_Effekt_abspielen(int k);
// Plays track t; a track that is playing goes on.
void SND_Musik_abspielen(int t);
void SND_Musik_stoppen(int t);
// Whether track t is sounding now.
bool SND_Musik_spielt(int t);
// Once per frame while music is on: when the current track has ended, the next
// one starts (0, 1, 1, 1, ...: after the last track comes track 1).
void SND_Musik_Tick();
// Frees every stream, then every sample, then the audio device.
void SND_Freigeben();

#pragma once
// Sound effects, one dialogue sound and the music rotation.
extern double Lautstaerke;
extern int Musiktitel;
extern double Musik_Startzeit;
inline constexpr int Musik_Anzahl = 1;

void SND_Init();
void SND_Effekte_laden();
void SND_Dialoge_laden();
void SND_Musik_laden();
void SND_Effekt_abspielen(int k);
void SND_Musik_abspielen(int t);
void SND_Musik_stoppen(int t);
void SND_Musik_Tick();
// Frees every stream, then every sample, then the audio device.
void SND_Freigeben();

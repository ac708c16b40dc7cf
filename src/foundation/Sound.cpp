#include "foundation/Sound.h"

// The sound unit proper comes with the foundation work; until then the game is silent.
double Lautstaerke = 0.2;
int Musiktitel = 0;
double Musik_Startzeit = 0;

void SND_Init() {}
void SND_Effekte_laden() {}
void SND_Dialoge_laden() {}
void SND_Musik_laden() {}
void SND_Effekt_abspielen(int) {}
void SND_Musik_abspielen(int) {}
void SND_Musik_stoppen(int) {}
void SND_Musik_Tick() {}
void SND_Freigeben() {}

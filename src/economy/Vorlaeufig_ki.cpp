// stand-in until its unit lands
#include "economy/Vorlaeufig_ki.h"

void BPU_Bauplatz_aufheben(int, int) {}
bool BPU_Bauplatz_belegen(int, int) { return false; }
void BPU_Baustelle_komplett_planieren(int, int, int) {}

std::vector<Hasenloch> Hase_Loecher;
int Hase_Anzahl = 0;
int Hase_Loch_suchen(int, int, bool) { return -1; }

int Animationsphase = 0;

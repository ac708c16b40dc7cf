#include "economy/Bauvorschau.h"

// The placement preview comes with the construction work.
int BPU_Sichtliste_Ende = -1;

void BPU_Baumodus_starten(int) {}
bool BPU_Baustelle_setzen(int, int, int) { return false; }
void BPU_Sichtliste_Personen() {}
void BPU_Sichtliste_Belegung() {}
void BPU_Sichtliste_Tiere() {}
void BPU_Sichtliste_Markierung() {}

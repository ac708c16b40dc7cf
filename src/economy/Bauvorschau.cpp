#include "economy/Bauvorschau.h"

// The placement preview comes with the construction work.
std::vector<BPU_Eintrag> BPU_Sichtliste;
int BPU_Sichtliste_Ende = -1;
std::vector<BPU_Eintrag> BPU_Objektliste;
int BPU_Objektliste_Ende = -1;

void BPU_Baumodus_starten(int) {}
void BPU_Sichtliste_Objekte() {}
bool BPU_Baustelle_setzen(int, int, int) { return false; }
void BPU_Sichtliste_Personen() {}
void BPU_Sichtliste_Belegung() {}
void BPU_Sichtliste_Tiere() {}
void BPU_Sichtliste_Markierung() {}

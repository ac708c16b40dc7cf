// stand-in until its unit lands
#include "world/Vorlaeufig_welt.h"

int Mouseoverfunktion_Nummer = 0;
std::vector<int> BPU_PFU_Indexliste;

void WarenAnschaffungsauftragentfernen(int, int) {}
void BPU_Truemmer_verteilen(int, int) {}
void JU_Pflanze_Auftrag_beenden(int, int, int) {}

#include "ui/Aktionsdienste.h"

#include "ui/Aktionen.h"
#include "ui/Interaktiv.h"

void Aktionsdienste::MOAktion(int aktion, int info, int parameter) { ::MOAktion(info, aktion, parameter); }
void Aktionsdienste::IAU_Edikte_laden() { ::IAU_Edikte_laden(); }
bool Aktionsdienste::IAU_Edikte_speichern(const std::string& pfad) { return ::IAU_Edikte_speichern(pfad); }
void Aktionsdienste::IAU_Edikte_laden_Save(const std::string& pfad) { ::IAU_Edikte_laden_Save(pfad); }
int Aktionsdienste::IAU_Auswahl_2() { return ::IAU_Auswahl_2; }

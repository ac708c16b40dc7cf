#include "economy/Diagramm.h"

// The series and charts come with the statistics work.
int DiaU_Startpunkt = 1;

void DiaU_Init() {}
void DiaU_Leeren() {}
void DiaU_Zeitschritt() {}
void DiaU_Chart_erstellen(int, int) {}
void DiaU_Ware_set_Wert(int, int, int, int) {}
void DiaU_Zugang_set_Wert(int, int, int, int) {}

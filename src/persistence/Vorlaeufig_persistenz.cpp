// stand-in until its unit lands
#include "persistence/Vorlaeufig_persistenz.h"

int Hasen_Max = 10, Hasen_Init = 5;
bool WU_Speichern(const std::string&) { return true; }
void WU_Laden(const std::string&) {}
bool Hase_Speichern(const std::string&) { return true; }
void Hase_Laden(const std::string&) {}
bool ERU_Speichern(const std::string&) { return true; }
void ERU_Laden(const std::string&) {}

int AE = 0;
bool JU_Speichern(const std::string&) { return true; }
void JU_Laden(const std::string&) {}
bool WRU_Speichern(const std::string&) { return true; }
void WRU_Laden(const std::string&) {}
bool AAU_Speichern(const std::string&) { return true; }
void AAU_Laden(const std::string&) {}
bool EDU_Speichern(const std::string&) { return true; }
void EDU_Laden(const std::string&) {}
bool BrU_Speichern(const std::string&) { return true; }
void BrU_Laden(const std::string&) {}

std::vector<Hafen_inhalte> Haefen;
int Hafen_Ende = -1;
void Hafen_File_Load(const std::string&) {}
bool Schiff_File_Save(const std::string&) { return true; }
void Schiff_File_Load(const std::string&) {}
int DiaU_Min_Punkt = 0, DiaU_Max_Punkt = 0;
bool DiaU_speichern(const std::string&) { return true; }
void DiaU_laden(const std::string&) {}
bool LGK_File_Save(const std::string&) { return true; }
void LGK_File_Load(const std::string&) {}
bool SchU_Schutt_File_Save(const std::string&) { return true; }
void SchU_Schutt_File_Load(const std::string&) {}

void IndexU_Index_neu_aufbauen() {}
bool ELE = false, CLT = false;

// stand-in until its unit lands
#pragma once
//
// Routines and globals of units that other work fills in: the save driver
// calls them by their names. Writers answer false when their file could not be
// written; loaders read only a file that exists.
#include <string>
#include <vector>

// --- World --------------------------------------------------------------------
extern int Hasen_Max, Hasen_Init;
bool WU_Speichern(const std::string& datei);
void WU_Laden(const std::string& datei);
bool Hase_Speichern(const std::string& datei);
void Hase_Laden(const std::string& datei);
bool ERU_Speichern(const std::string& datei);
void ERU_Laden(const std::string& datei);

// --- Population ---------------------------------------------------------------
// The ten-frame animation clock.
extern int AE;
bool JU_Speichern(const std::string& datei);
void JU_Laden(const std::string& datei);
bool WRU_Speichern(const std::string& datei);
void WRU_Laden(const std::string& datei);
bool AAU_Speichern(const std::string& datei);
void AAU_Laden(const std::string& datei);
bool EDU_Speichern(const std::string& datei);
void EDU_Laden(const std::string& datei);
bool BrU_Speichern(const std::string& datei);
void BrU_Laden(const std::string& datei);

// --- Economy ------------------------------------------------------------------
struct Hafen_inhalte {
    int Objekt = 0;
    int Anzahl = 0;
    std::vector<int> Passagiere;
};
extern std::vector<Hafen_inhalte> Haefen;
extern int Hafen_Ende;
void Hafen_File_Load(const std::string& datei);
bool Schiff_File_Save(const std::string& datei);
void Schiff_File_Load(const std::string& datei);
extern int DiaU_Min_Punkt, DiaU_Max_Punkt;
// Both are given the save folder; the file is "DiaUV2.sav" in it.
bool DiaU_speichern(const std::string& ordner);
void DiaU_laden(const std::string& ordner);
bool LGK_File_Save(const std::string& ordner);
void LGK_File_Load(const std::string& ordner);
bool SchU_Schutt_File_Save(const std::string& datei);
void SchU_Schutt_File_Load(const std::string& datei);

// --- Foundation -----------------------------------------------------------------
// Rebuilds the person and building indexes from the loaded rows.
void IndexU_Index_neu_aufbauen();
// Set-up switches: endless ore, clan division.
extern bool ELE, CLT;

#pragma once
// Loading the templates of a new world from the numbered data folders
// (Daten\Skill\n, Daten\Waren\n, Daten\Objekt\n, Daten\Ambiente\n; each kind
// ends at its first missing number), with the image packs, the binding of the
// display models, the consistency tests, the computer clans' building lists and
// one log file per kind. Progress goes to the loading-status lines.
#include <string>

// The whole load from basis (the program folder + "Daten\", with the separator
// at its end). When a good names a raw material that is not found, it stops
// after the goods with SBU_Fehlwaren filled: the caller repairs and retries.
void SBU_Schablonen_laden(const std::string& basis);

// True when the file exists; otherwise reports path + " Datei nicht gefunden.".
bool SBU_Datei_vorhanden(const std::string& pfad);
bool SBU_Ordner_vorhanden(const std::string& pfad);

// One folder of a kind (ordner ends with the separator). When one of the
// kind's files is missing nothing of the folder is loaded and false returned.
bool SBU_Skill_laden(const std::string& ordner, int n, std::string& logzeile);
bool SBU_Ware_laden(const std::string& ordner, int n, std::string& logzeile);
bool SBU_Objekt_laden(const std::string& ordner, int n, std::string& logzeile);
bool SBU_Ambiente_laden(const std::string& ordner, int n, std::string& logzeile);

// Binds the model names of the goods displays and production animations to
// ambient templates by Titel.
void SBU_Ambiente_an_Objekte_binden();
// Walks the growth chains of the goods; the number of errors.
int SBU_Wachstum_Test();
// Every building 1.. needs a flag in its atlas picture; the number of errors.
int SBU_Objekt_Test();
// Food, housing and other buildings per AI_Level for the computer clans.
void SBU_KI_Listen_erstellen();

#pragma once
// Config.ini: the player's settings (section "Allgemein"), read at start-up
// with fixed defaults and written back by the options panel, and generic
// accessors that other units use for their own sections. Every access opens
// the file, reads or writes, and closes it again.
#include <cstddef>
#include <string>

// The program folder with a trailing separator; prefix of every data, save and configuration path.
extern std::string Programmpfad;
inline const std::string Configdatei = "Config.ini";

extern bool Programmvariableanzeigen;
extern bool Error_Silence;
extern std::string Server;
extern std::string Version;
extern bool Errorloger;
extern std::string Spielername;
extern int SpielerfarbeR, SpielerfarbeG, SpielerfarbeB;
extern bool MausinverterX, MausinverterY;
// The autosave switch in force (iron mode holds it on) and the player's own choice, which is
// what the options show and what Config.ini keeps.
extern bool AutosaveCheck;
extern bool AutosaveEinstellung;
extern int Autosave_time;
// Frames between autosaves: the default, and the range Config.ini may set (30 s to 100 h).
inline constexpr int Autosave_time_Vorgabe = 12000;
inline constexpr int Autosave_time_min = 750;
inline constexpr int Autosave_time_max = 9000000;
extern bool Vollbild;
extern bool VSync;
extern bool Musik;
extern bool SFX;
extern bool AutoUpdate;

// The longest player name, wherever it is set (first start, options, typing).
inline constexpr int Spielername_max = 15;

// Puts every setting back to its default and forgets which files were reported (start of a
// run, tests).
void Config_zuruecksetzen();

void Config_laden();
void Config_speichern();
void Config_Debug_lesen();
bool Config_Vollbild_lesen();
// Default player name (the logged-in user's, at most Spielername_max characters) and colour 100/0/0.
void Config_Spieler_Vorgabe();

struct Fenstergeometrie {
    int breite, hoehe, links, oben;
};
// The windowed start's client size and position from Config.ini, fitted to the screen.
Fenstergeometrie Config_Fenster_lesen(int bildschirm_breite, int bildschirm_hoehe);
void Config_Fenster_schreiben(const std::string& datei, bool vollbild, int breite, int hoehe, int links,
                              int oben);

// Checks an ini file of the program folder before its keys are read, and reports once a
// run, through the error reporter with the routine's name, the first thing wrong with it: a
// file that exists but is a folder or cannot be read, that is read-only (nothing is written
// into it), that holds a line longer than Ini_Zeile_max characters or lines that are neither
// a section, a key=value entry, a comment nor blank (random bytes), or that lacks the section
// the reader needs. Its keys then read as far as they can be read, the rest as their
// defaults. A missing file is no fault (it is created by the first write). True when the file
// is missing or sound.
inline constexpr std::size_t Ini_Zeile_max = 65536;
bool Config_Datei_pruefen(const std::string& datei, const std::string& sektion, const std::string& routine);

// Generic accessors on Programmpfad + datei. A write that fails is reported once a run per
// file (unless the file's check reported it already).
void Config_WriteString(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                        const std::string& wert);
void Config_ReadString(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                       std::string& ergebnis, const std::string& vorgabe);
void Config_WriteInteger(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                         int wert);
int Config_ReadInteger(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                       int vorgabe);
// An Integer that must lie in min..max: a value outside, or one that is no number, is
// reported (with the routine's name) and gives the default; a missing key gives the default
// silently.
int Config_ReadInteger_Bereich(const std::string& datei, const std::string& sektion,
                               const std::string& schluessel, int vorgabe, int min, int max,
                               const std::string& routine = "Config_laden");
void Config_WriteBool(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                      bool wert);
bool Config_ReadBool(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                     bool vorgabe);

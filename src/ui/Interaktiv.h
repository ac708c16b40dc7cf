#pragma once
// Interactive edicts: decisions offered to the player in the edict window. Each
// lives in daten\edikt\<n>\Script.srt (an ini file); they are loaded for every
// new world and saved with each game.
#include <string>
#include <vector>

struct Effekt_Data {
    std::string Befehl;
    std::string Befehl2;
    int Wert = 0;
    std::string Text;
};

struct Gesetz_Data {
    std::string Titel;
    std::string Text;
    int Count = -1;  // last effect index
    std::vector<Effekt_Data> Effekte;
};

struct Edikt_Data {
    std::string Titel;
    std::string Text;
    std::string Trigger;
    int Count = -1;  // last law index
    std::vector<Gesetz_Data> Gesetze;
    int Timestep = -1;        // last duration index
    std::vector<int> Zeiten;  // duration codes 0..3 (120, 600, 1200 steps, off)
};

extern std::vector<Edikt_Data> IAU_Edikte;
// The edict on show, the chosen law and the chosen duration index.
extern int IAU_Aktuelles_Edikt;
extern int IAU_Auswahl_1;
extern int IAU_Auswahl_2;
// The wrapped lines of the edict text on show.
extern std::vector<std::string> IAU_Textzeilen;
// Title, text and effect lines of the law on show.
extern std::vector<std::string> TPU_Edikt_Effektzeilen;

// Reads every edict folder 0, 1, 2, ... of the program folder up to the first gap.
void IAU_Edikte_laden();
// Reads one edict's ini file into entry n.
void IAU_Edikt_hinzu(const std::string& pfad, int n);
// The edicts of a save game; false when the file could not be written.
bool IAU_Edikte_speichern(const std::string& pfad);
void IAU_Edikte_laden_Save(const std::string& pfad);
// Wraps the text (font 1, "#" forces a break) into IAU_Textzeilen.
void IAU_Text_umbrechen(const std::string& text, int maxWidth);
// Fills TPU_Edikt_Effektzeilen for law g of edict e (kept when asked for the same pair again).
void TPU_Edikt_Effekt_Text(int e, int g);
// No edicts, no window state (world reset, tests).
void IAU_Zuruecksetzen();

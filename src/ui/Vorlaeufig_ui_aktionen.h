#pragma once
// stand-in until its unit lands
//
// Globals and routines of the operating system, the statistics menu, the
// toggle and minimap windows and the multiplayer set-up window that the action
// executor and the window mouse handlers use. Each keeps the name its own unit
// documents.
#include <string>
#include <vector>

// --- Operating system ---------------------------------------------------------------
// The operating system reports a connection to the internet.
bool InternetGetConnectedState();

// --- Statistics menu ------------------------------------------------------------------
// The goods-template indices the statistics menu lists.
extern std::vector<int> IFU_Statmenu_Liste;
// Its body is in ui/Vorlaeufig_ui_panels.cpp.
void IFU_Statmenu_Liste_fuellen(const std::string& Gruppe);

// --- Main form: window content ----------------------------------------------------------
// The check boxes of the three toggle windows; entry 3i + c is row i of window c.
extern bool Schalterfenster_Optionen[27];
extern int Minimap_Art;

// --- Multiplayer set-up list ------------------------------------------------------------------
struct Spieler_element {
    int Rot = 0, Gruen = 0, Blau = 0;
    std::string Name;
    bool Aktiv = false;
    int Bonus1 = 0, Bonus2 = 0;
};
extern Spieler_element Lobby_Spieler[8];
extern bool IFU_Lobby_aktiv;

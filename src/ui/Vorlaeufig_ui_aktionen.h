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

// --- Statistics menu and multiplayer set-up list: their own units ----------------------
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"

// --- Main form: window content ----------------------------------------------------------
// The check boxes of the three toggle windows; entry 3i + c is row i of window c.
extern bool Schalterfenster_Optionen[27];
extern int Minimap_Art;

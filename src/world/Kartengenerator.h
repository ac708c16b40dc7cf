#pragma once
// The start of a single game: the set-up values, the new-world driver that
// rebuilds every table of the world in a fixed order, and the start positions
// of the clans.
//
// Generation runs inside the one click that confirms the set-up. The random
// source is drawn in a fixed order throughout, so the same seed and set-up give
// the same world.

// Set-up values of the single game (set by the set-up panel).
extern int SingelGameTYPWahl;       // map type 0..7
extern int SingelGameGroessenWahl;  // size 0..9: side 256 + 64 x choice
extern int SingelGamerohstoffWahl;  // plant density 0..9
extern int SingelGameKIanzahl;      // computer-clan density 0..6
extern bool ELE;                    // endless ore: mining never lowers the land
extern bool CLT;                    // clan division
extern int SingelGameKILevel;       // highest level of the computer clans 1..6 (6: no cap)

inline constexpr int SingelGameTYPWahl_Standard = 2;
inline constexpr int SingelGameGroessenWahl_Standard = 5;
inline constexpr int SingelGamerohstoffWahl_Standard = 5;
inline constexpr int SingelGameKIanzahl_Standard = 3;
inline constexpr int SingelGameKILevel_Standard = 6;

// The set-up panel the start of a game returns to when no world could be made.
inline constexpr int MG_Einstellungspanel = 3;

// The island the spiral search for a start cell of an archipelago looks for.
extern int KI_Insel;

// Every set-up value back to its default.
void MG_Einstellungen_zuruecksetzen();
// A map type outside its range is reported and replaced by its default; a size
// outside its range is reported and replaced by choice 4 (512 cells).
void MG_Einstellungen_pruefen();

// The start action of the set-up panel: generates the world, repairing the
// goods folders and retrying while goods name goods defined after them, and
// hands the map to the player. When no attempt succeeds the game does not
// start: the set-up panel comes back.
void MG_Spiel_starten();
// Builds one world from the set-up values; returns early when goods are missing.
void MG_Neue_Welt();
// The number of computer clans for the world just generated and the set-up.
int MG_Computerclans_zaehlen();
// Start sites for all clans that get one automatically.
void MG_Spieler_platzieren();
// The start cell of the clan, or -1.
int MG_Startfeld_suchen(int clan);
// The fixed point a clan's start search begins at on the four-quarter map
// (clan 0 the human, clans 1..3 the computer clans); -1 for any other clan.
int MG_Viertelpunkt(int clan);

#pragma once
// The switches the main window, the interface and the simulation share:
// game mode and speed, input locks, the view and the build state.
#include <string>

// Game-mode flags; a game runs when one of them is set.
extern bool KSL, SSL, MSL, ISL;
extern bool Pause;
// Speed N runs N + 1 simulation steps per frame (the buttons use 0, 1, 2, 4, 8).
extern int Spielgeschwindigkeit;
// Clicks are dropped while set (long work that handles window events).
extern bool Eingabesperre;
// A quick save or quick load is in progress; keys are dropped while set.
extern bool Speichervorgang;
extern bool Ladevorgang;

// View: scroll offset in pixels, zoom (20..80, scale Zoomstufe / 20), drag state.
extern int SX, SY;
extern int Zoomstufe;
inline constexpr int Zoomstufe_min = 20;
inline constexpr int Zoomstufe_max = 80;
extern bool Neuzeichnen;
extern bool Kamera_ziehen;
extern int Mausstatus;
extern int Maus_letztes_X, Maus_letztes_Y;

// Interface state routed by the main window.
extern int Anzeigestufe_F2;  // debug page 0..10
extern std::string Texteingabe;
extern bool Texteingabe_aktiv;
inline constexpr std::size_t Texteingabe_max = 240;
extern std::string Cursorzeichen;
extern int IFU_Fenstermitte_X, IFU_Fenstermitte_Y;
// Display counter of the in-game windows, lowered by one per frame while positive.
extern int IFU_Anzeigezaehler;
extern bool Rangliste_anzeigen;
// Map display filters.
extern bool Fil_Gps, Fil_Gst, Fil_Rms, Fil_Rfi, Fil_Maf, Fil_Mhf, Fil_Zuf, Fil_Wgf;
// Cell columns (outer) and rows (inner) the scene of the current frame covers.
extern int Sichtbereich_1_von, Sichtbereich_1_bis, Sichtbereich_2_von, Sichtbereich_2_bis;
// The same bounds as they were when the terrain was last refreshed.
extern int Sichtbereich_alt_1_von, Sichtbereich_alt_1_bis, Sichtbereich_alt_2_von, Sichtbereich_alt_2_bis;

// Build state.
extern bool Baufenster_offen;
extern bool Platzierungsmodus;
extern int Bau_Typ;
extern int Bau_Testmodus;  // developer overlay list 0..6
extern int Bauplatz_Vorlage;
// Lowest and highest price shown by the placement preview.
extern int Bau_Felderzahl;
extern int Bau_Platzwert_max;

// The in-game windows; only the panel switching opens and closes them.
extern bool Objektinfo_offen;
extern bool Schalterfenster1_offen, Schalterfenster2_offen, Schalterfenster3_offen;
extern bool Minimap_offen;
// What the minimap shows (0..3).
extern int Minimap_Art;
// The check boxes of the three toggle windows; entry 3i + c is row i of window c.
extern bool Schalterfenster_Optionen[27];
extern bool Warenraster_offen;
extern bool Fenster30_offen, Fenster36_offen, Fenster40_offen, Fenster41_offen, Fenster42_offen;
extern bool Ediktfenster_offen;

// Mouse and tooltip state of the current pass of the mouse dispatcher.
// The mouse in client pixels, and relative to the window centre.
extern int MoPosEcht_X, MoPosEcht_Y;
extern int MoPosFenstermitte_X, MoPosFenstermitte_Y;
// The tooltip the frame shows (0 none) and its value.
extern int Mouseoverfunktion_Nummer, Mouseoverfunktion_Wert;
// The placement preview entry under the mouse: its site cost and its cell.
extern int Sichtliste_Art_unter_Maus, Sichtliste_Index_unter_Maus;
// The object of the info window (-1 none) and its goods slot chosen for clearing.
extern int Gewaehltes_Objekt;
extern int Gewaehlter_Warenslot;

bool Spiel_laeuft();
// The display filters, the ranking switch and the visible range back to their start values.
void Anzeige_zuruecksetzen();
// Every switch back to its start value.
void Spielstatus_zuruecksetzen();

#pragma once
// The clans' flying ships. A ship flies cell by cell in a straight greedy line
// over land and water alike and has one order at a time: goods between two
// harbours, a passenger to another island, or a whole building delivered to a
// cell (which uses the ship up). Idle ships ask the order lists for work.
#include <string>
#include <vector>

// Record fields in their save-file order.
struct Schiff {
    int Feld = 0;             // current cell
    int Ziel = -1;            // current target cell, -1 none
    int Naechstes_Ziel = -1;  // destination after the first stop, or the building to deliver
    int Vorher = 0;           // cell before the last move (drawing)
    int Warten = -1;          // steps to wait before acting
    int Ladung = -1;          // ware (goods) or person (passenger) carried, -1 none
    int Ladungsmenge = 0;     // units carried
    int Auftrag = -1;         // -1 idle, 1 goods, 2 building delivery, 3 passenger
    int Besitzer = 0;         // owning clan
};

inline constexpr int Schiff_Auftrag_frei = -1;
inline constexpr int Schiff_Auftrag_Waren = 1;
inline constexpr int Schiff_Auftrag_Gebaeude = 2;
inline constexpr int Schiff_Auftrag_Passagier = 3;

// Records 0 .. Schiff_Anzahl - 1 are ships; the array grows ten records at a time.
extern std::vector<Schiff> Schiffe;
extern int Schiff_Anzahl;

inline bool Schiff_gueltig(int i) { return i >= 0 && i < Schiff_Anzahl; }

// A new idle ship at the object's anchor cell for its owner (a ship was produced).
void Schiff_bauen(int objekt);
// Appends the ship; its owner counts one ship more.
void Schiff_hinzufuegen(const Schiff& s);
void Schiff_Tick();
void Schiff_Liste_leeren();
// "HS.sav": one line per ship, its nine fields joined by "/". False when the file
// could not be written (reported).
bool Schiff_File_Save(const std::string& datei);
// A missing file leaves the list as it is.
void Schiff_File_Load(const std::string& datei);

// Steps of one ship.
bool Schiff_Warten(int i);
void Schiff_Leerlauf(int i);
// True when the ship was used up.
bool Schiff_aktiv(int i);
void Schiff_Bewegungsschritt(int i);
// What the ship does at its target; true when it was used up.
bool Hafen_Schiff_Bewegungsmanager(int i);
void Schiff_Warenankunft(int i);
void Schiff_Passagierankunft(int i);
void Schiff_Passagier_absetzen(int i);

// Drawing direction 0..5 of a move by the offset previous cell - current cell.
int Schiff_Richtung_von_Versatz(int versatz);

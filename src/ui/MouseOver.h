#pragma once
// The mouse dispatcher: once per frame (hover: tooltips) and once per click
// (actions) it finds what lies under the mouse, asking in this order the shown
// script panel, the hot zones of Daten\UI.dat, the letter column and the open
// in-game windows. The first that takes the mouse ends the pass.
#include <array>
#include <string>
#include <vector>

// One hot zone: condition, X1, X2, Y1, Y2, frame kind, info, action, parameter.
using MO_Zone = std::array<int, 9>;
inline constexpr int MO_Zone_Bedingung = 0;
inline constexpr int MO_Zone_X1 = 1;
inline constexpr int MO_Zone_X2 = 2;
inline constexpr int MO_Zone_Y1 = 3;
inline constexpr int MO_Zone_Y2 = 4;
inline constexpr int MO_Zone_Rahmen = 5;
inline constexpr int MO_Zone_Info = 6;
inline constexpr int MO_Zone_Aktion = 7;
inline constexpr int MO_Zone_Parameter = 8;
// The highest condition number a zone may carry.
inline constexpr int MO_Bedingung_max = 1000;

// The zones grouped by condition number, in file order within a group.
extern std::vector<std::vector<MO_Zone>> MO_Zonen;

// Where the dispatcher reads the mouse (client pixels); the window's cursor by default.
using MO_Mausquelle_Funktion = void (*)(int& x, int& y);
extern MO_Mausquelle_Funktion MO_Mausquelle;
// What runs an action of a click; the action executor by default.
using MO_Aktion_Funktion = void (*)(int info, int aktion, int parameter);
extern MO_Aktion_Funktion MO_Aktion_ausfuehren;

// Loads and groups the hot zones of Daten\UI.dat.
void MO_UIdat_laden();
// Lines of the file before its first empty line.
int MO_UIdat_Zeilen_zaehlen(const std::vector<std::string>& zeilen);
// Groups raw zone rows by their condition number into MO_Zonen.
void MO_UIdat_gruppieren(const std::vector<MO_Zone>& zeilen);
// The dispatcher: click false for the hover pass, true for a click. True when the
// script panel or a hot zone took the mouse.
bool MO_Mouseover(bool click);
// Reads the mouse and sets the four mouse positions of the pass.
void MO_Mauspositionen_setzen();
bool MOBedingung(int bedingung);
bool MORahmen(int x1, int x2, int y1, int y2, int art);
// Sets the tooltip selection of an info number.
void MOInfo(int info);
// The zones back to none (tests, a reload).
void MO_Zonen_leeren();

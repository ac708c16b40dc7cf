// stand-in until its unit lands
#pragma once
// Routines and globals of other units that the panels, the panel switching and
// the mouse dispatcher use. Each has a harmless body here until its own unit is
// built.
#include <array>
#include <string>
#include <string_view>
#include <vector>

// --- Interface atlas ------------------------------------------------------------
// One interface image as its description names it.
struct Interface_Item {
    std::string Titel;
    int Left = 0;
    int Top = 0;
    int Height = 0;
    int Width = 0;
};
// Index = image number.
extern std::vector<Interface_Item> ITF_Elemente;
// Per image its atlas rectangle: offX, offY, cellX0, cellX1, cellY0, cellY1 (cells of 16 pixels).
extern std::vector<std::array<int, 6>> ITF_Texturkoordinaten;

// --- Text output ------------------------------------------------------------------
int TPU_Textbreite_Font1(std::string_view text);
void TPU_2D_Modus();
void TPU_Ladestatus_add(const std::string& zeile);
void TPU_Ladestatus_leeren();

// --- Text overlay -------------------------------------------------------------------
void Showtext();

// --- Action executor ------------------------------------------------------------------
void MOAktion(int info, int aktion, int parameter);

// --- Statistics menu ------------------------------------------------------------------
// Fills the statistics list with the goods of the group.
void IFU_Statmenu_Liste_fuellen(const std::string& gruppe);

// --- Interactive edicts -----------------------------------------------------------------
struct Edikt_Data {
    std::string Titel;
    std::string Text;
    std::string Trigger;
    int Count = -1;
    int Timestep = -1;
    std::vector<int> Zeiten;
};
extern std::vector<Edikt_Data> IAU_Edikte;
extern int IAU_Aktuelles_Edikt;
extern int IAU_Auswahl_1;
extern int IAU_Auswahl_2;
void IAU_Text_umbrechen(const std::string& text, int maxBreite);
void IAU_Edikte_laden();

// --- Letters ------------------------------------------------------------------------------
// The oldest letter of the player under (x, y) in the letter column, or -1.
int BrU_Brief_lesen(int spieler, int x, int y);

// --- Save games ---------------------------------------------------------------------------
// The last listed save game (-1 none).
extern int LSU_Spielstand_Letzter;

// --- Single-game set-up ----------------------------------------------------------------------
// Endless ore and clan division.
extern bool ELE;
extern bool CLT;

// --- Mouse handlers of the in-game windows --------------------------------------------------
// Each tests its window's boxes, sets the tooltip and on a click carries out the
// choice; true when the mouse was over one of them.
bool MO_Warenraster_waehlen(bool click);
bool MO_Statmenu_Waren_waehlen(bool click);
bool MO_Statmenu_Gruppe_waehlen(bool click);
bool MO_Baumenue_waehlen(bool click);
bool IFU_Edikt_Intraktiv_Mouse_over(bool click);

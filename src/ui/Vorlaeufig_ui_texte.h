#pragma once
// stand-in until its unit lands
//
// Tables, globals and routines of other units that the text writers read. Each
// keeps the name and meaning its own unit gives it; the definitions in
// Vorlaeufig_ui_texte.cpp hold the empty start state and the harmless minimum.
#include <array>
#include <string>
#include <vector>

#include "world/Vorlaeufig_welt.h"  // Mouseoverfunktion_Nummer

// --- Script panels ----------------------------------------------------------------

// One text element of a script panel.
struct ITP_Text_Item {
    int Art = 0;          // colour code
    int Ausrichtung = 1;  // 1 left, 2 centred, 3 right
    int Schrift = 1;      // 1 small font, 2 big font
    int Align = 1;        // anchor code 1..9
    int X = 0;
    int Y = 0;
    int Breite = 0;  // pixel width of the shown text
    std::string Text;
    std::string Text2;
};
using ITP_Text_R = std::vector<ITP_Text_Item>;

// Per panel its text elements.
extern std::vector<ITP_Text_R> ITP_Texte;
// The panel shown now, -1 none.
int ITP_aktives_Panel_ID();

// --- Mouse state of the frame -------------------------------------------------------

extern int Mouseoverfunktion_Wert;
extern int Sichtliste_Index_unter_Maus, Sichtliste_Art_unter_Maus;
// The object whose info window is open.
extern int Gewaehltes_Objekt;
// The object (or, kind 1, the planned site's template) under the mouse and its kind.
extern int MO_Objekt_unter_Maus, MO_Objektart_unter_Maus;
// The information-stream entry under the mouse.
extern int MO_Info_Index;

// --- Ranking -----------------------------------------------------------------------

// Clan rows in ranking order, -1 an empty place.
extern std::array<int, 8> TPU_Rangliste;
void TPU_Rangliste_berechnen();

// --- Interactive edicts ------------------------------------------------------------

struct Gesetz_Data {
    std::string Titel;
    std::string Text;
    int Count = -1;
};

struct Edikt_Data {
    std::string Titel;
    std::string Text;
    std::string Trigger;
    int Count = -1;  // last law index
    std::vector<Gesetz_Data> Gesetze;
    int Timestep = -1;  // last duration index
    std::vector<int> Zeiten;
};

extern std::vector<Edikt_Data> IAU_Edikte;
// The text of the edict on show, wrapped into lines.
extern std::vector<std::string> IAU_Textzeilen;

// --- Save games --------------------------------------------------------------------

struct LSU_Spielstand {
    std::string Name;
    std::string Zeit;
};
extern std::array<LSU_Spielstand, 10> LSU_Spielstandliste;
// The last listed place, -1 none.
extern int LSU_Spielstand_Letzter;

// --- Orders ------------------------------------------------------------------------

// Smallest distance (below 121) from the cell to an object on the same island that
// holds the ware for the clan; -1 none.
int JU_Auftrag_Text(int feld, int ware, int clan);

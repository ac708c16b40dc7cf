// stand-in until its unit lands
#pragma once
// Globals and routines of other interface units (script panels, panel switching,
// ranking, interactive edicts, the main form, the save list) that the panel
// drawing and the in-game windows read. Each keeps the name its own unit gives
// it; Vorlaeufig_ui_fenster.cpp holds harmless start values.
#include <array>
#include <string>
#include <vector>

// --- Script panels ---------------------------------------------------------------

// One picture element of a panel: image numbers, kind 0..8, alignment 1..9, offsets, name.
struct ITP_Icon_Item {
    std::vector<int> Bilder;
    int Art = 0;
    int Align = 1;
    int X = 0;
    int Y = 0;
    std::string Name;
};
using ITP_Icon_R = std::vector<ITP_Icon_Item>;
// Per panel number its picture elements in file order.
extern std::vector<ITP_Icon_R> ITP_Icons;

// One well-known panel: shown or not, and the number of the panel loaded under its name.
struct ITP_Schalter {
    bool Sichtbar = false;
    int ID = 0;
};
inline constexpr int ITP_Schalter_Anzahl = 33;
// Slots in the order of the well-known panel names.
inline constexpr int ITP_Schalter_UpdatePanel = 21;
inline constexpr int ITP_Schalter_UpdatePanelfehler = 22;
inline constexpr int ITP_Schalter_SingelGameLupe = 25;
inline constexpr int ITP_Schalter_SingelGameForschung = 26;
inline constexpr int ITP_Schalter_SingelGameForschungAuswahl = 27;
extern std::array<ITP_Schalter, ITP_Schalter_Anzahl> ITP_Panel_Schalter;
// The panel shown now, -1 when none.
int ITP_aktives_Panel_ID();

// --- Panel switching and the main form's window state ------------------------------

extern bool Objektinfo_offen, Schalterfenster1_offen, Schalterfenster2_offen, Schalterfenster3_offen;
extern bool Minimap_offen, Warenraster_offen, Fenster30_offen, Fenster36_offen, Fenster40_offen,
    Fenster41_offen, Fenster42_offen, Ediktfenster_offen;
extern bool IFU_Iconleiste_aktiv;
// Frames left to show the update panel.
extern int IFU_Updateanzeige_Zaehler;
// The 27 options of the three toggle windows.
extern std::array<bool, 27> Schalterfenster_Optionen;
// The minimap kind shown, 0..3.
extern int Minimap_Art;
// The value of the hover function of the frame.
extern int Mouseoverfunktion_Wert;
// The object whose info window is shown.
extern int Gewaehltes_Objekt;
// Clan division at game start.
extern bool CLT;

// --- Ranking ---------------------------------------------------------------------

// Place p + 1: the clan row ranked there, -1 empty.
extern std::array<int, 8> TPU_Rangliste;

// --- Interactive edicts ------------------------------------------------------------

struct Effekt_Data {
    std::string Befehl;
    std::string Befehl2;
    int Wert = 0;
    std::string Text;
};
struct Gesetz_Data {
    std::string Titel;
    std::string Text;
    int Count = -1;
    std::vector<Effekt_Data> Effekte;
};
struct Edikt_Data {
    std::string Titel;
    std::string Text;
    std::string Trigger;
    int Count = -1;
    std::vector<Gesetz_Data> Gesetze;
    int Timestep = -1;
    std::vector<int> Zeiten;
};
extern std::vector<Edikt_Data> IAU_Edikte;
extern int IAU_Aktuelles_Edikt, IAU_Auswahl_1, IAU_Auswahl_2;

// --- Save list -------------------------------------------------------------------

// Index of the last listed save game, -1 none.
extern int LSU_Spielstand_Letzter;

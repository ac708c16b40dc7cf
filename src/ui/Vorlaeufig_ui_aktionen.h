#pragma once
// stand-in until its unit lands
//
// Routines and globals of the panel tables, the panel switching, the mouse
// dispatcher, the text output, the operating system and the main form that the action executor, the edicts
// and the window mouse handlers use. Each keeps the name and signature its own unit documents.
#include <string>
#include <vector>

// --- Panel tables ---------------------------------------------------------------
struct ITP_Panel_Schalter_Item {
    bool Sichtbar = false;
    int ID = 0;
};
inline constexpr int ITP_Panel_Schalter_Anzahl = 33;
extern ITP_Panel_Schalter_Item ITP_Panel_Schalter[ITP_Panel_Schalter_Anzahl];
// Slots of the well-known panels the actions test.
inline constexpr int ITP_Slot_LadePanel = 4;
inline constexpr int ITP_Slot_Speicherpanel = 5;
inline constexpr int ITP_Slot_Startbildschirm = 6;
inline constexpr int ITP_Slot_SingelGameLupe = 25;
inline constexpr int ITP_Slot_SingelGameForschung = 26;
inline constexpr int ITP_Slot_SingelGameForschungAuswahl = 27;

// --- Panel switching -------------------------------------------------------------
void Panelanzeigen(int Nummer);
extern bool Objektinfo_offen, Schalterfenster1_offen, Schalterfenster2_offen, Schalterfenster3_offen;
extern bool Minimap_offen, Warenraster_offen, Fenster36_offen, Ediktfenster_offen;
extern int IFU_Statmenu_Auswahl;
extern int IFU_Updateanzeige_Zaehler;
extern std::vector<int> IFU_Statmenu_Liste;
void IFU_Statmenu_Liste_fuellen(const std::string& Gruppe);

// --- Mouse dispatcher --------------------------------------------------------------
extern int MoPosEcht_X, MoPosEcht_Y, MoPosFenstermitte_X, MoPosFenstermitte_Y;
// Mouseoverfunktion_Nummer has its body in world/Vorlaeufig_welt.cpp.
extern int Mouseoverfunktion_Nummer;
extern int Mouseoverfunktion_Wert;

// --- Text output ----------------------------------------------------------------------
extern std::string TPU_Updatestatus[10];

// --- Update check -----------------------------------------------------------------------
// The operating system reports a connection to the internet.
bool InternetGetConnectedState();

// --- Main form: window content and set-up ---------------------------------------------------
extern int Gewaehltes_Objekt;
extern int Gewaehlter_Warenslot;
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

#pragma once
// Script panels: the menus and in-game bars, each read from
// daten\Panel\<n>\Script.srt into per-panel lists of pictures, texts and click
// areas, plus one global list of popup texts. The panel number is the folder
// number. 32 well-known panel names are recorded with the number of the panel
// that carries them.
#include <array>
#include <string>
#include <vector>

// One picture of a panel.
struct ITP_Icon_Item {
    std::vector<int> Bilder;  // interface image numbers (0 = not found)
    int Art = 0;              // icon kind, below
    int Align = 1;            // alignment code 1..9
    int X = 0;
    int Y = 0;
    std::string Name;  // "$" name or placeholder, empty for plain icons
};
using ITP_Icon_R = std::vector<ITP_Icon_Item>;

// Icon kinds.
inline constexpr int ITP_Icon = 0;
inline constexpr int ITP_IconIFWare = 1;
inline constexpr int ITP_IconCheckBox = 2;
inline constexpr int ITP_IconCheckSlider = 3;
inline constexpr int ITP_IconPlayerColor = 4;
inline constexpr int ITP_IconIF = 5;
inline constexpr int ITP_IconRangColor = 6;
inline constexpr int ITP_IconInfoStreamCall = 7;
inline constexpr int ITP_IconVollbild = 8;
// Image slots of an information-stream icon.
inline constexpr int ITP_Infostream_Bilder = 282;

// One text of a panel.
struct ITP_Text_Item {
    int Art = 0;          // colour code, set by the text writer
    int Ausrichtung = 1;  // 1 left, 2 centre, 3 right
    int Schrift = 1;      // 1 small font, 2 big font
    int Align = 1;
    int X = 0;
    int Y = 0;
    int Breite = 0;  // pixel width of Text in its font
    std::string Text;
    std::string Text2;
};
using ITP_Text_R = std::vector<ITP_Text_Item>;

// One click area: fields in this order.
inline constexpr int ITP_Maus_Bild = 0;
inline constexpr int ITP_Maus_Align = 1;
inline constexpr int ITP_Maus_X = 2;
inline constexpr int ITP_Maus_Y = 3;
inline constexpr int ITP_Maus_W = 4;
inline constexpr int ITP_Maus_H = 5;
inline constexpr int ITP_Maus_Aktion = 6;
inline constexpr int ITP_Maus_Popup = 7;
inline constexpr int ITP_Maus_Parameter = 8;
using ITP_Mausfeld = std::array<int, 9>;
using ITP_Mous_R = std::vector<ITP_Mausfeld>;

// A popup: heading, body, then the body wrapped into at most six lines (2..7).
using ITP_Popup = std::array<std::string, 8>;
// Widest popup line in pixels of the small font.
inline constexpr int ITP_Popup_Breite = 250;

// Indexed by panel number.
extern std::vector<ITP_Icon_R> ITP_Icons;
extern std::vector<ITP_Text_R> ITP_Texte;
extern std::vector<ITP_Mous_R> ITP_Mausfelder;
extern std::vector<ITP_Popup> ITP_PopUps;

// The well-known panel slots.
struct ITP_Schalter {
    bool sichtbar = false;
    int ID = 0;
};
inline constexpr int ITP_Schalter_Anzahl = 33;
extern std::array<ITP_Schalter, ITP_Schalter_Anzahl> ITP_Panel_Schalter;

enum ITP_Slot : int {
    ITP_IronmanPanel,
    ITP_Einzelspieler,
    ITP_InGameMain,
    ITP_LadeBildschirm,
    ITP_LadePanel,
    ITP_Speicherpanel,
    ITP_Startbildschirm,
    ITP_Credits,
    ITP_OptionsPanel,
    ITP_HandbuchMitglieder,
    ITP_HandbuchSpielwelt,
    ITP_HandbuchWohnhaeuser,
    ITP_HandbuchProduktion,
    ITP_HandbuchWaren,
    ITP_HandbuchWirtschaft,
    ITP_ErrungenschaftenMitglieder,
    ITP_ErrungenschaftenWaren,
    ITP_ErrungenschaftenLuxus,
    ITP_ErrungenschaftenGold,
    ITP_ErrungenschaftenHaus,
    ITP_ErrungenschaftenClan,
    ITP_UpdatePanel,
    ITP_UpdatePanelfehler,
    ITP_DebugPanel,
    ITP_SingelGameAktiv,
    ITP_SingelGameLupe,
    ITP_SingelGameForschung,
    ITP_SingelGameForschungAuswahl,
    ITP_SingelGameTutorial,
    ITP_GameGewonnen,
    ITP_GameVerloren,
    ITP_Unbenannt,  // no panel registers here and nothing opens it
    ITP_ObjektProduktionPanel,
};

// The registered name of a slot (Windows-1252); empty for the unnamed slot.
const std::string& ITP_Slotname(int slot);
inline bool ITP_Panel_sichtbar(int slot) {
    return ITP_Panel_Schalter[static_cast<std::size_t>(slot)].sichtbar;
}

// Loads every panel from the program folder's daten\ (start-up and developer key P).
void ITP_Panels_laden();
// Loads base + "Panel\" + n for n = 0, 1, ... while the folder exists and writes the load log.
void ITP_Panels_einlesen(const std::string& base);
// Loads one panel from its folder (with a trailing "\").
void ITP_Panel_einlesen(const std::string& ordner, int n, std::string& resultLine);
// Parses one Script.srt into panel n.
void ITP_Script_lesen(const std::string& pfad, int n, std::string& resultLine);
// Stores n as the ID of the well-known panel of that exact name; other names are ignored.
void ITP_Panel_registrieren(const std::string& name, int n);
// Action number of a "$" element name, -1 for any other name.
int ITP_ButtonID_von_Name(const std::string& name);
// The first image i >= 1 whose title is exactly name; 0 when none.
int ITP_Bildnummer(const std::string& name);
// The panel shown now, or -1.
int ITP_aktives_Panel_ID();
// Wraps the body of popup i into its display lines.
void ITP_Popup_umbrechen(int i);
// Empties the element tables and the popups (before a reload).
void ITP_Paneltabellen_leeren();
// Alignment code of an align keyword ("AlignLO" .. "AlignRU"); 1 for any other text.
int ITP_Align_Code(const std::string& wort);
// Width and height in pixels of an image's atlas rectangle; 0 for an unknown image.
int ITP_Bildbreite(int bild);
int ITP_Bildhoehe(int bild);

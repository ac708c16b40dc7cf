#pragma once
// Timed info messages: game events announced on screen for a while.
//
// A message lives GUI_Anzeigedauer frames once it is up. New messages come up
// one after another: each gets the current delay GUI_Infoversatz, which then
// grows by the frames a message needs to travel 70 pixels across the window
// and falls by one per frame. The category switches decide which events are
// shown; an effect sound plays when a message comes up.
#include <string>
#include <vector>

struct GUI_Info {
    int Event;
    int Restzeit;  // frames left
    int Wert;      // supplied by the caller, -1 when none
    std::string Text;
};

inline constexpr int GUI_Anzeigedauer = 760;
// The event of an earned achievement; its text is the achievement's text. It is one
// of the general messages (GUI_Me).
inline constexpr int GUI_Event_Errungenschaft = 262;

// The first GUI_Infoanzahl records are live.
extern std::vector<GUI_Info> GUI_Infoliste;
extern int GUI_Infoanzahl;
extern int GUI_Infoversatz;

// Category switches (saved with the game).
extern bool GUI_Ge, GUI_To, GUI_Ab, GUI_Ei, GUI_FO, GUI_KT, GUI_KS, GUI_FS, GUI_Au, GUI_Cl, GUI_Me;
// While set, a message the mouse holds does not count down.
extern bool GUI_In;

void GUI_Info_add(int event, int wert, const std::string& text);
// Counts the messages down once per frame.
void GUI_Info_Tick();
// Removes message i (the last live one takes its place).
void GUI_Info_entfernen(int i);
// Removes all messages.
void GUI_Info_leeren();
// The per-frame fall of the delay.
void GUI_Info_Versatz_abbauen();
// The frames between two new messages for the current window width (at least 1).
int GUI_Info_Abstand();
// No messages, no delay, every category on (tests, a new run).
void GUI_Info_zuruecksetzen();

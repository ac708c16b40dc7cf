#pragma once
// The error reporter. Routines never throw on a bad state: they report a text
// that begins with their own name and carry on. Reports are dropped while
// Error_Silence is set (the default); otherwise the text is shown on screen
// for a while and, while Errorloger is set, appended to the numbered log in
// Config.ini (section "Errorlog", counter "Errorlog" in "Allgemein").
#include <string>

extern std::string Fehlertext;
extern int Fehleranzeige_Dauer;

// The log switches itself off after this entry number.
inline constexpr int Errorlog_letzter_Eintrag = 200;

void Fehler_melden(const std::string& text);
// Appends one entry and returns its number.
int Errorlog_schreiben(const std::string& text);
// The per-frame OpenGL check, given the error text of the pending error code.
void Config_GLFehler_pruefen(const std::string& text);
// Clears the on-screen error (world reset, tests).
void Fehler_zuruecksetzen();

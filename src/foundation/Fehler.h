#pragma once
// The error reporter. Routines never throw on a bad state: they report a text
// that begins with their own name and carry on. Reports are dropped while
// Error_Silence is set (the default); otherwise the text is shown on screen
// for a while and, while Errorloger is set, appended to the numbered log in
// Config.ini (section "Errorlog", counter "Errorlog" in "Allgemein").
//
// Reports that differ only in their numbers are one kind: the first is logged,
// the later ones are counted and the count is added to that entry. A full log
// (entries 0..Errorlog_letzter_Eintrag) takes nothing more; logging is then off
// for the rest of the run, and Config.ini's "Errorloger" stays as it is.
#include <string>

extern std::string Fehlertext;
extern int Fehleranzeige_Dauer;

// The log switches itself off after this entry number.
inline constexpr int Errorlog_letzter_Eintrag = 200;

void Fehler_melden(const std::string& text);
// Reports what the file layer met on other threads (read-ahead) since the last report; the
// frame loop calls it every frame. Does nothing on another thread.
void Fehler_Wartende_melden();
// Appends one entry and returns its number; -1 when the log is full.
int Errorlog_schreiben(const std::string& text);
// The per-frame OpenGL check, given the error text of the pending error code.
void Config_GLFehler_pruefen(const std::string& text);
// Writes the final counts of repeated reports into their entries (program end).
void Fehler_Protokoll_abschliessen();
// The report as the error line shows it: data paths are written with "\" and the program
// folder with "/", so every "\" is shown as "/" and a path reads with one kind of separator.
std::string Fehler_Anzeigetext(const std::string& text);
// Clears the on-screen error and the counted kinds (tests).
void Fehler_zuruecksetzen();

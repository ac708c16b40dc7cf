#pragma once
// The update client: over one TCP connection to the update server it checks
// whether the program's "Updater.exe" is current and whether a newer client
// version exists, fetches a new updater when its copy differs and, when the
// version differs, starts the updater and ends the program.
//
// The exchange runs on a thread of its own, so the window keeps drawing and
// answering while the server is slow; the whole check has one deadline. The
// thread only talks to the server: the status lines, the reports, the file
// and the restart are all done by the frame loop (Update_Tick). The only file
// the client ever writes is "Updater.exe", and only from the list record
// named "Updater.exe" that it asked for.
//
// A file transfer from the server: the length n as an Integer, the client sends
// n back, then n bytes.
#include <cstddef>
#include <string>
#include <vector>

struct IFV_Datei {
    std::string Name;
    int Groesse = 0;
    std::string Typ;  // "G": the transfer is zlib-compressed
    int Hashwert = 0;
};

// The list file of the last check; record 0 is the header (version, number of files).
extern std::vector<IFV_Datei> IFV_Dateiliste;
// Port of the update server.
extern int IFV_Port;
// Time-out of the connect, and the deadline of the whole check, in milliseconds.
extern int IFV_Verbindungszeit_ms, IFV_Frist_ms;
// The largest transfer and the largest inflated file the client accepts, in bytes.
inline constexpr int IFV_Groesse_max = 64 * 1024 * 1024;
inline constexpr std::size_t IFV_Entpackt_max = 256u * 1024u * 1024u;
// The most lines a list file may have.
inline constexpr std::size_t IFV_Listenzeilen_max = 100000;
// The one file the client writes, in the program folder.
inline constexpr const char* IFV_Updater = "Updater.exe";

// Starts one update check; the only caller passes 10, the command of an update
// check. Ignored (false) while a check is still running.
bool Update_pruefen(int Befehl);
// Called once a frame: shows the running check's status lines and reports; when
// the check has ended, puts a received updater in place and starts it when the
// version differs.
void Update_Tick();
// True while a check runs.
bool Update_laeuft();
// Ends a running check at once without writing anything (program end).
void Update_abbrechen();

// Parses a list file into liste from record 0 on (the list grows by two records a
// line); false with the reason when a line's size or checksum is not a number.
bool IFV_Dateiliste_lesen(const std::string& text, std::vector<IFV_Datei>& liste, std::string& fehler);
// Field k (from 0) of a "/"-separated line; empty when the line has fewer fields.
std::string IFV_Feld_lesen(const std::string& zeile, int k);
// The record of "Updater.exe" among the files the header counts; 4 when there is none.
int IFV_Updater_Index(const std::vector<IFV_Datei>& liste);
// Inflates a zlib stream; false with the reason when it is no complete stream or too large.
bool IFV_Entpacken(const std::string& gepackt, std::string& aus, std::string& fehler);

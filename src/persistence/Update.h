#pragma once
// The update client: over one TCP connection to the update server it checks
// whether the program's "Updater.exe" is current and whether a newer client
// version exists, fetches a new updater when its copy differs and, when the
// version differs, starts the updater and ends the program. Every status line
// goes to the update panel and is shown by drawing a frame at once.
//
// A file transfer from the server: the length n as an Integer, the client sends
// n back, then n bytes, which go to "Temp.tmp" in the program folder.
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
// Time-outs of the connection in milliseconds.
extern int IFV_Verbindungszeit_ms, IFV_Empfangszeit_ms;
// The largest transfer and the largest inflated file the client accepts, in bytes.
inline constexpr int IFV_Groesse_max = 64 * 1024 * 1024;
inline constexpr std::size_t IFV_Entpackt_max = 256u * 1024u * 1024u;
// The most lines a list file may have.
inline constexpr std::size_t IFV_Listenzeilen_max = 100000;

// One update check; the only caller passes 10, the command of an update check.
void Update_pruefen(int Befehl);
// Receives the list file, parses it into IFV_Dateiliste and deletes "Temp.tmp".
bool IFV_Dateiliste_holen();
// One file transfer into "Temp.tmp".
bool IFV_Datei_empfangen();
// Parses "Temp.tmp" into IFV_Dateiliste; false when a size or checksum is not a number.
bool IFV_Dateiliste_lesen();
// Field k (from 0) of a "/"-separated line; empty when the line has fewer fields.
std::string IFV_Feld_lesen(const std::string& zeile, int k);
// The record of "Updater.exe" among the files the header counts; 4 when there is none.
int IFV_Updater_Index();
// Receives the file of record i and puts it in place in the program folder.
bool IFV_Datei_holen(int i);
// Inflates a zlib stream from the source file into the destination file.
bool IFV_Entpacken(const std::string& quelle, const std::string& ziel);

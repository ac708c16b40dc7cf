#pragma once
// Files and folders, as the game addresses them.
//
// Every path in the game is Windows-1252 text and may use "\" as separator and
// any letter case. Each path goes through Pfad_aufloesen, which turns "\" into
// "/" and matches each component to what is on disk without regard to case
// (an exact match first). A component that does not exist keeps the spelling
// given, so a new file is created as written; an existing file of another case
// is found and overwritten in place.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The on-disk (UTF-8) path for a game path.
std::string Pfad_aufloesen(const std::string& pfad);

// Where the file layer reports a failure that its answer alone would hide: an exception met
// while reading or writing (no memory for the file, say) is reported with the routine's name
// and the path, and the call then answers as failed. The error reporter installs itself here;
// without a receiver the text goes to stderr. Reports may come from any thread that uses the
// file layer. Returns the receiver that was set before.
using Datei_Berichtsziel = void (*)(const std::string& text);
Datei_Berichtsziel Datei_Berichtsziel_setzen(Datei_Berichtsziel ziel);

bool Datei_existiert(const std::string& pfad);
bool Ordner_existiert(const std::string& pfad);
// A file that exists and carries no write permission for anyone: the game treats it as
// read-only, as the Windows file system does, also where the process could write it.
bool Datei_schreibgeschuetzt(const std::string& pfad);
// Creates the folder and its parents; true when it exists afterwards.
bool Ordner_anlegen(const std::string& pfad);
// Size in bytes, -1 when the file does not exist.
std::int64_t Datei_groesse(const std::string& pfad);
// When the file or folder was last changed, in nanoseconds since 1970; -1 when it
// does not exist.
std::int64_t Pfad_aenderungszeit(const std::string& pfad);
// The whole file, or nothing when it cannot be read (also when the path is a folder).
std::optional<std::string> Datei_lesen(const std::string& pfad);
// Writes the whole file (created or replaced); false on failure.
bool Datei_schreiben(const std::string& pfad, const std::string& bytes);
// Writes the whole file beside the old one and then puts it in the old one's place in one
// step: the old file stays whole until then, and other names of the old file (hard links)
// keep the old bytes. The new file has the old one's permissions. False on failure, and the
// old file is as it was.
bool Datei_ersetzen(const std::string& pfad, const std::string& bytes);
// The file `ziel` becomes the file `quelle` (one file under two names where the file system
// allows it, a copy elsewhere); an old `ziel` is replaced as by Datei_ersetzen. The two names
// share their bytes, so every writer of such a file must replace it (Datei_ersetzen), never
// write into it. False on failure.
bool Datei_teilen(const std::string& quelle, const std::string& ziel);
// True when both paths name the same file on disk (also under two names).
bool Dieselbe_Datei(const std::string& a, const std::string& b);
// What tells a file on disk from others and from its earlier states: the file itself, its size
// and when it last changed. A file replaced as a whole gets a new one.
struct Dateikennung {
    std::uint64_t geraet = 0, knoten = 0;
    std::int64_t groesse = 0, zeit_ns = 0;
    bool operator==(const Dateikennung&) const = default;
};
// Nothing when the path is no readable file.
std::optional<Dateikennung> Datei_kennung(const std::string& pfad);
// The first n bytes of the file (fewer when it is shorter); nothing when it cannot be read.
std::optional<std::string> Datei_anfang_lesen(const std::string& pfad, std::size_t n);
bool Datei_loeschen(const std::string& pfad);
// Copies a file, creating or replacing the destination; false on failure.
bool Datei_kopieren(const std::string& quelle, const std::string& ziel);
// Deletes a folder and everything in it; false on failure.
bool Ordner_loeschen(const std::string& pfad);
// Renames a file or folder in one step (the destination must not be a folder that holds
// anything); false on failure.
bool Pfad_umbenennen(const std::string& von, const std::string& nach);
// Names (Windows-1252) of the entries of a folder, in the order the file system returns them.
std::vector<std::string> Ordner_eintraege(const std::string& pfad);

// Text files: lines end in CR, LF or CR LF when read; CR LF when written.
std::optional<std::vector<std::string>> Textdatei_lesen(const std::string& pfad);
bool Textdatei_schreiben(const std::string& pfad, const std::vector<std::string>& zeilen);
// Splits text into lines at CR, LF or CR LF (a final line end adds no empty line).
std::vector<std::string> Zeilen_teilen(const std::string& text);
// The same lines as views into the text, which must outlive them.
std::vector<std::string_view> Zeilen_ansehen(std::string_view text);
// Takes the first of those lines off the front of `rest`; false when no line is left.
bool Zeile_nehmen(std::string_view& rest, std::string_view& zeile);

#pragma once
// Save games: a game is a folder of text files below save\single\ (the
// campaign folder save\Kampagne\ holds games of the same layout that are only
// read). This unit writes and reads the folder through each unit's own file
// routines, keeps the list of saved games for the load and save panels, and
// loads the backdrop game at start-up.
//
// A save is written into a fresh folder first and takes the place of the old
// one only when every file was written, so a failed save keeps the old game.
// A save cut off on the way (the program ended) is put right at the next start,
// listing, save or load of that name: the new game where it was complete, else
// the old one.
#include <array>
#include <string>
#include <vector>

#include "foundation/Seams.h"

struct LSU_Spielstand {
    std::string Name;  // the folder name
    std::string Zeit;  // "Time" of its script.ini
};

inline constexpr int LSU_Spielstaende_max = 10;
// The one save of iron mode.
inline constexpr const char* LSU_Ironmodus = "IRONMODUS";
// True for the iron-mode name in any letter case: the file system finds that folder too.
bool LSU_Ironname(const std::string& name);
extern std::array<LSU_Spielstand, LSU_Spielstaende_max> LSU_Spielstandliste;
// The last filled entry, -1 none.
extern int LSU_Spielstand_Letzter;
// Every saved game, newest first; LSU_Spielstandliste shows the page of ten from
// LSU_Spielstand_Seite on.
extern std::vector<LSU_Spielstand> LSU_Spielstaende_alle;
extern int LSU_Spielstand_Seite;
// The name typed in the save panel.
extern std::string LSU_Speichername;
// The name last loaded from the list or the campaign, or last saved through the dialog.
extern std::string LSU_Letzter_Speichername;

// Where a save stands: called once the new folder is complete ("fertig"), after the old save is
// moved aside ("alt") and after the new one is in place ("ziel"). Tests end a save there as a
// crash would; nothing else sets it.
extern void (*LSU_Speichern_Haltepunkt)(const char* schritt);
// Puts every save that was cut off in place (see above).
void LSU_Spielstaende_aufraeumen();

// Saves the running game as save\single\<name>; false when nothing was saved (no game runs,
// a name that is not a folder name, or a file could not be written: the old save is kept).
bool LSU_Speichern(const std::string& name);
// Writes every file of the game into the folder (relative to the program folder);
// false as soon as one could not be written (reported).
bool LSU_Spiel_speichern(const std::string& ordner);
// Loads save\<ordner><name>. False when nothing was loaded: a folder whose files cannot be
// what the writer wrote (a folder or unreadable file in a file's place, a text file cut off or
// not text, a picture that is none, or the map, persons, clans or objects missing) leaves the
// running game as it was; a game that cannot be built from files that looked whole leaves an
// empty world and no game running. Each reason is reported. The save's files are only read.
bool LSU_Laden(const std::string& name, const std::string& ordner);
// Steps of the load, given the full save-folder path without a trailing separator. Reading the
// units' files is false when the persons, clans or objects could not be read whole.
bool LSU_Einheiten_laden(const std::string& pfad);
void LSU_Karte_aufbauen();
// The backdrop game "KAP0" of the campaign folder behind the main menu.
void LSU_Hintergrund_laden();
// Starts reading the backdrop's image packs ahead, for the LSU_Hintergrund_laden to come.
void LSU_Hintergrund_vorbereiten();
// Saves under the name typed in the save dialog.
void LSU_Speichern_Dialog();
// Reads every folder of save\single\, newest first (by its script.ini, else the folder; by
// name when equally new), and refills LSU_Spielstandliste with the current page.
void LSU_Spielstaende_auflisten();
// Turns the page of the list forward (1) or back (-1); the first and the last page stay.
void LSU_Spielstaende_blaettern(int richtung);
// Deletes a saved game's folder, given as the full path.
void LSU_Spielstand_loeschen(const std::string& pfad);
// Deletes a folder with everything in it; true on success.
bool LSU_Ordner_loeschen(const std::string& pfad);

// The save games as the shell and the frame loop reach them.
struct LSU_Persistenzdienst : PersistenzSeam {
    void LSU_Hintergrund_laden() override;
    void LSU_Hintergrund_vorbereiten() override;
    bool LSU_Speichern(const std::string& name) override;
    bool LSU_Laden(const std::string& name, const std::string& ordner) override;
};

#pragma once
// Build-menu counters per clan and building type, the clans' build level, and
// the paging of the build menu (24 offered types per page). Saved as "BMU.sav".
#include <string>
#include <vector>

struct BMU_Eintrag {
    int Gebaut = 0;  // put into service, less demolished
    int Gesamt = 0;  // sites placed, less demolished
    bool operator==(const BMU_Eintrag&) const = default;
};

// Building types per menu page.
inline constexpr int BMU_Seitengroesse = 24;

// Indexed by clan, then by building type.
extern std::vector<std::vector<BMU_Eintrag>> BMU_Zaehler;
// First building type considered for the current page (type 0 is never shown).
extern int BMU_Seitenanfang;

// All clans x all building types, every counter 0 (new world).
void BMU_Tabelle_anlegen();
// No counters; the menu starts again at its first page (world reset).
void BMU_Tabelle_leeren();
void BMU_Zaehler_aendern(int clan, int typ, int delta_gebaut, int delta_gesamt);
// Sets both counters, lengthening the table where it is shorter.
void BMU_Zaehler_setzen(int clan, int typ, int gebaut, int gesamt);
// Raises the clan's build level to Ceil(members / 25); it never falls.
void BMU_Stufe_aktualisieren(int clan);
// Distance from the page start to the first type after the page.
int BMU_Seite_vor();
// The page start of the previous page: the pages are those that paging forward reaches from the
// first one.
int BMU_Seite_zurueck();
// Whether an offered type lies after the current page (the forward button pages only then).
bool BMU_Weitere_Seite();
// The number of the current page among those pages, from 1.
int BMU_Seitennummer();
// The menu's forward and back buttons.
void BMU_Vorblaettern();
void BMU_Zurueckblaettern();
// False when the file could not be written (reported).
bool BMU_File_Save(const std::string& pfad);
// Reads "BMU.sav" in the save folder; a missing file leaves the table as it is.
void BMU_File_Load(const std::string& ordner);

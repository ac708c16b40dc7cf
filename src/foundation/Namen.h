#pragma once
// The name generator: the clan, male and female name lists, the clans' names
// and the display names of persons.
//
// A person's display name is built on demand from its first-name index, its
// family part and the name mode: 1 the clan's name, 2 a parent's occupation,
// 3 "Sohn"/"Tochter" and a parent's first name.
#include <string>
#include <vector>

extern std::vector<std::string> NGU_Clanliste;
extern std::vector<std::string> NGU_Maennerliste;
extern std::vector<std::string> NGU_Frauenliste;
// The clans' names, by clan row; no two entries drawn from the list are equal.
extern std::vector<std::string> NGU_Clannamen;
// Stands where a name is missing: an empty list or an index that does not exist.
extern const std::string NGU_Unbekannt;
// Entry i of a name list; NGU_Unbekannt when there is none.
const std::string& NGU_Listenname(const std::vector<std::string>& liste, int i);

void NGU_Listen_erzeugen();
void NGU_Listen_freigeben();
// Loads Text\DENamenClan.txt, DENamenFrau.txt and DENamenMann.txt (one name a
// line, Windows-1252); a file that does not exist leaves its list as it was.
void NGU_Namenlisten_laden();
// Empties the three lists and the clans' names (world reset).
void NGU_Zuruecksetzen();

// The name stands in the clans' names already (exact comparison).
bool NGU_Clanname_vergeben(const std::string& name);
// Sets the clan's name; an empty name draws one from the clan list with the
// game's random source that no clan has yet. When every list name is taken (or
// the list is empty) the clan gets a list name with a number that no clan has.
void NGU_Clanname_setzen(int clan, const std::string& name);
// The clan's name; a fallback text for a clan without one.
std::string NGU_Clanname(int clan);

// A random index into the male / female list.
int NGU_Zufall_Maennername();
int NGU_Zufall_Frauenname();

// The four save files in a save folder (ending with "\"): NGUCN.sav clan list,
// NGUFN.sav female list, NGUMN.sav male list, NGUACN.sav the clans' names.
bool NGU_Speichern(const std::string& ordner);
// Reads each file that exists; a missing file leaves its list as it was.
void NGU_Laden(const std::string& ordner);

#pragma once
// The employment office: per clan the list of buildings that have an open
// worker post without a worker, the search for an unemployed person near a
// building, and the placement of a person into such a post. Saved as "AAU.sav".
#include <string>
#include <vector>

struct Such_Item {
    int Anzahl = 0;
    // Positions 0..Anzahl-1 are valid.
    std::vector<int> Objekte;
};

// Indexed by clan.
extern std::vector<Such_Item> ArAmAr;

// Persons farther than this from a building are not found for it.
inline constexpr int AAU_Reichweite = 120;

// All lists removed (world reset).
void AAU_Zuruecksetzen();
// Appends the building to the clan's list (a duplicate is reported and appended all the same).
void AAU_Stelle_eintragen(int clan, int objekt);
// Removes the entry at the position; the last entry takes its place.
void AAU_Stelle_austragen(int clan, int position);
// Position of the object in the clan's list, or -1.
int AAU_Position_von_Objekt(int clan, int objekt);
// The lowest living person of the object's owner without a workplace on the object's
// island and nearer than AAU_Reichweite to it, or -1.
int AAU_Arbeitslosen_suchen(int objekt);
// Places the person into the first free post of the building at the position of its clan's
// list; false when the building cannot take it.
bool AAU_Stelle_besetzen(int person, int position);
// Looks through the person's clan's list for a post (the employment-office edict).
bool AAU_Arbeitsamt_vermitteln(int person);
// "AAU.sav": one line per entry, object/clan. Saving is false when the file could not be
// written; a missing file leaves the lists as they are.
bool AAU_Speichern(const std::string& pfad);
void AAU_Laden(const std::string& pfad);

#pragma once
// The name generator: clan, male and female name lists.
#include <string>
#include <vector>

// Per clan row its unique clan name.
extern std::vector<std::string> NGU_Clannamen;

void NGU_Listen_erzeugen();
void NGU_Listen_freigeben();
// Clears the three lists and the clan-name table (world reset).
void NGU_Zuruecksetzen();
// Stores the name (or, when it is empty, a fresh random one) for the clan.
void NGU_Clanname_setzen(int clan, const std::string& name);
// The display name of a person.
std::string NGU_Personenname(int person);

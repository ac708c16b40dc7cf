#pragma once
// The names of persons: how a person's family part is chosen, and its display
// name, built on demand from its first-name index, its family part and the name
// mode (1 the clan's name, 2 a parent's occupation, 3 "Sohn"/"Tochter" and a
// parent's first name) over the name lists of the name generator.
#include <string>

// Name modes of a person: after its clan, after a parent's occupation, after
// the first name of the parent of sex `geschlecht`.
void NGU_Namensart_Clan(int person);
void NGU_Namensart_Elternteil(int person);
void NGU_Namensart_Kind(int geschlecht, int person);
// The target takes the source's family part and name mode (a wife her husband's).
void NGU_Namen_kopieren(int ziel, int quelle);
// The display name; a fallback text for any index that does not exist.
std::string NGU_Personenname(int person);

#include "economy/Haefen.h"

// The harbours come with the harbour work.
void Hafen_Liste_leeren() {}
void Hafen_entfernen(int) {}

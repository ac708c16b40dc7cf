// The interface images of the script panels: one picture and one title per
// folder Daten/Interface/<n>, n being the position in the list. The panel
// scripts find an image by its title. Titles are UTF-8 here and written to
// Script.srt in Windows-1252. New images go at the end: numbers never move.
#pragma once

#include <string>
#include <vector>

#include "bild_leinwand.h"

struct Interfacebild {
    std::string titel;
    Leinwand bild;
};

// Every interface image in folder order; deterministic. Sides are multiples of 16.
std::vector<Interfacebild> interfacebilder();

// A pictogram of the given kind ("haus", "baum", "fisch", ...) on a 32 x 32 field with its
// top left at (ox, oy), drawn in f where the kind has no colours of its own; false for a
// kind without one. Shared with the interface pack of the base textures.
bool piktogramm(Leinwand& l, int ox, int oy, const std::string& art, Farbe f);

#pragma once
// Dollar codes: "$", a code character, then a format. The code character picks
// one or two live values (the human clan's figures, the goals, the building being
// placed, the object under the mouse, a worker of the selected building) and the
// rest of the text is the format they are written into.
#include <string>

// Set while the formatter has switched the colour to red; its next call switches
// back to black.
extern bool TPU_Rotschrift;

// Ergebnis := Text formatted by its dollar code; any other text unchanged.
void TPU_Dollarcode_formatieren(const std::string& Text, std::string& Ergebnis);
// The production state of a map object: "1" progress "%", "2" efficiency "%",
// "3" a shortage, "0" nothing to show.
void TPU_Produktionscode(int Objekt, std::string& Ergebnis);

void TPU_Dollarcodes_zuruecksetzen();

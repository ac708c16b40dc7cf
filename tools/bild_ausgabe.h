// Writes one picture of the content generator to disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb: breite * hoehe pixels, rows from the top, three bytes (red, green, blue) each.
// Returns false when the file could not be written.
bool bild_schreiben(const std::string& pfad, int breite, int hoehe, const std::vector<uint8_t>& rgb);

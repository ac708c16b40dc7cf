#pragma once
// The generated image packs (icon packs, carry pack, building atlas) held in
// memory while the templates load. Each pack is read from its file at most
// once and written once, when it changed, instead of being read and written
// again for every picture placed into it.
//
// Packs are known by their game path without regard to case and separator
// ("Daten\Bauiconpack.BMP" and "Daten/BauIconpack.bmp" are one pack).
#include <string>

#include "foundation/Bild.h"

// The pack as a 24-bit image (tfBGR8): from memory, or read from its file on
// first use (converted when the file holds another format). nullptr when it
// cannot be read (reported the first time only).
Bild* Packbild(const std::string& pfad);
// Puts a new image in place of the pack (written by the next Packbild_schreiben).
Bild& Packbild_setzen(const std::string& pfad, Bild bild);
// Marks the pack as changed.
void Packbild_geaendert(const std::string& pfad);
// Writes the pack when it changed since it was last written; false when writing failed.
bool Packbild_schreiben(const std::string& pfad);
// Forgets the pack without writing it.
void Packbild_vergessen(const std::string& pfad);
// Loads the file (written first when it changed in memory) and saves it under
// another path; false on failure (reported). A file that would be saved byte for byte as it
// is read (a pack the game wrote) becomes the other path's file without being read.
bool Packbild_kopieren(const std::string& von, const std::string& nach);
// Writes every changed pack and empties the memory (end of a template load).
void Packbilder_schreiben();
// Forgets every pack without writing.
void Packbilder_verwerfen();
// The picture of a template as a 24-bit image; false when it cannot be read (reported).
bool Packbild_Vorlage_laden(const std::string& pfad, Bild& bild);

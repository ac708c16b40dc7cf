#pragma once
// Ini files with the semantics of the Windows profile functions.
//
// Sections and keys are matched without regard to case, values are trimmed, a
// written key is updated in place and every other section and key is kept, the
// file is created by the first write, a read-only file is not written (the write
// answers false). Each call opens the file, reads or writes, and closes it:
// nothing is cached. Integers are strict decimals; a
// value that is not one reads as the default. Booleans are written 1/0 and any
// non-zero number reads as true. Texts are Windows-1252 bytes.
#include <string>
#include <utility>
#include <vector>

namespace ini {

std::string lesen_text(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                       const std::string& vorgabe);
int lesen_zahl(const std::string& datei, const std::string& sektion, const std::string& schluessel,
               int vorgabe);
bool lesen_bool(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                bool vorgabe);
// True when the file has the section (it may be empty).
bool sektion_vorhanden(const std::string& datei, const std::string& sektion);
// True when the key exists in the section.
bool vorhanden(const std::string& datei, const std::string& sektion, const std::string& schluessel);

bool schreiben_text(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                    const std::string& wert);
bool schreiben_zahl(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                    int wert);
bool schreiben_bool(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                    bool wert);
// Writes the keys in order, each as schreiben_text would, with one read and one write of the
// file for all of them; the file is the one the single writes one after another would leave.
bool schreiben_alle(const std::string& datei, const std::string& sektion,
                    const std::vector<std::pair<std::string, std::string>>& werte);

}  // namespace ini

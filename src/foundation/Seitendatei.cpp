#include "foundation/Seitendatei.h"

#include "foundation/Fehler.h"
#include "platform/base/Datei.h"

std::optional<std::vector<std::string>> Seitendatei_lesen(const std::string& pfad,
                                                          const std::string& routine) {
    if (!Datei_existiert(pfad)) return std::nullopt;
    auto zeilen = Textdatei_lesen(pfad);
    if (!zeilen) Fehler_melden(routine + " > kann nicht lesen: " + pfad);
    return zeilen;
}

bool Seitendatei_schreiben(const std::string& pfad, const std::vector<std::string>& zeilen,
                           const std::string& routine) {
    if (Textdatei_schreiben(pfad, zeilen)) return true;
    Fehler_melden(routine + " > kann nicht schreiben: " + pfad);
    return false;
}

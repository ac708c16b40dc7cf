#include "foundation/Seitendatei.h"

#include "foundation/Fehler.h"
#include "foundation/Textzeilen.h"
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

void Seitendatei_Zahlenzeilen_lesen(const std::string& pfad, const std::string& routine, int anzahl,
                                    const std::function<bool(const std::vector<int>&)>& uebernehmen) {
    auto zeilen = Seitendatei_lesen(pfad, routine);
    if (!zeilen || anzahl < 1) return;
    std::vector<int> werte(static_cast<std::size_t>(anzahl));
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        if (!Zahlenzeile_lesen((*zeilen)[i], anzahl, werte.data()) || !uebernehmen(werte))
            Fehler_melden(routine + " > fehlerhafte Zeile " + std::to_string(i + 1) + ": " + (*zeilen)[i]);
    }
}

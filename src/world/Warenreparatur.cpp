#include "world/Warenreparatur.h"

#include <string>
#include <vector>

#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"

namespace {

const char* const Warendateien[] = {"Frame.bmp", "Icon.bmp", "Script.srt"};

std::string warenordner(int ware) { return Programmpfad + "Daten\\Waren\\" + std::to_string(ware) + "\\"; }

// Makes the three files of folder nach those of folder von: a file von lacks
// is removed from nach, so no stale picture of another good stays behind.
bool dateien_uebertragen(const std::string& von, const std::string& nach) {
    for (const char* name : Warendateien) {
        const std::string quelle = von + name;
        const std::string ziel = nach + name;
        if (Datei_existiert(quelle)) {
            if (!FFU_Datei_kopieren(quelle, ziel)) {
                Fehler_melden("MG_Auto_repair > Datei konnte nicht kopiert werden: " + quelle + " > " + ziel);
                return false;
            }
        } else if (Datei_existiert(ziel) && !Datei_loeschen(ziel)) {
            Fehler_melden("MG_Auto_repair > Datei konnte nicht entfernt werden: " + ziel);
            return false;
        }
    }
    return true;
}

}  // namespace

bool MG_Auto_repair() {
    Fehler_melden(
        W("Die benötigte Ware ist entweder Falsch geschrieben(Ansikonvertiert, Lowcase oder Uppercase) oder "
          "nicht in "
          "Reihenfolge erfassen worden."));
    for (int w : SBU_Fehlwaren)
        Fehler_melden("WarenID[" + std::to_string(w) + "] wird in Reihenfolge verschoben.");
    Shell().Warten(3000);

    const std::string rep = Programmpfad + "Daten\\Waren\\Rep\\";
    if (!Ordner_anlegen(rep)) {
        Fehler_melden("MG_Auto_repair > Ordner konnte nicht angelegt werden: " + rep);
        return false;
    }
    const int hoechste = static_cast<int>(SBU_Waren.size()) - 1;
    std::vector<int> liste = SBU_Fehlwaren;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const int w = liste[i];
        if (w < 0 || w > hoechste) {
            Fehler_melden("MG_Auto_repair > unbekannte WarenID: " + std::to_string(w));
            return false;
        }
        if (!dateien_uebertragen(warenordner(w), rep)) return false;
        for (int j = w; j < hoechste; ++j)
            if (!dateien_uebertragen(warenordner(j + 1), warenordner(j))) return false;
        if (!dateien_uebertragen(rep, warenordner(hoechste))) return false;
        // Every good after w moved one number down.
        for (std::size_t k = i + 1; k < liste.size(); ++k)
            if (liste[k] > w) --liste[k];
    }
    return true;
}

#include "world/Warenreparatur.h"

#include <algorithm>
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

// Moving a good behind the others helps only when every material it misses is a good
// defined after it. A name that no later good has (a typing error, an unreadable
// script) is no matter of order: the shipped folders are left as they are.
bool umordnen_hilft() {
    const int hoechste = static_cast<int>(SBU_Waren.size()) - 1;
    for (int w : SBU_Fehlwaren) {
        if (w < 0 || w > hoechste) {
            Fehler_melden("MG_Auto_repair > unbekannte WarenID: " + std::to_string(w));
            return false;
        }
        bool genannt = false;
        for (const SBU_Fehlrohstoff& f : SBU_Fehlrohstoffe) {
            if (f.WarenID != w) continue;
            genannt = true;
            bool spaeter = false;
            for (int k = std::max(w + 1, 1); k <= hoechste && !spaeter; ++k)
                spaeter = SBU_Waren[static_cast<std::size_t>(k)].Titel == f.Name;
            if (!spaeter) {
                Fehler_melden("MG_Auto_repair > WarenID[" + std::to_string(w) + "] braucht den Rohstoff(" +
                              f.Name.substr(0, 60) +
                              "), den keine spaetere Ware definiert; die Warenordner bleiben, wie sie sind.");
                return false;
            }
        }
        if (!genannt) {
            Fehler_melden("MG_Auto_repair > zu WarenID[" + std::to_string(w) +
                          "] ist kein fehlender Rohstoff bekannt; die Warenordner bleiben, wie sie sind.");
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
    if (!umordnen_hilft()) return false;
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

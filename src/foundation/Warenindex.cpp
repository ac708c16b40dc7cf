#include "foundation/Warenindex.h"

#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "world/Karte.h"

std::vector<std::vector<Warenindex_Liste>> IWU_Warenindex;

namespace {

const std::string* modus(int objekt_id, const char* routine) {
    if (objekt_id >= 0 && static_cast<std::size_t>(objekt_id) < SBU_Objekte.size())
        return &SBU_Objekte[objekt_id].Modus;
    Fehler_melden(std::string(routine) + " > Gebaeudetyp unbekannt: " + std::to_string(objekt_id));
    return nullptr;
}

}  // namespace

void IWU_Ware_eintragen(int ware, int feld, int objekt, int insel) {
    const long long zellen = static_cast<long long>(MG_Kartengroesse) * MG_Kartengroesse;
    if (ware < 0 || ware > SBU_Ordner_max || insel < 0 || insel >= zellen || feld < 0 ||
        MG_Kartengroesse < 1) {
        Fehler_melden("IWU_Ware_eintragen > Ware " + std::to_string(ware) + ", Insel " +
                      std::to_string(insel) + ", Feld " + std::to_string(feld) + " ungueltig.");
        return;
    }
    if (IWU_Warenindex.size() < static_cast<std::size_t>(ware) + 1) IWU_Warenindex.resize(ware + 1);
    auto& inseln = IWU_Warenindex[ware];
    if (inseln.size() < static_cast<std::size_t>(insel) + 1) inseln.resize(insel + 1);
    Warenindex_Liste& liste = inseln[insel];
    if (liste.Eintraege.size() <= static_cast<std::size_t>(liste.Anzahl))
        liste.Eintraege.resize(liste.Anzahl + 2);
    liste.Eintraege[liste.Anzahl] = {feld, FFU_X_von_Feld(feld), FFU_Y_von_Feld(feld), objekt};
    ++liste.Anzahl;
}

void IWU_Ware_austragen_auf_Insel(int ware, int objekt, int insel) {
    if (ware <= 0 || static_cast<std::size_t>(ware) >= IWU_Warenindex.size()) return;
    if (insel < 0 || static_cast<std::size_t>(insel) >= IWU_Warenindex[ware].size()) return;
    Warenindex_Liste& liste = IWU_Warenindex[ware][insel];
    for (int i = 0; i < liste.Anzahl; ++i)
        if (liste.Eintraege[i].Objekt == objekt) {
            liste.Eintraege[i] = liste.Eintraege[liste.Anzahl - 1];
            liste.Eintraege[liste.Anzahl - 1] = {};
            --liste.Anzahl;
            return;
        }
}

void IWU_Index_leeren() { IWU_Warenindex.clear(); }

bool OM_ist_Hafen(int objekt_id) {
    const std::string* m = modus(objekt_id, "OM_ist_Hafen");
    return m && (*m == "Hafen" || *m == "Hafen2");
}

bool OM_ist_Hafen2(int objekt_id) {
    const std::string* m = modus(objekt_id, "OM_ist_Hafen2");
    return m && *m == "Hafen2";
}

bool OM_ist_Home(int objekt_id) {
    const std::string* m = modus(objekt_id, "OM_ist_Home");
    return m && *m == "Home";
}

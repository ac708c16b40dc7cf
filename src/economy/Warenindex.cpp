#include "economy/Warenindex.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "economy/Objekte.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "world/Karte.h"

std::vector<std::vector<Warenindex_Liste>> IWU_Warenindex;

namespace {

bool objekt_ist(int objekt, std::initializer_list<std::string_view> arten, const char* routine) {
    if (!OM_Objekt_gueltig(objekt)) return false;
    return SBU_Modus_ist(Objekte[static_cast<std::size_t>(objekt)].Typ(), arten, routine);
}

int insel_von_feld(int feld) {
    return MG_Feld_gueltig(feld) ? Karte[static_cast<std::size_t>(feld)].Insel() : -1;
}

}  // namespace

void IWU_Ware_eintragen(int ware, int feld, int objekt, int insel) {
    const long long zellen = static_cast<long long>(MG_Kartengroesse) * MG_Kartengroesse;
    if (ware < 0 || ware > SBU_Ordner_max || insel < 0 || insel >= zellen || feld < 0) {
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

void IWU_Ware_austragen(int ware, int objekt) {
    if (ware <= 0 || static_cast<std::size_t>(ware) >= IWU_Warenindex.size()) return;
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("IWU_Ware_austragen > Objekt unbekannt: " + std::to_string(objekt));
        return;
    }
    IWU_Ware_austragen_auf_Insel(ware, objekt,
                                 insel_von_feld(Objekte[static_cast<std::size_t>(objekt)].Feld()));
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

void IWU_Index_aufbauen() {
    if (SBU_Objekte.empty()) return;
    for (std::size_t o = 0; o < Objekte.size(); ++o) {
        Objektzeile& zeile = Objekte[o];
        if (zeile.Feld() < 1) continue;  // a free row
        const int typ = zeile.Typ();
        if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) {
            Fehler_melden("IWU_Index_aufbauen > Objekt " + std::to_string(o) + " hat den unbekannten Typ " +
                          std::to_string(typ));
            continue;
        }
        for (int k = 0; k < Objekt_Warenslots; ++k) {
            const int ware = zeile.Slot_Ware(k);
            if (ware > 0 && SBU_Objekte[static_cast<std::size_t>(typ)].Slots[k].Benutzung > 1)
                IWU_Ware_eintragen(ware, zeile.Feld(), static_cast<int>(o), insel_von_feld(zeile.Feld()));
        }
    }
}

bool OM_Objekt_ist_Home(int objekt) { return objekt_ist(objekt, {"Home"}, "OM_Objekt_ist_Home"); }
bool OM_Objekt_ist_Lager(int objekt) { return objekt_ist(objekt, {"Lager"}, "OM_Objekt_ist_Lager"); }
bool OM_Objekt_ist_Start(int objekt) {
    return objekt_ist(objekt, {"Start", "Startex"}, "OM_Objekt_ist_Start");
}

#include "foundation/Warenindex.h"

#include <string>

#include "economy/Objekte.h"
#include "foundation/Schablonen.h"

// The goods index itself comes with the goods index work.
void IWU_Index_leeren() {}
void IWU_Ware_austragen(int, int) {}

namespace {

const std::string* modus(int typ) {
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) return nullptr;
    return &SBU_Objekte[static_cast<std::size_t>(typ)].Modus;
}

const std::string* objekt_modus(int o) {
    if (!OM_Objekt_gueltig(o)) return nullptr;
    return modus(Objekte[static_cast<std::size_t>(o)].Typ());
}

}  // namespace

bool OM_ist_Hafen(int typ) {
    const std::string* m = modus(typ);
    return m && (*m == "Hafen" || *m == "Hafen2");
}

bool OM_ist_Hafen2(int typ) {
    const std::string* m = modus(typ);
    return m && *m == "Hafen2";
}

bool OM_ist_Home(int typ) {
    const std::string* m = modus(typ);
    return m && *m == "Home";
}

bool OM_Objekt_ist_Home(int objekt) {
    const std::string* m = objekt_modus(objekt);
    return m && *m == "Home";
}

bool OM_Objekt_ist_Lager(int objekt) {
    const std::string* m = objekt_modus(objekt);
    return m && *m == "Lager";
}

bool OM_Objekt_ist_Start(int objekt) {
    const std::string* m = objekt_modus(objekt);
    return m && (*m == "Start" || *m == "Startex");
}

#include "foundation/Warenindex.h"

#include <algorithm>
#include <string>
#include <string_view>

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

int objekt_typ(int o) { return OM_Objekt_gueltig(o) ? Objekte[static_cast<std::size_t>(o)].Typ() : -1; }

bool ist(int typ, std::initializer_list<std::string_view> arten) {
    const std::string* m = modus(typ);
    return m && std::find(arten.begin(), arten.end(), *m) != arten.end();
}

}  // namespace

bool OM_ist_Hafen(int typ) { return ist(typ, {"Hafen", "Hafen2"}); }
bool OM_ist_Hafen2(int typ) { return ist(typ, {"Hafen2"}); }
bool OM_ist_Home(int typ) { return ist(typ, {"Home"}); }
bool OM_Objekt_ist_Home(int objekt) { return ist(objekt_typ(objekt), {"Home"}); }
bool OM_Objekt_ist_Lager(int objekt) { return ist(objekt_typ(objekt), {"Lager"}); }
bool OM_Objekt_ist_Start(int objekt) { return ist(objekt_typ(objekt), {"Start", "Startex"}); }

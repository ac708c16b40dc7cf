#include "ui/Textdaten.h"

#include "economy/Objekte.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Namen.h"
#include "foundation/Schablonen.h"

namespace {

template <class T>
auto* eintrag(T& tabelle, int i, const char* routine, const char* was) {
    if (i < 0) return static_cast<decltype(&tabelle[0])>(nullptr);
    if (static_cast<std::size_t>(i) >= tabelle.size()) {
        Fehler_melden(std::string(routine) + " -> " + was + " nicht abgefangen :" + std::to_string(i));
        return static_cast<decltype(&tabelle[0])>(nullptr);
    }
    return &tabelle[i];
}

}  // namespace

Spielerzeile* TPU_Mensch() {
    if (SpielerID < 0 || static_cast<std::size_t>(SpielerID) >= Spieler.size()) return nullptr;
    return &Spieler[SpielerID];
}

Spielerzeile* TPU_Clan(int clan, const char* routine) { return eintrag(Spieler, clan, routine, "Clan"); }

Objektzeile* TPU_Objekt(int objekt, const char* routine) {
    return eintrag(Objekte, objekt, routine, "Objekt");
}

const Objekt_Item* TPU_Vorlage(int typ, const char* routine) {
    return eintrag(SBU_Objekte, typ, routine, "Gebaeudetyp");
}

const Objekt_Item* TPU_Objektvorlage(int objekt, const char* routine) {
    const Objektzeile* ob = TPU_Objekt(objekt, routine);
    return ob ? TPU_Vorlage(ob->Typ(), routine) : nullptr;
}

std::string TPU_Warentitel(int ware, const char* routine) {
    const Waren_Item* w = eintrag(SBU_Waren, ware, routine, "Ware");
    return w ? w->Titel : std::string();
}

std::string TPU_Warentext(int ware, const char* routine) {
    const Waren_Item* w = eintrag(SBU_Waren, ware, routine, "Ware");
    return w ? w->Text : std::string();
}

std::string TPU_Clanname(int clan, const char* routine) {
    const std::string* n = eintrag(NGU_Clannamen, clan, routine, "Clanname");
    return n ? *n : std::string();
}

long long TPU_Waren_des_Spielers(int clan) {
    return static_cast<long long>(LGK_Nahrung_des_Spielers(clan)) + LGK_Luxus_des_Spielers(clan) +
           LGK_Sonstiges_des_Spielers(clan);
}

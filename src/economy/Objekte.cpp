#include "economy/Objekte.h"

#include <utility>

#include "economy/Arbeiterslots.h"
#include "economy/Haefen.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Warenindex.h"
#include "world/Karte.h"

std::vector<Objektzeile> Objekte;

namespace {

// The table starts with this many rows and grows by one less than it.
constexpr int Objekte_Startzeilen = 10;

// The animation entry of an ambient type, 0 when the type is outside the table.
int animation_von(int typ) {
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Animation_Tabelle.size()) return 0;
    return SBU_Animation_Tabelle[static_cast<std::size_t>(typ)];
}

}  // namespace

int OM_Objekt_anlegen(int feld, int besitzer, int typ) {
    // An anchor below 1 would mark the row free again.
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size() || !GU_Clan_gueltig(besitzer) ||
        feld < 1 || !MG_Feld_gueltig(feld)) {
        Fehler_melden("OM_Objekt_anlegen > unbekannter Typ, Besitzer oder Ankerfeld: " + std::to_string(typ) +
                      "/" + std::to_string(besitzer) + "/" + std::to_string(feld));
        return -1;
    }
    if (Objekte.size() < 2) Objekte.resize(Objekte_Startzeilen);
    for (std::size_t i = 0; i < Objekte.size(); ++i) {
        if (Objekte[i].Feld() < 1) {
            OM_Objekt_initialisieren(static_cast<int>(i), feld, besitzer, typ);
            return static_cast<int>(i);
        }
    }
    const int neu = static_cast<int>(Objekte.size());
    Objekte.resize(Objekte.size() + Objekte_Startzeilen - 1);
    OM_Objekt_initialisieren(neu, feld, besitzer, typ);
    return neu;
}

void OM_Objekt_initialisieren(int i, int feld, int besitzer, int typ) {
    if (!OM_Objekt_gueltig(i)) {
        Fehler_melden("OM_Objekt_initialisieren > unbekanntes Objekt: " + std::to_string(i));
        return;
    }
    Objektzeile& o = Objekte[static_cast<std::size_t>(i)];
    o.f.fill(-1);
    o.Feld() = feld;
    o.Besitzer() = besitzer;
    o.Typ() = typ;
    o.Flagge() = animation_von(SBU_ID_flag);
    o.Flagge_klein() = animation_von(SBU_ID_flagsmall);
    o.Stillgelegt() = 0;
    o.Besetzung() = OB_MaxSlot;
    o.Verkaufsmarge() = 1;
    o.Mangel() = 0;
    o.Ampelwert() = 0;
    o.Zaehler() = 0;
    o.Zustand() = 0;
    OB_Objekt_anlegen(i);
}

void OM_Objekt_loeschen(int i) {
    if (!OM_Objekt_gueltig(i)) {
        Fehler_melden("OM_Objekt_loeschen > unbekanntes Objekt: " + std::to_string(i));
        return;
    }
    Objektzeile& o = Objekte[static_cast<std::size_t>(i)];
    if (OM_ist_Hafen(o.Typ())) Hafen_entfernen(i);
    for (int n = 1; n < Objektfeld_Anzahl; ++n) o.feld(n) = -1;
}

void OM_Warenindex_bereinigen(int i) {
    if (!OM_Objekt_gueltig(i)) {
        Fehler_melden("OM_Warenindex_bereinigen > unbekanntes Objekt: " + std::to_string(i));
        return;
    }
    Objektzeile& o = Objekte[static_cast<std::size_t>(i)];
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        if (o.Slot_Ware(k) > -1 && o.Slot_Bestand(k) == 0 && o.Slot_Bestellt(k) == 0 &&
            o.Slot_Reserviert(k) == 0) {
            IWU_Ware_austragen(o.Slot_Ware(k), i);
            o.Slot_Ware(k) = -1;
        }
    }
}

bool OM_Baumaterial_fehlt(int o) {
    if (!OM_Objekt_gueltig(o)) return false;
    Objektzeile& ob = Objekte[static_cast<std::size_t>(o)];
    for (int k = 0; k < 4; ++k)
        if (ob.Baumaterial_Rest(k) > 0) return true;
    return false;
}

namespace {

// Stock and number of the used goods slots (ware above -1) of object o.
std::pair<int, int> lager(int o) {
    if (!OM_Objekt_gueltig(o)) return {0, 0};
    Objektzeile& ob = Objekte[static_cast<std::size_t>(o)];
    int bestand = 0, slots = 0;
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        if (ob.Slot_Ware(k) <= -1) continue;
        bestand += ob.Slot_Bestand(k);
        ++slots;
    }
    return {bestand, slots};
}

}  // namespace

int OM_Lagerbestand(int o) { return lager(o).first; }

int OM_Lagerkapazitaet(int o) { return 9 * lager(o).second; }

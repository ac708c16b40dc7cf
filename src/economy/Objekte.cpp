#include "economy/Objekte.h"

#include "foundation/Tabelleneintrag.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "economy/Arbeiterslots.h"
#include "economy/Geldkreis.h"
#include "economy/Haefen.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "economy/KI.h"
#include "economy/Schiffe.h"
#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Warenstatistik.h"
#include "population/Personenindex.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "population/Personen_Leben.h"
#include "population/Jobschritt.h"
#include "population/Personen_Skills.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Wachstum.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "economy/Warenindex.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
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

Objektzeile* OM_Zeile(int o, const char* routine) {
    return Tabelleneintrag(Objekte, o, routine, "unbekanntes Objekt");
}

const Objekt_Item* OM_Vorlage(int typ, const char* routine) {
    return Tabelleneintrag(SBU_Objekte, typ, routine, "unbekannter Gebaeudetyp");
}

int OM_Zaehltyp(int typ) { return OM_ist_Hafen2(typ) ? SBU_Hafen_ID : typ; }

int OM_Erster_Typ(int o) {
    const Objektzeile* ob = OM_Zeile(o, "OM_Erster_Typ");
    if (!ob) return -1;
    const int anzahl = static_cast<int>(SBU_Objekte.size());
    if (ob->Erster_Typ() >= 0 && ob->Erster_Typ() < anzahl) return ob->Erster_Typ();
    int typ = ob->Typ();
    if (ob->Ausbau() == -1) return typ;
    // Back along the follow-up links, at most once round all templates.
    for (int schritt = 0; schritt < anzahl; ++schritt) {
        int vorher = -1;
        for (int k = 0; k < anzahl && vorher < 0; ++k)
            if (k != typ && SBU_Objekte[static_cast<std::size_t>(k)].Updatelink == typ) vorher = k;
        if (vorher < 0) break;
        typ = vorher;
    }
    return typ;
}

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

// --- Goods stock ------------------------------------------------------------------

namespace {

constexpr int Slot_Hoechstbestand = 10;  // a slot stores while below this
constexpr int Slot_Grenze = 9;           // orders, reservations, "full"

// The first slot of ware w, -1 when none.
int erster_slot(Objektzeile& ob, int w) {
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (ob.Slot_Ware(k) == w) return k;
    return -1;
}

// The first slot of ware w that passes the test, -1 when none.
template <typename Test>
int slot_mit(Objektzeile& ob, int w, Test test) {
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (ob.Slot_Ware(k) == w && test(k)) return k;
    return -1;
}

bool slot_gueltig(int k, const char* routine) {
    if (k >= 0 && k < Objekt_Warenslots) return true;
    Fehler_melden(std::string(routine) + " > unbekannter Warenslot: " + std::to_string(k));
    return false;
}

const Waren_Item* ware_von(int w, const char* routine) {
    return Tabelleneintrag(SBU_Waren, w, routine, "unbekannte Ware");
}

// Unreserved units of the first slot of ware w; nothing when the object has no such slot.
std::optional<int> frei_im_ersten_slot(int o, int w, const char* routine) {
    Objektzeile* ob = OM_Zeile(o, routine);
    if (!ob) return std::nullopt;
    const int k = erster_slot(*ob, w);
    if (k < 0) return std::nullopt;
    return ob->Slot_Bestand(k) - ob->Slot_Reserviert(k);
}

}  // namespace

bool OM_Warenlager_leer(int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Warenlager_leer");
    if (!ob) return true;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (ob->Slot_Bestand(k) > 0 || ob->Slot_Bestellt(k) > 0 || ob->Slot_Reserviert(k) > 0) return false;
    return true;
}

bool OM_Ware_vorhanden(int w, int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Ware_vorhanden");
    if (!ob) return false;
    const int k = erster_slot(*ob, w);
    return k >= 0 && ob->Slot_Bestand(k) >= 1;
}

bool OM_Ware_verfuegbar_Menge(int o, int w, int n) {
    const std::optional<int> frei = frei_im_ersten_slot(o, w, "OM_Ware_verfuegbar_Menge");
    return frei && *frei >= n;
}

bool OM_Ware_verfuegbar(int o, int w) { return OM_Ware_verfuegbar_Menge(o, w, 1); }

bool OM_Ware_voll(int o, int w) {
    const std::optional<int> frei = frei_im_ersten_slot(o, w, "OM_Ware_voll");
    return frei && *frei == Slot_Grenze;
}

bool OM_Lager_voll(int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Lager_voll");
    if (!ob) return false;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (ob->Slot_Ware(k) > -1 && ob->Slot_Bestand(k) < Slot_Grenze) return false;
    return true;
}

bool OM_Besetzung_erlaubt(int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Besetzung_erlaubt");
    if (!ob) return false;
    return ob->Besetzung() != 0 || !OB_Slot_besetzt(o, 0);
}

bool OM_Freier_Arbeiter_vorhanden(int o) {
    if (!OM_Zeile(o, "OM_Freier_Arbeiter_vorhanden")) return false;
    for (int k = 0; k <= OB_MaxSlot; ++k) {
        if (!OB_Slot_besetzt(o, k)) continue;
        const int p = OB_Arbeiter_des_Slots(o, k);
        if (!PM_Person_gueltig(p)) continue;
        Personenzeile& person = Personen[static_cast<std::size_t>(p)];
        if (person.AuftragID() != 0 || !GU_Clan_gueltig(person.Spieler())) continue;
        if (Spieler[static_cast<std::size_t>(person.Spieler())].Gold() > 9 && person.Glueck() > 0)
            return true;
    }
    return false;
}

bool OM_Rezept_verfuegbar(int o, int w) {
    const Waren_Item* ware = ware_von(w, "OM_Rezept_verfuegbar");
    if (!ware) return false;
    for (const Waren_Menge& n : ware->Need) {
        if (n.WarenID == -1) continue;
        if (!OM_Ware_verfuegbar_Menge(o, n.WarenID, n.Menge)) return false;
    }
    return true;
}

void OM_Ware_einlagern(int w, int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Ware_einlagern");
    if (!ob) return;
    const int k = slot_mit(*ob, w, [&](int s) { return ob->Slot_Bestand(s) < Slot_Hoechstbestand; });
    if (k < 0) {
        Fehler_melden("Ware konnte nicht eingelagert werden :=" + std::to_string(w));
        return;
    }
    ob->Slot_Bestand(k) += 1;
    ob->Slot_Bestellt(k) -= 1;
    GU_Ware_hinzu(w, ob->Besitzer());
}

void OM_Ware_auslagern(int w, int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Ware_auslagern");
    if (!ob) return;
    const int k = slot_mit(*ob, w, [&](int s) { return ob->Slot_Bestand(s) > 0; });
    if (k < 0) {
        Fehler_melden("Ware konnte nicht ausgelagert werden :=" + std::to_string(w));
        return;
    }
    ob->Slot_Bestand(k) -= 1;
    ob->Slot_Reserviert(k) -= 1;
    GU_Ware_entfernen(w, ob->Besitzer());
    if (ob->Zustand() == 1) OM_Abriss(o);
}

void OM_Ware_reservieren(int w, int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Ware_reservieren");
    if (!ob) return;
    const int k = slot_mit(
        *ob, w, [&](int s) { return ob->Slot_Bestand(s) > 0 && ob->Slot_Reserviert(s) < Slot_Grenze; });
    if (k < 0) {
        Fehler_melden("Ware konnte nicht reservieren werden :=" + std::to_string(w));
        return;
    }
    ob->Slot_Reserviert(k) += 1;
}

void OM_Reservierung_aufheben(int w, int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Reservierung_aufheben");
    if (!ob) return;
    const int k = slot_mit(*ob, w, [&](int s) { return ob->Slot_Reserviert(s) > 0; });
    if (k < 0) {
        Fehler_melden("OM_Reservierung_aufheben > keine Reservierung der Ware " + std::to_string(w) +
                      " im Objekt " + std::to_string(o));
        return;
    }
    ob->Slot_Reserviert(k) -= 1;
    if (ob->Zustand() == 1) OM_Abriss(o);
}

void OM_Ware_wird_nun_besorgt(int w, int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Ware_wird_nun_besorgt");
    if (!ob) return;
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        if (ob->Slot_Ware(k) != w) continue;
        if (ob->Slot_Bestand(k) + ob->Slot_Bestellt(k) < Slot_Grenze) {
            ob->Slot_Bestellt(k) += 1;
            return;
        }
        Fehler_melden("OM_Ware_wird_nun_besorgt > soll eine Ware die auf 9 steht addiert werden.");
    }
}

void WarenAnschaffungsauftragentfernen(int w, int o) {
    Objektzeile* ob = OM_Zeile(o, "WarenAnschaffungsauftragentfernen");
    if (!ob) return;
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        if (ob->Slot_Ware(k) != w) continue;
        if (ob->Slot_Bestellt(k) > 0) {
            ob->Slot_Bestellt(k) -= 1;
            return;
        }
        Fehler_melden("WarenAnschaffungsauftragentfernen > soll eine Ware die auf 0 steht dezimieren.");
    }
}

void OM_Rezept_verbrauchen(int o, int w) {
    const Waren_Item* ware = ware_von(w, "OM_Rezept_verbrauchen");
    if (!ware || !OM_Zeile(o, "OM_Rezept_verbrauchen")) return;
    for (const Waren_Menge& n : ware->Need) {
        if (n.WarenID == -1) continue;
        for (int i = 0; i < n.Menge; ++i) {
            OM_Ware_reservieren(n.WarenID, o);
            OM_Ware_auslagern(n.WarenID, o);
        }
    }
}

void OM_Warenslot_einrichten(int o, int k, int w) {
    Objektzeile* ob = OM_Zeile(o, "OM_Warenslot_einrichten");
    if (!ob || !slot_gueltig(k, "OM_Warenslot_einrichten")) return;
    const int typ = ob->Typ();
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) {
        Fehler_melden("OM_Warenslot_einrichten > unbekannter Gebaeudetyp: " + std::to_string(typ));
        return;
    }
    if (w > 0 &&
        SBU_Objekte[static_cast<std::size_t>(typ)].Slots[static_cast<std::size_t>(k)].Benutzung > 1) {
        const int feld = ob->Feld();
        const int insel = MG_Feld_gueltig(feld) ? Karte[static_cast<std::size_t>(feld)].Insel() : -1;
        IWU_Ware_eintragen(w, feld, o, insel);
    }
    ob->Slot_Ware(k) = w;
    ob->Slot_Bestand(k) = 0;
    ob->Slot_Bestellt(k) = 0;
    ob->Slot_Reserviert(k) = 0;
}

bool OM_Warenslot_belegen(int o, int w) {
    Objektzeile* ob = OM_Zeile(o, "OM_Warenslot_belegen");
    if (!ob) return false;
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        if (ob->Slot_Ware(k) == w) return false;
        if (ob->Slot_Ware(k) == 0) {
            OM_Warenslot_einrichten(o, k, w);
            return true;
        }
    }
    return false;
}

void OM_Warenslot_leeren(int o, int k) {
    Objektzeile* ob = OM_Zeile(o, "OM_Warenslot_leeren");
    if (!ob || !slot_gueltig(k, "OM_Warenslot_leeren")) return;
    if (ob->Slot_Ware(k) <= -1) return;
    // A take without reservation can leave reserved below 0; the stock never goes below 0.
    const int bleibt = std::max(ob->Slot_Reserviert(k), 0);
    while (ob->Slot_Bestand(k) > bleibt) {
        ob->Slot_Bestand(k) -= 1;
        GU_Ware_entfernen(ob->Slot_Ware(k), ob->Besitzer());
    }
}

void OM_Warenslots_leeren(int o) {
    if (!OM_Zeile(o, "OM_Warenslots_leeren")) return;
    for (int k = 0; k < Objekt_Warenslots; ++k) OM_Warenslot_leeren(o, k);
}

void OM_Warenslot_freigeben(int o, int k) {
    Objektzeile* ob = OM_Zeile(o, "OM_Warenslot_freigeben");
    if (!ob || !slot_gueltig(k, "OM_Warenslot_freigeben")) return;
    if (ob->Slot_Ware(k) <= -1 || ob->Slot_Bestand(k) != 0 || ob->Slot_Bestellt(k) != 0 ||
        ob->Slot_Reserviert(k) != 0)
        return;
    IWU_Ware_austragen(ob->Slot_Ware(k), o);
    ob->Slot_Ware(k) = 0;
    OM_Slotmarke_loeschen(o, k);
}

void OM_Produktion_abliefern(int w, int o, int clan, int person, int feld) {
    const Waren_Item* ware = ware_von(w, "OM_Produktion_abliefern");
    if (!ware) return;
    const int r = Random(100);
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("OM_Produktion_abliefern > unbekannte Person: " + std::to_string(person));
        return;
    }
    Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    const int auftrag = p.AuftragID();
    if (r >= ware->Chance && (auftrag == 103 || auftrag == 152)) {
        const int zelle = p.Feld();
        const int ziel = MG_Feld_gueltig(zelle) ? Karte[static_cast<std::size_t>(zelle)].Objekt() : -1;
        WarenAnschaffungsauftragentfernen(w, ziel);
        return;
    }
    OM_Produkt_einbuchen(w, o, clan, feld);
}

void OM_Produkt_einbuchen(int w, int o, int clan, int feld) {
    const Waren_Item* ware = ware_von(w, "OM_Produkt_einbuchen");
    if (!ware || !OM_Zeile(o, "OM_Produkt_einbuchen")) return;
    if (ware->Transport != 0) {
        for (int i = 0; i < ware->Make; ++i) OM_Ware_einlagern(w, o);
        return;
    }
    OM_Ware_einlagern(w, o);
    OM_Ware_reservieren(w, o);
    OM_Ware_auslagern(w, o);
    if (ware->Spez == "gold") {
        GKU_Goldmine_Ertrag(clan);
    } else if (ware->Spez == "ship") {
        Schiff_bauen(o);
        if (clan == SpielerID) GUI_Info_add(261, feld, "");
    } else if (ware->Spez == "tech") {
        if (GU_Clan_gueltig(clan))
            Spieler[static_cast<std::size_t>(clan)].Technik() += 1;
        else
            Fehler_melden("OM_Produkt_einbuchen > unbekannter Clan: " + std::to_string(clan));
    }
}

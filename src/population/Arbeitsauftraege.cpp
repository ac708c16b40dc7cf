#include "population/Personen.h"
#include "population/Arbeitsauftraege.h"

#include <cstddef>
#include <limits>
#include <string>

#include "economy/Geldkreis.h"
#include "foundation/Geometrie.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "economy/Warenindex.h"
#include "population/Auftragshilfe.h"
#include "population/Jobarchiv.h"
#include "population/Personen_Leben.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "population/Edikte.h"
#include "population/Personen_Geburt.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Pfade.h"
#include "world/Ressourcen.h"

namespace {

// Info events of exhausted gathering grounds.
constexpr int Info_Holz_erschoepft = 257;
constexpr int Info_Stein_erschoepft = 258;
constexpr int Info_Erz_erschoepft = 259;
constexpr int Info_Fisch_erschoepft = 260;

// Sellers farther than this are never chosen by the supplier search.
constexpr int Lieferant_Reichweite = 200;
// The distance page only counts sellers nearer than this.
constexpr int Distanz_Reichweite = 121;

Objektzeile& obj(int o) { return Objekte[static_cast<std::size_t>(o)]; }
Personenzeile& pers(int p) { return Personen[static_cast<std::size_t>(p)]; }

// Gold of the clan; 0 for a clan row that does not exist.
int gold(int clan) { return GU_Clan_gueltig(clan) ? Spieler[static_cast<std::size_t>(clan)].Gold() : 0; }

int eintrag_feld(const Warenindex_Eintrag& e) { return e.X + e.Y * MG_Kartengroesse; }

void auftrag_setzen(int person, int code, int ziel, int zweites_ziel, int ware) {
    Personenzeile& p = pers(person);
    p.AuftragID() = code;
    PM_Ziel_setzen(person, ziel);
    p.Bewegungscounter() = 9;
    p.Auftragsziel2() = zweites_ziel;
    p.WarenID() = ware;
}

// The worker and its workplace exist; the workplace's owner is a clan.
bool pruefen(int person, int w, const char* routine) {
    if (!PM_Zeile(person, routine) || !OM_Zeile(w, routine)) return false;
    return GU_Zeile(obj(w).Besitzer(), routine) != nullptr;
}

// Buys one unit for the workplace (fetch and harbour orders).
bool kaufen(int person, int w, int ware, bool mangel_fuehren, const char* routine) {
    if (!pruefen(person, w, routine)) return false;
    const int feld = JU_Lieferant_suchen(w, ware, false);
    if (feld == -1) {
        if (mangel_fuehren) obj(w).Mangel() = 1;
        return false;
    }
    const int s = Karte[static_cast<std::size_t>(feld)].Objekt();
    if (!OM_Zeile(s, routine)) return false;
    const int besitzer = obj(w).Besitzer();
    const int verkaeufer = obj(s).Besitzer();
    const int preis = GU_Warenwert(verkaeufer, ware);
    if (!(preis < gold(besitzer) - 1)) return false;
    if (mangel_fuehren) obj(w).Mangel() = 0;
    GKU_von_Spieler_zu_Spieler(besitzer, verkaeufer, preis);
    if (pers(person).Glueck() > 0 && pers(person).Spieler() != verkaeufer)
        PM_Person_Glueck_chance(person, -1);
    OM_Ware_reservieren(ware, s);
    GKU_Lohn_von_Spieler_zu_Person(person, besitzer);
    GU_Arbeit_A_plus(person);
    auftrag_setzen(person, JU_Auftrag_Tragen, feld, obj(w).Feld(), ware);
    pers(person).Kauf_offen(preis, verkaeufer);
    return true;
}

// Wage from the person's own clan and the gathering count: the bookkeeping of the own-clan orders.
void selbst_bezahlt(int person) {
    GKU_Lohn_von_Spieler_zu_Person(person, pers(person).Spieler());
    GU_Arbeit_C_plus(person);
}

// A gathering ground that gives nothing more: marked once and announced to the viewed clan.
void erschoepft(int w, int event) {
    Objektzeile& o = obj(w);
    o.Zaehler() = -2;
    o.Zustand() = 3;
    if (o.Besitzer() == SpielerID) GUI_Info_add(event, o.Feld(), "");
}

// The common start of the landscape gathering orders; false when no search may be made.
bool sammeln_moeglich(int person, int w, const char* routine) {
    return pruefen(person, w, routine) && obj(w).Zustand() != 3 && gold(obj(w).Besitzer()) >= 1;
}

void gesammelt(int person, int w, int feld, int ware) {
    selbst_bezahlt(person);
    auftrag_setzen(person, JU_Auftrag_Sammeln, feld, obj(w).Feld(), ware);
}

// Tree and ore: the nearest resource of the kind within the work radius.
bool ressource(int person, int w, int ware, int art, int event, const char* routine) {
    if (!sammeln_moeglich(person, w, routine)) return false;
    const int feld = RU_Ressource_nehmen(art, obj(w).Feld(), pers(person).Spieler());
    if (feld < 0) {
        erschoepft(w, event);
        return false;
    }
    obj(w).Zaehler() = JA_Suchring;
    gesammelt(person, w, feld, ware);
    return true;
}

}  // namespace

bool JU_Auftrag_geben(int person, int w, int j) {
    if (!OM_Zeile(w, "JU_Auftrag_geben") || j < 0 || j >= Objekt_Warenslots) return false;
    Objektzeile& o = obj(w);
    const int ware = o.Slot_Ware(j);
    if (ware <= 0) return false;
    const int typ = o.Typ();
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size() ||
        static_cast<std::size_t>(ware) >= SBU_Waren.size()) {
        Fehler_melden("JU_Auftrag_geben > unbekannter Typ oder Ware: " + std::to_string(typ) + "/" +
                      std::to_string(ware));
        return false;
    }
    const int benutzung =
        SBU_Objekte[static_cast<std::size_t>(typ)].Slots[static_cast<std::size_t>(j)].Benutzung;
    bool gegeben = false;
    if (OM_ist_Hafen(typ)) {
        gegeben = JU_Auftrag_Hafen(person, w, ware);
    } else {
        switch (benutzung) {
            case Benutzung_Holen:
            case Benutzung_Lager:
                gegeben = JU_Auftrag_Holen(person, w, ware);
                break;
            case Benutzung_Produktion:
                gegeben = JU_Auftrag_Produktion(person, w, ware);
                break;
            case Benutzung_Anbau:
                gegeben = JU_Auftrag_Anbau(person, w, ware);
                break;
            case Benutzung_stone:
                gegeben = JU_Auftrag_Stein(person, w, ware);
                break;
            case Benutzung_Kaninchenabbau:
                gegeben = JU_Auftrag_Jagd(person, w, ware);
                break;
            case Benutzung_lumberjack:
                gegeben = JU_Auftrag_Resource_A(person, w, ware);
                break;
            case Benutzung_fishing:
                gegeben = JU_Auftrag_Suche_A(person, w, ware);
                break;
            case Benutzung_ore:
                gegeben = JU_Auftrag_Resource_B(person, w, ware);
                break;
            case Benutzung_recycle:
                gegeben = JU_Auftrag_Schutt(person, w, ware);
                break;
            case Benutzung_sand:
                gegeben = JU_Auftrag_Suche_B(person, w, ware);
                break;
            default:
                Fehler_melden("JU_Auftrag_geben > Benutzung der WarenID ist nicht bekannt: " +
                              std::to_string(benutzung));
                return false;
        }
    }
    if (!gegeben) return false;
    if (benutzung == Benutzung_Produktion) {
        const int make = SBU_Waren[static_cast<std::size_t>(ware)].Make;
        if (make >= 1) obj(w).Slot_Bestellt(j) += make;
    } else {
        obj(w).Slot_Bestellt(j) += 1;
    }
    return true;
}

int JU_Lieferant_suchen(int b, int ware, bool gleicher_typ_erlaubt) {
    if (!OM_Zeile(b, "JU_Lieferant_suchen")) return -1;
    const Objektzeile& kaeufer = obj(b);
    const Warenindex_Liste* l = JU_Warenindex_Liste(ware, JU_Insel(kaeufer.Feld(), "JU_Lieferant_suchen"));
    if (!l) return -1;
    const int o_gold = gold(kaeufer.Besitzer());
    const bool b_lager = OM_Objekt_ist_Lager(b);
    const bool b_hafen = OM_ist_Hafen(kaeufer.Typ());
    // The nearest seller (the earlier entry on a tie) that a carrier can walk to from the
    // buyer: a seller walled in by its neighbours' footprints, or a buyer walled in, would
    // only send carriers who must give up. Such a seller is passed over and the next
    // nearest looked for, ranked after it by (distance, entry).
    int nach_distanz = -1, nach_eintrag = -1;
    PFU_Wege_von wege(kaeufer.Feld());
    for (;;) {
        int beste = -1, beste_distanz = Lieferant_Reichweite, beste_eintrag = -1;
        for (int i = 0; i < JU_Eintraege(*l); ++i) {
            const Warenindex_Eintrag& e = l->Eintraege[static_cast<std::size_t>(i)];
            if (!OM_Zeile(e.Objekt, "JU_Lieferant_suchen")) continue;
            // The entry's own cell decides first: a seller no nearer than the best so far
            // cannot win, whatever the other tests say, and the entry holds the cell, so
            // most entries are passed over without reading the seller's row or template.
            const int d = FFU_Distanz(eintrag_feld(e), kaeufer.Feld());
            if (JA_Schnellwege && d >= beste_distanz) continue;
            if (d < nach_distanz || (d == nach_distanz && i <= nach_eintrag)) continue;
            const Objektzeile& s = obj(e.Objekt);
            if (!(GU_Warenwert(s.Besitzer(), ware) < o_gold)) continue;
            if (s.Besitzer() != kaeufer.Besitzer() && JU_Exportverbot(s.Besitzer())) continue;
            if (e.Objekt == b || (!gleicher_typ_erlaubt && s.Typ() == kaeufer.Typ())) continue;
            const bool s_lager = OM_Objekt_ist_Lager(e.Objekt);
            const bool s_hafen = OM_ist_Hafen(s.Typ());
            if ((b_lager && s_lager) || (b_hafen && s_hafen) || (b_hafen && s_lager)) continue;
            if (d < beste_distanz && OM_Ware_verfuegbar(e.Objekt, ware)) {
                beste = e.Feld;
                beste_distanz = d;
                beste_eintrag = i;
            }
        }
        if (beste == -1 || wege.zu(beste)) return beste;
        nach_distanz = beste_distanz;
        nach_eintrag = beste_eintrag;
    }
}

namespace {

// Distance from the cell to the nearest building on its island below `reichweite` that keeps
// a goods slot for the ware and whose owner sells to the clan - with a unit to spare, when
// `vorraetig`; only the clan's own buildings, when `nur_eigene` - or -1.
int naechster_Lieferant(int feld, int ware, int spieler, int reichweite, bool vorraetig,
                        bool nur_eigene = false) {
    if (!MG_Feld_gueltig(feld)) return -1;
    const Warenindex_Liste* l = JU_Warenindex_Liste(ware, Karte[static_cast<std::size_t>(feld)].Insel());
    if (!l) return -1;
    int beste = -1;
    for (int i = 0; i < JU_Eintraege(*l); ++i) {
        const Warenindex_Eintrag& e = l->Eintraege[static_cast<std::size_t>(i)];
        if (!OM_Objekt_gueltig(e.Objekt)) continue;
        const int besitzer = obj(e.Objekt).Besitzer();
        if (besitzer != spieler && (nur_eigene || JU_Exportverbot(besitzer))) continue;
        const int d = FFU_Distanz(eintrag_feld(e), feld);
        if (d < reichweite && (beste == -1 || d < beste) &&
            (!vorraetig || OM_Ware_verfuegbar(e.Objekt, ware)))
            beste = d;
    }
    return beste;
}

}  // namespace

int JU_Lieferant_Distanz(int feld, int ware, int spieler) {
    return naechster_Lieferant(feld, ware, spieler, Distanz_Reichweite, true);
}

bool JU_Lieferant_in_Reichweite(int feld, int ware, int spieler) {
    return naechster_Lieferant(feld, ware, spieler, Lieferant_Reichweite, false) >= 0;
}

bool JU_Baustelle_belieferbar(int feld, int ware, int spieler) {
    if (naechster_Lieferant(feld, ware, spieler, std::numeric_limits<int>::max(), false, true) >= 0)
        return naechster_Lieferant(feld, ware, spieler, Lieferant_Reichweite, false, true) >= 0;
    return JU_Lieferant_in_Reichweite(feld, ware, spieler);
}

int JU_Auftrag_Text(int feld, int ware, int spieler) { return JU_Lieferant_Distanz(feld, ware, spieler); }

bool JU_Auftrag_Holen(int person, int w, int ware) {
    return kaufen(person, w, ware, true, "JU_Auftrag_Holen");
}

bool JU_Auftrag_Hafen(int person, int w, int ware) {
    return kaufen(person, w, ware, false, "JU_Auftrag_Hafen");
}

bool JU_Auftrag_Produktion(int person, int w, int ware) {
    if (!pruefen(person, w, "JU_Auftrag_Produktion")) return false;
    Objektzeile& o = obj(w);
    if (o.Zaehler() != 0 || gold(o.Besitzer()) < 1 || OM_Ware_voll(w, ware) || !OM_Rezept_verfuegbar(w, ware))
        return false;
    OM_Rezept_verbrauchen(w, ware);
    o.Zaehler() = 1;
    selbst_bezahlt(person);
    Personenzeile& p = pers(person);
    PM_Ziel_setzen(person, o.Feld());
    p.AuftragID() = JU_Auftrag_Herstellen;
    p.WarenID() = ware;
    return true;
}

bool JU_Auftrag_Anbau(int person, int w, int ware) {
    if (!pruefen(person, w, "JU_Auftrag_Anbau")) return false;
    if (gold(obj(w).Besitzer()) < 1 || !OM_Rezept_verfuegbar(w, ware)) return false;
    // The planting place is looked for before the inputs are taken, so a workplace
    // without room keeps its seed.
    const int feld = Schneckenroutine(obj(w).Feld(), 0, pers(person).Spieler());
    if (feld < 1) return false;
    OM_Rezept_verbrauchen(w, ware);
    Karte[static_cast<std::size_t>(feld)].Block() = 1;
    selbst_bezahlt(person);
    auftrag_setzen(person, JU_Auftrag_Pflanzen, obj(w).Feld(), feld, ware);
    return true;
}

bool JU_Auftrag_Jagd(int person, int w, int ware) {
    if (!pruefen(person, w, "JU_Auftrag_Jagd")) return false;
    const int besitzer = obj(w).Besitzer();
    if (gold(besitzer) < 1) return false;
    const int feld =
        Hase_Loch_suchen(obj(w).Feld(), Spieler[static_cast<std::size_t>(besitzer)].Arbeitsradius(), true);
    if (feld < 0) return JU_Auftrag_Holen(person, w, ware);
    obj(w).Mangel() = 0;
    selbst_bezahlt(person);
    auftrag_setzen(person, JU_Auftrag_Falle, feld, obj(w).Feld(), ware);
    return true;
}

bool JU_Auftrag_Schutt(int person, int w, int ware) {
    if (!pruefen(person, w, "JU_Auftrag_Schutt")) return false;
    const int besitzer = obj(w).Besitzer();
    if (gold(besitzer) < 1) return false;
    const int feld =
        SchU_Naechster_Schutt(obj(w).Feld(), Spieler[static_cast<std::size_t>(besitzer)].Arbeitsradius());
    if (feld < 0) return JU_Auftrag_Holen(person, w, ware);
    if (!MG_Zeile(feld, "JU_Auftrag_Schutt")) return false;
    Karte[static_cast<std::size_t>(feld)].Block() = 1;
    const int index = SchU_Schutt_Index(feld);
    if (index >= 0) SchU_Schutt_entfernen(index);
    gesammelt(person, w, feld, ware);
    return true;
}

bool JU_Auftrag_Resource_A(int person, int w, int ware) {
    return ressource(person, w, ware, RU_Baum, Info_Holz_erschoepft, "JU_Auftrag_Resource_A");
}

bool JU_Auftrag_Resource_B(int person, int w, int ware) {
    return ressource(person, w, ware, RU_Huegel, Info_Erz_erschoepft, "JU_Auftrag_Resource_B");
}

bool JU_Auftrag_Stein(int person, int w, int ware) {
    if (!pruefen(person, w, "JU_Auftrag_Stein")) return false;
    if (obj(w).Zustand() == 3) return JU_Auftrag_Produktion(person, w, ware);
    if (gold(obj(w).Besitzer()) < 1) return false;
    const int feld = RU_Ressource_nehmen(RU_Stein, obj(w).Feld(), pers(person).Spieler());
    Objektzeile& o = obj(w);
    if (feld < 0) {
        if (o.Zaehler() < 1) {
            o.Zaehler() = 0;
            o.Zustand() = 3;
            if (o.Besitzer() == SpielerID) GUI_Info_add(Info_Stein_erschoepft, o.Feld(), "");
        }
        return false;
    }
    o.Zaehler() = 0;
    o.Mangel() = 0;
    gesammelt(person, w, feld, ware);
    return true;
}

bool JU_Auftrag_Suche_A(int person, int w, int ware) {
    if (!sammeln_moeglich(person, w, "JU_Auftrag_Suche_A")) return false;
    Objektzeile& o = obj(w);
    int feld = o.Zaehler();
    if (feld < 1 || !MG_Feld_gueltig(feld)) feld = Schneckenroutine(o.Feld(), 35, pers(person).Spieler());
    if (feld < 0) {
        erschoepft(w, Info_Fisch_erschoepft);
        return false;
    }
    obj(w).Zaehler() = feld;
    gesammelt(person, w, feld, ware);
    return true;
}

bool JU_Auftrag_Suche_B(int person, int w, int ware) {
    if (!sammeln_moeglich(person, w, "JU_Auftrag_Suche_B")) return false;
    const int feld = Schneckenroutine(obj(w).Feld(), 41, pers(person).Spieler());
    if (feld < 0) {
        erschoepft(w, Info_Erz_erschoepft);
        return false;
    }
    Karte[static_cast<std::size_t>(feld)].Block() = 1;
    obj(w).Zaehler() = JA_Suchring;
    gesammelt(person, w, feld, ware);
    return true;
}

#include "economy/Objekte_Betrieb.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Baustelle.h"
#include "economy/Errungenschaften.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "economy/Haefen.h"
#include "economy/KI.h"
#include "economy/Schiffe.h"
#include "economy/Diagramm.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "population/Jobschritt.h"
#include "population/Personen_Skills.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Wachstum.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Info.h"
#include "population/Personenindex.h"
#include "foundation/Schablonen.h"
#include "economy/Warenindex.h"
#include "population/Personen.h"
#include "population/Personen_Leben.h"
#include "world/Karte.h"

int Hausneid = 0;

namespace {

// Furthest a wife may live from the man.
constexpr int Heirat_Reichweite = 120;

bool modus_ist(const Objekt_Item& v, std::initializer_list<const char*> arten) {
    for (const char* a : arten)
        if (v.Modus == a) return true;
    return false;
}

int* slotmarke(int o, int k) {
    if (k < 0 || k >= Objekt_Warenslots || !OM_Objekt_gueltig(o)) return nullptr;
    return &Objekte[static_cast<std::size_t>(o)].Slot_Raeumen(k);
}

void heiraten(int frau_clan, int clan, int mann, int frau, int heim) {
    IndexU_Item_Delet(2, 0, frau);
    PM_Heirat(frau_clan, clan, mann, frau, heim);
}

}  // namespace

void OM_Slotmarke_setzen(int o, int k) {
    if (int* m = slotmarke(o, k)) *m = 1;
}

void OM_Slotmarke_loeschen(int o, int k) {
    if (int* m = slotmarke(o, k)) *m = -1;
}

bool OM_Slotmarke_gesetzt(int o, int k) {
    const int* m = slotmarke(o, k);
    return m && *m == 1;
}

void OM_Objekt_in_Betrieb_nehmen(int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Objekt_in_Betrieb_nehmen");
    if (!ob || OM_Baumaterial_fehlt(o)) return;
    const int c = ob->Besitzer();
    const int f = ob->Feld();
    const Objekt_Item* v = OM_Vorlage(ob->Typ(), "OM_Objekt_in_Betrieb_nehmen");
    if (!v) return;
    const int t = ob->Typ();
    const bool erster_bau = ob->Ausbau() == -1;
    if (erster_bau) {
        // Room and counts go on this type; demolition takes them off the same type.
        ob->Erster_Typ() = t;
        GU_Baustelle_fertig(c);
        KI_Objekt_abmelden(o);
        GU_Wohnraum_hinzu(c, o);
        if (OM_ist_Hafen(t)) Hafen_registrieren(o);
        BMU_Zaehler_aendern(c, OM_Zaehltyp(t), 1, 0);
    }
    if (ob->Zustand() == 1) {
        OM_Abriss(o);
        return;
    }
    if (!erster_bau) {
        if (MG_Feld_gueltig(f)) Karte[static_cast<std::size_t>(f)].Ambiente() = t;
    } else {
        OM_Slots_Arbeiter_einrichten(o, t);
        OM_Slots_Waren_einrichten(o, t);
        if (c == SpielerID) GUI_Info_add(255, f, v->Titel);
    }
    const bool home = v->Modus == "Home";
    if (home) {
        ESU_Haus_pruefen(c, v->Neid);
        if (v->Neid > Hausneid) Hausneid = v->Neid;
    }
    if ((home || modus_ist(*v, {"Start", "Startex"})) && v->Updatelink >= 1) {
        const int folge = v->Updatelink;
        if (!OM_Vorlage(folge, "OM_Objekt_in_Betrieb_nehmen")) return;
        BPU_Baumaterial_eintragen(o, c, folge);
        ob->Typ() = folge;
        ob->Ausbau() = 1;
    }
}

void OM_Slots_Arbeiter_einrichten(int o, int typ) {
    Objektzeile* ob = OM_Zeile(o, "OM_Slots_Arbeiter_einrichten");
    const Objekt_Item* v = OM_Vorlage(typ, "OM_Slots_Arbeiter_einrichten");
    if (!ob || !v) return;
    if (modus_ist(*v, {"Produktion", "Lager", "Start", "Startex", "Hafen", "Hafen2"}))
        OB_Slots_oeffnen(v->Platz, o, ob->Besitzer());
}

void OM_Slots_Waren_einrichten(int o, int typ) {
    const Objekt_Item* v = OM_Vorlage(typ, "OM_Slots_Waren_einrichten");
    if (!OM_Zeile(o, "OM_Slots_Waren_einrichten") || !v) return;
    if (!modus_ist(*v, {"Produktion", "Lager", "Hafen", "Hafen2"})) return;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        OM_Warenslot_einrichten(o, k, v->Slots[static_cast<std::size_t>(k)].WarenID);
}

bool OM_Person_in_Naehe_aufnehmen(int o, int mann) {
    Objektzeile* ob = OM_Zeile(o, "OM_Person_in_Naehe_aufnehmen");
    if (!ob) return false;
    if (!PM_Person_gueltig(mann) || !MG_Feld_gueltig(ob->Feld()) || !GU_Clan_gueltig(ob->Besitzer())) {
        Fehler_melden("OM_Person_in_Naehe_aufnehmen > unbekannter Mann, Ankerfeld oder Besitzer: " +
                      std::to_string(mann) + "/" + std::to_string(o));
        return false;
    }
    const int c = ob->Besitzer();
    const int insel = Karte[static_cast<std::size_t>(ob->Feld())].Insel();
    const int mann_feld = Personen[static_cast<std::size_t>(mann)].Feld();
    const bool nur_eigene = Spieler[static_cast<std::size_t>(c)].Edikt_nur_eigene() == 1;
    const int letzter =
        std::min(SingelFrau_Index.Letzter_Platz, static_cast<int>(SingelFrau_Index.Eintraege.size()) - 1);
    for (int i = 0; i <= letzter; ++i) {
        const int w = SingelFrau_Index.Eintraege[static_cast<std::size_t>(i)];
        if (!PM_Person_gueltig(w)) continue;
        Personenzeile& frau = Personen[static_cast<std::size_t>(w)];
        const int d = frau.Spieler();
        if (!MG_Feld_gueltig(frau.Feld()) || !GU_Clan_gueltig(d)) continue;
        if (Karte[static_cast<std::size_t>(frau.Feld())].Insel() != insel) continue;
        if (FFU_Distanz(frau.Feld(), mann_feld) > Heirat_Reichweite) continue;
        if (nur_eigene) {
            if (d != c) continue;
            heiraten(d, c, mann, w, o);
            return true;
        }
        if (Spieler[static_cast<std::size_t>(d)].Abwerbeschutz() != 1) {
            if (d == c) {
                heiraten(d, c, mann, w, o);
                return true;
            }
            if (frau.AuftragID() != 0) continue;
            heiraten(d, c, mann, w, o);
            frau.AuftragID() = 3;
            PM_Ziel_setzen(w, ob->Feld());
            frau.Bewegungscounter() = 9;
            GU_Arbeitslos_plus(w);
            return true;
        }
        if (d == c) {
            heiraten(d, c, mann, w, o);
            return true;
        }
        PM_Person_Glueck_chance(w, -1);
    }
    return false;
}

int OM_Wohnraum_vergeben(int clan, int platz, int mann, int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Wohnraum_vergeben");
    if (!ob || ob->Zaehler() < 2) return 0;
    const bool paar = OM_Person_in_Naehe_aufnehmen(o, mann);
    if (paar) {
        Personen[static_cast<std::size_t>(mann)].HeimID() = o;
        PM_Bewohner_eintragen(o, mann);
        ob->Zaehler() -= 2;
    }
    if (ob->Zaehler() < 2) WRU_Wohnraum_austragen(clan, platz);
    return paar ? 1 : 2;
}

int OM_Hausneid_Verrechnen(int o) {
    Objektzeile* ob = OM_Zeile(o, "OM_Hausneid_Verrechnen");
    if (!ob) return -Hausneid;
    const Objekt_Item* v = OM_Vorlage(ob->Typ(), "OM_Hausneid_Verrechnen");
    if (v && v->Modus == "Home") {
        int neid = v->Neid;
        Summe_addieren(neid, -std::int64_t{Hausneid});
        return neid;
    }
    Fehler_melden("OM_Hausneid_Verrechnen -> konnte das Wohnhaus nicht Identifizieren: " +
                  (v ? v->Titel : ""));
    return -Hausneid;
}

bool OM_Abriss_verweigert(int objekt) {
    return OM_Objekt_gueltig(objekt) && !OM_Baumaterial_fehlt(objekt) && OM_Objekt_ist_Home(objekt) &&
           !OB_Keine_Arbeiter(objekt);
}

int OM_Abriss(int objekt) {
    Objektzeile* ob = OM_Zeile(objekt, "OM_Abriss");
    if (!ob) return 0;
    const int vorher = ob->Zustand();
    if (vorher == 2) return 0;
    if (OM_Baumaterial_fehlt(objekt)) {
        ob->Zustand() = 1;
        JU_Materialauftraege_streichen(objekt);
        OM_Objekt_in_Betrieb_nehmen(objekt);
        return ob->Zustand() == 2 ? 1 : 0;
    }
    if (OM_Abriss_verweigert(objekt)) return 0;
    ob->Zustand() = 1;
    const int c = ob->Besitzer();
    if (!OB_Alle_Arbeiter_entlassen(c, objekt)) return 0;
    ERU_Gebaeude_entfernt(objekt);
    WU_Gebaeude_entfernt(objekt);
    OM_Warenslots_leeren(objekt);
    if (!OM_Warenlager_leer(objekt)) return 0;
    OM_Warenindex_bereinigen(objekt);
    GU_Wohnraum_entfernen(objekt);
    const int erster = OM_Erster_Typ(objekt);
    const int t = OM_Vorlage(erster, "OM_Abriss") ? OM_Zaehltyp(erster) : erster;
    IndexU_Item_Delet(0, t, ob->Feld());
    BMU_Zaehler_aendern(c, t, -1, -1);
    ob->Zustand() = 2;
    WU_Wachstumsauftrag_hinzufuegen(6, 0, ob->Feld(), c, objekt, -1);
    return 1;
}

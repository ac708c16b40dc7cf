#include "population/Zielaktion_Arbeit.h"

#include <algorithm>
#include <string>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Bauplaetze.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Schablonen.h"
#include "foundation/Sound.h"
#include "platform/base/Text1252.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "population/Animation.h"
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"
#include "population/Zielaktion.h"
#include "world/Chunks.h"
#include "world/Gelaende.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Ressourcen.h"

int ZAU_Klangzaehler = 0;

namespace {

Personenzeile& P(int p) { return Personen[static_cast<std::size_t>(p)]; }
Kartenfeld& K(int c) { return Karte[static_cast<std::size_t>(c)]; }
Objektzeile& O(int o) { return Objekte[static_cast<std::size_t>(o)]; }

// The person lives and stands on a cell of the map, and its target is a cell of the map.
bool person_pruefen(int p, const char* routine) {
    if (PM_Person_lebt(p) && MG_Feld_gueltig(P(p).Feld()) && MG_Feld_gueltig(P(p).Zielfeld())) return true;
    Fehler_melden(std::string(routine) + " > Person oder Feld ungueltig: " + std::to_string(p));
    return false;
}

// Level change of a cell, keeping the land-class counters in step.
void Hoehe_senken(int c) {
    IU_Landklasse_zaehlen(c, -1);
    K(c).LandType() -= 1;
    IU_Landklasse_zaehlen(c, 1);
}

}  // namespace

void ZAU_Zuruecksetzen() { ZAU_Klangzaehler = 0; }

int ZAU_Benutzung(int p, const char* meldung) {
    const int o = ZAU_Objekt_an(P(p).Auftragsziel2());
    const int typ = o >= 0 ? O(o).Typ() : -1;
    if (typ >= 0 && static_cast<std::size_t>(typ) < SBU_Objekte.size()) {
        for (const Warenslot& s : SBU_Objekte[static_cast<std::size_t>(typ)].Slots)
            if (s.WarenID == P(p).WarenID()) return s.Benutzung;
    }
    Fehler_melden(meldung);
    return -1;
}

// --- Gathering ----------------------------------------------------------------------

void ZAU_Resource_abbau_Teil1(int p) {
    if (!person_pruefen(p, "ZAU_Resource_abbau_Teil1")) return;
    const int use = ZAU_Benutzung(p, "ZAU_Resource_abbau_Teil1 -> Auftrag 100 -> WarenID nicht erkannt.");
    if (use < 0) {
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    switch (use) {
        case Benutzung_stone:
        case Benutzung_lumberjack:
            Auftragweiterleitung(p, 100, 7, ZAU_Arbeitsdauer(p));
            break;
        case Benutzung_fishing:
            Auftragweiterleitung(p, 100, 16, ZAU_Arbeitsdauer(p));
            break;
        case Benutzung_ore:
        case Benutzung_recycle:
        case Benutzung_sand:
            Auftragweiterleitung(p, 100, 20, ZAU_Arbeitsdauer(p));
            break;
        default:
            Fehler_melden("ZAU_Resource_abbau_Teil1 -> Auftrag 100 -> USE nicht erkannt.");
            ZAU_Auftrag_aufgeben(p);
            break;
    }
}

void ZAU_Resource_abbau_Teil2(int p) {
    if (!person_pruefen(p, "ZAU_Resource_abbau_Teil2")) return;
    const int use = ZAU_Benutzung(p, "ZAU_Resource_abbau_Teil2 -> Auftrag 101 -> WarenID nicht erkannt.");
    if (use < 0) {
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    switch (use) {
        case Benutzung_stone:
        case Benutzung_lumberjack:
        case Benutzung_ore:
        case Benutzung_recycle:
        case Benutzung_sand:
            Auftragweiterleitung(p, 101, 1, 10);
            break;
        case Benutzung_fishing:
            Auftragweiterleitung(p, 101, 16, 10);
            break;
        default:
            Fehler_melden("ZAU_Resource_abbau_Teil2 -> Auftrag 101 -> USE nicht erkannt.");
            ZAU_Auftrag_aufgeben(p);
            break;
    }
}

void ZAU_Resource_abbau_Teil3(int p, int code, int ware) {
    if (!person_pruefen(p, "ZAU_Resource_abbau_Teil3")) return;
    K(P(p).Zielfeld()).Block() = -1;
    ZAU_Resource_abbau_Ertrag(p, code, ware);
    Auftragweiterleitung(p, 102, 8, 9);
    PM_Ziel_setzen(p, P(p).Auftragsziel2());
}

void ZAU_Resource_abbau_Ertrag(int p, int /*code*/, int /*ware*/) {
    if (!person_pruefen(p, "ZAU_Resource_abbau_Ertrag")) return;
    const int use = ZAU_Benutzung(p, "ZAU_Resource_abbau_Teil2 -> Auftrag 101 -> WarenID nicht erkannt.");
    const int ziel = P(p).Zielfeld();
    switch (use) {
        case Benutzung_stone:
        case Benutzung_lumberjack: {
            // The felled or broken stage follows when the ambient template names one; the
            // end of a chain (stored below every ambient type) leaves the cell as it is.
            const int folge = WU_Naechste_Stufe(K(ziel).Ambiente());
            if (folge >= 0) K(ziel).Ambiente() = folge;
            break;
        }
        case Benutzung_ore: {
            const int feld = P(p).Feld();
            // Never below level 1: the hilltops ore comes from are far higher.
            if (!ELE && K(feld).LandType() >= 2) {
                Hoehe_senken(feld);
                K(feld).Ambiente() = -1;
                Chunk_Feld_geaendert(feld);
            }
            break;
        }
        case Benutzung_fishing:
        case Benutzung_recycle:
            K(ziel).Ambiente() = -1;
            break;
        default:
            break;  // sand and unknown uses leave the cell as it is
    }
    if (use == Benutzung_stone || use == Benutzung_lumberjack || use == Benutzung_ore)
        RU_Huegel_nachtragen(ziel);
}

// --- Planting --------------------------------------------------------------------------

bool ZAU_Pflanzfeld_frei(int feld) {
    if (!MG_Feld_gueltig(feld) || (K(feld).Block() != 1 && K(feld).Block() != -1)) return false;
    const int bewuchs = K(feld).Ambiente();
    if (bewuchs == -1 || SLB_ist_Bodendecke(bewuchs)) return true;
    return MG_ist_Ambiente(bewuchs) && !MG_Ambiente_blockiert(feld) &&
           (!SchU_ist_Schutt(bewuchs) || SchU_Schutt_Index(feld) >= 0);
}

void ZAU_Pflanze_Vorbereitung(int p) {
    if (!PM_Person_gueltig(p)) return;
    Auftragweiterleitung(p, 140, 8, 9);
    const int feld = P(p).Auftragsziel2();
    P(p).Auftragsziel2() = P(p).Zielfeld();
    PM_Ziel_setzen(p, feld);
}

void ZAU_Pflanze_anbauen(int p) {
    if (!person_pruefen(p, "ZAU_Pflanze_anbauen")) return;
    const int ware = P(p).WarenID();
    const int grow =
        (ware >= 0 && static_cast<std::size_t>(ware) < SBU_Waren.size()) ? SBU_Waren[ware].Grow : 0;
    const int ziel = P(p).Zielfeld();
    if (grow < 1 || static_cast<std::size_t>(grow) >= SBU_Ambiente.size()) {
        Fehler_melden(W("ZAU_Pflanze_anbauen WarenID hat keine gültige Ambiente: ") + std::to_string(ware));
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    const int o = ZAU_Objekt_an(P(p).Auftragsziel2());
    if (o < 0) {
        // The farm is gone: the reserved field is given up and the planter goes.
        Fehler_melden("ZAU_Pflanze_anbauen > kein Gebaeude auf Feld " + std::to_string(P(p).Auftragsziel2()));
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    // The field may have changed hands since it was chosen (a ruin cleared around it drops
    // rubble that a collector then holds, a site marks it for levelling): the other holder
    // keeps it, and the order is given up (the farm stops waiting for the unit) so that it
    // plants again elsewhere. Ground cover, and a bush the field was chosen with, hold nothing
    // and are sown over.
    if (!ZAU_Pflanzfeld_frei(ziel)) {
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    // Rubble sown over is no longer there for a collector.
    if (SchU_ist_Schutt(K(ziel).Ambiente()))
        if (const int i = SchU_Schutt_Index(ziel); i >= 0) SchU_Schutt_entfernen(i);
    PM_Skill_trainieren(ware, p);
    K(ziel).Ambiente() = SBU_Ambiente_Basis() + grow;
    WU_Wachstumsauftrag_hinzufuegen(1, 0, ziel, O(o).Besitzer(), O(o).Feld(), ware);
    K(ziel).Block() = 2;
    GU_Arbeit_C_zu_Arbeitslos(p);
    ZAU_Wegschicken(p);
}

// --- Clearing, trapping, hunting ---------------------------------------------------------

void ZAU_Arbeit_Teil2(int p, int code) {
    if (!person_pruefen(p, "ZAU_Arbeit_Teil2")) return;
    const int ziel = P(p).Zielfeld();
    K(ziel).Block() = -1;
    K(ziel).Ambiente() = -1;
    Auftragweiterleitung(p, code, 8, 9);
    PM_Ziel_setzen(p, P(p).Auftragsziel2());
}

void ZAU_Wachstum_Auftrag(int p) {
    if (!person_pruefen(p, "ZAU_Wachstum_Auftrag")) return;
    K(P(p).Feld()).Ambiente() = SBU_ID_cage;
    WU_Wachstumsauftrag_hinzufuegen(1, 0, P(p).Zielfeld(), P(p).Spieler(), P(p).Auftragsziel2(),
                                    P(p).WarenID());
    GU_Arbeit_C_zu_Arbeitslos(p);
    ZAU_Wegschicken(p);
}

void ZAU_Jagen(int p) {
    if (!person_pruefen(p, "ZAU_Jagen")) return;
    if (Hase_Fang_abschliessen(P(p).Zielfeld()) == Hase_Abzug::Kein_Loch) {
        // Nothing caught: the order is given up (the building stops waiting for the unit)
        // and the hunter goes.
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    Auftragweiterleitung(p, 151, 8, 9);
    PM_Ziel_setzen(p, P(p).Auftragsziel2());
}

// --- Production -------------------------------------------------------------------------

void ZAU_Auftrag_250(int p) {
    if (!person_pruefen(p, "ZAU_Auftrag_250")) return;
    // Inside the building: the cell is free for others meanwhile.
    K(P(p).Feld()).Person() = -1;
    P(p).AuftragID() = 251;
}

void ZAU_Auftrag_251(int p) {
    if (!person_pruefen(p, "ZAU_Auftrag_251")) return;
    const int o = ZAU_Objekt_an(P(p).Zielfeld());
    if (o < 0) {
        // The workshop is gone: the worker comes out as soon as its door cell is clear, and goes.
        const int feld = P(p).Feld();
        if (K(feld).Person() != -1 && K(feld).Person() != p) return;
        Fehler_melden("ZAU_Auftrag_251 > kein Gebaeude auf Feld " + std::to_string(P(p).Zielfeld()));
        K(feld).Person() = p;
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    if (O(o).Zaehler() < 1000) {
        const int level = std::max(P(p).Aktiver_Skilllevel(), 0);
        O(o).Zaehler() += static_cast<int>(Ceil_div(static_cast<std::int64_t>(level) + 1, 5));
        if (O(o).Typ() == ZAU_Klangwerkstatt_Typ && ++ZAU_Klangzaehler >= ZAU_Klang_Abstand) {
            ZAU_Klangzaehler = 0;
            SND_Effekt_abspielen(1);
        }
        return;
    }
    O(o).Zaehler() = 1000;
    const int feld = P(p).Feld();
    if (K(feld).Person() != -1) return;  // somebody stands at the door: try again next step
    OM_Produktion_abliefern(P(p).WarenID(), o, P(p).Spieler(), p, feld);
    K(feld).Person() = p;
    O(o).Zaehler() = 0;
    PM_Skill_trainieren(P(p).WarenID(), p);
    GU_Arbeit_C_zu_Arbeitslos(p);
    ZAU_Wegschicken(p);
}

// --- Levelling a construction site ------------------------------------------------------

void ZAU_Feld_planieren(int p) {
    if (!person_pruefen(p, "ZAU_Feld_planieren")) return;
    const int feld = P(p).Feld();
    K(feld).LandType() = 4;
    K(feld).Block() = 1;
    K(feld).Ambiente() = -1;
    Chunk_Feld_geaendert(feld);
    P(p).AuftragID() = 502;
}

void ZAU_Baustelle_pruefen(int p) {
    if (!person_pruefen(p, "ZAU_Baustelle_pruefen")) return;
    const int anker = P(p).WarenID();
    const int typ = P(p).Auftragsziel2();
    if (!MG_Feld_gueltig(anker) || typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size()) {
        Fehler_melden("ZAU_Baustelle_pruefen > Baustelle unbekannt: " + std::to_string(anker) + "/" +
                      std::to_string(typ));
        return;
    }
    const int letztes = SBU_Bauplatz_Felderzahl(typ);
    for (int i = 0; i <= letztes; ++i) {
        const int c = anker + SBU_Bauplatz_Feld_Versatz(typ, i);
        if (!MG_Feld_gueltig(c)) continue;
        if (K(c).Block() == 0) {
            P(p).AuftragID() = 500;
            PM_Ziel_setzen(p, c);
            return;
        }
        if (K(c).Block() == -1) K(c).Block() = 0;
    }
    if (BPU_Bauplatz_belegen_pruefen(anker, typ)) {
        BPU_Baustelle_anlegen(anker, typ, P(p).Spieler());
        GU_Arbeit_B_zu_Arbeitslos(p);
        ZAU_Wegschicken(p);
        return;
    }
    // Somebody (perhaps the builder itself) stands on the footprint: step aside and check again.
    const int t = Schneckenroutine(P(p).Feld(), 30, P(p).Spieler());
    if (t < 0) {
        PM_Ziel_setzen(p, P(p).Feld());
        P(p).Bewegungscounter() = 9;
    } else {
        PM_Ziel_setzen(p, t);
    }
}

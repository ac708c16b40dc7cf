#include "population/Zielaktion.h"

#include <algorithm>
#include <string>

#include "economy/Geldkreis.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "population/Bewegung.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Animation.h"
#include "population/Arbeitsauftraege.h"
#include "population/Bauauftraege.h"
#include "population/Einkauf.h"
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
#include "world/Gelaende.h"
#include "world/Ressourcen.h"
#include "economy/Schutt.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"
#include "population/Zielaktion_Arbeit.h"
#include "population/Zielaktion_Waren.h"
#include "world/Karte.h"

namespace {

Personenzeile& P(int p) { return Personen[static_cast<std::size_t>(p)]; }

// The next stage of an order, -1 for a code that has none.
int naechste_Stufe(int code) {
    switch (code) {
        case 2:
            return 3;
        case 100:
            return 101;
        case 101:
            return 102;
        case 102:
            return 103;
        case 140:
            return 141;
        case 150:
            return 151;
        case 151:
            return 152;
        case 200:
            return 201;
        case 350:
            return 351;
        case 500:
            return 501;
        case 600:
            return 601;
        case 650:
            return 651;
        default:
            return -1;
    }
}

// The pose of animation 15 follows the skill that the order's ware needs.
void Arbeit_nach_Skill(int p) {
    const int ware = P(p).WarenID();
    const int skill =
        (ware >= 0 && static_cast<std::size_t>(ware) < SBU_Waren.size()) ? SBU_Waren[ware].SkillID : -1;
    switch (skill) {
        case 1:
            AU_Animation_Arbeit_7(p);
            break;
        case 2:
            AU_Animation_Arbeit_18(p);
            break;
        case 11:
            AU_Animation_Arbeit_1(p);
            break;
        default:
            AU_Animation_Arbeit_7(p);
            Fehler_melden("Auftragweiterleitung > SkillID nicht erkannt: " + std::to_string(skill));
            break;
    }
}

}  // namespace

int ZAU_Objekt_an(int feld) {
    if (!MG_Feld_gueltig(feld)) return -1;
    const int o = Karte[static_cast<std::size_t>(feld)].Objekt();
    return OM_Objekt_gueltig(o) && Objekte[static_cast<std::size_t>(o)].Feld() >= 1 ? o : -1;
}

int ZAU_Arbeitsdauer(int p) {
    if (!PM_Person_gueltig(p)) return 110;
    // A level outside 0..110 (a damaged save) gives the nearest possible duration.
    return 110 - std::clamp(P(p).Aktiver_Skilllevel(), 0, 110);
}

void ZAU_Zielaktion_Manager(int p) {
    if (!PM_Person_lebt(p)) return;
    if (!BU_Bewegungscounter_pruefen(p)) return;
    const int code = P(p).AuftragID();
    switch (code) {
        case 3:
            ZAU_Job_suchen(p);
            break;
        case 100:
            ZAU_Resource_abbau_Teil1(p);
            break;
        case 101:
            ZAU_Resource_abbau_Teil2(p);
            break;
        case 102:
            ZAU_Resource_abbau_Teil3(p, code, P(p).WarenID());
            break;
        case 103:
        case 152:
        case 201:
            WarezueinemObjektbringen(P(p).WarenID(), p);
            break;
        case 140:
            ZAU_Pflanze_Vorbereitung(p);
            break;
        case 141:
            ZAU_Pflanze_anbauen(p);
            break;
        case 150:
            Auftragweiterleitung(p, 150, 15, ZAU_Arbeitsdauer(p));
            break;
        case 151:
            ZAU_Arbeit_Teil2(p, code);
            break;
        case 200:
        case 350:
            WareauseinemObjketholen(P(p).WarenID(), p, code);
            break;
        case 250:
            ZAU_Auftrag_250(p);
            break;
        case 251:
            ZAU_Auftrag_251(p);
            break;
        case 351:
            ZAU_Baumaterial_zu_Objekt_bringen(P(p).WarenID(), p);
            break;
        case 450:
            ZAU_Nahrung_essen(p, P(p).Auftragsziel2());
            break;
        case 500:
            Auftragweiterleitung(p, 500, 1, 30);
            break;
        case 501:
            ZAU_Feld_planieren(p);
            break;
        case 502:
            ZAU_Baustelle_pruefen(p);
            break;
        case 600:
            Auftragweiterleitung(p, 600, 7, ZAU_Arbeitsdauer(p));
            break;
        case 601:
            ZAU_Wachstum_Auftrag(p);
            break;
        case 650:
            Auftragweiterleitung(p, 650, 7, 9);
            break;
        case 651:
            ZAU_Jagen(p);
            break;
        case 700:
            ZAU_Luxusgut_verbrauchen(p, P(p).Auftragsziel2());
            break;
        case 850:
            ZAU_Hafen_Auftrag(p);
            break;
        case 851:
            break;  // waiting in the harbour for a ship
        case 852: {
            // Set down by a ship: back on the map as soon as the cell is clear.
            const int feld = P(p).Feld();
            if (!MG_Feld_gueltig(feld)) {
                Fehler_melden("ZAU_Zielaktion_Manager > Person " + std::to_string(p) +
                              " landet ausserhalb der Karte: " + std::to_string(feld));
                break;
            }
            if (Karte[static_cast<std::size_t>(feld)].Person() == -1) {
                Karte[static_cast<std::size_t>(feld)].Person() = p;
                ZAU_Wegschicken(p);
            }
            break;
        }
        default:
            Fehler_melden("ZAU_Zielaktion_Manager: Person " + std::to_string(p) +
                          " hat Ziel erreicht, kann Auftrag " + std::to_string(code) + " nicht beenden.");
            break;
    }
}

void Auftragweiterleitung(int p, int code, int animation, int dauer) {
    if (!PM_Person_gueltig(p)) return;
    const int neu = naechste_Stufe(code);
    if (neu < 0) {
        Fehler_melden("Zielaktionunit -> AuftragID nicht bekannt := " + std::to_string(code));
    } else {
        P(p).AuftragID() = neu;
        if (code == 101 || code == 150 || code == 650) PM_Skill_trainieren(P(p).WarenID(), p);
    }
    P(p).Bewegungscounter() = dauer;
    switch (animation) {
        case 1:
            AU_Animation_Arbeit_1(p);
            break;
        case 7:
            AU_Animation_Arbeit_7(p);
            break;
        case 8:
            AU_Animation_gehen(p);
            break;
        case 15:
            Arbeit_nach_Skill(p);
            break;
        case 16:
            AU_Animation_tragen(p);
            break;
        case 18:
            AU_Animation_Arbeit_20(p);
            break;
        case 20:
            AU_Animation_Arbeit_2(p);
            break;
        default:
            Fehler_melden("Zielaktionunit -> AnimationID nicht bekannt := " + std::to_string(animation));
            AU_Animation_gehen(p);
            break;
    }
}

void ZAU_Wegschicken(int p) {
    if (!PM_Person_gueltig(p)) return;
    Auftragweiterleitung(p, 2, 8, 9);
    const int t = Schneckenroutine(P(p).Feld(), 30, P(p).Spieler());
    PM_Ziel_setzen(p, t < 0 ? P(p).Feld() : t);
}

namespace {

// Units the order of the ware registered at the workplace when it was given: a production
// slot waits for a whole batch (Make), every other slot for one unit.
int bestellte_Einheiten(int o, int ware) {
    const int typ = Objekte[static_cast<std::size_t>(o)].Typ();
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Objekte.size() || ware < 0 ||
        static_cast<std::size_t>(ware) >= SBU_Waren.size())
        return 1;
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        if (Objekte[static_cast<std::size_t>(o)].Slot_Ware(k) != ware) continue;
        if (SBU_Objekte[static_cast<std::size_t>(typ)].Slots[static_cast<std::size_t>(k)].Benutzung !=
            Benutzung_Produktion)
            return 1;
        return std::max(SBU_Waren[static_cast<std::size_t>(ware)].Make, 0);
    }
    return 1;
}

// The workplace on the cell stops waiting for what the order was to bring.
void bestellung_streichen(int feld, int ware) {
    const int o = ZAU_Objekt_an(feld);
    if (o < 0) return;
    for (int n = bestellte_Einheiten(o, ware); n > 0; --n) WarenAnschaffungsauftragentfernen(ware, o);
}

// A bought unit not yet taken: the seller's promise is taken back and the price goes back
// to whoever paid it (the clan, or the person itself when person_zahlte).
void kauf_zuruecknehmen(int p, int verkaeufer_feld, int ware, int zahler, bool person_zahlte) {
    Personenzeile& z = P(p);
    const int verkaeufer = ZAU_Objekt_an(verkaeufer_feld);
    if (verkaeufer >= 0) OM_Reservierung_aufheben(ware, verkaeufer);
    int preis = z.Kaufpreis(), an = z.Kaufpreis_an();
    // An order from a game saved before the price was kept: the seller's price now.
    if (preis < 0 && verkaeufer >= 0) {
        an = Objekte[static_cast<std::size_t>(verkaeufer)].Besitzer();
        preis = GU_Warenwert(an, ware);
    }
    if (preis > 0 && GU_Clan_gueltig(an)) {
        if (person_zahlte)
            GKU_Kaufpreis_an_Person_zurueck(an, p, preis);
        else if (GU_Clan_gueltig(zahler))
            GKU_Kaufpreis_an_Spieler_zurueck(an, zahler, preis);
    }
    z.Kauf_erledigt();
}

bool reserviert(int feld) {
    return MG_Feld_gueltig(feld) && Karte[static_cast<std::size_t>(feld)].Block() == 1;
}

// The landscape cell a gatherer reserved and has not worked: free again, back in the
// resource index or the rubble list.
void sammelfeld_zurueck(int feld) {
    if (!reserviert(feld)) return;
    RU_Ressource_zurueckgeben(feld);
    if (SchU_ist_Schutt(Karte[static_cast<std::size_t>(feld)].Ambiente()) && SchU_Schutt_Index(feld) < 0)
        SchU_Schutt_hinzufuegen(feld);
}

// The field a planter reserved, while it is still its own; another holder keeps a field
// that changed hands.
void pflanzfeld_zurueck(int feld) {
    if (reserviert(feld) && ZAU_Pflanzfeld_frei(feld)) MG_Feld_sperre_setzen(feld);
}

// A ripe plant or a trap's catch that nobody will bring in goes with its order, as when
// its building is demolished; the hole under a trap stays.
void erntefeld_zurueck(int feld, bool falle) {
    if (!reserviert(feld)) return;
    if (falle) {
        Hase_Fang_abschliessen(feld);
        return;
    }
    Karte[static_cast<std::size_t>(feld)].Block() = -1;
    Karte[static_cast<std::size_t>(feld)].Ambiente() = -1;
}

// A production order of an airship counted the ship from the moment it was given; one
// that will not be built no longer counts.
void schiff_abmelden(int p, int werkstatt_feld, int ware) {
    if (ware < 0 || static_cast<std::size_t>(ware) >= SBU_Waren.size() ||
        SBU_Waren[static_cast<std::size_t>(ware)].Spez != "ship")
        return;
    const int w = ZAU_Objekt_an(werkstatt_feld);
    const int clan = w >= 0 ? Objekte[static_cast<std::size_t>(w)].Besitzer() : P(p).Spieler();
    if (GU_Clan_gueltig(clan) && Spieler[static_cast<std::size_t>(clan)].Flugschiffe() > 0)
        --Spieler[static_cast<std::size_t>(clan)].Flugschiffe();
}

}  // namespace

void ZAU_Auftrag_freigeben(int p) {
    if (!PM_Person_gueltig(p)) return;
    Personenzeile& z = P(p);
    const int code = z.AuftragID(), ware = z.WarenID(), ziel = z.Zielfeld(), ziel2 = z.Auftragsziel2();
    switch (code) {
        case JU_Auftrag_Tragen: {
            // On the way to the seller: the unit is bought for the workplace, not yet taken.
            const int w = ZAU_Objekt_an(ziel2);
            kauf_zuruecknehmen(p, ziel, ware,
                               w >= 0 ? Objekte[static_cast<std::size_t>(w)].Besitzer() : z.Spieler(), false);
            bestellung_streichen(ziel2, ware);
            break;
        }
        case JU_Auftrag_Material:
            // On the way to the seller for a site: bought, not yet taken; the site needs the unit still.
            kauf_zuruecknehmen(p, ziel, ware, z.Spieler(), false);
            BPU_Materialauftrag_zurueck(ZAU_Objekt_an(ziel2), ware);
            break;
        case JU_Auftrag_Material + 1:
            // The unit in hand is lost with the walk; the site orders it again.
            BPU_Materialauftrag_zurueck(ZAU_Objekt_an(ziel2), ware);
            break;
        case JA_Auftrag_Essen:
        case JA_Auftrag_Luxus:
            kauf_zuruecknehmen(p, ziel, ziel2, -1, true);
            break;
        case JU_Auftrag_Sammeln:
        case JU_Auftrag_Sammeln + 1:
        case JU_Auftrag_Sammeln + 2:
            // The resource cell (the target) is not worked yet.
            sammelfeld_zurueck(ziel);
            bestellung_streichen(ziel2, ware);
            break;
        case JU_Auftrag_Pflanzen:
            // Still on the way to the farm, whose cell is the target; the field is the second cell.
            pflanzfeld_zurueck(ziel2);
            bestellung_streichen(ziel, ware);
            break;
        case JU_Auftrag_Pflanzen + 1:
            pflanzfeld_zurueck(ziel);
            bestellung_streichen(ziel2, ware);
            break;
        case JU_Auftrag_Ernten:
        case JU_Auftrag_Ernten + 1:
        case JU_Auftrag_Falle_leeren:
        case JU_Auftrag_Falle_leeren + 1:
            erntefeld_zurueck(ziel, code >= JU_Auftrag_Falle_leeren);
            bestellung_streichen(ziel2, ware);
            break;
        case JU_Auftrag_Falle:
        case JU_Auftrag_Falle + 1:
            // The hole (the target) reserved for the trap.
            Hase_Loch_freigeben(ziel);
            bestellung_streichen(ziel2, ware);
            break;
        case JU_Auftrag_Tragen + 1:
        case JU_Auftrag_Sammeln + 3:
        case JU_Auftrag_Ernten + 2:
            // Carrying back: whatever the workplace (the second cell) waits for will not come.
            bestellung_streichen(ziel2, ware);
            break;
        case JU_Auftrag_Herstellen: {
            // Not yet inside: the workshop's batch will not be made, and the workshop is free
            // for the next production.
            const int w = ZAU_Objekt_an(ziel);
            bestellung_streichen(ziel, ware);
            if (w >= 0 && Objekte[static_cast<std::size_t>(w)].Zaehler() == 1)
                Objekte[static_cast<std::size_t>(w)].Zaehler() = 0;
            schiff_abmelden(p, ziel, ware);
            break;
        }
        case JU_Auftrag_Herstellen + 1:
            // Inside a workshop that is gone: its product will not come.
            schiff_abmelden(p, ziel, ware);
            break;
        case JU_Auftrag_Bauen:
        case JU_Auftrag_Bauen + 1:
        case JU_Auftrag_Bauen + 2:
            // Levelling: the site (anchor in the ware field, type in the second) waits for a builder.
            JU_Bauauftrag_zurueck(z.Spieler(), ware, ziel2);
            break;
        case JU_Auftrag_Hafen_Reise:
        case JU_Auftrag_Hafen_Reise + 1:
            // On the way to its harbour, or waiting there: the harbour that asked for the
            // settler (the second cell) asks again.
            JU_Siedler_zurueck(ziel2);
            break;
        default:
            break;  // nothing bought or awaited (walks, a landing)
    }
}

void ZAU_Auftrag_aufgeben(int p) {
    if (!PM_Person_gueltig(p)) return;
    ZAU_Auftrag_freigeben(p);
    const int code = P(p).AuftragID();
    // Transport, construction and the own clan's work each count apart; errands
    // (food, luxury, the way to a harbour) and walks to a free spot count as idle already.
    if (code == 200 || code == 201)
        GU_Arbeit_A_zu_Arbeitslos(p);
    else if ((code >= 350 && code < 450) || (code >= 500 && code < 600))
        GU_Arbeit_B_zu_Arbeitslos(p);
    else if ((code >= 100 && code < 200) || (code >= 250 && code < 300) || (code >= 600 && code < 700))
        GU_Arbeit_C_zu_Arbeitslos(p);
    ZAU_Wegschicken(p);
}

void ZAU_Job_suchen(int p) {
    if (!PM_Person_gueltig(p)) return;
    // A detour that ended on the target itself is still held on arrival. An idle person
    // keeps none: a walker blocked by it swaps places only with a person without a path.
    if (P(p).PfadID() >= 0) PFU_Path_loeschen(p);
    P(p).AuftragID() = 0;
    P(p).Bewegungscounter() = 0;
    GU_Arbeitslos_minus(p);
    AU_Animation_gehen(p);
    JU_Person_Job_Schritt(p);
}

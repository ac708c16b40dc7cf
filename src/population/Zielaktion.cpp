#include "population/Zielaktion.h"

#include <algorithm>
#include <string>

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
#include "population/Jobschritt.h"
#include "population/Personen_Leben.h"
#include "population/Personen_Skills.h"
#include "world/Hasen.h"
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

void ZAU_Auftrag_aufgeben(int p) {
    if (!PM_Person_gueltig(p)) return;
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
    P(p).AuftragID() = 0;
    P(p).Bewegungscounter() = 0;
    GU_Arbeitslos_minus(p);
    AU_Animation_gehen(p);
    JU_Person_Job_Schritt(p);
}

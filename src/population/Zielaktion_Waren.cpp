#include "population/Zielaktion_Waren.h"

#include <string>

#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "economy/Baustelle.h"
#include "economy/Haefen.h"
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
#include "world/Karte.h"

namespace {

Personenzeile& P(int p) { return Personen[static_cast<std::size_t>(p)]; }
Objektzeile& O(int o) { return Objekte[static_cast<std::size_t>(o)]; }

// The building under the person; -1 (reported under the routine's name) when there is none.
int gebaeude_der_person(int p, const char* routine) {
    const int o = ZAU_Objekt_an(P(p).Feld());
    if (o < 0)
        Fehler_melden(std::string(routine) + " > kein Gebaeude auf Feld " + std::to_string(P(p).Feld()) +
                      ", Person " + std::to_string(p));
    return o;
}

int Chance_der_Ware(int ware) {
    return ware >= 0 && static_cast<std::size_t>(ware) < SBU_Waren.size() ? SBU_Waren[ware].Chance : 100;
}

// Eating and luxury share everything but what the good does to the person.
void verbrauchen(int p, int ware, bool luxus) {
    if (!PM_Person_lebt(p)) return;
    const int o = ZAU_Objekt_an(P(p).Feld());
    if (o >= 0 && OM_Ware_vorhanden(ware, o)) {
        OM_Ware_auslagern(ware, o);
        P(p).Kauf_erledigt();
        if (luxus)
            PM_Luxus_Glueck(p, ware, o);
        else
            PM_Essen_Vitalitaet(p);
        ZAU_Wegschicken(p);
        return;
    }
    Fehler_melden("ZielAktionUnit > Nahrungessen hat Fehler. Warenkreislauf hat Loch.");
    // Without a seller at all the errand cannot end here: it is given up (the price comes
    // back) instead of waiting for ever.
    if (o < 0) ZAU_Auftrag_aufgeben(p);
}

}  // namespace

void WarezueinemObjektbringen(int ware, int p) {
    if (!PM_Person_lebt(p)) return;
    const int code = P(p).AuftragID();
    const int r = Random(100);
    const int o = gebaeude_der_person(p, "WarezueinemObjektbringen");
    if (o >= 0) {
        if (r >= Chance_der_Ware(ware) && (code == 103 || code == 152))
            WarenAnschaffungsauftragentfernen(ware, o);  // lost on the way
        else
            OM_Ware_einlagern(ware, o);
        if (O(o).Zustand() == 1) OM_Abriss(o);
    }
    if (code == 103 || code == 152)
        GU_Arbeit_C_zu_Arbeitslos(p);
    else if (code == 201)
        GU_Arbeit_A_zu_Arbeitslos(p);
    else
        Fehler_melden("WarezueinemObjektbringen > GU_Mitglied_X_zuY nicht bekannt: " + std::to_string(code));
    ZAU_Wegschicken(p);
}

void WareauseinemObjketholen(int ware, int p, int code) {
    if (!PM_Person_lebt(p)) return;
    const int o = gebaeude_der_person(p, "WareauseinemObjketholen");
    if (o < 0) {
        // The seller is gone: the order is given up (the buyer stops waiting for the unit
        // and gets its price back) and the carrier goes.
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    if (!OM_Ware_vorhanden(ware, o)) {
        Fehler_melden(
            "WareauseinemObjketholen > Warenkreislauf hat ein Loch. Die WarenID wurde im Objekt nicht "
            "gefunden... "
            "W:" +
            std::to_string(ware) + " O:" + std::to_string(o));
        return;
    }
    OM_Ware_auslagern(ware, o);
    P(p).Kauf_erledigt();
    Auftragweiterleitung(p, code, 8, 9);
    PM_Ziel_setzen(p, P(p).Auftragsziel2());
}

void ZAU_Baumaterial_zu_Objekt_bringen(int ware, int p) {
    if (!PM_Person_lebt(p)) return;
    const int o = gebaeude_der_person(p, "ZAU_Baumaterial_zu_Objekt_bringen");
    if (o < 0) {
        ZAU_Auftrag_aufgeben(p);
        return;
    }
    // The unit goes to the first slot of its ware that still misses some; two slots of
    // the same ware are thus both filled.
    int k = -1;
    bool gelistet = false;
    for (int i = 0; i < 4 && k < 0; ++i) {
        if (O(o).Baumaterial_Ware(i) != ware) continue;
        gelistet = true;
        if (O(o).Baumaterial_Rest(i) > 0) k = i;
    }
    if (k >= 0)
        O(o).Baumaterial_Rest(k) -= 1;
    else if (!gelistet)
        Fehler_melden("ZAU_Baumaterial_zu_Objekt_bringen > Material nicht erkannt:" + std::to_string(ware));
    O(o).Material_geliefert() = 1;
    OM_Objekt_in_Betrieb_nehmen(o);
    ZAU_Wegschicken(p);
    GU_Arbeit_B_zu_Arbeitslos(p);
}

void ZAU_Nahrung_essen(int p, int ware) { verbrauchen(p, ware, false); }

void ZAU_Luxusgut_verbrauchen(int p, int ware) { verbrauchen(p, ware, true); }

void ZAU_Hafen_Auftrag(int p) {
    if (!PM_Person_lebt(p)) return;
    const int o = gebaeude_der_person(p, "ZAU_Hafen_Auftrag");
    const int hafen = o >= 0 ? O(o).Hafen() : -1;
    if (hafen < 0 || hafen > Hafen_Ende) {
        if (o >= 0) Fehler_melden("ZAU_Hafen_Auftrag > Objekt " + std::to_string(o) + " ist kein Hafen");
        ZAU_Wegschicken(p);
        return;
    }
    Hafen_Passagier_hinzufuegen(hafen, p);
    Karte[static_cast<std::size_t>(P(p).Feld())].Person() = -1;
    P(p).AuftragID() = 851;
    P(p).WarenID() = 0;
}

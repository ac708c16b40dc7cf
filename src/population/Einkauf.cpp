#include "population/Personen.h"
#include "population/Einkauf.h"

#include <cstddef>
#include <vector>

#include "economy/Geldkreis.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "economy/Warenindex.h"
#include "population/Auftragshilfe.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "population/Edikte.h"
#include "population/Jobarchiv.h"
#include "population/Personen_Geburt.h"
#include "population/Personen_Leben.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Pfade.h"

namespace {

// Sellers at this distance or farther are not visited.
constexpr int Einkauf_Reichweite = 100;

// The search over one list of wares with its rotating cursor.
JA_Angebot verkaeufer_suchen(int person, const std::vector<int>& waren, int& zeiger, const char* routine) {
    JA_Angebot ergebnis;
    const Personenzeile* p = PM_Zeile(person, routine);
    if (!p || !MG_Feld_gueltig(p->Feld())) return ergebnis;
    const int insel = Karte[static_cast<std::size_t>(p->Feld())].Insel();
    const int anzahl = static_cast<int>(waren.size());
    PFU_Wege_von wege(p->Feld());
    for (int versuch = 0; versuch < anzahl; ++versuch) {
        zeiger += 1;
        if (zeiger >= anzahl || zeiger < 0) zeiger = 0;
        const int ware = waren[static_cast<std::size_t>(zeiger)];
        const Warenindex_Liste* l = JU_Warenindex_Liste(ware, insel);
        if (!l) return ergebnis;
        for (int i = 0; i < JU_Eintraege(*l); ++i) {
            const Warenindex_Eintrag& e = l->Eintraege[static_cast<std::size_t>(i)];
            if (!OM_Objekt_gueltig(e.Objekt)) continue;
            // The entry holds the seller's cell: one out of reach is passed over before the
            // seller's row is read.
            const bool nah = FFU_Distanz(e.X + e.Y * MG_Kartengroesse, p->Feld()) < Einkauf_Reichweite;
            if (JA_Schnellwege && !nah) continue;
            const int besitzer = Objekte[static_cast<std::size_t>(e.Objekt)].Besitzer();
            if (GU_Warenwert(besitzer, ware) > p->Gold()) continue;
            if (besitzer != p->Spieler() && JU_Exportverbot(besitzer)) continue;
            // A seller walled in by its neighbours' footprints (or a buyer walled in) could
            // only be given up on the way: it is passed over.
            if (nah && OM_Ware_verfuegbar(e.Objekt, ware) && wege.zu(e.Feld)) return {ware, e.Feld};
        }
    }
    return ergebnis;
}

bool kaufen(int person, const JA_Angebot& angebot, int auftrag, const char* routine) {
    Personenzeile* p = PM_Zeile(person, routine);
    if (!p || p->Gold() <= 0 || angebot.Feld == -1) return false;
    const Kartenfeld* k = MG_Zeile(angebot.Feld, routine);
    if (!k || !OM_Zeile(k->Objekt(), routine)) return false;
    const int s = k->Objekt();
    const int besitzer = Objekte[static_cast<std::size_t>(s)].Besitzer();
    const int preis = GU_Warenwert(besitzer, angebot.Ware);
    if (preis < 0) return false;
    GKU_von_Person_zu_Spieler(person, besitzer, preis);
    OM_Ware_reservieren(angebot.Ware, s);
    p->AuftragID() = auftrag;
    p->Auftragsziel2() = angebot.Ware;
    GU_Arbeitslos_plus(person);
    PM_Ziel_setzen(person, angebot.Feld);
    p->Bewegungscounter() = 9;
    p->Kauf_offen(preis, besitzer);
    return true;
}

}  // namespace

JA_Angebot JA_Nahrung_Verkaeufer_suchen(int person) {
    return verkaeufer_suchen(person, SBU_Food_Waren, SBU_Food_Zeiger, "JA_Nahrung_Verkaeufer_suchen");
}

JA_Angebot JA_Luxus_Verkaeufer_suchen(int person) {
    return verkaeufer_suchen(person, SBU_Luxury_Waren, SBU_Luxury_Zeiger, "JA_Luxus_Verkaeufer_suchen");
}

bool JA_Nahrung_kaufen(int person) {
    if (!PM_Person_gueltig(person) || Personen[static_cast<std::size_t>(person)].Gold() <= 0) return false;
    return kaufen(person, JA_Nahrung_Verkaeufer_suchen(person), JA_Auftrag_Essen, "JA_Nahrung_kaufen");
}

bool JA_Luxusgut_kaufen(int person) {
    if (!PM_Person_gueltig(person) || Personen[static_cast<std::size_t>(person)].Gold() <= 0) return false;
    return kaufen(person, JA_Luxus_Verkaeufer_suchen(person), JA_Auftrag_Luxus, "JA_Luxusgut_kaufen");
}

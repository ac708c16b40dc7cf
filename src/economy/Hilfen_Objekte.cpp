#include "economy/Hilfen_Objekte.h"

#include <string>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Datenzeile.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"

bool FFU_Objekt_eigen(int objekt) {
    const Objektzeile* o = Tabellenzeile(Objekte, objekt);
    const int besitzer = o && o->Feld() >= 1 ? o->Besitzer() : -1;
    if (besitzer < 0) return false;
    if (besitzer == SpielerID) return true;
    const Spielerzeile* s = Tabellenzeile(Spieler, besitzer);
    const Spielerzeile* ich = Tabellenzeile(Spieler, SpielerID);
    return s && ich && s->Buendnis() == 1 && ich->Buendnis() == 1;
}

bool FFU_Objekt_baubar(int vorlage, int spieler) {
    const Objekt_Item* v = Tabellenzeile(SBU_Objekte, vorlage);
    if (!v) {
        Fehler_melden("FFU_Objekt_baubar > Vorlage gibt es nicht: " + std::to_string(vorlage));
        return false;
    }
    if (v->Modus == "Hafen2" || v->Modus == "Start" || v->Modus == "Startex") return false;
    if (v->Neid > 1) return false;
    const Spielerzeile* s = Tabellenzeile(Spieler, spieler);
    return v->AI_Level - 1 < (s ? s->Baustufe() : -1);
}

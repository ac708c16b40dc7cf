#include "foundation/Kernzugriff.h"

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Schablonen.h"
#include "population/Personen.h"
#include "world/Gelaende.h"
#include "world/Karte.h"

namespace {

KernzugriffSeam zeilen;
KernzugriffSeam* aktuell = &zeilen;

template <typename T>
const T* eintrag(const std::vector<T>& tabelle, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < tabelle.size() ? &tabelle[static_cast<std::size_t>(i)]
                                                                  : nullptr;
}

template <typename T>
T* eintrag(std::vector<T>& tabelle, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < tabelle.size() ? &tabelle[static_cast<std::size_t>(i)]
                                                                  : nullptr;
}

int personfeld(Personfeld f) {
    switch (f) {
        case Personfeld::Hunger:
            return Personenzeile::Nr_Hunger;
        case Personfeld::Alter:
            return Personenzeile::Nr_Alter;
        case Personfeld::Geschlecht:
            return Personenzeile::Nr_Geschlecht;
        case Personfeld::Spieler:
            return Personenzeile::Nr_Spieler;
        case Personfeld::Zielfeld:
            return Personenzeile::Nr_Zielfeld;
        case Personfeld::Feld:
            return Personenzeile::Nr_Feld;
        case Personfeld::Aktiver_SkillID:
            return Personenzeile::Nr_Aktiver_SkillID;
        case Personfeld::MutterID:
            return Personenzeile::Nr_MutterID;
        case Personfeld::VaterID:
            return Personenzeile::Nr_VaterID;
        case Personfeld::WarenID:
            return Personenzeile::Nr_WarenID;
        case Personfeld::Vorname:
            return Personenzeile::Nr_Vorname;
        case Personfeld::Nachname:
            return Personenzeile::Nr_Nachname;
        case Personfeld::Namensmodus:
            return Personenzeile::Nr_Namensmodus;
    }
    return -1;
}

}  // namespace

KernzugriffSeam& Kern() { return *aktuell; }
void Kern_setzen(KernzugriffSeam* seam) { aktuell = seam ? seam : &zeilen; }

int KernzugriffSeam::Karte_LandType(int feld) {
    const Kartenfeld* k = eintrag(Karte, feld);
    return k ? k->LandType() : -1;
}

int KernzugriffSeam::Karte_Block(int feld) {
    const Kartenfeld* k = eintrag(Karte, feld);
    return k ? k->Block() : -1;
}

int KernzugriffSeam::Karte_Person(int feld) {
    const Kartenfeld* k = eintrag(Karte, feld);
    return k ? k->Person() : -1;
}

bool KernzugriffSeam::MG_Ambiente_blockiert(int feld) { return ::MG_Ambiente_blockiert(feld); }

int KernzugriffSeam::Personen_Anzahl() { return static_cast<int>(Personen.size()); }

int KernzugriffSeam::Person(int person, Personfeld feld) {
    const Personenzeile* p = eintrag(Personen, person);
    const int n = personfeld(feld);
    return p && n >= 0 ? p->feld(n) : -1;
}

void KernzugriffSeam::Person_setzen(int person, Personfeld feld, int wert) {
    Personenzeile* p = eintrag(Personen, person);
    const int n = personfeld(feld);
    if (p && n >= 0) p->feld(n) = wert;
}

int KernzugriffSeam::Spieler_Buendnis(int clan) {
    const Spielerzeile* s = eintrag(Spieler, clan);
    return s ? s->Buendnis() : -1;
}

int KernzugriffSeam::Spieler_Baustufe(int clan) {
    const Spielerzeile* s = eintrag(Spieler, clan);
    return s ? s->Baustufe() : -1;
}

int KernzugriffSeam::Objekt_Besitzer(int objekt) {
    const Objektzeile* o = eintrag(Objekte, objekt);
    return o && o->Feld() >= 1 ? o->Besitzer() : -1;
}

int KernzugriffSeam::Ware_SkillID(int ware) {
    const Waren_Item* w = eintrag(SBU_Waren, ware);
    return w ? w->SkillID : -1;
}

std::optional<std::string> KernzugriffSeam::Skill_Berufname(int skill) {
    const Skill_Item* s = eintrag(SBU_Skills, skill);
    return s ? std::optional<std::string>(s->Berufname) : std::nullopt;
}

std::optional<std::string> KernzugriffSeam::Gebaeude_Modus(int vorlage) {
    const Objekt_Item* o = eintrag(SBU_Objekte, vorlage);
    return o ? std::optional<std::string>(o->Modus) : std::nullopt;
}

int KernzugriffSeam::Gebaeude_Neid(int vorlage) {
    const Objekt_Item* o = eintrag(SBU_Objekte, vorlage);
    return o ? o->Neid : -1;
}

int KernzugriffSeam::Gebaeude_AI_Level(int vorlage) {
    const Objekt_Item* o = eintrag(SBU_Objekte, vorlage);
    return o ? o->AI_Level : -1;
}

int KernzugriffSeam::SBU_Naechste_Transportware(int ware) { return ::SBU_Naechste_Transportware(ware); }

#include "population/Personennamen.h"

#include "foundation/Datenzeile.h"
#include "foundation/Namen.h"
#include "foundation/Schablonen.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"

namespace {

// Field n of person p; -1 for a row that does not exist, where a write does nothing.
int pfeld(int p, int n) {
    const Personenzeile* z = Tabellenzeile(Personen, p);
    return z ? z->feld(n) : -1;
}
void pfeld_setzen(int p, int n, int wert) {
    if (Personenzeile* z = Tabellenzeile(Personen, p)) z->feld(n) = wert;
}

using P = Personenzeile;

}  // namespace

void NGU_Namensart_Clan(int person) {
    pfeld_setzen(person, P::Nr_Nachname, pfeld(person, P::Nr_Spieler));
    pfeld_setzen(person, P::Nr_Namensmodus, 1);
}

void NGU_Namensart_Elternteil(int person) {
    const int mutter = pfeld(person, P::Nr_MutterID);
    const int vater = pfeld(person, P::Nr_VaterID);
    const int elternteil =
        pfeld(mutter, P::Nr_Aktiver_SkillID) <= pfeld(vater, P::Nr_Aktiver_SkillID) ? vater : mutter;
    const int skill = pfeld(elternteil, P::Nr_Aktiver_SkillID);
    pfeld_setzen(person, P::Nr_Nachname, skill < 0 ? 0 : skill);
    pfeld_setzen(person, P::Nr_Namensmodus, 2);
}

void NGU_Namensart_Kind(int geschlecht, int person) {
    const int elternteil = pfeld(person, geschlecht == 2 ? P::Nr_MutterID : P::Nr_VaterID);
    pfeld_setzen(person, P::Nr_Nachname, pfeld(elternteil, P::Nr_Vorname));
    pfeld_setzen(person, P::Nr_Namensmodus, 3);
}

void NGU_Namen_kopieren(int ziel, int quelle) {
    pfeld_setzen(ziel, P::Nr_Nachname, pfeld(quelle, P::Nr_Nachname));
    pfeld_setzen(ziel, P::Nr_Namensmodus, pfeld(quelle, P::Nr_Namensmodus));
}

std::string NGU_Personenname(int person) {
    const int modus = pfeld(person, P::Nr_Namensmodus);
    const int vorname = pfeld(person, P::Nr_Vorname);
    const int familie = pfeld(person, P::Nr_Nachname);
    const bool frau = pfeld(person, P::Nr_Geschlecht) == 2;
    const Skill_Item* beruf = Tabellenzeile(SBU_Skills, familie);
    const std::vector<std::string>& liste = frau ? NGU_Frauenliste : NGU_Maennerliste;
    switch (modus) {
        case 1:
            return NGU_Listenname(liste, vorname) + " " + NGU_Clanname(familie);
        case 2:
            return NGU_Listenname(liste, vorname) + " " + (beruf ? beruf->Berufname : NGU_Unbekannt);
        case 3:
            return NGU_Listenname(liste, vorname) + (frau ? " Tochter " : " Sohn ") +
                   NGU_Listenname(liste, familie) + W("´s");
        default:
            return "NGU Fehler " + std::to_string(modus);
    }
}

#pragma once
// The persons: one row of 43 Integers per inhabitant (the row index is the
// person's ID), the allocation and freeing of rows, and the two indexes every
// loop over persons relies on. A row whose field 0 is below 1 is free.
#include <vector>

#include "foundation/Datenzeile.h"
#include "foundation/Tabelleneintrag.h"

inline constexpr int Personen_Feldanzahl = 43;
// Founders per clan.
inline constexpr int Startpersonen_Anzahl = 10;

struct Personenzeile : Datenzeile<Personen_Feldanzahl> {
    BHM_FELD(Hunger, 0)  // vitality; below 1 the row is free
    BHM_FELD(Alter, 1)
    BHM_FELD(Geschlecht, 2)  // 1 man, 2 woman
    BHM_FELD(Spieler, 3)     // owning clan
    BHM_FELD(AnimationID, 4)
    BHM_FELD(AuftragID, 5)  // current order code, 0 idle
    BHM_FELD(Zielfeld, 6)
    BHM_FELD(Feld, 7)
    BHM_FELD(Bewegungscounter, 8)
    BHM_FELD(Letztes_Feld, 9)
    BHM_FELD(Pfadschritt, 10)
    BHM_FELD(PfadID, 11)  // row in the path store, -1 none
    BHM_FELD(Wartezaehler, 12)
    BHM_FELD(Reserve13, 13)
    BHM_FELD(Reserve14, 14)
    // The two spare fields keep, while an order holds a bought unit that is not yet taken,
    // the price paid and the clan it was paid to (-1 otherwise), so that an order given up
    // pays back exactly what it paid.
    int& Kaufpreis() { return Reserve13(); }
    int Kaufpreis() const { return Reserve13(); }
    int& Kaufpreis_an() { return Reserve14(); }
    int Kaufpreis_an() const { return Reserve14(); }
    void Kauf_offen(int preis, int an) {
        Kaufpreis() = preis;
        Kaufpreis_an() = an;
    }
    // The unit is taken (or the purchase undone): nothing is open any more.
    void Kauf_erledigt() { Kauf_offen(-1, -1); }
    BHM_FELD(Aktiver_SkillID, 21)
    BHM_FELD(Aktiver_Skilllevel, 22)
    BHM_FELD(ArbeitsplatzID, 23)
    BHM_FELD(Auftragsziel2, 24)
    BHM_FELD(Glueck, 25)  // happiness 0..100
    BHM_FELD(HeimID, 26)
    BHM_FELD(MutterID, 27)
    BHM_FELD(VaterID, 28)
    BHM_FELD(PartnerID, 29)
    BHM_FELD(Gold, 35)  // purse
    BHM_FELD(WarenID, 36)
    BHM_FELD(Arbeiter_Indexplatz, 37)
    BHM_FELD(Frauen_Indexplatz, 38)
    BHM_FELD(Geburtstag, 39)  // step of the year on which the age grows
    BHM_FELD(Vorname, 40)
    BHM_FELD(Nachname, 41)
    BHM_FELD(Namensmodus, 42)  // 1 clan name, 2 parent's occupation, 3 parent's first name

    // Skill slot k = 0..2 (fields 15/16, 17/18, 19/20).
    int& Skill_ID(int k) { return feld(15 + 2 * k); }
    int& Skill_Level(int k) { return feld(16 + 2 * k); }
    int Skill_ID(int k) const { return feld(15 + 2 * k); }
    int Skill_Level(int k) const { return feld(16 + 2 * k); }
    // Child slot k = 0..4 (fields 30..34).
    int& KindID(int k) { return feld(30 + k); }
    int KindID(int k) const { return feld(30 + k); }
};
static_assert(sizeof(Personenzeile) == Personen_Feldanzahl * sizeof(int));

extern std::vector<Personenzeile> Personen;
// Highest row in use; every loop over persons runs 0..Personen_hoechster_Index.
extern int Personen_hoechster_Index;
// Where the next search for a free row begins.
extern int Personen_Suchstart;
// Sex of the next created person (1..2).
extern int Geschlecht_Zaehler;
// World totals: living persons and the sum of their ages.
extern int WV, WAlt;

inline bool PM_Person_gueltig(int p) { return p >= 0 && static_cast<std::size_t>(p) < Personen.size(); }
// Row of person p; nullptr (reported with the routine's name) for a row that does not exist.
inline Personenzeile* PM_Zeile(int p, const char* routine) {
    return Tabelleneintrag(Personen, p, routine, "unbekannte Person");
}
inline bool PM_Person_lebt(int p) {
    return PM_Person_gueltig(p) && Personen[static_cast<std::size_t>(p)].Hunger() >= 1;
}

// Takes a free row and initialises it as a founder (kind false) or a child of mutter,
// standing on feld and belonging to clan; the new person's ID, -1 for a bad cell or clan.
int PM_Person_erzeugen(bool kind, int feld, int mutter, int clan);
// Frees the row of a person who has died, with every clean-up that belongs to it.
void PM_Person_loeschen(int person);
// Gives the person a new target cell; a detour it still holds for another target is released.
void PM_Ziel_setzen(int person, int feld);
// Recomputes Personen_hoechster_Index (and the search start) from the top down.
void PM_Hoechsten_Index_bestimmen();
// No rows, search start 0, highest index -1, world totals 0, the next person a man (world reset).
void PM_Personen_leeren();

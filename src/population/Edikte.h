#pragma once
// Edicts: a clan's standing laws turned into effects on its members'
// happiness, purses and placement; two per-clan settings of this unit (saved
// as "EDU.sav"); and the timed entries of the interactive edict window.
#include <string>
#include <vector>

struct Edikt_Sammlung {
    int Abriss_Modus = 0;  // 0 not chosen, 1 on, 2 off
    int Namensmodus = 0;   // 0 not chosen, else 1 clan name, 2 parent's occupation, 3 parent's first name
    int Reserve = 0;
    bool operator==(const Edikt_Sammlung&) const = default;
};

struct Zeitedikt {
    bool Aktiv = false;
    int Restmonate = 0;
};

struct Zeitedikt_Liste {
    int Anzahl = 0;
    std::vector<Zeitedikt> Eintraege;
};

// Indexed by clan.
extern std::vector<Edikt_Sammlung> Edikte;
extern std::vector<Zeitedikt_Liste> Zeitedikte;

// One record per clan row; records that exist keep their values (new world, loaded game).
void EDU_Edikte_initialisieren();
// No records, no timed entries (world reset).
void EDU_Zuruecksetzen();
// "EDU.sav": one line per clan, Abriss_Modus/Namensmodus/Reserve. Saving is false when the
// file could not be written; a missing file changes nothing on loading.
bool EDU_Speichern(const std::string& pfad);
void EDU_Laden(const std::string& pfad);

// A gathering building whose search is exhausted and whose store is empty is demolished.
bool EDU_Edikt_Arbeit_aktiv(int clan);
// How a child of the clan inherits its family name: 1..3.
int EDU_Namensvererbung_Modus(int clan);
// Under the employment-office edict an idle person asks the office for a post.
bool EDU_Arbeitsamt_Edikt(int person);

// The monthly happiness terms; those that move gold do so as they are evaluated.
// Alliance: 1 or 0.
int EDU_Glueck_Edikt_A(int person);
// Tax: -5 or 0.
int EDU_Glueck_Edikt_B(int person);
// Poor relief: 1 or 0.
int EDU_Glueck_Edikt_C(int person);
// Redistribution through the clan's edict fund: -1, 0 or 1.
int EDU_Glueck_Edikt_D(int person);
// Levy on members with a home: -1 or 0.
int EDU_Glueck_Wohnen(int person);
// Child money for a newborn.
void EDU_Kindergeld(int clan, int kind);

// Adds a timed entry with the duration chosen in the edict window.
void EDU_Zeitedikt_eintragen(int clan);
// Counts the timed entries down by one month; expired entries are removed.
void EDU_Edikte_monatlich();

#pragma once
// stand-in until its unit lands
//
// Routines and lists of other units that the object, construction-site and
// rubble units call. The bodies in Vorlaeufig_objekte.cpp do the harmless
// minimum; the owning units replace them.
#include <vector>

// --- Order lists ------------------------------------------------------------------

struct Job_Befehl {
    int Befehl = 0;
    int Feld = 0;
    int Typ = 0;
    int Ware = 0;
    int Lohn = 0;
    int Menge = 0;
};

struct JU_Befehlsliste_Eintrag {
    int Anzahl = 0;                   // orders 0..Anzahl-1
    std::vector<Job_Befehl> Befehle;  // spare room beyond Anzahl
};

// Indexed by clan.
extern std::vector<JU_Befehlsliste_Eintrag> JU_Befehlsliste;

// Appends an order to the clan's list.
void JU_Befehl_eintragen(int befehl, int spieler, int feld, int typ, int ware, int lohn, int menge);
// Withdraws the open material orders of the object's site.
void JU_Materialauftraege_streichen(int objekt);

// --- Persons and housing ---------------------------------------------------------

// Enters the person as inhabitant of the home.
void PM_Bewohner_eintragen(int heim, int person);
// Marries the woman to the husband and moves her into the home.
void PM_Heirat(int frau_clan, int clan, int mann, int frau, int heim);
// Removes the entry at the position of the clan's housing list.
void WRU_Wohnraum_austragen(int clan, int position);

// A compact list of persons: slots 0..Letzter_Platz in use, -1 = free.
struct Index {
    int Letzter_Platz = -1;
    std::vector<int> Eintraege;
};
// Women without a partner.
extern Index SingelFrau_Index;

// --- Growth and harvest orders -----------------------------------------------------

bool WU_Wachstumsauftrag_hinzufuegen(int art, int zaehler, int feld, int spieler, int objekt, int ware);
void WU_Gebaeude_entfernt(int objekt);
void ERU_Gebaeude_entfernt(int objekt);

// --- Computer players, ships, harbours ---------------------------------------------

void KI_Objekt_abmelden(int objekt);
void Schiff_bauen(int objekt);
void Hafen_registrieren(int objekt);

#pragma once
// The clans' order lists: open orders any idle member (or idle ship) of the
// clan may take - building a placed site, fetching construction material,
// building a harbour site by ship, sending settlers to a harbour. Saved as
// "W.sav".
#include <string>
#include <vector>

// Order codes of the lists.
inline constexpr int JU_Material = 350;
inline constexpr int JU_Bauen = 500;
inline constexpr int JU_Schiffsbau = 800;
inline constexpr int JU_Siedler = 850;

struct Job_Befehl {
    int Befehl = 0;
    int Feld = 0;
    int Typ = 0;
    int Ware = 0;
    int Lohn = 0;
    int Menge = 0;
    bool operator==(const Job_Befehl&) const = default;
};

// Only Befehle[0 .. Anzahl - 1] are orders; the rest is spare room (zero records).
struct JU_Befehle {
    int Anzahl = 0;
    std::vector<Job_Befehl> Befehle;
};

// Indexed by clan.
extern std::vector<JU_Befehle> JU_Befehlsliste;

// Appends an order to the clan's list (the list of lists and the record array grow as needed).
void JU_Befehl_eintragen(int befehl, int spieler, int feld, int typ, int ware, int lohn, int menge);
// The clan's first order with the code on the cell (and, when ware is 0 or more, for that
// ware); nothing when there is none.
Job_Befehl* JU_Befehl_finden(int spieler, int befehl, int feld, int ware = -1);
// The last order moves into the index; the order of the others is not kept.
void JU_Befehl_entfernen(int spieler, int index);
// No lists (world reset).
void JU_Zuruecksetzen();
// The first order of the person's clan the person can take; false when none.
bool JU_Auftragsliste_abarbeiten(int person);
// Tries the clan's order at the index for the person.
bool JU_Job_ermittlen(int spieler, int index, int person);
// The first harbour-site order of the ship's clan for the idle ship.
bool JU_Schiffsauftrag(int schiff);
// Takes the clan's harbour-site order at the index for the ship (code 800 only).
bool JA_Schiffsauftrag_suchen(int spieler, int index, int schiff);
// Withdraws the material orders of a site or building being demolished.
void JU_Materialauftraege_streichen(int objekt);
// Puts the first material order of a non-house ahead of the first one of a house.
void JU_Materialauftraege_vorziehen(int spieler);
// False when the file could not be written (reported).
bool JU_Speichern(const std::string& pfad);
// Appends the orders of the file; nothing when it is missing.
void JU_Laden(const std::string& pfad);

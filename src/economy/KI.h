#pragma once
// The computer players: one shared scheduler gives every clan row one turn a
// month, spread evenly over the month. A living computer clan sets its level and
// decides what to build (food, housing and production in turn), placing at most
// one site a turn; a clan that died out is wound up over its following turns.
// Every decision leaves its reason in the clan's status text.
#include <string>
#include <vector>

// The clan row whose turn comes next.
extern int KI_aktueller_Spieler;
// The last decision text of each clan row.
extern std::vector<std::string> KI_Status;

// Phases of the build decision (Spieler.KI_Phase).
inline constexpr int KI_Phase_Nahrung = 0;
inline constexpr int KI_Phase_Wohnung = 1;
inline constexpr int KI_Phase_Produktion = 2;

// No turn taken yet, no status texts (tests, new game).
void KIU_Zuruecksetzen();

// --- Turns, level and winding up ------------------------------------------------

// One turn per step for at most one clan.
void KIU_KI_Manager();
// The clan has members and is computer-controlled.
bool KI_Spieler_aktiv(int clan);
// clan + 1, or 0 past the last row.
int KI_naechster_Spieler(int clan, int letzte_zeile);
// The clan's level from its members, capped by the level chosen at set-up.
void KI_Level_setzen(int clan);
// Marks a building of the phase (1 food, 2 housing, 3 production) as under construction.
void KI_im_Bau_merken(int clan, int typ, int phase);
// A first completed object clears its owner's pending marks of its type.
void KI_Objekt_abmelden(int objekt);
// One step of winding up a died-out clan.
void KI_Abrechnen(int clan);

// --- Build decisions ----------------------------------------------------------------

void KI_Bauen(int clan);
void KI_Nahrung_bauen(int clan);
void KI_Wohnung_bauen(int clan);
void KI_Produktion_bauen(int clan);
// A production building of the level or below that passes every test; -1 when none.
int KI_Produktion_waehlen(int stufe, int clan);
// Places a site of the type near its search centre; false when the placement
// failed in a way that should block the home island. A place that no seller of a
// material could supply gets no site and blocks nothing (true).
bool KI_Bauplatz_setzen(int clan, int typ, int phase);
// Every material of the type can be brought to the place (`JU_Baustelle_belieferbar`): from
// one of the clan's own buildings keeping it within the supplier search's reach, or, for a
// material the clan keeps nowhere on the island, from any seller within that reach.
bool KI_Bauplatz_belieferbar(int platz, int typ, int clan);
// Where a site of the type is looked for; -1 when its resource is missing.
int KI_Suchzentrum(int clan, int typ);
// Moves the home cell to the clan's next building.
void KI_Heimat_wechseln(int clan);
// Food -> housing -> production -> food.
void KI_Phase_weiter(int clan);
bool KI_Baumaterial_vorhanden(int clan, int typ);
bool KI_Rohstoff_Grund(int typ, int clan);
bool KI_Rohstoff_Ueberschuss(int typ, int clan);
bool KI_Typ_Grenze(int typ, int clan);

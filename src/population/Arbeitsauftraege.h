#pragma once
// Work orders by ware use: the one order a worker gets for one goods slot of
// its workplace - fetch the ware from another building, produce it, plant it,
// hunt it, gather it from the landscape or clear rubble - and the supplier
// search the fetching orders share.

// Order codes given here.
inline constexpr int JU_Auftrag_Sammeln = 100;
inline constexpr int JU_Auftrag_Pflanzen = 140;
inline constexpr int JU_Auftrag_Tragen = 200;
inline constexpr int JU_Auftrag_Herstellen = 250;
inline constexpr int JU_Auftrag_Falle = 600;
// The harvest orders a building's harvest list hands out: a ripe plant, a trap's catch.
inline constexpr int JU_Auftrag_Ernten = 150;
inline constexpr int JU_Auftrag_Falle_leeren = 650;

// One order for goods slot j of workplace w; true when the person got one.
bool JU_Auftrag_geben(int person, int w, int j);
// The anchor cell of the nearest building on the buyer's island that sells one
// unit of the ware to the buyer and that a carrier can walk to from the buyer, or -1.
int JU_Lieferant_suchen(int b, int ware, bool gleicher_typ_erlaubt);
// Distance from the cell to the nearest seller of the ware for the clan (below 121), or -1.
int JU_Lieferant_Distanz(int feld, int ware, int spieler);
// The same for the interface's text pages.
int JU_Auftrag_Text(int feld, int ware, int spieler);
// Some building on the cell's island within the supplier search's reach keeps a goods slot
// for the ware and sells to the clan (in stock or not): a site on the cell can be supplied.
bool JU_Lieferant_in_Reichweite(int feld, int ware, int spieler);
// A site of the clan on the cell can be supplied with the ware: when the clan keeps the ware
// itself somewhere on the cell's island, one of its own buildings keeping it lies within the
// supplier search's reach; otherwise some seller does (`JU_Lieferant_in_Reichweite`).
bool JU_Baustelle_belieferbar(int feld, int ware, int spieler);

// The orders of the slot uses; each (person, workplace, ware).
bool JU_Auftrag_Holen(int person, int w, int ware);
bool JU_Auftrag_Hafen(int person, int w, int ware);
bool JU_Auftrag_Produktion(int person, int w, int ware);
bool JU_Auftrag_Anbau(int person, int w, int ware);
bool JU_Auftrag_Jagd(int person, int w, int ware);
bool JU_Auftrag_Schutt(int person, int w, int ware);
bool JU_Auftrag_Resource_A(int person, int w, int ware);
bool JU_Auftrag_Resource_B(int person, int w, int ware);
bool JU_Auftrag_Stein(int person, int w, int ware);
bool JU_Auftrag_Suche_A(int person, int w, int ware);
bool JU_Auftrag_Suche_B(int person, int w, int ware);

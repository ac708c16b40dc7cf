#pragma once
// Construction, material and harbour orders: what a person or an idle ship
// takes from its clan's order list, the loads for idle ships, and the clean-up
// of a vanished plant's order.

// Order codes a person gets here.
inline constexpr int JU_Auftrag_Material = 350;
inline constexpr int JU_Auftrag_Bauen = 500;
inline constexpr int JU_Auftrag_Hafen_Reise = 850;
// A settler waiting in a harbour for a ship, and one a ship has just set down.
inline constexpr int JU_Auftrag_im_Hafen = JU_Auftrag_Hafen_Reise + 1;
inline constexpr int JU_Auftrag_gelandet = JU_Auftrag_Hafen_Reise + 2;

// The person takes the clan's order at the index; false leaves everything as it was.
bool JU_Bauauftrag_annehmen(int spieler, int index, int person);
bool JU_Materialauftrag_annehmen(int spieler, int index, int person);
bool JU_Befehl_Hafen(int spieler, int index, int person);
// The clan's order to build the site planned at the anchor goes back into its list (the
// builder who took it gave it up); nothing once the site is no longer planned there.
void JU_Bauauftrag_zurueck(int spieler, int anker, int typ);
// One settler for the harbour at the cell is asked for again (one sent gave it up or lost
// its harbour of departure); nothing when no harbour stands there.
void JU_Siedler_zurueck(int hafenfeld);
// A passenger waiting at one of the ship's clan's harbours boards the idle ship.
bool JU_Schiff_beladen(int schiff);
// A goods load between two harbours of the ship's clan.
bool JU_Hafenjob_vergeben(int schiff);
// The plant of a growth order disappeared: its cell is freed and the building's order cancelled.
void JU_Pflanze_Auftrag_beenden(int ware, int pflanzenfeld, int gebaeudefeld);

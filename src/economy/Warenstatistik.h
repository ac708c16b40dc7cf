#pragma once
// Goods statistics: every unit a clan produces is booked per clan and ware, per ware
// for the whole world, and per clan and goods group (0 other, 1 food, 2 luxury). The
// lists grow on demand; the tables are saved as "LGKSWA.sav", "LGKWWA.sav" and
// "LGKSWG.sav".
#include <string>
#include <vector>

inline constexpr int LGK_Gruppe_Sonstiges = 0;
inline constexpr int LGK_Gruppe_Nahrung = 1;
inline constexpr int LGK_Gruppe_Luxus = 2;

// Per clan, per WarenID the produced total.
extern std::vector<std::vector<int>> LGK_Spieler_Waren;
// Per WarenID the total over all clans.
extern std::vector<int> LGK_Welt_Waren;
// Per clan, per group the produced total.
extern std::vector<std::vector<int>> LGK_Spieler_Gruppen;

// All three tables to length 0 (world reset).
void LGK_Statistik_leeren();
// Books an amount of the ware produced by the clan into all three tables.
void LGK_Produktion_verbuchen(int clan, int ware, int menge);
// 1 for exactly "food", 2 for exactly "luxury", else 0.
int LGK_Gruppe_von_Spez(const std::string& spez);
void LGK_Spieler_Ware_addieren(int clan, int ware, int menge);
void LGK_Welt_Ware_addieren(int ware, int menge);
// Also adds the amount to the clan's production trend.
void LGK_Spieler_Gruppe_addieren(int clan, int gruppe, int menge);
// The clan's food, luxury and other totals; 0 where there is no entry.
int LGK_Nahrung_des_Spielers(int clan);
int LGK_Luxus_des_Spielers(int clan);
int LGK_Sonstiges_des_Spielers(int clan);
// Write / read the three files in the save folder. Saving is false when a file could not
// be written (reported).
bool LGK_File_Save(const std::string& ordner);
void LGK_File_Load(const std::string& ordner);

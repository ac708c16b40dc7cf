#pragma once
// Statistics series per clan and their charts.
//
// Every clan keeps a ring of 65 yearly slots for 26 clan series and, per ware,
// a stock series (units held in the clan's buildings) and an intake series
// (units stored during the slot's year). The current slot advances once a year.
// The chart of one series is drawn into a 256 x 256 RGB pixel buffer that the
// screen turns into a texture.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int DiaU_Slots = 65;
inline constexpr int DiaU_Clanreihen = 26;
// The series groups of DiaU_Wert_einsetzen.
inline constexpr int DiaU_Gruppe_Bestand = 1;
inline constexpr int DiaU_Gruppe_Zugang = 2;
inline constexpr int DiaU_Gruppe_Clan = 3;

struct Spieler_Diagram {
    // Series k (1..26) occupies positions (k - 1) * 65 .. (k - 1) * 65 + 64.
    std::array<int, DiaU_Clanreihen * DiaU_Slots> Clan{};
    // Per ware 65 slots.
    std::vector<std::array<int, DiaU_Slots>> Bestand;
    std::vector<std::array<int, DiaU_Slots>> Zugang;
};

// One record per clan row.
extern std::vector<Spieler_Diagram> DiaU_Spieler;
// The current slot of the ring (0..64, starts at 1).
extern int DiaU_Startpunkt;
// Smallest and largest value of the last chart (axis labels of the statistics window).
extern int DiaU_Min_Punkt, DiaU_Max_Punkt;

// Sizes the series to the clan rows and every clan's ware series to the goods templates; all 0.
void DiaU_Init();
// Empties the series (world reset).
void DiaU_Leeren();

// The one entry for writing: group 1 stock, 2 intake (both add), 3 clan series (sets).
void DiaU_Wert_einsetzen(int clan, int gruppe, int id, int wert, int slot);
// Add wert to the stock or intake series of the ware at the slot.
void DiaU_Ware_set_Wert(int clan, int ware, int slot, int wert);
void DiaU_Zugang_set_Wert(int clan, int ware, int slot, int wert);
// Sets the slot of clan series id (1..26).
void DiaU_Clan_set_Wert(int clan, int id, int slot, int wert);
// Readers; 0 where the series holds nothing.
int DiaU_Ware_get_Wert(int clan, int ware, int slot);
int DiaU_Zugang_get_Wert(int clan, int ware, int slot);
int DiaU_Clan_get_Wert(int clan, int id, int slot);
int DiaU_Clan_lesen(int clan, int id, int slot);
// Samples the clan's current figure of series id into the current slot.
void DiaU_Clan_Eintragen(int clan, int id);
// The yearly step: next slot, stock carried over, intake cleared, clan series sampled.
void DiaU_Zeitschritt();
// Zeroes the clan's 26 clan series (a wound-up clan); its ware series stay.
void DiaU_Clan_loeschen(int clan);

// The save file "DiaUV2.sav". Both take the save folder; speichern also accepts the
// file's own path. False when the file could not be written (reported).
bool DiaU_speichern(const std::string& ordner);
void DiaU_laden(const std::string& ordner);

// --- Charts -------------------------------------------------------------------------

inline constexpr int DiaU_Chartgroesse = 256;
// The chart's pixels: row-major, 256 pixels a row, 3 bytes (R, G, B) a pixel.
extern std::array<std::uint8_t, DiaU_Chartgroesse * DiaU_Chartgroesse * 3> DiaU_Pixel;

// Draws the chart of the series (category 1 stock of ware reihe, 2 intake of ware reihe,
// 3 clan series reihe) and hands it to the screen as the chart texture.
void DiaU_Chart_erstellen(int kategorie, int reihe);
// Widen DiaU_Min_Punkt / DiaU_Max_Punkt over slots 1..64 of the series.
void DiaU_Spanne_Ware(int clan, int ware);
void DiaU_Spanne_Zugang(int clan, int ware);
void DiaU_Spanne_Clan(int clan, int id);
// Number of points of a segment between two pixel rows: |y2 - y1| + 4.
int DiaU_Linienschritte(int y1, int y2);
// The slot after DiaU_Startpunkt (0 after 64).
int DiaU_naechster_Punkt();

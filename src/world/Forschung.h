#pragma once
// Research: one research table per clan with a fixed set of entries, and the
// three trait values every clan rolls at the start of a game. No rule reads the
// table yet; it lives for the game and goes with the world.
#include <string>
#include <vector>

struct T_Forschung_Item_R {
    int Stufe = 0;
    std::string Titel;
    bool Erforscht = false;
    int Kategorie = 0;
};

struct T_Forschung_R {
    std::vector<T_Forschung_Item_R> Eintraege;
    int Stand = 0;
};

// One table per clan row.
extern std::vector<T_Forschung_R> FU_Forschung;

// Empties the tables (world reset).
void FU_Forschung_loeschen();
// One table per clan row with ten entries "Baustelle erweitern" (category 0)
// and ten "Flugschiffe erweitern" (category 1), all at level 2, none researched.
void FU_Forschung_anlegen();
// Rolls the trait values of every clan row from 0 upward.
void FU_Werte_wuerfeln();
// Spieler.Forschung_1, _2, _3 := 1..5 each, drawn in this order.
void FU_Werte_wuerfeln_Spieler(int clan);

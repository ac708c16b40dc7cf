#pragma once
// What the text writers read of the central rows, each index checked: a row that
// does not exist reads as nothing (nullptr or empty text) and is reported with the
// routine's name; a negative index ("none") is not reported.
#include <string>

#include "economy/Spieler.h"

struct Objektzeile;
struct Objekt_Item;

// The human clan's row; nullptr while there is none (no game).
Spielerzeile* TPU_Mensch();
Spielerzeile* TPU_Clan(int clan, const char* routine);
Objektzeile* TPU_Objekt(int objekt, const char* routine);
const Objekt_Item* TPU_Vorlage(int typ, const char* routine);
// The template of the object's type.
const Objekt_Item* TPU_Objektvorlage(int objekt, const char* routine);
std::string TPU_Warentitel(int ware, const char* routine);
std::string TPU_Warentext(int ware, const char* routine);
std::string TPU_Clanname(int clan, const char* routine);
// Food, luxury and other goods the clan produced.
long long TPU_Waren_des_Spielers(int clan);
// Plain decimal.
inline std::string TPU_Zahl(long long n) { return std::to_string(n); }

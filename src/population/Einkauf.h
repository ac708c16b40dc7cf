#pragma once
// Buying food and luxury goods: a hungry or unhappy person with gold buys one
// unit from a building on its own island, pays the seller's clan at once and
// walks there to eat or enjoy it.

// Order codes of the purchases.
inline constexpr int JA_Auftrag_Essen = 450;
inline constexpr int JA_Auftrag_Luxus = 700;

// A seller found by the searches: the ware and the seller's anchor cell (-1 none).
struct JA_Angebot {
    int Ware = -1;
    int Feld = -1;
};

bool JA_Nahrung_kaufen(int person);
bool JA_Luxusgut_kaufen(int person);
JA_Angebot JA_Nahrung_Verkaeufer_suchen(int person);
JA_Angebot JA_Luxus_Verkaeufer_suchen(int person);

#pragma once
// Texts of the build window (with the hover box of the building under the mouse
// and its goods-flow diagram), of the info window of a map object and of the
// goods info box. The window writers are called in each of the five outline
// passes; dx, dy are the pass's offsets, added to every position.
#include <string>

void TPU_Baufenstertexte(int dx, int dy, int Durchgang);
void TPU_Objektinfotexte(int Objekt, int dy, int dx, int Durchgang);
// The production line of a building with counter Zaehler whose first goods slot has use Art.
void TPU_Produktionszeile(int Zaehler, int Art, int Durchgang, std::string& Zeile);
void TPU_Wareninfo(int x, int y, int dy, int dx, int Ware);
// The last position (1-based) from Von down to Bis whose character is Zeichen;
// Von when there is none; the length when Von lies beyond it or Bis equals it.
int TPU_Umbruchstelle(const std::string& Text, const std::string& Zeichen, int Von, int Bis);
// The smallest n from which (1-based; 0 and 1 both the whole text) Text fits into
// Breite pixels of the big font; the length + 1 when not even the empty tail fits.
int TPU_Textanfang_kuerzen(const std::string& Text, int Breite);

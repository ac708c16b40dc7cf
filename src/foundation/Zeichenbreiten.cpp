#include "foundation/Zeichenbreiten.h"

int TPU_Zeichenbreiten_Font1[256];
int TPU_Zeichenbreiten_Font2[256];

namespace {
int breite(const int (&tabelle)[256], std::string_view text) {
    int summe = 0;
    for (char c : text) summe += tabelle[static_cast<unsigned char>(c)];
    return summe;
}
}  // namespace

int TPU_Textbreite_Font1(std::string_view text) { return breite(TPU_Zeichenbreiten_Font1, text); }
int TPU_Textbreite_Font2(std::string_view text) { return breite(TPU_Zeichenbreiten_Font2, text); }

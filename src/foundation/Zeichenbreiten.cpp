#include "foundation/Zeichenbreiten.h"

int TPU_Zeichenbreiten_Font1[256];
int TPU_Zeichenbreiten_Font2[256];

int TPU_Textbreite_Font2(std::string_view text) {
    int breite = 0;
    for (char c : text) breite += TPU_Zeichenbreiten_Font2[static_cast<unsigned char>(c)];
    return breite;
}

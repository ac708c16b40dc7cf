// stand-in until its unit lands
#include "ui/Vorlaeufig_ui_overlay.h"

#include "foundation/Zeichenbreiten.h"

void TPU_Paneltexte() {}
void TPU_Dollarcode_formatieren(const std::string& Text, std::string& Ergebnis) { Ergebnis = Text; }

void TPU_Statistiktexte(int, int) {}
void TPU_Edikt_Intraktiv_Panel_Text(int, int, int) {}
void TPU_Inseluebersicht() {}
void TPU_Baufenstertexte(int, int, int) {}
void TPU_Objektinfotexte(int, int, int, int) {}
void TPU_Wareninfo(int, int, int, int, int) {}
int TPU_Textanfang_kuerzen(const std::string& Text, int Breite) {
    const int laenge = static_cast<int>(Text.size());
    for (int n = 0; n <= laenge; ++n) {
        const std::size_t ab = n < 1 ? 0 : static_cast<std::size_t>(n - 1);
        if (TPU_Textbreite_Font1(std::string_view(Text).substr(ab)) < Breite) return n;
    }
    return laenge + 1;
}

std::vector<std::string> TPU_Edikt_Effektzeilen;
void TPU_Edikt_Effekt_Text(int, int) { TPU_Edikt_Effektzeilen.clear(); }

int Minimap_Art = 0;
std::array<Spieler_element, 8> Lobby_Spieler;

Index Arbeiter_Index;
Index SpArbeiter_Index;

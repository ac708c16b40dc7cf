#include "foundation/Textzeilen.h"

#include "platform/base/Zahl.h"

std::string FFU_Slashteil(const std::string& text) { return text.substr(0, text.find('/')); }

void FFU_Slashteil_entnehmen(std::string& text, std::string& feld) {
    std::size_t p = text.find('/');
    if (p == std::string::npos) {
        feld = text;
        text.clear();
    } else {
        feld = text.substr(0, p);
        text.erase(0, p + 1);
    }
}

std::string FFU_Teil_Nr(const std::string& text, char trenner, int n) {
    if (n < 0) return {};
    std::size_t anfang = 0;
    for (int i = 0; i < n; ++i) {
        std::size_t p = text.find(trenner, anfang);
        if (p == std::string::npos) return {};
        anfang = p + 1;
    }
    return text.substr(anfang, text.find(trenner, anfang) - anfang);
}

std::string FFU_Zeile_bauen(const std::vector<int>& werte) {
    std::string zeile;
    for (std::size_t i = 0; i < werte.size(); ++i) {
        if (i > 0) zeile += '/';
        zeile += std::to_string(werte[i]);
    }
    return zeile;
}

bool FFU_Zahl_lesen(const std::string& feld, int& wert) { return Zahl_lesen(feld, wert); }

bool FFU_Spielstandzahl_lesen(std::string_view feld, int& wert) {
    int w = 0;
    if (!Zahl_lesen(feld, w) || w > FFU_Spielstandwert_max || w < -FFU_Spielstandwert_max) return false;
    wert = w;
    return true;
}

bool Zahlenzeile_lesen(const std::string& zeile, int anzahl, int* werte) {
    std::string rest = zeile, feld;
    for (int i = 0; i < anzahl; ++i) {
        bool letztes = rest.find('/') == std::string::npos;
        FFU_Slashteil_entnehmen(rest, feld);
        if (!FFU_Zahl_lesen(feld, werte[i])) return false;
        if (letztes != (i == anzahl - 1)) return false;
    }
    return true;
}

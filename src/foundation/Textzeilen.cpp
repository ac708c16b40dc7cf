#include "foundation/Textzeilen.h"

#include "platform/base/Ini.h"

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

bool Zahlenzeile_lesen(const std::string& zeile, int anzahl, int* werte) {
    std::string rest = zeile, feld;
    for (int i = 0; i < anzahl; ++i) {
        bool letztes = rest.find('/') == std::string::npos;
        FFU_Slashteil_entnehmen(rest, feld);
        if (!ini::zahl_lesen(feld, werte[i])) return false;
        if (letztes != (i == anzahl - 1)) return false;
    }
    return true;
}

#include "ui/Textformat.h"

#include <cctype>

namespace {

std::string als_text(const TPU_Formatwert& w) {
    if (const auto* z = std::get_if<long long>(&w)) return std::to_string(*z);
    return std::get<std::string>(w);
}

// Reads decimal digits at i; -1 when there are none.
int zahl_lesen(const std::string& t, std::size_t& i) {
    if (i >= t.size() || !std::isdigit(static_cast<unsigned char>(t[i]))) return -1;
    int n = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
        if (n < 100000) n = n * 10 + (t[i] - '0');
        ++i;
    }
    return n;
}

}  // namespace

std::string TPU_Format(const std::string& Text, const std::vector<TPU_Formatwert>& Werte) {
    std::string aus;
    std::size_t naechster = 0;
    std::size_t i = 0;
    while (i < Text.size()) {
        if (Text[i] != '%') {
            aus += Text[i++];
            continue;
        }
        const std::size_t anfang = i++;
        if (i < Text.size() && Text[i] == '%') {
            aus += '%';
            ++i;
            continue;
        }
        // [index ":"] ["-"] [width] ["." precision] type
        std::size_t index = naechster;
        std::size_t j = i;
        const int n = zahl_lesen(Text, j);
        if (n >= 0 && j < Text.size() && Text[j] == ':') {
            index = static_cast<std::size_t>(n);
            i = j + 1;
        }
        bool links = false;
        if (i < Text.size() && Text[i] == '-') {
            links = true;
            ++i;
        }
        const int breite = zahl_lesen(Text, i);
        int genauigkeit = -1;
        if (i < Text.size() && Text[i] == '.') {
            ++i;
            genauigkeit = zahl_lesen(Text, i);
        }
        const char typ =
            i < Text.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(Text[i]))) : 0;
        if ((typ != 'd' && typ != 's' && typ != 'u') || index >= Werte.size()) {
            // Not understood or no argument left: the specifier stays as written.
            const std::size_t ende = i < Text.size() ? i + 1 : i;
            aus += Text.substr(anfang, ende - anfang);
            i = ende;
            continue;
        }
        ++i;
        const TPU_Formatwert& w = Werte[index];
        naechster = index + 1;
        std::string teil;
        if (typ == 's') {
            teil = als_text(w);
            if (genauigkeit >= 0 && teil.size() > static_cast<std::size_t>(genauigkeit))
                teil.resize(genauigkeit);
        } else if (const auto* z = std::get_if<long long>(&w)) {
            const bool negativ = *z < 0;
            std::string ziffern =
                std::to_string(negativ ? -(*z + 1) + 1ULL : static_cast<unsigned long long>(*z));
            if (genauigkeit > 0 && ziffern.size() < static_cast<std::size_t>(genauigkeit))
                ziffern.insert(0, genauigkeit - ziffern.size(), '0');
            teil = (negativ ? "-" : "") + ziffern;
        } else {
            teil = std::get<std::string>(w);
        }
        if (breite > 0 && teil.size() < static_cast<std::size_t>(breite)) {
            const std::string fuell(breite - teil.size(), ' ');
            teil = links ? teil + fuell : fuell + teil;
        }
        aus += teil;
    }
    return aus;
}

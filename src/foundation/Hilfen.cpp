#include "foundation/Hilfen.h"

#include <charconv>
#include <limits>

#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Datenzeile.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Zeichenbreiten.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"

Warenraster IFU_Warenraster;

namespace {

// The fields of text split at trenner; an empty text has one empty field.
std::vector<std::string> teilen(const std::string& text, char trenner) {
    std::vector<std::string> felder;
    std::size_t anfang = 0;
    while (true) {
        std::size_t ende = text.find(trenner, anfang);
        if (ende == std::string::npos) {
            felder.push_back(text.substr(anfang));
            return felder;
        }
        felder.push_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
}

}  // namespace

int FFU_Pos_Backslash(const std::string& text) {
    std::size_t pos = text.find('\\');
    return pos == std::string::npos ? static_cast<int>(text.size()) + 1 : static_cast<int>(pos) + 1;
}

int FFU_Pos_letztes_Leerzeichen(const std::string& text) {
    std::size_t pos = text.rfind(' ');
    return pos == std::string::npos ? 1 : static_cast<int>(pos) + 1;
}

std::string FFU_Bool_zu_JaNein(bool wert) { return wert ? "JA" : W("NÖ"); }

// --- Numbers -------------------------------------------------------------------

void FFU_Zaehler_weiter(int& zaehler, int grenze, int neustart) {
    ++zaehler;
    if (zaehler == grenze) zaehler = neustart;
}

int FFU_Vielfaches(int a, int b, int c) {
    if (b == 0) {
        Fehler_melden("FFU_Vielfaches > Teiler ist 0");
        return 0;
    }
    long long r = static_cast<long long>(a) * (static_cast<long long>(c) / b);
    if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (r < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// --- Interface text --------------------------------------------------------------

void FFU_Textfarbe(int stil) {
    if (stil == 4)
        Render().Farbe_setzen(0.0f, 0.0f, 0.0f);
    else
        Render().Farbe_setzen(0.9f, 0.9f, 0.9f);
}

void FFU_Text_umbrechen(const std::string& text, int breite, std::vector<std::string>& zeilen) {
    zeilen.clear();
    std::vector<std::string> absaetze = teilen(text, '#');
    // A "#" at the very end starts nothing.
    while (!absaetze.empty() && absaetze.back().empty()) absaetze.pop_back();
    for (const std::string& absatz : absaetze) {
        std::string zeile;
        int w = 0;
        bool worte = false;
        for (const std::string& wort : teilen(absatz, ' ')) {
            if (wort.empty()) continue;
            worte = true;
            const std::string teil = wort + ' ';
            const int b = TPU_Textbreite_Font2(teil);
            w += b;
            if (w < breite) {
                zeile += teil;
            } else {
                zeilen.push_back(zeile);
                zeile = teil;
                w = b;
            }
        }
        // A paragraph without words is a blank line.
        zeilen.push_back(worte ? zeile : std::string());
    }
}

// --- Files ---------------------------------------------------------------------

bool FFU_Datei_kopieren(const std::string& quelle, const std::string& ziel) {
    return Datei_kopieren(quelle, ziel);
}

std::int64_t FFU_Dateigroesse(const std::string& datei) { return Datei_groesse(datei); }

int Hashwert_Daten(std::string_view daten) {
    constexpr int kGrenze = 2147418100;
    int h = -1;
    int gewicht = 0;
    for (const char c : daten) {
        if (++gewicht > 256) gewicht = 1;
        // At most 2147418100 + 255 * 256: no overflow.
        h += static_cast<unsigned char>(c) * gewicht;
        if (h > kGrenze) h -= kGrenze;
    }
    return h;
}

std::optional<int> Hashwert_Datei(const std::string& datei) {
    const auto daten = Datei_lesen(datei);
    if (!daten) return std::nullopt;
    return Hashwert_Daten(*daten);
}

// --- Goods grid --------------------------------------------------------------------

void FFU_Transportwaren_Liste(int erste_ware) {
    Warenraster& r = IFU_Warenraster;
    r.Zeilen = 0;
    r.Spalte = 0;
    r.Anzahl = 0;
    int g = erste_ware;
    while (r.Anzahl < IFU_Warenraster_Max) {
        const int ware = SBU_Naechste_Transportware(g);
        if (ware < 0) break;
        if (ware < g) {
            Fehler_melden("FFU_Transportwaren_Liste > Ware vor der gesuchten: " + std::to_string(ware));
            break;
        }
        r.Waren[r.Anzahl] = ware;
        if (++r.Spalte >= IFU_Warenraster_Spalten) {
            ++r.Zeilen;
            r.Spalte = 0;
        }
        ++r.Anzahl;
        if (ware == std::numeric_limits<int>::max()) break;
        g = ware + 1;
    }
}

#include "persistence/Kartendatei.h"

#include <algorithm>
#include <charconv>

#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "platform/base/Datei.h"
#include "platform/base/Zahl.h"
#include "world/Karte.h"

namespace {

// Level step of a letter (-1, 0, +1; 'A' sets 0) and the fields it carries:
// 0 none, 1 ambient, 2 ambient and blocked, 3 person, 4 block, 5 all four.
struct Buchstabenart {
    int Schritt;
    int Daten;
};

bool buchstabe_kennen(char c, Buchstabenart& art) {
    static constexpr struct {
        char c;
        Buchstabenart art;
    } tabelle[] = {{'A', {0, 0}},  {'B', {1, 0}},  {'C', {-1, 0}}, {'D', {1, 1}},  {'E', {-1, 1}},
                   {'F', {0, 1}},  {'G', {1, 2}},  {'H', {-1, 2}}, {'I', {0, 2}},  {'J', {1, 3}},
                   {'K', {-1, 3}}, {'L', {0, 3}},  {'M', {1, 4}},  {'N', {-1, 4}}, {'O', {0, 4}},
                   {'X', {1, 5}},  {'Y', {-1, 5}}, {'Z', {0, 5}}};
    for (const auto& e : tabelle)
        if (e.c == c) {
            art = e.art;
            return true;
        }
    return false;
}

void zahl_anhaengen(std::string& z, int w) {
    char puffer[16];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, w);
    z.append(puffer, ende);
}

// Appends the run's line with its line end.
void lauf_anhaengen(std::string& z, const Kartenlauf& l, int daten) {
    z += l.Buchstabe;
    zahl_anhaengen(z, l.Anzahl);
    auto feld = [&](int w) {
        z += '/';
        zahl_anhaengen(z, w);
    };
    if (daten == 1 || daten == 2) feld(l.Ambiente);
    if (daten == 3) feld(l.Person);
    if (daten == 4) feld(l.Block);
    if (daten == 5) {
        feld(l.Ambiente);
        feld(l.Person);
        feld(l.Objekt);
        feld(l.Block);
    }
    z += "\r\n";
}

}  // namespace

int LSU_Feldbelegung_zaehlen(int feld) {
    if (!MG_Feld_gueltig(feld)) return 0;
    const Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
    int n = 0;
    for (int f = Kartenfeld::Nr_Ambiente; f <= Kartenfeld::Nr_Block; ++f)
        if (k.feld(f) > -1) ++n;
    return n;
}

bool LSU_Karte_speichern(const std::string& datei) {
    // The whole file as one text, each line ending in CR LF.
    std::string text;
    text.reserve(Karte.size() / 2);
    Kartenlauf lauf;
    int daten = 0;
    int stufe = 0;
    auto ausgeben = [&] { lauf_anhaengen(text, lauf, daten); };
    auto neu = [&](char c, int d, const Kartenfeld& k) {
        lauf = {c, 0, 1, k.Ambiente(), k.Person(), k.Objekt(), k.Block()};
        daten = d;
    };
    for (std::size_t c = 0; c < Karte.size(); ++c) {
        const Kartenfeld& k = Karte[c];
        const int lev = k.LandType();
        const int belegt = LSU_Feldbelegung_zaehlen(static_cast<int>(c));
        if (lev == stufe && (stufe == 0 || belegt == 0)) {
            ++lauf.Anzahl;
        } else if (lev == stufe) {
            ausgeben();
            const int a = k.Ambiente(), p = k.Person(), o = k.Objekt(), b = k.Block();
            if (a >= 0 && p == -1 && o == -1)
                neu(b == -1 ? 'F' : b == 2 ? 'I' : 'Z', b == -1 || b == 2 ? 1 : 5, k);
            else if (a == -1 && o == -1 && p == -1)
                neu('O', 4, k);
            else if (a == -1 && o == -1 && p != -1 && b == -1)
                neu('L', 3, k);
            else
                neu('Z', 5, k);
        } else if (lev > stufe) {
            ausgeben();
            // A letter moves the level by one: a larger step climbs through empty runs.
            for (int l = stufe + 1; l < lev; ++l) text += "B0\r\n";
            neu(belegt > 0 ? 'X' : 'B', belegt > 0 ? 5 : 0, k);
            stufe = lev;
        } else {
            ausgeben();
            for (int l = stufe - 1; l > lev; --l) text += "C0\r\n";
            const bool mit = belegt > 0 && lev != 0;
            neu(mit ? 'Y' : 'C', mit ? 5 : 0, k);
            stufe = lev;
        }
    }
    ausgeben();
    if (Datei_schreiben(datei, text)) return true;
    Fehler_melden("LSU_Karte_speichern > kann nicht schreiben: " + datei);
    return false;
}

std::optional<std::vector<Kartenlauf>> Map_lesen(const std::string& ordner, std::size_t felder,
                                                 bool& kaputt) {
    kaputt = false;
    const std::string pfad = ordner + "\\Map.sav";
    if (!Datei_existiert(pfad)) return std::nullopt;
    const std::optional<std::string> text = Datei_lesen(pfad);
    auto fehler = [&](const std::string& meldung) {
        Fehler_melden("Map_laden > " + meldung + ": " + pfad);
        kaputt = true;
        return std::nullopt;
    };
    if (!text) return fehler("kann nicht lesen");
    // The file has a line for every run: its fields are read where they stand in the text.
    std::string_view zeilen = *text, zeile;
    std::vector<Kartenlauf> laeufe;
    laeufe.reserve(static_cast<std::size_t>(std::count(text->begin(), text->end(), '\n')) + 1);
    int stufe = 0, n = 0;
    std::size_t summe = 0;
    // The field before the next "/" (or the rest), taken off the front of the rest.
    auto feld_entnehmen = [](std::string_view& rest) {
        const std::size_t p = rest.find('/');
        const std::string_view feld = rest.substr(0, p);
        rest = p == std::string_view::npos ? std::string_view{} : rest.substr(p + 1);
        return feld;
    };
    for (std::size_t i = 0; Zeile_nehmen(zeilen, zeile); ++i) {
        auto nr = [i] { return " in Zeile " + std::to_string(i + 1); };
        if (zeile.empty()) continue;  // a blank line holds no run
        const char c = zeile[0];
        Buchstabenart art{0, 0};
        Kartenlauf l;
        l.Buchstabe = c;
        if (!buchstabe_kennen(c, art)) {
            // Kept for the known cases of old files: the run keeps the level and the
            // length of the line before and carries nothing.
            Fehler_melden(std::string("Map_laden > Nicht abgefangen S1: ") + c);
            Fehler_melden(std::string("Map_laden > Nicht abgefangen S2:") + c);
        } else {
            stufe = c == 'A' ? 0 : stufe + art.Schritt;
            if (stufe < 0 || stufe > SBU_LandType_max) return fehler("Hoehe ausserhalb 0..20" + nr());
            std::string_view rest = zeile.substr(1);
            if (!Zahl_lesen(feld_entnehmen(rest), n) || n < 0)
                return fehler("Lauflaenge ist keine Zahl" + nr());
            const int anzahl_daten = art.Daten == 0 ? 0 : art.Daten == 5 ? 4 : 1;
            int werte[4] = {-1, -1, -1, -1};
            for (int d = 0; d < anzahl_daten; ++d)
                if (!Zahl_lesen(feld_entnehmen(rest), werte[d]))
                    return fehler("Feldwert ist keine Zahl" + nr());
            if (!rest.empty()) return fehler("zu viele Felder" + nr());
            if (art.Daten == 1 || art.Daten == 2) l.Ambiente = werte[0];
            if (art.Daten == 2) l.Block = 2;
            if (art.Daten == 3) l.Person = werte[0];
            if (art.Daten == 4) l.Block = werte[0];
            if (art.Daten == 5) {
                l.Ambiente = werte[0];
                l.Person = werte[1];
                l.Objekt = werte[2];
                l.Block = werte[3];
            }
        }
        l.Stufe = stufe;
        l.Anzahl = n;
        summe += static_cast<std::size_t>(n);
        if (summe > felder) return fehler("mehr Felder als die Karte hat" + nr());
        laeufe.push_back(l);
    }
    if (summe != felder) return fehler("endet vor dem Kartenende");
    return laeufe;
}

void Map_anwenden(const std::vector<Kartenlauf>& laeufe) {
    std::size_t pos = 0;
    for (const Kartenlauf& l : laeufe) {
        for (int i = 0; i < l.Anzahl && pos < Karte.size(); ++i, ++pos) {
            Kartenfeld& k = Karte[pos];
            k.LandType() = l.Stufe;
            const bool erstes = i == 0;
            k.Ambiente() = erstes ? l.Ambiente : -1;
            k.Person() = erstes ? l.Person : -1;
            k.Objekt() = erstes ? l.Objekt : -1;
            k.Block() = l.Stufe == 0 ? 2 : erstes ? l.Block : -1;
            k.Bauplatzwert() = -1;
        }
    }
}

void Map_laden(const std::string& ordner) {
    bool kaputt = false;
    auto laeufe = Map_lesen(ordner, Karte.size(), kaputt);
    if (laeufe) Map_anwenden(*laeufe);
}

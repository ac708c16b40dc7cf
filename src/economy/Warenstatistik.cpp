#include "economy/Warenstatistik.h"

#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Schablonen.h"
#include "foundation/Seitendatei.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"

std::vector<std::vector<int>> LGK_Spieler_Waren;
std::vector<int> LGK_Welt_Waren;
std::vector<std::vector<int>> LGK_Spieler_Gruppen;

namespace {

// Entry i of the list, grown with zeros up to i.
template <typename T>
T& eintrag(std::vector<T>& liste, int i) {
    if (static_cast<std::size_t>(i) >= liste.size()) liste.resize(static_cast<std::size_t>(i) + 1);
    return liste[static_cast<std::size_t>(i)];
}

int lesen(const std::vector<std::vector<int>>& tabelle, int zeile, int spalte) {
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= tabelle.size() || spalte < 0) return 0;
    const std::vector<int>& z = tabelle[static_cast<std::size_t>(zeile)];
    return static_cast<std::size_t>(spalte) < z.size() ? z[static_cast<std::size_t>(spalte)] : 0;
}

bool nicht_negativ(int a, int b, const char* routine) {
    if (a >= 0 && b >= 0) return true;
    Fehler_melden(std::string(routine) + " > unmoeglicher Index: " + std::to_string(a) + "/" +
                  std::to_string(b));
    return false;
}

// folder + "\" + file; a folder given with its trailing separator gets no second one.
std::string pfad(const std::string& ordner, const char* datei) {
    const bool trenner = !ordner.empty() && (ordner.back() == '\\' || ordner.back() == '/');
    return ordner + (trenner ? "" : "\\") + datei;
}

// The fields of a "/"-separated row of decimal numbers; an empty row has none. False when a
// field is not a number.
bool zahlen_lesen(std::string zeile, std::vector<int>& werte) {
    werte.clear();
    while (!zeile.empty()) {
        std::string feld;
        FFU_Slashteil_entnehmen(zeile, feld);
        int wert = 0;
        if (!FFU_Spielstandzahl_lesen(feld, wert)) return false;
        werte.push_back(wert);
    }
    return true;
}

// Each line of the file as numbers; a line that is not a row of numbers is reported and skipped.
template <typename F>
void zeilen_lesen(const std::string& datei, F&& nimm) {
    auto zeilen = Seitendatei_lesen(datei, "LGK_File_Load");
    if (!zeilen) return;
    std::vector<int> werte;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        if (!zahlen_lesen((*zeilen)[i], werte)) {
            Fehler_melden("LGK_File_Load > fehlerhafte Zeile " + std::to_string(i + 1) + " in " + datei +
                          ": " + (*zeilen)[i]);
            continue;
        }
        nimm(static_cast<int>(i), werte);
    }
}

}  // namespace

void LGK_Statistik_leeren() {
    LGK_Spieler_Waren.clear();
    LGK_Welt_Waren.clear();
    LGK_Spieler_Gruppen.clear();
}

int LGK_Gruppe_von_Spez(const std::string& spez) {
    if (spez == "food") return LGK_Gruppe_Nahrung;
    if (spez == "luxury") return LGK_Gruppe_Luxus;
    return LGK_Gruppe_Sonstiges;
}

void LGK_Produktion_verbuchen(int clan, int ware, int menge) {
    if (!GU_Clan_gueltig(clan) || ware < 0 || static_cast<std::size_t>(ware) >= SBU_Waren.size()) {
        Fehler_melden("LGK_Produktion_verbuchen > unbekannter Clan oder Ware: " + std::to_string(clan) + "/" +
                      std::to_string(ware));
        return;
    }
    LGK_Spieler_Ware_addieren(clan, ware, menge);
    LGK_Welt_Ware_addieren(ware, menge);
    LGK_Spieler_Gruppe_addieren(clan, LGK_Gruppe_von_Spez(SBU_Waren[static_cast<std::size_t>(ware)].Spez),
                                menge);
}

void LGK_Spieler_Ware_addieren(int clan, int ware, int menge) {
    if (!nicht_negativ(clan, ware, "LGK_Spieler_Ware_addieren")) return;
    Summe_addieren(eintrag(eintrag(LGK_Spieler_Waren, clan), ware), menge);
}

void LGK_Welt_Ware_addieren(int ware, int menge) {
    if (!nicht_negativ(0, ware, "LGK_Welt_Ware_addieren")) return;
    Summe_addieren(eintrag(LGK_Welt_Waren, ware), menge);
}

void LGK_Spieler_Gruppe_addieren(int clan, int gruppe, int menge) {
    if (!nicht_negativ(clan, gruppe, "LGK_Spieler_Gruppe_addieren")) return;
    Summe_addieren(eintrag(eintrag(LGK_Spieler_Gruppen, clan), gruppe), menge);
    // While a game loads, the clan rows come after this table and bring their own trend.
    if (GU_Clan_gueltig(clan))
        Summe_addieren(Spieler[static_cast<std::size_t>(clan)].Produktion_Trend(), menge);
}

int LGK_Nahrung_des_Spielers(int clan) { return lesen(LGK_Spieler_Gruppen, clan, LGK_Gruppe_Nahrung); }
int LGK_Luxus_des_Spielers(int clan) { return lesen(LGK_Spieler_Gruppen, clan, LGK_Gruppe_Luxus); }
int LGK_Sonstiges_des_Spielers(int clan) { return lesen(LGK_Spieler_Gruppen, clan, LGK_Gruppe_Sonstiges); }

bool LGK_File_Save(const std::string& ordner) {
    std::vector<std::string> waren, welt, gruppen;
    for (const std::vector<int>& z : LGK_Spieler_Waren) waren.push_back(FFU_Zeile_bauen(z));
    for (int w : LGK_Welt_Waren) welt.push_back(std::to_string(w));
    for (const std::vector<int>& z : LGK_Spieler_Gruppen) gruppen.push_back(FFU_Zeile_bauen(z));
    bool gut = Seitendatei_schreiben(pfad(ordner, "LGKSWA.sav"), waren, "LGK_File_Save");
    gut = Seitendatei_schreiben(pfad(ordner, "LGKWWA.sav"), welt, "LGK_File_Save") && gut;
    return Seitendatei_schreiben(pfad(ordner, "LGKSWG.sav"), gruppen, "LGK_File_Save") && gut;
}

void LGK_File_Load(const std::string& ordner) {
    // A game saved without goods statistics keeps empty tables; each of the three files
    // is read where it exists.
    if (!Datei_existiert(pfad(ordner, "LGKSWA.sav"))) return;
    // A line without entries still stands for its clan.
    zeilen_lesen(pfad(ordner, "LGKSWA.sav"), [](int i, const std::vector<int>& werte) {
        eintrag(LGK_Spieler_Waren, i);
        for (std::size_t j = 0; j < werte.size(); ++j)
            LGK_Spieler_Ware_addieren(i, static_cast<int>(j), werte[j]);
    });
    zeilen_lesen(pfad(ordner, "LGKWWA.sav"), [](int i, const std::vector<int>& werte) {
        if (werte.size() != 1) {
            Fehler_melden("LGK_File_Load > fehlerhafte Zeile " + std::to_string(i + 1) + " in LGKWWA.sav");
            return;
        }
        LGK_Welt_Ware_addieren(i, werte[0]);
    });
    zeilen_lesen(pfad(ordner, "LGKSWG.sav"), [](int i, const std::vector<int>& werte) {
        eintrag(LGK_Spieler_Gruppen, i);
        for (std::size_t j = 0; j < werte.size(); ++j)
            LGK_Spieler_Gruppe_addieren(i, static_cast<int>(j), werte[j]);
    });
}

#include "persistence/Tabellendateien.h"

#include <algorithm>
#include <string_view>

#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Textzeilen.h"
#include "economy/Diagramm.h"
#include "economy/Haefen.h"
#include "economy/Schiffe.h"
#include "economy/Schutt.h"
#include "economy/Warenstatistik.h"
#include "population/Personenindex.h"
#include "population/Animation.h"
#include "population/Arbeitsamt.h"
#include "population/Befehlsliste.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Wachstum.h"
#include "platform/base/Datei.h"
#include "platform/base/Zahl.h"
#include "population/Personen.h"
#include "world/Pfade.h"

namespace {

bool schreiben(const std::string& datei, const std::vector<std::string>& zeilen, const std::string& routine) {
    if (Textdatei_schreiben(datei, zeilen)) return true;
    Fehler_melden(routine + " > kann nicht schreiben: " + datei);
    return false;
}

}  // namespace

bool LSU_Zeilen_schreiben(const std::string& datei, std::size_t zeilen,
                          const std::function<std::span<const int>(std::size_t)>& zeile,
                          const std::string& routine) {
    std::vector<std::string> text;
    text.reserve(zeilen);
    for (std::size_t i = 0; i < zeilen; ++i) {
        std::string z;
        bool erstes = true;
        for (int w : zeile(i)) {
            if (!erstes) z += '/';
            z += std::to_string(w);
            erstes = false;
        }
        text.push_back(std::move(z));
    }
    return schreiben(datei, text, routine);
}

bool LSU_Zeilen_einlesen(const std::string& datei, std::size_t zeilen,
                         const std::function<std::span<int>(std::size_t)>& zeile) {
    if (!Datei_existiert(datei)) return true;
    auto text = Textdatei_lesen(datei);
    bool gut = text.has_value();
    for (std::size_t i = 0; gut && i < zeilen; ++i) {
        if (i >= text->size()) {
            gut = false;
            break;
        }
        // The fields from the front, each up to the next "/" (the last up to the end of the line).
        const std::string_view z = (*text)[i];
        std::size_t pos = 0;
        for (int& wert : zeile(i)) {
            if (pos >= z.size()) {
                gut = false;
                break;
            }
            const std::size_t ende = std::min(z.find('/', pos), z.size());
            if (!FFU_Spielstandzahl_lesen(z.substr(pos, ende - pos), wert)) {
                gut = false;
                break;
            }
            pos = ende + 1;
        }
    }
    if (!gut) Fehler_melden("Loadsaveunit > LoadfromArrayFile > File konnte nicht geladen werden: " + datei);
    return gut;
}

bool LoadfromArrayFile(std::vector<std::vector<int>>& tabelle, const std::string& datei) {
    return LSU_Zeilen_einlesen(datei, tabelle.size(),
                               [&](std::size_t i) { return std::span<int>(tabelle[i]); });
}

bool LSU_Personen_speichern(const std::string& datei) {
    return LSU_Tabelle_speichern(Personen, datei, "LSU_Spiel_speichern > P.sav");
}
bool LSU_Spieler_speichern(const std::string& datei) {
    return LSU_Tabelle_speichern(Spieler, datei, "LSU_Spiel_speichern > G.sav");
}
bool LSU_Objekte_speichern(const std::string& datei) {
    return LSU_Tabelle_speichern(Objekte, datei, "LSU_Spiel_speichern > OB.sav");
}

bool LSU_Patharray_speichern(const std::string& datei) {
    std::vector<std::string> zeilen;
    zeilen.reserve(PFU_Pfade.size());
    for (const std::vector<int>& slot : PFU_Pfade) {
        std::string z;
        for (int w : slot) {
            z += std::to_string(w) + "/";
            if (w == -1 || w == 0) break;
        }
        zeilen.push_back(std::move(z));
    }
    return schreiben(datei, zeilen, "LSU_Patharray_speichern");
}

void LSU_Patharray_Load(const std::string& datei) {
    if (!Datei_existiert(datei)) return;
    auto text = Textdatei_lesen(datei);
    bool gut = text.has_value();
    for (std::size_t i = 0; gut && i < PFU_Pfade.size(); ++i) {
        if (i >= text->size()) {
            gut = false;
            break;
        }
        std::vector<int>& slot = PFU_Pfade[i];
        std::string rest = (*text)[i], teil;
        for (std::size_t j = 0; j < slot.size(); ++j) {
            int wert = 0;
            FFU_Slashteil_entnehmen(rest, teil);
            if (!FFU_Zahl_lesen(teil, wert)) {
                gut = false;
                break;
            }
            if (wert == -1 || wert == 0) {
                std::fill(slot.begin() + static_cast<std::ptrdiff_t>(j), slot.end(), -1);
                break;
            }
            slot[j] = wert;
        }
    }
    if (!gut) Fehler_melden("LSU_Patharray_Load > File konnte nicht geladen werden: " + datei);
}

bool LSU_Hafenarray_speichern(const std::string& datei) {
    std::vector<std::string> zeilen;
    const int ende = std::min(Hafen_Ende, static_cast<int>(Haefen.size()) - 1);
    if (ende != Hafen_Ende)
        Fehler_melden("LSU_Hafenarray_speichern > Hafen_Ende hinter der Tabelle: " +
                      std::to_string(Hafen_Ende));
    for (int i = 0; i <= ende; ++i) {
        const Hafen_inhalte& h = Haefen[static_cast<std::size_t>(i)];
        int anzahl = h.Anzahl;
        if (anzahl > static_cast<int>(h.Passagiere.size())) {
            Fehler_melden("LSU_Hafenarray_speichern > Hafen " + std::to_string(i) +
                          " zaehlt mehr Wartende als er hat: " + std::to_string(anzahl));
            anzahl = static_cast<int>(h.Passagiere.size());
        }
        std::string z = std::to_string(h.Objekt) + "/" + std::to_string(anzahl);
        for (int k = 0; k < anzahl; ++k) {
            z += '/';
            z += std::to_string(h.Passagiere[static_cast<std::size_t>(k)]);
        }
        zeilen.push_back(std::move(z));
    }
    return schreiben(datei, zeilen, "LSU_Hafenarray_speichern");
}

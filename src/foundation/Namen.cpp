#include "foundation/Namen.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Datenzeile.h"
#include "foundation/Schablonen.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"

std::vector<std::string> NGU_Clanliste;
std::vector<std::string> NGU_Maennerliste;
std::vector<std::string> NGU_Frauenliste;
std::vector<std::string> NGU_Clannamen;
const std::string NGU_Unbekannt = "Unbekannt";

namespace {

// More clans than this is a broken index, not a game.
constexpr int kClans_max = 10000;

// The lines of a name file without empty ones; nothing when it cannot be read.
std::optional<std::vector<std::string>> namen_lesen(const std::string& pfad) {
    if (!Datei_existiert(pfad)) return std::nullopt;
    auto zeilen = Textdatei_lesen(pfad);
    if (!zeilen) {
        Fehler_melden("NGU > Datei konnte nicht gelesen werden: " + pfad);
        return std::nullopt;
    }
    std::erase(*zeilen, std::string());
    return zeilen;
}

void liste_laden(const std::string& pfad, std::vector<std::string>& liste) {
    if (auto namen = namen_lesen(pfad)) liste = std::move(*namen);
}

// A name from the clan list that no clan has yet, drawn with the game's
// random source; when there is none, a list name with the first free number.
std::string clanname_ziehen() {
    const auto frei = std::count_if(NGU_Clanliste.begin(), NGU_Clanliste.end(),
                                    [](const std::string& n) { return !NGU_Clanname_vergeben(n); });
    const int anzahl = static_cast<int>(NGU_Clanliste.size());
    if (frei > 0) {
        while (true) {
            const std::string& n = NGU_Clanliste[static_cast<std::size_t>(Random(anzahl))];
            if (!NGU_Clanname_vergeben(n)) return n;
        }
    }
    const std::string basis =
        anzahl > 0 ? NGU_Clanliste[static_cast<std::size_t>(Random(anzahl))] : std::string("Sippe");
    for (int nummer = 2;; ++nummer) {
        std::string n = basis + " " + std::to_string(nummer);
        if (!NGU_Clanname_vergeben(n)) return n;
    }
}

}  // namespace

const std::string& NGU_Listenname(const std::vector<std::string>& liste, int i) {
    if (i < 0 || i >= static_cast<int>(liste.size())) return NGU_Unbekannt;
    return liste[static_cast<std::size_t>(i)];
}

void NGU_Listen_erzeugen() { NGU_Zuruecksetzen(); }

void NGU_Listen_freigeben() {
    NGU_Zuruecksetzen();
    NGU_Clanliste.shrink_to_fit();
    NGU_Maennerliste.shrink_to_fit();
    NGU_Frauenliste.shrink_to_fit();
    NGU_Clannamen.shrink_to_fit();
}

void NGU_Namenlisten_laden() {
    const std::string ordner = Programmpfad + "Text\\";
    // A list left without names is told once a run (every new world loads the lists again).
    static std::set<std::string> gemeldet;
    for (auto [datei, liste] :
         {std::pair{"DENamenClan.txt", &NGU_Clanliste}, std::pair{"DENamenFrau.txt", &NGU_Frauenliste},
          std::pair{"DENamenMann.txt", &NGU_Maennerliste}}) {
        const std::string pfad = ordner + datei;
        liste_laden(pfad, *liste);
        if (liste->empty() && gemeldet.insert(pfad).second)
            Fehler_melden("NGU_Namenlisten_laden > keine Namen in " + pfad +
                          " (fehlt oder ist leer); es gelten Ersatznamen");
    }
}

void NGU_Zuruecksetzen() {
    NGU_Clanliste.clear();
    NGU_Maennerliste.clear();
    NGU_Frauenliste.clear();
    NGU_Clannamen.clear();
}

bool NGU_Clanname_vergeben(const std::string& name) {
    return std::find(NGU_Clannamen.begin(), NGU_Clannamen.end(), name) != NGU_Clannamen.end();
}

void NGU_Clanname_setzen(int clan, const std::string& name) {
    if (clan < 0 || clan > kClans_max) {
        Fehler_melden("NGU_Clanname_setzen > Clan gibt es nicht: " + std::to_string(clan));
        return;
    }
    if (static_cast<int>(NGU_Clannamen.size()) < clan + 1)
        NGU_Clannamen.resize(static_cast<std::size_t>(clan) + 1);
    NGU_Clannamen[static_cast<std::size_t>(clan)] = name.empty() ? clanname_ziehen() : name;
}

std::string NGU_Clanname(int clan) {
    const std::string& n = NGU_Listenname(NGU_Clannamen, clan);
    return n.empty() ? NGU_Unbekannt : n;
}

int NGU_Zufall_Maennername() { return Random(static_cast<int>(NGU_Maennerliste.size())); }

int NGU_Zufall_Frauenname() { return Random(static_cast<int>(NGU_Frauenliste.size())); }

bool NGU_Speichern(const std::string& ordner) {
    bool ok = Textdatei_schreiben(ordner + "NGUCN.sav", NGU_Clanliste);
    ok = Textdatei_schreiben(ordner + "NGUFN.sav", NGU_Frauenliste) && ok;
    ok = Textdatei_schreiben(ordner + "NGUMN.sav", NGU_Maennerliste) && ok;
    ok = Textdatei_schreiben(ordner + "NGUACN.sav", NGU_Clannamen) && ok;
    if (!ok) Fehler_melden("NGU_Speichern > Namen konnten nicht gespeichert werden: " + ordner);
    return ok;
}

void NGU_Laden(const std::string& ordner) {
    liste_laden(ordner + "NGUCN.sav", NGU_Clanliste);
    liste_laden(ordner + "NGUFN.sav", NGU_Frauenliste);
    liste_laden(ordner + "NGUMN.sav", NGU_Maennerliste);
    const std::string tabelle = ordner + "NGUACN.sav";
    if (!Datei_existiert(tabelle)) return;
    auto zeilen = Textdatei_lesen(tabelle);
    if (!zeilen) {
        Fehler_melden("NGU_Laden > Datei konnte nicht gelesen werden: " + tabelle);
        return;
    }
    NGU_Clannamen.clear();
    for (const std::string& z : *zeilen) NGU_Clannamen.push_back(FFU_Slashteil(z));
}

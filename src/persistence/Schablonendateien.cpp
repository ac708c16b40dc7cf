#include "persistence/Schablonendateien.h"

#include <algorithm>
#include <cstdint>
#include <variant>
#include <vector>

#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Schablonen_Parser.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"

namespace {

// A field of a template record: a text, an Integer or a Boolean byte.
struct Wahrheitswert {
    std::uint8_t* wert;
};
using Feld = std::variant<std::string*, int*, Wahrheitswert>;

std::string feld_text(const Feld& f) {
    if (auto* t = std::get_if<std::string*>(&f)) return **t;
    if (auto* z = std::get_if<int*>(&f)) return std::to_string(**z);
    return std::get<Wahrheitswert>(f).wert[0] ? "-1" : "0";
}

bool feld_setzen(const Feld& f, const std::string& text) {
    if (auto* t = std::get_if<std::string*>(&f)) {
        **t = text;
        return true;
    }
    int wert = 0;
    if (!FFU_Spielstandzahl_lesen(text, wert)) return false;
    if (auto* z = std::get_if<int*>(&f))
        **z = wert;
    else
        std::get<Wahrheitswert>(f).wert[0] = wert != 0 ? 1 : 0;
    return true;
}

std::vector<Feld> felder(Objekt_Item& o) {
    std::vector<Feld> f{&o.Titel, &o.Kurz, &o.Text};
    for (Waren_Menge& k : o.Baukosten) f.insert(f.end(), {&k.WarenID, &k.Menge});
    f.insert(f.end(), {&o.Platz, &o.Neid});
    for (Warenslot& s : o.Slots) f.insert(f.end(), {&s.WarenID, &s.Benutzung});
    f.insert(f.end(), {&o.Modus, &o.AI_Level, &o.Updatelink});
    return f;
}

std::vector<Feld> felder(Waren_Item& w) {
    std::vector<Feld> f{&w.Titel, Wahrheitswert{&w.benutzt}, Wahrheitswert{&w.Transport}, &w.Group};
    for (Waren_Menge& n : w.Need) f.insert(f.end(), {&n.WarenID, &n.Menge});
    f.insert(f.end(), {&w.Spez, &w.Chance, &w.SkillID, &w.Grow, &w.Text, &w.Make});
    return f;
}

std::vector<Feld> felder(Skill_Item& s) {
    return {&s.Titel, Wahrheitswert{&s.benutzt}, &s.Berufname, &s.Taetigkeit};
}

std::vector<Feld> felder(Ambiente_Item& a) {
    return {&a.Titel, &a.spezial, &a.onMap, Wahrheitswert{&a.block}, &a.animation, &a.link};
}

std::vector<Feld> felder(Atlaseintrag& e) {
    return {&e.Anker_X,  &e.Anker_Y, &e.Links, &e.Rechts, &e.Oben, &e.Unten, Wahrheitswert{&e.hat_Flagge},
            &e.Flagge_X, &e.Flagge_Y};
}

constexpr std::size_t Zeilen_Objekt = 28, Zeilen_Ware = 20, Zeilen_Skill = 4, Zeilen_Ambiente = 6,
                      Zeilen_Atlas = 9;

bool schreiben(const std::string& pfad, const std::vector<std::string>& zeilen) {
    if (Textdatei_schreiben(pfad, zeilen)) return true;
    Fehler_melden("SBLS_Schablonen_speichern > kann nicht schreiben: " + pfad);
    return false;
}

template <class T>
std::vector<std::string> feste_zeilen(std::vector<T>& tabelle) {
    std::vector<std::string> zeilen;
    for (T& eintrag : tabelle)
        for (const Feld& f : felder(eintrag)) zeilen.push_back(feld_text(f));
    return zeilen;
}

std::string zahlen_zeile(const std::vector<int>& werte) { return FFU_Zeile_bauen(werte); }

// The lines of a file, nothing when it is missing (logged by the existence test) or unreadable.
std::optional<std::vector<std::string>> lesen(const std::string& pfad) {
    if (!SBU_Datei_vorhanden(pfad)) return std::nullopt;
    auto zeilen = Textdatei_lesen(pfad);
    if (!zeilen) Fehler_melden("SBLS_Schablonen_laden > kann nicht lesen: " + pfad);
    return zeilen;
}

void zeilenfehler(const std::string& pfad, std::size_t i, const std::string& zeile) {
    Fehler_melden("SBLS_Schablonen_laden > fehlerhafte Zeile " + std::to_string(i + 1) + " (" + zeile +
                  "): " + pfad);
}

// Line j fills field j mod L of entry j div L; each entry is appended at its first line.
// `fertig` runs for every entry once its lines are read (or the file ends).
template <class T, class Fertig>
void feste_lesen(const std::string& pfad, std::vector<T>& tabelle, std::size_t L, Fertig fertig) {
    auto zeilen = lesen(pfad);
    if (!zeilen) return;
    std::vector<Feld> f;
    for (std::size_t j = 0; j < zeilen->size(); ++j) {
        if (j % L == 0) {
            if (j > 0) fertig(tabelle.size() - 1);
            tabelle.emplace_back();
            f = felder(tabelle.back());
        }
        if (!feld_setzen(f[j % L], (*zeilen)[j])) {
            zeilenfehler(pfad, j, (*zeilen)[j]);
            fertig(tabelle.size() - 1);
            return;
        }
    }
    if (!zeilen->empty()) fertig(tabelle.size() - 1);
}

// The "/"-separated Integers of a line; false when one is not a number.
bool zahlen(const std::string& zeile, std::vector<int>& werte) {
    werte.clear();
    if (zeile.empty()) return true;
    std::string rest = zeile, teil;
    bool weiter = true;
    while (weiter) {
        weiter = rest.find('/') != std::string::npos;
        FFU_Slashteil_entnehmen(rest, teil);
        int w = 0;
        if (!FFU_Spielstandzahl_lesen(teil, w)) return false;
        werte.push_back(w);
    }
    return true;
}

bool nummer_gueltig(int n) { return n >= 0 && n <= SBU_Typ_max; }

template <class T>
T& wachsen(std::vector<T>& tabelle, int n) {
    if (tabelle.size() <= static_cast<std::size_t>(n)) tabelle.resize(static_cast<std::size_t>(n) + 1);
    return tabelle[static_cast<std::size_t>(n)];
}

// --- Writers -------------------------------------------------------------------

std::vector<std::string> bauplaetze_zeilen() {
    std::vector<std::string> zeilen;
    for (std::size_t i = 0; i < SBU_Bauplaetze.size(); ++i)
        for (const Bauplatzfeld& b : SBU_Bauplaetze[i])
            zeilen.push_back(zahlen_zeile({static_cast<int>(i), b.Versatz, b.belegt}));
    return zeilen;
}

std::vector<std::string> ki_zeilen(const std::vector<std::vector<int>>& liste) {
    std::vector<std::string> zeilen;
    for (const std::vector<int>& stufe : liste) zeilen.push_back(zahlen_zeile(stufe));
    return zeilen;
}

std::vector<std::string> marker_zeilen() {
    std::vector<std::string> zeilen;
    for (std::size_t i = 0; i < SBU_Markerpunkte.size(); ++i)
        for (const Markerpunkt& m : SBU_Markerpunkte[i])
            zeilen.push_back(zahlen_zeile({static_cast<int>(i), m.x, m.y}));
    return zeilen;
}

std::vector<std::string> warenanzeige_zeilen() {
    std::vector<std::string> zeilen;
    for (std::size_t i = 0; i < SBU_Warenanzeige.size(); ++i)
        for (std::size_t s = 0; s < 6; ++s) {
            const Waren_vor_Objekt& w = SBU_Warenanzeige[i].Slot[s];
            if (w.Modellname[0].empty()) continue;
            std::string z = std::to_string(i) + "/" + std::to_string(s);
            for (std::size_t k = 0; k < 9; ++k)
                z += "/" + w.Modellname[k] + "/" + std::to_string(w.Modelltyp[k]) + "/" +
                     std::to_string(w.a[k]) + "/" + std::to_string(w.b[k]);
            zeilen.push_back(std::move(z));
        }
    return zeilen;
}

std::vector<std::string> prozessanzeige_zeilen() {
    std::vector<std::string> zeilen;
    for (std::size_t i = 0; i < SBU_Prozessanzeige.size(); ++i) {
        const Prozess_Ani_vor_Objekt& p = SBU_Prozessanzeige[i];
        if (p.Standmodell.empty()) continue;
        zeilen.push_back(std::to_string(i) + "/" + p.Standmodell + "/" + std::to_string(p.Standtyp) + "/" +
                         p.Bewegtmodell + "/" + std::to_string(p.Bewegttyp) + "/" + std::to_string(p.a) +
                         "/" + std::to_string(p.b));
    }
    return zeilen;
}

// --- Readers of the item files -------------------------------------------------------

// Each line through `eintragen`, which answers false for a line it cannot take.
template <class Eintragen>
void zeilen_lesen(const std::string& pfad, Eintragen eintragen) {
    auto zeilen = lesen(pfad);
    if (!zeilen) return;
    for (std::size_t i = 0; i < zeilen->size(); ++i)
        if (!eintragen((*zeilen)[i])) {
            zeilenfehler(pfad, i, (*zeilen)[i]);
            return;
        }
}

void ki_lesen(const std::string& pfad, std::vector<std::vector<int>>& liste) {
    std::size_t zeile = 0;
    std::vector<int> werte;
    zeilen_lesen(pfad, [&](const std::string& z) {
        const std::size_t L = zeile++;
        if (!zahlen(z, werte)) return false;
        // An empty line is a level without buildings: its row exists all the same.
        if (liste.size() <= L) liste.resize(L + 1);
        for (std::size_t k = 0; k < werte.size(); ++k) {
            if (liste[L].size() <= k) liste[L].resize(k + 1, 0);
            liste[L][k] += werte[k];
        }
        return true;
    });
}

bool bauplatz_eintragen(const std::string& z) {
    std::vector<int> w;
    if (!zahlen(z, w) || w.size() != 3 || !nummer_gueltig(w[0])) return false;
    wachsen(SBU_Bauplaetze, w[0]).push_back({w[1], w[2]});
    return true;
}

bool marker_eintragen(const std::string& z) {
    std::vector<int> w;
    if (!zahlen(z, w) || w.size() != 3 || !nummer_gueltig(w[0])) return false;
    SBU_Markerpunkt_eintragen(w[0], w[1], w[2]);
    return true;
}

bool warenanzeige_eintragen(const std::string& z) {
    std::string rest = z, teil;
    int i = 0, s = 0;
    FFU_Slashteil_entnehmen(rest, teil);
    if (!FFU_Zahl_lesen(teil, i) || !nummer_gueltig(i)) return false;
    FFU_Slashteil_entnehmen(rest, teil);
    if (!FFU_Zahl_lesen(teil, s) || s < 0 || s > 5) return false;
    Waren_vor_Objekt w;
    for (std::size_t k = 0; k < 9; ++k) {
        FFU_Slashteil_entnehmen(rest, w.Modellname[k]);
        for (int* ziel : {&w.Modelltyp[k], &w.a[k], &w.b[k]}) {
            FFU_Slashteil_entnehmen(rest, teil);
            if (!FFU_Zahl_lesen(teil, *ziel)) return false;
        }
    }
    wachsen(SBU_Warenanzeige, i).Slot[static_cast<std::size_t>(s)] = w;
    return true;
}

bool prozessanzeige_eintragen(const std::string& z) {
    std::string rest = z, teil;
    int i = 0;
    Prozess_Ani_vor_Objekt p;
    FFU_Slashteil_entnehmen(rest, teil);
    if (!FFU_Zahl_lesen(teil, i) || !nummer_gueltig(i)) return false;
    FFU_Slashteil_entnehmen(rest, p.Standmodell);
    FFU_Slashteil_entnehmen(rest, teil);
    if (!FFU_Zahl_lesen(teil, p.Standtyp)) return false;
    FFU_Slashteil_entnehmen(rest, p.Bewegtmodell);
    for (int* ziel : {&p.Bewegttyp, &p.a, &p.b}) {
        FFU_Slashteil_entnehmen(rest, teil);
        if (!FFU_Zahl_lesen(teil, *ziel)) return false;
    }
    wachsen(SBU_Prozessanzeige, i) = p;
    return true;
}

// --- Derived lists ---------------------------------------------------------------------

void ware_registrieren(std::size_t id) {
    const Waren_Item& w = SBU_Waren[id];
    const int n = static_cast<int>(id);
    // A good without a group (no "Group" line in its script) joins no group.
    if (!w.Group.empty()) SBU_Warengruppe_eintragen(w.Group, n);
    if (w.Spez == "food") SBU_Food_eintragen(n);
    if (w.Spez == "luxury") SBU_Luxury_eintragen(n);
}

void objekt_registrieren(std::size_t id) {
    const std::string& m = SBU_Objekte[id].Modus;
    const int n = static_cast<int>(id);
    if (m == "Hafen") SBU_Hafen_ID = n;
    if (m == "Hafen2") SBU_Hafen2_ID = n;
    if (m == "Start") SBU_Start_ID = n;
}

void ambiente_registrieren(std::size_t id) {
    const Ambiente_Item& a = SBU_Ambiente[id];
    const int n = static_cast<int>(id);
    const int typ = SBU_Ambiente_Basis() + n;
    SBU_Spezial_erfassen(a.spezial, n);
    std::string rest = a.onMap, teil;
    FFU_Slashteil_entnehmen(rest, teil);
    if (teil == "true") {
        int von = 0, bis = -1;
        FFU_Slashteil_entnehmen(rest, teil);
        const bool gut = FFU_Zahl_lesen(teil, von);
        FFU_Slashteil_entnehmen(rest, teil);
        if (!gut || !FFU_Zahl_lesen(teil, bis)) {
            Fehler_melden("SBLS_Schablonen_laden > onMap unlesbar bei Ambiente " + std::to_string(n) + ": " +
                          a.onMap);
        } else {
            if (von < 0 || bis > SBU_LandType_max)
                Fehler_melden("SBLS_Schablonen_laden > onMap ausserhalb 0.." +
                              std::to_string(SBU_LandType_max) + " begrenzt bei Ambiente " +
                              std::to_string(n));
            for (int c = std::max(von, 0); c <= std::min(bis, SBU_LandType_max); ++c)
                SBU_OnMap_eintragen(c, typ);
        }
    }
    if (a.animation > 0) SBU_Animation_eintragen(typ);
}

const char* const Dateien[] = {"SBUO.sav",   "SBUW.sav",   "SBUS.sav",    "SBUBG.sav",
                               "SBUAS.sav",  "SBMA.sav",   "SBUKIN.sav",  "SBUKIW.sav",
                               "SBUKIR.sav", "SBUQUS.sav", "SBUWVOS.sav", "SBUPVOS.sav"};

}  // namespace

bool SBLS_Schablonen_speichern(const std::string& ordner) {
    const std::vector<std::string> inhalte[] = {
        feste_zeilen(SBU_Objekte), feste_zeilen(SBU_Waren),    feste_zeilen(SBU_Skills),
        bauplaetze_zeilen(),       feste_zeilen(SBU_Ambiente), feste_zeilen(SBA_Atlastabelle),
        ki_zeilen(SBU_KI_Nahrung), ki_zeilen(SBU_KI_Wohnen),   ki_zeilen(SBU_KI_Rest),
        marker_zeilen(),           warenanzeige_zeilen(),      prozessanzeige_zeilen()};
    for (std::size_t i = 0; i < std::size(Dateien); ++i)
        if (!schreiben(ordner + "\\" + Dateien[i], inhalte[i])) return false;
    return true;
}

void SBLS_Schablonen_laden(const std::string& ordner) {
    auto pfad = [&](int i) { return ordner + "\\" + Dateien[i]; };
    feste_lesen(pfad(0), SBU_Objekte, Zeilen_Objekt, objekt_registrieren);
    feste_lesen(pfad(1), SBU_Waren, Zeilen_Ware, ware_registrieren);
    feste_lesen(pfad(2), SBU_Skills, Zeilen_Skill, [](std::size_t) {});
    zeilen_lesen(pfad(3), bauplatz_eintragen);
    feste_lesen(pfad(4), SBU_Ambiente, Zeilen_Ambiente, ambiente_registrieren);
    feste_lesen(pfad(5), SBA_Atlastabelle, Zeilen_Atlas, [](std::size_t) {});
    ki_lesen(pfad(6), SBU_KI_Nahrung);
    ki_lesen(pfad(7), SBU_KI_Wohnen);
    ki_lesen(pfad(8), SBU_KI_Rest);
    zeilen_lesen(pfad(9), marker_eintragen);
    zeilen_lesen(pfad(10), warenanzeige_eintragen);
    zeilen_lesen(pfad(11), prozessanzeige_eintragen);
}

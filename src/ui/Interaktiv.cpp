#include "ui/Interaktiv.h"

#include <optional>

#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Textzeilen.h"
#include "foundation/Zeichenbreiten.h"
#include "platform/base/Datei.h"
#include "platform/base/Ini.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zahl.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "foundation/Spielstatus.h"

std::vector<Edikt_Data> IAU_Edikte;
int IAU_Aktuelles_Edikt = 0;
int IAU_Auswahl_1 = 0;
int IAU_Auswahl_2 = 0;
std::vector<std::string> IAU_Textzeilen;
std::vector<std::string> TPU_Edikt_Effektzeilen;

namespace {

// Highest index of laws, effects and durations a file may give.
constexpr int kMaxIndex = 99;

// The pair whose lines TPU_Edikt_Effektzeilen holds; none after a (re)load.
bool zeilen_gueltig = false;
int zeilen_edikt = -1, zeilen_gesetz = -1;

const std::string kFail = "IAU_Edikt_hinzu > ";

// A last index read from a file; one out of range is reported and gives no entries.
int index_pruefen(int wert, const std::string& was, const std::string& pfad) {
    if (wert >= -1 && wert <= kMaxIndex) return wert;
    Fehler_melden(kFail + was + " ausserhalb -1.." + std::to_string(kMaxIndex) + ": " + std::to_string(wert) +
                  " in " + pfad);
    return -1;
}

// The save file read line by line; a missing or malformed line ends the reading.
struct Leser {
    const std::vector<std::string>& zeilen;
    const std::string& pfad;
    std::size_t pos = 0;
    bool kaputt = false;

    std::optional<std::string> text() {
        if (kaputt) return std::nullopt;
        if (pos >= zeilen.size()) return fehler("Datei endet zu frueh");
        return zeilen[pos++];
    }
    std::optional<int> zahl() {
        std::optional<std::string> t = text();
        if (!t) return std::nullopt;
        int w = 0;
        if (!Zahl_lesen(*t, w)) {
            fehler("keine Zahl: " + *t);
            return std::nullopt;
        }
        return w;
    }
    std::optional<int> index() {
        std::optional<int> w = zahl();
        if (w && (*w < -1 || *w > kMaxIndex)) {
            fehler("Anzahl ausserhalb -1.." + std::to_string(kMaxIndex) + ": " + std::to_string(*w));
            return std::nullopt;
        }
        return w;
    }
    std::optional<std::string> fehler(const std::string& was) {
        if (!kaputt)
            Fehler_melden("IAU_Edikte_laden_Save > " + was + " (Zeile " + std::to_string(pos + 1) + ") in " +
                          pfad);
        kaputt = true;
        return std::nullopt;
    }
};

bool gesetz_lesen(Leser& l, Gesetz_Data& g) {
    std::optional<std::string> titel = l.text(), text = l.text();
    std::optional<int> count = l.index();
    if (!count) return false;
    g.Titel = *titel;
    g.Text = *text;
    for (int k = 0; k <= *count; ++k) {
        Effekt_Data f;
        std::optional<std::string> b = l.text(), b2 = l.text(), t = l.text();
        std::optional<int> w = l.zahl();
        if (!w) return false;
        f.Befehl = *b;
        f.Befehl2 = *b2;
        f.Text = *t;
        f.Wert = *w;
        g.Effekte.push_back(f);
        g.Count = k;
    }
    return true;
}

bool edikt_lesen(Leser& l, Edikt_Data& e) {
    std::optional<std::string> titel = l.text(), text = l.text(), trigger = l.text();
    std::optional<int> count = l.index(), timestep = l.index();
    if (!timestep) return false;
    e.Titel = *titel;
    e.Text = *text;
    e.Trigger = *trigger;
    for (int i = 0; i <= *count; ++i) {
        Gesetz_Data g;
        const bool ganz = gesetz_lesen(l, g);
        e.Gesetze.push_back(g);
        e.Count = i;
        if (!ganz) return false;
    }
    for (int j = 0; j <= *timestep; ++j) {
        std::optional<int> z = l.zahl();
        if (!z) return false;
        e.Zeiten.push_back(*z);
        e.Timestep = j;
    }
    return true;
}

std::string effektzeile(const Effekt_Data& f) {
    const std::string w = std::to_string(f.Wert);
    const std::string& b = f.Befehl;
    if (b == "happy_per_month") return "Mitglied jeden Monat " + w + "Zufriedenheit";
    if (b == "life_longer") return "Mitglieder leben " + w + W("Jahre länger");
    if (b == "50money_over_month") return "> 50Gold ~ Mitglied " + w + "Zufriedenheit";
    if (b == "100money_over_month") return "> 100Gold ~ Mitglied " + w + "Zufriedenheit";
    if (b == "one_time_happy") return "Mitglieder bekommt einmalig " + w + "Zufriedenheit";
    if (b == "marriage_extern") return "Freie Heirat mit anderen Clan aktiv";
    if (b == "marriage_extern_he_money") return "Eltern von Frauen bekommen Mitgift";
    if (b == "marriage_extern_she_money") return "Clan bekommt Gold von Frauen";
    if (b == "marriage_intern") return "Heirat nur noch im eigenen Clan";
    if (b == "leav_block") return "Mitglieder verlassen den Clan nicht";
    if (b == "leav_pai") return "Mitglieder kaufen sich Frei";
    if (b == "leav_ok") return W("Mitglieder dürfen anderen Clan beitreten");
    return "EFFEKT nicht erkannt";
}

}  // namespace

void IAU_Zuruecksetzen() {
    IAU_Edikte.clear();
    IAU_Aktuelles_Edikt = 0;
    IAU_Auswahl_1 = 0;
    IAU_Auswahl_2 = 0;
    IAU_Textzeilen.clear();
    TPU_Edikt_Effektzeilen.clear();
    zeilen_gueltig = false;
}

void IAU_Edikte_laden() {
    IAU_Edikte.clear();
    zeilen_gueltig = false;
    for (int n = 0;; ++n) {
        const std::string pfad = Programmpfad + "daten\\edikt\\" + std::to_string(n) + "\\Script.srt";
        if (!Datei_existiert(pfad)) break;
        IAU_Edikt_hinzu(pfad, n);
    }
}

void IAU_Edikt_hinzu(const std::string& pfad, int n) {
    if (n < 0) {
        Fehler_melden(kFail + "Ediktnummer ungueltig: " + std::to_string(n));
        return;
    }
    if (IAU_Edikte.size() < static_cast<std::size_t>(n) + 1)
        IAU_Edikte.resize(static_cast<std::size_t>(n) + 1);
    // A key the file lacks takes its fail text (or -1, 0); a file that lacks any is damaged and
    // is told once, with the first key it lacks.
    int fehlend = 0;
    std::string erster_fehlender;
    auto text = [&](const std::string& s, const std::string& k, const std::string& vorgabe) {
        if (ini::vorhanden(pfad, s, k)) return ini::lesen_text(pfad, s, k, vorgabe);
        if (fehlend++ == 0) erster_fehlender = "[" + s + "] " + k;
        return vorgabe;
    };
    auto zahl = [&](const std::string& s, const std::string& k, int vorgabe) {
        int w = vorgabe;
        if (Zahl_lesen(text(s, k, std::to_string(vorgabe)), w)) return w;
        if (fehlend++ == 0) erster_fehlender = "[" + s + "] " + k + " (keine Zahl)";
        return vorgabe;
    };
    Edikt_Data e;
    e.Titel = text("edikt", "titel", kFail + "Title fail");
    e.Text = text("edikt", "text", kFail + "Text fail");
    e.Trigger = text("edikt", "trigger", kFail + "Trigger fail");
    e.Count = index_pruefen(zahl("edikt", "count", -1), "count", pfad);
    e.Timestep = index_pruefen(zahl("edikt", "timestep", -1), "timestep", pfad);
    for (int j = 0; j <= e.Timestep; ++j) e.Zeiten.push_back(zahl("edikt", "time" + std::to_string(j), -1));
    for (int i = 0; i <= e.Count; ++i) {
        const std::string s = std::to_string(i);
        Gesetz_Data g;
        g.Titel = text(s, "titel", kFail + "Gesetz_A-title fail");
        g.Text = text(s, "text", kFail + "Gesetz_A-text fail");
        g.Count = index_pruefen(zahl(s, "count", -1), "count", pfad);
        for (int k = 0; k <= g.Count; ++k) {
            const std::string kk = std::to_string(k);
            Effekt_Data f;
            f.Befehl = text(s, kk + "Befehl", kFail + "Gesetz_A-Befehl fail");
            f.Befehl2 = text(s, kk + "Befehl2", kFail + "Gesetz_A-Befehl2 fail");
            f.Wert = zahl(s, kk + "Wert", 0);
            f.Text = text(s, kk + "Text", kFail + "Gesetz_A-Text fail");
            g.Effekte.push_back(f);
        }
        e.Gesetze.push_back(g);
    }
    if (fehlend > 0)
        Fehler_melden(kFail + pfad + ": fehlende Eintraege: " + std::to_string(fehlend) +
                      " (erster: " + erster_fehlender + ")");
    IAU_Edikte[static_cast<std::size_t>(n)] = std::move(e);
    zeilen_gueltig = false;
}

bool IAU_Edikte_speichern(const std::string& pfad) {
    std::vector<std::string> z;
    z.push_back(std::to_string(static_cast<int>(IAU_Edikte.size()) - 1));
    for (const Edikt_Data& e : IAU_Edikte) {
        // The counts written are those of the lists, so the file always reads back.
        z.insert(z.end(), {e.Titel, e.Text, e.Trigger, std::to_string(static_cast<int>(e.Gesetze.size()) - 1),
                           std::to_string(static_cast<int>(e.Zeiten.size()) - 1)});
        for (const Gesetz_Data& g : e.Gesetze) {
            z.insert(z.end(), {g.Titel, g.Text, std::to_string(static_cast<int>(g.Effekte.size()) - 1)});
            for (const Effekt_Data& f : g.Effekte)
                z.insert(z.end(), {f.Befehl, f.Befehl2, f.Text, std::to_string(f.Wert)});
        }
        for (int t : e.Zeiten) z.push_back(std::to_string(t));
    }
    const bool ok = Textdatei_schreiben(pfad, z);
    if (!ok) Fehler_melden("IAU_Edikte_speichern > Datei konnte nicht geschrieben werden: " + pfad);
    return ok;
}

void IAU_Edikte_laden_Save(const std::string& pfad) {
    IAU_Edikte.clear();
    zeilen_gueltig = false;
    std::optional<std::vector<std::string>> zeilen =
        Datei_existiert(pfad) ? Textdatei_lesen(pfad) : std::nullopt;
    if (!zeilen || zeilen->empty()) return;
    Leser l{*zeilen, pfad};
    std::optional<int> letzter = l.index();
    if (!letzter) return;
    for (int n = 0; n <= *letzter; ++n) {
        Edikt_Data e;
        const bool ganz = edikt_lesen(l, e);
        IAU_Edikte.push_back(std::move(e));
        if (!ganz) return;
    }
}

void IAU_Text_umbrechen(const std::string& text, int maxWidth) {
    IAU_Textzeilen.clear();
    for (int a = 0;; ++a) {
        const std::string absatz = FFU_Teil_Nr(text, '#', a);
        if (absatz.empty()) break;
        std::string zeile;
        int breite = 0;
        std::size_t pos = 0;
        while (pos < absatz.size()) {
            std::size_t ende = absatz.find(' ', pos);
            ende = ende == std::string::npos ? absatz.size() : ende + 1;
            const std::string wort = absatz.substr(pos, ende - pos);
            pos = ende;
            const int b = TPU_Textbreite_Font1(wort);
            breite += b;
            if (breite < maxWidth) {
                zeile += wort;
            } else {
                IAU_Textzeilen.push_back(zeile);
                zeile = wort;
                breite = b;
            }
        }
        IAU_Textzeilen.push_back(zeile);
    }
}

void TPU_Edikt_Effekt_Text(int e, int g) {
    if (zeilen_gueltig && e == zeilen_edikt && g == zeilen_gesetz) return;
    if (e < 0 || static_cast<std::size_t>(e) >= IAU_Edikte.size() || g < 0 ||
        static_cast<std::size_t>(g) >= IAU_Edikte[static_cast<std::size_t>(e)].Gesetze.size()) {
        Fehler_melden("TPU_Edikt_Effekt_Text > Edikt " + std::to_string(e) + " hat kein Gesetz " +
                      std::to_string(g));
        TPU_Edikt_Effektzeilen.clear();
        zeilen_gueltig = false;
        return;
    }
    const Gesetz_Data& gesetz = IAU_Edikte[static_cast<std::size_t>(e)].Gesetze[static_cast<std::size_t>(g)];
    FFU_Text_umbrechen(gesetz.Titel + "#" + gesetz.Text, 250, TPU_Edikt_Effektzeilen);
    TPU_Edikt_Effektzeilen.emplace_back();
    for (const Effekt_Data& f : gesetz.Effekte) TPU_Edikt_Effektzeilen.push_back(effektzeile(f));
    zeilen_gueltig = true;
    zeilen_edikt = e;
    zeilen_gesetz = g;
}

#include "foundation/Fehler.h"

#include <cctype>
#include <cstdio>
#include <limits>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "foundation/Config.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Datei.h"
#include "platform/base/Ini.h"

std::string Fehlertext;
int Fehleranzeige_Dauer = 0;

namespace {

const std::string kVoll =
    "Die maximale Anzahl Programmfehler wurde mitgezeichnet. Diese Protokoll deaktiviert sich nun. Bitte "
    "melde die Fehler beim Support. Eine Liste der Fehler findest du in der Config Datei im Order des "
    "Spiels.";

// One kind of report in this run: its log entry (-1 none), how often it came, and how
// often the entry says it came.
struct Art {
    int eintrag = -1;
    int anzahl = 1;
    int geschrieben = 1;
    std::string text;
};
std::unordered_map<std::string, Art> Arten;
// Beyond this many kinds, further new kinds are logged but no longer counted.
constexpr std::size_t kArten_max = 4096;

// Reports that differ only in their numbers (a line, an index, a value) are one kind.
std::string art_von(const std::string& text) {
    std::string art;
    art.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool ziffer = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if (!ziffer)
            art += text[i];
        else if (art.empty() || art.back() != '#')
            art += '#';
    }
    return art;
}

void anzahl_schreiben(Art& a) {
    if (a.eintrag < 0 || a.geschrieben == a.anzahl) return;
    ini::schreiben_text(Programmpfad + Configdatei, "Errorlog", std::to_string(a.eintrag),
                        a.text + " (" + std::to_string(a.anzahl) + " mal gemeldet)");
    a.geschrieben = a.anzahl;
}

// Reports of the file layer. The error line and the log belong to the thread that started
// the program; a report from another thread waits for that thread's next report or frame.
const std::thread::id Hauptfaden = std::this_thread::get_id();
std::mutex Wartende_Sperre;
std::vector<std::string> Wartende;
// Set while a report is being made: writing the log goes through the file layer too, and the
// reporter never reports about itself.
bool Im_Bericht = false;

void aus_der_Dateischicht(const std::string& text) {
    if (std::this_thread::get_id() != Hauptfaden) {
        std::lock_guard<std::mutex> l(Wartende_Sperre);
        if (Wartende.size() < 100) Wartende.push_back(text);
        return;
    }
    if (Im_Bericht) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    Fehler_melden(text);
}

[[maybe_unused]] const Datei_Berichtsziel Vorher = Datei_Berichtsziel_setzen(&aus_der_Dateischicht);

}  // namespace

void Fehler_Wartende_melden() {
    if (std::this_thread::get_id() != Hauptfaden) return;
    std::vector<std::string> texte;
    {
        std::lock_guard<std::mutex> l(Wartende_Sperre);
        texte.swap(Wartende);
    }
    for (const std::string& t : texte) aus_der_Dateischicht(t);
}

std::string Fehler_Anzeigetext(const std::string& text) {
    std::string t = text;
    for (char& c : t)
        if (c == '\\') c = '/';
    return t;
}

void Fehler_zuruecksetzen() {
    Fehlertext.clear();
    Fehleranzeige_Dauer = 0;
    Arten.clear();
}

int Errorlog_schreiben(const std::string& text) {
    int n = Config_ReadInteger(Configdatei, "Allgemein", "Errorlog", 0);
    // A counter that was edited into nonsense starts the log afresh.
    if (n < 0) n = 0;
    // A full log takes nothing more; it stays as it is until it is emptied by hand.
    if (n > Errorlog_letzter_Eintrag) {
        Errorloger = false;
        return -1;
    }
    // The log writes past the configuration's accessors: a log that cannot be written loses
    // its entry silently, and the reporter never reports about itself.
    const std::string pfad = Programmpfad + Configdatei;
    ini::schreiben_zahl(pfad, "Allgemein", "Errorlog", n + 1);
    ini::schreiben_text(pfad, "Errorlog", std::to_string(n), text);
    // Off for the rest of this run only: the setting in Config.ini stays the player's.
    if (n >= Errorlog_letzter_Eintrag) Errorloger = false;
    return n;
}

void Fehler_melden(const std::string& text) {
    Fehler_Wartende_melden();
    if (Error_Silence || Im_Bericht) return;
    struct Bericht {
        Bericht() { Im_Bericht = true; }
        ~Bericht() { Im_Bericht = false; }
    } bericht;
    Fehleranzeige_Dauer = 1000;
    Fehlertext = text;
    const std::string art = art_von(text);
    if (auto it = Arten.find(art); it != Arten.end()) {
        // Counted, not logged again; the entry's count is brought up to date at 2, 4, 8, ... reports.
        Art& a = it->second;
        if (a.anzahl < std::numeric_limits<int>::max()) ++a.anzahl;
        if ((a.anzahl & (a.anzahl - 1)) == 0) anzahl_schreiben(a);
        return;
    }
    int n = -1;
    if (Errorloger) {
        n = Errorlog_schreiben(text);
        // Told once, at the moment the log switches itself off; a game in progress is
        // not stopped by a message box, the error line says it instead.
        if (n == Errorlog_letzter_Eintrag) {
            if (Spiel_laeuft())
                Fehlertext = kVoll;
            else
                Shell().Meldung(kVoll);
        }
    }
    if (Arten.size() < kArten_max) Arten.emplace(art, Art{n, 1, 1, text});
}

void Fehler_Protokoll_abschliessen() {
    for (auto& [art, a] : Arten) anzahl_schreiben(a);
}

void Config_GLFehler_pruefen(const std::string& text) {
    if (text == "Kein Fehler" || text == "no error") return;
    Fehler_melden("GLerrorlog: " + text);
}

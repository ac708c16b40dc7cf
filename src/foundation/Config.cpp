#include "foundation/Config.h"

#include <set>
#include <string_view>

#include "foundation/Fehler.h"
#include "platform/base/Datei.h"
#include "platform/base/Ini.h"
#include "platform/base/System.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zahl.h"

std::string Programmpfad = "./";

bool Programmvariableanzeigen;
bool Error_Silence;
std::string Server;
std::string Version;
bool Errorloger;
std::string Spielername;
int SpielerfarbeR, SpielerfarbeG, SpielerfarbeB;
bool MausinverterX, MausinverterY;
bool AutosaveCheck;
bool AutosaveEinstellung = true;
int Autosave_time;
bool Vollbild;
bool VSync;
bool Musik;
bool SFX;
bool AutoUpdate;

namespace {

const std::string kAllgemein = "Allgemein";
const std::string kServerVorgabe = "update.brandenhofmark.example";
const std::string kVersionVorgabe = "0.1.2.XYZ";
// Window sizes and positions beyond this are no screen's.
constexpr int kFenster_max = 1 << 16;

std::string datei(const std::string& name) { return Programmpfad + name; }

// Files whose fault was reported in this run: each is told once.
std::set<std::string> gemeldet;

void einmal_melden(const std::string& pfad, const std::string& text) {
    if (gemeldet.insert(pfad).second) Fehler_melden(text);
}

void schreiben_pruefen(bool gut, const std::string& d, const char* routine) {
    if (!gut)
        einmal_melden(datei(d),
                      std::string(routine) + " > " + datei(d) +
                          ": konnte nicht geschrieben werden, die Aenderung gilt nur bis zum Programmende");
}

bool leer_oder_kommentar(std::string_view z) {
    const std::size_t a = z.find_first_not_of(" \t");
    return a == std::string_view::npos || z[a] == ';' || z[a] == '#';
}

// A line the profile functions take as a section or an entry (blank and comment lines aside).
bool ini_zeile(std::string_view z) {
    for (unsigned char c : z)
        if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
    const std::size_t a = z.find_first_not_of(" \t");
    if (z[a] == '[') return z.find(']', a) != std::string_view::npos;
    const std::size_t gleich = z.find('=');
    return gleich != std::string_view::npos && gleich > a;
}

// The first fault of the file's text, or empty.
std::string text_fehler(std::string_view text) {
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::size_t nr = 0, erste_falsche = 0, falsche = 0;
    std::string_view rest = text, z;
    while (Zeile_nehmen(rest, z)) {
        ++nr;
        if (z.size() > Ini_Zeile_max)
            return "Zeile " + std::to_string(nr) + " ist " + std::to_string(z.size()) +
                   " Zeichen lang (hoechstens " + std::to_string(Ini_Zeile_max) + ")";
        if (leer_oder_kommentar(z)) continue;
        if (!ini_zeile(z)) {
            if (falsche++ == 0) erste_falsche = nr;
            continue;
        }
    }
    if (falsche > 0)
        return std::to_string(falsche) + " Zeile(n) sind weder Abschnitt noch Eintrag (erste: Zeile " +
               std::to_string(erste_falsche) + "), sie zaehlen nicht";
    return {};
}

std::string name_kuerzen(const std::string& name) {
    return name.size() > static_cast<std::size_t>(Spielername_max) ? name.substr(0, Spielername_max) : name;
}

std::string benutzer_name() {
    std::string n = name_kuerzen(Windows_Benutzername());
    return n.empty() ? "Spieler" : n;
}

struct Grundwerte {
    Grundwerte() { Config_zuruecksetzen(); }
} grundwerte;

}  // namespace

void Config_zuruecksetzen() {
    gemeldet.clear();
    Programmvariableanzeigen = false;
    Error_Silence = true;
    Server = kServerVorgabe;
    Version = kVersionVorgabe;
    Errorloger = true;
    Spielername.clear();
    SpielerfarbeR = 100;
    SpielerfarbeG = 0;
    SpielerfarbeB = 0;
    MausinverterX = MausinverterY = false;
    AutosaveCheck = AutosaveEinstellung = true;
    Autosave_time = Autosave_time_Vorgabe;
    Vollbild = false;
    VSync = true;
    Musik = true;
    SFX = true;
    AutoUpdate = true;
}

bool Config_Datei_pruefen(const std::string& d, const std::string& sektion, const std::string& routine) {
    const std::string pfad = datei(d);
    std::string fehler;
    if (Ordner_existiert(pfad)) {
        fehler = "ist ein Ordner, keine Datei: es gelten die Vorgaben";
    } else if (!Datei_existiert(pfad)) {
        return true;
    } else if (auto text = Datei_lesen(pfad); !text) {
        fehler = "ist nicht lesbar: es gelten die Vorgaben";
    } else {
        fehler = text_fehler(*text);
        if (fehler.empty() && !ini::sektion_vorhanden(pfad, sektion))
            fehler = "hat keinen Abschnitt [" + sektion + "]: es gelten die Vorgaben";
        if (fehler.empty() && Datei_schreibgeschuetzt(pfad))
            fehler = "ist schreibgeschuetzt: nichts wird gespeichert";
    }
    if (fehler.empty()) return true;
    einmal_melden(pfad, routine + " > " + pfad + ": " + fehler);
    return false;
}

void Config_Debug_lesen() {
    Programmvariableanzeigen = Config_ReadBool(Configdatei, kAllgemein, "Programmvariableanzeigen", false);
    Error_Silence = Config_ReadBool(Configdatei, kAllgemein, "Error_Silence", true);
}

bool Config_Vollbild_lesen() { return Config_ReadBool(Configdatei, kAllgemein, "Vollbild", false); }

void Config_Spieler_Vorgabe() {
    Spielername = benutzer_name();
    SpielerfarbeR = 100;
    SpielerfarbeG = 0;
    SpielerfarbeB = 0;
}

void Config_laden() {
    Config_Debug_lesen();
    Config_Datei_pruefen(Configdatei, kAllgemein, "Config_laden");
    Config_ReadString(Configdatei, kAllgemein, "Server", Server, kServerVorgabe);
    Config_ReadString(Configdatei, kAllgemein, "Version", Version, kVersionVorgabe);
    Errorloger = Config_ReadBool(Configdatei, kAllgemein, "Errorloger", true);

    Config_ReadString(Configdatei, kAllgemein, "Spielername", Spielername, "");
    if (Spielername.empty()) {
        Config_Spieler_Vorgabe();
        Config_WriteInteger(Configdatei, kAllgemein, "SpielerfarbeR", SpielerfarbeR);
        Config_WriteInteger(Configdatei, kAllgemein, "SpielerfarbeG", SpielerfarbeG);
        Config_WriteInteger(Configdatei, kAllgemein, "SpielerfarbeB", SpielerfarbeB);
        Config_WriteString(Configdatei, kAllgemein, "Spielername", Spielername);
    } else {
        if (Spielername.size() > static_cast<std::size_t>(Spielername_max)) {
            Spielername = benutzer_name();
            Config_WriteString(Configdatei, kAllgemein, "Spielername", Spielername);
        }
        SpielerfarbeR = Config_ReadInteger_Bereich(Configdatei, kAllgemein, "SpielerfarbeR", 100, 0, 100);
        SpielerfarbeG = Config_ReadInteger_Bereich(Configdatei, kAllgemein, "SpielerfarbeG", 0, 0, 100);
        SpielerfarbeB = Config_ReadInteger_Bereich(Configdatei, kAllgemein, "SpielerfarbeB", 0, 0, 100);
    }

    MausinverterX = Config_ReadBool(Configdatei, kAllgemein, "MausinverterX", false);
    MausinverterY = Config_ReadBool(Configdatei, kAllgemein, "MausinverterY", false);
    AutosaveCheck = AutosaveEinstellung = Config_ReadBool(Configdatei, kAllgemein, "AutosaveCheck", true);
    Autosave_time = Config_ReadInteger_Bereich(Configdatei, kAllgemein, "Autosave_time",
                                               Autosave_time_Vorgabe, Autosave_time_min, Autosave_time_max);
    Vollbild = Config_ReadBool(Configdatei, kAllgemein, "Vollbild", false);
    VSync = Config_ReadBool(Configdatei, kAllgemein, "VSync", true);
    Musik = Config_ReadBool(Configdatei, kAllgemein, "Musik", true);
    SFX = Config_ReadBool(Configdatei, kAllgemein, "SFX", true);
    AutoUpdate = Config_ReadBool(Configdatei, kAllgemein, "AutoUpdate", true);
}

void Config_speichern() {
    if (Spielername.empty()) Spielername = benutzer_name();
    Spielername = name_kuerzen(Spielername);
    Config_WriteString(Configdatei, kAllgemein, "Spielername", Spielername);
    Config_WriteInteger(Configdatei, kAllgemein, "SpielerfarbeR", SpielerfarbeR);
    Config_WriteInteger(Configdatei, kAllgemein, "SpielerfarbeG", SpielerfarbeG);
    Config_WriteInteger(Configdatei, kAllgemein, "SpielerfarbeB", SpielerfarbeB);
    Config_WriteBool(Configdatei, kAllgemein, "MausinverterX", MausinverterX);
    Config_WriteBool(Configdatei, kAllgemein, "MausinverterY", MausinverterY);
    Config_WriteBool(Configdatei, kAllgemein, "AutosaveCheck", AutosaveEinstellung);
    Config_WriteInteger(Configdatei, kAllgemein, "Autosave_time", Autosave_time);
    Config_WriteBool(Configdatei, kAllgemein, "Vollbild", Vollbild);
    Config_WriteBool(Configdatei, kAllgemein, "Musik", Musik);
    Config_WriteBool(Configdatei, kAllgemein, "SFX", SFX);
    Config_WriteBool(Configdatei, kAllgemein, "VSync", VSync);
    Config_WriteBool(Configdatei, kAllgemein, "Error_Silence", Error_Silence);
    Config_WriteBool(Configdatei, kAllgemein, "AutoUpdate", AutoUpdate);
}

Fenstergeometrie Config_Fenster_lesen(int bildschirm_breite, int bildschirm_hoehe) {
    Fenstergeometrie g;
    g.breite = Config_ReadInteger_Bereich(Configdatei, kAllgemein, "Fensterbreite", 800, 1, kFenster_max);
    g.hoehe = Config_ReadInteger_Bereich(Configdatei, kAllgemein, W("Fensterhöhe"), 500, 1, kFenster_max);
    g.links = Config_ReadInteger_Bereich(Configdatei, kAllgemein, "Left", 200, -kFenster_max, kFenster_max);
    g.oben = Config_ReadInteger_Bereich(Configdatei, kAllgemein, "Top", 150, -kFenster_max, kFenster_max);
    if (g.hoehe >= bildschirm_hoehe) g.hoehe = bildschirm_hoehe;
    if (g.breite >= bildschirm_breite) g.breite = bildschirm_breite;
    if (g.links < 0) g.links = 0;
    if (g.oben < 0) g.oben = 0;
    return g;
}

void Config_Fenster_schreiben(const std::string& name, bool vollbild, int breite, int hoehe, int links,
                              int oben) {
    Config_WriteBool(name, kAllgemein, "Vollbild", vollbild);
    Config_WriteInteger(name, kAllgemein, "Fensterbreite", breite);
    Config_WriteInteger(name, kAllgemein, W("Fensterhöhe"), hoehe);
    Config_WriteInteger(name, kAllgemein, "Left", links);
    Config_WriteInteger(name, kAllgemein, "Top", oben);
}

void Config_WriteString(const std::string& d, const std::string& s, const std::string& k,
                        const std::string& w) {
    schreiben_pruefen(ini::schreiben_text(datei(d), s, k, w), d, "Config_WriteString");
}
void Config_ReadString(const std::string& d, const std::string& s, const std::string& k,
                       std::string& ergebnis, const std::string& vorgabe) {
    ergebnis = ini::lesen_text(datei(d), s, k, vorgabe);
}
void Config_WriteInteger(const std::string& d, const std::string& s, const std::string& k, int w) {
    schreiben_pruefen(ini::schreiben_zahl(datei(d), s, k, w), d, "Config_WriteInteger");
}
int Config_ReadInteger(const std::string& d, const std::string& s, const std::string& k, int vorgabe) {
    return ini::lesen_zahl(datei(d), s, k, vorgabe);
}
void Config_WriteBool(const std::string& d, const std::string& s, const std::string& k, bool w) {
    schreiben_pruefen(ini::schreiben_bool(datei(d), s, k, w), d, "Config_WriteBool");
}
int Config_ReadInteger_Bereich(const std::string& d, const std::string& s, const std::string& k, int vorgabe,
                               int min, int max, const std::string& routine) {
    const std::string text = ini::lesen_text(datei(d), s, k, "");
    if (text.empty()) return vorgabe;
    int wert = 0;
    if (Zahl_lesen(text, wert) && wert >= min && wert <= max) return wert;
    Fehler_melden(routine + " > " + d + " [" + s + "] " + k + "=" + text.substr(0, 40) + " liegt nicht in " +
                  std::to_string(min) + ".." + std::to_string(max) + ", es gilt " + std::to_string(vorgabe));
    return vorgabe;
}
bool Config_ReadBool(const std::string& d, const std::string& s, const std::string& k, bool vorgabe) {
    return ini::lesen_bool(datei(d), s, k, vorgabe);
}

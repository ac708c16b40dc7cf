#include "foundation/Config.h"

#include "foundation/Fehler.h"
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
    ini::schreiben_text(datei(d), s, k, w);
}
void Config_ReadString(const std::string& d, const std::string& s, const std::string& k,
                       std::string& ergebnis, const std::string& vorgabe) {
    ergebnis = ini::lesen_text(datei(d), s, k, vorgabe);
}
void Config_WriteInteger(const std::string& d, const std::string& s, const std::string& k, int w) {
    ini::schreiben_zahl(datei(d), s, k, w);
}
int Config_ReadInteger(const std::string& d, const std::string& s, const std::string& k, int vorgabe) {
    return ini::lesen_zahl(datei(d), s, k, vorgabe);
}
void Config_WriteBool(const std::string& d, const std::string& s, const std::string& k, bool w) {
    ini::schreiben_bool(datei(d), s, k, w);
}
int Config_ReadInteger_Bereich(const std::string& d, const std::string& s, const std::string& k, int vorgabe,
                               int min, int max) {
    const std::string text = ini::lesen_text(datei(d), s, k, "");
    if (text.empty()) return vorgabe;
    int wert = 0;
    if (Zahl_lesen(text, wert) && wert >= min && wert <= max) return wert;
    Fehler_melden("Config_laden > " + d + " [" + s + "] " + k + "=" + text.substr(0, 40) +
                  " liegt nicht in " + std::to_string(min) + ".." + std::to_string(max) + ", es gilt " +
                  std::to_string(vorgabe));
    return vorgabe;
}
bool Config_ReadBool(const std::string& d, const std::string& s, const std::string& k, bool vorgabe) {
    return ini::lesen_bool(datei(d), s, k, vorgabe);
}

#include "persistence/Spielstand_Skript.h"

#include <cstdint>
#include <ctime>
#include <utility>

#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "economy/Haefen.h"
#include "economy/Schiffe.h"
#include "economy/Schutt.h"
#include "economy/Warenstatistik.h"
#include "foundation/Personenindex.h"
#include "population/Animation.h"
#include "population/Arbeitsamt.h"
#include "population/Befehlsliste.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Wachstum.h"
#include "platform/base/Ini.h"
#include "population/Personen.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Pfade.h"

namespace {

const std::string Main = "Main";

// Upper bounds of what a saved game may ask for; beyond them the file is not a game of ours.
constexpr int Personen_max = 1000000;
constexpr int Objekte_max = 1000000;
constexpr int Spieler_max = 10000;
constexpr int Haefen_max = 100000;
constexpr std::int64_t Pfadfelder_max = std::int64_t{1} << 26;

// The Boolean keys of the section in writing order, after "Hausneid" and "SpielerID".
const std::pair<const char*, bool*> Ziele[] = {
    {"SBMAb", &SBMAb}, {"SBGOb", &SBGOb}, {"SBLUb", &SBLUb}, {"SBLCb", &SBLCb}};
const std::pair<const char*, bool*> Schalter[] = {
    {"ELE", &ELE},         {"CLT", &CLT},         {"GUI_Ge", &GUI_Ge},   {"GUI_To", &GUI_To},
    {"GUI_Ab", &GUI_Ab},   {"GUI_Ei", &GUI_Ei},   {"GUI_FO", &GUI_FO},   {"GUI_KT", &GUI_KT},
    {"GUI_KS", &GUI_KS},   {"GUI_FS", &GUI_FS},   {"GUI_Au", &GUI_Au},   {"GUI_Cl", &GUI_Cl},
    {"GUI_Me", &GUI_Me},   {"GUI_In", &GUI_In},   {"Fil_Gps", &Fil_Gps}, {"Fil_Gst", &Fil_Gst},
    {"Fil_Rms", &Fil_Rms}, {"Fil_Rfi", &Fil_Rfi}, {"Fil_Maf", &Fil_Maf}, {"Fil_Mhf", &Fil_Mhf},
    {"Fil_Zuf", &Fil_Zuf}, {"Fil_Wgf", &Fil_Wgf}};

int hoechster(std::size_t n) { return static_cast<int>(n) - 1; }

// The local date and time in the short date and long time format.
std::string zeittext() {
    std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    char puffer[64];
    std::strftime(puffer, sizeof puffer, "%d.%m.%Y %H:%M:%S", &t);
    return puffer;
}

}  // namespace

bool LSU_Script_schreiben(const std::string& datei) {
    bool gut = true;
    auto zahl = [&](const char* k, int w) { gut = gut && ini::schreiben_zahl(datei, Main, k, w); };
    auto wahr = [&](const char* k, bool w) { gut = gut && ini::schreiben_bool(datei, Main, k, w); };
    gut = ini::schreiben_text(datei, Main, "Time", zeittext());
    zahl("Hasen_WarenID", Hasen_WarenID);
    zahl("Hasen_Max", Hasen_Max);
    zahl("Hasen_Init", Hasen_Init);
    zahl("MA", hoechster(Karte.size()));
    zahl("PA", hoechster(Personen.size()));
    zahl("GA", hoechster(Spieler.size()));
    zahl("OA", hoechster(Objekte.size()));
    zahl("PatA", hoechster(PFU_Pfade.size()));
    zahl("HA", hoechster(Haefen.size()));
    zahl("MS", MG_Kartengroesse);
    zahl("SX", SX);
    zahl("SY", SY);
    wahr("KSL", KSL);
    wahr("SSL", SSL);
    wahr("MSL", MSL);
    wahr("ISL", ISL);
    zahl("AE", AE);
    zahl("FM", Geschlecht_Zaehler);
    zahl("FS", Spieler_Startphase(SpielerID));
    zahl("SGT", SingelGameTYPWahl);
    zahl("SGKL", SingelGameKILevel);
    zahl("GU", GU);
    zahl("GU2", GU2);
    zahl("SZ", SZ);
    zahl("WV", WV);
    zahl("WAlt", WAlt);
    zahl("DiaU_Startpunkt", DiaU_Startpunkt);
    zahl("DiaU_Min_Punkt", DiaU_Min_Punkt);
    zahl("DiaU_Max_Punkt", DiaU_Max_Punkt);
    zahl("Hausneid", Hausneid);
    zahl("SpielerID", SpielerID);
    for (const auto& [k, w] : Ziele) wahr(k, *w);
    zahl("SBMAi", SBMAi);
    zahl("SBGOi", SBGOi);
    zahl("SBLUi", SBLUi);
    for (const auto& [k, w] : Schalter) wahr(k, *w);
    if (!gut) Fehler_melden("LSU_Spiel_speichern > kann nicht schreiben: " + datei);
    return gut;
}

bool LSU_Script_pruefen(const std::string& datei, LSU_Groessen& g) {
    auto zahl = [&](const char* k, int vorgabe) { return ini::lesen_zahl(datei, Main, k, vorgabe); };
    g.MS = zahl("MS", MG_Kartengroesse);
    g.MA = zahl("MA", 0);
    g.PA = zahl("PA", 0);
    g.GA = zahl("GA", 0);
    g.OA = zahl("OA", 0);
    g.PatA = zahl("PatA", 0);
    g.HA = zahl("HA", 0);
    g.SpielerID = zahl("SpielerID", 0);
    std::string fehler;
    const std::int64_t seite = g.MS;
    if (g.MS < 1 || g.MS > MG_Kartengroesse_max)
        fehler = "Kartengroesse MS " + std::to_string(g.MS);
    else if (static_cast<std::int64_t>(g.MA) + 1 != seite * seite)
        fehler = "MA " + std::to_string(g.MA) + " passt nicht zu MS " + std::to_string(g.MS);
    else if (g.PA < -1 || g.PA >= Personen_max)
        fehler = "PA " + std::to_string(g.PA);
    else if (g.GA < 0 || g.GA >= Spieler_max)
        fehler = "GA " + std::to_string(g.GA);
    else if (g.OA < -1 || g.OA >= Objekte_max)
        fehler = "OA " + std::to_string(g.OA);
    else if (g.PatA < -1 || (static_cast<std::int64_t>(g.PatA) + 1) * 4 * seite > Pfadfelder_max)
        fehler = "PatA " + std::to_string(g.PatA);
    else if (g.HA < -1 || g.HA >= Haefen_max)
        fehler = "HA " + std::to_string(g.HA);
    else if (g.SpielerID < 0 || g.SpielerID > g.GA)
        fehler = "SpielerID " + std::to_string(g.SpielerID);
    if (fehler.empty()) return true;
    Fehler_melden("LSU_Script_lesen > unmoeglicher Wert " + fehler + ": " + datei);
    return false;
}

void LSU_Script_lesen(const std::string& ordner) {
    const std::string datei = ordner + "\\script.ini";
    LSU_Groessen g;
    if (!LSU_Script_pruefen(datei, g)) return;
    auto zahl = [&](const char* k, int vorgabe) { return ini::lesen_zahl(datei, Main, k, vorgabe); };
    auto wahr = [&](const char* k, bool vorgabe) { return ini::lesen_bool(datei, Main, k, vorgabe); };
    auto groesse = [](int hoechster_index) { return static_cast<std::size_t>(hoechster_index + 1); };
    // Counters that others use as a position get their start value when the file's is out of range.
    auto bereich = [&](const char* k, int& wert, int von, int bis, int start) {
        wert = zahl(k, wert);
        if (wert >= von && wert <= bis) return;
        Fehler_melden("LSU_Script_lesen > " + std::string(k) + " ausserhalb " + std::to_string(von) + ".." +
                      std::to_string(bis) + ": " + std::to_string(wert));
        wert = start;
    };

    Hasen_WarenID = zahl("Hasen_WarenID", 3);
    Hase_Grenzen_setzen(zahl("Hasen_Max", 10), zahl("Hasen_Init", 5), "LSU_Script_lesen");
    Karte.resize(groesse(g.MA));
    Personen_hoechster_Index = g.PA;
    Personen.assign(groesse(g.PA), Personenzeile{});
    Spieler.assign(groesse(g.GA), Spielerzeile{});
    Objekte.assign(groesse(g.OA), Objektzeile{});
    PFU_Pfade.assign(groesse(g.PatA), std::vector<int>(static_cast<std::size_t>(4 * g.MS), 0));
    Haefen.assign(groesse(g.HA), Hafen_inhalte{});
    MG_Kartengroesse = g.MS;
    SX = zahl("SX", SX);
    SY = zahl("SY", SY);
    KSL = wahr("KSL", KSL);
    SSL = wahr("SSL", SSL);
    MSL = wahr("MSL", MSL);
    ISL = wahr("ISL", ISL);
    bereich("AE", AE, 0, 9, 0);
    bereich("FM", Geschlecht_Zaehler, 1, 2, 1);
    SingelGameTYPWahl = zahl("SGT", 2);
    // A save without the level (or with 0) would keep every computer clan from building.
    SingelGameKILevel = 1;
    bereich("SGKL", SingelGameKILevel, 0, 6, 1);
    if (SingelGameKILevel < 1) SingelGameKILevel = 1;
    GU = zahl("GU", GU);
    GU2 = zahl("GU2", GU2);
    SZ = zahl("SZ", SZ);
    WV = zahl("WV", 0);
    WAlt = zahl("WAlt", 0);
    bereich("DiaU_Startpunkt", DiaU_Startpunkt, 0, 64, 1);
    DiaU_Min_Punkt = zahl("DiaU_Min_Punkt", DiaU_Min_Punkt);
    DiaU_Max_Punkt = zahl("DiaU_Max_Punkt", DiaU_Max_Punkt);
    Hausneid = zahl("Hausneid", Hausneid);
    SpielerID = g.SpielerID;
    Spielerzeile& spieler = Spieler[static_cast<std::size_t>(SpielerID)];
    spieler.Startphase() = zahl("FS", spieler.Startphase());
    Platzierungsmodus = spieler.Startphase() == 1;
    if (Platzierungsmodus) Bau_Typ = SBU_Start_ID;
    for (const auto& [k, w] : Ziele) *w = wahr(k, false);
    SBMAi = zahl("SBMAi", 100);
    SBGOi = zahl("SBGOi", SBGOi_Vorgabe);
    SBLUi = zahl("SBLUi", 100);
    for (const auto& [k, w] : Schalter) *w = wahr(k, false);
}

#include "persistence/Spielstand_Skript.h"

#include <algorithm>
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
#include "foundation/Textzeilen.h"
#include "economy/Haefen.h"
#include "economy/KI.h"
#include "population/Jobarchiv.h"
#include "world/Landschaft.h"
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
#include "world/Wachstum.h"
#include "platform/base/Ini.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Pfade.h"

namespace {

const std::string Main = "Main";

// Upper bounds of what a saved game may ask for; beyond them the file is not a game of ours.
// Persons and objects each take a cell of the map, harbours are objects and every path
// belongs to a person; the tables grow in steps, which the reserve allows for.
constexpr std::int64_t Zeilenreserve = 1000;
constexpr int Spieler_max = 10000;
constexpr std::int64_t Pfadfelder_max = std::int64_t{1} << 25;

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
    // All keys in one write of the file, in the order written.
    std::vector<std::pair<std::string, std::string>> werte;
    auto zahl = [&](const char* k, int w) { werte.emplace_back(k, std::to_string(w)); };
    auto wahr = [&](const char* k, bool w) { werte.emplace_back(k, w ? "1" : "0"); };
    werte.emplace_back("Time", zeittext());
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
    // Where the calendar, the computer players' round and the random source stand, so the
    // loaded game goes on as the saved one would have.
    zahl("Monatsschritt", Monatsschritt);
    zahl("Jahresschritt", Jahresschritt);
    wahr("Monatsflag", Monatsflag);
    zahl("KI_Spieler", KI_aktueller_Spieler);
    zahl("Zufall", static_cast<int>(RandSeed));
    zahl("Landschaft_Scan", SLB_Scanposition);
    zahl("Personen_hoechster", Personen_hoechster_Index);
    zahl("Personen_Suchstart", Personen_Suchstart);
    zahl("Pfad_Suchstart", PFU_Naechster_freier);
    zahl("Nahrung_Zeiger", SBU_Food_Zeiger);
    zahl("Luxus_Zeiger", SBU_Luxury_Zeiger);
    zahl("Suchring", JA_Suchring);
    const bool gut = ini::schreiben_alle(datei, Main, werte);
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
    const std::int64_t felder = seite * seite;
    auto zeilen = [](int hoechster) { return static_cast<std::int64_t>(hoechster) + 1; };
    if (g.MS < 1 || g.MS > MG_Kartengroesse_max)
        fehler = "Kartengroesse MS " + std::to_string(g.MS);
    else if (zeilen(g.MA) != felder)
        fehler = "MA " + std::to_string(g.MA) + " passt nicht zu MS " + std::to_string(g.MS);
    else if (g.PA < -1 || zeilen(g.PA) > felder + Zeilenreserve)
        fehler = "PA " + std::to_string(g.PA);
    else if (g.GA < 0 || g.GA >= Spieler_max)
        fehler = "GA " + std::to_string(g.GA);
    else if (g.OA < -1 || zeilen(g.OA) > felder + Zeilenreserve)
        fehler = "OA " + std::to_string(g.OA);
    else if (g.PatA < -1 || zeilen(g.PatA) > zeilen(g.PA) + Zeilenreserve ||
             zeilen(g.PatA) * 4 * seite > Pfadfelder_max)
        fehler = "PatA " + std::to_string(g.PatA);
    else if (g.HA < -1 || zeilen(g.HA) > zeilen(g.OA) + Zeilenreserve)
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
    // A value beyond what a game reaches is reported and takes the default.
    auto zahl = [&](const char* k, int vorgabe) {
        const int w = ini::lesen_zahl(datei, Main, k, vorgabe);
        if (w >= -FFU_Spielstandwert_max && w <= FFU_Spielstandwert_max) return w;
        Fehler_melden("LSU_Script_lesen > " + std::string(k) +
                      " ausserhalb des Wertebereichs: " + std::to_string(w));
        return vorgabe;
    };
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
    MG_Personenbits_verwerfen();
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
    // A game saved before these keys existed starts its calendar and round again, as it did.
    bereich("Monatsschritt", Monatsschritt, 0, Monatsticks, 0);
    bereich("Jahresschritt", Jahresschritt, 0, 12 * Monatsticks, 0);
    Monatsflag = wahr("Monatsflag", Monatsflag);
    bereich("KI_Spieler", KI_aktueller_Spieler, 0, g.GA, 0);
    if (ini::vorhanden(datei, Main, "Zufall"))
        RandSeed =
            static_cast<std::uint32_t>(ini::lesen_zahl(datei, Main, "Zufall", static_cast<int>(RandSeed)));
}

void LSU_Script_Stand_lesen(const std::string& ordner) {
    const std::string datei = ordner + "\\script.ini";
    // A cursor missing or out of range keeps the value the load gave it.
    auto cursor = [&](const char* k, int& wert, int von, int bis) {
        if (!ini::vorhanden(datei, Main, k)) return;
        const int w = ini::lesen_zahl(datei, Main, k, wert);
        if (w >= von && w <= bis)
            wert = w;
        else
            Fehler_melden("LSU_Script_lesen > " + std::string(k) + " ausserhalb " + std::to_string(von) +
                          ".." + std::to_string(bis) + ": " + std::to_string(w));
    };
    const int personen = hoechster(Personen.size());
    cursor("Landschaft_Scan", SLB_Scanposition, 0, std::max(0, hoechster(Karte.size())));
    cursor("Personen_hoechster", Personen_hoechster_Index, std::min(Personen_hoechster_Index, personen),
           personen);
    cursor("Personen_Suchstart", Personen_Suchstart, 0, std::max(0, personen));
    cursor("Pfad_Suchstart", PFU_Naechster_freier, 0, std::max(0, hoechster(PFU_Pfade.size())));
    cursor("Nahrung_Zeiger", SBU_Food_Zeiger, 0, std::max(0, hoechster(SBU_Food_Waren.size())));
    cursor("Luxus_Zeiger", SBU_Luxury_Zeiger, 0, std::max(0, hoechster(SBU_Luxury_Waren.size())));
    cursor("Suchring", JA_Suchring, 0, MG_Kartengroesse);
}

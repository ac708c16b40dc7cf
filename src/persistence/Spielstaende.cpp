#include "persistence/Spielstaende.h"

#include <algorithm>
#include <cstdint>

#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Bild.h"
#include "foundation/Bilddatei.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Iconpacks.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "persistence/Kartendatei.h"
#include "persistence/Schablonendateien.h"
#include "persistence/Spielstand_Skript.h"
#include "persistence/Tabellendateien.h"
#include "economy/Haefen.h"
#include "economy/Schiffe.h"
#include "economy/Schutt.h"
#include "economy/Warenstatistik.h"
#include "population/Personenindex.h"
#include "population/Animation.h"
#include "population/Arbeitsamt.h"
#include "population/Befehlsliste.h"
#include "population/Briefe.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Kartengenerator.h"
#include "world/Wachstum.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "population/Edikte.h"
#include "population/Personen.h"
#include "world/Gelaende.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Pfade.h"
#include "world/Ressourcen.h"

void (*LSU_Speichern_Haltepunkt)(const char* schritt) = nullptr;
std::array<LSU_Spielstand, LSU_Spielstaende_max> LSU_Spielstandliste;
int LSU_Spielstand_Letzter = -1;
std::vector<LSU_Spielstand> LSU_Spielstaende_alle;
int LSU_Spielstand_Seite = 0;
std::string LSU_Speichername;
std::string LSU_Letzter_Speichername;

namespace {

// The three icon packs and the building atlas a saved game carries.
const char* const Packs[] = {"Iconpack.BMP", "Skillpack.BMP", "Bauiconpack.BMP"};
const char* const Atlas = "Gebaeudepack.BMP";

// A save name must be one folder name.
bool name_gueltig(const std::string& name) {
    if (name == "." || name == "..") return false;
    // Blanks alone name nothing the player could find again in the list.
    if (name.find_first_not_of(' ') == std::string::npos) return false;
    for (char c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

void status(const std::string& text) { Oberflaeche().TPU_Ladestatus_add(text); }

// The folder of a saved game (without a trailing separator).
std::string spielstandordner(const std::string& name, const std::string& ordner) {
    return Programmpfad + "save\\" + ordner + name;
}

const char* const Hintergrund_Name = "KAP0";
const char* const Hintergrund_Ordner = "Kampagne\\";

// The name of the folder's entry that is `name` without regard to case; empty when none is.
std::string eintrag_suchen(const std::vector<std::string>& eintraege, const std::string& name) {
    for (const std::string& e : eintraege)
        if (e == name) return e;
    for (const std::string& e : eintraege)
        if (cp1252_gleich_ohne_fall(e, name)) return e;
    return {};
}

// Before a save over an old one: its script.ini, whose keys the save updates in place.
bool altes_skript_kopieren(const std::string& alt, const std::string& neu) {
    const std::string name = eintrag_suchen(Ordner_eintraege(alt), "script.ini");
    return name.empty() || !Datei_existiert(alt + "\\" + name) ||
           Datei_kopieren(alt + "\\" + name, neu + "\\" + name);
}

// After a save over an old one: the old save's files that this save did not write stay (they
// share their bytes with the old ones, which go), and a file it wrote keeps the spelling the
// old save gave it. False when one could not be kept.
bool alte_dateien_uebernehmen(const std::string& alt, const std::string& neu) {
    const std::vector<std::string> geschrieben = Ordner_eintraege(neu);
    for (const std::string& name : Ordner_eintraege(alt)) {
        if (!Datei_existiert(alt + "\\" + name)) continue;
        const std::string gleich = eintrag_suchen(geschrieben, name);
        if (gleich == name) continue;
        // A new spelling of the same name would be found as the file itself: the rename goes
        // by a name of its own.
        const std::string zwischen = neu + "\\" + name + ".~";
        if (!gleich.empty() ? !(Pfad_umbenennen(neu + "\\" + gleich, zwischen) &&
                                Pfad_umbenennen(zwischen, neu + "\\" + name))
                            : !Datei_teilen(alt + "\\" + name, neu + "\\" + name))
            return false;
    }
    return true;
}

// Copies the packs between the folders (both ending with a separator). A pack missing in
// the source is reported and skipped; false when an existing pack could not be copied.
bool packs_kopieren(const std::string& von, const std::string& nach, const std::string& routine) {
    bool gut = true;
    for (const char* name : Packs) {
        if (!Datei_existiert(von + name)) {
            Fehler_melden(routine + " > Bildpaket fehlt: " + von + name);
            continue;
        }
        gut = SBI_Pack_kopieren(von, nach, name) && gut;
    }
    if (!Datei_existiert(von + Atlas))
        Fehler_melden(routine + " > Bildpaket fehlt: " + von + Atlas);
    else
        gut = SBA_Atlas_kopieren(von, nach, Atlas) && gut;
    if (!gut) Fehler_melden(routine + " > Bildpakete konnten nicht kopiert werden: " + nach);
    return gut;
}

// Every file of a saved game besides its image packs: text written line by line, each line
// ended. The first four are the game itself (map, persons, clans, objects): without them no
// game can be built from the folder; a unit does without any other that is missing.
const char* const Spieldateien[] = {
    "Map.sav",     "P.sav",         "G.sav",      "OB.sav",     "F.sav",      "H.sav",      "HA.sav",
    "HS.sav",      "W.sav",         "WRU.sav",    "AAU.sav",    "ERU.sav",    "EDU.sav",    "NGUCN.sav",
    "NGUFN.sav",   "NGUMN.sav",     "NGUACN.sav", "SBUO.sav",   "SBUW.sav",   "SBUS.sav",   "SBUBG.sav",
    "SBUAS.sav",   "SBMA.sav",      "SBUKIN.sav", "SBUKIW.sav", "SBUKIR.sav", "SBUQUS.sav", "SBUWVOS.sav",
    "SBUPVOS.sav", "DiaUV2.sav",    "BMU.sav",    "LGKSWA.sav", "LGKWWA.sav", "LGKSWG.sav", "GUSPA.sav",
    "BrU.sav",     "IAU_Edikt.sav", "SUT.sav",    "OBMA.sav",   "Pat.sav",    "script.ini"};
constexpr std::size_t Pflichtdateien = 4;

bool vorhanden(const std::string& pfad) { return Pfad_aenderungszeit(pfad) >= 0; }

// Why a file of the save cannot be what its writer wrote; empty when it can be, or when it
// is missing and the game can do without it. Text files hold no control characters and end
// with a line end: a file cut off while written ends inside its last line. A table of whole
// rows has a line for each of its `zeilen` rows.
std::string textdatei_pruefen(const std::string& pfad, bool pflicht, std::int64_t zeilen) {
    if (!vorhanden(pfad)) return pflicht ? "Datei fehlt" : "";
    if (!Datei_existiert(pfad)) return "keine Datei";
    const std::optional<std::string> inhalt = Datei_lesen(pfad);
    if (!inhalt) return "Datei nicht lesbar";
    for (std::size_t i = 0; i < inhalt->size(); ++i) {
        const unsigned char c = static_cast<unsigned char>((*inhalt)[i]);
        if (c < 32 && c != '\r' && c != '\n' && c != '\t')
            return "keine Textdatei (Byte " + std::to_string(c) + " an Stelle " + std::to_string(i) + ")";
    }
    if (!inhalt->empty() && inhalt->back() != '\n') return "Datei endet mitten in einer Zeile";
    const auto n = std::count(inhalt->begin(), inhalt->end(), '\n');
    if (n < zeilen)
        return "Datei hat " + std::to_string(n) + " Zeilen, die Tabelle " + std::to_string(zeilen) +
               " Zeilen";
    return {};
}

// An image pack: missing is reported and skipped by the load; present, it must be a picture.
std::string pack_pruefen(const std::string& pfad) {
    if (!vorhanden(pfad)) return {};
    if (!Datei_existiert(pfad)) return "keine Datei";
    Bild bild;
    if (BMP_Datei_wie_geschrieben(pfad) || Bilddatei_laden(pfad, bild)) return {};
    return "kein lesbares Bild";
}

// True when every file of the save can be what its writer wrote, for the table sizes its script
// declares; each that cannot is reported.
bool dateien_pruefen(const std::string& pfad, const LSU_Groessen& g) {
    bool gut = true;
    auto melden = [&](const std::string& grund, const std::string& datei) {
        if (grund.empty()) return;
        Fehler_melden("LSU_Laden > " + grund + ": " + datei);
        gut = false;
    };
    auto zeilen = [](int hoechster) { return static_cast<std::int64_t>(hoechster) + 1; };
    for (std::size_t i = 0; i < std::size(Spieldateien); ++i) {
        const std::string name = Spieldateien[i], datei = pfad + "\\" + name;
        const std::int64_t n = name == "P.sav"    ? zeilen(g.PA)
                               : name == "G.sav"  ? zeilen(g.GA)
                               : name == "OB.sav" ? zeilen(g.OA)
                                                  : 0;
        melden(textdatei_pruefen(datei, i < Pflichtdateien, n), datei);
    }
    for (const char* name : Packs) melden(pack_pruefen(pfad + "\\" + name), pfad + "\\" + name);
    melden(pack_pruefen(pfad + "\\" + Atlas), pfad + "\\" + Atlas);
    return gut;
}

// The load after the running game was given up; `karte` is the checked map.
bool aufbauen(const std::string& name, const std::string& ordner, const std::string& pfad,
              const std::optional<std::vector<Kartenlauf>>& karte);

// The state after a load that could not be finished: an empty world and no game running.
void leere_welt() {
    MG_Welt_zuruecksetzen();
    SSL = KSL = MSL = ISL = false;
    Platzierungsmodus = false;
    Neuzeichnen = true;
}

// The folders a save of `name` builds beside the saves: the new game while it is written, the
// new game once it is complete, and the old one while the new one takes its place.
std::string single_ordner(const std::string& name) { return Programmpfad + "save\\single\\" + name; }
std::string neuer_ordner(const std::string& name) { return Programmpfad + "save\\~" + name + ".neu"; }
std::string fertiger_ordner(const std::string& name) { return Programmpfad + "save\\~" + name + ".fertig"; }
std::string alter_ordner(const std::string& name) { return Programmpfad + "save\\~" + name + ".alt"; }

void schritt(const char* name) {
    if (LSU_Speichern_Haltepunkt) LSU_Speichern_Haltepunkt(name);
}

// Puts the complete new game of `name` in place: the old one goes aside first and is deleted
// last. False when a step failed; the old game is then in place again where it can be.
bool einsetzen(const std::string& name) {
    const std::string ziel = single_ordner(name), fertig = fertiger_ordner(name), alt = alter_ordner(name);
    if (Ordner_existiert(ziel)) {
        if (Ordner_existiert(alt) && !Ordner_loeschen(alt)) return false;
        if (!Pfad_umbenennen(ziel, alt)) return false;
        schritt("alt");
    }
    if (!Pfad_umbenennen(fertig, ziel)) {
        if (!Ordner_existiert(ziel) && Ordner_existiert(alt)) Pfad_umbenennen(alt, ziel);
        return false;
    }
    schritt("ziel");
    Ordner_loeschen(alt);
    return true;
}

// A save of `name` cut off (the program ended on the way) leaves its folders beside the saves.
// A complete new game goes into place; with none, an old game that was moved aside goes back;
// what is left over goes.
void unterbrochenen_aufraeumen(const std::string& name) {
    const std::string ziel = single_ordner(name), alt = alter_ordner(name);
    if (Ordner_existiert(fertiger_ordner(name))) {
        if (einsetzen(name))
            Fehler_melden("LSU_Speichern > unterbrochener Spielstand fertig gespeichert: " + ziel);
        else
            Fehler_melden("LSU_Speichern > unterbrochener Spielstand liegt noch unter: " +
                          fertiger_ordner(name));
    } else if (!Ordner_existiert(ziel) && Ordner_existiert(alt)) {
        if (Pfad_umbenennen(alt, ziel))
            Fehler_melden("LSU_Speichern > unterbrochener Spielstand, der alte ist wieder da: " + ziel);
        else
            Fehler_melden("LSU_Speichern > unterbrochener Spielstand liegt noch unter: " + alt);
    }
    // A new folder that never got complete is left over, as is an old game beside its successor.
    Ordner_loeschen(neuer_ordner(name));
    if (Ordner_existiert(ziel)) Ordner_loeschen(alt);
}

// Iron mode always autosaves; it leaves the player's own setting as it is.
void autosave_schalter_setzen() {
    if (KSL)
        AutosaveCheck = true;
    else
        AutosaveCheck = AutosaveEinstellung =
            Config_ReadBool(Configdatei, "Allgemein", "AutosaveCheck", true);
}

}  // namespace

bool LSU_Spiel_speichern(const std::string& ordner) {
    const std::string voll = Programmpfad + ordner;
    auto d = [&](const char* name) { return voll + "\\" + name; };
    const bool gut =
        LSU_Karte_speichern(d("Map.sav")) && LSU_Personen_speichern(d("P.sav")) && WU_Speichern(d("F.sav")) &&
        Hase_Speichern(d("H.sav")) && LSU_Hafenarray_speichern(d("HA.sav")) &&
        Schiff_File_Save(d("HS.sav")) && JU_Speichern(d("W.sav")) && WRU_Speichern(d("WRU.sav")) &&
        AAU_Speichern(d("AAU.sav")) && ERU_Speichern(d("ERU.sav")) && EDU_Speichern(d("EDU.sav")) &&
        NGU_Speichern(voll + "\\") && SBLS_Schablonen_speichern(voll) && DiaU_speichern(voll) &&
        BMU_File_Save(d("BMU.sav")) && LGK_File_Save(voll) && GU_Warenwerte_speichern(d("GUSPA.sav")) &&
        BrU_Speichern(d("BrU.sav")) && Oberflaeche().IAU_Edikte_speichern(d("IAU_Edikt.sav")) &&
        SchU_Schutt_File_Save(d("SUT.sav")) && LSU_Spieler_speichern(d("G.sav")) &&
        LSU_Objekte_speichern(d("OB.sav")) && OB_File_Save(d("OBMA.sav")) &&
        LSU_Patharray_speichern(d("Pat.sav")) && LSU_Script_schreiben(d("script.ini")) &&
        packs_kopieren(Programmpfad + "Daten\\", voll + "\\", "LSU_Spiel_speichern");
    if (!gut) Fehler_melden("LSU_Spiel_speichern > Spielstand unvollstaendig: " + voll);
    return gut;
}

bool LSU_Speichern(const std::string& name) {
    Autosave_Zaehler = 0;
    for (const char* ordner : {"save\\", "save\\Kampagne\\", "save\\single\\", "save\\multi\\"})
        if (!Ordner_existiert(Programmpfad + ordner)) Ordner_anlegen(Programmpfad + ordner);
    if (!Spiel_laeuft()) return false;
    if (!name_gueltig(name)) {
        Fehler_melden("LSU_Speichern > kein gueltiger Name fuer einen Spielstand: " + name);
        return false;
    }
    // The new save is built beside the old one and takes its place at the end.
    const std::string ziel = single_ordner(name), neu = neuer_ordner(name), fertig = fertiger_ordner(name);
    const std::string neu_rel = neu.substr(Programmpfad.size());
    unterbrochenen_aufraeumen(name);
    // A game left beside the saves that could not be put in place stays untouched by a new save.
    if (Ordner_existiert(fertig) || (!Ordner_existiert(ziel) && Ordner_existiert(alter_ordner(name)))) {
        Fehler_melden("LSU_Speichern > Spiel nicht gespeichert, ein unterbrochener Spielstand liegt in: " +
                      Programmpfad + "save");
        return false;
    }
    bool gut = Ordner_anlegen(neu);
    // Files of the old save that this save does not write stay, as do other keys of its
    // script.ini; the old save itself is not touched until the new one is complete.
    const bool hatte_alten = Ordner_existiert(ziel);
    if (gut && hatte_alten) gut = altes_skript_kopieren(ziel, neu);
    gut = gut && LSU_Spiel_speichern(neu_rel);
    if (gut && hatte_alten) gut = alte_dateien_uebernehmen(ziel, neu);
    // Complete: from here on a save cut off ends as this new game.
    gut = gut && Pfad_umbenennen(neu, fertig);
    if (gut) schritt("fertig");
    gut = gut && einsetzen(name);
    Ordner_loeschen(neu);
    // With the old game in place the new one is given up; else it is the game to keep.
    if (!gut && Ordner_existiert(ziel)) Ordner_loeschen(fertig);
    if (!gut) Fehler_melden("LSU_Speichern > Spiel nicht gespeichert, der alte Spielstand bleibt: " + ziel);
    return gut;
}

void LSU_Karte_aufbauen() {
    for (std::size_t c = 0; c < Karte.size(); ++c) MG_Feld_Textur(static_cast<int>(c));
    IU_Inseln_erzeugen();
    IU_Spielerfelder_anlegen();
}

bool LSU_Einheiten_laden(const std::string& pfad) {
    auto d = [&](const char* name) { return pfad + "\\" + name; };
    // The persons, clans and objects are the game: each table is read whole or the load fails.
    bool gut = true;
    auto tabelle = [&](auto& t, const std::string& datei) {
        if (!Datei_existiert(datei)) {
            Fehler_melden("LSU_Laden > Datei fehlt: " + datei);
            gut = false;
        } else {
            gut = LoadfromArrayFile(t, datei) && gut;
        }
    };
    status("Lade Personen");
    tabelle(Personen, d("P.sav"));
    status("Lade Kaninchen");
    Hase_Laden(d("H.sav"));
    Hafen_File_Load(d("HA.sav"));
    Schiff_File_Load(d("HS.sav"));
    status(W("Lade Bauernhöfe und Förster"));
    WU_Laden(d("F.sav"));
    status(W("Lade Arbeitsaufträge"));
    JU_Laden(d("W.sav"));
    WRU_Laden(d("WRU.sav"));
    AAU_Laden(d("AAU.sav"));
    ERU_Laden(d("ERU.sav"));
    EDU_Laden(d("EDU.sav"));
    NGU_Laden(pfad + "\\");
    LGK_File_Load(pfad);
    status(W("Lade Gebäude"));
    tabelle(Objekte, d("Ob.sav"));
    status("Lade Mitspieler");
    tabelle(Spieler, d("G.sav"));
    status("Lade Pathfinder");
    LSU_Patharray_Load(d("Pat.sav"));
    return gut;
}

bool LSU_Laden(const std::string& name, const std::string& ordner) {
    Ladevorgang = true;
    Oberflaeche().TPU_Ladestatus_leeren();
    Oberflaeche().Panelanzeigen(64);
    // A save of this name that was cut off is put in place first.
    if (name_gueltig(name) && cp1252_gleich_ohne_fall(ordner, "single\\")) unterbrochenen_aufraeumen(name);
    const std::string pfad = spielstandordner(name, ordner);
    const std::string skript = pfad + "\\script.ini";
    bool geladen = false;
    LSU_Groessen groessen;
    std::optional<std::vector<Kartenlauf>> karte;
    bool karte_kaputt = false;
    // Everything that decides whether the game can be built is checked before the running
    // game is given up.
    bool lesbar = name_gueltig(name) && Ordner_existiert(pfad) && Datei_existiert(skript) &&
                  LSU_Script_pruefen(skript, groessen) && dateien_pruefen(pfad, groessen);
    if (lesbar) {
        karte = Map_lesen(pfad, static_cast<std::size_t>(groessen.MA) + 1, karte_kaputt);
        lesbar = !karte_kaputt;
    }
    if (!lesbar) {
        Fehler_melden("Savegame konnte nicht geladen werden: " + pfad);
    } else {
        try {
            geladen = aufbauen(name, ordner, pfad, karte);
            if (!geladen) Fehler_melden("Savegame konnte nicht geladen werden: " + pfad);
        } catch (const std::exception& e) {
            Fehler_melden("LSU_Laden > abgebrochen (" + std::string(e.what()) + "): " + pfad);
        } catch (...) {
            Fehler_melden("LSU_Laden > abgebrochen: " + pfad);
        }
        // Half a game is never left behind: what the load built so far goes, and no game runs.
        if (!geladen) leere_welt();
    }
    Ladevorgang = false;
    autosave_schalter_setzen();
    return geladen;
}

namespace {

bool aufbauen(const std::string& name, const std::string& ordner, const std::string& pfad,
              const std::optional<std::vector<Kartenlauf>>& karte) {
    status("Lade " + ordner + name);
    MG_Welt_zuruecksetzen();
    LSU_Script_lesen(pfad);
    status("Lade Spielkarte");
    if (karte) Map_anwenden(*karte);
    status("Erstelle Wirtschaftsbereiche und Sectoren");
    LSU_Karte_aufbauen();
    if (!LSU_Einheiten_laden(pfad)) return false;
    OB_File_Load(pfad + "\\OBMA.sav");
    status(W("Lade Baumenü"));
    BMU_File_Load(pfad);
    status("Erwecke Personen");
    PM_Hoechsten_Index_bestimmen();
    status("Schicke Personen zur Arbeiten");
    PFU_Init();
    IU_Spieler_Inseln_nach_Laden();
    SBLS_Schablonen_laden(pfad);
    // The start building of the loaded templates, not of the game before.
    if (Platzierungsmodus) Bau_Typ = SBU_Start_ID;
    SchU_Schutt_File_Load(pfad + "\\SUT.sav");
    IndexU_Index_neu_aufbauen();
    status("Lade Interface");
    Render().ML_Iconpacks_laden(pfad + "\\");
    Render().ML_Packlisten_erzeugen();
    packs_kopieren(pfad + "\\", Programmpfad + "Daten\\", "LSU_Laden");
    IWU_Index_aufbauen();
    status("Lade Diagramme");
    DiaU_Init();
    DiaU_laden(pfad);
    GU_Warenwerte_laden(pfad + "\\GUSPA.sav");
    BrU_Laden(pfad + "\\BrU.sav");
    Oberflaeche().IAU_Edikte_laden_Save(pfad + "\\IAU_Edikt.sav");
    EDU_Edikte_initialisieren();
    RU_Ressourcen_erfassen();
    LSU_Script_Stand_lesen(pfad);
    Neuzeichnen = true;
    return true;
}

}  // namespace

void LSU_Hintergrund_laden() {
    // At start-up: saves cut off when the program last ended are put in place.
    LSU_Spielstaende_aufraeumen();
    SSL = KSL = MSL = ISL = false;
    Oberflaeche().Panelanzeigen(0);
    // Without its backdrop the menu stands before an empty world.
    if (!LSU_Laden(Hintergrund_Name, Hintergrund_Ordner)) leere_welt();
    // The backdrop is only looked at: a clan of it still in its start phase gets no
    // placement preview over the menu.
    Platzierungsmodus = false;
    Oberflaeche().Panelanzeigen(1);
}

void LSU_Hintergrund_vorbereiten() {
    Render().ML_Iconpacks_vorbereiten(spielstandordner(Hintergrund_Name, Hintergrund_Ordner) + "\\");
}

void LSU_Speichern_Dialog() {
    if (!KSL && LSU_Ironname(LSU_Speichername)) return;
    Speichervorgang = true;
    Oberflaeche().Panelanzeigen(60);
    LSU_Letzter_Speichername = LSU_Speichername;
    // Only a game that was written is announced as saved.
    if (LSU_Speichern(KSL ? LSU_Ironmodus : LSU_Speichername))
        GUI_Info_add(246, -1, "Gespeichert als" + LSU_Speichername);
    Speichervorgang = false;
}

namespace {

// Shows the page from LSU_Spielstand_Seite on, kept between the first and the last page.
void seite_zeigen() {
    const int anzahl = static_cast<int>(LSU_Spielstaende_alle.size());
    const int letzte_seite = anzahl == 0 ? 0 : (anzahl - 1) / LSU_Spielstaende_max * LSU_Spielstaende_max;
    LSU_Spielstand_Seite =
        std::clamp(LSU_Spielstand_Seite / LSU_Spielstaende_max * LSU_Spielstaende_max, 0, letzte_seite);
    LSU_Spielstand_Letzter = -1;
    for (int i = LSU_Spielstand_Seite; i < anzahl && LSU_Spielstand_Letzter < LSU_Spielstaende_max - 1; ++i)
        LSU_Spielstandliste[static_cast<std::size_t>(++LSU_Spielstand_Letzter)] =
            LSU_Spielstaende_alle[static_cast<std::size_t>(i)];
    for (int i = LSU_Spielstand_Letzter + 1; i < LSU_Spielstaende_max; ++i)
        LSU_Spielstandliste[static_cast<std::size_t>(i)].Name.clear();
}

}  // namespace

void LSU_Spielstaende_aufraeumen() {
    for (const std::string& e : Ordner_eintraege(Programmpfad + "save\\")) {
        if (e.empty() || e[0] != '~' || !Ordner_existiert(Programmpfad + "save\\" + e)) continue;
        for (const char* endung : {".neu", ".fertig", ".alt"}) {
            const std::size_t n = std::string(endung).size();
            if (e.size() <= n + 1 || e.compare(e.size() - n, n, endung) != 0) continue;
            const std::string name = e.substr(1, e.size() - n - 1);
            if (name_gueltig(name)) unterbrochenen_aufraeumen(name);
        }
    }
}

void LSU_Spielstaende_auflisten() {
    LSU_Spielstaende_aufraeumen();
    const std::string ordner = Programmpfad + "save\\single\\";
    if (!Ordner_existiert(ordner)) return;
    struct Eintrag {
        LSU_Spielstand stand;
        std::int64_t zeit;
    };
    std::vector<Eintrag> gefunden;
    for (const std::string& name : Ordner_eintraege(ordner)) {
        if (!Ordner_existiert(ordner + name)) continue;
        Eintrag e{{name, {}}, Pfad_aenderungszeit(ordner + name + "\\script.ini")};
        if (e.zeit < 0) e.zeit = Pfad_aenderungszeit(ordner + name);
        Config_ReadString("save\\single\\" + name + "\\script.ini", "Main", "Time", e.stand.Zeit,
                          "Not Found");
        gefunden.push_back(std::move(e));
    }
    std::sort(gefunden.begin(), gefunden.end(), [](const Eintrag& a, const Eintrag& b) {
        return a.zeit != b.zeit ? a.zeit > b.zeit : a.stand.Name < b.stand.Name;
    });
    LSU_Spielstaende_alle.clear();
    for (Eintrag& e : gefunden) LSU_Spielstaende_alle.push_back(std::move(e.stand));
    seite_zeigen();
}

void LSU_Spielstaende_blaettern(int richtung) {
    LSU_Spielstand_Seite += (richtung > 0 ? 1 : -1) * LSU_Spielstaende_max;
    seite_zeigen();
}

bool LSU_Ironname(const std::string& name) { return cp1252_gleich_ohne_fall(name, LSU_Ironmodus); }

void LSU_Spielstand_loeschen(const std::string& pfad) {
    if (Ordner_existiert(pfad)) LSU_Ordner_loeschen(pfad);
}

bool LSU_Ordner_loeschen(const std::string& pfad) { return Ordner_loeschen(pfad) && !Ordner_existiert(pfad); }

void LSU_Persistenzdienst::LSU_Hintergrund_laden() { ::LSU_Hintergrund_laden(); }
void LSU_Persistenzdienst::LSU_Hintergrund_vorbereiten() { ::LSU_Hintergrund_vorbereiten(); }
bool LSU_Persistenzdienst::LSU_Speichern(const std::string& name) { return ::LSU_Speichern(name); }
bool LSU_Persistenzdienst::LSU_Laden(const std::string& name, const std::string& ordner) {
    return ::LSU_Laden(name, ordner);
}

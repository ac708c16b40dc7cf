// Save games: the folder writer, the loader, the list of saved games and the dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "common/Spielordner.h"
#include "economy/Arbeiterslots.h"
#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "platform/base/Datei.h"
#include "platform/base/Ini.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace fs = std::filesystem;

namespace {

// Records the panels and status lines; can make the interactive edicts' file fail.
struct Oberflaechenprotokoll : UiSeam {
    std::vector<int> panels;
    std::vector<std::string> status;
    bool edikte_scheitern = false;
    void Panelanzeigen(int panel) override { panels.push_back(panel); }
    void TPU_Ladestatus_add(const std::string& text) override { status.push_back(text); }
    bool IAU_Edikte_speichern(const std::string& pfad) override {
        if (edikte_scheitern) return false;
        std::ofstream(Pfad_aufloesen(pfad)) << "0\r\n";
        return true;
    }
};

std::string lesen(const fs::path& p) { return Datei_lesen(p.string()).value_or("(fehlt)"); }

// Every file of the folder by name; script.ini without its time line.
std::map<std::string, std::string> ordnerinhalt(const fs::path& ordner) {
    std::map<std::string, std::string> inhalt;
    for (const auto& e : fs::directory_iterator(ordner)) {
        std::string text = lesen(e.path());
        if (e.path().filename() == "script.ini") {
            const auto a = text.find("Time=");
            text.erase(a, text.find('\n', a) - a);
        }
        inhalt[e.path().filename().string()] = text;
    }
    return inhalt;
}

class Spielstaende : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt;
    Oberflaechenprotokoll ui;
    fs::path programm() const { return welt.ordner().dir().path(); }
    fs::path spielstand(const std::string& name) const { return programm() / "save" / "single" / name; }
    void SetUp() override { Oberflaeche_setzen(&ui); }
    void TearDown() override {
        Oberflaeche_setzen(nullptr);
        LSU_Spielstand_Letzter = -1;
        for (auto& e : LSU_Spielstandliste) e = {};
    }

    // A small running game: one clan row, a few persons and objects, a 4 x 4 map.
    void kleines_spiel() {
        SSL = true;
        MG_Kartengroesse = 4;
        MG_Karte_anlegen(4, Karte);
        for (std::size_t c = 0; c < Karte.size(); ++c) Karte[c].LandType() = c < 4 ? 0 : 1;
        Karte[5].Person() = 1;
        Spieler.assign(2, Spielerzeile{});
        Spieler[1].Gold() = 500;
        SpielerID = 1;
        Personen.assign(3, Personenzeile{});
        Personen[1].Hunger() = 40;
        Personen[1].Feld() = 5;
        Personen_hoechster_Index = 1;
        Objekte.assign(2, Objektzeile{});
        GU = 1234;
    }
};

TEST_F(Spielstaende, AGeneratedGameSavesLoadsAndSavesAgainIdentically) {
    if (!bhmtest::Spielordner_kopieren(programm())) GTEST_SKIP() << "no game folder";
    RandSeed = 4711;
    MG_Einstellungen_zuruecksetzen();
    SingelGameGroessenWahl = 0;
    SingelGameKIanzahl = 2;
    MG_Spiel_starten();
    ASSERT_TRUE(SSL) << Fehlertext;
    for (int i = 0; i < 300; ++i) {
        Logik_Zeitschritt();
        Logik_Simulationsschritt();
    }
    Fehler_zuruecksetzen();
    ASSERT_TRUE(LSU_Speichern("Probe"));
    EXPECT_EQ(Fehlertext, "");
    const auto personen = Personen;
    const auto spieler = Spieler;
    const auto objekte = Objekte;
    const auto karte = Karte;
    const auto slots = OB_Slots;
    const auto warenwerte = GU_Warenwerte;
    const int seite = MG_Kartengroesse, gu = GU, clan = SpielerID;

    // Something else happens before the load.
    for (int i = 0; i < 200; ++i) {
        Logik_Zeitschritt();
        Logik_Simulationsschritt();
    }
    ui.panels.clear();
    ASSERT_TRUE(LSU_Laden("Probe", "single\\"));
    EXPECT_EQ(Fehlertext, "");
    EXPECT_EQ(ui.panels, (std::vector<int>{64}));
    EXPECT_GE(ui.status.size(), 10u);
    EXPECT_EQ(MG_Kartengroesse, seite);
    EXPECT_EQ(GU, gu);
    EXPECT_EQ(SpielerID, clan);
    EXPECT_TRUE(SSL);
    EXPECT_TRUE(Neuzeichnen);
    EXPECT_EQ(DiaU_Startpunkt, 1) << "a ring slot out of range starts again";
    EXPECT_FALSE(Ladevorgang);
    EXPECT_EQ(Personen, personen);
    EXPECT_EQ(Spieler, spieler);
    EXPECT_EQ(Objekte, objekte);
    EXPECT_EQ(OB_Slots, slots);
    EXPECT_EQ(GU_Warenwerte, warenwerte);
    ASSERT_EQ(Karte.size(), karte.size());
    std::size_t abweichend = 0;
    for (std::size_t c = 0; c < Karte.size(); ++c) {
        if (Karte[c].LandType() != karte[c].LandType() || Karte[c].Textur1() != karte[c].Textur1() ||
            Karte[c].Textur2() != karte[c].Textur2() || Karte[c].Insel() != karte[c].Insel())
            ++abweichend;
        if (karte[c].LandType() > 0)
            for (int f = Kartenfeld::Nr_Ambiente; f <= Kartenfeld::Nr_Block; ++f)
                if (Karte[c].feld(f) != karte[c].feld(f)) ++abweichend;
    }
    EXPECT_EQ(abweichend, 0u);

    ASSERT_TRUE(LSU_Speichern("Probe2"));
    const auto eins = ordnerinhalt(spielstand("Probe"));
    const auto zwei = ordnerinhalt(spielstand("Probe2"));
    EXPECT_GE(eins.size(), 25u);
    for (const auto& [name, text] : eins) {
        ASSERT_TRUE(zwei.count(name)) << name;
        EXPECT_TRUE(zwei.at(name) == text) << name << " differs after save, load, save";
    }
    // The loaded game goes on.
    for (int i = 0; i < 200; ++i) {
        Logik_Zeitschritt();
        Logik_Simulationsschritt();
    }
    EXPECT_EQ(Fehlertext, "");
}

TEST_F(Spielstaende, WithoutAGameOnlyTheFoldersAreMade) {
    Autosave_Zaehler = 77;
    EXPECT_FALSE(LSU_Speichern("Leer"));
    EXPECT_EQ(Autosave_Zaehler, 0);
    for (const char* o : {"save", "save/Kampagne", "save/single", "save/multi"})
        EXPECT_TRUE(fs::is_directory(programm() / o)) << o;
    EXPECT_FALSE(fs::exists(spielstand("Leer")));
    EXPECT_FALSE(welt.gemeldet());
}

TEST_F(Spielstaende, AFailedSaveKeepsTheOldSave) {
    kleines_spiel();
    ASSERT_TRUE(LSU_Speichern("Halt"));
    const auto vorher = ordnerinhalt(spielstand("Halt"));
    ASSERT_TRUE(vorher.count("P.sav"));
    ini::schreiben_text((spielstand("Halt") / "script.ini").string(), "Eigenes", "Notiz", "bleibt");

    Personen[1].Hunger() = 99;
    ui.edikte_scheitern = true;
    EXPECT_FALSE(LSU_Speichern("Halt"));
    EXPECT_TRUE(welt.gemeldet());
    EXPECT_EQ(lesen(spielstand("Halt") / "P.sav"), vorher.at("P.sav"));
    EXPECT_EQ(fs::directory_iterator(programm() / "save" / "single")->path().filename(), "Halt");
    for (const auto& e : fs::directory_iterator(programm() / "save"))
        EXPECT_EQ(e.path().filename().string().find('~'), std::string::npos) << "left behind: " << e.path();

    // A save cut off between its two renames: the next save puts the old game back first.
    fs::rename(spielstand("Halt"), programm() / "save" / "~Halt.alt");
    EXPECT_FALSE(LSU_Speichern("Halt"));
    EXPECT_EQ(lesen(spielstand("Halt") / "P.sav"), vorher.at("P.sav"));
    Fehler_zuruecksetzen();

    // A save that works replaces the old one and keeps keys it does not write.
    ui.edikte_scheitern = false;
    EXPECT_TRUE(LSU_Speichern("Halt"));
    EXPECT_NE(lesen(spielstand("Halt") / "P.sav"), vorher.at("P.sav"));
    EXPECT_EQ(ini::lesen_text((spielstand("Halt") / "script.ini").string(), "Eigenes", "Notiz", ""),
              "bleibt");
}

TEST_F(Spielstaende, ANameThatIsNotOneFolderIsRefused) {
    kleines_spiel();
    for (const char* name : {"", ".", "..", "../weg", "a/b", "a\\b", "x\ny"}) {
        EXPECT_FALSE(LSU_Speichern(name)) << name;
        EXPECT_TRUE(welt.gemeldet()) << name;
    }
    EXPECT_FALSE(fs::exists(programm() / "save" / "weg"));
    EXPECT_TRUE(fs::is_empty(programm() / "save" / "single"));
}

TEST_F(Spielstaende, AnUnloadableSaveLeavesTheRunningGameAsItWas) {
    kleines_spiel();
    ASSERT_TRUE(LSU_Speichern("Gut"));
    const std::string skript = (spielstand("Gut") / "script.ini").string();
    struct Fall {
        const char* name;
        std::function<void()> verderben;
    };
    const std::vector<Fall> faelle = {
        {"missing folder", [&] { fs::rename(spielstand("Gut"), spielstand("Weg")); }},
        {"missing script.ini", [&] { fs::remove(skript); }},
        {"map side and cells differ", [&] { ini::schreiben_zahl(skript, "Main", "MA", 99); }},
        {"map side too large", [&] { ini::schreiben_zahl(skript, "Main", "MS", 5000); }},
        {"negative clan table", [&] { ini::schreiben_zahl(skript, "Main", "GA", -5); }},
        {"huge person table", [&] { ini::schreiben_zahl(skript, "Main", "PA", 2000000000); }},
        {"huge path pool", [&] { ini::schreiben_zahl(skript, "Main", "PatA", 2000000000); }},
        {"player outside the clans", [&] { ini::schreiben_zahl(skript, "Main", "SpielerID", 2); }},
        {"broken map", [&] { std::ofstream(spielstand("Gut") / "Map.sav") << "A1\r\nBzz\r\n"; }},
        {"truncated map", [&] { std::ofstream(spielstand("Gut") / "Map.sav") << "A4\r\nB3\r\n"; }}};
    for (const Fall& f : faelle) {
        fs::remove_all(spielstand("Kaputt"));
        fs::remove_all(spielstand("Weg"));
        fs::copy(spielstand("Gut"), spielstand("Kaputt"));
        fs::rename(spielstand("Gut"), spielstand("Gut_"));
        fs::rename(spielstand("Kaputt"), spielstand("Gut"));
        f.verderben();
        const auto personen = Personen;
        const auto karte = Karte;
        AutosaveCheck = false;
        EXPECT_FALSE(LSU_Laden("Gut", "single\\")) << f.name;
        EXPECT_EQ(Fehlertext, "Savegame konnte nicht geladen werden: " + Programmpfad + "save\\single\\Gut")
            << f.name;
        EXPECT_EQ(Personen, personen) << f.name;
        EXPECT_EQ(Karte, karte) << f.name;
        EXPECT_EQ(Spieler[1].Gold(), 500) << f.name;
        EXPECT_TRUE(SSL) << f.name;
        EXPECT_FALSE(Ladevorgang) << f.name;
        EXPECT_TRUE(AutosaveCheck) << f.name;
        Fehler_zuruecksetzen();
        fs::remove_all(spielstand("Gut"));
        fs::remove_all(spielstand("Weg"));
        fs::rename(spielstand("Gut_"), spielstand("Gut"));
    }
}

TEST_F(Spielstaende, ScriptKeysAreReadWithTheirDefaultsAndPlacementMode) {
    kleines_spiel();
    Spieler[1].Startphase() = 1;
    GUI_KT = false;
    ASSERT_TRUE(LSU_Speichern("Keys"));
    const std::string skript = (spielstand("Keys") / "script.ini").string();
    EXPECT_EQ(ini::lesen_text(skript, "Main", "GUI_Kt", "?"), "0");
    for (const char* k : {"SBMAi", "SBGOi", "SGT", "SGKL", "Hasen_WarenID", "ELE", "WV"})
        ASSERT_TRUE(ini::schreiben_text(skript, "Main", k, "kein Wert")) << k;
    ASSERT_TRUE(ini::schreiben_zahl(skript, "Main", "DiaU_Startpunkt", 65));
    SBU_Start_ID = 0;
    Neuzeichnen = false;
    // This game has no image packs: each is reported and the load goes on to its end.
    ASSERT_FALSE(fs::exists(spielstand("Keys") / "Iconpack.BMP"));
    ASSERT_TRUE(LSU_Laden("Keys", "single\\"));
    EXPECT_TRUE(Neuzeichnen);
    EXPECT_EQ(SBMAi, 100);
    EXPECT_EQ(SingelGameTYPWahl, 2);
    EXPECT_EQ(SBGOi, 8000) << "the same goal as a new set-up";
    EXPECT_EQ(SingelGameKILevel, 1) << "computer clans of an older save still build";
    EXPECT_EQ(WV, 0);
    EXPECT_FALSE(GUI_KT);
    EXPECT_TRUE(Platzierungsmodus);
    EXPECT_EQ(Bau_Typ, SBU_Start_ID);
    EXPECT_EQ(Spieler[1].Startphase(), 1);
    EXPECT_EQ(GU, 1234);
    EXPECT_EQ(Personen.size(), 3u);
    EXPECT_EQ(Personen_hoechster_Index, 1);
    EXPECT_EQ(Personen[1].Hunger(), 40);
    EXPECT_EQ(Karte[5].Person(), 1);
    EXPECT_EQ(Karte[0].Block(), 2);
}

TEST_F(Spielstaende, TheListHoldsTheFirstTenFolders) {
    LSU_Spielstaende_auflisten();
    EXPECT_EQ(LSU_Spielstand_Letzter, -1) << "no folder: list unchanged";
    fs::create_directories(spielstand("A"));
    welt.ordner().dir().write("save/single/A/script.ini", "[Main]\r\nTime=01.02.2026 10:11:12\r\n");
    welt.ordner().dir().write("save/single/keinordner.txt", "x");
    fs::create_directories(spielstand("B"));
    LSU_Spielstaende_auflisten();
    ASSERT_EQ(LSU_Spielstand_Letzter, 1);
    for (int i = 0; i < 2; ++i) {
        const LSU_Spielstand& e = LSU_Spielstandliste[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.Zeit, e.Name == "A" ? "01.02.2026 10:11:12" : "Not Found") << e.Name;
    }
    EXPECT_EQ(LSU_Spielstandliste[2].Name, "");
    for (int i = 0; i < 11; ++i) fs::create_directories(spielstand("S" + std::to_string(i)));
    LSU_Spielstaende_auflisten();
    EXPECT_EQ(LSU_Spielstand_Letzter, 9);
    LSU_Spielstand_loeschen((spielstand("A")).string());
    EXPECT_FALSE(fs::exists(spielstand("A")));
    EXPECT_TRUE(LSU_Ordner_loeschen((spielstand("B")).string()));
}

TEST_F(Spielstaende, TheDialogSavesUnderTheTypedNameAndRefusesTheIronName) {
    kleines_spiel();
    GUI_Info_zuruecksetzen();
    LSU_Speichername = "IRONMODUS";
    LSU_Speichern_Dialog();
    EXPECT_FALSE(fs::exists(spielstand("IRONMODUS")));
    EXPECT_EQ(GUI_Infoanzahl, 0);

    LSU_Speichername = "Mein Spiel";
    LSU_Speichern_Dialog();
    EXPECT_TRUE(fs::exists(spielstand("Mein Spiel") / "script.ini"));
    EXPECT_EQ(LSU_Letzter_Speichername, "Mein Spiel");
    EXPECT_FALSE(Speichervorgang);
    ASSERT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(GUI_Infoliste[0].Text, "Gespeichert alsMein Spiel");

    // In iron mode the folder is always IRONMODUS; a failed save is not announced.
    KSL = true;
    ui.edikte_scheitern = true;
    LSU_Speichern_Dialog();
    EXPECT_EQ(GUI_Infoanzahl, 1);
    ui.edikte_scheitern = false;
    LSU_Speichern_Dialog();
    EXPECT_TRUE(fs::exists(spielstand("IRONMODUS")));
    LSU_Speichername.clear();
    LSU_Letzter_Speichername.clear();
    GUI_Info_zuruecksetzen();
}

TEST_F(Spielstaende, TheBackdropLoadClearsTheGameFlagsAndEndsInTheMainMenu) {
    kleines_spiel();
    KSL = true;
    LSU_Hintergrund_laden();
    EXPECT_FALSE(SSL || KSL || MSL || ISL);
    EXPECT_EQ(ui.panels, (std::vector<int>{0, 64, 1}));
    EXPECT_TRUE(welt.gemeldet()) << "no backdrop game in an empty program folder";
}

}  // namespace

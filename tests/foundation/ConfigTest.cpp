#include "foundation/Config.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "common/ProgrammOrdner.h"
#include "common/Zufallsbytes.h"
#include "foundation/Fehler.h"
#include "platform/base/Datei.h"
#include "platform/base/Ini.h"
#include "platform/base/System.h"

namespace {

std::string ini_datei() { return Programmpfad + Configdatei; }

TEST(Config, FirstStartWritesNameAndColourAndReadsDefaults) {
    bhmtest::ProgrammOrdner ordner;
    Config_laden();
    std::string user = Windows_Benutzername().substr(0, Spielername_max);
    EXPECT_EQ(Spielername, user.empty() ? "Spieler" : user);
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Allgemein", "Spielername", ""), Spielername);
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "SpielerfarbeR", -1), 100);
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "SpielerfarbeG", -1), 0);
    EXPECT_TRUE(Error_Silence);
    EXPECT_TRUE(Errorloger);
    EXPECT_TRUE(AutosaveCheck);
    EXPECT_EQ(Autosave_time, 12000);
    EXPECT_FALSE(Vollbild);
    EXPECT_TRUE(VSync && Musik && SFX && AutoUpdate);
    EXPECT_FALSE(MausinverterX || MausinverterY || Programmvariableanzeigen);
    EXPECT_EQ(Version, "0.1.2.XYZ");
}

TEST(Config, PlayerNameLimitIsFifteenEverywhere) {
    struct Fall {
        std::string gespeichert;
        bool behalten;
    } faelle[] = {{"Genau15Zeichen!", true}, {"Sechzehn_Zeichen", false}, {"kurz", true}};
    for (const auto& f : faelle) {
        bhmtest::ProgrammOrdner ordner;
        ini::schreiben_text(ini_datei(), "Allgemein", "Spielername", f.gespeichert);
        ini::schreiben_zahl(ini_datei(), "Allgemein", "SpielerfarbeG", 55);
        Config_laden();
        if (f.behalten)
            EXPECT_EQ(Spielername, f.gespeichert);
        else
            EXPECT_NE(Spielername, f.gespeichert);
        EXPECT_LE(Spielername.size(), 15u);
        EXPECT_EQ(ini::lesen_text(ini_datei(), "Allgemein", "Spielername", ""), Spielername);
        EXPECT_EQ(SpielerfarbeG, 55) << "colours are read when a name is stored";
    }
    bhmtest::ProgrammOrdner ordner;
    Spielername = "";
    Config_speichern();
    EXPECT_FALSE(Spielername.empty());
    EXPECT_LE(Spielername.size(), 15u);
}

// Values a hand-edited Config.ini may hold: out of range or no number gives the default with a
// report (and no overflow later), in range is taken as it stands, and Config.ini is not rewritten.
TEST(Config, ValuesOutOfRangeAreReportedAndTakeTheDefault) {
    struct Fall {
        const char* schluessel;
        const char* wert;
        int erwartet;
        bool gemeldet;
        int* ziel;
    };
    const Fall faelle[] = {
        {"Autosave_time", "-2147483648", 12000, true, &Autosave_time},
        {"Autosave_time", "0", 12000, true, &Autosave_time},
        {"Autosave_time", "-1", 12000, true, &Autosave_time},
        {"Autosave_time", "749", 12000, true, &Autosave_time},
        {"Autosave_time", "750", 750, false, &Autosave_time},
        {"Autosave_time", "36000", 36000, false, &Autosave_time},
        {"Autosave_time", "2147483647", 12000, true, &Autosave_time},
        {"Autosave_time", "99999999999999999999", 12000, true, &Autosave_time},
        {"Autosave_time", "zehn", 12000, true, &Autosave_time},
        {"SpielerfarbeR", "101", 100, true, &SpielerfarbeR},
        {"SpielerfarbeG", "-2147483648", 0, true, &SpielerfarbeG},
        {"SpielerfarbeB", "100", 100, false, &SpielerfarbeB},
    };
    for (const Fall& f : faelle) {
        bhmtest::ProgrammOrdner ordner;
        Error_Silence = false;
        Errorloger = false;
        ini::schreiben_text(ini_datei(), "Allgemein", "Spielername", "Ida");
        ini::schreiben_text(ini_datei(), "Allgemein", "Error_Silence", "0");
        ini::schreiben_text(ini_datei(), "Allgemein", "Errorloger", "0");
        ini::schreiben_text(ini_datei(), "Allgemein", f.schluessel, f.wert);
        Config_laden();
        EXPECT_EQ(*f.ziel, f.erwartet) << f.schluessel << "=" << f.wert;
        EXPECT_EQ(Fehlertext.find(f.schluessel) != std::string::npos, f.gemeldet)
            << f.schluessel << "=" << f.wert << ": " << Fehlertext;
        EXPECT_EQ(ini::lesen_text(ini_datei(), "Allgemein", f.schluessel, ""), f.wert)
            << "the file is the player's";
    }
    // Window geometry: a size of 0 or a position far off any screen is no geometry.
    bhmtest::ProgrammOrdner ordner;
    ini::schreiben_text(ini_datei(), "Allgemein", "Fensterbreite", "0");
    ini::schreiben_text(ini_datei(), "Allgemein", "Left", "2147483647");
    const Fenstergeometrie g = Config_Fenster_lesen(1920, 1080);
    EXPECT_EQ(g.breite, 800);
    EXPECT_EQ(g.links, 200);
}

TEST(Config, OptionsRoundTrip) {
    bhmtest::ProgrammOrdner ordner;
    Config_laden();
    Spielername = "Erika";
    SpielerfarbeB = 42;
    Autosave_time = 3000;
    Musik = false;
    MausinverterY = true;
    Error_Silence = false;
    Config_speichern();
    Config_zuruecksetzen();
    Config_laden();
    EXPECT_EQ(Spielername, "Erika");
    EXPECT_EQ(SpielerfarbeB, 42);
    EXPECT_EQ(Autosave_time, 3000);
    EXPECT_FALSE(Musik);
    EXPECT_TRUE(MausinverterY);
    EXPECT_FALSE(Error_Silence);
}

TEST(Config, WindowGeometryIsFittedToTheScreen) {
    bhmtest::ProgrammOrdner ordner;
    Fenstergeometrie g = Config_Fenster_lesen(1920, 1080);
    EXPECT_EQ(g.breite, 800);
    EXPECT_EQ(g.hoehe, 500);
    EXPECT_EQ(g.links, 200);
    EXPECT_EQ(g.oben, 150);
    Config_Fenster_schreiben(Configdatei, false, 5000, 1080, -20, -1);
    g = Config_Fenster_lesen(1920, 1080);
    EXPECT_EQ(g.breite, 1920);
    EXPECT_EQ(g.hoehe, 1080);
    EXPECT_EQ(g.links, 0);
    EXPECT_EQ(g.oben, 0);
    EXPECT_NE(ordner.dir().read("Config.ini").find("Fensterh\xF6he=1080"), std::string::npos);
}

// A damaged ini file is told once, through the reporter with the reader's name, the file and
// what is wrong; a sound or missing one is not. Its keys then read as far as they can be read.
TEST(Config, DamagedIniFilesAreToldOnceWithWhatIsWrong) {
    struct Fall {
        const char* name;
        std::function<void(const std::string& pfad)> anlegen;
        const char* fehler;  // nullptr: sound
        int hasen_max;       // what the key reads afterwards
        bool bleibt;         // a write leaves the file as it was
    };
    namespace fs = std::filesystem;
    const std::string gut = "[Mod]\r\nHasen_Max=3\r\n; eine Anmerkung\r\n\r\n  # noch eine\r\n";
    const Fall faelle[] = {
        {"sound", [&](const std::string& p) { Datei_schreiben(p, gut); }, nullptr, 3, false},
        {"missing", [](const std::string&) {}, nullptr, 10, false},
        {"a folder", [](const std::string& p) { fs::create_directories(p); },
         "ist ein Ordner, keine Datei: es gelten die Vorgaben", 10, true},
        {"random bytes", [](const std::string& p) { Datei_schreiben(p, bhmtest::Zufallsbytes(4000, 12345)); },
         "Zeile(n) sind weder Abschnitt noch Eintrag (erste: Zeile 1)", 10, false},
        {"random bytes before the section",
         [&](const std::string& p) { Datei_schreiben(p, bhmtest::Zufallsbytes(500, 12345) + "\r\n" + gut); },
         "sind weder Abschnitt noch Eintrag", 3, false},
        {"a line of 1 MB",
         [&](const std::string& p) {
             Datei_schreiben(p, gut + "Hasen_Init=" + std::string(1000000, '7') + "\r\n");
         },
         "Zeile 6 ist 1000011 Zeichen lang (hoechstens 65536)", 3, false},
        {"no section", [](const std::string& p) { Datei_schreiben(p, "[Andere]\r\nHasen_Max=3\r\n"); },
         "hat keinen Abschnitt [Mod]: es gelten die Vorgaben", 10, false},
        {"read-only",
         [&](const std::string& p) {
             Datei_schreiben(p, gut);
             fs::permissions(p, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         },
         "ist schreibgeschuetzt: nichts wird gespeichert", 3, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        bhmtest::ProgrammOrdner ordner;
        Error_Silence = false;
        Errorloger = false;
        const std::string pfad = Programmpfad + "Mod.ini";
        f.anlegen(pfad);
        const auto vorher = Datei_lesen(pfad);
        EXPECT_EQ(Config_Datei_pruefen("Mod.ini", "Mod", "Mod_lesen"), f.fehler == nullptr);
        if (f.fehler) {
            EXPECT_EQ(Fehlertext.rfind("Mod_lesen > " + pfad + ": ", 0), 0u) << Fehlertext;
            EXPECT_NE(Fehlertext.find(f.fehler), std::string::npos) << Fehlertext;
        } else {
            EXPECT_EQ(Fehlertext, "");
        }
        EXPECT_EQ(Config_ReadInteger("Mod.ini", "Mod", "Hasen_Max", 10), f.hasen_max);
        // A write into a file that cannot take it changes nothing, and the file is not told
        // again; a file that can take it is written clean of what was no entry.
        Fehler_zuruecksetzen();
        Config_WriteInteger("Mod.ini", "Mod", "Hasen_Init", 4);
        if (f.bleibt) {
            EXPECT_EQ(Datei_lesen(pfad), vorher);
            EXPECT_FALSE(Config_Datei_pruefen("Mod.ini", "Mod", "Mod_lesen"));
        } else {
            EXPECT_EQ(Config_ReadInteger("Mod.ini", "Mod", "Hasen_Init", 0), 4);
        }
        EXPECT_EQ(Fehlertext, "") << "told once a run";
    }
    // A write that fails where no check told of the file is told once.
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    Errorloger = false;
    Config_WriteInteger("fehlt/Mod.ini", "Mod", "Hasen_Max", 3);
    EXPECT_EQ(Fehlertext,
              "Config_WriteInteger > " + Programmpfad +
                  "fehlt/Mod.ini: konnte nicht geschrieben werden, die Aenderung gilt nur bis zum "
                  "Programmende");
    Fehler_zuruecksetzen();
    Config_WriteString("fehlt/Mod.ini", "Mod", "Hasen_Init", "4");
    EXPECT_EQ(Fehlertext, "");
}

// Config.ini itself: a folder gives the defaults (its report is dropped, as every report is,
// while the reporter is silent by default) and the options cannot break it further; random
// bytes before a readable section are told, and the section's keys still count.
TEST(Config, DamagedConfigIniGivesTheDefaults) {
    {
        bhmtest::ProgrammOrdner ordner;
        std::filesystem::create_directories(ini_datei());
        Config_laden();
        EXPECT_TRUE(Error_Silence);
        EXPECT_TRUE(Musik);
        EXPECT_FALSE(Spielername.empty());
        Config_speichern();
        EXPECT_TRUE(std::filesystem::is_directory(ini_datei()));
        Fehler_melden("Test > geht verloren, ohne dass etwas bricht");
    }
    {
        bhmtest::ProgrammOrdner ordner;
        Datei_schreiben(ini_datei(), bhmtest::Zufallsbytes(3000, 12345) +
                                         "\r\n[Allgemein]\r\nError_Silence=0\r\nErrorloger=0\r\n"
                                         "Musik=0\r\nSpielername=Ida\r\n");
        Config_laden();
        EXPECT_FALSE(Error_Silence);
        EXPECT_FALSE(Musik);
        EXPECT_EQ(Spielername, "Ida");
        EXPECT_EQ(Fehlertext.rfind("Config_laden > " + ini_datei() + ": ", 0), 0u) << Fehlertext;
        EXPECT_NE(Fehlertext.find("sind weder Abschnitt noch Eintrag"), std::string::npos) << Fehlertext;
    }
}

}  // namespace

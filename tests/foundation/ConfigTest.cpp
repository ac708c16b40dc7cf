#include "foundation/Config.h"

#include <gtest/gtest.h>

#include "common/ProgrammOrdner.h"
#include "foundation/Fehler.h"
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

}  // namespace

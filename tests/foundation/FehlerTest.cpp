#include "foundation/Fehler.h"

#include <gtest/gtest.h>

#include "common/ProgrammOrdner.h"
#include "foundation/Seams.h"
#include "platform/base/Ini.h"

namespace {

struct MeldungZaehler : ShellSeam {
    std::vector<std::string> meldungen;
    void Meldung(const std::string& t) override { meldungen.push_back(t); }
};

std::string ini_datei() { return Programmpfad + Configdatei; }

TEST(Fehler, SilenceDropsEverything) {
    bhmtest::ProgrammOrdner ordner;
    Fehler_melden("X > still");
    EXPECT_EQ(Fehleranzeige_Dauer, 0);
    EXPECT_TRUE(Fehlertext.empty());
    EXPECT_FALSE(std::filesystem::exists(ordner.dir().path() / "Config.ini"));
}

TEST(Fehler, ShownButNotLoggedWhileLoggerIsOff) {
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    Errorloger = false;
    Fehler_melden("X > nur gezeigt");
    EXPECT_EQ(Fehleranzeige_Dauer, 1000);
    EXPECT_EQ(Fehlertext, "X > nur gezeigt");
    EXPECT_FALSE(std::filesystem::exists(ordner.dir().path() / "Config.ini"));
}

TEST(Fehler, LogIsNumberedAndStopsAfterEntry200WithOneMessage) {
    bhmtest::ProgrammOrdner ordner;
    MeldungZaehler shell;
    Shell_setzen(&shell);
    Error_Silence = false;
    Fehler_melden("A > erster");
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "Errorlog", -1), 1);
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "0", ""), "A > erster");

    for (int i = 1; i <= 205; ++i) Fehler_melden("B > " + std::to_string(i));
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "Errorlog", -1), 201) << "entries 0..200";
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "200", ""), "B > 200");
    EXPECT_FALSE(ini::vorhanden(ini_datei(), "Errorlog", "201"));
    EXPECT_FALSE(Errorloger);
    EXPECT_FALSE(ini::lesen_bool(ini_datei(), "Allgemein", "Errorloger", true));
    EXPECT_EQ(shell.meldungen.size(), 1u) << "told once, when logging stops";
    EXPECT_EQ(Fehlertext, "B > 205") << "still shown after the log is off";
    Shell_setzen(nullptr);
}

TEST(Fehler, NumberingContinuesAcrossRuns) {
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    ini::schreiben_zahl(ini_datei(), "Allgemein", "Errorlog", 17);
    EXPECT_EQ(Errorlog_schreiben("C > weiter"), 17);
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "17", ""), "C > weiter");
}

TEST(Fehler, GlErrorTextsOfNoErrorAreIgnored) {
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    Errorloger = false;
    Config_GLFehler_pruefen("no error");
    Config_GLFehler_pruefen("Kein Fehler");
    EXPECT_EQ(Fehleranzeige_Dauer, 0);
    Config_GLFehler_pruefen("invalid enumerant");
    EXPECT_EQ(Fehlertext, "GLerrorlog: invalid enumerant");
}

}  // namespace

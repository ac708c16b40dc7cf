#include "foundation/Fehler.h"

#include <gtest/gtest.h>

#include "common/ProgrammOrdner.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
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

// A report of a kind of its own: letters, since reports that differ only in numbers are one kind.
std::string eigene_art(int i) {
    return std::string{'a', static_cast<char>('a' + i % 26), static_cast<char>('a' + i / 26)};
}

TEST(Fehler, LogIsNumberedAndStopsAfterEntry200ForThisRunOnly) {
    bhmtest::ProgrammOrdner ordner;
    MeldungZaehler shell;
    Shell_setzen(&shell);
    Error_Silence = false;
    Fehler_melden("A > erster");
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "Errorlog", -1), 1);
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "0", ""), "A > erster");

    for (int i = 1; i <= 205; ++i) Fehler_melden("B > " + eigene_art(i));
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "Errorlog", -1), 201) << "entries 0..200";
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "200", ""), "B > " + eigene_art(200));
    EXPECT_FALSE(ini::vorhanden(ini_datei(), "Errorlog", "201"));
    EXPECT_FALSE(Errorloger);
    EXPECT_FALSE(ini::vorhanden(ini_datei(), "Allgemein", "Errorloger")) << "off for this run only";
    EXPECT_EQ(shell.meldungen.size(), 1u) << "told once, when logging stops";
    EXPECT_EQ(Fehlertext, "B > " + eigene_art(205)) << "still shown after the log is off";

    // The next run finds the log full: nothing more is written, nothing is told again.
    Fehler_zuruecksetzen();
    Errorloger = true;
    Fehler_melden("C > naechster Lauf");
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "Errorlog", -1), 201);
    EXPECT_FALSE(Errorloger);
    EXPECT_EQ(shell.meldungen.size(), 1u);
    Shell_setzen(nullptr);
}

TEST(Fehler, AFullLogDuringAGameShowsNoMessageBox) {
    bhmtest::ProgrammOrdner ordner;
    MeldungZaehler shell;
    Shell_setzen(&shell);
    Error_Silence = false;
    SSL = true;
    ini::schreiben_zahl(ini_datei(), "Allgemein", "Errorlog", Errorlog_letzter_Eintrag);
    Fehler_melden("D > letzter Eintrag");
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", std::to_string(Errorlog_letzter_Eintrag), ""),
              "D > letzter Eintrag");
    EXPECT_TRUE(shell.meldungen.empty()) << "a running game is not stopped by a box";
    EXPECT_NE(Fehlertext.find("maximale Anzahl"), std::string::npos) << "the error line says it";
    EXPECT_EQ(Fehleranzeige_Dauer, 1000);
    Shell_setzen(nullptr);
}

// A flood from one bad file: every report is shown, but its kind is logged once with a count.
TEST(Fehler, RepeatedReportsOfOneKindAreCountedNotRepeated) {
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    for (int i = 1; i <= 1000; ++i) Fehler_melden("X_laden > Zeile " + std::to_string(i) + " unlesbar");
    EXPECT_EQ(Fehlertext, "X_laden > Zeile 1000 unlesbar");
    EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "Errorlog", -1), 1);
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "0", ""),
              "X_laden > Zeile 1 unlesbar (512 mal gemeldet)");
    Fehler_melden("Y > anderer Fehler");
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "1", ""), "Y > anderer Fehler");
    Fehler_Protokoll_abschliessen();
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "0", ""),
              "X_laden > Zeile 1 unlesbar (1000 mal gemeldet)");
    EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", "1", ""), "Y > anderer Fehler");
    EXPECT_TRUE(Errorloger);
}

// The entry counter as a hand-edited Config.ini may hold it.
TEST(Fehler, ABrokenEntryCounterNeitherOverflowsNorOverwritesAFullLog) {
    struct Fall {
        const char* zaehler;
        int eintrag;  // -1: nothing written
    } faelle[] = {{"-5", 0}, {"zwei", 0}, {"199", 199}, {"201", -1}, {"2147483647", -1}};
    for (const Fall& f : faelle) {
        bhmtest::ProgrammOrdner ordner;
        Error_Silence = false;
        ini::schreiben_text(ini_datei(), "Allgemein", "Errorlog", f.zaehler);
        EXPECT_EQ(Errorlog_schreiben("E > Text"), f.eintrag) << f.zaehler;
        if (f.eintrag >= 0) {
            EXPECT_EQ(ini::lesen_text(ini_datei(), "Errorlog", std::to_string(f.eintrag), ""), "E > Text");
            EXPECT_EQ(ini::lesen_zahl(ini_datei(), "Allgemein", "Errorlog", -1), f.eintrag + 1);
        } else {
            EXPECT_EQ(ini::lesen_text(ini_datei(), "Allgemein", "Errorlog", ""), f.zaehler);
            EXPECT_FALSE(Errorloger);
        }
    }
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

#include "platform/base/Ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "common/TempDir.h"
#include "platform/base/Text1252.h"

namespace {

TEST(Ini, SectionsAndKeysIgnoreCaseAndKeepTheRest) {
    bhmtest::TempDir dir;
    std::string f = dir.folder() + "Config.ini";
    dir.write("Config.ini",
              "; kept comment\r\n[Allgemein]\r\nVSync=1\r\nMusik = 0 \r\n[Errorlog]\r\n0=erster Fehler\r\n");

    EXPECT_TRUE(ini::lesen_bool(f, "ALLGEMEIN", "vsync", false));
    EXPECT_FALSE(ini::lesen_bool(f, "allgemein", "MUSIK", true)) << "values are trimmed";
    ASSERT_TRUE(ini::schreiben_zahl(f, "allgemein", "VSYNC", 0));
    EXPECT_EQ(ini::lesen_zahl(f, "Allgemein", "VSync", 7), 0) << "key updated in place";
    EXPECT_EQ(ini::lesen_text(f, "Errorlog", "0", ""), "erster Fehler") << "other sections kept";

    std::string text = dir.read("Config.ini");
    EXPECT_EQ(text.find("vsync"), std::string::npos) << "the key keeps its first spelling";
    EXPECT_NE(text.find("\r\n"), std::string::npos) << "written with CR LF";
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
}

TEST(Ini, Windows1252KeyRoundTrips) {
    bhmtest::TempDir dir;
    std::string f = dir.folder() + "Config.ini";
    const std::string key = W("Fensterhöhe");
    ASSERT_EQ(key, std::string("Fensterh\xF6he"));
    ASSERT_TRUE(ini::schreiben_zahl(f, "Allgemein", key, 612));
    EXPECT_NE(dir.read("Config.ini").find("Fensterh\xF6he=612"), std::string::npos);
    EXPECT_EQ(ini::lesen_zahl(f, "allgemein", "FENSTERH\xD6HE", 0), 612) << "Ö and ö are one letter";
}

TEST(Ini, IntegersAreStrictAndBooleansAreNumbers) {
    bhmtest::TempDir dir;
    std::string f = dir.folder() + "a.ini";
    dir.write("a.ini", "[S]\na=12\nb=12abc\nc=\nd=-5\ne=+3\nf=99999999999\nt=2\nz=0\nw=ja\n");
    struct Fall {
        const char* key;
        int erwartet;
    } faelle[] = {{"a", 12}, {"b", -1}, {"c", -1}, {"d", -5}, {"e", 3}, {"f", -1}, {"fehlt", -1}};
    for (const auto& fall : faelle)
        EXPECT_EQ(ini::lesen_zahl(f, "S", fall.key, -1), fall.erwartet) << fall.key;
    EXPECT_TRUE(ini::lesen_bool(f, "S", "t", false)) << "any non-zero number is true";
    EXPECT_FALSE(ini::lesen_bool(f, "S", "z", true));
    EXPECT_TRUE(ini::lesen_bool(f, "S", "w", true)) << "not a number: the default";
    ASSERT_TRUE(ini::schreiben_bool(f, "S", "neu", true));
    EXPECT_EQ(ini::lesen_text(f, "S", "neu", ""), "1");
}

TEST(Ini, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
    bhmtest::TempDir dir;
    std::string f = dir.folder() + "neu.ini";
    EXPECT_EQ(ini::lesen_text(f, "S", "k", "vorgabe"), "vorgabe");
    EXPECT_FALSE(ini::vorhanden(f, "S", "k"));
    ASSERT_TRUE(ini::schreiben_text(f, "S", "k", "wert"));
    EXPECT_TRUE(ini::vorhanden(f, "s", "K"));

    // A folder in the file's place reads as defaults and cannot be written.
    std::filesystem::create_directories(dir.path() / "Config.ini");
    const std::string o = dir.folder() + "config.INI";
    EXPECT_EQ(ini::lesen_zahl(o, "Allgemein", "Vollbild", 7), 7);
    EXPECT_FALSE(ini::schreiben_bool(o, "Allgemein", "Vollbild", true));
}

// A read-only file is not written, also by a process that could; a zero byte of a damaged file
// does not hide the entries after it, and the section test sees them.
TEST(Ini, ReadOnlyFilesStayAndZeroBytesHideNothing) {
    namespace fs = std::filesystem;
    bhmtest::TempDir dir;
    const std::string f = dir.folder() + "nur.ini";
    ASSERT_TRUE(ini::schreiben_text(f, "S", "k", "alt"));
    fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(ini::schreiben_text(f, "S", "k", "neu"));
    EXPECT_FALSE(ini::schreiben_alle(f, "S", {{"k", "neu"}}));
    EXPECT_EQ(ini::lesen_text(f, "S", "k", ""), "alt");
    fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(ini::schreiben_text(f, "S", "k", "neu"));

    const std::string z = dir.folder() + "null.ini";
    dir.write("null.ini", std::string("[A]\r\nx=1\r\nab\0cd\r\n[B]\r\ny=2\r\n", 27));
    EXPECT_EQ(ini::lesen_zahl(z, "B", "y", 0), 2);
    EXPECT_TRUE(ini::sektion_vorhanden(z, "b"));
    EXPECT_FALSE(ini::sektion_vorhanden(z, "C"));
    ASSERT_TRUE(ini::schreiben_text(z, "A", "x", "3"));
    EXPECT_EQ(ini::lesen_zahl(z, "B", "y", 0), 2) << "written back with what followed the zero";
}

// Writing many keys at once leaves the file that writing them one after another leaves: keys
// in place keep their spelling and place, new keys follow in order, other sections stay.
TEST(Ini, ManyKeysAtOnceGiveTheFileOfSingleWrites) {
    bhmtest::TempDir dir;
    const std::string anfang =
        "; Notiz\r\n[Main]\r\nTime=gestern\r\nGUI_Kt=1\r\n[Eigenes]\r\nNotiz=bleibt\r\n";
    const std::vector<std::pair<std::string, std::string>> werte = {{"Time", "heute 10:11:12"},
                                                                    {"MA", "65535"},
                                                                    {"GUI_KT", "0"},
                                                                    {"SX", "-40"},
                                                                    {"MA", "7"},
                                                                    {"Leer", ""}};
    dir.write("einzeln.ini", anfang);
    dir.write("alle.ini", anfang);
    for (const auto& [k, w] : werte)
        ASSERT_TRUE(ini::schreiben_text(dir.folder() + "einzeln.ini", "Main", k, w));
    ASSERT_TRUE(ini::schreiben_alle(dir.folder() + "alle.ini", "Main", werte));
    EXPECT_EQ(dir.read("alle.ini"), dir.read("einzeln.ini"));
    ASSERT_TRUE(ini::schreiben_alle(dir.folder() + "neu.ini", "Main", werte));
    for (const auto& [k, w] : werte)
        ASSERT_TRUE(ini::schreiben_text(dir.folder() + "neu3.ini", "Main", k, w));
    EXPECT_EQ(dir.read("neu.ini"), dir.read("neu3.ini"));
    EXPECT_FALSE(ini::schreiben_alle(dir.folder() + "fehlt/x.ini", "Main", werte));
}

}  // namespace

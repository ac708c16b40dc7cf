#include "platform/base/Datei.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "common/TempDir.h"

namespace {

TEST(Pfad, ResolvesMixedCaseAndBackslashes) {
    bhmtest::TempDir dir;
    dir.write("Daten/Skill/1/Script.srt", "Titel/Holz");
    const std::string basis = dir.folder();
    EXPECT_EQ(Pfad_aufloesen(basis + "daten\\SKILL\\1\\script.SRT"), basis + "Daten/Skill/1/Script.srt");
    EXPECT_TRUE(Datei_existiert(basis + "DATEN\\skill\\1\\SCRIPT.srt"));
    EXPECT_TRUE(Ordner_existiert(basis + "daten\\skill\\"));
    EXPECT_EQ(*Datei_lesen(basis + "daten/skill/1/script.srt"), "Titel/Holz");
}

TEST(Pfad, ExactMatchWinsOverOtherCase) {
    bhmtest::TempDir dir;
    dir.write("a/Datei.txt", "gross");
    dir.write("a/datei.txt", "klein");
    EXPECT_EQ(*Datei_lesen(dir.folder() + "a/datei.txt"), "klein");
    EXPECT_EQ(*Datei_lesen(dir.folder() + "a/Datei.txt"), "gross");
    EXPECT_EQ(*Datei_lesen(dir.folder() + "A/DATEI.txt"), "gross") << "first case-insensitive match";
}

TEST(Pfad, NewFileKeepsItsSpellingExistingFileIsOverwrittenInPlace) {
    bhmtest::TempDir dir;
    dir.write("Save/Alt.SAV", "alt");
    ASSERT_TRUE(Datei_schreiben(dir.folder() + "save\\alt.sav", "neu"));
    EXPECT_EQ(dir.read("Save/Alt.SAV"), "neu");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "save"));

    ASSERT_TRUE(Ordner_anlegen(dir.folder() + "save\\Single\\Quicksave"));
    ASSERT_TRUE(Datei_schreiben(dir.folder() + "SAVE\\single\\quicksave\\Map.sav", "k"));
    EXPECT_EQ(dir.read("Save/Single/Quicksave/Map.sav"), "k") << "folders resolved, new file as given";
}

TEST(Textdatei, ReadsAnyLineEndWritesCrLf) {
    bhmtest::TempDir dir;
    dir.write("t.txt", "a\r\nb\nc\rd\r\n\r\ne");
    auto z = Textdatei_lesen(dir.folder() + "t.txt");
    ASSERT_TRUE(z);
    EXPECT_EQ(*z, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    ASSERT_TRUE(Textdatei_schreiben(dir.folder() + "u.txt", {"x", "", "y"}));
    EXPECT_EQ(dir.read("u.txt"), "x\r\n\r\ny\r\n");
    EXPECT_FALSE(Textdatei_lesen(dir.folder() + "fehlt.txt"));
}

TEST(Datei, SizeCopyDeleteAndListing) {
    bhmtest::TempDir dir;
    dir.write("q/eins.bin", std::string(1000, 'x'));
    EXPECT_EQ(Datei_groesse(dir.folder() + "Q/EINS.bin"), 1000);
    EXPECT_EQ(Datei_groesse(dir.folder() + "q/fehlt.bin"), -1);
    ASSERT_TRUE(Datei_kopieren(dir.folder() + "q/eins.bin", dir.folder() + "q/zwei.bin"));
    auto namen = Ordner_eintraege(dir.folder() + "q");
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"eins.bin", "zwei.bin"}));
    EXPECT_FALSE(Datei_kopieren(dir.folder() + "q/fehlt.bin", dir.folder() + "q/drei.bin"));
    EXPECT_TRUE(Ordner_loeschen(dir.folder() + "Q"));
    EXPECT_FALSE(Ordner_existiert(dir.folder() + "q"));
}

// A file of several read blocks, with every byte value and an odd tail, comes back whole.
TEST(Datei, ALargeFileIsReadByteForByte) {
    bhmtest::TempDir dir;
    for (std::size_t laenge : {std::size_t{0}, std::size_t{65536}, std::size_t{3 * 65536 + 17}}) {
        std::string bytes(laenge, '\0');
        for (std::size_t i = 0; i < laenge; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
        dir.write("gross.bin", bytes);
        const auto gelesen = Datei_lesen(dir.folder() + "gross.bin");
        ASSERT_TRUE(gelesen) << laenge;
        EXPECT_TRUE(*gelesen == bytes) << laenge;
    }
}

// A folder where a file is expected is read as no file and refuses to be written, without
// throwing past the caller.
TEST(Datei, AFolderInPlaceOfAFileIsNeitherReadNorWritten) {
    bhmtest::TempDir dir;
    std::filesystem::create_directories(dir.path() / "HA.sav");
    const std::string pfad = dir.folder() + "ha.SAV";
    EXPECT_FALSE(Datei_existiert(pfad));
    EXPECT_FALSE(Datei_lesen(pfad));
    EXPECT_FALSE(Textdatei_lesen(pfad));
    EXPECT_FALSE(Datei_kopieren(pfad, dir.folder() + "kopie"));
    EXPECT_FALSE(Datei_schreiben(pfad, "x"));
    EXPECT_FALSE(Textdatei_schreiben(pfad, {"x"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "HA.sav"));
    EXPECT_GE(Pfad_aenderungszeit(pfad), 0);
    EXPECT_EQ(Pfad_aenderungszeit(dir.folder() + "fehlt"), -1);
}

}  // namespace

namespace {

// A file replaced as a whole leaves its other names with the old bytes; a file shared under
// two names is one file until one of them is replaced.
TEST(Datei, ReplacingAndSharingFiles) {
    bhmtest::TempDir dir;
    const std::string d = dir.folder();
    dir.write("Daten/Pack.BMP", "alt");
    ASSERT_TRUE(Ordner_anlegen(d + "save"));
    ASSERT_TRUE(Datei_teilen(d + "daten\\pack.bmp", d + "save\\Pack.BMP"));
    EXPECT_TRUE(Dieselbe_Datei(d + "Daten/Pack.BMP", d + "save/Pack.BMP"));
    EXPECT_EQ(dir.read("save/Pack.BMP"), "alt");
    EXPECT_TRUE(Datei_teilen(d + "Daten/Pack.BMP", d + "save/pack.bmp")) << "already that file";

    // Replacing keeps the spelling on disk and leaves the other name as it was.
    ASSERT_TRUE(Datei_ersetzen(d + "daten/PACK.bmp", "neu"));
    EXPECT_EQ(dir.read("Daten/Pack.BMP"), "neu");
    EXPECT_EQ(dir.read("save/Pack.BMP"), "alt");
    EXPECT_FALSE(Dieselbe_Datei(d + "Daten/Pack.BMP", d + "save/Pack.BMP"));
    // Sharing over an existing file replaces it the same way.
    dir.write("kopie", "bleibt");
    ASSERT_TRUE(Datei_teilen(d + "kopie", d + "save/dritte"));
    ASSERT_TRUE(Datei_teilen(d + "Daten/Pack.BMP", d + "kopie"));
    EXPECT_EQ(dir.read("kopie"), "neu");
    EXPECT_EQ(dir.read("save/dritte"), "bleibt");

    // Nothing is left beside the files, and a failure leaves the target as it was.
    std::filesystem::create_directories(dir.path() / "ordner" / "voll");
    dir.write("ordner/voll/x", "x");
    EXPECT_FALSE(Datei_ersetzen(d + "ordner/voll", "y"));
    EXPECT_FALSE(Datei_teilen(d + "kopie", d + "ordner/voll"));
    EXPECT_FALSE(Datei_teilen(d + "fehlt", d + "neu"));
    EXPECT_FALSE(Datei_ersetzen(d + "fehlt/datei", "y"));
    EXPECT_FALSE(Dieselbe_Datei(d + "fehlt", d + "fehlt"));
    auto namen = Ordner_eintraege(d + "ordner");
    EXPECT_EQ(namen, (std::vector<std::string>{"voll"}));
    namen = Ordner_eintraege(d + "save");
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"Pack.BMP", "dritte"}));
}

TEST(Datei, ReadingTheBeginningAndWholeFiles) {
    bhmtest::TempDir dir;
    std::string gross(300000, '\0');
    for (std::size_t i = 0; i < gross.size(); ++i) gross[i] = static_cast<char>(i * 7);
    dir.write("gross.bin", gross);
    EXPECT_EQ(*Datei_lesen(dir.folder() + "GROSS.bin"), gross);
    EXPECT_EQ(*Datei_anfang_lesen(dir.folder() + "gross.bin", 54), gross.substr(0, 54));
    EXPECT_EQ(*Datei_anfang_lesen(dir.folder() + "gross.bin", 1u << 20), gross);
    dir.write("leer", "");
    EXPECT_EQ(*Datei_lesen(dir.folder() + "leer"), "");
    EXPECT_FALSE(Datei_anfang_lesen(dir.folder() + "fehlt", 4));
    // A pipe is no file: it is not opened, so nothing waits for a writer.
    ASSERT_EQ(mkfifo((dir.path() / "rohr").c_str(), 0600), 0);
    EXPECT_FALSE(Datei_lesen(dir.folder() + "rohr"));
}

}  // namespace

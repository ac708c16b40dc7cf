#include "platform/base/Datei.h"

#include <gtest/gtest.h>

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

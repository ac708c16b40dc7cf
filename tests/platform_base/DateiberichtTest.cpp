// A file operation that meets an exception answers as failed and says why: through the
// file layer's receiver, which the error reporter fills, and from another thread once the
// program's own thread reports or draws its next frame.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "common/TempDir.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "platform/base/Datei.h"

namespace {

// Allocations of at least this many bytes fail while Engpass is set (a file too large for
// the memory left); Einmal_scheitern fails the next allocation of any size.
std::atomic<bool> Engpass{false};
std::atomic<bool> Einmal_scheitern{false};
constexpr std::size_t Engpass_ab = 1 << 20;

}  // namespace

void* operator new(std::size_t n) {
    if ((Engpass && n >= Engpass_ab) || Einmal_scheitern.exchange(false)) throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

std::vector<std::string> Berichte;
void aufzeichnen(const std::string& text) { Berichte.push_back(text); }

class Dateibericht : public ::testing::Test {
protected:
    bhmtest::TempDir dir;
    void SetUp() override {
        Berichte.clear();
        Fehler_zuruecksetzen();
        Error_Silence = false;
        Errorloger = false;
    }
    void TearDown() override {
        Engpass = false;
        Einmal_scheitern = false;
        Config_zuruecksetzen();
        Fehler_zuruecksetzen();
    }
};

TEST_F(Dateibericht, AReadOrWriteEndedByAnExceptionIsReportedAndAnswersAsFailed) {
    dir.write("gross.bin", std::string(2 << 20, 'g'));
    const std::string gross = dir.folder() + "gross.bin";
    const Datei_Berichtsziel vorher = Datei_Berichtsziel_setzen(&aufzeichnen);
    Engpass = true;
    EXPECT_FALSE(Datei_lesen(gross));
    EXPECT_FALSE(Textdatei_lesen(gross));
    Engpass = false;
    const std::string neu = dir.folder() + "neu.txt", inhalt = "x";
    Einmal_scheitern = true;
    EXPECT_FALSE(Datei_schreiben(neu, inhalt));
    Datei_Berichtsziel_setzen(vorher);
    ASSERT_EQ(Berichte.size(), 3u);
    EXPECT_EQ(Berichte[0].rfind("Datei_lesen > ", 0), 0u) << Berichte[0];
    EXPECT_NE(Berichte[0].find(gross), std::string::npos) << Berichte[0];
    EXPECT_EQ(Berichte[2].rfind("Datei_schreiben > ", 0), 0u) << Berichte[2];
    // Without the exception the same calls work.
    EXPECT_EQ(Datei_lesen(gross)->size(), std::size_t{2 << 20});
    EXPECT_TRUE(Datei_schreiben(neu, inhalt));
}

TEST_F(Dateibericht, TheErrorReporterShowsItAtOnceOrFromAnotherThreadWithTheNextFrame) {
    dir.write("gross.bin", std::string(2 << 20, 'g'));
    const std::string gross = dir.folder() + "gross.bin";
    Engpass = true;
    EXPECT_FALSE(Datei_lesen(gross));
    EXPECT_EQ(Fehlertext.rfind("Datei_lesen > ", 0), 0u) << Fehlertext;

    Fehler_zuruecksetzen();
    std::thread([&] { EXPECT_FALSE(Datei_anfang_lesen(gross, 3 << 20)); }).join();
    Engpass = false;
    EXPECT_EQ(Fehlertext, "") << "the error line belongs to the program's own thread";
    Fehler_Wartende_melden();
    EXPECT_EQ(Fehlertext.rfind("Datei_anfang_lesen > ", 0), 0u) << Fehlertext;
}

}  // namespace

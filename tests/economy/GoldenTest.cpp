// Regression by golden file: a world from a fixed seed and set-up runs three game
// years, and a short text summary of it (calendar, gold in circulation, state
// checksum, and per clan its members, gold, goods and buildings) must equal the
// committed file tests/golden/welt_3_jahre.txt.
//
// On a mismatch the test prints the difference and writes the summary it got to
// <build folder>/golden_actual/welt_3_jahre.txt. When the behaviour changed on
// purpose, regenerate the committed file and commit it together with the change,
// saying why:
//
//     BHM_GOLDEN_UPDATE=1 ctest --test-dir build/<folder> -R Golden
//
// With BHM_GOLDEN_UPDATE=1 the test rewrites the committed file and passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/Inhaltswelt.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "world/Kartengenerator.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kSeed = 20261210u;
constexpr int kKartentyp = 2;
constexpr int kJahre = 3;
constexpr const char* kDatei = "welt_3_jahre.txt";

template <typename Item>
std::string titel(const std::vector<Item>& tabelle, int n) {
    if (n < 0 || static_cast<std::size_t>(n) >= tabelle.size()) return std::to_string(n) + ":?";
    return std::to_string(n) + ":" + cp1252_zu_utf8(tabelle[static_cast<std::size_t>(n)].Titel);
}

std::string liste(const std::map<int, long long>& werte, std::string (*name)(int)) {
    if (werte.empty()) return " -";
    std::ostringstream s;
    for (const auto& [n, wert] : werte) s << ' ' << name(n) << '=' << wert;
    return s.str();
}

// The summary: one line each for the calendar, the gold in circulation and the
// checksum, then per clan a line of figures, its stock per good over all its
// objects and its buildings per type (only entries above 0).
std::string Zusammenfassung() {
    std::ostringstream z;
    char pruefsumme[32];
    std::snprintf(pruefsumme, sizeof pruefsumme, "%016" PRIx64, Logik_Pruefsumme());
    z << "Welt: Seed " << kSeed << ", Kartentyp " << SingelGameTYPWahl << ", Seite " << MG_Kartengroesse
      << ", Rohstoffe " << SingelGamerohstoffWahl << ", KI-Anzahl " << SingelGameKIanzahl << ", KI-Stufe "
      << SingelGameKILevel << "\n";
    z << "Jahre: " << SZ << " (Jahresschritt " << Jahresschritt << ", Monatsschritt " << Monatsschritt
      << ")\n";
    z << "GU: " << GU << " (Hoechststand " << GU2 << ")\n";
    z << "Pruefsumme: " << pruefsumme << "\n";
    z << "Clans: " << Spieler.size() << "\n";
    for (std::size_t p = 0; p < Spieler.size(); ++p) {
        const Spielerzeile& s = Spieler[p];
        std::map<int, long long> waren, gebaeude;
        for (Objektzeile& o : Objekte) {
            if (o.Feld() < 1 || o.Besitzer() != static_cast<int>(p)) continue;
            ++gebaeude[o.Typ()];
            for (int k = 0; k < Objekt_Warenslots; ++k)
                if (o.Slot_Ware(k) > -1 && o.Slot_Bestand(k) != 0) waren[o.Slot_Ware(k)] += o.Slot_Bestand(k);
        }
        z << "Clan " << p << ": Steuerung " << s.Steuerung() << ", Mitglieder " << s.Mitglieder() << ", Gold "
          << s.Gold() << ", gespart " << s.Gold_gespeichert() << ", Baustellen " << s.Baustellen() << "\n";
        z << "  Waren:" << liste(waren, [](int n) { return titel(SBU_Waren, n); }) << "\n";
        z << "  Gebaeude:" << liste(gebaeude, [](int n) { return titel(SBU_Objekte, n); }) << "\n";
    }
    return z.str();
}

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string zeile; std::getline(in, zeile);) z.push_back(zeile);
    return z;
}

// A line diff of the two texts (longest common subsequence): " " kept, "-" only
// expected, "+" only actual.
std::string Unterschied(const std::string& erwartet, const std::string& ist) {
    const std::vector<std::string> a = zeilen(erwartet), b = zeilen(ist);
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<int>> l(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            l[i][j] = a[i] == b[j] ? l[i + 1][j + 1] + 1 : std::max(l[i + 1][j], l[i][j + 1]);
    std::string d = "--- expected\n+++ actual\n";
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j]) {
            d += "  " + a[i++] + "\n";
            ++j;
        } else if (i < n && (j == m || l[i + 1][j] >= l[i][j + 1])) {
            d += "- " + a[i++] + "\n";
        } else {
            d += "+ " + b[j++] + "\n";
        }
    }
    return d;
}

std::string lesen(const fs::path& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void schreiben(const fs::path& pfad, const std::string& text) {
    fs::create_directories(pfad.parent_path());
    std::ofstream(pfad, std::ios::binary) << text;
}

// Generates the world from the fixed set-up and runs the years; the summary.
std::string Welt_laufen_lassen() {
    bhmtest::Kernwelt welt;
    if (!bhmtest::Inhaltswelt_starten(welt, kSeed, kKartentyp)) return "";
    EXPECT_TRUE(SSL) << Fehlertext;
    EXPECT_EQ(Fehlertext, "") << "generating the world reported a fault";
    for (int i = 0; i < kJahre * bhmtest::Schritte_je_Jahr; ++i) bhmtest::Simulationsschritt();
    EXPECT_EQ(SZ, kJahre);
    EXPECT_EQ(Fehlertext, "") << "the years reported a fault";
    return Zusammenfassung();
}

TEST(Golden, ThreeYearsOfAFixedWorldMatchTheCommittedSummary) {
    const std::string ist = Welt_laufen_lassen();
    ASSERT_FALSE(ist.empty()) << "the built game folder has no content";
    // The same world a second time in the same process: nothing left over from
    // the first run may change it.
    EXPECT_EQ(Welt_laufen_lassen(), ist) << "a second run in the same process differs";

    const fs::path datei = fs::path(BHM_SOURCE_DIR) / "tests" / "golden" / kDatei;
    const fs::path ausgabe = fs::path(BHM_BINARY_DIR) / "golden_actual" / kDatei;
    const char* update = std::getenv("BHM_GOLDEN_UPDATE");
    if (update && std::string(update) == "1") {
        schreiben(datei, ist);
        std::printf("golden file rewritten: %s\n", datei.string().c_str());
        return;
    }
    ASSERT_TRUE(fs::exists(datei)) << datei << " is missing; create it with BHM_GOLDEN_UPDATE=1";
    const std::string erwartet = lesen(datei);
    if (erwartet == ist) {
        std::error_code ec;
        fs::remove(ausgabe, ec);
        return;
    }
    schreiben(ausgabe, ist);
    ADD_FAILURE() << "the summary differs from " << datei.string() << "\n"
                  << Unterschied(erwartet, ist) << "actual summary written to " << ausgabe.string()
                  << "\nif the change is intended, run with BHM_GOLDEN_UPDATE=1 and commit the file with the "
                     "reason";
}

}  // namespace

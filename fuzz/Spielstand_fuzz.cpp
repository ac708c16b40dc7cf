// Feeds arbitrary bytes as the files of an otherwise sound saved game to the loader, then lets
// the loaded game run a few steps. The input is a series of records, each a byte that chooses
// the file (any file the game writes) followed by the file's new content up to the next zero
// byte; files the input does not name keep their sound content. Whatever the loader makes of
// it, the game afterwards must be one the simulation can index and run safely.
//
// BHM_FUZZ_SAAT names a folder into which the target first writes one seed per file: the
// sound content of that file, so the fuzzer starts from files of the real shape. Run it with
// -max_len large enough for them (see fuzz/CMakeLists.txt).
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "population/Personen.h"
#include "world/Karte.h"
#include "world/Pfade.h"

namespace fs = std::filesystem;

namespace {

void pruefen(bool bedingung) {
    if (!bedingung) __builtin_trap();
}

// Every file of the sound save, in a fixed order.
std::vector<std::string> Dateien;
fs::path Ordner, Vorlage;

// Steps the loaded game runs, where the values it loaded are used.
constexpr int Schritte = 3;

// A small running game: a 4 x 4 map with an island, two clans, a person, an object, a template of each kind.
void spiel_anlegen() {
    SSL = true;
    MG_Kartengroesse = 4;
    MG_Karte_anlegen(4, Karte);
    for (std::size_t c = 0; c < Karte.size(); ++c)
        Karte[c].LandType() = c % 4 == 0 ? 0 : 1 + static_cast<int>(c % 2);
    Karte[5].Person() = 0;
    Karte[6].Objekt() = 0;
    Spieler.assign(2, Spielerzeile{});
    Personen.assign(2, Personenzeile{});
    Personen[0].Hunger() = 30;
    Personen[0].Feld() = 5;
    Personen[0].Alter() = 20;
    Personen[0].Geschlecht() = 1;
    Personen[0].PfadID() = 0;
    Personen_hoechster_Index = 0;
    Objekte.assign(1, Objektzeile{});
    Objekte[0].Feld() = 6;
    PFU_Pfade = {{1, 5, 6, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    SBU_Skills = {{"S", 1, "B", "T"}};
    SBU_Waren = {{}, {}};
    SBU_Waren[1].Titel = "W";
    SBU_Waren[1].Spez = "food";
    SBU_Objekte = {{}};
    SBU_Objekte[0].Modus = "Start";
    SBU_Ambiente = {{"A", "way", "true/1/2", 1, 2, 0}};
    SBU_Bauplaetze = {{{0, 1}}};
    SBA_Atlastabelle = {{}, {}};
    SBU_KI_Nahrung = {{0}};
    SBU_Markerpunkte = {{{1, 1}}};
    SBU_Prozessanzeige = {{"a", 1, 2, 3, "b", 4}};
}

std::string inhalt(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void saat_schreiben(const fs::path& ziel) {
    fs::create_directories(ziel);
    for (std::size_t i = 0; i < Dateien.size(); ++i) {
        std::string text = inhalt(Vorlage / Dateien[i]);
        // A zero byte would end the record: the seed carries the file up to its first one.
        text = text.substr(0, text.find('\0'));
        std::ofstream(ziel / ("saat_" + Dateien[i]), std::ios::binary) << static_cast<char>(i) << text;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string vorlage = (fs::temp_directory_path() / "bhm_fuzz_XXXXXX").string();
    if (!mkdtemp(vorlage.data())) std::abort();
    Programmpfad = vorlage + "/";
    Error_Silence = true;
    Errorloger = false;
    spiel_anlegen();
    if (!LSU_Speichern("F")) std::abort();
    Ordner = fs::path(vorlage) / "save" / "single" / "F";
    Vorlage = fs::path(vorlage) / "vorlage";
    fs::copy(Ordner, Vorlage);
    for (const auto& e : fs::directory_iterator(Vorlage))
        if (e.is_regular_file()) Dateien.push_back(e.path().filename().string());
    std::sort(Dateien.begin(), Dateien.end());
    if (Dateien.size() < 40) std::abort();
    if (const char* saat = std::getenv("BHM_FUZZ_SAAT")) saat_schreiben(saat);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    // The records: a chooser byte, then the content up to the next zero byte.
    std::vector<std::size_t> geaendert;
    for (std::size_t i = 0; i < groesse;) {
        const std::size_t nr = daten[i] % Dateien.size();
        std::size_t ende = i + 1;
        while (ende < groesse && daten[ende] != 0) ++ende;
        std::ofstream(Ordner / Dateien[nr], std::ios::binary)
            .write(reinterpret_cast<const char*>(daten + i + 1), static_cast<std::streamsize>(ende - i - 1));
        geaendert.push_back(nr);
        i = ende + 1;
    }
    if (LSU_Laden("F", "single\\")) {
        pruefen(MG_Kartengroesse >= 1 && Karte.size() == static_cast<std::size_t>(MG_Kartengroesse) *
                                                             static_cast<std::size_t>(MG_Kartengroesse));
        for (const Kartenfeld& k : Karte) pruefen(k.LandType() >= 0 && k.LandType() <= 20);
        pruefen(Personen_hoechster_Index < static_cast<int>(Personen.size()));
        pruefen(GU_Clan_gueltig(SpielerID));
        if (Spiel_laeuft())
            for (int s = 0; s < Schritte; ++s) {
                Logik_Zeitschritt();
                Logik_Simulationsschritt();
            }
    } else {
        pruefen(!Ladevorgang);
    }
    for (std::size_t nr : geaendert)
        fs::copy_file(Vorlage / Dateien[nr], Ordner / Dateien[nr], fs::copy_options::overwrite_existing);
    return 0;
}

// Feeds arbitrary bytes as one file of an otherwise sound saved game to the loader.
// The first byte chooses the file, the rest is its content. Whatever the loader
// makes of it, the game afterwards must be one the simulation can index safely.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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

const char* const Dateien[] = {"Map.sav",     "P.sav",    "G.sav",      "OB.sav",     "Pat.sav",
                               "script.ini",  "SBUO.sav", "SBUW.sav",   "SBUS.sav",   "SBUBG.sav",
                               "SBUAS.sav",   "SBMA.sav", "SBUKIN.sav", "SBUQUS.sav", "SBUWVOS.sav",
                               "SBUPVOS.sav", "OBMA.sav", "BMU.sav",    "GUSPA.sav",  "NGUACN.sav"};
constexpr std::size_t Anzahl = sizeof Dateien / sizeof Dateien[0];

fs::path Ordner, Vorlage;

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

void saat_schreiben(const fs::path& ziel) {
    fs::create_directories(ziel);
    for (std::size_t i = 0; i < Anzahl; ++i) {
        std::ifstream in(Vorlage / Dateien[i], std::ios::binary);
        std::ofstream aus(ziel / ("saat" + std::to_string(i)), std::ios::binary);
        aus << static_cast<char>(i) << in.rdbuf();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string vorlage = (fs::temp_directory_path() / "bhm_fuzz_XXXXXX").string();
    if (!mkdtemp(vorlage.data())) std::abort();
    Programmpfad = vorlage + "/";
    Error_Silence = true;
    spiel_anlegen();
    if (!LSU_Speichern("F")) std::abort();
    Ordner = fs::path(vorlage) / "save" / "single" / "F";
    Vorlage = fs::path(vorlage) / "vorlage";
    fs::copy(Ordner, Vorlage);
    if (const char* saat = std::getenv("BHM_FUZZ_SAAT")) saat_schreiben(saat);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0) return 0;
    const char* name = Dateien[daten[0] % Anzahl];
    std::ofstream(Ordner / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(daten + 1), static_cast<std::streamsize>(groesse - 1));
    if (LSU_Laden("F", "single\\")) {
        pruefen(MG_Kartengroesse >= 1 && Karte.size() == static_cast<std::size_t>(MG_Kartengroesse) *
                                                             static_cast<std::size_t>(MG_Kartengroesse));
        for (const Kartenfeld& k : Karte) pruefen(k.LandType() >= 0 && k.LandType() <= 20);
        pruefen(Personen_hoechster_Index < static_cast<int>(Personen.size()));
        pruefen(GU_Clan_gueltig(SpielerID));
    }
    fs::copy_file(Vorlage / name, Ordner / name, fs::copy_options::overwrite_existing);
    return 0;
}

// Save games: the folder writer, the loader, the list of saved games and the dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "common/Spielordner.h"
#include "economy/Arbeiterslots.h"
#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Bild.h"
#include "foundation/Bilddatei.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "platform/base/Datei.h"
#include "platform/base/Ini.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "world/Ressourcen.h"
#include "economy/KI.h"

namespace fs = std::filesystem;

namespace {

// Thrown to end a save where the program would have ended: nothing after that point runs.
struct Abbruch {};
// The point of a save where the next one is ended ("schreiben": while its files are written;
// else a step of LSU_Speichern_Haltepunkt); nullptr for none.
const char* Abbruch_bei = nullptr;
void abbrechen_bei(const char* schritt) {
    if (Abbruch_bei && std::string(schritt) == Abbruch_bei) throw Abbruch{};
}

// Records the panels and status lines; can make the interactive edicts' file fail.
struct Oberflaechenprotokoll : UiSeam {
    std::vector<int> panels;
    std::vector<std::string> status;
    bool edikte_scheitern = false;
    void Panelanzeigen(int panel) override { panels.push_back(panel); }
    void TPU_Ladestatus_add(const std::string& text) override { status.push_back(text); }
    bool IAU_Edikte_speichern(const std::string& pfad) override {
        abbrechen_bei("schreiben");
        if (edikte_scheitern) return false;
        std::ofstream(Pfad_aufloesen(pfad)) << "0\r\n";
        return true;
    }
};

std::string lesen(const fs::path& p) { return Datei_lesen(p.string()).value_or("(fehlt)"); }

// Every file of the folder by name; script.ini without its time line.
std::map<std::string, std::string> ordnerinhalt(const fs::path& ordner) {
    std::map<std::string, std::string> inhalt;
    for (const auto& e : fs::directory_iterator(ordner)) {
        std::string text = lesen(e.path());
        if (e.path().filename() == "script.ini") {
            const auto a = text.find("Time=");
            text.erase(a, text.find('\n', a) - a);
        }
        inhalt[e.path().filename().string()] = text;
    }
    return inhalt;
}

class Spielstaende : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt;
    Oberflaechenprotokoll ui;
    fs::path programm() const { return welt.ordner().dir().path(); }
    fs::path spielstand(const std::string& name) const { return programm() / "save" / "single" / name; }
    void SetUp() override { Oberflaeche_setzen(&ui); }
    void TearDown() override {
        Oberflaeche_setzen(nullptr);
        LSU_Speichern_Haltepunkt = nullptr;
        Abbruch_bei = nullptr;
        LSU_Spielstand_Letzter = -1;
        for (auto& e : LSU_Spielstandliste) e = {};
    }

    // Rows as the game uses them; the cached building value of a cell is worked out anew.
    struct Stand {
        std::vector<Personenzeile> p;
        std::vector<Spielerzeile> s;
        std::vector<Objektzeile> o;
        std::vector<Kartenfeld> k;
        std::array<int, 9> werte;
        bool operator==(const Stand&) const = default;
    };
    static Stand stand() {
        Stand x{Personen,
                Spieler,
                Objekte,
                Karte,
                {static_cast<int>(RandSeed), Monatsschritt, Jahresschritt, Monatsflag, SZ,
                 KI_aktueller_Spieler, SLB_Scanposition, Personen_Suchstart, PFU_Naechster_freier}};
        for (Kartenfeld& k : x.k) k.Bauplatzwert() = -1;
        return x;
    }

    // A generated game of the built content with the computer clans, run for some steps;
    // false without content.
    static void schritte(int n) {
        for (int i = 0; i < n; ++i) {
            Logik_Zeitschritt();
            Logik_Simulationsschritt();
        }
    }
    bool erzeugtes_spiel(int computerclans, int n) {
        if (!bhmtest::Spielordner_kopieren(programm())) return false;
        RandSeed = 4711;
        MG_Einstellungen_zuruecksetzen();
        SingelGameGroessenWahl = 0;
        SingelGameKIanzahl = computerclans;
        MG_Spiel_starten();
        EXPECT_TRUE(SSL) << Fehlertext;
        schritte(n);
        return true;
    }

    // A small running game: one clan row, a few persons and objects, a 4 x 4 map.
    void kleines_spiel() {
        SSL = true;
        MG_Kartengroesse = 4;
        MG_Karte_anlegen(4, Karte);
        for (std::size_t c = 0; c < Karte.size(); ++c) Karte[c].LandType() = c < 4 ? 0 : 1;
        Karte[5].Person() = 1;
        Spieler.assign(2, Spielerzeile{});
        Spieler[1].Gold() = 500;
        SpielerID = 1;
        Personen.assign(3, Personenzeile{});
        Personen[1].Hunger() = 40;
        Personen[1].Feld() = 5;
        Personen_hoechster_Index = 1;
        Objekte.assign(2, Objektzeile{});
        GU = 1234;
    }
};

TEST_F(Spielstaende, AGeneratedGameSavesLoadsAndSavesAgainIdentically) {
    ASSERT_TRUE(erzeugtes_spiel(2, 300)) << "the built game folder has no content";
    Fehler_zuruecksetzen();
    ASSERT_TRUE(LSU_Speichern("Probe"));
    EXPECT_EQ(Fehlertext, "");
    const auto personen = Personen;
    const auto spieler = Spieler;
    const auto objekte = Objekte;
    const auto karte = Karte;
    const auto slots = OB_Slots;
    const auto warenwerte = GU_Warenwerte;
    const int seite = MG_Kartengroesse, gu = GU, clan = SpielerID;

    // Something else happens before the load.
    schritte(200);
    ui.panels.clear();
    ASSERT_TRUE(LSU_Laden("Probe", "single\\"));
    EXPECT_EQ(Fehlertext, "");
    EXPECT_EQ(ui.panels, (std::vector<int>{64}));
    EXPECT_GE(ui.status.size(), 10u);
    EXPECT_EQ(MG_Kartengroesse, seite);
    EXPECT_EQ(GU, gu);
    EXPECT_EQ(SpielerID, clan);
    EXPECT_TRUE(SSL);
    EXPECT_TRUE(Neuzeichnen);
    EXPECT_EQ(DiaU_Startpunkt, 1) << "a ring slot out of range starts again";
    EXPECT_FALSE(Ladevorgang);
    EXPECT_EQ(Personen, personen);
    EXPECT_EQ(Spieler, spieler);
    EXPECT_EQ(Objekte, objekte);
    EXPECT_EQ(OB_Slots, slots);
    EXPECT_EQ(GU_Warenwerte, warenwerte);
    ASSERT_EQ(Karte.size(), karte.size());
    std::size_t abweichend = 0;
    for (std::size_t c = 0; c < Karte.size(); ++c) {
        if (Karte[c].LandType() != karte[c].LandType() || Karte[c].Textur1() != karte[c].Textur1() ||
            Karte[c].Textur2() != karte[c].Textur2() || Karte[c].Insel() != karte[c].Insel())
            ++abweichend;
        if (karte[c].LandType() > 0)
            for (int f = Kartenfeld::Nr_Ambiente; f <= Kartenfeld::Nr_Block; ++f)
                if (Karte[c].feld(f) != karte[c].feld(f)) ++abweichend;
    }
    EXPECT_EQ(abweichend, 0u);

    ASSERT_TRUE(LSU_Speichern("Probe2"));
    const auto eins = ordnerinhalt(spielstand("Probe"));
    const auto zwei = ordnerinhalt(spielstand("Probe2"));
    EXPECT_GE(eins.size(), 25u);
    for (const auto& [name, text] : eins) {
        ASSERT_TRUE(zwei.count(name)) << name;
        EXPECT_TRUE(zwei.at(name) == text) << name << " differs after save, load, save";
    }
    // The loaded game goes on.
    schritte(200);
    EXPECT_EQ(Fehlertext, "");
}

// A loaded game goes on as the saved one would have: the rows, the calendar, the computer
// clans' round and the random source are those of the moment of saving, and over the next
// month the month's events come at the same steps as in the game that ran on.
TEST_F(Spielstaende, ALoadedGameGoesOnAsTheSavedOne) {
    ASSERT_TRUE(erzeugtes_spiel(3, 0)) << "the built game folder has no content";
    // Per step: month step, year step, years, month flag, whose computer turn comes next,
    // and whether the victory check ran.
    using Kalender = std::array<int, 6>;
    auto monat = [] {
        std::vector<Kalender> k;
        for (int i = 0; i < Monatsticks + 1; ++i) {
            Logik_Zeitschritt();
            Logik_Simulationsschritt();
            k.push_back(
                {Monatsschritt, Jahresschritt, SZ, Monatsflag, KI_aktueller_Spieler, Monatsschritt == 75});
        }
        return k;
    };
    for (int i = 0; i < 12; ++i) monat();
    schritte(48);
    ASSERT_GT(SZ, 0);
    ASSERT_TRUE(LSU_Speichern("Lauf"));
    const Stand gespeichert = stand();
    const std::vector<Kalender> weiter = monat();
    const Stand nach_dem_monat = stand();

    ASSERT_TRUE(LSU_Laden("Lauf", "single\\"));
    EXPECT_TRUE(stand() == gespeichert);
    EXPECT_EQ(monat(), weiter);
    EXPECT_TRUE(stand() == nach_dem_monat) << "the month after loading runs as it ran on";
}

// Some years on, the computer clans' workers take trees, stones and hilltops from the
// resource index, which a loaded game rebuilds from the map: a month in which resources
// are taken (the first such month from the fifth year) runs the same in the loaded game as
// in the game that ran on.
TEST_F(Spielstaende, ALoadedGameTakesTheSameResourcesAsTheSavedOne) {
    ASSERT_TRUE(erzeugtes_spiel(3, 5 * 1441)) << "the built game folder has no content";
    auto im_Index = [] {
        long long n = 0;
        for (const auto& art : RU_Index)
            for (const TRSU_Sektor_Item& insel : art) n += insel.Anzahl;
        return n;
    };
    // The first month from here in which the workers take more resources than grow again.
    long long vorher = 0;
    bool genommen = false;
    for (int monat = 0; monat < 24 && !genommen; ++monat) {
        ASSERT_TRUE(LSU_Speichern("Lauf"));
        vorher = im_Index();
        schritte(Monatsticks + 1);
        genommen = im_Index() < vorher;
    }
    ASSERT_TRUE(genommen) << "resources were taken in a month";
    const Stand weiter = stand();
    ASSERT_TRUE(LSU_Laden("Lauf", "single\\"));
    EXPECT_EQ(im_Index(), vorher);
    schritte(Monatsticks + 1);
    EXPECT_TRUE(stand() == weiter);
}

// A game saved before the calendar and the cursors were kept starts its calendar again.
TEST_F(Spielstaende, AnOlderSaveStartsTheCalendarAgain) {
    kleines_spiel();
    Monatsschritt = 40;
    Jahresschritt = 700;
    KI_aktueller_Spieler = 1;
    RandSeed = 99;
    ASSERT_TRUE(LSU_Speichern("Alt"));
    const std::string skript = (spielstand("Alt") / "script.ini").string();
    EXPECT_EQ(ini::lesen_zahl(skript, "Main", "Jahresschritt", -1), 700);
    std::string text = lesen(skript);
    for (const char* k : {"Monatsschritt", "Jahresschritt", "Monatsflag", "KI_Spieler", "Zufall",
                          "Landschaft_Scan", "Personen_hoechster", "Personen_Suchstart", "Pfad_Suchstart",
                          "Nahrung_Zeiger", "Luxus_Zeiger", "Suchring"}) {
        const auto a = text.find(std::string("\n") + k + "=");
        ASSERT_NE(a, std::string::npos) << k;
        text.erase(a + 1, text.find('\n', a + 1) - a);
    }
    std::ofstream(Pfad_aufloesen(skript), std::ios::binary) << text;
    RandSeed = 5;
    ASSERT_TRUE(LSU_Laden("Alt", "single\\"));
    EXPECT_EQ(Monatsschritt, 0);
    EXPECT_EQ(Jahresschritt, 0);
    EXPECT_EQ(KI_aktueller_Spieler, 0);
    EXPECT_EQ(RandSeed, 5u);

    // Values out of range start again.
    ASSERT_TRUE(ini::schreiben_zahl(skript, "Main", "Monatsschritt", 500));
    ASSERT_TRUE(ini::schreiben_zahl(skript, "Main", "KI_Spieler", 9));
    ASSERT_TRUE(LSU_Laden("Alt", "single\\"));
    EXPECT_EQ(Monatsschritt, 0);
    EXPECT_EQ(KI_aktueller_Spieler, 0);
}

// Values at the ends of the Integer range and numbers too long for it: the game loads with
// reports and runs on without overflowing anywhere (the sanitizer build aborts on an overflow);
// the persons, clans or objects, the game itself, with values no game holds fail the load and
// leave an empty world.
TEST_F(Spielstaende, ExtremeValuesInASaveLoadWithReportsAndRunOn) {
    ASSERT_TRUE(erzeugtes_spiel(2, 400)) << "the built game folder has no content";
    ASSERT_TRUE(LSU_Speichern("Gut"));
    const fs::path gut = spielstand("Gut");
    // Every field of line `zeile` of the file (from 0) becomes `wert`; every line when zeile < 0.
    auto zeile_setzen = [&](const char* datei, int zeile, const std::string& wert) {
        const fs::path p = spielstand("Kaputt") / datei;
        auto zeilen = *Textdatei_lesen(p.string());
        if (zeilen.empty()) zeilen.emplace_back("0");
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            if (zeile >= 0 && i != static_cast<std::size_t>(zeile)) continue;
            std::string neu;
            for (std::size_t k = 0;
                 k <= static_cast<std::size_t>(std::count(zeilen[i].begin(), zeilen[i].end(), '/')); ++k)
                neu += (k ? "/" : "") + wert;
            zeilen[i] = neu;
        }
        ASSERT_TRUE(Textdatei_schreiben(p.string(), zeilen)) << datei;
    };
    const std::string skript = (spielstand("Kaputt") / "script.ini").string();
    struct Fall {
        const char* name;
        std::function<void()> verderben;
        bool laedt;
    };
    const std::string max = "2147483647", min = "-2147483648", lang = "99999999999999999999";
    const std::vector<Fall> faelle = {
        {"clans at the top", [&] { zeile_setzen("G.sav", -1, max); }, false},
        {"persons at the bottom", [&] { zeile_setzen("P.sav", -1, min); }, false},
        {"objects at the top", [&] { zeile_setzen("OB.sav", -1, max); }, false},
        {"statistics series too long", [&] { zeile_setzen("DiaUV2.sav", 4, lang); }, true},
        {"goods statistics", [&] { zeile_setzen("LGKSWA.sav", -1, max); }, true},
        {"world goods statistics", [&] { zeile_setzen("LGKWWA.sav", -1, min); }, true},
        {"group statistics", [&] { zeile_setzen("LGKSWG.sav", -1, max); }, true},
        {"envy of a house", [&] { zeile_setzen("SBUO.sav", 12, max); }, true},
        {"goods make", [&] { zeile_setzen("SBUW.sav", 19, max); }, true},
        {"house envy and scroll offsets",
         [&] {
             ini::schreiben_text(skript, "Main", "Hausneid", max);
             ini::schreiben_text(skript, "Main", "SX", min);
             ini::schreiben_text(skript, "Main", "GU", max);
         },
         true},
    };
    for (const Fall& f : faelle) {
        fs::remove_all(spielstand("Kaputt"));
        fs::copy(gut, spielstand("Kaputt"));
        f.verderben();
        Fehler_zuruecksetzen();
        EXPECT_EQ(LSU_Laden("Kaputt", "single\\"), f.laedt) << f.name << ": " << Fehlertext;
        EXPECT_TRUE(welt.gemeldet()) << f.name;
        EXPECT_EQ(Spiel_laeuft(), f.laedt) << f.name;
        EXPECT_EQ(Personen.empty(), !f.laedt) << f.name;
        EXPECT_FALSE(Ladevorgang) << f.name;
        schritte(150);
    }
}

// The bytes of every file of the folder by name, as they are.
std::map<std::string, std::string> dateien(const fs::path& ordner) {
    std::map<std::string, std::string> inhalt;
    for (const auto& e : fs::directory_iterator(ordner))
        inhalt[e.path().filename().string()] = lesen(e.path());
    return inhalt;
}

// Every file of a save folder damaged in each way a file can be: the load fails with its report
// and the running game stays as it was, or, where the game can do without the file or an empty
// one is a whole file of its kind, the game loads and runs. The save's files are never changed.
TEST_F(Spielstaende, DamagedFilesFailTheLoadCleanlyAndAreNeverChanged) {
    ASSERT_TRUE(erzeugtes_spiel(2, 400)) << "the built game folder has no content";
    ASSERT_TRUE(LSU_Speichern("Gut"));
    // The files of a save, each its own kind (one image pack stands for the four).
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(spielstand("Gut")))
        if (e.path().extension() != ".BMP" || e.path().filename() == "Iconpack.BMP")
            namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    ASSERT_EQ(namen.size(), 42u) << "a save holds 41 text files and its packs";
    const std::vector<std::string> pflicht = {"Map.sav", "P.sav", "G.sav", "OB.sav", "script.ini"};
    auto kennungen = [](const fs::path& ordner) {
        std::map<std::string, std::optional<Dateikennung>> k;
        for (const auto& e : fs::directory_iterator(ordner))
            k[e.path().filename().string()] = Datei_kennung(e.path().string());
        return k;
    };
    enum Ausgang { scheitert, laedt };
    for (const std::string& name : namen) {
        const std::string gut = lesen(spielstand("Gut") / name);
        const bool ist_pflicht = std::find(pflicht.begin(), pflicht.end(), name) != pflicht.end();
        const bool ist_pack = name == "Iconpack.BMP";
        // The first half, cut inside a line (a file written line by line never ends there).
        std::size_t halb = gut.size() / 2;
        while (halb > 0 && gut[halb - 1] == '\n') --halb;
        std::string zufall(std::max<std::size_t>(gut.size(), 64), ' ');
        std::uint32_t x = 4711;
        for (char& c : zufall) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 16);
        struct Fall {
            const char* art;
            std::function<void(const fs::path&)> verderben;
            Ausgang ausgang;
        };
        std::vector<Fall> faelle = {
            {"missing", [](const fs::path&) {}, ist_pflicht ? scheitert : laedt},
            {"a folder", [](const fs::path& p) { fs::create_directories(p / "x"); }, scheitert},
            {"empty", [](const fs::path& p) { std::ofstream{p}; },
             ist_pflicht || ist_pack ? scheitert : laedt},
            {"random bytes", [&](const fs::path& p) { std::ofstream(p, std::ios::binary) << zufall; },
             scheitert},
        };
        if (halb > 0)
            faelle.push_back(
                {"cut off",
                 [&](const fs::path& p) { std::ofstream(p, std::ios::binary) << gut.substr(0, halb); },
                 scheitert});
        for (const Fall& f : faelle) {
            const std::string was = name + " " + f.art;
            // The damaged save shares every other file with the whole one.
            fs::remove_all(spielstand("Kaputt"));
            fs::create_directories(spielstand("Kaputt"));
            for (const auto& e : fs::directory_iterator(spielstand("Gut")))
                if (e.path().filename() != name)
                    fs::create_hard_link(e.path(), spielstand("Kaputt") / e.path().filename());
            f.verderben(spielstand("Kaputt") / name);
            const auto vorher = kennungen(spielstand("Kaputt"));
            const std::string beschaedigt = lesen(spielstand("Kaputt") / name);
            const auto personen = Personen;
            const int gold = Spieler[static_cast<std::size_t>(SpielerID)].Gold();
            Fehler_zuruecksetzen();

            const bool geladen = LSU_Laden("Kaputt", "single\\");
            EXPECT_EQ(geladen, f.ausgang == laedt) << was << ": " << Fehlertext;
            EXPECT_FALSE(Ladevorgang) << was;
            if (f.ausgang == scheitert) {
                EXPECT_NE(Fehlertext.find("Savegame konnte nicht geladen werden"), std::string::npos)
                    << was << ": " << Fehlertext;
                ASSERT_TRUE(Spiel_laeuft()) << was << ": the running game stays";
                EXPECT_TRUE(Personen == personen) << was;
                EXPECT_EQ(Spieler[static_cast<std::size_t>(SpielerID)].Gold(), gold) << was;
            } else {
                EXPECT_TRUE(Spiel_laeuft()) << was;
                schritte(30);
            }
            EXPECT_TRUE(kennungen(spielstand("Kaputt")) == vorher)
                << was << ": a file of the save was changed";
            EXPECT_EQ(lesen(spielstand("Kaputt") / name), beschaedigt) << was;
        }
    }
}

const char* const Packnamen[] = {"Iconpack.BMP", "Skillpack.BMP", "Bauiconpack.BMP", "Gebaeudepack.BMP"};

// The packs of a save are the bytes that reading and writing Daten's packs gives; a save over
// an old one writes what a save into a new folder writes; and a pack of Daten that changes
// later, or a load that brings other packs into Daten, leaves every save's packs as they were.
TEST_F(Spielstaende, SavedFilesAreThoseOfThePlainWayAndKeepTheirBytes) {
    ASSERT_TRUE(erzeugtes_spiel(2, 100)) << "the built game folder has no content";
    const std::string daten = Programmpfad + "Daten\\";
    auto wie_gelesen_und_geschrieben = [](const std::string& pfad) {
        Bild bild;
        EXPECT_TRUE(Bilddatei_laden(pfad, bild)) << pfad;
        return Bild_schreiben(bild, Bilddateityp::BMP);
    };
    ASSERT_TRUE(LSU_Speichern("Probe"));
    ASSERT_TRUE(LSU_Speichern("Probe"));
    ASSERT_TRUE(LSU_Speichern("Frisch"));
    EXPECT_TRUE(ordnerinhalt(spielstand("Probe")) == ordnerinhalt(spielstand("Frisch")));
    for (const char* pack : Packnamen) {
        ASSERT_TRUE(Datei_existiert(daten + pack)) << pack;
        EXPECT_TRUE(lesen(spielstand("Probe") / pack) == wie_gelesen_und_geschrieben(daten + pack)) << pack;
    }

    // A pack of Daten written anew (a new world's templates) leaves the saves as they are.
    const auto probe = dateien(spielstand("Probe"));
    Bild anders(64, 64, tfBGR8);
    std::fill(anders.pixel.begin(), anders.pixel.end(), std::uint8_t{77});
    for (const char* pack : Packnamen) ASSERT_TRUE(Bilddatei_speichern(daten + pack, anders));
    EXPECT_TRUE(dateien(spielstand("Probe")) == probe);

    // A pack the writer would write otherwise (rows top-down, 32 bits) is saved as it is read.
    Bild oben_ab = Bild_lesen(lesen(spielstand("Probe") / "Skillpack.BMP"));
    Bild_konvertieren(oben_ab, tfBGRA8);
    const std::string bytes32 = Bild_schreiben(oben_ab, Bilddateityp::BMP);
    ASSERT_TRUE(Datei_schreiben(daten + "Skillpack.BMP", bytes32));
    ASSERT_TRUE(LSU_Speichern("Vier"));
    EXPECT_TRUE(lesen(spielstand("Vier") / "Skillpack.BMP") ==
                wie_gelesen_und_geschrieben(daten + "Skillpack.BMP"));

    // A load brings the save's packs into Daten as they are; Daten changing again leaves the save.
    ASSERT_TRUE(LSU_Laden("Probe", "single\\"));
    for (const char* pack : Packnamen) EXPECT_TRUE(Datei_lesen(daten + pack) == probe.at(pack)) << pack;
    for (const char* pack : Packnamen) ASSERT_TRUE(Bilddatei_speichern(daten + pack, anders));
    EXPECT_TRUE(dateien(spielstand("Probe")) == probe);
}

// A save that fails over a generated game leaves the old save whole, byte for byte, and
// loadable; the next save that works keeps the player's own files and the old spellings.
TEST_F(Spielstaende, AFailedSaveKeepsTheOldOneWholeAndLoadable) {
    ASSERT_TRUE(erzeugtes_spiel(2, 50)) << "the built game folder has no content";
    ASSERT_TRUE(LSU_Speichern("Halt"));
    welt.ordner().dir().write("save/single/Halt/notiz.txt", "eigene Notiz");
    fs::rename(spielstand("Halt") / "P.sav", spielstand("Halt") / "p.sav");
    const auto vorher = dateien(spielstand("Halt"));
    const auto personen = Personen;
    schritte(100);
    ui.edikte_scheitern = true;
    EXPECT_FALSE(LSU_Speichern("Halt"));
    EXPECT_TRUE(welt.gemeldet());
    EXPECT_TRUE(dateien(spielstand("Halt")) == vorher);
    for (const auto& e : fs::directory_iterator(programm() / "save"))
        EXPECT_EQ(e.path().filename().string().find('~'), std::string::npos) << "left behind: " << e.path();
    ASSERT_TRUE(LSU_Laden("Halt", "single\\"));
    EXPECT_EQ(Personen, personen);
    EXPECT_EQ(Fehlertext, "");

    schritte(100);
    ui.edikte_scheitern = false;
    ASSERT_TRUE(LSU_Speichern("Halt"));
    const auto nachher = dateien(spielstand("Halt"));
    EXPECT_EQ(nachher.count("P.sav"), 0u) << "the old spelling stays";
    ASSERT_EQ(nachher.count("p.sav"), 1u);
    EXPECT_NE(nachher.at("p.sav"), vorher.at("p.sav"));
    EXPECT_EQ(nachher.at("notiz.txt"), "eigene Notiz");
    EXPECT_EQ(nachher.size(), vorher.size());
}

TEST_F(Spielstaende, WithoutAGameOnlyTheFoldersAreMade) {
    Autosave_Zaehler = 77;
    EXPECT_FALSE(LSU_Speichern("Leer"));
    EXPECT_EQ(Autosave_Zaehler, 0);
    for (const char* o : {"save", "save/Kampagne", "save/single", "save/multi"})
        EXPECT_TRUE(fs::is_directory(programm() / o)) << o;
    EXPECT_FALSE(fs::exists(spielstand("Leer")));
    EXPECT_FALSE(welt.gemeldet());
}

TEST_F(Spielstaende, AFailedSaveKeepsTheOldSave) {
    kleines_spiel();
    ASSERT_TRUE(LSU_Speichern("Halt"));
    const auto vorher = ordnerinhalt(spielstand("Halt"));
    ASSERT_TRUE(vorher.count("P.sav"));
    ini::schreiben_text((spielstand("Halt") / "script.ini").string(), "Eigenes", "Notiz", "bleibt");

    Personen[1].Hunger() = 99;
    ui.edikte_scheitern = true;
    EXPECT_FALSE(LSU_Speichern("Halt"));
    EXPECT_TRUE(welt.gemeldet());
    EXPECT_EQ(lesen(spielstand("Halt") / "P.sav"), vorher.at("P.sav"));
    EXPECT_EQ(fs::directory_iterator(programm() / "save" / "single")->path().filename(), "Halt");
    for (const auto& e : fs::directory_iterator(programm() / "save"))
        EXPECT_EQ(e.path().filename().string().find('~'), std::string::npos) << "left behind: " << e.path();

    // A save cut off between its two renames: the next save puts the old game back first.
    fs::rename(spielstand("Halt"), programm() / "save" / "~Halt.alt");
    EXPECT_FALSE(LSU_Speichern("Halt"));
    EXPECT_EQ(lesen(spielstand("Halt") / "P.sav"), vorher.at("P.sav"));
    Fehler_zuruecksetzen();

    // A save that works replaces the old one and keeps keys it does not write.
    ui.edikte_scheitern = false;
    EXPECT_TRUE(LSU_Speichern("Halt"));
    EXPECT_NE(lesen(spielstand("Halt") / "P.sav"), vorher.at("P.sav"));
    EXPECT_EQ(ini::lesen_text((spielstand("Halt") / "script.ini").string(), "Eigenes", "Notiz", ""),
              "bleibt");
}

// A save cut off at any point (the program ended there) is found at the next start, listing or
// load by name: the new game once it was complete, else the old one, and nothing is left beside
// the saves. A first save of a name cut off before it was complete leaves no save.
TEST_F(Spielstaende, ASaveCutOffIsPutInPlaceAtTheNextStartListingOrLoad) {
    struct Fall {
        const char* name;
        const char* schritt;
        bool erster;
        const char* gefunden;  // "start", "liste" or "laden"
        int hunger;            // of the game then loaded: 40 the old, 99 the new, 0 none
    };
    const Fall faelle[] = {
        {"while its files are written", "schreiben", false, "liste", 40},
        {"complete, the old one in place", "fertig", false, "laden", 99},
        {"between the renames, listed", "alt", false, "liste", 99},
        {"between the renames, at start-up", "alt", false, "start", 99},
        {"between the renames, loaded by name", "alt", false, "laden", 99},
        {"in place, the old one still aside", "ziel", false, "liste", 99},
        {"first save, while written", "schreiben", true, "liste", 0},
        {"first save, complete", "fertig", true, "start", 99},
    };
    LSU_Speichern_Haltepunkt = &abbrechen_bei;
    for (const Fall& f : faelle) {
        fs::remove_all(programm() / "save");
        kleines_spiel();
        Personen[1].Hunger() = 40;
        if (!f.erster) {
            ASSERT_TRUE(LSU_Speichern("Halt")) << f.name;
        }
        Personen[1].Hunger() = 99;
        Abbruch_bei = f.schritt;
        EXPECT_THROW(LSU_Speichern("Halt"), Abbruch) << f.name;
        Abbruch_bei = nullptr;
        if (std::string(f.schritt) == "alt") {
            EXPECT_FALSE(fs::exists(spielstand("Halt"))) << f.name;
        }

        Personen[1].Hunger() = 1;
        const std::string wie = f.gefunden;
        if (wie == "start") LSU_Hintergrund_laden();
        if (wie == "liste") {
            LSU_Spielstaende_auflisten();
            EXPECT_EQ(LSU_Spielstand_Letzter, f.hunger ? 0 : -1) << f.name;
            EXPECT_EQ(LSU_Spielstandliste[0].Name, f.hunger ? "Halt" : "") << f.name;
        }
        auto nichts_daneben = [&] {
            for (const auto& e : fs::directory_iterator(programm() / "save")) {
                EXPECT_EQ(e.path().filename().string().find('~'), std::string::npos)
                    << f.name << ": left behind " << e.path();
            }
        };
        if (wie != "laden") nichts_daneben();
        EXPECT_EQ(LSU_Laden("Halt", "single\\"), f.hunger != 0) << f.name;
        if (f.hunger) {
            EXPECT_EQ(Personen[1].Hunger(), f.hunger) << f.name;
        }
        nichts_daneben();
        Fehler_zuruecksetzen();
    }
    LSU_Speichern_Haltepunkt = nullptr;
}

TEST_F(Spielstaende, ANameThatIsNotOneFolderIsRefused) {
    kleines_spiel();
    for (const char* name : {"", " ", "   ", ".", "..", "../weg", "a/b", "a\\b", "x\ny"}) {
        EXPECT_FALSE(LSU_Speichern(name)) << name;
        EXPECT_TRUE(welt.gemeldet()) << name;
    }
    EXPECT_FALSE(fs::exists(programm() / "save" / "weg"));
    EXPECT_TRUE(fs::is_empty(programm() / "save" / "single"));
}

TEST_F(Spielstaende, AnUnloadableSaveLeavesTheRunningGameAsItWas) {
    kleines_spiel();
    ASSERT_TRUE(LSU_Speichern("Gut"));
    const std::string skript = (spielstand("Gut") / "script.ini").string();
    struct Fall {
        const char* name;
        std::function<void()> verderben;
    };
    const std::vector<Fall> faelle = {
        {"missing folder", [&] { fs::rename(spielstand("Gut"), spielstand("Weg")); }},
        {"missing script.ini", [&] { fs::remove(skript); }},
        {"map side and cells differ", [&] { ini::schreiben_zahl(skript, "Main", "MA", 99); }},
        {"map side too large", [&] { ini::schreiben_zahl(skript, "Main", "MS", 5000); }},
        {"negative clan table", [&] { ini::schreiben_zahl(skript, "Main", "GA", -5); }},
        {"huge person table", [&] { ini::schreiben_zahl(skript, "Main", "PA", 2000000000); }},
        {"huge path pool", [&] { ini::schreiben_zahl(skript, "Main", "PatA", 2000000000); }},
        {"more persons than the map holds", [&] { ini::schreiben_zahl(skript, "Main", "PA", 1016); }},
        {"more objects than the map holds", [&] { ini::schreiben_zahl(skript, "Main", "OA", 1016); }},
        {"more paths than persons", [&] { ini::schreiben_zahl(skript, "Main", "PatA", 1003); }},
        {"more harbours than objects", [&] { ini::schreiben_zahl(skript, "Main", "HA", 1002); }},
        {"player outside the clans", [&] { ini::schreiben_zahl(skript, "Main", "SpielerID", 2); }},
        {"broken map", [&] { std::ofstream(spielstand("Gut") / "Map.sav") << "A1\r\nBzz\r\n"; }},
        {"truncated map", [&] { std::ofstream(spielstand("Gut") / "Map.sav") << "A4\r\nB3\r\n"; }}};
    for (const Fall& f : faelle) {
        fs::remove_all(spielstand("Kaputt"));
        fs::remove_all(spielstand("Weg"));
        fs::copy(spielstand("Gut"), spielstand("Kaputt"));
        fs::rename(spielstand("Gut"), spielstand("Gut_"));
        fs::rename(spielstand("Kaputt"), spielstand("Gut"));
        f.verderben();
        const auto personen = Personen;
        const auto karte = Karte;
        AutosaveCheck = false;
        EXPECT_FALSE(LSU_Laden("Gut", "single\\")) << f.name;
        EXPECT_EQ(Fehlertext, "Savegame konnte nicht geladen werden: " + Programmpfad + "save\\single\\Gut")
            << f.name;
        EXPECT_EQ(Personen, personen) << f.name;
        EXPECT_EQ(Karte, karte) << f.name;
        EXPECT_EQ(Spieler[1].Gold(), 500) << f.name;
        EXPECT_TRUE(SSL) << f.name;
        EXPECT_FALSE(Ladevorgang) << f.name;
        EXPECT_TRUE(AutosaveCheck) << f.name;
        Fehler_zuruecksetzen();
        fs::remove_all(spielstand("Gut"));
        fs::remove_all(spielstand("Weg"));
        fs::rename(spielstand("Gut_"), spielstand("Gut"));
    }
}

TEST_F(Spielstaende, ScriptKeysAreReadWithTheirDefaultsAndPlacementMode) {
    kleines_spiel();
    Spieler[1].Startphase() = 1;
    GUI_KT = false;
    ASSERT_TRUE(LSU_Speichern("Keys"));
    const std::string skript = (spielstand("Keys") / "script.ini").string();
    EXPECT_EQ(ini::lesen_text(skript, "Main", "GUI_Kt", "?"), "0");
    for (const char* k : {"SBMAi", "SBGOi", "SGT", "SGKL", "Hasen_WarenID", "ELE", "WV"})
        ASSERT_TRUE(ini::schreiben_text(skript, "Main", k, "kein Wert")) << k;
    ASSERT_TRUE(ini::schreiben_zahl(skript, "Main", "DiaU_Startpunkt", 65));
    SBU_Start_ID = 0;
    Neuzeichnen = false;
    // This game has no image packs: each is reported and the load goes on to its end.
    ASSERT_FALSE(fs::exists(spielstand("Keys") / "Iconpack.BMP"));
    ASSERT_TRUE(LSU_Laden("Keys", "single\\"));
    EXPECT_TRUE(Neuzeichnen);
    EXPECT_EQ(SBMAi, 100);
    EXPECT_EQ(SingelGameTYPWahl, 2);
    EXPECT_EQ(SBGOi, 8000) << "the same goal as a new set-up";
    EXPECT_EQ(SingelGameKILevel, 1) << "computer clans of an older save still build";
    EXPECT_EQ(WV, 0);
    EXPECT_FALSE(GUI_KT);
    EXPECT_TRUE(Platzierungsmodus);
    EXPECT_EQ(Bau_Typ, SBU_Start_ID);
    EXPECT_EQ(Spieler[1].Startphase(), 1);
    EXPECT_EQ(GU, 1234);
    EXPECT_EQ(Personen.size(), 3u);
    EXPECT_EQ(Personen_hoechster_Index, 1);
    EXPECT_EQ(Personen[1].Hunger(), 40);
    EXPECT_EQ(Karte[5].Person(), 1);
    EXPECT_EQ(Karte[0].Block(), 2);
}

TEST_F(Spielstaende, RabbitLimitsFromTheScriptAreBroughtIntoRange) {
    // Beyond 255 a hole could breed a count that its own save line cannot hold again.
    struct Fall {
        int max, init;
        int erwartet_max, erwartet_init;
    };
    for (const Fall f : {Fall{300, 400, 255, 255}, Fall{0, 0, 1, 1}, Fall{20, 7, 20, 7}}) {
        SCOPED_TRACE(std::to_string(f.max) + "/" + std::to_string(f.init));
        kleines_spiel();
        ASSERT_TRUE(LSU_Speichern("Hasen"));
        const std::string skript = (spielstand("Hasen") / "script.ini").string();
        ASSERT_TRUE(ini::schreiben_zahl(skript, "Main", "Hasen_Max", f.max));
        ASSERT_TRUE(ini::schreiben_zahl(skript, "Main", "Hasen_Init", f.init));
        Fehler_zuruecksetzen();
        ASSERT_TRUE(LSU_Laden("Hasen", "single\\"));
        EXPECT_EQ(Hasen_Max, f.erwartet_max);
        EXPECT_EQ(Hasen_Init, f.erwartet_init);
        fs::remove_all(spielstand("Hasen"));
    }
}

TEST_F(Spielstaende, TheListHoldsTheFirstTenFolders) {
    LSU_Spielstaende_auflisten();
    EXPECT_EQ(LSU_Spielstand_Letzter, -1) << "no folder: list unchanged";
    fs::create_directories(spielstand("A"));
    welt.ordner().dir().write("save/single/A/script.ini", "[Main]\r\nTime=01.02.2026 10:11:12\r\n");
    welt.ordner().dir().write("save/single/keinordner.txt", "x");
    fs::create_directories(spielstand("B"));
    LSU_Spielstaende_auflisten();
    ASSERT_EQ(LSU_Spielstand_Letzter, 1);
    for (int i = 0; i < 2; ++i) {
        const LSU_Spielstand& e = LSU_Spielstandliste[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.Zeit, e.Name == "A" ? "01.02.2026 10:11:12" : "Not Found") << e.Name;
    }
    EXPECT_EQ(LSU_Spielstandliste[2].Name, "");
    for (int i = 0; i < 11; ++i) fs::create_directories(spielstand("S").string() + std::to_string(i));
    LSU_Spielstaende_auflisten();
    EXPECT_EQ(LSU_Spielstand_Letzter, 9);
    LSU_Spielstand_loeschen((spielstand("A")).string());
    EXPECT_FALSE(fs::exists(spielstand("A")));
    EXPECT_TRUE(LSU_Ordner_loeschen((spielstand("B")).string()));
}

// The list shows the newest saves first (by their script.ini, else the folder; equally new ones
// by name) and pages through all of them, ten at a time.
TEST_F(Spielstaende, TheListIsNewestFirstAndPagesThroughEverySave) {
    const auto jetzt = fs::file_time_type::clock::now();
    std::vector<std::string> erwartet;
    for (int i = 0; i < 23; ++i) {
        const std::string name = std::string(1, static_cast<char>('a' + i)) + "spiel";
        fs::create_directories(spielstand(name));
        // Every third save has no script.ini: its folder's time counts.
        const fs::path p = i % 3 == 0 ? spielstand(name) : spielstand(name) / "script.ini";
        if (i % 3 != 0)
            welt.ordner().dir().write("save/single/" + name + "/script.ini", "[Main]\r\nTime=t\r\n");
        // Saves 20..22 are equally old; the others grow newer with i.
        fs::last_write_time(p, jetzt - std::chrono::hours(i >= 20 ? 100 : 50 - i));
    }
    for (int i = 19; i >= 0; --i) erwartet.push_back(std::string(1, static_cast<char>('a' + i)) + "spiel");
    for (const char* n : {"uspiel", "vspiel", "wspiel"}) erwartet.push_back(n);
    auto seite = [] {
        std::vector<std::string> namen;
        for (int i = 0; i <= LSU_Spielstand_Letzter; ++i)
            namen.push_back(LSU_Spielstandliste[static_cast<std::size_t>(i)].Name);
        return namen;
    };
    auto erwartete_seite = [&](int von, int bis) {
        return std::vector<std::string>(erwartet.begin() + von, erwartet.begin() + bis);
    };
    LSU_Spielstand_Seite = 0;
    LSU_Spielstaende_auflisten();
    ASSERT_EQ(LSU_Spielstaende_alle.size(), 23u);
    EXPECT_EQ(seite(), erwartete_seite(0, 10));
    LSU_Spielstaende_blaettern(-1);
    EXPECT_EQ(seite(), erwartete_seite(0, 10)) << "no page before the first";
    LSU_Spielstaende_blaettern(1);
    EXPECT_EQ(seite(), erwartete_seite(10, 20));
    LSU_Spielstaende_blaettern(1);
    EXPECT_EQ(seite(), erwartete_seite(20, 23));
    EXPECT_EQ(LSU_Spielstand_Letzter, 2);
    EXPECT_EQ(LSU_Spielstandliste[3].Name, "");
    LSU_Spielstaende_blaettern(1);
    EXPECT_EQ(LSU_Spielstand_Seite, 20) << "no page after the last";
    // Deleting the last saves of the last page shows the page before.
    for (int i = 20; i < 23; ++i) fs::remove_all(spielstand(erwartet[static_cast<std::size_t>(i)]));
    LSU_Spielstaende_auflisten();
    EXPECT_EQ(seite(), erwartete_seite(10, 20));
}

TEST_F(Spielstaende, TheDialogSavesUnderTheTypedNameAndRefusesTheIronName) {
    kleines_spiel();
    GUI_Info_zuruecksetzen();
    LSU_Speichername = "IRONMODUS";
    LSU_Speichern_Dialog();
    EXPECT_FALSE(fs::exists(spielstand("IRONMODUS")));
    EXPECT_EQ(GUI_Infoanzahl, 0);

    LSU_Speichername = "Mein Spiel";
    LSU_Speichern_Dialog();
    EXPECT_TRUE(fs::exists(spielstand("Mein Spiel") / "script.ini"));
    EXPECT_EQ(LSU_Letzter_Speichername, "Mein Spiel");
    EXPECT_FALSE(Speichervorgang);
    ASSERT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(GUI_Infoliste[0].Text, "Gespeichert alsMein Spiel");

    // In iron mode the folder is always IRONMODUS; a failed save is not announced.
    KSL = true;
    ui.edikte_scheitern = true;
    LSU_Speichern_Dialog();
    EXPECT_EQ(GUI_Infoanzahl, 1);
    ui.edikte_scheitern = false;
    LSU_Speichern_Dialog();
    EXPECT_TRUE(fs::exists(spielstand("IRONMODUS")));
    LSU_Speichername.clear();
    LSU_Letzter_Speichername.clear();
    GUI_Info_zuruecksetzen();
}

// Outside iron mode the iron-mode name is refused in any letter case: the file system would
// find the iron-mode folder under each of them.
TEST_F(Spielstaende, TheIronNameIsRefusedInAnyCase) {
    kleines_spiel();
    KSL = true;
    ASSERT_TRUE(LSU_Speichern("IRONMODUS"));
    const std::string iron = lesen(spielstand("IRONMODUS") / "G.sav");
    KSL = false;
    Spieler[1].Gold() = 7;
    GUI_Info_zuruecksetzen();
    for (const char* name : {"IRONMODUS", "ironmodus", "IronModus"}) {
        LSU_Speichername = name;
        LSU_Speichern_Dialog();
        EXPECT_EQ(lesen(spielstand("IRONMODUS") / "G.sav"), iron) << name;
        EXPECT_EQ(GUI_Infoanzahl, 0) << name;
    }
    EXPECT_FALSE(LSU_Ironname("IRONMODUS2"));
    LSU_Speichername.clear();
    LSU_Letzter_Speichername.clear();
}

// Iron mode holds the autosave on while it runs; the player's own setting stays what the
// options and Config.ini show, and comes back with the next game outside iron mode.
TEST_F(Spielstaende, IronModeKeepsThePlayersAutosaveSetting) {
    kleines_spiel();
    ASSERT_TRUE(LSU_Speichern("Frei"));
    KSL = true;
    ASSERT_TRUE(LSU_Speichern("IRONMODUS"));
    ASSERT_TRUE(ini::schreiben_bool(Programmpfad + "Config.ini", "Allgemein", "AutosaveCheck", false));
    Config_laden();
    ASSERT_FALSE(AutosaveCheck);
    ASSERT_TRUE(LSU_Laden("IRONMODUS", "single\\"));
    EXPECT_TRUE(AutosaveCheck);
    EXPECT_FALSE(AutosaveEinstellung);
    Config_speichern();
    EXPECT_FALSE(ini::lesen_bool(Programmpfad + "Config.ini", "Allgemein", "AutosaveCheck", true));
    ASSERT_TRUE(LSU_Laden("Frei", "single\\"));
    EXPECT_FALSE(AutosaveCheck);
    Config_zuruecksetzen();
}

TEST_F(Spielstaende, TheBackdropLoadClearsTheGameFlagsAndEndsInTheMainMenu) {
    kleines_spiel();
    KSL = true;
    LSU_Hintergrund_laden();
    EXPECT_FALSE(SSL || KSL || MSL || ISL);
    EXPECT_EQ(ui.panels, (std::vector<int>{0, 64, 1}));
    EXPECT_TRUE(welt.gemeldet()) << "no backdrop game in an empty program folder";
    // The menu stands before an empty world, not the game before.
    EXPECT_TRUE(Personen.empty());
    EXPECT_TRUE(Spieler.empty());
    EXPECT_FALSE(Platzierungsmodus);

    // A backdrop whose human clan is still placing its start building shows no preview.
    kleines_spiel();
    Spieler[1].Startphase() = 1;
    ASSERT_TRUE(LSU_Speichern("KAP0"));
    fs::create_directories(programm() / "save" / "Kampagne");
    fs::rename(spielstand("KAP0"), programm() / "save" / "Kampagne" / "KAP0");
    LSU_Hintergrund_laden();
    EXPECT_EQ(Spieler_Startphase(SpielerID), 1) << "the backdrop was loaded";
    EXPECT_FALSE(Platzierungsmodus);
}

// A load that breaks off after the running game was given up leaves no half game behind:
// an empty world, no game running, the load flag down.
TEST_F(Spielstaende, ALoadThatBreaksOffLeavesAnEmptyWorld) {
    struct Abbruch : Oberflaechenprotokoll {
        void IAU_Edikte_laden_Save(const std::string&) override { throw std::runtime_error("kaputt"); }
    } abbruch;
    kleines_spiel();
    ASSERT_TRUE(LSU_Speichern("Halb"));
    Oberflaeche_setzen(&abbruch);
    EXPECT_FALSE(LSU_Laden("Halb", "single\\"));
    Oberflaeche_setzen(&ui);
    EXPECT_NE(Fehlertext.find("LSU_Laden > abgebrochen (kaputt)"), std::string::npos) << Fehlertext;
    EXPECT_FALSE(Spiel_laeuft());
    EXPECT_FALSE(Ladevorgang);
    EXPECT_TRUE(Personen.empty());
    EXPECT_TRUE(Spieler.empty());
    EXPECT_TRUE(Objekte.empty());

    // So does a table of the game whose file looked whole but whose rows are not (a row with
    // fewer fields than the table has).
    kleines_spiel();
    const std::string p = (spielstand("Halb") / "P.sav").string();
    auto zeilen = *Textdatei_lesen(p);
    zeilen[1] = "40/5";
    ASSERT_TRUE(Textdatei_schreiben(p, zeilen));
    Fehler_zuruecksetzen();
    EXPECT_FALSE(LSU_Laden("Halb", "single\\"));
    EXPECT_EQ(Fehlertext, "Savegame konnte nicht geladen werden: " + Programmpfad + "save\\single\\Halb");
    EXPECT_FALSE(Spiel_laeuft());
    EXPECT_TRUE(Personen.empty());
    EXPECT_TRUE(Spieler.empty());
}

}  // namespace

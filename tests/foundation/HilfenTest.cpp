#include "foundation/Hilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "common/TempDir.h"
#include "economy/Hilfen_Objekte.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "Attrappen.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Zeichenbreiten.h"
#include "platform/base/Text1252.h"
#include "population/Hilfen_Personen.h"
#include "population/Personen.h"

namespace {

using bhmtest::FehlerFang;

TEST(Textzeilen, SlashteilUndEntnehmen) {
    struct Fall {
        std::string text, feld, rest;
    };
    const Fall faelle[] = {
        {"12/-1/", "12", "-1/"}, {"7", "7", ""}, {"", "", ""}, {"/5", "", "5"}, {"a//b", "a", "/b"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(FFU_Slashteil(f.text), f.feld) << f.text;
        std::string text = f.text, feld = "alt";
        FFU_Slashteil_entnehmen(text, feld);
        EXPECT_EQ(feld, f.feld) << f.text;
        EXPECT_EQ(text, f.rest) << f.text;
    }
    // Reading a whole row field by field.
    std::string zeile = "3/-17/0/42";
    std::vector<int> werte;
    while (!zeile.empty()) {
        std::string feld;
        FFU_Slashteil_entnehmen(zeile, feld);
        int w = 0;
        ASSERT_TRUE(FFU_Zahl_lesen(feld, w)) << feld;
        werte.push_back(w);
    }
    EXPECT_EQ(werte, (std::vector<int>{3, -17, 0, 42}));
    EXPECT_EQ(FFU_Zeile_bauen(werte), "3/-17/0/42");
    EXPECT_EQ(FFU_Zeile_bauen({}), "");
}

TEST(Textzeilen, TeilNr) {
    struct Fall {
        std::string text;
        char trenner;
        int n;
        std::string feld;
    };
    const Fall faelle[] = {
        {"a b  c", ' ', 0, "a"}, {"a b  c", ' ', 1, "b"}, {"a b  c", ' ', 2, ""},
        {"a b  c", ' ', 3, "c"}, {"a b  c", ' ', 4, ""},  {"a/b", '/', 1, "b"},
        {"a/b", '/', -1, ""},    {"", '/', 0, ""},        {"x#", '#', 1, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FFU_Teil_Nr(f.text, f.trenner, f.n), f.feld) << f.text << " " << f.n;
}

TEST(Textzeilen, ZahlLesenIstStreng) {
    int w = 99;
    for (const char* schlecht : {"", "-", "+-5", "-+5", " 5", "5 ", "1e3", "12a", "2147483648", "0x10"}) {
        EXPECT_FALSE(FFU_Zahl_lesen(schlecht, w)) << schlecht;
        EXPECT_EQ(w, 99);
    }
    EXPECT_TRUE(FFU_Zahl_lesen("-2147483648", w));
    EXPECT_EQ(w, -2147483647 - 1);
    EXPECT_TRUE(FFU_Zahl_lesen("007", w));
    EXPECT_EQ(w, 7);
}

TEST(Textzeilen, KleineHelfer) {
    EXPECT_EQ(FFU_Pos_Backslash("Daten\\Skill"), 6);
    EXPECT_EQ(FFU_Pos_Backslash("abc"), 4);
    EXPECT_EQ(FFU_Pos_letztes_Leerzeichen("a b c"), 4);
    EXPECT_EQ(FFU_Pos_letztes_Leerzeichen("abc"), 1);
    EXPECT_EQ(FFU_Pos_letztes_Leerzeichen(""), 1);
    EXPECT_EQ(FFU_Bool_zu_JaNein(true), "JA");
    EXPECT_EQ(FFU_Bool_zu_JaNein(false), "N\xD6");

    int z = 9;
    FFU_Zaehler_weiter(z, 10, 0);
    EXPECT_EQ(z, 0);
    FFU_Zaehler_weiter(z, 10, 0);
    EXPECT_EQ(z, 1);
}

TEST(Textzeilen, VielfachesOhneTeilerNull) {
    FehlerFang fang;
    EXPECT_EQ(FFU_Vielfaches(3, 4, 10), 6);
    EXPECT_EQ(FFU_Vielfaches(3, 4, -10), -6);  // div rounds towards zero
    EXPECT_EQ(FFU_Vielfaches(5, 0, 10), 0);
    EXPECT_NE(fang.nehmen().find("FFU_Vielfaches"), std::string::npos);
    EXPECT_EQ(FFU_Vielfaches(1, -1, -2147483647 - 1), 2147483647);
}

class Umbruch : public ::testing::Test {
protected:
    int gemerkt[256];
    void SetUp() override {
        std::copy(std::begin(TPU_Zeichenbreiten_Font2), std::end(TPU_Zeichenbreiten_Font2), gemerkt);
        std::fill(std::begin(TPU_Zeichenbreiten_Font2), std::end(TPU_Zeichenbreiten_Font2), 7);
    }
    void TearDown() override { std::copy(gemerkt, gemerkt + 256, TPU_Zeichenbreiten_Font2); }
};

TEST_F(Umbruch, JedesWortBleibt) {
    struct Fall {
        std::string text;
        int breite;
        std::vector<std::string> zeilen;
    };
    const Fall faelle[] = {
        {"Ein kurzer Satz", 100, {"Ein kurzer ", "Satz "}},
        {"Ein kurzer Satz", 1000, {"Ein kurzer Satz "}},
        // A first word wider than the line comes after an empty line.
        {"Donaudampfschifffahrt ist", 50, {"", "Donaudampfschifffahrt ", "ist "}},
        // Runs of blanks do not end the paragraph.
        {"a  b   c", 1000, {"a b c "}},
        {" vorn", 1000, {"vorn "}},
        // "#" breaks the line, "##" leaves a blank line, a leading "#" starts with one.
        {"a#b", 1000, {"a ", "b "}},
        {"a##b", 1000, {"a ", "", "b "}},
        {"#a", 1000, {"", "a "}},
        {"a#   #b", 1000, {"a ", "", "b "}},
        {"a#", 1000, {"a "}},
        {"", 1000, {}},
        // Exactly filling the width breaks: the sum must stay below it.
        {"ab cd", 42, {"ab ", "cd "}},
        {"ab cd", 43, {"ab cd "}},
    };
    for (const Fall& f : faelle) {
        std::vector<std::string> zeilen = {"alt"};
        FFU_Text_umbrechen(f.text, f.breite, zeilen);
        EXPECT_EQ(zeilen, f.zeilen) << "'" << f.text << "' " << f.breite;
    }
}

// The checksum with wide integers and one modulo, to compare the running form against.
int hash_referenz(const std::string& bytes) {
    constexpr std::int64_t m = 2147418100;
    std::int64_t s = -1;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        s += static_cast<unsigned char>(bytes[i]) * static_cast<std::int64_t>(i % 256 + 1);
    if (s <= m) return static_cast<int>(s);
    const std::int64_t r = s % m;
    return static_cast<int>(r == 0 ? m : r);
}

TEST(Dateien, HashwertAufBekanntenWerten) {
    bhmtest::TempDir dir;
    dir.write("leer", "");
    dir.write("zehn", std::string(1, '\x0A'));
    dir.write("zwei", std::string("\x01\x02", 2));
    EXPECT_EQ(Hashwert_Datei(dir.folder() + "leer"), -1);
    EXPECT_EQ(Hashwert_Datei(dir.folder() + "zehn"), 9);
    EXPECT_EQ(Hashwert_Datei(dir.folder() + "zwei"), 4);
    EXPECT_EQ(Hashwert_Datei(dir.folder() + "fehlt"), std::nullopt);
    // The name is matched without regard to case.
    EXPECT_EQ(Hashwert_Datei(dir.folder() + "ZEHN"), 9);
}

TEST(Dateien, HashwertGrosserDateienUeberBlockgrenzen) {
    bhmtest::TempDir dir;
    std::uint32_t s = 12345;
    std::string bytes;
    for (int i = 0; i < 300001; ++i) {
        s = s * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(s >> 24));
    }
    // Sizes around the 100000-byte blocks; the larger ones wrap the sum many times.
    for (std::size_t n : {99999u, 100000u, 100001u, 300001u}) {
        const std::string teil = bytes.substr(0, n);
        dir.write("d", teil);
        EXPECT_EQ(Hashwert_Datei(dir.folder() + "d"), hash_referenz(teil)) << n;
    }
    // All 255: the sum passes the limit after about 65000 bytes.
    const std::string voll(150000, '\xFF');
    dir.write("f", voll);
    EXPECT_EQ(Hashwert_Datei(dir.folder() + "f"), hash_referenz(voll));
}

TEST(Dateien, KopierenUndGroesse) {
    bhmtest::TempDir dir;
    const std::string inhalt("a\0b\r\nc", 6);
    dir.write("Quelle.bin", inhalt);
    EXPECT_EQ(FFU_Dateigroesse(dir.folder() + "quelle.BIN"), 6);
    EXPECT_EQ(FFU_Dateigroesse(dir.folder() + "nichts"), -1);
    dir.write("Ziel.bin", "alter, laengerer Inhalt");
    EXPECT_TRUE(FFU_Datei_kopieren(dir.folder() + "Quelle.bin", dir.folder() + "Ziel.bin"));
    EXPECT_EQ(dir.read("Ziel.bin"), inhalt);
    EXPECT_FALSE(FFU_Datei_kopieren(dir.folder() + "nichts", dir.folder() + "Ziel2.bin"));
}

TEST(Objekte, EigenOhneBesitzerIstNiemandes) {
    const int gemerkt = SpielerID;
    SpielerID = 0;
    // Objects 1..4 owned by clans 0, 3, 4 and nobody; clans 0 and 3 are allies.
    Objekte.assign(5, Objektzeile{});
    const int besitzer[] = {-1, 0, 3, 4, -1};
    for (int o = 0; o < 5; ++o) {
        Objekte[static_cast<std::size_t>(o)].Feld() = 10 + o;
        Objekte[static_cast<std::size_t>(o)].Besitzer() = besitzer[o];
    }
    Spieler.assign(5, Spielerzeile{});
    Spieler[0].Buendnis() = Spieler[3].Buendnis() = 1;
    EXPECT_TRUE(FFU_Objekt_eigen(1));   // own
    EXPECT_TRUE(FFU_Objekt_eigen(2));   // ally
    EXPECT_FALSE(FFU_Objekt_eigen(3));  // not in the alliance
    EXPECT_FALSE(FFU_Objekt_eigen(4));  // no owner
    EXPECT_FALSE(FFU_Objekt_eigen(99));
    // A row that is not in use has no owner.
    Objekte[2].Feld() = 0;
    EXPECT_FALSE(FFU_Objekt_eigen(2));
    SpielerID = gemerkt;
    Objekte.clear();
    Spieler.clear();
}

TEST(Objekte, Baubar) {
    FehlerFang fang;
    Spieler.assign(1, Spielerzeile{});
    Spieler[0].Baustufe() = 2;
    const struct {
        const char* modus;
        int neid, ai_level;
    } vorlagen[] = {{"Produktion", 0, 0}, {"Produktion", 0, 3}, {"Produktion", 1, 2}, {"Start", 0, 0},
                    {"Startex", 0, 0},    {"Hafen2", 0, 0},     {"Hafen", 2, 0}};
    SBU_Objekte.clear();
    for (const auto& v : vorlagen) {
        SBU_Objekte.emplace_back();
        SBU_Objekte.back().Modus = v.modus;
        SBU_Objekte.back().Neid = v.neid;
        SBU_Objekte.back().AI_Level = v.ai_level;
    }
    EXPECT_FALSE(FFU_Objekt_baubar(1, 0));  // level 3 needs Baustufe 3
    EXPECT_TRUE(FFU_Objekt_baubar(2, 0));
    for (int t : {3, 4, 5, 6}) EXPECT_FALSE(FFU_Objekt_baubar(t, 0)) << t;
    Spieler[0].Baustufe() = 3;
    EXPECT_TRUE(FFU_Objekt_baubar(1, 0));
    EXPECT_EQ(fang.nehmen(), "");
    EXPECT_FALSE(FFU_Objekt_baubar(77, 0));
    EXPECT_NE(fang.nehmen().find("FFU_Objekt_baubar"), std::string::npos);
    SBU_Alles_zuruecksetzen();
    Spieler.clear();
}

TEST(Kamera, AufErsteLebendePersonUeber100Schritten) {
    struct Kamera : RenderSeam {
        std::vector<std::pair<int, int>> ziele;
        void Kamera_zentrieren(int x, int y) override { ziele.emplace_back(x, y); }
    } kamera;
    Render_setzen(&kamera);
    const int s = MG_Kartengroesse;
    const struct {
        int hunger, alter, feld;
    } personen[] = {{0, 500, 1 + s},       // free row
                    {40, 100, 2 + s},      // too young
                    {40, 101, 7 + 3 * s},  // the one
                    {40, 900, 9 + 9 * s}};
    Personen.assign(4, Personenzeile{});
    for (int p = 0; p < 4; ++p) {
        Personenzeile& z = Personen[static_cast<std::size_t>(p)];
        z.Hunger() = personen[p].hunger;
        z.Alter() = personen[p].alter;
        z.Feld() = personen[p].feld;
    }
    FFU_Kamera_auf_Person();
    ASSERT_EQ(kamera.ziele.size(), 1u);
    EXPECT_EQ(kamera.ziele[0], std::make_pair(7, 3));

    Personen.resize(2);
    FFU_Kamera_auf_Person();  // nobody qualifies: the camera stays
    EXPECT_EQ(kamera.ziele.size(), 1u);
    Render_setzen(nullptr);
    Personen.clear();
}

TEST(Warenraster, ZweiteFuellungBeginntInSpalteNull) {
    // Goods in use that can be carried.
    auto transport = [](int w) {
        if (SBU_Waren.size() <= static_cast<std::size_t>(w))
            SBU_Waren.resize(static_cast<std::size_t>(w) + 1);
        SBU_Waren[static_cast<std::size_t>(w)].Transport = true;
        SBU_Waren[static_cast<std::size_t>(w)].benutzt = true;
    };
    for (int w : {0, 2, 3, 5, 6, 8, 9, 11, 12, 14}) transport(w);
    FFU_Transportwaren_Liste(0);
    EXPECT_EQ(IFU_Warenraster.Anzahl, 10);
    EXPECT_EQ(IFU_Warenraster.Zeilen, 1);
    EXPECT_EQ(IFU_Warenraster.Spalte, 3);
    EXPECT_EQ(IFU_Warenraster.Waren[3], 5);
    FFU_Transportwaren_Liste(0);
    EXPECT_EQ(IFU_Warenraster.Zeilen, 1);
    EXPECT_EQ(IFU_Warenraster.Spalte, 3);
    FFU_Transportwaren_Liste(6);
    EXPECT_EQ(IFU_Warenraster.Anzahl, 6);
    EXPECT_EQ(IFU_Warenraster.Waren[0], 6);

    // At most 70 entries.
    for (int w = 0; w < 100; ++w) transport(w);
    FFU_Transportwaren_Liste(0);
    EXPECT_EQ(IFU_Warenraster.Anzahl, 70);
    EXPECT_EQ(IFU_Warenraster.Zeilen, 10);
    EXPECT_EQ(IFU_Warenraster.Spalte, 0);
    EXPECT_EQ(IFU_Warenraster.Waren[69], 69);
    SBU_Alles_zuruecksetzen();
}

}  // namespace

// Texts of the build window, the object info window and the goods info box.
#include "ui/Fenstertexte.h"

#include <gtest/gtest.h>

#include "economy/Baumenue.h"
#include "economy/Warenfluss.h"
#include "foundation/Config.h"
#include "platform/base/Text1252.h"
#include "ui/Textschreiberhilfe.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "population/Arbeitsauftraege.h"
#include "ui/Fenster_Bau.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"

namespace {

using bhmtest::Gedruckt;

// n buildable types, titled "T0".., each with a footprint of four cells.
struct Bauwelt : bhmtest::Textwelt {
    explicit Bauwelt(int n) {
        Spieler[0].Baustufe() = 1;
        for (int t = 0; t < n; ++t) {
            Objekt_Item o = bhmtest::Gebaeude("Produktion");
            o.Titel = "T";
            o.Titel += std::to_string(t);
            SBU_Objekte.push_back(o);
        }
        SBU_Bauplaetze.assign(n, std::vector<Bauplatzfeld>(4));
        BMU_Zaehler.assign(2, std::vector<BMU_Eintrag>(n));
        BMU_Seitenanfang = 0;
    }
    ~Bauwelt() {
        BMU_Zaehler.clear();
        BMU_Seitenanfang = 0;
        Mouseoverfunktion_Nummer = 0;
        Mouseoverfunktion_Wert = 0;
        WFU_Zuruecksetzen();
    }
};

}  // namespace

TEST(Fenstertexte, BuildWindowMembersToTheNextLevelAndPage) {
    struct Fall {
        int mitglieder, seitenanfang;
        std::string noch, seite;
    };
    // Fifty offered types: the pages start at 1, 25 and 49; the number is the page's own.
    const std::vector<Fall> faelle = {{25, 1, "1", "Seite 1"},
                                      {26, 25, "25", "Seite 2"},
                                      {0, 49, "1", "Seite 3"},
                                      {3, 24, "23", "Seite 1"}};
    for (const auto& f : faelle) {
        Bauwelt welt(50);
        Spieler[0].Mitglieder() = f.mitglieder;
        BMU_Seitenanfang = f.seitenanfang;
        TPU_Baufenstertexte(0, 0, 0);
        const std::string noch = f.noch + W(" Mitglieder bis zur nächsten Gebäudestufe ");
        const Gedruckt* n = welt.senke.finde(noch);
        ASSERT_NE(n, nullptr) << f.mitglieder;
        EXPECT_EQ(*n, (Gedruckt{'C', 400, 300 - 254, noch})) << "above the member steps";
        const Gedruckt* s = welt.senke.finde(f.seite);
        ASSERT_NE(s, nullptr) << f.seitenanfang;
        EXPECT_EQ(*s, (Gedruckt{'C', 400, 300 - 204, f.seite}));
    }
}

TEST(Fenstertexte, BuildWindowCountsSkipUnbuildableTypes) {
    Bauwelt welt(4);
    SBU_Objekte[1].Modus = "Start";  // never offered
    BMU_Zaehler[0][2] = {3, 5};
    TPU_Baufenstertexte(2, 1, 0);
    const std::vector<Gedruckt> erwartet = {
        {'C', 402, 301 - 283, W("Baumenü")},
        {'C', 402 - 210, 301 - 95, "0/0"},
        {'C', 402 - 210 + 84, 301 - 95, "3/5"},
        {'C', 402 - 210 + 168, 301 - 95, "0/0"},
    };
    ASSERT_GE(welt.senke.zeilen.size(), 4u);
    EXPECT_EQ(std::vector<Gedruckt>(welt.senke.zeilen.begin(), welt.senke.zeilen.begin() + 4), erwartet);
}

TEST(Fenstertexte, HoverBoxInTheLastColumnMovesLeftAndHidesTheCountsUnderIt) {
    Bauwelt welt(24);
    SBU_Waren = {bhmtest::Ware(), bhmtest::Ware()};
    SBU_Waren[1].Titel = "Stein";
    SBU_Objekte[5].Baukosten[0] = {1, 6};
    SBU_Objekte[5].Baukosten[2] = {-1, 0};
    Mouseoverfunktion_Nummer = 26;
    Mouseoverfunktion_Wert = 5;  // row 0, column 5: the box starts at column 1
    TPU_Baufenstertexte(0, 0, 4);
    const int X = 400 - 240 + 84 * 1, Y = 300 - 150;
    EXPECT_NE(welt.senke.finde("T5"), nullptr);
    EXPECT_EQ(*welt.senke.finde("T5"), (Gedruckt{'P', X + 100, Y + 10, "T5"}));
    EXPECT_EQ(*welt.senke.finde("Max. Planierkosten: 3 Gold"),
              (Gedruckt{'2', X + 100, Y + 26, "Max. Planierkosten: 3 Gold"}));
    EXPECT_EQ(*welt.senke.finde("Baumaterial: 6*Stein"),
              (Gedruckt{'2', X + 100, Y + 42, "Baumaterial: 6*Stein"}));
    // 24 types: rows 0..3 each six counts; the box hides columns 1..5 of rows 0..2 and
    // shows the hovered type's count at its corner.
    int zaehltexte = 0;
    for (const auto& z : welt.senke.zeilen)
        if (z.text == "0/0") {
            ++zaehltexte;
            const int spalte = (z.x - (400 - 210)) / 84, zeile = (z.y - (300 - 95)) / 80;
            EXPECT_FALSE(spalte >= 1 && zeile <= 2 && !(spalte == 1 && zeile == 0)) << spalte << "/" << zeile;
        }
    EXPECT_EQ(zaehltexte, 24 - 15 + 1);
    // The last pass draws the diagram between white and black.
    ASSERT_GE(welt.senke.farben.size(), 2u);
    EXPECT_EQ(welt.senke.farben[0], (std::array<float, 3>{1, 1, 1}));
    EXPECT_EQ(welt.senke.farben[1], (std::array<float, 3>{0, 0, 0}));
}

TEST(Fenstertexte, ObjectInfoOfForeignAndUnfinishedBuildings) {
    bhmtest::Textwelt welt;
    SBU_Objekte = {bhmtest::Gebaeude("Home")};
    const int fremd = welt.objekt(0, 1);
    Objekte[fremd].Baumaterial_Rest(0) = 2;
    TPU_Objektinfotexte(fremd, 0, 0, 0);
    EXPECT_TRUE(welt.senke.zeilen.empty()) << "an unfinished building of another clan shows nothing";

    Objekte[fremd].Baumaterial_Rest(0) = 0;
    TPU_Objektinfotexte(fremd, 0, 0, 0);
    // From the window's left edge, the first line clear of the frame's corner; no demolition.
    const int links = 400 + IFU_Objektinfo_Rand;
    const std::vector<Gedruckt> fremde = {{'P', links, 190, "Besitzer: Moorleute"},
                                          {'P', links, 238, W("Dieses Gebäude gehört nicht dir,")},
                                          {'P', links, 265, "Du darfst den Inhalt nicht sehen."}};
    EXPECT_EQ(welt.senke.zeilen, fremde);

    welt.senke.leeren();
    const int eigen = welt.objekt(0, 0);
    Objekte[eigen].Baumaterial_Rest(0) = 9;
    Objekte[eigen].Baumaterial_Rest(2) = 10;
    TPU_Objektinfotexte(eigen, 0, 0, 0);
    // The label centred on the demolition button (8 characters of 8 pixels), the title, the
    // request, and each count beside its material's icon.
    const int x0 = 400 + IFU_Objektinfo_Material_X, y0 = 300 + IFU_Objektinfo_Material_Y;
    const std::vector<Gedruckt> bau = {{'2', 400 + IFU_Abrissknopf.x + (IFU_Abrissknopf.breite - 64) / 2,
                                        300 + IFU_Abrissknopf.y + 21, W("Abreißen")},
                                       {'P', links, 190, "Home"},
                                       {'P', links, 224, W("Baumaterial zum Aufbau benötigt!")},
                                       {'P', x0 + 36, y0 + 23, "9"},
                                       {'P', x0 + 2 * IFU_Objektinfo_Material_Abstand + 36, y0 + 23, "10"}};
    EXPECT_EQ(welt.senke.zeilen, bau);
}

TEST(Fenstertexte, ObjectInfoOfOwnBuildings) {
    bhmtest::Textwelt welt;
    Objekt_Item haus = bhmtest::Gebaeude("Home");
    haus.Text = std::string(45, 'a') + " " + std::string(10, 'b');
    SBU_Objekte = {haus};
    const int o = welt.objekt(0, 0);
    Objekte[o].Zaehler() = 1;
    Objekte[o].Slot_Ware(0) = 2;
    Objekte[o].Slot_Bestand(0) = 4;
    Objekte[o].Slot_Ware(1) = 0;
    Objekte[o].Slot_Bestand(1) = 6;
    Objekte[o].Slot_Raeumen(1) = 1;
    TPU_Objektinfotexte(o, 0, 0, 0);
    EXPECT_NE(welt.senke.finde("Dieses Wohnhaus ist voll."), nullptr) << "Floor(0.5) = 0";
    EXPECT_EQ(*welt.senke.finde("Home"), (Gedruckt{'P', 400 + IFU_Objektinfo_Rand, 190, "Home"}));
    EXPECT_EQ(*welt.senke.finde(std::string(40, 'a')),
              (Gedruckt{'2', 400 + IFU_Objektinfo_Rand, 211, std::string(40, 'a')}));
    EXPECT_NE(welt.senke.finde("aaaaa bbbbbbbbbb"), nullptr);
    EXPECT_EQ(*welt.senke.finde("4"), (Gedruckt{'P', 299, 368, "4"}));
    EXPECT_EQ(welt.senke.finde("6"), nullptr) << "a slot marked for clearing shows no stock";

    welt.senke.leeren();
    Objekte[o].Zaehler() = 4;
    Programmvariableanzeigen = true;
    TPU_Objektinfotexte(o, 0, 0, 0);
    Programmvariableanzeigen = false;
    EXPECT_NE(welt.senke.finde(W("Freier Wohnraum übrig. (") + "2)"), nullptr);
    EXPECT_EQ(*welt.senke.finde("4-0-0"), (Gedruckt{'P', 299, 368, "4-0-0"}));
    EXPECT_EQ(*welt.senke.finde("6-0-0"), (Gedruckt{'P', 339, 358, "6-0-0"}));
}

TEST(Fenstertexte, ProductionLines) {
    bhmtest::Textwelt welt;
    Spieler[0].Arbeitsradius() = 70;
    struct Fall {
        int zaehler, art;
        std::string zeile;
    };
    const std::vector<Fall> faelle = {
        {455, 2, "Interne Produktion: 46%"},
        {0, 4, "Interne Produktion: 0%"},
        {1, 7, W("Effektivität: 128%")},
        {10, 11, W("Effektivität: 122%")},
        {-15, 2, "Interne Produktion: -1%"},
        {-1, 7, W("Kein freier Baum verfügbar!")},
        {-1, 9, W("Berggelände ist nicht verfügbar!")},
        {-1, 11, "Keinen sauberen Sand gefunden!"},
        {-1, 4, ""},
        {3, 6, ""},
    };
    for (const auto& f : faelle) {
        std::string zeile = "alt";
        TPU_Produktionszeile(f.zaehler, f.art, 0, zeile);
        EXPECT_EQ(zeile, f.zeile) << f.zaehler << "/" << f.art;
    }
    EXPECT_TRUE(welt.senke.farben.empty());
    std::string zeile;
    TPU_Produktionszeile(-1, 7, 4, zeile);
    ASSERT_EQ(welt.senke.farben.size(), 1u);
    EXPECT_EQ(welt.senke.farben[0], (std::array<float, 3>{0.5f, 0, 0})) << "dark red in the last pass";
}

TEST(Fenstertexte, LineBreaksAndGoodsInfo) {
    struct Fall {
        std::string text;
        int von, bis, erwartet;
    };
    const std::vector<Fall> faelle = {
        {"ab cd ef", 5, 0, 3},
        {"ab cd ef", 20, 0, 8},
        {"ab cd ef", 4, 8, 8},
        {"abcdef", 4, 0, 4},
        {"ab cd ef", 2, 4, 2},
        {"", 40, 0, 0},
        // The previous line ended at the blank: a long word after it is cut at Von, not
        // broken at that blank once more.
        {"ab cdefgh", 7, 3, 7},
        {"ab cd ef", 5, 3, 5},
        {"ab cd ef", 7, 3, 6},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TPU_Umbruchstelle(f.text, " ", f.von, f.bis), f.erwartet)
            << f.text << " " << f.von << " " << f.bis;

    bhmtest::Textwelt welt;
    SBU_Waren = {bhmtest::Ware()};
    SBU_Waren[0].Titel = "Lehm";
    SBU_Waren[0].Text = std::string(170, 'x');
    TPU_Wareninfo(100, 50, 1, 2, 0);
    const std::vector<Gedruckt> erwartet = {{'P', 62, 71, "Lehm"},
                                            {'2', 22, 97, std::string(40, 'x')},
                                            {'2', 22, 113, std::string(40, 'x')},
                                            {'2', 22, 129, std::string(40, 'x')},
                                            {'2', 22, 145, std::string(40, 'x')}};
    EXPECT_EQ(welt.senke.zeilen, erwartet) << "no blanks: cut hard after 40, 80, 120 and 160";
    welt.senke.zeilen.clear();
    SBU_Waren[0].Text = "Ab " + std::string(60, 'x');
    TPU_Wareninfo(100, 50, 1, 2, 0);
    ASSERT_GE(welt.senke.zeilen.size(), 4u);
    EXPECT_EQ(welt.senke.zeilen[1].text, "Ab ");
    EXPECT_EQ(welt.senke.zeilen[2].text, std::string(40, 'x')) << "a long word after a blank is shown";
    EXPECT_EQ(welt.senke.zeilen[3].text, std::string(20, 'x'));

    // Every character is 10 pixels wide here.
    EXPECT_EQ(TPU_Textanfang_kuerzen("abc", 31), 0) << "fits";
    EXPECT_EQ(TPU_Textanfang_kuerzen("abc", 30), 2) << "from the second character: 20 pixels";
    EXPECT_EQ(TPU_Textanfang_kuerzen("abc", 1), 4) << "only the empty tail";
    EXPECT_EQ(TPU_Textanfang_kuerzen("abc", 0), 4) << "no tail fits";
}

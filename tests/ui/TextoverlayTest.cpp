// The text overlay of a frame: the outline passes, the dialog texts, the lobby
// input line, the minimap legend, the error line; the tooltips; the debug pages.
#include "ui/Textoverlay.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/GLKontext.h"
#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/KI.h"
#include "economy/Logik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "population/Statustexte.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"
#include "ui/Debugseiten.h"
#include "ui/InterfacePanel.h"
#include "ui/Panelschalter.h"
#include "ui/Textausgabe.h"
#include "ui/Textschreiberhilfe.h"
#include "ui/Schaltertexte.h"
#include "ui/Tooltip.h"
#include "ui/UiHilfe.h"
#include "render/Modelliste.h"
#include "ui/Interaktiv.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "foundation/Spielstatus.h"
#include "world/Hasen.h"
#include "world/Inseln.h"
#include "world/Minimap.h"

namespace {

using bhmtest::Gedruckt;

// The pass colours of the overlay go through the render seam; here they land in the sink.
struct Farbweiche : RenderSeam {
    TPU_Textsenke& senke;
    explicit Farbweiche(TPU_Textsenke& s) : senke(s) { Render_setzen(this); }
    ~Farbweiche() override { Render_setzen(nullptr); }
    void Farbe_setzen(float r, float g, float b) override { senke.Farbe(r, g, b); }
};

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        GL_NOETIG();
        IFU_Alles_schliessen();
        Programmvariableanzeigen = false;
        Mouseoverfunktion_Nummer = 0;
        Mouseoverfunktion_Wert = 0;
        Minimap_Art = 0;
        Texteingabe.clear();
        Cursorzeichen = "|";
        for (auto& e : Lobby_Spieler) e.Name.clear();
        Fehler_zuruecksetzen();
    }
    void TearDown() override {
        IFU_Alles_schliessen();
        Programmvariableanzeigen = false;
        Mouseoverfunktion_Nummer = 0;
        Anzeigestufe_F2 = 4;
        Texteingabe.clear();
        Personen.clear();
        Personen_hoechster_Index = -1;
    }
    bhmtest::Textwelt welt;
    Farbweiche farben{welt.senke};

    // The lines printed with this text.
    std::vector<Gedruckt> mit(const std::string& t) const {
        std::vector<Gedruckt> r;
        for (const auto& z : welt.senke.zeilen)
            if (z.text == t) r.push_back(z);
        return r;
    }
};

TEST_F(Overlay, WindowTextsAreDrawnInFiveOutlinePasses) {
    Warenraster_offen = true;
    Showtext();
    const std::vector<Gedruckt> erwartet = {{'C', 400, 99, "Hafen"},
                                            {'C', 400, 101, "Hafen"},
                                            {'C', 399, 100, "Hafen"},
                                            {'C', 401, 100, "Hafen"},
                                            {'C', 400, 100, "Hafen"}};
    EXPECT_EQ(welt.senke.zeilen, erwartet);
    const std::array<float, 3> grau{0.9f, 0.9f, 0.9f}, schwarz{0, 0, 0}, weiss{1, 1, 1};
    const std::vector<std::array<float, 3>> f = {grau, grau, grau, grau, schwarz, weiss};
    EXPECT_EQ(welt.senke.farben, f) << "four light passes, the black one, white at the end";
}

TEST_F(Overlay, NothingOpenPrintsNothingButTheErrorLineWhileItsCountLasts) {
    Showtext();
    EXPECT_TRUE(welt.senke.zeilen.empty());

    Fehler_melden("Kaputt");
    Fehleranzeige_Dauer = 7;
    Showtext();
    ASSERT_EQ(mit("Error : Kaputt").size(), 5u);
    EXPECT_EQ(mit("Error : Kaputt")[4], (Gedruckt{'P', 400, 100, "Error : Kaputt"}));
    EXPECT_EQ(Fehleranzeige_Dauer, 2);
    welt.senke.leeren();
    Showtext();
    EXPECT_EQ(mit("Error : Kaputt").size(), 2u) << "the count runs out inside the frame";
    EXPECT_EQ(Fehleranzeige_Dauer, 0);

    Fehler_melden("Lang");
    for (int i = 0; i < 199; ++i) Showtext();
    EXPECT_EQ(Fehleranzeige_Dauer, 5);
    Showtext();
    EXPECT_EQ(Fehleranzeige_Dauer, 0) << "a report stays 200 frames";
}

TEST_F(Overlay, SlotDialogHasItsMiddleLinesDarkRedInTheBlackPass) {
    IFU_Iconleiste_aktiv = true;
    Showtext();
    ASSERT_EQ(welt.senke.zeilen.size(), 30u);
    EXPECT_EQ(welt.senke.zeilen[0], (Gedruckt{'C', 400, 196, W("Warenslot freiräumen !")}));
    EXPECT_EQ(welt.senke.zeilen.back(), (Gedruckt{'2', 270, 314, W("für dich gesperrt.")}));
    // Pass colours 4 x grey, black, then dark red and back to black, then the final white.
    ASSERT_EQ(welt.senke.farben.size(), 8u);
    EXPECT_EQ(welt.senke.farben[5], (std::array<float, 3>{0.5f, 0, 0}));
    EXPECT_EQ(welt.senke.farben[6], (std::array<float, 3>{0, 0, 0}));
}

TEST_F(Overlay, LobbyInputLineIsShortenedFromTheFrontAndStandsStill) {
    Texteingabe_aktiv = true;
    Texteingabe = "Hallo";  // 50 pixels at 10 a character
    Showtext();
    auto zeile = mit("Hallo|");
    ASSERT_EQ(zeile.size(), 5u);
    for (const auto& z : zeile) EXPECT_EQ(z, (Gedruckt{'P', 200, 485, "Hallo|"}));
    EXPECT_EQ(mit("Dein momentaner Spielername ist: " + Spielername).size(), 5u);
    EXPECT_EQ(mit("+++++++++++++++++++++++++").size(), 30u);

    welt.senke.leeren();
    Texteingabe = "abcdefghijklmnopqrstuvwxyz";  // 260 pixels
    Showtext();
    zeile = mit("..lmnopqrstuvwxyz|");
    ASSERT_EQ(zeile.size(), 5u) << "the longest tail narrower than 160 pixels: 15 characters would be 150";
    welt.senke.leeren();
    Texteingabe = "abcdefghijklmnop";  // exactly 160 pixels: shown whole
    Showtext();
    EXPECT_EQ(mit("abcdefghijklmnop|").size(), 5u);
}

TEST_F(Overlay, SetUpListWithEmptyNames) {
    Fenster30_offen = true;
    Showtext();
    const auto host = mit(W("läde Server"));
    ASSERT_EQ(host.size(), 5u);
    // Centre (400, 300): the host's name in the row of its swatch (274..300).
    EXPECT_EQ(host[4], (Gedruckt{'P', 180, 124, W("läde Server")}));
    EXPECT_EQ(mit("Noch Frei wird zur KI").size(), 35u);
    Lobby_Spieler[0].Name = "Ute";
    Lobby_Spieler[3].Name = "Bo";
    welt.senke.leeren();
    Showtext();
    EXPECT_EQ(mit("ADMIN: Ute").size(), 5u);
    EXPECT_EQ(mit("Bo")[4], (Gedruckt{'P', 180, 202, "Bo"})) << "row 4, beside its swatch at 180..206";
}

// The players' map names every clan it shows, however many there are, and no clan it
// does not show.
TEST_F(Overlay, ClanLegendNamesEveryClanOnTheMap) {
    Minimap_offen = true;
    Minimap_Art = 2;
    struct Karte_leeren {
        ~Karte_leeren() { MG_Minimap.fill(MG_Minimap_Pixel_Item{}); }
    } leeren;
    // Clan c marked on a pixel of its own.
    auto markieren = [](const std::vector<int>& clans) {
        MG_Minimap.fill(MG_Minimap_Pixel_Item{});
        for (int c : clans) MG_Minimap[static_cast<std::size_t>(1000 + 7 * c)].Spieler = c;
    };
    Spieler.assign(4, Spielerzeile{});
    Spieler[2].Farbe_R() = 50;
    NGU_Clannamen = {"A", "B", "C", "D"};
    markieren({0, 2, 3});
    Showtext();
    EXPECT_EQ(mit("######").size(), 15u) << "three clans on the map, five passes each";
    EXPECT_TRUE(mit("B").empty()) << "a clan with nothing on the map";
    EXPECT_EQ(mit("D")[4], (Gedruckt{'P', 230, 224, "D"})) << "the third entry of the left column";
    EXPECT_NE(std::find(welt.senke.farben.begin(), welt.senke.farben.end(), std::array<float, 3>{0.5f, 0, 0}),
              welt.senke.farben.end());

    // Eight clans: two columns of four in the big font.
    Spieler.assign(8, Spielerzeile{});
    NGU_Clannamen = {"A", "B", "C", "D", "E", "F", "G", "H"};
    markieren({0, 1, 2, 3, 4, 5, 6, 7});
    welt.senke.leeren();
    Showtext();
    EXPECT_EQ(mit("E")[4], (Gedruckt{'P', 460, 176, "E"})) << "the fifth opens the right column";
    EXPECT_EQ(mit("H")[4], (Gedruckt{'P', 460, 248, "H"}));

    // Twenty clans: every one of them, in columns of seven in the small font, each name
    // kept inside its column.
    Spieler.assign(20, Spielerzeile{});
    NGU_Clannamen.clear();
    std::vector<int> alle;
    for (int c = 0; c < 20; ++c) {
        NGU_Clannamen.push_back("Clan" + std::to_string(c) + "heimstattmark");
        alle.push_back(c);
    }
    markieren(alle);
    welt.senke.leeren();
    Showtext();
    int namen = 0;
    for (const auto& z : welt.senke.zeilen) {
        if (z.art != '2' || z.text == "##") continue;
        ++namen;
        EXPECT_EQ(z.text.rfind("Clan", 0), 0u) << z.text;
        EXPECT_GE(z.y, 300 - 138 - 1);
        EXPECT_LE(z.y, 300 - 138 + 14 * 6 + 1) << "above the map";
    }
    EXPECT_EQ(namen, 5 * 20);
    const std::vector<Gedruckt> c19 = mit("Clan19heimstattma");
    ASSERT_EQ(c19.size(), 5u) << "cut to its column of 163 pixels";
    EXPECT_EQ(c19[4], (Gedruckt{'2', 400 - 235 + 2 * 163 + 20, 300 - 138 + 14 * 5, "Clan19heimstattma"}));
}

TEST_F(Overlay, UnknownMinimapKindIsReportedAndDrawsNoCaption) {
    Minimap_offen = true;
    Minimap_Art = 4;
    Showtext();
    EXPECT_EQ(Fehlertext, "IFU_Minimap > Attribute nicht abgefangen : 4");
    for (const auto& z : welt.senke.zeilen) EXPECT_EQ(z.text, "Error : " + Fehlertext);
}

TEST_F(Overlay, DebugPageComesFirstAndTheTooltipLast) {
    Programmvariableanzeigen = true;
    Anzeigestufe_F2 = 4;
    Warenraster_offen = true;
    Mouseoverfunktion_Nummer = 80;
    MoPosEcht_X = MoPosEcht_Y = 0;
    Showtext();
    ASSERT_FALSE(welt.senke.zeilen.empty());
    EXPECT_EQ(welt.senke.zeilen[0].text, "0Fps (weiter mit F2)");
    EXPECT_EQ(welt.senke.zeilen[1].text, "MAIN DATA");
    EXPECT_EQ(welt.senke.zeilen.back(), (Gedruckt{'P', 10, 40, "INFOPANELAKTIV INHALT UNBEKANNT 80"}));
    EXPECT_EQ(MoPosFenstermitte_X, 90);
    EXPECT_EQ(MoPosFenstermitte_Y, 20);
}

// --- Tooltips ---------------------------------------------------------------------

TEST(TooltipAnker, KeptInsideTheWindow) {
    struct Fall {
        int x, y, X, Y;
    } faelle[] = {
        {0, 0, 90, 20},          // top left corner
        {500, 300, 500, 300},    // free
        {1200, 300, 1080, 300},  // right edge: at most width - 200
        {500, 600, 500, 450},    // within 150 of the bottom: moved up
        {500, 550, 500, 550},    // exactly 150 above the bottom: stays
    };
    for (const Fall& f : faelle) {
        int X = -1, Y = -1;
        TPU_Tooltip_Anker(f.x, f.y, 1280, 700, X, Y);
        EXPECT_EQ(X, f.X) << f.x << "," << f.y;
        EXPECT_EQ(Y, f.Y) << f.x << "," << f.y;
    }
}

// While a building is being placed the tooltip of the cell under the mouse stands apart from
// the mouse: above the bottom bar, or below the placement hint at the top when the mouse is near
// that place; it never covers the cells around the mouse.
TEST(TooltipAnker, PlacementTooltipStaysClearOfTheMouse) {
    for (auto [breite, hoehe] : {std::pair{1280, 700}, {1920, 1080}}) {
        int X = 0, Y = 0;
        TPU_Tooltip_Anker_Bauplatz(100, 300, breite, hoehe, X, Y);
        EXPECT_EQ(X - 90, breite / 2 - 144) << "in the middle";
        EXPECT_EQ(Y + 3 + 128, hoehe - 112) << "above the bottom bar";
        TPU_Tooltip_Anker_Bauplatz(breite / 2, hoehe - 150, breite, hoehe, X, Y);
        EXPECT_EQ(Y + 3, 100) << "below the placement hint";
        for (int x = 0; x <= breite; x += 16)
            for (int y = 0; y <= hoehe; y += 16) {
                TPU_Tooltip_Anker_Bauplatz(x, y, breite, hoehe, X, Y);
                const int links = X - 90, oben = Y + 3;
                const bool nah =
                    x > links - 40 && x < links + 288 + 40 && y > oben - 40 && y < oben + 128 + 40;
                EXPECT_FALSE(nah) << x << "," << y << " in " << breite << " x " << hoehe;
            }
    }
}

class Tooltip : public Overlay {
protected:
    void SetUp() override {
        Overlay::SetUp();
        MoPosEcht_X = 300;
        MoPosEcht_Y = 200;
        Personen.assign(2, Personenzeile{});
        Personen_hoechster_Index = 1;
        for (auto& p : Personen) {
            p.Hunger() = 50;
            p.Spieler() = 0;
            p.PartnerID() = -1;
            for (int k = 0; k < 5; ++k) p.KindID(k) = -1;
        }
    }
    std::vector<Gedruckt> zeichnen(int n, int wert) {
        welt.senke.leeren();
        Fehler_zuruecksetzen();
        Mouseoverfunktion_Nummer = n;
        Mouseoverfunktion_Wert = wert;
        TPU_Tooltip();
        return welt.senke.zeilen;
    }
    std::string auftrag(int person) {
        std::string t;
        FFU_JobInteger_zu_Berufname(Personen[static_cast<std::size_t>(person)].AuftragID(), person, t);
        return t;
    }
};

TEST_F(Tooltip, IdleWorkerOfAPoorClanCannotBePaid) {
    Spieler[0].Gold() = 5;
    Personen[1].Glueck() = 0;
    Personen[1].AuftragID() = 0;
    const auto z = zeichnen(95, 1);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[1], (Gedruckt{'2', 220, 246, "Jetzt: " + auftrag(1)}));
    EXPECT_EQ(z[2], (Gedruckt{'2', 220, 262, "Du hast die Person nicht auszahlen"}));
    EXPECT_EQ(z[3], (Gedruckt{'2', 220, 294, "0% Zufriedenheit"}));
    const std::vector<std::array<float, 3>> f = {{1, 1, 1}, {0, 0, 0}, {0.5f, 0, 0}, {0, 0, 0}, {1, 1, 1}};
    EXPECT_EQ(welt.senke.farben, f);

    Spieler[0].Gold() = 10;
    EXPECT_EQ(zeichnen(95, 1)[2].text, "STREIK, Mitglied ist unzufrieden");
    Personen[1].Glueck() = 1;
    EXPECT_EQ(zeichnen(95, 1)[2].text, "Kein Material gefunden");

    Personen[1].AuftragID() = 103;
    Personen[1].Gold() = 12;
    Personen[1].Alter() = 33;
    const auto b = zeichnen(95, 1);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_EQ(b[2].text, W("12 Goldstücke"));
    EXPECT_EQ(b[3].text, "33 Jahre alt");
}

TEST_F(Tooltip, FamilyCardOfWomenAndMen) {
    Personen[1].Geschlecht() = 2;
    for (const auto& [alter, text] :
         std::vector<std::pair<int, std::string>>{{14, "Frau ist zu jung."},
                                                  {15, "Frau ist im richtigen Alter."},
                                                  {49, "Frau ist im richtigen Alter."},
                                                  {50, "Frau ist zu alt."}}) {
        Personen[1].Alter() = alter;
        const auto z = zeichnen(96, 1);
        ASSERT_EQ(z.size(), 6u) << "heading, food, partner, age, children, time";
        EXPECT_EQ(z[0], (Gedruckt{'2', 280, 220, "Zuwachs-Bedingung:"}));
        EXPECT_EQ(z[3], (Gedruckt{'2', 220, 272, text})) << alter;
        // Rows of 16 pixels under the heading, the last within the lengthened background.
        std::vector<int> y;
        for (const Gedruckt& g : z) y.push_back(g.y);
        std::sort(y.begin() + 1, y.end());
        for (std::size_t i = 1; i < y.size(); ++i) EXPECT_GE(y[i] - y[i - 1], 16) << alter;
        EXPECT_LE(y.back(), 200 + 120) << alter;
    }
    Personen[0].Geschlecht() = 1;
    Personen[0].PartnerID() = 1;
    Personen[0].Gold() = 50;
    Personen[1].Gold() = 49;
    const auto m = zeichnen(96, 0);
    ASSERT_EQ(m.size(), 5u) << "a man: food, partner, money, age";
    EXPECT_EQ(m[1].text, "Clan braucht mehr Nahrung.");
    EXPECT_EQ(m[2], (Gedruckt{'2', 220, 304, "Partner lebt."}));
    EXPECT_EQ(m[3].text, W("Familie hat nicht genug Geld für Essen."));
    EXPECT_EQ(m[4].text, "Mann im richtigen Alter.");
}

// The demolition button of the info window says what a click does to the shown object.
TEST_F(Tooltip, DemolitionButtonSaysWhatAClickDoes) {
    SBU_Objekte = {bhmtest::Gebaeude("Home")};
    Objekte.assign(1, Objektzeile{});
    Objekte[0].Feld() = 5;
    Objekte[0].Typ() = 0;
    OB_Slots.assign(1, {});
    Gewaehltes_Objekt = 0;
    struct Fall {
        int bewohner, fehlt;
        std::string zeile;
    };
    const Fall faelle[] = {{1, 0, "In diesem Haus wohnen noch Mitglieder."},
                           {0, 0, W("Das Gebäude wird geräumt: Arbeiter")},
                           {0, 2, "Der Bau wird aufgegeben und das"},
                           {1, 2, "Der Ausbau wird aufgegeben. Das Haus"}};
    for (const Fall& f : faelle) {
        OB_Slots[0][0] = {f.bewohner ? 0 : -1, f.bewohner ? 1 : -1};
        Objekte[0].Baumaterial_Rest(0) = f.fehlt;
        const auto z = zeichnen(55, 0);
        ASSERT_GE(z.size(), 2u);
        EXPECT_EQ(z[0].text, W("Abreißen"));
        EXPECT_EQ(z[1], (Gedruckt{'2', 220, 246, f.zeile}));
    }
    EXPECT_TRUE(Fehlertext.empty());
    Gewaehltes_Objekt = -1;
    Objekte.clear();
    OB_Slots.clear();
    SBU_Objekte.clear();
}

TEST_F(Tooltip, NumbersWithoutTextOrBackground) {
    auto z = zeichnen(80, 0);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0], (Gedruckt{'P', 220, 220, "INFOPANELAKTIV INHALT UNBEKANNT 80"}));
    EXPECT_TRUE(Fehlertext.empty());

    z = zeichnen(107, 0);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(Fehlertext, "Showtext->Mouseoverfunktion: Hintergrundbild nicht abgefangen = 107");

    EXPECT_TRUE(zeichnen(5, 0).empty());
    EXPECT_TRUE(zeichnen(26, 0).empty());
    EXPECT_TRUE(Fehlertext.empty());
}

TEST_F(Tooltip, PopupsNeedTheGameBarExceptScriptPanelPopups) {
    ITP_PopUps.assign(1, ITP_Popup{"Kopf", "Rumpf", "eins", "zwei", "", "", "", ""});
    EXPECT_TRUE(zeichnen(27, 0).empty());
    const auto z = zeichnen(106, 0);
    ASSERT_EQ(z.size(), 7u) << "heading and six lines, the unwrapped body not";
    EXPECT_EQ(z[0], (Gedruckt{'C', 345, 223, "Kopf"}));
    EXPECT_EQ(z[2], (Gedruckt{'2', 220, 255, "zwei"}));
    EXPECT_TRUE(zeichnen(106, -1).empty()) << "a click area without popup";
    EXPECT_EQ(Fehlertext.find("Hintergrundbild"), std::string::npos) << Fehlertext;
    ITP_PopUps.clear();
}

TEST_F(Tooltip, BadRowsAreReportedNotRead) {
    EXPECT_TRUE(zeichnen(95, 7).empty());
    EXPECT_NE(Fehlertext.find("Person nicht abgefangen = 7"), std::string::npos);
    Gewaehltes_Objekt = 3;
    EXPECT_TRUE(zeichnen(82, 16).empty());
    EXPECT_NE(Fehlertext.find("Warenslot nicht abgefangen"), std::string::npos);
    Gewaehltes_Objekt = welt.objekt(0, 0);
    SBU_Waren.assign(3, Waren_Item{});
    SBU_Waren[2].Titel = "Brot";
    Objekte[0].Slot_Ware(1) = 2;
    Objekte[0].Slot_Bestand(1) = 7;
    Objekte[0].Slot_Reserviert(1) = 2;
    const auto z = zeichnen(82, 20);
    ASSERT_EQ(z.size(), 6u) << "the goods info at the anchor, then the stock line";
    EXPECT_EQ(z[0], (Gedruckt{'P', 260, 220, "Brot"}));
    EXPECT_EQ(z[5], (Gedruckt{'2', 220, 310, W("Von 7 Bestand sind 2 für Abholung reserviert.")}));
    EXPECT_EQ(zeichnen(99, 2)[0], (Gedruckt{'P', 260, 220, "Brot"}));
    EXPECT_TRUE(zeichnen(82, 54).empty()) << "field 54 + 3 lies beyond the row";
    Gewaehltes_Objekt = -1;
}

// --- Debug pages --------------------------------------------------------------------

class Debugseite : public Overlay {
protected:
    std::vector<Gedruckt> seite(int n) {
        welt.senke.leeren();
        Anzeigestufe_F2 = n;
        TPU_Debugseiten();
        return {welt.senke.zeilen.begin() + 1, welt.senke.zeilen.end()};
    }
    void personen(int anzahl) {
        Personen.assign(static_cast<std::size_t>(anzahl), Personenzeile{});
        for (auto& p : Personen) {
            p.Hunger() = 9;
            p.Geschlecht() = 2;
        }
        Personen_hoechster_Index = anzahl - 1;
    }
};

TEST_F(Debugseite, PersonPagesStopAtTheirLimits) {
    personen(8);
    Personen_hoechster_Index = 5;
    Personen[2].Hunger() = 0;
    auto z = seite(0);
    EXPECT_EQ(z.size(), 1u + 4u) << "persons 0..4 without the dead one";
    EXPECT_EQ(z.back().y, 200);
    z = seite(1);
    ASSERT_EQ(z.size(), 1u + 5u) << "persons 0..5";
    EXPECT_EQ(z.back(), (Gedruckt{'P', 100, 220, "Frau   | Zufriedenheit :0 | Geld :0"}));
}

TEST_F(Debugseite, RabbitPageWithoutHoles) {
    Hase_Anzahl = 0;
    const auto z = seite(2);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(z[0], (Gedruckt{'P', 100, 100, W("Kaninchen Übersicht [0]")}));
}

TEST_F(Debugseite, ClanPageClosesTheGapOfRemovedClansAndMarksTheNextTurn) {
    Spieler.assign(4, Spielerzeile{});
    Spieler[1].Steuerung() = -2;
    Spieler[2].Steuerung() = 1;
    Spieler[3].Steuerung() = -1;
    KI_Status.clear();
    KI_aktueller_Spieler = 2;
    const auto z = seite(6);
    ASSERT_EQ(z.size(), 4u);
    EXPECT_EQ(z[0], (Gedruckt{'P', 100, 120,
                              "Spieler:   0 | Mensch | Baustellen :0 | Arbeitslose :0/0 | Gold :0"}));
    EXPECT_EQ(z[1],
              (Gedruckt{'P', 100, 140, "Spieler:   2 | NPC | Mod:0 | MA:0/0 | G:0 | B:0(0) | 0(0) | 0(0)"}));
    EXPECT_EQ(z[2], (Gedruckt{'P', 100, 160, W("Spieler:   3 | Abrechnung am laufen (wird gelöscht)")}));
    EXPECT_EQ(z[3].text, W("Clan Übersicht   [1/4] Clans vollständig gelöscht"));
    EXPECT_EQ(KI_Status.size(), 4u);
    const std::vector<std::array<float, 3>> f = {{1, 0, 0}, {0, 0, 0}};
    EXPECT_EQ(welt.senke.farben, f);
    KI_Status.clear();
    KI_aktueller_Spieler = 0;
}

TEST_F(Debugseite, GoodsPageLeavesTheRowOfAnUnusedTemplateEmpty) {
    SBU_Waren.assign(4, Waren_Item{});
    SBU_Waren[1].benutzt = 1;
    SBU_Waren[1].Titel = "Korn";
    SBU_Waren[1].Group = "Nahrung";
    SBU_Waren[1].Transport = 1;
    SBU_Waren[3].benutzt = 1;
    SBU_Waren[3].Titel = "Erz";
    const auto z = seite(8);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[1], (Gedruckt{'P', 100, 140, "ID (1) Handelbar:JA Korn (Nahrung)"}));
    EXPECT_EQ(z[2], (Gedruckt{'P', 100, 180, W("ID (3) Handelbar:NÖ Erz ()")}));
}

TEST_F(Debugseite, WorldPageFiguresAndTheFirstDay) {
    Jahresschritt = 0;
    SZ = 1234;
    WV = 0;
    WAlt = 0;
    MG_Kartengroesse = 16;
    IU_Landklassen = {128, 64, 64, 0, 0};
    const auto z = seite(5);
    auto wert = [&](const std::string& name) {
        for (std::size_t i = 0; i + 1 < z.size(); ++i)
            if (z[i].text == name) return z[i + 1].text;
        return std::string("?");
    };
    EXPECT_EQ(wert("Ingame Spielzeit"), "1.234 Jahre 1Tag");
    EXPECT_EQ(wert("Durchschnittsalter"), "0 Jahre");
    EXPECT_EQ(wert(W("Gesamtfläche Wasser")), "128 Felder(50%)");
    EXPECT_EQ(wert(W("Gesamtfläche Strand")), "64 Felder(25%)");
    SZ = 0;
}

TEST(Zahlgruppen, ThousandsSeparated) {
    for (const auto& [n, t] : std::vector<std::pair<long long, std::string>>{
             {0, "0"}, {999, "999"}, {1000, "1.000"}, {-1234567, "-1.234.567"}, {100000, "100.000"}})
        EXPECT_EQ(TPU_Zahl_gruppiert(n), t);
}

// --- On screen ----------------------------------------------------------------------

TEST(OverlayBild, WindowTextIsBlackWithALightOutline) {
    GL_NOETIG();
    bhmtest::Uischale schale;
    bhmtest::Schriftform schrift;
    IFU_Alles_schliessen();
    Fehler_zuruecksetzen();
    Mouseoverfunktion_Nummer = 0;
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    IFU_Fenstermitte_X = bhmtest::Uibreite / 2;
    IFU_Fenstermitte_Y = 240;
    Warenraster_offen = true;
    bhmtest::Bild_beginnen();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Showtext();
    const Bild b = bhmtest::Bild_lesen();
    Warenraster_offen = false;
    IFU_Fenstermitte_X = cx;
    IFU_Fenstermitte_Y = cy;
    int hell = 0;
    for (int y = 0; y < bhmtest::Uihoehe; ++y)
        for (int x = 0; x < bhmtest::Uibreite; ++x) {
            const auto p = bhmtest::Pixel(b, x, y);
            if (!p[0]) continue;
            EXPECT_GE(y, 20) << "the caption stands above its base line 40";
            EXPECT_LE(y, 45);
            EXPECT_EQ(p[0], p[2]) << "light grey";
            ++hell;
        }
    EXPECT_GT(hell, 20);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << "depth test on again";
}

}  // namespace

namespace {

// The quad at (x, y) covers pixels x..x+1, y..y+1.
bool gruen(const Bild& b, int x, int y) { return bhmtest::Pixel(b, x + 1, y + 1)[1] == 255; }

}  // namespace

TEST(OverlayBild, TooltipTilesAndTheLengthenedEdictBackground) {
    GL_NOETIG();
    bhmtest::Uischale schale;
    // The tooltip tile, interface model 28, as a green 2 x 2 quad.
    bhmtest::Testmodelle kachel({{28, {0, 255, 0}}});
    bhmtest::Textaufzeichnung senke;
    TPU_Senke_einsetzen einsetzen(senke);
    MoPosEcht_X = 150;
    MoPosEcht_Y = 20;
    auto zeichnen = [](int n) {
        bhmtest::Bild_beginnen();
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        TPU_2D_Modus();
        Mouseoverfunktion_Nummer = n;
        TPU_Tooltip();
        Mouseoverfunktion_Nummer = 0;
        return bhmtest::Bild_lesen();
    };
    Bild b = zeichnen(5);
    // Anchor (120, 20), the window being 320 wide: tiles at (30, 23), (30, 53), (30, 83).
    EXPECT_TRUE(gruen(b, 30, 23));
    EXPECT_TRUE(gruen(b, 30, 53));
    EXPECT_TRUE(gruen(b, 30, 83));
    EXPECT_FALSE(gruen(b, 30, 99));
    EXPECT_EQ(bhmtest::Gezeichnet(b), 3 * 4);

    // Heading, seven text lines and the empty line before the (no) effects: h = 8.
    IAU_Edikte.assign(1, Edikt_Data{});
    IAU_Edikte[0].Gesetze.push_back({"Kopf", "1#2#3#4#5#6#7", -1, {}});
    IAU_Aktuelles_Edikt = 0;
    Mouseoverfunktion_Wert = 0;
    b = zeichnen(103);
    for (int y : {99, 115, 131}) EXPECT_TRUE(gruen(b, 30, y)) << y;
    EXPECT_EQ(bhmtest::Gezeichnet(b), 6 * 4) << "three extra tiles for lines 6..8";
    ASSERT_EQ(senke.zeilen.size(), 9u);
    EXPECT_EQ(senke.zeilen[0].x, 165);
    EXPECT_EQ(senke.zeilen[0].y, 40);
    EXPECT_EQ(senke.zeilen[0].text.rfind("Kopf", 0), 0u);
    EXPECT_EQ(senke.zeilen[8], (Gedruckt{'2', 40, 178, ""}));
    IAU_Zuruecksetzen();
}

// Every line of a fixed tooltip text lies inside its tile in the game's own fonts: the tile of
// a help text whose line would run past it is stretched (10 pixels to spare), and the anchor
// keeps the wider tile inside the window.
TEST(OverlayBild, TooltiptexteBleibenInIhrerKachel) {
    GL_NOETIG();
    bhmtest::Schriftform schrift;
    bhmtest::Testschale schale(1280, 700);
    bhmtest::Textaufzeichnung senke;
    TPU_Senke_einsetzen einsetzen(senke);
    std::vector<int> nummern = {83, 87, 101, 102, 104, 105};
    for (int n = 28; n <= 54; ++n) nummern.push_back(n);
    for (int n : nummern)
        for (int maus_x : {600, 1270}) {
            senke.zeilen.clear();
            MoPosEcht_X = maus_x;
            MoPosEcht_Y = 300;
            Mouseoverfunktion_Nummer = n;
            Mouseoverfunktion_Wert = 0;
            TPU_Tooltip();
            Mouseoverfunktion_Nummer = 0;
            const int X = MoPosFenstermitte_X, breite = TPU_Tooltip_Kachelbreite(n);
            const int links = X - 90, rechts = X - 90 + breite;
            EXPECT_LE(rechts, 1280) << n << ": the tile leaves the window";
            ASSERT_FALSE(senke.zeilen.empty()) << n;
            for (const Gedruckt& g : senke.zeilen) {
                const int b = g.art == '2' ? TPU_Textbreite_Font2(g.text) : TPU_Textbreite_Font1(g.text);
                const int x1 = g.art == 'C' ? g.x - b / 2 : g.x;
                EXPECT_GE(x1, links + 5) << n << ": " << cp1252_zu_utf8(g.text);
                EXPECT_LE(x1 + b, rechts - 5) << n << ": " << cp1252_zu_utf8(g.text);
            }
        }
    EXPECT_EQ(TPU_Tooltip_Kachelbreite(37), TPU_Kachelbreite) << "a text that fits keeps the tile";
    EXPECT_GT(TPU_Tooltip_Kachelbreite(105), TPU_Kachelbreite) << "the confirm help's long line";
}

// The switches of the windows of standing edicts say what they do: tooltips 28..52, 53 and 54
// belong to the 27 entries in order, and every switch with an effect names it.
TEST_F(Tooltip, SchalterSagenWasSieTun) {
    struct Fall {
        int nummer, eintrag;
        std::string titel;
    } faelle[] = {{28, 0, "Umverteilung"},
                  {34, 6, "Steuer"},
                  {48, 20, W("Bündnis")},
                  {53, 25, "Freies Gesetz"},
                  {54, 26, "Freies Gesetz"}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(TPU_Schalter_Tooltip(f.eintrag), f.nummer);
        EXPECT_EQ(TPU_Schalter_von_Tooltip(f.nummer), f.eintrag);
        const auto z = zeichnen(f.nummer, 0);
        ASSERT_GE(z.size(), 2u) << f.nummer;
        EXPECT_EQ(z[0], (Gedruckt{'C', 345, 220, f.titel})) << f.nummer;
        EXPECT_EQ(z[1].x, 220) << f.nummer;
        EXPECT_EQ(z[1].y, 246) << f.nummer;
        for (const Gedruckt& g : z) EXPECT_EQ(g.text.find("INFOPANELAKTIV"), std::string::npos) << f.nummer;
        EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
    }
    EXPECT_EQ(TPU_Schalter_von_Tooltip(27), -1);
    EXPECT_EQ(TPU_Schalter_von_Tooltip(55), -1);
    EXPECT_EQ(TPU_Schalter_Tooltip(27), -1);
}

// Each switch of an open window carries its label, centred on the strip under its symbol.
TEST_F(Overlay, SchalterfensterBeschriftenIhreSchalter) {
    Schalterfenster2_offen = true;
    Showtext();
    Schalterfenster2_offen = false;
    ASSERT_EQ(welt.senke.zeilen.size(), 45u) << "nine labels in each of the five passes";
    const std::vector<Gedruckt> letzter_durchgang(welt.senke.zeilen.end() - 9, welt.senke.zeilen.end());
    for (int k = 0; k < 9; ++k) {
        const Gedruckt& g = letzter_durchgang[static_cast<std::size_t>(k)];
        const std::string& kurz = TPU_Schalter_Text(3 * k + 1).Kurz;
        EXPECT_EQ(g.text, kurz);
        EXPECT_EQ(g.art, '2');
        const int spalte = IFU_Fenstermitte_X + (k % 3) * 85 - 125;
        EXPECT_EQ(g.x, spalte + 40 - TPU_Textbreite_Font2(kurz) / 2) << k;
        EXPECT_EQ(g.y, IFU_Fenstermitte_Y + (k / 3) * 85 - 125 + 75) << k;
    }
    EXPECT_EQ(letzter_durchgang[0].text, "Schule");
    EXPECT_EQ(letzter_durchgang[2].text, "Kindergeld");
}

// The minimap's caption names the kind shown, the industry map without a leftover note.
TEST_F(Overlay, MinimapUeberschriftJeArt) {
    struct Fall {
        int art, dx;
        std::string titel;
    } faelle[] = {{0, -70, "Topografische - Karte"},
                  {1, -70, "Sectorenkarte - Karte"},
                  {2, -50, "Spieler - Karte"},
                  {3, -60, "Industrie - Karte"}};
    Minimap_offen = true;
    for (const Fall& f : faelle) {
        welt.senke.leeren();
        Minimap_Art = f.art;
        Showtext();
        ASSERT_FALSE(welt.senke.zeilen.empty()) << f.art;
        const Gedruckt erwartet{'P', IFU_Fenstermitte_X + f.dx, IFU_Fenstermitte_Y - 228, f.titel};
        EXPECT_NE(std::find(welt.senke.zeilen.begin(), welt.senke.zeilen.end(), erwartet),
                  welt.senke.zeilen.end())
            << f.art;
    }
    Minimap_offen = false;
    Minimap_Art = 0;
}

// A long report breaks into lines that end inside the window (1280 pixels, 10 a character in
// this world, from x 400: 87 characters a line), at blanks where it can and inside a word too
// long for a line; nothing is lost but what lies past the sixth line.
TEST_F(Overlay, FehlerzeileBrichtVorDemRechtenRandUm) {
    std::string text = "SBU > Script konnte nicht geladen werden:";
    for (int i = 0; i < 8; ++i) text += " Wort" + std::to_string(i);
    const std::string pfad = "/spiel/" + std::string(120, 'x') + "/Script.srt";
    text += " " + pfad + " Ende";
    Fehler_melden(text);
    Fehleranzeige_Dauer = 5;
    Showtext();
    // The black pass: the last of each line's five prints.
    std::vector<Gedruckt> zeilen;
    for (const Gedruckt& g : welt.senke.zeilen)
        if (g.x == 400 && g.y >= 100 && (g.y - 100) % 22 == 0) zeilen.push_back(g);
    ASSERT_GE(zeilen.size(), 3u);
    std::string zusammen;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        EXPECT_EQ(zeilen[i].y, 100 + 22 * static_cast<int>(i));
        EXPECT_LE(400 + 10 * static_cast<int>(zeilen[i].text.size()), 1280 - 10) << zeilen[i].text;
        zusammen += zeilen[i].text;
    }
    std::string ohne_blanks = "Error : " + text;
    std::erase(ohne_blanks, ' ');
    std::erase(zusammen, ' ');
    EXPECT_EQ(zusammen, ohne_blanks) << "every character, in order";
    EXPECT_EQ(zeilen.front().text.rfind("Error : SBU > Script", 0), 0u);

    // A report of thousands of characters takes six lines, the last one cut with "..".
    Fehler_melden(std::string(5000, 'a'));
    Fehleranzeige_Dauer = 5;
    welt.senke.leeren();
    Showtext();
    zeilen.clear();
    for (const Gedruckt& g : welt.senke.zeilen)
        if (g.x == 400 && g.y >= 100 && (g.y - 100) % 22 == 0) zeilen.push_back(g);
    ASSERT_EQ(zeilen.size(), 6u);
    EXPECT_EQ(zeilen.back().text.substr(zeilen.back().text.size() - 2), "..");
    EXPECT_LE(10 * static_cast<int>(zeilen.back().text.size()), 870);
}

// A path in a report reads with one kind of separator: the program folder's "/" throughout.
TEST_F(Overlay, FehlerzeileSchreibtPfadeMitEinemTrenner) {
    Fehler_melden("Datei konnte nicht gefunden werden: /spiel/Daten\\UI.dat");
    Fehleranzeige_Dauer = 5;
    Showtext();
    ASSERT_FALSE(welt.senke.zeilen.empty());
    EXPECT_EQ(welt.senke.zeilen.back(),
              (Gedruckt{'P', 400, 100, "Error : Datei konnte nicht gefunden werden: /spiel/Daten/UI.dat"}));
}

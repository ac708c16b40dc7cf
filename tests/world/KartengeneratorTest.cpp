#include "world/Kartengenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "common/Schablonenvorrat.h"
#include "economy/Spieler.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "persistence/Spielstaende.h"
#include "platform/base/Datei.h"
#include "world/Forschung.h"
#include "world/Inseln.h"
#include "world/Karte.h"

namespace {

using bhmtest::Kernwelt;

// Records what the start of a game asks of the interface, the camera and the window.
struct Zeuge : UiSeam, RenderSeam, ShellSeam {
    std::vector<int> panels;
    std::vector<std::string> zeilen;
    std::vector<std::string> ablauf;  // panels, camera and resize in call order
    bool sperre_beim_zeichnen = false;

    Zeuge() {
        Oberflaeche_setzen(this);
        Render_setzen(this);
        Shell_setzen(this);
    }
    ~Zeuge() override {
        Oberflaeche_setzen(nullptr);
        Render_setzen(nullptr);
        Shell_setzen(nullptr);
    }
    void Panelanzeigen(int panel) override {
        panels.push_back(panel);
        ablauf.push_back("panel " + std::to_string(panel));
    }
    void TPU_Ladestatus_add(const std::string& text) override {
        zeilen.push_back(text);
        sperre_beim_zeichnen = sperre_beim_zeichnen || !Eingabesperre;
    }
    void Kamera_zentrieren(int x, int y) override {
        ablauf.push_back("kamera " + std::to_string(x) + "," + std::to_string(y));
    }
    void FormResize() override { ablauf.push_back("resize"); }
    void Meldung(const std::string& text) override { meldungen.push_back(text); }
    std::vector<std::string> meldungen;
    bool gezeigt(const std::string& text) const {
        return std::find(zeilen.begin(), zeilen.end(), text) != zeilen.end();
    }
};

void skript(const std::string& pfad, const std::string& inhalt) {
    bhmtest::Vorrat_Datei(Programmpfad + pfad, inhalt);
}

TEST(Kartengenerator, StartingAGameMakesTheWorldAndHandsItToThePlayer) {
    Kernwelt welt;
    bhmtest::Vorrat_anlegen(Programmpfad, {2, 4, 3, 6});
    Zeuge zeuge;
    SingelGameTYPWahl = 2;
    SingelGameGroessenWahl = 0;
    SingelGameKIanzahl = 6;
    MG_Spiel_starten();

    EXPECT_TRUE(SSL);
    EXPECT_FALSE(Eingabesperre);
    EXPECT_FALSE(zeuge.sperre_beim_zeichnen) << "clicks stay locked while the world is made";
    EXPECT_EQ(zeuge.ablauf, (std::vector<std::string>{"panel 64", "kamera 128,128", "panel 60", "resize"}));
    EXPECT_EQ(MG_Kartengroesse, 256);
    EXPECT_EQ(LSU_Letzter_Speichername, "Quicksave");
    for (const char* z : {"Gerneriere eine neue Welt!", "Erschaffe Karteneigenschaften...",
                          "Erschaffe Kaninchenbauten...", "Erschaffe Forschungsbaum..."})
        EXPECT_TRUE(zeuge.gezeigt(z)) << z;
    EXPECT_FALSE(SBU_Objekte.empty()) << "the templates were loaded";
    const int clans = std::max(1, IU_Landklassen[2] / 10000);
    ASSERT_EQ(Spieler.size(), static_cast<std::size_t>(clans) + 1);
    ASSERT_EQ(FU_Forschung.size(), Spieler.size());
    for (const Spielerzeile& s : Spieler) {
        EXPECT_TRUE(s.Forschung_1() >= 1 && s.Forschung_1() <= 5);
        EXPECT_TRUE(s.Forschung_3() >= 1 && s.Forschung_3() <= 5);
    }
    for (const IU_Item& i : IU_Inseln) EXPECT_EQ(i.Anwesenheit.size(), Spieler.size());
}

TEST(Kartengenerator, AnUnknownSizeChoiceMakesA512World) {
    Kernwelt welt;
    SingelGameGroessenWahl = 10;
    bhmtest::Vorrat_anlegen(Programmpfad, {2, 4, 3, 6});
    MG_Einstellungen_pruefen();
    MG_Neue_Welt();
    EXPECT_EQ(MG_Kartengroesse, 512);
    EXPECT_EQ(Karte.size(), 512u * 512u);
}

TEST(Kartengenerator, GoodsOutOfOrderAreRepairedAndTheWorldMadeOnTheNextAttempt) {
    Kernwelt welt;
    bhmtest::Vorrat_anlegen(Programmpfad, {2, 4, 3, 6});
    // Good 1 needs good 3, which is defined after it; good 3 needs nothing.
    skript("Daten/Waren/1/Script.srt", "Titel/Ware1\r\nTransport/True\r\nNeed/Ware3/1\r\n");
    skript("Daten/Waren/3/Script.srt", "Titel/Ware3\r\nTransport/True\r\n");
    Zeuge zeuge;
    SingelGameGroessenWahl = 0;
    MG_Spiel_starten();

    EXPECT_TRUE(zeuge.gezeigt("ERROR > Erste ID[1] Anzahl[1]"));
    EXPECT_TRUE(zeuge.gezeigt("ERROR > Start Auto_repair! RepairID(0/3)"));
    EXPECT_TRUE(SSL);
    EXPECT_TRUE(SBU_Fehlwaren.empty());
    ASSERT_EQ(SBU_Waren.size(), 4u);
    EXPECT_EQ(SBU_Waren[3].Titel, "Ware1") << "the good moved behind its material";
    EXPECT_EQ(SBU_Waren[2].Titel, "Ware3");
    EXPECT_EQ(zeuge.panels, (std::vector<int>{64, 60}));
}

TEST(Kartengenerator, GoodsThatCannotBeRepairedLeadBackToTheSetUp) {
    Kernwelt welt;
    bhmtest::Vorrat_anlegen(Programmpfad, {2, 4, 3, 6});
    skript("Daten/Waren/2/Script.srt", "Titel/Ware2\r\nNeed/Gibtsnicht/1\r\n");
    Zeuge zeuge;
    MG_Spiel_starten();

    int reparaturen = 0;
    for (const std::string& z : zeuge.zeilen) reparaturen += z.rfind("ERROR > Start Auto_repair!", 0) == 0;
    EXPECT_EQ(reparaturen, 1) << "a name that no good has is not a matter of order: one look, no retries";
    EXPECT_TRUE(zeuge.gezeigt("ERROR > Start Auto_repair! RepairID(0/3)"));
    EXPECT_EQ(Datei_lesen(Programmpfad + "Daten/Waren/2/Script.srt"), "Titel/Ware2\r\nNeed/Gibtsnicht/1\r\n")
        << "the folders stay as they are";
    EXPECT_FALSE(SSL) << "no game on an unfinished world";
    EXPECT_FALSE(Eingabesperre);
    EXPECT_EQ(zeuge.panels, (std::vector<int>{64, MG_Einstellungspanel}));
    EXPECT_EQ(Fehlertext,
              "MG_Spiel_starten > Die Welt konnte nicht erstellt werden: die Warendaten sind fehlerhaft.");
}

TEST(Kartengenerator, StartPointsOfTheFourQuarters) {
    Kernwelt welt(256);
    EXPECT_EQ(MG_Viertelpunkt(0), 63 + 64 * 256);
    EXPECT_EQ(MG_Viertelpunkt(1), 191 + 64 * 256);
    EXPECT_EQ(MG_Viertelpunkt(2), 64 + 192 * 256);
    EXPECT_EQ(MG_Viertelpunkt(3), 192 + 192 * 256);
    EXPECT_EQ(MG_Viertelpunkt(4), -1);
}

TEST(Kartengenerator, AnArchipelagoWithoutRoomForAClanStopsThePlacement) {
    Kernwelt welt(256);
    GUI_Info_zuruecksetzen();
    GU_Spieler_erstellen(2);
    IU_Inseln.assign(2, IU_Item{800, true, {0, 0, 0}});
    SingelGameTYPWahl = 0;
    EXPECT_EQ(MG_Startfeld_suchen(1), -1);
    EXPECT_EQ(Fehlertext, "KI konnte nicht gesetzt werden. 1 Achipel");
    const int heimat = Spieler[1].Heimatfeld();
    MG_Spieler_platzieren();
    ASSERT_EQ(GUI_Infoanzahl, 1) << "clan 2 is not tried";
    EXPECT_EQ(GUI_Infoliste[0].Event, 280);
    EXPECT_EQ(Spieler[1].Heimatfeld(), heimat);

    Spieler[1].Startphase() = 0;
    Fehler_zuruecksetzen();
    EXPECT_EQ(MG_Startfeld_suchen(1), -1) << "a clan past its start phase gets no start cell";
    EXPECT_FALSE(Kernwelt::gemeldet());
}

}  // namespace

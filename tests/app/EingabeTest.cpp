// Routing of frames, keys and the mouse by the main window, without a window.
#include <gtest/gtest.h>

#include "app/GLForm.h"
#include "common/ProgrammOrdner.h"
#include "foundation/Seams.h"
#include "foundation/Sound.h"
#include "persistence/Spielstaende.h"
#include "world/Karte.h"

namespace {

struct UiProtokoll : UiSeam {
    std::vector<int> panels;
    std::vector<int> aktionen;
    int klicks = 0, hover = 0, panel_neu = 0;
    bool ingame = false, speichern = false, name = false;
    bool werfen = false;
    bool MO_Mouseover(bool klick) override {
        if (klick && werfen) throw std::runtime_error("kaputt");
        (klick ? klicks : hover)++;
        return false;
    }
    void MOAktion(int a, int, int) override { aktionen.push_back(a); }
    void Panelanzeigen(int p) override { panels.push_back(p); }
    void ITP_Panels_laden() override { ++panel_neu; }
    bool Ingamemenue_sichtbar() override { return ingame; }
    bool Speicherpanel_sichtbar() override { return speichern; }
    bool Spielernamepanel_sichtbar() override { return name; }
};

struct PersistenzProtokoll : PersistenzSeam {
    std::vector<std::string> gespeichert;
    bool gelingt = true;
    bool LSU_Speichern(const std::string& n) override {
        gespeichert.push_back(n);
        // A save in progress sees the key lock.
        EXPECT_TRUE(Speichervorgang);
        return gelingt;
    }
    bool LSU_Laden(const std::string&, const std::string&) override { return gelingt; }
};

struct RenderProtokoll : RenderSeam {
    std::vector<std::pair<int, int>> bewegungen;
    void Kamera_Mausbewegung(int x, int y) override { bewegungen.emplace_back(x, y); }
};

class Eingabe : public ::testing::Test {
protected:
    bhmtest::ProgrammOrdner ordner;
    UiProtokoll ui;
    PersistenzProtokoll persistenz;
    RenderProtokoll render;
    TGLForm form;

    void SetUp() override {
        // No world of a walk run before in this process (a clan still placing its start building).
        MG_Welt_zuruecksetzen();
        Oberflaeche_setzen(&ui);
        Persistenz_setzen(&persistenz);
        Render_setzen(&render);
        SSL = true;
        Spielername = "Erika";
    }
    void TearDown() override {
        Oberflaeche_setzen(nullptr);
        Persistenz_setzen(nullptr);
        Render_setzen(nullptr);
        LSU_Speichername.clear();
    }
    void tippen(const std::string& s) {
        for (char c : s) form.FormKeyPress(static_cast<unsigned char>(c));
    }
};

TEST(Frame, StepsPerFrameBySpeedAndState) {
    bhmtest::ProgrammOrdner ordner;
    struct Fall {
        bool spiel, pause;
        int tempo, schritte;
    } faelle[] = {{true, false, 0, 1},  {true, false, 1, 2},  {true, false, 2, 3},
                  {true, false, 4, 5},  {true, false, 8, 9},  {true, true, 8, 0},
                  {false, false, 8, 0}, {true, false, -1, 0}, {true, false, -5, 0}};
    for (const auto& f : faelle) {
        Spielstatus_zuruecksetzen();
        MSL = f.spiel;
        Pause = f.pause;
        Spielgeschwindigkeit = f.tempo;
        EXPECT_EQ(Frame_Schrittzahl(), f.schritte) << f.spiel << f.pause << f.tempo;
    }
}

TEST_F(Eingabe, FrameStillHoversWhilePausedAndWithoutGame) {
    Pause = true;
    form.eventtimertimer();
    SSL = false;
    form.eventtimertimer();
    EXPECT_EQ(ui.hover, 2);
    EXPECT_EQ(form.Bildzaehler, 2);
    EXPECT_TRUE(form.Eventtimer.aktiv) << "re-enabled by the frame";
}

TEST_F(Eingabe, WheelAndZoomKeys) {
    struct Fall {
        int start;
        int rad;     // 0: no wheel
        char taste;  // 0: no key
        int erwartet;
    } faelle[] = {{80, 120, 0, 80}, {20, -120, 0, 20}, {40, 120, 0, 41}, {40, -1, 0, 39},
                  {80, 0, '+', 81}, {20, 0, '-', 20},  {21, 0, '-', 20}, {30, 0, '+', 31}};
    for (const auto& f : faelle) {
        Zoomstufe = f.start;
        if (f.rad) form.FormMouseWheel(f.rad);
        if (f.taste) form.FormKeyPress(static_cast<unsigned char>(f.taste));
        EXPECT_EQ(Zoomstufe, f.erwartet) << f.start << " " << f.rad << " " << f.taste;
    }
}

TEST_F(Eingabe, F2WrapsAfterTenAndF3TogglesTheOverlay) {
    for (int i = 0; i < 7; ++i) form.FormKeyDown(plattform::VK_F2);
    EXPECT_EQ(Anzeigestufe_F2, 0) << "seven times from 4";
    form.FormKeyDown(plattform::VK_F3);
    form.FormKeyDown(plattform::VK_F3);
    EXPECT_EQ(ui.panels, (std::vector<int>{59, 60}));
}

TEST_F(Eingabe, QuickSaveReportsOnlyOnSuccessAndUsesIronModeName) {
    form.FormKeyDown(plattform::VK_F5);
    KSL = true;
    form.FormKeyDown(plattform::VK_F5);
    EXPECT_EQ(persistenz.gespeichert, (std::vector<std::string>{"Quicksave", "IRONMODUS"}));
    EXPECT_FALSE(Speichervorgang);
    persistenz.gelingt = false;
    form.FormKeyDown(plattform::VK_F5);
    EXPECT_FALSE(Speichervorgang) << "released even when saving fails";
    form.FormKeyDown(plattform::VK_F6);
    EXPECT_FALSE(Speichervorgang);
    EXPECT_TRUE(form.Eventtimer.aktiv);
}

TEST_F(Eingabe, KeysAreDroppedWhileSavingOrWithoutGame) {
    Speichervorgang = true;
    form.FormKeyDown(plattform::VK_F2);
    form.FormKeyPress('+');
    EXPECT_EQ(Anzeigestufe_F2, 4);
    EXPECT_EQ(Zoomstufe, 20 + 0);
    Speichervorgang = false;
    SSL = false;
    form.FormKeyDown(plattform::VK_ESCAPE);
    form.FormKeyPress('B');
    EXPECT_TRUE(ui.panels.empty());
}

TEST_F(Eingabe, EscapeClosesOrOpensTheInGameMenu) {
    form.FormKeyDown(plattform::VK_ESCAPE);
    ui.ingame = true;
    form.FormKeyDown(plattform::VK_ESCAPE);
    Platzierungsmodus = true;
    form.FormKeyDown(plattform::VK_ESCAPE);
    EXPECT_FALSE(Platzierungsmodus);
    EXPECT_EQ(ui.panels, (std::vector<int>{5, 60}));
}

TEST_F(Eingabe, GameKeysOpenTheirPanelsInEitherCase) {
    tippen("bBmgL");
    tippen("fEeNn");
    EXPECT_EQ(ui.panels, (std::vector<int>{7, 7, 24, 23, 35}));
    // E: the standing edicts; N: the messages, as the letters button.
    EXPECT_EQ(ui.aktionen, (std::vector<int>{663, 195, 195, 665, 665}));
}

TEST_F(Eingabe, DeveloperKeysOnlyForTheExactName) {
    Spielername = "tannhaber";
    tippen("oP");
    EXPECT_EQ(Bau_Testmodus, 0);
    EXPECT_EQ(ui.panel_neu, 0);
    Spielername = Entwicklername;
    tippen("oP");
    EXPECT_EQ(Bau_Testmodus, 1);
    EXPECT_EQ(ui.panel_neu, 1);
    for (int i = 0; i < 6; ++i) tippen("O");
    EXPECT_EQ(Bau_Testmodus, 0) << "values 0..6, then back to 0";
}

TEST_F(Eingabe, ScrollKeysMoveTheCameraBy30) {
    Maus_letztes_X = 100;
    Maus_letztes_Y = 200;
    form.FormKeyDown(plattform::VK_LEFT);
    form.FormKeyDown(plattform::VK_DOWN);
    tippen("w");
    EXPECT_EQ(render.bewegungen, (std::vector<std::pair<int, int>>{{130, 200}, {100, 170}, {100, 230}}));
    EXPECT_FALSE(Kamera_ziehen);
    EXPECT_EQ(Mausstatus, 2);
}

TEST_F(Eingabe, TextEntryFilterAndLimits) {
    SSL = false;
    Texteingabe_aktiv = true;
    tippen("Ab.9@_`-+ #\xB4\xC4\xD6\xDC\xDF\xE4\xF6\xFC\xE9");
    EXPECT_EQ(Texteingabe, "Ab.9@_`\xB4\xC4\xD6\xDC\xDF\xE4\xF6\xFC");
    form.FormKeyPress(8);
    EXPECT_EQ(Texteingabe.size(), 14u);
    tippen(std::string(300, 'x'));
    EXPECT_EQ(Texteingabe.size(), 240u);
    EXPECT_EQ(Zoomstufe, 20) << "no game keys while typing";
}

TEST_F(Eingabe, PlayerNameTakesFifteenCharactersWithoutDots) {
    SSL = false;
    ui.name = true;
    Spielername.clear();
    tippen("Anna.Maria_von_Brandenhof");
    EXPECT_EQ(Spielername, "AnnaMaria_von_B");
    form.FormKeyPress(8);
    EXPECT_EQ(Spielername, "AnnaMaria_von_");
    form.FormKeyDown(plattform::VK_F2);
    EXPECT_EQ(Anzeigestufe_F2, 4) << "key-down ignored while the name panel shows";
}

TEST_F(Eingabe, SaveNameOnlyWithoutCampaignMode) {
    ui.speichern = true;
    tippen("Mein Spiel 2!");
    EXPECT_EQ(LSU_Speichername, "Mein Spiel ");
    KSL = true;
    tippen("x");
    EXPECT_EQ(LSU_Speichername, "Mein Spiel ");
}

TEST_F(Eingabe, ClicksDroppedWhileLockedAndExceptionsReported) {
    Error_Silence = false;
    Errorloger = false;
    Eingabesperre = true;
    form.FormClick();
    EXPECT_EQ(ui.klicks, 0);
    Eingabesperre = false;
    form.FormClick();
    EXPECT_EQ(ui.klicks, 1);
    ui.werfen = true;
    form.FormClick();
    EXPECT_EQ(Fehlertext, "FormClick wirft unbekannten Fehler... Die Aktion wurde abgebrochen...");
    EXPECT_TRUE(form.Eventtimer.aktiv);
}

TEST_F(Eingabe, RightAndMiddleButtonDragOnlyInAGame) {
    form.FormMouseDown(plattform::Maustaste::Rechts);
    EXPECT_TRUE(Kamera_ziehen);
    form.FormMouseUp(plattform::Maustaste::Rechts);
    EXPECT_FALSE(Kamera_ziehen);
    EXPECT_EQ(Mausstatus, 2);
    SSL = false;
    form.FormMouseDown(plattform::Maustaste::Mitte);
    EXPECT_FALSE(Kamera_ziehen);
    form.FormMouseDown(plattform::Maustaste::Links);
    EXPECT_FALSE(Kamera_ziehen);
    EXPECT_EQ(ui.panels, (std::vector<int>{60, 60}));
}

TEST_F(Eingabe, MouseMovesAreClampedToTheClientArea) {
    form.ClientWidth = 1280;
    form.ClientHeight = 700;
    form.FormMouseMove(-5, 900);
    EXPECT_EQ(render.bewegungen.back(), std::make_pair(0, 700));
}

TEST_F(Eingabe, ResizeKeepsEvenSizesAndTheMinimum) {
    struct Fall {
        int b, h, eb, eh;
    } faelle[] = {{1000, 600, 1280, 700}, {1301, 801, 1300, 800}, {1920, 1080, 1920, 1080}};
    for (const auto& f : faelle) {
        form.ClientWidth = f.b;
        form.ClientHeight = f.h;
        form.FormResize();
        EXPECT_EQ(form.ClientWidth, f.eb);
        EXPECT_EQ(form.ClientHeight, f.eh);
        EXPECT_EQ(IFU_Fenstermitte_X, f.eb / 2);
    }
}

TEST_F(Eingabe, VolumeKeysTouchMusicOnlyWhenItIsOn) {
    form.FormKeyDown(plattform::VK_F7);
    EXPECT_EQ(Lautstaerke, 0.0);
    form.FormKeyDown(plattform::VK_F8);
    EXPECT_EQ(Lautstaerke, 1.0);
    Lautstaerke = 0.2;
}

}  // namespace

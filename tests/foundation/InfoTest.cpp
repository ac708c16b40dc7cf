#include "foundation/Info.h"

#include <gtest/gtest.h>

#include "Attrappen.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"

namespace {

using bhmtest::AudioAttrappe;
using bhmtest::FehlerFang;
using bhmtest::ShellAttrappe;
using bhmtest::UiAttrappe;

class Info : public ::testing::Test {
protected:
    FehlerFang fang;
    AudioAttrappe audio;
    ShellAttrappe shell;
    UiAttrappe ui;
    void SetUp() override {
        GUI_Info_zuruecksetzen();
        SND_Init();
        SND_Effekte_laden();
    }
    void TearDown() override {
        SND_Freigeben();
        GUI_Info_zuruecksetzen();
        Kamera_ziehen = false;
    }
    // Frames until the next effect sounds (the message comes up); -1 if none in n frames.
    int frames_bis_klang(int n) {
        const std::size_t vorher = audio.gespielt.size();
        for (int f = 1; f <= n; ++f) {
            GUI_Info_Tick();
            if (audio.gespielt.size() > vorher) return f;
        }
        return -1;
    }
};

TEST_F(Info, NachrichtLebtIhreAnzeigedauer) {
    GUI_Info_add(246, -1, "Gespeichert als Quicksave");
    ASSERT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(GUI_Infoliste[0].Restzeit, 760);
    EXPECT_EQ(GUI_Infoliste[0].Wert, -1);
    EXPECT_EQ(frames_bis_klang(10), 1);
    EXPECT_EQ(audio.gespielt[0].datei, "1.mp3");  // effect 0
    for (int f = 2; f <= 760; ++f) GUI_Info_Tick();
    EXPECT_EQ(GUI_Infoanzahl, 1);
    GUI_Info_Tick();  // frame 761
    EXPECT_EQ(GUI_Infoanzahl, 0);
    EXPECT_EQ(audio.gespielt.size(), 1u);
}

TEST_F(Info, ZweiNachrichtenKommenEinenAbstandNacheinander) {
    shell.form = 1296;
    shell.client = 1280;
    // The travel distance 1296 - 214 + 8 = 1090 pixels: 70 pixels take 48 frames.
    EXPECT_EQ(GUI_Info_Abstand(), 48);
    GUI_Info_add(250, 7, "a");
    GUI_Info_add(251, 8, "b");
    EXPECT_EQ(GUI_Infoversatz, 96);
    EXPECT_EQ(GUI_Infoliste[1].Restzeit, 760 + 48);
    EXPECT_EQ(frames_bis_klang(10), 1);
    EXPECT_EQ(frames_bis_klang(100), 48);
    EXPECT_EQ(GUI_Infoversatz, 96 - 49);
}

TEST_F(Info, AbstandBleibtBeiSchmalemFensterPositiv) {
    for (int breite : {214, 100, 0, -50}) {
        shell.form = shell.client = breite;
        EXPECT_EQ(GUI_Info_Abstand(), 1) << breite;
    }
    shell.form = shell.client = 53200 + 214;
    EXPECT_EQ(GUI_Info_Abstand(), 1);
    shell.form = shell.client = 214 + 760;
    EXPECT_EQ(GUI_Info_Abstand(), 70);
}

TEST_F(Info, KategorienUndUnbekannteEreignisse) {
    GUI_Au = false;
    GUI_Info_add(246, -1, "Gespeichert als Quicksave");
    GUI_Info_add(247, -1, "");
    EXPECT_EQ(GUI_Infoanzahl, 0);
    EXPECT_EQ(GUI_Infoversatz, 0);
    GUI_Cl = false;
    GUI_Info_add(2, -1, "");
    GUI_Info_add(249, -1, "");
    GUI_Info_add(250, -1, "Tod");
    EXPECT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(fang.nehmen(), "");
    GUI_Info_add(252, 3, "neu");
    EXPECT_EQ(fang.nehmen(), "GUI_Info_add > nicht abgefangenes Event 252");
    ASSERT_EQ(GUI_Infoanzahl, 2);
    EXPECT_EQ(GUI_Infoliste[1].Event, 252);
    EXPECT_EQ(GUI_Infoliste[1].Text, "neu");
}

TEST_F(Info, GehalteneNachrichtZaehltNichtUndKlingtNurEinmal) {
    GUI_Info_add(250, -1, "a");
    GUI_Info_add(250, -1, "b");
    GUI_In = true;
    Kamera_ziehen = true;
    ui.gezogen = true;
    ui.wert = 0;
    // The held message keeps its time and the delay does not fall; the other counts on.
    for (int f = 0; f < 200; ++f) GUI_Info_Tick();
    EXPECT_EQ(GUI_Infoliste[0].Restzeit, 760);
    EXPECT_EQ(GUI_Infoliste[1].Restzeit, 760 + 49 - 200);
    EXPECT_EQ(GUI_Infoversatz, 98);
    EXPECT_EQ(audio.gespielt.size(), 1u);  // only the second, as it came up

    // Held just after coming up: no sound every frame.
    ui.gezogen = false;
    GUI_Info_Tick();
    EXPECT_EQ(GUI_Infoliste[0].Restzeit, 759);
    ui.gezogen = true;
    for (int f = 0; f < 50; ++f) GUI_Info_Tick();
    EXPECT_EQ(audio.gespielt.size(), 2u);
}

TEST_F(Info, EntfernenUndLeeren) {
    for (int e : {250, 251, 253, 254}) GUI_Info_add(e, e, "");
    GUI_Info_entfernen(1);
    ASSERT_EQ(GUI_Infoanzahl, 3);
    EXPECT_EQ(GUI_Infoliste[1].Event, 254);  // the last took its place
    GUI_Info_entfernen(3);
    EXPECT_NE(fang.nehmen(), "");
    EXPECT_EQ(GUI_Infoanzahl, 3);
    GUI_Info_leeren();
    EXPECT_EQ(GUI_Infoanzahl, 0);
    GUI_Info_add(255, 1, "x");
    EXPECT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(GUI_Infoliste[0].Event, 255);
}

}  // namespace

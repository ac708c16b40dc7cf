// Multiplayer set-up window and interactive edict window around the centre (400, 300).
#include "ui/Fenster_Lobby.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "common/GLKontext.h"
#include "common/ProgrammOrdner.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "platform/base/Text1252.h"
#include "ui/Fensterhilfe.h"
#include "ui/MouseOver.h"
#include "ui/Panelhilfe.h"
#include "ui/Fensterprimitive.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "foundation/Spielstatus.h"
#include "world/Kartengenerator.h"

using bhmtest::M;
using bhmtest::Nichts;
using bhmtest::Was;

namespace {

constexpr int cx = 400, cy = 300;

struct Lobby_zuruecksetzen {
    Lobby_zuruecksetzen() = default;
    Lobby_zuruecksetzen(const Lobby_zuruecksetzen&) = delete;
    Lobby_zuruecksetzen& operator=(const Lobby_zuruecksetzen&) = delete;
    ~Lobby_zuruecksetzen() {
        Lobby_Spieler = {};
        IFU_Lobby_aktiv = false;
        IAU_Edikte.clear();
        IAU_Auswahl_1 = IAU_Auswahl_2 = 0;
        SpielerID = 0;
        MG_Einstellungen_zuruecksetzen();
    }
};

// Reports shown, the large frame with coded lists, the set-up and edict state put back afterwards.
class Fensterprobe : public ::testing::Test {
protected:
    void SetUp() override {
        GL_NOETIG();
        Error_Silence = false;
        buehne_.emplace();
    }
    bhmtest::Grossbild& bild() { return buehne_->bild; }

private:
    bhmtest::ProgrammOrdner ordner_;
    Lobby_zuruecksetzen zurueck_;
    std::optional<bhmtest::Fensterbuehne> buehne_;
};
using Ediktfenster = Fensterprobe;
using Lobbyfenster = Fensterprobe;

}  // namespace

TEST_F(Ediktfenster, FrameSplitsIntoFourAndThreeUnitPieces) {
    auto& bild = this->bild();
    struct Fall {
        int hoehe;
        std::vector<int> vier_y, drei_y;
        int unten_y;
    };
    const int Y = 50;
    for (const Fall& f : {Fall{0, {}, {}, Y + 48}, Fall{-2, {}, {}, Y + 48},
                          Fall{7, {Y + 48}, {Y + 112}, Y + 160}, Fall{5, {Y + 48, Y + 112}, {}, Y + 176},
                          Fall{13, {Y + 48}, {Y + 112, Y + 160, Y + 208}, Y + 256}}) {
        bild.loeschen();
        IFU_Ediktrahmen_zeichnen(cx, Y, f.hoehe);
        const Bild b = bild.lesen();
        EXPECT_EQ(Was(b, cx - 256, Y), M(297)) << f.hoehe;
        EXPECT_EQ(Was(b, cx, Y), M(298)) << f.hoehe;
        std::vector<int> vier, drei;
        for (auto [x, y] : bhmtest::Orte(b, M(301))) vier.push_back(y);
        for (auto [x, y] : bhmtest::Orte(b, M(299))) drei.push_back(y);
        EXPECT_EQ(vier, f.vier_y) << f.hoehe;
        EXPECT_EQ(drei, f.drei_y) << f.hoehe;
        EXPECT_EQ(bhmtest::Orte(b, M(302)).size(), f.vier_y.size()) << "right pieces";
        EXPECT_EQ(Was(b, cx - 256, f.unten_y), M(303)) << f.hoehe;
        EXPECT_EQ(Was(b, cx, f.unten_y), M(304)) << f.hoehe;
    }
    // The window's radio buttons and buttons come first at depth 1000; under the strictly-less
    // rule the interface pass draws windows with, the frames drawn after them must not cover them.
    bild.loeschen();
    IFU_Icon_zeichnen(cx - 256, Y, 1000, 306);
    IFU_Ediktrahmen_zeichnen(cx, Y, 7);
    const Bild b = bild.lesen();
    EXPECT_EQ(Was(b, cx - 256, Y), M(306));
    EXPECT_EQ(Was(b, cx, Y), M(298));
}

TEST_F(Ediktfenster, LawsDurationsButtonsAndTheFourFrames) {
    auto& bild = this->bild();
    Edikt_Data e;
    e.Count = 2;
    e.Timestep = 2;
    e.Zeiten = {0, 4, 3};
    IAU_Edikte = {Edikt_Data{}, e};
    IAU_Auswahl_1 = 1;
    IAU_Auswahl_2 = 3;
    IFU_Edikt_Intraktiv_Panel_call(1);
    Bild b = bild.lesen();
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(Was(b, cx - 220, cy - 115 + 40 * i), M(i == 1 ? 306 : 305)) << "law " << i;
        EXPECT_EQ(Was(b, cx - 250, cy - 115 + 40 * i), M(307)) << "law " << i;
    }
    EXPECT_EQ(Was(b, cx - 220, cy - 115 + 120), Nichts);
    EXPECT_EQ(Was(b, cx - 225, cy + 177), M(305));
    EXPECT_EQ(Was(b, cx - 100, cy + 177), Nichts);
    EXPECT_EQ(Was(b, cx + 155, cy + 177), M(306)) << "the chosen duration";
    EXPECT_EQ(Fehlertext,
              W("IFU_Edikt_Intraktiv_Panel_call -> Zeitkomponente(1) -> hat ungültigen Timestep(4)"));
    // Frame tops: 347 above the centre (a frame of 600 rows is too low for the window, which
    // then keeps the centre), then 16 x 12 + 2, 16 x 31 + 4 (below the frame at 600 rows).
    EXPECT_EQ(Was(b, cx - 256, cy - 347 + 16 * 12 + 2), M(297));
    EXPECT_EQ(Was(b, cx, cy - 347 + 16 * 12 + 2), M(298));
    // Frame 2 has height 19 - 6 = 13: one 4-unit and three 3-unit pieces, bottom at +256.
    EXPECT_EQ(Was(b, cx - 256, cy - 347 + 194 + 256), M(303));
    // The whole window, from the top of frame 1 to the bottom of frame 4, fits the smallest
    // client area (700 rows, centre 350) with the title and the two buttons inside it.
    int hoehe = 0;
    for (int h : IFU_Ediktrahmen_Hoehen) hoehe += 16 * h + 2;
    EXPECT_LT(IFU_Ediktrahmen_Oben, 350);
    EXPECT_LT(hoehe - 2 - IFU_Ediktrahmen_Oben, 350);
    EXPECT_LT(-IFU_Ediktrahmen_Oben, -320) << "the title line lies inside frame 1";
    EXPECT_GT(hoehe - 2 - IFU_Ediktrahmen_Oben, 335) << "the buttons end inside frame 4";

    // An edict number outside the table is reported; the fixed parts are still drawn.
    bild.loeschen();
    IFU_Edikt_Intraktiv_Panel_call(5);
    b = bild.lesen();
    EXPECT_EQ(Fehlertext, "IFU_Edikt_Intraktiv_Panel_call -> Edikt nicht abgefangen : 5");
    EXPECT_EQ(Was(b, cx - 230, cy + 270), M(311));
    EXPECT_EQ(Was(b, cx + 166, cy + 270), M(310));
    EXPECT_EQ(Was(b, cx - 220, cy - 115), Nichts);
}

// The edict window lies whole inside the client area at every size: centred on the window
// centre where it fits there, moved as little as needed where the centre (half the form's outer
// height) stands below the client's middle, as a window manager's title bar makes it.
TEST(Ediktfenstermitte, DasFensterLiegtGanzImClientbereich) {
    struct Fall {
        int client_hoehe, mitte, erwartet;
    } faelle[] = {
        {700, 350, 350},   // the smallest client area, no frame: 3 rows above and below
        {700, 365, 353},   // a 30-row title bar: moved up to end at the client's last row
        {700, 340, 347},   // a centre above the middle: moved down to start at row 0
        {1080, 540, 540},  // full HD: centred
        {1080, 560, 560},  // room enough below
        {600, 300, 300},   // too low for the window: the centre is kept
    };
    const int mx = IFU_Fenstermitte_Y;
    for (const Fall& f : faelle) {
        bhmtest::Testschale schale(1280, f.client_hoehe);
        IFU_Fenstermitte_Y = f.mitte;
        const int m = IFU_Ediktfenster_Mitte_Y();
        EXPECT_EQ(m, f.erwartet) << f.client_hoehe << "/" << f.mitte;
        if (f.client_hoehe >= 694) {
            EXPECT_GE(m - IFU_Ediktrahmen_Oben, 0);
            EXPECT_LE(m - IFU_Ediktrahmen_Oben + 694, f.client_hoehe);
        }
    }
    IFU_Fenstermitte_Y = mx;
}

TEST_F(Lobbyfenster, RowsShowButtonsOnlyWhileTheListIsEdited) {
    auto& bild = this->bild();
    for (int k : {0, 1, 2, 4}) Lobby_Spieler[static_cast<std::size_t>(k)].Aktiv = true;
    Lobby_Spieler[1].Bonus1 = 3;
    Lobby_Spieler[1].Bonus2 = 4;
    SpielerID = 1;
    SingelGameGroessenWahl = 2;
    SingelGamerohstoffWahl = 0;
    SingelGameKILevel = 6;
    for (bool aktiv : {false, true}) {
        IFU_Lobby_aktiv = aktiv;
        bild.loeschen();
        IFU_SingelGame_Panel();
        const Bild b = bild.lesen();
        for (int n = 1; n <= 8; ++n) {
            const int d = 26 * (n - 1);
            const bool belegt = n == 1 || n == 2 || n == 3 || n == 5;
            EXPECT_EQ(Was(b, cx, cy - 198 + d), belegt ? M(204) : Nichts) << n;
            EXPECT_EQ(Was(b, cx + 40, cy - 193 + d), belegt && aktiv && n > 1 ? M(94) : Nichts) << n;
            if (n > 2) {
                EXPECT_EQ(Was(b, cx - 260, cy - 141 + 26 * (n - 3)), !aktiv   ? Nichts
                                                                     : belegt ? M(94)
                                                                              : M(95))
                    << n;
            }
        }
        // The viewed clan's row (2): two choosers, each a bonus marker between its arrows.
        EXPECT_EQ(Was(b, cx + 74, cy - 193 + 26), M(93));
        EXPECT_EQ(Was(b, cx + 106, cy - 197 + 26), M(187));
        EXPECT_EQ(Was(b, cx + 138, cy - 193 + 26), M(92));
        EXPECT_EQ(Was(b, cx + 172, cy - 193 + 26), M(93));
        EXPECT_EQ(Was(b, cx + 204, cy - 197 + 26), M(188));
        EXPECT_EQ(Was(b, cx + 236, cy - 193 + 26), M(92));
        EXPECT_EQ(Was(b, cx + 74, cy - 193), Nichts) << "row 1 is not the viewed clan";
    }
    EXPECT_TRUE(Fehlertext.empty());
}

// Every arrow of the set-up stands whole inside the hot zone of its action, and no arrow, bonus
// marker or level step lies under another.
TEST_F(Lobbyfenster, EveryArrowIsClearAndTakesTheClickOverItsPicture) {
    auto& bild = this->bild();
    Lobby_Spieler[0].Aktiv = true;
    IFU_Lobby_aktiv = true;
    SingelGameKILevel = 6;
    SingelGameGroessenWahl = SingelGamerohstoffWahl = 5;
    IFU_SingelGame_Panel();
    const Bild b = bild.lesen();
    bhmtest::Panelinhalt_kopieren(Programmpfad + "daten\\");
    MO_UIdat_laden();
    ASSERT_GT(MO_Zonen.size(), 39u);
    struct Bildchen {
        int x, y, b, h;
    };
    std::vector<Bildchen> alle;
    auto sammeln = [&](int modell, int breite, int hoehe) {
        for (const auto& [x, y] : bhmtest::Orte(b, M(modell)))
            alle.push_back({x - cx, y - cy, breite, hoehe});
    };
    sammeln(92, 32, 32);
    sammeln(93, 32, 32);
    const std::size_t pfeile = alle.size();
    EXPECT_EQ(pfeile, 10u) << "two choosers and three settings";
    sammeln(48, 32, 32);
    sammeln(177, 7, 22);
    sammeln(178, 7, 22);
    for (std::size_t i = 0; i < pfeile; ++i) {
        const Bildchen& p = alle[i];
        bool getroffen = false;
        for (const MO_Zone& z : MO_Zonen[39])
            getroffen = getroffen || (z[MO_Zone_X1] < p.x && p.x + p.b - 1 < z[MO_Zone_X2] &&
                                      z[MO_Zone_Y1] < p.y && p.y + p.h - 1 < z[MO_Zone_Y2]);
        EXPECT_TRUE(getroffen) << "arrow at " << p.x << "," << p.y;
        for (std::size_t j = 0; j < alle.size(); ++j) {
            const Bildchen& q = alle[j];
            if (j == i) continue;
            EXPECT_FALSE(p.x < q.x + q.b && q.x < p.x + p.b && p.y < q.y + q.h && q.y < p.y + p.h)
                << "arrow at " << p.x << "," << p.y << " and the picture at " << q.x << "," << q.y;
        }
    }
}

TEST_F(Lobbyfenster, SettingsBarsAndTheirReports) {
    auto& bild = this->bild();
    struct Fall {
        int groesse, rohstoff, ki;
        std::string meldung;
    };
    for (const Fall& f :
         {Fall{2, 4, 3, ""},
          Fall{7, 0, 1, "SingelGameGroessenWahl konnte nicht als Trackbar dargestellt werden :7"},
          Fall{0, 6, 1, "SingelGamerohstoffWahl konnte nichtals Trackbar dargestellt werden :6"},
          Fall{0, 0, 9, "SingelGameKILevel konnte nicht als Trackbar dargestellt werden :9"}}) {
        Fehler_zuruecksetzen();
        SingelGameGroessenWahl = f.groesse;
        SingelGamerohstoffWahl = f.rohstoff;
        SingelGameKILevel = f.ki;
        bild.loeschen();
        IFU_SingelGame_Panel();
        const Bild b = bild.lesen();
        EXPECT_EQ(Fehlertext, f.meldung);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(Was(b, cx - 190 + 15 * (i + 1), cy + 94), M(i < f.groesse ? 177 : 178))
                << "size step " << i;
            EXPECT_EQ(Was(b, cx + 45 + 15 * (i + 1), cy + 67), M(i < f.rohstoff + 1 ? 177 : 178)) << i;
            EXPECT_EQ(Was(b, cx + 33 + 7 * (i + 1), cy + 120), M(i < f.ki ? 177 : 178)) << i;
        }
        EXPECT_EQ(Was(b, cx - 217, cy + 196), M(181));
        EXPECT_EQ(Was(b, cx - 272, cy - 247), M(176));
    }
}

// Build window, statistics menu and object info window around the centre (400, 300).
#include "ui/Fenster_Bau.h"

#include <gtest/gtest.h>

#include <optional>

#include "common/GLKontext.h"
#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Schablonen.h"
#include "population/Personen.h"
#include "platform/base/Text1252.h"
#include "render/Interfaceatlas.h"
#include "render/Szenenhilfe.h"
#include "ui/Fensterhilfe.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Lobby.h"
#include "foundation/Spielstatus.h"

using bhmtest::Bi;
using bhmtest::M;
using bhmtest::Nichts;
using bhmtest::Wa;
using bhmtest::Was;

namespace {

constexpr int cx = 400, cy = 300;

// n building templates of mode "Produktion"; the listed ones are start buildings (never offered).
void bauvorlagen(int n, std::initializer_list<int> start = {}) {
    SBU_Objekte.clear();
    for (int i = 0; i < n; ++i) SBU_Objekte.push_back(bhmtest::Gebaeude("Produktion"));
    for (int i : start) SBU_Objekte[static_cast<std::size_t>(i)].Modus = "Start";
}

// The human clan in row 0 with m members.
void menschenclan(int m = 0) {
    Spieler.assign(1, Spielerzeile{});
    Spieler[0].Mitglieder() = m;
    SpielerID = 0;
}

struct Fensterzustand_zuruecksetzen {
    Fensterzustand_zuruecksetzen() = default;
    Fensterzustand_zuruecksetzen(const Fensterzustand_zuruecksetzen&) = delete;
    Fensterzustand_zuruecksetzen& operator=(const Fensterzustand_zuruecksetzen&) = delete;
    ~Fensterzustand_zuruecksetzen() {
        BMU_Seitenanfang = 0;
        Mouseoverfunktion_Nummer = 0;
        Mouseoverfunktion_Wert = 0;
        Statistik_Kategorie = 1;
        IFU_Statmenu_Liste.clear();
        Objektinfo_offen = false;
        Gewaehltes_Objekt = -1;
        IFU_Anzeigezaehler = 0;
        ML_Diagrammtextur.reset();
    }
};

// A clean world, the large frame with coded lists and the human clan in row 0.
class Fensterprobe : public ::testing::Test {
protected:
    void SetUp() override {
        GL_NOETIG();
        welt_.emplace();
        buehne_.emplace();
        menschenclan();
    }
    bhmtest::Grossbild& bild() { return buehne_->bild; }

private:
    std::optional<bhmtest::Kernwelt> welt_;
    Fensterzustand_zuruecksetzen zurueck_;
    std::optional<bhmtest::Fensterbuehne> buehne_;
};
using Baufenster = Fensterprobe;
using Statistikgrafik = Fensterprobe;
using Objektinfo = Fensterprobe;

}  // namespace

TEST_F(Baufenster, CellsHoldTheOfferedTypesFromThePageStart) {
    auto& bild = this->bild();
    bauvorlagen(9, {2});
    menschenclan();
    BMU_Seitenanfang = 0;
    IFU_Baufenster_Panel();
    const Bild b = bild.lesen();
    const int typen[] = {0, 1, 3, 4, 5, 6, 7, 8};
    for (int i = 0; i < 8; ++i) {
        const int c = i % 6, r = i / 6;
        EXPECT_EQ(Was(b, cx - 244 + 84 * c, cy - 156 + 80 * r), Bi(typen[i])) << "cell " << i;
        EXPECT_EQ(Was(b, cx - 253 + 84 * c, cy - 165 + 80 * r), M(89)) << "frame of cell " << i;
    }
    EXPECT_EQ(Was(b, cx - 253 + 84 * 2, cy - 165 + 80), Nichts) << "after the last type the cells stay empty";
    EXPECT_EQ(Was(b, cx - 120, cy - 221), Nichts) << "first page";
    EXPECT_EQ(Was(b, cx + 110, cy - 221), Nichts) << "fewer than 25 types follow the page start";
    EXPECT_EQ(Was(b, cx - 272, cy - 80 - 273 + 3 * 26), M(176)) << "background 80 pixels higher";
}

TEST_F(Baufenster, TheHoverBoxCoversFiveByThreeCellsAndStaysInsideTheGrid) {
    auto& bild = this->bild();
    bauvorlagen(40);
    menschenclan();
    BMU_Seitenanfang = 2;
    Mouseoverfunktion_Nummer = 26;
    struct Fall {
        int c, r;    // the hovered cell
        int bc, br;  // where its box starts
    };
    // In the last column or the last row the box moves left or up instead of hanging out of
    // the window; the hovered type's icon stands at the box's corner, on the box.
    for (const Fall& f : {Fall{1, 0, 1, 0}, Fall{5, 0, 1, 0}, Fall{0, 3, 0, 1}, Fall{5, 3, 1, 1}}) {
        bild.loeschen();
        Mouseoverfunktion_Wert = 2 + f.r * 6 + f.c;
        IFU_Baufenster_Panel();
        const Bild b = bild.lesen();
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 6; ++c) {
                if (c == f.bc && r == f.br) continue;
                const bool verdeckt = c >= f.bc && c < f.bc + 5 && r >= f.br && r < f.br + 3;
                EXPECT_EQ(Was(b, cx - 244 + 84 * c, cy - 156 + 80 * r), verdeckt ? Nichts : Bi(2 + r * 6 + c))
                    << f.c << "," << f.r << ": cell " << c << "," << r;
                if (!verdeckt) {
                    EXPECT_EQ(Was(b, cx - 253 + 84 * c, cy - 165 + 80 * r), M(89)) << c << "," << r;
                }
            }
        EXPECT_EQ(Was(b, cx - 244 + 84 * f.bc, cy - 156 + 80 * f.br), Bi(Mouseoverfunktion_Wert))
            << f.c << "," << f.r;
        const int x = cx - 253 + 84 * f.bc, d = 80 * f.br;
        EXPECT_EQ(Was(b, x, cy - 165 + d), M(292));
        for (int dy : {-101, -69, -37, -5}) EXPECT_EQ(Was(b, x, cy + dy + d), M(293)) << dy;
        EXPECT_EQ(Was(b, x, cy + 11 + d), M(294));
        EXPECT_EQ(Was(b, cx - 120, cy - 221), M(93)) << "a page before";
        EXPECT_EQ(Was(b, cx + 110, cy - 221), M(92)) << "a page after";
    }
}

TEST_F(Baufenster, TheHoveredIconShowsOnItsBox) {
    // The real drawing: the box is opaque and lies at the icons' depth.
    auto& bild = this->bild();
    bauvorlagen(8);
    menschenclan();
    BMU_Seitenanfang = 0;
    Mouseoverfunktion_Nummer = 26;
    Mouseoverfunktion_Wert = 5;
    for (int m : {292, 293, 294}) {
        glDeleteLists(ML_Interfacemodelle[static_cast<std::size_t>(m)], 1);
        const GLuint l = glGenLists(1);
        glNewList(l, GL_COMPILE);
        glColor3ub(7, 1, 99);
        glRectf(0, 64, 420, 0);
        glColor3ub(255, 255, 255);
        glEndList();
        ML_Interfacemodelle[static_cast<std::size_t>(m)] = l;
    }
    IFU_Baufenster_Panel();
    EXPECT_EQ(Was(bild.lesen(), cx - 244 + 84, cy - 156), Bi(5));
}

TEST_F(Baufenster, MemberStepsShowTheRestOfTwentyFive) {
    auto& bild = this->bild();
    bauvorlagen(1);
    for (auto [m, rest] : {std::pair{26, 1}, {25, 25}, {0, 25}, {51, 1}, {30, 5}}) {
        menschenclan(m);
        bild.loeschen();
        IFU_Baufenster_Panel();
        const Bild b = bild.lesen();
        // The last empty step of copy q = 2, bar j stands at cx - 270 + 10 + 17 j + 6 * 17.
        for (int j = 0; j < 25; ++j)
            EXPECT_EQ(Was(b, cx - 270 + 10 + 17 * j + 102, cy - 246), j < rest ? M(178) : Nichts)
                << m << " members, bar " << j;
    }
}

TEST(Statistikmenue, ListTakesTheGroupsGoodsUpToTwentySeven) {
    bhmtest::Kernwelt welt;
    Fensterzustand_zuruecksetzen zurueck;
    for (int i = 0; i < 35; ++i) {
        Waren_Item w = bhmtest::Ware();
        w.Group = i % 7 == 3 ? "essen" : "Essen";
        SBU_Waren.push_back(w);
    }
    IFU_Statmenu_Liste_fuellen("Essen");
    ASSERT_EQ(IFU_Statmenu_Liste.size(), 27u);
    EXPECT_EQ(IFU_Statmenu_Liste.front(), 0);
    EXPECT_EQ(IFU_Statmenu_Liste[3], 4) << "the group name is compared with case";
    EXPECT_EQ(IFU_Statmenu_Liste.back(), 30);
    IFU_Statmenu_Liste_fuellen("essen");
    EXPECT_EQ(IFU_Statmenu_Liste, (std::vector<int>{3, 10, 17, 24, 31}));
    IFU_Statmenu_Liste_fuellen("Holz");
    EXPECT_TRUE(IFU_Statmenu_Liste.empty());
}

TEST_F(Statistikgrafik, CategoriesGroupsGoodsAndTheChart) {
    auto& bild = this->bild();
    // The chart: first image row red, second blue; the first row shows at the bottom.
    const std::uint8_t px[] = {200, 0, 0, 200, 0, 0, 0, 0, 200, 0, 0, 200};
    ML_Diagrammtextur = TglBitmap2D::CreateFromPixels(2, 2, tfRGB8, const_cast<std::uint8_t*>(px));
    ML_Diagrammtextur->GenTexture(true);
    SBU_Warengruppen = {{"Alle", 0}, {"Essen", 5}, {"Holz", 9}, {"Stein", 12}};
    IFU_Statmenu_Liste = {7, 8, 11};
    Statistik_Kategorie = 2;
    IFU_Statmenu();
    Bild b = bild.lesen();
    EXPECT_EQ(Was(b, cx - 135, cy - 215), M(207));
    EXPECT_EQ(Was(b, cx - 15, cy - 215), M(206));
    EXPECT_EQ(Was(b, cx + 105, cy - 215), M(205));
    const int d = 469 / 2, erste[] = {5, 9, 12};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Was(b, cx + 300, cy - 247 + (i - 1) * d), M(181)) << i;
        EXPECT_EQ(Was(b, cx + 271, cy - 250 + (i - 1) * d), Wa(erste[i - 1])) << i;
    }
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(Was(b, cx - 198 + 32 * j, cy - 146), Wa(IFU_Statmenu_Liste[static_cast<std::size_t>(j)]));
    const auto farbe = [&b](int x, int y) {
        return std::array<int, 3>{b.Zeile(y)[3 * x], b.Zeile(y)[3 * x + 1], b.Zeile(y)[3 * x + 2]};
    };
    EXPECT_EQ(farbe(cx - 250 + 250, cy + 18 + 190), (std::array<int, 3>{200, 0, 0}))
        << "first row at the bottom";
    EXPECT_EQ(farbe(cx - 250 + 250, cy + 18 + 10), (std::array<int, 3>{0, 0, 200}));
    EXPECT_EQ(farbe(cx - 250 + 2, cy + 18 + 100)[2] + farbe(cx - 250 + 2, cy + 18 + 100)[0] > 0, true);
    EXPECT_EQ(farbe(cx + 255, cy + 118), (std::array<int, 3>{0, 0, 0})) << "500 pixels wide";
    EXPECT_TRUE(Fehlertext.empty());
    ML_Diagrammtextur->BindTexture(true);
    GLint mag = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
    EXPECT_EQ(mag, GL_NEAREST);
    ML_Diagrammtextur->UnbindTexture(true);

    // A single group stands at the top.
    SBU_Warengruppen = {{"Alle", 0}, {"Essen", 5}};
    bild.loeschen();
    IFU_Statmenu();
    b = bild.lesen();
    EXPECT_EQ(Was(b, cx + 300, cy - 247), M(181));
    EXPECT_EQ(Was(b, cx + 271, cy - 250), Wa(5));

    Statistik_Kategorie = 3;
    bild.loeschen();
    IFU_Statmenu();
    b = bild.lesen();
    EXPECT_EQ(Was(b, cx - 198, cy - 146), M(225));
    EXPECT_EQ(Was(b, cx - 198 + 32 * 12, cy - 146), M(237));
    EXPECT_EQ(Was(b, cx - 198, cy - 94), M(238));
    EXPECT_EQ(Was(b, cx - 198 + 32 * 12, cy - 94), M(236));
    EXPECT_EQ(Was(b, cx + 300, cy - 247), Nichts) << "no groups in category 3";

    Statistik_Kategorie = 4;
    bild.loeschen();
    IFU_Statmenu();
    b = bild.lesen();
    EXPECT_EQ(Fehlertext, "IFU_Statmenu_mi_atr konnten nicht gelesen werden: 4");
    EXPECT_EQ(Was(b, cx - 198, cy - 146), Nichts);
    EXPECT_EQ(farbe(cx, cy + 18 + 190), (std::array<int, 3>{200, 0, 0})) << "the chart is still drawn";
    EXPECT_EQ(Was(b, cx - 272, cy - 247), M(176));
}

namespace {

// Object 0 of the human clan on cell 5, template 0, slots closed.
void objekt(int besitzer = 0, const std::string& modus = "Produktion") {
    SBU_Objekte = {bhmtest::Gebaeude(modus)};
    Objekte.assign(1, Objektzeile{});
    Objektzeile& z = Objekte[0];
    z.Feld() = 5;
    z.Besitzer() = besitzer;
    z.Typ() = 0;
    for (int k = 0; k < Objekt_Warenslots; ++k) z.Slot_Ware(k) = -1;
    OB_Objekt_anlegen(0);
    Gewaehltes_Objekt = 0;
    Objektinfo_offen = true;
}

}  // namespace

TEST_F(Objektinfo, WorkerSlotsGoodsSlotsAndMaterials) {
    auto& bild = this->bild();
    menschenclan(3);
    objekt();
    Personen.assign(4, Personenzeile{});
    Personen[1].Geschlecht() = 1;
    Personen[2].Geschlecht() = 2;
    Personen[3].Geschlecht() = 3;
    auto& s = OB_Slots[0];
    s[0] = {0, -1};  // open, empty
    s[1] = {0, 1};   // a man
    s[2] = {0, 2};   // a woman
    s[3] = {1, 1};   // dismissal pending
    s[4] = {0, 3};   // neither
    Objektzeile& z = Objekte[0];
    z.Slot_Ware(0) = 3;
    z.Slot_Ware(1) = 4;
    z.Slot_Raeumen(1) = 1;
    z.Slot_Ware(3) = 0;
    z.Baumaterial_Rest(1) = 2;
    z.Baumaterial_Ware(1) = 6;
    z.Baumaterial_Rest(2) = 0;
    z.Baumaterial_Ware(2) = 7;
    // The demolition button is an image of the interface atlas.
    ITF_Elemente.assign(10, Interface_Item{});
    ITF_Elemente[9].Titel = IFU_Abrissknopf_Bild;
    IFU_Objektinfo_Panel();
    Bild b = bild.lesen();
    const auto slot_x = [](int s) { return cx + IFU_Objektinfo_Slot_X + IFU_Objektinfo_Slot_Abstand * s; };
    const bhmtest::Treffer slots[] = {M(48), M(49), M(50), M(51), Nichts, Nichts};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(Was(b, slot_x(k), cy), slots[k]) << "slot " << k;
    EXPECT_EQ(Fehlertext, W("Beim öffnen konnte nicht abgefragt werden, welches geschlecht die Person hat."));
    const int material_x = cx + IFU_Objektinfo_Material_X, material_y = cy + IFU_Objektinfo_Material_Y;
    EXPECT_EQ(Was(b, material_x + IFU_Objektinfo_Material_Abstand, material_y), Wa(6));
    EXPECT_EQ(Was(b, material_x + 2 * IFU_Objektinfo_Material_Abstand, material_y), Nichts);
    const bhmtest::Treffer waren[] = {Wa(3), M(51), Nichts, Wa(0), Nichts, Nichts};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(Was(b, cx - 120 + 40 * k, cy + 42), waren[k]) << "goods slot " << k;
    EXPECT_EQ(Was(b, cx - 80, cy + 90), Nichts) << "no harbour";
    EXPECT_EQ(Was(b, cx + IFU_Abrissknopf.x, cy + IFU_Abrissknopf.y), bhmtest::A(9))
        << "the demolition button";
    // The frame holds the twelve slots and the button.
    const int w = IFU_Objektinfo_Halbbreite;
    EXPECT_EQ(Was(b, cx - w, cy - 151), M(179)) << "the frame";
    EXPECT_EQ(Was(b, cx + w - 28, cy - 165), M(180));
    EXPECT_LE(cx - w + 28, slot_x(0));
    EXPECT_GE(cx + w - 28, slot_x(11) + 32);
    EXPECT_GE(cx + w - 28, cx + IFU_Abrissknopf.x + IFU_Abrissknopf.breite);
    EXPECT_TRUE(Objektinfo_offen);

    // While the display counter runs every open slot shows model 51.
    IFU_Anzeigezaehler = 3;
    bild.loeschen();
    IFU_Objektinfo_Panel();
    b = bild.lesen();
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Was(b, slot_x(k), cy), M(51)) << "slot " << k;
    IFU_Anzeigezaehler = 0;

    // Another clan's building: no workers, no materials, no demolition; its goods are shown.
    Objekte[0].Besitzer() = 1;
    Spieler.resize(2);
    bild.loeschen();
    IFU_Objektinfo_Panel();
    b = bild.lesen();
    EXPECT_EQ(Was(b, slot_x(1), cy), Nichts);
    EXPECT_EQ(Was(b, material_x + IFU_Objektinfo_Material_Abstand, material_y), Nichts);
    EXPECT_EQ(Was(b, cx + IFU_Abrissknopf.x, cy + IFU_Abrissknopf.y), Nichts);
    EXPECT_EQ(Was(b, cx - 120, cy + 42), Wa(3));
    ITF_Elemente.clear();
}

TEST_F(Objektinfo, HarbourButtonsOnlyWhenBuilt) {
    auto& bild = this->bild();
    objekt(0, "Hafen");
    IFU_Objektinfo_Panel();
    Bild b = bild.lesen();
    EXPECT_EQ(Was(b, cx - 80, cy + 90), M(243));
    EXPECT_EQ(Was(b, cx, cy + 90), M(242));
    EXPECT_EQ(Was(b, cx + 103, cy + 100), M(192));
    Objekte[0].Baumaterial_Rest(0) = 1;
    bild.loeschen();
    IFU_Objektinfo_Panel();
    b = bild.lesen();
    EXPECT_EQ(Was(b, cx - 80, cy + 90), Nichts);
}

TEST_F(Objektinfo, ClosesItselfWhenItsObjectIsGone) {
    auto& bild = this->bild();
    for (int fall = 0; fall < 3; ++fall) {
        objekt();
        if (fall == 0) Objekte[0].Feld() = 0;  // deleted
        if (fall == 1) Gewaehltes_Objekt = 7;  // no such row
        if (fall == 2) Gewaehltes_Objekt = -1;
        bild.loeschen();
        IFU_Objektinfo_Panel();
        EXPECT_FALSE(Objektinfo_offen) << fall;
        EXPECT_EQ(bhmtest::Gezeichnet(bild.lesen()), 0) << fall;
    }
}

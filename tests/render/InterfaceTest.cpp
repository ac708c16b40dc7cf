// The interface pass: element states by name, alignment, the panel elements by
// kind and the order of the frame (atlas, update countdown, windows).
#include "render/Interface.h"

#include <gtest/gtest.h>

#include "common/GLKontext.h"
#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Errungenschaften.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Info.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "population/Animation.h"
#include "population/Briefe.h"
#include "persistence/Spielstaende.h"
#include "population/Personen.h"
#include "render/Interfacezustaende.h"
#include "ui/Fensterhilfe.h"
#include "ui/InterfacePanel.h"
#include "ui/Panelschalter.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "world/Kartengenerator.h"

using bhmtest::A;
using bhmtest::Nichts;
using bhmtest::Was;

namespace {

// Puts the interface state the tests touch back to its start.
struct Oberflaeche_zuruecksetzen {
    ~Oberflaeche_zuruecksetzen() {
        ITP_Icons.clear();
        IFU_Panelschalter_zuruecksetzen();
        ITP_Panel_Schalter = {};
        TPU_Rangliste.fill(-1);
        LSU_Spielstand_Letzter = -1;
        Gewaehltes_Objekt = -1;
        Objektinfo_offen = Fenster36_offen = false;
        IFU_Updateanzeige_Zaehler = 0;
        Cursor_sichtbar = false;
        Lautstaerke = 0.2;
        ESU_Flags.fill(false);
        GUI_Info_zuruecksetzen();
        ITF_Texturkoordinaten.clear();
        ITF_Texturgroesse = 256;
        MG_Einstellungen_zuruecksetzen();
    }
};

// A main window of an 800 x 600 client area whose outer width is given.
struct Rahmenschale : ShellSeam {
    int form;
    explicit Rahmenschale(int f) : form(f) { Shell_setzen(this); }
    ~Rahmenschale() override { Shell_setzen(nullptr); }
    int Formbreite() override { return form; }
    int Clientbreite() override { return bhmtest::Grossbreite; }
    int Clienthoehe() override { return bhmtest::Grosshoehe; }
};

// Panel 0 shown (as the in-game bar) with the given elements.
void panel(std::vector<ITP_Icon_Item> elemente) {
    ITP_Icons = {std::move(elemente)};
    ITP_Panel_Schalter[ITP_InGameMain] = {true, 0};
}

ITP_Icon_Item element(int art, std::vector<int> bilder, int x, int y, std::string name = "", int align = 1) {
    ITP_Icon_Item e;
    e.Art = art;
    e.Bilder = std::move(bilder);
    e.X = x;
    e.Y = y;
    e.Name = std::move(name);
    e.Align = align;
    return e;
}

// Object 0 of clan 0 with twelve closed slots.
void objekt() {
    SBU_Objekte = {bhmtest::Gebaeude("Produktion")};
    Objekte.assign(1, Objektzeile{});
    Objekte[0].Feld() = 5;
    for (int k = 0; k < Objekt_Warenslots; ++k) Objekte[0].Slot_Ware(k) = -1;
    OB_Objekt_anlegen(0);
    Gewaehltes_Objekt = 0;
}

}  // namespace

TEST(Interfacezustaende, NamesGiveTheStateOfTheirSetting) {
    bhmtest::Kernwelt welt;
    Oberflaeche_zuruecksetzen zurueck;
    Spieler.assign(1, Spielerzeile{});
    SpielerID = 0;
    objekt();
    Personen.assign(2, Personenzeile{});
    Personen[1].Geschlecht() = 2;
    OB_Slots[0][0] = {0, 1};
    OB_Slots[0][3] = {0, -1};

    Spielgeschwindigkeit = 3;
    EXPECT_EQ(Draw_Checkbox_Zustand("$MainPlay4Buttom"), 0) << "no speed button lights at 3";
    Spielgeschwindigkeit = 4;
    EXPECT_EQ(Draw_Checkbox_Zustand("$MainPlay4Buttom"), 1);
    EXPECT_EQ(Draw_Checkbox_Zustand("$MainPlay2Buttom"), 0);
    Fil_Gps = true;
    EXPECT_EQ(Draw_Checkbox_Zustand(W("$Gebäudeproduktionsstopp")), 1) << "umlaut names in Windows-1252";
    EXPECT_EQ(Draw_Checkbox_Zustand("$Gebaeudeproduktionsstopp"), 0);
    EXPECT_EQ(Draw_Checkbox_Zustand("$Unbekannt"), 0);
    AutosaveCheck = true;
    EXPECT_EQ(Draw_Checkbox_Zustand("$Autosave"), 1);
    EXPECT_EQ(Draw_Checkbox_Zustand("$autosave"), 0) << "names compare with case";
    EXPECT_EQ(Draw_Checkbox_Zustand(""), 0);
    ESU_Flags[2] = true;
    EXPECT_EQ(Draw_Checkbox_Zustand("$CoinMA20"), 1);
    EXPECT_EQ(Draw_Checkbox_Zustand("$CoinMA5"), 0);
    ESU_Flags[50] = true;
    EXPECT_EQ(Draw_Checkbox_Zustand("$CoinHaus8"), 1);
    Objekte[0].Besetzung() = 11;
    EXPECT_EQ(Draw_Checkbox_Zustand("$Maximalebesetzung"), 1);
    EXPECT_EQ(Draw_Checkbox_Zustand("$Minimalebesetzung"), 0);
    Briefe.assign(1, Item_rec{1, {4}});
    EXPECT_EQ(Draw_Checkbox_Zustand("$MainNachrichtButtom"), 0) << "letters blink with the cursor";
    Cursor_sichtbar = true;
    EXPECT_EQ(Draw_Checkbox_Zustand("$MainNachrichtButtom"), 1);
    ITP_Panel_Schalter[ITP_SingelGameForschungAuswahl].sichtbar = true;
    EXPECT_EQ(Draw_Checkbox_Zustand("$MainForschungButtom"), 1);

    LSU_Spielstand_Letzter = 2;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$Savefound3"), 0);
    LSU_Spielstand_Letzter = 3;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$Savefound3"), 1);
    for (int p = 0; p <= 5; ++p) TPU_Rangliste[static_cast<std::size_t>(p)] = p;
    Rangliste_anzeigen = true;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$Rangliste6"), 1);
    EXPECT_EQ(Draw_Fenstericon_Zustand("$Rangliste5"), 0);
    EXPECT_EQ(Draw_Fenstericon_Zustand("$Rangliste4"), 0);
    Platzierungsmodus = true;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$Rangliste6"), 0);
    Platzierungsmodus = false;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliedGesperrtObjektSlot11"), 1);
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliedGesperrtObjektSlot0"), 0);
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliedFrauObjektSlot0"), 1);
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliedMannObjektSlot0"), 0);
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliedNixObjektSlot3"), 1);
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliedNixObjektSlot03"), 0) << "no leading zeros";
    Spieler[0].feld(73) = 256;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$ClanWarnung3"), 0) << "only the low byte counts";
    Spieler[0].feld(73) = 257;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$ClanWarnung3"), 1);
    Spieler[0].feld(59) = 2;
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliederHoch"), 2) << "a player field is taken unchanged";
    Spieler[0].feld(79) = 3;
    EXPECT_EQ(Draw_Fenstericon_Zustand(W("$Forschungsauswahl2grün")), 1);
    EXPECT_EQ(Draw_Fenstericon_Zustand(W("$Forschungsauswahl1grün")), 0);
    Spieler[0].feld(62) = 1;
    EXPECT_EQ(Draw_Fenstericon_Zustand(W("$GoldmünzenHoch")), 1);

    for (int ware : {0, -1, 5}) {
        Objekte[0].Slot_Ware(2) = ware;
        EXPECT_EQ(Draw_Warenicon_Nummer("$ProduktionsWare2"), ware);
    }
    EXPECT_EQ(Draw_Warenicon_Nummer("$ProduktionsWare6"), 0);
    Gewaehltes_Objekt = 9;
    EXPECT_EQ(Draw_Warenicon_Nummer("$ProduktionsWare2"), 0) << "a selection outside the table";
    EXPECT_EQ(Draw_Fenstericon_Zustand("$MitgliedGesperrtObjektSlot11"), 0);
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
}

TEST(Interfacezustaende, SliderPositions) {
    bhmtest::Kernwelt welt;
    Oberflaeche_zuruecksetzen zurueck;
    int n = -1;
    // The volume is kept as 0..1 (the slider step p sets p / 10): the knob stands at step p again.
    for (int p = 0; p <= 10; ++p) {
        Lautstaerke = p / 10.0;
        EXPECT_EQ(Draw_Slider_Wert("$MusikSlider", n), p);
        EXPECT_EQ(n, 10);
        EXPECT_EQ(Draw_Slider_Wert("$SFXSlider", n), p);
    }
    const std::pair<double, int> ausserhalb[] = {{0.2, 2}, {0.04, 0}, {0.96, 10}, {-0.5, 0}, {7.0, 10}};
    for (auto [v, stufe] : ausserhalb) {
        Lautstaerke = v;
        EXPECT_EQ(Draw_Slider_Wert("$MusikSlider", n), stufe) << v;
    }
    SingelGameGroessenWahl = 9;
    EXPECT_EQ(Draw_Slider_Wert("$LandSizeSlider", n), 9);
    EXPECT_EQ(n, 9);
    SpielerfarbeG = 57;
    EXPECT_EQ(Draw_Slider_Wert("$GreenSlider", n), 5);
    EXPECT_EQ(Draw_Slider_Wert("$Andere", n), 0);
    EXPECT_EQ(n, 10) << "every $ name has eleven positions";
    EXPECT_EQ(Draw_Slider_Wert("RedSlider", n), 0);
    EXPECT_EQ(n, 0) << "a name without $ has one";
}

TEST(Interface, AlignmentFollowsTheCodeAndTheFirstImage) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    Oberflaeche_zuruecksetzen zurueck;
    bhmtest::Grossbild bild;
    ITF_Texturkoordinaten = {{}, {0, 0, 0, 3, 2, 3}};  // image 1: 33 x 16 pixels, 48 x 16 in cells
    std::vector<ITP_Icon_Item> elemente;
    for (int a = 0; a <= 10; ++a) elemente.push_back(element(0, {1}, 0, 0, "", a));
    panel(elemente);
    struct Fall {
        bool vollbild;
        int formbreite;
        int x[11], y[11];
    };
    // Full screen: no frame; windowed with an 8-pixel frame on each side (outer width 816).
    for (const Fall& f : {Fall{true,
                               800,
                               {0, 0, 376, 752, 0, 376, 752, 0, 376, 752, 0},
                               {0, 0, 0, 0, 292, 292, 292, 584, 584, 584, 0}},
                          Fall{false,
                               816,
                               {0, 0, 376, 768, 0, 376, 768, 0, 376, 768, 0},
                               {0, 0, 0, 0, 292, 292, 292, 600 + 8 - 16 - 5, 587, 587, 0}}}) {
        Vollbild = f.vollbild;
        Rahmenschale schale(f.formbreite);
        for (int a = 0; a <= 10; ++a) {
            EXPECT_EQ(Draw_Ausrichtung_X(0, a), f.x[a]) << "Align " << a << " full screen " << f.vollbild;
            EXPECT_EQ(Draw_Ausrichtung_Y(0, a), f.y[a]) << "Align " << a << " full screen " << f.vollbild;
        }
    }
    EXPECT_TRUE(Fehlertext.empty());
    EXPECT_EQ(Draw_Ausrichtung_X(0, 11), 0);
    EXPECT_EQ(Fehlertext, "Draw_Ausrichtung_X > Element nicht abgefangen : 0/11");
    EXPECT_EQ(Draw_Ausrichtung_Y(3, 0), 0);
}

namespace {

// A 2 x 2 quad that keeps the current colour, in place of atlas list nr.
void farblose_liste(int nr) {
    const GLuint l = glGenLists(1);
    glNewList(l, GL_COMPILE);
    bhmtest::Viereck();
    glEndList();
    glDeleteLists(ITF_Listen[static_cast<std::size_t>(nr)], 1);
    ITF_Listen[static_cast<std::size_t>(nr)] = l;
}

std::array<int, 3> farbe(const Bild& b, int x, int y) {
    const std::uint8_t* p = b.Zeile(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST(Interface, PanelElementsByKind) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    Oberflaeche_zuruecksetzen zurueck;
    bhmtest::Fensterbuehne buehne;
    auto& bild = buehne.bild;
    Spieler.assign(2, Spielerzeile{});
    Spieler[1].feld(1) = 100;
    SpielerID = 0;
    objekt();
    Objekte[0].Slot_Ware(0) = 3;
    AutosaveCheck = true;
    SingelGameGroessenWahl = 9;
    SpielerfarbeR = 100;
    SpielerfarbeG = SpielerfarbeB = 0;
    Rangliste_anzeigen = true;
    TPU_Rangliste[1] = 1;
    GUI_Infoliste = {{1, 0, -1, ""}, {2, 380, -1, ""}, {1, GUI_Anzeigedauer, -1, ""}};
    GUI_Infoanzahl = 3;
    panel({element(0, {5}, 10, 20), element(2, {6, 7}, 30, 20, "$Autosave"),
           element(2, {6, 7}, 50, 20, "Autosave"), element(3, {8, 9}, 50, 60, "$LandSizeSlider"),
           element(5, {10, 11}, 10, 100, "$Savefound0"), element(5, {10, 12}, 30, 100, "$Savefound1"),
           element(7, {20, 21, 22}, 10, 140), element(4, {13}, 10, 180), element(6, {14}, 30, 180, "1"),
           element(6, {15}, 50, 180, "x1"), element(1, {16}, 70, 180, "$ProduktionsWare0"),
           element(0, {}, 90, 180)});
    LSU_Spielstand_Letzter = 0;
    farblose_liste(13);
    farblose_liste(14);
    Draw_Interface();
    const Bild b = bild.lesen();
    EXPECT_EQ(Was(b, 10, 20), A(5));
    EXPECT_EQ(Was(b, 30, 20), A(7)) << "a set check box";
    EXPECT_EQ(Was(b, 50, 20), A(6)) << "a name without $";
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(Was(b, 50 + 16 * i, 60), A(i == 9 ? 9 : 8)) << "slider position " << i;
    EXPECT_EQ(Was(b, 50 + 160, 60), Nichts);
    EXPECT_EQ(Was(b, 10, 100), A(11)) << "state 1";
    EXPECT_EQ(Was(b, 30, 100), Nichts) << "state 0";
    // The track is 800 - 214 pixels long: Restzeit 0 at its end, 380 half-way.
    EXPECT_EQ(Was(b, 10 + 586, 140), A(21));
    EXPECT_EQ(Was(b, 10 + 586 - 293, 140), A(22));
    EXPECT_EQ(Was(b, 10, 140), Nichts) << "a message whose time is up";
    EXPECT_EQ(farbe(b, 10, 180), (std::array<int, 3>{255, 0, 0})) << "tinted with the player colour";
    EXPECT_EQ(farbe(b, 30, 180), (std::array<int, 3>{0, 255, 0})) << "tinted with the colour of place 2";
    EXPECT_EQ(Was(b, 50, 180), Nichts) << "a ranking place that is no number";
    EXPECT_EQ(Was(b, 70, 180), bhmtest::Ge(2 + 3)) << "goods icon from the building lists";
    EXPECT_EQ(Fehlertext, "Draw_Panelelemente > Bild nicht abgefangen :  0") << "an element without images";
    EXPECT_EQ(SpielerfarbeR, 100) << "no game runs: the colour being edited stays";

    // While a game runs a slider copies the human player's colour.
    SSL = true;
    Spieler[0].feld(0) = 40;
    bild.loeschen();
    Draw_Panelregel();
    Draw_Panelelemente();
    EXPECT_EQ(SpielerfarbeR, 40);
    EXPECT_EQ(SpielerfarbeG, 0);
    SSL = false;
    Rangliste_anzeigen = false;
    bild.loeschen();
    Draw_Panelregel();
    Draw_Panelelemente();
    EXPECT_EQ(Was(bild.lesen(), 30, 180), Nichts) << "ranking colours only while the ranking is shown";
}

TEST(Interface, LaterElementAtTheSameDepthCoversTheEarlierOne) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    Oberflaeche_zuruecksetzen zurueck;
    bhmtest::Fensterbuehne buehne;
    auto& bild = buehne.bild;
    AutosaveCheck = true;
    // A frame, a button on it, a ticked box on the button and a slider over the frame: as the menus lay them.
    panel({element(0, {5}, 10, 20), element(0, {6}, 10, 20), element(2, {7, 8}, 10, 20, "$Autosave"),
           element(0, {5}, 60, 20), element(3, {9, 10}, 60, 20, "$MusikSlider")});
    Lautstaerke = 0.0;
    Draw_Interface();
    const Bild b = bild.lesen();
    EXPECT_EQ(Was(b, 10, 20), A(8)) << "the last of three elements at one place";
    EXPECT_EQ(Was(b, 60, 20), A(10)) << "the slider knob over the frame";
    GLint regel = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &regel);
    EXPECT_EQ(regel, GL_LESS) << "the world keeps its strictly-less rule";

    // The world is drawn afterwards: a sprite at the interface's own depth does not cover it.
    glPushMatrix();
    glTranslatef(10, 20, 10);
    glColor3ub(1, 2, 3);
    bhmtest::Viereck();
    glPopMatrix();
    glColor3f(1, 1, 1);
    EXPECT_EQ(Was(bild.lesen(), 10, 20), A(8));
}

TEST(Interface, FullWindowPictureAndNoPanel) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    Oberflaeche_zuruecksetzen zurueck;
    bhmtest::Fensterbuehne buehne;
    auto& bild = buehne.bild;
    ITF_Texturkoordinaten = {{0, 0, 0, 1, 0, 1}};
    panel({element(8, {0}, 50, 50, "", 5)});
    Draw_Panelregel();
    Draw_Panelelemente();
    Bild b = bild.lesen();
    EXPECT_EQ(farbe(b, 0, 0), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(farbe(b, 799, 599), (std::array<int, 3>{255, 255, 255}));

    // No panel shown: no element, the windows still run.
    ITP_Panel_Schalter = {};
    Fenster36_offen = true;
    IFU_Anzeigezaehler = 2;
    bild.loeschen();
    Draw_Interface();
    b = bild.lesen();
    EXPECT_EQ(farbe(b, 0, 0), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(Was(b, 400 - 272, 300 - 247), bhmtest::M(176)) << "window 36";
    EXPECT_EQ(IFU_Anzeigezaehler, 1);
}

TEST(Interface, AtlasBoundForThePanelThenWindowsAndTheUpdateCountdown) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    Oberflaeche_zuruecksetzen zurueck;
    bhmtest::Fensterbuehne buehne;
    auto& bild = buehne.bild;
    // An atlas of one colour and an image list without a colour of its own.
    ITF_Textur = bhmtest::Einfarbig(0, 160, 0);
    farblose_liste(0);
    panel({element(0, {0}, 20, 20)});
    ITP_Panel_Schalter[ITP_UpdatePanel] = {true, 0};
    IFU_Updateanzeige_Zaehler = 2;
    Objektinfo_offen = true;  // with no object: the window closes itself
    Draw_Interface();
    EXPECT_EQ(farbe(bild.lesen(), 20, 20), (std::array<int, 3>{0, 160, 0}));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "texturing is off after the pass";
    EXPECT_EQ(IFU_Updateanzeige_Zaehler, 1);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_UpdatePanel));
    EXPECT_FALSE(Objektinfo_offen);
    Draw_Interface();
    EXPECT_EQ(IFU_Updateanzeige_Zaehler, 0);
    EXPECT_FALSE(ITP_Panel_sichtbar(ITP_UpdatePanel)) << "the update panel closes itself";
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm)) << "and the start screen opens";
}

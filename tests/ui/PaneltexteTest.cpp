// The texts of a script panel: placeholders, colours, widths and anchors.
#include "ui/Paneltexte.h"

#include <gtest/gtest.h>

#include "app/GLForm.h"
#include "economy/Logik.h"
#include "economy/Sieg.h"
#include "foundation/Config.h"
#include "platform/base/Text1252.h"
#include "ui/Textausgabe.h"
#include "ui/Textschreiberhilfe.h"
#include "world/Kartengenerator.h"

namespace {

// One panel whose elements are the given items; they are printed once.
struct Panelwelt : bhmtest::Textwelt {
    TGLForm form;
    Panelwelt() {
        form.ClientWidth = 1000;
        form.ClientHeight = 700;
        GLForm = &form;
        Vollbild = false;
    }
    ~Panelwelt() {
        GLForm = nullptr;
        ITP_Texte.clear();
    }
    void panel(std::vector<ITP_Text_Item> elemente) { ITP_Texte = {{}, std::move(elemente)}; }
    void drucken() {
        senke.leeren();
        TPU_Paneltexte_von(1);
    }
};

ITP_Text_Item element(const std::string& text, const std::string& text2 = "") {
    ITP_Text_Item e;
    e.Text = text;
    e.Text2 = text2;
    e.Schrift = 2;
    return e;
}

std::string zeige(const std::string& text, const std::string& text2 = "") {
    ITP_Text_Item e = element(text, text2);
    return TPU_Elementtext(e);
}

}  // namespace

TEST(Paneltexte, CalendarDate) {
    Panelwelt welt;
    SZ = 3;
    struct Fall {
        int schritt;
        int tag;
        std::string datum;
    };
    const std::vector<Fall> faelle = {{0, 1, "1.Tiraxon.3"},
                                      {116, 30, "30.Tiraxon.3"},
                                      {120, 31, "1.Belumon.3"},
                                      {1436, 360, "30.Sarqion.3"},
                                      {1440, 361, "1..3"}};
    for (const auto& f : faelle) {
        Jahresschritt = f.schritt;
        EXPECT_EQ(TPU_Jahrestag(), f.tag) << f.schritt;
        EXPECT_EQ(zeige("$MainPlayTimeText"), f.datum) << f.schritt;
    }
    Jahresschritt = 0;
    SZ = 0;
}

TEST(Paneltexte, ClanFigures) {
    Panelwelt welt;
    Spielerzeile& s = Spieler[0];
    s.Mitglieder() = 4;
    s.Arbeitslose() = 1;
    s.Zufriedenheit() = 420;
    s.Baustellen() = 2;
    s.Baustellen_Max() = 5;
    EXPECT_EQ(zeige("$MitgliederText"), "1/4");
    EXPECT_EQ(zeige("$ZufriedenheitsText"), "100%") << "Ceil(105) capped at 100";
    s.Zufriedenheit() = 397;
    EXPECT_EQ(zeige("$ZufriedenheitsText"), "100%");
    s.Zufriedenheit() = 395;
    EXPECT_EQ(zeige("$ZufriedenheitsText"), "99%");
    EXPECT_EQ(zeige("$BaustellenText"), "2/5");
    EXPECT_EQ(zeige("$WarenText"), "0 St.");
    s.Mitglieder() = 0;
    EXPECT_EQ(zeige("$ZufriedenheitsText"), "") << "nobody to be content";
}

TEST(Paneltexte, GoldTurnsRedBelowThirtyAndTheElementKeepsItsColour) {
    Panelwelt welt;
    ITP_Text_Item gold = element(W("$GoldmünzenText"));
    welt.panel({gold});
    Spieler[0].Gold() = 29;
    welt.drucken();
    EXPECT_EQ(ITP_Texte[1][0].Art, 2);
    ASSERT_EQ(welt.senke.farben.size(), 1u);
    EXPECT_EQ(welt.senke.farben[0], (std::array<float, 3>{1, 0, 0}));
    EXPECT_EQ(welt.senke.texte(), std::vector<std::string>{"29"});
    Spieler[0].Gold() = 30;
    welt.drucken();
    EXPECT_EQ(ITP_Texte[1][0].Art, 0);
    EXPECT_EQ(welt.senke.farben[0], (std::array<float, 3>{0, 0, 0}));
}

TEST(Paneltexte, ConditionalSecondTexts) {
    Panelwelt welt;
    SingelGameTYPWahl = 3;
    EXPECT_EQ(zeige("$Karten3", "Inselwelt"), "Inselwelt");
    SingelGameTYPWahl = 2;
    EXPECT_EQ(zeige("$Karten3", "Inselwelt"), "") << "not the key";
    SingelGameKILevel = 6;
    EXPECT_EQ(zeige("$AILevel6", "Meister"), "Meister");
    EXPECT_EQ(zeige("$AILevel0", "Nie"), "") << "no such key";

    LSU_Spielstand_Letzter = 3;
    LSU_Spielstandliste[3] = {"Burg", "12:00"};
    LSU_Spielstandliste[4] = {"Alt", "13:00"};
    EXPECT_EQ(zeige("$Savefound3Name"), "Burg");
    EXPECT_EQ(zeige("$Savefound3Time"), "12:00");
    EXPECT_EQ(zeige("$Savefound3Start", "Laden"), "Laden");
    EXPECT_EQ(zeige("$Savefound4Name"), "");
    LSU_Spielstand_Letzter = -1;
    LSU_Spielstandliste = {};

    TPU_Updatestatus[9] = "fertig";
    EXPECT_EQ(zeige("$UpdateStatus9"), "fertig");
    TPU_Ladestatus_Zeilen[15] = "Karte";
    EXPECT_EQ(zeige("$LoadStatustext15"), "Karte");
    EXPECT_EQ(zeige("$LoadStatustext16"), "");
    TPU_Paneltexte_zuruecksetzen();
    TPU_Ladestatus_Zeilen[15].clear();
    SingelGameTYPWahl = SingelGameTYPWahl_Standard;
}

TEST(Paneltexte, RankingPlaces) {
    Panelwelt welt;
    Rangliste_anzeigen = true;
    TPU_Rangliste = {1, 0, -1, -1, -1, -1, -1, -1};
    Spieler[0].Zufriedenheit() = 640;
    Spieler[1].Mitglieder() = 0;
    EXPECT_EQ(zeige("$RanglistePlatz1"), "Moorleute:");
    EXPECT_EQ(zeige("$RanglistePlatz3"), "");
    EXPECT_EQ(zeige("$RanglistePlatz9"), "");
    SBLCb = true;
    EXPECT_EQ(zeige("$RanglistePlatz2Int"), "640") << "only the last-clan goal: the happiness sum";
    SBMAb = true;
    SBMAi = 200;
    EXPECT_EQ(zeige("$RanglistePlatz1Int"), "0%") << "a clan with nothing yet";
    Spieler[0].Mitglieder() = 150;
    SBGOb = true;
    SBGOi = 100;
    Spieler[0].Gold_gespeichert() = 90;
    EXPECT_EQ(zeige("$RanglistePlatz2Int"), "90%") << "the best of 75% and 90%";
    SBGOi = 0;
    EXPECT_EQ(zeige("$RanglistePlatz2Int"), "") << "a goal of 0 has no percentage";
    EXPECT_EQ(TPU_Ranglistenart(), 1);
    EXPECT_EQ(zeige("$RanglisteTitelText2", "Ziel"), "Ziel");
    EXPECT_EQ(zeige("$RanglisteTitelText3", "Letzter"), "");
    Platzierungsmodus = true;
    EXPECT_EQ(zeige("$RanglistePlatz1"), "");
    Platzierungsmodus = false;
    Rangliste_anzeigen = false;
    EXPECT_EQ(zeige("$RanglistePlatz1"), "");
    TPU_Rangliste.fill(-1);
}

TEST(Paneltexte, SelectedObject) {
    Panelwelt welt;
    Objekt_Item muehle = bhmtest::Gebaeude("Produktion");
    muehle.Titel = "Muehle";
    SBU_Objekte = {muehle};
    const int o = welt.objekt(0, 0);
    Gewaehltes_Objekt = o;
    Objekte[o].Slot_Ware(2) = 3;
    Objekte[o].Slot_Bestand(2) = 7;
    Objekte[o].Slot_Reserviert(2) = 2;
    Objekte[o].Slot_Ware(3) = 4;
    Objekte[o].Slot_Bestand(3) = 5;
    Objekte[o].Verkaufsmarge() = 12;
    EXPECT_EQ(zeige("$Objekt_Titel_Lang"), "Muehle");
    EXPECT_EQ(zeige("$ProduktionsWare2"), "7(-2)");
    EXPECT_EQ(zeige("$ProduktionsWare3"), "5");
    EXPECT_EQ(zeige("$ProduktionsWare0"), "");
    EXPECT_EQ(zeige("$Verkaufsmarge"), "12");
    EXPECT_EQ(zeige("$Ausbaustufe", "fertig"), "fertig");
    Objekte[o].Baumaterial_Rest(3) = 1;
    EXPECT_EQ(zeige("$Ausbaustufe", "fertig"), "");
    Gewaehltes_Objekt = -1;
}

TEST(Paneltexte, PlacementTextsOnlyInPlacementMode) {
    Panelwelt welt;
    Spieler[0].Mitglieder() = 8;
    Spieler[0].Gold() = 10;
    Bau_Platzwert_max = 20;
    EXPECT_EQ(zeige("$Baumodus", "$A%d Mitglieder"), "");
    Platzierungsmodus = true;
    EXPECT_EQ(zeige("$Baumodus", "$A%d Mitglieder"), "8 Mitglieder");
    EXPECT_EQ(zeige("$BaumodusEX", "$X%d"), "-10");
    Spieler[0].Gold() = 20;
    EXPECT_EQ(zeige("$BaumodusEX", "$X%d"), "");
    Platzierungsmodus = false;
    Bau_Platzwert_max = 0;
}

TEST(Paneltexte, ProductionLineOfTheObjectUnderTheMouse) {
    Panelwelt welt;
    Objekt_Item holz = bhmtest::Gebaeude("Produktion");
    holz.Slots[0].Benutzung = 7;
    SBU_Objekte = {holz};
    const int o = welt.objekt(0, 0);
    MO_Objekt_unter_Maus = o;
    Objekte[o].Zaehler() = -1;
    ITP_Text_Item zeile1 = element("$InterneProduktion", "$71Fortschritt %s");
    ITP_Text_Item zeile3 = element("$InterneProduktion", "$73Kein Baum");
    welt.panel({zeile1, zeile3});
    welt.drucken();
    EXPECT_EQ(welt.senke.texte(), std::vector<std::string>{"Kein Baum"});
    EXPECT_EQ(ITP_Texte[1][1].Art, 2) << "the shortage line is red";
    EXPECT_EQ(ITP_Texte[1][0].Art, 0);
    MO_Objekt_unter_Maus = -1;
}

TEST(Paneltexte, WidthsAnchorsAndJustification) {
    Panelwelt welt;
    ITP_Text_Item literal = element("Menue");
    literal.Breite = 100;  // measured at load
    literal.Ausrichtung = 2;
    literal.Align = 5;
    literal.X = 10;
    ITP_Text_Item rechts = element("$User");
    rechts.Ausrichtung = 3;
    rechts.Align = 9;
    rechts.X = -4;
    rechts.Y = -20;
    rechts.Schrift = 1;
    ITP_Text_Item fremd = element("$KeinSchluessel");
    ITP_Text_Item schrift3 = element("Nie");
    schrift3.Schrift = 3;
    ITP_Text_Item leer = element("");
    Spielername = "Ida";
    welt.panel({literal, rechts, fremd, schrift3, leer});
    welt.drucken();
    using bhmtest::Gedruckt;
    const std::vector<Gedruckt> erwartet = {{'P', 400 + 10 - 50, 300, "Menue"},
                                            {'2', 1000 - 4 - 24, 700 - 5 - 20, "Ida"}};
    EXPECT_EQ(welt.senke.zeilen, erwartet);
    EXPECT_EQ(ITP_Texte[1][0].Breite, 100) << "a literal keeps its width";
    EXPECT_EQ(ITP_Texte[1][1].Breite, 24) << "a placeholder is measured in its font";
    EXPECT_EQ(ITP_Texte[1][2].Breite, 0);

    Vollbild = true;
    EXPECT_EQ(TPU_Ankerursprung_Y(9), 700);
    EXPECT_EQ(TPU_Ankerursprung_X(0), 0);
    EXPECT_EQ(TPU_Ankerursprung_Y(10), 0);
    EXPECT_EQ(TPU_Anker_X(1, 1), 1000);
    EXPECT_EQ(TPU_Anker_Y(1, 0), 300);
    EXPECT_EQ(TPU_Anker_X(1, 9), 0);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
    Vollbild = false;

    welt.senke.leeren();
    TPU_Paneltexte_von(7);
    TPU_Paneltexte();
    EXPECT_TRUE(welt.senke.zeilen.empty()) << "no such panel, and no panel shown";
}

// Format strings, dollar codes and the production code of a map object.
#include "ui/Dollarcodes.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Bauvorschau.h"
#include "economy/Sieg.h"
#include "foundation/Config.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"
#include "ui/Textformat.h"
#include "ui/Textschreiberhilfe.h"
#include "persistence/Spielstaende.h"
#include "population/Arbeitsauftraege.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"

namespace {

std::string formatiert(const std::string& text) {
    std::string e = "alt";
    TPU_Dollarcode_formatieren(text, e);
    return e;
}

}  // namespace

TEST(Textformat, FormatsIntegersStringsAndPercentSigns) {
    struct Fall {
        std::string format;
        std::vector<TPU_Formatwert> werte;
        std::string erwartet;
    };
    const std::vector<Fall> faelle = {
        {"%d Mitglieder", {5LL}, "5 Mitglieder"},
        {"%s: %d", {std::string("Holz"), 3LL}, "Holz: 3"},
        {"100%%", {}, "100%"},
        {"%d", {-12LL}, "-12"},
        {"%3d|%-4s|", {7LL, std::string("a")}, "  7|a   |"},
        {"%1:s %0:s", {std::string("a"), std::string("b")}, "b a"},
        {"%.3d", {7LL}, "007"},
        {"%d/%d", {3LL}, "3/%d"},  // no argument left: the specifier stays
        {"%x und %", {1LL}, "%x und %"},
        {"%s", {42LL}, "42"},
        {"%d", {std::string("Text")}, "Text"},
    };
    for (const auto& f : faelle) EXPECT_EQ(TPU_Format(f.format, f.werte), f.erwartet) << f.format;
}

TEST(Dollarcodes, ClanFiguresFillTheFormat) {
    bhmtest::Textwelt welt;
    Spielerzeile& s = Spieler[0];
    s.Mitglieder() = 12;
    s.Arbeitslose() = 3;
    s.Wohnraum() = 20;
    s.Zufriedenheit() = 601;
    s.Vermoegen() = 250;
    s.Gold() = 40;
    Bau_Platzwert_max = 55;
    EXPECT_EQ(formatiert("$A%d Leute"), "12 Leute");
    EXPECT_EQ(formatiert("$B%d frei"), "3 frei");
    EXPECT_EQ(formatiert("$a%d Platz / %d"), "20 Platz / 12");
    EXPECT_EQ(formatiert("$N%d%s"), "51%") << "Ceil(601 / 12)";
    EXPECT_EQ(formatiert("$L%d (%d je Kopf)"), "250 (20 je Kopf)");
    EXPECT_EQ(formatiert("$X%d"), "-15");
    EXPECT_EQ(formatiert("$YText"), "$YText") << "a code no table lists leaves the text";
    EXPECT_EQ(formatiert("ohne Code"), "ohne Code");
    EXPECT_EQ(formatiert(""), "");

    // Quotients over no members give no text.
    s.Mitglieder() = 0;
    EXPECT_EQ(formatiert("$N%d%s"), "");
    EXPECT_EQ(formatiert("$L%d %d"), "");
    EXPECT_EQ(formatiert("$i%%"), "");
    WV = 0;
    EXPECT_EQ(formatiert("$M%d %d"), "");
}

TEST(Dollarcodes, WarningsShowTheirTextOnlyWhileTheConditionHolds) {
    bhmtest::Textwelt welt;
    Spielerzeile& s = Spieler[0];
    s.Mitglieder() = 10;
    s.Wohnraum() = 9;
    s.Alter_Summe() = 401;
    s.Zufriedenheit() = 260;
    s.Vermoegen_Vormonat() = 499;
    s.Arbeitslose() = 0;
    EXPECT_EQ(formatiert("$gAlle arbeiten 100%%"), "Alle arbeiten 100%");
    EXPECT_EQ(formatiert("$jWohnraum fehlt"), "Wohnraum fehlt");
    EXPECT_EQ(formatiert("$kAlt"), "Alt") << "40.1 > 40";
    EXPECT_EQ(formatiert("$lUnzufrieden"), "") << "26.0 is not below 26";
    EXPECT_EQ(formatiert("$iArm"), "Arm") << "49.9 < 50";
    s.Arbeitslose() = 1;
    s.Wohnraum() = 10;
    s.Alter_Summe() = 400;
    EXPECT_EQ(formatiert("$gAlle arbeiten"), "");
    EXPECT_EQ(formatiert("$jWohnraum fehlt"), "");
    EXPECT_EQ(formatiert("$kAlt"), "");
}

TEST(Dollarcodes, ZCodesAndGoals) {
    bhmtest::Textwelt welt;
    const std::string version = Version;
    Version = "1.4";
    EXPECT_EQ(formatiert("$ZaVersion %s"), "Version 1.4");
    EXPECT_EQ(formatiert("$Zc%d Clans"), "2 Clans");
    EXPECT_EQ(formatiert("$ZfKein Ziel"), "Kein Ziel");
    EXPECT_EQ(formatiert("$Zg%d"), "");
    EXPECT_EQ(formatiert("$Zz%d"), "") << "a sub-code outside a..j";
    EXPECT_EQ(formatiert("$Z"), "");
    MO_Info_Index = 5;
    EXPECT_EQ(formatiert("$Zd%s"), "") << "no such message";
    SBMAb = true;
    SBMAi = 300;
    EXPECT_EQ(formatiert("$ZfKein Ziel"), "");
    EXPECT_EQ(formatiert("$Zg%d Mitglieder"), "300 Mitglieder");
    MO_Info_Index = -1;
    Version = version;
}

TEST(Dollarcodes, MaterialOfThePlacedBuilding) {
    bhmtest::Textwelt welt;
    SBU_Waren = {bhmtest::Ware(), bhmtest::Ware()};
    SBU_Waren[1].Titel = "Holz";
    Objekt_Item haus = bhmtest::Gebaeude("Home");
    haus.Titel = "Kate";
    haus.Baukosten[0] = {-1, 0};
    haus.Baukosten[1] = {1, 4};
    SBU_Objekte = {haus};
    Bau_Typ = 0;
    EXPECT_EQ(formatiert("$p%s in %d"), "") << "no first material";
    EXPECT_EQ(formatiert("$q%s in %d"), "Holz ???") << "no object offers it";
    EXPECT_EQ(formatiert("$w%s setzen"), "Kate setzen");
    BPU_Sichtliste_Ende = 2;
    EXPECT_EQ(formatiert("$m%s: %d Plaetze"), "Kate: 3 Plaetze");
    BPU_Sichtliste_Ende = -1;
    Spieler[0].Baustellen() = 3;
    Sichtliste_Art_unter_Maus = 17;
    EXPECT_EQ(formatiert("$o%d %s%d%s"), "17 = (200%)");
    Bau_Typ = 5;
    EXPECT_EQ(formatiert("$w%s"), "");
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet()) << "an unknown building type is reported";
    Bau_Typ = 0;
}

TEST(Dollarcodes, ObjectUnderTheMouse) {
    bhmtest::Textwelt welt;
    SBU_Waren = {bhmtest::Ware(), bhmtest::Ware()};
    SBU_Waren[1].Titel = "Lehm";
    Objekt_Item ofen = bhmtest::Gebaeude("Produktion", 4);
    ofen.Titel = "Ofen";
    ofen.Slots[0].Benutzung = 2;
    Objekt_Item hof = bhmtest::Gebaeude("Produktion");
    hof.Titel = "Hof";
    SBU_Objekte = {ofen, hof};
    const int o = welt.objekt(0, 1);
    Objekte[o].Baumaterial_Ware(1) = 1;
    Objekte[o].Baumaterial_Rest(1) = 3;
    Objekte[o].Slot_Ware(0) = 1;
    Objekte[o].Slot_Bestand(0) = 5;
    Objekte[o].Zaehler() = 250;
    Spieler[1].Wohnraum() = 6;
    Spieler[1].Mitglieder() = 4;
    MO_Objekt_unter_Maus = o;
    MO_Objektart_unter_Maus = 2;
    EXPECT_EQ(formatiert("$t%s"), "Ofen");
    EXPECT_EQ(formatiert("$uvon %s"), "von Moorleute");
    EXPECT_EQ(formatiert("$2%d %s fehlen"), "3 Lehm fehlen");
    EXPECT_EQ(formatiert("$1%d %s fehlen"), "");
    EXPECT_EQ(formatiert("$6%d/%d"), "5/9");
    EXPECT_EQ(formatiert("$5%d/%d Arbeiter"), "0/4 Arbeiter");
    EXPECT_EQ(formatiert("$8%d/%d"), "6/4");
    EXPECT_EQ(formatiert("$71%s fertig"), "25% fertig");
    EXPECT_EQ(formatiert("$72%s"), "");

    // A planned site names its template and has nothing else to show.
    MO_Objekt_unter_Maus = 1;
    MO_Objektart_unter_Maus = 1;
    EXPECT_EQ(formatiert("$t%s"), "Hof");
    EXPECT_EQ(formatiert("$u%s"), "");
    EXPECT_EQ(formatiert("$71%s"), "");
    MO_Objekt_unter_Maus = -1;
    MO_Objektart_unter_Maus = 0;
    EXPECT_EQ(formatiert("$u%s"), "");
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet()) << "nothing under the mouse is no fault";
}

TEST(Dollarcodes, WorkerConditionsTurnTheTextRedUntilTheNextCall) {
    bhmtest::Textwelt welt;
    SBU_Objekte = {bhmtest::Gebaeude("Produktion")};
    const int o = welt.objekt(0, 0);
    Personen.assign(3, Personenzeile{});
    Personen[2].Spieler() = 0;
    Personen[2].Glueck() = 0;
    Spieler[0].Gold() = 50;
    OB_Slots[o][7] = {0, 2};
    Gewaehltes_Objekt = o;

    EXPECT_EQ(formatiert("$x107Ungluecklich"), "Ungluecklich");
    ASSERT_FALSE(welt.senke.farben.empty());
    EXPECT_EQ(welt.senke.farben.back(), (std::array<float, 3>{1, 0, 0}));
    EXPECT_TRUE(TPU_Rotschrift);
    EXPECT_EQ(formatiert("$x307Pleite"), "") << "the treasury holds 50";
    EXPECT_EQ(welt.senke.farben.back(), (std::array<float, 3>{0, 0, 0})) << "back to black";
    EXPECT_FALSE(TPU_Rotschrift);

    Personen[2].Glueck() = 40;
    EXPECT_EQ(formatiert("$x207Wartet"), "Wartet") << "idle, content, and the clan can pay";
    Spieler[0].Gold() = 9;
    EXPECT_EQ(formatiert("$x207Wartet"), "");
    EXPECT_EQ(formatiert("$x307Pleite"), "Pleite");

    // A closed slot, an empty slot and bad slot digits give nothing.
    EXPECT_EQ(formatiert("$x108Text"), "");
    OB_Slots[o][8] = {0, -1};
    EXPECT_EQ(formatiert("$x108Text"), "");
    EXPECT_EQ(formatiert("$x1a7Text"), "");
    EXPECT_EQ(formatiert("$x199Text"), "");
    Gewaehltes_Objekt = -1;
    Personen.clear();
    TPU_Dollarcodes_zuruecksetzen();
}

TEST(Dollarcodes, ProductionCodeByCounterAndUse) {
    bhmtest::Textwelt welt;
    struct Fall {
        int zaehler, benutzung;
        std::string erwartet;
    };
    Spieler[0].Arbeitsradius() = 70;  // Floor(70 / 32) = 2
    // The leading digit is the kind, the rest the value.
    const std::vector<Fall> faelle = {
        {0, 2, "10%"}, {455, 2, "146%"},  {455, 4, "146%"}, {1, 7, "2128%"},
        {3, 9, "20%"}, {10, 11, "2122%"}, {-15, 2, "1-1%"}, {-1, 7, "3"},
        {-1, 9, "3"},  {-1, 11, "3"},     {-1, 4, "0"},     {5, 6, "0"},
    };
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        Objekt_Item vorlage = bhmtest::Gebaeude("Produktion");
        vorlage.Slots[0].Benutzung = faelle[i].benutzung;
        SBU_Objekte = {vorlage};
        Objekte.clear();
        const int o = welt.objekt(0, 0);
        Objekte[o].Zaehler() = faelle[i].zaehler;
        std::string code;
        TPU_Produktionscode(o, code);
        EXPECT_EQ(code, faelle[i].erwartet) << faelle[i].zaehler << "/" << faelle[i].benutzung;
    }
    std::string code = "x";
    TPU_Produktionscode(-1, code);
    EXPECT_EQ(code, "0");
}

// Reading the script panels: keys, click areas, sliders, popups and faults.
#include <gtest/gtest.h>

#include <optional>

#include "common/Zufallsbytes.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "ui/Panelhilfe.h"

using bhmtest::Oberflaeche_sauber;

namespace {

class Panelladen : public ::testing::Test {
protected:
    Oberflaeche_sauber ui;
    std::string basis = Programmpfad + "daten\\";

    void SetUp() override {
        Oberflaeche_sauber::Bild(0, "Leer", 1, 1);
        Oberflaeche_sauber::Bild(1, "Knopf", 12, 2);
        Oberflaeche_sauber::Bild(2, "Haken aus", 2, 2);
        Oberflaeche_sauber::Bild(3, "Haken an", 2, 2);
        Oberflaeche_sauber::Bild(4, "Schieber", 1, 1);
        Oberflaeche_sauber::Bild(5, "Knopf", 4, 4);  // a later image of the same title is never found
    }
    void panel(int n, const std::string& text) {
        ASSERT_TRUE(Ordner_anlegen(basis + "Panel\\" + std::to_string(n)));
        ASSERT_TRUE(Datei_schreiben(basis + "Panel\\" + std::to_string(n) + "\\Script.srt", text));
    }
    // Loads one script as panel 0.
    void lesen(const std::string& text) {
        panel(0, text);
        ITP_Panels_einlesen(basis);
    }
    const ITP_Mous_R& maus() { return ITP_Mausfelder.at(0); }
};

TEST_F(Panelladen, TitelRegistriertDenSlotUndSchreibtDasLog) {
    for (int n = 0; n <= 7; ++n)
        if (n != 3) panel(n, n == 7 ? "Titel/Credits\r\n" : "Icon/Knopf/AlignLO/0/0\r\n");
    ASSERT_TRUE(Ordner_anlegen(basis + "Panel\\3"));  // folder without a script
    panel(9, "Titel/OptionsPanel\r\n");               // after a gap: never read
    ITP_Panels_einlesen(basis);

    EXPECT_EQ(ITP_Panel_Schalter[ITP_Credits].ID, 7);
    EXPECT_EQ(ITP_Panel_Schalter[ITP_OptionsPanel].ID, 0);
    EXPECT_EQ(ITP_Icons.size(), 8u);
    const auto log = Textdatei_lesen(basis + "Panel_Interface_Log.Txt");
    ASSERT_TRUE(log);
    ASSERT_EQ(log->size(), 9u);
    EXPECT_EQ((*log)[0], W("Das letzte erstellte Panel-Set besaß folgende Einträge."));
    EXPECT_EQ((*log)[1], "-0 ERROR Script konnte nicht integriert werden.");  // no Titel line
    EXPECT_EQ((*log)[4], "-0 ERROR Script konnte nicht integriert werden.");  // no Script.srt
    EXPECT_EQ((*log)[8], "ID:7=Credits");
}

TEST_F(Panelladen, RegistrierungIstExaktUndKenntDenUmlaut) {
    ITP_Panel_registrieren("credits", 4);
    ITP_Panel_registrieren("", 5);
    EXPECT_EQ(ITP_Panel_Schalter[ITP_Credits].ID, 0);
    EXPECT_EQ(ITP_Panel_Schalter[ITP_Unbenannt].ID, 0);
    ITP_Panel_registrieren(W("HandbuchWohnhäuser"), 6);
    EXPECT_EQ(ITP_Panel_Schalter[ITP_HandbuchWohnhaeuser].ID, 6);
}

TEST_F(Panelladen, KlickflaechenNehmenAktionGroesseUndParameter) {
    lesen(
        "IconKlick/Knopf/AlignMO/10/20/$Credits\r\n"
        "KlickPopup/AlignLO/1/2/3/4/$Savefound3Trash/Kopf/Text\r\n"
        "KlickPopup/AlignLO/1/2/3/4/$HandbuchMitglieder/Kopf/Text\r\n"
        "Klick/AlignRU/5/6/7/8/$Unbekannt\r\n"
        "IconKlickText/Fehlt/AlignLO/0/0/Center/BigFont/3/4/AA/$Savefound9\r\n"
        "Popup/AlignLO/0/0/9/9/Kopf/Text\r\n");
    ASSERT_EQ(maus().size(), 6u);
    EXPECT_EQ(maus()[0], (ITP_Mausfeld{1, 2, 10, 20, 192, 32, 6, -1, 0}));
    EXPECT_EQ(maus()[1], (ITP_Mausfeld{0, 1, 1, 2, 3, 4, 643, 0, 3}));
    EXPECT_EQ(maus()[2], (ITP_Mausfeld{0, 1, 1, 2, 3, 4, 650, 1, 10}));
    EXPECT_EQ(maus()[3], (ITP_Mausfeld{0, 9, 5, 6, 7, 8, -1, -1, 0}));
    EXPECT_EQ(maus()[4], (ITP_Mausfeld{0, 1, 0, 0, 16, 16, 599, -1, 0}));  // unknown image: number 0
    EXPECT_EQ(maus()[5], (ITP_Mausfeld{0, 1, 0, 0, 9, 9, -1, 2, 0}));
    ASSERT_EQ(ITP_Texte.at(0).size(), 1u);
    const ITP_Text_Item& t = ITP_Texte[0][0];
    EXPECT_EQ(t.Ausrichtung, 2);
    EXPECT_EQ(t.Schrift, 2);
    EXPECT_EQ(t.Align, 1);
    EXPECT_EQ(t.X, 3);
    EXPECT_EQ(t.Breite, 20);  // big font: two characters of 10 pixels
}

TEST_F(Panelladen, SchieberGebenEineFlaecheJeStufe) {
    lesen(
        "IconCheckSlider/Schieber/Knopf/AlignLO/100/5/$MusikSlider\r\n"
        "IconCheckSlider/Schieber/Knopf/AlignLO/0/5/$LandSizeSlider\r\n"
        "IconCheckSlider/Schieber/Knopf/AlignLO/0/5/$Anderes\r\n"
        "IconCheckSlider/Schieber/Knopf/AlignLO/2147483640/5/$RedSlider\r\n");
    ASSERT_EQ(maus().size(), 11u + 10u + 1u + 11u);
    EXPECT_EQ(maus().back()[ITP_Maus_X], 2147483647);  // held at the Integer range
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(maus()[k][ITP_Maus_X], 100 + 16 * k);
        EXPECT_EQ(maus()[k][ITP_Maus_Parameter], k);
        EXPECT_EQ(maus()[k][ITP_Maus_Aktion], 618);
        EXPECT_EQ(maus()[k][ITP_Maus_W], 16);
    }
    EXPECT_EQ(maus()[11][ITP_Maus_Aktion], -1);
    EXPECT_EQ(maus()[20][ITP_Maus_Parameter], 9);
    ASSERT_EQ(ITP_Icons.at(0).size(), 4u);
    EXPECT_EQ(ITP_Icons[0][0].Bilder, (std::vector<int>{4, 1}));
    EXPECT_EQ(ITP_Icons[0][0].Art, ITP_IconCheckSlider);
}

TEST_F(Panelladen, IconartenUndSchluessel) {
    lesen(
        "Icon/Knopf/AlignXY/1/2\r\n"
        "IconVollbild/Knopf\r\n"
        "IconIF/Knopf/AlignRU/3/4/$Pause\r\n"
        "IconIFWare/Knopf/AlignLU/3/4/$ProduktionsWare1\r\n"
        "IconCheckBox/Haken aus/Haken an/AlignMM/5/6/$VSYNC\r\n"
        "IconPlayerColor/Knopf/AlignLO/0/0/$Farbe\r\n"
        "IconRangColor/Knopf/AlignLO/0/0/3\r\n"
        "IconInfoStreamCall\r\n"
        "IconInfoStream/247/Knopf\r\n"
        "icon/Knopf/AlignLO/0/0\r\n"
        "TextIF/Right/Klein/AlignMU/7/8/$Baumodus/$w%s\r\n");
    const ITP_Icon_R& i = ITP_Icons.at(0);
    ASSERT_EQ(i.size(), 8u);   // the lower-case key adds nothing
    EXPECT_EQ(i[0].Align, 1);  // unknown align keyword
    EXPECT_EQ(i[1].Art, ITP_IconVollbild);
    EXPECT_EQ(i[1].Align, 0);
    EXPECT_EQ(i[2].Art, ITP_IconIF);
    EXPECT_EQ(i[2].Bilder, (std::vector<int>{0, 1}));
    EXPECT_EQ(i[2].Align, 9);
    EXPECT_EQ(i[3].Art, ITP_IconIFWare);
    EXPECT_EQ(i[4].Bilder, (std::vector<int>{2, 3}));
    EXPECT_EQ(i[4].Name, "$VSYNC");
    EXPECT_EQ(i[5].Art, ITP_IconPlayerColor);
    EXPECT_EQ(i[6].Art, ITP_IconRangColor);
    EXPECT_EQ(i[6].Name, "3");
    EXPECT_EQ(i[7].Art, ITP_IconInfoStreamCall);
    ASSERT_EQ(i[7].Bilder.size(), 282u);
    EXPECT_EQ(i[7].Bilder[247], 1);
    EXPECT_EQ(i[7].Align, 7);
    EXPECT_EQ(i[7].Y, -53);
    ASSERT_EQ(ITP_Texte.at(0).size(), 1u);
    EXPECT_EQ(ITP_Texte[0][0].Ausrichtung, 3);
    EXPECT_EQ(ITP_Texte[0][0].Schrift, 1);  // unknown font keyword
    EXPECT_EQ(ITP_Texte[0][0].Text2, "$w%s");
    EXPECT_TRUE(ITP_Mausfelder[0].empty());
    // The lower-case key is the one line the loader does not know: one report names the file and it.
    EXPECT_EQ(Fehlertext,
              "ITP_Script_lesen > Script fehlerhaft: " + basis +
                  "Panel\\0\\Script.srt: 1 Zeile(n) mit unbekanntem Schluessel (erste: Zeile 10)");
}

TEST_F(Panelladen, FehlerhafteZeilenWerdenGemeldet) {
    struct Fall {
        const char* skript;
        const char* meldung;  // beginning of the report
        std::size_t icons;    // elements that stay
    };
    const std::string pfad = basis + "Panel\\0\\Script.srt";
    const Fall faelle[] = {
        {"Icon/Knopf/AlignLO/0/0\r\nIcon/Knopf/AlignLO/x1/0\r\nIcon/Knopf/AlignLO/0/0\r\n",
         "SBU > Script konnte nicht geladen werden: ", 1},
        {"Icon/Knopf/AlignLO/0\r\nIcon/Knopf/AlignLO/0/0\r\n",
         "SBU > Script konnte nicht geladen werden: ", 0},
        {"Icon/Knopf/AlignLO/ 7/0\r\n", "SBU > Script konnte nicht geladen werden: ", 0},
        {"IconInfoStream/3/Knopf\r\nIcon/Knopf/AlignLO/0/0\r\n", "ITP_Script_lesen > IconInfoStream", 1},
        {"IconInfoStreamCall\r\nIconInfoStream/282/Knopf\r\n", "ITP_Script_lesen > IconInfoStream", 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.skript);
        ITP_Paneltabellen_leeren();
        Fehler_zuruecksetzen();
        Fehlertext.clear();
        lesen(f.skript);
        EXPECT_EQ(Fehlertext.rfind(f.meldung, 0), 0u) << Fehlertext;
        if (std::string(f.meldung).rfind("SBU", 0) == 0) {
            EXPECT_EQ(Fehlertext, f.meldung + pfad);
        }
        EXPECT_EQ(ITP_Icons.at(0).size(), f.icons);
    }
}

TEST_F(Panelladen, LeerzeichenAmZeilenendeWirdGemeldetUndGelesen) {
    lesen("Icon/Knopf/AlignLO/0/0\r\nTitel/Credits \r\n");
    EXPECT_EQ(Fehlertext,
              "Unerwartetes Leerzeichen bei:" + basis + "Panel\\0\\Script.srt  Zeile[2]   Zeichen[14]");
    EXPECT_EQ(ITP_Panel_Schalter[ITP_Credits].ID, 0);  // "Credits " is no panel name
    EXPECT_EQ(ITP_Icons.at(0).size(), 1u);
}

// A damaged main-menu script is told, naming the file and what is wrong; the panel keeps what
// its readable lines gave and the other panels load as ever.
TEST_F(Panelladen, BeschaedigtesHauptmenueWirdGemeldet) {
    const std::string zufall = bhmtest::Zufallsbytes(3000, 5);
    struct Fall {
        const char* name;
        std::optional<std::string> skript;  // nothing: Script.srt missing
        std::string meldung;
        bool hauptmenue;  // the panel still registers itself
        std::size_t icons;
    };
    const std::string pfad = basis + "Panel\\0\\Script.srt";
    const Fall faelle[] = {
        {"missing", std::nullopt, "ITP_Panel_einlesen > " + pfad + " fehlt: Panel 0 bleibt leer", false, 0},
        {"random bytes", zufall,
         "ITP_Script_lesen > Script fehlerhaft: " + pfad +
             ": 25 Zeile(n) mit unbekanntem Schluessel (erste: Zeile 1)",
         false, 0},
        {"cut in a key", "Titel/Startbildschirm\r\nIcon/Knopf/AlignLO/0/0\r\nIconK",
         "ITP_Script_lesen > Script fehlerhaft: " + pfad +
             ": 1 Zeile(n) mit unbekanntem Schluessel (erste: Zeile 3)",
         true, 1},
        {"cut in the fields", "Titel/Startbildschirm\r\nIcon/Knopf/AlignLO/0/0\r\nIconKlickText/Knopf/Align",
         "SBU > Script konnte nicht geladen werden: " + pfad, true, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ITP_Paneltabellen_leeren();
        ITP_Panel_registrieren("Startbildschirm", 0);
        ITP_Panel_registrieren("Credits", 0);
        Fehler_zuruecksetzen();
        ASSERT_TRUE(Ordner_anlegen(basis + "Panel\\0"));
        Datei_loeschen(pfad);
        if (f.skript) panel(0, *f.skript);
        panel(1, "Titel/Credits\r\nIcon/Knopf/AlignLO/0/0\r\n");
        ITP_Panels_einlesen(basis);
        EXPECT_EQ(Fehlertext, f.meldung);
        EXPECT_EQ(ITP_Icons.at(0).size(), f.icons);
        const auto log = Textdatei_lesen(basis + "Panel_Interface_Log.Txt");
        ASSERT_TRUE(log);
        ASSERT_EQ(log->size(), 3u);
        EXPECT_EQ((*log)[1],
                  f.hauptmenue ? "ID:0=Startbildschirm" : "-0 ERROR Script konnte nicht integriert werden.");
        EXPECT_EQ((*log)[2], "ID:1=Credits");
        EXPECT_EQ(ITP_Panel_Schalter[ITP_Credits].ID, 1);
        EXPECT_EQ(ITP_Icons.at(1).size(), 1u);
    }
    // No panel folder at all.
    ITP_Paneltabellen_leeren();
    Fehler_zuruecksetzen();
    ASSERT_TRUE(Ordner_anlegen(basis + "leer"));
    ITP_Panels_einlesen(basis + "leer\\");
    EXPECT_EQ(Fehlertext, "ITP_Panels_einlesen > kein Panel gefunden: " + basis + "leer\\Panel\\0 fehlt");
}

TEST_F(Panelladen, PopupsWerdenUmbrochen) {
    // 8 pixels a character: 250 pixels hold 31 characters.
    const std::string lang(40, 'x');
    const std::string woerter = "aaaa bbbb cccc dddd eeee ffff gggg hhhh";  // 39 characters
    lesen("Popup/AlignLO/0/0/1/1/Kopf/" + lang +
          "\r\n"
          "Popup/AlignLO/0/0/1/1/Kopf/erste\\zweite\\\\vierte\r\n"
          "Popup/AlignLO/0/0/1/1/Kopf/" +
          woerter + "\r\nPopup/AlignLO/0/0/1/1/Kopf/a\\b\\c\\d\\e\\f\\g\\h\r\n");
    ASSERT_EQ(ITP_PopUps.size(), 4u);
    EXPECT_EQ(ITP_PopUps[0][0], "Kopf");
    EXPECT_EQ(ITP_PopUps[0][1], lang);
    EXPECT_EQ(ITP_PopUps[0][2], "");  // one word too wide: an empty line
    EXPECT_EQ(ITP_PopUps[1][2], "erste");
    EXPECT_EQ(ITP_PopUps[1][3], "zweite");
    EXPECT_EQ(ITP_PopUps[1][4], "");
    EXPECT_EQ(ITP_PopUps[1][5], "vierte");
    EXPECT_EQ(ITP_PopUps[2][2], "aaaa bbbb cccc dddd eeee ffff");
    EXPECT_EQ(ITP_PopUps[2][3], "gggg hhhh");
    EXPECT_EQ(ITP_PopUps[3][7], "f");  // six lines at most
}

TEST(PanelNamen, AktionsnummernDerElementnamen) {
    const std::pair<std::string, int> faelle[] = {
        {"$IronmanPanel", 1},
        {"$MainMenueButtom", 18},
        {"$ExitPanel", 18},
        {"$ObjektSlot0", 262},
        {"$ObjektSlot11", 273},
        {"$Savefound0", 590},
        {"$Savefound9Trash", 649},
        {W("$HandbuchWohnhäuser"), 652},
        {W("$Wohngebäudefüllstand"), 699},
        {"$ClanNeuInfoSteam", 717},
        {"$ErrungenschaftInfoSteam", 718},
        {"$LandSizeSlider", -1},
        {"$savefound0", -1},
        {"", -1},
    };
    for (const auto& [name, aktion] : faelle) EXPECT_EQ(ITP_ButtonID_von_Name(name), aktion) << name;
}

TEST(PanelNamen, BildnummerUndAktivesPanel) {
    Oberflaeche_sauber ui;
    Oberflaeche_sauber::Bild(0, "Knopf", 1, 1);
    Oberflaeche_sauber::Bild(2, "Knopf", 1, 1);
    Oberflaeche_sauber::Bild(3, "Knopf", 1, 1);
    EXPECT_EQ(ITP_Bildnummer("Knopf"), 2);
    EXPECT_EQ(ITP_Bildnummer("knopf"), 0);

    EXPECT_EQ(ITP_aktives_Panel_ID(), -1);
    ITP_Panel_Schalter[ITP_Einzelspieler] = {true, 4};
    EXPECT_EQ(ITP_aktives_Panel_ID(), 4);
    ITP_Panel_Schalter[ITP_InGameMain] = {true, 5};
    EXPECT_EQ(ITP_aktives_Panel_ID(), 5);
    ITP_Panel_Schalter[ITP_LadeBildschirm] = {true, 6};
    EXPECT_EQ(ITP_aktives_Panel_ID(), 6);
    ITP_Panel_Schalter[ITP_Unbenannt] = {true, 7};  // never the shown panel
    ITP_Panel_Schalter[ITP_LadeBildschirm].sichtbar = false;
    ITP_Panel_Schalter[ITP_InGameMain].sichtbar = false;
    ITP_Panel_Schalter[ITP_Einzelspieler].sichtbar = false;
    EXPECT_EQ(ITP_aktives_Panel_ID(), -1);
}

}  // namespace

// The panels and hot zones the game ships: every panel loads without a report,
// every well-known panel is there, every name and image is known.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <set>

#include "economy/Spieler.h"
#include "platform/base/Datei.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Text1252.h"
#include "render/Spriterechtecke.h"
#include "ui/Fenster_Bau.h"
#include "ui/Schaltertexte.h"
#include "ui/Panelhilfe.h"

using bhmtest::Oberflaeche_sauber;

namespace {

// The interface images the scripts name by title (image 0 is the blank 16 x 16 image).
const char* const kBilder[] = {
    "Leer",
    "Ampel gelb",
    "Ampel grün",
    "Ampel rot",
    "Baumodus Hinweis",
    "Baumodus knapp",
    "CheckboxAn",
    "CheckboxAus",
    "Farbfeld",
    "Fenster klein",
    "Fensterrahmen",
    "Forschung Lila",
    "Forschung blau",
    "Forschung gelb",
    "Forschung grün",
    "Forschung weiss",
    "Knopf breit",
    "Knopf breit an",
    "Knopf klein",
    "Knopf klein an",
    "Knopf lang",
    "Knopf schmal",
    "Meldung Clan",
    "Meldung Fehler",
    "Meldung Geburt",
    "Meldung Gebäude",
    "Meldung Hase",
    "Meldung Laden",
    "Meldung Rohstoff",
    "Meldung Schiff",
    "Meldung Speichern",
    "Meldung Tod",
    "Meldung Wanderung",
    "MuenzeClan",
    "MuenzeClanMatt",
    "MuenzeGold",
    "MuenzeGoldMatt",
    "MuenzeHaus",
    "MuenzeHausMatt",
    "MuenzeLuxus",
    "MuenzeLuxusMatt",
    "MuenzeMitglieder",
    "MuenzeMitgliederMatt",
    "MuenzeWaren",
    "MuenzeWarenMatt",
    "Papierkorb",
    "PauseAnzeige",
    "PfeilLinks",
    "PfeilRechts",
    "Rangfarbe",
    "Rangliste",
    "Reiter",
    "SliderKnopf",
    "SliderSchiene",
    "SlotFrau",
    "SlotFrei",
    "SlotGesperrt",
    "SlotMann",
    "SlotZeit",
    "Spielleiste",
    "Spielleiste Ende",
    "Spielleiste Mitte",
    "Spielstand",
    "Spielstand an",
    "Symbol Mitglieder",
    "Symbol Waren",
    "Symbol Zufriedenheit",
    "Titelbild",
    "TrendGleich",
    "TrendHoch",
    "TrendRunter",
    "Warnung1",
    "Warnung2",
    "Warnung3",
};

class Panelinhalt : public ::testing::Test {
protected:
    Oberflaeche_sauber ui;
    std::string daten = Programmpfad + "daten\\";

    void SetUp() override {
        int i = 0;
        for (const char* b : kBilder) Oberflaeche_sauber::Bild(i++, utf8_zu_1252(b), 2, 2);
        Oberflaeche_sauber::Bild(0, "Leer", 1, 1);
        bhmtest::Panelinhalt_kopieren(daten);
    }
    bhmtest::Ein_Spieler mensch;
};

TEST_F(Panelinhalt, AllePanelsLadenOhneMeldung) {
    ITP_Panels_einlesen(daten);
    EXPECT_EQ(Fehlertext, "");
    const auto log = Textdatei_lesen(daten + "Panel_Interface_Log.Txt");
    ASSERT_TRUE(log);
    const std::set<std::string> zeilen(log->begin() + 1, log->end());
    std::set<int> ids;
    for (int s = 0; s < ITP_Schalter_Anzahl; ++s) {
        if (s == ITP_Unbenannt) continue;
        const int id = ITP_Panel_Schalter[static_cast<std::size_t>(s)].ID;
        EXPECT_TRUE(zeilen.count("ID:" + std::to_string(id) + "=" + ITP_Slotname(s))) << ITP_Slotname(s);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 32u);
    EXPECT_EQ(log->size(), 33u);
    EXPECT_EQ(ITP_Icons.size(), 32u);

    // Every picture was found by its title (window icons keep their empty first image).
    for (std::size_t p = 0; p < ITP_Icons.size(); ++p)
        for (const ITP_Icon_Item& i : ITP_Icons[p]) {
            if (i.Art == ITP_IconInfoStreamCall) continue;
            const std::size_t erstes = i.Art == ITP_IconIF || i.Art == ITP_IconIFWare ? 1 : 0;
            for (std::size_t b = erstes; b < i.Bilder.size(); ++b)
                EXPECT_NE(i.Bilder[b], 0) << "Panel " << p << " " << i.Name;
        }
    // Every click area does something: an action or a popup; only the set-up sliders show without acting.
    const auto einzelspiel = static_cast<std::size_t>(ITP_Panel_Schalter[ITP_Einzelspieler].ID);
    for (std::size_t p = 0; p < ITP_Mausfelder.size(); ++p)
        for (const ITP_Mausfeld& m : ITP_Mausfelder[p])
            EXPECT_TRUE(m[ITP_Maus_Aktion] != -1 || m[ITP_Maus_Popup] != -1 || p == einzelspiel)
                << "Panel " << p << " bei " << m[ITP_Maus_X] << "," << m[ITP_Maus_Y];
}

TEST_F(Panelinhalt, AlleElementnamenHabenEineAktion) {
    for (int n = 0;; ++n) {
        const auto zeilen = Textdatei_lesen(daten + "Panel\\" + std::to_string(n) + "\\Script.srt");
        if (!zeilen) break;
        for (const std::string& z : *zeilen) {
            std::string rest = z, key;
            FFU_Slashteil_entnehmen(rest, key);
            int feld = key == "IconKlick"                      ? 4
                       : key == "IconKlickText"                ? 9
                       : key == "Klick" || key == "KlickPopup" ? 5
                                                               : -1;
            if (feld < 0) continue;
            const std::string name = FFU_Teil_Nr(rest, '/', feld);
            EXPECT_NE(ITP_ButtonID_von_Name(name), -1) << "Panel " << n << ": " << z;
        }
    }
}

TEST_F(Panelinhalt, JedesPanelDasGeoeffnetWirdHatInhalt) {
    ITP_Panels_einlesen(daten);
    for (int n : {1, 3, 5, 6, 14, 20, 31, 32, 33, 35, 45, 46, 47, 52, 53, 58, 59, 60, 61, 62, 63, 64}) {
        Panelanzeigen(n);
        const int p = ITP_aktives_Panel_ID();
        ASSERT_GE(p, 0) << n;
        ASSERT_LT(static_cast<std::size_t>(p), ITP_Texte.size()) << n;
        EXPECT_FALSE(ITP_Icons[static_cast<std::size_t>(p)].empty() &&
                     ITP_Texte[static_cast<std::size_t>(p)].empty())
            << n;
    }
    EXPECT_EQ(Fehlertext, "");
}

TEST_F(Panelinhalt, HotzonenSindGueltig) {
    MO_UIdat_laden();
    ASSERT_FALSE(MO_Zonen.empty());
    for (std::size_t b = 0; b < MO_Zonen.size(); ++b) {
        if (MO_Zonen[b].empty()) continue;
        MOBedingung(static_cast<int>(b));
        for (const MO_Zone& z : MO_Zonen[b]) {
            EXPECT_LT(z[MO_Zone_X1], z[MO_Zone_X2]);
            EXPECT_LT(z[MO_Zone_Y1], z[MO_Zone_Y2]);
            MORahmen(z[MO_Zone_X1], z[MO_Zone_X2], z[MO_Zone_Y1], z[MO_Zone_Y2], z[MO_Zone_Rahmen]);
            MOInfo(z[MO_Zone_Info]);
            EXPECT_GE(z[MO_Zone_Aktion], 0);
        }
    }
    EXPECT_EQ(Fehlertext, "");
}

// The tabs of the minimap and of the statistics menu and the switches of the windows of standing
// edicts take the click over the whole picture they draw, and no more: a zone of window-centred
// pixels (bounds exclusive) around each.
TEST_F(Panelinhalt, ReiterUndSchalterNehmenDenKlickUeberIhrGanzesBild) {
    struct Reiter {
        int aktion, modell, x, y;
    };
    const Reiter reiter[] = {{285, 97, -240, -220}, {286, 98, -170, -220},  {287, 99, -100, -220},
                             {288, 100, -30, -220}, {293, 207, -135, -215}, {294, 206, -15, -215},
                             {295, 205, 105, -215}, {235, 103, -125, -125}, {240, 113, 45, -40},
                             {243, 119, 45, 45},    {247, 127, -125, -40},  {253, 139, -125, -125},
                             {261, 155, 45, 45}};
    MO_UIdat_laden();
    for (const Reiter& r : reiter) {
        const MO_Zone* zone = nullptr;
        for (const auto& gruppe : MO_Zonen)
            for (const MO_Zone& z : gruppe)
                if (z[MO_Zone_Aktion] == r.aktion) zone = &z;
        ASSERT_NE(zone, nullptr) << r.aktion;
        ML_Interfacemodell_Rechteck(r.modell);
        const int b = 16 * (ML_Zellrechteck.Rechts - ML_Zellrechteck.Links);
        const int h = 16 * (ML_Zellrechteck.Unten - ML_Zellrechteck.Oben);
        EXPECT_EQ((*zone)[MO_Zone_Rahmen], 2) << r.aktion;
        EXPECT_EQ((std::array<int, 4>{(*zone)[MO_Zone_X1], (*zone)[MO_Zone_X2], (*zone)[MO_Zone_Y1],
                                      (*zone)[MO_Zone_Y2]}),
                  (std::array<int, 4>{r.x, r.x + b, r.y, r.y + h}))
            << "action " << r.aktion;
    }
}

// Every switch of the windows of standing edicts shows its own tooltip: the zone's info number
// leads to the tooltip of the entry that the zone's action flips.
TEST_F(Panelinhalt, JederSchalterZeigtSeinenTooltip) {
    auto eintrag = [](int aktion) {
        if (aktion == 235) return 0;
        if (aktion <= 243) return 3 * (aktion - 235);
        if (aktion <= 252) return 1 + 3 * (aktion - 244);
        return 2 + 3 * (aktion - 253);  // 253..261: entries 2, 5, ..., 26
    };
    MO_UIdat_laden();
    std::set<int> gesehen;
    for (int b : {17, 18, 19}) {
        ASSERT_LT(static_cast<std::size_t>(b), MO_Zonen.size());
        for (const MO_Zone& z : MO_Zonen[static_cast<std::size_t>(b)]) {
            const int a = z[MO_Zone_Aktion];
            ASSERT_TRUE(a >= 235 && a <= 261) << a;
            Mouseoverfunktion_Nummer = 0;
            MOInfo(z[MO_Zone_Info]);
            EXPECT_EQ(Mouseoverfunktion_Nummer, TPU_Schalter_Tooltip(eintrag(a))) << "action " << a;
            EXPECT_EQ((eintrag(a) % 3) + 17, b) << "action " << a << " in the window of its entry";
            gesehen.insert(a);
        }
    }
    EXPECT_EQ(gesehen.size(), 27u);
    EXPECT_EQ(Fehlertext, "");
}

}  // namespace

namespace {

// The info window of a building takes clicks where it draws its twelve slots and its demolition
// button (window-centred pixels, bounds exclusive, the whole picture), and only while the
// building is one's own does the button's zone live.
TEST_F(Panelinhalt, DasObjektfensterNimmtDenKlickWoEsSeineKnoepfeZeichnet) {
    MO_UIdat_laden();
    std::map<int, MO_Zone> zonen;
    for (std::size_t b = 0; b < MO_Zonen.size(); ++b)
        for (const MO_Zone& z : MO_Zonen[b]) zonen.emplace(z[MO_Zone_Aktion], z);
    const auto rechteck = [&](int aktion) {
        const MO_Zone& z = zonen.at(aktion);
        return std::array<int, 5>{z[MO_Zone_X1], z[MO_Zone_X2], z[MO_Zone_Y1], z[MO_Zone_Y2],
                                  z[MO_Zone_Rahmen]};
    };
    for (int s = 0; s < 12; ++s) {
        const int x = IFU_Objektinfo_Slot_X + IFU_Objektinfo_Slot_Abstand * s;
        ASSERT_TRUE(zonen.count(262 + s)) << s;
        EXPECT_EQ(zonen.at(262 + s)[MO_Zone_Bedingung], 21);
        EXPECT_EQ(rechteck(262 + s), (std::array<int, 5>{x, x + 32, 0, 32, 2})) << "slot " << s;
    }
    ASSERT_TRUE(zonen.count(278));
    const IFU_Knopf& k = IFU_Abrissknopf;
    EXPECT_EQ(rechteck(278), (std::array<int, 5>{k.x, k.x + k.breite, k.y, k.y + k.hoehe, 2}));
    EXPECT_EQ(zonen.at(278)[MO_Zone_Bedingung], 33) << "one's own building";
    Mouseoverfunktion_Nummer = 0;
    MOInfo(zonen.at(278)[MO_Zone_Info]);
    EXPECT_EQ(Mouseoverfunktion_Nummer, 55) << "the demolition tooltip";
    EXPECT_EQ(Fehlertext, "");
}

}  // namespace

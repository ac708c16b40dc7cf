#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Baumenue.h"
#include "economy/Logik.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "population/Briefe.h"
#include "population/Edikte.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"
#include "ui/Panelschalter.h"
#include "ui/Uiwelt.h"

using namespace bhmtest;

namespace {

void maus(int x, int y) {
    MoPosFenstermitte_X = x;
    MoPosFenstermitte_Y = y;
    Mouseoverfunktion_Nummer = Mouseoverfunktion_Wert = 0;
}

void raster(int anzahl) {
    Warenraster& g = IFU_Warenraster;
    g.Anzahl = anzahl;
    g.Zeilen = anzahl / IFU_Warenraster_Spalten;
    g.Spalte = anzahl % IFU_Warenraster_Spalten;
    for (int k = 0; k < anzahl; ++k) g.Waren[k] = 1 + k;
}

// One edict with two laws and the given durations.
void edikt(std::vector<int> zeiten) {
    Edikt_Data e;
    e.Gesetze.resize(2);
    e.Count = 1;
    e.Timestep = static_cast<int>(zeiten.size()) - 1;
    e.Zeiten = std::move(zeiten);
    IAU_Edikte = {e};
    IAU_Aktuelles_Edikt = 0;
}

}  // namespace

TEST(Fenstermaus, WarenrasterAbstand) {
    struct Fall {
        int f, r, abstand;
    };
    // Two full columns stand 400 apart, three columns 200; a single column needs no spacing.
    for (const Fall& c :
         {Fall{2, 0, 400}, Fall{2, 3, 200}, Fall{1, 3, 400}, Fall{1, 0, 0}, Fall{0, 3, 0}, Fall{10, 0, 44}})
        EXPECT_EQ(IFU_Warenraster_Abstand(c.f, c.r), c.abstand) << c.f << "/" << c.r;
}

TEST(Fenstermaus, WarenrasterWaehltZelleUndBelegtDenSlot) {
    Uiwelt welt;
    raster(14);
    SBU_Waren.resize(20);
    SBU_Objekte = {Gebaeude("Lager")};
    Uiwelt::objekt(0, 0).Slot_Ware(0) = 0;
    Gewaehltes_Objekt = 0;
    maus(190, -100);  // column 1, row 1: cell 8
    EXPECT_TRUE(MO_Warenraster_waehlen(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 99);
    EXPECT_EQ(Mouseoverfunktion_Wert, 9);
    EXPECT_EQ(Objekte[0].Slot_Ware(0), 0);  // hovering changes nothing
    maus(-220, -160);                       // on the left edge: outside
    EXPECT_FALSE(MO_Warenraster_waehlen(true));
    maus(-210, -160);
    EXPECT_TRUE(MO_Warenraster_waehlen(true));
    EXPECT_EQ(Objekte[0].Slot_Ware(0), 1) << Fehlertext;
    raster(0);
}

TEST(Fenstermaus, StatistiklisteUndGruppen) {
    Uiwelt welt;
    Statistik_Kategorie = 1;
    Statistik_Reihe = 1;
    IFU_Statmenu_Liste = {5, 6, 7};
    maus(32 * 2 - 190, -130);
    EXPECT_TRUE(MO_Statmenu_Waren_waehlen(false));
    EXPECT_EQ(Mouseoverfunktion_Wert, 7);
    EXPECT_TRUE(MO_Statmenu_Waren_waehlen(true));
    EXPECT_EQ(Statistik_Reihe, 7);
    maus(32 * 3 - 190, -130);  // past the end of the list
    EXPECT_FALSE(MO_Statmenu_Waren_waehlen(true));
    Statistik_Kategorie = 3;
    maus(32 * 2 - 190, -130);
    EXPECT_FALSE(MO_Statmenu_Waren_waehlen(true));

    Statistik_Kategorie = 2;
    SBU_Waren.resize(4);
    SBU_Warengruppen = {{"", 0}, {"Essen", 1}, {"Holz", 3}};
    maus(300, 230);  // second group: 469 below the first
    EXPECT_TRUE(MO_Statmenu_Gruppe_waehlen(false));
    EXPECT_EQ(IFU_Statmenu_Auswahl, 1);
    EXPECT_TRUE(MO_Statmenu_Gruppe_waehlen(true));
    EXPECT_EQ(IFU_Statmenu_Auswahl, 3);
    // A group pointing at no goods template is reported.
    SBU_Warengruppen[2].WarenID = 9;
    EXPECT_TRUE(MO_Statmenu_Gruppe_waehlen(true));
    EXPECT_TRUE(Kernwelt::gemeldet());
    IFU_Statmenu_Liste.clear();
    IFU_Statmenu_Auswahl = 1;
    Statistik_Kategorie = 1;
}

TEST(Fenstermaus, BaufensterUeberspringtNichtBaubares) {
    Uiwelt welt;
    SBU_Objekte = {Gebaeude("Produktion"), Gebaeude("Start"), Gebaeude("Home")};
    BMU_Seitenanfang = 0;
    maus(-130, -120);  // cell (row 0, column 1)
    EXPECT_TRUE(MO_Baumenue_waehlen(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 26);
    EXPECT_EQ(Mouseoverfunktion_Wert, 2);
    maus(-50, -120);  // the third cell stays empty
    EXPECT_FALSE(MO_Baumenue_waehlen(false));
}

TEST(Fenstermaus, EdiktfensterGesetzDauerUndAnnahme) {
    Uiwelt welt;
    // The smallest client area (700 rows), centred on row 350: the window lies around the centre.
    const int mitte = IFU_Fenstermitte_Y;
    IFU_Fenstermitte_Y = 350;
    edikt({1, 3});
    maus(-210, -60);  // law 1
    EXPECT_FALSE(IFU_Edikt_Intraktiv_Mouse_over(false));
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(true));
    EXPECT_EQ(IAU_Auswahl_1, 1);
    maus(-240, -60);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 103);
    EXPECT_EQ(Mouseoverfunktion_Wert, 1);

    // The fourth box is the "off" choice, whatever its place in the list.
    IAU_Auswahl_2 = 0;
    maus(160, 190);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(true));
    EXPECT_EQ(IAU_Auswahl_2, 3);
    maus(-210, 190);  // no duration 0 in this edict
    EXPECT_FALSE(IFU_Edikt_Intraktiv_Mouse_over(true));

    BrU_Brief_eintragen(0, 0);
    maus(170, 300);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 105);
    EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(0), 1);
    EXPECT_TRUE(Zeitedikte.empty() || Zeitedikte[0].Anzahl == 0);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(true));
    EXPECT_EQ(BrU_Brief_Anzahl_sichtbar(0), -1);
    ASSERT_EQ(Zeitedikte.size(), 1u);
    ASSERT_EQ(Zeitedikte[0].Anzahl, 1);
    EXPECT_FALSE(Zeitedikte[0].Eintraege[0].Aktiv);

    maus(-200, 300);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 104);

    // In a running game the enacted edict closes its window back to the game's bar.
    SSL = true;
    BrU_Brief_eintragen(0, 0);
    Panelanzeigen(44);
    ASSERT_TRUE(Ediktfenster_offen);
    maus(170, 300);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(true));
    EXPECT_FALSE(Ediktfenster_offen);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv) || ITP_Panel_sichtbar(ITP_SingelGameTutorial));
    IFU_Alles_schliessen();
    SSL = false;

    // A window manager's title bar puts the centre 15 rows below the client's middle: the window
    // stands 12 rows higher to fit, and its buttons take the mouse where they are drawn.
    IFU_Fenstermitte_Y = 365;
    maus(170, 334);  // the accept button's last row, were the window centred on 365
    EXPECT_FALSE(IFU_Edikt_Intraktiv_Mouse_over(false));
    maus(170, 334 - 12);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(false));
    EXPECT_EQ(Mouseoverfunktion_Nummer, 105);
    IFU_Fenstermitte_Y = mitte;
}

TEST(Fenstermaus, UngueltigeDauerWirdBeimKlickGemeldet) {
    Uiwelt welt;
    const int mitte = IFU_Fenstermitte_Y;
    IFU_Fenstermitte_Y = 350;
    edikt({4, 2});
    maus(30, 190);
    EXPECT_TRUE(IFU_Edikt_Intraktiv_Mouse_over(true));
    EXPECT_EQ(IAU_Auswahl_2, 2);
    EXPECT_NE(Fehlertext.find("Zeitkomponente(0) -> hat ung"), std::string::npos);
    Fehler_zuruecksetzen();
    EXPECT_FALSE(IFU_Edikt_Intraktiv_Mouse_over(false));
    EXPECT_TRUE(Fehlertext.empty());
    IAU_Aktuelles_Edikt = 5;  // no such edict
    EXPECT_FALSE(IFU_Edikt_Intraktiv_Mouse_over(true));
    EXPECT_TRUE(Kernwelt::gemeldet());
    IFU_Fenstermitte_Y = mitte;
}

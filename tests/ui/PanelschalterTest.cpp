// Panel switching: what each number opens and prepares.
#include <gtest/gtest.h>

#include "economy/Logik.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Schablonen.h"
#include "ui/Panelhilfe.h"
#include "world/Kartengenerator.h"

using bhmtest::Oberflaeche_sauber;

namespace {

int offene_Slots() {
    int n = 0;
    for (const auto& s : ITP_Panel_Schalter) n += s.sichtbar ? 1 : 0;
    return n;
}
int offene_Fenster() {
    const bool flags[] = {
        Texteingabe_aktiv,      Fenster30_offen,        Fenster40_offen,        Fenster41_offen,
        Fenster42_offen,        Ediktfenster_offen,     Objektinfo_offen,       Baufenster_offen,
        Schalterfenster1_offen, Schalterfenster2_offen, Schalterfenster3_offen, Statistikmenue_offen,
        Minimap_offen,          Warenraster_offen,      Fenster36_offen,        IFU_Iconleiste_aktiv};
    int n = 0;
    for (bool f : flags) n += f ? 1 : 0;
    return n;
}

class Panelschalter : public ::testing::Test {
protected:
    Oberflaeche_sauber ui;
    bhmtest::Ein_Spieler mensch;
};

TEST_F(Panelschalter, JedeNummerLaesstHoechstensEinesOffen) {
    for (int n = -2; n <= 66; ++n) {
        if (n == 23 || n == 24 || n == 28 || n == 44) continue;  // prepare data; tested on their own
        Panelanzeigen(7);
        Panelanzeigen(n);
        EXPECT_LE(offene_Slots() + offene_Fenster(), 1) << n;
    }
}

TEST_F(Panelschalter, NullSchliesstAllesOhneMeldung) {
    Panelanzeigen(6);
    Fehlertext.clear();
    Panelanzeigen(0);
    EXPECT_EQ(offene_Slots() + offene_Fenster(), 0);
    EXPECT_EQ(Fehlertext, "");
}

TEST_F(Panelschalter, NummernOhneZeileWerdenGemeldet) {
    for (int n : {2, -1, 65, 37}) {
        Panelanzeigen(14);
        Panelanzeigen(n);
        EXPECT_EQ(Fehlertext, "Panelanzeigen > Nummer nicht abgefangen : " + std::to_string(n));
        EXPECT_EQ(offene_Slots() + offene_Fenster(), 0);
    }
}

TEST_F(Panelschalter, DerUnbenannteSlotBehaeltSeinenWert) {
    ITP_Panel_Schalter[ITP_Unbenannt].sichtbar = true;
    Panelanzeigen(6);
    EXPECT_TRUE(ITP_Panel_Schalter[ITP_Unbenannt].sichtbar);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_OptionsPanel));
}

TEST_F(Panelschalter, ObjektfensterNachArt) {
    MO_Objektart_unter_Maus = 0;
    Panelanzeigen(11);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_ObjektProduktionPanel));
    EXPECT_FALSE(Objektinfo_offen);
    MO_Objektart_unter_Maus = 3;
    Panelanzeigen(11);
    EXPECT_FALSE(ITP_Panel_sichtbar(ITP_ObjektProduktionPanel));
    EXPECT_TRUE(Objektinfo_offen);
}

TEST_F(Panelschalter, SpielleisteNachStartphase) {
    SBU_Start_ID = 3;
    Bau_Typ = 7;
    Spieler[0].Startphase() = 0;
    Panelanzeigen(60);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv));
    EXPECT_FALSE(Platzierungsmodus);
    EXPECT_EQ(Bau_Typ, 7);

    Spieler[0].Startphase() = 1;
    Panelanzeigen(60);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameTutorial));
    EXPECT_TRUE(Platzierungsmodus);
    EXPECT_EQ(Bau_Typ, 3);
}

TEST_F(Panelschalter, PlatzierungEndetNurMitDemSpielmenue) {
    Platzierungsmodus = true;
    Panelanzeigen(7);
    EXPECT_TRUE(Baufenster_offen);
    EXPECT_TRUE(Platzierungsmodus);
    Panelanzeigen(5);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_InGameMain));
    EXPECT_FALSE(Platzierungsmodus);
}

TEST_F(Panelschalter, EinzelspielVorgabenUndStartbildschirm) {
    SingelGameTYPWahl = 7;
    SingelGameKIanzahl = 0;
    SBGOi = 12000;
    SBLCb = true;
    ELE = CLT = true;
    Panelanzeigen(3);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_Einzelspieler));
    EXPECT_EQ(SingelGameTYPWahl, 2);
    EXPECT_EQ(SingelGameGroessenWahl, 5);
    EXPECT_EQ(SingelGamerohstoffWahl, 5);
    EXPECT_EQ(SingelGameKIanzahl, 3);
    EXPECT_EQ(SingelGameKILevel, 6);
    EXPECT_EQ(SBMAi, 100);
    EXPECT_EQ(SBGOi, 8000);
    EXPECT_EQ(SBLUi, 100);
    EXPECT_FALSE(SBMAb || SBGOb || SBLUb || SBLCb || ELE || CLT);

    SSL = true;
    Panelanzeigen(1);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    EXPECT_FALSE(Spiel_laeuft());
}

TEST_F(Panelschalter, SiegUndNiederlageHaltenDasSpielAn) {
    Panelanzeigen(62);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_GameGewonnen));
    EXPECT_TRUE(Pause);
    Pause = false;
    Panelanzeigen(63);
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_GameVerloren));
    EXPECT_TRUE(Pause);
    Panelanzeigen(45);
    EXPECT_EQ(IFU_Updateanzeige_Zaehler, 250);
}

TEST_F(Panelschalter, EdiktfensterZeigtDasGewaehlteEdiktMitSeinerLetztenDauer) {
    IAU_Edikte.assign(3, Edikt_Data{});
    IAU_Edikte[0].Zeiten = {0, 3};
    IAU_Edikte[1].Zeiten = {0, 2, 1};
    IAU_Edikte[0].Text = "Gruendungsbrief";
    // The caller's edict stays: the founding letter (edict 0) shows edict 0, not edict 1.
    const std::pair<int, int> faelle[] = {{0, 3}, {1, 1}, {2, 0}};
    for (auto [edikt, dauer] : faelle) {
        IAU_Auswahl_1 = 3;
        IAU_Aktuelles_Edikt = edikt;
        Panelanzeigen(44);
        EXPECT_TRUE(Ediktfenster_offen) << edikt;
        EXPECT_EQ(IAU_Aktuelles_Edikt, edikt);
        EXPECT_EQ(IAU_Auswahl_1, 0);
        EXPECT_EQ(IAU_Auswahl_2, dauer) << edikt;
    }
    EXPECT_EQ(Fehlertext, "");

    // A number that names no edict is reported and leaves the game's bars, not an empty screen.
    for (int falsch : {3, -1}) {
        IAU_Aktuelles_Edikt = falsch;
        Panelanzeigen(44);
        EXPECT_FALSE(Ediktfenster_offen) << falsch;
        EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv) || ITP_Panel_sichtbar(ITP_SingelGameTutorial))
            << falsch;
        EXPECT_EQ(Fehlertext, "Panelanzeigen > Edikt existiert nicht: " + std::to_string(falsch));
    }
}

}  // namespace

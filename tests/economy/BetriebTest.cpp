#include "economy/Objekte_Betrieb.h"

#include <gtest/gtest.h>

#include "population/Befehlsliste.h"

#include <tuple>

#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Baustelle.h"
#include "economy/Bauwelt.h"
#include "economy/Objekte.h"
#include "foundation/Info.h"
#include "economy/Warenindex.h"
#include "population/Personen.h"

namespace {

using bhmtest::Bauwelt;
using bhmtest::Kernwelt;
constexpr int A = Bauwelt::Anker;

// A placed and created site of the type for the clan; its object.
int baustelle(int typ, int clan) {
    EXPECT_TRUE(BPU_Baustelle_setzen(A, typ, clan));
    EXPECT_TRUE(BPU_Bauplatz_belegen_pruefen(A, typ));
    BPU_Baustelle_anlegen(A, typ, clan);
    return Bauwelt::feld(A).Objekt();
}

// Delivers every missing material.
void liefern(int o) {
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    for (int k = 0; k < 4; ++k)
        if (z.Baumaterial_Rest(k) > 0) z.Baumaterial_Rest(k) = 0;
    OM_Objekt_in_Betrieb_nehmen(o);
}

TEST(Betrieb, LastMaterialPutsAProductionSiteIntoService) {
    Bauwelt w;
    const int o = baustelle(0, 0);
    ASSERT_TRUE(OM_Objekt_gueltig(o));
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    OM_Objekt_in_Betrieb_nehmen(o);
    EXPECT_EQ(Spieler[0].Baustellen(), 1) << "nothing while material is missing";
    z.Baumaterial_Rest(0) = 0;
    GUI_Info_leeren();
    liefern(o);
    EXPECT_EQ(Spieler[0].Baustellen(), 0);
    EXPECT_EQ(BMU_Zaehler[0][0], (BMU_Eintrag{1, 1}));
    EXPECT_EQ(OB_Anzahl_freie_Slots(o), 2);
    EXPECT_EQ(std::make_tuple(z.Slot_Ware(0), z.Slot_Bestand(0), z.Slot_Ware(1), z.Slot_Ware(2)),
              std::make_tuple(3, 0, 2, -1));
    ASSERT_GT(IWU_Warenindex.size(), 3u);
    EXPECT_EQ(IWU_Warenindex[3][0].Anzahl, 1) << "the production slot is listed";
    EXPECT_TRUE(IWU_Warenindex[2].empty() || IWU_Warenindex[2][0].Anzahl == 0) << "the fetch slot is not";
    ASSERT_EQ(GUI_Infoanzahl, 1);
    EXPECT_EQ(std::make_tuple(GUI_Infoliste[0].Event, GUI_Infoliste[0].Wert, GUI_Infoliste[0].Text),
              std::make_tuple(255, A, std::string("Produktion")));
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Betrieb, HouseIsBuiltUpToItsFollowUp) {
    Bauwelt w;
    SBU_Objekte[1].Baukosten[0] = {1, 2};
    const int o = baustelle(1, 1);
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    liefern(o);
    // Type 1 is finished and turned into a site of type 2.
    EXPECT_EQ(std::make_tuple(z.Typ(), z.Ausbau()), std::make_tuple(2, 1));
    EXPECT_EQ(z.Baumaterial_Rest(1), 3);
    EXPECT_EQ(std::make_tuple(z.Baumaterial_Ware(0), z.Baumaterial_Rest(0)), std::make_tuple(-1, -1))
        << "the material of type 1 is gone";
    EXPECT_EQ(Spieler[1].Wohnraum(), 4);
    EXPECT_EQ(Hausneid, 5);
    EXPECT_EQ(Bauwelt::feld(A).Ambiente(), 1);
    const auto a = Bauwelt::auftraege(1);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(std::make_tuple(a[2].Befehl, a[2].Typ, a[2].Ware, a[2].Menge), std::make_tuple(350, 1, 2, 3));
    liefern(o);
    EXPECT_EQ(Bauwelt::feld(A).Ambiente(), 2);
    EXPECT_EQ(Hausneid, 8);
    EXPECT_EQ(OB_Anzahl_freie_Slots(o), 0) << "a house opens no worker slots";
    EXPECT_EQ(Spieler[1].Wohnraum(), 4) << "room is added at the first completion only";
    EXPECT_EQ(BMU_Zaehler[1][1], (BMU_Eintrag{1, 1}));
    EXPECT_EQ(z.Ausbau(), 1);
    EXPECT_EQ(OM_Hausneid_Verrechnen(o), 0);
    z.Typ() = 1;
    EXPECT_EQ(OM_Hausneid_Verrechnen(o), -3);
    z.Typ() = 0;
    EXPECT_EQ(OM_Hausneid_Verrechnen(o), -8);
    EXPECT_TRUE(Kernwelt::gemeldet());
}

TEST(Betrieb, DemolitionWaitsForReservedGoods) {
    Bauwelt w;
    const int o = baustelle(0, 0);
    liefern(o);
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    z.Slot_Bestand(0) = 5;
    z.Slot_Reserviert(0) = 3;
    EXPECT_EQ(OM_Abriss(o), 0);
    EXPECT_EQ(z.Zustand(), 1);
    EXPECT_EQ(z.Slot_Bestand(0), 3) << "the unreserved units are discarded";
    OM_Ware_auslagern(3, o);
    OM_Ware_auslagern(3, o);
    EXPECT_EQ(z.Zustand(), 1);
    OM_Ware_auslagern(3, o);
    EXPECT_EQ(z.Zustand(), 2) << "the last fetch turns it into a ruin";
    EXPECT_EQ(z.Slot_Ware(0), -1) << "the empty slot left the goods index";
    EXPECT_EQ(BMU_Zaehler[0][0], (BMU_Eintrag{0, 0}));
    EXPECT_EQ(OM_Abriss(o), 0) << "a ruin stays a ruin";
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Betrieb, DemolishingASite) {
    Bauwelt w;
    const int o = baustelle(0, 0);
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    // Striking the open material orders counts their material as supplied: the site is
    // finished and, demolition being requested, at once emptied into a ruin.
    EXPECT_EQ(OM_Abriss(o), 1);
    EXPECT_EQ(z.Zustand(), 2);
    EXPECT_EQ(Spieler[0].Baustellen(), 0);
    EXPECT_EQ(OB_Anzahl_freie_Slots(o), 0);
    EXPECT_EQ(BMU_Zaehler[0][0], (BMU_Eintrag{0, 0}));
    for (const JU_Befehle& liste : JU_Befehlsliste)
        for (int i = 0; i < liste.Anzahl; ++i)
            EXPECT_NE(liste.Befehle[static_cast<std::size_t>(i)].Befehl, 350) << "a material order is left";
}

TEST(Betrieb, HouseWithInhabitantsIsNotDemolished) {
    Bauwelt w;
    SBU_Objekte[1].Updatelink = 0;
    const int o = baustelle(1, 0);
    OB_Slot_Status_setzen(o, 0, 0);
    OB_Arbeiter_eintragen(4, o, 0);
    EXPECT_EQ(OM_Abriss(o), 0);
    EXPECT_EQ(Objekte[static_cast<std::size_t>(o)].Zustand(), 0);
    OB_Arbeiter_austragen(o, 0);
    EXPECT_EQ(OM_Abriss(o), 1);
    EXPECT_EQ(Spieler[0].Wohnraum(), 0) << "the room is given back";
}

TEST(Betrieb, DemolishingABuiltUpHouseTakesOffWhatItsFirstCompletionAdded) {
    // Type 1 (room 4) is counted at its first completion and then built up to type 2
    // (room 6); the demolition must take back room 4 and the count of type 1, also for
    // a house of an older save that does not know the type it was counted under.
    for (bool aelterer_stand : {false, true}) {
        Bauwelt w;
        const int o = baustelle(1, 1);
        Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
        liefern(o);
        liefern(o);
        ASSERT_EQ(std::make_tuple(z.Typ(), z.Ausbau()), std::make_tuple(2, 1));
        ASSERT_EQ(Spieler[1].Wohnraum(), 4);
        ASSERT_EQ(BMU_Zaehler[1][1], (BMU_Eintrag{1, 1}));
        if (aelterer_stand) z.Erster_Typ() = -1;
        EXPECT_EQ(OM_Abriss(o), 1) << aelterer_stand;
        EXPECT_EQ(z.Zustand(), 2);
        EXPECT_EQ(Spieler[1].Wohnraum(), 0) << aelterer_stand;
        EXPECT_EQ(BMU_Zaehler[1][1], (BMU_Eintrag{0, 0})) << aelterer_stand;
        const bool typ2_gezaehlt = BMU_Zaehler[1].size() > 2 && !(BMU_Zaehler[1][2] == BMU_Eintrag{0, 0});
        EXPECT_FALSE(typ2_gezaehlt) << "nothing was ever counted on the follow-up type";
        EXPECT_FALSE(Kernwelt::gemeldet());
    }
}

TEST(Betrieb, SlotMarks) {
    Bauwelt w;
    const int o = OM_Objekt_anlegen(A, 0, 0);
    for (int k : {0, 2, 3, 5}) {
        OM_Slotmarke_setzen(o, k);
        EXPECT_TRUE(OM_Slotmarke_gesetzt(o, k));
    }
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    EXPECT_EQ(std::make_tuple(z.feld(41), z.feld(43), z.feld(54), z.feld(56)), std::make_tuple(1, 1, 1, 1));
    OM_Slotmarke_loeschen(o, 3);
    EXPECT_EQ(z.feld(54), -1);
    OM_Slotmarke_setzen(o, 6);
    EXPECT_FALSE(OM_Slotmarke_gesetzt(o, 6));
    EXPECT_FALSE(OM_Slotmarke_gesetzt(o, -1));
}

// A house of clan 0 at the anchor, a man of clan 0 next to it, single women w of clan `frau_clan`.
struct Heiratswelt : Bauwelt {
    int o = -1;
    Heiratswelt() {
        SBU_Objekte[1].Updatelink = 0;
        o = OM_Objekt_anlegen(A, 0, 1);
        Objekte[static_cast<std::size_t>(o)].Zaehler() = 4;
        Personen.resize(10);
        person(1, 0, A + 1, 1);
    }
    ~Heiratswelt() { Personen.clear(); }
    static void person(int p, int clan, int feld, int geschlecht) {
        Personenzeile& z = Personen[static_cast<std::size_t>(p)];
        z.Hunger() = 100;
        z.Spieler() = clan;
        z.Feld() = feld;
        z.Geschlecht() = geschlecht;
        z.AuftragID() = 0;
        z.Glueck() = 50;
        z.HeimID() = -1;
    }
    // The index as listed (a -1 entry stands for a slot the search has to skip); each
    // listed woman knows her slot.
    static void frauen(std::initializer_list<int> liste) {
        SingelFrau_Index.Eintraege.assign(liste.begin(), liste.end());
        SingelFrau_Index.Letzter_Platz = static_cast<int>(liste.size()) - 1;
        for (int i = 0; i < SingelFrau_Index.Letzter_Platz + 1; ++i)
            if (const int f = SingelFrau_Index.Eintraege[static_cast<std::size_t>(i)]; f >= 0)
                Personen[static_cast<std::size_t>(f)].Frauen_Indexplatz() = i;
    }
};

TEST(Betrieb, ForeignIdleWomanMarriesAndWalksToTheHouse) {
    Heiratswelt w;
    w.person(2, 1, A + 2, 2);
    Personen[2].AuftragID() = 7;  // busy: skipped
    w.person(4, 1, A + 3, 2);
    w.frauen({2, 4});
    EXPECT_EQ(OM_Wohnraum_vergeben(0, 0, 1, w.o), 1);
    EXPECT_EQ(Personen[1].HeimID(), w.o);
    EXPECT_EQ(
        std::make_tuple(Personen[4].AuftragID(), Personen[4].Zielfeld(), Personen[4].Bewegungscounter()),
        std::make_tuple(3, A, 9));
    EXPECT_EQ(Personen[2].AuftragID(), 7);
    EXPECT_EQ(std::make_tuple(SingelFrau_Index.Letzter_Platz, SingelFrau_Index.Eintraege[0],
                              Personen[2].Frauen_Indexplatz(), Personen[4].Frauen_Indexplatz()),
              std::make_tuple(0, 2, 0, -1))
        << "the wife left the single women's index";
    EXPECT_EQ(Objekte[static_cast<std::size_t>(w.o)].Zaehler(), 2);
    // Room 2 is left for one more couple; then the house is full.
    Objekte[static_cast<std::size_t>(w.o)].Zaehler() = 1;
    EXPECT_EQ(OM_Wohnraum_vergeben(0, 0, 1, w.o), 0);
}

TEST(Betrieb, WomenOfProtectedClansOrOtherIslandsStay) {
    const struct {
        const char* name;
        int nur_eigene, schutz, insel;
        bool heirat;
        int glueck;  // the woman's happiness afterwards (50 before)
    } faelle[] = {
        {"foreign clan, free", 0, 0, 0, true, 50},
        {"foreign clan protects its members", 0, 1, 0, false, 49},
        {"own members only", 1, 0, 0, false, 50},
        {"another island", 0, 0, 1, false, 50},
    };
    for (const auto& f : faelle) {
        Heiratswelt w;
        w.person(2, 1, A + 4, 2);
        Bauwelt::feld(A + 4).Insel() = f.insel;
        Spieler[0].Edikt_nur_eigene() = f.nur_eigene;
        Spieler[1].Abwerbeschutz() = f.schutz;
        w.frauen({2});
        EXPECT_EQ(OM_Wohnraum_vergeben(0, 0, 1, w.o), f.heirat ? 1 : 2) << f.name;
        EXPECT_EQ(Personen[1].HeimID() == w.o, f.heirat) << f.name;
        EXPECT_EQ(Personen[2].Glueck(), f.glueck) << f.name;
    }
    // A woman of the house owner's own clan is married under every rule.
    Heiratswelt w;
    w.person(2, 0, A + 4, 2);
    Spieler[0].Edikt_nur_eigene() = 1;
    Spieler[0].Abwerbeschutz() = 1;
    w.frauen({-1, 2});
    EXPECT_TRUE(OM_Person_in_Naehe_aufnehmen(w.o, 1));
    EXPECT_EQ(Personen[2].AuftragID(), 0) << "she does not walk";
    EXPECT_EQ(Personen[2].Frauen_Indexplatz(), -1);
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
}

}  // namespace

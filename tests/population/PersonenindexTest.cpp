#include "population/Personenindex.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"
#include "world/Inseln.h"
#include "world/Karte.h"

namespace {

// A clean world with ten clan rows and `anzahl` idle persons of clan 1, listed nowhere.
struct Indexwelt : bhmtest::Kernwelt {
    explicit Indexwelt(int anzahl = 12) {
        Spieler.resize(10);
        Personen.resize(static_cast<std::size_t>(anzahl));
        for (int i = 0; i < anzahl; ++i) {
            Personenzeile& p = P(i);
            p.Hunger() = 100;
            p.Spieler() = 1;
            p.Geschlecht() = 2;
            p.AuftragID() = 0;
            p.ArbeitsplatzID() = p.HeimID() = p.PartnerID() = -1;
            p.Arbeiter_Indexplatz() = p.Frauen_Indexplatz() = -1;
        }
        Personen_hoechster_Index = anzahl - 1;
    }
    static Personenzeile& P(int i) { return Personen[static_cast<std::size_t>(i)]; }
    // The last report, then forgets it.
    static std::string meldung() {
        std::string t = Fehlertext;
        Fehler_zuruecksetzen();
        return t;
    }
};

std::vector<int> belegt(const Index& index) {
    return {index.Eintraege.begin(), index.Eintraege.begin() + (index.Letzter_Platz + 1)};
}

// Every listed person's field names its slot.
void pruefe_felder(const Index& index, int feldnummer) {
    for (int i = 0; i <= index.Letzter_Platz; ++i)
        EXPECT_EQ(Indexwelt::P(index.Eintraege[static_cast<std::size_t>(i)]).feld(feldnummer), i)
            << "slot " << i;
}

TEST(Personenindex, ListsGrowByTenAndStayCompact) {
    Indexwelt w;
    for (int p = 0; p < 11; ++p) EXPECT_TRUE(IndexU_Index_add(SingelFrau_Index, p, 38));
    EXPECT_EQ(SingelFrau_Index.Eintraege.size(), 20u);
    EXPECT_EQ(SingelFrau_Index.Letzter_Platz, 10);
    EXPECT_EQ(SingelFrau_Index.Eintraege[11], -1);
    pruefe_felder(SingelFrau_Index, 38);

    IndexU_Index_leeren(SingelFrau_Index);
    for (int p = 0; p < 5; ++p) IndexU_Index_add(SingelFrau_Index, p, 38);
    EXPECT_TRUE(Index_delet(SingelFrau_Index, 2, 38));
    EXPECT_EQ(belegt(SingelFrau_Index), (std::vector<int>{0, 1, 4, 3}));
    EXPECT_EQ(SingelFrau_Index.Eintraege[4], -1);
    EXPECT_EQ(std::make_tuple(w.P(4).Frauen_Indexplatz(), w.P(2).Frauen_Indexplatz()),
              std::make_tuple(2, -1));
    // The last one leaves by itself; an emptied list takes the next person in slot 0.
    EXPECT_TRUE(Index_delet(SingelFrau_Index, 3, 38));
    for (int p : {0, 1, 4}) EXPECT_TRUE(Index_delet(SingelFrau_Index, p, 38));
    EXPECT_EQ(SingelFrau_Index.Letzter_Platz, -1);
    IndexU_Index_add(SingelFrau_Index, 7, 38);
    EXPECT_EQ(std::make_tuple(SingelFrau_Index.Eintraege.size(), w.P(7).Frauen_Indexplatz()),
              std::make_tuple(std::size_t{10}, 0));
    EXPECT_TRUE(w.meldung().empty());
}

TEST(Personenindex, KindsKeepTheClanCountersInStep) {
    Indexwelt w;
    IndexU_Item_Add(1, 0, 0);
    IndexU_Item_Add(1, 0, 1);
    w.P(2).Spieler() = 2;
    IndexU_Item_Add(4, 0, 2);
    IndexU_Item_Add(2, 0, 0);
    EXPECT_EQ(belegt(Arbeiter_Index), (std::vector<int>{0, 1}));
    EXPECT_EQ(belegt(SpArbeiter_Index), (std::vector<int>{2}));
    EXPECT_EQ(belegt(SingelFrau_Index), (std::vector<int>{0}));
    EXPECT_EQ(std::make_tuple(Spieler[1].Arbeitslose(), Spieler[1].Arbeitslose_Fach(),
                              Spieler[2].Arbeitslose_Fach()),
              std::make_tuple(2, 0, 1));
    EXPECT_EQ(std::make_tuple(w.P(0).Arbeiter_Indexplatz(), w.P(0).Frauen_Indexplatz()),
              std::make_tuple(0, 0));

    // Taking a workplace moves person 0 from one idle list to the other.
    IndexU_Item_Delet(1, 0, 0);
    IndexU_Item_Add(4, 0, 0);
    EXPECT_EQ(belegt(Arbeiter_Index), (std::vector<int>{1}));
    EXPECT_EQ(belegt(SpArbeiter_Index), (std::vector<int>{2, 0}));
    EXPECT_EQ(std::make_tuple(Spieler[1].Arbeitslose(), Spieler[1].Arbeitslose_Fach()),
              std::make_tuple(1, 1));
    EXPECT_EQ(w.P(1).Arbeiter_Indexplatz(), 0);
    IndexU_Item_Delet(2, 0, 0);
    EXPECT_EQ(std::make_tuple(SingelFrau_Index.Letzter_Platz, w.P(0).Frauen_Indexplatz()),
              std::make_tuple(-1, -1));
    EXPECT_TRUE(w.meldung().empty());

    for (int art : {3, -1, 5}) {
        IndexU_Item_Add(art, 0, 1);
        EXPECT_EQ(w.meldung(),
                  "IndexU_Item_Add-> Extra konnte nicht erstellt werden :" + std::to_string(art));
        IndexU_Item_Delet(art, 0, 1);
        EXPECT_EQ(w.meldung(),
                  "IndexU_Item_Delet -> Extra konnte nicht erstellt werden :" + std::to_string(art));
    }
}

// Wrong pairs of calls are reported and leave lists, slot fields and counters as they were.
TEST(Personenindex, MismatchedCallsChangeNothing) {
    Indexwelt w;
    for (int p = 0; p < 3; ++p) IndexU_Item_Add(1, 0, p);
    IndexU_Item_Add(4, 0, 3);
    IndexU_Item_Add(2, 0, 3);
    const auto stand = [] {
        std::vector<int> s = belegt(Arbeiter_Index);
        for (int p : belegt(SpArbeiter_Index)) s.push_back(100 + p);
        for (int p : belegt(SingelFrau_Index)) s.push_back(200 + p);
        for (int p = 0; p < 5; ++p) {
            s.push_back(Indexwelt::P(p).Arbeiter_Indexplatz());
            s.push_back(Indexwelt::P(p).Frauen_Indexplatz());
        }
        s.push_back(Spieler[1].Arbeitslose());
        s.push_back(Spieler[1].Arbeitslose_Fach());
        return s;
    };
    const std::vector<int> vorher = stand();
    const struct {
        const char* name;
        bool hinzu;
        int art, person;
        std::string text;
    } faelle[] = {
        {"not listed", false, 1, 4, "ERROR: Index_delet: Arbeiter SP/Normsl ist nicht eingetragen!!!"},
        {"no single woman", false, 2, 1, "ERROR: Index_delet: Frau ist nicht eingetragen!!!"},
        // Person 3's field 37 names slot 0 of the other list; slot 0 here holds person 0.
        {"listed in the other idle list", false, 1, 3,
         "ERROR: Index_delet: Arbeiter SP/Normsl Schwerer Fehler!!!"},
        {"removed twice from the other list", false, 4, 0,
         "ERROR: Index_delet: Arbeiter SP/Normsl Schwerer Fehler!!!"},
        {"added twice", true, 1, 2, "IndexU_Index_add > Person ist schon eingetragen: 2"},
        {"woman added twice", true, 2, 3, "IndexU_Index_add > Person ist schon eingetragen: 3"},
        {"added to the other idle list", true, 4, 1,
         "IndexU_Item_Add > Person steht schon in der anderen Arbeiterliste: 1"},
        {"unknown person", true, 1, 12, "IndexU_Item_Add > unbekannte Person: 12"},
        {"unknown person leaves", false, 4, -1, "IndexU_Item_Delet > unbekannte Person: -1"},
    };
    for (const auto& f : faelle) {
        if (f.hinzu)
            IndexU_Item_Add(f.art, 0, f.person);
        else
            IndexU_Item_Delet(f.art, 0, f.person);
        EXPECT_EQ(w.meldung(), f.text) << f.name;
        EXPECT_EQ(stand(), vorher) << f.name;
    }

    // Slot numbers from a row that lie outside the list, a clan that does not exist, a bad field number.
    w.P(1).Arbeiter_Indexplatz() = 5000;
    IndexU_Item_Delet(1, 0, 1);
    EXPECT_EQ(w.meldung(), "ERROR: Index_delet: Arbeiter SP/Normsl Schwerer Fehler!!!");
    w.P(1).Arbeiter_Indexplatz() = 1;
    w.P(4).Spieler() = 77;
    IndexU_Item_Add(1, 0, 4);
    EXPECT_EQ(w.meldung(), "IndexU_Item_Add > unbekannter Clan der Person 4: 77");
    EXPECT_FALSE(Index_delet(Arbeiter_Index, 0, 36));
    EXPECT_EQ(w.meldung(), W("ERROR: Index_delet: Checksumme ungültig"));
    EXPECT_FALSE(IndexU_Index_add(Arbeiter_Index, 4, 39));
    EXPECT_FALSE(w.meldung().empty());
    EXPECT_EQ(stand(), vorher);
}

TEST(Personenindex, BuildingsCountTheirOwnerOnTheIsland) {
    Indexwelt w;
    Objekte.resize(4);
    const struct {
        int objekt, feld, besitzer, insel;
    } gebaeude[] = {{1, 20, 1, 0}, {2, 40, 1, 3}, {3, 60, 8, 0}};
    for (const auto& g : gebaeude) {
        Objekte[static_cast<std::size_t>(g.objekt)].Feld() = g.feld;
        Objekte[static_cast<std::size_t>(g.objekt)].Besitzer() = g.besitzer;
        Karte[static_cast<std::size_t>(g.feld)].Objekt() = g.objekt;
        Karte[static_cast<std::size_t>(g.feld)].Insel() = g.insel;
        IndexU_Item_Add(0, 5, g.feld);
    }
    IndexU_Item_Add(0, 5, 20);
    ASSERT_EQ(IU_Inseln.size(), 4u);
    EXPECT_EQ(IU_Inseln[0].Anwesenheit[1], 2);
    EXPECT_EQ(IU_Inseln[3].Anwesenheit[1], 1);
    EXPECT_EQ(IU_Inseln[0].Anwesenheit[8], 1) << "every clan counts, however many a large map holds";
    EXPECT_TRUE(IU_Spieler_auf_Insel(0, 8));
    IndexU_Item_Delet(0, 5, 20);
    EXPECT_EQ(IU_Inseln[0].Anwesenheit[1], 1);
    EXPECT_TRUE(w.meldung().empty());

    IndexU_Item_Add(0, 5, 21);
    EXPECT_EQ(w.meldung(), "IndexU_Item_Add > kein Objekt auf Feld 21: -1");
    IndexU_Item_Delet(0, 5, 16 * 16);
    EXPECT_EQ(w.meldung(), "IndexU_Item_Delet > unbekanntes Feld: 256");
    EXPECT_EQ(IU_Inseln[0].Anwesenheit[1], 1);
}

TEST(Personenindex, RebuildAfterLoading) {
    Indexwelt w(8);
    // Loaded slot numbers and counters that no longer mean anything.
    for (int p = 0; p < 8; ++p) w.P(p).Arbeiter_Indexplatz() = w.P(p).Frauen_Indexplatz() = 3;
    Spieler[1].Arbeitslose() = 40;
    Spieler[2].Arbeitslose_Fach() = 9;
    w.P(0).Geschlecht() = 1;      // idle man: kind 1
    w.P(1).ArbeitsplatzID() = 5;  // idle single woman at work: kinds 4 and 2
    w.P(2).AuftragID() = 200;     // busy single woman: kind 2 only
    w.P(3).HeimID() = 2;          // single woman with a home: kind 1 only
    w.P(4).PartnerID() = 0;       // married woman: kind 1 only
    w.P(5).Hunger() = 0;          // free row
    w.P(6).Spieler() = 2;         // kinds 1 and 2 in clan 2
    w.P(7).ArbeitsplatzID() = 1;  // idle man at work: kind 4
    w.P(7).Geschlecht() = 1;
    Personen_hoechster_Index = 7;
    Objekte.resize(5);
    for (int o = 1; o < 5; ++o) {
        Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
        z.Feld() = 16 + o;
        z.Besitzer() = 1;
        z.Zustand() = o - 1;  // states 0..3; 2 is the ruin
        Karte[static_cast<std::size_t>(z.Feld())].Objekt() = o;
        Karte[static_cast<std::size_t>(z.Feld())].Insel() = 0;
    }

    IndexU_Index_neu_aufbauen();
    EXPECT_EQ(belegt(Arbeiter_Index), (std::vector<int>{0, 3, 4, 6}));
    EXPECT_EQ(belegt(SpArbeiter_Index), (std::vector<int>{1, 7}));
    EXPECT_EQ(belegt(SingelFrau_Index), (std::vector<int>{1, 2, 6}));
    pruefe_felder(Arbeiter_Index, 37);
    pruefe_felder(SpArbeiter_Index, 37);
    pruefe_felder(SingelFrau_Index, 38);
    EXPECT_EQ(std::make_tuple(w.P(2).Arbeiter_Indexplatz(), w.P(3).Frauen_Indexplatz(),
                              w.P(5).Arbeiter_Indexplatz()),
              std::make_tuple(-1, -1, 3))
        << "living persons left out keep no loaded slot; a free row is not touched";
    EXPECT_EQ(std::make_tuple(Spieler[1].Arbeitslose(), Spieler[1].Arbeitslose_Fach(),
                              Spieler[2].Arbeitslose(), Spieler[2].Arbeitslose_Fach()),
              std::make_tuple(3, 2, 1, 0));
    EXPECT_EQ(IU_Inseln[0].Anwesenheit[1], 3) << "every building but the ruin";
    EXPECT_TRUE(w.meldung().empty());

    // Slots saved with the rows that number a list without a gap give it back its order.
    const int gesichert[][2] = {{0, 3}, {3, 0}, {4, 2}, {6, 1}};
    for (const auto& [person, platz] : gesichert) w.P(person).Arbeiter_Indexplatz() = platz;
    w.P(2).Frauen_Indexplatz() = 7;  // a gap: the single women come in row order
    IndexU_Personen_neu_eintragen();
    EXPECT_EQ(belegt(Arbeiter_Index), (std::vector<int>{3, 6, 4, 0}));
    EXPECT_EQ(belegt(SpArbeiter_Index), (std::vector<int>{1, 7}));
    EXPECT_EQ(belegt(SingelFrau_Index), (std::vector<int>{1, 2, 6}));
    pruefe_felder(Arbeiter_Index, 37);
    pruefe_felder(SingelFrau_Index, 38);
    EXPECT_EQ(
        std::make_tuple(Spieler[1].Arbeitslose(), Spieler[1].Arbeitslose_Fach(), Spieler[2].Arbeitslose()),
        std::make_tuple(3, 2, 1));

    // A person left out can be entered later and a listed one removed, without reports.
    IndexU_Item_Delet(1, 0, 3);
    IndexU_Item_Add(2, 0, 3);
    EXPECT_TRUE(w.meldung().empty());

    MG_Welt_zuruecksetzen();
    for (const Index* i : {&Arbeiter_Index, &SpArbeiter_Index, &SingelFrau_Index})
        EXPECT_EQ(std::make_tuple(i->Letzter_Platz, i->Eintraege.size()),
                  std::make_tuple(-1, std::size_t{0}));
}

}  // namespace

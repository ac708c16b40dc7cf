#include "economy/Warenindex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "economy/Objekte.h"
#include "foundation/SchablonenHilfe.h"

namespace {

using bhmtest::Schablonenumgebung;

// The valid entries of one list as (object, cell) pairs, sorted.
std::vector<std::pair<int, int>> gueltige(int ware, int insel) {
    std::vector<std::pair<int, int>> e;
    if (ware >= static_cast<int>(IWU_Warenindex.size()) ||
        insel >= static_cast<int>(IWU_Warenindex[ware].size()))
        return e;
    const Warenindex_Liste& l = IWU_Warenindex[ware][insel];
    for (int i = 0; i < l.Anzahl; ++i) {
        e.emplace_back(l.Eintraege[i].Objekt, l.Eintraege[i].Feld);
        EXPECT_EQ(l.Eintraege[i].X + l.Eintraege[i].Y * MG_Kartengroesse, l.Eintraege[i].Feld);
    }
    std::sort(e.begin(), e.end());
    return e;
}

TEST(Warenindex, AddAndRemove) {
    Schablonenumgebung u;
    IWU_Ware_eintragen(3, 5 + 7 * 256, 10, 2);
    IWU_Ware_eintragen(3, 5 + 7 * 256, 10, 2);
    ASSERT_EQ(IWU_Warenindex.size(), 4u);
    ASSERT_EQ(IWU_Warenindex[3].size(), 3u);
    const Warenindex_Liste& l = IWU_Warenindex[3][2];
    EXPECT_EQ(l.Anzahl, 2) << "no duplicate test";
    EXPECT_EQ(l.Eintraege[0].X, 5);
    EXPECT_EQ(l.Eintraege[0].Y, 7);
    IWU_Ware_austragen_auf_Insel(3, 10, 1);
    EXPECT_EQ(l.Anzahl, 2) << "another island changes nothing";
    IWU_Ware_austragen_auf_Insel(3, 10, 2);
    EXPECT_EQ(l.Anzahl, 1) << "one removal removes one entry";
    IWU_Ware_austragen_auf_Insel(3, 10, 2);
    EXPECT_EQ(l.Anzahl, 0);
    EXPECT_EQ(l.Eintraege.size(), 2u) << "the entries keep their length";
    EXPECT_EQ(l.Eintraege[0].Objekt, 0) << "removed entries are zeroed";

    IWU_Ware_eintragen(0, 1, 4, 0);
    IWU_Ware_austragen_auf_Insel(0, 4, 0);
    EXPECT_EQ(IWU_Warenindex[0][0].Anzahl, 1) << "good 0 is never removed";
    // A good or island below 0 would index before the lists.
    IWU_Ware_eintragen(-1, 1, 4, 0);
    IWU_Ware_eintragen(2, 1, 4, -1);
    IWU_Ware_eintragen(2, -5, 4, 0);
    EXPECT_EQ(u.meldungen_mit("IWU_Ware_eintragen > "), 3);
    EXPECT_EQ(IWU_Warenindex.size(), 4u);
    IWU_Index_leeren();
    EXPECT_TRUE(IWU_Warenindex.empty());
}

TEST(Warenindex, RandomSequenceMatchesAReference) {
    Schablonenumgebung u;
    std::mt19937 zufall(7);
    std::map<std::pair<int, int>, std::multiset<std::pair<int, int>>> referenz;
    for (int schritt = 0; schritt < 4000; ++schritt) {
        int ware = 1 + static_cast<int>(zufall() % 6);
        int insel = static_cast<int>(zufall() % 4);
        int objekt = static_cast<int>(zufall() % 12);
        int feld = objekt * 300 + insel;  // one cell per object and island
        if (zufall() % 3 != 0) {
            IWU_Ware_eintragen(ware, feld, objekt, insel);
            referenz[{ware, insel}].insert({objekt, feld});
        } else {
            IWU_Ware_austragen_auf_Insel(ware, objekt, insel);
            auto& r = referenz[{ware, insel}];
            auto it = std::find_if(r.begin(), r.end(), [&](const auto& e) { return e.first == objekt; });
            if (it != r.end()) r.erase(it);
        }
    }
    for (const auto& [schluessel, r] : referenz) {
        std::vector<std::pair<int, int>> erwartet(r.begin(), r.end());
        EXPECT_EQ(gueltige(schluessel.first, schluessel.second), erwartet);
    }
}

TEST(Warenindex, BuildingKinds) {
    Schablonenumgebung u;
    SBU_Objekte.resize(6);
    const char* modus[] = {"Home", "Hafen", "Hafen2", "Lager", "home", "Start"};
    for (int i = 0; i < 6; ++i) SBU_Objekte[i].Modus = modus[i];
    const bool hafen[] = {false, true, true, false, false, false};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(OM_ist_Hafen(i), hafen[i]) << i;
        EXPECT_EQ(OM_ist_Hafen2(i), i == 2) << i;
        EXPECT_EQ(OM_ist_Home(i), i == 0) << i;
    }
    EXPECT_FALSE(OM_ist_Hafen(6));
    EXPECT_FALSE(OM_ist_Home(-1));
    EXPECT_EQ(u.meldungen().size(), 2u);
}

// Objects on a small map: cells below 100 lie on island 1, the rest on island 2.
struct Objektumgebung : Schablonenumgebung {
    Objektumgebung() {
        MG_Kartengroesse = 16;
        MG_Karte_anlegen(16, Karte);
        for (std::size_t c = 0; c < Karte.size(); ++c) Karte[c].Insel() = c < 100 ? 1 : 2;
        SBU_Objekte.resize(4);
        SBU_Objekte[1].Modus = "Home";
        SBU_Objekte[2].Modus = "Lager";
        SBU_Objekte[3].Modus = "Startex";
        // Building 2: slot 0 fetches, slots 1.. store.
        SBU_Objekte[2].Slots[0] = {3, Benutzung_Holen};
        for (int k = 1; k < 6; ++k) SBU_Objekte[2].Slots[k] = {0, Benutzung_Lager};
        Objekte.assign(5, Objektzeile{});
    }
    ~Objektumgebung() {
        Objekte.clear();
        Karte.clear();
    }
    void objekt(int o, int feld, int typ, std::array<int, 6> waren) {
        Objekte[o].Feld() = feld;
        Objekte[o].Typ() = typ;
        for (int k = 0; k < 6; ++k) Objekte[o].Slot_Ware(k) = waren[k];
    }
};

TEST(Warenindex, RebuiltFromTheObjects) {
    Objektumgebung u;
    u.objekt(0, 20, 2, {3, 5, 0, 5, -1, 7});  // fetch slot 3 and store slot 0 not indexed
    u.objekt(1, 0, 2, {3, 5, 5, 5, 5, 5});    // a free row (anchor below 1)
    u.objekt(2, 130, 2, {6, 5, -1, -1, -1, -1});
    u.objekt(3, 40, 1, {0, 0, 0, 0, 0, 0});  // a house: all slots hold good 0
    u.objekt(4, 50, 9, {5, 5, 5, 5, 5, 5});  // a type without template
    IWU_Index_aufbauen();
    EXPECT_EQ(gueltige(5, 1), (std::vector<std::pair<int, int>>{{0, 20}, {0, 20}}));
    EXPECT_EQ(gueltige(5, 2), (std::vector<std::pair<int, int>>{{2, 130}}));
    EXPECT_EQ(gueltige(7, 1), (std::vector<std::pair<int, int>>{{0, 20}}));
    EXPECT_TRUE(gueltige(3, 1).empty());
    EXPECT_TRUE(gueltige(6, 2).empty()) << "slot 0 of building 2 fetches";
    EXPECT_TRUE(IWU_Warenindex[0].empty()) << "good 0 is never indexed";
    EXPECT_EQ(u.meldungen_mit("IWU_Index_aufbauen > Objekt 4 hat den unbekannten Typ 9"), 1);

    // Removal by object finds the island of the anchor cell.
    IWU_Ware_austragen(5, 2);
    EXPECT_TRUE(gueltige(5, 2).empty());
    IWU_Ware_austragen(5, 0);
    EXPECT_EQ(gueltige(5, 1).size(), 1u);
    IWU_Ware_austragen(5, 17);
    EXPECT_EQ(u.meldungen_mit("IWU_Ware_austragen > Objekt unbekannt: 17"), 1);

    IWU_Index_leeren();
    SBU_Objekte.clear();
    IWU_Index_aufbauen();
    EXPECT_TRUE(IWU_Warenindex.empty()) << "nothing without building templates";
}

TEST(Warenindex, KindsOfObjectRows) {
    Objektumgebung u;
    u.objekt(0, 20, 1, {});
    u.objekt(1, 21, 2, {});
    u.objekt(2, 22, 3, {});
    EXPECT_TRUE(OM_Objekt_ist_Home(0));
    EXPECT_FALSE(OM_Objekt_ist_Home(1));
    EXPECT_TRUE(OM_Objekt_ist_Lager(1));
    EXPECT_TRUE(OM_Objekt_ist_Start(2)) << "Startex counts as a start building";
    EXPECT_FALSE(OM_Objekt_ist_Start(0));
    EXPECT_FALSE(OM_Objekt_ist_Home(5)) << "no such row";
    EXPECT_FALSE(OM_Objekt_ist_Home(-1));
    EXPECT_TRUE(u.meldungen().empty());
    u.objekt(3, 23, 8, {});
    EXPECT_FALSE(OM_Objekt_ist_Lager(3));
    EXPECT_EQ(u.meldungen_mit("OM_Objekt_ist_Lager > Gebaeudetyp unbekannt: 8"), 1);
}

}  // namespace

#include "economy/Warenfluss.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/Kernwelt.h"
#include "economy/Vorlaeufig_statistik.h"

namespace {

using bhmtest::Kernwelt;
using E = std::vector<WFU_Eintrag>;

class Warenfluss : public ::testing::Test {
protected:
    void SetUp() override {
        // Goods: 1 flour, 2 water, 3 bread (from 1 and 2), 4 grain (from 2), 5 meat, 6 fish.
        SBU_Waren.assign(7, bhmtest::Ware());
        SBU_Waren[3].Need[0] = {1, 1};
        SBU_Waren[3].Need[1] = {2, 1};
        SBU_Waren[4].Need[2] = {2, 1};
        Waren_Anzeigeindex = 0;
    }
    // A building whose slots hold (ware, usage) pairs; the rest of its six slots stay empty (-1).
    int Gebaeude(std::vector<Warenslot> slots) {
        Objekt_Item o = bhmtest::Gebaeude("Produktion");
        for (Warenslot& s : o.Slots) s = {-1, 0};
        for (std::size_t i = 0; i < slots.size(); ++i) o.Slots[i] = slots[i];
        SBU_Objekte.push_back(o);
        return static_cast<int>(SBU_Objekte.size()) - 1;
    }
    static E eintraege(std::vector<std::array<int, 3>> yxc) {
        E e;
        for (const auto& a : yxc) e.push_back({a[0], a[1], a[2], -1});
        return e;
    }

    Kernwelt welt;
};

TEST_F(Warenfluss, BakeryMergesItsTwoInputs) {
    const int backstube = Gebaeude({{3, Benutzung_Produktion}, {1, Benutzung_Holen}});
    WFU_Warenfluss_aufbauen(backstube);
    EXPECT_EQ(WFU_Dia.WFU_Eintraege, eintraege({{40, 0, 1}, {80, 0, 2}, {60, 40, -2}, {60, 80, 3}}));
    EXPECT_EQ(WFU_Dia.WFU_Hoehe, 80);
    EXPECT_EQ(backstube, 0) << "the first building is type 0 and still gets its diagram";
}

TEST_F(Warenfluss, EveryUsageHasItsRows) {
    const struct {
        std::vector<Warenslot> slots;
        E erwartet;
        int hoehe;
    } faelle[] = {
        {{{4, Benutzung_Produktion}}, eintraege({{40, 0, 2}, {40, 40, -1}, {40, 80, 4}}), 40},
        {{{1, Benutzung_Produktion}}, eintraege({{40, 0, -10}, {40, 40, -1}, {40, 80, 1}}), 40},
        {{{1, Benutzung_Anbau}}, eintraege({{40, 0, -3}, {40, 40, -1}, {40, 80, 1}}), 40},
        {{{4, Benutzung_Anbau}}, eintraege({{40, 0, -3}, {80, 0, 2}, {60, 40, -2}, {60, 80, 4}}), 80},
        {{{5, Benutzung_Kaninchenabbau}},
         eintraege({{40, 0, -5}, {80, 0, 5}, {60, 40, -2}, {60, 80, 5}}),
         80},
        {{{6, Benutzung_fishing},
          {2, Benutzung_stone},
          {1, Benutzung_lumberjack},
          {5, Benutzung_ore},
          {2, Benutzung_recycle}},
         eintraege({{40, 0, -8},
                    {40, 40, -1},
                    {40, 80, 6},
                    {80, 0, -4},
                    {80, 40, -1},
                    {80, 80, 2},
                    {120, 0, -7},
                    {120, 40, -1},
                    {120, 80, 1},
                    {160, 0, -9},
                    {160, 40, -1},
                    {160, 80, 5},
                    {200, 0, -12},
                    {200, 40, -1},
                    {200, 80, 2}}),
         200},
        {{{1, Benutzung_Holen}, {2, 0}, {3, Benutzung_sand}, {-1, Benutzung_Produktion}}, E{}, 0},
    };
    for (const auto& f : faelle) {
        WFU_Warenfluss_aufbauen(Gebaeude(f.slots));
        EXPECT_EQ(WFU_Dia.WFU_Eintraege, f.erwartet) << SBU_Objekte.size() - 1;
        EXPECT_EQ(WFU_Dia.WFU_Hoehe, f.hoehe) << SBU_Objekte.size() - 1;
    }
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST_F(Warenfluss, SameTypeIsNotRebuilt) {
    const int lager = Gebaeude({{0, Benutzung_Lager}});
    const int andere = Gebaeude({{1, Benutzung_ore}});
    Waren_Anzeigeindex = 4;
    WFU_Warenfluss_aufbauen(lager);
    const E erwartet = eintraege({{40, 0, 4}, {40, 40, -1}, {40, 80, 4}});
    EXPECT_EQ(WFU_Dia.WFU_Eintraege, erwartet);
    Waren_Anzeigeindex = 5;
    WFU_Warenfluss_aufbauen(lager);
    EXPECT_EQ(WFU_Dia.WFU_Eintraege, erwartet) << "the store's rotating good stays as it was";
    WFU_Warenfluss_aufbauen(andere);
    WFU_Warenfluss_aufbauen(lager);
    EXPECT_EQ(WFU_Dia.WFU_Eintraege[0].code, 5);
}

TEST_F(Warenfluss, UnknownTypeOrWareIsReported) {
    WFU_Warenfluss_aufbauen(3);
    EXPECT_EQ(Fehlertext, "WFU_Warenfluss_aufbauen > unbekannter Gebaeudetyp: 3");
    EXPECT_TRUE(WFU_Dia.WFU_Eintraege.empty());
    Fehler_zuruecksetzen();
    WFU_Warenfluss_aufbauen(Gebaeude({{9, Benutzung_Produktion}, {2, Benutzung_ore}}));
    EXPECT_EQ(Fehlertext, "WFU_Warenfluss_aufbauen > unbekannte Ware 9 im Typ 0");
    EXPECT_EQ(WFU_Dia.WFU_Eintraege, eintraege({{40, 0, -9}, {40, 40, -1}, {40, 80, 2}}));
}

}  // namespace

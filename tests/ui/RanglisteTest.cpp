#include <gtest/gtest.h>

#include <vector>

#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "ui/Rangliste.h"
#include "ui/Uiwelt.h"

using namespace bhmtest;

namespace {

std::vector<int> plaetze() { return std::vector<int>(std::begin(TPU_Rangliste), std::end(TPU_Rangliste)); }

}  // namespace

TEST(Rangliste, OhneZielNachZufriedenheitFreiePlaetzeBleibenLeer) {
    Uiwelt welt(3);
    Spieler[0].Zufriedenheit() = 50;
    Spieler[1].Zufriedenheit() = 90;
    Spieler[2].Zufriedenheit() = 70;
    TPU_Rangliste_berechnen();
    EXPECT_EQ(plaetze(), (std::vector<int>{1, 2, 0, -1, -1, -1, -1, -1}));
}

TEST(Rangliste, AufgeloesteClansFehlenAusgestorbeneNicht) {
    Uiwelt welt(4);
    Spieler[1].Steuerung() = -2;
    Spieler[2].Steuerung() = -1;
    Spieler[2].Zufriedenheit() = 10;
    // Equal scores keep row order.
    TPU_Rangliste_berechnen();
    EXPECT_EQ(plaetze(), (std::vector<int>{2, 0, 3, -1, -1, -1, -1, -1}));
}

TEST(Rangliste, DerBesteProzentsatzDerAktivenZieleZaehlt) {
    Uiwelt welt(2);
    SBGOb = SBMAb = true;
    SBGOi = 10000;
    SBMAi = 100;
    Spieler[0].Gold_gespeichert() = 5000;  // 50 %
    Spieler[0].Mitglieder() = 50;          // 50 %
    Spieler[1].Gold_gespeichert() = 6000;  // 60 %
    Spieler[1].Mitglieder() = 20;          // 20 %
    TPU_Rangliste_berechnen();
    EXPECT_EQ(TPU_Rangliste[0], 1);
    EXPECT_EQ(TPU_Rangliste[1], 0);
    // A goal of 0 from a broken save counts nothing instead of dividing by it.
    SBMAi = 0;
    Spieler[0].Mitglieder() = 500;
    TPU_Rangliste_berechnen();
    EXPECT_EQ(TPU_Rangliste[0], 1);
}

TEST(Rangliste, HoechstensAchtPlaetze) {
    Uiwelt welt(10);
    for (int i = 0; i < 10; ++i) Spieler[static_cast<std::size_t>(i)].Zufriedenheit() = i;
    TPU_Rangliste_berechnen();
    EXPECT_EQ(plaetze(), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2}));
    Spieler.clear();
    TPU_Rangliste_berechnen();
    EXPECT_EQ(plaetze(), std::vector<int>(8, -1));
}

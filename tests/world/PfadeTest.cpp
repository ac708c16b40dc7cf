#include "world/Pfade.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"
#include "world/Karte.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "foundation/Spielstatus.h"
#include "population/Bauauftraege.h"

namespace {

constexpr int N = 16;

int F(int x, int y) { return x + y * N; }

bool alles_null(const std::vector<int>& v) {
    return std::all_of(v.begin(), v.end(), [](int e) { return e == 0; });
}

// A 16 x 16 island of building land with two persons and the path search set up.
class Pfade : public ::testing::Test {
protected:
    bhmtest::Kernwelt welt{N};

    void SetUp() override {
        for (Kartenfeld& k : Karte) {
            k.LandType() = 3;
            k.Insel() = 0;
            k.Block() = k.Person() = k.Objekt() = k.Ambiente() = -1;
        }
        PFU_Init();
        PFU_Gemeldete_Ziele.clear();
        // The walkers' clan, whose counters follow a walker that gives up.
        Spieler.assign(1, Spielerzeile{});
        Personen.assign(2, Personenzeile{});
        for (Personenzeile& p : Personen) {
            p.Hunger() = 100;
            p.PfadID() = -1;
            p.AuftragID() = 100;
        }
        BPU_PFU_Indexliste.clear();
    }
    void TearDown() override { Pause = false; }

    static void sperren(int x, int y) { Karte[static_cast<std::size_t>(F(x, y))].Block() = 2; }

    static void schicken(int p, int von, int nach) {
        Personen[static_cast<std::size_t>(p)].Feld() = von;
        Personen[static_cast<std::size_t>(p)].Zielfeld() = nach;
        Karte[static_cast<std::size_t>(von)].Person() = p;
    }

    // The stored path of the person, without the flag, up to its end.
    static std::vector<int> pfad(int p) {
        std::vector<int> zellen;
        const int r = Personen[static_cast<std::size_t>(p)].PfadID();
        if (r < 0) return zellen;
        const std::vector<int>& zeile = PFU_Pfade[static_cast<std::size_t>(r)];
        for (std::size_t i = 1; i < zeile.size() && zeile[i] >= 1; ++i) zellen.push_back(zeile[i]);
        return zellen;
    }

    // Walks the person as the movement does: along the stored path, else straight,
    // asking for a detour where the straight step is blocked. True when it arrives.
    static bool gehen(int p, int schritte) {
        Personenzeile& q = Personen[static_cast<std::size_t>(p)];
        for (int i = 0; i < schritte && q.Feld() != q.Zielfeld(); ++i) {
            int n;
            if (q.PfadID() >= 0) {
                const std::vector<int>& zeile = PFU_Pfade[static_cast<std::size_t>(q.PfadID())];
                n = static_cast<std::size_t>(q.Pfadschritt()) < zeile.size()
                        ? zeile[static_cast<std::size_t>(q.Pfadschritt())]
                        : 0;
                if (n < 1) {
                    PFU_Path_loeschen(p);
                    continue;
                }
                ++q.Pfadschritt();
            } else {
                n = q.Feld() + FFU_Nachbarfeld(FFU_Richtung_zu_Feld(q.Feld(), q.Zielfeld()));
                if (!PFU_Feld_begehbar(n)) {
                    PFU_Path_berechnen(p);
                    EXPECT_TRUE(alles_null(PFU_Linie) && alles_null(PFU_Sonde_L) && alles_null(PFU_Sonde_R))
                        << "the work arrays are clean after every search";
                    continue;
                }
            }
            bool nachbar = false;
            for (int d = 1; d <= 6; ++d) nachbar = nachbar || PFU_Nachbarfeld(q.Feld(), d) == n;
            EXPECT_TRUE(nachbar && PFU_Feld_begehbar(n)) << q.Feld() << " -> " << n;
            q.Feld() = n;
        }
        return q.Feld() == q.Zielfeld();
    }
};

TEST_F(Pfade, WalkersGetAroundWallsAndCups) {
    struct Fall {
        const char* name;
        std::vector<std::pair<int, int>> hindernis;
        int start, ziel;
    };
    std::vector<std::pair<int, int>> wand, becher;
    for (int y = 3; y <= 12; ++y) wand.emplace_back(7, y);
    for (int y = 5; y <= 11; ++y) becher.emplace_back(9, y);
    for (int x = 5; x <= 8; ++x) becher.insert(becher.end(), {{x, 5}, {x, 11}});
    const Fall faelle[] = {
        {"wall across the line", wand, F(3, 8), F(12, 8)},
        {"cup open towards the walker", becher, F(6, 8), F(13, 8)},
        {"wall, walking the other way", wand, F(12, 9), F(2, 7)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        for (auto [x, y] : f.hindernis) sperren(x, y);
        schicken(0, f.start, f.ziel);
        EXPECT_TRUE(gehen(0, 200));
        EXPECT_FALSE(PFU_Pfade.empty()) << "the walk took a detour";
        EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
        EXPECT_FALSE(Pause);
    }
}

TEST_F(Pfade, WhenBothProbesMeetTheLineInOnePassTheRightOneIsStored) {
    // One blocked cell right in front of the walker: the left probe goes round
    // below it, the right one above, and both reach the line's third cell together.
    sperren(4, 8);
    schicken(0, F(3, 8), F(12, 8));
    PFU_Path_berechnen(0);
    EXPECT_EQ(pfad(0), (std::vector<int>{F(4, 7), F(5, 7), F(5, 8)}));
    EXPECT_EQ(Personen[0].Pfadschritt(), 1);
    EXPECT_EQ(PFU_Pfade[static_cast<std::size_t>(Personen[0].PfadID())][0], 1);
    EXPECT_EQ(PFU_Pfade[static_cast<std::size_t>(Personen[0].PfadID())].size(),
              static_cast<std::size_t>(4 * N));

    // A new detour for a person who still holds a row replaces that row.
    const int alt = Personen[0].PfadID();
    PFU_Path_berechnen(0);
    EXPECT_EQ(Personen[0].PfadID(), alt);
    EXPECT_EQ(std::count_if(PFU_Pfade.begin(), PFU_Pfade.end(), [](const auto& z) { return z[0] >= 1; }), 1);
}

TEST_F(Pfade, ABoxedInWalkerFindsNoPathAndTheOverlayShowsTheLineUpToTheBorder) {
    for (int d = 1; d <= 6; ++d) Karte[static_cast<std::size_t>(PFU_Nachbarfeld(F(5, 5), d))].Block() = 2;
    schicken(0, F(5, 5), F(15, 5));
    PFU_Path_berechnen(0);
    EXPECT_EQ(Fehlertext, "Kein Path gefunden. PersonID:0 L[-1] R[-1]");
    EXPECT_EQ(Personen[0].PfadID(), -1);
    EXPECT_TRUE(PFU_Pfade.empty());
    ASSERT_EQ(BPU_PFU_Indexliste.size(), static_cast<std::size_t>(N * N));
    for (int x = 6; x <= 14; ++x)
        EXPECT_EQ(BPU_PFU_Indexliste[static_cast<std::size_t>(F(x, 5))], x - 5) << x;
    EXPECT_EQ(BPU_PFU_Indexliste[static_cast<std::size_t>(F(15, 5))], 0) << "the border column is not marked";
    EXPECT_TRUE(alles_null(PFU_Linie) && alles_null(PFU_Sonde_L) && alles_null(PFU_Sonde_R));
}

TEST_F(Pfade, AWalkerWithNoWayToItsTargetIsToldOnceAndGivesTheOrderUp) {
    // A pocket of three cells walled in by blocked cells.
    const int tasche[] = {F(10, 8), F(11, 8), F(10, 9)};
    for (int c : tasche)
        for (int d = 1; d <= 6; ++d) {
            const int n = PFU_Nachbarfeld(c, d);
            if (std::find(std::begin(tasche), std::end(tasche), n) == std::end(tasche))
                Karte[static_cast<std::size_t>(n)].Block() = 2;
        }
    Spieler[0].Arbeit_Rohstoff() = 1;
    schicken(0, F(8, 8), F(10, 8));
    PFU_Path_berechnen(0);
    EXPECT_EQ(Fehlertext, "Kein Path gefunden. PersonID:0 L[-1] R[-1]");
    bhmtest::Kernwelt::gemeldet();
    EXPECT_EQ(Personen[0].AuftragID(), 3) << "the order is given up, not asked for again at every step";
    EXPECT_NE(Personen[0].Zielfeld(), F(10, 8));
    EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
    EXPECT_EQ(Personen[0].PfadID(), -1);
    EXPECT_TRUE(alles_null(PFU_Linie) && alles_null(PFU_Sonde_L) && alles_null(PFU_Sonde_R));

    // Sent there again: given up again without a new report.
    Personen[0].AuftragID() = 100;
    Personen[0].Zielfeld() = F(10, 8);
    PFU_Path_berechnen(0);
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
    EXPECT_EQ(Personen[0].AuftragID(), 3);

    // Looking for a free spot in there: the walk ends where the walker stands.
    schicken(1, F(8, 9), F(10, 9));
    Personen[1].AuftragID() = 3;
    PFU_Path_berechnen(1);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
    EXPECT_EQ(Personen[1].Zielfeld(), F(8, 9));
    EXPECT_EQ(Personen[1].AuftragID(), 3);
}

TEST_F(Pfade, AWalkerWhoseStraightStepIsOpenNeedsNoDetour) {
    // A detour cell blocked behind the walker leaves its line clear: probes sent into
    // open ground would only circle, so nothing is searched, stored or reported and
    // the walker keeps its order and target.
    sperren(3, 7);
    schicken(0, F(3, 8), F(12, 8));
    PFU_Path_berechnen(0);
    EXPECT_EQ(Personen[0].PfadID(), -1);
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
    EXPECT_EQ(Personen[0].AuftragID(), 100);
    EXPECT_EQ(Personen[0].Zielfeld(), F(12, 8));
    EXPECT_TRUE(gehen(0, 20));
}

TEST_F(Pfade, AWayIsPossibleOnlyWhereWalkableCellsJoinStartAndTarget) {
    // A pocket of two cells; opening one wall cell joins it to the island.
    const int tasche[] = {F(6, 6), F(7, 6)};
    for (int c : tasche)
        for (int d = 1; d <= 6; ++d) {
            const int n = PFU_Nachbarfeld(c, d);
            if (n != tasche[0] && n != tasche[1]) sperren(n % N, n / N);
        }
    EXPECT_TRUE(PFU_Weg_moeglich(F(6, 6), F(7, 6))) << "inside the pocket";
    EXPECT_FALSE(PFU_Weg_moeglich(F(2, 2), F(6, 6))) << "into the pocket";
    EXPECT_FALSE(PFU_Weg_moeglich(F(7, 6), F(12, 12))) << "out of the pocket";
    EXPECT_FALSE(PFU_Weg_moeglich(F(2, 2), F(6, 5))) << "a blocked target";
    EXPECT_TRUE(PFU_Weg_moeglich(F(2, 2), F(12, 12))) << "open ground";
    EXPECT_TRUE(PFU_Weg_moeglich(F(6, 7), F(6, 4))) << "around the wall";
    // One start, several targets: once the start is found closed in, the rest is known.
    PFU_Wege_von aus_der_tasche(F(6, 6));
    EXPECT_FALSE(aus_der_tasche.zu(F(12, 12)));
    EXPECT_FALSE(aus_der_tasche.zu(F(2, 2)));
    EXPECT_TRUE(aus_der_tasche.zu(F(7, 6)));
    EXPECT_FALSE(aus_der_tasche.zu(F(6, 5))) << "a blocked target";
    PFU_Wege_von in_die_tasche(F(2, 2));
    EXPECT_FALSE(in_die_tasche.zu(F(6, 6)));
    EXPECT_FALSE(in_die_tasche.zu(F(7, 6))) << "known closed off";
    EXPECT_TRUE(in_die_tasche.zu(F(12, 12)));
    Karte[static_cast<std::size_t>(F(8, 6))].Block() = -1;
    EXPECT_TRUE(PFU_Weg_moeglich(F(2, 2), F(6, 6)));
    // However large a closed courtyard, nobody outside walks into it: a wall of blocked
    // cells across the whole island parts it in two.
    for (int y = 0; y < N; ++y) sperren(8, y);
    EXPECT_FALSE(PFU_Weg_moeglich(F(2, 2), F(12, 12)));
    EXPECT_FALSE(PFU_Weg_moeglich(F(12, 12), F(2, 2)));
    EXPECT_TRUE(PFU_Weg_moeglich(F(12, 2), F(12, 12)));
    Karte[static_cast<std::size_t>(F(8, 15))].Block() = -1;
    EXPECT_TRUE(PFU_Weg_moeglich(F(2, 2), F(12, 12))) << "a gap at the border";
    // Water parts islands too.
    Karte[static_cast<std::size_t>(F(12, 12))].Insel() = 1;
    EXPECT_FALSE(PFU_Weg_moeglich(F(2, 2), F(12, 12)));
}

TEST_F(Pfade, UnreachableTargets) {
    // Another island: reported, nothing stored, the game goes on.
    Karte[static_cast<std::size_t>(F(12, 8))].Insel() = 1;
    EXPECT_FALSE(PFU_Ziel_erreichbar(0, F(3, 8), F(12, 8)));
    EXPECT_NE(Fehlertext.find("anderen Kontinent"), std::string::npos);
    EXPECT_FALSE(Pause);
    bhmtest::Kernwelt::gemeldet();

    // A blocked target while looking for a free spot: the walk ends where the walker stands.
    sperren(12, 9);
    schicken(1, F(3, 9), F(12, 9));
    Personen[1].AuftragID() = 3;
    EXPECT_FALSE(PFU_Ziel_erreichbar(1, F(3, 9), F(12, 9)));
    EXPECT_EQ(Personen[1].Zielfeld(), F(3, 9));
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
    EXPECT_FALSE(Pause);
}

TEST_F(Pfade, AWorkerWithABlockedTargetIsToldOnceAndGivesTheOrderUp) {
    Spieler.assign(1, Spielerzeile{});
    // Blocked by an ambient object (a rock, say).
    sperren(12, 9);
    Karte[static_cast<std::size_t>(F(12, 9))].Ambiente() = 7;
    Karte[static_cast<std::size_t>(F(12, 11))].Ambiente() = 7;
    for (bool entwickler : {false, true}) {
        SCOPED_TRACE(entwickler);
        Programmvariableanzeigen = entwickler;
        Pause = false;
        Spieler[0].Arbeit_Rohstoff() = 1;
        Spieler[0].Ohne_Arbeit() = 0;
        PFU_Gemeldete_Ziele.clear();
        // The start cell shows somebody else, who looks for a free spot: the walker
        // itself is judged, not whoever the cell shows.
        schicken(1, F(3, 10), F(7, 7));
        Personen[1].AuftragID() = 3;
        Personen[0].AuftragID() = 100;
        schicken(0, F(3, 10), F(12, 9));
        PFU_Path_berechnen(0);
        EXPECT_EQ(Fehlertext,
                  "PFU_Ziel_erreichbar: Das Ziel des Pathrechners ist gespeert! Es kann keinen Path geben.");
        bhmtest::Kernwelt::gemeldet();
        EXPECT_EQ(Pause, entwickler) << "only the developer view stops the game";
        EXPECT_EQ(Personen[1].Zielfeld(), F(7, 7));
        // The walker gives up: its count goes back to the errands and it walks off.
        EXPECT_EQ(Personen[0].AuftragID(), 3);
        EXPECT_NE(Personen[0].Zielfeld(), F(12, 9));
        EXPECT_EQ(Spieler[0].Arbeit_Rohstoff(), 0);
        EXPECT_EQ(Spieler[0].Ohne_Arbeit(), 1);
        EXPECT_EQ(Personen[0].PfadID(), -1);

        // Sent to the same cell again: given up again, but not told again.
        Pause = false;
        Personen[0].AuftragID() = 100;
        schicken(0, F(3, 10), F(12, 9));
        PFU_Path_berechnen(0);
        EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
        EXPECT_FALSE(Pause);
        EXPECT_EQ(Personen[0].AuftragID(), 3);
        // Another blocked target is told.
        sperren(12, 11);
        Personen[0].AuftragID() = 100;
        schicken(0, F(3, 10), F(12, 11));
        PFU_Path_berechnen(0);
        EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
        Karte[static_cast<std::size_t>(F(12, 11))].Block() = -1;

        // Built over since the walker was sent (nothing but a footprint left on the
        // cell): given up untold, and the game goes on.
        Pause = false;
        sperren(12, 13);
        Personen[0].AuftragID() = 100;
        schicken(0, F(3, 10), F(12, 13));
        PFU_Path_berechnen(0);
        EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
        EXPECT_FALSE(Pause);
        EXPECT_EQ(Personen[0].AuftragID(), 3);
        EXPECT_NE(Personen[0].Zielfeld(), F(12, 13));
        Karte[static_cast<std::size_t>(F(12, 13))].Block() = -1;
    }
    Programmvariableanzeigen = false;
}

// A one-cell-wide corridor from the walker at (1, 1), the only open ground, that
// meets the straight line down column 1 at its end: both probes follow it cell for
// cell, so the detour is exactly the corridor. Rows 1, 3, 5, ... run alternately
// right and left, linked by single cells; `breite` sets the first row's end and
// `umweg` starts the corridor through the top row, one cell longer.
std::vector<int> gang(int breite, bool umweg) {
    std::vector<int> c;
    auto reihe = [&](int y, int von, int bis) {
        for (int x = von; von <= bis ? x <= bis : x >= bis; x += von <= bis ? 1 : -1) c.push_back(F(x, y));
    };
    if (umweg) c.insert(c.end(), {F(2, 0), F(3, 0), F(4, 0), F(4, 1)});
    reihe(1, umweg ? 5 : 2, breite);
    c.push_back(F(breite, 2));
    reihe(3, breite - 1, 3);
    c.push_back(F(2, 4));
    reihe(5, 2, 14);
    c.push_back(F(14, 6));
    reihe(7, 13, 3);
    c.push_back(F(2, 8));
    reihe(9, 2, 14);
    c.push_back(F(14, 10));
    reihe(11, 13, 2);
    c.push_back(F(1, 12));
    return c;
}

TEST_F(Pfade, ADetourThatDoesNotFitARowFailsInsteadOfWritingPastIt) {
    // A row holds the flag, the cells and an end mark in 4N entries: 4N - 2 cells fit.
    struct Fall {
        int breite;
        bool umweg;
        std::size_t laenge;
    };
    const Fall faelle[] = {{5, true, 4 * N - 2}, {6, false, 4 * N - 1}, {6, true, 4 * N}};
    for (const Fall& f : faelle) {
        SetUp();
        for (Kartenfeld& k : Karte) k.Block() = 2;
        const std::vector<int> weg = gang(f.breite, f.umweg);
        ASSERT_EQ(weg.size(), f.laenge);
        SCOPED_TRACE(weg.size());
        for (int c : weg) Karte[static_cast<std::size_t>(c)].Block() = -1;
        Karte[static_cast<std::size_t>(F(1, 1))].Block() = -1;
        schicken(0, F(1, 1), weg.back());
        PFU_Path_berechnen(0);
        if (weg.size() <= static_cast<std::size_t>(4 * N - 2)) {
            EXPECT_EQ(pfad(0), weg);
            EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
        } else {
            EXPECT_EQ(Personen[0].PfadID(), -1);
            EXPECT_EQ(Fehlertext.rfind("Kein Path gefunden. PersonID:0", 0), 0u) << Fehlertext;
            bhmtest::Kernwelt::gemeldet();
        }
        for (const std::vector<int>& zeile : PFU_Pfade)
            EXPECT_EQ(zeile.size(), static_cast<std::size_t>(4 * N));
        EXPECT_TRUE(alles_null(PFU_Linie) && alles_null(PFU_Sonde_L) && alles_null(PFU_Sonde_R));
    }
}

TEST_F(Pfade, ThePoolGrowsByNineAndReusesTheLowestReleasedRow) {
    std::vector<int> zeilen;
    for (int i = 0; i < 12; ++i) {
        const int r = PFU_Freien_Pfad_suchen();
        PFU_Pfade[static_cast<std::size_t>(r)][0] = 1;
        zeilen.push_back(r);
        EXPECT_EQ(PFU_Pfade.size(), i < 10 ? 10u : 19u) << i;
    }
    EXPECT_EQ(zeilen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    PFU_Pfad_freigeben(7);
    PFU_Pfad_freigeben(3);
    EXPECT_EQ(PFU_Freien_Pfad_suchen(), 3);
    PFU_Pfade[3][0] = 1;
    EXPECT_EQ(PFU_Freien_Pfad_suchen(), 7);
    // Out of range is reported and changes nothing; -1 is "no row".
    PFU_Pfad_freigeben(-1);
    EXPECT_FALSE(bhmtest::Kernwelt::gemeldet());
    PFU_Pfad_freigeben(99);
    EXPECT_TRUE(bhmtest::Kernwelt::gemeldet());
}

TEST_F(Pfade, RowsReadFromASaveEndWithMinusOneAndAreReleasedAndReusedAlike) {
    // As loaded: flag, three cells, then -1 up to the row's end.
    PFU_Pfade.assign(1, std::vector<int>(4 * N, -1));
    PFU_Pfade[0][0] = 1;
    PFU_Pfade[0][1] = F(4, 7);
    PFU_Pfade[0][2] = F(5, 7);
    PFU_Pfade[0][3] = F(5, 8);
    Personen[0].PfadID() = 0;
    Personen[0].Pfadschritt() = 2;
    PFU_Path_loeschen(0);
    EXPECT_EQ(Personen[0].PfadID(), -1);
    EXPECT_EQ(Personen[0].Pfadschritt(), 0);
    EXPECT_EQ(std::vector<int>(PFU_Pfade[0].begin(), PFU_Pfade[0].begin() + 5),
              (std::vector<int>{0, 0, 0, 0, -1}));
    // The pool of one row grows to ten, and the released row is taken again.
    sperren(4, 8);
    schicken(0, F(3, 8), F(12, 8));
    PFU_Path_berechnen(0);
    EXPECT_EQ(Personen[0].PfadID(), 0);
    EXPECT_EQ(PFU_Pfade.size(), 10u);
    EXPECT_EQ(pfad(0).size(), 3u);
}

TEST_F(Pfade, CellTests) {
    EXPECT_FALSE(PFU_Feld_im_Inneren(F(0, 5)));
    EXPECT_FALSE(PFU_Feld_im_Inneren(F(15, 5)));
    EXPECT_FALSE(PFU_Feld_im_Inneren(F(5, 0)));
    EXPECT_FALSE(PFU_Feld_im_Inneren(F(5, 15)));
    EXPECT_FALSE(PFU_Feld_im_Inneren(N));
    EXPECT_TRUE(PFU_Feld_im_Inneren(F(1, 1)));
    EXPECT_TRUE(PFU_Feld_im_Inneren(F(14, 14)));

    Karte[0].Block() = 1;
    Karte[1].LandType() = 0;
    Karte[2].Block() = 2;
    EXPECT_TRUE(PFU_Feld_begehbar(0)) << "reserved or occupied cells can be walked";
    EXPECT_FALSE(PFU_Feld_begehbar(1));
    EXPECT_FALSE(PFU_Feld_begehbar(2));
    EXPECT_FALSE(PFU_Feld_begehbar(N * N));
    EXPECT_FALSE(PFU_Feld_begehbar(-1));

    // Neighbours never wrap into the next row.
    EXPECT_EQ(PFU_Nachbarfeld(F(0, 5), 2), -1);
    EXPECT_EQ(PFU_Nachbarfeld(F(15, 5), 5), -1);
    EXPECT_EQ(PFU_Nachbarfeld(F(15, 5), 4), -1);
    EXPECT_EQ(PFU_Nachbarfeld(F(5, 5), 1), F(4, 6));
    EXPECT_EQ(PFU_Nachbarfeld(F(5, 5), 4), F(6, 4));
}

}  // namespace

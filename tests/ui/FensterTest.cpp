// The simpler in-game windows: toggle windows, goods grid, minimap, lobby and
// plain windows, drawn around the window centre (400, 300) of an 800 x 600 frame.
#include "ui/Fenster.h"

#include <gtest/gtest.h>

#include "common/GLKontext.h"
#include "common/ProgrammOrdner.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "render/Textur.h"
#include "ui/Fensterhilfe.h"
#include "ui/Fensterprimitive.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "foundation/Spielstatus.h"

using bhmtest::M;
using bhmtest::Wa;
using bhmtest::Was;

namespace {

constexpr int cx = 400, cy = 300;

// The window background's first stripe stands at (cx - 272, cy - 247).
bool hat_hintergrund(const Bild& b, int mx = cx, int my = cy) { return Was(b, mx - 272, my - 247) == M(176); }

}  // namespace

TEST(Fenster, ToggleWindowsShowSetOptionsWithTheFirstModelOfTheirPair) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    bhmtest::Fensterbuehne buehne;
    auto& bild = buehne.bild;
    struct Fall {
        void (*zeichnen)();
        int fenster, basis;
    };
    for (const Fall& f : {Fall{IFU_Checkbox_Panel1, 1, 103}, Fall{IFU_Checkbox_Panel2, 2, 121},
                          Fall{IFU_Checkbox_Panel3, 3, 139}}) {
        std::fill(std::begin(Schalterfenster_Optionen), std::end(Schalterfenster_Optionen), false);
        // Option 3k + (w - 1) for k = 0 and k = 4 (the middle cell).
        Schalterfenster_Optionen[static_cast<std::size_t>(f.fenster - 1)] = true;
        Schalterfenster_Optionen[static_cast<std::size_t>(12 + f.fenster - 1)] = true;
        bild.loeschen();
        f.zeichnen();
        const Bild b = bild.lesen();
        static constexpr int v[] = {-125, -40, 45};
        for (int k = 0; k < 9; ++k) {
            const bool an = k == 0 || k == 4;
            EXPECT_EQ(Was(b, cx + v[k % 3], cy + v[k / 3]), M(f.basis + 2 * k + (an ? 0 : 1)))
                << "window " << f.fenster << " cell " << k;
        }
        EXPECT_EQ(Was(b, cx - 165, cy - 151), M(179)) << "the frame";
        EXPECT_FALSE(hat_hintergrund(b)) << "no background";
    }
    std::fill(std::begin(Schalterfenster_Optionen), std::end(Schalterfenster_Optionen), false);
}

TEST(Fenster, GoodsGridSpreadsItsColumnsOver400Pixels) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    bhmtest::Grossbild bild;
    bhmtest::Codelisten listen(80);
    struct Fall {
        int anzahl;
        std::vector<int> spalten_x;  // x of each column
    };
    // 5 entries: no full column and one incomplete; 7 and 14: full columns only.
    for (const Fall& f : {Fall{10, {cx - 220, cx + 180}}, Fall{14, {cx - 220, cx + 180}}, Fall{7, {cx - 220}},
                          Fall{5, {cx - 220}}, Fall{70, {}}}) {
        IFU_Warenraster = {};
        for (int i = 0; i < f.anzahl; ++i) IFU_Warenraster.Waren[i] = i + 1;
        IFU_Warenraster.Anzahl = f.anzahl;
        IFU_Warenraster.Zeilen = f.anzahl / IFU_Warenraster_Spalten;
        IFU_Warenraster.Spalte = f.anzahl % IFU_Warenraster_Spalten;
        bild.loeschen();
        IFU_Fenster28();
        const Bild b = bild.lesen();
        EXPECT_EQ(Was(b, cx - 220, cy - 224), M(165)) << f.anzahl;
        EXPECT_TRUE(hat_hintergrund(b)) << f.anzahl;
        for (std::size_t j = 0; j < f.spalten_x.size(); ++j)
            for (int i = 0; i < IFU_Warenraster_Spalten; ++i) {
                const int n = static_cast<int>(j) * IFU_Warenraster_Spalten + i;
                EXPECT_EQ(Was(b, f.spalten_x[j], cy - 172 + 52 * i),
                          n < f.anzahl ? Wa(n + 1) : bhmtest::Nichts)
                    << f.anzahl << " entries, cell " << n;
            }
        if (f.anzahl == 70) {
            // Ten columns 400 div 9 = 44 pixels apart, the last cell at the bottom of the last.
            EXPECT_EQ(Was(b, cx - 220 + 9 * 44, cy - 172 + 6 * 52), Wa(70));
            EXPECT_EQ(Was(b, cx - 220 + 44, cy - 172), Wa(8));
        }
    }
    IFU_Warenraster = {};
}

TEST(Fenster, MinimapDrawsTabsAndTheMapOfItsKindAsAParallelogram) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    Error_Silence = false;
    bhmtest::Fensterbuehne buehne;
    auto& bild = buehne.bild;
    ML_Kartentexturen[0] = bhmtest::Einfarbig(200, 0, 0);
    ML_Kartentexturen[2] = bhmtest::Einfarbig(0, 0, 230);
    Minimap_Art = 2;
    IFU_Minimap();
    Bild b = bild.lesen();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Was(b, cx - 240 + 70 * k, cy - 220), M(97 + k)) << k;
    const int ox = cx - 126, oy = cy - 36;
    auto farbe = [&b](int x, int y) {
        const std::uint8_t* p = b.Zeile(y) + 3 * x;
        return std::array<int, 3>{p[0], p[1], p[2]};
    };
    EXPECT_EQ(farbe(ox + 128, oy + 128), (std::array<int, 3>{0, 0, 230})) << "map of kind 2";
    EXPECT_EQ(farbe(ox + 380, oy + 3), (std::array<int, 3>{0, 0, 230})) << "top right corner";
    EXPECT_EQ(farbe(ox - 124, oy + 253), (std::array<int, 3>{0, 0, 230})) << "sheared left at the bottom";
    EXPECT_EQ(farbe(ox + 300, oy + 250), (std::array<int, 3>{0, 0, 0})) << "right of the sheared edge";
    EXPECT_TRUE(hat_hintergrund(b));
    EXPECT_TRUE(Fehlertext.empty());

    // A kind outside 0..3 is reported and draws no map; the window is drawn all the same.
    Minimap_Art = 4;
    bild.loeschen();
    IFU_Minimap();
    b = bild.lesen();
    EXPECT_EQ(Fehlertext, "IFU_Minimap > Minimap_Art nicht abgefangen : 4");
    EXPECT_EQ(farbe(ox + 128, oy + 128), (std::array<int, 3>{0, 0, 0}));
    EXPECT_TRUE(hat_hintergrund(b));
    Minimap_Art = 0;
    ML_Kartentexturen_freigeben();
}

TEST(Fenster, LobbyAndPlainWindowsStandOnTheBackground) {
    GL_NOETIG();
    bhmtest::ProgrammOrdner ordner;
    bhmtest::Fensterbuehne buehne;
    auto& bild = buehne.bild;
    IFU_Fenster29();
    Bild b = bild.lesen();
    for (auto [x, y] : {std::pair{cx - 263, cy + 195}, {cx + 97, cy + 195}, {cx + 97, cy + 167}})
        EXPECT_EQ(Was(b, x, y), M(181)) << x << "," << y;
    EXPECT_EQ(Was(b, cx - 230, cy + 168), M(191));
    EXPECT_TRUE(hat_hintergrund(b));
    // The fields stay in front of a background piece at the background's depth drawn after them,
    // under the strictly-less rule the interface pass draws windows with.
    bild.loeschen();
    IFU_Fenster29();
    IFU_Icon_zeichnen(cx - 263, cy + 195, 980, 176);
    EXPECT_EQ(Was(bild.lesen(), cx - 263, cy + 195), M(181));
    for (void (*f)() : {IFU_Fenster36, IFU_Fenster40, IFU_Fenster41, IFU_Fenster42}) {
        bild.loeschen();
        f();
        b = bild.lesen();
        EXPECT_TRUE(hat_hintergrund(b));
        EXPECT_EQ(bhmtest::Orte(b, M(176)).size(), 19u) << "nothing but the background";
    }
}

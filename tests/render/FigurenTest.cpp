// Persons, rabbits and ships on a hand-filled map. The person and building packs
// are plain white, so a sprite's pixels show the colour it was drawn with, and the
// box of drawn pixels shows where it was drawn.
#include "render/Figuren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "common/Kernwelt.h"
#include "economy/Schiffe.h"
#include "economy/Spieler.h"
#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Objekte.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Spielstatus.h"
#include "population/Personen.h"
#include "render/Modelliste.h"
#include "render/Schiffe.h"
#include "render/Szenenhilfe.h"
#include "render/Testschale.h"

namespace {

using Rgb = std::array<std::uint8_t, 3>;

constexpr int N = 32;

struct Box {
    int links = 99999, oben = 99999, rechts = -1, unten = -1;
    bool leer() const { return rechts < 0; }
};

Box gezeichnete_box(const Bild& b) {
    Box box;
    for (int y = 0; y < b.hoehe; ++y)
        for (int x = 0; x < b.breite; ++x) {
            const Rgb p = bhmtest::Pixel(b, x, y);
            if (!p[0] && !p[1] && !p[2]) continue;
            box.links = std::min(box.links, x);
            box.rechts = std::max(box.rechts, x);
            box.oben = std::min(box.oben, y);
            box.unten = std::max(box.unten, y);
        }
    return box;
}

// Types: building 0; ambient types 1..6 the six ship directions, only "R" (type 3) has a picture.
struct Figurenwelt {
    bhmtest::Kernwelt welt{N};
    bhmtest::Testschale schale{bhmtest::Bildbreite, bhmtest::Bildhoehe};

    Figurenwelt() {
        for (Kartenfeld& f : Karte) {
            f.LandType() = 3;
            f.Ambiente() = f.Objekt() = f.Person() = -1;
        }
        GU_Spieler_erstellen(1);
        Spieler[1].Farbe_R() = 0;
        Spieler[1].Farbe_G() = 0;
        Spieler[1].Farbe_B() = 100;
        SBU_Objekte = {bhmtest::Gebaeude("Produktion")};
        SBU_Ambiente.resize(6);
        SBU_ID_airshipLO = 1;
        SBU_ID_airshipRO = 2;
        SBU_ID_airshipR = 3;
        SBU_ID_airshipLU = 4;
        SBU_ID_airshipRU = 5;
        SBU_ID_airshipL = 6;
        const Atlaseintrag leer{0, 0, 0, 0, 0, 0, 0, 0, 0};
        SBA_Atlastabelle = {leer, leer, leer, {0, 0, 0, 1, 0, 1, 0, 0, 0}, leer, leer, leer};
        ML_Packlisten_erzeugen();
        ML_Gebaeudepack = TglBitmap2D::CreateFromPixels(2048, 2048, tfBGRA8, nullptr);
        ML_Gebaeudepack->GenTexture(true);
        for (auto* pack : {&ML_Personpack, &ML_Personechtpack}) {
            *pack = TglBitmap2D::CreateFromPixels(1024, 1024, tfBGRA8, nullptr);
            (*pack)->GenTexture(true);
        }
        if (ML_Personenframes[0] == 0) ML_Modelliste_laden();
        Anzeige_zuruecksetzen();
        Sichtbereich_1_von = Sichtbereich_2_von = 0;
        Sichtbereich_1_bis = Sichtbereich_2_bis = N - 1;
        SX = -100;
        SY = 200;
        Hase_Loecher.clear();
        Hase_Anzahl = 0;
        Animationsphase = 0;
    }
    ~Figurenwelt() {
        ML_Packlisten_loeschen();
        ML_Gebaeudepack.reset();
        ML_Personpack.reset();
        ML_Personechtpack.reset();
        Hase_Loecher.clear();
        Hase_Anzahl = 0;
        Schiff_Liste_leeren();
    }

    static int person(int x, int y, int frame) {
        const int p = PM_Person_erzeugen(false, x + y * N, -1, 1);
        EXPECT_GE(p, 0);
        Personenzeile& z = Personen[static_cast<std::size_t>(p)];
        z.Hunger() = 100;
        z.Feld() = x + y * N;
        z.Spieler() = 1;
        z.AnimationID() = frame;
        z.AuftragID() = 0;
        z.Bewegungscounter() = 0;
        z.Letztes_Feld() = z.Feld();
        return p;
    }

    // Draws one layer the way the scene does.
    template <typename F>
    static Bild zeichnen(F schicht) {
        bhmtest::Bild_beginnen();
        glEnable(GL_TEXTURE_2D);
        glTranslatef(static_cast<float>(SX), static_cast<float>(SY), 0);
        schicht();
        glDisable(GL_TEXTURE_2D);
        return bhmtest::Bild_lesen();
    }
    static Bild personen(bool overlay) {
        return zeichnen([overlay] { Draw_Personen(overlay); });
    }
};

TEST(Figuren, ClanTintInTheFirstPassOverlayUntinted) {
    GL_NOETIG();
    Figurenwelt w;
    Figurenwelt::person(10, 10, 150);
    const Bild koerper = Figurenwelt::personen(false);
    const Box box = gezeichnete_box(koerper);
    ASSERT_FALSE(box.leer());
    EXPECT_EQ(std::make_tuple(box.rechts - box.links + 1, box.unten - box.oben + 1), std::make_tuple(16, 32));
    EXPECT_EQ(box.links, 20 * 10 + 10 * 10 - 2 + SX);
    EXPECT_EQ(bhmtest::Pixel(koerper, box.links + 8, box.oben + 16), (Rgb{0, 0, 255}));
    const Bild ueberzug = Figurenwelt::personen(true);
    EXPECT_EQ(bhmtest::Pixel(ueberzug, box.links + 8, box.oben + 16), (Rgb{255, 255, 255}));
}

TEST(Figuren, FiltersTintByHappinessHungerAndAge) {
    GL_NOETIG();
    Figurenwelt w;
    const int p = Figurenwelt::person(10, 10, 150);
    Personen[p].Alter() = 85;
    Personen[p].Hunger() = 160;
    Personen[p].Glueck() = 100;
    const std::tuple<bool*, Rgb> faelle[] = {
        {&Fil_Zuf, Rgb{0, 255, 0}}, {&Fil_Mhf, Rgb{255, 0, 0}}, {&Fil_Maf, Rgb{255, 51, 0}}};
    for (const auto& [filter, farbe] : faelle) {
        Fil_Zuf = Fil_Mhf = Fil_Maf = false;
        *filter = true;
        const Bild b = Figurenwelt::personen(false);
        const Box box = gezeichnete_box(b);
        ASSERT_FALSE(box.leer());
        EXPECT_EQ(bhmtest::Pixel(b, box.links + 8, box.oben + 16), farbe);
    }
    Fil_Zuf = Fil_Mhf = Fil_Maf = false;
}

TEST(Figuren, AWalkerIsSlidBackTowardsTheCellItComesFrom) {
    GL_NOETIG();
    Figurenwelt w;
    const int p = Figurenwelt::person(10, 10, 75);
    const int links = gezeichnete_box(Figurenwelt::personen(false)).links;
    Personen[p].Letztes_Feld() = 9 + 10 * N;
    Personen[p].Bewegungscounter() = 9;
    EXPECT_EQ(gezeichnete_box(Figurenwelt::personen(false)).links, links - 18);
    // From the cell below (one row further, one level higher): 9 pixels right, 9 up
    // for the row and floor(6.3) = 6 more for the level.
    Karte[10 + 11 * N].LandType() = 4;
    Personen[p].Letztes_Feld() = 10 + 11 * N;
    const Box vorher = gezeichnete_box(Figurenwelt::personen(true));
    Personen[p].Bewegungscounter() = 0;
    const Box nachher = gezeichnete_box(Figurenwelt::personen(true));
    EXPECT_EQ(std::make_tuple(vorher.links - nachher.links, vorher.oben - nachher.oben),
              std::make_tuple(9, -15));
}

TEST(Figuren, HiddenPersonsAndBadFrames) {
    GL_NOETIG();
    Figurenwelt w;
    const int a = Figurenwelt::person(0, 10, 150);  // on the window's border column
    const int b = Figurenwelt::person(10, 10, 150);
    Personen[b].AuftragID() = 851;
    EXPECT_TRUE(gezeichnete_box(Figurenwelt::personen(false)).leer());
    Personen[a].Feld() = 12 + 10 * N;
    Personen[a].AnimationID() = 1800;
    Fehler_zuruecksetzen();
    EXPECT_TRUE(gezeichnete_box(Figurenwelt::personen(false)).leer());
    EXPECT_EQ(Fehlertext, "Animation konnte nicht gesetzt werden :1800");
    Personen[a].AnimationID() = 225;  // drawn 5 pixels further right
    const int links = gezeichnete_box(Figurenwelt::personen(false)).links;
    EXPECT_EQ(links, 20 * 12 + 10 * 10 - 2 + SX + 5);
}

TEST(Figuren, RabbitsOutsideTheirHoles) {
    GL_NOETIG();
    Figurenwelt w;
    Hasenloch h;
    h.Draussen = true;
    h.Start = h.Schritt = h.Position = 10 + 10 * N;
    Hase_Loecher = {h};
    Hase_Anzahl = 1;
    const Box sitzend = gezeichnete_box(Figurenwelt::zeichnen(Draw_Hasen));
    ASSERT_FALSE(sitzend.leer());
    // Moving from the cell to the west, 9 steps before arrival: 18 pixels left.
    Hase_Loecher[0].Start = 9 + 10 * N;
    Hase_Loecher[0].Timer = 9;
    EXPECT_EQ(gezeichnete_box(Figurenwelt::zeichnen(Draw_Hasen)).links, sitzend.links - 18);
    // A step that is no neighbour of its origin: not drawn, though outside.
    Hase_Loecher[0].Start = 3 + 3 * N;
    EXPECT_TRUE(gezeichnete_box(Figurenwelt::zeichnen(Draw_Hasen)).leer());
    Hase_Loecher[0].Draussen = false;
    Hase_Loecher[0].Start = Hase_Loecher[0].Schritt;
    EXPECT_TRUE(gezeichnete_box(Figurenwelt::zeichnen(Draw_Hasen)).leer());
}

TEST(Figuren, ShipsFaceTheirDirectionAndSlideWhileFlying) {
    GL_NOETIG();
    Figurenwelt w;
    const int c = 10 + 10 * N;
    Schiff_hinzufuegen(Schiff{c, -1, -1, c - N, 5, -1, 0, -1, 1});
    const Box ruhend = gezeichnete_box(Figurenwelt::zeichnen(Draw_Schiffe));
    ASSERT_FALSE(ruhend.leer()) << "an idle ship faces right";
    Schiffe[0].Auftrag = 1;
    EXPECT_TRUE(gezeichnete_box(Figurenwelt::zeichnen(Draw_Schiffe)).leer())
        << "came from below: other model";
    Schiffe[0].Vorher = c;
    EXPECT_TRUE(gezeichnete_box(Figurenwelt::zeichnen(Draw_Schiffe)).leer()) << "no move: direction 0";
    // From the cell to the west, one level higher, wait counter 5: k = 10.
    Schiffe[0].Vorher = c - 1;
    Karte[c - 1].LandType() = 4;
    const Box fliegend = gezeichnete_box(Figurenwelt::zeichnen(Draw_Schiffe));
    EXPECT_EQ(std::make_tuple(ruhend.links - fliegend.links, ruhend.oben - fliegend.oben),
              std::make_tuple(20, 7));
}

}  // namespace

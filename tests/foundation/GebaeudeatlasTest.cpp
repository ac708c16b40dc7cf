#include "foundation/Gebaeudeatlas.h"

#include <gtest/gtest.h>

#include "common/Schablonenvorrat.h"
#include "foundation/Packbilder.h"
#include "foundation/SchablonenHilfe.h"

namespace {

using bhmtest::Schablonenumgebung;
using bhmtest::Vorrat_Bild;
using bhmtest::Vorrat_Farbe;
using bhmtest::Vorrat_Pixel;

const std::string Atlas = "Daten\\Gebaeudepack.BMP";

// Places the picture as vorlage/<datei> with the given number.
bool platzieren(const Bild& bild, int nummer, const std::string& datei = "b.bmp") {
    bhmtest::Vorrat_Bild_schreiben(Programmpfad + "vorlage/" + datei, bild);
    return SBA_Bild_in_Atlas(Programmpfad + "vorlage\\", Programmpfad, Atlas, nummer, datei);
}

Bild atlas_lesen() {
    Packbilder_schreiben();
    Bild atlas;
    EXPECT_TRUE(Bilddatei_laden(Programmpfad + Atlas, atlas));
    return atlas;
}

TEST(Gebaeudeatlas, FirstFitColumnByColumn) {
    Schablonenumgebung u;
    std::filesystem::create_directories(Programmpfad + "Daten");
    SBA_Atlas_anlegen(Programmpfad, Atlas);
    ASSERT_TRUE(platzieren(Vorrat_Bild(40, 20, 1, 1, 1), 0));
    ASSERT_TRUE(platzieren(Vorrat_Bild(40, 20, 2, 2, 2), 1));
    ASSERT_TRUE(platzieren(Vorrat_Bild(16, 2048, 3, 3, 3), 2));
    ASSERT_TRUE(platzieren(Vorrat_Bild(17, 16, 4, 4, 4), 3));
    ASSERT_EQ(SBA_Atlastabelle.size(), 4u);
    auto zellen = [](int i) {
        const Atlaseintrag& e = SBA_Atlastabelle[i];
        return std::vector<int>{e.Links, e.Rechts, e.Oben, e.Unten};
    };
    EXPECT_EQ(zellen(0), (std::vector<int>{0, 3, 0, 2}));
    EXPECT_EQ(zellen(1), (std::vector<int>{0, 3, 2, 4}));
    EXPECT_EQ(zellen(2), (std::vector<int>{3, 4, 0, 128})) << "a full column";
    EXPECT_EQ(zellen(3), (std::vector<int>{0, 2, 4, 5})) << "below the first two";
    Bild atlas = atlas_lesen();
    ASSERT_EQ(atlas.breite, 2048);
    ASSERT_EQ(atlas.hoehe, 2048);
    EXPECT_EQ(Vorrat_Farbe(atlas, 39, 19), 0x010101u);
    EXPECT_EQ(Vorrat_Farbe(atlas, 40, 19), 0u) << "the rest of the cell stays black";
    EXPECT_EQ(Vorrat_Farbe(atlas, 0, 32), 0x020202u);
    EXPECT_EQ(Vorrat_Farbe(atlas, 48, 2047), 0x030303u);
    EXPECT_EQ(Vorrat_Farbe(atlas, 16, 64), 0x040404u);
    EXPECT_EQ(Vorrat_Farbe(atlas, 2047, 2047), 0u);
    EXPECT_EQ(u.meldungen().size(), 0u);
}

TEST(Gebaeudeatlas, MarkersAreReadAndRemoved) {
    Schablonenumgebung u;
    std::filesystem::create_directories(Programmpfad + "Daten");
    SBA_Atlas_anlegen(Programmpfad, Atlas);
    Bild bild = Vorrat_Bild(8, 8, 50, 60, 70);
    for (int x = 0; x < 8; ++x) Vorrat_Pixel(bild, x, 2, 10, 20, static_cast<std::uint8_t>(x));
    Vorrat_Pixel(bild, 3, 6, 255, 0, 0);  // anchor
    Vorrat_Pixel(bild, 5, 1, 0, 255, 0);  // flag
    Vorrat_Pixel(bild, 1, 2, 0, 0, 255);  // blue points
    Vorrat_Pixel(bild, 7, 2, 0, 0, 255);  // in the last column
    Vorrat_Pixel(bild, 0, 0, 0, 0, 254);  // not exactly blue
    ASSERT_TRUE(platzieren(bild, 12));
    const Atlaseintrag& e = SBA_Atlastabelle[0];
    EXPECT_EQ(e.Anker_X, -3);
    EXPECT_EQ(e.Anker_Y, -6);
    EXPECT_EQ(e.hat_Flagge, 1);
    EXPECT_EQ(e.Flagge_X, 2);
    EXPECT_EQ(e.Flagge_Y, -8);
    ASSERT_EQ(SBU_Markerpunkte.size(), 13u);
    ASSERT_EQ(SBU_Markerpunkte[12].size(), 2u);
    EXPECT_EQ(SBU_Markerpunkte[12][0].x, -2);
    EXPECT_EQ(SBU_Markerpunkte[12][0].y, -4);
    EXPECT_EQ(SBU_Markerpunkte[12][1].x, 4);

    // Without markers a picture has anchor 0/0 and no flag (flag fields: anchor, anchor - 3).
    Bild schlicht = Vorrat_Bild(4, 4, 9, 9, 9);
    Vorrat_Pixel(schlicht, 1, 1, 0, 0, 255);
    ASSERT_TRUE(platzieren(schlicht, 13));
    EXPECT_EQ(SBA_Atlastabelle[1].Anker_X, 0);
    EXPECT_EQ(SBA_Atlastabelle[1].hat_Flagge, 0);
    EXPECT_EQ(SBA_Atlastabelle[1].Flagge_Y, -3);
    EXPECT_EQ(SBU_Markerpunkte[13][0].x, 1) << "relative to the top-left corner";

    // Markers off: copied as they are.
    SBA_Markerlesen_aus = 1;
    ASSERT_TRUE(platzieren(bild, 14));
    EXPECT_EQ(SBA_Atlastabelle[2].Anker_X, 0);
    EXPECT_EQ(SBU_Markerpunkte.size(), 14u);

    Bild atlas = atlas_lesen();
    EXPECT_EQ(Vorrat_Farbe(atlas, 3, 6), 0x323C46u) << "anchor: the right-hand neighbour";
    EXPECT_EQ(Vorrat_Farbe(atlas, 1, 2), 0x0A1402u) << "blue point: the right-hand neighbour";
    EXPECT_EQ(Vorrat_Farbe(atlas, 7, 2), 0x0A1406u) << "last column: the left-hand neighbour";
    EXPECT_EQ(Vorrat_Farbe(atlas, 5, 1), 0x323C46u);
    EXPECT_EQ(Vorrat_Farbe(atlas, 0, 0), 0x0000FEu);
    EXPECT_EQ(Vorrat_Farbe(atlas, 3, 32 + 6), 0xFF0000u) << "the plain copy keeps its red pixel";
}

TEST(Gebaeudeatlas, PicturesThatDoNotFit) {
    Schablonenumgebung u;
    std::filesystem::create_directories(Programmpfad + "Daten");
    SBA_Atlas_anlegen(Programmpfad, Atlas);
    // Too large: clipped to the atlas and reported.
    ASSERT_TRUE(platzieren(Vorrat_Bild(2100, 40, 7, 7, 7), 0));
    EXPECT_EQ(SBA_Atlastabelle[0].Rechts, 128);
    EXPECT_EQ(u.meldungen_mit("ist groesser als der Atlas und wird abgeschnitten."), 1);
    // Fill the rest, then one more finds no room: an empty entry keeps the numbering.
    ASSERT_TRUE(platzieren(Vorrat_Bild(2048, 2048 - 48, 8, 8, 8), 1));
    EXPECT_FALSE(platzieren(Vorrat_Bild(16, 16, 9, 9, 9), 2));
    EXPECT_EQ(u.meldungen_mit("SBA_Bild_in_Atlas > Kein Platz im Atlas"), 1);
    // A missing picture: reported by the codec, an empty entry too.
    EXPECT_FALSE(SBA_Bild_in_Atlas(Programmpfad + "fehlt\\", Programmpfad, Atlas, 3, "x.bmp"));
    ASSERT_EQ(SBA_Atlastabelle.size(), 4u);
    EXPECT_EQ(SBA_Atlastabelle[2].Rechts, 0);
    EXPECT_EQ(SBA_Atlastabelle[3].Rechts, 0);
    Bild atlas = atlas_lesen();
    EXPECT_EQ(Vorrat_Farbe(atlas, 2047, 30), 0x070707u);
}

TEST(Gebaeudeatlas, OtherPixelFormatsAreConverted) {
    Schablonenumgebung u;
    std::filesystem::create_directories(Programmpfad + "Daten");
    SBA_Atlas_anlegen(Programmpfad, Atlas);
    Bild bgra(4, 2, tfBGRA8);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            std::uint8_t* p = bgra.Zeile(y) + 4 * x;
            p[0] = 1, p[1] = 2, p[2] = 3, p[3] = 255;
        }
    bgra.Zeile(1)[4 * 2 + 0] = 0, bgra.Zeile(1)[4 * 2 + 1] = 0, bgra.Zeile(1)[4 * 2 + 2] = 255;  // red
    bhmtest::Vorrat_Bild_schreiben(Programmpfad + "vorlage/b32.bmp", bgra);
    ASSERT_TRUE(SBA_Bild_in_Atlas(Programmpfad + "vorlage\\", Programmpfad, Atlas, 0, "b32.bmp"));
    EXPECT_EQ(SBA_Atlastabelle[0].Anker_X, -2);
    EXPECT_EQ(SBA_Atlastabelle[0].Anker_Y, -1);
    Bild atlas = atlas_lesen();
    EXPECT_EQ(Vorrat_Farbe(atlas, 0, 0), 0x030201u);
    EXPECT_EQ(Vorrat_Farbe(atlas, 2, 1), 0x030201u);
}

TEST(Gebaeudeatlas, CopiedBetweenFolders) {
    Schablonenumgebung u;
    std::filesystem::create_directories(Programmpfad + "Daten");
    SBA_Atlas_anlegen(Programmpfad, Atlas);
    ASSERT_TRUE(platzieren(Vorrat_Bild(8, 8, 5, 5, 5), 0));
    std::filesystem::create_directories(Programmpfad + "save");
    // The atlas still only in memory is written before it is copied.
    ASSERT_TRUE(SBA_Atlas_kopieren(Programmpfad + "Daten\\", Programmpfad + "save\\", "Gebaeudepack.BMP"));
    Bild kopie;
    ASSERT_TRUE(Bilddatei_laden(Programmpfad + "save/Gebaeudepack.BMP", kopie));
    EXPECT_EQ(Vorrat_Farbe(kopie, 7, 7), 0x050505u);
    EXPECT_FALSE(SBA_Atlas_kopieren(Programmpfad + "leer\\", Programmpfad + "save\\", "Gebaeudepack.BMP"));
    Packbilder_verwerfen();
}

}  // namespace

#include "foundation/Iconpacks.h"

#include <gtest/gtest.h>

#include "common/Schablonenvorrat.h"
#include "foundation/Packbilder.h"
#include "foundation/SchablonenHilfe.h"
#include "platform/base/Datei.h"

namespace {

using bhmtest::Schablonenumgebung;
using bhmtest::Vorrat_Bild;
using bhmtest::Vorrat_Bild_schreiben;
using bhmtest::Vorrat_Farbe;

Bild lesen(const std::string& rel) {
    Bild b;
    EXPECT_TRUE(Bilddatei_laden(Programmpfad + rel, b)) << rel;
    return b;
}

// Puts an icon of the given size and colour into the pack as template n.
bool icon(const std::string& pack, int n, int seite, std::uint8_t farbe, int breite = 0) {
    Vorrat_Bild_schreiben(Programmpfad + "v/Icon.BMP",
                          Vorrat_Bild(breite ? breite : seite, seite, farbe, 0, 0));
    return SBI_Icon_in_Pack(Programmpfad + "v\\", Programmpfad, pack, n);
}

TEST(Iconpacks, IconCells) {
    Schablonenumgebung u;
    Vorrat_Bild_schreiben(Programmpfad + "Texture/aktiv/Iconpack.BMP", Vorrat_Bild(1024, 1024, 255, 0, 255));
    std::filesystem::create_directories(Programmpfad + "Daten");
    SBI_Packs_anlegen(Programmpfad);
    ASSERT_TRUE(icon(SBI_Iconpack, 17, 32, 17));
    ASSERT_TRUE(icon(SBI_Iconpack, 40, 32, 40));
    ASSERT_TRUE(icon(SBI_Bauiconpack, 17, 64, 99));
    ASSERT_TRUE(icon("Daten\\Bauiconpack.BMP", 0, 64, 98)) << "the same pack in another spelling";
    EXPECT_FALSE(icon(SBI_Skillpack, 1024, 32, 1)) << "cell below the pack";
    ASSERT_TRUE(icon(SBI_Skillpack, 31, 32, 2, 40)) << "wider than its cell: cut at the edge";
    EXPECT_EQ(u.meldungen_mit("SBI_Icon_in_Pack > "), 2);
    EXPECT_FALSE(Datei_existiert(Programmpfad + "Daten/Iconpack.BMP")) << "written once, at the end";
    Packbilder_schreiben();

    Bild waren = lesen("Daten/Iconpack.BMP");
    EXPECT_EQ(Vorrat_Farbe(waren, 544, 0), 0x110000u);
    EXPECT_EQ(Vorrat_Farbe(waren, 575, 31), 0x110000u);
    EXPECT_EQ(Vorrat_Farbe(waren, 576, 0), 0xFF00FFu);
    EXPECT_EQ(Vorrat_Farbe(waren, 256, 32), 0x280000u);
    Bild bau = lesen("Daten/BauIconpack.BMP");
    EXPECT_EQ(Vorrat_Farbe(bau, 64, 64), 0x630000u);
    EXPECT_EQ(Vorrat_Farbe(bau, 127, 127), 0x630000u);
    EXPECT_EQ(Vorrat_Farbe(bau, 0, 0), 0x620000u);
    Bild skill = lesen("Daten/Skillpack.BMP");
    EXPECT_EQ(Vorrat_Farbe(skill, 1023, 0), 0x020000u);
    EXPECT_EQ(Vorrat_Farbe(skill, 0, 32), 0xFF00FFu) << "nothing wrapped into the next row";
}

TEST(Iconpacks, MissingBlankPackOrIcon) {
    Schablonenumgebung u;
    SBI_Packs_anlegen(Programmpfad);
    EXPECT_EQ(u.meldungen_mit("Texture\\aktiv\\Iconpack.BMP"), 1);
    EXPECT_FALSE(icon(SBI_Iconpack, 0, 32, 1));
    EXPECT_FALSE(icon(SBI_Iconpack, 1, 32, 1));
    EXPECT_EQ(u.meldungen_mit("Daten\\Iconpack.BMP"), 1) << "a missing pack is reported once";
    EXPECT_FALSE(SBI_Icon_in_Pack(Programmpfad + "nichts\\", Programmpfad, SBI_Iconpack, 0));
    EXPECT_EQ(u.meldungen().size(), 3u);
    Packbilder_schreiben();
    EXPECT_FALSE(Datei_existiert(Programmpfad + "Daten/Iconpack.BMP"));
}

TEST(Iconpacks, CarryPack) {
    Schablonenumgebung u;
    Vorrat_Bild_schreiben(Programmpfad + "Texture/aktiv/Personpack.bmp", Vorrat_Bild(1024, 1024, 1, 1, 1));
    Vorrat_Bild_schreiben(Programmpfad + "v/Frame.BMP", Vorrat_Bild(96, 32, 23, 0, 0));
    ASSERT_TRUE(
        SBWT_Frame_in_Personpack(Programmpfad + "v\\", Programmpfad, SBWT_Personpack, 23, "Frame.BMP"));
    EXPECT_FALSE(
        SBWT_Frame_in_Personpack(Programmpfad + "v\\", Programmpfad, SBWT_Personpack, 240, "Frame.BMP"))
        << "row 24 starts below the pack";
    ASSERT_TRUE(
        SBWT_Frame_in_Personpack(Programmpfad + "v\\", Programmpfad, SBWT_Personpack, 239, "Frame.BMP"));
    EXPECT_EQ(u.meldungen_mit("SBWT_Frame_in_Personpack > "), 1);
    Vorrat_Bild_schreiben(Programmpfad + "v/Frame.BMP", Vorrat_Bild(200, 32, 24, 0, 0));
    ASSERT_TRUE(
        SBWT_Frame_in_Personpack(Programmpfad + "v\\", Programmpfad, SBWT_Personpack, 9, "Frame.BMP"));
    EXPECT_EQ(u.meldungen_mit("ragt ueber"), 1);
    Packbilder_schreiben();
    Bild pack = lesen("Texture/aktiv/Personpack.bmp");
    EXPECT_EQ(Vorrat_Farbe(pack, 288, 320), 0x170000u);
    EXPECT_EQ(Vorrat_Farbe(pack, 383, 351), 0x170000u);
    EXPECT_EQ(Vorrat_Farbe(pack, 384, 320), 0x010101u) << "the rest stays as it was";
    EXPECT_EQ(Vorrat_Farbe(pack, 0, 255), 0x010101u);
    EXPECT_EQ(Vorrat_Farbe(pack, 864, 1023), 0x170000u) << "good 239, the last place";
    EXPECT_EQ(Vorrat_Farbe(pack, 1023, 256), 0x180000u) << "good 9, cut at the right edge";
}

TEST(Iconpacks, CopiedBetweenFolders) {
    Schablonenumgebung u;
    Vorrat_Bild_schreiben(Programmpfad + "Daten/Skillpack.BMP", Vorrat_Bild(64, 64, 3, 4, 5));
    std::filesystem::create_directories(Programmpfad + "save");
    ASSERT_TRUE(SBI_Pack_kopieren(Programmpfad + "Daten\\", Programmpfad + "save\\", "skillpack.bmp"));
    EXPECT_EQ(Vorrat_Farbe(lesen("save/skillpack.bmp"), 63, 63), 0x030405u);
    EXPECT_FALSE(SBI_Pack_kopieren(Programmpfad + "fehlt\\", Programmpfad + "save\\", "Skillpack.BMP"));
}

}  // namespace

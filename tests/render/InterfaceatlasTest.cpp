// The interface atlas: packing the image folders, its files, reading them back,
// the start-up decision and the display lists.
#include "render/Interfaceatlas.h"

#include <gtest/gtest.h>

#include "common/ProgrammOrdner.h"
#include "foundation/Bilddatei.h"
#include "foundation/Config.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "render/Modelliste.h"
#include "render/Szenenhilfe.h"

namespace {

struct Farbe3 {
    std::uint8_t r, g, b;
};

// A test game folder with interface image folders.
class Atlasordner {
public:
    Atlasordner() {
        Error_Silence = false;
        ITF_Freigeben();
    }
    ~Atlasordner() { ITF_Freigeben(); }

    std::string daten() const { return Programmpfad + "daten\\"; }
    std::string ordner(int n) const { return "daten/Interface/" + std::to_string(n) + "/"; }

    // Image folder n: a b x h image of one colour and a script.
    void bild(int n, int b, int h, Farbe3 f, const std::string& skript) const {
        Bild bild(b, h, tfBGR8);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < b; ++x) {
                std::uint8_t* p = bild.Zeile(y) + 3 * x;
                p[0] = f.b;
                p[1] = f.g;
                p[2] = f.r;
            }
        std::filesystem::create_directories(pfad(ordner(n)));
        ASSERT_TRUE(Bilddatei_speichern(Programmpfad + ordner(n) + "Icon.BMP", bild));
        dir().write(ordner(n) + "Script.srt", skript);
    }
    void bild(int n, int b, int h) const {
        bild(n, b, h, {static_cast<std::uint8_t>(40 + 20 * n), 100, 30},
             "Titel/Bild" + std::to_string(n) + "\r\n");
    }
    void seite(int s) const { Config_WriteInteger(Configdatei, "Interface", "Size", s); }

    std::vector<std::string> zeilen(const std::string& rel) const {
        return Textdatei_lesen(Programmpfad + rel).value_or(std::vector<std::string>{});
    }
    std::filesystem::path pfad(const std::string& rel) const { return dir().path() / rel; }
    const bhmtest::TempDir& dir() const { return ordner_.dir(); }

private:
    bhmtest::ProgrammOrdner ordner_;
};

std::vector<int> felder(const ITF_Rechteck& r) {
    return {r.offX, r.offY, r.cellX0, r.cellX1, r.cellY0, r.cellY1};
}

}  // namespace

TEST(Interfaceatlas, PacksColumnByColumnAndStopsAtTheFirstMissingFolder) {
    Atlasordner a;
    a.seite(32);
    a.bild(0, 16, 16, {200, 0, 0}, "Titel/Rot\r\n");
    a.bild(1, 16, 16, {0, 200, 0}, "Titel/Gruen\r\n");
    a.bild(2, 16, 16, {0, 0, 200}, "Titel/Blau\r\n");
    a.bild(4, 16, 16);  // after the gap: never looked at
    ITF_Interface_erzeugen(a.daten());

    ASSERT_EQ(ITF_Texturkoordinaten.size(), 3u);
    EXPECT_EQ(felder(ITF_Texturkoordinaten[0]), (std::vector<int>{0, 0, 0, 1, 0, 1}));
    EXPECT_EQ(felder(ITF_Texturkoordinaten[1]), (std::vector<int>{0, 0, 0, 1, 1, 2}));
    EXPECT_EQ(felder(ITF_Texturkoordinaten[2]), (std::vector<int>{0, 0, 1, 2, 0, 1}));
    ASSERT_EQ(ITF_Elemente.size(), 3u);
    EXPECT_EQ(ITF_Elemente[1].Titel, "Gruen");
    EXPECT_EQ(ITF_Texturgroesse, 32);
    EXPECT_TRUE(ITF_Belegung.empty());
    EXPECT_TRUE(ITF_Atlasbild.leer());

    // The atlas: each image at its cells, magenta where no image lies.
    Bild atlas;
    ASSERT_TRUE(Bilddatei_laden(Programmpfad + "daten\\Interface\\ITF.bmp", atlas));
    ASSERT_EQ(atlas.breite, 32);
    auto bgr = [&](int x, int y) {
        const std::uint8_t* p = atlas.Zeile(y) + 3 * x;
        return std::vector<int>{p[2], p[1], p[0]};
    };
    EXPECT_EQ(bgr(5, 5), (std::vector<int>{200, 0, 0}));
    EXPECT_EQ(bgr(5, 21), (std::vector<int>{0, 200, 0}));
    EXPECT_EQ(bgr(21, 5), (std::vector<int>{0, 0, 200}));
    EXPECT_EQ(bgr(21, 21), (std::vector<int>{255, 0, 255}));

    // The three table files, CR LF lines.
    EXPECT_EQ(a.dir().read("daten/Interface/ITF_tex_kor.sav").substr(0, 15), "0\r\n0\r\n0\r\n1\r\n0\r\n");
    EXPECT_EQ(a.zeilen("daten/Interface/ITF_SBL.sav"),
              (std::vector<std::string>{"Rot", "0", "0", "16", "16", "Gruen", "0", "0", "16", "16", "Blau",
                                        "0", "0", "16", "16"}));
    EXPECT_EQ(a.zeilen("daten/Interface_Log.Txt"),
              (std::vector<std::string>{W("Das letzte erstellte Interface besaß folgende Einträge."),
                                        "ID:0=Rot", "ID:1=Gruen", "ID:2=Blau"}));
}

TEST(Interfaceatlas, WideImagesOddSizesAndGrowingAtlas) {
    {
        // A 48 x 16 image after a 16 x 16 one takes three cells of row 1.
        Atlasordner a;
        a.bild(0, 16, 16);
        a.bild(1, 48, 16);
        ITF_Interface_erzeugen(a.daten());
        ASSERT_EQ(ITF_Texturkoordinaten.size(), 2u);
        EXPECT_EQ(felder(ITF_Texturkoordinaten[1]), (std::vector<int>{0, 0, 0, 3, 1, 2}));
        EXPECT_EQ(ITF_Texturgroesse, 256) << "the default side";
    }
    {
        // 20 x 16 pixels: reported, placed on a block of 2 x 1 cells; the element keeps the block size.
        Atlasordner a;
        a.bild(0, 20, 16);
        ITF_Interface_erzeugen(a.daten());
        EXPECT_EQ(Fehlertext, W("Interface_Unit -> Interface-Textur[0] besitzt nicht die richtig Größe."));
        ASSERT_EQ(ITF_Texturkoordinaten.size(), 1u);
        EXPECT_EQ(felder(ITF_Texturkoordinaten[0]), (std::vector<int>{0, 0, 0, 2, 0, 1}));
        EXPECT_EQ(ITF_Elemente[0].Width, 32);
    }
    {
        // Wider than the atlas: the side grows by 256 per attempt and Config.ini keeps it.
        Atlasordner a;
        a.bild(0, 16, 16);
        a.bild(1, 560, 32);
        ITF_Interface_erzeugen(a.daten());
        EXPECT_EQ(ITF_Texturgroesse, 768);
        EXPECT_EQ(Config_ReadInteger(Configdatei, "Interface", "Size", 0), 768);
        ASSERT_EQ(ITF_Texturkoordinaten.size(), 2u);
        EXPECT_EQ(felder(ITF_Texturkoordinaten[1]), (std::vector<int>{0, 0, 0, 35, 1, 3}));
        Bild atlas;
        ASSERT_TRUE(Bilddatei_laden(Programmpfad + "daten\\Interface\\ITF.bmp", atlas));
        EXPECT_EQ(atlas.breite, 768);
    }
}

TEST(Interfaceatlas, ImpossibleImagesAndBrokenFoldersDoNotStopTheBuild) {
    Atlasordner a;
    const int grenze = ITF_Texturgroesse_max;
    ITF_Texturgroesse_max = 512;
    a.bild(0, 16, 16);
    a.bild(1, 528, 16);  // fits no atlas the builder may make
    a.bild(2, 16, 16);
    std::filesystem::remove(a.pfad(a.ordner(2) + "Icon.BMP"));  // folder 2 lacks its image
    a.bild(3, 32, 16, {1, 2, 3}, "Left/4\r\nTitel/Drei\r\n");
    a.bild(4, 16, 16, {1, 2, 3}, "Left/7\r\n");  // no title
    ITF_Interface_erzeugen(a.daten());

    EXPECT_EQ(ITF_Texturgroesse, ITF_Texturgroesse_max) << "grows once, then gives up on image 1";
    ASSERT_EQ(ITF_Texturkoordinaten.size(), 5u);
    ASSERT_EQ(ITF_Elemente.size(), 5u);
    for (int n : {1, 2}) {
        EXPECT_EQ(felder(ITF_Texturkoordinaten[static_cast<std::size_t>(n)]),
                  (std::vector<int>{0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(ITF_Elemente[static_cast<std::size_t>(n)].Titel, "Nichterkannt");
    }
    EXPECT_EQ(felder(ITF_Texturkoordinaten[3]), (std::vector<int>{0, 0, 0, 2, 1, 2}));
    EXPECT_EQ(ITF_Elemente[3].Titel, "Drei");
    EXPECT_EQ(ITF_Elemente[3].Left, 4);
    EXPECT_EQ(ITF_Elemente[4].Titel, "Nichterkannt");
    EXPECT_EQ(ITF_Elemente[4].Left, 7);
    EXPECT_EQ(Fehlertext, "ITF_Interface_erzeugen > Interface-Bild[4] ohne Titel.");
    const auto log = a.zeilen("daten/Interface_Log.Txt");
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[2], ITF_Fehlerzeile);
    EXPECT_EQ(log[3], ITF_Fehlerzeile);
    EXPECT_EQ(log[4], "ID:3=Drei");
    EXPECT_EQ(log[5], ITF_Fehlerzeile);
    ITF_Texturgroesse_max = grenze;
}

TEST(Interfaceatlas, ScriptKeysDefaultsAndBadNumbers) {
    Atlasordner a;
    a.bild(0, 32, 16, {1, 2, 3}, "Titel/Nur ein Titel/mit Strich\r\n");
    a.bild(1, 16, 16, {1, 2, 3},
           "Left/3\r\nTop/-2\r\nHeight/40\r\nWidth/50\r\nTitel/Alles\r\nLeft/9\r\nunbekannt/1\r\n");
    a.bild(2, 16, 16, {1, 2, 3}, "Titel/Kaputt\r\nLeft/5\r\nTop/x1\r\nWidth/70\r\n");
    ITF_Interface_erzeugen(a.daten());
    ASSERT_EQ(ITF_Elemente.size(), 3u);
    const Interface_Item& e0 = ITF_Elemente[0];
    EXPECT_EQ(e0.Titel, "Nur ein Titel/mit Strich");
    EXPECT_EQ(std::vector<int>({e0.Left, e0.Top, e0.Height, e0.Width}), (std::vector<int>{0, 0, 16, 32}));
    const Interface_Item& e1 = ITF_Elemente[1];
    EXPECT_EQ(std::vector<int>({e1.Left, e1.Top, e1.Height, e1.Width}), (std::vector<int>{9, -2, 40, 50}));
    // A bad number ends the file: what came before stays, the rest keeps its default.
    const Interface_Item& e2 = ITF_Elemente[2];
    EXPECT_EQ(std::vector<int>({e2.Left, e2.Top, e2.Height, e2.Width}), (std::vector<int>{5, 0, 16, 16}));
    EXPECT_EQ(Fehlertext, "SBU > Script konnte nicht geladen werden: " + Programmpfad +
                              "daten\\Interface\\2\\Script.srt");
    EXPECT_EQ(a.zeilen("daten/Interface_Log.Txt")[1], "ID:0=Nur ein Titel/mit Strich");
}

TEST(Interfaceatlas, TablesReadBackAsFarAsTheyGo) {
    Atlasordner a;
    a.dir().write("k.sav", "0\r\n0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n");
    ITF_Koordinaten_laden(Programmpfad + "k.sav");
    ASSERT_EQ(ITF_Texturkoordinaten.size(), 3u);
    EXPECT_EQ(felder(ITF_Texturkoordinaten[1]), (std::vector<int>{5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(ITF_Texturkoordinaten[2].offX, 11);
    EXPECT_EQ(Fehlertext, "SBU > Script konnte nicht geladen werden: " + Programmpfad + "k.sav");

    Fehler_zuruecksetzen();
    a.dir().write("e.sav", "Eins\r\n1\r\n2\r\n3\r\n4\r\nZwei\r\n5\r\nsechs\r\n7\r\n8\r\n");
    ITF_Elemente_laden(Programmpfad + "e.sav");
    ASSERT_EQ(ITF_Elemente.size(), 2u);
    EXPECT_EQ(ITF_Elemente[0].Titel, "Eins");
    EXPECT_EQ(ITF_Elemente[0].Width, 4);
    EXPECT_EQ(ITF_Elemente[1].Titel, "Zwei");
    EXPECT_EQ(ITF_Elemente[1].Left, 5);
    EXPECT_EQ(ITF_Elemente[1].Top, 0);
    EXPECT_FALSE(Fehlertext.empty());

    Fehler_zuruecksetzen();
    ITF_Elemente_laden(Programmpfad + "fehlt.sav");
    EXPECT_EQ(ITF_Elemente.size(), 2u) << "a missing file leaves the table";
    EXPECT_EQ(Fehlertext, "SBU > Script konnte nicht geladen werden: " + Programmpfad + "fehlt.sav");
}

TEST(Interfaceatlas, StartUpRebuildsOrReadsBack) {
    GL_NOETIG();
    Atlasordner a;
    a.bild(0, 16, 16);
    a.bild(1, 32, 16);
    // No RELOAD key and every file there: rebuilt all the same (the default is on).
    a.dir().write("daten/Interface/ITF_tex_kor.sav", "0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n");
    a.dir().write("daten/Interface/ITF_SBL.sav", "Alt\r\n0\r\n0\r\n16\r\n16\r\n");
    ITF_Interface_erzeugen(a.daten());
    a.dir().write("daten/Interface/ITF_SBL.sav", "Alt\r\n0\r\n0\r\n16\r\n16\r\n");
    ITF_Interface_laden();
    ASSERT_EQ(ITF_Elemente.size(), 2u);
    EXPECT_EQ(ITF_Elemente[0].Titel, "Bild0");
    ASSERT_NE(ITF_Textur, nullptr);
    ASSERT_EQ(ITF_Listen.size(), 2u);
    EXPECT_TRUE(glIsList(ITF_Listen[1]));

    // RELOAD 0 with the files there: read back, the side from Config.ini.
    Config_WriteInteger(Configdatei, "Interface", "RELOAD", 0);
    a.bild(2, 16, 16);
    Fehler_zuruecksetzen();
    ITF_Interface_laden();
    EXPECT_EQ(ITF_Elemente.size(), 2u) << "folder 2 is not built in";
    EXPECT_EQ(ITF_Texturgroesse, 256);
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
    // A side in Config.ini that the atlas file does not have: the file's side is taken.
    Config_WriteInteger(Configdatei, "Interface", "Size", 512);
    ITF_Interface_laden();
    EXPECT_EQ(ITF_Texturgroesse, 256);
    EXPECT_EQ(Fehlertext, "ITF_Interface_laden > ITF.bmp hat 256 Pixel Seitenlaenge, Config.ini nennt 512");

    // RELOAD 0 and a table missing: repaired in the same start, and RELOAD stays on.
    std::filesystem::remove(a.pfad("daten/Interface/ITF_SBL.sav"));
    Config_WriteInteger(Configdatei, "Interface", "Size", 256);
    ITF_Interface_laden();
    EXPECT_EQ(Fehlertext, "Automatische Fehlerkorrektur gestartet. Interface muss neu erzeugt werden.");
    EXPECT_TRUE(Config_ReadBool(Configdatei, "Interface", "RELOAD", false));
    EXPECT_EQ(ITF_Elemente.size(), 3u);
    EXPECT_TRUE(Datei_existiert(Programmpfad + "daten\\Interface\\ITF_SBL.sav"));
}

// The texels of the bound-to-be texture, as BGRA bytes.
std::vector<std::uint8_t> texel(const TglBitmap2D& t) {
    std::vector<std::uint8_t> v(static_cast<std::size_t>(t.Width()) * static_cast<std::size_t>(t.Height()) *
                                4);
    t.BindTexture(false);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, v.data());
    return v;
}

// The atlas built at start-up becomes the texture without being read back from its file: the
// same texels as the file gives; a file replaced after the build is read.
TEST(Interfaceatlas, TheAtlasJustBuiltIsTheTextureOfItsFile) {
    GL_NOETIG();
    Atlasordner a;
    a.bild(0, 16, 16);
    a.bild(1, 32, 16);
    Bild zwei(16, 32, tfBGR8);
    for (std::size_t i = 0; i < zwei.pixel.size(); ++i) zwei.pixel[i] = static_cast<std::uint8_t>(i * 7);
    zwei.Zeile(3)[0] = zwei.Zeile(3)[2] = 255, zwei.Zeile(3)[1] = 0;
    a.bild(2, 16, 32, {0, 0, 0}, "Titel/Zwei\r\n");
    ASSERT_TRUE(Bilddatei_speichern(Programmpfad + "daten\\Interface\\2\\Icon.BMP", zwei));
    ITF_Interface_laden();
    ASSERT_NE(ITF_Textur, nullptr);
    std::unique_ptr<TglBitmap2D> aus_datei;
    ASSERT_TRUE(ML_Textur_laden(aus_datei, Programmpfad + "daten\\Interface\\ITF.bmp", true, false));
    EXPECT_TRUE(texel(*ITF_Textur) == texel(*aus_datei));

    // Built, then the file replaced before the texture is made: the file as it is.
    Config_WriteInteger(Configdatei, "Interface", "RELOAD", 0);
    ITF_Interface_erzeugen(a.daten());
    Bild rot(512, 512, tfBGR8);
    for (std::size_t i = 2; i < rot.pixel.size(); i += 3)
        rot.pixel[i - 2] = 0, rot.pixel[i - 1] = 0, rot.pixel[i] = 200;
    std::filesystem::remove(a.pfad("daten/Interface/ITF.bmp"));
    ASSERT_TRUE(Bilddatei_speichern(Programmpfad + "daten\\Interface\\ITF.bmp", rot));
    ITF_Interface_laden();
    ASSERT_NE(ITF_Textur, nullptr);
    EXPECT_EQ(texel(*ITF_Textur)[2], 200);
    EXPECT_EQ(Fehlertext, "ITF_Interface_laden > ITF.bmp hat 512 Pixel Seitenlaenge, Config.ini nennt 256");
}

TEST(Interfaceatlas, ListsDrawEachImageUprightAtItsSize) {
    GL_NOETIG();
    Atlasordner a;
    // Two 16 x 16 images fill column 0, the third (32 x 16) lands at cells (0..2, 2).
    a.bild(0, 16, 16, {10, 10, 10}, "Titel/MousePopup\r\n");
    a.bild(1, 16, 16, {20, 20, 20}, "Titel/MousePopup\r\n");
    Bild zwei(32, 16, tfBGR8);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) {
            std::uint8_t* p = zwei.Zeile(y) + 3 * x;
            p[0] = 0;
            p[1] = static_cast<std::uint8_t>(y < 8 ? 200 : 0);    // top half green
            p[2] = static_cast<std::uint8_t>(y < 8 ? 0 : 200);    // bottom half red
            if (x >= 28 && y >= 12) p[0] = p[2] = 255, p[1] = 0;  // a magenta corner
        }
    a.bild(2, 32, 16, {0, 0, 0}, "Titel/Zwei\r\n");
    ASSERT_TRUE(Bilddatei_speichern(Programmpfad + "daten\\Interface\\2\\Icon.BMP", zwei));
    ITF_Interface_laden();
    EXPECT_EQ(ITF_MousePopup, 1) << "the later image of that title";
    ASSERT_EQ(ITF_Listen.size(), 3u);

    bhmtest::Bild_beginnen();
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_EQUAL, 1.0f);
    ITF_Textur->BindTexture(true);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTranslatef(100, 50, 0);
    glCallList(ITF_Listen[2]);
    glLoadIdentity();
    ITF_Textur->UnbindTexture(true);
    glDisable(GL_ALPHA_TEST);
    const Bild b = bhmtest::Bild_lesen();
    using P = std::array<std::uint8_t, 3>;
    EXPECT_EQ(bhmtest::Pixel(b, 101, 51), (P{0, 200, 0})) << "top half at the top";
    EXPECT_EQ(bhmtest::Pixel(b, 130, 59), (P{200, 0, 0}));
    EXPECT_EQ(bhmtest::Pixel(b, 131, 65), (P{0, 0, 0})) << "magenta is transparent";
    EXPECT_EQ(bhmtest::Pixel(b, 133, 51), (P{0, 0, 0})) << "32 pixels wide";
    EXPECT_EQ(bhmtest::Pixel(b, 101, 67), (P{0, 0, 0})) << "16 pixels high";
    EXPECT_EQ(bhmtest::Gezeichnet(b), 32 * 16 - 16);
}

// A full-window image is drawn with the bound texture's minifying filter set aside only where
// every pixel is magnified: the picture is the one the plain quad draws, at every stretch.
TEST(Interfaceatlas, StretchedImagesLookAsThePlainQuadDrawsThem) {
    GL_NOETIG();
    Atlasordner a;
    a.bild(0, 16, 16);
    // A noisy picture with magenta specks, beside a plain neighbour in the atlas.
    Bild rauschen(48, 32, tfBGR8);
    std::uint32_t z = 12345;
    for (std::uint8_t& v : rauschen.pixel)
        v = static_cast<std::uint8_t>((z = z * 1103515245u + 12345u) >> 24);
    for (int i = 0; i < 40; ++i) {
        std::uint8_t* p = rauschen.Zeile((i * 7) % 32) + 3 * ((i * 13) % 48);
        p[0] = p[2] = 255, p[1] = 0;
    }
    a.bild(1, 48, 32, {0, 0, 0}, "Titel/Rauschen\r\n");
    ASSERT_TRUE(Bilddatei_speichern(Programmpfad + "daten\\Interface\\1\\Icon.BMP", rauschen));
    ITF_Interface_laden();
    ASSERT_EQ(ITF_Texturkoordinaten.size(), 2u);

    const auto zeichnen = [&](bool gestreckt, float w, float h) {
        bhmtest::Bild_beginnen();
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_EQUAL, 1.0f);
        ITF_Textur->BindTexture(true);
        glTranslatef(3, 2, 0);
        if (gestreckt)
            ITF_Quad_gestreckt(ITF_Texturkoordinaten[1], w, h, 0.5f);
        else
            ITF_Quad(ITF_Texturkoordinaten[1], w, h, 0.5f);
        glLoadIdentity();
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR) << "the texture keeps its filter";
        ITF_Textur->UnbindTexture(true);
        glDisable(GL_ALPHA_TEST);
        return bhmtest::Bild_lesen();
    };
    struct Fall {
        float w, h;
    };
    for (const Fall f : {Fall{317, 238}, Fall{94, 62}, Fall{300, 40}, Fall{40, 20}}) {
        const Bild plain = zeichnen(false, f.w, f.h), gestreckt = zeichnen(true, f.w, f.h);
        EXPECT_GT(bhmtest::Gezeichnet(plain), 0);
        EXPECT_TRUE(plain.pixel == gestreckt.pixel) << f.w << " x " << f.h;
    }
}

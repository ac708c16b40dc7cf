// Textures and draw lists: loading, freeing, the fixed lists and the pack lists.
#include "render/Modelliste.h"

#include <gtest/gtest.h>

#include <array>

#include "common/Kernwelt.h"
#include "foundation/Bilddatei.h"
#include "foundation/Config.h"
#include "platform/base/Datei.h"
#include "render/Kartentexturen.h"
#include "render/Szenenhilfe.h"

namespace {

// A square file of one colour in the test folder.
std::string bilddatei(const std::string& ordner, const std::string& name, std::uint8_t grau, int seite = 32) {
    Bild b(seite, seite, tfBGR8);
    std::fill(b.pixel.begin(), b.pixel.end(), grau);
    EXPECT_TRUE(Bilddatei_speichern(ordner + name, b));
    return ordner + name;
}

}  // namespace

TEST(Modelliste, TexturesReplaceAndReleaseTheirPredecessor) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    const std::string ordner = welt.ordner().dir().folder();
    std::unique_ptr<TglBitmap2D> t;
    ASSERT_TRUE(ML_Textur_laden(t, bilddatei(ordner, "a.bmp", 90), true, false));
    const GLuint alt = t->ID();
    ASSERT_TRUE(glIsTexture(alt));
    ASSERT_TRUE(ML_Textur_laden(t, bilddatei(ordner, "b.bmp", 40), true, false));
    EXPECT_FALSE(glIsTexture(alt) && alt != t->ID()) << "the old texture is released";
    // A file that is not there: reported, and the variable holds nothing to bind.
    EXPECT_FALSE(ML_Textur_laden(t, ordner + "fehlt.bmp", true, false));
    EXPECT_EQ(Fehlertext, "Textur konnte nicht geladen werden : " + ordner + "fehlt.bmp");
    EXPECT_EQ(t, nullptr);
    Fehler_zuruecksetzen();
    EXPECT_FALSE(ML_Binden(t.get(), "t"));
    EXPECT_EQ(Fehlertext, "Textur nicht geladen : t");
    Fehler_zuruecksetzen();
    EXPECT_FALSE(ML_Binden(t.get(), "t"));
    EXPECT_TRUE(Fehlertext.empty()) << "reported once";
    ML_Meldungen_zuruecksetzen();
}

// The blue byte of the first texel of the texture.
int erstes_texel(const TglBitmap2D& t) {
    std::vector<std::uint8_t> texel(static_cast<std::size_t>(t.Width()) *
                                    static_cast<std::size_t>(t.Height()) * 4);
    t.BindTexture(false);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, texel.data());
    return texel[0];
}

// A test world with two empty pack folders, a/ and b/.
struct Packordner {
    bhmtest::Kernwelt welt;
    const std::string a = welt.ordner().dir().folder() + "a/", b = welt.ordner().dir().folder() + "b/";
    const std::unique_ptr<TglBitmap2D>* packs[4] = {&ML_Iconpack, &ML_Skillpack, &ML_Bauiconpack,
                                                    &ML_Gebaeudepack};
    const char* namen[4] = {"Iconpack.BMP", "Skillpack.BMP", "Bauiconpack.BMP", "Gebaeudepack.BMP"};
    Packordner() { EXPECT_TRUE(Ordner_anlegen(a) && Ordner_anlegen(b)); }
    // The four packs of each folder, each of one grey.
    void bilder(const std::array<int, 4>& grau_a, const std::array<int, 4>& grau_b) const {
        for (std::size_t i = 0; i < 4; ++i) {
            bilddatei(a, namen[i], static_cast<std::uint8_t>(grau_a[i]));
            bilddatei(b, namen[i], static_cast<std::uint8_t>(grau_b[i]));
        }
    }
};

// A game's packs: the texture of an unchanged picture stays through a world reset and the next
// load; a changed picture gets a new texture; the textures put aside go with the next load.
TEST(Modelliste, PackTexturesAreBuiltAgainOnlyForChangedPictures) {
    GL_NOETIG();
    Packordner o;
    const std::string &a = o.a, &b = o.b;
    const auto& packs = o.packs;
    const auto& namen = o.namen;
    o.bilder({10, 11, 12, 13}, {10, 11, 12, 99});  // folder b: the same pictures but the last
    ML_Iconpacks_laden(a);
    GLuint ids[4];
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(*packs[i]) << namen[i];
        ids[i] = (*packs[i])->ID();
        EXPECT_EQ(erstes_texel(**packs[i]), 10 + i);
        // A mark on the card that only this texture carries.
        const std::uint8_t marke[4] = {200, 200, 200, 255};
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 1, 1, GL_BGRA, GL_UNSIGNED_BYTE, marke);
    }
    ML_Iconpacks_freigeben();
    for (const auto* p : packs) EXPECT_EQ(*p, nullptr) << "nothing to bind after the release";
    ML_Iconpacks_laden(b);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ((*packs[i])->ID(), ids[i]) << namen[i];
        EXPECT_EQ(erstes_texel(**packs[i]), 200) << namen[i] << " was built again";
    }
    EXPECT_EQ(erstes_texel(**packs[3]), 99);
    EXPECT_FALSE(glIsTexture(ids[3]) && ids[3] != ML_Gebaeudepack->ID()) << "the old picture is freed";

    // A picture changed in place is built again, also without a release in between.
    bilddatei(b, namen[0], 77);
    ML_Iconpacks_laden(b);
    EXPECT_EQ(erstes_texel(*ML_Iconpack), 77);
    EXPECT_EQ(ML_Skillpack->ID(), ids[1]);

    // Closing frees what was put aside as well.
    const GLuint beiseite = ML_Skillpack->ID();
    ML_Iconpacks_freigeben();
    ML_Alles_freigeben();
    EXPECT_FALSE(glIsTexture(beiseite));
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
}

// Packs read ahead on a worker thread: taken by the load of their folder while the file is the
// one that was read; a file changed since, another folder and a broken file go the plain way,
// and a failure is reported by the load, not before.
TEST(Modelliste, PacksReadAheadAreTakenOnlyWhileTheirFileIsUnchanged) {
    GL_NOETIG();
    Packordner o;
    const std::string &a = o.a, &b = o.b;
    const auto& packs = o.packs;
    const auto& namen = o.namen;
    o.bilder({10, 11, 12, 13}, {50, 51, 52, 53});
    const auto texel = [&] {
        std::vector<int> t;
        for (const auto* p : packs) t.push_back(*p ? erstes_texel(**p) : -1);
        return t;
    };

    ML_Iconpacks_vorbereiten(a);
    ML_Iconpacks_laden(a);
    EXPECT_EQ(texel(), (std::vector<int>{10, 11, 12, 13}));
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;

    // A pack that is no picture is read ahead without a report; the load reports it.
    ML_Iconpacks_freigeben();
    ASSERT_TRUE(Datei_schreiben(b + namen[2], "kein Bild"));
    ML_Iconpacks_vorbereiten(b);
    ML_Iconpacks_vorbereiten_verwerfen();
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
    ML_Iconpacks_vorbereiten(b);
    // Replaced while (or after) it is read ahead: the load takes the file as it is then.
    bilddatei(b, namen[0], 88, 64);
    ML_Iconpacks_laden(b);
    EXPECT_EQ(texel(), (std::vector<int>{88, 51, -1, 53}));
    EXPECT_EQ(Fehlertext, "Textur konnte nicht geladen werden : " + b + namen[2]);
    Fehler_zuruecksetzen();

    // Read ahead for one folder, loaded from another: the other folder's pictures.
    ML_Iconpacks_freigeben();
    ML_Iconpacks_vorbereiten(b);
    ML_Iconpacks_laden(a);
    EXPECT_EQ(texel(), (std::vector<int>{10, 11, 12, 13}));
    // Reading ahead that no load takes is dropped when everything is freed.
    ML_Iconpacks_vorbereiten(b);
    ML_Alles_freigeben();
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
}

TEST(Modelliste, FixedListsAndPackListsWithPlaceholders) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    ML_Modelliste_laden();
    for (GLuint l : ML_Personenframes) ASSERT_TRUE(glIsList(l));
    for (GLuint l : ML_Personenframes2) ASSERT_TRUE(glIsList(l));
    for (GLuint l : ML_Interfacemodelle) ASSERT_TRUE(glIsList(l));
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;

    SBU_Waren.resize(3);
    SBU_Objekte.resize(2);
    SBA_Atlastabelle.resize(3);
    SBA_Atlastabelle[0] = {-8, -16, 0, 2, 0, 2, 0, 0, 0};
    SBA_Atlastabelle[2] = {0, 0, 2, 3, 0, 60, 0, 0, 0};  // entry 1 stays without a picture
    ML_Packlisten_erzeugen();
    EXPECT_EQ(ML_Iconlisten.size(), 3u);
    EXPECT_TRUE(ML_Skilllisten.empty()) << "no skills, no lists";
    EXPECT_EQ(ML_Bauiconlisten.size(), 2u);
    ASSERT_EQ(ML_Gebaeudelisten.size(), 3u);
    EXPECT_NE(ML_Gebaeudelisten[0], 0u);
    EXPECT_EQ(ML_Gebaeudelisten[1], 0u);
    EXPECT_FALSE(ML_Liste_rufen(ML_Gebaeudelisten, 1));
    EXPECT_FALSE(ML_Liste_rufen(ML_Gebaeudelisten, 3));
    EXPECT_FALSE(ML_Liste_rufen(ML_Gebaeudelisten, -1));
    EXPECT_FALSE(ML_Liste_rufen(ML_Personenframes, 1800));
    EXPECT_TRUE(ML_Liste_rufen(ML_Gebaeudelisten, 0));
    const GLuint geloescht = ML_Iconlisten[0];
    ML_Packlisten_loeschen();
    EXPECT_TRUE(ML_Iconlisten.empty() && ML_Bauiconlisten.empty() && ML_Gebaeudelisten.empty());
    EXPECT_FALSE(glIsList(geloescht));
    ML_Packlisten_loeschen();  // nothing left to delete twice
    EXPECT_TRUE(Fehlertext.empty()) << Fehlertext;
    ML_Alles_freigeben();
    EXPECT_EQ(ML_Personenframes[0], 0u);
}

TEST(Modelliste, BuildingQuadsLeanBackByTheirHeight) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    // Entry 0 is 20 cells high (top edge at depth 0.2), entry 1 60 cells (0.5 at most),
    // entry 2 a footpath (flat).
    SBA_Atlastabelle = {
        {0, 0, 0, 1, 0, 20, 0, 0, 0}, {0, 0, 1, 2, 0, 60, 0, 0, 0}, {0, 0, 2, 3, 0, 60, 0, 0, 0}};
    SBU_Way_IDs = {2};
    ML_Packlisten_erzeugen();
    // Feedback mode returns the vertices of a list after the projection: depth is window z.
    auto oberkante_z = [](int k) {
        std::array<GLfloat, 64> puffer{};
        glFeedbackBuffer(static_cast<GLsizei>(puffer.size()), GL_3D, puffer.data());
        glRenderMode(GL_FEEDBACK);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_CULL_FACE);
        glTranslatef(0, 0, 0);
        glScalef(0.001f, 0.001f, 1);
        ML_Liste_rufen(ML_Gebaeudelisten, k);
        glRenderMode(GL_RENDER);
        // GL_POLYGON_TOKEN, count, then x y z per vertex; the third vertex is on the top edge.
        return puffer[2 + 3 * 2 + 2] * 2 - 1;
    };
    EXPECT_NEAR(oberkante_z(0), 0.2f, 1e-4);
    EXPECT_NEAR(oberkante_z(1), 0.5f, 1e-4);
    EXPECT_NEAR(oberkante_z(2), 0.0f, 1e-4);
    glEnable(GL_CULL_FACE);
    ML_Packlisten_loeschen();
}

TEST(Modelliste, MapOverviewTexturesFromTheMinimapBuffer) {
    GL_NOETIG();
    bhmtest::Kernwelt welt;
    for (auto& p : MG_Minimap) p = {-1, 0, -1, -1};
    MG_Minimap[5] = {1, 3, -1, -1};  // an island
    MG_Minimap[6] = {1, -1, 3, 99};  // a level below 0, a clan and a type beyond their tables
    ML_Kartentexturen_erzeugen();
    std::array<GLuint, 4> namen{};
    for (std::size_t v = 0; v < 4; ++v) {
        ASSERT_NE(ML_Kartentexturen[v], nullptr) << v;
        EXPECT_EQ(ML_Kartentexturen[v]->Width(), 256);
        EXPECT_EQ(ML_Kartentexturen[v]->Data(), nullptr) << "no pointer into the freed buffer";
        namen[v] = ML_Kartentexturen[v]->ID();
    }
    // The first row of the terrain and island views, read back from GL.
    auto zeile = [](std::size_t v) {
        std::vector<std::uint8_t> px(256 * 256 * 3);
        ML_Kartentexturen[v]->BindTexture(true);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, px.data());
        ML_Kartentexturen[v]->UnbindTexture(true);
        return px;
    };
    const auto gelaende = zeile(0), inseln = zeile(1);
    EXPECT_EQ(std::vector<std::uint8_t>(gelaende.begin() + 15, gelaende.begin() + 21),
              (std::vector<std::uint8_t>{62, 120, 40, 71, 167, 163}));
    EXPECT_EQ(std::vector<std::uint8_t>(inseln.begin(), inseln.begin() + 3),
              (std::vector<std::uint8_t>{0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(inseln.begin() + 15, inseln.begin() + 18),
              (std::vector<std::uint8_t>{0, 0, 255}));
    // Made again, the four textures are replaced and the old ones released.
    ML_Kartentexturen_erzeugen();
    for (GLuint alt : namen) {
        bool wieder = false;
        for (const auto& t : ML_Kartentexturen) wieder = wieder || t->ID() == alt;
        EXPECT_TRUE(wieder || !glIsTexture(alt));
    }
    ML_Kartentexturen_freigeben();
    for (const auto& t : ML_Kartentexturen) EXPECT_EQ(t, nullptr);
}

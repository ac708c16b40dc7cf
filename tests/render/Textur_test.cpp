#include "render/Textur.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/GLKontext.h"
#include "common/TempDir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The level-0 image of the bound 2-D texture.
Bytes texturbild(GLenum format, int breite, int hoehe, int kanaele) {
    Bytes b(static_cast<std::size_t>(breite * hoehe * kanaele), 0xCD);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, b.data());
    return b;
}

GLint parameter(GLenum name) {
    GLint wert = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &wert);
    return wert;
}

std::string datei_mit(const bhmtest::TempDir& tmp, const std::string& name, const Bild& bild) {
    std::string pfad = tmp.folder() + name;
    EXPECT_TRUE(Bilddatei_speichern(pfad, bild));
    return pfad;
}

// A 24-bit image (blue, green, red) of magenta, almost magenta, and grey.
Bild schluesselbild() {
    Bild b(3, 1, tfBGR8);
    b.pixel = {255, 0, 255, 255, 0, 254, 90, 90, 90};
    return b;
}

}  // namespace

TEST(Textur, LoadingAndTheMagentaColourKey) {
    bhmtest::TempDir tmp;
    std::string pfad = datei_mit(tmp, "Schluessel.bmp", schluesselbild());
    TglBitmap2D t;
    t.LoadFromFile(pfad);
    EXPECT_EQ(t.Filename(), pfad);
    EXPECT_EQ(t.Format(), tfBGR8);
    EXPECT_EQ(t.Width(), 3);
    EXPECT_EQ(t.Height(), 1);
    t.ColorKeyToAlpha(255, 0, 255, 0);
    EXPECT_EQ(t.Format(), tfBGRA8);
    EXPECT_EQ(Bytes(t.Data(), t.Data() + 12), (Bytes{255, 0, 255, 0, 255, 0, 254, 255, 90, 90, 90, 255}));
    EXPECT_EQ(t.Scanline(0), t.Data());
    EXPECT_EQ(t.Scanline(1), nullptr);
    EXPECT_TRUE(t.OwnsData());
}

TEST(Textur, ErrorKinds) {
    bhmtest::TempDir tmp;
    TglBitmap2D t;
    try {
        t.LoadFromFile(tmp.folder() + "fehlt.bmp");
        FAIL();
    } catch (const EglBitmap& e) {
        EXPECT_EQ(std::string(e.what()), "file does not exist: " + tmp.folder() + "fehlt.bmp");
    }
    tmp.write("muell.bmp", "kein Bild");
    try {
        t.LoadFromFile(tmp.folder() + "muell.bmp");
        FAIL();
    } catch (const EglBitmap& e) {
        EXPECT_STREQ(e.what(),
                     "LoadFromStream - Couldn't load Stream. It's possible to be an unknow Streamtype.");
    }
    // A run-length BMP ends the load with the BMP reader's own error.
    std::string rle = Bild_schreiben(schluesselbild(), Bilddateityp::BMP);
    rle[30] = 1;
    tmp.write("rle.bmp", rle);
    try {
        t.LoadFromFile(tmp.folder() + "rle.bmp");
        FAIL();
    } catch (const EglBitmap& e) {
        EXPECT_STREQ(e.what(), "RLE compression is not supported");
    }

    t.SetPixelData(Bild(2, 2, tfRGB16));
    std::string ziel;
    try {
        t.SaveToStream(ziel, Bilddateityp::BMP);
        FAIL();
    } catch (const EglBitmapUnsupportedFormat& e) {
        EXPECT_STREQ(e.what(), "unsupported format: tfRGB16");
        EXPECT_EQ(e.format, tfRGB16);
    }
    EXPECT_THROW(t.ChangeFormat(tfRGB8), EglBitmapUnsupportedFormat);
    EXPECT_NO_THROW(t.ChangeFormat(tfBGR16));  // same bytes, read the other way round
    EXPECT_EQ(t.Format(), tfBGR16);
    EXPECT_THROW(t.DropAlpha(), EglBitmapUnsupportedFormat);

    t.SetPixelData(Bild(4, 4, tfS3tcDtx1RGBA));
    try {
        t.ConvertFormat(tfRGBA8);
        FAIL();
    } catch (const EglBitmapUnsupportedFormat& e) {
        EXPECT_STREQ(e.what(), "compressed formats are not supported: tfS3tcDtx1RGBA");
    }
    EXPECT_THROW(t.ColorKeyToAlpha(255, 0, 255, 0), EglBitmap);
    EXPECT_FALSE(t.MirrorHorizontal());

    EXPECT_THROW(t.SetFilter(0x1234, GL_LINEAR), EglBitmap);
    EXPECT_THROW(t.SetFilter(GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR), EglBitmap);
}

TEST(Textur, ACallersBufferIsNeverFreed) {
    GL_NOETIG();
    Bytes puffer(256 * 256 * 3);
    for (std::size_t i = 0; i < puffer.size(); ++i) puffer[i] = static_cast<std::uint8_t>(i * 7);
    const Bytes kopie = puffer;
    {
        auto t = TglBitmap2D::CreateFromPixels(256, 256, tfRGB8, puffer.data());
        EXPECT_EQ(t->Data(), puffer.data());
        EXPECT_FALSE(t->OwnsData());
        // With free-after-upload left on, the object lets go of the buffer without freeing it.
        t->GenTexture(true);
        EXPECT_NE(t->ID(), 0u);
        EXPECT_EQ(t->Data(), nullptr);
        const GLuint id = t->ID();
        t->GenTexture(true);  // nothing left to upload
        EXPECT_EQ(t->ID(), id);

        // Replacing a caller's buffer does not free it either.
        t->SetPixelData(puffer.data(), tfRGB8, 256, 256);
        t->SetPixelData(Bild(2, 2, tfRGB8));
        EXPECT_TRUE(t->OwnsData());
        t->SetPixelData(puffer.data(), tfRGB8, 256, 256);
    }
    EXPECT_EQ(puffer, kopie);
    puffer[0] = 1;  // still ours

    // Without a buffer the object makes its own, filled with 255.
    auto t = TglBitmap2D::CreateFromPixels(2, 3, tfRGB8, nullptr);
    EXPECT_TRUE(t->OwnsData());
    EXPECT_EQ(Bytes(t->Data(), t->Data() + 18), Bytes(18, 255));
    EXPECT_EQ(t->Scanline(2), t->Data() + 12);
}

TEST(Textur, UploadOnARealContext) {
    GL_NOETIG();
    Bytes puffer = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    auto t = TglBitmap2D::CreateFromPixels(3, 2, tfRGB8, puffer.data());
    t->SetFreePixelsAfterUpload(false);
    t->GenTexture(true);
    EXPECT_EQ(t->Data(), puffer.data());
    t->BindTexture(false);
    EXPECT_EQ(texturbild(GL_RGB, 3, 2, 3), puffer);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    if (TglBitmap_Treiber().mipmaps_erzeugen) {
        EXPECT_EQ(parameter(GL_GENERATE_MIPMAP), GL_TRUE);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // A colour-keyed 24-bit BMP arrives with alpha, and its own pixels go after the upload.
    bhmtest::TempDir tmp;
    TglBitmap2D k;
    k.LoadFromFile(datei_mit(tmp, "k.bmp", schluesselbild()));
    k.ColorKeyToAlpha(255, 0, 255, 0);
    k.GenTexture(true);
    EXPECT_EQ(k.Data(), nullptr);
    k.BindTexture(false);
    EXPECT_EQ(texturbild(GL_RGBA, 3, 1, 4), (Bytes{255, 0, 255, 0, 254, 0, 255, 255, 90, 90, 90, 255}));

    // No power-of-two rule.
    auto gross = TglBitmap2D::CreateFromPixels(300, 200, tfBGR8, nullptr);
    gross->GenTexture(true);
    gross->BindTexture(false);
    GLint breite = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &breite);
    EXPECT_EQ(breite, 300);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Textur, SizeTestAgainstTheLargestTextureSize) {
    GL_NOETIG();
    GLint hoechstens = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &hoechstens);
    ASSERT_GT(hoechstens, 0);
    for (auto [w, h] : {std::pair{hoechstens + 1, 1}, std::pair{1, hoechstens + 1}}) {
        auto t = TglBitmap2D::CreateFromPixels(w, h, tfLuminance8, nullptr);
        EXPECT_THROW(t->GenTexture(true), EglBitmapSizeToLarge);
        EXPECT_EQ(t->ID(), 0u);
        EXPECT_NO_THROW(t->GenTexture(false));  // the upload is attempted; the driver refuses it
        EXPECT_NE(t->ID(), 0u);
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    auto t = TglBitmap2D::CreateFromPixels(hoechstens, 1, tfLuminance8, nullptr);
    EXPECT_NO_THROW(t->GenTexture(true));
}

TEST(Textur, BindingAndUnbinding) {
    GL_NOETIG();
    auto t = TglBitmap2D::CreateFromPixels(1, 1, tfRGB8, nullptr);
    t->GenTexture(true);
    glDisable(GL_TEXTURE_2D);
    t->BindTexture(true);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint gebunden = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &gebunden);
    EXPECT_EQ(static_cast<GLuint>(gebunden), t->ID());
    t->UnbindTexture(false);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &gebunden);
    EXPECT_EQ(gebunden, 0);
    t->BindTexture(false);
    t->UnbindTexture(true);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // Destruction deletes the texture.
    const GLuint id = t->ID();
    t.reset();
    EXPECT_FALSE(glIsTexture(id));
}

TEST(Textur, ParametersFollowTheDriver) {
    GL_NOETIG();
    TglBitmapTreiber alt;  // a driver without any of the extras
    TglBitmap_Treiber_vorgeben(&alt);
    {
        TglBitmap2D t;
        t.SetWrap(GL_CLAMP_TO_EDGE, GL_CLAMP_TO_BORDER, GL_REPEAT);
        EXPECT_EQ(t.Wrap(), (std::array<GLenum, 3>{GL_CLAMP, GL_CLAMP, GL_REPEAT}));
        try {
            t.SetWrap(GL_MIRRORED_REPEAT, GL_REPEAT, GL_REPEAT);
            FAIL();
        } catch (const EglBitmap& e) {
            EXPECT_STREQ(e.what(), "SetWrap - Unsupported Texturewrap GL_MIRRORED_REPEAT (S).");
        }
        EXPECT_THROW(t.SetWrap(GL_REPEAT, 0x1234, GL_REPEAT), EglBitmap);
        EXPECT_THROW(t.SetSwizzle(GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA), EglBitmapNotSupported);
    }
    TglBitmap_Treiber_vorgeben(nullptr);

    const TglBitmapTreiber echt = TglBitmap_Treiber();
    EXPECT_TRUE(echt.kantenklemmung);
    auto t = TglBitmap2D::CreateFromPixels(2, 2, tfRGB8, nullptr);
    t->GenTexture(true);
    t->SetFilter(GL_NEAREST, GL_NEAREST);
    t->SetWrap(GL_REPEAT, GL_CLAMP_TO_EDGE, GL_REPEAT);
    t->BindTexture(false);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
    if (echt.swizzle) {
        EXPECT_THROW(t->SetSwizzle(GL_RED, GL_GREEN, GL_BLUE, 0x1234), EglBitmap);
        t->SetSwizzle(GL_BLUE, GL_GREEN, GL_RED, GL_ONE);
        EXPECT_EQ(parameter(GL_TEXTURE_SWIZZLE_R), GL_BLUE);
        EXPECT_EQ(parameter(GL_TEXTURE_SWIZZLE_A), GL_ONE);
    }

    // Without mipmaps a mipmap min filter is applied as its base filter.
    TglBitmap_Vorgaben().mipmap = 0;
    auto ohne = TglBitmap2D::CreateFromPixels(2, 2, tfRGB8, nullptr);
    TglBitmap_Vorgaben().mipmap = 1;
    ohne->SetFilter(GL_NEAREST_MIPMAP_LINEAR, GL_LINEAR);
    ohne->GenTexture(true);
    ohne->BindTexture(false);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Textur, CompressedUpload) {
    GL_NOETIG();
    const char* erweiterungen = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!erweiterungen || !std::strstr(erweiterungen, "GL_EXT_texture_compression_s3tc"))
        GTEST_SKIP() << "the driver has no S3TC";
    // One DXT1 block of pure red (colour 0 = 0xF800, every index 0).
    Bytes block = {0x00, 0xF8, 0x00, 0x00, 0, 0, 0, 0};
    auto t = TglBitmap2D::CreateFromPixels(4, 4, tfS3tcDtx1RGBA, block.data());
    EXPECT_EQ(t->Scanline(0), nullptr);
    t->GenTexture(true);
    t->BindTexture(false);
    Bytes bild = texturbild(GL_RGBA, 4, 4, 4);
    EXPECT_EQ(Bytes(bild.begin(), bild.begin() + 4), (Bytes{255, 0, 0, 255}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

#pragma once
// Texture objects: an image in main memory (foundation/Bild.h) that becomes an OpenGL
// texture with GenTexture and is bound around drawing calls.
//
//     auto t = std::make_unique<TglBitmap2D>();
//     t->LoadFromFile(Programmpfad + "Texture\\aktiv\\Boden.bmp");  // tfBGR8
//     t->ColorKeyToAlpha(255, 0, 255, 0);                           // magenta clear, tfBGRA8
//     t->GenTexture(true);                                          // pixels released after upload
//     t->BindTexture(true); ... t->UnbindTexture(true);
//
// A texture built from pixels the caller keeps (the map overview, the chart):
//
//     auto t = TglBitmap2D::CreateFromPixels(256, 256, tfRGB8, puffer);
//     t->SetFreePixelsAfterUpload(false);
//     t->GenTexture(true);
//
// The object never frees a buffer it did not allocate itself.
//
// Errors are thrown as the four exception classes below; the game's loaders catch
// them and report. Every GL call needs a current context.
#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/Bild.h"
#include "foundation/Bilddatei.h"
#include "foundation/Pixelformat.h"

class EglBitmap : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// A feature the driver lacks.
class EglBitmapNotSupported : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// The size test of GenTexture.
class EglBitmapSizeToLarge : public EglBitmap {
public:
    using EglBitmap::EglBitmap;
};
// "unsupported format: " followed by the format's name, or a given text followed by it.
class EglBitmapUnsupportedFormat : public EglBitmap {
public:
    explicit EglBitmapUnsupportedFormat(TglBitmapFormat f)
        : EglBitmap(std::string("unsupported format: ") + Formatname(f)), format(f) {}
    EglBitmapUnsupportedFormat(const std::string& text, TglBitmapFormat f)
        : EglBitmap(text + Formatname(f)), format(f) {}
    TglBitmapFormat format;
};

// What the driver of the current context offers. Taken from the GL version and the
// extension list; tests may put their own answer in place.
struct TglBitmapTreiber {
    bool kantenklemmung = false;       // GL_CLAMP_TO_EDGE
    bool randklemmung = false;         // GL_CLAMP_TO_BORDER
    bool spiegelwiederholung = false;  // GL_MIRRORED_REPEAT
    bool mipmaps_erzeugen = false;     // GL_GENERATE_MIPMAP
    bool anisotropie = false;          // GL_TEXTURE_MAX_ANISOTROPY_EXT
    bool swizzle = false;              // GL_TEXTURE_SWIZZLE_RGBA
    bool komprimiert = false;          // glCompressedTexImage2D
};
TglBitmapTreiber TglBitmap_Treiber();
// Replaces the driver's answer (nullptr asks the context again).
void TglBitmap_Treiber_vorgeben(const TglBitmapTreiber* treiber);
// Texture objects made so far: a picture kept from a texture is stale once this moves
// (a new texture may get the name of a freed one).
extern long TglBitmap_Erzeugt;
// Whether the current context offers the extension `name` (a whole entry of its list).
bool GL_Erweiterung(const char* name);

// What every new texture object starts with. The game keeps these as they are.
struct TglBitmapVorgaben {
    TglBitmapFormat format = tfEmpty;
    int mipmap = 1;  // 0 none, 1 by the driver where it can, 2 by GLU
    GLenum filter_min = GL_LINEAR_MIPMAP_LINEAR;
    GLenum filter_mag = GL_LINEAR;
    GLenum wrap_s = GL_CLAMP_TO_EDGE, wrap_t = GL_CLAMP_TO_EDGE, wrap_r = GL_CLAMP_TO_EDGE;
    std::array<GLenum, 4> swizzle = {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA};
    bool pixel_nach_upload_freigeben = true;
    bool textur_beim_freigeben_loeschen = true;
};
// The unit's defaults, to read and to change.
TglBitmapVorgaben& TglBitmap_Vorgaben();

class TglBitmap {
public:
    virtual ~TglBitmap();
    TglBitmap(const TglBitmap&) = delete;
    TglBitmap& operator=(const TglBitmap&) = delete;

    // -1 while not set.
    int Width() const { return breite_; }
    int Height() const { return hoehe_; }
    int WidthAtLeastOne() const { return breite_ > 1 ? breite_ : 1; }
    int HeightAtLeastOne() const { return hoehe_ > 1 ? hoehe_ : 1; }
    TglBitmapFormat Format() const { return format_; }
    // The GL texture name, 0 while there is none.
    GLuint ID() const { return id_; }
    GLenum Target() const { return target_; }
    // The pixels, top row first; nullptr while there are none (for instance after the upload).
    const std::uint8_t* Data() const { return daten_; }
    std::uint8_t* Data() { return daten_; }
    // Whether the object allocated the pixels it holds (and frees them).
    bool OwnsData() const { return daten_ != nullptr && daten_ == eigen_.data(); }
    int PixelSize() const { return pixelgroesse_; }
    std::size_t RowSize() const { return zeilengroesse_; }
    bool IsResident() const { return resident_; }
    const std::string& Filename() const { return dateiname_; }
    bool FreePixelsAfterUpload() const { return pixel_nach_upload_freigeben_; }
    int MipMap() const { return mipmap_; }
    GLenum FilterMin() const { return filter_min_; }
    GLenum FilterMag() const { return filter_mag_; }
    std::array<GLenum, 3> Wrap() const { return {wrap_s_, wrap_t_, wrap_r_}; }
    std::array<GLenum, 4> Swizzle() const { return swizzle_; }
    std::array<GLfloat, 4> BorderColor() const { return randfarbe_; }
    int Anisotropy() const { return anisotropie_; }

    // Sets the image. The first form takes the buffer over; the second keeps the caller's
    // pointer without copying and never frees it (nullptr: no pixels). A held buffer the object
    // owns is released when another one takes its place. Sides above 65535 are refused.
    void SetPixelData(std::vector<std::uint8_t> puffer, TglBitmapFormat format, int breite, int hoehe);
    void SetPixelData(std::uint8_t* puffer, TglBitmapFormat format, int breite, int hoehe);
    void SetPixelData(Bild bild);

    // Reads the file (DDS, TGA or BMP); EglBitmap when it is missing or unusable.
    void LoadFromFile(const std::string& datei);
    // Tries DDS, TGA and BMP in turn.
    bool LoadFromStream(Lesestrom& strom);
    bool LoadBMP(Lesestrom& strom);
    bool LoadTga(Lesestrom& strom);
    bool LoadDDS(Lesestrom& strom);
    // Appends the image as a file of the given kind.
    void SaveToStream(std::string& ziel, Bilddateityp typ) const;
    void WriteBMP(std::string& ziel) const { SaveToStream(ziel, Bilddateityp::BMP); }
    void WriteTga(std::string& ziel) const { SaveToStream(ziel, Bilddateityp::TGA); }
    void WriteDDS(std::string& ziel) const { SaveToStream(ziel, Bilddateityp::DDS); }

    // Converts the image into its with-alpha format, the callback filling each pixel.
    // False when there are no pixels.
    bool AlphaFromCallback(const Pixelrueckruf& rueckruf);
    // Pixels of colour (rot, gruen, blau), within the deviation, become transparent, all others
    // opaque; the image takes its with-alpha format.
    void ColorKeyToAlpha(std::uint8_t rot, std::uint8_t gruen, std::uint8_t blau, std::uint8_t abweichung);
    bool DropAlpha();
    bool ConvertFormat(TglBitmapFormat format);
    // Reads the same bytes as another format of the same pixel size.
    void ChangeFormat(TglBitmapFormat format);

    void SetFilter(GLenum min, GLenum mag);
    void SetWrap(GLenum s, GLenum t, GLenum r);
    void SetSwizzle(GLenum rot, GLenum gruen, GLenum blau, GLenum alpha);
    void SetBorderColor(GLfloat rot, GLfloat gruen, GLfloat blau, GLfloat alpha);
    void SetAnisotropy(int n);
    void SetFreePixelsAfterUpload(bool wert) { pixel_nach_upload_freigeben_ = wert; }

    // Enables the target when asked, then binds the texture when there is one.
    void BindTexture(bool aktivieren = true) const;
    // Disables the target when asked, then binds texture 0.
    void UnbindTexture(bool deaktivieren = true) const;

    // Creates the GL texture and uploads the pixels; with the size test a side above
    // GL_MAX_TEXTURE_SIZE raises EglBitmapSizeToLarge. Nothing happens without pixels.
    virtual void GenTexture(bool groesse_pruefen = true) = 0;
    virtual bool MirrorHorizontal() { return false; }
    virtual bool MirrorVertical() { return false; }

protected:
    TglBitmap();
    // Called whenever the pixels or their format changed.
    virtual void Pixel_gesetzt() {}
    // The pixels of a new object: the caller's buffer, or (nullptr) a buffer of its own filled
    // with 255.
    void Aus_Pixeln(int breite, int hoehe, TglBitmapFormat format, std::uint8_t* puffer);
    Bildansicht Ansicht() const;
    // Releases the pixels (frees them only when the object owns them).
    void Pixel_freigeben();
    // Binds the texture and applies the stored wrap modes and filters.
    void Wrap_anwenden(const TglBitmapTreiber& treiber);
    void Filter_anwenden();

    GLuint id_ = 0;
    GLenum target_ = 0;
    int anisotropie_ = 0;
    bool textur_loeschen_ = true;
    bool pixel_nach_upload_freigeben_ = true;
    std::uint8_t* daten_ = nullptr;
    std::vector<std::uint8_t> eigen_;
    bool resident_ = false;
    std::array<GLfloat, 4> randfarbe_{};
    int breite_ = -1, hoehe_ = -1;
    int mipmap_ = 1;
    TglBitmapFormat format_ = tfEmpty;
    int pixelgroesse_ = 0;
    std::size_t zeilengroesse_ = 0;
    GLenum filter_min_ = 0, filter_mag_ = 0;
    GLenum wrap_s_ = 0, wrap_t_ = 0, wrap_r_ = 0;
    std::array<GLenum, 4> swizzle_{};
    std::string dateiname_;

private:
    void Format_setzen(TglBitmapFormat format, int breite, int hoehe);
};

class TglBitmap2D : public TglBitmap {
public:
    TglBitmap2D();
    // A texture object over `puffer` (kept, never freed) or, with nullptr, over a buffer of its
    // own filled with 255.
    static std::unique_ptr<TglBitmap2D> CreateFromPixels(int breite, int hoehe, TglBitmapFormat format,
                                                         std::uint8_t* puffer);

    void GenTexture(bool groesse_pruefen = true) override;
    bool MirrorHorizontal() override;
    bool MirrorVertical() override;
    // Row y of the pixels; nullptr outside the image, for compressed formats and without pixels.
    std::uint8_t* Scanline(int y) const;

protected:
    void Pixel_gesetzt() override;

private:
    std::vector<std::uint8_t*> zeilen_;
};

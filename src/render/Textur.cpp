#include "render/Textur.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/base/Datei.h"

// The format table carries its own GL values; they must be the headers' values.
static_assert(glw::UNSIGNED_BYTE == GL_UNSIGNED_BYTE && glw::UNSIGNED_SHORT == GL_UNSIGNED_SHORT &&
              glw::UNSIGNED_INT == GL_UNSIGNED_INT);
static_assert(glw::DEPTH_COMPONENT == GL_DEPTH_COMPONENT && glw::ALPHA == GL_ALPHA && glw::RGB == GL_RGB &&
              glw::RGBA == GL_RGBA && glw::LUMINANCE == GL_LUMINANCE &&
              glw::LUMINANCE_ALPHA == GL_LUMINANCE_ALPHA && glw::BGR == GL_BGR && glw::BGRA == GL_BGRA);
static_assert(glw::R3_G3_B2 == GL_R3_G3_B2 && glw::ALPHA4 == GL_ALPHA4 && glw::ALPHA8 == GL_ALPHA8 &&
              glw::ALPHA12 == GL_ALPHA12 && glw::ALPHA16 == GL_ALPHA16);
static_assert(glw::LUMINANCE4 == GL_LUMINANCE4 && glw::LUMINANCE8 == GL_LUMINANCE8 &&
              glw::LUMINANCE12 == GL_LUMINANCE12 && glw::LUMINANCE16 == GL_LUMINANCE16 &&
              glw::LUMINANCE4_ALPHA4 == GL_LUMINANCE4_ALPHA4 &&
              glw::LUMINANCE6_ALPHA2 == GL_LUMINANCE6_ALPHA2 &&
              glw::LUMINANCE8_ALPHA8 == GL_LUMINANCE8_ALPHA8 &&
              glw::LUMINANCE12_ALPHA4 == GL_LUMINANCE12_ALPHA4 &&
              glw::LUMINANCE12_ALPHA12 == GL_LUMINANCE12_ALPHA12 &&
              glw::LUMINANCE16_ALPHA16 == GL_LUMINANCE16_ALPHA16);
static_assert(glw::RGB4 == GL_RGB4 && glw::RGB5 == GL_RGB5 && glw::RGB8 == GL_RGB8 &&
              glw::RGB10 == GL_RGB10 && glw::RGB12 == GL_RGB12 && glw::RGB16 == GL_RGB16 &&
              glw::RGBA2 == GL_RGBA2 && glw::RGBA4 == GL_RGBA4 && glw::RGB5_A1 == GL_RGB5_A1 &&
              glw::RGBA8 == GL_RGBA8 && glw::RGB10_A2 == GL_RGB10_A2 && glw::RGBA12 == GL_RGBA12 &&
              glw::RGBA16 == GL_RGBA16 && glw::RGB565 == GL_RGB565);
static_assert(glw::DEPTH_COMPONENT16 == GL_DEPTH_COMPONENT16 &&
              glw::DEPTH_COMPONENT24 == GL_DEPTH_COMPONENT24 &&
              glw::DEPTH_COMPONENT32 == GL_DEPTH_COMPONENT32);
static_assert(glw::UNSIGNED_BYTE_2_3_3_REV == GL_UNSIGNED_BYTE_2_3_3_REV &&
              glw::UNSIGNED_SHORT_5_6_5 == GL_UNSIGNED_SHORT_5_6_5 &&
              glw::UNSIGNED_SHORT_5_6_5_REV == GL_UNSIGNED_SHORT_5_6_5_REV &&
              glw::UNSIGNED_SHORT_4_4_4_4_REV == GL_UNSIGNED_SHORT_4_4_4_4_REV &&
              glw::UNSIGNED_SHORT_1_5_5_5_REV == GL_UNSIGNED_SHORT_1_5_5_5_REV &&
              glw::UNSIGNED_INT_2_10_10_10_REV == GL_UNSIGNED_INT_2_10_10_10_REV);
static_assert(glw::COMPRESSED_RGBA == GL_COMPRESSED_RGBA &&
              glw::COMPRESSED_RGBA_S3TC_DXT1_EXT == GL_COMPRESSED_RGBA_S3TC_DXT1_EXT &&
              glw::COMPRESSED_RGBA_S3TC_DXT3_EXT == GL_COMPRESSED_RGBA_S3TC_DXT3_EXT &&
              glw::COMPRESSED_RGBA_S3TC_DXT5_EXT == GL_COMPRESSED_RGBA_S3TC_DXT5_EXT);

namespace {

bool treiber_vorgegeben = false;
TglBitmapTreiber vorgegebener_treiber;

bool hat_erweiterung(const char* liste, const char* name) {
    if (liste == nullptr) return false;
    const std::size_t n = std::strlen(name);
    for (const char* p = liste; (p = std::strstr(p, name)) != nullptr; p += n) {
        bool anfang = p == liste || p[-1] == ' ';
        bool ende = p[n] == '\0' || p[n] == ' ';
        if (anfang && ende) return true;
    }
    return false;
}

// A Bildfehler of the codec as the texture object's own exception.
[[noreturn]] void weiterreichen(const Bildfehler& e) {
    if (e.art == Bildfehler::Art::Format) throw EglBitmapUnsupportedFormat(e.vortext, e.format);
    throw EglBitmap(e.what());
}

GLenum basisfilter(GLenum min) {
    switch (min) {
        case GL_NEAREST:
        case GL_NEAREST_MIPMAP_NEAREST:
        case GL_NEAREST_MIPMAP_LINEAR:
            return GL_NEAREST;
        default:
            return GL_LINEAR;
    }
}

GLenum wrap_umsetzen(GLenum wert, const TglBitmapTreiber& t, char achse) {
    switch (wert) {
        case GL_CLAMP:
        case GL_REPEAT:
            return wert;
        case GL_CLAMP_TO_EDGE:
            return t.kantenklemmung ? wert : GL_CLAMP;
        case GL_CLAMP_TO_BORDER:
            return t.randklemmung ? wert : GL_CLAMP;
        case GL_MIRRORED_REPEAT:
            if (t.spiegelwiederholung) return wert;
            throw EglBitmap(std::string("SetWrap - Unsupported Texturewrap GL_MIRRORED_REPEAT (") + achse +
                            ").");
        default:
            throw EglBitmap("SetWrap - Unknow Texturewrap");
    }
}

}  // namespace

long TglBitmap_Erzeugt = 0;

bool GL_Erweiterung(const char* name) {
    return hat_erweiterung(reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)), name);
}

TglBitmapTreiber TglBitmap_Treiber() {
    if (treiber_vorgegeben) return vorgegebener_treiber;
    TglBitmapTreiber t;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version == nullptr) return t;  // no current context
    int haupt = 0, neben = 0;
    if (std::sscanf(version, "%d.%d", &haupt, &neben) != 2) return t;
    const int v = haupt * 10 + neben;
    const char* erw = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    t.kantenklemmung = v >= 12 || hat_erweiterung(erw, "GL_EXT_texture_edge_clamp") ||
                       hat_erweiterung(erw, "GL_SGIS_texture_edge_clamp");
    t.randklemmung = v >= 13 || hat_erweiterung(erw, "GL_ARB_texture_border_clamp");
    t.spiegelwiederholung = v >= 14 || hat_erweiterung(erw, "GL_ARB_texture_mirrored_repeat");
    t.mipmaps_erzeugen = v >= 14 || hat_erweiterung(erw, "GL_SGIS_generate_mipmap");
    t.anisotropie = v >= 46 || hat_erweiterung(erw, "GL_EXT_texture_filter_anisotropic") ||
                    hat_erweiterung(erw, "GL_ARB_texture_filter_anisotropic");
    t.swizzle = v >= 33 || hat_erweiterung(erw, "GL_ARB_texture_swizzle") ||
                hat_erweiterung(erw, "GL_EXT_texture_swizzle");
    t.komprimiert = v >= 13 || hat_erweiterung(erw, "GL_ARB_texture_compression");
    return t;
}

void TglBitmap_Treiber_vorgeben(const TglBitmapTreiber* treiber) {
    treiber_vorgegeben = treiber != nullptr;
    if (treiber) vorgegebener_treiber = *treiber;
}

TglBitmapVorgaben& TglBitmap_Vorgaben() {
    static TglBitmapVorgaben vorgaben;
    return vorgaben;
}

// ---------------------------------------------------------------------------------------------
// TglBitmap

TglBitmap::TglBitmap() {
    const auto& v = TglBitmap_Vorgaben();
    format_ = v.format;
    mipmap_ = v.mipmap;
    filter_min_ = v.filter_min;
    filter_mag_ = v.filter_mag;
    wrap_s_ = v.wrap_s;
    wrap_t_ = v.wrap_t;
    wrap_r_ = v.wrap_r;
    swizzle_ = v.swizzle;
    pixel_nach_upload_freigeben_ = v.pixel_nach_upload_freigeben;
    textur_loeschen_ = v.textur_beim_freigeben_loeschen;
}

TglBitmap::~TglBitmap() {
    Pixel_freigeben();
    if (id_ != 0 && textur_loeschen_) glDeleteTextures(1, &id_);
}

void TglBitmap::Format_setzen(TglBitmapFormat format, int breite, int hoehe) {
    if (breite < -1 || hoehe < -1 || breite > Bild_max_Seite || hoehe > Bild_max_Seite)
        throw EglBitmap("SetPixelData - invalid size " + std::to_string(breite) + " x " +
                        std::to_string(hoehe));
    breite_ = daten_ ? breite : breite_;
    hoehe_ = daten_ ? hoehe : hoehe_;
    format_ = format;
    if (daten_) {
        const auto& d = Formatbeschreibung(format);
        pixelgroesse_ = d.Pixelgroesse();
        zeilengroesse_ = breite > 0 ? (static_cast<std::size_t>(breite) * d.bits_pro_pixel + 7) / 8 : 0;
    } else {
        pixelgroesse_ = 0;
        zeilengroesse_ = 0;
    }
    Pixel_gesetzt();
}

void TglBitmap::SetPixelData(std::vector<std::uint8_t> puffer, TglBitmapFormat format, int breite,
                             int hoehe) {
    if (!puffer.empty() &&
        puffer.size() < Formatbeschreibung(format).DataSize(std::max(1, breite), std::max(1, hoehe)))
        throw EglBitmap("SetPixelData - the buffer is smaller than the image");
    eigen_ = std::move(puffer);
    daten_ = eigen_.empty() ? nullptr : eigen_.data();
    Format_setzen(format, breite, hoehe);
}

void TglBitmap::SetPixelData(std::uint8_t* puffer, TglBitmapFormat format, int breite, int hoehe) {
    if (puffer != daten_) {
        // A buffer of our own goes; one of the caller's is only let go of.
        eigen_.clear();
        eigen_.shrink_to_fit();
        daten_ = puffer;
    }
    Format_setzen(format, breite, hoehe);
}

void TglBitmap::SetPixelData(Bild bild) {
    const int b = bild.breite, h = bild.hoehe;
    const TglBitmapFormat f = bild.format;
    SetPixelData(std::move(bild.pixel), f, b, h);
}

void TglBitmap::Pixel_freigeben() {
    eigen_.clear();
    eigen_.shrink_to_fit();
    daten_ = nullptr;
    pixelgroesse_ = 0;
    zeilengroesse_ = 0;
    Pixel_gesetzt();
}

void TglBitmap::Aus_Pixeln(int breite, int hoehe, TglBitmapFormat format, std::uint8_t* puffer) {
    if (puffer) {
        SetPixelData(puffer, format, breite, hoehe);
    } else {
        if (!Bildgroesse_zulaessig(format, breite, hoehe))
            throw EglBitmap("CreateFromPixels - invalid size " + std::to_string(breite) + " x " +
                            std::to_string(hoehe));
        SetPixelData(Bild(breite, hoehe, format));
    }
}

Bildansicht TglBitmap::Ansicht() const {
    return {daten_, std::max(0, breite_), std::max(0, hoehe_), format_};
}

void TglBitmap::LoadFromFile(const std::string& datei) {
    if (!Datei_existiert(datei)) throw EglBitmap("file does not exist: " + datei);
    dateiname_ = datei;
    auto inhalt = Datei_lesen(datei);
    if (!inhalt) throw EglBitmap("file can not be read: " + datei);
    Lesestrom strom(*inhalt);
    LoadFromStream(strom);
}

bool TglBitmap::LoadFromStream(Lesestrom& strom) {
    if (LoadDDS(strom) || LoadTga(strom) || LoadBMP(strom)) return true;
    throw EglBitmap("LoadFromStream - Couldn't load Stream. It's possible to be an unknow Streamtype.");
}

namespace {
template <typename Leser>
bool lesen_mit(Leser leser, Lesestrom& strom, Bild& bild) {
    try {
        return leser(strom, bild);
    } catch (const Bildfehler& e) {
        weiterreichen(e);
    }
}
}  // namespace

bool TglBitmap::LoadBMP(Lesestrom& strom) {
    Bild bild;
    if (!lesen_mit(BMP_lesen, strom, bild)) return false;
    SetPixelData(std::move(bild));
    return true;
}

bool TglBitmap::LoadTga(Lesestrom& strom) {
    Bild bild;
    if (!lesen_mit(TGA_lesen, strom, bild)) return false;
    SetPixelData(std::move(bild));
    return true;
}

bool TglBitmap::LoadDDS(Lesestrom& strom) {
    Bild bild;
    if (!lesen_mit(DDS_lesen, strom, bild)) return false;
    SetPixelData(std::move(bild));
    return true;
}

void TglBitmap::SaveToStream(std::string& ziel, Bilddateityp typ) const {
    try {
        ziel += Bild_schreiben(Ansicht(), typ);
    } catch (const Bildfehler& e) {
        weiterreichen(e);
    }
}

bool TglBitmap::AlphaFromCallback(const Pixelrueckruf& rueckruf) {
    if (Formatbeschreibung(format_).komprimiert) throw EglBitmapUnsupportedFormat(format_);
    const TglBitmapFormat ziel = Formatbeschreibung(format_).mit_alpha;
    if (ziel == tfEmpty) throw EglBitmapUnsupportedFormat(format_);
    if (!daten_) return false;
    try {
        SetPixelData(Pixel_umwandeln(Ansicht(), ziel, rueckruf));
    } catch (const Bildfehler& e) {
        weiterreichen(e);
    }
    return true;
}

void TglBitmap::ColorKeyToAlpha(std::uint8_t rot, std::uint8_t gruen, std::uint8_t blau,
                                std::uint8_t abweichung) {
    if (Formatbeschreibung(format_).komprimiert) throw EglBitmapUnsupportedFormat(format_);
    if (!daten_) return;
    try {
        SetPixelData(Bild_Farbschluessel(Ansicht(), rot, gruen, blau, abweichung));
    } catch (const Bildfehler& e) {
        weiterreichen(e);
    }
}

bool TglBitmap::DropAlpha() {
    const auto& d = Formatbeschreibung(format_);
    if (d.komprimiert || !d.HasAlpha()) throw EglBitmapUnsupportedFormat(format_);
    if (!daten_) return false;
    try {
        SetPixelData(Bild_Alpha_entfernen(Ansicht()));
    } catch (const Bildfehler& e) {
        weiterreichen(e);
    }
    return true;
}

bool TglBitmap::ConvertFormat(TglBitmapFormat format) {
    if (format == format_ || format == tfEmpty) return true;
    if (!daten_) return false;
    try {
        SetPixelData(Bild_konvertieren(Ansicht(), format));
    } catch (const Bildfehler& e) {
        weiterreichen(e);
    }
    return true;
}

void TglBitmap::ChangeFormat(TglBitmapFormat format) {
    if (format == format_) return;
    if (Formatbeschreibung(format).bits_pro_pixel != Formatbeschreibung(format_).bits_pro_pixel)
        throw EglBitmapUnsupportedFormat(format_);
    Format_setzen(format, breite_, hoehe_);
}

void TglBitmap::Filter_anwenden() {
    glTexParameteri(target_, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(filter_mag_));
    GLenum min = (mipmap_ != 0 && target_ != GL_TEXTURE_RECTANGLE) ? filter_min_ : basisfilter(filter_min_);
    glTexParameteri(target_, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(min));
}

void TglBitmap::SetFilter(GLenum min, GLenum mag) {
    switch (min) {
        case GL_NEAREST:
        case GL_LINEAR:
        case GL_NEAREST_MIPMAP_NEAREST:
        case GL_LINEAR_MIPMAP_NEAREST:
        case GL_NEAREST_MIPMAP_LINEAR:
        case GL_LINEAR_MIPMAP_LINEAR:
            break;
        default:
            throw EglBitmap("SetFilter - Unknow MIN filter.");
    }
    if (mag != GL_NEAREST && mag != GL_LINEAR) throw EglBitmap("SetFilter - Unknow MAG filter.");
    filter_min_ = min;
    filter_mag_ = mag;
    if (id_ != 0) {
        BindTexture(false);
        Filter_anwenden();
    }
}

void TglBitmap::Wrap_anwenden(const TglBitmapTreiber& t) {
    wrap_s_ = wrap_umsetzen(wrap_s_, t, 'S');
    wrap_t_ = wrap_umsetzen(wrap_t_, t, 'T');
    wrap_r_ = wrap_umsetzen(wrap_r_, t, 'R');
    glTexParameteri(target_, GL_TEXTURE_WRAP_S, static_cast<GLint>(wrap_s_));
    glTexParameteri(target_, GL_TEXTURE_WRAP_T, static_cast<GLint>(wrap_t_));
    glTexParameteri(target_, GL_TEXTURE_WRAP_R, static_cast<GLint>(wrap_r_));
}

void TglBitmap::SetWrap(GLenum s, GLenum t, GLenum r) {
    const TglBitmapTreiber treiber = TglBitmap_Treiber();
    const GLenum ws = wrap_umsetzen(s, treiber, 'S');
    const GLenum wt = wrap_umsetzen(t, treiber, 'T');
    const GLenum wr = wrap_umsetzen(r, treiber, 'R');
    wrap_s_ = ws;
    wrap_t_ = wt;
    wrap_r_ = wr;
    if (id_ != 0) {
        BindTexture(false);
        Wrap_anwenden(treiber);
    }
}

void TglBitmap::SetSwizzle(GLenum rot, GLenum gruen, GLenum blau, GLenum alpha) {
    if (!TglBitmap_Treiber().swizzle) throw EglBitmapNotSupported("texture swizzle is not supported");
    const std::array<GLenum, 4> werte = {rot, gruen, blau, alpha};
    for (GLenum w : werte)
        if (w != GL_ZERO && w != GL_ONE && w != GL_RED && w != GL_GREEN && w != GL_BLUE && w != GL_ALPHA)
            throw EglBitmap("SetSwizzle - Unknow Swizle Value");
    swizzle_ = werte;
    if (id_ != 0) {
        BindTexture(false);
        const GLint s[4] = {static_cast<GLint>(rot), static_cast<GLint>(gruen), static_cast<GLint>(blau),
                            static_cast<GLint>(alpha)};
        glTexParameteriv(target_, GL_TEXTURE_SWIZZLE_RGBA, s);
    }
}

void TglBitmap::SetBorderColor(GLfloat rot, GLfloat gruen, GLfloat blau, GLfloat alpha) {
    randfarbe_ = {rot, gruen, blau, alpha};
    if (id_ != 0) {
        BindTexture(false);
        glTexParameterfv(target_, GL_TEXTURE_BORDER_COLOR, randfarbe_.data());
    }
}

void TglBitmap::SetAnisotropy(int n) {
    anisotropie_ = n;
    if (id_ == 0) return;
    if (!TglBitmap_Treiber().anisotropie) {
        anisotropie_ = 0;
        return;
    }
    if (n > 0) {
        BindTexture(false);
        GLfloat hoechstens = 0;
        glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &hoechstens);
        anisotropie_ = std::min(n, static_cast<int>(hoechstens));
        glTexParameterf(target_, GL_TEXTURE_MAX_ANISOTROPY_EXT, static_cast<GLfloat>(anisotropie_));
    }
}

void TglBitmap::BindTexture(bool aktivieren) const {
    if (aktivieren) glEnable(target_);
    if (id_ != 0) glBindTexture(target_, id_);
}

void TglBitmap::UnbindTexture(bool deaktivieren) const {
    if (deaktivieren) glDisable(target_);
    glBindTexture(target_, 0);
}

// ---------------------------------------------------------------------------------------------
// TglBitmap2D

TglBitmap2D::TglBitmap2D() { target_ = GL_TEXTURE_2D; }

std::unique_ptr<TglBitmap2D> TglBitmap2D::CreateFromPixels(int breite, int hoehe, TglBitmapFormat format,
                                                           std::uint8_t* puffer) {
    auto t = std::make_unique<TglBitmap2D>();
    t->Aus_Pixeln(breite, hoehe, format, puffer);
    return t;
}

void TglBitmap2D::Pixel_gesetzt() {
    zeilen_.clear();
    const auto& d = Formatbeschreibung(format_);
    if (!daten_ || d.komprimiert || hoehe_ <= 0) return;
    const std::size_t zeile = Zeilengroesse(format_, breite_);
    zeilen_.resize(static_cast<std::size_t>(hoehe_));
    for (std::size_t y = 0; y < zeilen_.size(); ++y) zeilen_[y] = daten_ + y * zeile;
}

std::uint8_t* TglBitmap2D::Scanline(int y) const {
    if (y < 0 || static_cast<std::size_t>(y) >= zeilen_.size()) return nullptr;
    return zeilen_[static_cast<std::size_t>(y)];
}

void TglBitmap2D::GenTexture(bool groesse_pruefen) {
    if (!daten_) return;
    const auto& d = Formatbeschreibung(format_);
    if (d.IsEmpty()) throw EglBitmapUnsupportedFormat(format_);
    const int w = WidthAtLeastOne(), h = HeightAtLeastOne();
    if (groesse_pruefen) {
        GLint hoechstens = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &hoechstens);
        if (h > hoechstens || w > hoechstens)
            throw EglBitmapSizeToLarge(
                "TglBitmap2D.GenTexture - The size for the texture is to large. It's may be not conform with "
                "the "
                "Hardware.");
    }
    const TglBitmapTreiber treiber = TglBitmap_Treiber();
    if (d.komprimiert && !treiber.komprimiert)
        throw EglBitmap("compressed formats not supported by video adapter");

    if (id_ != 0) glDeleteTextures(1, &id_);
    glGenTextures(1, &id_);
    ++TglBitmap_Erzeugt;
    BindTexture(false);

    Wrap_anwenden(treiber);
    Filter_anwenden();
    if (anisotropie_ > 0) SetAnisotropy(anisotropie_);
    glTexParameterfv(target_, GL_TEXTURE_BORDER_COLOR, randfarbe_.data());
    if (treiber.swizzle) {
        const GLint s[4] = {static_cast<GLint>(swizzle_[0]), static_cast<GLint>(swizzle_[1]),
                            static_cast<GLint>(swizzle_[2]), static_cast<GLint>(swizzle_[3])};
        glTexParameteriv(target_, GL_TEXTURE_SWIZZLE_RGBA, s);
    }
    bool glu_mipmaps = false;
    if (mipmap_ == 1 && treiber.mipmaps_erzeugen)
        glTexParameteri(target_, GL_GENERATE_MIPMAP, GL_TRUE);
    else if (mipmap_ != 0)
        glu_mipmaps = true;

    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (d.komprimiert) {
        glCompressedTexImage2D(target_, 0, d.GLInternalFormat(), w, h, 0,
                               static_cast<GLsizei>(d.DataSize(w, h)), daten_);
    } else if (glu_mipmaps) {
        gluBuild2DMipmaps(target_, static_cast<GLint>(d.GLInternalFormat()), w, h, d.GLFormat(), d.GLType(),
                          daten_);
    } else {
        glTexImage2D(target_, 0, static_cast<GLint>(d.GLInternalFormat()), w, h, 0, d.GLFormat(), d.GLType(),
                     daten_);
    }

    if (pixel_nach_upload_freigeben_) Pixel_freigeben();

    GLboolean resident = GL_FALSE;
    resident_ = glAreTexturesResident(1, &id_, &resident) == GL_TRUE || resident == GL_TRUE;
}

bool TglBitmap2D::MirrorHorizontal() {
    Bild b = Bild_horizontal_spiegeln(Ansicht());
    if (b.leer()) return false;
    SetPixelData(std::move(b));
    return true;
}

bool TglBitmap2D::MirrorVertical() {
    Bild b = Bild_vertikal_spiegeln(Ansicht());
    if (b.leer()) return false;
    SetPixelData(std::move(b));
    return true;
}

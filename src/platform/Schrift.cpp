#include "platform/Schrift.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <memory>
#include <vector>

#include "platform/base/Text1252.h"

namespace plattform {

namespace {

std::string schriftdatei(const std::string& name) {
    std::string datei;
    if (!FcInit()) return datei;
    std::string utf8 = cp1252_zu_utf8(name);
    FcPattern* muster = FcNameParse(reinterpret_cast<const FcChar8*>(utf8.c_str()));
    if (!muster) return datei;
    FcPatternAddInteger(muster, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(muster, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, muster, FcMatchPattern);
    FcDefaultSubstitute(muster);
    FcResult ergebnis;
    if (FcPattern* treffer = FcFontMatch(nullptr, muster, &ergebnis)) {
        FcChar8* pfad = nullptr;
        if (FcPatternGetString(treffer, FC_FILE, 0, &pfad) == FcResultMatch && pfad)
            datei = reinterpret_cast<const char*>(pfad);
        FcPatternDestroy(treffer);
    }
    FcPatternDestroy(muster);
    // The face is read once at start-up: fontconfig's configuration is not needed afterwards.
    FcFini();
    return datei;
}

int gesetzte_punkte(const FT_Bitmap& bild) {
    int n = 0;
    for (unsigned y = 0; y < bild.rows; ++y)
        for (unsigned x = 0; x < bild.width; ++x)
            if (bild.buffer[y * bild.pitch + x / 8] & (0x80 >> (x % 8))) ++n;
    return n;
}

// The face's own hinting gives some capitals (E, H, B, ...) two-pixel stems at the small size
// while the lower case keeps one, so they look bold. The outline is instead fitted vertically
// only, and moved sideways by at most half a pixel to where its 1-bit image needs the fewest
// pixels: a stem then falls into one column instead of straddling two. The advance stays the
// face's hinted advance, so the widths keep the face's metrics.
bool glyphe_rastern(FT_Face face, FT_UInt glyph) {
    constexpr int versaetze[] = {0, -8, 8, -16, 16, -24, 24, -32};  // 1/64 pixel
    int bester = 0, beste_punkte = -1;
    for (int dx : versaetze) {
        if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_LIGHT | FT_LOAD_FORCE_AUTOHINT)) return false;
        if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) break;
        FT_Outline_Translate(&face->glyph->outline, dx, 0);
        if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO)) return false;
        int punkte = gesetzte_punkte(face->glyph->bitmap);
        if (beste_punkte < 0 || punkte < beste_punkte) {
            beste_punkte = punkte;
            bester = dx;
        }
    }
    if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_LIGHT | FT_LOAD_FORCE_AUTOHINT)) return false;
    if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
        FT_Outline_Translate(&face->glyph->outline, bester, 0);
    return FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) == 0;
}

}  // namespace

bool Schrift_bauen(const std::string& name, int zellenhoehe, unsigned basis, int breiten[256],
                   std::string& fehler) {
    for (int i = 0; i < 256; ++i) breiten[i] = 0;
    std::string datei = schriftdatei(name);
    if (datei.empty()) {
        fehler = "Schrift nicht gefunden: " + name;
        return false;
    }
    FT_Library ft;
    if (FT_Init_FreeType(&ft)) {
        fehler = "FreeType konnte nicht gestartet werden";
        return false;
    }
    std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)> ft_halter(ft, &FT_Done_FreeType);
    FT_Face face;
    if (FT_New_Face(ft, datei.c_str(), 0, &face)) {
        fehler = "Schrift nicht lesbar: " + datei;
        return false;
    }
    // The height is the cell height (ascent + descent), as a GDI font of positive height.
    FT_Size_RequestRec anfrage{};
    anfrage.type = FT_SIZE_REQUEST_TYPE_CELL;
    anfrage.height = zellenhoehe * 64;
    if (FT_Request_Size(face, &anfrage)) {
        FT_Done_Face(face);
        fehler = "Schriftgroesse nicht einstellbar";
        return false;
    }
    GLint ausrichtung = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &ausrichtung);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    std::vector<GLubyte> zeilen;
    for (int code = 0; code < 256; ++code) {
        char32_t cp = text1252::zu_unicode(static_cast<unsigned char>(code));
        FT_UInt glyph = FT_Get_Char_Index(face, cp);
        int vorschub = 0, w = 0, h = 0, links = 0, oben = 0;
        zeilen.clear();
        if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_MONO) == 0) {
            vorschub = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        }
        if (glyphe_rastern(face, glyph)) {
            FT_GlyphSlot g = face->glyph;
            w = static_cast<int>(g->bitmap.width);
            h = static_cast<int>(g->bitmap.rows);
            links = g->bitmap_left;
            oben = g->bitmap_top;
            int bytes = (w + 7) / 8;
            zeilen.resize(static_cast<std::size_t>(bytes) * h);
            // glBitmap wants the rows bottom-up.
            for (int y = 0; y < h; ++y) {
                const unsigned char* quelle = g->bitmap.buffer + y * g->bitmap.pitch;
                if (g->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                    for (int b = 0; b < bytes; ++b) zeilen[(h - 1 - y) * bytes + b] = quelle[b];
                } else {
                    for (int x = 0; x < w; ++x)
                        if (quelle[x] >= 128) zeilen[(h - 1 - y) * bytes + x / 8] |= 0x80 >> (x % 8);
                }
            }
        }
        breiten[code] = vorschub;
        glNewList(basis + code, GL_COMPILE);
        glBitmap(w, h, static_cast<GLfloat>(-links), static_cast<GLfloat>(h - oben),
                 static_cast<GLfloat>(vorschub), 0.0f, zeilen.empty() ? nullptr : zeilen.data());
        glEndList();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, ausrichtung);
    FT_Done_Face(face);
    return true;
}

}  // namespace plattform

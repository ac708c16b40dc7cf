#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include "render/Gelaendebild.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <vector>

#include "render/Chunks.h"
#include "render/Gestuerzt.h"
#include "render/Modelliste.h"
#include "render/Textur.h"

bool GB_Merken = true;
long GB_Eingesetzt = 0, GB_Erstellt = 0;

namespace {

// Everything the layer's pixels depend on.
struct Schluessel {
    std::array<GLint, 4> viewport{};
    std::array<GLfloat, 16> projektion{}, modelview{};
    std::array<GLfloat, 4> farbe{}, loeschfarbe{};
    GLuint textur = 0;
    long texturen = 0;
    long kompilierungen = 0;
    std::vector<GLuint> listen;
    bool gestuerzt = false;
    bool operator==(const Schluessel&) const = default;
};

struct Gelaendepuffer {
    GLuint fbo = 0, textur = 0, tiefe = 0;
    int breite = 0, hoehe = 0;
    bool gueltig = false;
    Schluessel schluessel;
};

Gelaendepuffer bild;
// The key of the last frame that drew the layer itself.
Schluessel letzter;
bool letzter_da = false;

void chunks_rufen() {
    for (int i = 0; i < Chunkinteger && i < ML_Chunk_Anzahl; ++i)
        ML_Liste_rufen(ML_Chunklisten, ML_Chunks_sichtbar[static_cast<std::size_t>(i)]);
}

// The picture can stand in for the layer when the frame buffer keeps 8 bits per
// colour (as the picture does), without samples, and nothing cuts the clear.
bool moeglich() {
    static const bool fbo = GL_Erweiterung("GL_ARB_framebuffer_object");
    if (!fbo) return false;
    GLint r = 0, g = 0, b = 0, proben = 0;
    glGetIntegerv(GL_RED_BITS, &r);
    glGetIntegerv(GL_GREEN_BITS, &g);
    glGetIntegerv(GL_BLUE_BITS, &b);
    glGetIntegerv(GL_SAMPLE_BUFFERS, &proben);
    return r == 8 && g == 8 && b == 8 && proben == 0 && !glIsEnabled(GL_SCISSOR_TEST) &&
           !glIsEnabled(GL_ALPHA_TEST) && !glIsEnabled(GL_BLEND) && !glIsEnabled(GL_STENCIL_TEST);
}

Schluessel schluessel_jetzt() {
    Schluessel k;
    glGetIntegerv(GL_VIEWPORT, k.viewport.data());
    glGetFloatv(GL_PROJECTION_MATRIX, k.projektion.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, k.modelview.data());
    glGetFloatv(GL_CURRENT_COLOR, k.farbe.data());
    glGetFloatv(GL_COLOR_CLEAR_VALUE, k.loeschfarbe.data());
    k.textur = ML_Landschaft ? ML_Landschaft->ID() : 0;
    k.texturen = TglBitmap_Erzeugt;
    k.kompilierungen = Chunk_Kompilierungen;
    for (int i = 0; i < Chunkinteger && i < ML_Chunk_Anzahl; ++i) {
        const int c = ML_Chunks_sichtbar[static_cast<std::size_t>(i)];
        k.listen.push_back(c >= 0 && c < ML_Chunk_Anzahl ? ML_Chunklisten[static_cast<std::size_t>(c)] : 0);
    }
    k.gestuerzt = GS_Fenster();
    return k;
}

// Frame buffer and texture of the size; false when the driver refuses them.
bool puffer_fuer(int b, int h) {
    if (bild.fbo != 0 && bild.breite == b && bild.hoehe == h) return true;
    GB_Freigeben();
    bild.textur = GS_Textur(GL_RGBA8, b, h, GL_RGBA, GL_UNSIGNED_BYTE);
    bild.breite = b;
    bild.hoehe = h;
    return GS_Rahmen(bild.fbo, bild.tiefe, bild.textur, b, h);
}

// Draws the layer alone into the picture, with the frame's matrices and state.
bool erstellen(const Schluessel& k) {
    GLint alt_fbo = 0, alt_textur = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &alt_fbo);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &alt_textur);
    const int b = k.viewport[0] + k.viewport[2], h = k.viewport[1] + k.viewport[3];
    // An upside-down picture, read upside down over the whole picture, turns about the
    // viewport's middle only when the viewport starts at the bottom row.
    const bool bereit = b > 0 && h > 0 && (!k.gestuerzt || k.viewport[1] == 0) && puffer_fuer(b, h);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(alt_textur));
    if (bereit) {
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, bild.fbo);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        {
            // Drawn for the window, the layer is drawn upside down (see render/Gestuerzt.h).
            const GS_Projektion projektion(k.projektion, k.gestuerzt);
            chunks_rufen();
        }
        bild.schluessel = k;
        bild.gueltig = true;
        ++GB_Erstellt;
    } else {
        GB_Freigeben();
    }
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(alt_fbo));
    return bereit;
}

// Lays the picture in where the layer would reach the frame: a quad over the whole
// picture, one texel per pixel, at the depth the layer's plane has (the same bits:
// the layer's z of 0 under the modelview's depth column gives what this quad's z under
// an identity modelview gives) and the layer's depth rule.
void einsetzen() {
    const float b = static_cast<float>(bild.breite), h = static_cast<float>(bild.hoehe);
    const float z = bild.schluessel.modelview[14];
    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_TEXTURE_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, bild.textur);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glDisable(GL_ALPHA_TEST);
    glDepthMask(GL_FALSE);
    GS_Einsetzen(b, h, z, bild.schluessel.gestuerzt);
    glPopAttrib();
    ++GB_Eingesetzt;
}

}  // namespace

void Draw_Gelaende() {
    if (!ML_Binden(ML_Landschaft.get(), "ML_Landschaft")) return;
    if (GB_Merken && moeglich()) {
        const Schluessel k = schluessel_jetzt();
        // A view that stood still since the last frame is worth a picture.
        if ((bild.gueltig && k == bild.schluessel) || (letzter_da && k == letzter && erstellen(k))) {
            einsetzen();
            ML_Loesen();
            return;
        }
        letzter = k;
        letzter_da = true;
    }
    chunks_rufen();
    ML_Loesen();
}

void GB_Freigeben() {
    if (bild.fbo != 0) glDeleteFramebuffers(1, &bild.fbo);
    if (bild.tiefe != 0) glDeleteRenderbuffers(1, &bild.tiefe);
    if (bild.textur != 0) glDeleteTextures(1, &bild.textur);
    bild = Gelaendepuffer{};
    letzter_da = false;
}

#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include "render/Vorschaubild.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cstring>

#include "render/Gestuerzt.h"
#include "render/Modelliste.h"
#include "render/Textur.h"

bool VB_Merken = true;
long VB_Eingesetzt = 0, VB_Erstellt = 0;

namespace {

// Everything the layer's pixels depend on.
struct Schluessel {
    std::array<GLint, 4> viewport{};
    std::array<GLfloat, 16> projektion{}, modelview{};
    GLuint textur = 0;
    long texturen = 0;
    std::array<GLint, 3> texturzustand{};
    int modell = -1;
    GLuint liste = 0;
    ML_Quad quad{};
    float z = 0;
    bool gestuerzt = false;
    std::vector<VB_Marke> marken;
    bool operator==(const Schluessel& o) const {
        return viewport == o.viewport && projektion == o.projektion && modelview == o.modelview &&
               textur == o.textur && texturen == o.texturen && texturzustand == o.texturzustand &&
               modell == o.modell && liste == o.liste && z == o.z && gestuerzt == o.gestuerzt &&
               marken == o.marken && std::memcmp(&quad, &o.quad, sizeof quad) == 0;
    }
};

struct Vorschaupuffer {
    // The markers' colours with their depths in the frame's 24 bits, and their depths
    // before those bits were rounded (a float picture of its own).
    GLuint fbo = 0, textur = 0, tiefe24 = 0, fbo_tiefe = 0, tiefe = 0, programm = 0;
    int breite = 0, hoehe = 0;
    bool gueltig = false;
    Schluessel schluessel;
};

Vorschaupuffer bild;
// The key of the last frame that drew the markers themselves.
Schluessel letzter;
bool letzter_da = false;

// The picture stands in for the markers only under the world's own rules: 8 bits per
// colour (as the picture keeps), no samples, the opaque-texel alpha test, the
// strictly-less depth test writing depth, nothing that cuts, blends or masks.
bool zustand_passt() {
    static const bool fbo =
        GL_Erweiterung("GL_ARB_framebuffer_object") && GL_Erweiterung("GL_ARB_fragment_program") &&
        GL_Erweiterung("GL_ARB_depth_texture") && GL_Erweiterung("GL_ARB_depth_buffer_float");
    if (!fbo) return false;
    GLint r = 0, g = 0, b = 0, tiefe = 0, proben = 0, alphafunktion = 0, tiefenfunktion = 0;
    GLfloat alphawert = 0;
    GLboolean tiefe_schreiben = GL_FALSE;
    std::array<GLboolean, 4> farbmaske{};
    glGetIntegerv(GL_RED_BITS, &r);
    glGetIntegerv(GL_GREEN_BITS, &g);
    glGetIntegerv(GL_BLUE_BITS, &b);
    glGetIntegerv(GL_DEPTH_BITS, &tiefe);
    glGetIntegerv(GL_SAMPLE_BUFFERS, &proben);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &alphafunktion);
    glGetFloatv(GL_ALPHA_TEST_REF, &alphawert);
    glGetIntegerv(GL_DEPTH_FUNC, &tiefenfunktion);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &tiefe_schreiben);
    glGetBooleanv(GL_COLOR_WRITEMASK, farbmaske.data());
    return r == 8 && g == 8 && b == 8 && tiefe == 24 && proben == 0 && glIsEnabled(GL_ALPHA_TEST) &&
           alphafunktion == GL_EQUAL && alphawert == 1.0f && glIsEnabled(GL_DEPTH_TEST) &&
           tiefenfunktion == GL_LESS && tiefe_schreiben == GL_TRUE &&
           farbmaske == std::array<GLboolean, 4>{GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE} &&
           !glIsEnabled(GL_SCISSOR_TEST) && !glIsEnabled(GL_BLEND) && !glIsEnabled(GL_STENCIL_TEST) &&
           !glIsEnabled(GL_FOG) && !glIsEnabled(GL_LIGHTING) && !glIsEnabled(GL_COLOR_LOGIC_OP);
}

// The key of this frame; false when the picture cannot stand in.
bool schluessel_jetzt(Schluessel& k, const std::vector<VB_Marke>& marken, float z, int modell) {
    if (modell < 0 || static_cast<std::size_t>(modell) >= ML_Gebaeudelisten.size() ||
        ML_Gebaeudequads.size() != ML_Gebaeudelisten.size())
        return false;
    k.modell = modell;
    k.liste = ML_Gebaeudelisten[static_cast<std::size_t>(modell)];
    if (k.liste == 0) return false;
    k.quad = ML_Gebaeudequads[static_cast<std::size_t>(modell)];
    glGetIntegerv(GL_VIEWPORT, k.viewport.data());
    glGetFloatv(GL_PROJECTION_MATRIX, k.projektion.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, k.modelview.data());
    GLint t = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &t);
    k.textur = static_cast<GLuint>(t);
    k.texturen = TglBitmap_Erzeugt;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &k.texturzustand[0]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &k.texturzustand[1]);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &k.texturzustand[2]);
    k.z = z;
    k.gestuerzt = GS_Fenster();
    k.marken = marken;
    return k.textur != 0 && k.viewport[0] == 0 && k.viewport[1] == 0 && k.viewport[2] > 0 &&
           k.viewport[3] > 0;
}

// The markers the plain way (or in a batch when batches are on).
void marken_zeichnen(const std::vector<VB_Marke>& marken, float z, int modell) {
    for (const VB_Marke& m : marken) {
        SP_Verschieben(m.x, m.y, z);
        SP_Farbe(m.r, m.g, m.b);
        SP_Modell(ML_Gebaeudelisten, ML_Gebaeudequads, modell);
        SP_Verschieben(-m.x, -m.y, -z);
    }
}

// The lay-in's fragment program: the picture's colour, and its depth as the fragment's.
constexpr char kProgramm[] =
    "!!ARBfp1.0\n"
    "TEMP farbe, tiefe;\n"
    "TEX farbe, fragment.texcoord[0], texture[0], 2D;\n"
    "TEX tiefe, fragment.texcoord[0], texture[1], 2D;\n"
    "MOV result.color, farbe;\n"
    "MOV result.depth.z, tiefe.x;\n"
    "END\n";

// Frame buffer, colour and depth textures of the size and the program; false when the
// driver refuses them.
bool puffer_fuer(int b, int h) {
    if (bild.fbo != 0 && bild.breite == b && bild.hoehe == h) return true;
    VB_Freigeben();
    while (glGetError() != GL_NO_ERROR) {
    }
    glGenProgramsARB(1, &bild.programm);
    glBindProgramARB(GL_FRAGMENT_PROGRAM_ARB, bild.programm);
    glProgramStringARB(GL_FRAGMENT_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB, sizeof kProgramm - 1, kProgramm);
    glBindProgramARB(GL_FRAGMENT_PROGRAM_ARB, 0);
    GLint alt_textur = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &alt_textur);
    bild.textur = GS_Textur(GL_RGBA8, b, h, GL_RGBA, GL_UNSIGNED_BYTE);
    bild.tiefe = GS_Textur(GL_DEPTH_COMPONENT32F, b, h, GL_DEPTH_COMPONENT, GL_FLOAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_NONE);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(alt_textur));
    bool vollstaendig = GS_Rahmen(bild.fbo, bild.tiefe24, bild.textur, b, h);
    glGenFramebuffers(1, &bild.fbo_tiefe);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, bild.fbo_tiefe);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, bild.tiefe, 0);
    glDrawBuffer(GL_NONE);
    vollstaendig = vollstaendig && glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    bild.breite = b;
    bild.hoehe = h;
    return glGetError() == GL_NO_ERROR && vollstaendig;
}

// Draws the markers alone into the cleared pictures (transparent where none reaches),
// with the frame's matrices and state; the modelview ends as the markers leave it.
//
// Which marker shows at a pixel is settled by the depths in the frame's 24 bits, so the
// colours come from a picture with such a depth buffer. The depth the lay-in gives each
// pixel must turn into those very bits: the float picture keeps the depth the nearest
// marker had before rounding, which rounds as the frame rounds it, to the bits of the
// marker that won (markers with equal bits tie, and the first of them won).
bool erstellen(const Schluessel& k) {
    GLint alt_fbo = 0, alt_lesen = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &alt_fbo);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &alt_lesen);
    const bool bereit = puffer_fuer(k.viewport[2], k.viewport[3]);
    if (bereit) {
        // Drawn for the window, the markers are drawn upside down (see render/Gestuerzt.h):
        // they meet the very raster positions and so the very ties of depth they meet there.
        const GS_Projektion projektion(k.projektion, k.gestuerzt);
        for (GLuint fbo : {bild.fbo, bild.fbo_tiefe}) {
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo);
            glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glClearColor(0, 0, 0, 0);
            glClearDepth(1);
            glClear(fbo == bild.fbo ? GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT : GL_DEPTH_BUFFER_BIT);
            glPopAttrib();
            glLoadMatrixf(k.modelview.data());
            SP_Beginnen();
            marken_zeichnen(k.marken, k.z, k.modell);
            SP_Zeichnen();
        }
        bild.schluessel = k;
        bild.gueltig = true;
        ++VB_Erstellt;
    } else {
        VB_Freigeben();
    }
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(alt_fbo));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(alt_lesen));
    return bereit;
}

// Lays the picture in: a quad over the whole viewport, one texel per pixel, whose
// fragments carry the picture's colour and depth through the frame's alpha and depth
// tests, writing depth as the markers do.
void einsetzen() {
    const float b = static_cast<float>(bild.breite), h = static_cast<float>(bild.hoehe);
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, bild.tiefe);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, bild.textur);
    glBindProgramARB(GL_FRAGMENT_PROGRAM_ARB, bild.programm);
    glEnable(GL_FRAGMENT_PROGRAM_ARB);
    // The program gives each fragment its depth; the quad's own depth does not count.
    GS_Einsetzen(b, h, 0, bild.schluessel.gestuerzt);
    glDisable(GL_FRAGMENT_PROGRAM_ARB);
    glBindProgramARB(GL_FRAGMENT_PROGRAM_ARB, 0);
    glPopAttrib();
    ++VB_Eingesetzt;
}

// The modelview the markers' moves leave behind.
void bewegungen_nachholen(const Schluessel& k) {
    std::array<GLfloat, 16> m = k.modelview;
    for (const VB_Marke& v : k.marken) {
        SP_Matrix_verschieben(m.data(), v.x, v.y, k.z);
        SP_Matrix_verschieben(m.data(), -v.x, -v.y, -k.z);
    }
    glLoadMatrixf(m.data());
}

}  // namespace

void VB_Zeichnen(const std::vector<VB_Marke>& marken, float z, int k) {
    if (marken.empty()) return;
    if (VB_Merken && zustand_passt()) {
        // What is batched so far goes first: it lies behind the markers or beats them by
        // depth alone, and the modelview is then the markers' own.
        SP_Zeichnen();
        Schluessel jetzt;
        if (schluessel_jetzt(jetzt, marken, z, k)) {
            if (bild.gueltig && jetzt == bild.schluessel) {
                einsetzen();
                bewegungen_nachholen(jetzt);
                return;
            }
            // Markers that stood since the last frame are worth a picture.
            if (letzter_da && jetzt == letzter && erstellen(jetzt)) {
                einsetzen();
                return;
            }
            letzter = std::move(jetzt);
            letzter_da = true;
        }
        SP_Beginnen();
    }
    marken_zeichnen(marken, z, k);
}

void VB_Freigeben() {
    if (bild.fbo != 0) glDeleteFramebuffers(1, &bild.fbo);
    if (bild.fbo_tiefe != 0) glDeleteFramebuffers(1, &bild.fbo_tiefe);
    if (bild.tiefe24 != 0) glDeleteRenderbuffers(1, &bild.tiefe24);
    if (bild.tiefe != 0) glDeleteTextures(1, &bild.tiefe);
    if (bild.textur != 0) glDeleteTextures(1, &bild.textur);
    if (bild.programm != 0) glDeleteProgramsARB(1, &bild.programm);
    bild = Vorschaupuffer{};
    letzter_da = false;
}

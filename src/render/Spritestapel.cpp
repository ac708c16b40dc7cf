#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include "render/Spritestapel.h"

#include <GL/glext.h>

#include "render/Textur.h"

bool SP_Buendeln = true;
long SP_Quads_gesamt = 0;

namespace {

// A sprite of the plain way lands where the modelview-projection matrix of its own
// moves puts it. In a batch every sprite keeps that matrix's last column (the only one
// a move changes) with its corners, computed as the driver computes it, and this
// program applies it in the very steps of the fixed pipeline's transform: the corners
// land on the same bits, so every depth tie and every edge falls as in the plain way.
constexpr char kProgramm[] =
    "!!ARBvp1.0\n"
    "ATTRIB p = vertex.position;\n"
    "ATTRIB spalte = vertex.attrib[6];\n"
    "PARAM m0 = state.matrix.mvp.transpose.row[0];\n"
    "PARAM m1 = state.matrix.mvp.transpose.row[1];\n"
    "PARAM m2 = state.matrix.mvp.transpose.row[2];\n"
    "TEMP t;\n"
    "MUL t, p.x, m0;\n"
    "MAD t, p.y, m1, t;\n"
    "MAD t, p.z, m2, t;\n"
    "MAD result.position, p.w, spalte, t;\n"
    "MOV result.color, vertex.color;\n"
    "MOV result.texcoord[0], vertex.texcoord[0];\n"
    "END\n";
constexpr GLuint kSpaltenattribut = 6;

struct Stapel {
    bool offen = false;
    // The projection, and the modelview as the plain way's moves change it.
    std::array<GLfloat, 16> projektion{}, matrix{};
    float r = 1, g = 1, b = 1;
    // The first three columns of projection x modelview (moves leave them as they are).
    std::array<double, 12> achsen{};
    // Per corner: x, y, z, s, t, r, g, b and the last matrix column (4); four corners a quad.
    std::vector<float> ecken;
    // The corners of the driver's two triangles, quad after quad (grown as needed).
    std::vector<GLuint> dreiecke;
};

Stapel stapel;

// The program's name, 0 before the first batch; programm_fehlt when the driver has none
// (then every layer draws the plain way).
GLuint programm = 0;
bool programm_fehlt = false;

constexpr int kWerte = 12;
// The two triangles the driver splits a quad into.
constexpr std::array<int, 6> kDreiecke = {0, 1, 3, 1, 2, 3};

// Whether the quad, with the last matrix column `spalte`, lies wholly beyond one edge of
// the view by more than a thousandth of it: the driver would give it no fragment at all.
bool ausserhalb(const ML_Quad& q, const float* spalte) {
    bool links = true, rechts = true, unten = true, oben = true;
    const std::array<double, 12>& a = stapel.achsen;
    for (const ML_Ecke& e : q) {
        double c[4];
        for (std::size_t i = 0; i < 4; ++i)
            c[i] = a[i] * e.x + a[4 + i] * e.y + a[8 + i] * e.z + static_cast<double>(spalte[i]);
        if (!(c[3] > 0)) return false;
        const double rand = c[3] * 1.001;
        links = links && c[0] < -rand;
        rechts = rechts && c[0] > rand;
        unten = unten && c[1] < -rand;
        oben = oben && c[1] > rand;
    }
    return links || rechts || unten || oben;
}

bool programm_bereit() {
    if (programm != 0) return true;
    if (programm_fehlt) return false;
    programm_fehlt = true;
    if (!GL_Erweiterung("GL_ARB_vertex_program")) return false;
    while (glGetError() != GL_NO_ERROR) {
    }
    GLuint p = 0;
    glGenProgramsARB(1, &p);
    glBindProgramARB(GL_VERTEX_PROGRAM_ARB, p);
    glProgramStringARB(GL_VERTEX_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB, sizeof kProgramm - 1, kProgramm);
    glBindProgramARB(GL_VERTEX_PROGRAM_ARB, 0);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteProgramsARB(1, &p);
        return false;
    }
    programm = p;
    programm_fehlt = false;
    return true;
}

}  // namespace

void ML_Quad_ausgeben(const ML_Quad& q) {
    glBegin(GL_QUADS);
    for (const ML_Ecke& e : q) {
        glTexCoord2f(e.s, e.t);
        glVertex3f(e.x, e.y, e.z);
    }
    glEnd();
}

void SP_Beginnen() {
    if (!SP_Buendeln || stapel.offen || !programm_bereit()) return;
    stapel.offen = true;
    glGetFloatv(GL_PROJECTION_MATRIX, stapel.projektion.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, stapel.matrix.data());
    for (int spalte = 0; spalte < 3; ++spalte)
        for (int i = 0; i < 4; ++i) {
            double summe = 0;
            for (int k = 0; k < 4; ++k)
                summe += static_cast<double>(stapel.projektion[static_cast<std::size_t>(4 * k + i)]) *
                         stapel.matrix[static_cast<std::size_t>(4 * spalte + k)];
            stapel.achsen[static_cast<std::size_t>(4 * spalte + i)] = summe;
        }
    GLfloat farbe[4] = {1, 1, 1, 1};
    glGetFloatv(GL_CURRENT_COLOR, farbe);
    stapel.r = farbe[0];
    stapel.g = farbe[1];
    stapel.b = farbe[2];
    stapel.ecken.clear();
}

void SP_Zeichnen() {
    if (!stapel.offen) return;
    stapel.offen = false;
    const std::size_t quads = stapel.ecken.size() / (4 * kWerte);
    if (quads > 0) {
        // Each corner is transformed once and shared by the quad's two triangles.
        for (std::size_t q = stapel.dreiecke.size() / kDreiecke.size(); q < quads; ++q)
            for (int i : kDreiecke)
                stapel.dreiecke.push_back(static_cast<GLuint>(4 * q + static_cast<std::size_t>(i)));
        const float* d = stapel.ecken.data();
        constexpr GLsizei schritt = kWerte * sizeof(float);
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, schritt, d);
        glTexCoordPointer(2, GL_FLOAT, schritt, d + 3);
        glColorPointer(3, GL_FLOAT, schritt, d + 5);
        glVertexAttribPointerARB(kSpaltenattribut, 4, GL_FLOAT, GL_FALSE, schritt, d + 8);
        glEnableVertexAttribArrayARB(kSpaltenattribut);
        glBindProgramARB(GL_VERTEX_PROGRAM_ARB, programm);
        glEnable(GL_VERTEX_PROGRAM_ARB);
        // A quad has one colour at all four corners: taken flat, each fragment gets that
        // very colour without the rasteriser interpolating it.
        glPushAttrib(GL_LIGHTING_BIT);
        glShadeModel(GL_FLAT);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(quads * kDreiecke.size()), GL_UNSIGNED_INT,
                       stapel.dreiecke.data());
        glPopAttrib();
        glDisable(GL_VERTEX_PROGRAM_ARB);
        glBindProgramARB(GL_VERTEX_PROGRAM_ARB, 0);
        glDisableVertexAttribArrayARB(kSpaltenattribut);
        glPopClientAttrib();
    }
    // A colour array leaves the current colour undefined: it becomes the batch's last.
    glColor3f(stapel.r, stapel.g, stapel.b);
    // The modelview the plain way's moves leave behind.
    glLoadMatrixf(stapel.matrix.data());
}

void SP_Freigeben() {
    if (programm != 0) glDeleteProgramsARB(1, &programm);
    programm = 0;
    programm_fehlt = false;
    stapel = Stapel{};
}

void SP_Verschieben(float x, float y, float z) {
    if (!stapel.offen) {
        glTranslatef(x, y, z);
        return;
    }
    SP_Matrix_verschieben(stapel.matrix.data(), x, y, z);
}

void SP_Matrix_verschieben(float* m, float x, float y, float z) {
    // The translation column as the driver updates it.
    for (int i = 0; i < 4; ++i) m[12 + i] = m[i] * x + m[4 + i] * y + m[8 + i] * z + m[12 + i];
}

void SP_Farbe(float r, float g, float b) {
    if (!stapel.offen) {
        glColor3f(r, g, b);
        return;
    }
    stapel.r = r;
    stapel.g = g;
    stapel.b = b;
}

bool SP_Modell(const GLuint* listen, const ML_Quad* quads, std::size_t anzahl, int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= anzahl || listen[k] == 0) return false;
    if (!stapel.offen) {
        glCallList(listen[k]);
        return true;
    }
    if (!quads) return false;
    // The last column of projection x modelview, summed in the driver's order.
    const float* p = stapel.projektion.data();
    const float* m = stapel.matrix.data();
    float spalte[4];
    for (int i = 0; i < 4; ++i)
        spalte[i] = p[i] * m[12] + p[4 + i] * m[13] + p[8 + i] * m[14] + p[12 + i] * m[15];
    // A sprite off the view leaves the picture as it is; the moves after it stay the same.
    if (ausserhalb(quads[k], spalte)) return true;
    ++SP_Quads_gesamt;
    for (const ML_Ecke& e : quads[k]) {
        stapel.ecken.insert(stapel.ecken.end(), {e.x, e.y, e.z, e.s, e.t, stapel.r, stapel.g, stapel.b,
                                                 spalte[0], spalte[1], spalte[2], spalte[3]});
    }
    return true;
}

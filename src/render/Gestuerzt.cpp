#ifndef GL_GLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES 1
#endif
#include "render/Gestuerzt.h"

#include <GL/glext.h>

bool GS_Fenster() {
    GLint ziel = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &ziel);
    return ziel == 0;
}

GS_Projektion::GS_Projektion(const std::array<GLfloat, 16>& projektion, bool gestuerzt) {
    std::array<GLfloat, 16> p = projektion;
    if (gestuerzt)
        for (std::size_t i : {1u, 5u, 9u, 13u}) p[i] = -p[i];
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadMatrixf(p.data());
    glMatrixMode(GL_MODELVIEW);
    glPushAttrib(GL_POLYGON_BIT);
    GLint vorn = GL_CCW;
    glGetIntegerv(GL_FRONT_FACE, &vorn);
    if (gestuerzt) glFrontFace(vorn == GL_CCW ? GL_CW : GL_CCW);
}

GS_Projektion::~GS_Projektion() {
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void GS_Quad(float b, float h, float z, bool gestuerzt) {
    const float unten = gestuerzt ? 1.0f : 0.0f, oben = 1.0f - unten;
    glBegin(GL_QUADS);
    glTexCoord2f(0, unten);
    glVertex3f(0, 0, z);
    glTexCoord2f(1, unten);
    glVertex3f(b, 0, z);
    glTexCoord2f(1, oben);
    glVertex3f(b, h, z);
    glTexCoord2f(0, oben);
    glVertex3f(0, h, z);
    glEnd();
}

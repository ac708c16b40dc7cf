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

GLuint GS_Textur(GLint format, int b, int h, GLenum daten, GLenum typ) {
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, format, b, h, 0, daten, typ, nullptr);
    return t;
}

bool GS_Rahmen(GLuint& rahmen, GLuint& tiefe24, GLuint farbe, int b, int h) {
    glGenRenderbuffers(1, &tiefe24);
    glBindRenderbuffer(GL_RENDERBUFFER, tiefe24);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, b, h);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glGenFramebuffers(1, &rahmen);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, rahmen);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, farbe, 0);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, tiefe24);
    return glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void GS_Einsetzen(float b, float h, float z, bool gestuerzt) {
    glPushAttrib(GL_ENABLE_BIT | GL_TRANSFORM_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, b, 0, h, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
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
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

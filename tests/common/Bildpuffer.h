#pragma once
// Drawing the way the main window does, and an off-screen frame buffer for
// frames larger than the test window (the targets define GL_GLEXT_PROTOTYPES).
#include <GL/gl.h>
#include <GL/glext.h>

#include "render/Szene.h"

namespace bhmtest {

// The main window's fixed state and its projection over a client area of b x h
// pixels (y down, a larger z nearer), cleared to black.
inline void Fensterzustand(int b, int h) {
    glViewport(0, 0, b, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, b, h, 0, -10000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Draw_Grundzustand();
    glFrontFace(GL_CCW);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
}

// A frame buffer of b x h pixels with colour and depth, bound while it lives.
class Bildpuffer {
public:
    Bildpuffer(int b, int h) {
        glGenFramebuffers(1, &fbo_);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo_);
        glGenRenderbuffers(1, &farbe_);
        glBindRenderbuffer(GL_RENDERBUFFER, farbe_);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, b, h);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, farbe_);
        glGenRenderbuffers(1, &tiefe_);
        glBindRenderbuffer(GL_RENDERBUFFER, tiefe_);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, b, h);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, tiefe_);
        glReadBuffer(GL_COLOR_ATTACHMENT0);
    }
    ~Bildpuffer() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(1, &farbe_);
        glDeleteRenderbuffers(1, &tiefe_);
        glDeleteFramebuffers(1, &fbo_);
        glReadBuffer(GL_BACK);
    }
    Bildpuffer(const Bildpuffer&) = delete;
    Bildpuffer& operator=(const Bildpuffer&) = delete;
    bool bereit() const { return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE; }

private:
    GLuint fbo_ = 0, farbe_ = 0, tiefe_ = 0;
};

}  // namespace bhmtest

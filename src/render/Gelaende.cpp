#include "render/Gelaende.h"

#include <GL/gl.h>

#include <cmath>

#include "render/Modelliste.h"

void ML_Gelaende_Ecken_ausgeben(bool zweites, int form, float dx, float dy, float wachsen) {
    const auto ecken = ML_Gelaende_Ecken(zweites, form);
    float mx = 0, my = 0;
    for (const Gelaendeecke& e : ecken) {
        mx += static_cast<float>(e.x) / 3.0f;
        my += static_cast<float>(e.y) / 3.0f;
    }
    for (const Gelaendeecke& e : ecken) {
        float x = static_cast<float>(e.x), y = static_cast<float>(e.y);
        const float lx = x - mx, ly = y - my, l = std::sqrt(lx * lx + ly * ly);
        if (wachsen > 0 && l > 0) {
            x += wachsen * lx / l;
            y += wachsen * ly / l;
        }
        glTexCoord2f(static_cast<float>(e.u) / 100.0f, static_cast<float>(e.v) / 100.0f);
        glVertex3f(x + dx, y + dy, 0.0f);
    }
}

void ML_Gelaende_Dreieck(int form) {
    glBegin(GL_TRIANGLES);
    ML_Gelaende_Ecken_ausgeben(false, form, 0, 0);
    glEnd();
}

void ML_Gelaende_Dreieckspaar(int form) {
    glBegin(GL_TRIANGLES);
    ML_Gelaende_Ecken_ausgeben(true, form, 0, 0);
    glEnd();
}

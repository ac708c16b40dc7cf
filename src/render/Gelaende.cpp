#include "render/Gelaende.h"

#include <GL/gl.h>

#include "render/Modelliste.h"

void ML_Gelaende_Ecken_ausgeben(bool zweites, int form, float dx, float dy) {
    for (const Gelaendeecke& e : ML_Gelaende_Ecken(zweites, form)) {
        glTexCoord2f(static_cast<float>(e.u) / 100.0f, static_cast<float>(e.v) / 100.0f);
        glVertex3f(static_cast<float>(e.x) + dx, static_cast<float>(e.y) + dy, 0.0f);
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

void Draw_Gelaende() {
    if (!ML_Binden(ML_Landschaft.get(), "ML_Landschaft")) return;
    for (int i = 0; i < Chunkinteger && i < ML_Chunk_Anzahl; ++i) {
        const int k = ML_Chunks_sichtbar[static_cast<std::size_t>(i)];
        ML_Liste_rufen(ML_Chunklisten, k);
    }
    ML_Loesen();
}

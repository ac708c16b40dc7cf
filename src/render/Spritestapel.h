#pragma once
// The sprites of a world layer (persons, rabbits, buildings, ambient objects, ships,
// the placement preview) go through here. Outside a batch every call goes straight to
// OpenGL, one list call per sprite: the plain way. Inside a batch the moves, colours
// and models are collected and the whole layer is drawn with one call in the same
// order; every corner is transformed with the matrix the plain way would have used,
// computed the same way, so the picture is the plain way's to the bit. Without vertex
// programs in the driver no batch opens.
#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <vector>

// One corner of a model's quad: position (x, y, z) and texture coordinates (s, t).
struct ML_Ecke {
    float x = 0, y = 0, z = 0, s = 0, t = 0;
};
// The quad a model list draws, corners in drawing order.
using ML_Quad = std::array<ML_Ecke, 4>;

// Draws the quad (glBegin/glEnd); the lists are compiled from it.
void ML_Quad_ausgeben(const ML_Quad& q);

// Whether the layers collect batches (true in the game; false draws the plain way).
extern bool SP_Buendeln;

// Opens a batch when SP_Buendeln holds: its colour starts as the current one.
void SP_Beginnen();
// Draws and closes the open batch; the current colour and the modelview end as the
// plain way leaves them. Nothing happens without an open batch.
void SP_Zeichnen();
// glTranslatef, or a move of the batch.
void SP_Verschieben(float x, float y, float z);
// What glTranslatef does to the column-major matrix m, to the bit.
void SP_Matrix_verschieben(float* m, float x, float y, float z);
// glColor3f, or the colour of the next models in the batch.
void SP_Farbe(float r, float g, float b);
// Calls list k (when there is one), or adds quad k to the batch (unless it lies wholly
// off the view, where it would draw nothing); false when list k is missing.
bool SP_Modell(const GLuint* listen, const ML_Quad* quads, std::size_t anzahl, int k);
inline bool SP_Modell(const std::vector<GLuint>& listen, const std::vector<ML_Quad>& quads, int k) {
    return SP_Modell(listen.data(), quads.size() == listen.size() ? quads.data() : nullptr, listen.size(), k);
}
template <std::size_t N>
bool SP_Modell(const std::array<GLuint, N>& listen, const std::array<ML_Quad, N>& quads, int k) {
    return SP_Modell(listen.data(), quads.data(), N, k);
}
// Releases the batch program (with the context's other objects).
void SP_Freigeben();
// Quads collected since the start (a figure for tests and benchmarks).
extern long SP_Quads_gesamt;

#pragma once
// Kept pictures laid in to the window's own buffer. The rasteriser counts the window's
// rows from the top and a frame buffer object's from the bottom, so a layer drawn the
// plain way into a picture meets other raster positions, and rounds otherwise, than
// the same layer drawn in the window. Drawn upside down (only the projection's y row
// negated, which is exact), the picture meets the window's very raster positions; it
// is then read upside down when laid in.
#include <GL/gl.h>

#include <array>

// Whether what is drawn now goes to the window's own buffer (and a picture of it is
// to be drawn upside down).
bool GS_Fenster();

// While it lives, draws with the projection `projektion`, upside down when `gestuerzt`
// (the front faces turned with it); the matrix mode is left as the modelview.
class GS_Projektion {
public:
    GS_Projektion(const std::array<GLfloat, 16>& projektion, bool gestuerzt);
    ~GS_Projektion();
    GS_Projektion(const GS_Projektion&) = delete;
    GS_Projektion& operator=(const GS_Projektion&) = delete;
};

// A texture of a kept picture: b x h texels of `format`, no mipmaps, read texel by texel
// and clamped at its edges (left bound; the binding before is not restored).
GLuint GS_Textur(GLint format, int b, int h, GLenum daten, GLenum typ);

// A frame buffer drawing into the colour texture `farbe` with a 24-bit depth buffer of b x h
// (made into `tiefe24`), left bound for drawing; false when it is not complete.
bool GS_Rahmen(GLuint& rahmen, GLuint& tiefe24, GLuint farbe, int b, int h);

// Lays a picture of b x h pixels in over the whole viewport with the textures, programs
// and tests the caller set: a quad of one texel per pixel at depth z (in a projection of
// one unit per pixel and depth), reading an upside-down picture upside down. Matrices and
// culling are as they were afterwards.
void GS_Einsetzen(float b, float h, float z, bool gestuerzt);

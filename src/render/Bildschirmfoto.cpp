#include "render/Bildschirmfoto.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

Bild Bildschirmfoto(int breite, int hoehe) {
    Bild bild(breite, hoehe, tfRGB8);
    std::vector<std::uint8_t> px(bild.pixel.size());
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, breite, hoehe, GL_RGB, GL_UNSIGNED_BYTE, px.data());
    const std::size_t zeile = bild.Zeilengroesse();
    for (int y = 0; y < hoehe; ++y)
        std::copy_n(px.data() + static_cast<std::size_t>(hoehe - 1 - y) * zeile, zeile, bild.Zeile(y));
    return bild;
}

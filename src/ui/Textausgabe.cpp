#include "ui/Textausgabe.h"

#include <GL/gl.h>

#include <cmath>

#include "app/GLForm.h"
#include "foundation/Seams.h"
#include "foundation/Zeichenbreiten.h"

std::array<std::string, 16> TPU_Ladestatus_Zeilen;

namespace {

// Prints through the 256 lists from `basis`; without fonts (no main window yet) nothing is
// drawn and the raster x stays where the text would start.
int drucken(unsigned basis, int X, int Y, const std::string& text, const int breiten[256]) {
    glPushAttrib(GL_LIST_BIT);
    glRasterPos2i(X, Y);
    if (basis != 0 && !text.empty()) {
        glListBase(basis);
        glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    }
    GLint gueltig = GL_FALSE;
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &gueltig);
    GLfloat position[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    glPopAttrib();
    if (gueltig == GL_FALSE) {
        // Outside the view the raster position does not move: answer with the advances.
        int x = X;
        if (basis != 0)
            for (char c : text) x += breiten[static_cast<unsigned char>(c)];
        return x;
    }
    return static_cast<int>(std::lround(position[0]));
}

unsigned schrift1() { return GLForm ? GLForm->Schriftbasis1 : 0; }
unsigned schrift2() { return GLForm ? GLForm->Schriftbasis2 : 0; }

}  // namespace

void TPU_2D_Modus() {
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, Shell().Clientbreite(), Shell().Clienthoehe(), 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

int TPU_Print_Font1(int X, int Y, const std::string& Text) {
    return drucken(schrift1(), X, Y, Text, TPU_Zeichenbreiten_Font1);
}

int TPU_Print_Font2(int X, int Y, const std::string& Text) {
    return drucken(schrift2(), X, Y, Text, TPU_Zeichenbreiten_Font2);
}

void TPU_Print(int X, int Y, const std::string& Text) {
    if (!Text.empty()) TPU_Print_Font1(X, Y, Text);
}

void TPU_Print2(int X, int Y, const std::string& Text) {
    if (!Text.empty()) TPU_Print_Font2(X, Y, Text);
}

void TPU_Print_zentriert(int X, int Y, const std::string& Text) {
    TPU_Print(X - TPU_Textbreite_Font1(Text) / 2, Y, Text);
}

void TPU_Ladestatus_leeren() { TPU_Ladestatus_Zeilen.fill(std::string()); }

void TPU_Ladestatus_add(const std::string& Zeile) {
    for (std::size_t i = 0; i + 1 < TPU_Ladestatus_Zeilen.size(); ++i)
        TPU_Ladestatus_Zeilen[i] = std::move(TPU_Ladestatus_Zeilen[i + 1]);
    TPU_Ladestatus_Zeilen.back() = Zeile;
    Shell().Grafik_Engiene(true);
}

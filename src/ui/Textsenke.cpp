#include "ui/Textsenke.h"

#include <GL/gl.h>

#include "render/Modelliste.h"
#include "render/Textur.h"
#include "ui/Fensterprimitive.h"
#include "ui/Textausgabe.h"

namespace {

class GL_Senke final : public TPU_Textsenke {
public:
    void Print(int X, int Y, const std::string& Text) override { TPU_Print(X, Y, Text); }
    void Print2(int X, int Y, const std::string& Text) override { TPU_Print2(X, Y, Text); }
    void Print_zentriert(int X, int Y, const std::string& Text) override { TPU_Print_zentriert(X, Y, Text); }
    void Farbe(float R, float G, float B) override { glColor3f(R, G, B); }
    void Warenfluss(const std::vector<std::array<int, 3>>& Symbole,
                    const std::vector<std::array<int, 3>>& Waren) override {
        // Symbols and goods icons are sprites: only their opaque texels are drawn, as in the
        // world, so the magenta around them stays transparent.
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_EQUAL, 1.0f);
        if (ML_Interfacepack) {
            ML_Interfacepack->BindTexture(true);
            for (const auto& s : Symbole) IFU_Icon_zeichnen(s[0], s[1], 100, s[2]);
        }
        if (ML_Iconpack) {
            ML_Iconpack->BindTexture(true);
            for (const auto& w : Waren) IFU_Icon_zeichnen_Set5(w[0], w[1], 100, w[2]);
            ML_Iconpack->UnbindTexture(true);
        } else if (ML_Interfacepack) {
            ML_Interfacepack->UnbindTexture(true);
        }
        glDisable(GL_ALPHA_TEST);
    }
};

GL_Senke gl_senke;
TPU_Textsenke* aktuelle_senke = &gl_senke;

}  // namespace

TPU_Textsenke& TPU_Senke() { return *aktuelle_senke; }

TPU_Senke_einsetzen::TPU_Senke_einsetzen(TPU_Textsenke& senke) : vorher_(aktuelle_senke) {
    aktuelle_senke = &senke;
}

TPU_Senke_einsetzen::~TPU_Senke_einsetzen() { aktuelle_senke = vorher_; }

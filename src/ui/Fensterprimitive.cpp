#include "ui/Fensterprimitive.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>

#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "render/Interfaceatlas.h"
#include "render/Modelliste.h"

namespace {

constexpr int kRahmenmodell_quer = 179, kRahmenmodell_Leiste = 27, kRahmenmodell_hoch = 180;
// The frame of Fensterrahmen: 330 pixels wide, its strips 274 (28 pixels in from each side).
constexpr int kRahmen_Halbbreite = 165, kRahmen_Rand = 28, kRahmen_Leistenbreite = 274;
constexpr int kHintergrundmodell = 176;
constexpr int kStufe_voll = 177, kStufe_leer = 178;

bool im_bereich(const char* routine, int nr, std::size_t groesse) {
    if (nr >= 0 && static_cast<std::size_t>(nr) < groesse) return true;
    Fehler_melden(std::string(routine) + " > Nummer nicht abgefangen : " + std::to_string(nr));
    return false;
}

// Moves the origin to (X, Y, Z/100) for the lifetime of the object. The matrix is saved and
// restored rather than translated back: depths such as 0.03 do not cancel exactly in floats.
class Versatz {
public:
    Versatz(int X, int Y, int Z) {
        glPushMatrix();
        glTranslatef(static_cast<float>(X), static_cast<float>(Y), static_cast<float>(Z) / 100.0f);
    }
    ~Versatz() { glPopMatrix(); }
    Versatz(const Versatz&) = delete;
    Versatz& operator=(const Versatz&) = delete;
};

// Calls list Nr of the table with its origin at (X, Y, Z/100).
template <class Tabelle>
void quad(const char* routine, const Tabelle& listen, int X, int Y, int Z, int Nr) {
    if (!im_bereich(routine, Nr, listen.size())) return;
    const Versatz versatz(X, Y, Z);
    if (const GLuint liste = listen[static_cast<std::size_t>(Nr)]; liste != 0) glCallList(liste);
}

}  // namespace

void IFU_Icon_zeichnen(int X, int Y, int Z, int Nr) {
    quad("IFU_Icon_zeichnen", ML_Interfacemodelle, X, Y, Z, Nr);
}
void IFU_Icon_zeichnen_Set2(int X, int Y, int Z, int Nr) {
    quad("IFU_Icon_zeichnen_Set2", ITF_Listen, X, Y, Z, Nr);
}
void IFU_Icon_zeichnen_Set3(int X, int Y, int Z, int Nr) {
    quad("IFU_Icon_zeichnen_Set3", ML_Gebaeudelisten, X, Y, Z, Nr);
}
void IFU_Icon_zeichnen_Set4(int X, int Y, int Z, int Nr) {
    quad("IFU_Icon_zeichnen_Set4", ML_Bauiconlisten, X, Y, Z, Nr);
}
void IFU_Icon_zeichnen_Set5(int X, int Y, int Z, int Nr) {
    quad("IFU_Icon_zeichnen_Set5", ML_Iconlisten, X, Y, Z, Nr);
}

void IFU_Interfaceelement_zeichnen(int X, int Y, int Z, int Nr) {
    if (!im_bereich("IFU_Interfaceelement_zeichnen", Nr, ITF_Texturkoordinaten.size()) ||
        ITF_Texturgroesse <= 0)
        return;
    const Versatz versatz(X, Y, Z);
    // Stretched, the image's outer texels would be filtered with the atlas neighbours beside
    // them; its edge is taken half a texel in, so the outermost pixels show the image's own edge.
    ITF_Quad_gestreckt(ITF_Texturkoordinaten[static_cast<std::size_t>(Nr)],
                       static_cast<float>(Shell().Clientbreite()), static_cast<float>(Shell().Clienthoehe()),
                       0.5f);
}

void IFU_Bonusliste_Icon(int X, int Y, int Z, int Art) {
    static constexpr int modelle[] = {48, 189, 190, 187, 188};
    if (Art < 0 || Art >= static_cast<int>(std::size(modelle))) {
        Fehler_melden("Interfacecall > Bonusliste > Eintrag nicht gefunden. ID:" + std::to_string(Art));
        return;
    }
    IFU_Icon_zeichnen(X, Y, Z, modelle[Art]);
}

bool IFU_Stufenleiste_zeichnen(int Stufe, int Abstand) {
    for (int i = 0; i < 6; ++i)
        IFU_Icon_zeichnen((i + 1) * Abstand, 0, 0, i < Stufe ? kStufe_voll : kStufe_leer);
    return Stufe <= 6;
}

void IFU_Fensterrahmen_zeichnen(int X, int Y) { IFU_Fensterrahmen_zeichnen(X, Y, kRahmen_Halbbreite); }

void IFU_Fensterrahmen_zeichnen(int X, int Y, int Halbbreite) {
    // The bars across and the strips that fill the middle are drawn as wide as the frame (they
    // show one strip of the interface texture at different sizes); the bars down keep their width.
    const auto quer = [&](int modell, int dx, int dy, int breite, int eigene) {
        if (!im_bereich("IFU_Fensterrahmen_zeichnen", modell, ML_Interfacemodelle.size())) return;
        const Versatz versatz(X + dx, Y + dy, 1000);
        glScalef(static_cast<float>(breite) / static_cast<float>(eigene), 1.0f, 1.0f);
        if (const GLuint liste = ML_Interfacemodelle[static_cast<std::size_t>(modell)]; liste != 0)
            glCallList(liste);
    };
    const int w = std::max(Halbbreite, kRahmen_Rand);
    // Every window that has the frame draws its contents first, at the frame's depth: the
    // windows' strictly-less test keeps them in front of the strips that fill the middle.
    for (int dy : {-151, 137}) quer(kRahmenmodell_quer, -w, dy, 2 * w, 2 * kRahmen_Halbbreite);
    for (int dy : {-138, -83, -28, 27, 82})
        quer(kRahmenmodell_Leiste, -w + kRahmen_Rand, dy, 2 * (w - kRahmen_Rand), kRahmen_Leistenbreite);
    IFU_Icon_zeichnen(X - w + 14, Y - 165, 1000, kRahmenmodell_hoch);
    IFU_Icon_zeichnen(X + w - kRahmen_Rand, Y - 165, 1000, kRahmenmodell_hoch);
}

void IFU_Fensterhintergrund_zeichnen(int X, int Y) {
    for (int i = 0; i < 19; ++i) IFU_Icon_zeichnen(X - 272, Y - 273 + (i + 1) * 26, 980, kHintergrundmodell);
}

void IFU_Icon_Leiste_zeichnen() {
    IFU_Icon_zeichnen(IFU_Fenstermitte_X - 48, IFU_Fenstermitte_Y + 38, 1000, 295);
    IFU_Icon_zeichnen(IFU_Fenstermitte_X - 48, IFU_Fenstermitte_Y + 90, 1000, 296);
    IFU_Fensterrahmen_zeichnen(IFU_Fenstermitte_X, IFU_Fenstermitte_Y);
}

void IFU_Anzeigezaehler_runter() { --IFU_Anzeigezaehler; }

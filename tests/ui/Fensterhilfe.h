#pragma once
// A large off-screen frame for the in-game windows (800 x 600, centre 400/300)
// and draw lists that paint a 2 x 2 square whose colour names the list: the
// table it belongs to in blue, its number in red and green. Reading a pixel
// back tells which picture was drawn there.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/Bildpuffer.h"
#include "foundation/Bild.h"
#include "foundation/Spielstatus.h"
#include "render/Bildschirmfoto.h"
#include "render/Interface.h"
#include "render/Interfaceatlas.h"
#include "render/Modelliste.h"
#include "render/Testschale.h"
#include "render/Textur.h"

namespace bhmtest {

inline constexpr int Grossbreite = 800, Grosshoehe = 600;

// The table a list belongs to, coded in the blue channel.
enum class Satz : std::uint8_t {
    Keins = 0,
    Modell = 99,
    Atlas = 150,
    Ware = 200,
    Bauicon = 250,
    Gebaeude = 50
};

struct Treffer {
    Satz satz = Satz::Keins;
    int nr = -1;
    bool operator==(const Treffer&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Treffer& t) {
    return o << "{" << static_cast<int>(t.satz) << ", " << t.nr << "}";
}
inline Treffer M(int nr) { return {Satz::Modell, nr}; }
inline Treffer A(int nr) { return {Satz::Atlas, nr}; }
inline Treffer Wa(int nr) { return {Satz::Ware, nr}; }
inline Treffer Bi(int nr) { return {Satz::Bauicon, nr}; }
inline Treffer Ge(int nr) { return {Satz::Gebaeude, nr}; }
inline const Treffer Nichts{};

// A 2 x 2 square at the origin in the current colour (counter-clockwise on the y-down screen).
inline void Viereck() { glRectf(0, 2, 2, 0); }

// A texture of one colour, w x h pixels.
inline std::unique_ptr<TglBitmap2D> Einfarbig(std::uint8_t r, std::uint8_t g, std::uint8_t b, int w = 4,
                                              int h = 4) {
    std::vector<std::uint8_t> px;
    for (int i = 0; i < w * h; ++i) px.insert(px.end(), {r, g, b});
    auto t = TglBitmap2D::CreateFromPixels(w, h, tfRGB8, px.data());
    t->GenTexture(true);
    return t;
}

// Coded lists for every table and white textures for the interface models, the atlas and
// the three packs while the object lives; the size of the packs and the atlas is given.
class Codelisten {
public:
    explicit Codelisten(int packgroesse = 64, int atlasgroesse = 64) {
        for (auto* t : texturen()) *t = Einfarbig(255, 255, 255);
        for (std::size_t i = 0; i < ML_Interfacemodelle.size(); ++i)
            ML_Interfacemodelle[i] = liste(Satz::Modell, static_cast<int>(i));
        fuellen(ITF_Listen, Satz::Atlas, atlasgroesse);
        fuellen(ML_Iconlisten, Satz::Ware, packgroesse);
        fuellen(ML_Bauiconlisten, Satz::Bauicon, packgroesse);
        fuellen(ML_Gebaeudelisten, Satz::Gebaeude, packgroesse);
    }
    ~Codelisten() {
        for (auto* t : texturen()) t->reset();
        for (GLuint& l : ML_Interfacemodelle) {
            if (l != 0) glDeleteLists(l, 1);
            l = 0;
        }
        for (auto* v : {&ITF_Listen, &ML_Iconlisten, &ML_Bauiconlisten, &ML_Gebaeudelisten}) {
            for (GLuint l : *v)
                if (l != 0) glDeleteLists(l, 1);
            v->clear();
        }
    }
    Codelisten(const Codelisten&) = delete;
    Codelisten& operator=(const Codelisten&) = delete;

private:
    static std::vector<std::unique_ptr<TglBitmap2D>*> texturen() {
        return {&ML_Interfacepack, &ML_Iconpack, &ML_Bauiconpack, &ML_Gebaeudepack, &ITF_Textur};
    }
    static GLuint liste(Satz satz, int nr) {
        const GLuint l = glGenLists(1);
        glNewList(l, GL_COMPILE);
        glColor3ub(static_cast<GLubyte>(nr & 0xFF), static_cast<GLubyte>(1 + (nr >> 8)),
                   static_cast<GLubyte>(satz));
        Viereck();
        glColor3ub(255, 255, 255);
        glEndList();
        return l;
    }
    static void fuellen(std::vector<GLuint>& v, Satz satz, int n) {
        v.clear();
        for (int i = 0; i < n; ++i) v.push_back(liste(satz, i));
    }
};

// An 800 x 600 frame bound while the object lives, a main window of that size and the
// window centre at (400, 300); it draws as the interface pass draws its in-game windows.
class Grossbild {
public:
    Grossbild() : puffer_(Grossbreite, Grosshoehe), schale_(Grossbreite, Grosshoehe) {
        mx_ = IFU_Fenstermitte_X;
        my_ = IFU_Fenstermitte_Y;
        IFU_Fenstermitte_X = Grossbreite / 2;
        IFU_Fenstermitte_Y = Grosshoehe / 2;
        loeschen();
    }
    ~Grossbild() {
        IFU_Fenstermitte_X = mx_;
        IFU_Fenstermitte_Y = my_;
    }
    Grossbild(const Grossbild&) = delete;
    Grossbild& operator=(const Grossbild&) = delete;

    void loeschen() {
        Fensterzustand(Grossbreite, Grosshoehe);
        Draw_Fensterregel();
    }
    Bild lesen() const { return Bildschirmfoto(Grossbreite, Grosshoehe); }
    Testschale& schale() { return schale_; }

private:
    Bildpuffer puffer_;
    Testschale schale_;
    int mx_ = 0, my_ = 0;
};

// The large frame with coded lists: what every window test draws into.
struct Fensterbuehne {
    Grossbild bild;
    Codelisten listen;
};

// Which coded list painted the pixel (x, y) (y down).
inline Treffer Was(const Bild& b, int x, int y) {
    if (x < 0 || y < 0 || x >= Grossbreite || y >= Grosshoehe) return {};
    const std::uint8_t* p = b.Zeile(y) + 3 * x;
    if (p[2] == 0 || p[1] == 0) return {};
    return {static_cast<Satz>(p[2]), p[0] + 256 * (p[1] - 1)};
}

// Every place where the coded list t was painted (its top-left pixel).
inline std::vector<std::pair<int, int>> Orte(const Bild& b, Treffer t) {
    std::vector<std::pair<int, int>> orte;
    for (int y = 0; y < Grosshoehe; ++y)
        for (int x = 0; x < Grossbreite; ++x)
            if (Was(b, x, y) == t && !(Was(b, x - 1, y) == t) && !(Was(b, x, y - 1) == t))
                orte.emplace_back(x, y);
    return orte;
}

}  // namespace bhmtest

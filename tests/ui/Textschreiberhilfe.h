#pragma once
// The text writers without a window: a sink that records what would be printed,
// and a small world of one human clan, templates and objects.
#include <array>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "foundation/Namen.h"
#include "foundation/Spielstatus.h"
#include "foundation/Zeichenbreiten.h"
#include "ui/Textsenke.h"

namespace bhmtest {

struct Gedruckt {
    char art;  // 'P' big font, '2' small font, 'C' big font centred
    int x, y;
    std::string text;
    bool operator==(const Gedruckt&) const = default;
};

inline std::ostream& operator<<(std::ostream& o, const Gedruckt& g) {
    return o << g.art << "(" << g.x << "," << g.y << ",\"" << g.text << "\")";
}

class Textaufzeichnung : public TPU_Textsenke {
public:
    std::vector<Gedruckt> zeilen;
    std::vector<std::array<float, 3>> farben;
    std::vector<std::array<int, 3>> symbole, waren;

    void Print(int X, int Y, const std::string& T) override { zeilen.push_back({'P', X, Y, T}); }
    void Print2(int X, int Y, const std::string& T) override { zeilen.push_back({'2', X, Y, T}); }
    void Print_zentriert(int X, int Y, const std::string& T) override { zeilen.push_back({'C', X, Y, T}); }
    void Farbe(float R, float G, float B) override { farben.push_back({R, G, B}); }
    void Warenfluss(const std::vector<std::array<int, 3>>& s,
                    const std::vector<std::array<int, 3>>& w) override {
        symbole.insert(symbole.end(), s.begin(), s.end());
        waren.insert(waren.end(), w.begin(), w.end());
    }

    // The texts in print order.
    std::vector<std::string> texte() const {
        std::vector<std::string> t;
        for (const auto& z : zeilen) t.push_back(z.text);
        return t;
    }
    // The first line with this text, or nullptr.
    const Gedruckt* finde(const std::string& t) const {
        for (const auto& z : zeilen)
            if (z.text == t) return &z;
        return nullptr;
    }
    void leeren() {
        zeilen.clear();
        farben.clear();
        symbole.clear();
        waren.clear();
    }
};

// A clean world with the human clan in row 0 (and a second clan), the recording
// sink in place, the window centre at (400, 300) and every character 10 pixels wide.
class Textwelt : public Kernwelt {
public:
    Textaufzeichnung senke;

    Textwelt() : einsetzen_(senke) {
        Spieler.assign(2, Spielerzeile{});
        SpielerID = 0;
        NGU_Clannamen = {"Eichsippe", "Moorleute"};
        IFU_Fenstermitte_X = 400;
        IFU_Fenstermitte_Y = 300;
        for (int c = 0; c < 256; ++c) TPU_Zeichenbreiten_Font1[c] = 10, TPU_Zeichenbreiten_Font2[c] = 8;
    }
    ~Textwelt() {
        Objekte.clear();
        OB_Slots.clear();
        NGU_Clannamen.clear();
        Spieler.clear();
        for (int c = 0; c < 256; ++c) TPU_Zeichenbreiten_Font1[c] = TPU_Zeichenbreiten_Font2[c] = 0;
    }

    // Adds object row of the type for the clan (slots closed) and returns its number.
    int objekt(int typ, int besitzer) {
        Objektzeile z{};
        z.Feld() = 1;
        z.Typ() = typ;
        z.Besitzer() = besitzer;
        for (int k = 0; k < Objekt_Warenslots; ++k) z.Slot_Ware(k) = -1;
        for (int k = 0; k < 4; ++k) z.Baumaterial_Ware(k) = -1;
        Objekte.push_back(z);
        const int o = static_cast<int>(Objekte.size()) - 1;
        OB_Objekt_anlegen(o);
        return o;
    }

private:
    TPU_Senke_einsetzen einsetzen_;
};

}  // namespace bhmtest

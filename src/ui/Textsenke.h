#pragma once
// Where the text writers put their output. The writers compute every string,
// position and colour and hand them to the current sink: on screen that is the
// GL sink (the print routines and glColor), in tests a sink that records.
#include <array>
#include <string>
#include <vector>

class TPU_Textsenke {
public:
    virtual ~TPU_Textsenke() = default;
    // Big font, small font, big font centred on X.
    virtual void Print(int X, int Y, const std::string& Text) = 0;
    virtual void Print2(int X, int Y, const std::string& Text) = 0;
    virtual void Print_zentriert(int X, int Y, const std::string& Text) = 0;
    virtual void Farbe(float R, float G, float B) = 0;
    // The goods-flow diagram: interface models {x, y, model}, then goods icons {x, y, ware}.
    virtual void Warenfluss(const std::vector<std::array<int, 3>>& Symbole,
                            const std::vector<std::array<int, 3>>& Waren) = 0;
};

// The sink the writers use now; the GL sink unless a test has put in its own.
TPU_Textsenke& TPU_Senke();

// Puts a sink in for its lifetime and restores the previous one after.
class TPU_Senke_einsetzen {
public:
    explicit TPU_Senke_einsetzen(TPU_Textsenke& senke);
    ~TPU_Senke_einsetzen();
    TPU_Senke_einsetzen(const TPU_Senke_einsetzen&) = delete;
    TPU_Senke_einsetzen& operator=(const TPU_Senke_einsetzen&) = delete;

private:
    TPU_Textsenke* vorher_;
};

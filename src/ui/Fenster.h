#pragma once
// The simpler in-game windows, each drawn around the window centre
// (IFU_Fenstermitte_X, IFU_Fenstermitte_Y) with the interface models bound on
// entry and on exit: the three toggle windows (3 x 3 switches each), the goods
// grid, the minimap, the multiplayer lobby and the plain windows 36, 40, 41
// and 42 (a background under texts and panel pictures drawn by others).

#include <array>

struct TglBitmap2D;

// Swaps the interface models for another texture while it lives, then binds the models
// again; `gebunden` tells whether the texture was there.
class IFU_Packbindung {
public:
    IFU_Packbindung(const TglBitmap2D* pack, const char* name);
    ~IFU_Packbindung();
    IFU_Packbindung(const IFU_Packbindung&) = delete;
    IFU_Packbindung& operator=(const IFU_Packbindung&) = delete;
    bool gebunden() const { return gebunden_; }

private:
    bool gebunden_ = false;
};

// One textured quad with its origin at (X, Y, Z): per corner s, t, x, y.
void IFU_Texturviereck(int X, int Y, float Z, const std::array<std::array<float, 4>, 4>& ecken);

// Toggle windows 1, 2 and 3: options 3k + (w - 1) for k = 0..8.
void IFU_Checkbox_Panel1();
void IFU_Checkbox_Panel2();
void IFU_Checkbox_Panel3();
// The goods grid and its cells.
void IFU_Fenster28();
void IFU_Warenraster_Zellen();
// The minimap: kind tabs and the map picture of Minimap_Art.
void IFU_Minimap();
// The multiplayer lobby.
void IFU_Fenster29();
void IFU_Fenster36();
void IFU_Fenster40();
void IFU_Fenster41();
void IFU_Fenster42();

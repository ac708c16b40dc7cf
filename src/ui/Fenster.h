#pragma once
// The simpler in-game windows, each drawn around the window centre
// (IFU_Fenstermitte_X, IFU_Fenstermitte_Y) with the interface models bound on
// entry and on exit: the three toggle windows (3 x 3 switches each), the goods
// grid, the minimap, the multiplayer lobby and the plain windows 36, 40, 41
// and 42 (a background under texts and panel pictures drawn by others).

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

#pragma once
// The interface images of a frame: the shown panel's elements from the interface
// atlas, then the open in-game windows.
//
// Every picture element of a panel has a kind, an alignment code (1..9: left,
// middle, right edge by top, middle, bottom edge of the window) and offsets;
// its place follows from the alignment and the size of its first image, its
// look from its kind and, for the kinds that show a state, from its "$" name
// (render/Interfacezustaende.h).

// The interface pass of one frame.
void Draw_Interface();
// The depth rules of the pass. The panel elements stand at one depth and a later one covers an
// earlier one (less-or-equal); the in-game windows draw their contents before their frame and
// background, so there the earlier piece stays in front, under the world's strictly-less rule,
// which the pass leaves set.
void Draw_Panelregel();
void Draw_Fensterregel();
// The viewed clan's pile of letters at the upper right, while the game's bar is shown (the
// atlas texture bound by the caller).
void Draw_Briefstapel();
// The picture elements of the visible panel (the atlas texture bound by the caller).
void Draw_Panelelemente();
// Where element `element` of panel `panel` is aligned, in window pixels (before its offsets).
int Draw_Ausrichtung_X(int panel, int element);
int Draw_Ausrichtung_Y(int panel, int element);
